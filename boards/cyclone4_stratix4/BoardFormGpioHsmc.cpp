#include "boards/cyclone4_stratix4/BoardFormGpioHsmc.h"

#include <cstring>

#include "boards/cyclone4_stratix4/GorsewinConfig.h"
#include "boards/cyclone4_stratix4/LarrowenConfig.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The master ids of the two connectors.
constexpr uint8_t kGpioMaster = 16;
constexpr uint8_t kHsmcMaster = 8;
// The prefix of the HSMC default naming left without one.
const char* const kDefaultHsmcPrefix = "HSMC_";

// "CheckBoxOSC" -> "ShapeOSC".
std::string ShapeOf(const char* checkBox) { return std::string("Shape") + (checkBox + std::strlen("CheckBox")); }

TFormSpec GpioHsmcLayout(const TGpioHsmcLayout& layout)
{
    TFormSpec spec = FrameFormSpec(layout.Frame);
    auto& c = spec.Controls;
    const int boxLeft = layout.Frame.PictureWidth + 32;
    const int boxWidth = layout.Frame.ClientWidth - boxLeft - 8;
    std::vector<TCheckBoxRow> rows;
    for (std::size_t i = 0; i < layout.Groups.size(); i += 2) {
        const bool right = i + 1 < layout.Groups.size();
        rows.push_back({layout.Groups[i].first, layout.Groups[i].second, right ? layout.Groups[i + 1].first : nullptr,
                        right ? layout.Groups[i + 1].second : nullptr});
    }
    AddSettingsGroup(c, boxLeft, 8, boxWidth, layout.Frame.ClientHeight - 56, rows);
    // The two connectors, each with its card, prefix and card picture.
    const char* box = "GroupBoxConfig";
    const char* const connectors[2][6] = {
        {"LabelGpio", "GPIO Header", "ComboBoxGpio", "LabelPrefixGpio", "EditPrefixGpio", "ImageGpio"},
        {"LabelHSMC", "HSMC", "ComboBoxHSMC", "LabelPrefixHSMC", "EditPrefixHSMC", "ImageHSMC"}};
    const char* const handlers[2] = {"ComboBoxGpioChange", "ComboBoxHSMCChange"};
    const int top = 56 + 24 * static_cast<int>(rows.size());
    for (int k = 0; k < 2; ++k) {
        const int y = top + 8 + 96 * k;
        c.push_back(FrameLabel(connectors[k][0], box, 12, y, 220, connectors[k][1], true));
        c.push_back(FrameComboBox(connectors[k][2], box, 12, y + 20, boxWidth - 116, handlers[k]));
        c.push_back(FrameLabel(connectors[k][3], box, 12, y + 56, 84, "Prefix Name:"));
        c.push_back(FrameEdit(connectors[k][4], box, 100, y + 52, boxWidth - 204));
        c.push_back({.Kind = TControlKind::Image, .Name = connectors[k][5], .Parent = box, .Left = boxWidth - 92,
                     .Top = y + 4, .Width = 80, .Height = 80, .Visible = false});
    }
    return spec;
}

}  // namespace

template <class X_CONFIG>
TGpioHsmcBoardFormOf<X_CONFIG>::TGpioHsmcBoardFormOf(TForm* owner, const TBoardFormRow& row, uint8_t boardId,
                                                     const TGpioHsmcLayout& layout)
    : TFrameBoardFormOf<X_CONFIG>(owner, row), m_BoardId(boardId)
{
    using Self = TGpioHsmcBoardFormOf<X_CONFIG>;
    std::vector<THandlerEntry> handlers;
    this->AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxGpioChange", this->Bind(&Self::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxHSMCChange", this->Bind(&Self::ComboBoxHSMCChange));
    this->LoadLayout(GpioHsmcLayout(layout), handlers);

    EditPrefixGpio = this->template Find<TEdit>("EditPrefixGpio");
    EditPrefixHSMC = this->template Find<TEdit>("EditPrefixHSMC");
    ComboBoxGpio = this->template Find<TComboBox>("ComboBoxGpio");
    ComboBoxHSMC = this->template Find<TComboBox>("ComboBoxHSMC");
    ImageGpio = this->template Find<TImage>("ImageGpio");
    ImageHSMC = this->template Find<TImage>("ImageHSMC");
    ShapeGpio = this->template Find<TShape>("ShapeGpio");
    ShapeHSMC = this->template Find<TShape>("ShapeHSMC");
    std::vector<std::string> shapes;
    for (const auto& group : layout.Groups) shapes.push_back(ShapeOf(group.first));
    std::vector<TFlagBoxes::TEntryNames> entries;
    for (std::size_t i = 0; i < shapes.size(); ++i) entries.push_back({layout.Groups[i].first, {shapes[i].c_str()}});
    m_Flags.Bind(*this, entries);
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::FillCardCombos()
{
    this->m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    m_GpioCardList.BuildCardList(CONNECTOR_GPIO40, false, 3);
    this->FillCardCombo(ComboBoxHSMC, this->m_Config.m_CardCount, this->m_Config.m_CardIds);
    this->FillCardCombo(ComboBoxGpio, m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds);
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::ConfigToForm(const X_CONFIG& config)
{
    this->EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Flags.Show(&config.bCLOCK);
    // A card the list does not hold leaves the combo at the card it showed;
    // the prefix edit shows the record's prefix beside any card but "None".
    this->ShowCardAndPrefix(ComboBoxGpio, EditPrefixGpio, m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds,
                            config.nGpioDaughterId, config.szGpioPrefixName, sizeof config.szGpioPrefixName);
    this->ShowCardAndPrefix(ComboBoxHSMC, EditPrefixHSMC, this->m_Config.m_CardCount, this->m_Config.m_CardIds,
                            config.nHsmcDaughterId, config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    UpdateCardPictures();
    UpdateShapes();
}

template <class X_CONFIG>
bool TGpioHsmcBoardFormOf<X_CONFIG>::FormToConfig(X_CONFIG& config)
{
    config.BoardId = m_BoardId;
    config.Size = sizeof(X_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, this->EditProjectName->Text());
    m_Flags.Store(&config.bCLOCK);
    config.nGpioDaughterId = GpioCard();
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditPrefixGpio->Text());
    config.nHsmcDaughterId = HsmcCard();
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHSMC->Text());
    return true;
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::UpdateCardPictures()
{
    this->ShowCardPicture(ImageHSMC, HsmcCard());
    this->ShowCardPicture(ImageGpio, GpioCard());
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeGpio->SetVisible(ComboBoxGpio->ItemIndex() != 0);
    ShapeHSMC->SetVisible(ComboBoxHSMC->ItemIndex() != 0);
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::ComboBoxGpioChange(TObject*)
{
    UpdateShapes();
    UpdateCardPictures();
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

template <class X_CONFIG>
bool TGpioHsmcBoardFormOf<X_CONFIG>::ValidateBoard(bool generating, std::string& message)
{
    std::string hsmcPrefix = EditPrefixHSMC->Text();
    if (HsmcCard() == 2 && hsmcPrefix.empty()) hsmcPrefix = kDefaultHsmcPrefix;
    return this->CheckCardPrefix(GpioCard(), m_BoardId, EditPrefixGpio->Text(), "GPIO", generating, message) &&
           this->CheckCardPrefix(HsmcCard(), m_BoardId, hsmcPrefix, "HSMC", generating, message);
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::ApplyDefaultPrefixes(X_CONFIG& config)
{
    if (config.nHsmcDaughterId == 2 && config.szHSMCPrefixName[0] == 0)
        WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, kDefaultHsmcPrefix);
}

template <class X_CONFIG>
void TGpioHsmcBoardFormOf<X_CONFIG>::AttachCards(TMainBoard* board, const X_CONFIG& config)
{
    if (config.nGpioDaughterId != 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        board->AttachGpioCard(kGpioMaster, config.nGpioDaughterId, IO_STD_3V3_LVTTL, nullptr, prefix.c_str());
    }
    if (config.nHsmcDaughterId != 0) {
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
        board->AttachHsmcCardEx(kHsmcMaster, config.nHsmcDaughterId, 6, 0, prefix.c_str());
    }
}

template class TGpioHsmcBoardFormOf<GORSEWIN_CONFIG>;
template class TGpioHsmcBoardFormOf<LARROWEN_CONFIG>;
