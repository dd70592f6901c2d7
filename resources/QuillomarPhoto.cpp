// The picture of the Quillomar module, drawn from the parts table its form marks.
#include <iterator>

#include "boards/stratix10_agilex/QuillomarParts.h"
#include "resources/FramePhoto.h"

QImage DrawQuillomarPhoto()
{
    return DrawBoardPhoto(QUILLOMAR_PHOTO_WIDTH, QUILLOMAR_PHOTO_HEIGHT, kQuillomarParts, std::size(kQuillomarParts));
}
