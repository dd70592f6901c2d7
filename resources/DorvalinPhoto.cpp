#include "boards/soc/DorvalinParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawDorvalinPhoto()
{
    return photo::DrawBoardPhoto(DORVALIN_PHOTO_WIDTH, DORVALIN_PHOTO_HEIGHT, QColor(20, 90, 60), kDorvalinParts);
}
