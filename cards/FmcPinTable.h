// FMC card tables. An FMC card map walks a constant table with one entry per
// connector position and decides, from the entry's flags and the map's
// arguments, whether the position becomes a card pin and at which I/O
// standard.
//
// Position q (1-based) is column ((q - 1) mod 40) + 1 of row (q - 1) div 40,
// the rows lettered A to H, J, K (positions 1-400, FMC HPC and LPC) and L, M,
// Y, Z (401-560, FMC+ only).
//
// The tables are written as rows in the form of the card's pin-out sheet and
// expanded at compile time, so that a position named twice, a position off
// the connector or a name too long for its table stops the build:
//
//     { "2, 6, 10", "XCVR_RX_p", "1-3", In, 36, kLane, kNegLeg }
//
// puts "XCVR_RX_p[1]" at 2, "XCVR_RX_p[2]" at 6 and "XCVR_RX_p[3]" at 10 and,
// being a pair row, each negative leg ("XCVR_RX_n[1]" at 3 ...) at the
// position after its positive leg, with the flags plus kNegLeg. Element
// names follow the card tables ("DP%d_M2C_P" gives "DP0_M2C_P"); they are
// put together here in fixed-size buffers, as the tables are built at
// compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cards/CardPinTable.h"
#include "model/Connector.h"
#include "platform/Seam.h"

constexpr int FMC_HPC_PIN_NUM = 400;
constexpr int FMC_PLUS_PIN_NUM = 560;

// I/O cells of a row that are not a fixed code, marked as in the other card
// tables: the map's I/O-standard argument (its first) and its
// transceiver-standard argument (its second).
constexpr IoStandard kFmcIoArgument = card_io::Arg;
constexpr IoStandard kFmcIoTransceiver = card_io::Arg2;

// I/O-standard codes of the FMC tables.
namespace fmc_io {
constexpr IoStandard k1V8 = 3;       // "1.8 V"
constexpr IoStandard k2V5 = 6;       // "2.5 V"
constexpr IoStandard kLvds = 21;     // "LVDS"
constexpr IoStandard kSstl18I = 31;  // "SSTL-18 Class I"
constexpr IoStandard kPcml14 = 35;   // "1.4-V PCML"
constexpr IoStandard kPcml15 = 36;   // "1.5-V PCML"
constexpr IoStandard kHsDiff = 59;   // "High Speed Differential I/O"
}  // namespace fmc_io

// Name widths of the tables: the standard tables and the smallest card table
// hold 16 characters, the other card tables 32.
constexpr std::size_t kFmcShortName = 16;
constexpr std::size_t kFmcLongName = 32;

struct FmcPinEntry {
    char name[kFmcLongName] = {};  // zero-padded; a name may fill its whole width
    PinDirection direction = PIN_DIR_NONE;
    IoStandard ioStandard = 0;
    uint8_t flags = 0;  // the table's own bits

    constexpr std::string_view Name() const
    {
        std::size_t length = 0;
        while (length < kFmcLongName && name[length] != 0) ++length;
        return std::string_view(name, length);
    }
    constexpr bool HasName() const { return name[0] != 0; }
    constexpr bool HasFlag(uint8_t mask) const { return (flags & mask) != 0; }
};

template <std::size_t N>
using FmcPinTable = std::array<FmcPinEntry, N>;

struct FmcPinRow {
    const char* positions;  // "2, 6, 10", "102-103"; for a pair row those of the P legs
    const char* signal;     // signal name, bus base name, or a name with "%d"
    const char* elements;   // element numbers in position order, or nullptr
    PinDirection direction;
    IoStandard ioStandard;  // a code, kFmcIoArgument or kFmcIoTransceiver
    uint8_t flags;
    uint8_t pairNegFlag = 0;  // not 0: a pair row, whose N legs carry flags | pairNegFlag
};

namespace fmc_table {

// A name being put together at compile time (std::string is not usable
// there with every compiler we build with).
struct Name {
    char text[kFmcLongName] = {};
    std::size_t size = 0;

    constexpr Name() = default;
    constexpr explicit Name(std::string_view part) { Append(part); }
    constexpr Name& Append(std::string_view part)
    {
        PL_ASSERT(size + part.size() <= kFmcLongName);
        for (char c : part) text[size++] = c;
        return *this;
    }
    constexpr Name& Append(int number)
    {
        PL_ASSERT(number >= 0);
        if (number >= 10) Append(number / 10);
        const char digit[1] = {static_cast<char>('0' + number % 10)};
        return Append(std::string_view(digit, 1));
    }
    constexpr std::string_view View() const { return std::string_view(text, size); }
};

// The name of element k of a row: the signal with k in place of "%d", or the
// bus element "signal[k]".
constexpr Name ElementName(std::string_view signal, int element)
{
    const std::size_t at = signal.find("%d");
    if (at != std::string_view::npos) return Name(signal.substr(0, at)).Append(element).Append(signal.substr(at + 2));
    return Name(signal).Append("[").Append(element).Append("]");
}

// The N leg's name of a P leg: the first "_p" becomes "_n", or, in a name
// without "_p", the first "_P" becomes "_N".
constexpr Name NegativeLegName(Name name)
{
    std::size_t at = name.View().find("_p");
    if (at != std::string_view::npos) {
        name.text[at + 1] = 'n';
        return name;
    }
    at = name.View().find("_P");
    PL_ASSERT(at != std::string_view::npos);
    name.text[at + 1] = 'N';
    return name;
}

template <std::size_t N>
constexpr void Put(FmcPinTable<N>& table, std::size_t nameWidth, int position, const Name& name,
                   PinDirection direction, IoStandard ioStandard, uint8_t flags)
{
    PL_ASSERT(position >= 1 && position <= static_cast<int>(N));
    FmcPinEntry& entry = table[static_cast<std::size_t>(position - 1)];
    PL_ASSERT(!entry.HasName());
    PL_ASSERT(name.size > 0 && name.size <= nameWidth);
    for (std::size_t i = 0; i < name.size; ++i) entry.name[i] = name.text[i];
    entry.direction = direction;
    entry.ioStandard = ioStandard;
    entry.flags = flags;
}

}  // namespace fmc_table

// Expands rows into a table of N positions; positions that no row names stay
// without a name.
template <std::size_t N, std::size_t NameWidth, std::size_t R>
constexpr FmcPinTable<N> BuildFmcPinTable(const FmcPinRow (&rows)[R])
{
    static_assert(NameWidth <= kFmcLongName);
    FmcPinTable<N> table{};
    for (const FmcPinRow& row : rows) {
        const card_table::RowNumbers n = card_table::ExpandRowNumbers(row.positions, row.elements);
        for (std::size_t i = 0; i < n.positions.size(); ++i) {
            const fmc_table::Name name =
                row.elements ? fmc_table::ElementName(row.signal, n.elements[i]) : fmc_table::Name(row.signal);
            fmc_table::Put(table, NameWidth, n.positions[i], name, row.direction, row.ioStandard, row.flags);
            if (row.pairNegFlag != 0)
                fmc_table::Put(table, NameWidth, n.positions[i] + 1, fmc_table::NegativeLegName(name), row.direction,
                               row.ioStandard, static_cast<uint8_t>(row.flags | row.pairNegFlag));
        }
    }
    return table;
}

template <std::size_t N>
constexpr int CountNamedEntries(const FmcPinTable<N>& table)
{
    int count = 0;
    for (const FmcPinEntry& entry : table) count += entry.HasName() ? 1 : 0;
    return count;
}

// Rows C, D, G and H, the rows of an FMC LPC connector.
constexpr bool IsFmcLpcPosition(int position)
{
    return (position >= 81 && position <= 160) || (position >= 241 && position <= 320);
}

// Appends one entry for each of the first count positions of the table: a
// card pin (the entry's name, as renamed, and direction, pin index =
// position) where decide gives an I/O standard, nullptr where it gives none.
template <std::size_t N, class Decide>
void AddFmcTablePins(TConnector* connector, const FmcPinTable<N>& table, int count, Decide decide,
                     std::string (*rename)(std::string_view) = nullptr)
{
    PL_ASSERT(count >= 0 && count <= static_cast<int>(N));
    for (int position = 1; position <= count; ++position) {
        const FmcPinEntry& entry = table[static_cast<std::size_t>(position - 1)];
        const std::optional<IoStandard> ioStandard = decide(entry, position);
        if (!ioStandard) {
            connector->AddPin(nullptr);
            continue;
        }
        PL_ASSERT(entry.HasName() && *ioStandard < IO_STD_COUNT);
        const std::string name = rename ? rename(entry.Name()) : std::string(entry.Name());
        connector->AddPin(new TPin(name, entry.direction, *ioStandard, position, 0));
    }
}

// ---- The tables of the daughter cards 47, 48, 49, 54 and 78 -----------------
namespace fmc_card {

constexpr uint8_t kSingle = 0x01;        // single-ended signal
constexpr uint8_t kPairLeg = 0x02;       // leg of a differential pair
constexpr uint8_t kClock = 0x04;         // clock pair
constexpr uint8_t kLane = 0x10;          // transceiver lane
constexpr uint8_t kRefClock = 0x20;      // transceiver reference clock
constexpr uint8_t kNegLeg = 0x40;        // N leg of one of the card's pairs
constexpr uint8_t kNotConnected = 0x80;  // a position the card does not use, under its FMC name

constexpr IoStandard kArg = kFmcIoArgument;

}  // namespace fmc_card

// A named entry becomes a pin unless the card does not connect it or it is
// the N leg of a pair; a single-ended pin takes the I/O-standard argument
// when the map has one, every other pin its table code.
template <std::size_t N>
void AddFmcCardTablePins(TConnector* connector, const FmcPinTable<N>& table, std::optional<IoStandard> ioStandard)
{
    static_assert(N == FMC_HPC_PIN_NUM);
    using namespace fmc_card;
    AddFmcTablePins(connector, table, FMC_HPC_PIN_NUM, [&](const FmcPinEntry& entry, int) -> std::optional<IoStandard> {
        const bool single = entry.flags == kSingle;
        if (!entry.HasName() || entry.HasFlag(kNotConnected)) return std::nullopt;
        if (!single && entry.HasFlag(kNegLeg)) return std::nullopt;
        return single && ioStandard ? *ioStandard : entry.ioStandard;
    });
}

// ---- The tables of the cards 50, 51, 52 and 53 ------------------------------
namespace fmc_lvds_card {

constexpr uint8_t kSingle = 0x01;   // single-ended signal
constexpr uint8_t kLvdsLeg = 0x02;  // leg of an LVDS pair
constexpr uint8_t kLane = 0x10;     // transceiver lane
constexpr uint8_t kNegLeg = 0x80;   // N leg of a pair, with 0x02 or 0x10

}  // namespace fmc_lvds_card

// The walk of cards 52 and 53: a named entry becomes a pin at its table code
// unless the card does not connect it (flag 0x80) or it is an LVDS entry
// whose name ends in the given letter (the N leg of a pair).
inline void AddFmcCardPinsWithoutNegLegs(TConnector* connector, const FmcPinTable<FMC_HPC_PIN_NUM>& table,
                                         char negLegEnd)
{
    AddFmcTablePins(connector, table, FMC_HPC_PIN_NUM, [&](const FmcPinEntry& entry, int) -> std::optional<IoStandard> {
        if (!entry.HasName() || entry.HasFlag(fmc_lvds_card::kNegLeg)) return std::nullopt;
        if (entry.ioStandard == fmc_io::kLvds && entry.Name().back() == negLegEnd) return std::nullopt;
        return entry.ioStandard;
    });
}

// The walk of cards 50 and 51: every named entry becomes a pin at its table
// code, but for the N legs (flag 0x80) of LVDS pairs.
inline void AddFmcCardPinsWithoutLvdsNegLegs(TConnector* connector, const FmcPinTable<FMC_HPC_PIN_NUM>& table)
{
    AddFmcTablePins(connector, table, FMC_HPC_PIN_NUM, [&](const FmcPinEntry& entry, int) -> std::optional<IoStandard> {
        if (!entry.HasName()) return std::nullopt;
        if (entry.HasFlag(fmc_lvds_card::kNegLeg) && entry.ioStandard == fmc_io::kLvds) return std::nullopt;
        return entry.ioStandard;
    });
}

// The position of an FMC pin label such as "K20" (row letter, column 1-40).
constexpr int FmcPosition(const char* label)
{
    constexpr char kRows[] = "ABCDEFGHJKLMYZ";
    int row = 0;
    while (kRows[row] != '\0' && kRows[row] != label[0]) ++row;
    PL_ASSERT(kRows[row] != '\0');
    int column = 0;
    for (const char* p = label + 1; *p != '\0'; ++p) {
        PL_ASSERT(card_table::IsDigit(*p));
        column = column * 10 + (*p - '0');
    }
    PL_ASSERT(column >= 1 && column <= 40);
    return row * 40 + column;
}
