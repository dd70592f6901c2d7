// The picture of the Ashcombre board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/stratix10_agilex/AshcombreParts.h"
#include "resources/FramePhoto.h"

QImage DrawAshcombrePhoto()
{
    return DrawBoardPhoto(ASHCOMBRE_PHOTO_WIDTH, ASHCOMBRE_PHOTO_HEIGHT, kAshcombreParts, std::size(kAshcombreParts));
}
