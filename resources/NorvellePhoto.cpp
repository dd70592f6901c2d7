// The picture of the Norvelle board, drawn from the parts table its form marks.

#include "boards/cyclone2_3/NorvelleParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawNorvellePhoto()
{
    return photo::DrawBoardPhoto(NORVELLE_PHOTO_WIDTH, NORVELLE_PHOTO_HEIGHT, kNorvelleParts);
}
