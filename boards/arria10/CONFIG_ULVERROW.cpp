#include "boards/arria10/CONFIG_ULVERROW.h"

#include <vector>

#include "boards/arria10/ConfigSi5340Groups.h"
#include "boards/frame/ConfigFrame.h"

namespace {

const TDevice kDevice = {.Family = "Arria 10", .PinCount = 1932, .Package = "FBGA", .SpeedGradeText = "E1",
                         .SpeedGrade = 0, .Part = "10AX115N2F45E1SG"};

const TQdrAllBalls kQdr[4] = {
    {.RefClk = "L9", .A0 = "V12", .Kp = "F12", .Kn = "E12", .D0 = "E8", .Bws0 = "C11", .Bws1 = "B13", .CQp = "J13",
     .CQn = "H13", .Q0 = "R12", .Qvld = "T14", .Wps = "U8", .Rps = "U9", .Doff = "R9", .Odt = "T10"},
    {.RefClk = "N18", .A0 = "L16", .Kp = "K21", .Kn = "J21", .D0 = "G19", .Bws0 = "G20", .Bws1 = "H20", .CQp = "D23",
     .CQn = "C23", .Q0 = "L22", .Qvld = "K22", .Wps = "K16", .Rps = "J16", .Doff = "H16", .Odt = "M17"},
    {.RefClk = "G24", .A0 = "D25", .Kp = "AF34", .Kn = "AF35", .D0 = "AD33", .Bws0 = "AB35", .Bws1 = "AD35",
     .CQp = "AD36", .CQn = "AC36", .Q0 = "T36", .Qvld = "U34", .Wps = "F26", .Rps = "E26", .Doff = "D24", .Odt = "B25"},
    {.RefClk = "M34", .A0 = "Y32", .Kp = "F32", .Kn = "E32", .D0 = "E36", .Bws0 = "F30", .Bws1 = "E31", .CQp = "G35",
     .CQn = "F35", .Q0 = "L29", .Qvld = "P28", .Wps = "V32", .Rps = "V33", .Doff = "W31", .Odt = "Y33"},
};

const TQsfpAllBalls kQsfp[4] = {
    {.RefClk = "AH5", .Tx = {"BD5", "BC3", "BB1", "AY1"}, .Rx = {"BB5", "AY5", "BA3", "AW3"}, .InterruptN = "AB9",
     .LpMode = "AB10", .ModPrsN = "AG10", .ModSelN = "AC10", .RstN = "AA9", .Scl = "AA10", .Sda = "Y9"},
    {.RefClk = "AD5", .Tx = {"AP1", "AM1", "AK1", "AH1"}, .Rx = {"AN3", "AL3", "AJ3", "AG3"}, .InterruptN = "AK9",
     .LpMode = "AM10", .ModPrsN = "AL10", .ModSelN = "AP6", .RstN = "AR6", .Scl = "AM7", .Sda = "AM8"},
    {.RefClk = "Y5", .Tx = {"AB1", "Y1", "V1", "T1"}, .Rx = {"AA3", "W3", "U3", "R3"}, .InterruptN = "AD11",
     .LpMode = "AH10", .ModPrsN = "AD10", .ModSelN = "AL9", .RstN = "AJ9", .Scl = "AL11", .Sda = "AK11"},
    {.RefClk = "T5", .Tx = {"K1", "H1", "F1", "D1"}, .Rx = {"J3", "G3", "E3", "D5"}, .InterruptN = "W13",
     .LpMode = "AA12", .ModPrsN = "Y12", .ModSelN = "AA11", .RstN = "Y11", .Scl = "W9", .Sda = "W10"},
};

// The 134 positions of a DDR4 SODIMM socket without an FPGA pin (both
// sockets alike); the other 126 are located.
std::vector<TPositionRange> SocketPositionsWithoutPin()
{
    return {{1, 2},     {5, 6},     {9, 10},    {14, 15},   {18, 19},   {22, 23},   {26, 27},   {30, 31},
            {35, 36},   {39, 40},   {43, 44},   {47, 48},   {51, 52},   {56, 57},   {60, 61},   {64, 65},
            {68, 69},   {72, 73},   {77, 78},   {81, 82},   {85, 107},  {111, 112}, {117, 118}, {123, 124},
            {129, 130}, {135, 136}, {141, 142}, {147, 148}, {153, 154}, {159, 160}, {162, 168}, {171, 172},
            {175, 176}, {180, 181}, {184, 185}, {188, 189}, {192, 193}, {196, 197}, {201, 202}, {205, 206},
            {209, 210}, {213, 214}, {217, 218}, {222, 223}, {226, 227}, {230, 231}, {234, 235}, {238, 239},
            {243, 244}, {247, 248}, {251, 252}, {255, 260}};
}

void AddSocket(TMainBoard* board, bool socketB, double refClkMHz)
{
    const std::vector<const char*> locations =
        socketB ? MasterLocations(260, SocketPositionsWithoutPin(), {{3, "AR18"}, {254, "AP9"}})
                : MasterLocations(260, SocketPositionsWithoutPin(), {{3, "AH33"}, {254, "BC33"}});
    TConnector* master = AddMaster(board, "DDR4 SODIMM", socketB ? "DDR4 SODIMM_B" : "DDR4 SODIMM_A",
                                   CONNECTOR_DDR4_SODIMM, socketB ? ULVERROW_DDR4B_MASTER : ULVERROW_DDR4A_MASTER,
                                   locations);
    // Position 261: the socket's reference clock.
    auto* refClk =
        new TPin(socketB ? "DDR4B_REFCLK_p" : "DDR4A_REFCLK_p", socketB ? "AP14" : "AV33", DIR_IN, IO_LVDS, 0);
    refClk->SetClockFrequency(refClkMHz, 6);
    master->AddPin(refClk);
}

void AddSi5340Group(TMainBoard* board, char chip, std::initializer_list<const char*> balls)
{
    const char* const* ball = balls.begin();
    TPinGroup g(LetterPattern("SI5340%c", chip));
    g.Pin(LetterPattern("SI5340%c_I2C_SCL", chip), ball[0], DIR_OUT, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_I2C_SDA", chip), ball[1], DIR_INOUT, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_INTR", chip), ball[2], DIR_IN, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_OE_n", chip), ball[3], DIR_OUT, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_RST_n", chip), ball[4], DIR_OUT, IO_1V8);
    g.AddTo(board);
}

}  // namespace

void CONFIG_ULVERROW(TMainBoard* board, TConfigUlverrow& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigUlverrow::ULVERROW_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_ULVERROW, TConfigUlverrow::ULVERROW_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The controllers of the clock generators run from CLK_50_B2J, are reset
    // by CPU_RESET_n and started by BUTTON[0].
    const bool clocksInUse = object.IsSi5340AUsed() || object.IsSi5340BUsed();
    bool anyMemory = Config.bDdr4[0] || Config.bDdr4[1];
    for (uint8_t flag : Config.bQdrII) anyMemory = anyMemory || flag;

    if (Config.bClock || clocksInUse) {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_100_B3D", "AH11", IO_1V8, 100, 6);
        g.ReferenceClock("CLK_50_B2J", "W36", IO_1V8, 50, 6);
        g.ReferenceClock("CLK_50_B2L", "H32", IO_1V8, 50, 6);
        g.ReferenceClock("CLK_50_B3D", "AN7", IO_1V8, 50, 6);
        g.ReferenceClock("CLK_50_B3F", "G12", IO_1V8, 50, 6);
        g.ReferenceClock("CLK_50_B3H", "D21", IO_1V8, 50, 6);
        g.ReferenceClock("CLKUSR_100", "AV26", IO_1V8, 100, 6);
        g.AddTo(board);
    }
    if (Config.bButton || clocksInUse) {
        TPinGroup g("KEY");
        const char* const buttons[4] = {"AJ13", "AE13", "AV16", "AR9"};
        g.Bus("BUTTON[%d]", buttons, 4, DIR_IN, IO_1V2);
        g.Pin("CPU_RESET_n", "AP24", DIR_IN, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bSwitch) AddGroup(board, "SW", {{"SW[0]", "AY28", DIR_IN, IO_1V2}, {"SW[1]", "AM27", DIR_IN, IO_1V2}});
    if (Config.bLed) {
        TPinGroup g("LED");
        const char* const bracket[4] = {"AF10", "AF9", "Y13", "W11"};
        const char* const leds[4] = {"T11", "R11", "N15", "M15"};
        g.Bus("LED_BRACKET[%d]", bracket, 4, DIR_OUT, IO_1V8);
        g.Bus("LED[%d]", leds, 4, DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bSeg7) {
        TPinGroup g("SEG7");
        BusFirstBall(g, "HEX0_D[%d]", 0, 6, "AW8", DIR_OUT, IO_1V2);
        g.Pin("HEX0_D[6]", "V10", DIR_OUT, IO_1V8);
        g.Pin("HEX0_DP", "AG9", DIR_OUT, IO_1V8);
        BusFirstBall(g, "HEX1_D[%d]", 0, 7, "AM32", DIR_OUT, IO_1V2);
        g.Pin("HEX1_DP", "BC28", DIR_OUT, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bFan)
        AddGroup(board, "FAN",
                 {{"FAN_I2C_SCL", "AJ33", DIR_OUT, IO_1V2},
                  {"FAN_I2C_SDA", "AL32", DIR_INOUT, IO_1V2},
                  {"FAN_ALERT_n", "AL31", DIR_IN, IO_1V2}});
    if (Config.bFlash) {
        TPinGroup g("FLASH");
        g.Pin("FLASH_CLK", "T9", DIR_OUT, IO_1V8);
        BusFirstBall(g, "FLASH_A[%d]", 1, 26, "H26", DIR_OUT, IO_1V8);
        BusFirstBall(g, "FLASH_D[%d]", 0, 32, "B35", DIR_INOUT, IO_1V8);
        g.Pins({{"FLASH_CE_n[0]", "H10", DIR_OUT, IO_1V8},
                {"FLASH_CE_n[1]", "N16", DIR_OUT, IO_1V8},
                {"FLASH_WE_n", "U10", DIR_OUT, IO_1V8},
                {"FLASH_OE_n", "C16", DIR_INOUT, IO_1V8},
                {"FLASH_ADV_n", "H7", DIR_OUT, IO_1V8},
                {"FLASH_RESET_n", "C17", DIR_OUT, IO_1V8},
                {"FLASH_RDY_BSY_n[0]", "J8", DIR_IN, IO_1V8},
                {"FLASH_RDY_BSY_n[1]", "L36", DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    const double ddr4MHz = TConfigUlverrow::Ddr4RefClkFreqMHz(Config.nSi5340BFreqSel[0]);
    if (Config.bDdr4[0]) AddSocket(board, false, ddr4MHz);
    if (Config.bDdr4[1]) AddSocket(board, true, ddr4MHz);
    const double qdrMHz = TConfigUlverrow::QdrRefClkFreqMHz(Config.nSi5340BFreqSel[1]);
    for (int x = 0; x < 4; ++x)
        if (Config.bQdrII[x]) AddQdrIIGroup(board, static_cast<char>('A' + x), kQdr[x], qdrMHz);
    if (anyMemory)
        AddGroup(board, "RZQ",
                 {{"RZQ_DDR4_A", "AU28", DIR_IN, IO_1V2},
                  {"RZQ_DDR4_B", "BB15", DIR_IN, IO_1V2},
                  {"RZQ_QDRII_A", "L11", DIR_IN, IO_1V8},
                  {"RZQ_QDRII_B", "F17", DIR_IN, IO_1V8},
                  {"RZQ_QDRII_C", "L24", DIR_IN, IO_1V8},
                  {"RZQ_QDRII_D", "K37", DIR_IN, IO_1V8}});
    if (object.IsSi5340AUsed()) AddSi5340Group(board, 'A', {"AF11", "AE11", "AM6", "AJ10", "AN6"});
    if (object.IsSi5340BUsed()) AddSi5340Group(board, 'B', {"G37", "H31", "G32", "BD24", "G38"});
    if (Config.bTps40428)
        AddGroup(board, "TPS40428",
                 {{"TPS40428_CLK", "A24", DIR_OUT, IO_1V8},
                  {"TPS40428_DATA", "A25", DIR_INOUT, IO_1V8},
                  {"TPS40428_ALERT", "V36", DIR_IN, IO_1V8}});
    if (Config.bRs422)
        AddGroup(board, "RS422",
                 {{"RS422_DOUT", "W14", DIR_OUT, IO_1V8},
                  {"RS422_DIN", "AM9", DIR_IN, IO_1V8},
                  {"RS422_DE", "AN8", DIR_OUT, IO_1V8},
                  {"RS422_RE_n", "AD9", DIR_OUT, IO_1V8},
                  {"RJ45_LED_L", "AJ11", DIR_OUT, IO_1V8},
                  {"RJ45_LED_R", "Y14", DIR_OUT, IO_1V8}});
    if (Config.bTemperature)
        AddGroup(board, "Temperature",
                 {{"TEMP_I2C_SCL", "AW11", DIR_OUT, IO_1V2},
                  {"TEMP_I2C_SDA", "AY12", DIR_INOUT, IO_1V2},
                  {"TEMP_INT_n", "AU12", DIR_IN, IO_1V2},
                  {"TEMP_OVERT_n", "AT14", DIR_IN, IO_1V2}});
    if (Config.bPowerMonitor)
        AddGroup(board, "POWER Monitor",
                 {{"POWER_MONITOR_I2C_SCL", "AT26", DIR_OUT, IO_1V8},
                  {"POWER_MONITOR_I2C_SDA", "AP25", DIR_INOUT, IO_1V8},
                  {"POWER_MONITOR_ALERT", "BD23", DIR_IN, IO_1V8}});
    if (Config.bPcie) {
        TPinGroup g("PCIE");
        g.Pin("PCIE_SMBCLK", "AM25", DIR_IN, IO_1V8);
        g.Pin("PCIE_SMBDAT", "AR24", DIR_INOUT, IO_1V8);
        g.Pin("PCIE_REFCLK_p", "AH40", DIR_IN, IO_HCSL);  // no timing constraint of its own
        BusFirstBall(g, "PCIE_TX_p[%d]", 0, 8, "AV44", DIR_OUT, IO_HSSI);
        BusFirstBall(g, "PCIE_RX_p[%d]", 0, 8, "AU42", DIR_IN, IO_HSSI);
        g.Pin("PCIE_PERST_n", "AT25", DIR_IN, IO_1V8);
        g.Pin("PCIE_WAKE_n", "AN26", DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    if (Config.bPcieOnBoardClock && TConfigUlverrow::PcieRefClkFreqMHz(Config.nSi5340BFreqSel[2]) > 0)
        AddGroup(board, "PCIe On-Board Ref Clock", {{"OB_PCIE_REFCLK_p", "AK40", DIR_IN, IO_LVDS}});
    for (int x = 0; x < 4; ++x)
        if (Config.bQsfp[x])
            AddQsfpGroup(board, static_cast<char>('A' + x), kQsfp[x],
                         TConfigUlverrow::Si5340AFreqMHz(Config.nSi5340AFreqSel[x]), DIR_OUT);
    if (Config.bSma)
        AddGroup(board, "SMA", {{"SMA_CLKIN", "AC32", DIR_IN, IO_1V8}, {"SMA_CLKOUT", "AA36", DIR_OUT, IO_1V8}});
}

void AttachUlverrowDdr4Sodimm(TMainBoard* board, bool socketB)
{
    board->AttachDdr4Sodimm(socketB ? ULVERROW_DDR4B_MASTER : ULVERROW_DDR4A_MASTER, socketB ? "DDR4B_" : "DDR4A_",
                            {.ecc = false, .spdStandard = 40, .addressStandard = 40});
}
