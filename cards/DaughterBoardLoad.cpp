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
        // have their own loaders below; the other maps are not part of this build.
        PL_ASSERT(0);
    }
    SetFromCatalogue(card);
}

// ---- Memory modules ---------------------------------------------------------

namespace {

// Empties the daughter board, names it after the card, runs the module's map
// and takes the card's connector type.
template <typename Map>
void LoadModule(TDaughterBoard& d, DaughterId card, Map map)
{
    d.ClearPins();
    d.SetName(GetCardDisplayName(card));
    d.SetDescription(GetCardDescription(card));
    map();
    d.SetType(GetCardConnectorType(card));
}

}  // namespace

void TDaughterBoard::LoadDdr2Sodimm(const DdrSodimmOptions& options)
{
    LoadModule(*this, 9, [&] { AddDdr2SodimmPins(this, options); });
}

void TDaughterBoard::LoadDdr3Sodimm(const DdrSodimmOptions& options)
{
    LoadModule(*this, 38, [&] { AddDdr3SodimmPins(this, options); });
}

void TDaughterBoard::LoadDdr3SodimmUpper(const DdrSodimmOptions& options)
{
    LoadModule(*this, 38, [&] { AddDdr3SodimmUpperPins(this, options); });
}

void TDaughterBoard::LoadDdr3SodimmAlt(const DdrSodimmOptions& options)
{
    LoadModule(*this, 38, [&] { AddDdr3SodimmAltPins(this, options); });
}

void TDaughterBoard::LoadDdr4Sodimm(const Ddr4SodimmOptions& options)
{
    const Ddr4ModuleOptions module{.naming = Ddr4Naming::SingleRank,
                                   .boardId = 0,
                                   .ecc = options.ecc,
                                   .spdStandard = options.spdStandard,
                                   .addressStandard = options.addressStandard};
    LoadModule(*this, 39, [&] { AddDdr4SodimmPins(this, module); });
}

void TDaughterBoard::LoadDdr4SodimmEcc(const Ddr4ModuleOptions& options)
{
    LoadModule(*this, options.ecc ? 80 : 79, [&] { AddDdr4SodimmPins(this, options); });
}

void TDaughterBoard::LoadQdr2ModuleA10()
{
    LoadModule(*this, 81, [&] { AddQdr2ModuleA10Pins(this); });
}

void TDaughterBoard::LoadQdr2ModuleS10()
{
    LoadModule(*this, 83, [&] { AddQdr2ModuleS10Pins(this); });
}

void TDaughterBoard::LoadQdr4ModuleA10()
{
    LoadModule(*this, 82, [&] { AddQdr4ModuleA10Pins(this); });
}

void TDaughterBoard::LoadQdr4ModuleS10()
{
    LoadModule(*this, 84, [&] { AddQdr4ModuleS10Pins(this); });
}
