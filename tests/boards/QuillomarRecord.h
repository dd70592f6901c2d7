// The settings record of the Quillomar form's defaults, for the tests of its
// object, definition and form.
#pragma once

#include <cstring>

#include "boards/stratix10_agilex/ConfigRennacre.h"

inline TConfig_Rennacre::RENNACRE_CONFIG QuillomarDefaultRecord()
{
    TConfig_Rennacre::RENNACRE_CONFIG c{};
    c.BoardId = 39;
    c.Size = 572;
    std::strcpy(c.szFpgaPart, "1SX280HU2F50E1VG");
    std::strcpy(c.szProjectName, "S10");
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bDdr4A = c.bDdr4B = c.bSi5341A = c.bSystemInfo = c.bHps = 1;
    c.nDdr4BRefClkSel = 1;  // 266.667 MHz
    return c;
}
