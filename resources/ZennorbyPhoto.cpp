// The picture of the Zennorby board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/stratix10_agilex/ZennorbyParts.h"
#include "resources/FramePhoto.h"

QImage DrawZennorbyPhoto()
{
    return DrawBoardPhoto(ZENNORBY_PHOTO_WIDTH, ZENNORBY_PHOTO_HEIGHT, kZennorbyParts, std::size(kZennorbyParts));
}
