// Small helpers that the board definitions of this family build their
// connectors with: an on-board group, its single pins and buses, clock pins
// and the positions of a master connector.
#pragma once

#include <cstddef>
#include <string>

#include "model/Connector.h"
#include "model/Pin.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace boardpins {

constexpr PinDirection INOUT = PIN_DIR_INOUT;
constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;

// An on-board peripheral group: no description, no card.
inline TConnector* NewGroup(const char* name) { return new TConnector(name, "", CONNECTOR_NONE, -1); }

// A board pin; an empty location gives a pin that the board places by other
// means (a hard processor's pins get their I/O standard but no location).
inline void Pin(TConnector* pConn, const std::string& name, const char* location, IoStandard io, PinDirection dir)
{
    pConn->AddPin(new TPin(name, location, dir, io, 0));
}

// A clock input whose frequency is given as a text ("50.0 MHz").
inline void ClockPin(TConnector* pConn, const char* name, const char* location, IoStandard io,
                     const char* frequency)
{
    TPin* pPin = new TPin(name, location, PIN_DIR_INPUT, io, 0);
    pPin->SetIsClock(true);
    pPin->SetClockFrequencyText(frequency);
    pConn->AddPin(pPin);
}

// A bus NAME[0..nNum-1] whose locations come from a table of nNum entries.
template <std::size_t N>
void Bus(TConnector* pConn, const char* name, const char* const (&locations)[N], int nNum, IoStandard io,
         PinDirection dir)
{
    PL_ASSERT(nNum == static_cast<int>(N));
    for (int i = 0; i < nNum; ++i) Pin(pConn, Format("%s[%d]", name, i), locations[i], io, dir);
}

// A bus NAME[0..nNum-1] without locations.
inline void BusNoLocation(TConnector* pConn, const char* name, int nNum, IoStandard io, PinDirection dir)
{
    for (int i = 0; i < nNum; ++i) Pin(pConn, Format("%s[%d]", name, i), "", io, dir);
}

// One position of a master connector: an empty location text is a position
// without a pin; any other gives a placeholder that the attached card fills
// (its name and, where the placeholder says so, its direction and standard).
inline void MasterPosition(TConnector* pConn, const char* location, IoStandard io)
{
    if (location[0] == 0)
        pConn->AddPin(nullptr);
    else
        pConn->AddPin(new TPin("", location, PIN_DIR_BY_CARD, io, 0));
}

}  // namespace boardpins
