// The picture of the Osterlin board, drawn from the parts table its form marks.

#include "boards/cyclone2_3/OsterlinParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawOsterlinPhoto()
{
    return photo::DrawBoardPhoto(OSTERLIN_PHOTO_WIDTH, OSTERLIN_PHOTO_HEIGHT, kOsterlinParts);
}
