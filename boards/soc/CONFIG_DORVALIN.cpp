#include "boards/soc/CONFIG_DORVALIN.h"

#include "boards/soc/SmallSocGroups.h"
#include "platform/Seam.h"

namespace {

using namespace smallsoc;

constexpr IoStandard V15 = 0;  // "1.5 V", the HPS memory's RZQ on this board

const char* const kSw[] = {"L10", "L9", "H6", "H5"};

// GPIO header positions 1 to 40; "" marks a position without a pin.
const char* const kGpio0[] = {
    "V12",  "AF7",  "W12",  "AF8",  "Y8",   "AB4",  "W8",   "Y4",   "Y5",   "U11",   //  1..10
    "",     "",     "T8",   "T12",  "AH5",  "AH6",  "AH4",  "AG5",  "AH3",  "AH2",   // 11..20
    "AF4",  "AG6",  "AF5",  "AE4",  "T13",  "T11",  "AE7",  "AF6",  "",     "",      // 21..30
    "AF9",  "AE8",  "AD10", "AE9",  "AD11", "AF10", "AD12", "AE11", "AF11", "AE12",  // 31..40
};
const char* const kGpio1[] = {
    "Y15",  "AG28", "AA15", "AH27", "AG26", "AH24", "AF23", "AE22", "AF21", "AG20",  //  1..10
    "",     "",     "AG19", "AF20", "AC23", "AG18", "AH26", "AA19", "AG24", "AF25",  // 11..20
    "AH23", "AG23", "AE19", "AF18", "AD19", "AE20", "AE24", "AD20", "",     "",      // 21..30
    "AF22", "AH22", "AH19", "AH21", "AG21", "AH18", "AD23", "AE23", "AA18", "AC22",  // 31..40
};

}  // namespace

void CONFIG_DORVALIN(TMainBoard* board, const DORVALIN_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_DORVALIN);
    PL_ASSERT(Config->Size == sizeof(DORVALIN_CONFIG));

    board->ClearConnectors();

    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA4U23C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "UFBGA";
    board->m_SpeedGradeText = "6";

    if (Config->bAdc) AddAdc(board);
    if (Config->bArduino) AddArduino(board);
    if (Config->bClock) AddClock(board);
    if (Config->bHps) AddHps(board, V15);
    if (Config->bKey) AddKey(board);
    if (Config->bLed) AddLed(board);
    if (Config->bSw) AddSw(board, kSw);
    AddGpioMasters(board, Config->nGpioDaughterId, kGpio0, kGpio1);
}
