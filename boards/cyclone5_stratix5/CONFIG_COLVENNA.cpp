#include "boards/cyclone5_stratix5/CONFIG_COLVENNA.h"

#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "cards/FmcPinTable.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

// The FPGA parts of the board, by the record's nBoardType.
struct TPart {
    const char* Device;
    const char* SpeedGrade;
};
const TPart kParts[] = {
    {"5SGXEA7N2F45C2", "C2"},
    {"5SGXEABN2F45C2", "C2"},
    {"5SGXEABN3F45I3YY", "I3"},
};

constexpr double OSC_MHZ = 50.0;
constexpr int FREQUENCY_DECIMALS = 5;

// The 50 MHz oscillators, in the order of the CLOCK group. The banks of the
// last five follow the FMC cards.
enum { OSC_B3B, OSC_B4A, OSC_B4D, OSC_B7A, OSC_B7D, OSC_B8A, OSC_B8D, OSC_COUNT };
const TPinRow kOscillators[OSC_COUNT] = {
    {"OSC_50_B3B", "AW35", DIR_IN, IO_1V5}, {"OSC_50_B4A", "AP10", DIR_IN, IO_1V5},
    {"OSC_50_B4D", "AY18", DIR_IN, IO_2V5}, {"OSC_50_B7A", "M8", DIR_IN, IO_2V5},
    {"OSC_50_B7D", "J18", DIR_IN, IO_2V5},  {"OSC_50_B8A", "R36", DIR_IN, IO_2V5},
    {"OSC_50_B8D", "R25", DIR_IN, IO_2V5},
};
constexpr TPinRow kCpuReset = {"CPU_RESET_n", "BC37", DIR_IN, IO_2V5};

const char* const kButtons[] = {"BC7", "BD7", "BB8", "BB9"};
const char* const kSwitches[] = {"AT9", "AU8", "AK9", "AL9"};
const char* const kLeds[] = {"AT32", "BA31", "AN27", "AH27"};
const char* const kSdData[] = {"AV37", "AY37", "BB36", "AW37"};
const char* const kPcieTx[] = {"AY39", "AV39", "AT39", "AU41"};
const char* const kPcieRx[] = {"BB43", "BA41", "AW41", "AY43"};

// The address lines start at FSM_A[1].
constexpr TBusEnds kFsmAddress = {"FSM_A[%d]", 26, "AE11", "BB11", DIR_OUT, IO_2V5, 1};
constexpr TBusEnds kFsmData = {"FSM_D[%d]", 16, "AG10", "AJ12", DIR_INOUT, IO_2V5};

// The reference clocks of the clock chips' outputs, in the order of the
// record's choices.
const char* const kLmk04906Clocks[LMK04906_OUTPUTS][2] = {
    {"FMCA_ONBOARD_REFCLK_p[1]", "T38"},
    {"FMCB_ONBOARD_REFCLK_p[0]", "AD39"},
    {"FMCC_ONBOARD_REFCLK_p[0]", "AD6"},
    {"FMCD_ONBOARD_REFCLK_p[1]", "T7"},
};
const char* const kCdcm6208Clocks[CDCM6208_OUTPUTS][2] = {
    {"FMCA_ONBOARD_REFCLK_p[0]", "Y38"},  {"FMCD_ONBOARD_REFCLK_p[0]", "Y7"},
    {"SATA_HOST_REFCLK_p", "AH6"},        {"SATA_DEVICE_REFCLK_p", "AK7"},
    {"PCIE_ONBOARD_REFCLK_p", "AH39"},    {"DDR3_REFCLK_p", "BB33"},
};

// The DDR3 SODIMM socket: of its 124 located positions the board's data
// gives 4, 5, 6, 200 and 202.
constexpr int DDR3_SODIMM_POSITIONS = 204;
const std::initializer_list<TGivenBall> kDdr3Balls = {{4, "AH30"}, {5, "AH31"}, {6, "AJ30"}, {200, "AJ29"},
                                                      {202, "AT29"}};

// The GPIO header: 40 positions, 11, 12, 29 and 30 without an FPGA pin.
constexpr int GPIO_POSITIONS = 40;
const std::initializer_list<TGivenBall> kGpioBalls = {{1, "AU36"},  {2, "AE36"},  {10, "AH34"}, {13, "AL35"},
                                                      {28, "BA25"}, {31, "AR23"}, {40, "BB23"}};

// The FMC connectors: 400 positions, row by row (A to H, J, K), 40 columns
// each. The located columns of each row; the other positions have no FPGA
// pin. An LPC connector has rows C, D, G and H only.
struct TFmcRow {
    char Row;
    const char* Columns;  // single columns and ranges
    bool Lpc;
};
const TFmcRow kFmcRows[] = {
    {'A', "2, 6, 10, 14, 18, 22, 26, 30, 34, 38", false},
    {'B', "4, 8, 12, 16, 20, 24, 28, 32, 36", false},
    {'C', "2, 6, 10-11, 14-15, 18-19, 22-23, 26-27, 30-31, 34", true},
    {'D', "4, 8-9, 11-12, 14-15, 17-18, 20-21, 23-24, 26-27, 35", true},
    {'E', "2-3, 6-7, 9-10, 12-13, 15-16, 18-19, 21-22, 24-25, 27-28, 30-31, 33-34, 36-37", false},
    {'F', "4-5, 7-8, 10-11, 13-14, 16-17, 19-20, 22-23, 25-26, 28-29, 31-32, 34-35, 37-38", false},
    {'G', "2-3, 6-7, 9-10, 12-13, 15-16, 18-19, 21-22, 24-25, 27-28, 30-31, 33-34, 36-37", true},
    {'H', "4-5, 7-8, 10-11, 13-14, 16-17, 19-20, 22-23, 25-26, 28-29, 31-32, 34-35, 37-38", true},
    {'J', "2-3, 6-7, 9-10, 12-13, 15-16, 18-19, 21-22, 24-25, 27-28, 30-31, 33-34, 36-37", false},
    {'K', "4-5, 7-8, 10-11, 13-14, 16-17, 19-20, 22-23, 25-26, 28-29, 31-32, 34-35, 37-38", false},
};
struct TFmcBall {
    const char* Label;  // row letter and column
    const char* Ball;
};
// The balls the board's data gives, by connector.
const std::vector<TFmcBall> kFmcBalls[FMC_COUNT] = {
    {{"A2", "Y43"}, {"C2", "W41"}, {"G2", "G29"}, {"K38", "A17"}},
    {{"C2", "AL41"}, {"G2", "B37"}},
    {{"C2", "AL4"}, {"G2", "AJ15"}},
    {{"A2", "Y2"}, {"C2", "W4"}, {"G2", "B8"}, {"K38", "BB15"}},
};

bool IsHpc(int fmc) { return fmc == FMC_A || fmc == FMC_D; }

// The columns of a list such as "2, 6, 10-11".
std::vector<int> Columns(const char* list)
{
    std::vector<int> columns;
    for (const char* p = list; *p != '\0';) {
        if (*p < '0' || *p > '9') {
            ++p;
            continue;
        }
        int first = 0;
        while (*p >= '0' && *p <= '9') first = first * 10 + (*p++ - '0');
        int last = first;
        if (*p == '-') {
            last = 0;
            ++p;
            while (*p >= '0' && *p <= '9') last = last * 10 + (*p++ - '0');
        }
        PL_ASSERT(first >= 1 && first <= last && last <= 40);
        for (int column = first; column <= last; ++column) columns.push_back(column);
    }
    return columns;
}

std::vector<const char*> FmcLocations(int fmc)
{
    std::vector<const char*> locations(FMC_HPC_PIN_NUM, kNoPin);
    for (const TFmcRow& row : kFmcRows) {
        if (!IsHpc(fmc) && !row.Lpc) continue;
        const char label[2] = {row.Row, '\0'};
        const int rowStart = FmcPosition((std::string(label) + "1").c_str()) - 1;
        for (int column : Columns(row.Columns)) locations[static_cast<size_t>(rowStart + column - 1)] = kUnknownBall;
    }
    for (const TFmcBall& ball : kFmcBalls[fmc]) {
        const size_t at = static_cast<size_t>(FmcPosition(ball.Label) - 1);
        PL_ASSERT(locations[at] != kNoPin);
        locations[at] = ball.Ball;
    }
    return locations;
}

void AddOscillator(TPinGroup& group, const TPinRow& row, IoStandard standard)
{
    group.ReferenceClock(row.Name, row.Ball, standard, OSC_MHZ, FREQUENCY_DECIMALS);
}

// A one-pin group for a pin that a clock chip's controller uses while the
// group that holds it is not ticked.
void AddStandIn(TMainBoard* board, const TPinRow& row, bool clock)
{
    TPinGroup group(row.Name);
    if (clock)
        AddOscillator(group, row, row.Standard);
    else
        group.Pin(row.Name, row.Ball, row.Direction, row.Standard);
    group.AddTo(board);
}

}  // namespace

void CONFIG_COLVENNA(TMainBoard* board, TConfigColvenna* pConfig)
{
    board->m_pConfig = pConfig;
    const COLVENNA_CONFIG& Config = pConfig->m_Config;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_COLVENNA, TConfigColvenna::COLVENNA_CONFIG);
    board->ClearConnectors();

    // The I/O standards of the FMC banks; the clocks in the banks of FMC-A
    // and FMC-D follow FMC-D where FMC-A is at 2.5 V and FMC-D is not.
    const IoStandard ioA = FmcBankIoStandard(Config, FMC_A);
    const IoStandard ioB = FmcBankIoStandard(Config, FMC_B);
    const IoStandard ioC = FmcBankIoStandard(Config, FMC_C);
    const IoStandard ioD = FmcBankIoStandard(Config, FMC_D);
    const IoStandard ioAD = ioA == IO_2V5 && ioD != IO_2V5 ? ioD : ioA;

    board->m_Family = "Stratix V";
    if (Config.nBoardType < std::size(kParts)) {
        board->m_Device = kParts[Config.nBoardType].Device;
        board->m_SpeedGradeText = kParts[Config.nBoardType].SpeedGrade;
    }
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";

    bool anyFmc = false;
    for (int i = 0; i < FMC_COUNT; ++i) anyFmc = anyFmc || Config.nFmcDaughterId[i] > 0;
    const bool anyChip = Config.bCdcm6208 || Config.bLmk04906;

    // 1. Clocks; without them, the oscillator each programmed chip runs on.
    if (Config.bClock) {
        const IoStandard standards[OSC_COUNT] = {IO_1V5, IO_1V5, ioC, ioAD, ioAD, ioB, ioAD};
        TPinGroup group("CLOCK");
        for (int n = 0; n < OSC_COUNT; ++n) AddOscillator(group, kOscillators[n], standards[n]);
        group.AddTo(board);
    } else {
        if (Config.bCdcm6208) AddStandIn(board, kOscillators[OSC_B3B], true);
        if (Config.bLmk04906) AddStandIn(board, kOscillators[OSC_B4A], true);
    }
    // 2. Buttons and the reset; without them, the reset of the chips' controllers.
    if (Config.bButton) {
        TPinGroup group("KEY");
        group.Bus("BUTTON[%d]", kButtons, 4, DIR_IN, IO_1V5);
        group.Pin(kCpuReset.Name, kCpuReset.Ball, kCpuReset.Direction, kCpuReset.Standard);
        group.AddTo(board);
    } else if (anyChip) {
        AddStandIn(board, kCpuReset, false);
    }
    if (Config.bSwitch) {
        TPinGroup group("SW");
        group.Bus("SW[%d]", kSwitches, 4, DIR_IN, IO_1V5);
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED");
        group.Bus("LED[%d]", kLeds, 4, DIR_OUT, IO_1V5);
        group.AddTo(board);
    }
    if (Config.bFan) AddGroup(board, "FAN", {{"FAN_ALERT_n", "AM11", DIR_IN, IO_1V5}});
    if (Config.bSsram) {
        AddGroup(board, "SSRAM",
                 {{"SSRAM_CLK", "AP13", DIR_OUT, IO_2V5},
                  {"SSRAM_CKE_n", "AW24", DIR_OUT, IO_2V5},
                  {"SSRAM_CE_n", "AP24", DIR_OUT, IO_2V5},
                  {"SSRAM_WE_n", "AV11", DIR_OUT, IO_2V5},
                  {"SSRAM_OE_n", "AU10", DIR_OUT, IO_2V5},
                  {"SSRAM_ADV", "BC26", DIR_OUT, IO_2V5},
                  {"SSRAM_BWA_n", "AY25", DIR_OUT, IO_2V5},
                  {"SSRAM_BWB_n", "BA24", DIR_OUT, IO_2V5}});
    }
    if (Config.bFlash) {
        AddGroup(board, "FLASH",
                 {{"FLASH_CLK", "AU11", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n", "AU24", DIR_OUT, IO_2V5},
                  {"FLASH_WE_n", "AT12", DIR_OUT, IO_2V5},
                  {"FLASH_OE_n", "AP12", DIR_OUT, IO_2V5},
                  {"FLASH_ADV_n", "BD26", DIR_OUT, IO_2V5},
                  {"FLASH_RESET_n", "AV25", DIR_OUT, IO_2V5},
                  {"FLASH_RDY_BSY_n", "AU25", DIR_IN, IO_2V5}});
    }
    if (Config.bFlash || Config.bSsram) {
        TPinGroup group("Share Bus for Flash and SSRAM");
        group.Bus(kFsmAddress);
        group.Bus(kFsmData);
        group.AddTo(board);
    }
    if (Config.bSdCard) {
        TPinGroup group("SD Card");
        group.Pin("SD_CLK", "BB39", DIR_OUT, IO_2V5);
        group.Bus("SD_DATA[%d]", kSdData, 4, DIR_INOUT, IO_2V5);
        group.Pin("SD_CMD", "BA36", DIR_INOUT, IO_2V5);
        group.AddTo(board);
    }
    // 10. The DDR3 SODIMM socket.
    if (Config.bDdr3) {
        const auto locations = MasterLocations(DDR3_SODIMM_POSITIONS, Ddr3SodimmPositionsWithoutPin(), kDdr3Balls);
        AddMaster(board, "DDR3 SODIMM", "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, COLVENNA_DDR3_MASTER_ID, locations);
    }
    // 11. The calibration resistors of the DDR3 and FMC banks.
    if (Config.bDdr3 || anyFmc) {
        TPinGroup group(Config.bDdr3 && anyFmc ? "RZQ for FMC and DDR3"
                        : Config.bDdr3          ? "RZQ for DDR3"
                                                : "RZQ for FMC");
        if (Config.bDdr3) group.Pin("RZQ_DDR3", "AR8", DIR_IN, IO_1V5);
        if (anyFmc) group.Pin("RZQ_FMC", "H9", DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bUart2Usb) {
        AddGroup(board, "Uart to Usb", {{"UART_TX", "T26", DIR_OUT, IO_2V5}, {"UART_RX", "T25", DIR_IN, IO_2V5}});
    }
    // 13. The LMK04906 and the reference clocks of its outputs in use.
    if (Config.bLmk04906) {
        TPinGroup group("LMK04906B External PLL");
        group.Pins({{"LMK04906_CLK", "AT24", DIR_OUT, IO_2V5},
                    {"LMK04906_DATAIN", "BD25", DIR_OUT, IO_2V5},
                    {"LMK04906_DATAOUT", "BC29", DIR_IN, IO_1V5},
                    {"LMK04906_LE", "AT33", DIR_OUT, IO_1V5}});
        for (int k = 0; k < LMK04906_OUTPUTS; ++k) {
            const float mhz = Lmk04906FreqMHz(Config, k);
            if (mhz > 0)
                group.ReferenceClock(kLmk04906Clocks[k][0], kLmk04906Clocks[k][1], IO_LVDS, mhz, FREQUENCY_DECIMALS);
        }
        group.AddTo(board);
    }
    // 14. The CDCM6208 and the reference clocks of its outputs in use.
    if (Config.bCdcm6208) {
        TPinGroup group("CDCM6208 External PLL");
        group.Pins({{"CLOCK_SCL", "AR25", DIR_OUT, IO_2V5}, {"CLOCK_SDA", "BC25", DIR_INOUT, IO_2V5}});
        for (int k = 0; k < CDCM6208_OUTPUTS; ++k) {
            const float mhz = Cdcm6208FreqMHz(Config, k);
            if (mhz > 0)
                group.ReferenceClock(kCdcm6208Clocks[k][0], kCdcm6208Clocks[k][1], IO_LVDS, mhz, FREQUENCY_DECIMALS);
        }
        group.AddTo(board);
    }
    if (Config.bTemperature || Config.bFan || Config.bPowerMonitor) {
        AddGroup(board, "I2C for Temperature-Sensor or Fan-Control or Power-Monitor",
                 {{"FPGA_I2C_SCL", "AN11", DIR_INOUT, IO_1V5}, {"FPGA_I2C_SDA", "AP9", DIR_INOUT, IO_1V5}});
    }
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_INT_n", "AT8", DIR_IN, IO_1V5}, {"TEMP_OVERT_n", "AR9", DIR_IN, IO_1V5}});
    }
    if (Config.bPowerMonitor) AddGroup(board, "POWER Monitor", {{"POWER_MONITOR_ALERT", "AY9", DIR_IN, IO_1V5}});
    if (Config.bPcie) {
        TPinGroup group("PCIE");
        group.Pin("PCIE_REFCLK_p", "AK38", DIR_IN, IO_HCSL);
        group.Bus("PCIE_TX_p[%d]", kPcieTx, 4, DIR_OUT, IO_1V4_PCML);
        group.Bus("PCIE_RX_p[%d]", kPcieRx, 4, DIR_IN, IO_1V4_PCML);
        group.Pins({{"PCIE_PERST_n", "AU33", DIR_IN, IO_1V5}, {"PCIE_WAKE_n", "BD35", DIR_OUT, IO_1V5}});
        group.AddTo(board);
    }
    if (Config.bSataHost) {
        AddGroup(board, "Sata Host",
                 {{"SATA_HOST_TX_p", "AU4", DIR_OUT, IO_1V4_PCML}, {"SATA_HOST_RX_p", "AY2", DIR_IN, IO_1V4_PCML}});
    }
    if (Config.bSataDevice) {
        AddGroup(board, "Sata Device",
                 {{"SATA_DEVICE_TX_p", "AY6", DIR_OUT, IO_1V4_PCML}, {"SATA_DEVICE_RX_p", "BB2", DIR_IN, IO_1V4_PCML}});
    }
    if (Config.bSma) {
        AddGroup(board, "SMA",
                 {{"SMA_CLKIN_p", "BC8", DIR_IN, IO_DIFF_1V5_HSTL_I},
                  {"SMA_CLKOUT_p", "AV8", DIR_OUT, IO_DIFF_1V5_HSTL_I}});
    }
    // 22. The GPIO header.
    if (Config.nGpioDaughterId != 0) {
        AddMaster(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(Config.nGpioDaughterId).c_str()),
                  CONNECTOR_GPIO40, COLVENNA_GPIO_MASTER_ID,
                  MasterLocations(GPIO_POSITIONS, GpioHeaderPositionsWithoutPin(), kGpioBalls));
    }
    // 23-26. The FMC connectors, each carrying its card's id.
    for (int i = 0; i < FMC_COUNT; ++i) {
        const DaughterId card = Config.nFmcDaughterId[i];
        if (card == 0) continue;
        const char letter = static_cast<char>('A' + i);
        AddMaster(board, Format("FMC%c", letter),
                  Format("FMC%c connect to %s", letter, GetCardDisplayName(card).c_str()),
                  IsHpc(i) ? CONNECTOR_FMC_HPC : CONNECTOR_FMC_LPC, COLVENNA_FMC_MASTER_ID + i, FmcLocations(i),
                  card);
    }
}
