// The settings records of the Zennorby and Ashcombre forms' defaults, as the
// tests expect them, on a given FPGA part row.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/ConfigAshcombre.h"
#include "boards/stratix10_agilex/ConfigZennorby.h"

// The Zennorby part rows, as the combo shows them and the record stores them.
inline const std::vector<std::string>& ZennorbyParts()
{
    static const std::vector<std::string> parts = {"revE SX, 1SX280HU2F50E1VG", "revD GX, 1SG280HU1F50E1VG",
                                                   "revD SX, 1SX280HU2F50E1VG", "revC GX, 1SG280HU2F50E2VG",
                                                   "revC GX, 1SG165HU2F50E2VG", "revC SX, 1SX280LU2F50E1VG",
                                                   "revB GX, 1SG280LU2F50E1VG"};
    return parts;
}

// Every group and cage, the DDR4 module with ECC in each socket at the part's
// DDR4 clock (166.667 MHz, 300 MHz on rows 3 and 4), HPS stored only on the
// rows that have one.
inline TConfigZennorby::ZENNORBY_CONFIG ZennorbyDefaults(int part = 0)
{
    TConfigZennorby::ZENNORBY_CONFIG r{};
    r.BoardId = 37;
    r.Size = 832;
    std::strcpy(r.szFpgaPart, ZennorbyParts()[part].c_str());
    std::strcpy(r.szProjectName, "Zennorby");
    std::memset(&r.bClock, 1, 12);
    r.bHps = part == 0 || part == 2 || part == 5;
    const bool slow = part == 3 || part == 4;
    for (int i = 0; i < 4; ++i) {
        r.bQsfp28[i] = 1;
        r.nMemoryModuleId[i] = 80;
        r.nMemRefClk[i] = slow ? 0 : 4;
        std::snprintf(r.szMemoryPrefixName[i], 128, "DDR4%c_", 'A' + i);
    }
    return r;
}

// Every group but the QSPI flash, the four sockets single-rank, both QSFPDD
// clocks at 156.25 MHz, RSV off, both IO clocks from the crystal.
inline TConfigAshcombre::ASHCOMBRE_CONFIG AshcombreDefaults(int part = 0)
{
    TConfigAshcombre::ASHCOMBRE_CONFIG r{};
    r.BoardId = 40;
    r.Size = 300;
    std::strcpy(r.szFpgaPart, part == 0 ? "AGFB014R24B2E2V" : "AGFB014R24B1E1V");
    std::strcpy(r.szProjectName, "Ashcombre");
    r.bClock = r.bLed = r.bButton = r.bSwitch = r.bSystemInfo = r.bUfl = r.bPcie = r.bGpio2x5 = r.bUart = 1;
    for (uint8_t& socket : r.bDdr4Socket) socket = 1;
    r.nQsfpddRefClk[0] = r.nQsfpddRefClk[1] = 7;
    r.bQsfpdd[0] = r.bQsfpdd[1] = 1;
    return r;
}
