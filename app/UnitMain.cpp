#include "app/UnitMain.h"

#include <filesystem>
#include <memory>

#include "app/UI_Selector.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "platform/IniFile.h"

TFormMain* FormMain = nullptr;

namespace {

const TFormSpec kMainLayout = {
    .Name = "TFORMMAIN",
    .Caption = "dummy",
    .ClientWidth = 433,
    .ClientHeight = 210,
    .BorderStyle = bsDialog,
    .FontHeight = 13,
    .Controls = {},
};

const char* const kIniSection = "Pinloom";
const char* const kIniKey = "MainBoard";

// Card pictures by card id; nullptr: the id has no entry.
const char* const kCardBitmaps[99] = {
    /*  0 */ "",
    /*  1 */ "GPIO_80_BITMAP",
    /*  2 */ "HSMC_DEFAULT_80_BITMAP",
    /*  3 */ "HSMC_DEFAULT_XCVR_80_BITMAP",
    /*  4 */ "HSMC_LVDS_80_BITMAP",
    /*  5 */ "TAVREL_80_BITMAP",
    /*  6 */ "DVI_80_BITMAP",
    /*  7 */ "NET_80_BITMAP",
    /*  8 */ "BRASK_80_BITMAP",
    /*  9 */ nullptr,
    /* 10 */ "CULM_HSMC_80_BITMAP",
    /* 11 */ "CULM_GPIO_80_BITMAP",
    /* 12 */ "IVREL_80_BITMAP",
    /* 13 */ "KEMBER_80_BITMAP",
    /* 14 */ "GRISEL_80_BITMAP",
    /* 15 */ "HDMI_80_BITMAP",
    /* 16 */ "HIRSK_80_BITMAP",
    /* 17 */ "GAELM_80_BITMAP",
    /* 18 */ "HSMC_DEBUG_80_BITMAP",
    /* 19 */ "HSMC_LOOPBACK_80_BITMAP",
    /* 20 */ "TAVREL_LOOPBACK_80_BITMAP",
    /* 21 */ "SFP_80_BITMAP",
    /* 22 */ "SDI_80_BITMAP",
    /* 23 */ "HSMC_SATA_80_BITMAP",
    /* 24 */ "OSTREL_80_BITMAP",
    /* 25 */ "OSTREL_80_BITMAP",
    /* 26 */ "PAVLIN_80_BITMAP",
    /* 27 */ "DOVRA_HSMC_80_BITMAP",
    /* 28 */ "QUORRIL_80_BITMAP",
    /* 29 */ "HSMC_HULVAR_80_BITMAP",
    /* 30 */ "GPIO_NORROW_80_BITMAP",
    /* 31 */ "HSMC_HDMI_TX_80_BITMAP",
    /* 32 */ "HSMC_HDMI_RX_80_BITMAP",
    /* 33 */ "HSMC_JEMSOK_80_BITMAP",
    /* 34 */ "RUSKET_80_BITMAP",
    /* 35 */ "HSMC_UMBREL_80_BITMAP",
    /* 36 */ "HSMC_MAVREL_80_BITMAP",
    /* 37 */ "HSMC_LOOPBACK_XCVR_80_BITMAP",
    /* 38 */ nullptr,
    /* 39 */ nullptr,
    /* 40 */ "FMC_HPC_VITA_STD_80_BITMAP",
    /* 41 */ "FMC_LPC_VITA_STD_80_BITMAP",
    /* 42 */ "FMC_PLUS_VITA_STD_80_BITMAP",
    /* 43 */ "FMC_HPC_ALTERA_STD_80_BITMAP",
    /* 44 */ "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP",
    /* 45 */ "FMC_LPC_ALTERA_STD_80_BITMAP",
    /* 46 */ "FMC_LPC_ALTERA_STD_XCVR_80_BITMAP",
    /* 47 */ "FMC_PAVLIN_80_BITMAP",
    /* 48 */ "FMC_SDI_80_BITMAP",
    /* 49 */ "FMC_HDMI_80_BITMAP",
    /* 50 */ "FMC_TI_JESD_FOR_TI_80_BITMAP",
    /* 51 */ "FMC_TI_ADC34J45_80_BITMAP",
    /* 52 */ "FMC_NET_80_BITMAP",
    /* 53 */ "FMC_USBC_80_BITMAP",
    /* 54 */ "FMC_ADC_80_BITMAP",
    /* 55 */ "SARNEL_80_BITMAP",
    /* 56 */ "HSMC_ISTREL_80_BITMAP",
    /* 57 */ "GAELM_IVREL_J2_80_BITMAP",
    /* 58 */ "GAELM_IVREL_J3_80_BITMAP",
    /* 59 */ "GAELM_IVREL_x2_80_BITMAP",
    /* 60 */ "HSMC_VANDRY_80_BITMAP",
    /* 61 */ "HSMC_WESKET_80_BITMAP",
    /* 62 */ "GPIO_BREVIK_80_BITMAP",
    /* 63 */ "GPIO_TAMSIL_80_BITMAP",
    /* 64 */ "GPIO_SMART_CAR_80_BITMAP",
    /* 65 */ "GPIO_BALANCE_CAR_80_BITMAP",
    /* 66 */ "GPIO_DUNVAR_80_BITMAP",
    /* 67 */ "GPIO_ELVASK_80_BITMAP",
    /* 68 */ "GPIO_FENWRY_80_BITMAP",
    /* 69 */ "RISCV_80_BITMAP",
    /* 70 */ "ARDUINO_80_BITMAP",
    /* 71 */ "BBB_DEFAULT_80_BITMAP",
    /* 72 */ "BBB_WIFI_BLE_80_BITMAP",
    /* 73 */ "BBB_MODE7_80_BITMAP",
    /* 74 */ "YARVEL_2x6_DEFAULT_BITMAP",
    /* 75 */ "YARVEL_2x6_SPP_BLUETOOTH_BITMAP",
    /* 76 */ "JUSK_GPIO_80_BITMAP",
    /* 77 */ nullptr,
    /* 78 */ "JUSK_FMC_80_BITMAP",
    /* 79 */ "DDR4_SODIMM_80_BITMAP",
    /* 80 */ "DDR4_ECC_SODIMM_80_BITMAP",
    /* 81 */ "KALVORA_DDR4_QDR2_BITMAP",
    /* 82 */ "KALVORA_DDR4_QDR4_BITMAP",
    /* 83 */ "KALVORA_DDR4_QDR2_BITMAP",
    /* 84 */ "KALVORA_DDR4_QDR4_BITMAP",
    /* 85 */ "GPIO_80_2V5_BITMAP",
    /* 86 */ "GPIO_80_1V8_BITMAP",
    /* 87 */ "GPIO_80_1V5_BITMAP",
    /* 88 */ "FMC_GPIO_80_BITMAP",
    /* 89 */ nullptr,
    /* 90 */ "HSMC_3V3_DEFAULT_80_BITMAP",
    /* 91 */ "HSMC_1V8_DEFAULT_80_BITMAP",
    /* 92 */ "HSMC_1V5_DEFAULT_80_BITMAP",
    /* 93 */ "HSMC_3V3_DEFAULT_XCVR_80_BITMAP",
    /* 94 */ "HSMC_3V0_DEFAULT_XCVR_80_BITMAP",
    /* 95 */ "HSMC_1V8_DEFAULT_XCVR_80_BITMAP",
    /* 96 */ "HSMC_1V5_DEFAULT_XCVR_80_BITMAP",
    /* 97 */ "GPIO_80_3V0_BITMAP",
    /* 98 */ "HSMC_3V0_DEFAULT_80_BITMAP",
};

}  // namespace

TFormMain::TFormMain(TForm* owner) : TForm(owner)
{
    // Board forms created below reach the main form through FormMain.
    FormMain = this;
    try {
        LoadLayout(kMainLayout);
        m_CurrentBoardId = 0;
        ReadIni();
        m_CurrentBoardId = STARTUP_MAINBOARD_ID;
        if (!IsBoardOfferedHere(m_CurrentBoardId)) m_CurrentBoardId = 0;
        if (m_CurrentBoardId != 0) {
            OpenBoardForm(m_CurrentBoardId);
        } else {
            SelectBoard(true);
            WriteIni();
        }
    } catch (...) {
        CloseBoardForms();
        FormMain = nullptr;
        throw;
    }
}

TFormMain::~TFormMain()
{
    CloseBoardForms();
    WriteIni();
    if (FormMain == this) FormMain = nullptr;
}

void TFormMain::OpenBoardForm(uint8_t boardId)
{
    CloseBoardForms();
    const TBoardFormSlot* slot = FindBoardFormSlot(boardId);
    PL_ASSERT(slot != nullptr);
    PL_ASSERT(slot->Create != nullptr);
    m_BoardForm = slot->Create(this);
    m_CurrentBoardId = boardId;

    // Hosted at the client origin; the main form takes its size and centres
    // itself on the screen.
    m_BoardForm->SetParent(this);
    m_BoardForm->SetLeft(0);
    m_BoardForm->SetTop(0);
    m_BoardForm->Show();
    const int width = m_BoardForm->Width();
    const int height = m_BoardForm->Height();
    SetClientWidth(width);
    SetClientHeight(height);
    SetLeft((ScreenWidth() - width) / 2);
    SetTop((ScreenHeight() - height) / 2);
}

void TFormMain::CloseBoardForms()
{
    if (!m_BoardForm) return;
    TBoardForm* form = m_BoardForm;
    m_BoardForm = nullptr;
    form->Leave();
    delete form;
}

void TFormMain::SelectBoard(bool atStartUp)
{
    uint8_t chosen = 0;
    bool confirmed = false;
    {
        std::unique_ptr<TFormBoardSelector> selector(new TFormBoardSelector(this));
        if (m_CurrentBoardId == 0) m_CurrentBoardId = MAINBOARD_COLVENNA;
        selector->SelectBoardId(m_CurrentBoardId);
        if (atStartUp) selector->ButtonCancel->SetEnabled(false);
        confirmed = selector->ShowModal() == mrOk;
        if (confirmed) chosen = selector->GetSelectedBoardId();
    }
    // An empty list confirms nothing to open.
    if (confirmed && chosen != 0) OpenBoardForm(chosen);
}

void TFormMain::WndProc(TMessage& message)
{
    if (message.Msg == WM_MAINBOARD_SELECT) SelectBoard(false);
    TForm::WndProc(message);
}

std::string TFormMain::IniFileName() const { return ChangeFileExt(ExecutablePath(), ".INI"); }

void TFormMain::ReadIni()
{
    const std::string path = IniFileName();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    const int value = TIniFile(path).ReadInteger(kIniSection, kIniKey, 0);
    m_CurrentBoardId = static_cast<uint8_t>(value & 0xFF);
}

void TFormMain::WriteIni() { TIniFile(IniFileName()).WriteInteger(kIniSection, kIniKey, m_CurrentBoardId); }

void TFormMain::ShowCardPicture(TImage* image, DaughterId card)
{
    const std::string name = GetCardBitmapName(card);
    if (name.empty()) {
        image->SetVisible(false);
        return;
    }
    image->SetVisible(true);
    image->LoadFromResourceName(name);
}

std::string TFormMain::GetCardBitmapName(DaughterId card)
{
    PL_ASSERT(card < sizeof(kCardBitmaps) / sizeof(kCardBitmaps[0]) && kCardBitmaps[card] != nullptr);
    return kCardBitmaps[card];
}
