#include "boards/soc/LanterbyParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawLanterbyPhoto()
{
    return photo::DrawBoardPhoto(LANTERBY_PHOTO_WIDTH, LANTERBY_PHOTO_HEIGHT, QColor(25, 95, 60), kLanterbyParts);
}
