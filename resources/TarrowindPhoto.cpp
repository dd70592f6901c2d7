// The Tarrowind board picture.
#include <iterator>

#include "boards/arria10/TarrowindParts.h"
#include "resources/Arria10Photo.h"

QImage DrawTarrowindPhoto()
{
    return DrawArria10Board(kTarrowindParts, std::size(kTarrowindParts), QColor(20, 70, 130));
}
