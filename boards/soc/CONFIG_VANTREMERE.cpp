#include "boards/soc/CONFIG_VANTREMERE.h"

#include <iterator>
#include <string>

#include "boards/soc/BoardPins.h"
#include "model/DaughterBoard.h"

using namespace boardpins;

namespace {

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;
constexpr IoStandard SCHMITT_3V3 = 50;  // "3.3 V Schmitt Trigger"

const char* const kDramAddr[] = {"U17", "W19", "V18", "U18", "U19", "T18", "T19",
                                 "R18", "P18", "P19", "T20", "P20", "R20"};
const char* const kDramDq[] = {"Y21", "Y20", "AA22", "AA21", "Y22", "W22", "W20", "V21",
                               "P21", "J22", "H21",  "H22",  "G22", "G20", "G19", "F22"};

const char* const kHex0[] = {"C14", "E15", "C15", "C16", "E16", "D17", "C17", "D15"};
const char* const kHex1[] = {"C18", "D18", "E18", "B16", "A17", "A18", "B17", "A16"};
const char* const kHex2[] = {"B20", "A20", "B19", "A21", "B21", "C22", "B22", "A19"};
const char* const kHex3[] = {"F21", "E22", "E21", "C19", "C20", "D19", "E17", "D22"};
const char* const kHex4[] = {"F18", "E20", "E19", "J18", "H19", "F19", "F20", "F17"};
const char* const kHex5[] = {"J20", "K20", "L18", "N18", "M20", "N19", "N20", "L19"};

const char* const kLedr[] = {"A8", "A9", "A10", "B10", "D13", "C13", "E14", "D14", "A11", "B11"};
const char* const kSw[] = {"C10", "C11", "D12", "C12", "A12", "B12", "A13", "A14", "B14", "F15"};

const char* const kVgaB[] = {"P1", "T1", "P4", "N2"};
const char* const kVgaG[] = {"W1", "T2", "R2", "R1"};
const char* const kVgaR[] = {"AA1", "V1", "Y2", "Y1"};

const char* const kArduinoIo[] = {"AB5",  "AB6",  "AB7",  "AB8",  "AB9",  "Y10",  "AA11", "AA12",
                                  "AB17", "AA17", "AB19", "AA19", "Y19",  "AB20", "AB21", "AA20"};

// GPIO header positions 1 to 40; "" marks a position without a pin.
const char* const kGpio[] = {
    "V10", "W10",  "V9",   "W9",   "V8",   "W8",   "V7",  "W7",  "W6",  "V5",   //  1..10
    "",    "",     "W5",   "AA15", "AA14", "W13",  "W12", "AB13", "AB12", "Y11", // 11..20
    "AB11", "W11", "AB10", "AA10", "AA9",  "Y8",   "AA8", "Y7",  "",    "",     // 21..30
    "AA7", "Y6",   "AA6",  "Y5",   "AA5",  "Y4",   "AB3", "Y3",  "AB2", "AA2",  // 31..40
};

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    ClockPin(pConn, "MAX10_CLK1_50", "P11", LVTTL, "50.0 MHz");
    ClockPin(pConn, "MAX10_CLK2_50", "N14", LVTTL, "50.0 MHz");
    ClockPin(pConn, "ADC_CLK_10", "N5", LVTTL, "10.0 MHz");
    board->AddConnector(pConn);
}

void AddSdram(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SDRAM");
    Bus(pConn, "DRAM_ADDR", kDramAddr, 13, LVTTL, OUT);
    Pin(pConn, "DRAM_BA[0]", "T21", LVTTL, OUT);
    Pin(pConn, "DRAM_BA[1]", "T22", LVTTL, OUT);
    Pin(pConn, "DRAM_CAS_N", "U21", LVTTL, OUT);
    Pin(pConn, "DRAM_CKE", "N22", LVTTL, OUT);
    Pin(pConn, "DRAM_CLK", "L14", LVTTL, OUT);
    Pin(pConn, "DRAM_CS_N", "U20", LVTTL, OUT);
    Bus(pConn, "DRAM_DQ", kDramDq, 16, LVTTL, INOUT);
    Pin(pConn, "DRAM_LDQM", "V22", LVTTL, OUT);
    Pin(pConn, "DRAM_RAS_N", "U22", LVTTL, OUT);
    Pin(pConn, "DRAM_UDQM", "J21", LVTTL, OUT);
    Pin(pConn, "DRAM_WE_N", "V20", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddSeg7(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SEG7");
    Bus(pConn, "HEX0", kHex0, 8, LVTTL, OUT);
    Bus(pConn, "HEX1", kHex1, 8, LVTTL, OUT);
    Bus(pConn, "HEX2", kHex2, 8, LVTTL, OUT);
    Bus(pConn, "HEX3", kHex3, 8, LVTTL, OUT);
    Bus(pConn, "HEX4", kHex4, 8, LVTTL, OUT);
    Bus(pConn, "HEX5", kHex5, 8, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Pin(pConn, "KEY[0]", "B8", SCHMITT_3V3, IN);
    Pin(pConn, "KEY[1]", "A7", SCHMITT_3V3, IN);
    board->AddConnector(pConn);
}

void AddLed(TMainBoard* board)
{
    TConnector* pConn = NewGroup("LED");
    Bus(pConn, "LEDR", kLedr, 10, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddSw(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SW");
    Bus(pConn, "SW", kSw, 10, LVTTL, IN);
    board->AddConnector(pConn);
}

void AddVga(TMainBoard* board)
{
    TConnector* pConn = NewGroup("VGA");
    Bus(pConn, "VGA_B", kVgaB, 4, LVTTL, OUT);
    Bus(pConn, "VGA_G", kVgaG, 4, LVTTL, OUT);
    Pin(pConn, "VGA_HS", "N3", LVTTL, OUT);
    Bus(pConn, "VGA_R", kVgaR, 4, LVTTL, OUT);
    Pin(pConn, "VGA_VS", "N1", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddAccelerometer(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Accelerometer");
    Pin(pConn, "GSENSOR_SCLK", "AB15", LVTTL, OUT);
    Pin(pConn, "GSENSOR_SDO", "V12", LVTTL, INOUT);
    Pin(pConn, "GSENSOR_SDI", "V11", LVTTL, INOUT);
    Pin(pConn, "GSENSOR_INT[1]", "Y14", LVTTL, IN);
    Pin(pConn, "GSENSOR_INT[2]", "Y13", LVTTL, IN);
    Pin(pConn, "GSENSOR_CS_N", "AB16", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddArduino(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Arduino");
    Bus(pConn, "ARDUINO_IO", kArduinoIo, 16, LVTTL, INOUT);
    Pin(pConn, "ARDUINO_RESET_N", "F16", SCHMITT_3V3, INOUT);
    board->AddConnector(pConn);
}

void AddGpioMaster(TMainBoard* board, DaughterId card)
{
    const std::string description = Format("GPIO connect to %s", GetCardDisplayName(card).c_str());
    TConnector* pConn = new TConnector("GPIO", description, CONNECTOR_GPIO40, -1);
    const int nNum = static_cast<int>(std::size(kGpio));
    PL_ASSERT(nNum == 40);
    // The placeholders keep 3.3-V LVTTL whatever the card's map says.
    for (const char* location : kGpio) MasterPosition(pConn, location, LVTTL);
    pConn->SetIsMaster(true);
    pConn->SetMasterId(16);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_VANTREMERE(TMainBoard* board, TConfigVantremere* Config)
{
    board->m_pConfig = Config;
    const TConfigVantremere::BOARD_CONFIG& record = Config->m_Config;
    board->m_BoardId = static_cast<MainBoardId>(record.BoardId);
    PL_ASSERT(record.BoardId == MAINBOARD_VANTREMERE);
    PL_ASSERT(record.Size == sizeof(TConfigVantremere::BOARD_CONFIG));

    board->ClearConnectors();

    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C7G";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "7";

    if (record.bClock) AddClock(board);
    if (record.bSdram) AddSdram(board);
    if (record.bSeg7) AddSeg7(board);
    if (record.bKey) AddKey(board);
    if (record.bLed) AddLed(board);
    if (record.bSw) AddSw(board);
    if (record.bVga) AddVga(board);
    if (record.bAccelerometer) AddAccelerometer(board);
    if (record.bArduino) AddArduino(board);
    if (record.nGpioDaughterId > 0) AddGpioMaster(board, record.nGpioDaughterId);
}
