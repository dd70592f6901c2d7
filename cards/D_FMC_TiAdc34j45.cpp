// JESD-FMC + TI ADC34J45 EVM (card 51): the adapter card carrying the
// converter's evaluation module. The module's table holds its signals at the
// module's own FMC positions; the adapter routes 14 of those positions
// elsewhere.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_lvds_card;

// The module's table, at the module's positions.
// clang-format off
constexpr FmcPinRow kModuleRows[] = {
    {"2",   "DB0P",            nullptr, In,    kPcml15, kLane},
    {"3",   "DB0M",            nullptr, In,    kPcml15, kLane | kNegLeg},
    {"6",   "DC0P",            nullptr, In,    kPcml15, kLane},
    {"7",   "DC0M",            nullptr, In,    kPcml15, kLane | kNegLeg},
    {"10",  "DD0P",            nullptr, In,    kPcml15, kLane},
    {"11",  "DD0M",            nullptr, In,    kPcml15, kLane | kNegLeg},
    {"86",  "DA0P",            nullptr, In,    kPcml15, kLane},
    {"87",  "DA0M",            nullptr, In,    kPcml15, kLane | kNegLeg},
    {"94",  "FMC_SCLK",        nullptr, Inout, k2V5,    kSingle},
    {"95",  "FMC_SDIO",        nullptr, Inout, k2V5,    kSingle},
    {"124", "GTX_CLKP",        nullptr, In,    kLvds,   kLvdsLeg},
    {"125", "GTX_CLKM",        nullptr, In,    kLvds,   kLvdsLeg | kNegLeg},
    {"134", "FMC_SDO",         nullptr, Inout, k2V5,    kSingle},
    {"135", "FMC_SEN_ADC",     nullptr, Inout, k2V5,    kSingle},
    {"137", "SPLED0",          nullptr, Out,   k2V5,    kSingle},
    {"138", "SPLED1",          nullptr, Out,   k2V5,    kSingle},
    {"178", "OVRB",            nullptr, In,    k2V5,    kSingle},
    {"246", "CLK_LA0_0P",      nullptr, In,    kLvds,   kLvdsLeg},
    {"247", "CLK_LA0_0M",      nullptr, In,    kLvds,   kLvdsLeg | kNegLeg},
    {"249", "CAR_SYSREFP",     nullptr, In,    kLvds,   kLvdsLeg},
    {"250", "CAR_SYSREFM",     nullptr, In,    kLvds,   kLvdsLeg | kNegLeg},
    {"252", "SYNCP",           nullptr, Out,   kLvds,   kLvdsLeg},
    {"253", "SYNCM",           nullptr, Out,   kLvds,   kLvdsLeg | kNegLeg},
    {"255", "FMC_SEN_LMK",     nullptr, Inout, k2V5,    kSingle},
    {"256", "FMC_B5",          nullptr, Inout, k2V5,    kSingle},
    {"296", "FMC_B6",          nullptr, Inout, k2V5,    kSingle},
    {"297", "FMC_DIR_CONTROL", nullptr, Inout, k2V5,    kSingle},
    {"341", "OVRD",            nullptr, In,    k2V5,    kSingle},
    {"342", "OVRC",            nullptr, In,    k2V5,    kSingle},
    {"379", "OVRA",            nullptr, In,    k2V5,    kSingle},
    {"382", "SYNC",            nullptr, Inout, k2V5,    kSingle},
};
// clang-format on

constexpr auto kModuleTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kModuleRows);
static_assert(CountNamedEntries(kModuleTable) == 31);

// Where the adapter routes a module position.
struct AdcEvmMove {
    const char* from;
    const char* to;
};

constexpr AdcEvmMove kAdcEvmMoves[] = {
    {"K20", "F7"},  {"K23", "F8"},  {"F19", "G12"}, {"F20", "G13"}, {"F10", "G30"},
    {"G12", "H25"}, {"G13", "H26"}, {"F11", "G31"}, {"K19", "G33"}, {"J22", "G34"},
    {"K4", "H22"},  {"K5", "H23"},  {"K22", "H34"}, {"F1", "H35"},
};

constexpr int32_t RemapIndex(int32_t index)
{
    const int row = index / 40;
    const int column = index % 40 + 1;
    for (const AdcEvmMove& move : kAdcEvmMoves)
        if (FmcPosition(move.from) == row * 40 + column) return FmcPosition(move.to) - 1;
    return index;
}

// The module's table with each moved position exchanged with its target,
// from the last index down to the first: G12 goes on to H25 before F19
// comes to G12.
constexpr FmcPinTable<FMC_HPC_PIN_NUM> BuildAdcEvmRemappedTable()
{
    FmcPinTable<FMC_HPC_PIN_NUM> table = kModuleTable;
    for (int32_t i = FMC_HPC_PIN_NUM - 1; i >= 0; --i) {
        const int32_t j = RemapIndex(i);
        if (j != i) std::swap(table[static_cast<std::size_t>(i)], table[static_cast<std::size_t>(j)]);
    }
    return table;
}

constexpr FmcPinTable<FMC_HPC_PIN_NUM> kRemappedTable = BuildAdcEvmRemappedTable();

}  // namespace

int32_t AdcEvmRemapIndex(int32_t index)
{
    PL_ASSERT(index >= 0 && index < FMC_HPC_PIN_NUM);
    return RemapIndex(index);
}

void AddFmcJesdAdcEvmPins(TConnector* connector, uint8_t remap)
{
    AddFmcCardPinsWithoutLvdsNegLegs(connector, remap ? kRemappedTable : kModuleTable);
}
