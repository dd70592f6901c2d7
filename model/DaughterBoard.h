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

// ---- Daughter board -------------------------------------------------------
class TDaughterBoard : public TConnector {
public:
    TDaughterBoard();
    ~TDaughterBoard() override;

    // Fills the daughter board with the pin map of a card. The name base
    // applies to the GPIO default cards only; nullptr or empty means none.
    // Defined in cards/, beside the pin maps.
    void LoadCard(DaughterId card, uint8_t board, const char* nameBase, IoStandard ioStandard, int32_t option);

    // Fixed loaders of the memory modules (cards/).
    void LoadDdr2Sodimm(uint8_t a, uint8_t b, uint8_t c);
    void LoadDdr3Sodimm(uint8_t a, uint8_t b, uint8_t c);
    void LoadDdr3SodimmAlt(uint8_t a, uint8_t b, uint8_t c);
    void LoadDdr3SodimmUpper(uint8_t a, uint8_t b, uint8_t c);
    void LoadDdr4Sodimm(uint8_t a, uint8_t b, uint8_t ecc, uint8_t s);
    void LoadDdr4SodimmEcc(uint8_t a, uint8_t b, uint8_t rank, uint8_t board, uint8_t ecc, uint8_t s);
    void LoadQdr2ModuleA10(uint8_t a);
    void LoadQdr2ModuleS10(uint8_t a);
    void LoadQdr4ModuleA10(uint8_t a);
    void LoadQdr4ModuleS10(uint8_t a);

    // Copies the card's pins onto a master connector, putting the prefix
    // (nullptr or empty: none) before every name. The master keeps its
    // locations.
    bool UpdateMasterConnector(TConnector* master, const char* prefix);

    // Sets name, description and type from the catalogue entry of a card.
    void SetFromCatalogue(DaughterId card);
};

// ---- Prefix checks --------------------------------------------------------
// Each returns true when no two connectors carry the same card with the same
// prefix; otherwise fills message and returns false.
bool CheckGpioPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckHsmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckFmcPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes, std::string& message);
bool CheckDdr4SocketPrefixNames(int32_t count, const DaughterId* cardIds, const std::string* prefixes,
                                std::string& message);
