// The VITA FMC and FMC+ pin-outs: cards 40 (FMC HPC), 41 (FMC LPC) and 42
// (FMC+). One table holds the signals in bus notation ("LA_P[6]"); the
// VITA-name table ("LA06_P") that card 40 uses on one board is derived from
// it.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;

// Flags of the bus-notation table.
constexpr uint8_t kReserved = 0x00;  // RES[0] and RES[1], 2.5 V
constexpr uint8_t kSingle = 0x01;
constexpr uint8_t kPair = 0x02;        // LA, HA and HB pairs
constexpr uint8_t kClock = 0x04;       // CLK_M2C clocks
constexpr uint8_t kRowLClock = 0x06;   // row-L sync and reference clocks
constexpr uint8_t kBidirClock = 0x0A;  // CLK2_BIDIR and CLK3_BIDIR
constexpr uint8_t kLane = 0x10;
constexpr uint8_t kRefClock = 0x20;
constexpr uint8_t kNegLeg = 0x80;

constexpr IoStandard b = kFmcIoArgument;
constexpr IoStandard T = kFmcIoTransceiver;

// clang-format off
constexpr FmcPinRow kVitaArrayRows[] = {
    // The pair families, member k at the k-th listed position (P leg; N leg after it).
    {"246, 128, 287, 249, 290, 131, 90, 293, 252, 134, 94, 296, 255, 137, 98, 299, 258, 140, 102, 302, "
     "261, 305, 264, 143, 308, 267, 146, 106, 311, 270, 314, 273, 317, 276",
                              "LA_P",         "0-33", Inout, b,     kPair,     kNegLeg},
    {"204, 162, 367, 326, 207, 166, 370, 329, 210, 169, 373, 332, 213, 172, 335, 216, 175, 376, 338, 219, "
     "178, 379, 341, 382",
                              "HA_P",         "0-23", Inout, b,     kPair,     kNegLeg},
    {"385, 344, 222, 181, 225, 184, 388, 347, 228, 187, 391, 350, 231, 190, 394, 353, 234, 397, 356, 193, "
     "237, 196",
                              "HB_P",         "0-21", Inout, b,     kPair,     kNegLeg},
    {"86, 2, 6, 10, 14, 18, 56, 52, 48, 44, 490, 532, 494, 536, 498, 502, 552, 514, 556, 518, "
     "454, 450, 446, 442",
                              "DP_M2C_P",     "0-23", In,    T,     kLane,     kNegLeg},
    {"82, 22, 26, 30, 34, 38, 76, 72, 68, 64, 544, 506, 548, 510, 458, 462, 466, 470, 474, 478, "
     "528, 486, 524, 482",
                              "DP_C2M_P",     "0-23", Out,   T,     kLane,     kNegLeg},
    {"124, 60, 412, 408, 404, 540",
                              "GBTCLK_M2C_P", "0-5",  In,    kLvds, kRefClock, kNegLeg},
    {"284, 242",              "CLK_M2C_P",    "0-1",  In,    kLvds, kClock,    kNegLeg},
    // The other entries.
    {"41",        "CLK_DIR",          nullptr, Inout, b,     kSingle},
    {"80, 401",   "RES",              "0-1",   Inout, k2V5,  kReserved},
    {"110",       "SCL",              nullptr, Inout, b,     kSingle},
    {"111",       "SDA",              nullptr, Inout, b,     kSingle},
    {"114, 155",  "GA",               "0-1",   Inout, b,     kSingle},
    {"322",       "CLK3_BIDIR_P",     nullptr, Out,   kLvds, kBidirClock, kNegLeg},
    {"364",       "CLK2_BIDIR_P",     nullptr, Out,   kLvds, kBidirClock, kNegLeg},
    {"416",       "SYNC_C2M_P",       nullptr, Out,   kLvds, kRowLClock,  kNegLeg},
    {"420",       "REFCLK_C2M_P",     nullptr, Out,   kLvds, kRowLClock,  kNegLeg},
    {"424",       "REFCLK_M2C_P",     nullptr, In,    kLvds, kRowLClock,  kNegLeg},
    {"428",       "SYNC_M2C_P",       nullptr, In,    kLvds, kRowLClock,  kNegLeg},
    {"432-433",   "RES",              "2-3",   Inout, b,     kSingle},
    {"521",       "HSPC_PRSNT_M2C_L", nullptr, Inout, b,     kSingle},
};
// clang-format on

constexpr FmcPinTable<FMC_PLUS_PIN_NUM> FmcVitaArrayPinTable =
    BuildFmcPinTable<FMC_PLUS_PIN_NUM, kFmcShortName>(kVitaArrayRows);
static_assert(FmcVitaArrayPinTable.size() == FMC_PLUS_PIN_NUM);

// ---- The VITA-name table ----------------------------------------------------

// Flags of the VITA-name table.
constexpr uint8_t kVitaSingle = 0x01;
constexpr uint8_t kVitaPair = 0x02;
constexpr uint8_t kVitaClockCapable = 0x06;
constexpr uint8_t kVitaClock = 0x08;
constexpr uint8_t kVitaBidirClock = 0x10;
constexpr uint8_t kVitaLane = 0x20;
constexpr uint8_t kVitaRefClock = 0x40;
constexpr uint8_t kVitaNegLeg = 0x80;

// The clock-capable members of the LA, HA and HB families.
constexpr bool IsClockCapablePair(std::string_view family, int k)
{
    if (family == "LA") return k == 0 || k == 1 || k == 17 || k == 18;
    if (family == "HA") return k == 0 || k == 1 || k == 17;
    return k == 0 || k == 6 || k == 17;  // HB
}

// The entry of the VITA-name table for an entry of the bus-notation table:
// "LA_P[6]" is "LA06_P", "LA_N[0]" "LA00_N_CC", "DP_M2C_P[1]" "DP1_M2C_P",
// "GBTCLK_M2C_N[0]" "GBTCLK0_M2C_N", "GA[1]" "GA1", "RES[0]" "RES0"; the
// bidirectional clocks are inout on both legs; the other names stay.
constexpr FmcPinEntry VitaNameEntry(const FmcPinEntry& from)
{
    const std::string_view name = from.Name();
    const uint8_t kind = from.flags & static_cast<uint8_t>(~kVitaNegLeg);
    const uint8_t negLeg = from.flags & kVitaNegLeg;
    std::string_view base = name;
    int k = -1;
    if (const std::size_t open = name.find('['); open != std::string_view::npos) {
        base = name.substr(0, open);
        k = 0;
        for (std::size_t i = open + 1; name[i] != ']'; ++i) k = k * 10 + (name[i] - '0');
    }
    fmc_table::Name vitaName(base);
    uint8_t flags = kVitaSingle;
    PinDirection direction = from.direction;
    switch (kind) {
    case kPair: {
        const std::string_view family = base.substr(0, 2);
        const bool clockCapable = IsClockCapablePair(family, k);
        vitaName = fmc_table::Name(family).Append(k < 10 ? "0" : "").Append(k).Append(base.substr(2));
        if (clockCapable) vitaName.Append("_CC");
        flags = clockCapable ? kVitaClockCapable : kVitaPair;
        break;
    }
    case kLane:
    case kRefClock:
    case kClock: {
        const std::size_t cut = base.find('_');
        vitaName = fmc_table::Name(base.substr(0, cut)).Append(k).Append(base.substr(cut));
        flags = kind == kLane ? kVitaLane : kind == kRefClock ? kVitaRefClock : kVitaClock;
        break;
    }
    case kBidirClock:
        direction = PIN_DIR_INOUT;
        flags = kVitaBidirClock;
        break;
    default:  // single-ended signals and RES[0]
        if (k >= 0) vitaName.Append(k);
        break;
    }
    if (kind != kBidirClock) flags |= negLeg;
    FmcPinEntry entry{};
    PL_ASSERT(vitaName.size <= kFmcShortName);
    for (std::size_t i = 0; i < vitaName.size; ++i) entry.name[i] = vitaName.text[i];
    entry.direction = direction;
    entry.ioStandard = from.ioStandard;
    entry.flags = flags;
    return entry;
}

// The VITA-name table is read for positions 1 to 400 only.
constexpr FmcPinTable<FMC_HPC_PIN_NUM> BuildFmcVitaPinTable()
{
    FmcPinTable<FMC_HPC_PIN_NUM> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        if (FmcVitaArrayPinTable[i].HasName()) table[i] = VitaNameEntry(FmcVitaArrayPinTable[i]);
    return table;
}

constexpr FmcPinTable<FMC_HPC_PIN_NUM> FmcVitaPinTable = BuildFmcVitaPinTable();

// ---- The maps of the bus-notation table --------------------------------------

// The first "_P" becomes "_p", then the first "_N" becomes "_n".
std::string LowerCaseLegName(std::string_view stored)
{
    std::string name(stored);
    if (std::size_t at = name.find("_P"); at != std::string::npos) name[at + 1] = 'p';
    if (std::size_t at = name.find("_N"); at != std::string::npos) name[at + 1] = 'n';
    return name;
}

std::optional<IoStandard> VitaArrayPinStandard(const FmcPinEntry& entry, uint8_t withTransceivers, IoStandard b,
                                               IoStandard T)
{
    auto hasBoth = [&entry](uint8_t bits) { return (entry.flags & bits) == bits; };
    if (!entry.HasName()) return std::nullopt;
    if (!withTransceivers && entry.HasFlag(kLane | kRefClock)) return std::nullopt;
    IoStandard standard = entry.ioStandard;
    if (hasBoth(kRowLClock) || hasBoth(kBidirClock))
        standard = entry.ioStandard;
    else if (entry.HasFlag(kSingle | kPair))
        standard = b;
    else if (entry.HasFlag(kLane))
        standard = T;
    if (entry.HasFlag(kNegLeg) && (standard == kLvds || standard == T)) return std::nullopt;
    return standard;
}

void AddVitaArrayPins(TConnector* connector, int count, bool lpcRowsOnly, uint8_t withTransceivers, IoStandard b,
                      IoStandard T)
{
    AddFmcTablePins(
        connector, FmcVitaArrayPinTable, count,
        [&](const FmcPinEntry& entry, int position) -> std::optional<IoStandard> {
            if (lpcRowsOnly && !IsFmcLpcPosition(position)) return std::nullopt;
            return VitaArrayPinStandard(entry, withTransceivers, b, T);
        },
        LowerCaseLegName);
}

}  // namespace

void AddFmcVitaPins(TConnector* connector, uint8_t withTransceivers, IoStandard b, IoStandard T)
{
    AddFmcTablePins(connector, FmcVitaPinTable, FMC_HPC_PIN_NUM,
                    [&](const FmcPinEntry& entry, int) -> std::optional<IoStandard> {
                        if (!entry.HasName()) return std::nullopt;
                        if (!withTransceivers && entry.HasFlag(kVitaLane | kVitaRefClock)) return std::nullopt;
                        IoStandard standard = entry.ioStandard;
                        if (entry.HasFlag(kVitaSingle | kVitaPair))
                            standard = b;
                        else if (entry.HasFlag(kVitaLane))
                            standard = T;
                        if (entry.HasFlag(kVitaNegLeg) && (standard == kLvds || standard == T)) return std::nullopt;
                        return standard;
                    });
}

void AddFmcVitaHpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard b, IoStandard T)
{
    AddVitaArrayPins(connector, FMC_HPC_PIN_NUM, false, withTransceivers, b, T);
}

void AddFmcVitaLpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard b, IoStandard T)
{
    AddVitaArrayPins(connector, FMC_HPC_PIN_NUM, true, withTransceivers, b, T);
}

void AddFmcPlusVitaPins(TConnector* connector, uint8_t withTransceivers, IoStandard b, IoStandard T)
{
    AddVitaArrayPins(connector, FMC_PLUS_PIN_NUM, false, withTransceivers, b, T);
}
