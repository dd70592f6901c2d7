// The picture of the Ulverrow board, drawn from the parts table its form marks.

#include "boards/arria10/UlverrowParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawUlverrowPhoto()
{
    return photo::DrawBoardPhoto(ULVERROW_PHOTO_WIDTH, ULVERROW_PHOTO_HEIGHT, kUlverrowParts);
}
