// What the board-definition tests read from a filled main board: the groups
// with their sizes, the pins by name, masters and their positions.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

namespace definition_check {

using Groups = std::vector<std::pair<std::string, int>>;

// Each connector's name and number of positions, in board order.
inline Groups GroupsOf(const TMainBoard& board)
{
    Groups groups;
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        groups.emplace_back(board.GetConnector(c)->GetName(), board.GetConnector(c)->GetPinCount());
    return groups;
}

// The named pins of the board (placeholders of empty masters left out).
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

inline int UnknownBalls(const TMainBoard& board)
{
    int n = 0;
    for (const auto& [name, pin] : PinsOf(board)) n += pin->GetLocation().empty() ? 1 : 0;
    return n;
}

// Balls given to more than one pin of the board, placeholders included.
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

// One expected pin: name, ball ("" = not known), direction, I/O standard.
struct PinSpec {
    const char* name;
    const char* ball;
    PinDirection direction;
    IoStandard standard;
};

inline void ExpectPins(const TMainBoard& board, std::initializer_list<PinSpec> specs)
{
    const auto pins = PinsOf(board);
    for (const PinSpec& spec : specs) {
        auto it = pins.find(spec.name);
        ASSERT_NE(it, pins.end()) << spec.name;
        EXPECT_EQ(it->second->GetLocation(), spec.ball) << spec.name;
        EXPECT_EQ(it->second->GetDirection(), spec.direction) << spec.name;
        EXPECT_EQ(it->second->GetIoStandard(), spec.standard) << spec.name;
    }
}

// The names of a connector's pins in position order.
inline std::vector<std::string> NamesOf(const TConnector* connector)
{
    std::vector<std::string> names;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (const TPin* pin = connector->GetPin(i)) names.push_back(pin->GetName());
    return names;
}

inline const TConnector* ConnectorNamed(const TMainBoard& board, const std::string& name, int nth = 0)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (board.GetConnector(c)->GetName() == name && nth-- == 0) return board.GetConnector(c);
    return nullptr;
}

// A master's shape: positions, placeholders, placeholders whose ball is
// known, and the 1-based positions without a pin.
struct MasterShape {
    int positions = 0;
    int placeholders = 0;
    int known = 0;
    std::vector<int> empty;
};

inline MasterShape ShapeOf(const TConnector* master)
{
    MasterShape shape;
    shape.positions = master->GetPinCount();
    for (int p = 1; p <= master->GetPinCount(); ++p) {
        const TPin* pin = master->GetPin(p - 1);
        if (!pin) {
            shape.empty.push_back(p);
            continue;
        }
        ++shape.placeholders;
        if (!pin->GetLocation().empty()) ++shape.known;
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
    const MasterShape shape = ShapeOf(master);
    EXPECT_EQ(shape.placeholders, spec.placeholders);
    EXPECT_EQ(shape.known, static_cast<int>(spec.balls.size()));
    if (!spec.empty.empty()) {
        EXPECT_EQ(shape.empty, spec.empty);
    }
    for (const auto& [position, ball] : spec.balls) EXPECT_EQ(master->GetPin(position - 1)->GetLocation(), ball);
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

inline std::vector<int> Range(int first, int last)
{
    std::vector<int> r;
    for (int p = first; p <= last; ++p) r.push_back(p);
    return r;
}

}  // namespace definition_check
