// The picture of the Nethercoy board, drawn from the parts table its form marks.

#include "boards/cyclone2_3/NethercoyParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawNethercoyPhoto()
{
    return photo::DrawBoardPhoto(NETHERCOY_PHOTO_WIDTH, NETHERCOY_PHOTO_HEIGHT, kNethercoyParts);
}
