// The card loader: which pin map fills a daughter board for a card id, and
// with which arguments on which main board.
#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Seam.h"

namespace {

// Values that depend on the main board, fixed before the dispatch.
struct BoardValues {
    IoStandard ioStandard;
    IoStandard transceiverStandard;
    IoStandard hsmcCardStandard;
    bool lvds;
    bool indexedGpioNames;
    bool upperCaseNames;
};

BoardValues ValuesFor(uint8_t board, IoStandard ioStandard)
{
    BoardValues v{ioStandard, 36, 6, false, true, false};
    switch (board) {
    case 7:
    case 8:
    case 9:
    case 12: v.ioStandard = 39; break;
    case 31: v.ioStandard = 6; break;
    }
    switch (board) {
    case 7:
    case 8:
    case 12: v.transceiverStandard = 35; break;
    case 36:
    case 39: v.transceiverStandard = 52; break;
    }
    if (board == 8) v.hsmcCardStandard = 3;
    v.lvds = board == 8 || board == 12;
    v.indexedGpioNames = !(board == 1 || board == 2 || board == 4 || board == 6);
    v.upperCaseNames = board == 5 || board == 13 || board == 14 || board == 19 || board == 20 || board == 35;
    return v;
}

}  // namespace

void TDaughterBoard::LoadCard(DaughterId card, uint8_t board, const char* nameBase, IoStandard ioStandard,
                              int32_t option)
{
    (void)option;  // only the HSMC default naming reads it
    PL_ASSERT(board != MAINBOARD_ZENNORBY);
    const BoardValues v = ValuesFor(board, ioStandard);
    ClearPins();
    switch (card) {
    case 1:
    case 85:
    case 86:
    case 87:
        if (nameBase && *nameBase)
            AddGpioDefaultPrefixedPins(this, nameBase, v.ioStandard);
        else if (board == MAINBOARD_BRISTANE)
            AddGpioDefaultPinsWithInputs(this);
        else
            AddGpioDefaultPins(this, v.indexedGpioNames ? 1 : 0, v.ioStandard);
        break;
    case 11: AddAdcDacGpioCardPins(this, v.ioStandard); break;
    case 12: AddCamera5MGpioCardPins(this, v.ioStandard); break;
    case 13: AddLcd43TouchCardPins(this, v.ioStandard); break;
    case 55: AddMultiTouchLcdCardPins(this, v.ioStandard); break;
    case 62: AddLcd24TouchCardPins(this, v.ioStandard); break;
    case 63: AddMultiTouchLcd2CardPins(this, v.ioStandard); break;
    case 66: AddServoMotorKitPins(this, v.ioStandard); break;
    case 67: AddRfSensorCardPins(this, v.ioStandard); break;
    case 68: AddRfSensor2CardPins(this, v.ioStandard); break;
    case 69: AddRiscVCardPins(this, v.ioStandard); break;
    case 74: AddYarvelDefaultPins(this); break;
    case 75: AddYarvelBluetoothPins(this); break;
    case 76: AddCamera8MGpioCardPins(this, v.ioStandard); break;
    // FMC cards.
    case 40:
        if (board == MAINBOARD_COLVENNA)
            AddFmcVitaPins(this, 1, v.ioStandard, v.transceiverStandard);
        else
            AddFmcVitaHpcPins(this, 1, v.ioStandard, v.transceiverStandard);
        break;
    case 41: AddFmcVitaLpcPins(this, 1, v.ioStandard, v.transceiverStandard); break;
    case 42: AddFmcPlusVitaPins(this, 1, v.ioStandard, v.transceiverStandard); break;
    case 43: AddFmcGenericHpcPins(this, 0, 6, 1); break;
    case 44: AddFmcGenericHpcPins(this, 1, 6, 1); break;
    case 45: AddFmcGenericLpcPins(this, 0, 6, 1); break;
    case 46: AddFmcGenericLpcPins(this, 1, 6, 1); break;
    case 47: AddFmcTransceiverToSmaCardPins(this, v.ioStandard); break;
    case 48: AddFmcSdiCardPins(this, v.ioStandard); break;
    case 49: AddFmcHdmiCardPins(this, v.ioStandard); break;
    case 50: AddFmcJesdAdapterPins(this); break;
    case 51: AddFmcJesdAdcEvmPins(this, 1); break;
    case 52: AddFmcEthernetCardPins(this); break;
    case 53: AddFmcUsbCCardPins(this); break;
    case 54: AddFmcAdcCardPins(this); break;
    case 78: AddCamera8MFmcCardPins(this, v.ioStandard); break;
    case 88: AddFmcToGpioCardPins(this, v.ioStandard); break;
    default:
        // Card 5 (the Tavrel default naming) has no pin map; memory modules
        // have their own loaders; the other maps are not part of this build.
        PL_ASSERT(0);
    }
    SetFromCatalogue(card);
}

// The memory modules have no pin maps in this build: loading one is a
// programming error (no form offers them).
void TDaughterBoard::LoadDdr2Sodimm(uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadDdr3Sodimm(uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadDdr3SodimmAlt(uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadDdr3SodimmUpper(uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadDdr4Sodimm(uint8_t, uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadDdr4SodimmEcc(uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadQdr2ModuleA10(uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadQdr2ModuleS10(uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadQdr4ModuleA10(uint8_t) { PL_ASSERT(0); }
void TDaughterBoard::LoadQdr4ModuleS10(uint8_t) { PL_ASSERT(0); }
