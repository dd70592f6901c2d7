// The picture of the Marlowen board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone2_3/MarlowenParts.h"
#include "resources/FramePhoto.h"

QImage DrawMarlowenPhoto()
{
    return DrawBoardPhoto(MARLOWEN_PHOTO_WIDTH, MARLOWEN_PHOTO_HEIGHT, kMarlowenParts, std::size(kMarlowenParts));
}
