#include "boards/cyclone4_stratix4/CONFIG_GORSEWIN.h"

#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

constexpr int GPIO_PIN_NUM = 40;
constexpr int HSMC_PIN_NUM = 160;

const TDevice kDevice = {"Cyclone IV E", 0, "FBGA", nullptr, 7, "EP4CE40F29C7"};

// The oscillators, with their frequency in whole MHz.
struct ClockRow {
    const char* Name;
    const char* Ball;
    int32_t MHz;
};
const ClockRow kClocks[] = {{"CLOCK_50", "Y2", 50}, {"CLOCK2_50", "AG14", 50}, {"CLOCK_27", "AG15", 27}};

void AddClock(TMainBoard* board)
{
    TPinGroup group("CLOCK");
    for (const ClockRow& clock : kClocks) group.Clock(clock.Name, clock.Ball, IO_3V3_LVTTL, 1000 / clock.MHz);
    group.AddTo(board);
}

void AddSeg7(TMainBoard* board)
{
    TPinGroup group("SEG7");
    for (int digit = 0; digit < 4; ++digit)
        group.Pin(Format("HEX%d_DP", digit), digit == 0 ? "AF12" : kUnknownBall, DIR_OUT, IO_2V5);
    group.Bus("HEX0[%d]", 7, {{0, "G18"}}, DIR_OUT, IO_2V5);
    for (const char* digit : {"HEX1[%d]", "HEX2[%d]", "HEX3[%d]"}) group.Bus(digit, 7, {}, DIR_OUT, IO_2V5);
    group.AddTo(board);
}

void AddVga(TMainBoard* board)
{
    TPinGroup group("VGA");
    group.Pins({{"VGA_HS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"VGA_VS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"VGA_SYNC_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"VGA_CLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"VGA_BLANK_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    // The board's own tables leave the two lowest bits of each colour without
    // a location, like the members whose balls we do not know.
    for (const char* colour : {"VGA_R[%d]", "VGA_G[%d]", "VGA_B[%d]"})
        group.Bus(colour, 10, {}, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddEthernet(TMainBoard* board)
{
    TPinGroup group("Gigabit Ethernet");
    group.Pin("NET_CLK_25", "A14", DIR_IN, IO_2V5);
    for (int i = 0; i < 4; ++i) {
        group.Pin(Format("NET_TX_DATA[%d]", i), kUnknownBall, DIR_OUT, IO_2V5);
        group.Pin(Format("NET_RX_DATA[%d]", i), kUnknownBall, DIR_IN, IO_2V5);
    }
    group.Pins({{"NET_GTX_CLK", kUnknownBall, DIR_OUT, IO_2V5},
                {"NET_TX_EN", kUnknownBall, DIR_OUT, IO_2V5},
                {"NET_TX_ER", kUnknownBall, DIR_OUT, IO_2V5},
                {"NET_INT_N", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_RESET_N", kUnknownBall, DIR_OUT, IO_2V5},
                {"NET_RX_DV", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_RX_ER", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_RX_CRS", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_RX_COL", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_RX_CLK", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_TX_CLK", kUnknownBall, DIR_IN, IO_2V5},
                {"NET_MDC", kUnknownBall, DIR_OUT, IO_2V5},
                {"NET_MDIO", kUnknownBall, DIR_INOUT, IO_2V5},
                {"NET_LINK100", kUnknownBall, DIR_IN, IO_2V5}});
    group.AddTo(board);
}

void AddSdram(TMainBoard* board)
{
    TPinGroup group("SDRAM");
    group.Bus("DRAM_BA[%d]", 2, {}, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("DRAM_DQM[%d]", 2, {}, DIR_OUT, IO_3V3_LVTTL);
    group.Pins({{"DRAM_RAS_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CAS_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CKE", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CLK", "AE5", DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_WE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CS_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    group.Bus("DRAM_DQ[%d]", 16, {}, DIR_INOUT, IO_3V3_LVTTL);
    group.Bus("DRAM_ADDR[%d]", 13, {}, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddSram(TMainBoard* board)
{
    TPinGroup group("SRAM");
    group.Bus("SRAM_ADDR[%d]", 20, {}, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("SRAM_DQ[%d]", 16, {}, DIR_INOUT, IO_3V3_LVTTL);
    for (const char* name : {"SRAM_UB_N", "SRAM_LB_N", "SRAM_CE_N", "SRAM_OE_N", "SRAM_WE_N"})
        group.Pin(name, kUnknownBall, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddFlash(TMainBoard* board)
{
    TPinGroup group("Flash");
    group.Bus("FL_ADDR[%d]", 23, {}, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("FL_DQ[%d]", 8, {}, DIR_INOUT, IO_3V3_LVTTL);
    group.Pins({{"FL_CE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"FL_OE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"FL_RESET_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"FL_RY", "Y1", DIR_IN, IO_3V3_LVTTL},
                {"FL_WE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"FL_WP_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    group.AddTo(board);
}

void AddGpio(TMainBoard* board, DaughterId card)
{
    const std::vector<const char*> locations =
        MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, "AB22"}, {40, "AG26"}});
    PL_ASSERT(static_cast<int>(locations.size()) == GPIO_PIN_NUM);
    AddMaster(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(card).c_str()), CONNECTOR_GPIO40,
              GORSEWIN_MASTER_GPIO, locations);
}

void AddHsmc(TMainBoard* board, DaughterId card)
{
    // Signals at 33, 34, 39, 40 and from 41 on four of every six positions.
    // The board's data names no ball at 33 and 34 (the connector's I2C pair),
    // so those stay located positions without a location.
    std::vector<TPositionRange> withoutPin = HsmcPositionsWithoutPin();
    withoutPin.push_back({1, 32});
    const std::vector<const char*> locations =
        MasterLocations(HSMC_PIN_NUM, withoutPin, {{39, "AD28"}, {40, "AH15"}, {158, "Y28"}});
    PL_ASSERT(static_cast<int>(locations.size()) == HSMC_PIN_NUM);
    AddMaster(board, "HSMC", Format("HSMC connect to %s", GetCardDisplayName(card).c_str()), CONNECTOR_HSMC,
              GORSEWIN_MASTER_HSMC, locations);
}

}  // namespace

void CONFIG_GORSEWIN(TMainBoard* board, const GORSEWIN_CONFIG* pConfig)
{
    PL_ASSERT(board && pConfig);
    const GORSEWIN_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_GORSEWIN;
    CHECK_RECORD_HEAD(Config, MAINBOARD_GORSEWIN, GORSEWIN_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bCLOCK) AddClock(board);
    if (Config.bSMA) {
        TPinGroup group("SMA");
        group.Pin("SMA_CLKIN", "AH14", DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED");
        group.Bus("LEDR[%d]", 10, {{0, "G19"}}, DIR_OUT, IO_2V5);
        group.Bus("LEDG[%d]", 8, {{0, "E21"}}, DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        TPinGroup group("KEY");
        group.Bus("KEY[%d]", 4, {{0, "M23"}}, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSW) {
        TPinGroup group("SW");
        group.Bus("SW[%d]", 10, {{0, "AB28"}}, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSEG7) AddSeg7(board);
    if (Config.bRS232) {
        TPinGroup group("RS232");
        group.Pins({{"UART_TXD", "G9", DIR_OUT, IO_3V3_LVTTL},
                    {"UART_RXD", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"UART_CTS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"UART_RTS", kUnknownBall, DIR_IN, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bPS2) {
        TPinGroup group("PS2 for Keyboard and Mouse");
        for (const char* name : {"PS2_KBDAT", "PS2_KBCLK", "PS2_MSDAT", "PS2_MSCLK"})
            group.Pin(name, kUnknownBall, DIR_INOUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bSDCARD) {
        TPinGroup group("SDCARD");
        group.Pins({{"SD_CMD", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_CLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SD_WP_N", kUnknownBall, DIR_IN, IO_3V3_LVTTL}});
        group.Bus("SD_DAT[%d]", 4, {}, DIR_INOUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bVGA) AddVga(board);
    if (Config.bAUDIO) {
        TPinGroup group("Audio");
        group.Pins({{"AUD_ADCLRCK", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                    {"AUD_ADCDAT", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"AUD_DACLRCK", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                    {"AUD_DACDAT", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"AUD_XCK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"AUD_BCLK", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bEEPROM) {
        TPinGroup group("I2C for EEPROM");
        group.Pins({{"EEP_I2C_CLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"EEP_I2C_SDA", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bAUDIO) {
        TPinGroup group("I2C for Audio");
        group.Pins({{"I2C_SCLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"I2C_SDAT", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bETHERNET) AddEthernet(board);
    if (Config.bSDRAM) AddSdram(board);
    if (Config.bSRAM) AddSram(board);
    if (Config.bFLASH) AddFlash(board);
    if (Config.bLCD) {
        TPinGroup group("LCD");
        group.Bus("LCD_DATA[%d]", 8, {}, DIR_INOUT, IO_3V3_LVTTL);
        group.Pins({{"LCD_BLON", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_RW", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_EN", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_RS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_ON", "L5", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.nGpioDaughterId != 0) AddGpio(board, Config.nGpioDaughterId);
    if (Config.nHsmcDaughterId != 0) AddHsmc(board, Config.nHsmcDaughterId);
}
