// The configuration object of the Garvelow board (id 34): the code of
// Fallowmere's object over Garvelow's record, which adds the second PCIe
// interface (with its termination lines) and the timing header.
#pragma once

#include "boards/arria10/ConfigFallowmere.h"

struct GarvelowRecord {
    uint8_t BoardId;  // 34
    uint8_t Reserved[3];
    int32_t Size;  // 180
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bTemperature;
    uint8_t bPowerMonitor;
    uint8_t bQdrII[6];
    uint8_t bQsfp[4];
    uint8_t bPcie;
    uint8_t bPcie2;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bTimingHeader;
    uint8_t bLtm4677;  // no control; kept from a loaded file
    uint8_t bGpio;
    uint8_t Reserved2;
    int32_t nSi5340AFreqSel[4];
    int32_t nSi5340BFreqSel[1];
};

class TConfigGarvelow : public TConfigSi5340Pair<GarvelowRecord> {
public:
    using FALLOWMERE_CONFIG = GarvelowRecord;
    TConfigGarvelow();
    ~TConfigGarvelow();
};

static_assert(sizeof(GarvelowRecord) == 180);
static_assert(offsetof(GarvelowRecord, bQdrII) == 142);
static_assert(offsetof(GarvelowRecord, bPcie2) == 153);
static_assert(offsetof(GarvelowRecord, bTimingHeader) == 156);
static_assert(offsetof(GarvelowRecord, bGpio) == 158);
static_assert(offsetof(GarvelowRecord, nSi5340AFreqSel) == 160);
static_assert(offsetof(GarvelowRecord, nSi5340BFreqSel) == 176);
