// Fyrn Tavrel-to-PIO adaptor (card 16): the Tavrel connector's signal lines
// under their connector names with the prefix "TAVREL_". Every pin is inout
// at 3.3-V LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;
constexpr int kPositions = 180;

const CardPinRow kAdaptorPins[] = {
    {"3, 63", "TAVREL_CLKOUT_n", "0-1", Inout},
    {"4, 64", "TAVREL_CLKIN_n", "0-1", Inout},
    {"5, 65", "TAVREL_CLKOUT_p", "0-1", Inout},
    {"6, 66", "TAVREL_CLKIN_p", "0-1", Inout},
    {"9, 15, 21, 27, 33, 39, 45, 51, 57, 69, 75, 81, 87, 93, 99, 105, 111, 117, "
     "133, 137, 141, 145, 149, 153, 157, 161, 165, 169, 173, 177",
     "TAVREL_TX_n", "0-29", Inout},
    {"10, 16, 22, 28, 34, 40, 46, 52, 58, 70, 76, 82, 88, 94, 100, 106, 112, 118, "
     "134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 174, 178",
     "TAVREL_RX_n", "0-29", Inout},
    {"11, 17, 23, 29, 35, 41, 47, 53, 59, 71, 77, 83, 89, 95, 101, 107, 113, 119, "
     "135, 139, 143, 147, 151, 155, 159, 163, 167, 171, 175, 179",
     "TAVREL_TX_p", "0-29", Inout},
    {"12, 18, 24, 30, 36, 42, 48, 54, 60, 72, 78, 84, 90, 96, 102, 108, 114, 120, "
     "136, 140, 144, 148, 152, 156, 160, 164, 168, 172, 176, 180",
     "TAVREL_RX_p", "0-29", Inout},
    {"121", "TAVREL_POWER_ON", nullptr, Inout},
    {"123", "TAVREL_CLKOUT_2", nullptr, Inout},
    {"124", "TAVREL_CLKIN_2", nullptr, Inout},
    {"125", "TAVREL_TDO", nullptr, Inout},
    {"126", "TAVREL_TDI", nullptr, Inout},
    {"129", "TAVREL_TCK", nullptr, Inout},
    {"130", "TAVREL_TMS", nullptr, Inout},
    {"131", "TAVREL_SDA", nullptr, Inout},
    {"132", "TAVREL_SCL", nullptr, Inout},
};

}  // namespace

void AddTavrelToPioAdaptorPins(TConnector* connector)
{
    AddCardPinTable(connector, kPositions, kAdaptorPins, IO_STD_3V3_LVTTL);
}
