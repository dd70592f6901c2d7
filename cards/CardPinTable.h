// Pin maps written as tables. A row names one signal, or one run of a bus,
// and the connector positions it occupies, in the form the card's pin-out
// sheet uses:
//
//     { "2, 4-10, 13-18", "ADC_DB", "0, 1, 2, 4, 3, 5, 6, 8, 7, 9, 10, 12, 11, 13", PIN_DIR_INPUT }
//
// puts "ADC_DB[0]" at position 2, "ADC_DB[1]" at 4, "ADC_DB[2]" at 5,
// "ADC_DB[4]" at 6 and so on. A range of element numbers may run downwards
// ("11-0"). A row without element numbers is a single signal of that name.
// A position that no row names carries no signal of the card.
//
// A row may give an I/O standard of its own in a fifth column; a row without
// one takes the standard the table is placed with.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/Connector.h"
#include "platform/Seam.h"

namespace card_table {
// The I/O-standard column of a row that takes the table's standard.
constexpr IoStandard kTableStandard = 255;
}  // namespace card_table

struct CardPinRow {
    const char* positions;   // "1", "6-9", "2, 4-10, 13-18"
    const char* signal;      // the signal's name, or the bus's base name
    const char* elements;    // bus element numbers in position order, or nullptr
    PinDirection direction;  // seen from the FPGA
    IoStandard ioStandard = card_table::kTableStandard;
};

// Short names for the direction column of the tables.
namespace card_dir {
constexpr PinDirection In = PIN_DIR_INPUT;
constexpr PinDirection Out = PIN_DIR_OUTPUT;
constexpr PinDirection Inout = PIN_DIR_INOUT;
}  // namespace card_dir

namespace card_table {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Expands "2, 4-7, 11-9" into 2, 4, 5, 6, 7, 11, 10, 9. Usable at compile
// time, where a malformed list stops the build.
constexpr std::vector<int> ExpandNumberList(const char* text)
{
    std::vector<int> numbers;
    const char* p = text;
    auto skipSpaces = [&p] {
        while (*p == ' ') ++p;
    };
    auto readNumber = [&p] {
        PL_ASSERT(IsDigit(*p));
        int value = 0;
        while (IsDigit(*p)) value = value * 10 + (*p++ - '0');
        return value;
    };
    for (;;) {
        skipSpaces();
        const int first = readNumber();
        int last = first;
        skipSpaces();
        if (*p == '-') {
            ++p;
            skipSpaces();
            last = readNumber();
            skipSpaces();
        }
        const int step = last >= first ? 1 : -1;
        for (int n = first;; n += step) {
            numbers.push_back(n);
            if (n == last) break;
        }
        if (*p == '\0') break;
        PL_ASSERT(*p == ',');
        ++p;
    }
    return numbers;
}

struct Entry {
    std::string name;
    PinDirection direction = PIN_DIR_NONE;
    IoStandard ioStandard = kTableStandard;
    bool used = false;
};

// The signals of one card connector, placed row by row or one by one in any
// order, then appended to the connector in position order. A position takes
// at most one signal.
class PinSheet {
public:
    explicit PinSheet(int positionCount) : m_Entries(static_cast<std::size_t>(positionCount) + 1) {}

    void Place(int position, const std::string& name, PinDirection direction, IoStandard ioStandard)
    {
        PL_ASSERT(position >= 1 && position < static_cast<int>(m_Entries.size()));
        PL_ASSERT(ioStandard != kTableStandard);
        Entry& entry = m_Entries[static_cast<std::size_t>(position)];
        PL_ASSERT(!entry.used);
        entry = Entry{name, direction, ioStandard, true};
    }

    // Places every row; a row without a standard of its own takes ioStandard.
    void PlaceRows(const CardPinRow* rows, std::size_t rowCount, IoStandard ioStandard)
    {
        for (std::size_t r = 0; r < rowCount; ++r) {
            const CardPinRow& row = rows[r];
            const std::vector<int> positions = ExpandNumberList(row.positions);
            std::vector<int> elements;
            if (row.elements) {
                elements = ExpandNumberList(row.elements);
                PL_ASSERT(elements.size() == positions.size());
            } else {
                PL_ASSERT(positions.size() == 1);
            }
            const IoStandard rowStandard = row.ioStandard != kTableStandard ? row.ioStandard : ioStandard;
            for (std::size_t i = 0; i < positions.size(); ++i) {
                std::string name = row.signal;
                if (row.elements) name += "[" + std::to_string(elements[i]) + "]";
                Place(positions[i], name, row.direction, rowStandard);
            }
        }
    }
    template <std::size_t N>
    void PlaceRows(const CardPinRow (&rows)[N], IoStandard ioStandard = kTableStandard)
    {
        PlaceRows(rows, N, ioStandard);
    }

    // Rewrites the name of every placed signal.
    template <typename Rename>
    void RenameAll(Rename rename)
    {
        for (Entry& entry : m_Entries)
            if (entry.used) entry.name = rename(entry.name);
    }

    // Appends one entry per position, position 1 first: a card pin (pin
    // index = position, flag 0) where a signal was placed, nullptr elsewhere.
    void AppendTo(TConnector* connector) const
    {
        for (std::size_t position = 1; position < m_Entries.size(); ++position) {
            const Entry& entry = m_Entries[position];
            connector->AddPin(entry.used ? new TPin(entry.name, entry.direction, entry.ioStandard,
                                                    static_cast<int32_t>(position), 0)
                                         : nullptr);
        }
    }

private:
    std::vector<Entry> m_Entries;  // index = position; index 0 unused
};

// Appends positionCount entries, position 1 first: a card pin for every
// position a row names (pin index = position, the row's I/O standard or the
// given one, flag 0), nullptr for every other position.
inline void AddRows(TConnector* connector, int positionCount, const CardPinRow* rows, std::size_t rowCount,
                    IoStandard ioStandard)
{
    PinSheet sheet(positionCount);
    sheet.PlaceRows(rows, rowCount, ioStandard);
    sheet.AppendTo(connector);
}

}  // namespace card_table

template <std::size_t N>
void AddCardPinTable(TConnector* connector, int positionCount, const CardPinRow (&rows)[N], IoStandard ioStandard)
{
    card_table::AddRows(connector, positionCount, rows, N, ioStandard);
}
