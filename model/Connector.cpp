#include "model/Connector.h"

#include <cstring>
#include <vector>

#include "platform/Seam.h"

namespace {

// Byte-wise comparison on unsigned characters; a prefix sorts first.
bool Greater(const std::string& a, const std::string& b)
{
    return a.compare(b) > 0;  // std::string compares char_traits<char>, which is unsigned-byte order
}

// For each Tavrel position (index p - 1) the HSMC position of the same signal.
struct TavrelMap {
    int32_t szMap[180];
    TavrelMap()
    {
        for (int32_t& entry : szMap) entry = -1;
        szMap[2 - 1] = 160;
        for (int k = 0; k <= 19; ++k) {
            szMap[3 + 6 * k - 1] = 157 - 6 * k;
            szMap[4 + 6 * k - 1] = 158 - 6 * k;
            szMap[5 + 6 * k - 1] = 155 - 6 * k;
            szMap[6 + 6 * k - 1] = 156 - 6 * k;
        }
        szMap[131 - 1] = 33;
        szMap[132 - 1] = 34;
    }
};

const TavrelMap kTavrelMap;

}  // namespace

TConnector::TConnector(const std::string& name, const std::string& description, ConnectorType type, int32_t cardId)
    : m_Name(name), m_Description(description), m_Type(type), m_CardId(cardId)
{
}

TConnector::~TConnector() { ClearPins(); }

int TConnector::AddPin(TPin* pin)
{
    m_Pins.emplace_back(pin);
    return static_cast<int>(m_Pins.size()) - 1;
}

TPin* TConnector::GetPin(int index) const
{
    PL_ASSERT(index >= 0);
    if (index >= GetPinCount()) return nullptr;
    return m_Pins[static_cast<size_t>(index)].get();
}

int TConnector::GetActivePinCount() const
{
    int count = 0;
    for (const auto& pin : m_Pins)
        if (pin && pin->GetDirection() != PIN_DIR_NONE) ++count;
    return count;
}

void TConnector::ClearPins() { m_Pins.clear(); }

void TConnector::SetName(const std::string& name)
{
    if (name != m_Name) m_Name = name;
}

void TConnector::SetDescription(const std::string& description)
{
    if (description != m_Description) m_Description = description;
}

void TConnector::SetType(ConnectorType type)
{
    if (type != m_Type) m_Type = type;
}

void TConnector::SetAttachedType(ConnectorType type)
{
    if (type != m_AttachedType) m_AttachedType = type;
}

void TConnector::SetIsMaster(bool isMaster)
{
    int32_t value = isMaster ? 1 : 0;
    if (value != m_IsMaster) m_IsMaster = value;
}

void TConnector::SetMasterId(int32_t masterId)
{
    if (masterId != m_MasterId) m_MasterId = masterId;
}

void TConnector::SortPins()
{
    // What the comparison reads of each position, worked out once and moved
    // with its pin; a bus index only when first compared (it may throw).
    struct TSortKey {
        bool bus = false;
        std::string base;
        bool indexRead = false;
        int32_t index = 0;
    };
    const int count = GetPinCount();
    std::vector<TSortKey> keys(static_cast<size_t>(count));
    for (size_t k = 0; k < keys.size(); ++k) {
        const TPin* pin = m_Pins[k].get();
        if (!pin || !IsBusPin(pin)) continue;
        keys[k].bus = true;
        keys[k].base = GetBusBaseName(pin);
    }
    auto index = [&](size_t k) {
        if (!keys[k].indexRead) {
            keys[k].index = GetBusIndex(m_Pins[k].get());
            keys[k].indexRead = true;
        }
        return keys[k].index;
    };
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const size_t si = static_cast<size_t>(i);
            const size_t sj = static_cast<size_t>(j);
            const TPin* a = m_Pins[si].get();
            const TPin* b = m_Pins[sj].get();
            if (!a || !b) continue;
            bool bFirst;
            if (keys[si].bus && keys[sj].bus) {
                if (keys[si].base == keys[sj].base) {
                    const int32_t indexB = index(sj);
                    bFirst = indexB < index(si);
                } else {
                    bFirst = Greater(keys[si].base, keys[sj].base);
                }
            } else {
                bFirst = Greater(a->GetName(), b->GetName());
            }
            if (bFirst) {
                std::swap(m_Pins[si], m_Pins[sj]);
                std::swap(keys[si], keys[sj]);
            }
        }
    }
}

std::string GetConnectorTypeName(ConnectorType type)
{
    switch (type) {
    case CONNECTOR_HSMC: return "HSMC";
    case CONNECTOR_TAVREL: return "TAVREL";
    case CONNECTOR_GPIO40: return "GPIO";
    case CONNECTOR_GPIO80: return "GPIO";
    case CONNECTOR_DDR2_SODIMM: return "DDR2 SODIMM";
    case CONNECTOR_DDR3_SODIMM: return "DDR3 SODIMM";
    case CONNECTOR_DDR4_SODIMM: return "DDR4 SODIMM";
    case CONNECTOR_FMC_HPC: return "FMC HPC";
    case CONNECTOR_FMC_LPC: return "FMC LPC";
    case CONNECTOR_FMC_PLUS: return "FMC Plus";
    case CONNECTOR_YARVEL_2x6: return "YARVEL 2x6";
    case CONNECTOR_DDR4_IF: return "KALVORA DDR4 SODIMM Interface";
    case CONNECTOR_DDR4_IF_ECC: return "KALVORA DDR4 SODIMM  Interface with ECC";
    case CONNECTOR_DDR4_IF_ECC_A10: return "KALVORA DDR4 SODIMM  Interface with ECC(A10)";
    case CONNECTOR_DDR4_IF_ECC_S10: return "KALVORA DDR4 SODIMM  Interface with ECC(S10)";
    }
    PL_ASSERT(type >= CONNECTOR_HSMC && type <= CONNECTOR_DDR4_IF_ECC_S10);
    return {};
}

int32_t TavrelToHsmcPosition(int32_t position)
{
    if (position < 1 || position > 180) return -1;
    return kTavrelMap.szMap[position - 1];
}
