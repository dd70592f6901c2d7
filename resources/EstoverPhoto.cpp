// The picture of the Estover board, drawn from the parts table its form marks.

#include "boards/cyclone5_stratix5/EstoverParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawEstoverPhoto()
{
    return photo::DrawBoardPhoto(ESTOVER_PHOTO_WIDTH, ESTOVER_PHOTO_HEIGHT, kEstoverParts);
}
