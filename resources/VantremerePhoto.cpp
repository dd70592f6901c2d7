#include "boards/soc/VantremereParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawVantremerePhoto()
{
    return photo::DrawBoardPhoto(VANTREMERE_PHOTO_WIDTH, VANTREMERE_PHOTO_HEIGHT, QColor(30, 60, 140),
                                 kVantremereParts);
}
