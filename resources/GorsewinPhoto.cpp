// The picture of the Gorsewin board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/GorsewinParts.h"
#include "resources/FramePhoto.h"

QImage DrawGorsewinPhoto()
{
    return DrawBoardPhoto(GORSEWIN_PHOTO_WIDTH, GORSEWIN_PHOTO_HEIGHT, kGorsewinParts,
                          std::size(kGorsewinParts));
}
