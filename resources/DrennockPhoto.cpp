// The picture of the Drennock board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone5_stratix5/DrennockParts.h"
#include "resources/FramePhoto.h"

QImage DrawDrennockPhoto()
{
    return DrawBoardPhoto(DRENNOCK_PHOTO_WIDTH, DRENNOCK_PHOTO_HEIGHT, kDrennockParts, std::size(kDrennockParts));
}
