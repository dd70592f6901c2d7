// The configuration object of the Yarrowgate board (id 36): its settings
// record, the .cfg file, and what its two programmable TXC clock generators
// add to a project. TXC A drives the HDMI and SFP+ reference clocks, TXC B
// the FMC, DisplayPort and USB reference clocks. Each output has a default
// frequency; a generator whose outputs all keep theirs is not programmed,
// any other gets a controller that programs it over I2C after reset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Configboard.h"

// The reference clocks of the two generators, as indexes of fTxcRefClkMHz.
enum TxcRefClk : int { TXC_HDMI = 0, TXC_SFP = 1, TXC_FMC = 2, TXC_DP = 3, TXC_USB = 4, TXC_REFCLK_COUNT = 5 };

// One frequency a TXC output can be set to.
struct TTxcFreqChoice {
    float MHz;
    char Label[32];      // the combo text
    const char* Name;    // the Verilog define and VHDL constant ("TXC_148M5")
};
constexpr int kTxcChoiceCount = 10;
// The ten choices; the code of a choice is its index.
extern const TTxcFreqChoice TxcFreqChoices[kTxcChoiceCount];
// The default frequency of each reference clock: 148.5, 644.53125, 125, 270, 644.53125.
extern const float TxcDefaultMHz[TXC_REFCLK_COUNT];

class TConfigYarrowgate : public TConfigBoard {
public:
    struct YARROWGATE_CONFIG {
        uint8_t BoardId;  // 36
        uint8_t Reserved[3];
        int32_t Size;  // 448
        char szProjectName[128];
        uint8_t bVhdl;  // 0 Verilog, 1 VHDL
        uint8_t bClock;
        uint8_t bLed;
        uint8_t bSeg7;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bFan;
        uint8_t bTemperature;
        uint8_t bPowerMonitor;
        uint8_t bMpu9250;
        uint8_t bDdr4B;
        uint8_t bDdr4H;
        uint8_t bEthernet;
        uint8_t bSma;
        uint8_t bSata;
        uint8_t bPcie;
        uint8_t bUsbC;
        uint8_t bUsbCDp;
        uint8_t bHdmiTx;
        uint8_t bHdmiRx;
        uint8_t bSfp;
        uint8_t bPcieRefClk;
        uint8_t bXcvrRefClk;  // the five frequencies count only while this is 1
        uint8_t bHps;
        float fTxcRefClkMHz[TXC_REFCLK_COUNT];
        uint8_t nDdr4SocketDaughterId[1];  // 0, 79, 80, 81
        char szDdr4SocketPrefixName[1][128];
        uint8_t Reserved2[3];
        int32_t nFmcVoltage;  // 2 = 1.8 V, 3 = 1.5 V, 4 = 1.2 V
        uint8_t nFmcDaughterId[1];
        char szFmcPrefixName[1][128];
        uint8_t Reserved3[3];
    };

    YARROWGATE_CONFIG m_Config{};

    TConfigYarrowgate();
    ~TConfigYarrowgate();

    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    // TXC A must be programmed: the reconfiguration box is ticked and the
    // HDMI or SFP frequency differs from its default.
    bool IsTxcAReconfigured() const;
    // TXC B: the DP, USB or FMC frequency differs from its default.
    bool IsTxcBReconfigured() const;
    // The frequency of a reference clock: the stored one while the
    // reconfiguration box is ticked, else its default.
    float GetTxcRefClkMHz(int index) const;
    bool IsQdr2Module() const;
    // The code of the first choice of exactly that frequency; 0 when none is.
    static int GetTxcChoiceIndex(float mhz);
};

static_assert(sizeof(TConfigYarrowgate::YARROWGATE_CONFIG) == 448);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, szProjectName) == 8);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, bVhdl) == 136);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, bMpu9250) == 145);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, bSfp) == 156);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, bHps) == 159);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, fTxcRefClkMHz) == 160);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, nDdr4SocketDaughterId) == 180);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, szDdr4SocketPrefixName) == 181);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, nFmcVoltage) == 312);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, nFmcDaughterId) == 316);
static_assert(offsetof(TConfigYarrowgate::YARROWGATE_CONFIG, szFmcPrefixName) == 317);
static_assert(sizeof(float) == 4);
