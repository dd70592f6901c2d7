// The picture of the Larrowen board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/LarrowenParts.h"
#include "resources/PartsPhoto.h"

QImage DrawLarrowenPhoto()
{
    return DrawPartsPhoto(LARROWEN_PHOTO_WIDTH, LARROWEN_PHOTO_HEIGHT, QColor(110, 30, 30), kLarrowenParts,
                          std::size(kLarrowenParts));
}
