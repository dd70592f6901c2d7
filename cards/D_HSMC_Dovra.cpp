// Dovra industrial communication card (card 27): an RS-232 port with its
// modem lines, four RS-485 ports, two CAN ports, a 36-bit bus "GPIO_DATA",
// four 4-bit buses "PIO0_DATA" to "PIO3_DATA" and the HSMC JTAG positions.
// Only the two-wire pair at 33 and 34 takes the map's I/O standard; every
// other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kDovraPins[] = {
    {"33", "DOVRA_SDA", nullptr, Inout, Arg},
    {"34", "DOVRA_SCL", nullptr, Out, Arg},
    {"35", "HSMC_TCK", nullptr, Inout, 6},
    {"36", "HSMC_TMS", nullptr, Out, 6},
    {"37", "HSMC_TDO", nullptr, Inout, 6},
    {"38", "HSMC_TDI", nullptr, Out, 6},
    {"41, 42, 44", "GPIO_DATA", "34-32", Inout, 6},
    {"43", "GPIO_DATA[35]", nullptr, Inout, 6},
    {"47, 49, 53, 55, 60, 62, 66, 68", "GPIO_DATA", "4-11", Inout, 6},
    {"48, 50, 54, 56", "GPIO_DATA", "0-3", Inout, 6},
    {"59, 61, 65, 67, 72, 74, 78, 80", "GPIO_DATA", "12-19", Inout, 6},
    {"71, 73, 77, 79, 84, 86, 90, 92", "GPIO_DATA", "20-27", Inout, 6},
    {"83, 85, 89, 91", "GPIO_DATA", "28-31", Inout, 6},
    {"95", "RS232_RI", nullptr, Out, 6},
    {"96", "RS232_RTS", nullptr, In, 6},
    {"97", "RS232_CTS", nullptr, Out, 6},
    {"98", "RS232_DTR", nullptr, In, 6},
    {"101, 103, 107, 109", "PIO1_DATA", "0-3", Inout, 6},
    {"102, 104, 108, 110", "PIO0_DATA", "0-3", Inout, 6},
    {"113, 115, 119, 121", "PIO3_DATA", "0-3", Inout, 6},
    {"114, 116, 120, 122", "PIO2_DATA", "0-3", Inout, 6},
    {"125", "RS485_2_RXD", nullptr, In, 6},
    {"126", "RS485_0_RXD", nullptr, In, 6},
    {"127", "RS485_2_TXD", nullptr, Out, 6},
    {"128", "RS485_0_TXD", nullptr, Out, 6},
    {"131", "RS485_2_RTS", nullptr, Out, 6},
    {"132", "RS485_0_RTS", nullptr, Out, 6},
    {"133", "RS485_3_RXD", nullptr, In, 6},
    {"134", "RS485_1_RXD", nullptr, In, 6},
    {"137", "RS485_3_TXD", nullptr, Out, 6},
    {"138", "RS485_1_TXD", nullptr, Out, 6},
    {"139", "RS485_3_RTS", nullptr, Out, 6},
    {"140", "RS485_1_RTS", nullptr, Out, 6},
    {"143", "RS232_DSR", nullptr, Out, 6},
    {"144", "POWER_VALID", nullptr, Out, 6},
    {"145", "RS232_TXD", nullptr, Out, 6},
    {"146", "RS232_DCD", nullptr, Out, 6},
    {"149", "CAN1_T", nullptr, Out, 6},
    {"150", "CAN0_T", nullptr, Out, 6},
    {"151", "CAN1_R", nullptr, In, 6},
    {"152", "CAN0_R", nullptr, In, 6},
    {"156", "RS232_RXD", nullptr, In, 6},
};

}  // namespace

void AddIndustrialCommCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kDovraPins, ioStandard);
}
