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

// Calls the pin map of a card; false for a card without a map here. The one
// list of the cards that LoadCard fills.
bool CallCardMap(TDaughterBoard* d, DaughterId card, uint8_t board, const char* nameBase, int32_t option,
                 const BoardValues& v)
{
    switch (card) {
    case 1:
    case 85:
    case 86:
    case 87:
        if (nameBase && *nameBase)
            AddGpioDefaultPrefixedPins(d, nameBase, v.ioStandard);
        else if (board == MAINBOARD_BRISTANE)
            AddGpioDefaultPinsWithInputs(d);
        else
            AddGpioDefaultPins(d, v.indexedGpioNames ? 1 : 0, v.ioStandard);
        break;
    case 11: AddAdcDacGpioCardPins(d, v.ioStandard); break;
    case 12: AddCamera5MGpioCardPins(d, v.ioStandard); break;
    case 13: AddLcd43TouchCardPins(d, v.ioStandard); break;
    case 55: AddMultiTouchLcdCardPins(d, v.ioStandard); break;
    case 62: AddLcd24TouchCardPins(d, v.ioStandard); break;
    case 63: AddMultiTouchLcd2CardPins(d, v.ioStandard); break;
    case 66: AddServoMotorKitPins(d, v.ioStandard); break;
    case 67: AddRfSensorCardPins(d, v.ioStandard); break;
    case 68: AddRfSensor2CardPins(d, v.ioStandard); break;
    case 69: AddRiscVCardPins(d, v.ioStandard); break;
    case 74: AddYarvelDefaultPins(d); break;
    case 75: AddYarvelBluetoothPins(d); break;
    case 76: AddCamera8MGpioCardPins(d, v.ioStandard); break;

    // GPIO cards that no card list offers: 3.3-V LVTTL whatever was asked.
    case 24: AddUsbFifoCardPins(d, IO_STD_3V3_LVTTL); break;
    case 25: AddUsbNativeCardPins(d, IO_STD_3V3_LVTTL); break;
    case 30: AddLcd8TouchCardPins(d, IO_STD_3V3_LVTTL); break;
    case 34: AddSensorBoardPins(d); break;
    case 64: AddSmartCarCardPins(d); break;
    case 65: AddBalanceCarCardPins(d); break;
    case 70: AddArduinoDigitalCardPins(d); break;

    // HSMC cards.
    case 2:
    case 90:
    case 91:
    case 92:
    case 98:
        AddHsmcDefaultPins(d, board, option, v.upperCaseNames ? 1 : 0, 0, GetCardIoStandard(card),
                           v.transceiverStandard);
        break;
    case 3:
    case 93:
    case 94:
    case 95:
    case 96: AddHsmcDefaultPins(d, board, option, 0, 1, GetCardIoStandard(card), v.transceiverStandard); break;
    case 4: AddHsmcLvdsDefaultPins(d, v.lvds ? 1 : 0, v.transceiverStandard, 6, 21); break;
    case 6: AddDviCardPins(d, v.hsmcCardStandard); break;
    case 7: AddDualEthernetCardPins(d, v.hsmcCardStandard); break;
    case 8: AddAdcDacHsmcFastCardPins(d, v.hsmcCardStandard); break;
    case 10: AddAdcDacHsmcCardPins(d, v.hsmcCardStandard); break;
    case 14: AddMultimediaCardPins(d, v.hsmcCardStandard); break;
    case 17: AddHsmcToPioAdaptorPins(d, v.ioStandard, board); break;
    case 18: AddHsmcDebugCardPins(d, board); break;
    case 19: AddHsmcLoopbackPins(d, 0, v.transceiverStandard); break;
    case 37: AddHsmcLoopbackPins(d, 1, v.transceiverStandard); break;
    case 21: AddSfpCardPins(d, v.transceiverStandard); break;
    case 22: AddSdiCardPins(d, 35); break;
    case 23: AddSataSasCardPins(d, v.transceiverStandard, v.hsmcCardStandard); break;
    case 26: AddTransceiverToSmaCardPins(d, v.transceiverStandard); break;
    case 27: AddIndustrialCommCardPins(d, v.hsmcCardStandard); break;
    case 28: AddSantaCruzAdaptorPins(d, 6); break;
    case 29: AddLcd8TouchCameraCardPins(d); break;
    case 31: AddHdmiTxCardPins(d, v.hsmcCardStandard); break;
    case 32: AddHdmiRxCardPins(d, v.hsmcCardStandard); break;
    case 33: AddCameraLinkReceiverPins(d); break;
    case 35: AddImageSensorAdaptorPins(d); break;
    case 36: AddLcd8TouchCamera2CardPins(d); break;
    case 56: AddLvdsCrossoverPins(d, v.hsmcCardStandard); break;
    case 57: AddPioAdaptorCameraCardPins(d, 1, 0, v.ioStandard, board); break;
    case 58: AddPioAdaptorCameraCardPins(d, 0, 1, v.ioStandard, board); break;
    case 59: AddPioAdaptorCameraCardPins(d, 1, 1, v.ioStandard, board); break;
    case 60: AddMultiTouchLcdCameraCardPins(d); break;
    case 61: AddMultiTouchLcdCamera2CardPins(d, v.hsmcCardStandard); break;

    // Tavrel cards.
    case 15: AddTavrelHdmiCardPins(d); break;
    case 16: AddTavrelToPioAdaptorPins(d); break;
    case 20: AddTavrelLoopbackPins(d); break;

    // FMC cards.
    case 40:
        if (board == MAINBOARD_COLVENNA)
            AddFmcVitaPins(d, 1, v.ioStandard, v.transceiverStandard);
        else
            AddFmcVitaHpcPins(d, 1, v.ioStandard, v.transceiverStandard);
        break;
    case 41: AddFmcVitaLpcPins(d, 1, v.ioStandard, v.transceiverStandard); break;
    case 42: AddFmcPlusVitaPins(d, 1, v.ioStandard, v.transceiverStandard); break;
    case 43: AddFmcGenericHpcPins(d, 0, 6, 1); break;
    case 44: AddFmcGenericHpcPins(d, 1, 6, 1); break;
    case 45: AddFmcGenericLpcPins(d, 0, 6, 1); break;
    case 46: AddFmcGenericLpcPins(d, 1, 6, 1); break;
    case 47: AddFmcTransceiverToSmaCardPins(d, v.ioStandard); break;
    case 48: AddFmcSdiCardPins(d, v.ioStandard); break;
    case 49: AddFmcHdmiCardPins(d, v.ioStandard); break;
    case 50: AddFmcJesdAdapterPins(d); break;
    case 51: AddFmcJesdAdcEvmPins(d, 1); break;
    case 52: AddFmcEthernetCardPins(d); break;
    case 53: AddFmcUsbCCardPins(d); break;
    case 54: AddFmcAdcCardPins(d); break;
    case 78: AddCamera8MFmcCardPins(d, v.ioStandard); break;
    case 88: AddFmcToGpioCardPins(d, v.ioStandard); break;

    default:
        // Card 5 (the Tavrel default naming) has no pin map; memory modules
        // have their own loaders below.
        return false;
    }
    return true;
}

}  // namespace

bool HasCardPinMap(DaughterId card)
{
    TDaughterBoard scratch;
    return CallCardMap(&scratch, card, MAINBOARD_HOLLARNE, nullptr, 0, ValuesFor(MAINBOARD_HOLLARNE, 8));
}

void TDaughterBoard::LoadCard(DaughterId card, uint8_t board, const char* nameBase, IoStandard ioStandard,
                              int32_t option)
{
    PL_ASSERT(board != MAINBOARD_ZENNORBY);
    const BoardValues v = ValuesFor(board, ioStandard);
    ClearPins();
    if (!CallCardMap(this, card, board, nameBase, option, v)) PL_ASSERT(0);
    if (card == 6) {
        // The DVI card's table must give exactly 77 active pins.
        const int ActivePinCount = GetActivePinCount();
        PL_ASSERT(ActivePinCount == 77);
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
