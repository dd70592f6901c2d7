#include "boards/cyclone5_stratix5/HethermoorParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawHethermoorPhoto()
{
    return photo::DrawBoardPhoto(HETHERMOOR_PHOTO_WIDTH, HETHERMOOR_PHOTO_HEIGHT, QColor(20, 95, 60), kHethermoorParts);
}
