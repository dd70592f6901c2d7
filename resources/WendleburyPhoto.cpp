#include "boards/soc/WendleburyParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawWendleburyPhoto()
{
    return photo::DrawBoardPhoto(WENDLEBURY_PHOTO_WIDTH, WENDLEBURY_PHOTO_HEIGHT, QColor(120, 30, 40),
                                 kWendleburyParts);
}

QImage DrawWendleburyJumper()
{
    return photo::DrawBoardPhoto(WENDLEBURY_JUMPER_WIDTH, WENDLEBURY_JUMPER_HEIGHT, QColor(235, 235, 225),
                                 kWendleburyJumperParts);
}
