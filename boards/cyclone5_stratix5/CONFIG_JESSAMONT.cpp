#include "boards/cyclone5_stratix5/CONFIG_JESSAMONT.h"

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Cyclone V", 672, "FBGA", "C7", 0, "5CGTFD9D5F27C7"};

// The buses of which the board's data gives the first and the last ball.
constexpr TBusEnds kHex0 = {"HEX0[%d]", 7, "T8", "U26", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kHex1 = {"HEX1[%d]", 7, "T7", "N25", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kDramAddress = {"DRAM_ADDR[%d]", 13, "D26", "M25", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kDramData = {"DRAM_DQ[%d]", 16, "L24", "M22", DIR_INOUT, IO_3V3_LVTTL};
constexpr TBusEnds kDdr3Address = {"DDR3_ADDR[%d]", 15, "AE6", "W11", DIR_OUT, IO_SSTL15_I};
constexpr TBusEnds kDdr3Data = {"DDR3_DQ[%d]", 32, "AA14", "AF23", DIR_INOUT, IO_SSTL15_I};
constexpr TBusEnds kArduinoIo = {"ARD_IO[%d]", 16, "Y26", "AA24", DIR_INOUT, IO_3V3_LVTTL};

// A clock input marked by its frequency as "%f MHz", without a period.
void AddClock(TPinGroup& group, const char* name, const char* ball, IoStandard standard, double mhz)
{
    TPin* pin = group.Pin(name, ball, DIR_IN, standard);
    pin->SetIsClock(true);
    pin->SetClockFrequencyText(Format("%f MHz", mhz));
}

void AddSdram(TMainBoard* board)
{
    TPinGroup group("SDRAM");
    group.Pins({{"DRAM_CLK", "F26", DIR_OUT, IO_3V3_LVTTL}, {"DRAM_CKE", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    group.Bus(kDramAddress);
    group.Pins({{"DRAM_BA[0]", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}, {"DRAM_BA[1]", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    group.Bus(kDramData);
    group.Pins({{"DRAM_LDQM", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_UDQM", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CS_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_WE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_CAS_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"DRAM_RAS_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    group.AddTo(board);
}

void AddDdr3(TMainBoard* board)
{
    TPinGroup group("DDR3");
    group.Bus(kDdr3Address);
    for (int n = 0; n < 3; ++n) group.Pin(Format("DDR3_BA[%d]", n), kUnknownBall, DIR_OUT, IO_SSTL15_I);
    group.Pins({{"DDR3_CK_p", "N10", DIR_OUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_CK_n", "P10", DIR_OUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_CKE", kUnknownBall, DIR_OUT, IO_SSTL15_I}});
    for (int n = 0; n < 4; ++n) group.Pin(Format("DDR3_DQS_p[%d]", n), kUnknownBall, DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    for (int n = 0; n < 4; ++n) group.Pin(Format("DDR3_DQS_n[%d]", n), kUnknownBall, DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    group.Bus(kDdr3Data);
    for (int n = 0; n < 4; ++n) group.Pin(Format("DDR3_DM[%d]", n), kUnknownBall, DIR_OUT, IO_SSTL15_I);
    group.Pins({{"DDR3_CS_n", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_WE_n", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_CAS_n", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_RAS_n", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_RESET_n", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_ODT", kUnknownBall, DIR_OUT, IO_SSTL15_I},
                {"DDR3_RZQ", "AE11", DIR_IN, IO_1V5}});
    group.AddTo(board);
}

void AddPcie(TMainBoard* board)
{
    TPinGroup group("PCIE");
    group.Pins({{"PCIE_SMBCLK", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                {"PCIE_SMBDAT", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
    AddClock(group, "PCIE_REFCLK_p", "V6", IO_HCSL, 100);
    for (int n = 0; n < 4; ++n)
        group.Pin(Format("PCIE_TX_p[%d]", n), n == 0 ? "AE4" : kUnknownBall, DIR_OUT, IO_1V5_PCML);
    for (int n = 0; n < 4; ++n)
        group.Pin(Format("PCIE_RX_p[%d]", n), n == 0 ? "AD2" : kUnknownBall, DIR_IN, IO_1V5_PCML);
    group.Pins({{"PCIE_PERST_n", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                {"PCIE_WAKE_n", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
    group.AddTo(board);
}

// One header's 40 positions: its power and ground pins (11, 12, 29, 30) have
// no FPGA pin; of the others the board's data gives positions 1 and 40.
std::vector<const char*> HeaderLocations(const char* first, const char* last)
{
    return MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, first}, {GPIO_PIN_NUM, last}});
}

void AddGpioMasters(TMainBoard* board, const JESSAMONT_CONFIG& Config)
{
    const std::vector<const char*> header[2] = {HeaderLocations("G15", "B17"), HeaderLocations("L8", "J7")};
    const DaughterId card0 = Config.nGpioDaughterId[GPIO_0];
    if (GetCardConnectorType(card0) == CONNECTOR_GPIO80) {
        PL_ASSERT(Config.nGpioDaughterId[GPIO_0]);
        PL_ASSERT(Config.nGpioDaughterId[GPIO_1]);
        std::vector<const char*> both = header[GPIO_0];
        both.insert(both.end(), header[GPIO_1].begin(), header[GPIO_1].end());
        const int nNum = static_cast<int>(both.size());
        PL_ASSERT(nNum == GPIO_PIN_NUM * 2);
        AddMaster(board, "GPIO_0_1", Format("GPIO_0_1 connect to %s", GetCardDisplayName(card0).c_str()),
                  CONNECTOR_GPIO80, JESSAMONT_GPIO01_MASTER_ID, both);
        return;
    }
    const int32_t masterIds[2] = {JESSAMONT_GPIO0_MASTER_ID, JESSAMONT_GPIO1_MASTER_ID};
    for (int h = GPIO_0; h <= GPIO_1; ++h) {
        const DaughterId card = Config.nGpioDaughterId[h];
        if (card == 0) continue;
        const int nNum = static_cast<int>(header[h].size());
        PL_ASSERT(nNum == GPIO_PIN_NUM);
        AddMaster(board, Format("GPIO_%d", h), Format("GPIO_%d connect to %s", h, GetCardDisplayName(card).c_str()),
                  CONNECTOR_GPIO40, masterIds[h], header[h]);
    }
}

}  // namespace

void CONFIG_JESSAMONT(TMainBoard* board, const JESSAMONT_CONFIG* pConfig)
{
    const JESSAMONT_CONFIG& Config = *pConfig;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_JESSAMONT, JESSAMONT_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bClock) {
        TPinGroup group("CLOCK");
        AddClock(group, "CLOCK_50_B3B", "T13", IO_1V5, 50);
        AddClock(group, "CLOCK_50_B4A", "U12", IO_1V5, 50);
        AddClock(group, "CLOCK_50_B5B", "R20", IO_3V3_LVTTL, 50);
        AddClock(group, "CLOCK_50_B6A", "N20", IO_3V3_LVTTL, 50);
        AddClock(group, "CLOCK_50_B7A", "H12", IO_3V3_LVTTL, 50);
        AddClock(group, "CLOCK_50_B8A", "N9", IO_3V3_LVTTL, 50);
        group.AddTo(board);
    }
    if (Config.bButton) {
        AddGroup(board, "Buttons",
                 {{"CPU_RESET_n", "AB24", DIR_IN, IO_3V3_LVTTL},
                  {"KEY[0]", "M21", DIR_IN, IO_3V3_LVTTL},
                  {"KEY[1]", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                  {"KEY[2]", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                  {"KEY[3]", "G26", DIR_IN, IO_3V3_LVTTL}});
    }
    if (Config.bSwitch) {
        AddGroup(board, "Swtiches",
                 {{"SW[0]", "G20", DIR_IN, IO_3V3_LVTTL},
                  {"SW[1]", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                  {"SW[2]", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                  {"SW[3]", "H19", DIR_IN, IO_3V3_LVTTL}});
    }
    if (Config.bLed) {
        AddGroup(board, "LED",
                 {{"LED[0]", "U20", DIR_OUT, IO_3V3_LVTTL},
                  {"LED[1]", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                  {"LED[2]", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                  {"LED[3]", "Y23", DIR_OUT, IO_3V3_LVTTL}});
    }
    if (Config.bSeg7) {
        TPinGroup hex0("HEX0");
        hex0.Pin("HEX0_DP", "AA6", DIR_OUT, IO_3V3_LVTTL);
        hex0.Bus(kHex0);
        hex0.AddTo(board);
        TPinGroup hex1("HEX1");
        hex1.Pin("HEX1_DP", "V25", DIR_OUT, IO_3V3_LVTTL);
        hex1.Bus(kHex1);
        hex1.AddTo(board);
    }
    if (Config.bFan) AddGroup(board, "FAN", {{"FAN_CTRL", "AD7", DIR_OUT, IO_3V3_LVTTL}});
    if (Config.bSdram) AddSdram(board);
    if (Config.bDdr3) AddDdr3(board);
    if (Config.bUart2Usb) {
        AddGroup(board, "Uart to Usb",
                 {{"UART_TX", "P21", DIR_OUT, IO_3V3_LVTTL},
                  {"UART_RX", "P22", DIR_IN, IO_3V3_LVTTL},
                  {"UART_CTS", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                  {"UART_RTS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
    }
    if (Config.bArduino) {
        TPinGroup group("Arduino Interface");
        group.Pins({{"ADC_SCK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"ADC_SDO", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"ADC_SDI", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"ADC_CONVST", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
        group.Bus(kArduinoIo);
        group.AddTo(board);
    }
    if (Config.bPcie) AddPcie(board);
    if (Config.bSmaClock) {
        AddGroup(board, "SMA", {{"SMA_CLKIN", "T21", DIR_IN, IO_3V3_LVTTL}, {"SMA_CLKOUT", "Y25", DIR_OUT, IO_3V3_LVTTL}});
    }
    if (Config.nGpioDaughterId[GPIO_0] != 0 || Config.nGpioDaughterId[GPIO_1] != 0) AddGpioMasters(board, Config);
}
