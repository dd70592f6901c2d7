// Views of a defined main board that the definition tests compare with the
// board's data: connectors in order with their sizes, pins by name, balls
// given twice, the shape of a master connector, and a test card to put on a
// master.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

using Groups = std::vector<std::pair<std::string, int>>;

// Each connector's name and number of positions, in order.
inline Groups GroupsOf(const TMainBoard& board)
{
    Groups groups;
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        groups.emplace_back(board.GetConnector(c)->GetName(), board.GetConnector(c)->GetPinCount());
    return groups;
}

// The pins of the on-board groups (connectors that are no master).
inline int GroupPinCount(const TMainBoard& board)
{
    int n = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (!board.GetConnector(c)->GetIsMaster()) n += board.GetConnector(c)->GetPinCount();
    return n;
}

// Named pins by name (placeholders of masters have no name).
inline std::map<std::string, const TPin*> PinsOf(const TMainBoard& board)
{
    std::map<std::string, const TPin*> pins;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i)
            if (const TPin* pin = connector->GetPin(i); pin && !pin->GetName().empty()) pins[pin->GetName()] = pin;
    }
    return pins;
}

// The named pins without a known ball.
inline int UnknownBalls(const TMainBoard& board)
{
    int n = 0;
    for (const auto& [name, pin] : PinsOf(board)) n += pin->GetLocation().empty() ? 1 : 0;
    return n;
}

// Balls given to more than one position of the board, placeholders included.
inline std::set<std::string> RepeatedBalls(const TMainBoard& board)
{
    std::map<std::string, int> uses;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i)
            if (const TPin* pin = connector->GetPin(i); pin && !pin->GetLocation().empty())
                ++uses[pin->GetLocation()];
    }
    std::set<std::string> repeated;
    for (const auto& [ball, count] : uses)
        if (count > 1) repeated.insert(ball);
    return repeated;
}

// One expected pin: name, ball ("" for a pin without a known ball),
// direction, I/O standard.
struct ExpectedBoardPin {
    const char* Name;
    const char* Ball;
    PinDirection Direction;
    IoStandard Standard;
};

inline void ExpectPins(const std::map<std::string, const TPin*>& pins, std::initializer_list<ExpectedBoardPin> rows)
{
    for (const ExpectedBoardPin& row : rows) {
        auto it = pins.find(row.Name);
        ASSERT_NE(it, pins.end()) << row.Name;
        EXPECT_EQ(it->second->GetLocation(), row.Ball) << row.Name;
        EXPECT_EQ(it->second->GetDirection(), row.Direction) << row.Name;
        EXPECT_EQ(it->second->GetIoStandard(), row.Standard) << row.Name;
    }
}

inline void ExpectPins(const TMainBoard& board, std::initializer_list<ExpectedBoardPin> rows)
{
    ExpectPins(PinsOf(board), rows);
}

// The names of a connector's pins in position order.
inline std::vector<std::string> NamesOf(const TConnector* connector)
{
    std::vector<std::string> names;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (const TPin* pin = connector->GetPin(i)) names.push_back(pin->GetName());
    return names;
}

// The nth connector of that name (0: the first), nullptr when there is none.
inline const TConnector* ConnectorNamed(const TMainBoard& board, const std::string& name, int nth = 0)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (board.GetConnector(c)->GetName() == name && nth-- == 0) return board.GetConnector(c);
    return nullptr;
}

// The shape of a master connector: positions, the empty ones, the
// placeholders and which of them carry a ball.
struct MasterShape {
    int Positions = 0;
    std::vector<int> Empty;            // 1-based
    std::map<int, std::string> Balls;  // 1-based position -> ball, known balls only
    int Placeholders = 0;
};

inline MasterShape ShapeOf(const TConnector& master)
{
    MasterShape shape;
    shape.Positions = master.GetPinCount();
    for (int p = 1; p <= master.GetPinCount(); ++p) {
        const TPin* pin = master.GetPin(p - 1);
        if (!pin) {
            shape.Empty.push_back(p);
            continue;
        }
        ++shape.Placeholders;
        if (!pin->GetLocation().empty()) shape.Balls[p] = pin->GetLocation();
    }
    return shape;
}

// A master as the board's data gives it: its id, name, description, type,
// number of placeholders, positions without a pin (empty: not checked) and
// the balls of the positions the data gives (the others have none).
struct MasterSpec {
    int32_t id;
    std::string name;
    std::string description;
    ConnectorType type;
    int placeholders;
    std::vector<int> empty;
    std::vector<std::pair<int, const char*>> balls;
};

inline void ExpectMaster(const TMainBoard& board, const MasterSpec& spec)
{
    SCOPED_TRACE(spec.description);
    const TConnector* master = board.FindMasterConnector(spec.id);
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->GetName(), spec.name);
    EXPECT_EQ(master->GetDescription(), spec.description);
    EXPECT_EQ(master->GetType(), spec.type);
    EXPECT_EQ(master->GetCardId(), -1);
    EXPECT_TRUE(master->GetIsMaster());
    const MasterShape shape = ShapeOf(*master);
    EXPECT_EQ(shape.Placeholders, spec.placeholders);
    EXPECT_EQ(shape.Balls.size(), spec.balls.size());
    if (!spec.empty.empty()) {
        EXPECT_EQ(shape.Empty, spec.empty);
    }
    for (const auto& [position, ball] : spec.balls) EXPECT_EQ(master->GetPin(position - 1)->GetLocation(), ball);
}

// Positions first..last, each step apart.
inline std::vector<int> Positions(int first, int last, int step = 1)
{
    std::vector<int> positions;
    for (int p = first; p <= last; p += step) positions.push_back(p);
    return positions;
}

// The HSMC pairs without a pin, 45-46 ... 159-160, after the positions given.
inline std::vector<int> HsmcEmpty(std::vector<int> below)
{
    for (int p = 45; p <= 159; p += 6) {
        below.push_back(p);
        below.push_back(p + 1);
    }
    return below;
}

// The empty positions of an HSMC connector: 1 to 32 unless it carries
// transceivers there, 33 and 34 unless they carry signals, 35 to 38, and from
// 41 on the last two of every six positions (45-46 .. 159-160).
inline std::vector<int> HsmcEmptyPositions(bool transceivers, bool signalsAt33And34)
{
    std::vector<int> below = transceivers ? std::vector<int>{} : Positions(1, 32);
    for (int p = signalsAt33And34 ? 35 : 33; p <= 38; ++p) below.push_back(p);
    return HsmcEmpty(below);
}

// Copies onto the master an HSMC card whose pins at the given positions
// (1-based) are outputs named P<position> at 3.3-V LVTTL.
inline void AttachOutputsCard(TConnector* master, std::initializer_list<int> positions)
{
    TDaughterBoard card;
    card.SetName("Outputs");
    card.SetType(master->GetType());
    for (int p = 1; p <= master->GetPinCount(); ++p) {
        bool used = false;
        for (int q : positions) used = used || q == p;
        card.AddPin(used ? new TPin("P" + std::to_string(p), PIN_DIR_OUTPUT, 8, p - 1, 0) : nullptr);
    }
    ASSERT_TRUE(card.UpdateMasterConnector(master, ""));
}
