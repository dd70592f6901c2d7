// The vendor's FMC reference naming: cards 43 and 44 (FMC HPC, without and
// with transceivers) and 45 and 46 (FMC LPC, without and with transceivers).
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;

constexpr uint8_t kSingle = 0x01;    // single-ended, 2.5 V
constexpr uint8_t kPair = 0x02;      // LA, HA and HB pairs
constexpr uint8_t kClock = 0x04;     // CLK_M2C clocks
constexpr uint8_t kClockCap = 0x06;  // clock-capable pairs
constexpr uint8_t kHaPair = 0x08;    // HA pair 5
constexpr uint8_t kLane = 0x10;      // transceiver lanes, 1.4-V PCML
constexpr uint8_t kRefClock = 0x20;  // transceiver reference clocks, LVDS
constexpr uint8_t kNegLeg = 0x80;

constexpr uint8_t kArgumentMask = 0x0E;     // pins at the map's I/O standard
constexpr uint8_t kTransceiverMask = 0x30;  // pins kept only with transceivers

constexpr IoStandard kArg = kFmcIoArgument;

// clang-format off
constexpr FmcPinRow kAlteraRows[] = {
    {"2, 6, 10, 14, 18",              "DP_M2C_p",     "1-5",   In,    kPcml14, kLane,     kNegLeg},
    {"22, 26, 30, 34, 38",            "DP_C2M_p",     "1-5",   Out,   kPcml14, kLane,     kNegLeg},
    {"41",                            "CLK_DIR",      nullptr, Inout, k2V5,    kSingle},
    {"44, 48, 52, 56",                "DP_M2C_p",     "9-6",   In,    kPcml14, kLane,     kNegLeg},
    {"60, 124",                       "GBTCLK_M2C_p", "1-0",   In,    kLvds,   kRefClock, kNegLeg},
    {"64, 68, 72, 76",                "DP_C2M_p",     "9-6",   Out,   kPcml14, kLane,     kNegLeg},
    {"82",                            "DP_C2M_p",     "0",     Out,   kPcml14, kLane,     kNegLeg},
    {"86",                            "DP_M2C_p",     "0",     In,    kPcml14, kLane,     kNegLeg},
    {"90",                            "LA_RX_p",      "1",     In,    kArg,    kPair,     kNegLeg},
    {"94",                            "LA_RX_p",      "3",     In,    kArg,    kPair,     kNegLeg},
    {"98",                            "LA_RX_p",      "5",     In,    kArg,    kPair,     kNegLeg},
    {"102",                           "LA_RX_p",      "7",     In,    kArg,    kPair,     kNegLeg},
    {"106",                           "LA_RX_p",      "11",    In,    kArg,    kPair,     kNegLeg},
    {"110",                           "SCL",          nullptr, Inout, k2V5,    kSingle},
    {"111",                           "SDA",          nullptr, Inout, k2V5,    kSingle},
    {"114, 155",                      "GA",           "0-1",   Inout, k2V5,    kSingle},
    {"128",                           "LA_TX_CLK_p",  nullptr, Out,   kArg,    kClockCap, kNegLeg},
    {"131",                           "LA_TX_p",      "2",     Out,   kArg,    kPair,     kNegLeg},
    {"134",                           "LA_TX_p",      "4",     Out,   kArg,    kPair,     kNegLeg},
    {"137",                           "LA_TX_p",      "6",     Out,   kArg,    kPair,     kNegLeg},
    {"140",                           "LA_TX_p",      "8",     Out,   kArg,    kClockCap, kNegLeg},
    {"143",                           "LA_TX_p",      "11",    Out,   kArg,    kPair,     kNegLeg},
    {"146",                           "LA_TX_p",      "13",    Out,   kArg,    kPair,     kNegLeg},
    {"162",                           "HA_RX_CLK_p",  nullptr, In,    kArg,    kClockCap, kNegLeg},
    {"166, 169, 172, 175, 178",       "HA_RX_p",      "0-4",   In,    kArg,    kPair,     kNegLeg},
    {"181, 184, 187, 190, 193",       "HB_RX_p",      "0-4",   In,    kArg,    kPair,     kNegLeg},
    {"196",                           "HB_RX_CLK_p",  nullptr, In,    kArg,    kPair,     kNegLeg},
    {"204",                           "HA_TX_CLK_p",  nullptr, Out,   kArg,    kClockCap, kNegLeg},
    {"207, 210, 213, 216, 219",       "HA_TX_p",      "0-4",   Out,   kArg,    kPair,     kNegLeg},
    {"222, 225, 228, 231, 234",       "HB_TX_p",      "0-4",   Out,   kArg,    kPair,     kNegLeg},
    {"237",                           "HB_TX_CLK_p",  nullptr, Out,   kArg,    kPair,     kNegLeg},
    {"242, 284",                      "CLK_M2C_p",    "1-0",   In,    kArg,    kClock,    kNegLeg},
    {"246",                           "LA_RX_CLK_p",  nullptr, In,    kArg,    kClockCap, kNegLeg},
    {"249",                           "LA_RX_p",      "0",     In,    kArg,    kPair,     kNegLeg},
    {"252",                           "LA_RX_p",      "2",     In,    kArg,    kPair,     kNegLeg},
    {"255",                           "LA_RX_p",      "4",     In,    kArg,    kPair,     kNegLeg},
    {"258",                           "LA_RX_p",      "6",     In,    kArg,    kPair,     kNegLeg},
    {"261, 264, 267",                 "LA_RX_p",      "8-10",  In,    kArg,    kPair,     kNegLeg},
    {"270, 273, 276",                 "LA_RX_p",      "12-14", In,    kArg,    kPair,     kNegLeg},
    {"287, 290",                      "LA_TX_p",      "0-1",   Out,   kArg,    kPair,     kNegLeg},
    {"293",                           "LA_TX_p",      "3",     Out,   kArg,    kPair,     kNegLeg},
    {"296",                           "LA_TX_p",      "5",     Out,   kArg,    kPair,     kNegLeg},
    {"299",                           "LA_TX_p",      "7",     Out,   kArg,    kPair,     kNegLeg},
    {"302, 305",                      "LA_TX_p",      "9-10",  Out,   kArg,    kPair,     kNegLeg},
    {"308",                           "LA_TX_p",      "12",    Out,   kArg,    kPair,     kNegLeg},
    {"311, 314, 317",                 "LA_TX_p",      "14-16", Out,   kArg,    kPair,     kNegLeg},
    {"322",                           "HA_TX_p",      "5",     Out,   kArg,    kHaPair,   kNegLeg},
    {"326, 332, 338",                 "HA_RX_p",      "5-7",   In,    k2V5,    kSingle},
    {"329, 335",                      "HA_TX_p",      "6-7",   Out,   k2V5,    kSingle},
    {"341, 347, 353",                 "HB_RX_p",      "5-7",   In,    k2V5,    kSingle},
    {"344, 350, 356",                 "HB_TX_p",      "5-7",   Out,   k2V5,    kSingle},
    {"364, 367, 370, 373, 376, 379",  "DP_M2C_p",     "10-15", In,    kPcml14, kLane,     kNegLeg},
    {"382, 385, 388, 391, 394, 397",  "DP_C2M_p",     "10-15", Out,   kPcml14, kLane,     kNegLeg},
};
// clang-format on

constexpr FmcPinTable<FMC_HPC_PIN_NUM> FmcAlteraPinTable =
    BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcShortName>(kAlteraRows);
static_assert(CountNamedEntries(FmcAlteraPinTable) == 206);

// The rules both maps share, after their own first steps.
std::optional<IoStandard> AlteraPinStandard(const FmcPinEntry& entry, uint8_t withTransceivers, IoStandard ioStandard)
{
    if (!entry.HasName()) return std::nullopt;
    if (!withTransceivers && entry.HasFlag(kTransceiverMask)) return std::nullopt;
    const IoStandard standard = entry.HasFlag(kArgumentMask) ? ioStandard : entry.ioStandard;
    if (entry.HasFlag(kNegLeg) && standard == kLvds) return std::nullopt;
    return standard;
}

}  // namespace

bool IsFmcHighLanePosition(int32_t position)
{
    return position >= 364 && position <= 398 && (position - 364) % 3 != 2;
}

void AddFmcGenericHpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard, uint8_t allLanes)
{
    AddFmcTablePins(connector, FmcAlteraPinTable, FMC_HPC_PIN_NUM,
                    [&](const FmcPinEntry& entry, int position) -> std::optional<IoStandard> {
                        if (!allLanes && IsFmcHighLanePosition(position)) return std::nullopt;
                        return AlteraPinStandard(entry, withTransceivers, ioStandard);
                    });
}

void AddFmcGenericLpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard, uint8_t enable)
{
    AddFmcTablePins(connector, FmcAlteraPinTable, FMC_HPC_PIN_NUM,
                    [&](const FmcPinEntry& entry, int position) -> std::optional<IoStandard> {
                        if (!enable || !IsFmcLpcPosition(position)) return std::nullopt;
                        return AlteraPinStandard(entry, withTransceivers, ioStandard);
                    });
}
