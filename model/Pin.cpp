#include "model/Pin.h"

#include "model/Text.h"
#include "platform/Seam.h"

namespace {

std::string Cut(const std::string& text)
{
    return text.size() > PIN_TEXT_MAX ? text.substr(0, PIN_TEXT_MAX) : text;
}

const char* const kIoStandardNames[IO_STD_COUNT] = {
    "1.5 V",
    "1.5-V HSTL Class I",
    "1.5-V HSTL Class II",
    "1.8 V",
    "1.8-V HSTL Class I",
    "1.8-V HSTL Class II",
    "2.5 V",
    "3.3-V LVCMOS",
    "3.3-V LVTTL",
    "Differential 1.5-V HSTL Class I",
    "Differential 1.5-V HSTL Class II",
    "Differential 1.5-V SSTL",
    "Differential 1.5-V SSTL Class I",
    "Differential 1.5-V SSTL Class II",
    "Differential 1.8-V HSTL Class I",
    "Differential 1.8-V HSTL Class II",
    "Differential 1.8-V SSTL Class I",
    "Differential 1.8-V SSTL Class II",
    "Differential 2.5-V SSTL Class I",
    "Differential 2.5-V SSTL Class II",
    "Differential LVPECL",
    "LVDS",
    "LVDS_E_1R",
    "LVDS_E_3R",
    "mini-LVDS",
    "mini-LVDS_E_1R",
    "RSDS",
    "RSDS_E_1R",
    "SSTL-15",
    "SSTL-15 Class I",
    "SSTL-15 Class II",
    "SSTL-18 Class I",
    "SSTL-18 Class II",
    "SSTL-2 Class I",
    "SSTL-2 Class II",
    "1.4-V PCML",
    "1.5-V PCML",
    "HCSL",
    "3.0-V PCI",
    "3.0-V PCI-X",
    "1.2 V",
    "1.2-V HSTL Class I",
    "1.2-V HSTL Class II",
    "1.2-V HSUL",
    "Differential 1.2-V HSTL Class I",
    "Differential 1.2-V HSTL Class II",
    "Differential 1.2-V HSUL",
    "1.5 V Schmitt Trigger",
    "1.8 V Schmitt Trigger",
    "2.5 V Schmitt Trigger",
    "3.3 V Schmitt Trigger",
    "SSTL-15",
    "HSSI Differential I/O",
    "1.2-V POD",
    "Differential 1.2-V POD",
    "SSTL-12",
    "Differential 1.2-V SSTL",
    "3.0-V LVTTL",
    "Current Mode Logic (CML)",
    "High Speed Differential I/O",
    "True Differential Signaling",
};

}  // namespace

TPin::TPin() = default;

TPin::TPin(const std::string& name, const std::string& location, PinDirection direction, IoStandard ioStandard,
           double clockMHz)
    : m_Name(name), m_Location(Cut(location)), m_Direction(direction), m_IoStandard(ioStandard), m_PinIndex(-1)
{
    if (clockMHz > 0) {
        m_IsClock = 1;
        m_ClockFrequency = Format("%.5f MHz", clockMHz);
    }
}

TPin::TPin(const std::string& name, PinDirection direction, IoStandard ioStandard, int32_t pinIndex, uint8_t flag)
    : m_Name(name), m_Direction(direction), m_IoStandard(ioStandard), m_Flag(flag), m_PinIndex(pinIndex)
{
}

void TPin::SetName(const std::string& name)
{
    if (name != m_Name) m_Name = name;
}

void TPin::SetLocation(const std::string& location)
{
    std::string cut = Cut(location);
    if (cut != m_Location) m_Location = cut;
}

void TPin::SetDirection(PinDirection direction)
{
    if (direction != m_Direction) m_Direction = direction;
}

void TPin::SetIoStandard(IoStandard ioStandard)
{
    if (ioStandard != m_IoStandard) m_IoStandard = ioStandard;
}

void TPin::SetPinIndex(int32_t pinIndex)
{
    if (pinIndex != m_PinIndex) m_PinIndex = pinIndex;
}

std::string TPin::GetPinIndexText() const { return Format("%d", m_PinIndex); }

void TPin::SetIsClock(bool isClock)
{
    int32_t value = isClock ? 1 : 0;
    if (value != m_IsClock) m_IsClock = value;
}

void TPin::SetClockPeriodNs(int32_t periodNs)
{
    if (periodNs != m_ClockPeriodNs) m_ClockPeriodNs = periodNs;
}

void TPin::SetClockFrequencyText(const std::string& text)
{
    if (text != m_ClockFrequency) m_ClockFrequency = text;
}

void TPin::SetClockFrequency(double mhz, int decimals)
{
    const bool clock = mhz > 0;
    SetIsClock(clock);
    SetClockFrequencyText(clock ? Format("%.*f MHz", decimals, mhz) : std::string());
}

void TPin::SetIoBank(const std::string& bank)
{
    if (bank != m_IoBank) m_IoBank = bank;
}

std::string TPin::GetDirectionText() const { return GetPinDirectionWord(m_Direction); }

const char* GetPinDirectionWord(PinDirection direction)
{
    switch (direction) {
    case PIN_DIR_INOUT: return "inout ";
    case PIN_DIR_INPUT: return "input ";
    case PIN_DIR_OUTPUT: return "output";
    }
    PL_ASSERT(direction >= PIN_DIR_INOUT && direction <= PIN_DIR_OUTPUT);
    return "";
}

std::string TPin::GetIoStandardText() const { return GetIoStandardName(m_IoStandard); }

std::string GetIoStandardName(IoStandard code)
{
    if (code < IO_STD_COUNT) return kIoStandardNames[code];
    seam::Beep();
    return {};
}

bool IsBusPin(const TPin* pin)
{
    const std::string& name = pin->GetName();
    return name.find('[') != std::string::npos && name.find(']') != std::string::npos;
}

int32_t GetBusIndex(const TPin* pin)
{
    const std::string& name = pin->GetName();
    size_t open = name.find('[');
    size_t close = name.find(']');
    if (open == std::string::npos || close == std::string::npos) return -1;
    std::string inner = close > open ? name.substr(open + 1, close - open - 1) : std::string();
    return StrToInt(inner);
}

std::string GetBusBaseName(const TPin* pin)
{
    const std::string& name = pin->GetName();
    size_t open = name.find('[');
    return open == std::string::npos ? std::string() : name.substr(0, open);
}
