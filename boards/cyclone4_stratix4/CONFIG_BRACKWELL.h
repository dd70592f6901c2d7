// The board definition of Brackwell: a BRACKWELL_CONFIG record turned into
// the TMainBoard of one generation run.
#pragma once

#include "boards/cyclone4_stratix4/BrackwellConfig.h"
#include "model/MainBoard.h"

void CONFIG_BRACKWELL(TMainBoard* board, const BRACKWELL_CONFIG* Config);

// The I/O standard of the card on HSMC connector i (0..5): the default HSMC
// cards of other voltages bring their own, every other card (and none) 2.5 V.
// The board's groups that share a bank with that connector use it.
IoStandard GetHsmcCardIoStandard(const BRACKWELL_CONFIG& Config, int i);

// The master ids of the expansion connectors.
enum : int32_t {
    BRACKWELL_MASTER_HSMC_A = 8,  // HSMC-A .. HSMC-F: 8 .. 13
    BRACKWELL_MASTER_GPIO_0 = 16,
    BRACKWELL_MASTER_GPIO_1 = 17,
    BRACKWELL_MASTER_GPIO_0_1 = 18,
    BRACKWELL_MASTER_DDR3 = 19,
};
