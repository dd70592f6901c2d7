// The picture of the Rastrelle board, drawn from the parts table its form marks.

#include "boards/cyclone5_stratix5/RastrelleParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawRastrellePhoto()
{
    return photo::DrawBoardPhoto(RASTRELLE_PHOTO_WIDTH, RASTRELLE_PHOTO_HEIGHT, kRastrelleParts);
}
