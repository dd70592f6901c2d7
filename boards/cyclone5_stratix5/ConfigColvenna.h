// The configuration object of the Colvenna board: its settings record,
// which is also, byte for byte, the content of its .cfg files, and what the
// record's two programmable clock chips (a CDCM6208 on I2C and an LMK04906
// on SPI) add to a generated project: the .qsf block naming their controller
// files, the controller instances of the top-level Verilog, and the export of
// the controller files into the sub-folders cdcm6208 and lmk04906.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Configboard.h"
#include "model/Pin.h"

// The outputs of the CDCM6208, in the order of the record's choices.
enum {
    CDCM6208_FMCA = 0,         // FMCA_REFCLK_0
    CDCM6208_FMCD = 1,         // FMCD_REFCLK_0
    CDCM6208_SATA_HOST = 2,    // SATA_HOST_REFCLK
    CDCM6208_SATA_DEVICE = 3,  // SATA_DEVICE_REFCLK
    CDCM6208_PCIE = 4,         // PCIE_OB_REFCLK
    CDCM6208_DDR3 = 5,         // DDR3_REFCLK
    CDCM6208_OUTPUTS = 6
};

// The outputs of the LMK04906, in the order of the record's choices.
enum {
    LMK04906_FMCA = 0,  // FMCA_REFCLK_1
    LMK04906_FMCB = 1,  // FMCB_REFCLK_0
    LMK04906_FMCC = 2,  // FMCC_REFCLK_0
    LMK04906_FMCD = 3,  // FMCD_REFCLK_1
    LMK04906_OUTPUTS = 4
};

// The FMC connectors: A and D are HPC, B and C LPC.
enum { FMC_A = 0, FMC_B = 1, FMC_C = 2, FMC_D = 3, FMC_COUNT = 4 };

class TConfigColvenna : public TConfigBoard {
public:
    // 812 bytes, little-endian.
    struct COLVENNA_CONFIG {
        uint8_t BoardId;     // MAINBOARD_COLVENNA
        uint8_t nBoardType;  // FPGA part: 0, 1 or 2
        uint8_t Reserved2[2];
        int32_t Size;  // sizeof(COLVENNA_CONFIG)
        char szProjectName[128];
        // On-board groups, 0 or 1 each (any other value counts as ticked).
        uint8_t bClock;
        uint8_t bLed;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bSma;
        uint8_t bTemperature;
        uint8_t bPowerMonitor;
        uint8_t bDdr3;
        uint8_t bPcie;
        uint8_t bSataHost;
        uint8_t bSataDevice;
        uint8_t bUart2Usb;
        uint8_t bSdCard;
        uint8_t bFan;
        uint8_t bSsram;
        uint8_t bFlash;
        uint8_t bCdcm6208;  // the CDCM6208 is programmed
        uint8_t bLmk04906;  // the LMK04906 is programmed
        uint8_t Reserved154;
        // Combo items of the clock-chip outputs (0 = "Disable").
        uint8_t nCdcm6208Freq[CDCM6208_OUTPUTS];
        uint8_t nLmk04906Freq[LMK04906_OUTPUTS];
        uint8_t nGpioDaughterId;  // card on the GPIO header; 0 = none
        char szGpioPrefixName[128];
        uint8_t nFmcDaughterId[FMC_COUNT];  // cards on FMC-A .. FMC-D; 0 = none
        char szFmcPrefixName[FMC_COUNT][128];
        uint8_t Reserved810[2];
    };

    COLVENNA_CONFIG m_Config{};

    TConfigColvenna();
    ~TConfigColvenna();

    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    std::string GetQsfText() override;
    std::string GetVerilogText() override;
    std::string GetVhdlText(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    // The two blocks of GetQsfText; each is empty while its chip is not in use.
    std::string GetLmk04906QsfText() const;
    std::string GetCdcm6208QsfText() const;
};

using COLVENNA_CONFIG = TConfigColvenna::COLVENNA_CONFIG;

static_assert(sizeof(COLVENNA_CONFIG) == 812, "COLVENNA_CONFIG size");
static_assert(offsetof(COLVENNA_CONFIG, nBoardType) == 1);
static_assert(offsetof(COLVENNA_CONFIG, Size) == 4);
static_assert(offsetof(COLVENNA_CONFIG, szProjectName) == 8);
static_assert(offsetof(COLVENNA_CONFIG, bClock) == 136);
static_assert(offsetof(COLVENNA_CONFIG, bDdr3) == 143);
static_assert(offsetof(COLVENNA_CONFIG, bFlash) == 151);
static_assert(offsetof(COLVENNA_CONFIG, bCdcm6208) == 152);
static_assert(offsetof(COLVENNA_CONFIG, bLmk04906) == 153);
static_assert(offsetof(COLVENNA_CONFIG, nCdcm6208Freq) == 155);
static_assert(offsetof(COLVENNA_CONFIG, nLmk04906Freq) == 161);
static_assert(offsetof(COLVENNA_CONFIG, nGpioDaughterId) == 165);
static_assert(offsetof(COLVENNA_CONFIG, szGpioPrefixName) == 166);
static_assert(offsetof(COLVENNA_CONFIG, nFmcDaughterId) == 294);
static_assert(offsetof(COLVENNA_CONFIG, szFmcPrefixName) == 298);
static_assert(offsetof(COLVENNA_CONFIG, szFmcPrefixName[3]) == 682);
static_assert(offsetof(COLVENNA_CONFIG, Reserved810) == 810);

// The frequency of a CDCM6208 output (0-5) by the record's choice; 0 for
// "Disable" and for a choice outside the output's list. DDR3_REFCLK runs at
// 133.33333 MHz, the single-precision value nearest to 400/3.
float Cdcm6208FreqMHz(const COLVENNA_CONFIG& config, int output);
// The frequency of an LMK04906 output (0-3): 322.265625 or 644.53125 MHz,
// 0 for "Disable" and for a choice outside the list.
float Lmk04906FreqMHz(const COLVENNA_CONFIG& config, int output);
// The I/O standard of the FPGA bank behind an FMC connector (0-3): "1.8 V"
// for the ADC-FMC card (54), else "2.5 V".
IoStandard FmcBankIoStandard(const COLVENNA_CONFIG& config, int fmc);
