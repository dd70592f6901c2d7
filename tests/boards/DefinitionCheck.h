// Views of a defined main board that the definition tests compare with the
// board's data: connectors in order with their sizes, pins by name, balls
// given twice, and the shape of a master connector.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/MainBoard.h"

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

// Balls given to more than one position of the board.
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

struct ExpectedBoardPin {
    const char* Name;
    const char* Ball;  // "" for a pin without a known ball
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

// The shape of a master connector: positions, the empty ones, the
// placeholders and which of them carry a ball.
struct MasterShape {
    int Positions = 0;
    std::vector<int> Empty;               // 1-based
    std::map<int, std::string> Balls;     // 1-based position -> ball, known balls only
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

// Positions first..last, each step apart.
inline std::vector<int> Positions(int first, int last, int step = 1)
{
    std::vector<int> positions;
    for (int p = first; p <= last; p += step) positions.push_back(p);
    return positions;
}

// The empty positions of an HSMC connector: 1 to 32 unless it carries
// transceivers there, 33 and 34 unless they carry signals, 35 to 38, and from
// 41 on the last two of every six positions (45-46 .. 159-160).
inline std::vector<int> HsmcEmptyPositions(bool transceivers, bool signalsAt33And34)
{
    std::vector<int> empty;
    if (!transceivers) empty = Positions(1, 32);
    for (int p = signalsAt33And34 ? 35 : 33; p <= 38; ++p) empty.push_back(p);
    for (int p = 45; p <= 159; p += 6) {
        empty.push_back(p);
        empty.push_back(p + 1);
    }
    return empty;
}
