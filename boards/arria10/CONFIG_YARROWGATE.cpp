#include "boards/arria10/CONFIG_YARROWGATE.h"

#include <string>
#include <utility>
#include <vector>

#include "boards/arria10/ConfigSi5340Groups.h"
#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"

namespace {

const TDevice kDevice = {.Family = "Arria 10", .PinCount = 1517, .Package = "", .SpeedGradeText = "2",
                         .SpeedGrade = 0, .Part = "10AS066K3F40E2SG"};

// The board's clock pins carry their frequency with five decimals.
constexpr int kDecimals = 5;
constexpr double kDdr4RefClkMHz = 266.667;

// The 124 positions of the DDR4 SODIMM socket without an FPGA pin. The 136
// located ones are the positions of the modules the socket takes (the DDR4
// module with its check bits and the QDR-II+ module) up to position 256, but
// for the single-rank module's second clock pair CK1 / CK1_n (138, 140) and
// its AC_R[0] and AC_R[3] (157, 110): the socket serves one rank, and the
// QDR-II+ module has no signal there. The board's data give the balls of 3,
// 4, 7, 8 and 256 only.
std::vector<TPositionRange> SocketPositionsWithoutPin()
{
    return {{1, 2},     {5, 6},     {9, 10},    {14, 15},   {18, 19},   {22, 23},   {26, 27},   {30, 31},
            {35, 36},   {39, 40},   {43, 44},   {47, 48},   {51, 52},   {56, 57},   {60, 61},   {64, 65},
            {68, 69},   {72, 73},   {77, 78},   {81, 82},   {85, 86},   {89, 90},   {93, 94},   {98, 99},
            {102, 103}, {106, 107}, {110, 112}, {117, 118}, {123, 124}, {129, 130}, {135, 136}, {138, 138},
            {140, 142}, {147, 148}, {153, 154}, {157, 157}, {159, 161}, {163, 164}, {167, 168}, {171, 172},
            {175, 176}, {180, 181}, {184, 185}, {188, 189}, {192, 193}, {196, 197}, {201, 202}, {205, 206},
            {209, 210}, {213, 214}, {217, 218}, {222, 223}, {226, 227}, {230, 231}, {234, 235}, {238, 239},
            {243, 244}, {247, 248}, {251, 252}, {255, 255}, {257, 260}};
}

// The 184 positions of the FMC connector without an FPGA pin; the 216
// located ones are the signals of an FMC HPC card but CLK_DIR (B1) and the
// reserved B40.
std::vector<TPositionRange> FmcPositionsWithoutPin()
{
    return {{1, 1},     {4, 5},     {8, 9},     {12, 13},   {16, 17},   {20, 21},   {24, 25},   {28, 29},
            {32, 33},   {36, 37},   {40, 43},   {46, 47},   {50, 51},   {54, 55},   {58, 59},   {62, 63},
            {66, 67},   {70, 71},   {74, 75},   {78, 81},   {84, 85},   {88, 89},   {92, 93},   {96, 97},
            {100, 101}, {104, 105}, {108, 109}, {112, 113}, {115, 123}, {126, 127}, {130, 130}, {133, 133},
            {136, 136}, {139, 139}, {142, 142}, {145, 145}, {148, 154}, {156, 161}, {164, 165}, {168, 168},
            {171, 171}, {174, 174}, {177, 177}, {180, 180}, {183, 183}, {186, 186}, {189, 189}, {192, 192},
            {195, 195}, {198, 203}, {206, 206}, {209, 209}, {212, 212}, {215, 215}, {218, 218}, {221, 221},
            {224, 224}, {227, 227}, {230, 230}, {233, 233}, {236, 236}, {239, 241}, {244, 245}, {248, 248},
            {251, 251}, {254, 254}, {257, 257}, {260, 260}, {263, 263}, {266, 266}, {269, 269}, {272, 272},
            {275, 275}, {278, 283}, {286, 286}, {289, 289}, {292, 292}, {295, 295}, {298, 298}, {301, 301},
            {304, 304}, {307, 307}, {310, 310}, {313, 313}, {316, 316}, {319, 321}, {324, 325}, {328, 328},
            {331, 331}, {334, 334}, {337, 337}, {340, 340}, {343, 343}, {346, 346}, {349, 349}, {352, 352},
            {355, 355}, {358, 363}, {366, 366}, {369, 369}, {372, 372}, {375, 375}, {378, 378}, {381, 381},
            {384, 384}, {387, 387}, {390, 390}, {393, 393}, {396, 396}, {399, 400}};
}

// The 76 pins of an on-board DDR4 interface ("DDR4B" or "DDR4H").
void AddDdr4Group(TMainBoard* board, const std::string& name, char letter, const char* refClk, const char* a0,
                  const char* dq0)
{
    auto pin = [letter](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name);
    g.ReferenceClock(pin("DDR4%c_REFCLK_p"), refClk, IO_LVDS, kDdr4RefClkMHz, kDecimals);
    BusFirstBall(g, pin("DDR4%c_A[%d]"), 0, 17, a0, DIR_OUT, IO_SSTL12);
    for (const char* single : {"DDR4%c_BA[0]", "DDR4%c_BA[1]", "DDR4%c_BG[0]", "DDR4%c_BG[1]"})
        g.Pin(pin(single), kUnknownBall, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_CK"), kUnknownBall, DIR_OUT, IO_DIFF_1V2_SSTL);
    g.Pin(pin("DDR4%c_CK_n"), kUnknownBall, DIR_OUT, IO_DIFF_1V2_SSTL);
    g.Pin(pin("DDR4%c_CKE"), kUnknownBall, DIR_OUT, IO_SSTL12);
    BusFirstBall(g, pin("DDR4%c_DQS[%d]"), 0, 4, kUnknownBall, DIR_INOUT, IO_DIFF_1V2_POD);
    BusFirstBall(g, pin("DDR4%c_DQS_n[%d]"), 0, 4, kUnknownBall, DIR_INOUT, IO_DIFF_1V2_POD);
    BusFirstBall(g, pin("DDR4%c_DQ[%d]"), 0, 32, dq0, DIR_INOUT, IO_1V2_POD);
    BusFirstBall(g, pin("DDR4%c_DBI_n[%d]"), 0, 4, kUnknownBall, DIR_INOUT, IO_1V2_POD);
    g.Pin(pin("DDR4%c_CS_n"), kUnknownBall, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_RESET_n"), kUnknownBall, DIR_OUT, IO_1V2);
    g.Pin(pin("DDR4%c_ODT"), kUnknownBall, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_PAR"), kUnknownBall, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_ALERT_n"), kUnknownBall, DIR_IN, IO_SSTL12);
    g.Pin(pin("DDR4%c_ACT_n"), kUnknownBall, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_RZQ"), kUnknownBall, DIR_IN, IO_1V2);
    g.AddTo(board);
}

// Pins of which the board's data give no ball, all of one direction and standard.
void UnknownPins(TPinGroup& g, std::initializer_list<const char*> names, PinDirection direction,
                 IoStandard standard)
{
    for (const char* name : names) g.Pin(name, kUnknownBall, direction, standard);
}

void AddSfpCages(TMainBoard* board, double refClkMHz)
{
    TPinGroup clock("SFP Referece Clock");
    clock.ReferenceClock("SFP_REFCLK_p", "AD31", IO_LVDS, refClkMHz, kDecimals);
    clock.AddTo(board);
    for (char letter = 'A'; letter <= 'D'; ++letter) {
        // The status pins of cages A and B are at 1.2 V, those of C and D at 1.8 V.
        const IoStandard status = letter <= 'B' ? IO_1V2 : IO_1V8;
        auto pin = [letter](const char* pattern) { return LetterPattern(pattern, letter); };
        TPinGroup g(pin("SFP%c"));
        g.Pin(pin("SFP%c_MOD1_SCL"), kUnknownBall, DIR_INOUT, IO_1V2);
        g.Pin(pin("SFP%c_MOD2_SDA"), kUnknownBall, DIR_INOUT, IO_1V2);
        g.Pin(pin("SFP%c_RATESEL[0]"), kUnknownBall, DIR_OUT, IO_1V8);
        g.Pin(pin("SFP%c_RATESEL[1]"), kUnknownBall, DIR_OUT, IO_1V8);
        g.Pin(pin("SFP%c_TXDISABLE"), kUnknownBall, DIR_OUT, status);
        g.Pin(pin("SFP%c_TXFAULT"), kUnknownBall, DIR_IN, status);
        g.Pin(pin("SFP%c_TX_p"), kUnknownBall, DIR_OUT, IO_HSSI);
        g.Pin(pin("SFP%c_RX_p"), kUnknownBall, DIR_IN, IO_HSSI);
        g.Pin(pin("SFP%c_LOS"), kUnknownBall, DIR_IN, status);
        g.Pin(pin("SFP%c_MOD0_PRSNT_n"), kUnknownBall, DIR_IN, status);
        g.AddTo(board);
    }
}

// "A/B/C" of the names whose flag is set, in order.
std::string JoinNames(std::initializer_list<std::pair<bool, const char*>> names)
{
    std::string joined;
    for (const auto& [set, name] : names) {
        if (!set) continue;
        if (!joined.empty()) joined += '/';
        joined += name;
    }
    return joined;
}

}  // namespace

void CONFIG_YARROWGATE(TMainBoard* board, TConfigYarrowgate& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigYarrowgate::YARROWGATE_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_YARROWGATE, TConfigYarrowgate::YARROWGATE_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The card ids are compared as signed bytes.
    const int8_t socketCard = static_cast<int8_t>(Config.nDdr4SocketDaughterId[0]);
    const int8_t fmcCard = static_cast<int8_t>(Config.nFmcDaughterId[0]);
    const bool txcA = object.IsTxcAReconfigured();
    const bool txcB = object.IsTxcBReconfigured();
    // The controllers of the TXC generators run from CLK_50_B3H and are reset
    // by KEY[0]: both groups come whole with either controller.
    const bool txcProgrammed = txcA || txcB;
    const bool cdcm6208 = Config.bSma || Config.bDdr4B || (Config.bDdr4H && !Config.bHps) || fmcCard > 0;

    if (Config.bClock || txcProgrammed) {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_50_B2A", "AW16", IO_1V8, 50, kDecimals);
        g.ReferenceClock("CLK_50_B2H", "AR23", IO_1V8, 50, kDecimals);
        g.ReferenceClock("CLK_50_B3F", "F3", IO_1V8, 50, kDecimals);
        g.ReferenceClock("CLK_50_B3H", "D11", IO_1V8, 50, kDecimals);
        g.ReferenceClock("CLKUSR_100", "AJ18", IO_1V8, 100, kDecimals);
        g.AddTo(board);
    }
    if (Config.bButton || txcProgrammed)
        AddGroup(board, "KEY",
                 {{"KEY[0]", "AU15", DIR_IN, IO_1V8},
                  {"KEY[1]", kUnknownBall, DIR_IN, IO_1V8},
                  {"CPU_RESET_n", kUnknownBall, DIR_IN, IO_1V8}});
    if (Config.bSwitch)
        AddGroup(board, "SW", {{"SW[0]", "AJ19", DIR_IN, IO_1V8}, {"SW[1]", kUnknownBall, DIR_IN, IO_1V8}});
    if (Config.bLed)
        AddGroup(board, "LED", {{"LED[0]", "C26", DIR_OUT, IO_1V8}, {"LED[1]", kUnknownBall, DIR_OUT, IO_1V8}});
    if (Config.bSeg7) {
        TPinGroup g("SEG7");
        BusFirstBall(g, "HEX0_D[%d]", 0, 7, "AT32", DIR_OUT, IO_1V8);
        g.Pin("HEX0_DP", kUnknownBall, DIR_OUT, IO_1V8);
        BusFirstBall(g, "HEX1_D[%d]", 0, 7, "AT28", DIR_OUT, IO_1V8);
        g.Pin("HEX1_DP", kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (socketCard > 0) {
        TConnector* socket = AddMaster(
            board, "DDR4 SODIMM Socket", "connect to " + GetCardDisplayName(static_cast<DaughterId>(socketCard)),
            CONNECTOR_DDR4_IF_ECC, YARROWGATE_SOCKET_MASTER,
            MasterLocations(260, SocketPositionsWithoutPin(),
                            {{3, "AD11"}, {4, "AD13"}, {7, "AD10"}, {8, "AC11"}, {256, "Y6"}}));
        // Positions 261 and 262: the socket's calibration pin and reference clock.
        const bool qdr = object.IsQdr2Module();
        socket->AddPin(new TPin(qdr ? "QDRII_RZQ" : "DDR4A_RZQ", "AA8", DIR_IN, IO_1V2, 0));
        auto* refClk = new TPin(qdr ? "QDRII_REFCLK_p" : "DDR4A_REFCLK_p", "AB12", DIR_IN, IO_LVDS, 0);
        refClk->SetClockFrequency(kDdr4RefClkMHz, kDecimals);
        socket->AddPin(refClk);
    }
    if (Config.bDdr4B) AddDdr4Group(board, "DDR4B", 'B', "AU7", "AJ11", "AJ9");
    if (Config.bHdmiTx) {
        TPinGroup g("HDMI_TX");
        g.ReferenceClock("HDMI_REFCLK_p", "V31", IO_LVDS, object.GetTxcRefClkMHz(TXC_HDMI), kDecimals);
        UnknownPins(g, {"HDMI_TX_CLK_p", "HDMI_TX_D_p[0]", "HDMI_TX_D_p[1]", "HDMI_TX_D_p[2]"}, DIR_OUT, IO_HSSI);
        UnknownPins(g, {"HDMI_TX_SCL", "HDMI_TX_SDA", "HDMI_TX_HPD", "HDMI_TX_CEC"}, DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bHdmiRx) {
        TPinGroup g("HDMI_RX");
        g.Pin("HDMI_RX_CLK_p", kUnknownBall, DIR_IN, IO_CML);
        UnknownPins(g, {"HDMI_RX_D_p[0]", "HDMI_RX_D_p[1]", "HDMI_RX_D_p[2]"}, DIR_IN, IO_HSSI);
        UnknownPins(g, {"HDMI_RX_SCL", "HDMI_RX_SDA"}, DIR_INOUT, IO_1V2);
        g.Pin("HDMI_RX_HPD", kUnknownBall, DIR_INOUT, IO_1V8);
        g.Pin("HDMI_RX_5V_n", kUnknownBall, DIR_IN, IO_1V8);
        UnknownPins(g, {"HDMI_RX_CEC", "DDCSCL_RX", "DDCSDA_RX"}, DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bUsbC || Config.bUsbCDp) {
        TPinGroup g("USB Type-C");
        g.Pin("SRC_DP_HPD", kUnknownBall, DIR_INOUT, IO_1V8);
        g.Pin("TYPEC_5V_EN", kUnknownBall, DIR_IN, IO_1V8);
        UnknownPins(g,
                    {"TYPEC_PD_SLAVE_SCL", "TYPEC_PD_SLAVE_SDA", "TYPEC_PD_SCL", "TYPEC_PD_SDA", "USB20_OE_n",
                     "USB20_SW"},
                    DIR_INOUT, IO_1V8);
        UnknownPins(g, {"USBDP_SW_CNF[0]", "USBDP_SW_CNF[1]", "USBDP_SW_CNF[2]"}, DIR_IN, IO_1V8);
        UnknownPins(g,
                    {"I2C_INT", "USB_HOST_DEV_OE_n", "USB_HOST_DEV_SEL_n", "USB_SSFX3_PATH_OE_n",
                     "USB_SSFX3_PATH_SEL_n"},
                    DIR_INOUT, IO_1V8);
        g.ReferenceClock("USB_REFCLK_p", "AB31", IO_LVDS, object.GetTxcRefClkMHz(TXC_USB), kDecimals);
        g.Pin("USB_TX_p", kUnknownBall, DIR_OUT, IO_HSSI);
        g.Pin("USB_RX_p", kUnknownBall, DIR_IN, IO_HSSI);
        UnknownPins(g,
                    {"USBFX3_RESET_n", "USBFX3_PCLK", "USBFX3_CTL0_SLCS_n", "USBFX3_UART_TX", "USBFX3_UART_RX",
                     "USBFX3_CTL10"},
                    DIR_INOUT, IO_1V8);
        g.Pin("USBFX3_CTL11_A1", kUnknownBall, DIR_IN, IO_1V8);
        UnknownPins(g,
                    {"USBFX3_CTL12_A0", "USBFX3_CTL15_INT_n", "USBFX3_CTL1_SLWR_n", "USBFX3_CTL2_SLOE_n",
                     "USBFX3_CTL3_SLRD_n", "USBFX3_CTL4_FLAGA", "USBFX3_CTL5_FLAGB", "USBFX3_CTL6",
                     "USBFX3_CTL7_PKTEND_n", "USBFX3_CTL8", "USBFX3_CTL9", "USBFX3_OTG_ID"},
                    DIR_INOUT, IO_1V8);
        BusFirstBall(g, "USBFX3_DQ[%d]", 0, 32, "AU21", DIR_INOUT, IO_1V8);
        if (Config.bUsbCDp) {
            g.ReferenceClock("DP_REFCLK_p", "AM31", IO_LVDS, object.GetTxcRefClkMHz(TXC_DP), kDecimals);
            BusFirstBall(g, "DP_TX_p[%d]", 0, 4, kUnknownBall, DIR_OUT, IO_HSSI);
            BusFirstBall(g, "DP_RX_p[%d]", 0, 4, kUnknownBall, DIR_IN, IO_HSSI);
            g.Pin("DP_AUX_p", kUnknownBall, DIR_OUT, IO_1V8);
            UnknownPins(g, {"DP_AUX_SEL", "DP_DX_SEL"}, DIR_INOUT, IO_1V8);
        }
        g.AddTo(board);
    }
    if (Config.bPowerMonitor || Config.bMpu9250 || Config.bTemperature) {
        const std::string devices = JoinNames({{Config.bPowerMonitor != 0, "Power Monitor"},
                                                       {Config.bMpu9250 != 0, "MPU9250"},
                                                       {Config.bTemperature != 0, "Temperature Sensor"}});
        TPinGroup g("I2C for " + devices);
        UnknownPins(g, {"FPGA_I2C_SCL", "FPGA_I2C_SDA"}, DIR_INOUT, IO_1V2);
        if (Config.bPowerMonitor) g.Pin("PM_ALERT_n", kUnknownBall, DIR_IN, IO_1V8);
        if (Config.bMpu9250) g.Pin("MPU_INT", kUnknownBall, DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (cdcm6208 || txcA || txcB) {
        TPinGroup g("Clock Generator Configure");
        if (cdcm6208) UnknownPins(g, {"CDCM6208_SCL", "CDCM6208_SDA"}, DIR_INOUT, IO_1V8);
        if (txcA) UnknownPins(g, {"REFCLK0_SCL", "REFCLK0_SDA"}, DIR_INOUT, IO_1V8);
        if (txcB) UnknownPins(g, {"REFCLK1_SCL", "REFCLK1_SDA"}, DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bFan) AddGroup(board, "FAN", {{"FAN_ALERT_n", kUnknownBall, DIR_IN, IO_1V8}});
    if (Config.bSma)
        AddGroup(board, "SMA",
                 {{"SMA_CLKIN_p", kUnknownBall, DIR_IN, IO_LVDS}, {"SMA_CLKOUT_p", kUnknownBall, DIR_OUT, IO_LVDS}});
    if (Config.bPcie) {
        TPinGroup g("PCIE");
        g.ReferenceClock("PCIE_REFCLK_p", "AH31", IO_LVDS, 100, kDecimals);
        BusFirstBall(g, "PCIE_TX_p[%d]", 0, 4, kUnknownBall, DIR_OUT, IO_HSSI);
        BusFirstBall(g, "PCIE_RX_p[%d]", 0, 4, kUnknownBall, DIR_IN, IO_HSSI);
        g.Pin("PCIE_PERST_n", kUnknownBall, DIR_IN, IO_1V8);
        g.Pin("PCIE_WAKE_n", kUnknownBall, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bPcieRefClk) {
        TPinGroup g("On Board PCIe Referece Clock");
        g.ReferenceClock("OB_PCIE_REFCLK_p", "AK31", IO_LVDS, 100, kDecimals);
        g.AddTo(board);
    }
    if (Config.bSata) {
        TPinGroup g("SATA");
        for (const char* side : {"HOST", "DEVICE"}) {
            const std::string base = std::string("SATA_") + side;
            g.ReferenceClock(base + "_REFCLK_p", side[0] == 'H' ? "AF31" : "M31", IO_LVDS, 150, kDecimals);
            BusFirstBall(g, base + "_TX_p[%d]", 0, 2, kUnknownBall, DIR_OUT, IO_HSSI);
            BusFirstBall(g, base + "_RX_p[%d]", 0, 2, kUnknownBall, DIR_IN, IO_HSSI);
        }
        g.AddTo(board);
    }
    if (Config.bSfp) AddSfpCages(board, object.GetTxcRefClkMHz(TXC_SFP));
    if (Config.bEthernet)
        AddGroup(board, "Ethernet",
                 {{"ETH_TX_p", kUnknownBall, DIR_OUT, IO_LVDS},
                  {"ETH_RX_p", kUnknownBall, DIR_IN, IO_LVDS},
                  {"ETH_INT_n", kUnknownBall, DIR_IN, IO_1V8},
                  {"ETH_MDC", kUnknownBall, DIR_OUT, IO_1V8},
                  {"ETH_MDIO", kUnknownBall, DIR_INOUT, IO_1V8},
                  {"ETH_RST_n", kUnknownBall, DIR_OUT, IO_1V8}});
    if (Config.bHps) {
        TPinGroup g("HPS");
        g.Pin("HPS_CLK_25", "E22", DIR_INOUT, IO_1V8);
        BusFirstBall(g, "HPS_DIO[%d]", 0, 14, "J18", DIR_INOUT, IO_1V8);
        UnknownPins(g, {"HPS_ENET_GTX_CLK", "HPS_ENET_MDC", "HPS_ENET_MDIO", "HPS_ENET_RX_CLK"}, DIR_INOUT, IO_1V8);
        BusFirstBall(g, "HPS_ENET_RX_DATA[%d]", 0, 4, kUnknownBall, DIR_INOUT, IO_1V8);
        g.Pin("HPS_ENET_RX_DV", kUnknownBall, DIR_INOUT, IO_1V8);
        BusFirstBall(g, "HPS_ENET_TX_DATA[%d]", 0, 4, kUnknownBall, DIR_INOUT, IO_1V8);
        UnknownPins(g,
                    {"HPS_ENET_TX_EN", "HPS_I2C0_SCLK", "HPS_I2C0_SDAT", "HPS_KEY", "HPS_LED", "HPS_RESET_n",
                     "HPS_RXD", "HPS_TXD", "HPS_USB_CLKOUT"},
                    DIR_INOUT, IO_1V8);
        BusFirstBall(g, "HPS_USB_DATA[%d]", 0, 8, "K25", DIR_INOUT, IO_1V8);
        UnknownPins(g, {"HPS_USB_DIR", "HPS_USB_NXT", "HPS_USB_STP", "HPS_WARM_RST_n"}, DIR_INOUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bHps || Config.bDdr4H)
        AddDdr4Group(board, Config.bHps ? "DDR4H, DDR4 for HPS" : "DDR4H, DDR4 for FPGA", 'H', "M27", "U27", "C19");
    if (fmcCard > 0) {
        TConnector* fmc = AddMaster(
            board, "FMC", "FMC connect to " + GetCardDisplayName(static_cast<DaughterId>(fmcCard)), CONNECTOR_FMC_HPC,
            YARROWGATE_FMC_MASTER,
            MasterLocations(400, FmcPositionsWithoutPin(), {{2, "R33"}, {3, "R32"}, {397, "AT17"}, {398, "AT18"}}),
            fmcCard);
        // Positions 401 and 402: the connector's reference clock and calibration pin.
        auto* refClk = new TPin("FMC_REFCLK_p", "T31", DIR_IN, IO_LVDS, 0);
        refClk->SetClockFrequency(object.GetTxcRefClkMHz(TXC_FMC), kDecimals);
        fmc->AddPin(refClk);
        fmc->AddPin(new TPin("FMC_RZQ", "H9", DIR_IN, IO_1V8, 0));
    }
}
