// The main board of one generation run: device data, connectors in output
// order, and what the board's own generated fragments need later.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Connector.h"
#include "model/DaughterBoard.h"

class TConfigBoard;

typedef int8_t MainBoardId;
enum : uint8_t {
    MAINBOARD_AVEMOR = 1,
    MAINBOARD_FENNICK = 2,
    MAINBOARD_ISSELMONT = 3,
    MAINBOARD_JARROWBY = 4,
    MAINBOARD_KESTLEFORD = 5,
    MAINBOARD_NETHERCOY = 6,
    MAINBOARD_PELVERTON = 7,
    MAINBOARD_ORMSGILL = 8,
    MAINBOARD_QUENWICK = 9,
    MAINBOARD_BRISTANE = 10,
    MAINBOARD_NORVELLE = 11,
    MAINBOARD_BRACKWELL = 12,
    MAINBOARD_GORSEWIN = 13,
    MAINBOARD_LARROWEN = 14,
    MAINBOARD_DRENNOCK = 15,
    MAINBOARD_RASTRELLE = 16,
    MAINBOARD_SELBOWEN = 17,
    MAINBOARD_ESTOVER = 18,
    MAINBOARD_HETHERMOOR = 19,
    MAINBOARD_IVENHOLD = 20,
    MAINBOARD_HOLLARNE = 21,
    MAINBOARD_MIRRENDALE = 22,
    MAINBOARD_DORVALIN = 23,
    MAINBOARD_ELMSARY = 24,
    MAINBOARD_WYNDHOLT = 25,
    MAINBOARD_KILVERNE = 26,
    MAINBOARD_TARROWIND = 27,
    MAINBOARD_ULVERROW = 28,
    MAINBOARD_LANTERBY = 30,
    MAINBOARD_COLVENNA = 31,
    MAINBOARD_VANTREMERE = 32,
    MAINBOARD_FALLOWMERE = 33,
    MAINBOARD_GARVELOW = 34,
    MAINBOARD_WENDLEBURY = 35,
    MAINBOARD_YARROWGATE = 36,
    MAINBOARD_ZENNORBY = 37,
    MAINBOARD_JESSAMONT = 38,
    MAINBOARD_RENNACRE = 39,
    MAINBOARD_ASHCOMBRE = 40,
    MAINBOARD_MARLOWEN = 50,
    MAINBOARD_OSTERLIN = 100,
    MAINBOARD_PELLOWIND = 101
};

// Sizes of the settings records whose copies the main board carries.
constexpr std::size_t ORMSGILL_CONFIG_SIZE = 684;
constexpr std::size_t BRACKWELL_CONFIG_SIZE = 1188;
constexpr std::size_t ESTOVER_CONFIG_SIZE = 296;
constexpr std::size_t RASTRELLE_CONFIG_SIZE = 176;
constexpr std::size_t DRENNOCK_CONFIG_SIZE = 164;
constexpr std::size_t LARROWEN_CONFIG_SIZE = 424;
constexpr std::size_t HOLLARNE_CONFIG_SIZE = 412;
constexpr std::size_t MIRRENDALE_CONFIG_SIZE = 408;
constexpr std::size_t WYNDHOLT_CONFIG_SIZE = 404;
constexpr std::size_t JESSAMONT_CONFIG_SIZE = 412;
constexpr std::size_t WENDLEBURY_CONFIG_SIZE = 416;

// A byte copy of a settings record, read at fixed offsets.
template <std::size_t N>
struct TRecordCopy {
    uint8_t bytes[N] = {};

    template <typename X_CONFIG>
    void CopyFrom(const X_CONFIG& record)
    {
        static_assert(sizeof(X_CONFIG) == N, "record size");
        std::memcpy(bytes, &record, N);
    }
    uint8_t Byte(std::size_t offset) const { return bytes[offset]; }
    int32_t Int32(std::size_t offset) const
    {
        return static_cast<int32_t>(static_cast<uint32_t>(bytes[offset]) |
                                    static_cast<uint32_t>(bytes[offset + 1]) << 8 |
                                    static_cast<uint32_t>(bytes[offset + 2]) << 16 |
                                    static_cast<uint32_t>(bytes[offset + 3]) << 24);
    }
    // A zero-terminated text field, cut at its width when it holds no zero.
    std::string Text(std::size_t offset, std::size_t width) const
    {
        const char* field = reinterpret_cast<const char*>(bytes + offset);
        std::size_t length = 0;
        while (length < width && field[length] != 0) ++length;
        return std::string(field, length);
    }
};

// The programmable clock chips of the Stratix V boards Rastrelle, Drennock
// and Estover, as the board's record copy sets them. A choice counts only
// within its list and only while the form would offer it (its interface is
// ticked); anything else is the chip's "not in use" value. The blocks are the
// controllers that the top level instantiates and whose IP files go with the
// project; the board definitions declare the ports they use from the same
// values.
struct TClockChipChoices {
    int32_t Si570 = 0;      // 0 not in use, 1..7
    int32_t Cdcm61004 = 0;  // Drennock, Estover: 0 not in use, 1..11;
                            // Rastrelle: 0 unchanged, 1 not in use, 2..12
    int32_t Cdcm61001 = 1;  // Rastrelle only, coded as its Cdcm61004
    bool ExtPllBlock = false;     // Rastrelle: the external PLL of both CDCM chips
    bool Cdcm61004Block = false;  // Drennock, Estover
    bool Si570Block = false;
    bool AnyBlock() const { return ExtPllBlock || Cdcm61004Block || Si570Block; }
};

class TMainBoard {
public:
    TMainBoard();
    ~TMainBoard();
    TMainBoard(const TMainBoard&) = delete;
    TMainBoard& operator=(const TMainBoard&) = delete;

    int AddConnector(TConnector* connector);
    void ClearConnectors();
    int GetConnectorCount() const { return static_cast<int>(m_Connectors.size()); }
    TConnector* GetConnector(int index) const;

    const std::string& GetFamily() const { return m_Family; }
    const std::string& GetDevice() const { return m_Device; }
    const std::string& GetPackage() const { return m_Package; }
    const std::string& GetSpeedGradeText() const { return m_SpeedGradeText; }
    int32_t GetDevicePinCount() const { return m_DevicePinCount; }
    int32_t GetSpeedGrade() const { return m_SpeedGrade; }
    MainBoardId GetBoardId() const { return m_BoardId; }

    TConnector* FindMasterConnector(int32_t masterId) const;
    bool IsLocationUsed(const std::string& location) const;
    std::string GetBoardDisplayName() const;
    TPin* GetHsmcPinName(int n, int pinIndex) const;
    void SortConnectorPins();
    // Where one ball is given to several active pins, the pin built first
    // (connector order, then position order) keeps it and the later ones
    // lose their location (they keep everything else). Locations compare
    // without regard to case; pins without a location take no part. Run
    // after the cards are attached and before the pins are sorted.
    void ReleaseRepeatedLocations();

    // Card attachment: find the master, load the card, copy it with the prefix.
    void AttachGpioCard(uint8_t masterId, DaughterId card, IoStandard ioStandard, const char* nameBase,
                        const char* prefix);
    void AttachHsmcCard(uint8_t masterId, DaughterId card, const char* prefix);
    // A Tavrel card or an HSMC card that fits a Tavrel connector, at 3.3-V LVTTL.
    void AttachTavrelCard(uint8_t masterId, DaughterId card, const char* prefix);
    void AttachHsmcCardEx(uint8_t masterId, DaughterId card, IoStandard ioStandard, int32_t option,
                          const char* prefix);
    void AttachFmcCard(uint8_t masterId, DaughterId card, IoStandard ioStandard, const char* prefix);
    // Memory modules: the options as the loader of the same name takes them,
    // e.g. AttachDdr4SodimmEcc(36, "DDR4A_", {.naming = Ddr4Naming::SingleRank,
    // .boardId = MAINBOARD_YARROWGATE, .ecc = false, .spdStandard = 40, .addressStandard = 40}).
    void AttachDdr2Sodimm(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options);
    void AttachDdr3Sodimm(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options);
    void AttachDdr3SodimmUpper(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options);
    void AttachDdr3SodimmAlt(uint8_t masterId, const char* prefix, const DdrSodimmOptions& options);
    void AttachDdr4Sodimm(uint8_t masterId, const char* prefix, const Ddr4SodimmOptions& options);
    void AttachDdr4SodimmEcc(uint8_t masterId, const char* prefix, const Ddr4ModuleOptions& options);
    void AttachQdr2ModuleA10(uint8_t masterId, const char* prefix);
    void AttachQdr2ModuleS10(uint8_t masterId, const char* prefix);
    void AttachQdr4ModuleA10(uint8_t masterId, const char* prefix);
    void AttachQdr4ModuleS10(uint8_t masterId, const char* prefix);

    // Board-specific text of the generated files (MainBoardText.cpp).
    std::string GetQsfBoardAssignments() const;
    std::string GetLarrowenQsfAssignments() const;
    // The port lists; ok is set to false when a connector's ports cannot be
    // built soundly (nothing must then be written from the list).
    std::string GetVerilogPortList(bool& ok) const;
    // portCount, when given, receives the number of ports in the list.
    std::string GetVhdlPortList(bool& ok, int* portCount = nullptr) const;
    std::string GetVerilogBoardExtras() const;
    std::string GetVhdlArchitecture(const std::string& entityName) const;
    std::string GetOrmsgillExtPllVerilog() const;
    std::string GetBrackwellExtPllVerilog() const;
    std::string GetLarrowenFanVerilog() const;
    std::string GetRastrelleOscillatorVerilog() const;
    std::string GetDrennockOscillatorVerilog() const;
    std::string GetEstoverOscillatorVerilog() const;
    // Boards 15, 16 and 18 (their record copy must be set); every other
    // board has no clock chip in use.
    TClockChipChoices GetClockChipChoices() const;

    // Device data and per-board blocks, set by the board definition.
    int32_t m_DevicePinCount = 0;
    int32_t m_SpeedGrade = 0;
    std::string m_Family;
    std::string m_Device;
    std::string m_Package;
    std::string m_SpeedGradeText;
    MainBoardId m_BoardId = 0;
    TRecordCopy<ORMSGILL_CONFIG_SIZE> m_OrmsgillConfig;
    TRecordCopy<BRACKWELL_CONFIG_SIZE> m_BrackwellConfig;
    TConfigBoard* m_pConfig = nullptr;  // not owned
    TRecordCopy<ESTOVER_CONFIG_SIZE> m_EstoverConfig;
    TRecordCopy<RASTRELLE_CONFIG_SIZE> m_RastrelleConfig;
    TRecordCopy<DRENNOCK_CONFIG_SIZE> m_DrennockConfig;
    TRecordCopy<LARROWEN_CONFIG_SIZE> m_LarrowenConfig;
    TRecordCopy<HOLLARNE_CONFIG_SIZE> m_HollarneConfig;
    TRecordCopy<MIRRENDALE_CONFIG_SIZE> m_MirrendaleConfig;
    TRecordCopy<WYNDHOLT_CONFIG_SIZE> m_WyndholtConfig;
    TRecordCopy<JESSAMONT_CONFIG_SIZE> m_JessamontConfig;
    TRecordCopy<WENDLEBURY_CONFIG_SIZE> m_WendleburyConfig;

private:
    void Attach(uint8_t masterId, const char* prefix, const std::function<void(TDaughterBoard&)>& load);

    std::vector<std::unique_ptr<TConnector>> m_Connectors;
};

// Whether this build offers every board of the table (the build option
// PINLOOM_OFFER_ALL_BOARDS) or Hollarne alone.
#ifndef PINLOOM_OFFER_ALL_BOARDS
#define PINLOOM_OFFER_ALL_BOARDS 0
#endif
constexpr bool kOffersEveryBoard = PINLOOM_OFFER_ALL_BOARDS != 0;

// The offered boards of a build that offers Hollarne (21) alone, or every
// board of the table (ids 1 to 28, 30 to 40, 50, 100 and 101).
bool IsBoardOfferedIn(bool everyBoard, uint8_t boardId);
// The build's offered boards: exactly Hollarne unless the build offers
// every board.
bool IsBoardOffered(uint8_t boardId);

// The boards whose generated text comes from their configuration object
// (m_pConfig): .qsf block, Verilog body, IP export.
bool IsConfigObjectBoard(uint8_t boardId);

double Si570FreqMHz(uint8_t selection);
double CdcmFreqMHz(uint8_t selection);
double CdcmExtPllFreqMHz(uint8_t selection);
