#include "boards/soc/BoardFormSoc.h"

#include "cards/PrefixFit.h"
#include "model/Names.h"
#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The form colour of the family (red 235, green 233, blue 237).
constexpr TColor kFormColor = 15591915;

bool IsEightyPinCard(DaughterId card) { return GetCardConnectorType(card) == CONNECTOR_GPIO80; }

}  // namespace

TSocBoardForm::TSocBoardForm(TForm* owner) : TBoardForm(owner) {}

void TSocBoardForm::AddSharedHandlers(std::vector<THandlerEntry>& handlers)
{
    handlers.emplace_back("ButtonGenClick", Bind(&TSocBoardForm::ButtonGenClick));
    handlers.emplace_back("ButtonSaveClick", Bind(&TSocBoardForm::ButtonSaveClick));
    handlers.emplace_back("ButtonLoadClick", Bind(&TSocBoardForm::ButtonLoadClick));
    handlers.emplace_back("ButtonExitClick", Bind(&TSocBoardForm::ButtonExitClick));
    handlers.emplace_back("ButtonMainBoardSelectClick", Bind(&TSocBoardForm::ButtonMainBoardSelectClick));
    handlers.emplace_back("FormClose", Bind(&TSocBoardForm::FormClose));
}

void TSocBoardForm::InitialiseSettings(TEdit* projectName)
{
    m_ProjectName = projectName;
    SetColor(kFormColor);
    m_ProjectName->SetMaxLength(kMaxNameLength);
    FillCardCombos();
    SettingsFolder() = seam::ExecutableFolder();
    if (!LoadHeld(DefaultConfigPath())) ResetHeldToDefaults();
    ShowHeld();
}

bool TSocBoardForm::Validate()
{
    std::string message;
    const bool ok = CheckProjectName(m_ProjectName->Text(), message) && ValidateCards(message);
    if (!ok) seam::ShowError(message);
    return ok;
}

bool TSocBoardForm::CheckCardPrefixes(uint8_t board, const std::vector<TCardPrefix>& connectors, std::string& message)
{
    for (const TCardPrefix& connector : connectors) {
        if (connector.Card == 0) continue;
        if (!CheckPrefixName(connector.Prefix, message)) return false;
        if (!CheckPrefixFitsCard(connector.Card, board, connector.Prefix, connector.Label, message)) return false;
    }
    return true;
}

void TSocBoardForm::ButtonGenClick(TObject*)
{
    if (!Validate()) return;
    const std::string path = AskProjectFilePath("", BoardFolderWord(), m_ProjectName->Text());
    if (path.empty()) return;
    if (Generate(path)) {
        seam::ShowInformation(Format("Generate Quartus Project successfully.\r\nThe project is located in the "
                                     "folder:\r\n%s",
                                     ExtractFilePath(path).c_str()));
        AfterGenerateSuccess();
    } else {
        seam::ShowError(Format("Failed to generate Quartus project: %s.", ExtractFileName(path).c_str()));
    }
}

void TSocBoardForm::ButtonSaveClick(TObject*)
{
    if (!Validate() || !StoreHeld()) return;
    const std::string path = AskSettingsFilePath(true, SettingsFolder());
    if (path.empty()) return;
    SaveHeld(path);
}

void TSocBoardForm::ButtonLoadClick(TObject*)
{
    const std::string path = AskSettingsFilePath(false, SettingsFolder());
    if (path.empty()) return;
    if (LoadHeld(path)) ShowHeld();
}

void TSocBoardForm::ButtonExitClick(TObject*)
{
    Close();
    if (Owner()) Owner()->Close();
}

void TSocBoardForm::ButtonMainBoardSelectClick(TObject*) { PostMessage(Owner(), WM_MAINBOARD_SELECT, 0, 0); }

void TSocBoardForm::FormClose(TObject*, TCloseAction&) { Leave(); }

void TSocBoardForm::FormLeave()
{
    StoreHeld();
    SaveHeld(DefaultConfigPath());
}

void TSocBoardForm::CoupleGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, TObject* sender,
                                      const uint8_t* ids)
{
    const int from = sender == headers[0].Combo ? 0 : 1;
    TGpioHeaderControls& source = headers[static_cast<size_t>(from)];
    TGpioHeaderControls& other = headers[static_cast<size_t>(1 - from)];
    const DaughterId sourceCard = SelectedCard(source.Combo, ids);
    const DaughterId otherCard = SelectedCard(other.Combo, ids);
    if (IsEightyPinCard(sourceCard)) {
        other.Combo->SetItemIndex(source.Combo->ItemIndex());
        other.Prefix->SetText(source.Prefix->Text());
        other.Combo->SetEnabled(false);
        other.Prefix->SetEnabled(false);
    } else {
        other.Combo->SetEnabled(true);
        other.Prefix->SetEnabled(true);
        if (IsEightyPinCard(otherCard)) {
            other.Combo->SetItemIndex(0);
            other.Prefix->SetText("");
        }
    }
}

void TSocBoardForm::MirrorCoupledPrefix(std::array<TGpioHeaderControls, 2>& headers, TObject* sender)
{
    for (size_t h = 0; h < 2; ++h) {
        TGpioHeaderControls& typed = headers[h];
        TGpioHeaderControls& mirror = headers[1 - h];
        if (sender == typed.Prefix && typed.Prefix->Enabled() && !mirror.Prefix->Enabled() &&
            mirror.Prefix->Text() != typed.Prefix->Text())
            mirror.Prefix->SetText(typed.Prefix->Text());
    }
}
