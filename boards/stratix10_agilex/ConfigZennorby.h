// The configuration object of the Zennorby board (id 37): its settings
// record, the .cfg file, and what its two Si5340A clock generators add to a
// project. Each generator drives two QSFP28 reference clocks and two memory-
// socket reference clocks:
//
//   chip      output 0 (XCVR0)  output 3 (XCVR1)  output 1 (MEM0)  output 2 (MEM1)
//   Si5340A0  QSFP28 D          QSFP28 A          socket B         socket A
//   Si5340A1  QSFP28 B          QSFP28 C          socket C         socket D
//
// A generator is in use when one of its QSFP28 cages is ticked or one of its
// sockets holds a module. Only then does the project get its controller
// instance and the eight controller files (sub-folder "si5340_controller").
//
// A reference-clock choice outside 0..4 (only a hand-made settings file holds
// one; the form shows and writes back the default item) counts as choice 0
// here, so no table is read outside its rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/frame/ConfigRecordObject.h"

// 832 bytes, little-endian.
struct ZennorbyRecord {
    uint8_t BoardId;  // 37
    uint8_t Reserved[3];
    int32_t Size;             // 832
    char szFpgaPart[128];     // the FPGA part row, e.g. "revE SX, 1SX280HU2F50E1VG"
    char szProjectName[128];
    uint8_t bVhdl;            // top level: 0 Verilog, 1 VHDL
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bFan;
    uint8_t bTemperature;
    uint8_t bPowerMonitor;
    uint8_t bFlash;
    uint8_t bUfl;
    uint8_t bPcie;
    uint8_t bGpio2x5;
    uint8_t bHps;             // 0 for a part without HPS
    uint8_t Reserved2[3];
    int32_t nQsfp28RefClk[4]; // QSFP28 A..D: 0..4
    int32_t nMemRefClk[4];    // sockets A..D: 0..4
    uint8_t bQsfp28[4];
    uint8_t nMemoryModuleId[4];  // 0 none, 79, 80, 83, 84
    char szMemoryPrefixName[4][128];
};

static_assert(sizeof(ZennorbyRecord) == 832);
static_assert(offsetof(ZennorbyRecord, Size) == 4);
static_assert(offsetof(ZennorbyRecord, szFpgaPart) == 8);
static_assert(offsetof(ZennorbyRecord, szProjectName) == 136);
static_assert(offsetof(ZennorbyRecord, bVhdl) == 264);
static_assert(offsetof(ZennorbyRecord, bClock) == 265);
static_assert(offsetof(ZennorbyRecord, bHps) == 276);
static_assert(offsetof(ZennorbyRecord, nQsfp28RefClk) == 280);
static_assert(offsetof(ZennorbyRecord, nMemRefClk) == 296);
static_assert(offsetof(ZennorbyRecord, bQsfp28) == 312);
static_assert(offsetof(ZennorbyRecord, nMemoryModuleId) == 316);
static_assert(offsetof(ZennorbyRecord, szMemoryPrefixName) == 320);

class TConfigZennorby : public TConfigRecordObject<ZennorbyRecord> {
public:
    using ZENNORBY_CONFIG = ZennorbyRecord;

    // The number of entries of each reference-clock combo.
    static constexpr int32_t kRefClkChoiceCount = 5;

    TConfigZennorby();
    ~TConfigZennorby();

    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    float GetQsfp28RefClkMHz(int index) const;  // cage A..D
    float GetMemRefClkMHz(int index) const;     // socket A..D
    static int32_t GetRefClkChoiceCount() { return kRefClkChoiceCount; }
    bool IsSi5340A0Used() const;
    bool IsSi5340A1Used() const;
    bool HasMemoryModule() const;

    // The combo labels of the choices, by choice.
    static const char* Qsfp28ChoiceLabel(int32_t choice);
    static const char* MemChoiceLabel(int32_t choice);
    // "%f MHz" of a choice's single-precision frequency.
    static float Qsfp28ChoiceMHz(int32_t choice);
    static float MemChoiceMHz(int32_t choice);
};

// The controller files in export order, and their resource names
// ("zennorby_" and the file name with ".v" replaced by "_verilog").
extern const char* const kZennorbyControllerFiles[8];
std::string ZennorbyResourceName(const std::string& fileName);
