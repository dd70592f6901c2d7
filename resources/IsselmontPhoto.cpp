#include "boards/cyclone2_3/IsselmontParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawIsselmontPhoto()
{
    return photo::DrawBoardPhoto(ISSELMONT_PHOTO_WIDTH, ISSELMONT_PHOTO_HEIGHT, QColor(20, 105, 115), kIsselmontParts);
}
