// The picture of the Marlowen board, drawn from the parts table its form marks.

#include "boards/cyclone2_3/MarlowenParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawMarlowenPhoto()
{
    return photo::DrawBoardPhoto(MARLOWEN_PHOTO_WIDTH, MARLOWEN_PHOTO_HEIGHT, kMarlowenParts);
}
