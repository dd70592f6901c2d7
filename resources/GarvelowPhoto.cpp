// The picture of the Garvelow board, drawn from the parts table its form marks.

#include "boards/arria10/GarvelowParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawGarvelowPhoto()
{
    return photo::DrawBoardPhoto(GARVELOW_PHOTO_WIDTH, GARVELOW_PHOTO_HEIGHT, kGarvelowParts);
}
