// The picture of the Bristane board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/BristaneParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawBristanePhoto()
{
    return photo::DrawBoardPhoto(BRISTANE_PHOTO_WIDTH, BRISTANE_PHOTO_HEIGHT, kBristaneParts);
}
