// Ostrel high-speed USB card, in the two modes of its dual-channel USB chip:
// synchronous FIFO (card 24) and native ports (card 25). Both place the
// chip's first data port and its power-enable, suspend and reset pins
// alike.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;
constexpr int kPositions = 40;

const CardPinRow kFifoPins[] = {
    {"1, 3, 5, 7, 9, 13, 15, 17", "USB_FIFO_D", "0-7", Inout},
    {"19", "USB_FIFO_RXF_n", nullptr, In},
    {"21", "USB_FIFO_TXE_n", nullptr, In},
    {"23", "USB_FIFO_RD_n", nullptr, Out},
    {"25", "USB_FIFO_WR_n", nullptr, Out},
    {"27", "USB_FIFO_SIWU_n", nullptr, Out},
    {"31", "USB_FIFO_CLKOUT", nullptr, In},
    {"32", "USB_FIFO_PWRSAV_n", nullptr, Out},
    {"33", "USB_FIFO_OE_n", nullptr, Out},
    {"34", "USB_FIFO_PWREN_n", nullptr, In},
    {"36", "USB_FIFO_SUSPEND_n", nullptr, In},
    {"38", "USB_FIFO_RESET_n", nullptr, Out},
};

const CardPinRow kNativePins[] = {
    {"1, 3, 5, 7, 9, 13, 15, 17", "ADBUS", "0-7", Inout},
    {"2, 4, 6, 8, 10, 14", "BDBUS", "2-7", Inout},
    {"16, 18, 20, 22, 24, 26, 28, 32", "BCBUS", "0-7", Inout},
    {"19, 21, 23, 25, 27, 31, 33, 35", "ACBUS", "0-7", Inout},
    {"34", "PWREN_n", nullptr, In},
    {"36", "SUSPEND_n", nullptr, In},
    {"37, 39", "BDBUS", "0-1", Inout},
    {"38", "RESET_n", nullptr, Out},
};

}  // namespace

void AddUsbFifoCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, kPositions, kFifoPins, ioStandard);
}

void AddUsbNativeCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, kPositions, kNativePins, ioStandard);
}
