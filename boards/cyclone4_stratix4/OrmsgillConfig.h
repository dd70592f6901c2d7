// The settings record of the Ormsgill board: also, byte for byte, the
// content of its .cfg files. Little-endian, 684 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct ORMSGILL_CONFIG {
    uint8_t BoardId;     // MAINBOARD_ORMSGILL
    uint8_t nBoardType;  // 0 the 230 part, 1 the 530 part
    uint8_t Reserved[2];
    int32_t Size;  // sizeof(ORMSGILL_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;  // DIP switches
    uint8_t bSlideSwitch;
    uint8_t bSataHost[2];
    uint8_t bSataDevice[2];
    uint8_t bEthernet;
    uint8_t bSdCard;
    uint8_t bSma;
    uint8_t bUsbOtg;
    uint8_t bCurrent;  // power measurement
    uint8_t bTemp;
    uint8_t bDdr2[2];  // SODIMM sockets 1 and 2
    uint8_t bPcie;
    uint8_t bFan;
    uint8_t bSsram;
    uint8_t bFlash;
    uint8_t bMax2;  // no control; always 0
    uint8_t bEeprom;
    uint8_t bExtPll;  // the programmable PLL
    uint8_t bRs232;
    uint8_t nExtPllFreq[3];  // HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK: option 0..12
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefixes of GPIO_0, GPIO_1
    uint8_t nHsmcDaughterId[2];     // card of HSMC-A, HSMC-B; 0 = none
    char szHSMCPrefixName[2][128];  // signal-name prefixes of HSMC-A, HSMC-B
    uint8_t ReservedTail[3];
};

// The texts of the external-PLL options, index = the value sent to the PLL.
constexpr int ORMSGILL_EXT_PLL_OPTIONS = 13;
constexpr uint8_t ORMSGILL_EXT_PLL_DEFAULT = 4;  // "100"

static_assert(sizeof(ORMSGILL_CONFIG) == 684, "ORMSGILL_CONFIG size");
static_assert(sizeof(ORMSGILL_CONFIG) == ORMSGILL_CONFIG_SIZE, "board copy of ORMSGILL_CONFIG");
static_assert(offsetof(ORMSGILL_CONFIG, nBoardType) == 1);
static_assert(offsetof(ORMSGILL_CONFIG, Size) == 4);
static_assert(offsetof(ORMSGILL_CONFIG, szProjectName) == 8);
static_assert(offsetof(ORMSGILL_CONFIG, bClock) == 136);
static_assert(offsetof(ORMSGILL_CONFIG, bSlideSwitch) == 141);
static_assert(offsetof(ORMSGILL_CONFIG, bSataHost) == 142);
static_assert(offsetof(ORMSGILL_CONFIG, bSataDevice) == 144);
static_assert(offsetof(ORMSGILL_CONFIG, bEthernet) == 146);
static_assert(offsetof(ORMSGILL_CONFIG, bSdCard) == 147);
static_assert(offsetof(ORMSGILL_CONFIG, bSma) == 148);
static_assert(offsetof(ORMSGILL_CONFIG, bUsbOtg) == 149);
static_assert(offsetof(ORMSGILL_CONFIG, bCurrent) == 150);
static_assert(offsetof(ORMSGILL_CONFIG, bTemp) == 151);
static_assert(offsetof(ORMSGILL_CONFIG, bDdr2) == 152);
static_assert(offsetof(ORMSGILL_CONFIG, bPcie) == 154);
static_assert(offsetof(ORMSGILL_CONFIG, bFan) == 155);
static_assert(offsetof(ORMSGILL_CONFIG, bSsram) == 156);
static_assert(offsetof(ORMSGILL_CONFIG, bFlash) == 157);
static_assert(offsetof(ORMSGILL_CONFIG, bMax2) == 158);
static_assert(offsetof(ORMSGILL_CONFIG, bEeprom) == 159);
static_assert(offsetof(ORMSGILL_CONFIG, bExtPll) == 160);  // read by TMainBoard::GetOrmsgillExtPllVerilog
static_assert(offsetof(ORMSGILL_CONFIG, bRs232) == 161);
static_assert(offsetof(ORMSGILL_CONFIG, nExtPllFreq) == 162);  // read by TMainBoard::GetOrmsgillExtPllVerilog
static_assert(offsetof(ORMSGILL_CONFIG, nGpioDaughterId) == 165);
static_assert(offsetof(ORMSGILL_CONFIG, szGpioPrefixName) == 167);
static_assert(offsetof(ORMSGILL_CONFIG, nHsmcDaughterId) == 423);
static_assert(offsetof(ORMSGILL_CONFIG, szHSMCPrefixName) == 425);
static_assert(offsetof(ORMSGILL_CONFIG, ReservedTail) == 681);
