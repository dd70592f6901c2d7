#include "boards/soc/CONFIG_MIRRENDALE.h"

#include <cstdint>
#include <string>

#include "boards/soc/AudioVideoGroups.h"
#include "boards/soc/BoardPins.h"
#include "boards/soc/GpioMasters.h"
#include "boards/soc/HpsPins.h"
#include "model/Connector.h"
#include "model/DaughterBoard.h"
#include "model/Pin.h"
#include "model/Text.h"
#include "platform/Seam.h"

using namespace boardpins;

namespace {

// I/O standards of this board.
constexpr IoStandard V15 = 0;                       // "1.5 V"
constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;      // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15 = 12;              // "Differential 1.5-V SSTL Class I"
constexpr IoStandard SSTL15 = 29;                   // "SSTL-15 Class I"

constexpr int32_t CLOCK_PERIOD_NS = 20;  // every clock of the board runs at 50 MHz

struct ClockRecord {
    char szName[32];
    char szLocation[32];
    IoStandard IoStd;
    char szBank[32];
};

const ClockRecord kClocks[] = {
    {"CLOCK_50", "AF14", V15, "BANK 3B"},
    {"CLOCK2_50", "AA16", V15, "BANK 4A"},
    {"CLOCK3_50", "Y26", LVTTL, "BANK 5B"},
    {"CLOCK4_50", "K14", LVTTL, "BANK 8A"},
};

// Bus locations, index 0 first.
const char* const kHdmiTxD[] = {"C7", "B7", "E9", "B8", "A8", "C9", "A9", "D9", "D10", "F9", "D7", "E8",
                                "F8", "E7", "E6", "E4", "E3", "D5", "D4", "D6", "C3", "C4", "C5", "B5"};

const char* const kHex0[] = {"AK28", "AH28", "AG28", "AJ29", "AH29", "AH30", "AG30"};
const IoStandard kHex0Io[] = {V15, LVTTL, LVTTL, LVTTL, LVTTL, LVTTL, LVTTL};
const char* const kHex1[] = {"AD21", "AC22", "AC23", "AE24", "AD24", "AF25", "AH27"};
const char* const kHex2[] = {"AB17", "AD17", "AC18", "Y19", "AJ19", "AA20", "AD20"};
const char* const kHex3[] = {"AE13", "AF15", "AE14", "AD14", "AC14", "AG13", "AF13"};
const char* const kHex4[] = {"AG8", "AF8", "AE7", "AD7", "AF9", "AF10", "AE9"};
const char* const kHex5[] = {"AF4", "AH5", "AF5", "AG5", "AF6", "AG6", "AG7"};

const char* const kDdr3Addr[] = {"AJ14", "AK14", "AH12", "AJ12", "AG15", "AH15", "AK12", "AK13",
                                 "AH13", "AH14", "AJ9",  "AK9",  "AK7",  "AK8",  "AG12"};
const char* const kDdr3Ba[] = {"AH10", "AJ11", "AK11"};
const char* const kDdr3Dm[] = {"AH17", "AG23", "AK23", "AJ27"};
const char* const kDdr3Dq[] = {"AF18", "AE17", "AG16", "AF16", "AH20", "AG21", "AJ16", "AH18",
                               "AK18", "AJ17", "AG18", "AK19", "AG20", "AF19", "AJ20", "AH24",
                               "AE19", "AE18", "AG22", "AK22", "AF21", "AF20", "AH23", "AK24",
                               "AF24", "AF23", "AJ24", "AK26", "AE23", "AE22", "AG25", "AK27"};
const char* const kDdr3DqsN[] = {"W16", "W17", "AA18", "AD19"};
const char* const kDdr3DqsP[] = {"V16", "V17", "Y17", "AC20"};

const char* const kKey[] = {"AA13", "AB13", "W15", "Y16"};
const char* const kLedr[] = {"AA12", "AB12", "AC12", "AD12", "AE12", "AD11", "AE11", "AD10", "AC9", "AD9"};
const char* const kSw[] = {"AG11", "AG10", "AF11", "AH9", "AK6", "AJ5", "AJ4", "AK4", "AK3", "AK2"};

// The GPIO header, positions 1 to 40; "" marks a position without a pin.
const char* const kGpio[] = {
    "AA26", "V23",  "AB27", "W24",  "V25",  "W25",  "Y21",  "Y23",  "Y27",  "Y24",   //  1..10
    "",     "",     "AA24", "AA28", "AB22", "AB23", "AA25", "AB26", "AB28", "AB25",  // 11..20
    "AC27", "AC28", "AC29", "AC30", "AC25", "AD26", "AD27", "AD29", "",     "",      // 21..30
    "AD30", "AD25", "AE26", "AE27", "AE29", "AE28", "AF29", "AF30", "AG27", "AF28",  // 31..40
};

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    for (const ClockRecord& clock : kClocks) {
        TPin* pPin = new TPin(clock.szName, clock.szLocation, IN, clock.IoStd, 0);
        pPin->SetIsClock(true);
        pPin->SetClockPeriodNs(CLOCK_PERIOD_NS);
        pPin->SetIoBank(clock.szBank);
        pConn->AddPin(pPin);
    }
    board->AddConnector(pConn);
}

void AddAdc(TMainBoard* board)
{
    TConnector* pConn = NewGroup("ADC");
    Pin(pConn, "ADC_CONVST", "AH2", LVTTL, OUT);
    Pin(pConn, "ADC_DIN", "AJ2", LVTTL, OUT);
    Pin(pConn, "ADC_DOUT", "AG1", LVTTL, IN);
    Pin(pConn, "ADC_SCLK", "AJ1", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddHdmi(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HDMI");
    Pin(pConn, "HDMI_I2S0", "W22", LVTTL, OUT);
    Pin(pConn, "HDMI_LRCLK", "W21", LVTTL, OUT);
    Pin(pConn, "HDMI_MCLK", "G8", LVTTL, OUT);
    Pin(pConn, "HDMI_SCLK", "W20", LVTTL, OUT);
    Pin(pConn, "HDMI_TX_CLK", "A10", LVTTL, OUT);
    Bus(pConn, "HDMI_TX_D", kHdmiTxD, 24, LVTTL, OUT);
    Pin(pConn, "HDMI_TX_DE", "A6", LVTTL, OUT);
    Pin(pConn, "HDMI_TX_HS", "B6", LVTTL, OUT);
    Pin(pConn, "HDMI_TX_INT", "A4", LVTTL, IN);
    Pin(pConn, "HDMI_TX_VS", "C8", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddSeg7(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SEG7");
    // HEX0 takes the standard of each segment from its own table.
    const int nNum = static_cast<int>(std::size(kHex0));
    PL_ASSERT(nNum == 7);
    for (int i = 0; i < nNum; ++i) Pin(pConn, Format("HEX0[%d]", i), kHex0[i], kHex0Io[i], OUT);
    Bus(pConn, "HEX1", kHex1, 7, V15, OUT);
    Bus(pConn, "HEX2", kHex2, 7, V15, OUT);
    Bus(pConn, "HEX3", kHex3, 7, V15, OUT);
    Bus(pConn, "HEX4", kHex4, 7, LVTTL, OUT);
    Bus(pConn, "HEX5", kHex5, 7, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddDdr3(TMainBoard* board)
{
    TConnector* pConn = NewGroup("DDR3");
    Bus(pConn, "FPGA_DDR3_ADDR", kDdr3Addr, 15, SSTL15, OUT);
    Bus(pConn, "FPGA_DDR3_BA", kDdr3Ba, 3, SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_CAS_N", "AH7", SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_CKE", "AJ21", SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_CK_N", "AA15", DIFF_SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_CK_P", "AA14", DIFF_SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_CS_N", "AB15", SSTL15, OUT);
    Bus(pConn, "FPGA_DDR3_DM", kDdr3Dm, 4, SSTL15, OUT);
    Bus(pConn, "FPGA_DDR3_DQ", kDdr3Dq, 32, SSTL15, INOUT);
    Bus(pConn, "FPGA_DDR3_DQS_N", kDdr3DqsN, 4, DIFF_SSTL15, INOUT);
    Bus(pConn, "FPGA_DDR3_DQS_P", kDdr3DqsP, 4, DIFF_SSTL15, INOUT);
    Pin(pConn, "FPGA_DDR3_ODT", "AE16", SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_RAS_N", "AH8", SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_RESET_N", "AK21", SSTL15, OUT);
    Pin(pConn, "FPGA_DDR3_RZQ", "AG17", SSTL15, IN);
    Pin(pConn, "FPGA_DDR3_WE_N", "AJ6", SSTL15, OUT);
    board->AddConnector(pConn);
}

// The hard processor's pins are placed by its own system; they get an I/O
// standard but no location.
void AddHps(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HPS");
    hpspins::AddMemoryAndEthernet(pConn, SSTL15);
    BusNoLocation(pConn, "HPS_FLASH_DATA", 4, LVTTL, INOUT);
    Pin(pConn, "HPS_FLASH_DCLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_FLASH_NCSO", "", LVTTL, OUT);
    for (const char* name : {"HPS_GSENSOR_INT", "HPS_I2C1_SCLK", "HPS_I2C1_SDAT", "HPS_I2C2_SCLK", "HPS_I2C2_SDAT",
                             "HPS_I2C_CONTROL", "HPS_KEY", "HPS_LCM_BK", "HPS_LCM_D_C", "HPS_LCM_RST_N"})
        Pin(pConn, name, "", LVTTL, INOUT);
    Pin(pConn, "HPS_LCM_SPIM_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_LCM_SPIM_MOSI", "", LVTTL, OUT);
    Pin(pConn, "HPS_LCM_SPIM_SS", "", LVTTL, OUT);
    Pin(pConn, "HPS_SPIM0_MISO", "", LVTTL, IN);
    Pin(pConn, "HPS_LED", "", LVTTL, INOUT);
    Pin(pConn, "HPS_LTC_GPIO", "", LVTTL, INOUT);
    hpspins::AddSdSpiUartUsb(pConn);
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Bus(pConn, "KEY", kKey, 4, V15, IN);
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
    Pin(pConn, "PS2_CLK", "AG2", LVTTL, INOUT);
    Pin(pConn, "PS2_CLK2", "AG3", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT", "AH3", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT2", "AH4", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddSw(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SW");
    Bus(pConn, "SW", kSw, 10, V15, IN);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_MIRRENDALE(TMainBoard* board, const MIRRENDALE_CONFIG* Config)
{
    board->m_MirrendaleConfig.CopyFrom(*Config);
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_MIRRENDALE);
    PL_ASSERT(Config->Size == sizeof(MIRRENDALE_CONFIG));

    board->ClearConnectors();

    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA6F31C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "6";

    if (Config->bClock) AddClock(board);
    if (Config->bAdc) AddAdc(board);
    if (Config->bAudio) audiovideo::AddAudio(board);
    if (Config->bAudio || Config->bVideoIn) audiovideo::AddI2c(board);
    if (Config->bHdmi) AddHdmi(board);
    if (Config->bSeg7) AddSeg7(board);
    if (Config->bDdr3) AddDdr3(board);
    if (Config->bHps) AddHps(board);
    if (Config->bIr) audiovideo::AddIr(board);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bPs2) AddPs2(board);
    if (Config->bSw) AddSw(board);
    if (Config->bVideoIn) audiovideo::AddVideoIn(board);
    if (Config->bVga) audiovideo::AddVga(board);

    const DaughterId card = Config->nGpioDaughterId[GPIO_0];
    if (card != 0)
        gpiomasters::AddHeader(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(card).c_str()), 16,
                               kGpio);
}
