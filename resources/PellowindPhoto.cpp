// The picture of the Pellowind board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawPellowindPhoto()
{
    return photo::DrawBoardPhoto(PELLOWIND_PHOTO_WIDTH, PELLOWIND_PHOTO_HEIGHT, kPellowindParts);
}
