// The card catalogue, the daughter board that a card's pin map fills, and
// the prefix checks of the board forms.
#pragma once

#include <cstdint>
#include <string>

#include "model/Connector.h"

typedef uint8_t DaughterId;
typedef uint8_t VoltageClass;  // 1 = 1.5 V, 2 = 1.8 V, 3 = 2.5 V, 4 = 3.0 V, 5 = 3.3 V

// ---- Card catalogue -------------------------------------------------------
ConnectorType GetCardConnectorType(DaughterId card);
std::string GetCardDisplayName(DaughterId card);
std::string GetCardShortName(DaughterId card);
std::string GetCardDescription(DaughterId card);
bool IsCardOffered(DaughterId card);
bool IsTransceiverCard(DaughterId card);
VoltageClass GetCardVoltageClass(DaughterId card);
IoStandard GetCardIoStandard(int32_t card);
bool IsVoltageFreeCard(DaughterId card);
bool IsCardVoltageCompatible(DaughterId card, uint8_t voltage);
bool IsSortableCard(int32_t card);
// True when the catalogue has an entry for the id.
bool HasCardEntry(DaughterId card);

// One line per position: "%d\t%s\t%s\t%s" for a pin, "%d" for an empty one.
// Throws std::runtime_error when the file cannot be created.
bool WriteConnectorPinList(const TConnector* connector, const std::string& path);

// ---- Memory-module options ------------------------------------------------
// What a board tells the map of the module in one of its memory sockets. The
// loaders and attach operations of the memory modules take one of these, and
// their callers write it with designated initialisers (every field named, in
// declaration order), so that no call depends on the order of its bytes.

// DDR2 and DDR3 SODIMM modules (cards 9 and 38).
struct DdrSodimmOptions {
    bool differential;           // differential strobes and clocks, and the complement strobes dqs_n
    IoStandard busStandard;      // SDA, SCL and (DDR3) EVENT_n; RESET_n of the upper-case DDR3 names
    IoStandard addressStandard;  // SA[0] and SA[1]
};

// Naming of the rank-dependent pins of the DDR4 module.
enum class Ddr4Naming : uint8_t {
    DualRank,   // CKE[0], CKE[1], CS_n[0], CS_n[1], ODT[0], ODT[1], CK[0], CK_n[0], SA[0]
    SingleRank  // CKE, CS_n, ODT, CK, CK_n and the extra address pins AC_R and C
};

// DDR4 SODIMM module of card 39 (single-rank naming).
struct Ddr4SodimmOptions {
    bool ecc;                    // the check bits DQ[64] ... DQ[71]
    IoStandard spdStandard;      // SCL and SDA of the presence-detect bus
    IoStandard addressStandard;  // SA[0] and SA[1]
};

// DDR4 SODIMM modules of cards 79 and 80, and the DDR4 pin map itself.
struct Ddr4ModuleOptions {
    Ddr4Naming naming;
    uint8_t boardId;             // MAINBOARD_ZENNORBY drops the single-rank naming's extra pins
    bool ecc;                    // card 80 with the check bits DQ[64] ... DQ[71]; false: card 79
    IoStandard spdStandard;      // SCL and SDA of the presence-detect bus
    IoStandard addressStandard;  // SA[0] and SA[1]
};

// ---- Daughter board -------------------------------------------------------
class TDaughterBoard : public TConnector {
public:
    TDaughterBoard();
    ~TDaughterBoard() override;

    // Fills the daughter board with the pin map of a card. The name base
    // applies to the GPIO default cards only; nullptr or empty means none.
    // Defined in cards/, beside the pin maps.
    void LoadCard(DaughterId card, uint8_t board, const char* nameBase, IoStandard ioStandard, int32_t option);

    // Fixed loaders of the memory modules (cards/): each fills the daughter
    // board with its module's pin map and takes name, description and type
    // from the catalogue entry of the card named.
    void LoadDdr2Sodimm(const DdrSodimmOptions& options);       // card 9
    void LoadDdr3Sodimm(const DdrSodimmOptions& options);       // card 38, lower-case names
    void LoadDdr3SodimmUpper(const DdrSodimmOptions& options);  // card 38, upper-case names
    void LoadDdr3SodimmAlt(const DdrSodimmOptions& options);    // card 38, upper-case names, other data standards
    void LoadDdr4Sodimm(const Ddr4SodimmOptions& options);      // card 39
    void LoadDdr4SodimmEcc(const Ddr4ModuleOptions& options);   // card 80 with ECC, else 79
    void LoadQdr2ModuleA10();                                   // card 81
    void LoadQdr2ModuleS10();                                   // card 83
    void LoadQdr4ModuleA10();                                   // card 82
    void LoadQdr4ModuleS10();                                   // card 84

    // Copies the card's pins onto a master connector, putting the prefix
    // (nullptr or empty: none) before every name. The master keeps its
    // locations. Master positions the card leaves empty go off, and so do
    // those after the card's last position, except a pin the board itself
    // names there with a direction of its own (a socket's reference clock):
    // that one keeps its state.
    bool UpdateMasterConnector(TConnector* master, const char* prefix);

    // Sets name, description and type from the catalogue entry of a card.
    void SetFromCatalogue(DaughterId card);
};

// ---- Prefix checks --------------------------------------------------------
// Each returns true when no two connectors carry the same card with the same
// prefix; otherwise fills message and returns false.
bool CheckGpioPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckHsmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckTavrelPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes,
                            std::string& message);
bool CheckFmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckDdr4SocketPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes,
                                std::string& message);
