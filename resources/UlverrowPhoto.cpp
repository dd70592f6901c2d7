// The picture of the Ulverrow board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/arria10/UlverrowParts.h"
#include "resources/FramePhoto.h"

QImage DrawUlverrowPhoto()
{
    return DrawBoardPhoto(ULVERROW_PHOTO_WIDTH, ULVERROW_PHOTO_HEIGHT, kUlverrowParts, std::size(kUlverrowParts));
}
