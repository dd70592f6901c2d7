// The settings record of the Bristane board: also, byte for byte, the
// content of its .cfg files. Little-endian, 404 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct BRISTANE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_BRISTANE
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(BRISTANE_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;  // DIP switches
    uint8_t bSdram;
    uint8_t bAdc;
    uint8_t bAccelerometer;
    uint8_t bEeprom;
    uint8_t bEpcs;
    uint8_t bHeader;  // the 2x13 header
    uint8_t nGpioDaughterId[2];     // cards of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // their signal-name prefixes
};

static_assert(sizeof(BRISTANE_CONFIG) == 404, "BRISTANE_CONFIG size");
static_assert(offsetof(BRISTANE_CONFIG, Size) == 4);
static_assert(offsetof(BRISTANE_CONFIG, szProjectName) == 8);
static_assert(offsetof(BRISTANE_CONFIG, bClock) == 136);
static_assert(offsetof(BRISTANE_CONFIG, bHeader) == 145);
static_assert(offsetof(BRISTANE_CONFIG, nGpioDaughterId) == 146);
static_assert(offsetof(BRISTANE_CONFIG, szGpioPrefixName) == 148);
