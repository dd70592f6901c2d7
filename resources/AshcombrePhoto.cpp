// The picture of the Ashcombre board, drawn from the parts table its form marks.

#include "boards/stratix10_agilex/AshcombreParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawAshcombrePhoto()
{
    return photo::DrawBoardPhoto(ASHCOMBRE_PHOTO_WIDTH, ASHCOMBRE_PHOTO_HEIGHT, kAshcombreParts);
}
