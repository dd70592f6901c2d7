#include "model/MainBoard.h"

#include <set>

#include "model/Text.h"
#include "platform/Seam.h"

TMainBoard::TMainBoard() = default;

TMainBoard::~TMainBoard() { ClearConnectors(); }

int TMainBoard::AddConnector(TConnector* connector)
{
    m_Connectors.emplace_back(connector);
    return static_cast<int>(m_Connectors.size()) - 1;
}

void TMainBoard::ClearConnectors() { m_Connectors.clear(); }

TConnector* TMainBoard::GetConnector(int index) const
{
    PL_ASSERT(index >= 0 && index < GetConnectorCount());
    return m_Connectors[static_cast<size_t>(index)].get();
}

TConnector* TMainBoard::FindMasterConnector(int32_t masterId) const
{
    for (const auto& connector : m_Connectors)
        if (connector->GetIsMaster() && connector->GetMasterId() == masterId) return connector.get();
    return nullptr;
}

bool TMainBoard::IsLocationUsed(const std::string& location) const
{
    for (const auto& connector : m_Connectors) {
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (pin && pin->IsActive() && SameTextIgnoringCase(pin->GetLocation(), location)) return true;
        }
    }
    return false;
}

std::string TMainBoard::GetBoardDisplayName() const
{
    switch (static_cast<uint8_t>(m_BoardId)) {
    case 1: return "Avemor FPGA Board";
    case 2: return "Fennick FPGA Board";
    case 3: return "Isselmont FPGA Board";
    case 4: return "Jarrowby FPGA Board";
    case 5: return "Kestleford FPGA Board";
    case 6: return "Nethercoy FPGA Board";
    case 7: return "Pelverton FPGA Board";
    case 8: return "Ormsgill FPGA Board";
    case 9: return "Quenwick FPGA Board";
    case 10: return "Bristane FPGA Board";
    case 11: return "Norvelle FPGA Board";
    case 12: return "Brackwell FPGA Board";
    case 13: return "Gorsewin FPGA Board";
    case 14: return "Larrowen Board";
    case 15: return "Drennock";
    case 16: return "Rastrelle";
    case 17: return "Selbowen";
    case 18: return "Estover";
    case 19: return "Hethermoor FPGA Board";
    case 20: return "Ivenhold Kit";
    case 21: return "Hollarne Board";
    case 22: return "Mirrendale Board";
    case 23: return "Dorvalin Board";
    case 24: return "Elmsary Board";
    case 25: return "Wyndholt Board";
    case 26: return "Kilverne MAX10 Board";
    case 27: return "Tarrowind";
    case 28: return "Ulverrow";
    case 30: return "Lanterby Kit";
    case 31: return "Colvenna FPGA Board";
    case 32: return "Vantremere Kit";
    case 33: return "Fallowmere";
    case 34: return "Garvelow";
    case 35: return "Wendlebury";
    case 36: return "Yarrowgate";
    case 37: return "Zennorby";
    case 38: return "Jessamont Kit";
    case 39: return "Rennacre";
    case 40: return "Ashcombre";
    case 50: return "Marlowen FPGA Board";
    case 100: return "Osterlin FPGA Board";
    case 101: return "Pellowind FPGA Board";
    }
    PL_ASSERT(!"board without a title");
    return {};
}

TPin* TMainBoard::GetHsmcPinName(int n, int pinIndex) const
{
    PL_ASSERT(pinIndex >= 1);
    int seen = 0;
    for (const auto& connector : m_Connectors) {
        if (connector->GetType() != CONNECTOR_HSMC) continue;
        if (seen++ != n) continue;
        TConnector* pCon = connector.get();
        PL_ASSERT(pinIndex <= pCon->GetPinCount());
        return pCon->GetPin(pinIndex - 1);
    }
    return nullptr;
}

void TMainBoard::SortConnectorPins()
{
    for (const auto& connector : m_Connectors) {
        const ConnectorType type = connector->GetType();
        if (connector->GetCardId() == -1) {
            if (type != CONNECTOR_FMC_HPC && type != CONNECTOR_FMC_LPC && type != CONNECTOR_FMC_PLUS)
                connector->SortPins();
        } else if (IsSortableCard(connector->GetCardId())) {
            connector->SortPins();
        }
    }
}

void TMainBoard::ReleaseRepeatedLocations()
{
    std::set<std::string> taken;
    for (const auto& connector : m_Connectors) {
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            TPin* pin = connector->GetPin(i);
            if (!pin || !pin->IsActive() || pin->GetLocation().empty()) continue;
            if (!taken.insert(UpperCase(pin->GetLocation())).second) pin->SetLocation("");
        }
    }
}

// ---- Card attachment --------------------------------------------------------

void TMainBoard::Attach(uint8_t masterId, const char* prefix, const std::function<void(TDaughterBoard&)>& load)
{
    TConnector* pMasterConn = FindMasterConnector(masterId);
    PL_ASSERT(pMasterConn);
    auto pDaughter = std::make_unique<TDaughterBoard>();
    load(*pDaughter);
    const char* pPrefixName = prefix;
    PL_ASSERT(pDaughter->UpdateMasterConnector(pMasterConn, pPrefixName));
}

void TMainBoard::AttachGpioCard(uint8_t masterId, DaughterId card, IoStandard ioStandard, const char* nameBase,
                                const char* prefix)
{
    const ConnectorType Type = GetCardConnectorType(card);
    PL_ASSERT(Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80);
    Attach(masterId, prefix, [&](TDaughterBoard& d) {
        d.LoadCard(card, static_cast<uint8_t>(m_BoardId), nameBase, ioStandard, 0);
    });
}

void TMainBoard::AttachHsmcCard(uint8_t masterId, DaughterId card, const char* prefix)
{
    const ConnectorType Type = GetCardConnectorType(card);
    PL_ASSERT(Type == CONNECTOR_HSMC);
    Attach(masterId, prefix,
           [&](TDaughterBoard& d) { d.LoadCard(card, static_cast<uint8_t>(m_BoardId), "", IO_STD_3V3_LVTTL, 0); });
}

void TMainBoard::AttachTavrelCard(uint8_t masterId, DaughterId card, const char* prefix)
{
    const ConnectorType Type = GetCardConnectorType(card);
    PL_ASSERT(Type == CONNECTOR_HSMC || Type == CONNECTOR_TAVREL);
    Attach(masterId, prefix,
           [&](TDaughterBoard& d) { d.LoadCard(card, static_cast<uint8_t>(m_BoardId), "", IO_STD_3V3_LVTTL, 0); });
}

void TMainBoard::AttachHsmcCardEx(uint8_t masterId, DaughterId card, IoStandard ioStandard, int32_t option,
                                  const char* prefix)
{
    const ConnectorType Type = GetCardConnectorType(card);
    PL_ASSERT(Type == CONNECTOR_HSMC);
    Attach(masterId, prefix,
           [&](TDaughterBoard& d) { d.LoadCard(card, static_cast<uint8_t>(m_BoardId), "", ioStandard, option); });
}

void TMainBoard::AttachFmcCard(uint8_t masterId, DaughterId card, IoStandard ioStandard, const char* prefix)
{
    const ConnectorType Type = GetCardConnectorType(card);
    PL_ASSERT(Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC || Type == CONNECTOR_FMC_PLUS);
    Attach(masterId, prefix,
           [&](TDaughterBoard& d) { d.LoadCard(card, static_cast<uint8_t>(m_BoardId), "", ioStandard, 0); });
}

void TMainBoard::AttachDdr2Sodimm(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr2Sodimm(options); });
}

void TMainBoard::AttachDdr3Sodimm(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr3Sodimm(options); });
}

void TMainBoard::AttachDdr3SodimmUpper(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr3SodimmUpper(options); });
}

void TMainBoard::AttachDdr3SodimmAlt(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr3SodimmAlt(options); });
}

void TMainBoard::AttachDdr4Sodimm(uint8_t masterId, const char* prefix, const Ddr4SodimmOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr4Sodimm(options); });
}

void TMainBoard::AttachDdr4SodimmEcc(uint8_t masterId, const char* prefix, const Ddr4ModuleOptions& options)
{
    Attach(masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr4SodimmEcc(options); });
}

void TMainBoard::AttachQdr2ModuleA10(uint8_t masterId, const char* prefix)
{
    Attach(masterId, prefix, [](TDaughterBoard& d) { d.LoadQdr2ModuleA10(); });
}

void TMainBoard::AttachQdr2ModuleS10(uint8_t masterId, const char* prefix)
{
    Attach(masterId, prefix, [](TDaughterBoard& d) { d.LoadQdr2ModuleS10(); });
}

void TMainBoard::AttachQdr4ModuleA10(uint8_t masterId, const char* prefix)
{
    Attach(masterId, prefix, [](TDaughterBoard& d) { d.LoadQdr4ModuleA10(); });
}

void TMainBoard::AttachQdr4ModuleS10(uint8_t masterId, const char* prefix)
{
    Attach(masterId, prefix, [](TDaughterBoard& d) { d.LoadQdr4ModuleS10(); });
}

// ---- Free functions ---------------------------------------------------------

bool IsBoardOfferedIn(bool everyBoard, uint8_t boardId)
{
    if (!everyBoard) return boardId == MAINBOARD_HOLLARNE;
    return (boardId >= MAINBOARD_AVEMOR && boardId <= MAINBOARD_ASHCOMBRE && boardId != 29) ||
           boardId == MAINBOARD_MARLOWEN || boardId == MAINBOARD_OSTERLIN || boardId == MAINBOARD_PELLOWIND;
}

bool IsBoardOffered(uint8_t boardId) { return IsBoardOfferedIn(kOffersEveryBoard, boardId); }

bool IsConfigObjectBoard(uint8_t id)
{
    switch (id) {
    case MAINBOARD_TARROWIND:
    case MAINBOARD_ULVERROW:
    case MAINBOARD_COLVENNA:
    case MAINBOARD_FALLOWMERE:
    case MAINBOARD_GARVELOW:
    case MAINBOARD_YARROWGATE:
    case MAINBOARD_ZENNORBY:
    case MAINBOARD_RENNACRE:
    case MAINBOARD_ASHCOMBRE: return true;
    }
    return false;
}

double Si570FreqMHz(uint8_t selection)
{
    static const double kFreq[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
    return selection < sizeof kFreq / sizeof kFreq[0] ? kFreq[selection] : 0;
}

double CdcmFreqMHz(uint8_t selection)
{
    static const double kFreq[] = {0, 62.5, 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625};
    return selection < sizeof kFreq / sizeof kFreq[0] ? kFreq[selection] : 0;
}

double CdcmExtPllFreqMHz(uint8_t selection) { return selection >= 2 ? CdcmFreqMHz(selection - 1) : 0; }
