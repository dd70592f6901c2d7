// The on-board groups that the Dorvalin and Elmsary boards share: the same
// FPGA package with the ADC header, the Arduino header, the clocks, the
// buttons, the LEDs and the hard processor system on the same balls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/soc/BoardPins.h"
#include "boards/soc/GpioMasters.h"
#include "boards/soc/HpsPins.h"
#include "model/MainBoard.h"

namespace smallsoc {

using namespace boardpins;

using hpspins::LVTTL;
using hpspins::SSTL15;

inline void AddAdc(TMainBoard* board)
{
    TConnector* pConn = NewGroup("ADC");
    Pin(pConn, "ADC_CONVST", "U9", LVTTL, OUT);
    Pin(pConn, "ADC_SCK", "V10", LVTTL, OUT);
    Pin(pConn, "ADC_SDI", "AC4", LVTTL, OUT);
    Pin(pConn, "ADC_SDO", "AD4", LVTTL, IN);
    board->AddConnector(pConn);
}

inline void AddArduino(TMainBoard* board)
{
    static const char* const kArduinoIo[] = {"AG13", "AF13", "AG10", "AG9",  "U14",  "U13",  "AG8", "AH8",
                                             "AF17", "AE15", "AF15", "AG16", "AH11", "AH12", "AH9", "AG11"};
    TConnector* pConn = NewGroup("ARDUINO");
    Bus(pConn, "ARDUINO_IO", kArduinoIo, 16, LVTTL, INOUT);
    Pin(pConn, "ARDUINO_RESET_N", "AH7", LVTTL, INOUT);
    board->AddConnector(pConn);
}

// Three 50 MHz clock inputs, given by their frequency text.
inline void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    ClockPin(pConn, "FPGA_CLK1_50", "V11", LVTTL, "50.0 MHz");
    ClockPin(pConn, "FPGA_CLK2_50", "Y13", LVTTL, "50.0 MHz");
    ClockPin(pConn, "FPGA_CLK3_50", "E11", LVTTL, "50.0 MHz");
    board->AddConnector(pConn);
}

// The hard processor's 120 pins. The boards differ in the standard of
// HPS_DDR3_RZQ.
inline void AddHps(TMainBoard* board, IoStandard rzqStandard)
{
    TConnector* pConn = NewGroup("HPS");
    hpspins::AddMemoryAndEthernet(pConn, rzqStandard);
    for (const char* name : {"HPS_GSENSOR_INT", "HPS_I2C0_SCLK", "HPS_I2C0_SDAT", "HPS_I2C1_SCLK", "HPS_I2C1_SDAT",
                             "HPS_KEY", "HPS_LED", "HPS_LTC_GPIO"})
        Pin(pConn, name, "", LVTTL, INOUT);
    hpspins::AddSdSpiUartUsb(pConn);
    board->AddConnector(pConn);
}

inline void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Pin(pConn, "KEY[0]", "AH17", LVTTL, IN);
    Pin(pConn, "KEY[1]", "AH16", LVTTL, IN);
    board->AddConnector(pConn);
}

inline void AddLed(TMainBoard* board)
{
    static const char* const kLed[] = {"W15", "AA24", "V16", "V15", "AF26", "AE26", "Y16", "AA23"};
    TConnector* pConn = NewGroup("LED");
    Bus(pConn, "LED", kLed, 8, LVTTL, OUT);
    board->AddConnector(pConn);
}

// Four slide switches, single pins with literal names.
inline void AddSw(TMainBoard* board, const char* const (&locations)[4])
{
    TConnector* pConn = NewGroup("SW");
    Pin(pConn, "SW[0]", locations[0], LVTTL, IN);
    Pin(pConn, "SW[1]", locations[1], LVTTL, IN);
    Pin(pConn, "SW[2]", locations[2], LVTTL, IN);
    Pin(pConn, "SW[3]", locations[3], LVTTL, IN);
    board->AddConnector(pConn);
}

// The masters of the two headers, "GPIO_0" (16) and "GPIO_1" (17), both
// described "GPIO connect to <card>"; these boards have no 80-pin master.
template <std::size_t N0, std::size_t N1>
void AddGpioMasters(TMainBoard* board, const uint8_t (&nGpioDaughterId)[2], const char* const (&gpio0)[N0],
                    const char* const (&gpio1)[N1])
{
    for (int h = 0; h < 2; ++h) {
        const DaughterId card = nGpioDaughterId[h];
        if (card == 0) continue;
        const std::string description = Format("GPIO connect to %s", GetCardDisplayName(card).c_str());
        if (h == 0)
            gpiomasters::AddHeader(board, "GPIO_0", description, 16, gpio0);
        else
            gpiomasters::AddHeader(board, "GPIO_1", description, 17, gpio1);
    }
}

}  // namespace smallsoc
