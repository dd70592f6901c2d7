#include "boards/soc/CONFIG_ELMSARY.h"

#include "boards/soc/SmallSocGroups.h"
#include "platform/Seam.h"

namespace {

using namespace smallsoc;

const char* const kHdmiTxD[] = {"AD12", "AE12", "W8",  "Y8",  "AD11", "AD10", "AE11", "Y5",
                                "AF10", "Y4",   "AE9", "AB4", "AE7",  "AF6",  "AF8",  "AF5",
                                "AE4",  "AH2",  "AH4", "AH5", "AH6",  "AG6",  "AF9",  "AE8"};

const char* const kSw[] = {"Y24", "W24", "W21", "W20"};

// GPIO header positions 1 to 40; "" marks a position without a pin.
const char* const kGpio0[] = {
    "V12",  "E8",   "W12",  "D11",  "D8",   "AH13", "AF7",  "AH14", "AF4",  "AH3",   //  1..10
    "",     "",     "AD5",  "AG14", "AE23", "AE6",  "AD23", "AE24", "D12",  "AD20",  // 11..20
    "C12",  "AD17", "AC23", "AC22", "Y19",  "AB23", "AA19", "W11",  "",     "",      // 21..30
    "AA18", "W14",  "Y18",  "Y17",  "AB25", "AB26", "Y11",  "AA26", "AA13", "AA11",  // 31..40
};
const char* const kGpio1[] = {
    "Y15",  "AC24", "AA15", "AD26", "AG28", "AF28", "AE25", "AF27", "AG26", "AH27",  //  1..10
    "",     "",     "AG25", "AH26", "AH24", "AF25", "AG23", "AF23", "AG24", "AH22",  // 11..20
    "AH21", "AG21", "AH23", "AA20", "AF22", "AE22", "AG20", "AF21", "",     "",      // 21..30
    "AG19", "AH19", "AG18", "AH18", "AF18", "AF20", "AG15", "AE20", "AE19", "AE17",  // 31..40
};

void AddHdmi(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HDMI");
    Pin(pConn, "HDMI_I2C_SCL", "U10", LVTTL, INOUT);
    Pin(pConn, "HDMI_I2C_SDA", "AA4", LVTTL, INOUT);
    Pin(pConn, "HDMI_I2S", "T13", LVTTL, INOUT);
    Pin(pConn, "HDMI_LRCLK", "T11", LVTTL, INOUT);
    Pin(pConn, "HDMI_MCLK", "U11", LVTTL, INOUT);
    Pin(pConn, "HDMI_SCLK", "T12", LVTTL, INOUT);
    Pin(pConn, "HDMI_TX_CLK", "AG5", LVTTL, OUT);
    Bus(pConn, "HDMI_TX_D", kHdmiTxD, 24, LVTTL, OUT);
    Pin(pConn, "HDMI_TX_DE", "AD19", LVTTL, OUT);
    Pin(pConn, "HDMI_TX_HS", "T8", LVTTL, OUT);
    Pin(pConn, "HDMI_TX_INT", "AF11", LVTTL, IN);
    Pin(pConn, "HDMI_TX_VS", "V13", LVTTL, OUT);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_ELMSARY(TMainBoard* board, const ELMSARY_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_ELMSARY);
    PL_ASSERT(Config->Size == sizeof(ELMSARY_CONFIG));

    board->ClearConnectors();

    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEBA6U23I7";
    board->m_DevicePinCount = 672;
    board->m_Package = "UFBGA";
    board->m_SpeedGradeText = "7";

    if (Config->bAdc) AddAdc(board);
    if (Config->bArduino) AddArduino(board);
    if (Config->bClock) AddClock(board);
    if (Config->bHdmi) AddHdmi(board);
    if (Config->bHps) AddHps(board, SSTL15);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bSw) AddSw(board, kSw);
    AddGpioMasters(board, Config->nGpioDaughterId, kGpio0, kGpio1);
}
