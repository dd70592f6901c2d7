// The configuration object of the Tarrowind board (id 27): its settings
// record, the .cfg file, and what its two Si5340 clock generators add to a
// project: termination and controller-file lines in the .qsf, the controller
// instances in the top level, and the controller files. The Si5340A drives
// the four QSFP+ reference clocks, the Si5340B the DDR3, QDRII+ and on-board
// PCIe reference clocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Configboard.h"

class TConfigTarrowind : public TConfigBoard {
public:
    struct TARROWIND_CONFIG {
        uint8_t BoardId;  // 27
        uint8_t nDevice;  // 0..3 (CONFIG_TARROWIND)
        uint8_t Reserved[2];
        int32_t Size;  // 188
        char szProjectName[128];
        uint8_t bCLOCK;
        uint8_t bLED;  // LED and LED_BRACKET
        uint8_t bSEG7;
        uint8_t bKEY;
        uint8_t bSW;
        uint8_t bSMA;
        uint8_t bTemperature;
        uint8_t bPowerMonitor;
        uint8_t bDDR3A;
        uint8_t bDDR3B;
        uint8_t bQDRIIA;
        uint8_t bQDRIIB;
        uint8_t bQDRIIC;
        uint8_t bQDRIID;
        uint8_t bQSFPA;
        uint8_t bQSFPB;
        uint8_t bQSFPC;
        uint8_t bQSFPD;
        uint8_t bPCIE;
        uint8_t bFAN;
        uint8_t bFLASH;
        uint8_t bPcieRefClock;  // the on-board PCIe reference clock
        uint8_t bRS422;
        uint8_t Reserved2;
        int32_t nSi5340AFreq[4];  // QSFP+ A..D: 0 "Not Use", 1..7
        int32_t nSi5340BFreq[3];  // DDR3 0..3, QDRII+ 0..4, on-board PCIe 0..1
    };

    // The number of items of each clock choice list.
    static constexpr int32_t kDdr3ChoiceCount = 4;
    static constexpr int32_t kQdrChoiceCount = 5;
    static constexpr int32_t kPcieChoiceCount = 2;
    static constexpr int32_t kDeviceCount = 4;

    TARROWIND_CONFIG m_Config{};

    TConfigTarrowind();
    ~TConfigTarrowind();

    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;

    std::string GetTerminationText() const;
    std::string GetIncludeText() const;
    std::string GetSi5340AVerilog() const;
    std::string GetSi5340BVerilog() const;
    // The define that selects the Si5340B outputs, from the DDR3 and QDRII+
    // choices ("DDR233_QDR250_PCIE100"); the PCIe output is always 100 MHz.
    static std::string GetSi5340BDefineName(int32_t ddr3, int32_t qdr);
};

static_assert(sizeof(TConfigTarrowind::TARROWIND_CONFIG) == 188);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, Size) == 4);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, szProjectName) == 8);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bCLOCK) == 136);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bDDR3A) == 144);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bQDRIIA) == 146);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bQSFPA) == 150);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bPCIE) == 154);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, bRS422) == 158);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, nSi5340AFreq) == 160);
static_assert(offsetof(TConfigTarrowind::TARROWIND_CONFIG, nSi5340BFreq) == 176);

// MHz of the choices; 0 for "Not Use" and for any value outside the list.
double TarrowindSi5340AFreqMHz(int32_t choice);  // 100, 125, 156.25, 250, 312.5, 322.265, 644.53125
double TarrowindDdr3RefClkMHz(int32_t choice);   // 200, 233.333, 266.667
double TarrowindQdrRefClkMHz(int32_t choice);    // 225, 233.333, 250, 275
double TarrowindPcieRefClkMHz(int32_t choice);   // 100
