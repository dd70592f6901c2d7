// The picture of the Garvelow board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/arria10/GarvelowParts.h"
#include "resources/FramePhoto.h"

QImage DrawGarvelowPhoto()
{
    return DrawBoardPhoto(GARVELOW_PHOTO_WIDTH, GARVELOW_PHOTO_HEIGHT, kGarvelowParts, std::size(kGarvelowParts));
}
