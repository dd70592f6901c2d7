// Rusket interactive sensor board (card 34): a beeper and the two-wire ports
// and interrupt or ready lines of its sensors. Every pin is 3.3-V LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kRusketPins[] = {
    {"6", "BEEP_OUT", nullptr, Out},
    {"15", "SCL_A_OUT", nullptr, Out},
    {"16", "SDA_A_OUT", nullptr, Inout},
    {"17", "INT1_A_OUT", nullptr, In},
    {"18", "INT2_A_OUT", nullptr, In},
    {"19", "G_INT2", nullptr, In},
    {"20", "G_INT1", nullptr, In},
    {"21", "G_SDA_SDI_SDIO", nullptr, Inout},
    {"22", "G_SDO_ALT_ADDRESS", nullptr, Out},
    {"23", "SCL_M_OUT", nullptr, Out},
    {"24", "SDA_M_OUT", nullptr, Inout},
    {"25", "DRDY_M_OUT", nullptr, Out},
    {"26", "G_SCL_SCLK", nullptr, Out},
    {"27", "G_CS_n", nullptr, Out},
    {"28", "L_INT", nullptr, In},
    {"31", "L_SDA", nullptr, Inout},
    {"32", "L_SCL", nullptr, Out},
    {"34", "L_ADDR_SEL", nullptr, Out},
    {"35", "TEMP_OS", nullptr, In},
    {"37", "TEMP_SCL", nullptr, Out},
    {"39", "TEMP_SDA", nullptr, Inout},
};

}  // namespace

void AddSensorBoardPins(TConnector* connector)
{
    AddCardPinTable(connector, 40, kRusketPins, IO_STD_3V3_LVTTL);
}
