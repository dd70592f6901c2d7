// Dunvar servo motor kit (card 66): 24 pulse lines and a power monitor.
// No signal at 11, 12, 27-30, 34, 36, 39 and 40.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kDunvarPins[] = {
    {"1-10, 13-26", "PMW", "0-23", Inout},
    {"31", "SOC_PM_I2C_SDA", nullptr, Inout},
    {"32", "SOC_PM_I2C_SCL", nullptr, Inout},
    {"33", "SYS_PM_ALERT", nullptr, In},
    {"35", "MR_PM_ALERT", nullptr, In},
    {"37", "SOC_SYS_PDN_n", nullptr, Out},
    {"38", "SOC_WARN_LED", nullptr, Out},
};

}  // namespace

void AddServoMotorKitPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kDunvarPins, ioStandard);
}
