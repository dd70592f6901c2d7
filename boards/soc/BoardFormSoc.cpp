#include "boards/soc/BoardFormSoc.h"

#include "cards/PrefixFit.h"
#include "generate/Pinloom.h"
#include "model/Names.h"
#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The form colour of the family (red 235, green 233, blue 237).
constexpr TColor kFormColor = 15591915;

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

bool TSocBoardForm::Validate(bool generating)
{
    std::string message;
    const std::string& name = m_ProjectName->Text();
    const bool ok = (generating ? CheckProjectName(name, message) : CheckProjectNameGiven(name, message)) &&
                    ValidateCards(generating, message);
    if (!ok) seam::ShowError(message);
    return ok;
}

bool TSocBoardForm::CheckCardPrefixes(uint8_t board, const std::vector<TCardPrefix>& connectors, bool generating,
                                      std::string& message)
{
    for (const TCardPrefix& connector : connectors)
        if (!CheckCardPrefix(connector.Card, board, connector.Prefix, connector.Label, generating, message))
            return false;
    return true;
}

void TSocBoardForm::ButtonGenClick(TObject*)
{
    if (!Validate(true)) return;
    if (BatchRule() && IsBatchKeyHeld()) {
        GenerateBatch();
        return;
    }
    const std::string path = AskProjectFilePath("", BoardFolderWord(), m_ProjectName->Text());
    if (path.empty()) return;
    if (Generate(path)) {
        ShowGenerateSucceeded(path);
        AfterGenerateSuccess();
    } else {
        ShowGenerateFailed(path);
    }
}

void TSocBoardForm::ShowHpsWarning()
{
    seam::ShowInformation(std::string("===== HPS System warning =====\r\n") +
                          "To prevent any errors while compiling your Quartus project, \r\n" +
                          "please add the Altera HPS IP to your design.\r\n");
}

void TSocBoardForm::GenerateBatch()
{
    const TBatchRule* rule = BatchRule();
    PL_ASSERT(rule);
    RunBatchGeneration(*this, *rule, BatchCards());
}

std::string TSocBoardForm::AskBatchProjectFile()
{
    return AskProjectFilePath("", BoardFolderWord(), m_ProjectName->Text());
}

void TSocBoardForm::SaveBatchControls()
{
    m_BatchProjectName = m_ProjectName->Text();
    SaveBatchCards();
}

void TSocBoardForm::RestoreBatchControls()
{
    m_ProjectName->SetText(m_BatchProjectName);
    RestoreBatchCards();
}

void TSocBoardForm::ShowBatchItem(int item, const std::string& projectName)
{
    ShowBatchCard(item);
    m_ProjectName->SetText(projectName);
}

void TSocBoardForm::ButtonSaveClick(TObject*)
{
    if (!Validate(false) || !StoreHeld()) return;
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

std::vector<TSocGroup> TSocBoardForm::BindGroups(const formlayout::TGroupCheckBox* boxes, std::size_t count) const
{
    std::vector<TSocGroup> groups;
    for (std::size_t i = 0; i < count; ++i) {
        TSocGroup group{Find<TCheckBox>(boxes[i].Name), boxes[i].Flag, {Find<TShape>(boxes[i].Shape)}};
        if (boxes[i].SecondShape) group.Shapes.push_back(Find<TShape>(boxes[i].SecondShape));
        groups.push_back(group);
    }
    return groups;
}

bool TSocBoardForm::RunGeneration(TMainBoard* board, const std::string& qpfPath, bool vhdl)
{
    auto pinloom = std::make_unique<TPinloom>();
    return pinloom->Generate(board, qpfPath, vhdl);
}

void TSocBoardForm::ShowGroupFlags(const std::vector<TSocGroup>& groups, const void* record)
{
    const auto* bytes = static_cast<const uint8_t*>(record);
    for (const TSocGroup& group : groups) group.Box->SetChecked(bytes[group.FlagOffset] != 0);
}

void TSocBoardForm::StoreGroupFlags(const std::vector<TSocGroup>& groups, void* record)
{
    auto* bytes = static_cast<uint8_t*>(record);
    for (const TSocGroup& group : groups) bytes[group.FlagOffset] = group.Box->Checked() ? 1 : 0;
}

void TSocBoardForm::UpdateGroupShapes(const std::vector<TSocGroup>& groups)
{
    for (const TSocGroup& group : groups)
        for (TShape* shape : group.Shapes) shape->SetVisible(group.Box->Checked());
}
