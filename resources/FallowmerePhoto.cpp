// The picture of the Fallowmere board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/arria10/FallowmereParts.h"
#include "resources/FramePhoto.h"

QImage DrawFallowmerePhoto()
{
    return DrawBoardPhoto(FALLOWMERE_PHOTO_WIDTH, FALLOWMERE_PHOTO_HEIGHT, kFallowmereParts, std::size(kFallowmereParts));
}
