#include "boards/arria10/CONFIG_FALLOWMERE.h"

#include <iterator>
#include <vector>

#include "boards/arria10/ConfigSi5340Groups.h"

namespace {

const TDevice kDevice = {.Family = "Arria 10", .PinCount = 1932, .Package = "FBGA", .SpeedGradeText = nullptr,
                         .SpeedGrade = 0, .Part = "10AX115N2F45E1SG"};

const char* const kPcieTx[] = {"AV44", "AT44", "AP44", "AM44", "AK44", "AH44", "AF44", "AD44"};
static_assert(std::size(kPcieTx) == 8);

// Balls the board's data give: the reference clocks and the first address
// bit of QDR-II+ A and E; the others are not known to us.
const TQdrBalls kQdr[6] = {
    {"L9", "V12", kUnknownBall, kUnknownBall, kUnknownBall},
    {"N18", kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {"G24", kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {"M34", kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {"AP14", "BB9", kUnknownBall, kUnknownBall, kUnknownBall},
    {"AT7", kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
};
const TQsfpBalls kQsfp[4] = {
    {"AH5", "BD5", kUnknownBall}, {"AD5", kUnknownBall, kUnknownBall},
    {"Y5", kUnknownBall, kUnknownBall}, {"T5", kUnknownBall, kUnknownBall}};

}  // namespace

void CONFIG_FALLOWMERE(TMainBoard* board, TConfigFallowmere& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigFallowmere::FALLOWMERE_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_FALLOWMERE, TConfigFallowmere::FALLOWMERE_CONFIG);
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
        BusFirstBall(g, "BUTTON[%d]", 0, 4, kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("CPU_RESET_n", kUnknownBall, DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup g("SW");
        BusFirstBall(g, "SW[%d]", 0, 2, kUnknownBall, DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup g("LED");
        BusFirstBall(g, "LED_BRACKET[%d]", 0, 4, kUnknownBall, DIR_OUT, IO_1V8);
        BusFirstBall(g, "LED[%d]", 0, 4, kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bFan) {
        TPinGroup g("FAN");
        g.Pins({{"FAN_I2C_SCL", kUnknownBall, DIR_OUT, IO_1V8},
                {"FAN_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8},
                {"FAN_ALERT_n", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup g("FLASH");
        g.Pin("FLASH_CLK", kUnknownBall, DIR_OUT, IO_1V8);
        // 26 address bits from FLASH_A[1] (U12) to FLASH_A[26] (J11).
        std::vector<const char*> address(27, kUnknownBall);
        address[0] = kNoPin;
        address[1] = "U12";
        address[26] = "J11";
        g.Bus("FLASH_A[%d]", address.data(), 27, DIR_OUT, IO_1V8);
        BusFirstBall(g, "FLASH_D[%d]", 0, 32, "AA31", DIR_INOUT, IO_1V8);
        g.Pins({{"FLASH_CE_n[0]", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_CE_n[1]", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_WE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_OE_n", kUnknownBall, DIR_INOUT, IO_1V8},
                {"FLASH_ADV_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_RESET_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_RDY_BSY_n[0]", kUnknownBall, DIR_IN, IO_1V8},
                {"FLASH_RDY_BSY_n[1]", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    const double qdrMHz = FallowmereSi5340BFreqMHz(Config.nSi5340BFreqSel[0]);
    for (int x = 0; x < 6; ++x)
        if (Config.bQdrII[x]) AddQdrIIGroup(board, static_cast<char>('A' + x), kQdr[x], qdrMHz);
    if (anyQdr) AddPairRzqGroup(board);
    if (object.IsSi5340AUsed()) AddPairSi5340Group(board, 'A', DIR_OUT);
    if (object.IsSi5340BUsed()) AddPairSi5340Group(board, 'B', DIR_OUT);
    if (Config.bRs422) {
        TPinGroup g("RS422");
        g.Pins({{"RS422_DOUT", kUnknownBall, DIR_OUT, IO_1V8},
                {"RS422_DIN", kUnknownBall, DIR_IN, IO_1V8},
                {"RS422_DE", kUnknownBall, DIR_OUT, IO_1V8},
                {"RS422_RE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"RJ45_LED_L", kUnknownBall, DIR_OUT, IO_1V8},
                {"RJ45_LED_R", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bTemperature) {
        TPinGroup g("Temperature");
        g.Pins({{"TEMP_I2C_SCL", kUnknownBall, DIR_OUT, IO_1V8}, {"TEMP_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPowerMonitor) {
        TPinGroup g("POWER Monitor");
        g.Pins({{"POWER_MONITOR_I2C_SCL", kUnknownBall, DIR_OUT, IO_1V8},
                {"POWER_MONITOR_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8},
                {"POWER_MONITOR_ALERT_n", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPcie) {
        TPinGroup g("PCIE");
        g.Pin("PCIE_SMBCLK", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_SMBDAT", kUnknownBall, DIR_INOUT, IO_1V8);
        g.Pin("PCIE_REFCLK_p", "AH40", DIR_IN, IO_HCSL);
        g.Bus("PCIE_TX_p[%d]", kPcieTx, 8, DIR_OUT, IO_HSSI);
        BusFirstBall(g, "PCIE_RX_p[%d]", 0, 8, "AU42", DIR_IN, IO_HSSI);
        g.Pin("PCIE_PERST_n", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_WAKE_n", kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    for (int x = 0; x < 4; ++x)
        if (Config.bQsfp[x])
            AddQsfpGroup(board, static_cast<char>('A' + x), kQsfp[x], FallowmereSi5340AFreqMHz(Config.nSi5340AFreqSel[x]),
                         DIR_OUT);
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
