// The pictures of the Kestleford board and of its two voltage jumpers,
// drawn from the parts tables its form marks.
#include <iterator>

#include "boards/cyclone4_stratix4/KestlefordParts.h"
#include "resources/Cyclone4Stratix4Photos.h"
#include "resources/FramePhoto.h"

QImage DrawKestlefordPhoto()
{
    return DrawBoardPhoto(KESTLEFORD_PHOTO_WIDTH, KESTLEFORD_PHOTO_HEIGHT, kKestlefordParts,
                          std::size(kKestlefordParts));
}

QImage DrawKestlefordJumpers()
{
    return DrawBoardPhoto(KESTLEFORD_JUMPER_WIDTH, KESTLEFORD_JUMPER_HEIGHT, kKestlefordJumperParts,
                          std::size(kKestlefordJumperParts));
}
