// Turns the active pins of one connector into top-level ports: plain pins
// become one-bit ports, NAME[n] pins become one bus port NAME.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Connector.h"

struct PORT_INFO {
    std::string name;
    bool isArray = false;
    int32_t msb = -1;
    int32_t lsb = -1;
    IoStandard ioStandard = IO_STD_3V3_LVTTL;
    PinDirection Direction = PIN_DIR_NONE;
    std::string ioBank;
};

class TPinParsing {
public:
    TPinParsing();
    ~TPinParsing();

    // Builds the ports of a connector. Returns false when the port list is
    // broken (a name used twice, or a bus whose members disagree on their
    // direction); the error box has then been shown and the list must not be
    // written. Throws EConvertError when a bus index is not a decimal number.
    bool Build(const TConnector* connector);
    int32_t GetPortCount() const { return static_cast<int32_t>(m_Ports.size()); }
    const PORT_INFO& GetPort(int index) const { return *m_Ports[static_cast<size_t>(index)]; }
    std::string GetVerilogPort(int index) const;
    std::string GetVhdlPort(int index) const;

    // (is bus, base name, index) of a pin name.
    static bool SplitBusName(const std::string& name, std::string& baseName, int32_t& index);

private:
    void ClearPorts();
    PORT_INFO* FindPort(const std::string& name) const;

    std::vector<std::unique_ptr<PORT_INFO>> m_Ports;
};
