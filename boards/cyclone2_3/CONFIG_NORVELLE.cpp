#include "boards/cyclone2_3/CONFIG_NORVELLE.h"

#include "boards/frame/ConfigFrame.h"

namespace {

constexpr TDevice kDevice = {"Cyclone III", -1, "FBGA", "", 7, "EP3C120F780C7"};
constexpr int32_t OSC_PERIOD_NS = 10;
constexpr int DDR2_POSITIONS = 200;
constexpr int DDR2_LOCATED = 112;
constexpr int TAVREL_POSITIONS = 180;

const char* const kLed[4] = {"AA23", "AA22", "AF9", "AD12"};
const char* const kButton[2] = {"AD7", "AF6"};
const char* const kGpio[10] = {"N8", "E1", "H6", "F5", "H5", "U7", "U8", "M24", "U21", "R24"};

// The DDR2 SODIMM socket: the module's supplies, grounds and unconnected
// contacts, its dqs_n contacts and its serial bus (SDA, SCL, SA[0], SA[1])
// have no FPGA pin; the other 112 positions carry its signals.
const std::vector<TPositionRange> kDdr2WithoutPin = {
    {1, 3},     {8, 9},     {11, 12},   {15, 15},   {18, 18},   {21, 21},   {24, 24},   {27, 29},   {33, 34},
    {39, 42},   {47, 50},   {53, 54},   {59, 60},   {65, 66},   {68, 69},   {71, 72},   {77, 78},   {81, 83},
    {87, 88},   {95, 96},   {103, 104}, {111, 112}, {117, 118}, {120, 122}, {127, 129}, {132, 133}, {138, 139},
    {144, 146}, {149, 150}, {155, 156}, {161, 163}, {165, 165}, {167, 168}, {171, 172}, {177, 178}, {183, 184},
    {186, 187}, {190, 190}, {193, 193}, {195, 200}};

}  // namespace

std::vector<const char*> NorvelleDdr2SodimmLocations()
{
    return MasterLocations(DDR2_POSITIONS, kDdr2WithoutPin, {{4, "B7"}, {5, "C10"}});
}

void CONFIG_NORVELLE(TMainBoard* board, const NORVELLE_CONFIG* pConfig)
{
    const NORVELLE_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_NORVELLE;
    CHECK_RECORD_HEAD(Config, MAINBOARD_NORVELLE, NORVELLE_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bCLOCK) {
        TPinGroup group("CLOCK");
        group.Clock("OSC_100", "AG14", IO_3V3_LVTTL, OSC_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED");
        group.Bus("LED[%d]", kLed, 4, DIR_OUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        TPinGroup group("BUTTON");
        group.Bus("BUTTON[%d]", kButton, 2, DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bGPIO) {
        TPinGroup group("GPIO Header");
        group.Bus("GPIO[%d]", kGpio, 10, DIR_INOUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }

    if (Config.bDDR2) {
        TConnector* pCon = AddMaster(board, "DDR2", "DDR2 Sodimm Enabled", CONNECTOR_DDR2_SODIMM,
                                     NORVELLE_DDR2_MASTER, NorvelleDdr2SodimmLocations());
        PL_ASSERT(pCon->GetActivePinCount() == DDR2_LOCATED);
    }
    if (Config.nTavrel23DaughterId > 0)
        AddMaster(board, "Tavrel_23", CardDescription("Tavrel2/Tavrel3", Config.nTavrel23DaughterId),
                  CONNECTOR_TAVREL, NORVELLE_TAVREL23_MASTER,
                  MasterLocations(TAVREL_POSITIONS, TavrelPositionsWithoutPin(),
                                  {{3, "G1"}, {4, "J1"}, {180, "AC3"}}));
    if (Config.nTavrel1DaughterId > 0)
        AddMaster(board, "Tavrel_1",
                  CardDescription("Tavrel1", static_cast<DaughterId>(Config.nTavrel1DaughterId & 0xFF)),
                  CONNECTOR_TAVREL, NORVELLE_TAVREL1_MASTER,
                  MasterLocations(TAVREL_POSITIONS, TavrelPositionsWithoutPin(),
                                  {{3, "J26"}, {4, "J28"}, {45, "P28"}, {180, "AE7"}}));
}
