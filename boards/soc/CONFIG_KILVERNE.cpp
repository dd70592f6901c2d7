#include "boards/soc/CONFIG_KILVERNE.h"

#include <iterator>
#include <string>

#include "boards/soc/BBB_PinOut.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

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
static_assert(std::size(kLed) == 8);
// DDR3_A[3] is given by the revision.
const char* const kDdr3A[] = {"E21", "V20", "V21", nullptr, "Y21", "J14", "V18", "U20",
                              "Y20", "W22", "C22", "Y22", "N18", "V22", "W20"};
static_assert(std::size(kDdr3A) == 15);
const char* const kDdr3Dq[] = {"L20", "L19", "L18", "M15", "M18", "M14", "M20", "N20",
                               "K19", "K18", "J18", "K20", "H18", "J20", "H20", "H19"};
static_assert(std::size(kDdr3Dq) == 16);
const char* const kFlashData[] = {"P12", "V4", "V5", "P10"};
static_assert(std::size(kFlashData) == 4);
const char* const kHdmiI2s[] = {"A9", "A11", "A8", "B8"};
static_assert(std::size(kHdmiI2s) == 4);
const char* const kHdmiTxD[] = {"C18", "D17", "C17", "C19", "D14", "B19", "D13", "A19", "C14", "A17", "B16", "C15",
                                "A14", "A15", "A12", "A16", "A13", "C16", "C12", "B17", "B12", "B14", "A18", "C13"};
static_assert(std::size(kHdmiTxD) == 24);
const char* const kMipiLpMdN[] = {"A3", "C2", "B2", "A2"};
static_assert(std::size(kMipiLpMdN) == 4);
const char* const kMipiLpMdP[] = {"A4", "C3", "B1", "B3"};
static_assert(std::size(kMipiLpMdP) == 4);
const char* const kMipiMdP[] = {"R2", "N1", "T2", "N2"};
static_assert(std::size(kMipiMdP) == 4);
const char* const kNetRxd[] = {"U5", "U4", "R7", "P8"};
static_assert(std::size(kNetRxd) == 4);
const char* const kNetTxd[] = {"U2", "W1", "N9", "W2"};
static_assert(std::size(kNetTxd) == 4);
const char* const kSdDat[] = {"R18", "T18", "T19", "R20"};
static_assert(std::size(kSdDat) == 4);
const char* const kUsbData[] = {"E12", "E13", "H13", "E14", "H14", "D15", "E15", "F15"};
static_assert(std::size(kUsbData) == 8);

// The BBB header: FPGA location of each position 1 to 46 of P8 and P9.
const char* const kBbbP8[] = {
    kNoPin, kNoPin, "W18",  "Y18",  "Y19",  "AA17", "AA20", "AA19", "AB21", "AB20",  //  1..10
    "AB19", "Y16",  "V16",  "AB18", "V15",  "W17",  "AB17", "AA16", "AB16", "W16",   // 11..20
    "AB15", "W15",  "Y14",  "AA15", "AB14", "AA14", "AB13", "AA13", "AB12", "AA12",  // 21..30
    "AB11", "AA11", "AB10", "Y13",  "Y11",  "W13",  "W12",  "W11",  "V12",  "V11",   // 31..40
    "V13",  "V14",  "Y17",  "W14",  "U15",  "R13",                                   // 41..46
};
static_assert(std::size(kBbbP8) == BBB_HEADER_PINS);
const char* const kBbbP9[] = {
    kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin,  //  1..10
    "Y5",   "Y6",   "W6",   "W7",   "W8",   "V8",   "AB8",  "V7",   "R11",  "AB7",   // 11..20
    "AB6",  "AA7",  "AA6",  "Y7",   "V10",  "U7",   "W9",   "W5",   "R9",   "W4",    // 21..30
    "P9",   kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin,  // 31..40
    "V17",  "W3",   kNoPin, kNoPin, kNoPin, kNoPin,                                  // 41..46
};
static_assert(std::size(kBbbP9) == BBB_HEADER_PINS);

void AddClock(TMainBoard* board)
{
    TPinGroup g("CLOCK");
    g.ReferenceClock("ADC_CLK_10", "M9", V2_5, 10.0, 1);
    g.ReferenceClock("MAX10_CLK1_50", "M8", V2_5, 50.0, 1);
    g.ReferenceClock("MAX10_CLK2_50", "P11", LVTTL, 50.0, 1);
    g.AddTo(board);
}

void AddKey(TMainBoard* board)
{
    TPinGroup g("KEY");
    g.Pin("KEY[0]", "H21", DIR_IN, SCHMITT_1V5);
    g.Pin("KEY[1]", "H22", DIR_IN, SCHMITT_1V5);
    g.AddTo(board);
}

void AddLed(TMainBoard* board)
{
    TPinGroup g("LED");
    g.Bus("LED[%d]", kLed, 8, DIR_OUT, V1_2);
    g.AddTo(board);
}

void AddCapSense(TMainBoard* board)
{
    TPinGroup g("CapSense Button");
    g.Pin("CAP_SENSE_I2C_SCL", "AB2", DIR_INOUT, LVTTL);
    g.Pin("CAP_SENSE_I2C_SDA", "AB3", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddAudio(TMainBoard* board)
{
    TPinGroup g("Audio");
    g.Pin("AUDIO_BCLK", "R14", DIR_INOUT, V1_5);
    g.Pin("AUDIO_DIN_MFP1", "P15", DIR_OUT, V1_5);
    g.Pin("AUDIO_DOUT_MFP2", "P18", DIR_IN, V1_5);
    g.Pin("AUDIO_GPIO_MFP5", "M22", DIR_INOUT, V1_5);
    g.Pin("AUDIO_MCLK", "P14", DIR_OUT, V1_5);
    g.Pin("AUDIO_MISO_MFP4", "N21", DIR_IN, V1_5);
    g.Pin("AUDIO_RESET_n", "M21", DIR_INOUT, V1_5);
    g.Pin("AUDIO_SCLK_MFP3", "P19", DIR_OUT, V1_5);
    g.Pin("AUDIO_SCL_SS_n", "P20", DIR_OUT, V1_5);
    g.Pin("AUDIO_SDA_MOSI", "P21", DIR_INOUT, V1_5);
    g.Pin("AUDIO_SPI_SELECT", "N22", DIR_OUT, V1_5);
    g.Pin("AUDIO_WCLK", "R15", DIR_INOUT, V1_5);
    g.AddTo(board);
}

void AddDdr3(TMainBoard* board, const TRevision& rev)
{
    TPinGroup g("SDRAM");
    for (int i = 0; i < static_cast<int>(std::size(kDdr3A)); ++i)
        g.Pin(Format("DDR3_A[%d]", i), i == 3 ? rev.Ddr3A3 : kDdr3A[i], DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[0]", rev.Ddr3Ba0, DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[1]", "W19", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[2]", "F19", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CAS_n", "E20", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CKE", "B22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CK_n", "E18", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_CK_p", "D18", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_CLK_50", "N15", DIR_IN, V1_5);
    g.Pin("DDR3_CS_n", rev.Ddr3CsN, DIR_OUT, SSTL15_I);
    g.Pin("DDR3_DM[0]", "N19", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_DM[1]", "J15", DIR_OUT, SSTL15_I);
    g.Bus("DDR3_DQ[%d]", kDdr3Dq, 16, DIR_INOUT, SSTL15_I);
    g.Pin("DDR3_DQS_n[0]", "", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_DQS_n[1]", "", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_DQS_p[0]", "L14", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_DQS_p[1]", "K14", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_ODT", rev.Ddr3Odt, DIR_OUT, SSTL15_I);
    g.Pin("DDR3_RAS_n", "D22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_RESET_n", "U19", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_WE_n", "E22", DIR_OUT, SSTL15_I);
    g.AddTo(board);
}

void AddFlash(TMainBoard* board)
{
    TPinGroup g("Flash");
    g.Bus("FLASH_DATA[%d]", kFlashData, 4, DIR_INOUT, LVTTL);
    g.Pin("FLASH_DCLK", "R12", DIR_OUT, LVTTL);
    g.Pin("FLASH_NCSO", "R10", DIR_OUT, LVTTL);
    g.Pin("FLASH_RESET_n", "W10", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddGSensor(TMainBoard* board, const TRevision& rev)
{
    TPinGroup g("G-Sensor");
    if (rev.SpiGSensor) {
        g.Pin("G_SENSOR_CS_n", "E9", DIR_OUT, V1_2);
        g.Pin("G_SENSOR_SCLK", "B5", DIR_INOUT, V1_2);
        g.Pin("G_SENSOR_INT1", "E8", DIR_IN, V1_2);
        g.Pin("G_SENSOR_SDO", "D5", DIR_INOUT, V1_2);
        g.Pin("G_SENSOR_INT2", "D7", DIR_IN, V1_2);
        g.Pin("G_SENSOR_SDI", "C6", DIR_INOUT, V1_2);
    } else {
        g.Pin("GSENSOR_PD", "AB5", DIR_OUT, LVTTL);
        g.Pin("GSENSOR_ST", "AA5", DIR_OUT, LVTTL);
    }
    g.AddTo(board);
}

void AddHdmiTx(TMainBoard* board, const TRevision& rev)
{
    TPinGroup g("HDMI-TX");
    g.Pin("HDMI_I2C_SCL", "C10", DIR_INOUT, V1_8);
    g.Pin("HDMI_I2C_SDA", "B15", DIR_INOUT, V1_8);
    g.Bus("HDMI_I2S[%d]", kHdmiI2s, 4, DIR_INOUT, V1_8);
    g.Pin("HDMI_LRCLK", "A10", DIR_INOUT, V1_8);
    g.Pin("HDMI_MCLK", "A7", DIR_INOUT, V1_8);
    g.Pin("HDMI_SCLK", "D12", DIR_INOUT, V1_8);
    g.Pin("HDMI_TX_CLK", rev.HdmiTxClk, DIR_OUT, rev.HdmiTxClkIo);
    g.Bus("HDMI_TX_D[%d]", kHdmiTxD, 24, DIR_OUT, V1_8);
    g.Pin("HDMI_TX_DE", "C9", DIR_OUT, V1_8);
    g.Pin("HDMI_TX_HS", "B11", DIR_OUT, V1_8);
    g.Pin("HDMI_TX_INT", "B10", DIR_IN, V1_8);
    g.Pin("HDMI_TX_VS", "C11", DIR_OUT, V1_8);
    g.AddTo(board);
}

void AddLightSensor(TMainBoard* board)
{
    TPinGroup g("Light Sensor");
    g.Pin("LIGHT_I2C_SCL", "Y8", DIR_OUT, LVTTL);
    g.Pin("LIGHT_I2C_SDA", "AA8", DIR_INOUT, LVTTL);
    g.Pin("LIGHT_INT", "AA9", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddMipi(TMainBoard* board)
{
    TPinGroup g("MIPI");
    g.Pin("MIPI_CORE_EN", "V3", DIR_OUT, V2_5);
    g.Pin("MIPI_I2C_SCL", "M1", DIR_OUT, V2_5);
    g.Pin("MIPI_I2C_SDA", "M2", DIR_INOUT, V2_5);
    g.Pin("MIPI_LP_MC_n", "E10", DIR_IN, V1_2);
    g.Pin("MIPI_LP_MC_p", "E11", DIR_IN, V1_2);
    g.Bus("MIPI_LP_MD_n[%d]", kMipiLpMdN, 4, DIR_IN, V1_2);
    g.Bus("MIPI_LP_MD_p[%d]", kMipiLpMdP, 4, DIR_IN, V1_2);
    g.Pin("MIPI_MCLK", "U3", DIR_OUT, V2_5);
    g.Pin("MIPI_MC_p", "N5", DIR_IN, LVDS);
    g.Bus("MIPI_MD_p[%d]", kMipiMdP, 4, DIR_IN, LVDS);
    g.Pin("MIPI_RESET_n", "T3", DIR_OUT, V2_5);
    g.Pin("MIPI_WP", "U1", DIR_OUT, V2_5);
    g.AddTo(board);
}

void AddEthernet(TMainBoard* board)
{
    TPinGroup g("Ethernet");
    g.Pin("NET_COL", "R4", DIR_IN, V2_5);
    g.Pin("NET_CRS", "P5", DIR_IN, V2_5);
    g.Pin("NET_MDC", "R5", DIR_OUT, V2_5);
    g.Pin("NET_MDIO", "N8", DIR_INOUT, V2_5);
    g.Pin("NET_PCF_EN", "V9", DIR_OUT, LVTTL);
    g.Pin("NET_RESET_n", "R3", DIR_OUT, V2_5);
    g.Bus("NET_RXD[%d]", kNetRxd, 4, DIR_IN, V2_5);
    g.ReferenceClock("NET_RX_CLK", "T6", V2_5, 25.0, 1);
    g.Pin("NET_RX_DV", "P4", DIR_IN, V2_5);
    g.Pin("NET_RX_ER", "V1", DIR_IN, V2_5);
    g.Bus("NET_TXD[%d]", kNetTxd, 4, DIR_OUT, V2_5);
    g.ReferenceClock("NET_TX_CLK", "T5", V2_5, 25.0, 1);
    g.Pin("NET_TX_EN", "P3", DIR_OUT, V2_5);
    g.AddTo(board);
}

void AddPowerMonitor(TMainBoard* board)
{
    TPinGroup g("Power Monitor");
    g.Pin("PMONITOR_ALERT", "Y4", DIR_IN, LVTTL);
    g.Pin("PMONITOR_I2C_SCL", "Y3", DIR_OUT, LVTTL);
    g.Pin("PMONITOR_I2C_SDA", "Y1", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddHumiditySensor(TMainBoard* board)
{
    TPinGroup g("Humidity and Temperature Sensor");
    g.Pin("RH_TEMP_DRDY_n", "AB9", DIR_IN, LVTTL);
    g.Pin("RH_TEMP_I2C_SCL", "Y10", DIR_OUT, LVTTL);
    g.Pin("RH_TEMP_I2C_SDA", "AA10", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddSdCard(TMainBoard* board)
{
    TPinGroup g("MicroSD Card");
    g.Pin("SD_CLK", "T20", DIR_OUT, V1_5);
    g.Pin("SD_CMD", "T21", DIR_INOUT, V1_5);
    g.Pin("SD_CMD_DIR", "U22", DIR_OUT, V1_5);
    g.Pin("SD_D0_DIR", "T22", DIR_OUT, V1_5);
    g.Pin("SD_D123_DIR", "U21", DIR_INOUT, V1_5);
    g.Bus("SD_DAT[%d]", kSdDat, 4, DIR_INOUT, V1_5);
    g.Pin("SD_FB_CLK", "R22", DIR_IN, V1_5);
    g.Pin("SD_SEL", "P13", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddSw(TMainBoard* board)
{
    TPinGroup g("SW");
    g.Pin("SW[0]", "J21", DIR_IN, SCHMITT_1V5);
    g.Pin("SW[1]", "J22", DIR_IN, SCHMITT_1V5);
    g.AddTo(board);
}

void AddTempSensor(TMainBoard* board)
{
    TPinGroup g("Board Temperature Sensor");
    g.Pin("TEMP_CS_n", "AB4", DIR_OUT, LVTTL);
    g.Pin("TEMP_SC", "AA1", DIR_OUT, LVTTL);
    g.Pin("TEMP_SIO", "Y2", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddUsb(TMainBoard* board)
{
    TPinGroup g("USB");
    g.ReferenceClock("USB_CLKIN", "H11", V1_2, 60.0, 1);
    g.Pin("USB_CS", "J11", DIR_OUT, V1_8);
    g.Bus("USB_DATA[%d]", kUsbData, 8, DIR_INOUT, V1_8);
    g.Pin("USB_DIR", "J13", DIR_IN, V1_8);
    g.Pin("USB_FAULT_n", "D8", DIR_IN, V1_2);
    g.Pin("USB_NXT", "H12", DIR_IN, V1_8);
    g.Pin("USB_RESET_n", "E16", DIR_OUT, V1_8);
    g.Pin("USB_STP", "J12", DIR_OUT, V1_8);
    g.AddTo(board);
}

// The header pins of a mode that names them from the tables: only the
// located positions with a name get a pin.
void AddNamedBbbPins(TPinGroup& g, uint8_t modeCode, uint8_t header, const char* const* locations)
{
    for (int position = 1; position <= BBB_HEADER_PINS; ++position) {
        const char* location = locations[position - 1];
        if (location == kNoPin) continue;
        std::string name;
        int32_t direction = PIN_DIR_INOUT;
        int32_t io = LVTTL;
        GetBbbPinOut(modeCode, header, position, name, direction, io);
        if (name.empty()) continue;
        g.Pin(name, location, static_cast<PinDirection>(direction), static_cast<IoStandard>(io));
    }
}

void AddBbbHeader(TMainBoard* board, uint8_t nBbbMode)
{
    TPinGroup g("BBB Conector");
    if (nBbbMode == 1) {
        // "Default": every located position, counted per header.
        const char* const* headers[2] = {kBbbP8, kBbbP9};
        for (int h = 0; h < 2; ++h) {
            int k = 0;
            for (int position = 1; position <= BBB_HEADER_PINS; ++position) {
                const char* location = headers[h][position - 1];
                if (location == kNoPin) continue;
                g.Pin(Format("GPIO%d_D[%d]", h, k++), location, DIR_INOUT, LVTTL);
            }
        }
    } else {
        const uint8_t modeCode = nBbbMode == 2 ? BBB_MODE_WIFI_BLE : BBB_MODE_7;
        AddNamedBbbPins(g, modeCode, 0, kBbbP8);
        AddNamedBbbPins(g, modeCode, 1, kBbbP9);
    }
    g.Pin("BBB_PWR_BUT", "U6", DIR_IN, LVTTL);
    g.Pin("BBB_SYS_RESET_n", "AA2", DIR_IN, LVTTL);
    g.AddTo(board);
}

}  // namespace

void CONFIG_KILVERNE(TMainBoard* board, const KILVERNE_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_KILVERNE);
    PL_ASSERT(Config->Size == sizeof(KILVERNE_CONFIG));

    board->ClearConnectors();

    SetDevice(board, {"MAX 10 FPGA", 484, "FBGA", "6", 0, "10M50DAF484C6GES"});

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
