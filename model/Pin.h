// One signal position of a connector: a board pin (name, FPGA location,
// clock data) or a card pin (card name, position on the card).
#pragma once

#include <cstdint>
#include <string>

typedef uint8_t PinDirection;
enum : PinDirection {
    PIN_DIR_NONE = 0,    // not used
    PIN_DIR_INOUT = 1,
    PIN_DIR_INPUT = 2,
    PIN_DIR_OUTPUT = 3,
    PIN_DIR_BY_CARD = 4  // placeholder on a master connector
};

typedef uint8_t IoStandard;
enum : IoStandard {
    IO_STD_3V3_LVTTL = 8,
    IO_STD_BY_CARD = 62,  // placeholder on a master connector
    IO_STD_COUNT = 61
};

// Locations longer than this are cut. Names are kept whole: generation
// refuses a name longer than this rather than cutting it.
constexpr std::size_t PIN_TEXT_MAX = 128;

class TPin {
public:
    // Empty pin, used as scratch space when a card pin is copied.
    TPin();
    // Board pin. A clock frequency above 0 marks the pin as a clock with the
    // text "%.5f MHz".
    TPin(const std::string& name, const std::string& location, PinDirection direction, IoStandard ioStandard,
         double clockMHz);
    // Card pin.
    TPin(const std::string& name, PinDirection direction, IoStandard ioStandard, int32_t pinIndex, uint8_t flag);

    void SetName(const std::string& name);
    const std::string& GetName() const { return m_Name; }
    void SetLocation(const std::string& location);
    const std::string& GetLocation() const { return m_Location; }
    void SetDirection(PinDirection direction);
    PinDirection GetDirection() const { return m_Direction; }
    void SetIoStandard(IoStandard ioStandard);
    IoStandard GetIoStandard() const { return m_IoStandard; }
    uint8_t GetFlag() const { return m_Flag; }
    void SetPinIndex(int32_t pinIndex);
    int32_t GetPinIndex() const { return m_PinIndex; }
    std::string GetPinIndexText() const;
    void SetIsClock(bool isClock);
    bool GetIsClock() const { return m_IsClock != 0; }
    void SetClockPeriodNs(int32_t periodNs);
    int32_t GetClockPeriodNs() const { return m_ClockPeriodNs; }
    void SetClockFrequencyText(const std::string& text);
    // A clock of that frequency: the clock flag and the text "%.<decimals>f MHz".
    // A frequency of 0 or below is no clock: flag and text are cleared, so
    // the pin gets no timing constraint.
    void SetClockFrequency(double mhz, int decimals);
    const std::string& GetClockFrequencyText() const { return m_ClockFrequency; }
    void SetIoBank(const std::string& bank);
    const std::string& GetIoBank() const { return m_IoBank; }

    bool IsActive() const { return m_Direction != PIN_DIR_NONE; }
    // "inout ", "input " or "output"; only for directions 1 to 3.
    std::string GetDirectionText() const;
    std::string GetIoStandardText() const;

private:
    std::string m_Name;
    std::string m_Location;
    PinDirection m_Direction = PIN_DIR_NONE;
    IoStandard m_IoStandard = IO_STD_3V3_LVTTL;
    uint8_t m_Flag = 0;
    int32_t m_PinIndex = 0;
    int32_t m_IsClock = 0;
    int32_t m_ClockPeriodNs = 0;
    std::string m_ClockFrequency;
    std::string m_IoBank;
};

// "inout ", "input " or "output" (six characters each) for directions 1 to 3;
// any other direction is a programming error.
const char* GetPinDirectionWord(PinDirection direction);

// The Quartus name of an I/O-standard code; empty (with a beep) outside 0..60.
std::string GetIoStandardName(IoStandard code);

// Bus helpers used by the pin sort.
bool IsBusPin(const TPin* pin);
int32_t GetBusIndex(const TPin* pin);  // throws EConvertError on a non-numeric index
std::string GetBusBaseName(const TPin* pin);
