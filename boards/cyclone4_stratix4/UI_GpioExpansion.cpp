#include "boards/cyclone4_stratix4/UI_GpioExpansion.h"

#include "boards/BoardForm.h"
#include "boards/frame/BoardFormFrame.h"
#include "platform/Seam.h"

namespace {

TFormSpec GpioExpansionLayout()
{
    TFormSpec spec{.Name = "TFORMGPIO",
                   .Caption = "GPIO Expansion",
                   .ClientWidth = 424,
                   .ClientHeight = 300,
                   .BorderStyle = bsDialog,
                   .Position = poOwnerFormCenter,
                   .Controls = {}};
    auto& c = spec.Controls;
    const char* box = "GroupBoxGpio";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = box, .Left = 8, .Top = 8, .Width = 408, .Height = 240,
                 .Caption = "GPIO Expansion"});
    struct Header {
        const char *Title, *TitleName, *Combo, *PrefixLabel, *Edit, *Image;
    };
    const Header headers[2] = {
        {"GPIO-0 Header", "LabelGpio0", "ComboBoxGpio0", "LabelPrefixGpio0", "EditPrefixGpio0", "ImageGpio0"},
        {"GPIO-1 Header", "LabelGpio1", "ComboBoxGpio1", "LabelPrefixGpio1", "EditPrefixGpio1", "ImageGpio1"}};
    for (int h = 0; h < 2; ++h) {
        const int top = 22 + 110 * h;
        c.push_back(FrameLabel(headers[h].TitleName, box, 14, top, 220, headers[h].Title, true));
        c.push_back(FrameComboBox(headers[h].Combo, box, 14, top + 22, 280, "ComboBoxGpioChange"));
        c.push_back(FrameLabel(headers[h].PrefixLabel, box, 14, top + 62, 84, "Prefix Name:"));
        TControlSpec edit = FrameEdit(headers[h].Edit, box, 100, top + 58, 194);
        edit.MaxLength = TFrameBoardForm::kMaxNameLength;
        c.push_back(edit);
        c.push_back({.Kind = TControlKind::Image, .Name = headers[h].Image, .Parent = box, .Left = 314,
                     .Top = top + 4, .Width = 80, .Height = 80, .Visible = false});
    }
    // Neither button is pressed by Enter or Escape: the dialog is left by a
    // click on one of them, or by its close box (as Cancel).
    c.push_back(FrameButton("ButtonOk", 232, 260, 88, "OK", "ButtonOkClick"));
    c.push_back(FrameButton("ButtonCancel", 328, 260, 88, "Cancel", "ButtonCancelClick"));
    return spec;
}

}  // namespace

TFormGPIO::TFormGPIO(TForm* owner) : TForm(owner)
{
    LoadLayout(GpioExpansionLayout(), {{"ComboBoxGpioChange", Bind(&TFormGPIO::ComboBoxGpioChange)},
                                       {"ButtonOkClick", Bind(&TFormGPIO::ButtonOkClick)},
                                       {"ButtonCancelClick", Bind(&TFormGPIO::ButtonCancelClick)}});
    GroupBoxGpio = Find<TGroupBox>("GroupBoxGpio");
    ComboBoxGpio0 = Find<TComboBox>("ComboBoxGpio0");
    ComboBoxGpio1 = Find<TComboBox>("ComboBoxGpio1");
    EditPrefixGpio0 = Find<TEdit>("EditPrefixGpio0");
    EditPrefixGpio1 = Find<TEdit>("EditPrefixGpio1");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ImageGpio1 = Find<TImage>("ImageGpio1");
    ButtonOk = Find<TButton>("ButtonOk");
    ButtonCancel = Find<TButton>("ButtonCancel");
}

TFormGPIO::~TFormGPIO() = default;

void TFormGPIO::SetGpio0Index(int32_t index)
{
    if (m_Gpio0Index != index) m_Gpio0Index = index;
}

void TFormGPIO::SetGpio1Index(int32_t index)
{
    if (m_Gpio1Index != index) m_Gpio1Index = index;
}

void TFormGPIO::SetGpio0Prefix(const std::string& prefix)
{
    if (m_Gpio0Prefix != prefix) m_Gpio0Prefix = prefix;
}

void TFormGPIO::SetGpio1Prefix(const std::string& prefix)
{
    if (m_Gpio1Prefix != prefix) m_Gpio1Prefix = prefix;
}

int TFormGPIO::Execute()
{
    FormShow(this);
    return ShowModal();
}

void TFormGPIO::FormShow(TObject*)
{
    ComboBoxGpio0->SetItemIndex(m_Gpio0Index);
    ComboBoxGpio1->SetItemIndex(m_Gpio1Index);
    EditPrefixGpio0->SetText(m_Gpio0Prefix);
    EditPrefixGpio1->SetText(m_Gpio1Prefix);
    CoupleGpioHeaders(this);
}

void TFormGPIO::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
}

void TFormGPIO::ButtonOkClick(TObject*)
{
    m_Gpio0Index = ComboBoxGpio0->ItemIndex();
    m_Gpio1Index = ComboBoxGpio1->ItemIndex();
    m_Gpio0Prefix = EditPrefixGpio0->Text();
    m_Gpio1Prefix = EditPrefixGpio1->Text();
    SetModalResult(mrOk);
}

void TFormGPIO::ButtonCancelClick(TObject*) { SetModalResult(mrCancel); }

DaughterId TFormGPIO::CardOf(const TComboBox* combo) const
{
    PL_ASSERT(m_pCardListHolder);
    const int index = combo->ItemIndex();
    return index < 0 || index >= m_pCardListHolder->m_CardCount ? 0 : m_pCardListHolder->m_CardIds[index];
}

void TFormGPIO::UpdateCardPictures()
{
    TBoardFormHost* host = nullptr;
    for (TForm* form = Owner(); form && !host; form = form->Owner()) host = dynamic_cast<TBoardFormHost*>(form);
    PL_ASSERT(host);
    host->ShowCardPicture(ImageGpio0, CardOf(ComboBoxGpio0));
    host->ShowCardPicture(ImageGpio1, CardOf(ComboBoxGpio1));
}

void TFormGPIO::CoupleGpioHeaders(TObject* Sender)
{
    // The header that was chosen on, and the other one.
    const bool fromGpio0 = Sender == ComboBoxGpio0;
    TComboBox* chosen = fromGpio0 ? ComboBoxGpio0 : ComboBoxGpio1;
    TEdit* chosenPrefix = fromGpio0 ? EditPrefixGpio0 : EditPrefixGpio1;
    TComboBox* other = fromGpio0 ? ComboBoxGpio1 : ComboBoxGpio0;
    TEdit* otherPrefix = fromGpio0 ? EditPrefixGpio1 : EditPrefixGpio0;
    if (GetCardConnectorType(CardOf(chosen)) == CONNECTOR_GPIO80) {
        other->SetItemIndex(chosen->ItemIndex());
        otherPrefix->SetText(chosenPrefix->Text());
        other->SetEnabled(false);
        otherPrefix->SetEnabled(false);
        return;
    }
    other->SetEnabled(true);
    otherPrefix->SetEnabled(true);
    if (GetCardConnectorType(CardOf(other)) == CONNECTOR_GPIO80) {
        other->SetItemIndex(0);
        otherPrefix->SetText("");
    }
}
