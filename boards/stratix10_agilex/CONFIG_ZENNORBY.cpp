#include "boards/stratix10_agilex/CONFIG_ZENNORBY.h"

#include <iterator>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

constexpr IoStandard IO_HSSI = 52;        // "HSSI Differential I/O"
constexpr IoStandard IO_3V0_LVTTL = 57;   // "3.0-V LVTTL"

// The pins of the hard processor system have no FPGA location.
constexpr const char* kHpsPin = "";

// The FPGA part text "revE SX, 1SX280HU2F50E1VG" names the device after its
// ", ".
std::string DeviceOfPart(const std::string& part)
{
    const std::size_t at = part.find(", ");
    return at == std::string::npos ? part : part.substr(at + 2);
}

// A member's ball: the given one, or unknown to us.
std::vector<const char*> Balls(int count, std::initializer_list<TGivenMember> given) { return BusBalls(count, given); }

// FLASH_A[1] .. FLASH_A[27]: the board's data give the first and the last.
const std::vector<const char*> kFlashA = Balls(27, {{0, "V22"}, {26, "N22"}});
const std::vector<const char*> kFlashD = Balls(16, {{0, "N23"}});
const std::vector<const char*> kPcieTx = Balls(16, {{0, "BJ46"}});
const std::vector<const char*> kPcieRx = Balls(16, {{0, "BH41"}});

// QSFP28 A..D: the balls the board's data give.
struct TCageBalls {
    const char* RefClk;
    const char* Tx0;
    const char* Rx0;
    const char* Interrupt;
};
const TCageBalls kCages[4] = {
    {"T41", "F49", "G43", "AB35"}, {"AM38", "AK49", "AL43", "AF17"}, {"AM12", "AK1", "AL7", "AF16"},
    {"T9", "F1", "G7", "AD14"}};

// Sockets A..D: RZQ and reference clock.
const char* const kRzq[4] = {"P34", "L15", "BJ35", "AN17"};
const char* const kMemRefClk[4] = {"M35", "J16", "BH33", "AT17"};

// The 260 positions of a socket's location table. A position the table
// leaves empty, or at "Y47", has no FPGA pin. The board's data give the
// empty positions, that position 1 is at Y47 in every socket, and the balls
// below; the other positions are located, their balls unknown to us.
constexpr int kSocketPositions = 260;
constexpr const char* kNotConnected = "Y47";
const int kEmptyPositions[] = {2, 110, 138, 140, 157, 161, 251, 255, 257, 258, 259, 260};
// Positions that share one ball within a socket's table.
const int kSharedBallPositions[] = {111, 112, 117, 118, 123, 124, 129, 130, 135, 136,
                                    141, 142, 147, 148, 153, 154, 159, 160, 163};
struct TSocketBalls {
    const char* Position3;
    const char* Position4;
    const char* Shared;       // the ball of the positions above
    const char* Position116;
};
const TSocketBalls kSocketBalls[4] = {
    {"C38", "B38", "T15", "A38"}, {"W18", "U19", "T15", "T15"}, {"AR37", "AN33", "BH18", "AP34"},
    {"BH17", "BG18", "BH18", "BH18"}};

std::vector<const char*> SocketTable(int socket)
{
    std::vector<const char*> table(kSocketPositions, kUnknownBall);
    table[0] = kNotConnected;
    for (int p : kEmptyPositions) table[static_cast<size_t>(p - 1)] = kNoPin;
    const TSocketBalls& balls = kSocketBalls[socket];
    table[2] = balls.Position3;
    table[3] = balls.Position4;
    for (int p : kSharedBallPositions) table[static_cast<size_t>(p - 1)] = balls.Shared;
    table[115] = balls.Position116;
    return table;
}

// The master's positions from a location table: no pin where the table is
// empty or at Y47, a placeholder (named and completed by the module) at
// every other entry.
std::vector<const char*> MasterPositions(const std::vector<const char*>& table)
{
    std::vector<const char*> locations;
    for (const char* entry : table)
        locations.push_back(entry == kNoPin || std::string(entry) == kNotConnected ? kNoPin : entry);
    return locations;
}

struct TModuleMaster {
    uint8_t Card;
    const char* Name;
    ConnectorType Type;
};
const TModuleMaster kModules[] = {
    {79, "DDR4 SODIMM without ECC", CONNECTOR_DDR4_IF},
    {80, "DDR4 SODIMM with ECC", CONNECTOR_DDR4_IF_ECC},
    {83, "QDR-II+ Module", CONNECTOR_DDR4_IF_ECC},
    {84, "QDR-IV Module", CONNECTOR_DDR4_IF_ECC},
};
const TModuleMaster& ModuleMaster(uint8_t card)
{
    for (const TModuleMaster& module : kModules)
        if (module.Card == card) return module;
    PL_ASSERT(!"a memory module of the socket list");
    return kModules[0];
}

constexpr uint8_t kQdr2Module = 83;

// The bank of a memory socket runs at 1.8 V beside a QDR-II+ module, else
// at 1.2 V.
IoStandard SocketBankStandard(uint8_t module) { return module == kQdr2Module ? IO_1V8 : IO_1V2; }

}  // namespace

void CONFIG_ZENNORBY(TMainBoard* board, TConfigZennorby& object)
{
    // The record is named Config in the reports of a broken invariant.
    const TConfigZennorby::ZENNORBY_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_ZENNORBY, TConfigZennorby::ZENNORBY_CONFIG);
    board->ClearConnectors();
    board->m_Family = "Stratix 10";
    board->m_Device = DeviceOfPart(ReadFixedText(Config.szFpgaPart, sizeof Config.szFpgaPart));

    // Banks shared with the memory sockets.
    const IoStandard socketA = SocketBankStandard(Config.nMemoryModuleId[0]);
    const IoStandard socketC = SocketBankStandard(Config.nMemoryModuleId[2]);
    // The controllers run from CLK_50_B2C and are started by BUTTON[0].
    const bool controllers = object.IsSi5340A0Used() || object.IsSi5340A1Used();

    if (Config.bClock || controllers) {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_50_B2C", "AW38", socketC, 50, 6);
        g.ReferenceClock("CLK_50_B2L", "J25", socketC, 50, 6);
        g.ReferenceClock("CLK_50_B3C", "BF21", socketC, 50, 6);
        g.ReferenceClock("CLK_50_B3L", "J20", socketA, 50, 6);
        g.ReferenceClock("CLK_50_B3I", "M24", IO_1V8, 50, 6);
        g.ReferenceClock("CLK_100_B3I", "U24", IO_1V8, 100, 6);
        g.AddTo(board);
    }
    if (Config.bButton || controllers)
        AddGroup(board, "BUTTON",
                 {{"BUTTON[0]", "D24", DIR_IN, IO_1V8},
                  {"BUTTON[1]", "D23", DIR_IN, IO_1V8},
                  {"CPU_RESET_n", "BF27", DIR_IN, IO_1V8}});
    if (Config.bSwitch) AddGroup(board, "SW", {{"SW[0]", "C23", DIR_IN, IO_1V8}, {"SW[1]", "B23", DIR_IN, IO_1V8}});
    if (Config.bLed)
        AddGroup(board, "LED",
                 {{"LED[0]", "B24", DIR_OUT, IO_1V8},
                  {"LED[1]", "A24", DIR_OUT, IO_1V8},
                  {"LED[2]", "A25", DIR_OUT, IO_1V8},
                  {"LED[3]", "A26", DIR_OUT, IO_1V8}});
    if (Config.bFan)
        AddGroup(board, "FAN",
                 {{"FAN_ALERT_n", "BE26", DIR_IN, IO_1V8},
                  {"FAN_I2C_SCL", "BD26", DIR_INOUT, IO_1V8},
                  {"FAN_I2C_SDA", "BE27", DIR_INOUT, IO_1V8}});
    if (Config.bUfl)
        AddGroup(board, "UFL",
                 {{"UFL_CLKIN_p", "AN27", DIR_INOUT, IO_1V8}, {"UFL_CLKIN_n", "AN28", DIR_INOUT, IO_1V8}});
    if (Config.bTemperature)
        AddGroup(board, "Temperature Monitor",
                 {{"TEMP_I2C_SCL", "E22", DIR_INOUT, IO_1V8}, {"TEMP_I2C_SDA", "E23", DIR_INOUT, IO_1V8}});
    if (object.IsSi5340A0Used())
        AddGroup(board, "SI5340A0",
                 {{"SI5340A0_I2C_SCL", "BJ25", DIR_INOUT, IO_1V8},
                  {"SI5340A0_I2C_SDA", "BJ26", DIR_INOUT, IO_1V8},
                  {"SI5340A0_INTR", "BH26", DIR_IN, IO_1V8},
                  {"SI5340A0_OE_n", "BH25", DIR_OUT, IO_1V8},
                  {"SI5340A0_RST_n", "BH27", DIR_OUT, IO_1V8}});
    if (object.IsSi5340A1Used())
        AddGroup(board, "SI5340A1",
                 {{"SI5340A1_I2C_SCL", "G22", DIR_INOUT, IO_1V8},
                  {"SI5340A1_I2C_SDA", "H22", DIR_INOUT, IO_1V8},
                  {"SI5340A1_INTR", "H23", DIR_IN, IO_1V8},
                  {"SI5340A1_OE_n", "G23", DIR_OUT, IO_1V8},
                  {"SI5340A1_RST_n", "G24", DIR_OUT, IO_1V8}});
    if (Config.bGpio2x5)
        AddGroup(board, "2x5 GPIO Header",
                 {{"GPIO_CLK[0]", "BA27", DIR_INOUT, IO_1V8},
                  {"GPIO_CLK[1]", "BA26", DIR_INOUT, IO_1V8},
                  {"GPIO_P[0]", "BB25", DIR_INOUT, IO_1V8},
                  {"GPIO_P[1]", "BC26", DIR_INOUT, IO_1V8},
                  {"GPIO_P[2]", "BC25", DIR_INOUT, IO_1V8},
                  {"GPIO_P[3]", "BA25", DIR_INOUT, IO_1V8}});
    if (Config.bPowerMonitor)
        AddGroup(board, "POWER Monitor",
                 {{"POWER_MONITOR_I2C_SCL", "F24", DIR_INOUT, IO_1V8},
                  {"POWER_MONITOR_I2C_SDA", "F22", DIR_INOUT, IO_1V8},
                  {"POWER_MONITOR_ALERT_n", "E24", DIR_IN, IO_1V8},
                  {"EXP_EN", "BG25", DIR_IN, IO_1V8}});
    if (Config.bFlash) {
        TPinGroup g("FLASH");
        // The address bus has no bit 0.
        for (std::size_t n = 0; n < kFlashA.size(); ++n)
            g.Pin(Format("FLASH_A[%d]", static_cast<int>(n) + 1), kFlashA[n], DIR_OUT, IO_1V8);
        g.Pin("FLASH_CLK", "U23", DIR_OUT, IO_1V8);
        g.Bus("FLASH_D[%d]", kFlashD.data(), static_cast<int>(kFlashD.size()), DIR_INOUT, IO_1V8);
        g.Pins({{"FLASH_CE_n", "AR26", DIR_OUT, IO_1V8},
                {"FLASH_WE_n", "AT25", DIR_OUT, IO_1V8},
                {"FLASH_OE_n", "AV25", DIR_OUT, IO_1V8},
                {"FLASH_ADV_n", "AU25", DIR_OUT, IO_1V8},
                {"FLASH_RESET_n", "AP25", DIR_OUT, IO_1V8},
                {"FLASH_RDY_BSY_n", "AW26", DIR_IN, IO_1V8}});
        g.AddTo(board);
    }
    if (Config.bPcie) {
        TPinGroup g("PCIE Gen3 x16");
        g.Pin("PCIE_SMBCLK", "BA39", DIR_INOUT, socketC);
        g.Pin("PCIE_SMBDAT", "BF40", DIR_INOUT, socketC);
        g.ReferenceClock("PCIE_REFCLK_p", "AM41", IO_HCSL, 100, 6);
        g.Bus("PCIE_TX_p[%d]", kPcieTx.data(), static_cast<int>(kPcieTx.size()), DIR_OUT, IO_HSSI);
        g.Bus("PCIE_RX_p[%d]", kPcieRx.data(), static_cast<int>(kPcieRx.size()), DIR_IN, IO_CML);
        g.Pin("PCIE_PERST_n", "AJ34", DIR_IN, IO_3V0_LVTTL);
        g.Pin("PCIE_WAKE_n", "BC33", DIR_OUT, socketC);
        g.AddTo(board);
    }
    for (int i = 0; i < 4; ++i) {
        if (!Config.bQsfp28[i]) continue;
        const char x = static_cast<char>('A' + i);
        const TCageBalls& balls = kCages[i];
        const auto name = [x](const char* pattern) { return LetterPattern(pattern, x); };
        TPinGroup g(name("QSFP28%c"));
        g.ReferenceClock(name("QSFP28%c_REFCLK_p"), balls.RefClk, IO_LVDS, object.GetQsfp28RefClkMHz(i), 6);
        g.Bus(name("QSFP28%c_TX_p[%d]"), 4, {{0, balls.Tx0}}, DIR_OUT, IO_HSSI);
        g.Bus(name("QSFP28%c_RX_p[%d]"), 4, {{0, balls.Rx0}}, DIR_IN, IO_HSSI);
        g.Pin(name("QSFP28%c_INTERRUPT_n"), balls.Interrupt, DIR_IN, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_LP_MODE"), kUnknownBall, DIR_OUT, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_MOD_PRS_n"), kUnknownBall, DIR_IN, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_MOD_SEL_n"), kUnknownBall, DIR_OUT, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_RST_n"), kUnknownBall, DIR_OUT, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_SCL"), kUnknownBall, DIR_INOUT, IO_3V0_LVTTL);
        g.Pin(name("QSFP28%c_SDA"), kUnknownBall, DIR_INOUT, IO_3V0_LVTTL);
        g.AddTo(board);
    }
    if (object.HasMemoryModule()) {
        TPinGroup rzq("RZQ of Memory Modules");
        TPinGroup refClk("Referece Clock of Memory Modules");
        for (int i = 0; i < 4; ++i) {
            const uint8_t module = Config.nMemoryModuleId[i];
            if (module == 0) continue;
            const std::string prefix =
                ReadFixedText(Config.szMemoryPrefixName[i], sizeof Config.szMemoryPrefixName[i]);
            rzq.Pin(prefix + "RZQ", kRzq[i], DIR_IN, SocketBankStandard(module));
            refClk.ReferenceClock(prefix + "REFCLK_p", kMemRefClk[i], IO_LVDS, object.GetMemRefClkMHz(i), 6);
        }
        rzq.AddTo(board);
        refClk.AddTo(board);
        for (int i = 0; i < 4; ++i) {
            const uint8_t module = Config.nMemoryModuleId[i];
            if (module == 0) continue;
            const TModuleMaster& master = ModuleMaster(module);
            const std::vector<const char*> positions = MasterPositions(SocketTable(i));
            PL_ASSERT(positions.size() == kSocketPositions);
            AddMaster(board, master.Name, Format("located at DDR4-SODIMM Socket %c", 'A' + i), master.Type,
                      ZENNORBY_SOCKET_A_MASTER + i, positions);
        }
    }
    if (Config.bHps) {
        // Routed to the hard processor: no member has an FPGA location.
        TPinGroup g("HPS");
        g.Pins({{"HPS_SD_CLK", kHpsPin, DIR_OUT, IO_1V8}, {"HPS_SD_CMD", kHpsPin, DIR_INOUT, IO_1V8}});
        g.Bus("HPS_SD_DATA[%d]", 4, {}, DIR_INOUT, IO_1V8);
        g.Pins({{"HPS_USB0_CLK", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_USB0_STP", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_USB0_DIR", kHpsPin, DIR_IN, IO_1V8}});
        g.Bus("HPS_USB0_DATA[%d]", 8, {}, DIR_INOUT, IO_1V8);
        g.Pins({{"HPS_USB0_NXT", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_UART0_TX", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_UART0_RX", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_EMAC0_TX_CLK", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_EMAC0_TX_CTL", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_EMAC0_RX_CLK", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_EMAC0_RX_CTL", kHpsPin, DIR_IN, IO_1V8}});
        g.Bus("HPS_EMAC0_TXD[%d]", 4, {}, DIR_OUT, IO_1V8);
        g.Bus("HPS_EMAC0_RXD[%d]", 4, {}, DIR_IN, IO_1V8);
        g.Pins({{"HPS_EMAC0_MDIO", kHpsPin, DIR_INOUT, IO_1V8},
                {"HPS_EMAC0_MDC", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_FPGA_UART1_TX", kHpsPin, DIR_OUT, IO_1V8},
                {"HPS_FPGA_UART1_RX", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_LED", kHpsPin, DIR_INOUT, IO_1V8},
                {"HPS_KEY", kHpsPin, DIR_INOUT, IO_1V8},
                {"HPS_OSC_CLK", kHpsPin, DIR_IN, IO_1V8},
                {"HPS_CARD_PRSNT_n", kHpsPin, DIR_INOUT, IO_1V8}});
        g.AddTo(board);
    }
}
