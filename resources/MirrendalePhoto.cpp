#include "boards/soc/MirrendaleParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawMirrendalePhoto()
{
    return photo::DrawBoardPhoto(MIRRENDALE_PHOTO_WIDTH, MIRRENDALE_PHOTO_HEIGHT, QColor(20, 30, 40),
                                 kMirrendaleParts);
}
