#include "boards/cyclone2_3/FennickParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawFennickPhoto()
{
    return photo::DrawBoardPhoto(FENNICK_PHOTO_WIDTH, FENNICK_PHOTO_HEIGHT, QColor(25, 90, 140), kFennickParts);
}
