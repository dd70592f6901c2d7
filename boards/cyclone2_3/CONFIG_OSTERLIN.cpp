#include "boards/cyclone2_3/CONFIG_OSTERLIN.h"

#include "boards/cyclone2_3/CONFIG_NORVELLE.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Arria II GX", 1152, "FBGA", "", 4, "EP2AGX125EF35C4ES"};
constexpr int32_t CLK_155_PERIOD_NS = 6;
constexpr int DDR2_LOCATED = 112;  // the socket's location table, that of the Norvelle board
constexpr int HSMC_POSITIONS = 160;
constexpr int PCIE_LANES = 8;

const char* const kUserLed[4] = {"G1", "J4", "J5", "R5"};
const char* const kUserDip[4] = {"N2", "U9", "V9", "U4"};
const char* const kLcdData[8] = {"F1", "H3", "E1", "F2", "D2", "D1", "C2", "C1"};
// The positive legs of the PCIe lanes: the board's data gives lanes 0 and 7.
const char* const kPcieRx[PCIE_LANES] = {"AN33",       kUnknownBall, kUnknownBall, kUnknownBall,
                                         kUnknownBall, kUnknownBall, kUnknownBall, "W33"};
const char* const kPcieTx[PCIE_LANES] = {"AM31",       kUnknownBall, kUnknownBall, kUnknownBall,
                                         kUnknownBall, kUnknownBall, kUnknownBall, "V31"};

// The HSMC positions without an FPGA pin: 1 to 16, 35 to 38, the pairs
// 45-46, 51-52, ... every six up to 153-154, and 159; port B also 151-152.
std::vector<TPositionRange> HsmcPortWithoutPin(int port)
{
    std::vector<TPositionRange> ranges = {{1, 16}, {35, 38}};
    for (int p = 45; p <= 153; p += 6) ranges.push_back({p, p + 1});
    ranges.push_back({159, 159});
    if (port == OSTERLIN_PORT_B) ranges.push_back({151, 152});
    return ranges;
}

// The balls of positions 17, 40 and 160 of each port.
const TGivenBall kHsmcBalls[2][3] = {
    {{17, "K31"}, {40, "AP17"}, {160, "U3"}},
    {{17, "B31"}, {40, "AP16"}, {160, "AG28"}},
};

}  // namespace

void CONFIG_OSTERLIN(TMainBoard* board, const OSTERLIN_CONFIG* pConfig)
{
    const OSTERLIN_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_OSTERLIN;
    CHECK_RECORD_HEAD(Config, MAINBOARD_OSTERLIN, OSTERLIN_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bCLOCK) {
        TPinGroup group("CLOCK");
        group.Clock("CLK_155_P", "R29", IO_LVPECL, CLK_155_PERIOD_NS);
        group.Pins({{"CLKIN_BOT_P", "AJ19", DIR_IN, IO_LVDS},
                    {"CLKIN_REF_Q2_P", "U29", DIR_IN, IO_LVDS},
                    {"CLKIN_TOP_P", "F18", DIR_IN, IO_LVDS},
                    {"CLKIN_REF_Q1_1_P", "AA29", DIR_IN, IO_LVDS},
                    {"CLKIN_REF_Q1_2_P", "W29", DIR_IN, IO_LVDS}});
        if (Config.bHSMB) group.Pin("CLKIN_REF_Q3_P", "N29", DIR_IN, IO_LVDS);
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED");
        group.Bus("USER_LED[%d]", kUserLed, 4, DIR_OUT, IO_2V5);
        group.Pins({{"HSMA_TX_LED", "C29", DIR_OUT, IO_2V5}, {"HSMA_RX_LED", "N5", DIR_OUT, IO_2V5}});
        if (Config.bHSMB)
            group.Pins({{"HSMB_TX_LED", "AE24", DIR_OUT, IO_2V5}, {"HSMB_RX_LED", "AE23", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        AddGroup(board, "BUTTON and CPU Reset",
                 {{"USER_PB[0]", "AK9", DIR_IN, IO_1V8},
                  {"USER_PB[1]", "AL7", DIR_IN, IO_1V8},
                  {"CPU_RESET", "N10", DIR_IN, IO_2V5}});
    }
    if (Config.bDIP) {
        TPinGroup group("DIP");
        group.Bus("USER_DIP[%d]", kUserDip, 4, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bLCD) {
        TPinGroup group("LCD");
        group.Bus("LCD_DATA[%d]", kLcdData, 8, DIR_INOUT, IO_2V5);
        group.Pins({{"LCD_WEn", "H1", DIR_OUT, IO_2V5},
                    {"LCD_CSn", "J2", DIR_OUT, IO_2V5},
                    {"LCD_D_Cn", "J1", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bPCIE) {
        TPinGroup group("PCIe x 8");
        for (int lane = 0; lane < PCIE_LANES; ++lane) {
            group.Pin(Format("PCIE_RX_p[%d]", lane), kPcieRx[lane], DIR_IN, IO_1V5_PCML);
            group.Pin(Format("PCIE_TX_p[%d]", lane), kPcieTx[lane], DIR_OUT, IO_1V5_PCML);
        }
        group.Pins({{"PCIE_REFCLK_p", "AE29", DIR_IN, IO_HCSL},
                    {"PCIE_REFCLK_n", "AE30", DIR_IN, IO_HCSL},
                    {"PCIE_PREST_n", "N1", DIR_IN, IO_2V5},
                    {"PCIE_WAKE_n", "C30", DIR_OUT, IO_2V5},
                    {"PCIE_SMBCLK", "M18", DIR_IN, IO_2V5},
                    {"PCIE_SMBDAT", "D27", DIR_IN, IO_2V5},
                    {"PCIE_LED_X1", "C28", DIR_OUT, IO_2V5},
                    {"PCIE_LED_X4", "D26", DIR_OUT, IO_2V5},
                    {"PCIE_LED_X8", "C27", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }

    if (Config.bDDR2) {
        TConnector* pCon = AddMaster(board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, OSTERLIN_DDR2_MASTER,
                                     NorvelleDdr2SodimmLocations());
        PL_ASSERT(pCon->GetActivePinCount() == DDR2_LOCATED);
    }
    for (int port = OSTERLIN_PORT_A; port <= OSTERLIN_PORT_B; ++port) {
        const DaughterId card = Config.nHsmcDaughterId[port];
        if (card == 0) continue;
        const std::string name = Format("HSMC-%c", 'A' + port);
        const TGivenBall* balls = kHsmcBalls[port];
        AddMaster(board, name, CardDescription(name, card), CONNECTOR_HSMC, OSTERLIN_HSMC_A_MASTER + port,
                  MasterLocations(HSMC_POSITIONS, HsmcPortWithoutPin(port), {balls[0], balls[1], balls[2]}));
    }
}
