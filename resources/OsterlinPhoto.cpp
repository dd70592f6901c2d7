// The picture of the Osterlin board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone2_3/OsterlinParts.h"
#include "resources/FramePhoto.h"

QImage DrawOsterlinPhoto()
{
    return DrawBoardPhoto(OSTERLIN_PHOTO_WIDTH, OSTERLIN_PHOTO_HEIGHT, kOsterlinParts, std::size(kOsterlinParts));
}
