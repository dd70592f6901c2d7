// The picture of the Ormsgill board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawOrmsgillPhoto()
{
    return DrawBoardPhoto(ORMSGILL_PHOTO_WIDTH, ORMSGILL_PHOTO_HEIGHT, kOrmsgillParts, std::size(kOrmsgillParts));
}
