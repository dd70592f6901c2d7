// RISC-V card (card 69): external JTAG, SD card, quad SPI, the data lines of
// a 2x6 header, a six-line bus and a serial port with flow control.
// No signal at 11, 12, 29 and 30.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kRiscVPins[] = {
    {"1", "EXT_JTAG_TCK", nullptr, In},
    {"2", "EXT_JTAG_EN_n", nullptr, In},
    {"3", "EXT_JTAG_TMS", nullptr, In},
    {"4", "EXT_JTAG_TDO", nullptr, Out},
    {"5", "EXT_JTAG_TDI", nullptr, In},
    {"6", "EXT_JTAG_RST", nullptr, In},
    {"7, 8, 13, 14", "SD_DATA", "3, 2, 0, 1", Inout},
    {"9", "SD_CMD", nullptr, Inout},
    {"10", "SD_CLK", nullptr, Out},
    {"15-22", "YARVEL_D", "1, 0, 3, 2, 5, 4, 7, 6", Inout},
    {"23, 25-27", "QSPI_DQ", "0, 3, 2, 1", Inout},
    {"24", "QSPI_SCK", nullptr, Out},
    {"28", "QSPI_CS_n", nullptr, Out},
    {"31-36", "RIO_D", "4, 3, 0, 5, 2, 1", Inout},
    {"37", "UART_CTS", nullptr, In},
    {"38", "UART_RTS", nullptr, Out},
    {"39", "UART_RX", nullptr, In},
    {"40", "UART_TX", nullptr, Out},
};

}  // namespace

void AddRiscVCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kRiscVPins, ioStandard);
}
