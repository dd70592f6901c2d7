// The picture of the Pellowind board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawPellowindPhoto()
{
    return DrawBoardPhoto(PELLOWIND_PHOTO_WIDTH, PELLOWIND_PHOTO_HEIGHT, kPellowindParts, std::size(kPellowindParts));
}
