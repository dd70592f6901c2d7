// The picture of the Ormsgill board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawOrmsgillPhoto()
{
    return photo::DrawBoardPhoto(ORMSGILL_PHOTO_WIDTH, ORMSGILL_PHOTO_HEIGHT, kOrmsgillParts);
}
