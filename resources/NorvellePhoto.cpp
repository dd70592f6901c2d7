// The picture of the Norvelle board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone2_3/NorvelleParts.h"
#include "resources/FramePhoto.h"

QImage DrawNorvellePhoto()
{
    return DrawBoardPhoto(NORVELLE_PHOTO_WIDTH, NORVELLE_PHOTO_HEIGHT, kNorvelleParts, std::size(kNorvelleParts));
}
