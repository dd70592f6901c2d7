// The Garvelow board picture.
#include <iterator>

#include "boards/arria10/GarvelowParts.h"
#include "resources/Arria10Photo.h"

QImage DrawGarvelowPhoto()
{
    return DrawArria10Board(kGarvelowParts, std::size(kGarvelowParts), QColor(120, 40, 40));
}
