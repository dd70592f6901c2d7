// The picture of the Pelverton board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/PelvertonParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawPelvertonPhoto()
{
    return photo::DrawBoardPhoto(PELVERTON_PHOTO_WIDTH, PELVERTON_PHOTO_HEIGHT, kPelvertonParts);
}
