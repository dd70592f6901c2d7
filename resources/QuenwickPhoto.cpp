// The picture of the Quenwick board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/QuenwickParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawQuenwickPhoto()
{
    return photo::DrawBoardPhoto(QUENWICK_PHOTO_WIDTH, QUENWICK_PHOTO_HEIGHT, kQuenwickParts);
}
