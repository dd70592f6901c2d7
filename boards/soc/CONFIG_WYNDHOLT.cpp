#include "boards/soc/CONFIG_WYNDHOLT.h"

#include <cstdint>

#include "boards/soc/BoardPins.h"
#include "boards/soc/GpioMasters.h"
#include "model/Pin.h"
#include "platform/Seam.h"

using namespace boardpins;

namespace {

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;  // every pin of the board but the card positions

// Bus locations, index 0 first.
const char* const kDramAddr[] = {"W8", "T8", "U11", "Y10", "N6", "AB10", "P12", "P7", "P8", "R5", "U8", "P6", "R7"};
const char* const kDramDq[] = {"Y9", "T10", "R9", "Y11", "R10", "R11", "R12", "AA12",
                               "AA9", "AB8", "AA8", "AA7", "V10", "V9", "U10", "T9"};

const char* const kHex0[] = {"U21", "V21", "W22", "W21", "Y22", "Y21", "AA22"};
const char* const kHex1[] = {"AA20", "AB20", "AA19", "AA18", "AB18", "AA17", "U22"};
const char* const kHex2[] = {"Y19", "AB17", "AA10", "Y14", "V14", "AB22", "AB21"};
const char* const kHex3[] = {"Y16", "W16", "Y17", "V16", "U17", "V18", "V19"};
const char* const kHex4[] = {"U20", "Y20", "V20", "U16", "U15", "Y15", "P9"};
const char* const kHex5[] = {"N9", "M8", "T14", "P14", "C1", "C2", "W19"};

const char* const kLedr[] = {"AA2", "AA1", "W2", "Y3", "N2", "N1", "U2", "U1", "L2", "L1"};
const char* const kSw[] = {"U13", "V13", "T13", "T12", "AA15", "AB15", "AA14", "AA13", "AB13", "AB12"};

// GPIO header positions 1 to 40; "" marks a position without a pin.
const char* const kGpio0[] = {
    "N16", "B16", "M16", "C16", "D17", "K20", "K21", "K22", "M20", "M21",  //  1..10
    "",    "",    "N21", "R22", "R21", "T22", "N20", "N19", "M22", "P19",  // 11..20
    "L22", "P17", "P16", "M18", "L18", "L17", "L19", "K17", "",    "",     // 21..30
    "K19", "P18", "R15", "R17", "R16", "T20", "T19", "T18", "T17", "T15",  // 31..40
};
const char* const kGpio1[] = {
    "H16", "A12", "H15", "B12", "A13", "B13", "C13", "D13", "G18", "G17",  //  1..10
    "",    "",    "H18", "J18", "J19", "G11", "H10", "J11", "H14", "A15",  // 11..20
    "J13", "L8",  "A14", "B15", "C15", "E14", "E15", "E16", "",    "",     // 21..30
    "F14", "F15", "F13", "F12", "G16", "G15", "G13", "G12", "J17", "K16",  // 31..40
};

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    ClockPin(pConn, "CLOCK_50", "M9", LVTTL, "50.0 MHz");
    ClockPin(pConn, "CLOCK2_50", "H13", LVTTL, "50.0 MHz");
    ClockPin(pConn, "CLOCK3_50", "E10", LVTTL, "50.0 MHz");
    // The fourth clock is an inout on this board.
    TPin* pPin = new TPin("CLOCK4_50", "V15", INOUT, LVTTL, 0);
    pPin->SetIsClock(true);
    pPin->SetClockFrequencyText("50.0 MHz");
    pConn->AddPin(pPin);
    board->AddConnector(pConn);
}

void AddSdram(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SDRAM");
    Bus(pConn, "DRAM_ADDR", kDramAddr, 13, LVTTL, OUT);
    Pin(pConn, "DRAM_BA[0]", "T7", LVTTL, OUT);
    Pin(pConn, "DRAM_BA[1]", "AB7", LVTTL, OUT);
    Pin(pConn, "DRAM_CAS_N", "V6", LVTTL, OUT);
    Pin(pConn, "DRAM_CKE", "R6", LVTTL, OUT);
    Pin(pConn, "DRAM_CLK", "AB11", LVTTL, OUT);
    Pin(pConn, "DRAM_CS_N", "U6", LVTTL, OUT);
    Bus(pConn, "DRAM_DQ", kDramDq, 16, LVTTL, INOUT);
    Pin(pConn, "DRAM_LDQM", "U12", LVTTL, OUT);
    Pin(pConn, "DRAM_RAS_N", "AB6", LVTTL, OUT);
    Pin(pConn, "DRAM_UDQM", "N8", LVTTL, OUT);
    Pin(pConn, "DRAM_WE_N", "AB5", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddSeg7(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SEG7");
    Bus(pConn, "HEX0", kHex0, 7, LVTTL, OUT);
    Bus(pConn, "HEX1", kHex1, 7, LVTTL, OUT);
    Bus(pConn, "HEX2", kHex2, 7, LVTTL, OUT);
    Bus(pConn, "HEX3", kHex3, 7, LVTTL, OUT);
    Bus(pConn, "HEX4", kHex4, 7, LVTTL, OUT);
    Bus(pConn, "HEX5", kHex5, 7, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Pin(pConn, "KEY[0]", "U7", LVTTL, IN);
    Pin(pConn, "KEY[1]", "W9", LVTTL, IN);
    Pin(pConn, "KEY[2]", "M7", LVTTL, IN);
    Pin(pConn, "KEY[3]", "M6", LVTTL, IN);
    Pin(pConn, "RESET_N", "P22", LVTTL, IN);
    board->AddConnector(pConn);
}

void AddLed(TMainBoard* board)
{
    TConnector* pConn = NewGroup("LED");
    Bus(pConn, "LEDR", kLedr, 10, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddPs2(TMainBoard* board)
{
    TConnector* pConn = NewGroup("PS2");
    Pin(pConn, "PS2_CLK", "D3", LVTTL, INOUT);
    Pin(pConn, "PS2_CLK2", "E2", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT", "G2", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT2", "G1", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddSdCard(TMainBoard* board)
{
    TConnector* pConn = NewGroup("microSD Card");
    Pin(pConn, "SD_CLK", "H11", LVTTL, OUT);
    Pin(pConn, "SD_CMD", "B11", LVTTL, INOUT);
    Pin(pConn, "SD_DATA[0]", "K9", LVTTL, INOUT);
    Pin(pConn, "SD_DATA[1]", "D12", LVTTL, INOUT);
    Pin(pConn, "SD_DATA[2]", "E12", LVTTL, INOUT);
    Pin(pConn, "SD_DATA[3]", "C11", LVTTL, INOUT);
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
    Pin(pConn, "VGA_B[0]", "B6", LVTTL, OUT);
    Pin(pConn, "VGA_B[1]", "B7", LVTTL, OUT);
    Pin(pConn, "VGA_B[2]", "A8", LVTTL, OUT);
    Pin(pConn, "VGA_B[3]", "A7", LVTTL, OUT);
    Pin(pConn, "VGA_G[0]", "L7", LVTTL, OUT);
    Pin(pConn, "VGA_G[1]", "K7", LVTTL, OUT);
    Pin(pConn, "VGA_G[2]", "J7", LVTTL, OUT);
    Pin(pConn, "VGA_G[3]", "J8", LVTTL, OUT);
    Pin(pConn, "VGA_HS", "H8", LVTTL, OUT);
    Pin(pConn, "VGA_R[0]", "A9", LVTTL, OUT);
    Pin(pConn, "VGA_R[1]", "B10", LVTTL, OUT);
    Pin(pConn, "VGA_R[2]", "C9", LVTTL, OUT);
    Pin(pConn, "VGA_R[3]", "A5", LVTTL, OUT);
    Pin(pConn, "VGA_VS", "G8", LVTTL, OUT);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_WYNDHOLT(TMainBoard* board, const WYNDHOLT_CONFIG* Config)
{
    board->m_WyndholtConfig.CopyFrom(*Config);
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_WYNDHOLT);
    PL_ASSERT(Config->Size == sizeof(WYNDHOLT_CONFIG));

    board->ClearConnectors();

    board->m_Family = "Cyclone V";
    board->m_Device = "5CEBA4F23C7";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "7";

    if (Config->bClock) AddClock(board);
    if (Config->bSdram) AddSdram(board);
    if (Config->bSeg7) AddSeg7(board);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bPs2) AddPs2(board);
    if (Config->bSdCard) AddSdCard(board);
    if (Config->bSw) AddSw(board);
    if (Config->bVga) AddVga(board);

    // Card ids are compared as signed bytes here.
    if (static_cast<int8_t>(Config->nGpioDaughterId[GPIO_0]) > 0 ||
        static_cast<int8_t>(Config->nGpioDaughterId[GPIO_1]) > 0)
        gpiomasters::AddHeaderPair(board, Config->nGpioDaughterId, kGpio0, kGpio1);
}
