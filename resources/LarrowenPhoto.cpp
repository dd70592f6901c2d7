// The picture of the Larrowen board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/LarrowenParts.h"
#include "resources/FramePhoto.h"

QImage DrawLarrowenPhoto()
{
    return DrawBoardPhoto(LARROWEN_PHOTO_WIDTH, LARROWEN_PHOTO_HEIGHT, kLarrowenParts,
                          std::size(kLarrowenParts));
}
