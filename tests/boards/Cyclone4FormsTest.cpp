// What the five board forms of the Cyclone IV and Stratix IV boards share:
// their row of the frame, the buttons they show, their colour, the board
// change they ask for, and default.cfg, written whenever the form goes away
// and read back at its size only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <array>
#include <functional>

#include "boards/cyclone4_stratix4/UI_Bristane.h"
#include "boards/cyclone4_stratix4/UI_Kestleford.h"
#include "boards/cyclone4_stratix4/UI_Ormsgill.h"
#include "boards/cyclone4_stratix4/UI_Pelverton.h"
#include "boards/cyclone4_stratix4/UI_Quenwick.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace cyclone4_forms_test {

using namespace form_test;

namespace {

struct FormCase {
    uint8_t id;
    const char* defaultName;
    size_t recordSize;
    const char* folderWord;
    bool loadFailureBox;
    bool successBox;
    const char* generateCaption;
    const char* saveCaption;
    bool defaultSetting;
    bool exitIsDefault;
    bool frameColour;  // the frame's colour (235, 233, 237); else the layout's button face
};

const FormCase kForms[] = {
    {MAINBOARD_ORMSGILL, "Ormsgill", 684, "Ormsgill", true, false, "Generate...", "Save Setting...", true, true,
     true},
    {MAINBOARD_PELVERTON, "F1_Ormsgill", 1336, "Pelverton", true, false, "Generate", "Save Setting", false, false,
     false},
    {MAINBOARD_QUENWICK, "Quenwick", 924, "Quenwick", true, false, "Generate...", "Save Setting...", true, true,
     true},
    {MAINBOARD_KESTLEFORD, "Kestleford", 432, "Kestleford", false, true, "Generate", "Save Setting...", false, true,
     true},
    {MAINBOARD_BRISTANE, "Bristane", 404, "Bristane", false, false, "Generate", "Save Setting", false, false, true},
};

class Cyclone4Forms : public BoardFormTest {};

}  // namespace

TEST_F(Cyclone4Forms, RowsButtonsBoardChangeAndDefaultCfg)
{
    for (const FormCase& c : kForms) {
        SCOPED_TRACE(c.defaultName);
        if (!main) main = std::make_unique<TFormMain>(nullptr);
        auto* form = BoardFormTest::Open<TFrameBoardForm>(c.id);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->EditProjectName->Text(), c.defaultName);
        EXPECT_EQ(std::string(form->Row().FolderWord), c.folderWord);
        EXPECT_EQ(form->Row().LoadFailureBox, c.loadFailureBox);
        EXPECT_EQ(form->Row().SuccessBox, c.successBox);
        EXPECT_TRUE(form->Row().PostsBoardChange);
        EXPECT_EQ(form->ButtonGen->Caption(), c.generateCaption);
        EXPECT_EQ(form->ButtonSave->Caption(), c.saveCaption);
        EXPECT_EQ(form->ButtonDefaultSetting != nullptr, c.defaultSetting);
        EXPECT_EQ(form->ButtonExit->Default, c.exitIsDefault);
        EXPECT_EQ(form->ButtonMainBoardSelect->Caption(), "Change Main Board");
        const QWidget* widget = form->Widget();
        const QColor colour = widget->palette().color(QPalette::Window);
        if (c.frameColour) {
            EXPECT_TRUE(widget->autoFillBackground());
            EXPECT_EQ(colour, QColor(235, 233, 237));
        } else {
            EXPECT_FALSE(widget->autoFillBackground());
            EXPECT_EQ(colour, QApplication::palette(widget).color(QPalette::Window));
            EXPECT_NE(colour, QColor(235, 233, 237));
        }

        // A project name of 127 characters fits its field.
        const std::string longName = "N" + std::string(126, 'a');
        UserType(form->EditProjectName, longName + "xyz");
        EXPECT_EQ(form->EditProjectName->Text(), longName);

        // "Change Main Board" brings up the board selector; cancelled, the
        // form stays.
        EXPECT_TRUE(BoardChangeShowsTheSelector(form->ButtonMainBoardSelect));
        EXPECT_EQ(main->BoardForm(), form);

        // The form goes away with the main form and writes its settings.
        main.reset();
        const std::string bytes = ReadFile(DefaultConfig());
        ASSERT_EQ(bytes.size(), c.recordSize);
        EXPECT_EQ(static_cast<uint8_t>(bytes[0]), c.id);

        // They are read back by the next form of the board (the start-up
        // board's form, once gone, leaves its own default.cfg behind).
        main = std::make_unique<TFormMain>(nullptr);
        main->CloseBoardForms();
        WriteFile(DefaultConfig(), bytes);
        main->OpenBoardForm(c.id);
        auto* again = dynamic_cast<TFrameBoardForm*>(main->BoardForm());
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->EditProjectName->Text(), longName);
        // ... and Exit closes the form, which writes them again, and the program.
        UserType(again->EditProjectName, "Exited");
        UserClick(again->ButtonExit);
        EXPECT_NE(ReadFile(DefaultConfig()).find("Exited"), std::string::npos);
        main.reset();
    }
}

namespace {

// Two GPIO headers on a bare form, for the coupling of an 80-pin card.
class GpioPairForm : public TBoardForm {
public:
    GpioPairForm() : TBoardForm(nullptr)
    {
        TFormSpec spec{.Name = "TFORMPAIR", .Caption = "Pair", .ClientWidth = 300, .ClientHeight = 100, .Controls = {}};
        spec.Controls = {FrameComboBox("ComboBoxGpio0", nullptr, 0, 0, 100, nullptr),
                         FrameComboBox("ComboBoxGpio1", nullptr, 0, 30, 100, nullptr),
                         FrameEdit("EditPrefixGpio0", nullptr, 120, 0, 100),
                         FrameEdit("EditPrefixGpio1", nullptr, 120, 30, 100)};
        LoadLayout(spec, {});
        for (int i = 0; i < 2; ++i) {
            combos[i] = Find<TComboBox>(i == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1");
            prefixes[i] = Find<TEdit>(i == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1");
            FillCardCombo(combos[i], 3, kIds);
        }
    }
    void Couple(TObject* changed)
    {
        std::array<TGpioHeaderControls, 2> headers{};
        for (size_t i = 0; i < headers.size(); ++i) headers[i] = {combos[i], prefixes[i], nullptr, nullptr};
        CoupleGpioHeaders(headers, changed, kIds);
    }

    static constexpr uint8_t kIds[3] = {0, 1, 11};  // None, GPIO Default, the 80-pin card
    TComboBox* combos[2] = {};
    TEdit* prefixes[2] = {};
};

}  // namespace

TEST(GpioPairCoupling, AnEightyPinCardTakesBothHeaders)
{
    GpioPairForm form;
    form.combos[1]->SetItemIndex(2);
    form.prefixes[1]->SetText("W_");
    form.Couple(form.combos[1]);
    EXPECT_EQ(form.combos[0]->ItemIndex(), 2);
    EXPECT_EQ(form.prefixes[0]->Text(), "W_");
    EXPECT_FALSE(form.combos[0]->Enabled());
    EXPECT_FALSE(form.prefixes[0]->Enabled());
    EXPECT_TRUE(form.combos[1]->Enabled());
    // Another card on that header frees the other one, which drops the card.
    form.combos[1]->SetItemIndex(1);
    form.Couple(form.combos[1]);
    EXPECT_TRUE(form.combos[0]->Enabled());
    EXPECT_TRUE(form.prefixes[0]->Enabled());
    EXPECT_EQ(form.combos[0]->ItemIndex(), 0);
    EXPECT_EQ(form.prefixes[0]->Text(), "");
    // A 40-pin card beside a 40-pin card stays.
    form.combos[0]->SetItemIndex(1);
    form.prefixes[0]->SetText("P_");
    form.Couple(form.combos[1]);
    EXPECT_EQ(form.combos[0]->ItemIndex(), 1);
    EXPECT_EQ(form.prefixes[0]->Text(), "P_");
}

}  // namespace cyclone4_forms_test
