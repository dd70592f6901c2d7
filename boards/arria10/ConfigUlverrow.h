// The configuration object of the Ulverrow board (id 28): its settings
// record, the .cfg file, and what its two Si5340 clock generators add to a
// project. The Si5340A drives the four QSFP+ reference clocks, the Si5340B
// the DDR4 sockets', the QDR-II+ and the on-board PCIe reference clocks.
// The texts are those of Tarrowind's object (ConfigSi5340.h) with the DDR4
// choices, decimal codes and the DDR4 set of controller files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Configboard.h"

class TConfigUlverrow : public TConfigBoard {
public:
    struct ULVERROW_CONFIG {
        uint8_t BoardId;  // 28
        uint8_t Reserved[3];
        int32_t Size;  // 188
        char szProjectName[128];
        uint8_t bClock;
        uint8_t bLed;  // LED and LED_BRACKET
        uint8_t bSeg7;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bSma;
        uint8_t bTemperature;
        uint8_t bPowerMonitor;
        uint8_t bDdr4[2];   // sockets A and B
        uint8_t bQdrII[4];  // A..D
        uint8_t bQsfp[4];   // A..D
        uint8_t bPcie;
        uint8_t bFan;
        uint8_t bFlash;
        uint8_t bPcieOnBoardClock;
        uint8_t bTps40428;  // no control; kept from a loaded file
        uint8_t bRs422;
        int32_t nSi5340AFreqSel[4];  // QSFP+ A..D: 0 "Not Use", 1..7
        int32_t nSi5340BFreqSel[3];  // DDR4 0..5, QDR-II+ 0..4, on-board PCIe 0..1
    };

    // The number of items of each Si5340B choice list.
    static constexpr int32_t kDdr4ChoiceCount = 6;
    static constexpr int32_t kQdrChoiceCount = 5;
    static constexpr int32_t kPcieChoiceCount = 2;

    ULVERROW_CONFIG m_Config{};

    TConfigUlverrow();
    ~TConfigUlverrow();

    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;

    // MHz of the choices; 0 for "Not Use" and for any value outside the list.
    static double Si5340AFreqMHz(int32_t choice);     // 100, 125, 156.25, 250, 312.5, 322.265, 644.53125
    static double Ddr4RefClkFreqMHz(int32_t choice);  // 150, 200, 233.333, 266.667, 300
    static double QdrRefClkFreqMHz(int32_t choice);   // 225, 233.333, 250, 275
    static double PcieRefClkFreqMHz(int32_t choice);  // 100
    // The define that selects the Si5340B outputs, from the DDR4 and QDR-II+
    // choices ("DDR150_QDR225_PCIE100"); the PCIe output is always 100 MHz.
    static std::string GetSi5340BDefineName(int32_t ddr4, int32_t qdr);
};

static_assert(sizeof(TConfigUlverrow::ULVERROW_CONFIG) == 188);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, Size) == 4);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, szProjectName) == 8);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bClock) == 136);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bPowerMonitor) == 143);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bDdr4) == 144);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bQdrII) == 146);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bQsfp) == 150);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bPcie) == 154);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bPcieOnBoardClock) == 157);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bTps40428) == 158);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, bRs422) == 159);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, nSi5340AFreqSel) == 160);
static_assert(offsetof(TConfigUlverrow::ULVERROW_CONFIG, nSi5340BFreqSel) == 176);
