// The Wendlebury board definition: turns the settings of the board's
// configuration object into the device data, the on-board peripheral
// connectors and the GPIO and HSMC master connectors of a freshly created
// main board.
#pragma once

#include "boards/soc/ConfigWendlebury.h"
#include "model/MainBoard.h"

// Master ids of the two expansion connectors.
constexpr int32_t WENDLEBURY_GPIO_MASTER_ID = 16;
constexpr int32_t WENDLEBURY_HSMC_MASTER_ID = 8;

// The I/O standard of the pins in the banks of the HSMC connector, for a
// voltage index (0 = 3.3 V, 1 = 2.5 V, 2 = 1.8 V, 3 = 1.5 V; any other value
// is taken as 2.5 V).
IoStandard WendleburyHsmcIoStandard(int32_t nHsmcVoltage);

// The main board keeps a reference to Config (not owned) and a copy of its
// record, from which the timing constraints take the VGA, SDRAM, Audio and
// Video-In choices.
void CONFIG_WENDLEBURY(TMainBoard* board, TConfigWendlebury* Config);
