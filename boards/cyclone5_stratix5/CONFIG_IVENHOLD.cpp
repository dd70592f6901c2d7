#include "boards/cyclone5_stratix5/CONFIG_IVENHOLD.h"

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Cyclone V", 672, "FBGA", "8_H6", 0, "5CGXFC5C6F27C7"};

constexpr int32_t CLOCK_125_PERIOD_NS = 8;
constexpr int32_t CLOCK_50_PERIOD_NS = 20;
constexpr int GPIO_POSITIONS = 40;
constexpr int HSMC_POSITIONS = 160;

// The buses of which the board's data gives the first and the last ball.
constexpr TBusEnds kLedGreen = {"LEDG[%d]", 8, "L7", "H9", DIR_OUT, IO_2V5};
constexpr TBusEnds kLedRed = {"LEDR[%d]", 10, "F7", "J10", DIR_OUT, IO_2V5};
constexpr TBusEnds kKey = {"KEY[%d]", 4, "P11", "Y16", DIR_IN, IO_1V2};
constexpr TBusEnds kSwitch = {"SW[%d]", 10, "AC9", "AE19", DIR_IN, IO_1V2};
constexpr TBusEnds kHex0 = {"HEX0[%d]", 7, "V19", "Y18", DIR_OUT, IO_1V2};
constexpr TBusEnds kHex1 = {"HEX1[%d]", 7, "AA18", "AF24", DIR_OUT, IO_1V2};
// HEX2 and HEX3 share their balls with GPIO positions 25 to 28, 31 to 40.
constexpr TBusEnds kHex2 = {"HEX2[%d]", 7, "AD7", "W20", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kHex3 = {"HEX3[%d]", 7, "Y24", "AC22", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kHdmiData = {"HDMI_TX_D[%d]", 24, "V23", "AD25", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kSramAddress = {"SRAM_A[%d]", 18, "B25", "M24", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kSramData = {"SRAM_D[%d]", 16, "E24", "K21", DIR_INOUT, IO_3V3_LVTTL};
constexpr TBusEnds kLpddr2Data = {"DDR2LP_DQ[%d]", 32, "AA14", "AF23", DIR_INOUT, IO_1V2_HSUL};
constexpr TBusEnds kLpddr2Address = {"DDR2LP_CA[%d]", 10, "AE6", "AB11", DIR_OUT, IO_1V2_HSUL};

void AddLpddr2(TMainBoard* board)
{
    TPinGroup group("LPDDR2");
    group.Pins({{"DDR2LP_CK_p", "N10", DIR_OUT, IO_DIFF_1V2_HSUL}, {"DDR2LP_CK_n", "P10", DIR_OUT, IO_DIFF_1V2_HSUL}});
    group.Pins({{"DDR2LP_DQS_p[0]", "V13", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_n[0]", "W13", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_p[1]", "U14", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_n[1]", "V14", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_p[2]", "V15", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_n[2]", "W15", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_p[3]", "W16", DIR_INOUT, IO_DIFF_1V2_HSUL},
                {"DDR2LP_DQS_n[3]", "W17", DIR_INOUT, IO_DIFF_1V2_HSUL}});
    group.Pins({{"DDR2LP_CKE[0]", "AF14", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_CKE[1]", "AE13", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_CS_n[0]", "R11", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_CS_n[1]", "T11", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_DM[0]", "AF11", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_DM[1]", "AE18", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_DM[2]", "AE20", DIR_OUT, IO_1V2_HSUL},
                {"DDR2LP_DM[3]", "AE24", DIR_OUT, IO_1V2_HSUL}});
    group.Pin("DDR2LP_OCT_RZQ", "AE11", DIR_IN, IO_1V2);
    group.Bus(kLpddr2Data);
    group.Bus(kLpddr2Address);
    group.AddTo(board);
}

}  // namespace

void CONFIG_IVENHOLD(TMainBoard* board, const IVENHOLD_CONFIG* pConfig)
{
    const IVENHOLD_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_IVENHOLD;
    CHECK_RECORD_HEAD(Config, MAINBOARD_IVENHOLD, IVENHOLD_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    const DaughterId gpioCard = Config.nGpioDaughterId;
    const DaughterId hsmcCard = Config.nHsmcDaughterId;
    if (Config.bClock) {
        TPinGroup group("CLOCK");
        group.Clock("CLOCK_125_p", "U12", IO_LVDS, CLOCK_125_PERIOD_NS);
        group.Clock("CLOCK_50_B5B", "R20", IO_3V3_LVTTL, CLOCK_50_PERIOD_NS);
        group.Clock("CLOCK_50_B6A", "N20", IO_3V3_LVTTL, CLOCK_50_PERIOD_NS);
        group.Clock("CLOCK_50_B7A", "H12", IO_2V5, CLOCK_50_PERIOD_NS);
        group.Clock("CLOCK_50_B8A", "M10", IO_2V5, CLOCK_50_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED");
        group.Bus(kLedGreen);
        group.Bus(kLedRed);
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("KEY");
        group.Bus(kKey);
        group.Pin("CPU_RESET_n", "AB24", DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("SW");
        group.Bus(kSwitch);
        group.AddTo(board);
    }
    if (Config.bSeg7) {
        TPinGroup group("SEG7");
        group.Bus(kHex0);
        group.Bus(kHex1);
        if (gpioCard == 0) {
            group.Bus(kHex2);
            group.Bus(kHex3);
        }
        group.AddTo(board);
    }
    if (Config.bHdmiTx) {
        TPinGroup group("HDMI-TX");
        group.Pins({{"HDMI_TX_HS", "U26", DIR_OUT, IO_3V3_LVTTL},
                    {"HDMI_TX_VS", "U25", DIR_OUT, IO_3V3_LVTTL},
                    {"HDMI_TX_CLK", "Y25", DIR_OUT, IO_3V3_LVTTL},
                    {"HDMI_TX_DE", "Y26", DIR_OUT, IO_3V3_LVTTL},
                    {"HDMI_TX_INT", "T12", DIR_IN, IO_1V2}});
        group.Bus(kHdmiData);
        group.AddTo(board);
    }
    if (Config.bAdc) {
        AddGroup(board, "ADC SPI",
                 {{"ADC_CONVST", "AB22", DIR_OUT, IO_1V2},
                  {"ADC_SCK", "AA21", DIR_OUT, IO_1V2},
                  {"ADC_SDI", "Y10", DIR_OUT, IO_1V2},
                  {"ADC_SDO", "W10", DIR_IN, IO_1V2}});
    }
    if (Config.bAudio) {
        AddGroup(board, "Audio",
                 {{"AUD_ADCLRCK", "C7", DIR_INOUT, IO_2V5},
                  {"AUD_ADCDAT", "D7", DIR_IN, IO_2V5},
                  {"AUD_DACLRCK", "G10", DIR_INOUT, IO_2V5},
                  {"AUD_DACDAT", "H10", DIR_OUT, IO_2V5},
                  {"AUD_XCK", "D6", DIR_OUT, IO_2V5},
                  {"AUD_BCLK", "E6", DIR_INOUT, IO_2V5}});
    }
    // One I2C bus serves the audio codec, the HDMI transmitter, the Si5338
    // and the HSMC connector.
    if (Config.bAudio || Config.bHdmiTx || Config.bSi5338 || hsmcCard != 0) {
        AddGroup(board, "I2C for Audio/HDMI-TX/Si5338/HSMC",
                 {{"I2C_SCL", "B7", DIR_OUT, IO_2V5}, {"I2C_SDA", "G11", DIR_INOUT, IO_2V5}});
    }
    if (Config.bXcvrSma) {
        // The reference clocks are plain inputs here: no timing constraint.
        AddGroup(board, "SMA Transceiver x1",
                 {{"REFCLK_p0", "V6", DIR_IN, IO_1V5_PCML},
                  {"REFCLK_p1", "N7", DIR_IN, IO_1V5_PCML},
                  {"SMA_GXB_RX_p", "M2", DIR_IN, IO_1V5_PCML},
                  {"SMA_GXB_TX_p", "K2", DIR_OUT, IO_1V5_PCML}});
    }
    if (Config.bSdCard) {
        AddGroup(board, "SDCARD",
                 {{"SD_CMD", "W8", DIR_INOUT, IO_3V3_LVTTL},
                  {"SD_CLK", "AB6", DIR_OUT, IO_3V3_LVTTL},
                  {"SD_DAT[0]", "U7", DIR_INOUT, IO_3V3_LVTTL},
                  {"SD_DAT[1]", "T7", DIR_INOUT, IO_3V3_LVTTL},
                  {"SD_DAT[2]", "V8", DIR_INOUT, IO_3V3_LVTTL},
                  {"SD_DAT[3]", "T8", DIR_INOUT, IO_3V3_LVTTL}});
    }
    if (Config.bUart2Usb) {
        AddGroup(board, "Uart to USB", {{"UART_TX", "L9", DIR_OUT, IO_2V5}, {"UART_RX", "M9", DIR_IN, IO_2V5}});
    }
    if (Config.bSram) {
        TPinGroup group("SRAM");
        group.Bus(kSramAddress);
        group.Bus(kSramData);
        group.Pins({{"SRAM_UB_n", "M25", DIR_OUT, IO_3V3_LVTTL},
                    {"SRAM_LB_n", "H25", DIR_OUT, IO_3V3_LVTTL},
                    {"SRAM_CE_n", "N23", DIR_OUT, IO_3V3_LVTTL},
                    {"SRAM_OE_n", "M22", DIR_OUT, IO_3V3_LVTTL},
                    {"SRAM_WE_n", "G25", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bLpddr2) AddLpddr2(board);
    if (gpioCard != 0) {
        // Positions 25 to 28 and 31 to 40 are the balls of HEX2 and HEX3.
        const auto locations = MasterLocations(GPIO_POSITIONS, GpioHeaderPositionsWithoutPin(),
                                               {{1, "T21"}, {2, "D26"}, {10, "T19"}, {13, "U19"}, {25, "AD7"},
                                                {40, "AC22"}});
        AddMaster(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(gpioCard).c_str()),
                  CONNECTOR_GPIO40, IVENHOLD_GPIO_MASTER_ID, locations);
    }
    if (hsmcCard != 0) {
        // The board's table gives V2 to positions 18 and 20 and AC4 to 25 and
        // 27; a project keeps each ball for the pin built first.
        const auto locations = MasterLocations(HSMC_POSITIONS, HsmcPairsWithoutPin({{1, 16}, {33, 38}}),
                                               {{17, "W4"},
                                                {18, "V2"},
                                                {19, "W3"},
                                                {20, "V2"},
                                                {25, "AC4"},
                                                {27, "AC4"},
                                                {39, "A7"},
                                                {40, "N9"},
                                                {41, "D11"},
                                                {158, "K9"}});
        AddMaster(board, "HSMC", Format("HSMC connect to %s", GetCardDisplayName(hsmcCard).c_str()), CONNECTOR_HSMC,
                  IVENHOLD_HSMC_MASTER_ID, locations);
    }
}
