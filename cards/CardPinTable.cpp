#include "cards/CardPinTable.h"

#include <cctype>

#include "platform/Seam.h"

std::vector<int> card_table::ExpandNumberList(const char* text)
{
    std::vector<int> numbers;
    const char* p = text;
    auto skipSpaces = [&p] {
        while (*p == ' ') ++p;
    };
    auto readNumber = [&p] {
        PL_ASSERT(std::isdigit(static_cast<unsigned char>(*p)));
        int value = 0;
        while (std::isdigit(static_cast<unsigned char>(*p))) value = value * 10 + (*p++ - '0');
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

CardPinTable::CardPinTable(int positionCount, std::initializer_list<IoStandard> arguments)
    : m_Entries(static_cast<std::size_t>(positionCount)), m_Arguments(arguments)
{
}

CardPinTable::Entry& CardPinTable::At(int position)
{
    PL_ASSERT(position >= 1 && position <= static_cast<int>(m_Entries.size()));
    return m_Entries[static_cast<std::size_t>(position - 1)];
}

void CardPinTable::Place(const CardPinRow& row, bool replace)
{
    const std::vector<int> positions = card_table::ExpandNumberList(row.positions);
    std::vector<int> elements;
    if (row.elements) {
        elements = card_table::ExpandNumberList(row.elements);
        PL_ASSERT(elements.size() == positions.size());
    } else {
        PL_ASSERT(positions.size() == 1);
    }
    IoStandard ioStandard = 0;
    if (row.ioStandard >= 0) {
        PL_ASSERT(row.ioStandard < IO_STD_COUNT);
        ioStandard = static_cast<IoStandard>(row.ioStandard);
    } else {
        const std::size_t argument = static_cast<std::size_t>(-row.ioStandard - 1);
        PL_ASSERT(argument < m_Arguments.size());
        ioStandard = m_Arguments[argument];
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        Entry& entry = At(positions[i]);
        PL_ASSERT(entry.used == replace);
        entry.used = true;
        entry.name = row.signal;
        if (row.elements) {
            const std::string number = std::to_string(elements[i]);
            entry.name += row.elementName == CardElementName::Indexed ? "[" + number + "]" : number;
        }
        entry.direction = row.direction;
        entry.ioStandard = ioStandard;
    }
}

CardPinTable& CardPinTable::Add(std::span<const CardPinRow> rows)
{
    for (const CardPinRow& row : rows) Place(row, false);
    return *this;
}

CardPinTable& CardPinTable::Replace(std::span<const CardPinRow> rows)
{
    for (const CardPinRow& row : rows) Place(row, true);
    return *this;
}

CardPinTable& CardPinTable::Rename(std::span<const CardPinName> names)
{
    for (const CardPinName& name : names) {
        Entry& entry = At(name.position);
        PL_ASSERT(entry.used);
        entry.name = name.name;
    }
    return *this;
}

CardPinTable& CardPinTable::Clear(const char* positions)
{
    for (int position : card_table::ExpandNumberList(positions)) At(position) = Entry{};
    return *this;
}

void CardPinTable::AppendTo(TConnector* connector) const
{
    for (std::size_t i = 0; i < m_Entries.size(); ++i) {
        const Entry& entry = m_Entries[i];
        const int position = static_cast<int>(i) + 1;
        connector->AddPin(entry.used ? new TPin(entry.name, entry.direction, entry.ioStandard, position, 0)
                                     : nullptr);
    }
}
