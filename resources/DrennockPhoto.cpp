// The picture of the Drennock board, drawn from the parts table its form marks.

#include "boards/cyclone5_stratix5/DrennockParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawDrennockPhoto()
{
    return photo::DrawBoardPhoto(DRENNOCK_PHOTO_WIDTH, DRENNOCK_PHOTO_HEIGHT, kDrennockParts);
}
