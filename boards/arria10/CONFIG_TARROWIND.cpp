#include "boards/arria10/CONFIG_TARROWIND.h"

#include <iterator>
#include <vector>

#include "boards/arria10/ConfigSi5340Groups.h"
#include "boards/frame/ConfigFrame.h"

namespace {

const char* const kDevices[TConfigTarrowind::kDeviceCount] = {"10AX115N3F45I2SG", "10AX115N3F45E2SG",
                                                               "10AX115N2F45E1SG", "10AX090N3F45I2SG"};

// Telling balls; the others of each table are not known to us.
const char* const kHex0[] = {"AV10", "AV11", "AW8", "AY8", "AY9", "BA9", "AW10"};
const char* const kPcieRx[] = {"AU42", "AR42", "AN42", "AL42", "AJ42", "AG42", "AE42", "AC42"};
const char* const kPcieTx[] = {"AV44", "AT44", "AP44", "AM44", "AK44", "AH44", "AF44", "AD44"};
static_assert(std::size(kHex0) == 7 && std::size(kPcieRx) == 8 && std::size(kPcieTx) == 8);

const char* const kQdrRefClk[4] = {"L9", "N18", "G24", "M34"};
const char* const kQsfpRefClk[4] = {"AH5", "AD5", "Y5", "T5"};

// A bus of which no ball is known to us.
void UnknownBus(TPinGroup& group, const std::string& format, int count, PinDirection direction,
                IoStandard standard)
{
    BusFirstBall(group, format, 0, count, kUnknownBall, direction, standard);
}

// The 204 positions of a DDR3 SODIMM socket: the module's signals are
// located (socket A's first four given), power and ground positions empty.
std::vector<const char*> SocketLocations(bool socketB)
{
    if (socketB) return MasterLocations(204, Ddr3SodimmPositionsWithoutPin(), {});
    return MasterLocations(204, Ddr3SodimmPositionsWithoutPin(),
                           {{4, "AH35"}, {5, "AH32"}, {6, "AJ35"}, {7, "AH33"}});
}

void AddSocket(TMainBoard* board, bool socketB, double refClkMHz)
{
    TConnector* master = AddMaster(board, "DDR3 SODIMM", socketB ? "DDR3 SODIMM_B" : "DDR3 SODIMM_A",
                                   CONNECTOR_DDR3_SODIMM, socketB ? TARROWIND_DDR3B_MASTER : TARROWIND_DDR3A_MASTER,
                                   SocketLocations(socketB));
    auto* refClk = new TPin(socketB ? "DDR3B_REFCLK_p" : "DDR3A_REFCLK_p", socketB ? "AP14" : "AV33", DIR_IN,
                            IO_LVDS, 0);
    refClk->SetClockFrequency(refClkMHz, 6);
    master->AddPin(refClk);
}

void AddQdr(TMainBoard* board, int x, double refClkMHz)
{
    const char letter = static_cast<char>('A' + x);
    auto name = [&](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name("QDRII%c"));
    UnknownBus(g, name("QDRII%c_A[%d]"), 22, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_BWS_n[0]"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_BWS_n[1]"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_CQ_n"), kUnknownBall, DIR_IN, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_CQ_p"), kUnknownBall, DIR_IN, IO_1V8_HSTL_I);
    UnknownBus(g, name("QDRII%c_D[%d]"), 18, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_DOFF_n"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_K_n"), kUnknownBall, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    g.Pin(name("QDRII%c_K_p"), kUnknownBall, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    g.Pin(name("QDRII%c_ODT"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    UnknownBus(g, name("QDRII%c_Q[%d]"), 18, DIR_IN, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_QVLD"), kUnknownBall, DIR_IN, IO_1V8_HSTL_I);
    g.ReferenceClock(name("QDRII%c_REFCLK_p"), kQdrRefClk[x], IO_LVDS, refClkMHz, 6);
    g.Pin(name("QDRII%c_RPS_n"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_WPS_n"), kUnknownBall, DIR_OUT, IO_1V8_HSTL_I);
    g.AddTo(board);
}

void AddQsfp(TMainBoard* board, int x, double refClkMHz)
{
    const char letter = static_cast<char>('A' + x);
    auto name = [&](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name("QSFP%c"));
    g.Pin(name("QSFP%c_INTERRUPT_n"), kUnknownBall, DIR_IN, IO_1V8);
    g.Pin(name("QSFP%c_LP_MODE"), kUnknownBall, DIR_OUT, IO_1V8);
    g.Pin(name("QSFP%c_MOD_PRS_n"), kUnknownBall, DIR_IN, IO_1V8);
    g.Pin(name("QSFP%c_MOD_SEL_n"), kUnknownBall, DIR_OUT, IO_1V8);
    g.ReferenceClock(name("QSFP%c_REFCLK_p"), kQsfpRefClk[x], IO_LVDS, refClkMHz, 6);
    g.Pin(name("QSFP%c_RST_n"), kUnknownBall, DIR_OUT, IO_1V8);
    UnknownBus(g, name("QSFP%c_RX_p[%d]"), 4, DIR_IN, IO_HSSI);
    g.Pin(name("QSFP%c_SCL"), kUnknownBall, DIR_OUT, IO_1V8);
    g.Pin(name("QSFP%c_SDA"), kUnknownBall, DIR_INOUT, IO_1V8);
    UnknownBus(g, name("QSFP%c_TX_p[%d]"), 4, DIR_OUT, IO_HSSI);
    g.AddTo(board);
}

}  // namespace

void CONFIG_TARROWIND(TMainBoard* board, TConfigTarrowind& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigTarrowind::TARROWIND_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_TARROWIND, TConfigTarrowind::TARROWIND_CONFIG);
    board->ClearConnectors();
    // A device choice outside the list (a hand-made file) is the first device.
    const int device = Config.nDevice < TConfigTarrowind::kDeviceCount ? Config.nDevice : 0;
    SetDevice(board, {.Family = "Arria 10", .PinCount = 1932, .Package = "FBGA", .SpeedGradeText = nullptr,
                      .SpeedGrade = 0, .Part = kDevices[device]});

    // The controllers of the clock generators run from CLK_50_B2J, are reset
    // by CPU_RESET_n and started by BUTTON[0].
    const bool clocksInUse = object.IsSi5340AUsed() || object.IsSi5340BUsed();
    const int32_t ddr3Choice = Config.nSi5340BFreq[0];
    const int32_t qdrChoice = Config.nSi5340BFreq[1];
    const int32_t pcieChoice = Config.nSi5340BFreq[2];

    if (Config.bKEY || clocksInUse) {
        TPinGroup g("KEY");
        g.Pin("BUTTON[0]", "AJ13", DIR_IN, IO_1V5);
        if (Config.bKEY) BusFirstBall(g, "BUTTON[%d]", 1, 3, kUnknownBall, DIR_IN, IO_1V5);
        g.Pin("CPU_RESET_n", "AP24", DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bCLOCK || clocksInUse) {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_50_B2J", "W36", IO_1V8, 50, 6);
        if (Config.bCLOCK) {
            g.ReferenceClock("CLK_50_B2L", "H32", IO_1V8, 50, 6);
            g.ReferenceClock("CLK_50_B3D", "AN7", IO_1V8, 50, 6);
            g.ReferenceClock("CLK_50_B3F", "G12", IO_1V8, 50, 6);
            g.ReferenceClock("CLK_50_B3H", "D21", IO_1V8, 50, 6);
            g.ReferenceClock("CLK_100_B3D", "AH11", IO_1V8, 100, 6);
            g.ReferenceClock("CLKUSR_100", "AV26", IO_1V8, 100, 6);
        }
        g.AddTo(board);
    }
    if (Config.bSW) {
        TPinGroup g("SW");
        UnknownBus(g, "SW[%d]", 2, DIR_IN, IO_1V5);
        g.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup led("LED");
        UnknownBus(led, "LED[%d]", 4, DIR_OUT, IO_1V8);
        led.AddTo(board);
        TPinGroup bracket("LED_BRACKET");
        UnknownBus(bracket, "LED_BRACKET[%d]", 4, DIR_OUT, IO_1V8);
        bracket.AddTo(board);
    }
    if (Config.bSEG7) {
        TPinGroup g("SEG7");
        g.Bus("HEX0_D[%d]", kHex0, 7, DIR_OUT, IO_1V5);
        g.Pin("HEX0_DP", kUnknownBall, DIR_OUT, IO_1V5);
        UnknownBus(g, "HEX1_D[%d]", 7, DIR_OUT, IO_1V5);
        g.Pin("HEX1_DP", kUnknownBall, DIR_OUT, IO_1V5);
        g.AddTo(board);
    }
    if (Config.bDDR3A) AddSocket(board, false, TarrowindDdr3RefClkMHz(ddr3Choice));
    if (Config.bDDR3B) AddSocket(board, true, TarrowindDdr3RefClkMHz(ddr3Choice));
    if (Config.bFAN) {
        TPinGroup g("FAN");
        g.Pins({{"FAN_ALERT_n", kUnknownBall, DIR_IN, IO_1V5},
                {"FAN_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V5},
                {"FAN_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V5}});
        g.AddTo(board);
    }
    if (Config.bFLASH) {
        TPinGroup g("FLASH");
        BusFirstBall(g, "FLASH_A[%d]", 1, 26, kUnknownBall, DIR_OUT, IO_1V8);
        g.Pins({{"FLASH_ADV_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_CE_n[0]", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_CE_n[1]", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_CLK", kUnknownBall, DIR_OUT, IO_1V8}});
        UnknownBus(g, "FLASH_D[%d]", 32, DIR_INOUT, IO_1V8);
        g.Pins({{"FLASH_OE_n", kUnknownBall, DIR_INOUT, IO_1V8},
                {"FLASH_RDY_BSY_n[0]", kUnknownBall, DIR_IN, IO_1V8},
                {"FLASH_RDY_BSY_n[1]", kUnknownBall, DIR_IN, IO_1V8},
                {"FLASH_RESET_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"FLASH_WE_n", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPcieRefClock && TarrowindPcieRefClkMHz(pcieChoice) > 0) {
        // Not marked as a clock: the transceiver reference clock has no
        // timing constraint of its own.
        TPinGroup g("PCIe On-Board Ref Clock");
        g.Pin("OB_PCIE_REFCLK_p", "AK40", DIR_IN, IO_LVDS);
        g.AddTo(board);
    }
    if (Config.bPCIE) {
        TPinGroup g("PCIE");
        g.Pin("PCIE_PERST_n", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_REFCLK_p", "AH40", DIR_IN, IO_HCSL);
        g.Bus("PCIE_RX_p[%d]", kPcieRx, 8, DIR_IN, IO_HSSI);
        g.Pin("PCIE_SMBCLK", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_SMBDAT", kUnknownBall, DIR_INOUT, IO_1V8);
        g.Bus("PCIE_TX_p[%d]", kPcieTx, 8, DIR_OUT, IO_HSSI);
        g.Pin("PCIE_WAKE_n", kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bPowerMonitor) {
        TPinGroup g("POWER Monitor");
        g.Pins({{"POWER_MONITOR_ALERT", kUnknownBall, DIR_IN, IO_1V8},
                {"POWER_MONITOR_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V8},
                {"POWER_MONITOR_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V8}});
        g.AddTo(board);
    }
    const uint8_t qdr[4] = {Config.bQDRIIA, Config.bQDRIIB, Config.bQDRIIC, Config.bQDRIID};
    for (int x = 0; x < 4; ++x)
        if (qdr[x]) AddQdr(board, x, TarrowindQdrRefClkMHz(qdrChoice));
    const uint8_t qsfp[4] = {Config.bQSFPA, Config.bQSFPB, Config.bQSFPC, Config.bQSFPD};
    for (int x = 0; x < 4; ++x)
        if (qsfp[x]) AddQsfp(board, x, TarrowindSi5340AFreqMHz(Config.nSi5340AFreq[x]));
    if (Config.bRS422) {
        TPinGroup g("RS422");
        g.Pins({{"RS422_DE", kUnknownBall, DIR_OUT, IO_1V8},
                {"RS422_DIN", kUnknownBall, DIR_IN, IO_1V8},
                {"RS422_DOUT", kUnknownBall, DIR_OUT, IO_1V8},
                {"RS422_RE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"RJ45_LED_L", kUnknownBall, DIR_OUT, IO_1V8},
                {"RJ45_LED_R", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bDDR3A || Config.bDDR3B || qdr[0] || qdr[1] || qdr[2] || qdr[3]) {
        TPinGroup g("RZQ");
        g.Pins({{"RZQ_DDR3_A", kUnknownBall, DIR_IN, IO_1V5},
                {"RZQ_DDR3_B", kUnknownBall, DIR_IN, IO_1V5},
                {"RZQ_QDRII_A", kUnknownBall, DIR_IN, IO_1V8},
                {"RZQ_QDRII_B", kUnknownBall, DIR_IN, IO_1V8},
                {"RZQ_QDRII_C", kUnknownBall, DIR_IN, IO_1V8},
                {"RZQ_QDRII_D", kUnknownBall, DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (object.IsSi5340AUsed()) {
        TPinGroup g("SI5340A");
        g.Pins({{"SI5340A_I2C_SCL", "AJ11", DIR_INOUT, IO_1V8},
                {"SI5340A_I2C_SDA", "AN8", DIR_INOUT, IO_1V8},
                {"SI5340A_INTR", kUnknownBall, DIR_IN, IO_1V8},
                {"SI5340A_OE_n", kUnknownBall, DIR_OUT, IO_1V8},
                {"SI5340A_RST_n", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (object.IsSi5340BUsed()) {
        TPinGroup g("SI5340B");
        g.Pins({{"SI5340B_I2C_SCL", "G37", DIR_INOUT, IO_1V8},
                {"SI5340B_I2C_SDA", "H31", DIR_INOUT, IO_1V8},
                {"SI5340B_INTR", kUnknownBall, DIR_IN, IO_1V8},
                {"SI5340B_OE_n", kUnknownBall, DIR_OUT, IO_1V5},
                {"SI5340B_RST_n", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bSMA) {
        TPinGroup g("SMA");
        g.Pins({{"SMA_CLKIN", kUnknownBall, DIR_IN, IO_1V8}, {"SMA_CLKOUT", kUnknownBall, DIR_OUT, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bTemperature) {
        TPinGroup g("Temperature");
        g.Pins({{"TEMP_I2C_SCL", kUnknownBall, DIR_INOUT, IO_1V5},
                {"TEMP_I2C_SDA", kUnknownBall, DIR_INOUT, IO_1V5},
                {"TEMP_INT_n", kUnknownBall, DIR_IN, IO_1V5},
                {"TEMP_OVERT_n", kUnknownBall, DIR_IN, IO_1V5}});
        g.AddTo(board);
    }
}

void AttachTarrowindDdr3Sodimm(TMainBoard* board, bool socketB)
{
    board->AttachDdr3SodimmAlt(socketB ? TARROWIND_DDR3B_MASTER : TARROWIND_DDR3A_MASTER, socketB ? "DDR3B_" : "DDR3A_",
                               {.differential = true, .busStandard = 0, .addressStandard = 0});
}
