// The picture of the Gorsewin board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/GorsewinParts.h"
#include "resources/PartsPhoto.h"

QImage DrawGorsewinPhoto()
{
    return DrawPartsPhoto(GORSEWIN_PHOTO_WIDTH, GORSEWIN_PHOTO_HEIGHT, QColor(24, 60, 120), kGorsewinParts,
                          std::size(kGorsewinParts));
}
