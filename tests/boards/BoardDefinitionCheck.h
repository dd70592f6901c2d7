// Checking a board definition against the board's pin list: the pin groups
// are written as rows the way the board's documentation lists them, expanded
// into one expected pin per position and compared with the connectors the
// definition built, in order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/MainBoard.h"
#include "tests/support/TestFiles.h"

namespace defcheck {

// Splits on spaces and commas.
inline std::vector<std::string> Words(std::string text)
{
    for (char& c : text)
        if (c == ',') c = ' ';
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

inline std::vector<std::string> ConnectorNames(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) names.push_back(board.GetConnector(i)->GetName());
    return names;
}

inline const TConnector* FindConnector(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

// The first pin of that name on the board, nullptr when there is none.
inline const TPin* FindPin(const TMainBoard& board, const std::string& name)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i)
            if (connector->GetPin(i) && connector->GetPin(i)->GetName() == name) return connector->GetPin(i);
    }
    return nullptr;
}

// One row: one or more pins of a group (NAME[a..b] for a run of bus pins)
// with their locations in the same order ("" for pins without location; "?"
// for one pin without location among located ones),
// one I/O standard and one direction ("in", "out", "io").
struct Row {
    const char* group;
    const char* names;
    const char* locations;
    IoStandard io;
    const char* direction;
};

struct ExpectedPin {
    std::string name;
    std::string location;
    PinDirection direction;
    IoStandard io;
};

struct ExpectedGroup {
    std::string name;
    std::vector<ExpectedPin> pins;
};

inline PinDirection DirectionCode(const std::string& word)
{
    if (word == "io") return PIN_DIR_INOUT;
    if (word == "in") return PIN_DIR_INPUT;
    if (word == "out") return PIN_DIR_OUTPUT;
    ADD_FAILURE() << "direction " << word;
    return PIN_DIR_NONE;
}

inline std::vector<std::string> ExpandNames(const char* names)
{
    std::vector<std::string> expanded;
    for (const std::string& token : Words(names)) {
        const size_t range = token.find("..");
        if (range == std::string::npos) {
            expanded.push_back(token);
            continue;
        }
        const size_t open = token.find('[');
        const std::string base = token.substr(0, open);
        const int first = std::stoi(token.substr(open + 1, range - open - 1));
        const int last = std::stoi(token.substr(range + 2));
        for (int i = first; i <= last; ++i) expanded.push_back(base + "[" + std::to_string(i) + "]");
    }
    return expanded;
}

// The groups in the order of their first row, each with its pins in row order.
inline std::vector<ExpectedGroup> ExpandRows(const std::vector<Row>& rows)
{
    std::vector<ExpectedGroup> groups;
    for (const Row& row : rows) {
        if (groups.empty() || groups.back().name != row.group) groups.push_back({row.group, {}});
        const std::vector<std::string> names = ExpandNames(row.names);
        std::vector<std::string> locations = Words(row.locations);
        if (locations.empty()) locations.resize(names.size());
        EXPECT_EQ(names.size(), locations.size()) << row.names;
        for (size_t i = 0; i < names.size() && i < locations.size(); ++i)
            groups.back().pins.push_back(
                {names[i], locations[i] == "?" ? "" : locations[i], DirectionCode(row.direction), row.io});
    }
    return groups;
}

inline int PinCount(const std::vector<ExpectedGroup>& groups)
{
    int count = 0;
    for (const ExpectedGroup& group : groups) count += static_cast<int>(group.pins.size());
    return count;
}

// One on-board group (no description, no card, not a master) whose every
// position holds the expected pin.
inline void ExpectGroup(const TConnector* connector, const ExpectedGroup& group)
{
    SCOPED_TRACE(group.name);
    ASSERT_NE(connector, nullptr);
    ASSERT_EQ(connector->GetName(), group.name);
    EXPECT_EQ(connector->GetDescription(), "");
    EXPECT_EQ(connector->GetType(), CONNECTOR_NONE);
    EXPECT_EQ(connector->GetCardId(), -1);
    EXPECT_FALSE(connector->GetIsMaster());
    ASSERT_EQ(connector->GetPinCount(), static_cast<int>(group.pins.size()));
    for (size_t i = 0; i < group.pins.size(); ++i) {
        const ExpectedPin& expected = group.pins[i];
        const TPin* pin = connector->GetPin(static_cast<int>(i));
        SCOPED_TRACE("position " + std::to_string(i) + " " + expected.name);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), expected.name);
        EXPECT_EQ(pin->GetLocation(), expected.location);
        EXPECT_EQ(pin->GetDirection(), expected.direction);
        EXPECT_EQ(pin->GetIoStandard(), expected.io);
    }
}

// The board's on-board connectors, from the first, are exactly the groups:
// same names in the same order.
inline void ExpectGroups(const TMainBoard& board, const std::vector<ExpectedGroup>& groups)
{
    ASSERT_GE(board.GetConnectorCount(), static_cast<int>(groups.size()));
    for (size_t c = 0; c < groups.size(); ++c) ExpectGroup(board.GetConnector(static_cast<int>(c)), groups[c]);
}

// Each group, found by its name among the board's connectors (masters may
// stand between them).
inline void ExpectGroupsByName(const TMainBoard& board, const std::vector<ExpectedGroup>& groups)
{
    for (const ExpectedGroup& group : groups) ExpectGroup(FindConnector(board, group.name), group);
}

// The expected groups whose names are listed, in the order given.
inline std::vector<ExpectedGroup> Select(const std::vector<ExpectedGroup>& groups,
                                         std::initializer_list<const char*> names)
{
    std::vector<ExpectedGroup> selected;
    for (const char* name : names)
        for (const ExpectedGroup& group : groups)
            if (group.name == name) selected.push_back(group);
    EXPECT_EQ(selected.size(), names.size());
    return selected;
}

// The clock pins of a connector: name -> frequency text; every other pin of
// the board is no clock.
inline void ExpectClocks(const TMainBoard& board, const std::vector<std::pair<std::string, std::string>>& clocks)
{
    std::vector<std::pair<std::string, std::string>> found;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (pin && pin->GetIsClock()) {
                found.emplace_back(pin->GetName(), pin->GetClockFrequencyText());
                EXPECT_EQ(pin->GetClockPeriodNs(), 0) << pin->GetName();
            }
        }
    }
    EXPECT_EQ(found, clocks);
}

// The 1-based positions of a connector that hold no pin.
inline std::vector<int> EmptyPositions(const TConnector* connector)
{
    std::vector<int> empty;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (!connector->GetPin(i)) empty.push_back(i + 1);
    return empty;
}

// A master connector's placeholders against its positions ("-" = no pin,
// "?" = a placeholder whose ball is not known, so without location): no
// name, the position's location, the card's direction and the given I/O
// standard.
inline void ExpectMasterPositions(const TConnector* connector, const std::string& positions, IoStandard io)
{
    const std::vector<std::string> words = Words(positions);
    ASSERT_EQ(connector->GetPinCount(), static_cast<int>(words.size()));
    for (size_t i = 0; i < words.size(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        const TPin* pin = connector->GetPin(static_cast<int>(i));
        if (words[i] == "-") {
            EXPECT_EQ(pin, nullptr);
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), "");
        EXPECT_EQ(pin->GetLocation(), words[i] == "?" ? "" : words[i]);
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(pin->GetIoStandard(), io);
    }
}

// A configuration object that only holds its record: the record saved is
// exactly its bytes; a file of that size loads into another object, one byte
// more or less is refused and leaves the record; the generation hooks give
// nothing and the export writes nothing. Returns the saved bytes.
template <class TObject>
std::string ExpectRecordOnlyObject(TObject& object, std::size_t size)
{
    TempFolder folder;
    EXPECT_EQ(sizeof object.m_Config, size);
    EXPECT_TRUE(object.SaveToFile(folder.Path() + "saved.cfg"));
    const std::string saved = ReadFile(folder.Path() + "saved.cfg");
    EXPECT_EQ(saved.size(), size);
    EXPECT_EQ(std::memcmp(saved.data(), &object.m_Config, std::min(size, saved.size())), 0);
    TObject other;
    EXPECT_TRUE(other.LoadFromFile(folder.Path() + "saved.cfg"));
    EXPECT_EQ(std::memcmp(&other.m_Config, &object.m_Config, size), 0);
    for (std::size_t wrong : {size - 1, size + 1}) {
        WriteFile(folder.Path() + "wrong.cfg", std::string(wrong, '\x55'));
        EXPECT_FALSE(other.LoadFromFile(folder.Path() + "wrong.cfg")) << wrong;
        EXPECT_EQ(std::memcmp(&other.m_Config, &object.m_Config, size), 0) << wrong;
    }
    EXPECT_EQ(object.GetQsfText(), "");
    EXPECT_EQ(object.GetVerilogText(), "");
    EXPECT_EQ(object.GetVhdlText("top"), "");
    std::filesystem::remove(folder.Path() + "wrong.cfg");
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
    EXPECT_EQ(files, 1u);  // the settings file alone: the export wrote nothing
    return saved;
}

}  // namespace defcheck
