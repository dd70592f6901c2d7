// The pictures of the Kestleford board and of its two voltage jumpers,
// drawn from the parts tables its form marks.

#include "boards/cyclone4_stratix4/KestlefordParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawKestlefordPhoto()
{
    return photo::DrawBoardPhoto(KESTLEFORD_PHOTO_WIDTH, KESTLEFORD_PHOTO_HEIGHT, kKestlefordParts);
}

QImage DrawKestlefordJumpers()
{
    return photo::DrawBoardPhoto(KESTLEFORD_JUMPER_WIDTH, KESTLEFORD_JUMPER_HEIGHT, kKestlefordJumperParts);
}
