// The picture of the Nethercoy board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone2_3/NethercoyParts.h"
#include "resources/FramePhoto.h"

QImage DrawNethercoyPhoto()
{
    return DrawBoardPhoto(NETHERCOY_PHOTO_WIDTH, NETHERCOY_PHOTO_HEIGHT, kNethercoyParts, std::size(kNethercoyParts));
}
