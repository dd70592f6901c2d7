// The board definition of Kestleford: a Cyclone IV E board with one 40-pin
// GPIO header and one HSMC connector whose I/O voltages the user chooses;
// the on-board pins that share a bank with them follow that voltage.
#pragma once

#include <cstdint>

#include "boards/cyclone4_stratix4/KestlefordConfig.h"
#include "model/Pin.h"

constexpr int32_t KESTLEFORD_HSMC_MASTER_ID = 8;
constexpr int32_t KESTLEFORD_GPIO_MASTER_ID = 16;

// The I/O standard of a connector voltage (KESTLEFORD_3V3 .. KESTLEFORD_1V5):
// "3.3-V LVTTL", "2.5 V", "1.8 V", "1.5 V". Any other index is a broken
// invariant.
IoStandard KestlefordVoltageStandard(int32_t voltage);

void CONFIG_KESTLEFORD(TMainBoard* board, const KESTLEFORD_CONFIG* pConfig);
