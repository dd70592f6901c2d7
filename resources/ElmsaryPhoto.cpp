#include "boards/soc/ElmsaryParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawElmsaryPhoto()
{
    return photo::DrawBoardPhoto(ELMSARY_PHOTO_WIDTH, ELMSARY_PHOTO_HEIGHT, QColor(110, 30, 40), kElmsaryParts);
}
