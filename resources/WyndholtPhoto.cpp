#include "boards/soc/WyndholtParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawWyndholtPhoto()
{
    return photo::DrawBoardPhoto(WYNDHOLT_PHOTO_WIDTH, WYNDHOLT_PHOTO_HEIGHT, QColor(25, 80, 130), kWyndholtParts);
}
