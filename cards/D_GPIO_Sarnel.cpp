// Multi-touch LCD panels Sarnel (card 55) and Tamsil (card 63): the same
// pin-out and the same signal names.
// No signal at 1, 3, 11, 12, 19, 20, 29, 30, 34 and 40.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kSarnelPins[] = {
    {"2", "SARNEL_DCLK", nullptr, Out},
    {"4-10, 13", "SARNEL_R", "0-7", Out},
    {"14-18, 21, 22, 24", "SARNEL_G", "0-7", Out},
    {"23, 25-28, 31-33", "SARNEL_B", "0-7", Out},
    {"35", "SARNEL_HSD", nullptr, Out},
    {"36", "SARNEL_VSD", nullptr, Out},
    {"37", "SARNEL_TOUCH_I2C_SCL", nullptr, Out},
    {"38", "SARNEL_TOUCH_I2C_SDA", nullptr, Inout},
    {"39", "SARNEL_TOUCH_INT_n", nullptr, In},
};

}  // namespace

void AddMultiTouchLcdCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kSarnelPins, ioStandard);
}

void AddMultiTouchLcd2CardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kSarnelPins, ioStandard);
}
