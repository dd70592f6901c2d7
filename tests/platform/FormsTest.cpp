// The form layer: layouts at pixel positions, handlers bound by name, when
// the controls' events run, caught handler exceptions, posted messages, modal
// forms, ownership and hosting.
#include <QImage>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/Forms.h"
#include "platform/FormsTesting.h"
#include "platform/qt/FormWidgets.h"
#include "tests/support/SeamRecorder.h"

namespace forms_test {

namespace {

constexpr uint32_t WM_TEST = WM_USER + 7;

class TEventForm : public TForm {
public:
    explicit TEventForm(TForm* owner = nullptr);

    TGroupBox* GroupBoxConfig = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TComboBox* ComboBoxCard = nullptr;
    TEdit* EditName = nullptr;
    TListBox* ListBoxBoards = nullptr;
    TButton* ButtonGo = nullptr;
    TButton* ButtonThrow = nullptr;
    TButton* ButtonPost = nullptr;
    TLabel* LabelTitle = nullptr;

    int checkClicks = 0;
    int comboChanges = 0;
    int comboClicks = 0;
    int editChanges = 0;
    int listClicks = 0;
    int listDblClicks = 0;
    int goClicks = 0;
    int closes = 0;
    bool inHandler = false;
    std::vector<TMessage> messages;
    std::vector<bool> messagesWhileInHandler;
    std::function<void()> throwWhat = [] { throw std::runtime_error("Disk on fire"); };

    void CheckBoxClick(TObject*) { ++checkClicks; }
    void ComboBoxCardChange(TObject*) { ++comboChanges; }
    void ComboBoxCardClick(TObject*) { ++comboClicks; }
    void EditNameChange(TObject*) { ++editChanges; }
    void ListBoxBoardsClick(TObject*) { ++listClicks; }
    void ListBoxBoardsDblClick(TObject*) { ++listDblClicks; }
    void ButtonGoClick(TObject*) { ++goClicks; }
    void ButtonThrowClick(TObject*) { throwWhat(); }
    void ButtonPostClick(TObject*)
    {
        inHandler = true;
        PostMessage(this, WM_TEST, 3, -4);
        inHandler = false;
    }
    void FormClose(TObject*, TCloseAction&) { ++closes; }
    void WndProc(TMessage& message) override
    {
        messages.push_back(message);
        messagesWhileInHandler.push_back(inHandler);
        if (message.LParam == 99) throw std::runtime_error("Bad message");
    }
};

const TFormSpec kEventLayout = {
    .Name = "TFORMEVENTS",
    .Caption = "Events",
    .ClientWidth = 500,
    .ClientHeight = 300,
    .BorderStyle = bsNone,
    .OnClose = "FormClose",
    .Controls =
        {
            {.Kind = TControlKind::Label, .Name = "LabelTitle", .Left = 10, .Top = 5, .Width = 10, .Height = 10,
             .Caption = "A rather long title that does not fit", .Bold = true},
            {.Kind = TControlKind::GroupBox, .Name = "GroupBoxConfig", .Left = 200, .Top = 10, .Width = 280,
             .Height = 200, .Caption = "System Configuration"},
            {.Kind = TControlKind::CheckBox, .Name = "CheckBoxLED", .Parent = "GroupBoxConfig", .Left = 8, .Top = 24,
             .Width = 120, .Height = 20, .Caption = "LED x 10", .OnClick = "CheckBoxClick", .Checked = true},
            {.Kind = TControlKind::ComboBox, .Name = "ComboBoxCard", .Parent = "GroupBoxConfig", .Left = 8,
             .Top = 60, .Width = 200, .Height = 24, .OnClick = "ComboBoxCardClick", .OnChange = "ComboBoxCardChange",
             .Items = "None\nGPIO Default\nCamera", .ItemIndex = 0},
            {.Kind = TControlKind::Edit, .Name = "EditName", .Parent = "GroupBoxConfig", .Left = 8, .Top = 100,
             .Width = 200, .Height = 24, .Caption = "HOLLARNE", .OnChange = "EditNameChange", .MaxLength = 5},
            {.Kind = TControlKind::ListBox, .Name = "ListBoxBoards", .Left = 10, .Top = 40, .Width = 150,
             .Height = 100, .OnClick = "ListBoxBoardsClick", .OnDblClick = "ListBoxBoardsDblClick",
             .Items = "One\nTwo\nThree", .ItemHeight = 20},
            {.Kind = TControlKind::Button, .Name = "ButtonGo", .Left = 10, .Top = 260, .Width = 80, .Height = 30,
             .Caption = "Go", .OnClick = "ButtonGoClick", .HandCursor = true, .Default = true},
            {.Kind = TControlKind::Button, .Name = "ButtonThrow", .Left = 100, .Top = 260, .Width = 80, .Height = 30,
             .Caption = "Throw", .OnClick = "ButtonThrowClick"},
            {.Kind = TControlKind::Button, .Name = "ButtonPost", .Left = 190, .Top = 260, .Width = 80, .Height = 30,
             .Caption = "Post", .OnClick = "ButtonPostClick"},
        },
};

TEventForm::TEventForm(TForm* owner) : TForm(owner)
{
    LoadLayout(kEventLayout, {
                                 {"CheckBoxClick", Bind(&TEventForm::CheckBoxClick)},
                                 {"ComboBoxCardChange", Bind(&TEventForm::ComboBoxCardChange)},
                                 {"ComboBoxCardClick", Bind(&TEventForm::ComboBoxCardClick)},
                                 {"EditNameChange", Bind(&TEventForm::EditNameChange)},
                                 {"ListBoxBoardsClick", Bind(&TEventForm::ListBoxBoardsClick)},
                                 {"ListBoxBoardsDblClick", Bind(&TEventForm::ListBoxBoardsDblClick)},
                                 {"ButtonGoClick", Bind(&TEventForm::ButtonGoClick)},
                                 {"ButtonThrowClick", Bind(&TEventForm::ButtonThrowClick)},
                                 {"ButtonPostClick", Bind(&TEventForm::ButtonPostClick)},
                                 {"FormClose", Bind(&TEventForm::FormClose)},
                             });
    GroupBoxConfig = Find<TGroupBox>("GroupBoxConfig");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    ComboBoxCard = Find<TComboBox>("ComboBoxCard");
    EditName = Find<TEdit>("EditName");
    ListBoxBoards = Find<TListBox>("ListBoxBoards");
    ButtonGo = Find<TButton>("ButtonGo");
    ButtonThrow = Find<TButton>("ButtonThrow");
    ButtonPost = Find<TButton>("ButtonPost");
    LabelTitle = Find<TLabel>("LabelTitle");
}

class FormsTest : public ::testing::Test {
protected:
    SeamRecorder seam;
};

TEST_F(FormsTest, LayoutPlacesControlsAtTheirPixelPositionsInsideTheirParents)
{
    TEventForm form;
    EXPECT_EQ(form.LayoutName(), "TFORMEVENTS");
    EXPECT_EQ(form.Caption(), "Events");
    EXPECT_EQ(form.ClientWidth(), 500);
    EXPECT_EQ(form.ClientHeight(), 300);

    EXPECT_EQ(form.CheckBoxLED->Parent(), form.GroupBoxConfig);
    EXPECT_EQ(form.CheckBoxLED->Widget()->parentWidget(), form.GroupBoxConfig->Widget());
    EXPECT_EQ(form.CheckBoxLED->Left(), 8);
    EXPECT_EQ(form.CheckBoxLED->Top(), 24);
    EXPECT_EQ(form.CheckBoxLED->Width(), 120);
    EXPECT_EQ(form.CheckBoxLED->Height(), 20);
    EXPECT_EQ(form.GroupBoxConfig->Left(), 200);
    EXPECT_EQ(form.GroupBoxConfig->Caption(), "System Configuration");
    EXPECT_EQ(form.ButtonGo->Widget()->parentWidget(), form.Widget());
    EXPECT_EQ(form.ButtonGo->Caption(), "Go");
    EXPECT_EQ(form.ButtonGo->Widget()->cursor().shape(), Qt::PointingHandCursor);

    // Settings of the layout: a tick, items and selection, a text cut at the
    // maximum length, a bold label that grows to its text.
    EXPECT_TRUE(form.CheckBoxLED->Checked());
    ASSERT_EQ(form.ComboBoxCard->ItemCount(), 3);
    EXPECT_EQ(form.ComboBoxCard->ItemText(2), "Camera");
    EXPECT_EQ(form.ComboBoxCard->ItemIndex(), 0);
    EXPECT_EQ(form.EditName->Text(), "HOLLA");
    EXPECT_EQ(form.EditName->MaxLength(), 5);
    EXPECT_EQ(form.ListBoxBoards->ItemCount(), 3);
    EXPECT_EQ(form.ListBoxBoards->ItemIndex(), -1);
    EXPECT_TRUE(form.LabelTitle->Widget()->font().bold());
    EXPECT_GT(form.LabelTitle->Width(), 100);

    // Loading the layout ran no handler.
    EXPECT_EQ(form.checkClicks, 0);
    EXPECT_EQ(form.comboChanges + form.comboClicks + form.editChanges + form.listClicks, 0);
}

TEST_F(FormsTest, CheckBoxSetFromCodeRunsItsClickHandler)
{
    TEventForm form;
    form.CheckBoxLED->SetChecked(false);
    EXPECT_EQ(form.checkClicks, 1);
    form.CheckBoxLED->SetChecked(false);  // no change, no click
    EXPECT_EQ(form.checkClicks, 1);
    form.CheckBoxLED->SetChecked(true);
    EXPECT_EQ(form.checkClicks, 2);
    UserClick(form.CheckBoxLED);
    EXPECT_EQ(form.checkClicks, 3);
    EXPECT_FALSE(form.CheckBoxLED->Checked());
}

TEST_F(FormsTest, ComboBoxSetFromCodeRunsNoChangeHandlerButAUserPickDoes)
{
    TEventForm form;
    form.ComboBoxCard->SetItemIndex(2);
    form.ComboBoxCard->Clear();
    form.ComboBoxCard->AddItem("None");
    form.ComboBoxCard->AddItem("Camera");
    EXPECT_EQ(form.ComboBoxCard->ItemIndex(), -1);  // adding items selects nothing
    form.ComboBoxCard->SetItemIndex(1);
    EXPECT_EQ(form.comboChanges, 0);
    EXPECT_EQ(form.comboClicks, 0);

    UserPick(form.ComboBoxCard, 0);
    EXPECT_EQ(form.ComboBoxCard->ItemIndex(), 0);
    EXPECT_EQ(form.ComboBoxCard->Text(), "None");
    EXPECT_EQ(form.comboChanges, 1);
    EXPECT_EQ(form.comboClicks, 1);
    UserPick(form.ComboBoxCard, 0);  // the item already shown counts too
    EXPECT_EQ(form.comboChanges, 2);

    form.ComboBoxCard->SetEnabled(false);
    UserPick(form.ComboBoxCard, 1);
    EXPECT_EQ(form.comboChanges, 2);
    EXPECT_EQ(form.ComboBoxCard->ItemIndex(), 0);
}

TEST_F(FormsTest, ListBoxClicksComeFromTheUserOnlyAndEditChangesFromBoth)
{
    TEventForm form;
    form.ListBoxBoards->SetItemIndex(1);
    EXPECT_EQ(form.listClicks, 0);
    UserSelect(form.ListBoxBoards, 2);
    EXPECT_EQ(form.listClicks, 1);
    EXPECT_EQ(form.ListBoxBoards->ItemIndex(), 2);
    UserDoubleClick(form.ListBoxBoards, 0);
    EXPECT_EQ(form.listDblClicks, 1);
    EXPECT_EQ(form.ListBoxBoards->ItemIndex(), 0);
    EXPECT_EQ(form.ListBoxBoards->ItemText(0), "One");

    form.EditName->SetText("AB");
    EXPECT_EQ(form.editChanges, 1);
    UserType(form.EditName, "abcdefgh");
    EXPECT_EQ(form.EditName->Text(), "abcde");
    EXPECT_GE(form.editChanges, 2);
}

TEST_F(FormsTest, ExceptionThrownInAHandlerBecomesAnErrorBoxAndTheNextEventIsHandled)
{
    TEventForm form;
    UserClick(form.ButtonThrow);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Disk on fire"});
    UserClick(form.ButtonGo);
    EXPECT_EQ(form.goClicks, 1);

    // Anything else thrown shows an empty text.
    form.throwWhat = [] { throw 42; };
    UserClick(form.ButtonThrow);
    ASSERT_EQ(seam.ErrorTexts().size(), 2u);
    EXPECT_EQ(seam.ErrorTexts()[1], "");

    // A handler of a posted message is caught the same way.
    PostMessage(&form, WM_TEST, 0, 99);
    DeliverPostedMessages();
    ASSERT_EQ(seam.ErrorTexts().size(), 3u);
    EXPECT_EQ(seam.ErrorTexts()[2], "Bad message");
    UserClick(form.ButtonGo);
    EXPECT_EQ(form.goClicks, 2);
}

TEST_F(FormsTest, PostedMessageArrivesAfterTheHandlerHasReturned)
{
    TEventForm form;
    UserClick(form.ButtonPost);
    EXPECT_TRUE(form.messages.empty());
    DeliverPostedMessages();
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].Msg, WM_TEST);
    EXPECT_EQ(form.messages[0].WParam, 3u);
    EXPECT_EQ(form.messages[0].LParam, -4);
    EXPECT_FALSE(form.messagesWhileInHandler[0]);

    // A message to a form destroyed before delivery goes nowhere.
    auto* gone = new TEventForm;
    PostMessage(gone, WM_TEST, 0, 0);
    delete gone;
    DeliverPostedMessages();
}

TEST_F(FormsTest, BindingAHandlerTheFormDoesNotOfferIsAProgrammingError)
{
    TForm form(nullptr);
    TFormSpec spec = {.Name = "TFORMBAD",
                      .Controls = {{.Kind = TControlKind::Button, .Name = "ButtonGo", .OnClick = "ButtonGoClick"}}};
    EXPECT_THROW(form.LoadLayout(spec, {}), InvariantFailure);

    TForm other(nullptr);
    TFormSpec wrongEvent = {.Name = "TFORMBAD",
                            .Controls = {{.Kind = TControlKind::Button, .Name = "ButtonGo", .OnChange = "Go"}}};
    EXPECT_THROW(other.LoadLayout(wrongEvent, {{"Go", [](TObject*) {}}}), InvariantFailure);

    TEventForm events;
    EXPECT_THROW(events.Find<TButton>("CheckBoxLED"), InvariantFailure);
    EXPECT_THROW(events.Find<TButton>("ButtonMissing"), InvariantFailure);
}

TEST_F(FormsTest, ModalFormReturnsTheResultItsHandlerSets)
{
    TEventForm owner;
    TForm dialog(&owner);
    dialog.LoadLayout({.Name = "TFORMDIALOG",
                       .ClientWidth = 200,
                       .ClientHeight = 100,
                       .BorderStyle = bsDialog,
                       .Controls = {{.Kind = TControlKind::Button, .Name = "ButtonOK", .Caption = "OK",
                                     .OnClick = "ButtonOKClick"}}},
                      {{"ButtonOKClick", [&dialog](TObject*) { dialog.SetModalResult(mrOk); }}});
    bool failed = false;
    WhenModalShows(
        [](TForm& form) {
            EXPECT_TRUE(form.IsModal());
            EXPECT_TRUE(form.Visible());
            UserClick(form.Find<TButton>("ButtonOK"));
        },
        &failed);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(failed);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
}

TEST_F(FormsTest, EnterPressesTheFocusedButtonOtherwiseTheDefaultOne)
{
    TEventForm form;
    form.Show();
    // A focused button takes Enter for itself, also from the keypad; the
    // Default button stays unpressed.
    UserPressKeyOn(form.ButtonPost, TUserKey::Enter);
    DeliverPostedMessages();
    EXPECT_EQ(form.messages.size(), 1u);
    UserPressKeyOn(form.ButtonThrow, TUserKey::KeypadEnter);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Disk on fire"});
    EXPECT_EQ(form.goClicks, 0);
    // Escape on a focused button is not Enter.
    UserPressKeyOn(form.ButtonPost, TUserKey::Escape);
    DeliverPostedMessages();
    EXPECT_EQ(form.messages.size(), 1u);
    // Any other control passes Enter on to the Default button.
    UserPressKeyOn(form.EditName, TUserKey::Enter);
    UserPressKeyOn(form.ComboBoxCard, TUserKey::KeypadEnter);
    UserPressKeyOn(form.CheckBoxLED, TUserKey::Enter);
    EXPECT_EQ(form.goClicks, 3);
    EXPECT_EQ(form.messages.size(), 1u);
    // A disabled Default button is not pressed.
    form.ButtonGo->SetEnabled(false);
    UserPressKeyOn(form.EditName, TUserKey::Enter);
    EXPECT_EQ(form.goClicks, 3);
}

TEST_F(FormsTest, AnEditHoldsAtMostItsLimitInBytes)
{
    TEventForm form;  // EditName: at most 5 bytes
    UserType(form.EditName, "\xc3\xa9\xc3\xa9\xc3\xa9");  // three two-byte letters: two fit
    EXPECT_EQ(form.EditName->Text(), "\xc3\xa9\xc3\xa9");
    // Typing into a full edit keeps what is there.
    auto* line = static_cast<QLineEdit*>(form.EditName->Widget());
    line->setCursorPosition(1);
    line->insert("x");
    EXPECT_EQ(form.EditName->Text(), "\xc3\xa9x\xc3\xa9");
    line->insert("yz");
    EXPECT_EQ(form.EditName->Text(), "\xc3\xa9x\xc3\xa9");
    // A pasted piece keeps its start, in whole characters, and the text after the cursor.
    form.EditName->SetText("ab");
    line->setCursorPosition(1);
    line->insert("\xe8\xaf\x95\xe9\xaa\x8c");  // two three-byte letters: one fits
    EXPECT_EQ(form.EditName->Text(), "a\xe8\xaf\x95" "b");
    EXPECT_EQ(line->cursorPosition(), 2);
    line->insert("\xf0\x9f\x99\x82");  // four bytes, one character of two UTF-16 units: none fits
    EXPECT_EQ(form.EditName->Text(), "a\xe8\xaf\x95" "b");
    // Text set by code is cut the same way; a limit of 0 holds anything.
    form.EditName->SetText("\xe8\xaf\x95\xe9\xaa\x8c");
    EXPECT_EQ(form.EditName->Text(), "\xe8\xaf\x95");
    form.EditName->SetMaxLength(0);
    form.EditName->SetText(std::string(300, 'n'));
    EXPECT_EQ(form.EditName->Text().size(), 300u);
    form.EditName->SetMaxLength(4);
    EXPECT_EQ(form.EditName->Text(), "nnnn");
    EXPECT_EQ(form.EditName->MaxLength(), 4);
}

class TDialogForm : public TForm {
public:
    explicit TDialogForm(bool systemMenu) : TForm(nullptr)
    {
        LoadLayout({.Name = "TFORMDIALOG",
                    .ClientWidth = 300,
                    .ClientHeight = 100,
                    .BorderStyle = bsDialog,
                    .SystemMenu = systemMenu,
                    .Controls =
                        {
                            {.Kind = TControlKind::Button, .Name = "ButtonOK", .Caption = "OK",
                             .OnClick = "ButtonOKClick", .Default = true},
                            {.Kind = TControlKind::Button, .Name = "ButtonCancel", .Left = 100, .Caption = "Cancel",
                             .OnClick = "ButtonCancelClick", .Cancel = true},
                        }},
                   {{"ButtonOKClick", [this](TObject*) { SetModalResult(mrOk); }},
                    {"ButtonCancelClick", [this](TObject*) { SetModalResult(mrCancel); }}});
        ButtonCancel = Find<TButton>("ButtonCancel");
    }
    TButton* ButtonCancel;
};

TEST_F(FormsTest, EscapeAndTheCloseBoxLeaveADialogOnlyThroughAnEnabledCancelButton)
{
    {
        TDialogForm dialog(false);
        WhenModalShows([](TForm& form) { UserPressKey(&form, TUserKey::Escape); });
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
    }
    {
        TDialogForm dialog(false);
        WhenModalShows([](TForm& form) { UserCloseWindow(&form); });
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
    }
    {
        // Cancel disabled: neither Escape nor the close box ends the dialog.
        TDialogForm dialog(false);
        dialog.ButtonCancel->SetEnabled(false);
        bool stillModal = false;
        WhenModalShows([&stillModal](TForm& form) {
            UserPressKey(&form, TUserKey::Escape);
            UserCloseWindow(&form);
            UserClick(form.Find<TButton>("ButtonCancel"));
            DeliverPostedMessages();
            stillModal = form.IsModal() && form.ModalResult() == mrNone;
            UserPressKey(&form, TUserKey::Enter);  // the default button
        });
        EXPECT_EQ(dialog.ShowModal(), mrOk);
        EXPECT_TRUE(stillModal);
    }
    {
        // With a close box, closing the window cancels.
        TDialogForm dialog(true);
        dialog.ButtonCancel->SetEnabled(false);
        WhenModalShows([](TForm& form) { UserCloseWindow(&form); });
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
    }
}

TEST_F(FormsTest, CloseRunsOnCloseAndHidesTheForm)
{
    TEventForm form;
    form.Show();
    EXPECT_TRUE(form.Visible());
    form.Close();
    EXPECT_EQ(form.closes, 1);
    EXPECT_FALSE(form.Visible());
    form.Show();
    UserCloseWindow(&form);
    EXPECT_EQ(form.closes, 2);
    EXPECT_FALSE(form.Visible());
}

class TCountedForm : public TForm {
public:
    TCountedForm(TForm* owner, int* destroyed) : TForm(owner), m_Destroyed(destroyed) {}
    ~TCountedForm() override { ++*m_Destroyed; }

private:
    int* m_Destroyed;
};

TEST_F(FormsTest, AnOwnerDestroysItsFormsAndAHostedFormSitsAtItsClientOrigin)
{
    int destroyed = 0;
    auto* owner = new TEventForm;
    auto* first = new TCountedForm(owner, &destroyed);
    auto* second = new TCountedForm(owner, &destroyed);
    delete second;
    EXPECT_EQ(destroyed, 1);

    first->LoadLayout({.Name = "TFORMHOSTED", .ClientWidth = 640, .ClientHeight = 480, .BorderStyle = bsNone,
                       .Controls = {}});
    first->SetParent(owner);
    first->SetLeft(0);
    first->SetTop(0);
    first->Show();
    EXPECT_EQ(first->HostForm(), owner);
    EXPECT_EQ(first->Widget()->parentWidget(), owner->Widget());
    EXPECT_EQ(first->Left(), 0);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(first->Width(), 640);
    EXPECT_TRUE(first->Visible());

    delete owner;
    EXPECT_EQ(destroyed, 2);
}

TEST_F(FormsTest, PictureResourcesLoadWithoutRegardToCaseAndAMissingOneRaisesTheResourceError)
{
    TForm form(nullptr);
    form.LoadLayout({.Name = "TFORMIMAGE",
                     .ClientWidth = 200,
                     .ClientHeight = 200,
                     .Controls = {{.Kind = TControlKind::Image, .Name = "ImageCard", .Left = 5, .Top = 5,
                                   .Width = 10, .Height = 10, .Picture = "tavrel_80_bitmap", .AutoSize = true}}});
    TImage* image = form.Find<TImage>("ImageCard");
    EXPECT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 80);
    EXPECT_EQ(image->Height(), 80);
    try {
        image->LoadFromResourceName("NO_SUCH_BITMAP");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_BITMAP not found");
    }
    EXPECT_TRUE(image->HasPicture());  // the old picture stays
}

TEST_F(FormsTest, ShapeDrawsOnlyItsOutlineOverThePictureBelow)
{
    TForm form(nullptr);
    form.LoadLayout({.Name = "TFORMSHAPE",
                     .ClientWidth = 100,
                     .ClientHeight = 100,
                     .Color = clBlue,
                     .Controls = {{.Kind = TControlKind::Shape, .Name = "ShapeLED", .Left = 10, .Top = 10,
                                   .Width = 50, .Height = 40, .PenColor = clYellow, .PenWidth = 3,
                                   .BrushStyle = bsClear}}});
    const QImage picture = form.Widget()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(11, 30), QColor(255, 255, 0));  // the outline, inside the shape's bounds
    EXPECT_EQ(picture.pixelColor(58, 30), QColor(255, 255, 0));
    EXPECT_EQ(picture.pixelColor(35, 30), QColor(0, 0, 255));  // the inside lets the form show
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(0, 0, 255));
}

TEST_F(FormsTest, PaintBoxDrawsThroughItsPaintHandler)
{
    TForm form(nullptr);
    int paints = 0;
    form.LoadLayout({.Name = "TFORMPAINT",
                     .ClientWidth = 60,
                     .ClientHeight = 60,
                     .Color = clWhite,
                     .Controls = {{.Kind = TControlKind::PaintBox, .Name = "PaintBoxHint", .Left = 0, .Top = 0,
                                   .Width = 60, .Height = 60, .OnPaint = "PaintBoxHintPaint"}}},
                    {{"PaintBoxHintPaint", [&](TObject* sender) {
                          ++paints;
                          TCanvas* canvas = static_cast<TPaintBox*>(sender)->Canvas();
                          ASSERT_NE(canvas, nullptr);
                          canvas->SetPen(clRed, 1);
                          canvas->MoveTo(0, 20);
                          canvas->LineTo(60, 20);
                      }}});
    const QImage picture = form.Widget()->grab().toImage();
    EXPECT_GE(paints, 1);
    EXPECT_EQ(picture.pixelColor(30, 20), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(30, 40), QColor(255, 255, 255));
    EXPECT_EQ(form.Find<TPaintBox>("PaintBoxHint")->Canvas(), nullptr);
}

TEST_F(FormsTest, ScreenSizeAndExecutablePathCanBeStoodInFor)
{
    SetScreenSizeForTesting(1280, 1024);
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(ScreenHeight(), 1024);
    SetScreenSizeForTesting(0, 0);
    EXPECT_GT(ScreenWidth(), 0);

    SetExecutablePathForTesting("/tmp/somewhere/pinloom");
    EXPECT_EQ(ExecutablePath(), "/tmp/somewhere/pinloom");
    SetExecutablePathForTesting("");
    EXPECT_EQ(ExecutablePath().front(), '/');
}

}  // namespace

}  // namespace forms_test
