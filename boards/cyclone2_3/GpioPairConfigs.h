// The settings records of the four boards with a pair of 40-pin GPIO headers
// (Avemor, Fennick, Isselmont, Jarrowby): also, byte for byte, the content of
// their .cfg files. Little-endian; the 32-bit Size rounds each record up to a
// multiple of 4. One flag byte per on-board group (1 ticked, 0 not), then the
// card and the signal-name prefix of each header. An 80-pin card stands in
// both card ids or in neither.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct AVEMOR_CONFIG {
    uint8_t BoardId;  // MAINBOARD_AVEMOR
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(AVEMOR_CONFIG)
    char szProjectName[128];
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFLASH;
    uint8_t bRS232;
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefix of GPIO_0, GPIO_1
    uint8_t PaddingTail[2];
};

struct FENNICK_CONFIG {
    uint8_t BoardId;  // MAINBOARD_FENNICK
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(FENNICK_CONFIG)
    char szProjectName[128];
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bSDRAM;
    uint8_t bFLASH;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSMA;
    uint8_t bAUDIO;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
};

struct ISSELMONT_CONFIG {
    uint8_t BoardId;  // MAINBOARD_ISSELMONT
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(ISSELMONT_CONFIG)
    char szProjectName[128];
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFLASH;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSMA;
    uint8_t bAUDIO;
    uint8_t bETHERNET;
    uint8_t bIR;
    uint8_t bTVDECODER;
    uint8_t bUSB;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t PaddingTail[3];
};

struct JARROWBY_CONFIG {
    uint8_t BoardId;  // MAINBOARD_JARROWBY
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(JARROWBY_CONFIG)
    char szProjectName[128];
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM0;
    uint8_t bSDRAM1;
    uint8_t bFLASH;
    uint8_t bRS232;
    uint8_t bSSRAM;
    uint8_t bSMA;
    uint8_t bAUDIO;
    uint8_t bETHERNET;
    uint8_t bIR;
    uint8_t bTVDECODER1;
    uint8_t bTVDECODER2;
    uint8_t bUSB;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t PaddingTail[1];
};

// The flags lie from offset 136 in record order, then the two card ids, the
// two prefixes and the padding up to the size.
#define GPIO_PAIR_RECORD_LAYOUT(X_CONFIG, LAST_FLAG, FLAGS, IDS, SIZE)  \
    static_assert(sizeof(X_CONFIG) == (SIZE), #X_CONFIG " size");      \
    static_assert(offsetof(X_CONFIG, Size) == 4);                      \
    static_assert(offsetof(X_CONFIG, szProjectName) == 8);             \
    static_assert(offsetof(X_CONFIG, bCLOCK) == 136);                  \
    static_assert(offsetof(X_CONFIG, LAST_FLAG) == 136 + (FLAGS) - 1); \
    static_assert(offsetof(X_CONFIG, nGpioDaughterId) == (IDS));       \
    static_assert(offsetof(X_CONFIG, szGpioPrefixName) == (IDS) + 2)

GPIO_PAIR_RECORD_LAYOUT(AVEMOR_CONFIG, bRS232, 12, 148, 408);
GPIO_PAIR_RECORD_LAYOUT(FENNICK_CONFIG, bAUDIO, 14, 150, 408);
GPIO_PAIR_RECORD_LAYOUT(ISSELMONT_CONFIG, bUSB, 19, 155, 416);
GPIO_PAIR_RECORD_LAYOUT(JARROWBY_CONFIG, bUSB, 21, 157, 416);
#undef GPIO_PAIR_RECORD_LAYOUT

// Offsets the board definitions read, by name.
static_assert(offsetof(AVEMOR_CONFIG, bLCD) == 144 && offsetof(AVEMOR_CONFIG, bFLASH) == 146);
static_assert(offsetof(FENNICK_CONFIG, bSDRAM) == 144 && offsetof(FENNICK_CONFIG, bSRAM) == 147 &&
              offsetof(FENNICK_CONFIG, bSMA) == 148);
static_assert(offsetof(ISSELMONT_CONFIG, bSRAM) == 148 && offsetof(ISSELMONT_CONFIG, bETHERNET) == 151 &&
              offsetof(ISSELMONT_CONFIG, bTVDECODER) == 153);
static_assert(offsetof(JARROWBY_CONFIG, bSDRAM0) == 145 && offsetof(JARROWBY_CONFIG, bSDRAM1) == 146 &&
              offsetof(JARROWBY_CONFIG, bSSRAM) == 149 && offsetof(JARROWBY_CONFIG, bTVDECODER1) == 154 &&
              offsetof(JARROWBY_CONFIG, bTVDECODER2) == 155);
