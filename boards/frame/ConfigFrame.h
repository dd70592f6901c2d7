// The frame of the board definitions (CONFIG_<BOARD>): the pieces a
// definition is built from, so that each board's definition holds its own
// data and its own differences only.
//
// A definition is one function over constant tables, in this order:
//   1. Boards whose generated text reads their record copy it into the main
//      board first:                       board->m_RastrelleConfig.CopyFrom(*Config);
//   2. m_BoardId from the record (or the board's MAINBOARD_ constant).
//   3. The record head (Config the record, by reference):
//                                          CHECK_RECORD_HEAD(Config, MAINBOARD_RASTRELLE, RASTRELLE_CONFIG);
//   4. board->ClearConnectors();
//   5. The device:                         SetDevice(board, kDevice);
//   6. The on-board groups in the board's order, each only when its
//      condition holds: AddGroup(board, name, {rows}) for a group of named
//      pins, or a TPinGroup filled from tables (Pins, Bus, Clock,
//      ReferenceClock, LetterPins) and then AddTo(board); AddSfpCage for an
//      SFP+ cage.
//   7. The expansion masters, each only when its slot carries a card:
//      AddMaster(board, name, description, type, masterId, locations).
//   8. Board-specific fields of the main board.
//
// Board data we do not have: a pin whose ball the board's documentation
// would give keeps its name, direction, I/O standard and port, and gets the
// location kUnknownBall (no location line in the .qsf, an empty cell in the
// pin table). In a master's location list, kNoPin marks a position without an
// FPGA pin (a null position) and kUnknownBall a located position whose ball
// we do not know (a placeholder without location). In a bus table, a kNoPin
// entry is skipped (no pin, no position).
//
// Rules the generation run applies to every board (model/): a ball given to
// two pins of one project stays with the pin built first
// (TMainBoard::ReleaseRepeatedLocations); a clock of 0 MHz is no clock
// (TPin::SetClockFrequency, used by ReferenceClock below).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/Connector.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"
#include "platform/Seam.h"

// A located pin whose ball is not known to us.
inline constexpr const char* kUnknownBall = "";
// A position without an FPGA pin.
inline constexpr const char* kNoPin = nullptr;

// I/O-standard codes the definitions name (GetIoStandardName gives the texts).
enum : IoStandard {
    IO_1V5 = 0,              // "1.5 V"
    IO_1V8 = 3,              // "1.8 V"
    IO_1V8_HSTL_I = 4,       // "1.8-V HSTL Class I"
    IO_2V5 = 6,              // "2.5 V"
    IO_3V3_LVTTL = 8,        // "3.3-V LVTTL"
    IO_DIFF_1V5_HSTL_I = 9,  // "Differential 1.5-V HSTL Class I"
    IO_DIFF_1V5_SSTL_I = 12, // "Differential 1.5-V SSTL Class I"
    IO_DIFF_1V8_HSTL_I = 14, // "Differential 1.8-V HSTL Class I"
    IO_DIFF_1V8_SSTL_I = 16, // "Differential 1.8-V SSTL Class I"
    IO_LVPECL = 20,          // "Differential LVPECL"
    IO_LVDS = 21,            // "LVDS"
    IO_SSTL15_I = 29,        // "SSTL-15 Class I"
    IO_SSTL18_I = 31,        // "SSTL-18 Class I"
    IO_SSTL2_I = 33,         // "SSTL-2 Class I"
    IO_1V4_PCML = 35,        // "1.4-V PCML"
    IO_1V5_PCML = 36,        // "1.5-V PCML"
    IO_HCSL = 37,            // "HCSL"
    IO_3V0_PCIX = 39,        // "3.0-V PCI-X"
    IO_1V2 = 40,             // "1.2 V"
    IO_1V2_HSUL = 43,        // "1.2-V HSUL"
    IO_DIFF_1V2_HSUL = 46,   // "Differential 1.2-V HSUL"
    IO_1V2_POD = 53,         // "1.2-V POD"
    IO_DIFF_1V2_POD = 54,    // "Differential 1.2-V POD"
    IO_SSTL12 = 55,          // "SSTL-12"
    IO_DIFF_1V2_SSTL = 56,   // "Differential 1.2-V SSTL"
    IO_CML = 58,             // "Current Mode Logic (CML)"
};

constexpr PinDirection DIR_INOUT = PIN_DIR_INOUT;
constexpr PinDirection DIR_IN = PIN_DIR_INPUT;
constexpr PinDirection DIR_OUT = PIN_DIR_OUTPUT;

// Step 3: the record is one of this board, of this board's size. A failure is
// a programming error whose report names the condition, e.g.
// "Config.BoardId == MAINBOARD_RASTRELLE".
#define CHECK_RECORD_HEAD(Config, BOARD_ID, X_CONFIG)      \
    do {                                                   \
        PL_ASSERT(Config.BoardId == BOARD_ID);             \
        PL_ASSERT(Config.Size == sizeof(X_CONFIG));        \
    } while (0)

// Step 5. The speed-grade text wins over the number when it is not empty.
struct TDevice {
    const char* Family;
    int32_t PinCount;
    const char* Package;
    const char* SpeedGradeText;
    int32_t SpeedGrade;
    const char* Part;
};
void SetDevice(TMainBoard* board, const TDevice& device);

// One named pin of a group table.
struct TPinRow {
    const char* Name;
    const char* Ball;
    PinDirection Direction;
    IoStandard Standard;
};

// A bus NAME[FirstIndex..FirstIndex+Count-1] of which the board's data gives
// the first and the last ball only; the members between have kUnknownBall.
struct TBusEnds {
    const char* Format;  // e.g. "FSM_D[%d]"
    int Count;
    const char* First;
    const char* Last;
    PinDirection Direction;
    IoStandard Standard;
    int FirstIndex = 0;
};

// A bus table of count entries: every ball unknown but those given by member
// index (for TPinGroup::Bus).
struct TGivenMember {
    int Index;  // 0-based
    const char* Ball;
};
std::vector<const char*> BusBalls(int count, std::initializer_list<TGivenMember> given);

// One pin of a per-letter group: its name pattern with "%c" for the letter.
struct TLetterPin {
    const char* Pattern;
    PinDirection Direction;
    IoStandard Standard;
};

// The ten pins of an SFP+ cage of the Stratix V boards, in the order of their
// ball tables: TX_p, RX_p, RATESEL[0], RATESEL[1], LOS, MOD0_PRSNT_n,
// MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
constexpr int SFP_CAGE_PINS = 10;
extern const TLetterPin kSfpCagePins[SFP_CAGE_PINS];

// "QDRII%c_A[%d]" with the letter 'B' gives "QDRIIB_A[%d]": every "%c" of a
// per-letter name pattern replaced by the letter.
std::string LetterPattern(const char* pattern, char letter);

// An on-board group: a connector of type 0, card id -1, named after the
// group (its title in the generated files), filled in the order of calls.
class TPinGroup {
public:
    explicit TPinGroup(const std::string& name, const std::string& description = "");

    TPin* Pin(const std::string& name, const char* ball, PinDirection direction, IoStandard standard);
    void Pins(std::initializer_list<TPinRow> rows);
    // An input clock with a period (the timing constraint uses it).
    TPin* Clock(const std::string& name, const char* ball, IoStandard standard, int32_t periodNs);
    // An input reference clock of a frequency, its text with that many
    // decimals; 0 MHz (a chip not in use) makes no clock.
    TPin* ReferenceClock(const std::string& name, const char* ball, IoStandard standard, double mhz, int decimals);
    // NAME[0..count-1] from a ball table (entry n for member n; kNoPin
    // entries are skipped).
    void Bus(const std::string& format, const char* const* balls, int count, PinDirection direction,
             IoStandard standard);
    void Bus(const TBusEnds& bus);
    // NAME[0..count-1], every ball unknown but those given by member index.
    void Bus(const std::string& format, int count, std::initializer_list<TGivenMember> given,
             PinDirection direction, IoStandard standard);
    void Bus(const TBusEnds& bus, char letter);  // per-letter name pattern
    // Pins named from patterns with "%c" for the letter, their balls in the
    // same order.
    void LetterPins(char letter, const TLetterPin* pins, int count, const char* const* balls);

    TConnector* Connector() const { return m_Connector.get(); }
    // Gives the group to the board (the board owns it from then on).
    void AddTo(TMainBoard* board);

private:
    std::unique_ptr<TConnector> m_Connector;
};

// An on-board group of named pins, added to the board at once.
void AddGroup(TMainBoard* board, const std::string& name, std::initializer_list<TPinRow> rows);
// The group "SFP+ <letter>" of one cage, from its ten balls.
void AddSfpCage(TMainBoard* board, char letter, const char* const (&balls)[SFP_CAGE_PINS]);

// A master's positions: every position is located but unknown, except the
// ranges without an FPGA pin and the balls the board's data gives.
struct TPositionRange {
    int First;
    int Last;
};
struct TGivenBall {
    int Position;  // 1-based
    const char* Ball;
};
std::vector<const char*> MasterLocations(int positions, const std::vector<TPositionRange>& withoutPin,
                                         std::initializer_list<TGivenBall> given);
// The positions of an HSMC connector without an FPGA pin: 35 to 38 and the
// pairs 45-46, 51-52, ... every six up to 159-160 (44 of 160).
std::vector<TPositionRange> HsmcPositionsWithoutPin();
// The positions of a Tavrel connector without an FPGA pin: the pairs 1-2,
// 7-8, ... every six up to 121-122, and 125 to 130 (48 of 180).
std::vector<TPositionRange> TavrelPositionsWithoutPin();

// A master's description: "<slot> connect to <the card's display name>".
std::string CardDescription(const std::string& slot, DaughterId card);
// The same pairs 45-46 ... 159-160 after the ranges a board leaves without
// pins below them (for example {1, 38} where the transceiver and clock
// positions are not wired).
std::vector<TPositionRange> HsmcPairsWithoutPin(std::initializer_list<TPositionRange> below);
// The 76 positions of a DDR2 SODIMM socket (200 positions) and the 80 of a
// DDR3 SODIMM socket (204 positions) that carry no FPGA pin: power, ground,
// reference and the positions the module leaves unused. The other 124 are
// the module's signals (the DDR3 socket leaves the address pins SA0 and SA1
// of the module unconnected).
std::vector<TPositionRange> Ddr2SodimmPositionsWithoutPin();
std::vector<TPositionRange> Ddr3SodimmPositionsWithoutPin();

// Step 7: a master connector of one placeholder per located position (empty
// name, the ball, I/O standard and direction as the card says) and a null
// position for each kNoPin, with card id -1 (or the card's id where the
// board's master carries it: the run then keeps the pin order of the
// standard FMC namings). Returns it; the board owns it.
TConnector* AddMaster(TMainBoard* board, const std::string& name, const std::string& description,
                      ConnectorType type, int32_t masterId, const std::vector<const char*>& locations,
                      int32_t cardId = -1);
// A master position whose placeholder keeps its own direction or I/O
// standard whatever the card says (position 1-based; it must be located).
void FixMasterPosition(TConnector* master, int position, PinDirection direction, IoStandard standard);

// The positions of a 40-pin GPIO header without an FPGA pin: 11, 12, 29 and
// 30 (supply and ground).
std::vector<TPositionRange> GpioHeaderPositionsWithoutPin();
// Step 7 for a pair of 40-pin GPIO headers with their cards (entry 0 GPIO_0,
// entry 1 GPIO_1) and their 40 locations each: nothing unless a card id is
// above 0 as a signed byte; when the card of GPIO_0 is an 80-pin card, one
// master "GPIO_0_1" (type CONNECTOR_GPIO80, MasterId 18, described
// "GPIO_0_1 connect to <card>") over GPIO_0's positions then GPIO_1's, both
// ids then being non-zero; otherwise "GPIO_0" (16) and "GPIO_1" (17) of type
// CONNECTOR_GPIO40, described "GPIO_<h> connect to <card>", for each header
// whose card id is non-zero.
void AddGpioHeaderPair(TMainBoard* board, const uint8_t (&nGpioDaughterId)[2], const std::vector<const char*>& gpio0,
                       const std::vector<const char*>& gpio1);
