// The configuration object of the Quillomar module board (id 39, the
// Rennacre variant): its settings record, the .cfg file, and what its Si5341A
// clock generator adds to a project. The Si5341A drives seven reference
// clocks of the module (DDR4B, two FMC and three FMC+ transceiver clocks, the
// LVDS clock); at its power-up frequencies only its enable pins are driven,
// otherwise a controller programs it over I2C: the .qsf lists the
// controller's files, the top level instantiates it, and the files are
// exported into the sub-folder "si5341_controller".
//
// A choice is the item index of its combo. A value outside its list (only a
// settings file written elsewhere holds one) counts as the list's default
// item everywhere, as the form shows it and writes it back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Configboard.h"

class TConfig_Rennacre : public TConfigBoard {
public:
    struct RENNACRE_CONFIG {
        uint8_t BoardId;  // 39
        uint8_t Reserved[3];
        int32_t Size;            // 572
        char szFpgaPart[128];    // the device of the chosen part row
        char szProjectName[128];
        uint8_t bVhdl;  // top level: 0 Verilog, 1 VHDL
        uint8_t bClock;
        uint8_t bLed;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bDdr4A;
        uint8_t bDdr4B;
        uint8_t bSi5341A;
        uint8_t bSystemInfo;
        uint8_t bHps;  // 0 for a part without HPS
        uint8_t Reserved2[2];
        int32_t nDdr4BRefClkSel;     // memory choice 0..3
        int32_t nFmcRefClkSel[2];    // transceiver choices 0..5: FMC_REFCLK0, FMC_REFCLK1
        int32_t nFmcpRefClkSel[3];   // FMCP_REFCLK0..2
        int32_t nLvdsRefClkSel;      // LVDS choice 0..1
        int32_t nFmcVoltageSel[2];   // FMC, FMC+: 0 1.8 V, 1 1.5 V, 2 1.2 V
        uint8_t nFmcDaughterId[2];   // FMC, FMC+; 0 none
        char szFmcPrefixName[2][128];
        uint8_t Reserved3[2];
    };

    // The number of items of each choice list, and the default items.
    static constexpr int32_t kXcvrChoiceCount = 6;
    static constexpr int32_t kMemChoiceCount = 4;
    static constexpr int32_t kLvdsChoiceCount = 2;
    static constexpr int32_t kDefaultMemChoice = 1;  // 266.667 MHz
    // The number of controller files.
    static constexpr std::size_t kControllerFileCount = 9;

    RENNACRE_CONFIG m_Config{};

    TConfig_Rennacre();
    ~TConfig_Rennacre();

    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    // MHz of a choice, single precision.
    static float XcvrRefClkMHz(int32_t choice);
    static float MemRefClkMHz(int32_t choice);
    static float LvdsRefClkMHz(int32_t choice);
    // The combo items of each list.
    static std::vector<std::string> XcvrChoiceLabels();
    static std::vector<std::string> MemChoiceLabels();
    static std::vector<std::string> LvdsChoiceLabels();
    // A card id counts when, read as a signed byte, it is above 0.
    static bool CarriesCard(uint8_t cardId) { return static_cast<int8_t>(cardId) > 0; }

    // The Si5341A is ticked and something uses it: DDR4B or a card on either
    // FMC connector.
    bool IsSi5341AUsed() const;
    // The Si5341A is ticked and every choice is at its power-up frequency.
    bool IsSi5341AAtDefaults() const;
    // The controller is generated: used, and not at its defaults.
    bool IsControllerGenerated() const { return IsSi5341AUsed() && !IsSi5341AAtDefaults(); }

    // The controller files in export order ("S10_SI5341A_CONFIG.v" first).
    static const char* const kControllerFiles[kControllerFileCount];
    // "S10_" followed by the file name with ".v" replaced by "_verilog".
    static std::string ControllerResourceName(const std::string& fileName);

    std::string GetSystemQsfText() const;
    std::string GetIncludeText() const;
};

static_assert(sizeof(TConfig_Rennacre::RENNACRE_CONFIG) == 572);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, Size) == 4);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, szFpgaPart) == 8);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, szProjectName) == 136);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, bVhdl) == 264);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, bClock) == 265);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, bSi5341A) == 271);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, bHps) == 273);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nDdr4BRefClkSel) == 276);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nFmcRefClkSel) == 280);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nFmcpRefClkSel) == 288);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nLvdsRefClkSel) == 300);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nFmcVoltageSel) == 304);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, nFmcDaughterId) == 312);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, szFmcPrefixName) == 314);
static_assert(offsetof(TConfig_Rennacre::RENNACRE_CONFIG, Reserved3) == 570);
