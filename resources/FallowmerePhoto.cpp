// The picture of the Fallowmere board, drawn from the parts table its form marks.

#include "boards/arria10/FallowmereParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawFallowmerePhoto()
{
    return photo::DrawBoardPhoto(FALLOWMERE_PHOTO_WIDTH, FALLOWMERE_PHOTO_HEIGHT, kFallowmereParts);
}
