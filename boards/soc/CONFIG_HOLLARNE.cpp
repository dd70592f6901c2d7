#include "boards/soc/CONFIG_HOLLARNE.h"

#include <cstdint>
#include <string>

#include "boards/soc/AudioVideoGroups.h"
#include "boards/soc/GpioMasters.h"
#include "model/Connector.h"
#include "model/DaughterBoard.h"
#include "model/Pin.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// I/O standards of this board beside 3.3-V LVTTL.
constexpr IoStandard IO_STD_DIFF_1V5_SSTL_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr IoStandard IO_STD_SSTL15_I = 29;         // "SSTL-15 Class I"

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;
constexpr PinDirection INOUT = PIN_DIR_INOUT;
constexpr PinDirection INPUT = PIN_DIR_INPUT;
constexpr PinDirection OUTPUT = PIN_DIR_OUTPUT;

constexpr int32_t CLOCK_PERIOD_NS = 20;  // every clock of the board runs at 50 MHz

struct ClockRecord {
    char szName[32];
    char szLocation[32];
    IoStandard IoStd;
    char szBank[32];
};

const ClockRecord kClocks[] = {
    {"CLOCK_50", "AF14", IO_STD_3V3_LVTTL, "BANK 3B"},
    {"CLOCK2_50", "AA16", IO_STD_3V3_LVTTL, "BANK 4A"},
    {"CLOCK3_50", "Y26", IO_STD_3V3_LVTTL, "BANK 5B"},
    {"CLOCK4_50", "K14", IO_STD_3V3_LVTTL, "BANK 8A"},
};

// Bus locations, index 0 first.
const char kDramAddr[][8] = {"AK14", "AH14", "AG15", "AE14", "AB15", "AC14", "AD14",
                             "AF15", "AH15", "AG13", "AG12", "AH13", "AJ14"};
const char kDramDq[][8] = {"AK6",  "AJ7",  "AK7",  "AK8",  "AK9", "AG10", "AK11", "AJ11",
                           "AH10", "AJ10", "AJ9", "AH9", "AH8", "AH7",  "AJ6",  "AJ5"};

const char kHex0[][8] = {"AE26", "AE27", "AE28", "AG27", "AF28", "AG28", "AH28"};
const char kHex1[][8] = {"AJ29", "AH29", "AH30", "AG30", "AF29", "AF30", "AD27"};
const char kHex2[][8] = {"AB23", "AE29", "AD29", "AC28", "AD30", "AC29", "AC30"};
const char kHex3[][8] = {"AD26", "AC27", "AD25", "AC25", "AB28", "AB25", "AB22"};
const char kHex4[][8] = {"AA24", "Y23", "Y24", "W22", "W24", "V23", "W25"};
const char kHex5[][8] = {"V25", "AA28", "Y27", "AB27", "AB26", "AA26", "AA25"};

const char kLedr[][8] = {"V16", "W16", "V17", "V18", "W17", "W19", "Y19", "W20", "W21", "Y21"};
const char kSw[][8] = {"AB12", "AC12", "AF9", "AF10", "AD11", "AD12", "AE11", "AC9", "AD10", "AE12"};

// GPIO header positions 1 to 40; "" marks a position without a pin.
const char* const kGpio0[] = {
    "AC18", "Y17",  "AD17", "Y18",  "AK16", "AK18", "AK19", "AJ19", "AJ17", "AJ16",  //  1..10
    "",     "",     "AH18", "AH17", "AG16", "AE16", "AF16", "AG17", "AA18", "AA19",  // 11..20
    "AE17", "AC20", "AH19", "AJ20", "AH20", "AK21", "AD19", "AD20", "",     "",      // 21..30
    "AE18", "AE19", "AF20", "AF21", "AF19", "AG21", "AF18", "AG20", "AG18", "AJ21",  // 31..40
};
const char* const kGpio1[] = {
    "AB17", "AA21", "AB21", "AC23", "AD24", "AE23", "AE24", "AF25", "AF26", "AG25",  //  1..10
    "",     "",     "AG26", "AH24", "AH27", "AJ27", "AK29", "AK28", "AK27", "AJ26",  // 11..20
    "AK26", "AH25", "AJ25", "AJ24", "AK24", "AG23", "AK23", "AH23", "",     "",      // 21..30
    "AK22", "AJ22", "AH22", "AG22", "AF24", "AF23", "AE22", "AD21", "AA20", "AC22",  // 31..40
};

template <std::size_t N>
constexpr int Count(const char (&)[N][8])
{
    return static_cast<int>(N);
}

void Pin(TConnector* pConn, const char* name, const char* location, PinDirection direction, IoStandard ioStandard)
{
    pConn->AddPin(new TPin(name, location, direction, ioStandard, 0));
}

// A bus NAME[0..nNum-1] whose locations come from a table.
void Bus(TConnector* pConn, const char* format, const char (*locations)[8], int nNum, PinDirection direction,
         IoStandard ioStandard)
{
    for (int i = 0; i < nNum; ++i) pConn->AddPin(new TPin(Format(format, i), locations[i], direction, ioStandard, 0));
}

// A bus NAME[0..nNum-1] without locations.
void BusNoLocation(TConnector* pConn, const char* format, int nNum, PinDirection direction, IoStandard ioStandard)
{
    for (int i = 0; i < nNum; ++i) pConn->AddPin(new TPin(Format(format, i), "", direction, ioStandard, 0));
}

TConnector* NewGroup(const char* name) { return new TConnector(name, "", CONNECTOR_NONE, -1); }

void AddAdc(TMainBoard* board)
{
    TConnector* pConn = NewGroup("ADC");
    Pin(pConn, "ADC_CONVST", "AJ4", OUTPUT, LVTTL);
    Pin(pConn, "ADC_DIN", "AK4", OUTPUT, LVTTL);
    Pin(pConn, "ADC_DOUT", "AK3", INPUT, LVTTL);
    Pin(pConn, "ADC_SCLK", "AK2", OUTPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    for (const ClockRecord& clock : kClocks) {
        TPin* pPin = new TPin(clock.szName, clock.szLocation, INPUT, clock.IoStd, 0);
        pPin->SetIsClock(true);
        pPin->SetClockPeriodNs(CLOCK_PERIOD_NS);
        pPin->SetIoBank(clock.szBank);
        pConn->AddPin(pPin);
    }
    board->AddConnector(pConn);
}

void AddSdram(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SDRAM");
    int nNum = Count(kDramAddr);
    PL_ASSERT(nNum == 13);
    Bus(pConn, "DRAM_ADDR[%d]", kDramAddr, nNum, OUTPUT, LVTTL);
    Pin(pConn, "DRAM_BA[0]", "AF13", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_BA[1]", "AJ12", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_CAS_N", "AF11", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_CKE", "AK13", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_CS_N", "AG11", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_CLK", "AH12", OUTPUT, LVTTL);
    nNum = Count(kDramDq);
    PL_ASSERT(nNum == 16);
    Bus(pConn, "DRAM_DQ[%d]", kDramDq, nNum, INOUT, LVTTL);
    Pin(pConn, "DRAM_LDQM", "AB13", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_RAS_N", "AE13", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_UDQM", "AK12", OUTPUT, LVTTL);
    Pin(pConn, "DRAM_WE_N", "AA13", OUTPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddSeg7(TMainBoard* board)
{
    struct Digit {
        const char* format;
        const char (*locations)[8];
        int count;
    };
    const Digit digits[] = {
        {"HEX0[%d]", kHex0, Count(kHex0)}, {"HEX1[%d]", kHex1, Count(kHex1)}, {"HEX2[%d]", kHex2, Count(kHex2)},
        {"HEX3[%d]", kHex3, Count(kHex3)}, {"HEX4[%d]", kHex4, Count(kHex4)}, {"HEX5[%d]", kHex5, Count(kHex5)},
    };
    TConnector* pConn = NewGroup("SEG7");
    for (const Digit& digit : digits) {
        const int nNum = digit.count;
        PL_ASSERT(nNum == 7);
        Bus(pConn, digit.format, digit.locations, nNum, OUTPUT, LVTTL);
    }
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Pin(pConn, "KEY[0]", "AA14", INPUT, LVTTL);
    Pin(pConn, "KEY[1]", "AA15", INPUT, LVTTL);
    Pin(pConn, "KEY[2]", "W15", INPUT, LVTTL);
    Pin(pConn, "KEY[3]", "Y16", INPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddLed(TMainBoard* board)
{
    TConnector* pConn = NewGroup("LED");
    const int nNum = Count(kLedr);
    PL_ASSERT(nNum == 10);
    Bus(pConn, "LEDR[%d]", kLedr, nNum, OUTPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddPs2(TMainBoard* board)
{
    TConnector* pConn = NewGroup("PS2");
    Pin(pConn, "PS2_CLK", "AD7", INOUT, LVTTL);
    Pin(pConn, "PS2_CLK2", "AD9", INOUT, LVTTL);
    Pin(pConn, "PS2_DAT", "AE7", INOUT, LVTTL);
    Pin(pConn, "PS2_DAT2", "AE9", INOUT, LVTTL);
    board->AddConnector(pConn);
}

void AddSw(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SW");
    const int nNum = Count(kSw);
    PL_ASSERT(nNum == 10);
    Bus(pConn, "SW[%d]", kSw, nNum, INPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddUart(TMainBoard* board)
{
    TConnector* pConn = NewGroup("UART (revH or later only)");
    Pin(pConn, "UART_TX", "D9", OUTPUT, LVTTL);
    Pin(pConn, "UART_RX", "E9", INPUT, LVTTL);
    Pin(pConn, "UART_RTS", "B8", OUTPUT, LVTTL);
    Pin(pConn, "UART_CTS", "C8", INPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddQspiFlash(TMainBoard* board)
{
    TConnector* pConn = NewGroup("QSPI Flash (revH or later only)");
    Pin(pConn, "QSPI_FLASH_DATA[0]", "D10", INOUT, LVTTL);
    Pin(pConn, "QSPI_FLASH_DATA[1]", "A9", INOUT, LVTTL);
    Pin(pConn, "QSPI_FLASH_DATA[2]", "A8", INOUT, LVTTL);
    Pin(pConn, "QSPI_FLASH_DATA[3]", "C7", INOUT, LVTTL);
    Pin(pConn, "QSPI_FLASH_SCLK", "B7", OUTPUT, LVTTL);
    Pin(pConn, "QSPI_FLASH_CE_n", "C9", OUTPUT, LVTTL);
    board->AddConnector(pConn);
}

void AddRiscvJtag(TMainBoard* board)
{
    TConnector* pConn = NewGroup("RISC-V JTAG (revH or later only)");
    Pin(pConn, "RISCV_JTAG_TCK", "E7", INPUT, LVTTL);
    Pin(pConn, "RISCV_JTAG_TDI", "F9", INPUT, LVTTL);
    Pin(pConn, "RISCV_JTAG_TDO", "F8", OUTPUT, LVTTL);
    Pin(pConn, "RISCV_JTAG_TMS", "E6", INPUT, LVTTL);
    board->AddConnector(pConn);
}

// The hard processor's pins are placed by its own system; they get an I/O
// standard but no location.
void AddHps(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HPS");
    BusNoLocation(pConn, "HPS_DDR3_ADDR[%d]", 15, OUTPUT, IO_STD_SSTL15_I);
    BusNoLocation(pConn, "HPS_DDR3_BA[%d]", 3, OUTPUT, IO_STD_SSTL15_I);
    BusNoLocation(pConn, "HPS_DDR3_DM[%d]", 4, OUTPUT, IO_STD_SSTL15_I);
    BusNoLocation(pConn, "HPS_DDR3_DQ[%d]", 32, INOUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_CAS_N", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_CKE", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_CS_N", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_ODT", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_RAS_N", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_WE_N", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_RESET_N", "", OUTPUT, IO_STD_SSTL15_I);
    Pin(pConn, "HPS_DDR3_RZQ", "", INPUT, IO_STD_SSTL15_I);
    for (int i = 0; i < 4; ++i) {
        pConn->AddPin(new TPin(Format("HPS_DDR3_DQS_P[%d]", i), "", INOUT, IO_STD_DIFF_1V5_SSTL_I, 0));
        pConn->AddPin(new TPin(Format("HPS_DDR3_DQS_N[%d]", i), "", INOUT, IO_STD_DIFF_1V5_SSTL_I, 0));
    }
    Pin(pConn, "HPS_DDR3_CK_P", "", OUTPUT, IO_STD_DIFF_1V5_SSTL_I);
    Pin(pConn, "HPS_DDR3_CK_N", "", OUTPUT, IO_STD_DIFF_1V5_SSTL_I);
    Pin(pConn, "HPS_ENET_GTX_CLK", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_INT_N", "", INOUT, LVTTL);
    Pin(pConn, "HPS_ENET_MDC", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_MDIO", "", INOUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_CLK", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_DATA[0]", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_DATA[1]", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_DATA[2]", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_DATA[3]", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_RX_DV", "", INPUT, LVTTL);
    Pin(pConn, "HPS_ENET_TX_DATA[0]", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_TX_DATA[1]", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_TX_DATA[2]", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_TX_DATA[3]", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_ENET_TX_EN", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_FLASH_DATA[0]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_FLASH_DATA[1]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_FLASH_DATA[2]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_FLASH_DATA[3]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_FLASH_DCLK", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_FLASH_NCSO", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_LTC_GPIO", "", INOUT, LVTTL);
    Pin(pConn, "HPS_GSENSOR_INT", "", INOUT, LVTTL);
    Pin(pConn, "HPS_I2C1_SCLK", "", INOUT, LVTTL);
    Pin(pConn, "HPS_I2C1_SDAT", "", INOUT, LVTTL);
    Pin(pConn, "HPS_I2C2_SCLK", "", INOUT, LVTTL);
    Pin(pConn, "HPS_I2C2_SDAT", "", INOUT, LVTTL);
    Pin(pConn, "HPS_I2C_CONTROL", "", INOUT, LVTTL);
    Pin(pConn, "HPS_KEY", "", INOUT, LVTTL);
    Pin(pConn, "HPS_LED", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SD_CLK", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_SD_CMD", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SD_DATA[0]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SD_DATA[1]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SD_DATA[2]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SD_DATA[3]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_SPIM_CLK", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_SPIM_MISO", "", INPUT, LVTTL);
    Pin(pConn, "HPS_SPIM_MOSI", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_SPIM_SS", "", INOUT, LVTTL);
    Pin(pConn, "HPS_UART_RX", "", INPUT, LVTTL);
    Pin(pConn, "HPS_UART_TX", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_USB_CLKOUT", "", INPUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[0]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[1]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[2]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[3]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[4]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[5]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[6]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DATA[7]", "", INOUT, LVTTL);
    Pin(pConn, "HPS_USB_DIR", "", INPUT, LVTTL);
    Pin(pConn, "HPS_USB_NXT", "", INPUT, LVTTL);
    Pin(pConn, "HPS_USB_STP", "", OUTPUT, LVTTL);
    Pin(pConn, "HPS_CONV_USB_N", "", INOUT, LVTTL);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_HOLLARNE(TMainBoard* board, const HOLLARNE_CONFIG* Config)
{
    board->m_HollarneConfig.CopyFrom(*Config);
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_HOLLARNE);
    PL_ASSERT(Config->Size == sizeof(HOLLARNE_CONFIG));

    board->ClearConnectors();

    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA5F31C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "6";

    if (Config->bAdc) AddAdc(board);
    if (Config->bAudio) audiovideo::AddAudio(board);
    if (Config->bClock) AddClock(board);
    if (Config->bSdram) AddSdram(board);
    if (Config->bAudio || Config->bVideoIn) audiovideo::AddI2c(board);
    if (Config->bSeg7) AddSeg7(board);
    if (Config->bIr) audiovideo::AddIr(board);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bPs2) AddPs2(board);
    if (Config->bSw) AddSw(board);
    if (Config->bVideoIn) audiovideo::AddVideoIn(board);
    if (Config->bVga) audiovideo::AddVga(board);
    if (Config->bUart) AddUart(board);
    if (Config->bQspiFlash) AddQspiFlash(board);
    if (Config->bRiscvJtag) AddRiscvJtag(board);
    if (Config->bHps) AddHps(board);

    // Card ids are compared as signed bytes here.
    if (static_cast<int8_t>(Config->nGpioDaughterId[GPIO_0]) > 0 ||
        static_cast<int8_t>(Config->nGpioDaughterId[GPIO_1]) > 0)
        gpiomasters::AddHeaderPair(board, Config->nGpioDaughterId, kGpio0, kGpio1);
}
