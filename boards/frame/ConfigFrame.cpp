#include "boards/frame/ConfigFrame.h"

#include "boards/frame/GpioHeaders.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

void SetDevice(TMainBoard* board, const TDevice& device)
{
    board->m_Family = device.Family;
    board->m_DevicePinCount = device.PinCount;
    board->m_Package = device.Package;
    board->m_SpeedGradeText = device.SpeedGradeText ? device.SpeedGradeText : "";
    board->m_SpeedGrade = device.SpeedGrade;
    board->m_Device = device.Part;
}

std::string LetterPattern(const char* pattern, char letter)
{
    std::string text = pattern;
    for (size_t at = text.find("%c"); at != std::string::npos; at = text.find("%c", at + 1))
        text.replace(at, 2, 1, letter);
    return text;
}

namespace {

// Formats a bus member name from a pattern with one "%d".
std::string MemberName(const std::string& format, int index)
{
    const size_t at = format.find("%d");
    PL_ASSERT(at != std::string::npos);
    return format.substr(0, at) + Format("%d", index) + format.substr(at + 2);
}

}  // namespace

TPinGroup::TPinGroup(const std::string& name, const std::string& description)
    : m_Connector(std::make_unique<TConnector>(name, description, CONNECTOR_NONE, -1))
{
}

TPin* TPinGroup::Pin(const std::string& name, const char* ball, PinDirection direction, IoStandard standard)
{
    PL_ASSERT(ball != nullptr);
    auto* pin = new TPin(name, ball, direction, standard, 0);
    m_Connector->AddPin(pin);
    return pin;
}

void TPinGroup::Pins(std::initializer_list<TPinRow> rows)
{
    for (const TPinRow& row : rows) Pin(row.Name, row.Ball, row.Direction, row.Standard);
}

TPin* TPinGroup::Clock(const std::string& name, const char* ball, IoStandard standard, int32_t periodNs)
{
    TPin* pin = Pin(name, ball, DIR_IN, standard);
    pin->SetIsClock(true);
    pin->SetClockPeriodNs(periodNs);
    return pin;
}

TPin* TPinGroup::ReferenceClock(const std::string& name, const char* ball, IoStandard standard, double mhz,
                                int decimals)
{
    TPin* pin = Pin(name, ball, DIR_IN, standard);
    pin->SetClockFrequency(mhz, decimals);
    return pin;
}

void TPinGroup::Bus(const std::string& format, const char* const* balls, int count, PinDirection direction,
                    IoStandard standard)
{
    for (int n = 0; n < count; ++n)
        if (balls[n] != kNoPin) Pin(MemberName(format, n), balls[n], direction, standard);
}

void TPinGroup::Bus(const TBusEnds& bus)
{
    PL_ASSERT(bus.Count >= 2);
    for (int n = 0; n < bus.Count; ++n) {
        const char* ball = n == 0 ? bus.First : n == bus.Count - 1 ? bus.Last : kUnknownBall;
        Pin(MemberName(bus.Format, bus.FirstIndex + n), ball, bus.Direction, bus.Standard);
    }
}

void TPinGroup::Bus(const std::string& format, int count, std::initializer_list<TGivenMember> given,
                    PinDirection direction, IoStandard standard)
{
    const std::vector<const char*> balls = BusBalls(count, given);
    Bus(format, balls.data(), count, direction, standard);
}

void TPinGroup::Bus(const TBusEnds& bus, char letter)
{
    const std::string format = LetterPattern(bus.Format, letter);
    TBusEnds lettered = bus;
    lettered.Format = format.c_str();
    Bus(lettered);
}

void TPinGroup::LetterPins(char letter, const TLetterPin* pins, int count, const char* const* balls)
{
    for (int i = 0; i < count; ++i)
        Pin(LetterPattern(pins[i].Pattern, letter), balls[i], pins[i].Direction, pins[i].Standard);
}

void TPinGroup::AddTo(TMainBoard* board)
{
    PL_ASSERT(m_Connector);
    board->AddConnector(m_Connector.release());
}

const TLetterPin kSfpCagePins[SFP_CAGE_PINS] = {
    {"SFP%c_TX_p", DIR_OUT, IO_1V5_PCML},  {"SFP%c_RX_p", DIR_IN, IO_1V5_PCML},
    {"SFP%c_RATESEL[0]", DIR_OUT, IO_2V5}, {"SFP%c_RATESEL[1]", DIR_OUT, IO_2V5},
    {"SFP%c_LOS", DIR_IN, IO_2V5},         {"SFP%c_MOD0_PRSNT_n", DIR_IN, IO_2V5},
    {"SFP%c_MOD1_SCL", DIR_OUT, IO_2V5},   {"SFP%c_MOD2_SDA", DIR_INOUT, IO_2V5},
    {"SFP%c_TXDISABLE", DIR_OUT, IO_2V5},  {"SFP%c_TXFAULT", DIR_IN, IO_2V5},
};

void AddGroup(TMainBoard* board, const std::string& name, std::initializer_list<TPinRow> rows)
{
    TPinGroup group(name);
    group.Pins(rows);
    group.AddTo(board);
}

void AddSfpCage(TMainBoard* board, char letter, const char* const (&balls)[SFP_CAGE_PINS])
{
    TPinGroup group(LetterPattern("SFP+ %c", letter));
    group.LetterPins(letter, kSfpCagePins, SFP_CAGE_PINS, balls);
    group.AddTo(board);
}

std::vector<const char*> MasterLocations(int positions, const std::vector<TPositionRange>& withoutPin,
                                         std::initializer_list<TGivenBall> given)
{
    std::vector<const char*> locations(static_cast<size_t>(positions), kUnknownBall);
    for (const TPositionRange& range : withoutPin) {
        PL_ASSERT(range.First >= 1 && range.First <= range.Last && range.Last <= positions);
        for (int p = range.First; p <= range.Last; ++p) locations[static_cast<size_t>(p - 1)] = kNoPin;
    }
    for (const TGivenBall& ball : given) {
        PL_ASSERT(ball.Position >= 1 && ball.Position <= positions);
        PL_ASSERT(locations[static_cast<size_t>(ball.Position - 1)] != kNoPin);
        locations[static_cast<size_t>(ball.Position - 1)] = ball.Ball;
    }
    return locations;
}

std::vector<TPositionRange> HsmcPositionsWithoutPin()
{
    std::vector<TPositionRange> ranges = {{35, 38}};
    for (int p = 45; p <= 159; p += 6) ranges.push_back({p, p + 1});
    return ranges;
}

std::vector<TPositionRange> TavrelPositionsWithoutPin()
{
    std::vector<TPositionRange> ranges;
    for (int p = 1; p <= 121; p += 6) ranges.push_back({p, p + 1});
    ranges.push_back({125, 130});
    return ranges;
}

std::string CardDescription(const std::string& slot, DaughterId card)
{
    return slot + " connect to " + GetCardDisplayName(card);
}

std::vector<TPositionRange> HsmcPairsWithoutPin(std::initializer_list<TPositionRange> below)
{
    std::vector<TPositionRange> ranges(below);
    for (int p = 45; p <= 159; p += 6) ranges.push_back({p, p + 1});
    return ranges;
}

std::vector<TPositionRange> Ddr2SodimmPositionsWithoutPin()
{
    return {{1, 3},     {8, 9},     {12, 12},   {15, 15},   {18, 18},   {21, 21},   {24, 24},   {27, 28},
            {33, 34},   {39, 42},   {47, 48},   {50, 50},   {53, 54},   {59, 60},   {65, 66},   {69, 69},
            {71, 72},   {77, 78},   {81, 83},   {87, 88},   {95, 96},   {103, 104}, {111, 112}, {117, 118},
            {120, 122}, {127, 128}, {132, 133}, {138, 139}, {144, 145}, {149, 150}, {155, 156}, {161, 163},
            {165, 165}, {168, 168}, {171, 172}, {177, 178}, {183, 184}, {187, 187}, {190, 190}, {193, 193},
            {196, 196}, {199, 199}};
}

std::vector<TPositionRange> Ddr3SodimmPositionsWithoutPin()
{
    return {{1, 3},     {8, 9},     {13, 14},   {19, 20},   {25, 26},   {31, 32},   {37, 38},   {43, 44},
            {48, 49},   {54, 55},   {60, 61},   {65, 66},   {71, 72},   {75, 77},   {81, 82},   {87, 88},
            {93, 94},   {99, 100},  {105, 106}, {111, 112}, {117, 118}, {122, 128}, {133, 134}, {138, 139},
            {144, 145}, {150, 151}, {155, 156}, {161, 162}, {167, 168}, {172, 173}, {178, 179}, {184, 185},
            {189, 190}, {195, 197}, {199, 199}, {201, 201}, {203, 204}};
}

std::vector<const char*> BusBalls(int count, std::initializer_list<TGivenMember> given)
{
    std::vector<const char*> balls(static_cast<size_t>(count), kUnknownBall);
    for (const TGivenMember& member : given) {
        PL_ASSERT(member.Index >= 0 && member.Index < count);
        balls[static_cast<size_t>(member.Index)] = member.Ball;
    }
    return balls;
}

TConnector* AddMaster(TMainBoard* board, const std::string& name, const std::string& description, ConnectorType type,
                      int32_t masterId, const std::vector<const char*>& locations, int32_t cardId)
{
    auto* master = new TConnector(name, description, type, cardId);
    for (const char* location : locations)
        master->AddPin(location == kNoPin ? nullptr : new TPin("", location, PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0));
    master->SetIsMaster(true);
    master->SetMasterId(masterId);
    board->AddConnector(master);
    return master;
}

void FixMasterPosition(TConnector* master, int position, PinDirection direction, IoStandard standard)
{
    PL_ASSERT(position >= 1 && position <= master->GetPinCount());
    TPin* pin = master->GetPin(position - 1);
    PL_ASSERT(pin != nullptr);
    pin->SetDirection(direction);
    pin->SetIoStandard(standard);
}

std::vector<TPositionRange> GpioHeaderPositionsWithoutPin()
{
    return {{11, 12}, {29, 30}};
}

void AddGpioHeaderPair(TMainBoard* board, const uint8_t (&nGpioDaughterId)[2], const std::vector<const char*>& gpio0,
                       const std::vector<const char*>& gpio1)
{
    if (static_cast<int8_t>(nGpioDaughterId[GPIO_0]) <= 0 && static_cast<int8_t>(nGpioDaughterId[GPIO_1]) <= 0) return;
    const DaughterId card0 = nGpioDaughterId[GPIO_0];
    if (GetCardConnectorType(card0) == CONNECTOR_GPIO80) {
        PL_ASSERT(nGpioDaughterId[GPIO_0]);
        PL_ASSERT(nGpioDaughterId[GPIO_1]);
        std::vector<const char*> locations = gpio0;
        locations.insert(locations.end(), gpio1.begin(), gpio1.end());
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == GPIO_PIN_NUM * 2);
        AddMaster(board, "GPIO_0_1", Format("GPIO_0_1 connect to %s", GetCardDisplayName(card0).c_str()),
                  CONNECTOR_GPIO80, 18, locations);
        return;
    }
    for (int h = GPIO_0; h <= GPIO_1; ++h) {
        const DaughterId card = nGpioDaughterId[h];
        if (card == 0) continue;
        const std::vector<const char*>& locations = h == GPIO_0 ? gpio0 : gpio1;
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == GPIO_PIN_NUM);
        AddMaster(board, Format("GPIO_%d", h), Format("GPIO_%d connect to %s", h, GetCardDisplayName(card).c_str()),
                  CONNECTOR_GPIO40, 16 + h, locations);
    }
}
