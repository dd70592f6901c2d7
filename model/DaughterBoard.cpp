#include "model/DaughterBoard.h"

#include <cstdio>
#include <stdexcept>

#include "model/FileReplace.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

struct CardEntry {
    DaughterId id;
    ConnectorType type;
    const char* display;
    const char* shortName;    // nullptr: the card has no short name
    const char* description;  // nullptr: the display name serves
    bool offered;
    bool transceiver;
    VoltageClass voltage;
};

// clang-format off
const CardEntry kCatalogue[] = {
    { 0, 0, "None", "None", nullptr, true, false, 3 },
    { 1, 3, "GPIO Default", "GPIO_Default", "GPIO Default Pin Name", true, false, 5 },
    { 2, 1, "HSMC Default", "HSMC_Default", "HSMC Default Pin Name", true, false, 3 },
    { 3, 1, "HSMC Default With Transceiver", "HSMC_Default_With_Transceiver", "HSMC Default Pin Name (With Transceiver)", true, true, 3 },
    { 4, 1, "HSMC LVDS Default", "HSMC_LVDS_Default", "HSMC LVDS Default Pin Name", false, false, 3 },
    { 5, 2, "Tavrel Default", "Tavrel_Default", "Tavrel Default Pin Name", true, false, 3 },
    { 6, 1, "DVI - FullHD TX/RX", "DVI", "HSMC Full-HD DVI TX/RX", true, false, 3 },
    { 7, 1, "NET - 10/100/1000 Ethernet", "NET", "HSMC 10/100/1000 Dual-Port Ethernet", true, false, 3 },
    { 8, 1, "Brask - High Speed ADC/DAC", "Brask", "HSMC 150MSPS-ADC and 250MSPS-DAC", true, false, 3 },
    { 9, 5, "DDR2 SODIMM", "DDR2_SODIMM", nullptr, true, false, 3 },
    { 10, 1, "Culm - High Speed ADC/DAC", "Culm", "HSMC 65MSPS-ADC and 125MSPS-DAC", true, false, 3 },
    { 11, 4, "Culm - High Speed ADC/DAC", "Culm", "GPIO 65MSPS-ADC and 125MSPS-DAC", true, false, 5 },
    { 12, 3, "Ivrel - 5M Pixel Camera", "Ivrel", "PIO 5-Mega Pixel Camera", true, false, 5 },
    { 13, 3, "Kember - 4.3\" LCD and Touch", "Kember", "PIO Touch LCD", true, false, 5 },
    { 14, 1, "Eskel - Multimedia Card", "Eskel", "HSMC Multimedia", true, false, 3 },
    { 15, 2, "HDMI - FullHD TX/RX", "HDMI", "Tavrel Full-HD HDMI", true, false, 3 },
    { 16, 2, "Fyrn - Tavrel to PIO Adaptor", "Fyrn_Tavrel", "Tavrel to PIO", false, false, 3 },
    { 17, 1, "Fyrn - HSMC to PIO Adaptor", "Fyrn_HSMC", "HSMC to PIO", true, false, 3 },
    { 18, 1, "HSMC Debug", "HSMC_Debug", nullptr, true, false, 3 },
    { 19, 1, "HSMC Loopback", "HSMC_Loopback", nullptr, true, false, 3 },
    { 20, 2, "Tavrel Loopback", "Tavrel_Loopback", nullptr, true, false, 3 },
    { 21, 1, "SFP - Form-Factor Pluggable", "SFP", "HSMC SFP (Small Form-Factor Pluggable)", true, true, 3 },
    { 22, 1, "SDI - SD/HD/3G", "SDI", "HSMC SDI (Serial Digital Interface)", true, true, 3 },
    { 23, 1, "SATA/SAS", "SATA", "HSMC SATA/SAS", true, true, 3 },
    { 24, 3, "Ostrel - High Speed USB FIFO", "Ostrel", "PIO High-Speed USB (Sync FIFO)", false, false, 3 },
    { 25, 3, "Ostrel - High Speed USB - Native", "Ostrel_NATIVE", "PIO High-Speed USB (Native)", false, false, 3 },
    { 26, 1, "Pavlin - Transceiver to SMA", "Pavlin", "HSMC Pavlin (Transceiver to SMA)", true, true, 3 },
    { 27, 1, "Dovra - Industry Communication", "Dovra", nullptr, true, false, 3 },
    { 28, 1, "Quorril - Santa Cruz Interface", "Quorril", "HSMC Quorril (HSMC to Santa Cruz)", true, false, 3 },
    { 29, 1, "Wistow - 8\" LCD/Touch/Camera", "Wistow", "HSMC Wistow - 8\" LCD/Touch/Camera", true, false, 3 },
    { 30, 3, "Norrow - 8\" LCD/Touch", "Norrow", "GPIO Norrow - 8\" LCD/Touch", false, false, 3 },
    { 31, 1, "HDMI TX", "HDMI_TX", nullptr, true, false, 3 },
    { 32, 1, "HDMI RX", "HDMI_RX", nullptr, true, false, 3 },
    { 33, 1, "Camera Link Receiver", "Jemsok", nullptr, true, false, 3 },
    { 34, 3, "Rusket - Interactive Sensor Board", "Rusket", nullptr, false, false, 5 },
    { 35, 1, "Umbrel-Aptina Headboard Adaptor", "Umbrel", nullptr, true, false, 3 },
    { 36, 1, "Mavrel - 8\" LCD/Touch/Camera", "Mavrel", "HSMC Mavrel - 8\" LCD/Touch/Camera", true, false, 3 },
    { 37, 1, "HSMC Loopback w/ Transceiver", "HSMC_Loopback_Xcvr", "HSMC Loopback with Transceiver", true, true, 3 },
    { 38, 6, "DDR3 SODIMM", "DDR3_SODIMM", nullptr, true, false, 3 },
    { 39, 7, "DDR4 SODIMM", "DDR4_SODIMM", nullptr, true, false, 3 },
    { 40, 8, "FMC HPC - VITA Standard", "FMC HPC - VITA Standard", nullptr, true, true, 3 },
    { 41, 9, "FMC LPC - VITA Standard", "FMC LPC - VITA Standard", nullptr, true, true, 3 },
    { 42, 10, "FMC+ (VITA57.4)", nullptr, nullptr, true, false, 3 },
    { 43, 8, "FMC HPC - Altera Standard", "FMC HPC - Altera Standard", nullptr, false, false, 3 },
    { 44, 8, "FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", nullptr, false, true, 3 },
    { 45, 9, "FMC LPC - Altera Standard", "FMC LPC - Altera Standard", nullptr, false, false, 3 },
    { 46, 9, "FMC LPC with XCVR - Altera Standard", "FMC LPC with XCVR - Altera Standard", nullptr, false, true, 3 },
    { 47, 9, "Pavlin-FMC", "Pavlin-FMC", nullptr, true, true, 3 },
    { 48, 8, "12G SDI-FMC", "12G SDI-FMC", nullptr, true, true, 3 },
    { 49, 9, "HDMI-FMC", "HDMI-FMC", nullptr, true, false, 3 },
    { 50, 8, "JESD-FMC Adapter for TI", "JESD-FMC adpter for TI", nullptr, false, true, 3 },
    { 51, 8, "JESD-FMC + TI ADC34J45 EVM", "JESD-FMC + TI ADC34J45 EVM", nullptr, false, true, 3 },
    { 52, 9, "NET-FMC", "NET-FMC", nullptr, true, false, 3 },
    { 53, 8, "USBC-FMC", "USBC-FMC", nullptr, false, false, 3 },
    { 54, 8, "ADC-FMC", "ADC-FMC", nullptr, true, false, 2 },
    { 55, 3, "Sarnel - Multi-Touch LCD Panel", "Sarnel", nullptr, true, false, 5 },
    { 56, 1, "HSMC: LVDS Crossover", "Istrel", nullptr, false, false, 3 },
    { 57, 1, "Fyrn - J2-Ivrel", "Fyrn_Ivrel", "HSMC to PIO with Ivrel", true, false, 5 },
    { 58, 1, "Fyrn - J3-Ivrel", "Fyrn_Ivrel", "HSMC to PIO with Ivrel", true, false, 5 },
    { 59, 1, "Fyrn - Both Ivrel", "Fyrn_Ivrel", "HSMC to PIO with Ivrel", true, false, 5 },
    { 60, 1, "Vandry -Multi-Touch/LCD/Camera", "Vandry", "HSMC Vandry - Multi-Touch LCD and Camera", false, false, 3 },
    { 61, 1, "Wesket -Multi-Touch/LCD/Camera", "Wesket", "HSMC Wesket - Multi-Touch LCD and Camera", true, false, 3 },
    { 62, 3, "Brevik - 2.4\" LCD and Touch", "Brevik", nullptr, true, false, 5 },
    { 63, 3, "Tamsil - Multi-Touch LCD Panel", "Tamsil", nullptr, true, false, 5 },
    { 64, 3, "Corsel - Smart Car Daughtercard", "Smart Car", nullptr, false, false, 3 },
    { 65, 3, "Balance Car Daughtercard", "Balance Car", nullptr, false, false, 3 },
    { 66, 3, "Dunvar - Servo Motor Kit", "Servo Motor Kit", nullptr, true, false, 5 },
    { 67, 3, "Elvask - RF and Sensor", "RF and Sensor", nullptr, true, false, 5 },
    { 68, 3, "Fenwry - RF and Sensor", "RF and Sensor", nullptr, true, false, 5 },
    { 69, 3, "RISC-V", "RISC-V", nullptr, true, false, 5 },
    { 70, 3, "Arduino Digital", "Arduino Digital", nullptr, false, false, 3 },
    { 74, 11, "Yarvel Default", "Yarvel Default", nullptr, true, false, 3 },
    { 75, 11, "Yarvel Bluetooth SPP", "Zorrin-Yarvel", nullptr, true, false, 3 },
    { 76, 3, "Jusk-GPIO", "Jusk-GPIO", nullptr, true, false, 5 },
    { 78, 9, "Jusk-FMC", "Jusk-FMC", nullptr, true, false, 3 },
    { 79, 12, "DDR4 SODIMM without ECC", nullptr, nullptr, true, false, 3 },
    { 80, 13, "DDR4 SODIMM with ECC", nullptr, nullptr, true, false, 3 },
    { 81, 14, "Kalvora QDR-II+ A10 Module", nullptr, nullptr, true, false, 3 },
    { 82, 14, "Kalvora QDR-IV A10 Module", nullptr, nullptr, true, false, 3 },
    { 83, 15, "Kalvora QDR-II+ S10 Module", nullptr, nullptr, true, false, 3 },
    { 84, 15, "Kalvora QDR-IV S10 Module", nullptr, nullptr, true, false, 3 },
    { 85, 3, "GPIO Default - 2.5V", "GPIO Default - 2.5V", nullptr, true, false, 3 },
    { 86, 3, "GPIO Default - 1.8V", "GPIO Default - 1.8V", nullptr, true, false, 2 },
    { 87, 3, "GPIO Default - 1.5V", "GPIO Default - 1.5V", nullptr, true, false, 1 },
    { 88, 8, "Ambrel (FMC to GPIO)", "FMC to GPIO", nullptr, true, false, 3 },
    { 90, 1, "HSMC Default - 3.3V", "HSMC Default - 3.3V", nullptr, true, false, 5 },
    { 91, 1, "HSMC Default - 1.8V", "HSMC Default - 1.8V", nullptr, true, false, 2 },
    { 92, 1, "HSMC Default - 1.5V", "HSMC Default - 1.5V", nullptr, true, false, 1 },
    { 93, 1, "HSMC Default-3.3V w/ Transceiver", "HSMC Default-3.3V w/ Transceiver", "HSMC Default - 3.3V (With Transceiver)", true, true, 5 },
    { 94, 1, "HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver", "HSMC Default - 3.0V (With Transceiver)", true, false, 4 },
    { 95, 1, "HSMC Default-1.8V w/ Transceiver", "HSMC Default-1.8V w/ Transceiver", "HSMC Default - 1.8V (With Transceiver)", true, true, 2 },
    { 96, 1, "HSMC Default-1.5V w/ Transceiver", "HSMC Default-1.5V w/ Transceiver", "HSMC Default - 1.5V (With Transceiver)", true, true, 1 },
    { 98, 1, "HSMC Default - 3.0V", "HSMC Default - 3.0V", nullptr, true, false, 4 },
};
// clang-format on

const CardEntry* FindCard(DaughterId card)
{
    for (const CardEntry& entry : kCatalogue)
        if (entry.id == card) return &entry;
    return nullptr;
}

bool CheckPrefixNames(const char* label, bool digits, bool exemptGpio80, int32_t count, const DaughterId* cardIds,
                      const std::string* prefixes, std::string& message)
{
    for (int32_t i = 0; i < count; ++i) {
        if (cardIds[i] == 0) continue;
        for (int32_t j = i + 1; j < count; ++j) {
            if (cardIds[j] == 0) continue;
            if (cardIds[i] != cardIds[j] || prefixes[i] != prefixes[j]) continue;
            if (exemptGpio80 && GetCardConnectorType(cardIds[i]) == CONNECTOR_GPIO80) continue;
            char first = static_cast<char>((digits ? '0' : 'A') + i);
            char second = static_cast<char>((digits ? '0' : 'A') + j);
            message = Format("%s-%c and %s-%c cannot have the same prefix name when both connect to the same type of "
                             "daughter boards.",
                             label, first, label, second);
            return false;
        }
    }
    return true;
}

}  // namespace

ConnectorType GetCardConnectorType(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    return entry ? entry->type : static_cast<ConnectorType>(CONNECTOR_NONE);
}

std::string GetCardDisplayName(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    PL_ASSERT(entry != nullptr);
    return entry->display;
}

std::string GetCardShortName(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    PL_ASSERT(entry != nullptr && entry->shortName != nullptr);
    return entry->shortName;
}

std::string GetCardDescription(DaughterId card)
{
    std::string display = GetCardDisplayName(card);
    const CardEntry* entry = FindCard(card);
    std::string strName = entry->description ? entry->description : display;
    PL_ASSERT(strName.length() > 0);
    return strName;
}

bool IsCardOffered(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    return entry ? entry->offered : true;
}

bool IsTransceiverCard(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    return entry ? entry->transceiver : false;
}

VoltageClass GetCardVoltageClass(DaughterId card)
{
    const CardEntry* entry = FindCard(card);
    if (entry) return entry->voltage;
    return static_cast<VoltageClass>(card == 97 ? 4 : 3);
}

IoStandard GetCardIoStandard(int32_t card)
{
    switch (card) {
    case 90:
    case 93: return 8;
    case 91:
    case 95: return 3;
    case 92:
    case 96: return 0;
    case 94:
    case 98: return 39;
    default: return 6;
    }
}

bool IsVoltageFreeCard(DaughterId card) { return card == 17; }

bool IsCardVoltageCompatible(DaughterId card, uint8_t voltage)
{
    ConnectorType type = GetCardConnectorType(card);
    if (type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC || type == CONNECTOR_FMC_PLUS) {
        switch (card) {
        case 49:
        case 52: return voltage == 1 || voltage == 2 || voltage == 3 || voltage == 5;
        case 78: return voltage == 2 || voltage == 3 || voltage == 5;
        case 54: return voltage == 2;
        default: return true;
        }
    }
    return GetCardVoltageClass(card) == voltage;
}

bool IsSortableCard(int32_t card) { return !(card >= 40 && card <= 46); }

bool HasCardEntry(DaughterId card) { return FindCard(card) != nullptr; }

bool WriteConnectorPinList(const TConnector* connector, const std::string& path)
{
    std::string text;
    for (int i = 0; i < connector->GetPinCount(); ++i) {
        const TPin* pin = connector->GetPin(i);
        if (pin)
            text += Format("%d\t%s\t%s\t%s", i + 1, pin->GetName().c_str(), pin->GetDirectionText().c_str(),
                           pin->GetIoStandardText().c_str());
        else
            text += Format("%d", i + 1);
        text += "\r\n";
    }
    // Replaced whole (model/FileReplace.h): a file that cannot be written
    // keeps what it held.
    const TFileWriteResult result = WriteFileReplacing(path, text);
    if (result.failedStep == TFileWriteStep::Create || result.failedStep == TFileWriteStep::Replace)
        throw std::runtime_error(result.error);
    return result.Ok();
}

// ---- TDaughterBoard ---------------------------------------------------------

TDaughterBoard::TDaughterBoard() : TConnector("", "", CONNECTOR_NONE, -1) {}

TDaughterBoard::~TDaughterBoard() { ClearPins(); }

void TDaughterBoard::SetFromCatalogue(DaughterId card)
{
    SetName(GetCardDisplayName(card));
    SetDescription(GetCardDescription(card));
    SetType(GetCardConnectorType(card));
}

namespace {

// Copies one card pin onto one master position.
void CopyPosition(TConnector* master, int j, const TPin* card, const char* prefix)
{
    TPin* target = master->GetPin(j);
    if (!target) return;
    if (!card) {
        target->SetDirection(PIN_DIR_NONE);
        return;
    }
    TPin pin;
    pin = *card;
    pin.SetLocation(target->GetLocation());
    pin.SetPinIndex(card->GetPinIndex());
    if (prefix && *prefix) pin.SetName(std::string(prefix) + card->GetName());
    if (target->GetDirection() != PIN_DIR_BY_CARD) pin.SetDirection(target->GetDirection());
    if (target->GetIoStandard() != IO_STD_BY_CARD) pin.SetIoStandard(target->GetIoStandard());
    *target = pin;
}

// A master pin with a name and a direction of its own, not one the card gives.
bool IsBoardPinOfItsOwn(const TPin* pin)
{
    return pin && !pin->GetName().empty() && pin->GetDirection() != PIN_DIR_BY_CARD;
}

bool AcceptsDirectly(ConnectorType d, ConnectorType m)
{
    if (d == m) return true;
    return (d == CONNECTOR_FMC_LPC && m == CONNECTOR_FMC_HPC) || (d == CONNECTOR_FMC_LPC && m == CONNECTOR_FMC_PLUS) ||
           (d == CONNECTOR_FMC_HPC && m == CONNECTOR_FMC_PLUS) ||
           (d == CONNECTOR_DDR4_IF && m == CONNECTOR_DDR4_IF_ECC) ||
           (d == CONNECTOR_DDR4_IF_ECC_A10 && m == CONNECTOR_DDR4_IF_ECC) ||
           (d == CONNECTOR_DDR4_IF_ECC_S10 && m == CONNECTOR_DDR4_IF_ECC);
}

}  // namespace

bool TDaughterBoard::UpdateMasterConnector(TConnector* master, const char* prefix)
{
    const ConnectorType d = GetType();
    const ConnectorType m = master->GetType();
    master->SetAttachedType(d);
    if (AcceptsDirectly(d, m)) {
        for (int j = 0; j < master->GetPinCount(); ++j) {
            // A pin the board names after the card's last position (a socket's
            // reference clock, an FMC connector's own clock) is the board's,
            // not the card's: it keeps its state. Placeholders there go off.
            if (j >= GetPinCount() && IsBoardPinOfItsOwn(master->GetPin(j))) continue;
            CopyPosition(master, j, GetPin(j), prefix);
        }
        return true;
    }
    if (d == CONNECTOR_HSMC && m == CONNECTOR_TAVREL) {
        for (int j = 0; j < master->GetPinCount(); ++j) {
            TPin* target = master->GetPin(j);
            if (!target) continue;
            int32_t h = TavrelToHsmcPosition(j + 1);
            const TPin* card = h >= 1 ? GetPin(h - 1) : nullptr;
            if (!card)
                target->SetDirection(PIN_DIR_NONE);
            else
                CopyPosition(master, j, card, prefix);
        }
        return true;
    }
    PL_ASSERT(0);
    return false;
}

// ---- Prefix checks ----------------------------------------------------------

bool CheckGpioPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message)
{
    return CheckPrefixNames("GPIO", true, true, count, cardIds, prefixes, message);
}

bool CheckHsmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message)
{
    return CheckPrefixNames("HSMC", false, false, count, cardIds, prefixes, message);
}

bool CheckTavrelPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes,
                            std::string& message)
{
    return CheckPrefixNames("Tavrel", false, false, count, cardIds, prefixes, message);
}

bool CheckFmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message)
{
    return CheckPrefixNames("FMC", false, false, count, cardIds, prefixes, message);
}

bool CheckDdr4SocketPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes,
                                std::string& message)
{
    return CheckPrefixNames("DDR4-Socket", false, false, count, cardIds, prefixes, message);
}
