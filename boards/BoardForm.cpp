#include "boards/BoardForm.h"

#include "model/Text.h"
#include "platform/Seam.h"

void ShowGenerateSucceeded(const std::string& qpfPath)
{
    seam::ShowInformation(Format("Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n%s",
                                 ExtractFilePath(qpfPath).c_str()));
}

void ShowGenerateFailed(const std::string& qpfPath)
{
    seam::ShowError(Format("Failed to generate Quartus project: %s.", ExtractFileName(qpfPath).c_str()));
}

void TBoardForm::Leave()
{
    if (m_Left) return;
    m_Left = true;
    RunHandler([this] { FormLeave(); });
}

void TBoardForm::DoClose(TCloseAction& action)
{
    TForm::DoClose(action);
    if (action != TCloseAction::caNone) Leave();
}

TBoardFormHost* TBoardForm::Host() const { return dynamic_cast<TBoardFormHost*>(Owner()); }

void TBoardForm::FillCardCombo(TComboBox* combo, int32_t count, const uint8_t* ids)
{
    combo->Clear();
    for (int32_t k = 0; k < count; ++k) combo->AddItem(GetCardDisplayName(ids[k]));
    combo->SetItemIndex(0);
    combo->SetDropDownCount(count);
}

DaughterId TBoardForm::SelectedCard(const TComboBox* combo, const uint8_t* ids)
{
    const int index = combo->ItemIndex();
    return index < 0 ? 0 : ids[index];
}

void TBoardForm::SelectCard(TComboBox* combo, int32_t count, const uint8_t* ids, DaughterId card)
{
    for (int32_t k = 0; k < count; ++k) {
        if (ids[k] == card) {
            combo->SetItemIndex(k);
            return;
        }
    }
}

void TBoardForm::ShowCardPicture(TImage* image, DaughterId card)
{
    TBoardFormHost* host = Host();
    PL_ASSERT(host != nullptr);
    host->ShowCardPicture(image, card);
}

void TBoardForm::CoupleGpioPair(TObject* changed, TComboBox* const (&combos)[2], TEdit* const (&prefixes)[2],
                                const uint8_t* ids)
{
    const int from = changed == combos[1] ? 1 : 0;
    TComboBox* otherCombo = combos[1 - from];
    TEdit* otherPrefix = prefixes[1 - from];
    if (GetCardConnectorType(SelectedCard(combos[from], ids)) == CONNECTOR_GPIO80) {
        otherCombo->SetItemIndex(combos[from]->ItemIndex());
        otherPrefix->SetText(prefixes[from]->Text());
        otherCombo->SetEnabled(false);
        otherPrefix->SetEnabled(false);
        return;
    }
    otherCombo->SetEnabled(true);
    otherPrefix->SetEnabled(true);
    if (GetCardConnectorType(SelectedCard(otherCombo, ids)) == CONNECTOR_GPIO80) {
        otherCombo->SetItemIndex(0);
        otherPrefix->SetText("");
    }
}
