// The picture of the Estover board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone5_stratix5/EstoverParts.h"
#include "resources/FramePhoto.h"

QImage DrawEstoverPhoto()
{
    return DrawBoardPhoto(ESTOVER_PHOTO_WIDTH, ESTOVER_PHOTO_HEIGHT, kEstoverParts, std::size(kEstoverParts));
}
