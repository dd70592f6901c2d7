// The picture of the Quenwick board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/QuenwickParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawQuenwickPhoto()
{
    return DrawBoardPhoto(QUENWICK_PHOTO_WIDTH, QUENWICK_PHOTO_HEIGHT, kQuenwickParts, std::size(kQuenwickParts));
}
