// Jusk 8-megapixel MIPI camera for a GPIO header (card 76).
// No signal at 1, 3, 11, 12, 16-20, 22, 24, 29, 30, 34 and 37-40.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kJuskPins[] = {
    {"2", "MIPI_PIXEL_CLK", nullptr, In},
    {"4-10, 13-15", "MIPI_PIXEL_D", "0-9", In},
    {"21", "MIPI_REFCLK", nullptr, Out},
    {"23", "MIPI_PIXEL_VS", nullptr, In},
    {"25", "MIPI_PIXEL_HS", nullptr, In},
    {"26", "MIPI_CS_n", nullptr, Out},
    {"27", "MIPI_RESET_n", nullptr, Out},
    {"28", "CAMERA_PWDN_n", nullptr, Out},
    {"31", "CAMERA_I2C_SCL", nullptr, Inout},
    {"32", "CAMERA_I2C_SDA", nullptr, Inout},
    {"33", "MIPI_MCLK", nullptr, Out},
    {"35", "MIPI_I2C_SCL", nullptr, Inout},
    {"36", "MIPI_I2C_SDA", nullptr, Inout},
};

}  // namespace

void AddCamera8MGpioCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kJuskPins, ioStandard);
}
