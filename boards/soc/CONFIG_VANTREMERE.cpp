#include "boards/soc/CONFIG_VANTREMERE.h"

#include <iterator>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;
constexpr IoStandard SCHMITT_3V3 = 50;  // "3.3 V Schmitt Trigger"

const char* const kDramAddr[] = {"U17", "W19", "V18", "U18", "U19", "T18", "T19",
                                 "R18", "P18", "P19", "T20", "P20", "R20"};
static_assert(std::size(kDramAddr) == 13);
const char* const kDramDq[] = {"Y21", "Y20", "AA22", "AA21", "Y22", "W22", "W20", "V21",
                               "P21", "J22", "H21",  "H22",  "G22", "G20", "G19", "F22"};
static_assert(std::size(kDramDq) == 16);

const char* const kHex0[] = {"C14", "E15", "C15", "C16", "E16", "D17", "C17", "D15"};
static_assert(std::size(kHex0) == 8);
const char* const kHex1[] = {"C18", "D18", "E18", "B16", "A17", "A18", "B17", "A16"};
static_assert(std::size(kHex1) == 8);
const char* const kHex2[] = {"B20", "A20", "B19", "A21", "B21", "C22", "B22", "A19"};
static_assert(std::size(kHex2) == 8);
const char* const kHex3[] = {"F21", "E22", "E21", "C19", "C20", "D19", "E17", "D22"};
static_assert(std::size(kHex3) == 8);
const char* const kHex4[] = {"F18", "E20", "E19", "J18", "H19", "F19", "F20", "F17"};
static_assert(std::size(kHex4) == 8);
const char* const kHex5[] = {"J20", "K20", "L18", "N18", "M20", "N19", "N20", "L19"};
static_assert(std::size(kHex5) == 8);

const char* const kLedr[] = {"A8", "A9", "A10", "B10", "D13", "C13", "E14", "D14", "A11", "B11"};
static_assert(std::size(kLedr) == 10);
const char* const kSw[] = {"C10", "C11", "D12", "C12", "A12", "B12", "A13", "A14", "B14", "F15"};
static_assert(std::size(kSw) == 10);

const char* const kVgaB[] = {"P1", "T1", "P4", "N2"};
static_assert(std::size(kVgaB) == 4);
const char* const kVgaG[] = {"W1", "T2", "R2", "R1"};
static_assert(std::size(kVgaG) == 4);
const char* const kVgaR[] = {"AA1", "V1", "Y2", "Y1"};
static_assert(std::size(kVgaR) == 4);

const char* const kArduinoIo[] = {"AB5",  "AB6",  "AB7",  "AB8",  "AB9",  "Y10",  "AA11", "AA12",
                                  "AB17", "AA17", "AB19", "AA19", "Y19",  "AB20", "AB21", "AA20"};
static_assert(std::size(kArduinoIo) == 16);

// GPIO header positions 1 to 40.
const char* const kGpio[] = {
    "V10",  "W10", "V9",   "W9",   "V8",   "W8",  "V7",   "W7",   "W6",   "V5",   //  1..10
    kNoPin, kNoPin, "W5",  "AA15", "AA14", "W13", "W12",  "AB13", "AB12", "Y11",  // 11..20
    "AB11", "W11", "AB10", "AA10", "AA9",  "Y8",  "AA8",  "Y7",   kNoPin, kNoPin, // 21..30
    "AA7",  "Y6",  "AA6",  "Y5",   "AA5",  "Y4",  "AB3",  "Y3",   "AB2",  "AA2",  // 31..40
};
static_assert(std::size(kGpio) == 40);

void AddClock(TMainBoard* board)
{
    TPinGroup g("CLOCK");
    g.ReferenceClock("MAX10_CLK1_50", "P11", LVTTL, 50.0, 1);
    g.ReferenceClock("MAX10_CLK2_50", "N14", LVTTL, 50.0, 1);
    g.ReferenceClock("ADC_CLK_10", "N5", LVTTL, 10.0, 1);
    g.AddTo(board);
}

void AddSdram(TMainBoard* board)
{
    TPinGroup g("SDRAM");
    g.Bus("DRAM_ADDR[%d]", kDramAddr, 13, DIR_OUT, LVTTL);
    g.Pin("DRAM_BA[0]", "T21", DIR_OUT, LVTTL);
    g.Pin("DRAM_BA[1]", "T22", DIR_OUT, LVTTL);
    g.Pin("DRAM_CAS_N", "U21", DIR_OUT, LVTTL);
    g.Pin("DRAM_CKE", "N22", DIR_OUT, LVTTL);
    g.Pin("DRAM_CLK", "L14", DIR_OUT, LVTTL);
    g.Pin("DRAM_CS_N", "U20", DIR_OUT, LVTTL);
    g.Bus("DRAM_DQ[%d]", kDramDq, 16, DIR_INOUT, LVTTL);
    g.Pin("DRAM_LDQM", "V22", DIR_OUT, LVTTL);
    g.Pin("DRAM_RAS_N", "U22", DIR_OUT, LVTTL);
    g.Pin("DRAM_UDQM", "J21", DIR_OUT, LVTTL);
    g.Pin("DRAM_WE_N", "V20", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddSeg7(TMainBoard* board)
{
    TPinGroup g("SEG7");
    g.Bus("HEX0[%d]", kHex0, 8, DIR_OUT, LVTTL);
    g.Bus("HEX1[%d]", kHex1, 8, DIR_OUT, LVTTL);
    g.Bus("HEX2[%d]", kHex2, 8, DIR_OUT, LVTTL);
    g.Bus("HEX3[%d]", kHex3, 8, DIR_OUT, LVTTL);
    g.Bus("HEX4[%d]", kHex4, 8, DIR_OUT, LVTTL);
    g.Bus("HEX5[%d]", kHex5, 8, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddKey(TMainBoard* board)
{
    TPinGroup g("KEY");
    g.Pin("KEY[0]", "B8", DIR_IN, SCHMITT_3V3);
    g.Pin("KEY[1]", "A7", DIR_IN, SCHMITT_3V3);
    g.AddTo(board);
}

void AddLed(TMainBoard* board)
{
    TPinGroup g("LED");
    g.Bus("LEDR[%d]", kLedr, 10, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddSw(TMainBoard* board)
{
    TPinGroup g("SW");
    g.Bus("SW[%d]", kSw, 10, DIR_IN, LVTTL);
    g.AddTo(board);
}

void AddVga(TMainBoard* board)
{
    TPinGroup g("VGA");
    g.Bus("VGA_B[%d]", kVgaB, 4, DIR_OUT, LVTTL);
    g.Bus("VGA_G[%d]", kVgaG, 4, DIR_OUT, LVTTL);
    g.Pin("VGA_HS", "N3", DIR_OUT, LVTTL);
    g.Bus("VGA_R[%d]", kVgaR, 4, DIR_OUT, LVTTL);
    g.Pin("VGA_VS", "N1", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddAccelerometer(TMainBoard* board)
{
    TPinGroup g("Accelerometer");
    g.Pin("GSENSOR_SCLK", "AB15", DIR_OUT, LVTTL);
    g.Pin("GSENSOR_SDO", "V12", DIR_INOUT, LVTTL);
    g.Pin("GSENSOR_SDI", "V11", DIR_INOUT, LVTTL);
    g.Pin("GSENSOR_INT[1]", "Y14", DIR_IN, LVTTL);
    g.Pin("GSENSOR_INT[2]", "Y13", DIR_IN, LVTTL);
    g.Pin("GSENSOR_CS_N", "AB16", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddArduino(TMainBoard* board)
{
    TPinGroup g("Arduino");
    g.Bus("ARDUINO_IO[%d]", kArduinoIo, 16, DIR_INOUT, LVTTL);
    g.Pin("ARDUINO_RESET_N", "F16", DIR_INOUT, SCHMITT_3V3);
    g.AddTo(board);
}

void AddGpioMaster(TMainBoard* board, DaughterId card)
{
    const std::string description = Format("GPIO connect to %s", GetCardDisplayName(card).c_str());
    TConnector* master = AddMaster(board, "GPIO", description, CONNECTOR_GPIO40, 16,
                                   std::vector<const char*>(std::begin(kGpio), std::end(kGpio)));
    // The placeholders keep 3.3-V LVTTL whatever the card's map says.
    for (int i = 0; i < master->GetPinCount(); ++i)
        if (TPin* pin = master->GetPin(i)) pin->SetIoStandard(LVTTL);
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

    SetDevice(board, {"MAX 10 FPGA", 484, "FBGA", "7", 0, "10M50DAF484C7G"});

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
