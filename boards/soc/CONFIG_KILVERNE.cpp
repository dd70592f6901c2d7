#include "boards/soc/CONFIG_KILVERNE.h"

#include <iterator>
#include <string>

#include "boards/soc/BBB_PinOut.h"
#include "boards/soc/BoardPins.h"

using namespace boardpins;

namespace {

constexpr IoStandard V1_5 = 0;            // "1.5 V"
constexpr IoStandard V1_8 = 3;            // "1.8 V"
constexpr IoStandard V2_5 = 6;            // "2.5 V"
constexpr IoStandard LVTTL = 8;           // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr IoStandard LVDS = 21;           // "LVDS"
constexpr IoStandard SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr IoStandard V1_2 = 40;           // "1.2 V"
constexpr IoStandard SCHMITT_1V5 = 47;    // "1.5 V Schmitt Trigger"

// What differs between the board revisions.
struct TRevision {
    const char* Ddr3A3;
    const char* Ddr3Ba0;
    const char* Ddr3CsN;
    const char* Ddr3Odt;
    const char* HdmiTxClk;
    IoStandard HdmiTxClkIo;
    bool SpiGSensor;  // the six-pin G-sensor of revision C; two pins before
};

const TRevision kRevisionA = {"F18", "E19", "F20", "F21", "D6", V1_2, false};
const TRevision kRevisionB = {"F18", "E19", "F20", "F21", "A20", V1_8, false};
const TRevision kRevisionC = {"C20", "D19", "F22", "G22", "A20", V1_8, true};

// Revision A is 0, B is 1; every other value is taken as revision C.
const TRevision& RevisionOf(int32_t nBoardRevision)
{
    if (nBoardRevision == 0) return kRevisionA;
    if (nBoardRevision == 1) return kRevisionB;
    return kRevisionC;
}

const char* const kLed[] = {"C7", "C8", "A6", "B7", "C4", "A5", "B4", "C5"};
// DDR3_A[3] is given by the revision.
const char* const kDdr3A[] = {"E21", "V20", "V21", nullptr, "Y21", "J14", "V18", "U20",
                              "Y20", "W22", "C22", "Y22", "N18", "V22", "W20"};
const char* const kDdr3Dq[] = {"L20", "L19", "L18", "M15", "M18", "M14", "M20", "N20",
                               "K19", "K18", "J18", "K20", "H18", "J20", "H20", "H19"};
const char* const kFlashData[] = {"P12", "V4", "V5", "P10"};
const char* const kHdmiI2s[] = {"A9", "A11", "A8", "B8"};
const char* const kHdmiTxD[] = {"C18", "D17", "C17", "C19", "D14", "B19", "D13", "A19", "C14", "A17", "B16", "C15",
                                "A14", "A15", "A12", "A16", "A13", "C16", "C12", "B17", "B12", "B14", "A18", "C13"};
const char* const kMipiLpMdN[] = {"A3", "C2", "B2", "A2"};
const char* const kMipiLpMdP[] = {"A4", "C3", "B1", "B3"};
const char* const kMipiMdP[] = {"R2", "N1", "T2", "N2"};
const char* const kNetRxd[] = {"U5", "U4", "R7", "P8"};
const char* const kNetTxd[] = {"U2", "W1", "N9", "W2"};
const char* const kSdDat[] = {"R18", "T18", "T19", "R20"};
const char* const kUsbData[] = {"E12", "E13", "H13", "E14", "H14", "D15", "E15", "F15"};

// The BBB header: FPGA location of each position 1 to 46 of P8 and P9; ""
// where the position carries no FPGA signal.
const char* const kBbbP8[BBB_HEADER_PINS] = {
    "",     "",     "W18",  "Y18",  "Y19",  "AA17", "AA20", "AA19", "AB21", "AB20",  //  1..10
    "AB19", "Y16",  "V16",  "AB18", "V15",  "W17",  "AB17", "AA16", "AB16", "W16",   // 11..20
    "AB15", "W15",  "Y14",  "AA15", "AB14", "AA14", "AB13", "AA13", "AB12", "AA12",  // 21..30
    "AB11", "AA11", "AB10", "Y13",  "Y11",  "W13",  "W12",  "W11",  "V12",  "V11",   // 31..40
    "V13",  "V14",  "Y17",  "W14",  "U15",  "R13",                                   // 41..46
};
const char* const kBbbP9[BBB_HEADER_PINS] = {
    "",    "",   "",    "",    "",    "",     "",    "",     "",   "",     //  1..10
    "Y5",  "Y6", "W6",  "W7",  "W8",  "V8",   "AB8", "V7",   "R11", "AB7", // 11..20
    "AB6", "AA7", "AA6", "Y7", "V10", "U7",   "W9",  "W5",   "R9",  "W4",  // 21..30
    "P9",  "",   "",    "",    "",    "",     "",    "",     "",    "",    // 31..40
    "V17", "W3", "",    "",    "",    "",                                  // 41..46
};

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    ClockPin(pConn, "ADC_CLK_10", "M9", V2_5, "10.0 MHz");
    ClockPin(pConn, "MAX10_CLK1_50", "M8", V2_5, "50.0 MHz");
    ClockPin(pConn, "MAX10_CLK2_50", "P11", LVTTL, "50.0 MHz");
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Pin(pConn, "KEY[0]", "H21", SCHMITT_1V5, IN);
    Pin(pConn, "KEY[1]", "H22", SCHMITT_1V5, IN);
    board->AddConnector(pConn);
}

void AddLed(TMainBoard* board)
{
    TConnector* pConn = NewGroup("LED");
    Bus(pConn, "LED", kLed, 8, V1_2, OUT);
    board->AddConnector(pConn);
}

void AddCapSense(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CapSense Button");
    Pin(pConn, "CAP_SENSE_I2C_SCL", "AB2", LVTTL, INOUT);
    Pin(pConn, "CAP_SENSE_I2C_SDA", "AB3", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddAudio(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Audio");
    Pin(pConn, "AUDIO_BCLK", "R14", V1_5, INOUT);
    Pin(pConn, "AUDIO_DIN_MFP1", "P15", V1_5, OUT);
    Pin(pConn, "AUDIO_DOUT_MFP2", "P18", V1_5, IN);
    Pin(pConn, "AUDIO_GPIO_MFP5", "M22", V1_5, INOUT);
    Pin(pConn, "AUDIO_MCLK", "P14", V1_5, OUT);
    Pin(pConn, "AUDIO_MISO_MFP4", "N21", V1_5, IN);
    Pin(pConn, "AUDIO_RESET_n", "M21", V1_5, INOUT);
    Pin(pConn, "AUDIO_SCLK_MFP3", "P19", V1_5, OUT);
    Pin(pConn, "AUDIO_SCL_SS_n", "P20", V1_5, OUT);
    Pin(pConn, "AUDIO_SDA_MOSI", "P21", V1_5, INOUT);
    Pin(pConn, "AUDIO_SPI_SELECT", "N22", V1_5, OUT);
    Pin(pConn, "AUDIO_WCLK", "R15", V1_5, INOUT);
    board->AddConnector(pConn);
}

void AddDdr3(TMainBoard* board, const TRevision& rev)
{
    TConnector* pConn = NewGroup("SDRAM");
    const int nNum = static_cast<int>(std::size(kDdr3A));
    PL_ASSERT(nNum == 15);
    for (int i = 0; i < nNum; ++i)
        Pin(pConn, Format("DDR3_A[%d]", i), i == 3 ? rev.Ddr3A3 : kDdr3A[i], SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[0]", rev.Ddr3Ba0, SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[1]", "W19", SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[2]", "F19", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CAS_n", "E20", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CKE", "B22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CK_n", "E18", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_CK_p", "D18", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_CLK_50", "N15", V1_5, IN);
    Pin(pConn, "DDR3_CS_n", rev.Ddr3CsN, SSTL15_I, OUT);
    Pin(pConn, "DDR3_DM[0]", "N19", SSTL15_I, OUT);
    Pin(pConn, "DDR3_DM[1]", "J15", SSTL15_I, OUT);
    Bus(pConn, "DDR3_DQ", kDdr3Dq, 16, SSTL15_I, INOUT);
    Pin(pConn, "DDR3_DQS_n[0]", "", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_DQS_n[1]", "", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_DQS_p[0]", "L14", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_DQS_p[1]", "K14", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_ODT", rev.Ddr3Odt, SSTL15_I, OUT);
    Pin(pConn, "DDR3_RAS_n", "D22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_RESET_n", "U19", SSTL15_I, OUT);
    Pin(pConn, "DDR3_WE_n", "E22", SSTL15_I, OUT);
    board->AddConnector(pConn);
}

void AddFlash(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Flash");
    Bus(pConn, "FLASH_DATA", kFlashData, 4, LVTTL, INOUT);
    Pin(pConn, "FLASH_DCLK", "R12", LVTTL, OUT);
    Pin(pConn, "FLASH_NCSO", "R10", LVTTL, OUT);
    Pin(pConn, "FLASH_RESET_n", "W10", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddGSensor(TMainBoard* board, const TRevision& rev)
{
    TConnector* pConn = NewGroup("G-Sensor");
    if (rev.SpiGSensor) {
        Pin(pConn, "G_SENSOR_CS_n", "E9", V1_2, OUT);
        Pin(pConn, "G_SENSOR_SCLK", "B5", V1_2, INOUT);
        Pin(pConn, "G_SENSOR_INT1", "E8", V1_2, IN);
        Pin(pConn, "G_SENSOR_SDO", "D5", V1_2, INOUT);
        Pin(pConn, "G_SENSOR_INT2", "D7", V1_2, IN);
        Pin(pConn, "G_SENSOR_SDI", "C6", V1_2, INOUT);
    } else {
        Pin(pConn, "GSENSOR_PD", "AB5", LVTTL, OUT);
        Pin(pConn, "GSENSOR_ST", "AA5", LVTTL, OUT);
    }
    board->AddConnector(pConn);
}

void AddHdmiTx(TMainBoard* board, const TRevision& rev)
{
    TConnector* pConn = NewGroup("HDMI-TX");
    Pin(pConn, "HDMI_I2C_SCL", "C10", V1_8, INOUT);
    Pin(pConn, "HDMI_I2C_SDA", "B15", V1_8, INOUT);
    Bus(pConn, "HDMI_I2S", kHdmiI2s, 4, V1_8, INOUT);
    Pin(pConn, "HDMI_LRCLK", "A10", V1_8, INOUT);
    Pin(pConn, "HDMI_MCLK", "A7", V1_8, INOUT);
    Pin(pConn, "HDMI_SCLK", "D12", V1_8, INOUT);
    Pin(pConn, "HDMI_TX_CLK", rev.HdmiTxClk, rev.HdmiTxClkIo, OUT);
    Bus(pConn, "HDMI_TX_D", kHdmiTxD, 24, V1_8, OUT);
    Pin(pConn, "HDMI_TX_DE", "C9", V1_8, OUT);
    Pin(pConn, "HDMI_TX_HS", "B11", V1_8, OUT);
    Pin(pConn, "HDMI_TX_INT", "B10", V1_8, IN);
    Pin(pConn, "HDMI_TX_VS", "C11", V1_8, OUT);
    board->AddConnector(pConn);
}

void AddLightSensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Light Sensor");
    Pin(pConn, "LIGHT_I2C_SCL", "Y8", LVTTL, OUT);
    Pin(pConn, "LIGHT_I2C_SDA", "AA8", LVTTL, INOUT);
    Pin(pConn, "LIGHT_INT", "AA9", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddMipi(TMainBoard* board)
{
    TConnector* pConn = NewGroup("MIPI");
    Pin(pConn, "MIPI_CORE_EN", "V3", V2_5, OUT);
    Pin(pConn, "MIPI_I2C_SCL", "M1", V2_5, OUT);
    Pin(pConn, "MIPI_I2C_SDA", "M2", V2_5, INOUT);
    Pin(pConn, "MIPI_LP_MC_n", "E10", V1_2, IN);
    Pin(pConn, "MIPI_LP_MC_p", "E11", V1_2, IN);
    Bus(pConn, "MIPI_LP_MD_n", kMipiLpMdN, 4, V1_2, IN);
    Bus(pConn, "MIPI_LP_MD_p", kMipiLpMdP, 4, V1_2, IN);
    Pin(pConn, "MIPI_MCLK", "U3", V2_5, OUT);
    Pin(pConn, "MIPI_MC_p", "N5", LVDS, IN);
    Bus(pConn, "MIPI_MD_p", kMipiMdP, 4, LVDS, IN);
    Pin(pConn, "MIPI_RESET_n", "T3", V2_5, OUT);
    Pin(pConn, "MIPI_WP", "U1", V2_5, OUT);
    board->AddConnector(pConn);
}

void AddEthernet(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Ethernet");
    Pin(pConn, "NET_COL", "R4", V2_5, IN);
    Pin(pConn, "NET_CRS", "P5", V2_5, IN);
    Pin(pConn, "NET_MDC", "R5", V2_5, OUT);
    Pin(pConn, "NET_MDIO", "N8", V2_5, INOUT);
    Pin(pConn, "NET_PCF_EN", "V9", LVTTL, OUT);
    Pin(pConn, "NET_RESET_n", "R3", V2_5, OUT);
    Bus(pConn, "NET_RXD", kNetRxd, 4, V2_5, IN);
    ClockPin(pConn, "NET_RX_CLK", "T6", V2_5, "25.0 MHz");
    Pin(pConn, "NET_RX_DV", "P4", V2_5, IN);
    Pin(pConn, "NET_RX_ER", "V1", V2_5, IN);
    Bus(pConn, "NET_TXD", kNetTxd, 4, V2_5, OUT);
    ClockPin(pConn, "NET_TX_CLK", "T5", V2_5, "25.0 MHz");
    Pin(pConn, "NET_TX_EN", "P3", V2_5, OUT);
    board->AddConnector(pConn);
}

void AddPowerMonitor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Power Monitor");
    Pin(pConn, "PMONITOR_ALERT", "Y4", LVTTL, IN);
    Pin(pConn, "PMONITOR_I2C_SCL", "Y3", LVTTL, OUT);
    Pin(pConn, "PMONITOR_I2C_SDA", "Y1", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddHumiditySensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Humidity and Temperature Sensor");
    Pin(pConn, "RH_TEMP_DRDY_n", "AB9", LVTTL, IN);
    Pin(pConn, "RH_TEMP_I2C_SCL", "Y10", LVTTL, OUT);
    Pin(pConn, "RH_TEMP_I2C_SDA", "AA10", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddSdCard(TMainBoard* board)
{
    TConnector* pConn = NewGroup("MicroSD Card");
    Pin(pConn, "SD_CLK", "T20", V1_5, OUT);
    Pin(pConn, "SD_CMD", "T21", V1_5, INOUT);
    Pin(pConn, "SD_CMD_DIR", "U22", V1_5, OUT);
    Pin(pConn, "SD_D0_DIR", "T22", V1_5, OUT);
    Pin(pConn, "SD_D123_DIR", "U21", V1_5, INOUT);
    Bus(pConn, "SD_DAT", kSdDat, 4, V1_5, INOUT);
    Pin(pConn, "SD_FB_CLK", "R22", V1_5, IN);
    Pin(pConn, "SD_SEL", "P13", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddSw(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SW");
    Pin(pConn, "SW[0]", "J21", SCHMITT_1V5, IN);
    Pin(pConn, "SW[1]", "J22", SCHMITT_1V5, IN);
    board->AddConnector(pConn);
}

void AddTempSensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Board Temperature Sensor");
    Pin(pConn, "TEMP_CS_n", "AB4", LVTTL, OUT);
    Pin(pConn, "TEMP_SC", "AA1", LVTTL, OUT);
    Pin(pConn, "TEMP_SIO", "Y2", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddUsb(TMainBoard* board)
{
    TConnector* pConn = NewGroup("USB");
    ClockPin(pConn, "USB_CLKIN", "H11", V1_2, "60.0 MHz");
    Pin(pConn, "USB_CS", "J11", V1_8, OUT);
    Bus(pConn, "USB_DATA", kUsbData, 8, V1_8, INOUT);
    Pin(pConn, "USB_DIR", "J13", V1_8, IN);
    Pin(pConn, "USB_FAULT_n", "D8", V1_2, IN);
    Pin(pConn, "USB_NXT", "H12", V1_8, IN);
    Pin(pConn, "USB_RESET_n", "E16", V1_8, OUT);
    Pin(pConn, "USB_STP", "J12", V1_8, OUT);
    board->AddConnector(pConn);
}

// The header pins of a mode that names them from the tables: only the
// located positions with a name get a pin.
void AddNamedBbbPins(TConnector* pConn, uint8_t modeCode, uint8_t header, const char* const* locations)
{
    for (int position = 1; position <= BBB_HEADER_PINS; ++position) {
        const char* location = locations[position - 1];
        if (location[0] == 0) continue;
        std::string name;
        int32_t direction = PIN_DIR_INOUT;
        int32_t io = LVTTL;
        GetBbbPinOut(modeCode, header, position, name, direction, io);
        if (name.empty()) continue;
        Pin(pConn, name, location, static_cast<IoStandard>(io), static_cast<PinDirection>(direction));
    }
}

void AddBbbHeader(TMainBoard* board, uint8_t nBbbMode)
{
    TConnector* pConn = NewGroup("BBB Conector");
    if (nBbbMode == 1) {
        // "Default": every located position, counted per header.
        const char* const* headers[2] = {kBbbP8, kBbbP9};
        for (int h = 0; h < 2; ++h) {
            int k = 0;
            for (int position = 1; position <= BBB_HEADER_PINS; ++position) {
                const char* location = headers[h][position - 1];
                if (location[0] == 0) continue;
                Pin(pConn, Format("GPIO%d_D[%d]", h, k++), location, LVTTL, INOUT);
            }
        }
    } else {
        const uint8_t modeCode = nBbbMode == 2 ? BBB_MODE_WIFI_BLE : BBB_MODE_7;
        AddNamedBbbPins(pConn, modeCode, 0, kBbbP8);
        AddNamedBbbPins(pConn, modeCode, 1, kBbbP9);
    }
    Pin(pConn, "BBB_PWR_BUT", "U6", LVTTL, IN);
    Pin(pConn, "BBB_SYS_RESET_n", "AA2", LVTTL, IN);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_KILVERNE(TMainBoard* board, const KILVERNE_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_KILVERNE);
    PL_ASSERT(Config->Size == sizeof(KILVERNE_CONFIG));

    board->ClearConnectors();

    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C6GES";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "6";

    const TRevision& rev = RevisionOf(Config->nBoardRevision);
    if (Config->bClock) AddClock(board);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bCapSense) AddCapSense(board);
    if (Config->bAudio) AddAudio(board);
    if (Config->bDdr3) AddDdr3(board, rev);
    if (Config->bQspiFlash) AddFlash(board);
    if (Config->bGSensor) AddGSensor(board, rev);
    if (Config->bHdmi) AddHdmiTx(board, rev);
    if (Config->bLightSensor) AddLightSensor(board);
    if (Config->bMipi) AddMipi(board);
    if (Config->bEthernet) AddEthernet(board);
    if (Config->bPowerMonitor) AddPowerMonitor(board);
    if (Config->bHumiditySensor) AddHumiditySensor(board);
    if (Config->bSdCard) AddSdCard(board);
    if (Config->bSw) AddSw(board);
    if (Config->bTempSensor) AddTempSensor(board);
    if (Config->bUsb) AddUsb(board);
    if (Config->nBbbMode != 0) AddBbbHeader(board, Config->nBbbMode);
}
