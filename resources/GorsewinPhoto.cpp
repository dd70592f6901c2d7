// The picture of the Gorsewin board, drawn from the parts table its form marks.

#include "boards/cyclone4_stratix4/GorsewinParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawGorsewinPhoto()
{
    return photo::DrawBoardPhoto(GORSEWIN_PHOTO_WIDTH, GORSEWIN_PHOTO_HEIGHT, kGorsewinParts);
}
