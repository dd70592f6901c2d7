// The picture of the Quillomar module, drawn from the parts table its form marks.

#include "boards/stratix10_agilex/QuillomarParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawQuillomarPhoto()
{
    return photo::DrawBoardPhoto(QUILLOMAR_PHOTO_WIDTH, QUILLOMAR_PHOTO_HEIGHT, kQuillomarParts);
}
