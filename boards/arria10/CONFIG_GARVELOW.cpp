#include "boards/arria10/CONFIG_GARVELOW.h"

#include "boards/arria10/ConfigSi5340Groups.h"

namespace {

const TDevice kDevice = {.Family = "Arria 10", .PinCount = 1932, .Package = "FBGA", .SpeedGradeText = nullptr,
                         .SpeedGrade = 0, .Part = "10AX115N2F45E1SG"};

// Balls the board's data give; the other members of each bus are not known
// to us.
const TQdrBalls kQdr[6] = {
    {"L9", "V12", "D13", "P13", "F12"},     {"N18", "L16", "N20", "L22", "K21"},
    {"G24", "D25", "AF36", "Y36", "AF34"},  {"M34", "Y32", "D36", "N28", "F32"},
    {"AP14", "BB9", "BD18", "AN17", "AP18"}, {"AT7", "AG14", "AJ9", "AP6", "AE9"},
};
const TQsfpBalls kQsfp[4] = {{"AH5", "BD5", "BB5"}, {"AD5", "AP1", "AN3"}, {"Y5", "AB1", "AA3"}, {"T5", "K1", "J3"}};

}  // namespace

void CONFIG_GARVELOW(TMainBoard* board, TConfigGarvelow& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigGarvelow::FALLOWMERE_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_GARVELOW, TConfigGarvelow::FALLOWMERE_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The controllers of the clock generators run from CLK_50_B2F, are reset
    // by CPU_RESET_n and started by BUTTON[0].
    const bool clocksNeeded = object.IsSi5340AUsed() || object.IsSi5340BUsed();
    bool anyQdr = false;
    for (uint8_t flag : Config.bQdrII) anyQdr = anyQdr || flag;

    if (Config.bClock || clocksNeeded) AddPairClockGroup(board);
    if (Config.bButton || clocksNeeded) {
        TPinGroup g("KEY");
        BusFirstBall(g, "BUTTON[%d]", 0, 4, "AC11", DIR_IN, IO_1V8);
        g.Pin("CPU_RESET_n", "AP24", DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup g("SW");
        BusFirstBall(g, "SW[%d]", 0, 2, "BD28", DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup g("LED");
        BusFirstBall(g, "LED_BRACKET[%d]", 0, 4, "BB32", DIR_OUT, IO_1V8);
        BusFirstBall(g, "LED[%d]", 0, 4, "T11", DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bFan) {
        TPinGroup g("FAN");
        g.Pins({{"FAN_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V8},
                {"FAN_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8},
                {"FAN_ALERT_n", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup g("FLASH");
        g.Pin("FLASH_CLK", kUnknownBall, DIR_OUT, IO_1V8);
        BusFirstBall(g, "FLASH_A[%d]", 1, 26, "H26", DIR_OUT, IO_1V8);
        BusFirstBall(g, "FLASH_D[%d]", 0, 16, "Y31", DIR_INOUT, IO_1V8);
        g.Pins({{"FLASH_CE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_WE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_OE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_ADV_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_RESET_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_RDY_BSY_n", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    const double qdrMHz = TConfigGarvelow::QdrRefClkFreqMHz(Config.nSi5340BFreqSel[0]);
    for (int x = 0; x < 6; ++x)
        if (Config.bQdrII[x]) AddQdrIIGroup(board, static_cast<char>('A' + x), kQdr[x], qdrMHz);
    if (anyQdr) AddPairRzqGroup(board);
    if (object.IsSi5340AUsed()) AddPairSi5340Group(board, 'A', DIR_INOUT);
    if (object.IsSi5340BUsed()) AddPairSi5340Group(board, 'B', DIR_INOUT);
    if (Config.bTimingHeader) {
        TPinGroup g("2x5 Timing Header");
        BusFirstBall(g, "GPIO_P[%d]", 0, 4, "BC28", DIR_INOUT, IO_1V8);
        BusFirstBall(g, "GPIO_CLK[%d]", 0, 2, "AV33", DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bTemperature) {
        TPinGroup g("Temperature");
        g.Pins({{"TEMP_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V8},
                {"TEMP_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPowerMonitor) {
        TPinGroup g("POWER Monitor");
        g.Pins({{"POWER_MONITOR_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V8},
                {"POWER_MONITOR_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8},
                {"POWER_MONITOR_ALERT_n", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPcie) {
        TPinGroup g("PCIE");
        g.Pin("PCIE_SMBCLK", kUnknownBall, DIR_INOUT, IO_1V8);
        g.Pin("PCIE_SMBDAT", kUnknownBall, DIR_INOUT, IO_1V8);
        g.ReferenceClock("PCIE_REFCLK_p", "AH40", IO_HCSL, 100, 6);
        BusFirstBall(g, "PCIE_TX_p[%d]", 0, 8, "AV44", DIR_OUT, IO_HSSI);
        BusFirstBall(g, "PCIE_RX_p[%d]", 0, 8, "AU42", DIR_IN, IO_HSSI);
        g.Pin("PCIE_PERST_n", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_WAKE_n", kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bPcie2) {
        TPinGroup g("PCIE2");
        g.ReferenceClock("PCIE2_REFCLK_p", "Y40", IO_HCSL, 100, 6);
        BusFirstBall(g, "PCIE2_TX_p[%d]", 0, 8, "P44", DIR_OUT, IO_HSSI);
        BusFirstBall(g, "PCIE2_RX_p[%d]", 0, 8, "N42", DIR_IN, IO_HSSI);
        g.Pin("PCIE2_PERST_n", kUnknownBall, DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    for (int x = 0; x < 4; ++x)
        if (Config.bQsfp[x])
            AddQsfpGroup(board, static_cast<char>('A' + x), kQsfp[x],
                         TConfigGarvelow::Si5340AFreqMHz(Config.nSi5340AFreqSel[x]), DIR_INOUT);
    if (Config.bLtm4677) {
        TPinGroup g("LTM4677");
        g.Pins({{"LTM4677_ALERT_n", kUnknownBall, DIR_IN, IO_1V8},
                {"LTM4677_SCL", kUnknownBall, DIR_OUT, IO_1V8},
                {"LTM4677_SDA", kUnknownBall, DIR_INOUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bGpio) {
        TPinGroup g("GPIO Expansion Header");
        BusFirstBall(g, "GPIO[%d]", 0, 7, "AT36", DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
}
