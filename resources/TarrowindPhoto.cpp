// The picture of the Tarrowind board, drawn from the parts table its form marks.

#include "boards/arria10/TarrowindParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawTarrowindPhoto()
{
    return photo::DrawBoardPhoto(TARROWIND_PHOTO_WIDTH, TARROWIND_PHOTO_HEIGHT, kTarrowindParts);
}
