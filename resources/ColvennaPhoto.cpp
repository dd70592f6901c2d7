// The picture of the Colvenna board, drawn from the parts table its form marks.

#include "boards/cyclone5_stratix5/ColvennaParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawColvennaPhoto()
{
    return photo::DrawBoardPhoto(COLVENNA_PHOTO_WIDTH, COLVENNA_PHOTO_HEIGHT, kColvennaParts);
}
