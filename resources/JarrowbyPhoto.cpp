#include "boards/cyclone2_3/JarrowbyParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawJarrowbyPhoto()
{
    return photo::DrawBoardPhoto(JARROWBY_PHOTO_WIDTH, JARROWBY_PHOTO_HEIGHT, QColor(120, 40, 45), kJarrowbyParts);
}
