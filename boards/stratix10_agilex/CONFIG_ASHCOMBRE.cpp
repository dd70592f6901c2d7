#include "boards/stratix10_agilex/CONFIG_ASHCOMBRE.h"

#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

constexpr IoStandard IO_HSDIO = 59;       // "High Speed Differential I/O"
constexpr IoStandard IO_TDS = 60;         // "True Differential Signaling"

// A bus NAME[0..count-1] of which the board's data give member 0 (and, for
// the PCIe lanes, member 15); the other members are unknown to us.
void BusFrom(TPinGroup& g, const char* format, int count, const char* first, PinDirection direction,
             IoStandard standard, const char* last = kUnknownBall)
{
    g.Bus(format, count, {{0, first}, {count - 1, last}}, direction, standard);
}

// QSFPDD A and B.
struct TCageBalls {
    const char* RefClk;
    const char* TxP;
    const char* TxN;
    const char* RxP;
    const char* RxN;
    const char* Interrupt;
    const char* InitMode;
    const char* ModPrs;
    const char* ModSel;
    const char* Rst;
    const char* Scl;
    const char* Sda;
};
const TCageBalls kCages[2] = {
    {"AJ12", "BF1", "BE2", "BF7", "BE8", "CV25", "DB21", "CT29", "DB19", "DA20", "H21", "H23"},
    {"AT13", "AK1", "AJ2", "AK7", "AJ8", "DC18", "DA18", "CY19", "CR22", "CU22", "CY17", "H19"},
};

// Sockets A..D.
const char* const kRzq[4] = {"B9", "M41", "DB7", "CM39"};
const char* const kRefClk[4] = {"A10", "L40", "DC8", "CN38"};
constexpr double kMemRefClkMHz = 33.333;

// The positions of a socket that carry an FPGA pin, the same in all four;
// every other position of the 260 has none.
constexpr int kSocketPositions = 260;
const TPositionRange kPositionsWithPin[] = {
    {3, 4},     {7, 8},     {11, 13},   {16, 17},   {20, 21},   {24, 25},   {28, 29},   {32, 34},
    {37, 38},   {41, 42},   {45, 46},   {49, 50},   {53, 55},   {58, 59},   {62, 63},   {66, 67},
    {70, 71},   {74, 76},   {79, 80},   {83, 84},   {87, 88},   {91, 92},   {95, 97},   {100, 101},
    {104, 105}, {108, 165}, {169, 170}, {173, 174}, {177, 179}, {182, 183}, {186, 187}, {190, 191},
    {194, 195}, {198, 200}, {203, 204}, {207, 208}, {211, 212}, {215, 216}, {219, 221}, {224, 225},
    {228, 229}, {232, 233}, {236, 237}, {240, 242}, {245, 246}, {249, 250}, {253, 254}};
// The balls the board's data give: positions 3 and 137 of each socket.
const char* const kPosition3[4] = {"V17", "F45", "CF25", "CE56"};
const char* const kPosition137[4] = {"B13", "M37", "DB11", "CM35"};

std::vector<const char*> SocketLocations(int socket)
{
    std::vector<TPositionRange> withoutPin;
    int next = 1;
    for (const TPositionRange& range : kPositionsWithPin) {
        if (range.First > next) withoutPin.push_back({next, range.First - 1});
        next = range.Last + 1;
    }
    if (next <= kSocketPositions) withoutPin.push_back({next, kSocketPositions});
    return MasterLocations(kSocketPositions, withoutPin, {{3, kPosition3[socket]}, {137, kPosition137[socket]}});
}

}  // namespace

void CONFIG_ASHCOMBRE(TMainBoard* board, TConfigAshcombre& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigAshcombre::ASHCOMBRE_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_ASHCOMBRE, TConfigAshcombre::ASHCOMBRE_CONFIG);
    board->ClearConnectors();
    board->m_Family = "Agilex";
    board->m_Device = ReadFixedText(Config.szFpgaPart, sizeof Config.szFpgaPart);

    const bool program = object.NeedsSi5397AConfig();
    // The power-on reset of every project runs from CLK_50_B3A and follows
    // CPU_RESET_n; a Verilog controller restarts on BUTTON[0]. Their groups
    // are always there.
    const bool buttons = Config.bButton || (program && !Config.bVhdlTopFile);

    {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_100_B2A", "CU50", IO_TDS, 100, 6);
        g.ReferenceClock("CLK_50_B3A", "G52", IO_1V2, 50, 6);
        g.ReferenceClock("CLK_50_B3C", "G26", IO_1V2, 50, 6);
        g.ReferenceClock("CLK_30M72", "CU24", IO_1V2, 30.72, 6);
        g.ReferenceClock("CLK_from_SI5397A_p[0]", "DC22", IO_TDS, 50, 6);
        g.ReferenceClock("CLK_from_SI5397A_p[1]", "A24", IO_TDS, 50, 6);
        g.Pin("CLK_to_SI5397A_p[0]", "CU26", DIR_OUT, IO_DIFF_1V2_SSTL);
        g.Pin("CLK_to_SI5397A_p[1]", "CU28", DIR_OUT, IO_DIFF_1V2_SSTL);
        if (Config.bQsfpddRsvRefClk) g.ReferenceClock("QSFPDDRSV_REFCLK_p", "AR14", IO_LVPECL, 156.25, 6);
        g.AddTo(board);
    }
    {
        TPinGroup g("BUTTON");
        if (buttons) g.Pins({{"BUTTON[0]", "J54", DIR_IN, IO_1V2}, {"BUTTON[1]", "G54", DIR_IN, IO_1V2}});
        g.Pin("CPU_RESET_n", "G56", DIR_IN, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup g("SW");
        BusFrom(g, "SW[%d]", 2, "H51", DIR_IN, IO_1V2);
        g.Pin("EXP_EN", "A20", DIR_IN, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup g("LED, Low Active");
        BusFrom(g, "LED[%d]", 4, "CR54", DIR_OUT, IO_1V2);
        BusFrom(g, "LED_BRACKET[%d]", 4, "CT57", DIR_OUT, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bUfl) {
        TPinGroup g("UFL");
        g.ReferenceClock("UFL_CLKIN", "DC52", IO_1V2, 50, 6);
        g.AddTo(board);
    }
    if (Config.bSystemInfo)
        AddGroup(board, "System Information Interface",
                 {{"INFO_SPI_SCLK", "CU18", DIR_OUT, IO_1V2},
                  {"INFO_SPI_MISO", "CV29", DIR_IN, IO_1V2},
                  {"INFO_SPI_MOSI", "CV17", DIR_OUT, IO_1V2},
                  {"INFO_SPI_CS_n", "CR18", DIR_OUT, IO_1V2}});
    {
        TPinGroup g("SI5397A");
        g.Pins({{"SI5397A_OE_n", "CT45", DIR_OUT, IO_1V2}, {"SI5397A_RST_n", "CU46", DIR_OUT, IO_1V2}});
        if (program)
            g.Pins({{"SI5397A_I2C_SCL", "CV47", DIR_INOUT, IO_1V2},
                    {"SI5397A_I2C_SDA", "CR46", DIR_INOUT, IO_1V2},
                    {"SI5397A_LOL_A", "CT19", DIR_IN, IO_1V2},
                    {"SI5397A_LOL_B", "CV21", DIR_IN, IO_1V2},
                    {"SI5397A_LOL_C", "DB17", DIR_IN, IO_1V2},
                    {"SI5397A_LOL_D", "CT27", DIR_IN, IO_1V2},
                    {"SI5397A_LOS_XAXB", "CV19", DIR_IN, IO_1V2}});
        g.AddTo(board);
    }
    if (Config.bGpio2x5) {
        TPinGroup g("2x5 GPIO Header");
        BusFrom(g, "GPIO_CLK[%d]", 2, "CV27", DIR_INOUT, IO_1V2);
        BusFrom(g, "GPIO_p[%d]", 4, "CY21", DIR_INOUT, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bUart)
        AddGroup(board, "UART",
                 {{"AG_UART_TX", "D23", DIR_OUT, IO_1V2},
                  {"AG_UART_RX", "A22", DIR_IN, IO_1V2},
                  {"AG_UART_CTS", "B23", DIR_IN, IO_1V2},
                  {"AG_UART_RTS", "C22", DIR_OUT, IO_1V2}});
    if (Config.bQspiFlash) {
        TPinGroup g("User QSPI Flash");
        g.Pins({{"QSPI_CLK", "CT53", DIR_OUT, IO_1V2}, {"QSPI_NCSO", "CV53", DIR_OUT, IO_1V2}});
        BusFrom(g, "QSPI_DATA[%d]", 4, "CT55", DIR_INOUT, IO_1V2);
        g.AddTo(board);
    }
    if (Config.bPcie) {
        TPinGroup g("PCIE Gen4 x16");
        g.Pins({{"PCIE_SMBCLK", "G50", DIR_INOUT, IO_1V2}, {"PCIE_SMBDAT", "J52", DIR_INOUT, IO_1V2}});
        g.ReferenceClock("PCIE_REFCLK_p[0]", "AJ48", IO_HCSL, 100, 6);
        g.ReferenceClock("PCIE_REFCLK_p[1]", "AE48", IO_HCSL, 100, 6);
        BusFrom(g, "PCIE_TX_p[%d]", 16, "BP55", DIR_OUT, IO_HSDIO, "AE52");
        BusFrom(g, "PCIE_TX_n[%d]", 16, "BR56", DIR_OUT, IO_HSDIO, "AD53");
        BusFrom(g, "PCIE_RX_p[%d]", 16, "BP61", DIR_IN, IO_HSDIO, "AE58");
        BusFrom(g, "PCIE_RX_n[%d]", 16, "BR62", DIR_IN, IO_HSDIO, "AD59");
        g.Pins({{"PCIE_PERST_n", "BU58", DIR_IN, IO_1V8},
                {"PCIE_WAKE_n", "J50", DIR_OUT, IO_1V2},
                {"PCIE_CLKREQ_n", "F55", DIR_OUT, IO_1V2}});
        g.AddTo(board);
    }
    for (int i = 0; i < 2; ++i) {
        if (!Config.bQsfpdd[i]) continue;
        const char x = static_cast<char>('A' + i);
        const TCageBalls& b = kCages[i];
        const auto name = [x](const char* pattern) { return LetterPattern(pattern, x); };
        TPinGroup g(name("QSFPDD %c"));
        g.ReferenceClock(name("QSFPDD%c_REFCLK_p"), b.RefClk, IO_LVPECL, object.GetQsfpddRefClkMHz(i), 6);
        BusFrom(g, name("QSFPDD%c_TX_p[%d]").c_str(), 8, b.TxP, DIR_OUT, IO_HSDIO);
        BusFrom(g, name("QSFPDD%c_TX_n[%d]").c_str(), 8, b.TxN, DIR_OUT, IO_HSDIO);
        BusFrom(g, name("QSFPDD%c_RX_p[%d]").c_str(), 8, b.RxP, DIR_IN, IO_HSDIO);
        BusFrom(g, name("QSFPDD%c_RX_n[%d]").c_str(), 8, b.RxN, DIR_IN, IO_HSDIO);
        g.Pin(name("QSFPDD%c_INTERRUPT_n"), b.Interrupt, DIR_IN, IO_1V2);
        g.Pin(name("QSFPDD%c_INITMODE"), b.InitMode, DIR_OUT, IO_1V2);
        g.Pin(name("QSFPDD%c_MOD_PRS_n"), b.ModPrs, DIR_IN, IO_1V2);
        g.Pin(name("QSFPDD%c_MOD_SEL_n"), b.ModSel, DIR_OUT, IO_1V2);
        g.Pin(name("QSFPDD%c_RST_n"), b.Rst, DIR_OUT, IO_1V2);
        g.Pin(name("QSFPDD%c_SCL"), b.Scl, DIR_INOUT, IO_1V2);
        g.Pin(name("QSFPDD%c_SDA"), b.Sda, DIR_INOUT, IO_1V2);
        g.AddTo(board);
    }
    if (object.HasDdr4Module()) {
        TPinGroup rzq("RZQ for DDR4-SODIMM");
        TPinGroup refClk("Referemce Clock for DDR4-SODIMM");
        for (int i = 0; i < 4; ++i) {
            if (!Config.bDdr4Socket[i]) continue;
            rzq.Pin(Format("DDR4%c_RZQ", 'A' + i), kRzq[i], DIR_IN, IO_1V2);
            refClk.ReferenceClock(Format("DDR4%c_REFCLK_p", 'A' + i), kRefClk[i], IO_TDS, kMemRefClkMHz, 6);
        }
        rzq.AddTo(board);
        refClk.AddTo(board);
        const std::string name = Config.bDdr4DualRank ? "Dual-Rank DDR4-2400 SODIMM with ECC"
                                                      : "Single-Rank DDR4-2666 SODIMM with ECC";
        for (int i = 0; i < 4; ++i) {
            if (!Config.bDdr4Socket[i]) continue;
            AddMaster(board, name, Format("located at DDR4-SODIMM Socket %c", 'A' + i), CONNECTOR_DDR4_IF_ECC,
                      ASHCOMBRE_SOCKET_A_MASTER + i, SocketLocations(i));
        }
    }
}
