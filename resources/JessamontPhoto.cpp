#include "boards/cyclone5_stratix5/JessamontParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawJessamontPhoto()
{
    return photo::DrawBoardPhoto(JESSAMONT_PHOTO_WIDTH, JESSAMONT_PHOTO_HEIGHT, QColor(30, 40, 110), kJessamontParts);
}
