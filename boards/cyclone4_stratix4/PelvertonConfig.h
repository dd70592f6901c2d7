// The settings record of the Pelverton board, which carries two FPGAs: an
// 8-byte head and one node record per FPGA, each with its own project. Also,
// byte for byte, the content of its .cfg files. Little-endian, 1336 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct PELVERTON_FPGA_CONFIG {
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSdCard;
    uint8_t bSma;
    uint8_t bUsb;  // USB FIFO
    uint8_t bTemp;
    uint8_t Reserved;  // no control, read by nothing
    uint8_t bDdr2;
    uint8_t bDdr3;
    uint8_t bPcie;
    uint8_t bFpgaBridge;
    uint8_t bFan;
    uint8_t bSsram;
    uint8_t bFlash;
    uint8_t bMax2;  // no control; always 0
    uint8_t bLcd;
    uint8_t bEthernet;
    uint8_t bEeprom;
    uint8_t nHsmcDaughterId[4];     // cards of HSMC-A .. HSMC-D; 0 = none
    char szHSMCPrefixName[4][128];  // their signal-name prefixes
};

struct PELVERTON_CONFIG {
    uint8_t BoardId;     // MAINBOARD_PELVERTON
    uint8_t nBoardType;  // 0 (the one board type); 1 would be the 530 part
    uint8_t Reserved[2];
    int32_t Size;  // sizeof(PELVERTON_CONFIG)
    PELVERTON_FPGA_CONFIG F[2];
};

static_assert(sizeof(PELVERTON_FPGA_CONFIG) == 664, "PELVERTON_FPGA_CONFIG size");
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bClock) == 128);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bTemp) == 135);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, Reserved) == 136);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bDdr2) == 137);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bDdr3) == 138);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bPcie) == 139);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bFpgaBridge) == 140);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bFan) == 141);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bSsram) == 142);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bFlash) == 143);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bMax2) == 144);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bLcd) == 145);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bEthernet) == 146);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, bEeprom) == 147);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, nHsmcDaughterId) == 148);
static_assert(offsetof(PELVERTON_FPGA_CONFIG, szHSMCPrefixName) == 152);
static_assert(sizeof(PELVERTON_CONFIG) == 1336, "PELVERTON_CONFIG size");
static_assert(offsetof(PELVERTON_CONFIG, nBoardType) == 1);
static_assert(offsetof(PELVERTON_CONFIG, Size) == 4);
static_assert(offsetof(PELVERTON_CONFIG, F) == 8);
static_assert(offsetof(PELVERTON_CONFIG, F) + sizeof(PELVERTON_FPGA_CONFIG) == 672);
