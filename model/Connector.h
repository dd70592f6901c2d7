// An ordered list of pin positions: an on-board peripheral group, an
// expansion connector of the main board, or a daughter card's pin map.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Pin.h"

typedef uint8_t ConnectorType;
enum : ConnectorType {
    CONNECTOR_NONE = 0,
    CONNECTOR_HSMC = 1,
    CONNECTOR_TAVREL = 2,
    CONNECTOR_GPIO40 = 3,
    CONNECTOR_GPIO80 = 4,
    CONNECTOR_DDR2_SODIMM = 5,
    CONNECTOR_DDR3_SODIMM = 6,
    CONNECTOR_DDR4_SODIMM = 7,
    CONNECTOR_FMC_HPC = 8,
    CONNECTOR_FMC_LPC = 9,
    CONNECTOR_FMC_PLUS = 10,
    CONNECTOR_YARVEL_2x6 = 11,
    CONNECTOR_DDR4_IF = 12,
    CONNECTOR_DDR4_IF_ECC = 13,
    CONNECTOR_DDR4_IF_ECC_A10 = 14,
    CONNECTOR_DDR4_IF_ECC_S10 = 15
};

class TConnector {
public:
    TConnector(const std::string& name, const std::string& description, ConnectorType type, int32_t cardId);
    virtual ~TConnector();
    TConnector(const TConnector&) = delete;
    TConnector& operator=(const TConnector&) = delete;

    // Appends a position (nullptr for a position without a signal) and takes
    // ownership of the pin. Returns the new position's index.
    int AddPin(TPin* pin);
    // The pin at a 0-based position, or nullptr for an empty position or an
    // index at or past PinCount.
    TPin* GetPin(int index) const;
    int GetPinCount() const { return static_cast<int>(m_Pins.size()); }
    int GetActivePinCount() const;
    void ClearPins();

    void SetName(const std::string& name);
    const std::string& GetName() const { return m_Name; }
    void SetDescription(const std::string& description);
    const std::string& GetDescription() const { return m_Description; }
    void SetType(ConnectorType type);
    ConnectorType GetType() const { return m_Type; }
    void SetAttachedType(ConnectorType type);
    ConnectorType GetAttachedType() const { return m_AttachedType; }
    void SetIsMaster(bool isMaster);
    bool GetIsMaster() const { return m_IsMaster != 0; }
    void SetMasterId(int32_t masterId);
    int32_t GetMasterId() const { return m_MasterId; }
    int32_t GetCardId() const { return m_CardId; }

    // Orders the pins by name with the exchange sort the generated files rely
    // on; empty positions never move.
    void SortPins();

private:
    std::vector<std::unique_ptr<TPin>> m_Pins;
    std::string m_Name;
    std::string m_Description;
    ConnectorType m_Type;
    ConnectorType m_AttachedType = CONNECTOR_NONE;
    int32_t m_IsMaster = 0;
    int32_t m_MasterId = 0;
    int32_t m_CardId;
};

// "HSMC", "TAVREL", "GPIO", ... for the types 1 to 15.
std::string GetConnectorTypeName(ConnectorType type);

// The HSMC position (1..160) carried by a Tavrel position (1..180), or -1.
int32_t TavrelToHsmcPosition(int32_t position);
