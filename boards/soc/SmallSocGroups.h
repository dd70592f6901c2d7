// The on-board groups that the Dorvalin and Elmsary boards share: the same
// FPGA package with the ADC header, the Arduino header, the clocks, the
// buttons, the LEDs and the hard processor system on the same balls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/soc/BoardPins.h"
#include "boards/soc/GpioMasters.h"
#include "model/MainBoard.h"

namespace smallsoc {

using namespace boardpins;

// I/O standards of these boards.
constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;  // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15 = 12;          // "Differential 1.5-V SSTL Class I"
constexpr IoStandard SSTL15 = 29;               // "SSTL-15 Class I"

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

// The hard processor's 120 pins, placed by its own system: an I/O standard
// but no location. The boards differ in the standard of HPS_DDR3_RZQ.
inline void AddHps(TMainBoard* board, IoStandard rzqStandard)
{
    TConnector* pConn = NewGroup("HPS");
    Pin(pConn, "HPS_CONV_USB_N", "", LVTTL, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_ADDR", 15, SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_BA", 3, SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CAS_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CKE", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CK_N", "", DIFF_SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CK_P", "", DIFF_SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CS_N", "", SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_DM", 4, SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_DQ", 32, SSTL15, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_DQS_N", 4, DIFF_SSTL15, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_DQS_P", 4, DIFF_SSTL15, INOUT);
    Pin(pConn, "HPS_DDR3_ODT", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RAS_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RESET_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RZQ", "", rzqStandard, IN);
    Pin(pConn, "HPS_DDR3_WE_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_ENET_GTX_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_ENET_INT_N", "", LVTTL, INOUT);
    Pin(pConn, "HPS_ENET_MDC", "", LVTTL, OUT);
    Pin(pConn, "HPS_ENET_MDIO", "", LVTTL, INOUT);
    Pin(pConn, "HPS_ENET_RX_CLK", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_ENET_RX_DATA", 4, LVTTL, IN);
    Pin(pConn, "HPS_ENET_RX_DV", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_ENET_TX_DATA", 4, LVTTL, OUT);
    Pin(pConn, "HPS_ENET_TX_EN", "", LVTTL, OUT);
    for (const char* name : {"HPS_GSENSOR_INT", "HPS_I2C0_SCLK", "HPS_I2C0_SDAT", "HPS_I2C1_SCLK", "HPS_I2C1_SDAT",
                             "HPS_KEY", "HPS_LED", "HPS_LTC_GPIO"})
        Pin(pConn, name, "", LVTTL, INOUT);
    Pin(pConn, "HPS_SD_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_SD_CMD", "", LVTTL, INOUT);
    BusNoLocation(pConn, "HPS_SD_DATA", 4, LVTTL, INOUT);
    Pin(pConn, "HPS_SPIM_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_SPIM_MISO", "", LVTTL, IN);
    Pin(pConn, "HPS_SPIM_MOSI", "", LVTTL, OUT);
    Pin(pConn, "HPS_SPIM_SS", "", LVTTL, INOUT);
    Pin(pConn, "HPS_UART_RX", "", LVTTL, IN);
    Pin(pConn, "HPS_UART_TX", "", LVTTL, OUT);
    Pin(pConn, "HPS_USB_CLKOUT", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_USB_DATA", 8, LVTTL, INOUT);
    Pin(pConn, "HPS_USB_DIR", "", LVTTL, IN);
    Pin(pConn, "HPS_USB_NXT", "", LVTTL, IN);
    Pin(pConn, "HPS_USB_STP", "", LVTTL, OUT);
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
