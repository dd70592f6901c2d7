#include "resources/JessamontPhoto.h"

#include "boards/cyclone5_stratix5/JessamontParts.h"
#include "resources/BoardPhoto.h"

QImage DrawJessamontPhoto()
{
    return photo::DrawBoardPhoto(JESSAMONT_PHOTO_WIDTH, JESSAMONT_PHOTO_HEIGHT, QColor(30, 40, 110), kJessamontParts);
}
