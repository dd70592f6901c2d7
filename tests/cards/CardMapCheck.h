// Checks shared by the pin-map tests: the shape of a whole map (positions,
// empty positions, the fields every card pin must have) and expected rows.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cards/CardPinTable.h"
#include "model/Connector.h"

// One expected pin; without an I/O standard of its own it has the one the
// check is given.
struct ExpectedPin {
    int position;
    const char* name;
    PinDirection direction;
    int ioStandard = -1;
};

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;

// Splits "NAME[12]" into "NAME" and 12; false for a name without an index.
inline bool SplitBusName(const std::string& name, std::string& base, int& index)
{
    const auto open = name.rfind('[');
    if (open == std::string::npos || name.empty() || name.back() != ']' || open + 2 >= name.size()) return false;
    const std::string digits = name.substr(open + 1, name.size() - open - 2);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    base = name.substr(0, open);
    index = std::stoi(digits);
    return true;
}

// Positions written as in the pin tables: "1-32, 35-38, 45".
inline std::vector<int> Positions(const char* list)
{
    return card_table::ExpandNumberList(list);
}

// The fields every card pin has: pin index = position, a direction 1..3, no
// location, no clock data, flag 0.
inline void ExpectCardPinFields(const TPin& pin, int position)
{
    EXPECT_EQ(pin.GetPinIndex(), position);
    EXPECT_GE(pin.GetDirection(), PIN_DIR_INOUT);
    EXPECT_LE(pin.GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(pin.GetLocation(), "");
    EXPECT_FALSE(pin.GetIsClock());
    EXPECT_EQ(pin.GetClockPeriodNs(), 0);
    EXPECT_EQ(pin.GetClockFrequencyText(), "");
    EXPECT_EQ(pin.GetIoBank(), "");
    EXPECT_EQ(pin.GetFlag(), 0);
}

// The shape of a whole map: the number of positions and pins, exactly the
// given empty positions, and on every card pin the fields every card pin
// has and a name of its own.
inline void ExpectCardShape(const TConnector& c, int positions, int pins, const std::vector<int>& emptyPositions)
{
    ASSERT_EQ(c.GetPinCount(), positions);
    EXPECT_EQ(c.GetActivePinCount(), pins);
    EXPECT_EQ(static_cast<int>(emptyPositions.size()), positions - pins) << "the empty list and the pin count disagree";
    const std::set<int> empty(emptyPositions.begin(), emptyPositions.end());
    std::set<std::string> names;
    for (int p = 1; p <= positions; ++p) {
        const TPin* pin = c.GetPin(p - 1);
        if (empty.count(p)) {
            EXPECT_EQ(pin, nullptr) << "position " << p << " should carry no signal";
            continue;
        }
        if (pin == nullptr) {
            ADD_FAILURE() << "position " << p << " should carry a pin";
            continue;
        }
        SCOPED_TRACE("position " + std::to_string(p) + " " + pin->GetName());
        ExpectCardPinFields(*pin, p);
        EXPECT_TRUE(names.insert(pin->GetName()).second) << "name used twice";
    }
}

inline void ExpectCardShape(const TConnector& c, int positions, int pins, const char* emptyPositions)
{
    ExpectCardShape(c, positions, pins, emptyPositions ? Positions(emptyPositions) : std::vector<int>{});
}

// The element numbers of every bus of a map, by base name.
inline std::map<std::string, std::set<int>> BusElements(const TConnector& c)
{
    std::map<std::string, std::set<int>> buses;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        std::string base;
        int index = 0;
        if (pin && SplitBusName(pin->GetName(), base, index)) buses[base].insert(index);
    }
    return buses;
}

// The elements of one bus, written as a list ("0-22, 24-27").
inline void ExpectBusElements(const TConnector& c, const std::string& base, const char* elements)
{
    const std::vector<int> list = Positions(elements);
    EXPECT_EQ(BusElements(c)[base], std::set<int>(list.begin(), list.end())) << "bus " << base;
}

// Every bus has the elements 0..n-1, but the buses named as partial, which
// may lack some.
inline void ExpectCompleteBuses(const TConnector& c, const std::set<std::string>& partialBuses = {})
{
    for (const auto& [base, indices] : BusElements(c)) {
        if (partialBuses.count(base)) continue;
        EXPECT_EQ(*indices.begin(), 0) << "bus " << base;
        EXPECT_EQ(*indices.rbegin(), static_cast<int>(indices.size()) - 1) << "bus " << base << " has gaps";
    }
}

// Every pin has the usual I/O standard, but for the pins at the listed
// positions, which have theirs.
inline void ExpectIoStandards(const TConnector& c, IoStandard usual,
                              const std::vector<std::pair<const char*, IoStandard>>& others = {})
{
    std::map<int, IoStandard> expected;
    for (const auto& [positions, code] : others)
        for (int p : Positions(positions)) expected[p] = code;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        if (!pin) continue;
        const auto other = expected.find(i + 1);
        EXPECT_EQ(pin->GetIoStandard(), other == expected.end() ? usual : other->second)
            << "position " << i + 1 << " " << pin->GetName();
    }
}

// The shape of a map whose pins share one I/O standard and whose buses are
// complete.
inline void ExpectCardMap(const TConnector& c, int positions, int pins, const std::vector<int>& emptyPositions,
                          IoStandard ioStandard)
{
    ExpectCardShape(c, positions, pins, emptyPositions);
    ExpectIoStandards(c, ioStandard);
    ExpectCompleteBuses(c);
}

// Name, direction, I/O standard (the pin's own, or else the given one) and
// pin index of the given positions.
inline void ExpectPins(const TConnector& c, const std::vector<ExpectedPin>& expected, int ioStandard = -1)
{
    for (const ExpectedPin& e : expected) {
        SCOPED_TRACE("position " + std::to_string(e.position));
        const TPin* pin = c.GetPin(e.position - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), e.name);
        EXPECT_EQ(pin->GetDirection(), e.direction);
        const int want = e.ioStandard >= 0 ? e.ioStandard : ioStandard;
        EXPECT_GE(want, 0) << "no I/O standard expected";
        EXPECT_EQ(pin->GetIoStandard(), want);
        EXPECT_EQ(pin->GetPinIndex(), e.position);
    }
}

// Two maps with the same entries, field by field.
inline void ExpectSameEntries(const TConnector& a, const TConnector& b)
{
    ASSERT_EQ(a.GetPinCount(), b.GetPinCount());
    for (int i = 0; i < a.GetPinCount(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        const TPin* pa = a.GetPin(i);
        const TPin* pb = b.GetPin(i);
        ASSERT_EQ(pa == nullptr, pb == nullptr);
        if (!pa) continue;
        EXPECT_EQ(pa->GetName(), pb->GetName());
        EXPECT_EQ(pa->GetDirection(), pb->GetDirection());
        EXPECT_EQ(pa->GetIoStandard(), pb->GetIoStandard());
        EXPECT_EQ(pa->GetPinIndex(), pb->GetPinIndex());
    }
}
