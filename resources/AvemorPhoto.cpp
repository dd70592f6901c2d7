#include "boards/cyclone2_3/AvemorParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawAvemorPhoto()
{
    return photo::DrawBoardPhoto(AVEMOR_PHOTO_WIDTH, AVEMOR_PHOTO_HEIGHT, QColor(30, 110, 70), kAvemorParts);
}
