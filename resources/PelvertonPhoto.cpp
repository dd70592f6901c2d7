// The picture of the Pelverton board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/PelvertonParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawPelvertonPhoto()
{
    return DrawBoardPhoto(PELVERTON_PHOTO_WIDTH, PELVERTON_PHOTO_HEIGHT, kPelvertonParts, std::size(kPelvertonParts));
}
