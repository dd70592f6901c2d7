// USBC-FMC (card 53): a USB 3 controller with its 32-bit data bus, DisplayPort
// and USB lanes of a Type-C connector on transceivers, its power-delivery
// controller and a 16-bit bus to a CPLD.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_lvds_card;

// clang-format off
constexpr FmcPinRow kUsbCRows[] = {
    // The buses, bit k at the k-th listed position.
    {"138, 134, 297, 135, 140, 141, 296, 137, 291, 290, 288, 287, 299, 300, 294, 293, "
     "302, 303, 305, 306, 144, 143, 308, 318, 146, 317, 315, 314, 312, 311, 147, 309",
                                    "USBFX3_DQ",   "0-31", Inout, k2V5, kSingle},
    {"234, 235, 356, 353, 350, 238, 237, 194, 344, 341, 347, 232, 231, 193, 191, 190",
                                    "FMC_MAX_BUS", "0-15", Inout, k2V5, kSingle},
    // The other signals.
    {"2, 6, 10",   "DP_RX_p",              "1-3",   In,    kPcml15, kLane},
    {"3, 7, 11",   "DP_RX_n",              "1-3",   In,    kPcml15, kLane},
    {"18",         "USB_RX_p",             nullptr, In,    kPcml15, kLane},
    {"19",         "USB_RX_n",             nullptr, In,    kPcml15, kLane},
    {"22, 26, 30", "DP_TX_p",              "1-3",   Out,   kPcml15, kLane},
    {"23, 27, 31", "DP_TX_n",              "1-3",   Out,   kPcml15, kLane},
    {"38",         "USB_TX_p",             nullptr, Out,   kPcml15, kLane},
    {"39",         "USB_TX_n",             nullptr, Out,   kPcml15, kLane},
    {"82",         "DP_TX_p",              "0",     Out,   kPcml15, kLane},
    {"83",         "DP_TX_n",              "0",     Out,   kPcml15, kLane},
    {"86",         "DP_RX_p",              "0",     In,    kPcml15, kLane},
    {"87",         "DP_RX_n",              "0",     In,    kPcml15, kLane},
    {"90-91",      "USBFX3_CTL",           "10-9",  Out,   k2V5,    kSingle},
    {"94",         "USBFX3_CTL1_SLWR_n",   nullptr, Out,   k2V5,    kSingle},
    {"95",         "USBFX3_CTL0_SLCS_n",   nullptr, Out,   k2V5,    kSingle},
    {"98",         "USBFX3_CTL11_A",       "1",     Out,   k2V5,    kSingle},
    {"99",         "USBFX3_CTL4_FLAGA",    nullptr, In,    k2V5,    kSingle},
    {"102",        "USBFX3_RESET_n",       nullptr, Out,   k2V5,    kSingle},
    {"106",        "UART_TXD_F",           nullptr, Out,   k2V5,    kSingle},
    {"107",        "UART_RXD_F",           nullptr, In,    k2V5,    kSingle},
    {"110",        "FMC_I2C_SCL",          nullptr, Inout, k2V5,    kSingle},
    {"111",        "FMC_I2C_SDA",          nullptr, Inout, k2V5,    kSingle},
    {"114, 155",   "FMC_GA",               "0-1",   Out,   k2V5,    kSingle},
    {"246",        "USBFX3_PCLK",          nullptr, Out,   k2V5,    kSingle},
    {"249",        "USBFX3_CTL",           "6",     Out,   k2V5,    kSingle},
    {"250",        "USBFX3_CTL",           "8",     Out,   k2V5,    kSingle},
    {"252",        "USBFX3_CTL12_A",       "0",     Out,   k2V5,    kSingle},
    {"253",        "USBFX3_CTL3_SLRD_n",   nullptr, Out,   k2V5,    kSingle},
    {"255",        "USBFX3_CTL2_SLOE_n",   nullptr, Out,   k2V5,    kSingle},
    {"256",        "USBFX3_CTL7_PKTEND_n", nullptr, Out,   k2V5,    kSingle},
    {"258",        "USBFX3_CTL5_FLAGB",    nullptr, In,    k2V5,    kSingle},
    {"259",        "USBFX3_CTL15_INT_n",   nullptr, In,    k2V5,    kSingle},
    {"261",        "USBFX3_UART_TX",       nullptr, Out,   k2V5,    kSingle},
    {"262",        "USBFX3_UART_RX",       nullptr, In,    k2V5,    kSingle},
    {"264",        "DP_AUX_p",             nullptr, Inout, k2V5,    kSingle},
    {"265",        "DP_AUX_n",             nullptr, Inout, k2V5,    kSingle},
    {"267",        "USB_PD_SCL",           nullptr, Inout, k2V5,    kSingle},
    {"268",        "USB_PD_SDA",           nullptr, Inout, k2V5,    kSingle},
    {"270",        "USB_PD_I2C_INT",       nullptr, In,    k2V5,    kSingle},
};
// clang-format on

constexpr auto kUsbCTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kUsbCRows);

}  // namespace

void AddFmcUsbCCardPins(TConnector* connector)
{
    AddFmcCardPinsWithoutNegLegs(connector, kUsbCTable, 'n');
}
