// The picture of the Rastrelle board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone5_stratix5/RastrelleParts.h"
#include "resources/FramePhoto.h"

QImage DrawRastrellePhoto()
{
    return DrawBoardPhoto(RASTRELLE_PHOTO_WIDTH, RASTRELLE_PHOTO_HEIGHT, kRastrelleParts, std::size(kRastrelleParts));
}
