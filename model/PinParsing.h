// Turns the active pins of connectors into top-level ports: plain pins
// become one-bit ports, NAME[n] pins become one bus port NAME.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
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
    int32_t section = 0;  // the connector, of those built together, whose section declares the port
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
    // Builds the ports of the connectors of one top level, section by
    // section (section n for connectors[n]), by the same rules across them: a
    // bus whose members lie in several connectors is one port, from its
    // lowest to its highest index, in the section of the first connector that
    // holds a member; the other sections declare none for it.
    bool Build(const std::vector<const TConnector*>& connectors);
    int32_t GetPortCount() const { return static_cast<int32_t>(m_Ports.size()); }
    const PORT_INFO& GetPort(int index) const { return *m_Ports[static_cast<size_t>(index)]; }
    std::string GetVerilogPort(int index) const;
    std::string GetVhdlPort(int index) const;

    // (is bus, base name, index) of a pin name.
    static bool SplitBusName(const std::string& name, std::string& baseName, int32_t& index);

private:
    void ClearPorts();
    // Adds the ports of one connector; members holds every bus bit so far.
    bool AddPorts(const TConnector* connector, int32_t section, std::set<std::pair<std::string, int32_t>>& members);
    PORT_INFO* FindPort(const std::string& name) const;

    std::vector<std::unique_ptr<PORT_INFO>> m_Ports;
};
