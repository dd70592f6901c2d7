// The picture of the Zennorby board, drawn from the parts table its form marks.

#include "boards/stratix10_agilex/ZennorbyParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawZennorbyPhoto()
{
    return photo::DrawBoardPhoto(ZENNORBY_PHOTO_WIDTH, ZENNORBY_PHOTO_HEIGHT, kZennorbyParts);
}
