#include "cards/CardPinTable.h"

#include <utility>

std::string card_table::ElementName(const std::string& signal, int element)
{
    const std::string number = std::to_string(element);
    const std::size_t at = signal.find("%d");
    if (at != std::string::npos) return signal.substr(0, at) + number + signal.substr(at + 2);
    return signal + "[" + number + "]";
}

CardPinTable::CardPinTable(int positionCount, std::initializer_list<IoStandard> arguments)
    : m_Entries(static_cast<std::size_t>(positionCount)), m_Arguments(arguments)
{
    PL_ASSERT(positionCount >= 0);
}

IoStandard CardPinTable::Resolve(IoStandard cell) const
{
    if (cell < IO_STD_COUNT) return cell;
    const std::size_t argument = static_cast<std::size_t>(card_io::Arg - cell);
    PL_ASSERT(cell >= card_io::Arg3 && argument < m_Arguments.size());
    return m_Arguments[argument];
}

void CardPinTable::Put(int position, std::string name, PinDirection direction, IoStandard ioStandard, bool replace)
{
    PL_ASSERT(position >= 1 && position <= static_cast<int>(m_Entries.size()));
    Entry& entry = m_Entries[static_cast<std::size_t>(position - 1)];
    PL_ASSERT(entry.used == replace);
    entry = Entry{std::move(name), direction, Resolve(ioStandard), true};
}

void CardPinTable::PlaceRow(const CardPinRow& row, bool replace)
{
    const card_table::RowNumbers n = card_table::ExpandRowNumbers(row.positions, row.elements);
    for (std::size_t i = 0; i < n.positions.size(); ++i)
        Put(n.positions[i], row.elements ? card_table::ElementName(row.signal, n.elements[i]) : std::string(row.signal),
            row.direction, row.ioStandard, replace);
}

CardPinTable& CardPinTable::Add(std::span<const CardPinRow> rows)
{
    for (const CardPinRow& row : rows) PlaceRow(row, false);
    return *this;
}

CardPinTable& CardPinTable::Add(int position, const std::string& name, PinDirection direction,
                                IoStandard ioStandard)
{
    Put(position, name, direction, ioStandard, false);
    return *this;
}

CardPinTable& CardPinTable::Replace(std::span<const CardPinRow> rows)
{
    for (const CardPinRow& row : rows) PlaceRow(row, true);
    return *this;
}

CardPinTable& CardPinTable::Rename(std::span<const CardPinName> names)
{
    for (const CardPinName& name : names) {
        PL_ASSERT(name.position >= 1 && name.position <= static_cast<int>(m_Entries.size()));
        Entry& entry = m_Entries[static_cast<std::size_t>(name.position - 1)];
        PL_ASSERT(entry.used);
        entry.name = name.name;
    }
    return *this;
}

CardPinTable& CardPinTable::Clear(const char* positions)
{
    for (int position : card_table::ExpandNumberList(positions)) {
        PL_ASSERT(position >= 1 && position <= static_cast<int>(m_Entries.size()));
        m_Entries[static_cast<std::size_t>(position - 1)] = Entry{};
    }
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
