// Checks shared by the pin-map tests: the shape of a whole map (positions,
// empty positions, the fields every card pin must have) and expected rows.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Connector.h"

struct ExpectedPin {
    int position;
    const char* name;
    PinDirection direction;
};

// Pins whose I/O standard differs from row to row.
struct ExpectedTypedPin {
    int position;
    const char* name;
    PinDirection direction;
    IoStandard ioStandard;
};

// Given to ExpectCardMap for a map whose pins carry several standards.
constexpr IoStandard kMixedStandards = 255;

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
// given empty positions, and on every card pin: pin index = position, the
// given I/O standard (any, for kMixedStandards), a direction 1..3, no
// location, no clock data, flag 0.
// Names are unique and every bus has the elements 0..n-1, each once (but
// the buses named as partial, which may lack elements).
inline void ExpectCardMap(const TConnector& c, int positions, int pins, const std::vector<int>& emptyPositions,
                          IoStandard ioStandard, const std::set<std::string>& partialBuses = {})
{
    ASSERT_EQ(c.GetPinCount(), positions);
    EXPECT_EQ(c.GetActivePinCount(), pins);
    EXPECT_EQ(static_cast<int>(emptyPositions.size()), positions - pins) << "the empty list and the pin count disagree";
    const std::set<int> empty(emptyPositions.begin(), emptyPositions.end());
    std::set<std::string> names;
    std::map<std::string, std::set<int>> buses;
    std::map<std::string, int> busSizes;
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
        if (ioStandard != kMixedStandards) {
            EXPECT_EQ(pin->GetIoStandard(), ioStandard);
        }
        EXPECT_TRUE(names.insert(pin->GetName()).second) << "name used twice";
        std::string base;
        int index = 0;
        if (SplitBusName(pin->GetName(), base, index)) {
            buses[base].insert(index);
            ++busSizes[base];
        }
    }
    for (const auto& [base, indices] : buses) {
        if (partialBuses.count(base)) continue;
        EXPECT_EQ(*indices.begin(), 0) << "bus " << base;
        EXPECT_EQ(*indices.rbegin(), busSizes[base] - 1) << "bus " << base << " has gaps";
    }
}

// Name, direction, I/O standard and pin index of the given positions.
inline void ExpectPins(const TConnector& c, const std::vector<ExpectedTypedPin>& expected)
{
    for (const ExpectedTypedPin& e : expected) {
        SCOPED_TRACE("position " + std::to_string(e.position));
        const TPin* pin = c.GetPin(e.position - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), e.name);
        EXPECT_EQ(pin->GetDirection(), e.direction);
        EXPECT_EQ(pin->GetIoStandard(), e.ioStandard);
        EXPECT_EQ(pin->GetPinIndex(), e.position);
    }
}

// The same for pins that all carry one I/O standard.
inline void ExpectPins(const TConnector& c, const std::vector<ExpectedPin>& expected, IoStandard ioStandard)
{
    std::vector<ExpectedTypedPin> typed;
    for (const ExpectedPin& e : expected) typed.push_back({e.position, e.name, e.direction, ioStandard});
    ExpectPins(c, typed);
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
