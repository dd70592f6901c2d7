// Checks shared by the FMC pin-map tests. FMC maps mix I/O standards within
// one card, so the shape check leaves the standards to the sample rows.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Connector.h"
#include "model/Names.h"
#include "model/Text.h"
#include "tests/cards/CardMapCheck.h"

// The shape of a whole FMC map: the number of entries and of pins, and on
// every card pin: pin index = position, a direction 1..3, a known I/O
// standard, no location, no clock data, flag 0; no two names equal when
// letter case is ignored, and every name a legal Verilog and VHDL signal
// name, bare and with a prefix.
inline void ExpectFmcMapShape(const TConnector& c, int positions, int pins)
{
    ASSERT_EQ(c.GetPinCount(), positions);
    EXPECT_EQ(c.GetActivePinCount(), pins);
    std::set<std::string> names;
    for (int p = 1; p <= positions; ++p) {
        const TPin* pin = c.GetPin(p - 1);
        if (!pin) continue;
        SCOPED_TRACE("position " + std::to_string(p) + " " + pin->GetName());
        ExpectCardPinFields(*pin, p);
        EXPECT_LT(pin->GetIoStandard(), IO_STD_COUNT);
        EXPECT_TRUE(names.insert(UpperCase(pin->GetName())).second) << "name used twice";
        for (bool vhdl : {false, true}) {
            EXPECT_TRUE(IsLegalSignalName(pin->GetName(), vhdl));
            EXPECT_TRUE(IsLegalSignalName("FMC_" + pin->GetName(), vhdl));
        }
    }
}

inline void ExpectEmptyPositions(const TConnector& c, const std::vector<int>& positions)
{
    for (int p : positions) EXPECT_EQ(c.GetPin(p - 1), nullptr) << "position " << p << " should carry no signal";
}

// The number of pins at each I/O standard.
inline std::map<IoStandard, int> PinsPerStandard(const TConnector& c)
{
    std::map<IoStandard, int> counts;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (const TPin* pin = c.GetPin(i)) ++counts[pin->GetIoStandard()];
    return counts;
}

// Positions of the pins whose names begin with the given text.
inline std::vector<int> PositionsOfPinsNamed(const TConnector& c, const std::string& start)
{
    std::vector<int> positions;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (const TPin* pin = c.GetPin(i); pin && pin->GetName().rfind(start, 0) == 0) positions.push_back(i + 1);
    return positions;
}

// Positions of all pins, in order.
inline std::vector<int> PinPositions(const TConnector& c)
{
    std::vector<int> positions;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i)) positions.push_back(i + 1);
    return positions;
}

// Every pin lies in the rows of an FMC LPC connector, C, D, G and H.
inline void ExpectOnlyLpcRows(const TConnector& c)
{
    for (int q : PinPositions(c)) EXPECT_TRUE((q >= 81 && q <= 160) || (q >= 241 && q <= 320)) << "position " << q;
}
