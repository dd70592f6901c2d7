// The picture of the Colvenna board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone5_stratix5/ColvennaParts.h"
#include "resources/FramePhoto.h"

QImage DrawColvennaPhoto()
{
    return DrawBoardPhoto(COLVENNA_PHOTO_WIDTH, COLVENNA_PHOTO_HEIGHT, kColvennaParts, std::size(kColvennaParts));
}
