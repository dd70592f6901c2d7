// The configuration objects of the sister boards Fallowmere (id 33) and
// Garvelow (id 34, ConfigGarvelow.h): the same code over records of the same
// size that differ in the meaning of bytes 153 to 158. Each board carries an
// Si5340A that drives the reference clocks of the four QSFP+ cages and an
// Si5340B that drives the one reference clock of the six QDR-II+ SRAMs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/frame/ConfigSi5340.h"
#include "model/Configboard.h"
#include "model/SettingsFile.h"

// The record fields both boards share, as the shared code reads them.
struct TSi5340PairView {
    const uint8_t* QdrII;       // [6]
    const uint8_t* Qsfp;        // [4]
    uint8_t Pcie;
    const uint8_t* Pcie2;       // Garvelow only, else nullptr
    const int32_t* Si5340A;     // [4]
    int32_t Si5340B;
};

// Si5340B choices of the QDR-II+ reference clock: 0 "Not Use", 225, 250, 275.
constexpr int32_t kQdrRefClkChoiceCount = 4;

bool Si5340PairIsAUsed(const TSi5340PairView& view);
bool Si5340PairIsBUsed(const TSi5340PairView& view);
std::string Si5340PairQsfText(const TSi5340PairView& view);
std::string Si5340PairVerilogText(const TSi5340PairView& view);
bool Si5340PairExportIpFiles(const TSi5340PairView& view, const std::string& projectFolder);
double Si5340PairQdrRefClkMHz(int32_t choice);
// "REFCLK_QDR225" for 1, "REFCLK_QDR250" for 2, "REFCLK_QDR275" for any other.
const char* Si5340PairQdrDefineName(int32_t choice);

// The object of one board of the pair over its record X_CONFIG.
template <class X_CONFIG>
class TConfigSi5340Pair : public TConfigBoard {
public:
    X_CONFIG m_Config{};

    bool LoadFromFile(const std::string& path) override
    {
        return LoadRecordFile(&m_Config, sizeof(m_Config), path);
    }
    bool SaveToFile(const std::string& path) override
    {
        return SaveRecordFile(&m_Config, sizeof(m_Config), path);
    }
    std::string GetQsfText() override { return Si5340PairQsfText(View()); }
    std::string GetVerilogText() override { return Si5340PairVerilogText(View()); }
    std::string GetVhdlText(const std::string&) override { return {}; }
    bool ExportIpFiles(const std::string& projectFolder) override
    {
        return Si5340PairExportIpFiles(View(), projectFolder);
    }

    bool IsSi5340AUsed() const { return Si5340PairIsAUsed(View()); }
    bool IsSi5340BUsed() const { return Si5340PairIsBUsed(View()); }
    static double Si5340AFreqMHz(int32_t choice);
    static double QdrRefClkFreqMHz(int32_t choice) { return Si5340PairQdrRefClkMHz(choice); }

    TSi5340PairView View() const;

protected:
    TConfigSi5340Pair() = default;
    ~TConfigSi5340Pair() = default;
};

template <class X_CONFIG>
double TConfigSi5340Pair<X_CONFIG>::Si5340AFreqMHz(int32_t choice)
{
    return Si5340AChoiceMHz(choice);
}

template <class X_CONFIG>
TSi5340PairView TConfigSi5340Pair<X_CONFIG>::View() const
{
    const uint8_t* pcie2 = nullptr;
    if constexpr (requires(const X_CONFIG& c) { c.bPcie2; }) pcie2 = &m_Config.bPcie2;
    return {.QdrII = m_Config.bQdrII,
            .Qsfp = m_Config.bQsfp,
            .Pcie = m_Config.bPcie,
            .Pcie2 = pcie2,
            .Si5340A = m_Config.nSi5340AFreqSel,
            .Si5340B = m_Config.nSi5340BFreqSel[0]};
}

struct FallowmereRecord {
    uint8_t BoardId;  // 33
    uint8_t Reserved[3];
    int32_t Size;  // 180
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bTemperature;
    uint8_t bPowerMonitor;
    uint8_t bQdrII[6];
    uint8_t bQsfp[4];
    uint8_t bPcie;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bRs422;
    uint8_t bLtm4677;  // no control; kept from a loaded file
    uint8_t bGpio;
    uint8_t Reserved2[2];
    int32_t nSi5340AFreqSel[4];  // QSFP+ A..D: 0 "Not Use", 1..7
    int32_t nSi5340BFreqSel[1];  // QDR-II+: 0 "Not Use", 1..3
};

class TConfigFallowmere : public TConfigSi5340Pair<FallowmereRecord> {
public:
    using FALLOWMERE_CONFIG = FallowmereRecord;
    TConfigFallowmere();
    ~TConfigFallowmere();
};

static_assert(sizeof(FallowmereRecord) == 180);
static_assert(offsetof(FallowmereRecord, szProjectName) == 8);
static_assert(offsetof(FallowmereRecord, bClock) == 136);
static_assert(offsetof(FallowmereRecord, bQdrII) == 142);
static_assert(offsetof(FallowmereRecord, bQsfp) == 148);
static_assert(offsetof(FallowmereRecord, bPcie) == 152);
static_assert(offsetof(FallowmereRecord, bFan) == 153);
static_assert(offsetof(FallowmereRecord, bGpio) == 157);
static_assert(offsetof(FallowmereRecord, nSi5340AFreqSel) == 160);
static_assert(offsetof(FallowmereRecord, nSi5340BFreqSel) == 176);

// The frequency lookups the Fallowmere definition uses.
double FallowmereSi5340AFreqMHz(int32_t choice);
double FallowmereSi5340BFreqMHz(int32_t choice);
