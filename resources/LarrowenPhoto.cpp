// The picture of the Larrowen board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/LarrowenParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawLarrowenPhoto()
{
    return photo::DrawBoardPhoto(LARROWEN_PHOTO_WIDTH, LARROWEN_PHOTO_HEIGHT, kLarrowenParts);
}
