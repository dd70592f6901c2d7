// The Fallowmere board picture.
#include <iterator>

#include "boards/arria10/FallowmereParts.h"
#include "resources/Arria10Photo.h"

QImage DrawFallowmerePhoto()
{
    return DrawArria10Board(kFallowmereParts, std::size(kFallowmereParts), QColor(22, 110, 62));
}
