// Pin maps written as tables. A row names one signal, or one run of a bus,
// and the connector positions it occupies, in the form the card's pin-out
// sheet uses:
//
//     { "2, 4-10, 13-18", "ADC_DB", "0, 1, 2, 4, 3, 5, 6, 8, 7, 9, 10, 12, 11, 13", PIN_DIR_INPUT }
//
// puts "ADC_DB[0]" at position 2, "ADC_DB[1]" at 4, "ADC_DB[2]" at 5,
// "ADC_DB[4]" at 6 and so on. A range of element numbers may run downwards
// ("11-0"). A row without element numbers is a single signal of that name.
// A signal holding "%d" takes the element number there instead of as a bus
// index ("LVDS_RX_p%d" gives "LVDS_RX_p0", "LVDS_RX_p1", ...). A position
// that no row names carries no signal of the card.
//
// A row's I/O standard is the map's first I/O-standard argument unless the
// row gives a fixed code or names another argument of the map (card_io).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "model/Connector.h"
#include "platform/Seam.h"

// The I/O column of a row: a fixed code (0 ... IO_STD_COUNT - 1), or the
// first, second or third I/O-standard argument of the map.
namespace card_io {
constexpr IoStandard Arg = 0xFF;
constexpr IoStandard Arg2 = 0xFE;
constexpr IoStandard Arg3 = 0xFD;
}  // namespace card_io

struct CardPinRow {
    const char* positions;   // "1", "6-9", "2, 4-10, 13-18"
    const char* signal;      // the signal's name, the bus's base name, or a name with "%d"
    const char* elements;    // bus element numbers in position order, or nullptr
    PinDirection direction;  // seen from the FPGA
    IoStandard ioStandard = card_io::Arg;
};

// A new name for the pin at one position; its direction and I/O standard stay.
struct CardPinName {
    int position;
    const char* name;
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

// The positions a row names and, for a run, the element number at each of
// them; a row without element numbers names one position.
struct RowNumbers {
    std::vector<int> positions;
    std::vector<int> elements;  // empty for a single signal
};

constexpr RowNumbers ExpandRowNumbers(const char* positions, const char* elements)
{
    RowNumbers numbers{ExpandNumberList(positions), {}};
    if (elements) {
        numbers.elements = ExpandNumberList(elements);
        PL_ASSERT(numbers.elements.size() == numbers.positions.size());
    } else {
        PL_ASSERT(numbers.positions.size() == 1);
    }
    return numbers;
}

// The name of element k of a row: the signal with k in place of "%d", or the
// bus element "signal[k]".
std::string ElementName(const std::string& signal, int element);

}  // namespace card_table

// One map under construction: an entry per position, filled from rows or
// single signals in any order and then appended to the connector in
// position order. Mistakes in a table (a position named twice or outside
// the connector, a run whose element list does not match its positions, an
// I/O cell that is neither a code nor an argument of the map) are
// programming errors.
class CardPinTable {
public:
    // positionCount entries without a signal; `arguments` are the map's
    // I/O-standard arguments in order (card_io::Arg, Arg2, Arg3).
    explicit CardPinTable(int positionCount, std::initializer_list<IoStandard> arguments = {});

    // Places the rows; each position may be named only once.
    CardPinTable& Add(std::span<const CardPinRow> rows);
    // Places one signal, named in full; its position must be free.
    CardPinTable& Add(int position, const std::string& name, PinDirection direction, IoStandard ioStandard);
    // Puts the rows in place of the pins at their positions, which must
    // hold one.
    CardPinTable& Replace(std::span<const CardPinRow> rows);
    // New names for pins that exist; direction and I/O standard stay.
    CardPinTable& Rename(std::span<const CardPinName> names);
    // Rewrites the name of every pin placed so far.
    template <typename Rewrite>
    CardPinTable& RenameAll(Rewrite rewrite)
    {
        for (Entry& entry : m_Entries)
            if (entry.used) entry.name = rewrite(entry.name);
        return *this;
    }
    // Leaves the listed positions ("3, 4, 7-9") without a signal.
    CardPinTable& Clear(const char* positions);

    // Appends one entry per position, position 1 first: a card pin (pin
    // index = position, flag 0) or nullptr.
    void AppendTo(TConnector* connector) const;

private:
    struct Entry {
        std::string name;
        PinDirection direction = PIN_DIR_NONE;
        IoStandard ioStandard = 0;
        bool used = false;
    };

    void Put(int position, std::string name, PinDirection direction, IoStandard ioStandard, bool replace);
    void PlaceRow(const CardPinRow& row, bool replace);
    IoStandard Resolve(IoStandard cell) const;

    std::vector<Entry> m_Entries;  // index = position - 1
    std::vector<IoStandard> m_Arguments;
};

template <std::size_t N>
void AddCardPinTable(TConnector* connector, int positionCount, const CardPinRow (&rows)[N], IoStandard ioStandard)
{
    CardPinTable(positionCount, {ioStandard}).Add(rows).AppendTo(connector);
}
