// The picture of the Bristane board, drawn from the parts table its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/BristaneParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawBristanePhoto()
{
    return DrawBoardPhoto(BRISTANE_PHOTO_WIDTH, BRISTANE_PHOTO_HEIGHT, kBristaneParts, std::size(kBristaneParts));
}
