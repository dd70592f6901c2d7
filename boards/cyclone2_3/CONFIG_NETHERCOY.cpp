#include "boards/cyclone2_3/CONFIG_NETHERCOY.h"

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

// The device of each item of the "Board Type: " combo, with its speed grade.
struct TBoardType {
    const char* Part;
    int32_t SpeedGrade;
};
constexpr TBoardType kBoardTypes[NETHERCOY_BOARD_TYPES] = {
    {"EP3SL150F1152C3", 2},  // "Nethercoy 150"
    {"EP3SE260F1152C2", 2},  // "Nethercoy 260"
    {"EP3SL340H1152C2", 2},  // "Nethercoy 340C2"
    {"EP3SL340H1152C3", 3},  // "Nethercoy 340C3"
    {"EP3SL150F1152C3", 2},  // "Nethercoy 150ES"
};

constexpr int32_t OSC_PERIOD_NS = 20;
constexpr int DDR2_POSITIONS = 200;
constexpr int DDR2_LOCATED = 121;
constexpr int TAVREL_POSITIONS = 180;
constexpr int GPIO_POSITIONS = 40;

// The DDR2 SODIMM socket: the positions without an FPGA pin are the module's
// supplies, grounds and unconnected contacts, and three module signals whose
// contacts the socket leaves unrouted: a[15] (84), SA[0] (198) and SA[1]
// (200). The other 121 carry the module's signals, dqs_n and the serial bus
// included.
const std::vector<TPositionRange> kDdr2WithoutPin = {
    {1, 3},     {8, 9},     {12, 12},   {15, 15},   {18, 18},   {21, 21},   {24, 24},   {27, 28},   {33, 34},
    {39, 42},   {47, 48},   {50, 50},   {53, 54},   {59, 60},   {65, 66},   {69, 69},   {71, 72},   {77, 78},
    {81, 84},   {87, 88},   {95, 96},   {103, 104}, {111, 112}, {117, 118}, {120, 122}, {127, 128}, {132, 133},
    {138, 139}, {144, 145}, {149, 150}, {155, 156}, {161, 163}, {165, 165}, {168, 168}, {171, 172}, {177, 178},
    {183, 184}, {187, 187}, {190, 190}, {193, 193}, {196, 196}, {198, 200}};

// Tavrel-A has two signal positions fewer than the other connectors: 123
// and 124, next to the unused block 125 to 130.
std::vector<TPositionRange> TavrelAWithoutPin()
{
    std::vector<TPositionRange> ranges = TavrelPositionsWithoutPin();
    ranges.push_back({123, 124});
    return ranges;
}

void AddOnBoardGroups(TMainBoard* board, const NETHERCOY_CONFIG& Config)
{
    constexpr IoStandard IO = IO_3V3_LVTTL;
    if (Config.bCLOCK) {
        TPinGroup group("CLOCK");
        group.Clock("OSC1_50", "T33", IO, OSC_PERIOD_NS);
        group.Clock("OSC2_50", "W2", IO, OSC_PERIOD_NS);
        group.Clock("OSC_BA", "AN18", IO, OSC_PERIOD_NS);
        group.Clock("OSC_BB", "AN16", IO, OSC_PERIOD_NS);
        group.Clock("OSC_BC", "B17", IO, OSC_PERIOD_NS);
        group.Clock("OSC_BD", "B19", IO, OSC_PERIOD_NS);
        group.Pins({{"EXT_CLK_OUT", "V10", DIR_OUT, IO}, {"EXT_CLK_IN", "U2", DIR_IN, IO}});
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED");
        group.Bus("LEDR[%d]", 8, {{0, "AD1"}}, DIR_OUT, IO);
        group.Bus("LEDG[%d]", 8, {}, DIR_OUT, IO);
        group.Bus("LEDB[%d]", 8, {}, DIR_OUT, IO);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        // Push buttons drive the FPGA: inputs.
        TPinGroup group("BUTTON");
        group.Bus("BUTTON[%d]", 4, {{0, "K1"}}, DIR_IN, IO);
        group.AddTo(board);
    }
    if (Config.bSW) {
        TPinGroup group("SWITCH");
        group.Bus("SW[%d]", 4, {{0, "W5"}}, DIR_IN, IO);
        group.AddTo(board);
    }
    if (Config.bDIP) {
        TPinGroup group("DIP SWITCH");
        group.Bus("DIP_SW[%d]", 8, {{0, "R12"}}, DIR_IN, IO);
        group.AddTo(board);
    }
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_CLK", kUnknownBall, DIR_OUT, IO},
                  {"TEMP_DATA", kUnknownBall, DIR_INOUT, IO},
                  {"TEMP_INTn", kUnknownBall, DIR_IN, IO}});
    }
    if (Config.bSEG7) {
        TPinGroup group("SEG7");
        group.Pins({{"HEX0_DP", kUnknownBall, DIR_OUT, IO}, {"HEX1_DP", kUnknownBall, DIR_OUT, IO}});
        group.Bus("HEX0_D[%d]", 7, {{0, "Y11"}}, DIR_OUT, IO);
        group.Bus("HEX1_D[%d]", 7, {}, DIR_OUT, IO);
        group.AddTo(board);
    }
    if (Config.bUSB) {
        TPinGroup group("USB OTG");
        group.Bus("OTG_D[%d]", 32, {{0, "Y25"}}, DIR_INOUT, IO);
        // OTG_A[1] .. OTG_A[17]: the address has no bit 0.
        group.Pin("OTG_A[1]", "N32", DIR_OUT, IO);
        for (int n = 2; n <= 17; ++n) group.Pin(Format("OTG_A[%d]", n), kUnknownBall, DIR_OUT, IO);
        group.Pins({{"OTG_CS_n", kUnknownBall, DIR_OUT, IO},
                    {"OTG_WE_n", kUnknownBall, DIR_OUT, IO},
                    {"OTG_OE_n", kUnknownBall, DIR_OUT, IO},
                    {"OTG_HC_IRQ", kUnknownBall, DIR_IN, IO},
                    {"OTG_DC_IRQ", kUnknownBall, DIR_IN, IO},
                    {"OTG_RESET_n", kUnknownBall, DIR_OUT, IO},
                    {"OTG_HC_DREQ", kUnknownBall, DIR_IN, IO},
                    {"OTG_HC_DACK", kUnknownBall, DIR_OUT, IO},
                    {"OTG_DC_DREQ", kUnknownBall, DIR_IN, IO},
                    {"OTG_DC_DACK", kUnknownBall, DIR_OUT, IO}});
        group.AddTo(board);
    }
    if (Config.bSDCARD) {
        AddGroup(board, "SDCARD",
                 {{"SD_CMD", kUnknownBall, DIR_INOUT, IO},
                  {"SD_CLK", kUnknownBall, DIR_OUT, IO},
                  {"SD_WPn", kUnknownBall, DIR_IN, IO},
                  {"SD_DAT", kUnknownBall, DIR_INOUT, IO},
                  {"SD_DAT3", kUnknownBall, DIR_INOUT, IO}});
    }
}

}  // namespace

void CONFIG_NETHERCOY(TMainBoard* board, const NETHERCOY_CONFIG* pConfig)
{
    const NETHERCOY_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_NETHERCOY;
    CHECK_RECORD_HEAD(Config, MAINBOARD_NETHERCOY, NETHERCOY_CONFIG);
    board->ClearConnectors();
    // A board type outside the list names no device.
    const bool known = Config.nBoardType < NETHERCOY_BOARD_TYPES;
    SetDevice(board, {"Stratix III", 1152, "FBGA", "", known ? kBoardTypes[Config.nBoardType].SpeedGrade : 2,
                      known ? kBoardTypes[Config.nBoardType].Part : ""});

    AddOnBoardGroups(board, Config);

    // The DDR2 SODIMM socket shares its pins with Tavrel-B, the GPIO headers
    // theirs with Tavrel-A: each mode takes its Tavrel connector's place.
    if (Config.bDDR2) {
        TConnector* pCon = AddMaster(board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, NETHERCOY_DDR2_MASTER,
                                     MasterLocations(DDR2_POSITIONS, kDdr2WithoutPin, {{4, "AE7"}}));
        PL_ASSERT(pCon->GetActivePinCount() == DDR2_LOCATED);
    }
    const uint8_t gpio0 = Config.nGpioDaughterId[NETHERCOY_GPIO_0];
    const uint8_t gpio1 = Config.nGpioDaughterId[NETHERCOY_GPIO_1];
    if (Config.bGpioHeader && gpio0 > 0)
        AddMaster(board, "GPIO_0", CardDescription("GPIO_0", gpio0), CONNECTOR_GPIO40, NETHERCOY_GPIO_0_MASTER,
                  MasterLocations(GPIO_POSITIONS, GpioHeaderPositionsWithoutPin(), {{1, "AE32"}}));
    if (Config.bGpioHeader && gpio1 > 0)
        AddMaster(board, "GPIO_1", CardDescription("GPIO_1", gpio1), CONNECTOR_GPIO40, NETHERCOY_GPIO_1_MASTER,
                  MasterLocations(GPIO_POSITIONS, GpioHeaderPositionsWithoutPin(), {{1, "AP19"}}));

    const uint8_t* cards = Config.nTavrelDaughterId;
    if (!Config.bGpioHeader && cards[NETHERCOY_TAVREL_A] > 0)
        AddMaster(board, "Tavrel-A", CardDescription("Tavrel-A", cards[NETHERCOY_TAVREL_A]), CONNECTOR_TAVREL,
                  NETHERCOY_TAVREL_A_MASTER,
                  MasterLocations(TAVREL_POSITIONS, TavrelAWithoutPin(), {{3, "AE19"}, {4, "AE32"}}));
    if (!Config.bDDR2 && cards[NETHERCOY_TAVREL_B] > 0)
        AddMaster(board, "Tavrel-B", CardDescription("Tavrel-B", cards[NETHERCOY_TAVREL_B]), CONNECTOR_TAVREL,
                  NETHERCOY_TAVREL_A_MASTER + 1,
                  MasterLocations(TAVREL_POSITIONS, TavrelPositionsWithoutPin(), {{3, "AD16"}, {9, "AE7"}}));
    if (cards[NETHERCOY_TAVREL_C] > 0)
        AddMaster(board, "Tavrel-C", CardDescription("Tavrel-C", cards[NETHERCOY_TAVREL_C]), CONNECTOR_TAVREL,
                  NETHERCOY_TAVREL_A_MASTER + 2,
                  MasterLocations(TAVREL_POSITIONS, TavrelPositionsWithoutPin(), {{3, "L16"}}));
    if (cards[NETHERCOY_TAVREL_D] > 0)
        AddMaster(board, "Tavrel-D", CardDescription("Tavrel-D", cards[NETHERCOY_TAVREL_D]), CONNECTOR_TAVREL,
                  NETHERCOY_TAVREL_A_MASTER + 3,
                  MasterLocations(TAVREL_POSITIONS, TavrelPositionsWithoutPin(), {{3, "L20"}}));
}
