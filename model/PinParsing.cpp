#include "model/PinParsing.h"

#include <set>
#include <utility>

#include "model/Text.h"
#include "platform/Seam.h"

TPinParsing::TPinParsing() = default;

TPinParsing::~TPinParsing() { ClearPorts(); }

void TPinParsing::ClearPorts() { m_Ports.clear(); }

bool TPinParsing::SplitBusName(const std::string& name, std::string& baseName, int32_t& index)
{
    size_t a = name.find('[');
    size_t b = name.find(']');
    if (a != std::string::npos && b != std::string::npos && b > a) {
        index = StrToInt(name.substr(a + 1, b - a - 1));
        baseName = name.substr(0, a);
        return true;
    }
    baseName.clear();
    index = -1;
    return false;
}

PORT_INFO* TPinParsing::FindPort(const std::string& name) const
{
    for (const auto& port : m_Ports)
        if (SameTextIgnoringCase(port->name, name)) return port.get();
    return nullptr;
}

bool TPinParsing::Build(const TConnector* connector)
{
    return Build(std::vector<const TConnector*>{connector});
}

bool TPinParsing::Build(const std::vector<const TConnector*>& connectors)
{
    ClearPorts();
    std::set<std::pair<std::string, int32_t>> members;
    for (size_t section = 0; section < connectors.size(); ++section) {
        if (!AddPorts(connectors[section], static_cast<int32_t>(section), members)) return false;
    }
    return true;
}

bool TPinParsing::AddPorts(const TConnector* connector, int32_t section,
                           std::set<std::pair<std::string, int32_t>>& members)
{
    for (int i = 0; i < connector->GetPinCount(); ++i) {
        const TPin* pin = connector->GetPin(i);
        if (!pin || pin->GetDirection() == PIN_DIR_NONE) continue;
        std::string baseName;
        int32_t index = -1;
        const bool isBus = SplitBusName(pin->GetName(), baseName, index);
        const std::string portName = isBus ? baseName : pin->GetName();
        PORT_INFO* port = FindPort(portName);
        if (!port) {
            auto info = std::make_unique<PORT_INFO>();
            info->name = portName;
            info->isArray = isBus;
            info->msb = index;
            info->lsb = index;
            info->ioStandard = pin->GetIoStandard();
            info->Direction = pin->GetDirection();
            info->ioBank = pin->GetIoBank();
            info->section = section;
            m_Ports.push_back(std::move(info));
            if (isBus) members.insert({UpperCase(baseName), index});
            continue;
        }
        // A plain name that is already a port, or a plain name meeting a bus of
        // the same name (or the reverse): the port cannot be declared twice.
        if (!isBus || !port->isArray) {
            seam::Beep();
            seam::ShowError(Format("TPinParsing::Build fail\r\n,i=%d,name=%s", i, pin->GetName().c_str()));
            return false;
        }
        // Two members with the same index would declare one bit twice.
        if (!members.insert({UpperCase(baseName), index}).second) {
            seam::Beep();
            seam::ShowError(Format("TPinParsing::Build fail\r\n,i=%d,name=%s", i, pin->GetName().c_str()));
            return false;
        }
        if (index > port->msb) port->msb = index;
        if (index < port->lsb) port->lsb = index;
        if (pin->GetDirection() != port->Direction) {
            seam::Beep();
            seam::ShowError(Format("Connector %s[%d]:%d has an unmathced pin direction", baseName.c_str(), index, i));
            return false;
        }
    }
    return true;
}

namespace {

const char* VhdlDirection(PinDirection direction)
{
    switch (direction) {
    case PIN_DIR_INOUT: return "inout ";
    case PIN_DIR_INPUT: return "in ";
    case PIN_DIR_OUTPUT: return "out";
    }
    PL_ASSERT(direction >= PIN_DIR_INOUT && direction <= PIN_DIR_OUTPUT);
    return "";
}

}  // namespace

std::string TPinParsing::GetVerilogPort(int index) const
{
    const PORT_INFO& port = GetPort(index);
    std::string range = port.isArray ? Format("[%d:%d]", port.msb, port.lsb) : std::string();
    return Format("%s\t\t%10s\t\t%s", GetPinDirectionWord(port.Direction), range.c_str(), port.name.c_str());
}

std::string TPinParsing::GetVhdlPort(int index) const
{
    const PORT_INFO& port = GetPort(index);
    if (port.isArray) {
        std::string type = Format("std_logic_vector(%d downto %d)", port.msb, port.lsb);
        return Format("%-16s\t:%-6s\t%s", port.name.c_str(), VhdlDirection(port.Direction), type.c_str());
    }
    return Format("%-16s\t:%-6s\tstd_logic", port.name.c_str(), VhdlDirection(port.Direction));
}
