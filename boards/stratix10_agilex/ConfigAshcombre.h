// The configuration object of the Agilex board Ashcombre (id 40): its
// settings record, the .cfg file, and what the project takes from it: the
// .qsf block (voltage identification, configuration scheme, the list of IP
// files), the power-on reset that holds the Si5397A clock generator until the
// board is up, and, when the settings ask the chip for anything but its own
// outputs, the controller that programs it over I2C (sub-folder
// "si5397_controller").
//
// The Si5397A drives five FPGA clock inputs: OUT2 QSFPDDA_REFCLK_p, OUT6
// QSFPDDB_REFCLK_p, OUT7 QSFPDDRSV_REFCLK_p (156.25 MHz or off), OUT0 and
// OUT4 CLK_from_SI5397A_p[0] and [1]. Unprogrammed it gives 156.25 MHz on
// OUT2 and OUT6, nothing on OUT7 and 50 MHz on OUT0 and OUT4.
//
// A choice outside its list (only a hand-made settings file holds one; the
// form shows and writes back the default item) counts here as the chip's own
// setting (156.25 MHz, the crystal), so no table is read outside its rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/frame/ConfigRecordObject.h"

// 300 bytes, little-endian.
struct AshcombreRecord {
    uint8_t BoardId;  // 40
    uint8_t Reserved;
    uint8_t Reserved2[2];
    int32_t Size;  // 300
    char szFpgaPart[128];  // "AGFB014R24B2E2V" or "AGFB014R24B1E1V"
    char szProjectName[128];
    uint8_t bVhdlTopFile;
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSystemInfo;
    uint8_t bUfl;
    uint8_t bPcie;
    uint8_t bGpio2x5;
    uint8_t bUart;
    uint8_t bQspiFlash;
    uint8_t bDdr4Socket[4];
    uint8_t bDdr4DualRank;
    int32_t nQsfpddRefClk[2];  // 0..10
    uint8_t bQsfpddRsvRefClk;
    uint8_t bQsfpdd[2];
    uint8_t Reserved3;
    int32_t nIoClockSource[2];  // 0..4
};

static_assert(sizeof(AshcombreRecord) == 300);
static_assert(offsetof(AshcombreRecord, szFpgaPart) == 8);
static_assert(offsetof(AshcombreRecord, szProjectName) == 136);
static_assert(offsetof(AshcombreRecord, bVhdlTopFile) == 264);
static_assert(offsetof(AshcombreRecord, bQspiFlash) == 274);
static_assert(offsetof(AshcombreRecord, bDdr4Socket) == 275);
static_assert(offsetof(AshcombreRecord, bDdr4DualRank) == 279);
static_assert(offsetof(AshcombreRecord, nQsfpddRefClk) == 280);
static_assert(offsetof(AshcombreRecord, bQsfpddRsvRefClk) == 288);
static_assert(offsetof(AshcombreRecord, bQsfpdd) == 289);
static_assert(offsetof(AshcombreRecord, nIoClockSource) == 292);

class TConfigAshcombre : public TConfigRecordObject<AshcombreRecord> {
public:
    using ASHCOMBRE_CONFIG = AshcombreRecord;

    static constexpr int32_t kRefClkChoiceCount = 11;
    static constexpr int32_t kIoClockSourceCount = 5;
    // What the chip gives unprogrammed: 156.25 MHz, and the crystal.
    static constexpr int32_t kDefaultRefClkChoice = 7;
    static constexpr int32_t kDefaultIoClockSource = 0;

    TConfigAshcombre();
    ~TConfigAshcombre();

    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    static float XcvrRefClkMHz(unsigned choice);
    float GetQsfpddRefClkMHz(int index) const;
    static int32_t GetRefClkChoiceCount() { return kRefClkChoiceCount; }
    static int32_t GetIoClockSourceCount() { return kIoClockSourceCount; }
    bool NeedsSi5397AConfig() const;
    bool HasDdr4Module() const;

    // The combo labels, by choice and by source.
    static const char* RefClkChoiceLabel(int32_t choice);
    static const char* IoClockSourceLabel(int32_t source);

private:
    int32_t RefClkChoice(int index) const;
    int32_t IoClockSource(int index) const;
};

// The IP files in export order: the controller's seven, then the power-on
// reset that every project uses. Resource names: "ashcombre_", the file name
// without ".v", "_verilog".
extern const char* const kAshcombreIpFiles[8];
std::string AshcombreResourceName(const std::string& fileName);
