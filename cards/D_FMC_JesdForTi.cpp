// JESD-FMC Adapter for TI (card 50): ten transceiver lanes in both
// directions at the VITA lane positions, and the converter module's control
// lines, several of them named after the module's own connector positions.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_lvds_card;

// clang-format off
constexpr FmcPinRow kJesdRows[] = {
    // Lane k at the k-th listed position, each N leg after its P leg.
    {"86, 2, 6, 10, 14, 18, 56, 52, 48, 44",   "DP%d_M2C_P", "0-9", In,  kPcml15, kLane, kNegLeg},
    {"82, 22, 26, 30, 34, 38, 76, 72, 68, 64", "DP%d_C2M_P", "0-9", Out, kPcml15, kLane, kNegLeg},
    // The N legs of the LVDS pairs.
    {"125", "GTX_CLKM",      nullptr, In,  kLvds, kLvdsLeg | kNegLeg},
    {"250", "CAR_SYSREFM",   nullptr, In,  kLvds, kLvdsLeg | kNegLeg},
    {"253", "ALT_DAC_SYNCM", nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    {"271", "DAC_SYNC_M",    nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    {"303", "FPGA_CLK1N",    nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    {"306", "SYNCM",         nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    {"312", "ALT_SYNCM",     nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    {"323", "FPGA_CLK2N",    nullptr, Out, kLvds, kLvdsLeg | kNegLeg},
    // The other pins.
    {"90",  "ADBUS4",        nullptr, In,    k2V5,  kSingle},
    {"94",  "ADBUS0",        nullptr, In,    k2V5,  kSingle},
    {"95",  "ADBUS1",        nullptr, In,    k2V5,  kSingle},
    {"98",  "LED_SYNC1",     nullptr, Out,   k2V5,  kSingle},
    {"99",  "C19",           nullptr, Inout, k2V5,  kSingle},
    {"106", "C26",           nullptr, Inout, k2V5,  kSingle},
    {"107", "C27",           nullptr, Inout, k2V5,  kSingle},
    {"121", "D1",            nullptr, In,    k2V5,  kSingle},
    {"124", "GTX_CLKP",      nullptr, In,    kLvds, kLvdsLeg},
    {"128", "D8",            nullptr, Out,   k2V5,  kSingle},
    {"129", "D9",            nullptr, Out,   k2V5,  kSingle},
    {"131", "D11",           nullptr, Out,   k2V5,  kSingle},
    {"132", "D12",           nullptr, Out,   k2V5,  kSingle},
    {"134", "ADBUS3",        nullptr, In,    k2V5,  kSingle},
    {"135", "BDBUS0",        nullptr, In,    k2V5,  kSingle},
    {"137", "SPLED0",        nullptr, Out,   k2V5,  kSingle},
    {"138", "SPLED1",        nullptr, Out,   k2V5,  kSingle},
    {"146", "D26",           nullptr, Inout, k2V5,  kSingle},
    {"178", "OVRB",          nullptr, In,    k2V5,  kSingle},
    {"179", "E19",           nullptr, Inout, k2V5,  kSingle},
    // The module's F1 is named "F1" at 315 too; a second pin of one plain name
    // could not become a top-level port, so this one is "FMC_F1".
    {"201", "FMC_F1",        nullptr, In,    k2V5,  kSingle},
    {"207", "K20",           nullptr, Inout, k2V5,  kSingle},
    {"208", "K23",           nullptr, Inout, k2V5,  kSingle},
    {"246", "CLK_LA0_0P",    nullptr, In,    k2V5,  kSingle},
    {"247", "CLK_LA0_0M",    nullptr, In,    k2V5,  kSingle},
    {"249", "CAR_SYSREFP",   nullptr, In,    kLvds, kLvdsLeg},
    {"252", "ALT_DAC_SYNCP", nullptr, Out,   kLvds, kLvdsLeg},
    {"255", "BDBUS1",        nullptr, In,    k2V5,  kSingle},
    {"256", "BDBUS3",        nullptr, In,    k2V5,  kSingle},
    {"267", "G27",           nullptr, Inout, k2V5,  kSingle},
    {"270", "DAC_SYNC_P",    nullptr, Out,   kLvds, kLvdsLeg},
    {"273", "OVRA",          nullptr, In,    k2V5,  kSingle},
    {"274", "OVRC",          nullptr, In,    k2V5,  kSingle},
    {"276", "G36",           nullptr, Inout, k2V5,  kSingle},
    {"277", "G37",           nullptr, Inout, k2V5,  kSingle},
    {"282", "PRESENT",       nullptr, In,    k2V5,  kSingle},
    {"287", "CDBUS3",        nullptr, In,    k2V5,  kSingle},
    {"288", "ADBUS2",        nullptr, Out,   k2V5,  kSingle},
    {"290", "BDBUS2",        nullptr, Out,   k2V5,  kSingle},
    {"291", "CDBUS2",        nullptr, Out,   k2V5,  kSingle},
    {"296", "CDBUS0",        nullptr, In,    k2V5,  kSingle},
    {"297", "CDBUS1",        nullptr, In,    k2V5,  kSingle},
    {"299", "P",             nullptr, Inout, k2V5,  kSingle},
    {"300", "M",             nullptr, Inout, k2V5,  kSingle},
    {"302", "FPGA_CLK1P",    nullptr, Out,   kLvds, kLvdsLeg},
    {"305", "SYNCP",         nullptr, Out,   kLvds, kLvdsLeg},
    {"311", "ALT_SYNCP",     nullptr, Out,   kLvds, kLvdsLeg},
    {"314", "SYNC",          nullptr, In,    k2V5,  kSingle},
    {"315", "F1",            nullptr, Out,   k2V5,  kSingle},
    {"317", "H37",           nullptr, Inout, k2V5,  kSingle},
    {"318", "H38",           nullptr, Inout, k2V5,  kSingle},
    {"322", "FPGA_CLK2P",    nullptr, Out,   kLvds, kLvdsLeg},
    {"341", "OVRD",          nullptr, In,    k2V5,  kSingle},
};
// clang-format on

constexpr auto kJesdTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kJesdRows);

}  // namespace

void AddFmcJesdAdapterPins(TConnector* connector)
{
    AddFmcCardPinsWithoutLvdsNegLegs(connector, kJesdTable);
}
