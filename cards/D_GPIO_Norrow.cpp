// Norrow 8" LCD and touch card (card 30): an 18-bit RGB panel whose colour
// buses run in the element order 0, 2, 1, 4, 3, 5, the touch converter's
// serial port and a G-sensor.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kNorrowPins[] = {
    {"1", "G_SENSOR_INT1", nullptr, In},
    {"2", "G_SCL_SCLK", nullptr, Out},
    {"3", "G_SENSOR_INT2", nullptr, In},
    {"4", "G_SDA_SDI_SDIO", nullptr, Inout},
    {"5", "TOUCH_DCLK", nullptr, Out},
    {"6", "TOUCH_PENIRQ_n", nullptr, In},
    {"7", "TOUCH_DOUT", nullptr, In},
    {"8", "TOUCH_BUSY", nullptr, In},
    {"9", "TOUCH_DIN", nullptr, Out},
    {"10", "TOUCH_CS_n", nullptr, Out},
    {"15, 17-20, 22", "LCD_R", "0, 2, 1, 4, 3, 5", Out},
    {"21", "DIM", nullptr, Out},
    {"23", "LCD_NCLK", nullptr, Out},
    {"24", "G_ALT_ADDR", nullptr, Out},
    {"25, 27, 28, 31, 32, 34", "LCD_G", "0, 2, 1, 4, 3, 5", Out},
    {"26", "G_CS_n", nullptr, Out},
    {"33, 35-38, 40", "LCD_B", "0, 2, 1, 4, 3, 5", Out},
    {"39", "LCD_DEN", nullptr, Out},
};

}  // namespace

void AddLcd8TouchCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kNorrowPins, ioStandard);
}
