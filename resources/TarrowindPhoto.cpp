// The picture of the Tarrowind board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/arria10/TarrowindParts.h"
#include "resources/FramePhoto.h"

QImage DrawTarrowindPhoto()
{
    return DrawBoardPhoto(TARROWIND_PHOTO_WIDTH, TARROWIND_PHOTO_HEIGHT, kTarrowindParts, std::size(kTarrowindParts));
}
