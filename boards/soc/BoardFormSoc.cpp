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
    m_BatchRunning = true;
    try {
        RunBatchGeneration(*this, *rule, BatchCards());
    } catch (...) {
        m_BatchRunning = false;
        throw;
    }
    m_BatchRunning = false;
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
    if (m_BatchRunning) return;
    for (size_t h = 0; h < 2; ++h) {
        TGpioHeaderControls& typed = headers[h];
        TGpioHeaderControls& mirror = headers[1 - h];
        if (sender == typed.Prefix && typed.Prefix->Enabled() && !mirror.Prefix->Enabled() &&
            mirror.Prefix->Text() != typed.Prefix->Text())
            mirror.Prefix->SetText(typed.Prefix->Text());
    }
}

std::vector<TSocGroup> TSocBoardForm::BindGroups(const soclayout::TGroupCheckBox* boxes, std::size_t count) const
{
    std::vector<TSocGroup> groups;
    for (std::size_t i = 0; i < count; ++i) {
        TSocGroup group{Find<TCheckBox>(boxes[i].Name), boxes[i].Flag, {Find<TShape>(boxes[i].Shape)}};
        if (boxes[i].SecondShape) group.Shapes.push_back(Find<TShape>(boxes[i].SecondShape));
        groups.push_back(group);
    }
    return groups;
}

bool TSocBoardForm::IsDefaultGpioPair(std::span<const TGpioHeaderControls> headers, const uint8_t* ids)
{
    if (headers.size() != 2) return false;
    for (const TGpioHeaderControls& header : headers)
        if (SelectedCard(header.Combo, ids) != 1 || !header.Prefix->Text().empty()) return false;
    return true;
}

bool TSocBoardForm::CheckGpioHeaderPrefixes(uint8_t board, std::span<const TGpioHeaderControls> headers,
                                            const uint8_t* ids, std::string& message)
{
    std::vector<DaughterId> cards;
    std::vector<std::string> prefixes;
    std::vector<TCardPrefix> connectors;
    for (size_t h = 0; h < headers.size(); ++h) {
        cards.push_back(SelectedCard(headers[h].Combo, ids));
        prefixes.push_back(headers[h].Prefix->Text());
        connectors.push_back({cards.back(), prefixes.back(), headers.size() == 1 ? "GPIO" : Format("GPIO-%zu", h)});
    }
    if (!CheckCardPrefixes(board, connectors, message)) return false;
    if (IsDefaultGpioPair(headers, ids)) return true;
    return CheckGpioPrefixNames(static_cast<int32_t>(headers.size()), cards.data(), prefixes.data(), message);
}

void TSocBoardForm::UpdateGpioPictures(std::span<const TGpioHeaderControls> headers, const uint8_t* ids)
{
    for (const TGpioHeaderControls& header : headers) ShowCardPicture(header.Picture, SelectedCard(header.Combo, ids));
}

void TSocBoardForm::UpdateGpioShapes(std::span<const TGpioHeaderControls> headers)
{
    for (const TGpioHeaderControls& header : headers) header.Shape->SetVisible(header.Combo->ItemIndex() != 0);
}

void TSocBoardForm::AttachGpioHeaderCards(TMainBoard* board, std::span<const uint8_t> cards,
                                          std::span<const std::string> prefixes, bool defaultPair)
{
    PL_ASSERT(cards.size() == prefixes.size() && cards.size() <= 2);
    const auto id = [&](size_t h) { return static_cast<int8_t>(cards[h]); };
    if (cards.size() == 2 && id(0) > 0 && id(1) > 0 && id(0) == id(1) && IsEightyPinCard(cards[0])) {
        board->AttachGpioCard(18, cards[0], IO_STD_3V3_LVTTL, nullptr, prefixes[0].c_str());
    } else if (defaultPair) {
        board->AttachGpioCard(16, cards[0], IO_STD_3V3_LVTTL, "GPIO_0", nullptr);
        board->AttachGpioCard(17, cards[1], IO_STD_3V3_LVTTL, "GPIO_1", nullptr);
    } else {
        for (size_t h = 0; h < cards.size(); ++h)
            if (id(h) > 0)
                board->AttachGpioCard(static_cast<uint8_t>(16 + h), cards[h], IO_STD_3V3_LVTTL, nullptr,
                                      prefixes[h].c_str());
    }
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
