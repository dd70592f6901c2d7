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
// A row's I/O standard is the map's I/O-standard argument unless the row
// gives a fixed code or names another argument of the map (card_io). A run
// whose names carry the element number without brackets ("LVDS_RX_p0",
// "GPIO1_35") says so in its last column.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "model/Connector.h"

// The I/O column of a row: a fixed code (0 ... 60), or the first, second or
// third I/O-standard argument of the map.
namespace card_io {
constexpr int Arg = -1;
constexpr int Arg2 = -2;
constexpr int Arg3 = -3;
}  // namespace card_io

// How a run of bus elements is named: "NAME[n]" or "NAMEn".
enum class CardElementName { Indexed, Appended };

struct CardPinRow {
    const char* positions;   // "1", "6-9", "2, 4-10, 13-18"
    const char* signal;      // the signal's name, or the bus's base name
    const char* elements;    // bus element numbers in position order, or nullptr
    PinDirection direction;  // seen from the FPGA
    int ioStandard = card_io::Arg;
    CardElementName elementName = CardElementName::Indexed;
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

// Expands "2, 4-7, 11-9" into 2, 4, 5, 6, 7, 11, 10, 9.
std::vector<int> ExpandNumberList(const char* text);

}  // namespace card_table

// One map under construction: an entry per position, filled from rows and
// then appended to the connector in position order. Mistakes in a table
// (a position named twice or outside the connector, a run whose element
// list does not match its positions) are programming errors.
class CardPinTable {
public:
    // positionCount entries without a signal; `arguments` are the map's
    // I/O-standard arguments in order (card_io::Arg, Arg2, Arg3).
    CardPinTable(int positionCount, std::initializer_list<IoStandard> arguments);

    // Places the rows; each position may be named only once.
    CardPinTable& Add(std::span<const CardPinRow> rows);
    // Puts the rows in place of the pins at their positions, which must
    // hold one.
    CardPinTable& Replace(std::span<const CardPinRow> rows);
    // New names for pins that exist; direction and I/O standard stay.
    CardPinTable& Rename(std::span<const CardPinName> names);
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

    void Place(const CardPinRow& row, bool replace);
    Entry& At(int position);

    std::vector<Entry> m_Entries;  // index = position - 1
    std::vector<IoStandard> m_Arguments;
};

template <std::size_t N>
void AddCardPinTable(TConnector* connector, int positionCount, const CardPinRow (&rows)[N], IoStandard ioStandard)
{
    CardPinTable(positionCount, {ioStandard}).Add(rows).AppendTo(connector);
}
