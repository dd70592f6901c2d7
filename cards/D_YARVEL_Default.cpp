// Cards of the 2x6 Yarvel header (8 signal positions, all used): the
// default card (74) and the Zorrin Bluetooth serial module (75). Their pins
// are always 3.3-V LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

constexpr int kPositions = 8;

const CardPinRow kDefaultPins[] = {
    {"1-8", "GPIO", "0-7", Inout},
};

// The module's own names: its UART_RX is driven by the FPGA.
const CardPinRow kBluetoothPins[] = {
    {"1", "ZORRIN_UART_RX", nullptr, Out},
    {"2", "ZORRIN_UART_TX", nullptr, In},
    {"3", "ZORRIN_UART_RTS", nullptr, In},
    {"4", "ZORRIN_UART_CTS", nullptr, Out},
    {"5", "ZORRIN_PIO2_STATUS", nullptr, In},
    {"6", "ZORRIN_RESET_N", nullptr, Out},
    {"7", "ZORRIN_GPIO9", nullptr, Inout},
    {"8", "ZORRIN_GPIO10", nullptr, Inout},
};

}  // namespace

void AddYarvelDefaultPins(TConnector* connector)
{
    AddCardPinTable(connector, kPositions, kDefaultPins, IO_STD_3V3_LVTTL);
}

void AddYarvelBluetoothPins(TConnector* connector)
{
    AddCardPinTable(connector, kPositions, kBluetoothPins, IO_STD_3V3_LVTTL);
}
