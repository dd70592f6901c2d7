// A board form shows its settings the same whatever it held before. For
// every board form, what it shows after a record replaced its settings
// ("Load Setting" of two records: the form's defaults, and every group
// ticked; "Default Setting" and "Select All" where the form has them) is the
// same from a fresh form, from a busy form (every group ticked, every combo
// moved, every edit typed in) and after any single user action; and what it
// shows after that followed by one user action is the same from a fresh form,
// from a busy form (after a load), and when the same action was also taken
// before.
//
// What the form shows is every control's visibility and, for the controls the
// user can see, whether it is enabled and its tick, item or text. The user
// actions are a click on each check box and, of each combo, the pick of its
// first, second and last item and of each item after which other controls
// are shown or enabled.
//
// The table also says on which forms Enter in the project name presses
// "Exit".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/BoardForm.h"
#include "app/UnitMain.h"
#include "model/MainBoard.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace form_state_test {

namespace {

// One board form of the table, with what its board's settings keep through a
// load on purpose.
struct TFormRow {
    const char* Family;  // the folder of boards/ its form lives in
    uint8_t Id;
    const char* Name;
    bool EnterPressesExit;  // "Exit" is the form's default button
    // Combos whose item a load keeps: the form shows the loaded file at the
    // item shown before. The test moves them only after a load.
    std::vector<std::string> KeptThroughLoad = {};
    // Connectors that a load leaves as they were while they are hidden: per
    // connector its card combo, then the controls that show its card. While
    // the combo was hidden right after the last load, none of them counts.
    std::vector<std::vector<std::string>> KeptWhileHidden = {};
    // "Default Setting" or "Select All" buttons that do nothing.
    std::vector<std::string> WithoutAction = {};
    // Combos whose item "Default Setting" and "Select All" keep. The test
    // moves them only after the press.
    std::vector<std::string> KeptThroughReset = {};
};

const std::vector<TFormRow>& FormRows()
{
    static const std::vector<TFormRow> rows = {
        {"Soc", MAINBOARD_HOLLARNE, "Hollarne", false},
        {"Soc", MAINBOARD_MIRRENDALE, "Mirrendale", false},
        {"Soc", MAINBOARD_DORVALIN, "Dorvalin", false},
        {"Soc", MAINBOARD_ELMSARY, "Elmsary", false},
        {"Soc", MAINBOARD_WYNDHOLT, "Wyndholt", false},
        {"Soc", MAINBOARD_KILVERNE, "Kilverne", false},
        {"Soc", MAINBOARD_LANTERBY, "Lanterby", false},
        {"Soc", MAINBOARD_VANTREMERE, "Vantremere", false},
        {"Soc", MAINBOARD_WENDLEBURY, "Wendlebury", false},
        {"Cyclone5Stratix5", MAINBOARD_RASTRELLE, "Rastrelle", true},
        {"Cyclone5Stratix5", MAINBOARD_DRENNOCK, "Drennock", true},
        {"Cyclone5Stratix5", MAINBOARD_ESTOVER, "Estover", true},
        {"Cyclone5Stratix5", MAINBOARD_COLVENNA, "Colvenna", true},
        {"Cyclone5Stratix5", MAINBOARD_HETHERMOOR, "Hethermoor", true},
        {"Cyclone5Stratix5", MAINBOARD_IVENHOLD, "Ivenhold", true},
        {"Cyclone5Stratix5", MAINBOARD_JESSAMONT, "Jessamont", true},
        {"Cyclone4Stratix4", MAINBOARD_ORMSGILL, "Ormsgill", true},
        // The form shows one FPGA node of the record at a time; a loaded file
        // is shown at the node that was shown before.
        {"Cyclone4Stratix4", MAINBOARD_PELVERTON, "Pelverton", false, {"ComboBoxFPGA"}},
        {"Cyclone4Stratix4", MAINBOARD_QUENWICK, "Quenwick", true},
        {"Cyclone4Stratix4", MAINBOARD_KESTLEFORD, "Kestleford", true},
        {"Cyclone4Stratix4", MAINBOARD_BRISTANE, "Bristane", false},
        {"Cyclone4Stratix4", MAINBOARD_BRACKWELL, "Brackwell", false},
        {"Cyclone4Stratix4", MAINBOARD_GORSEWIN, "Gorsewin", false},
        {"Cyclone4Stratix4", MAINBOARD_LARROWEN, "Larrowen", false},
        {"Cyclone2Cyclone3", MAINBOARD_AVEMOR, "Avemor", false},
        {"Cyclone2Cyclone3", MAINBOARD_FENNICK, "Fennick", false},
        {"Cyclone2Cyclone3", MAINBOARD_ISSELMONT, "Isselmont", false},
        {"Cyclone2Cyclone3", MAINBOARD_JARROWBY, "Jarrowby", false},
        // A mode takes a connector's pins: GPIO Header mode takes Tavrel-A for
        // the two GPIO headers, DDR2 SODIMM mode Tavrel-B for the memory. A
        // load shows only the connectors its modes leave in use; the card and
        // prefix of a connector that a mode hides stay as they were.
        {"Cyclone2Cyclone3", MAINBOARD_NETHERCOY, "Nethercoy", false, {},
         {{"ComboBoxGPIO_0", "EditGPIO_0", "ImageGPIO", "ShapeGPIO_0"},
          {"ComboBoxGPIO_1", "EditGPIO_1", "ImageTavrel_A", "ShapeGPIO_1"},
          {"ComboBoxTavrel_A", "EditTavrel_A", "ImageTavrel_A", "ShapeTavrel_A"}}},
        {"Cyclone2Cyclone3", MAINBOARD_NORVELLE, "Norvelle", false},
        {"Cyclone2Cyclone3", MAINBOARD_OSTERLIN, "Osterlin", false},
        {"Cyclone2Cyclone3", MAINBOARD_MARLOWEN, "Marlowen", false},
        {"Arria10", MAINBOARD_TARROWIND, "Tarrowind", true},
        {"Arria10", MAINBOARD_ULVERROW, "Ulverrow", true},
        {"Arria10", MAINBOARD_FALLOWMERE, "Fallowmere", true},
        {"Arria10", MAINBOARD_GARVELOW, "Garvelow", true},
        {"Arria10", MAINBOARD_YARROWGATE, "Yarrowgate", false},
        {"Stratix10Agilex", MAINBOARD_ZENNORBY, "Zennorby", false},
        {"Stratix10Agilex", MAINBOARD_RENNACRE, "Quillomar", true},
        // The form carries a "Select All" button that has no action, and its
        // defaults are those of the FPGA part on screen: "Default Setting"
        // keeps the part.
        {"Stratix10Agilex", MAINBOARD_ASHCOMBRE, "Ashcombre", true, {}, {}, {"Button2"}, {"ComboBoxFPGA"}},
    };
    return rows;
}

void PrintTo(const TFormRow& row, std::ostream* os) { *os << row.Name; }

std::vector<TFormRow> FamilyRows(const std::string& family)
{
    std::vector<TFormRow> rows;
    for (const TFormRow& row : FormRows())
        if (row.Family == family) rows.push_back(row);
    return rows;
}

// A control the user can see: it and every control it stands in.
bool Shown(const TControl* control, const TForm& form)
{
    for (const TControl* c = control; c && c != &form; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

// What one control shows: whether it is shown and enabled, and its content.
// A picture or an outline shows a card or a group by being shown: that is its
// content.
struct TShownControl {
    std::string Name;
    std::string State;    // "hidden", "enabled" or "disabled"; "-" for a picture or an outline
    std::string Content;  // tick, item or text; empty for a hidden control
};
using TSnapshot = std::vector<TShownControl>;

TSnapshot Snapshot(const TForm& form)
{
    TSnapshot snapshot;
    for (TControl* control : form.Controls()) {
        TShownControl shown{control->Name(), "hidden", ""};
        if (dynamic_cast<TImage*>(control) || dynamic_cast<TShape*>(control)) {
            shown = {control->Name(), "-", Shown(control, form) ? "shown" : "hidden"};
        } else if (Shown(control, form)) {
            shown.State = control->Enabled() ? "enabled" : "disabled";
            if (auto* box = dynamic_cast<TCheckBox*>(control))
                shown.Content = box->Checked() ? "ticked" : "not ticked";
            else if (auto* combo = dynamic_cast<TComboBox*>(control))
                shown.Content = "item " + std::to_string(combo->ItemIndex()) + " of " +
                                std::to_string(combo->ItemCount()) + " \"" + combo->Text() + "\"";
            else if (auto* edit = dynamic_cast<TEdit*>(control))
                shown.Content = "\"" + edit->Text() + "\"";
            else if (auto* label = dynamic_cast<TLabel*>(control))
                shown.Content = "\"" + label->Caption() + "\"";
            else if (auto* button = dynamic_cast<TButton*>(control))
                shown.Content = "\"" + button->Caption() + "\"";
            else if (auto* group = dynamic_cast<TGroupBox*>(control))
                shown.Content = "\"" + group->Caption() + "\"";
        }
        snapshot.push_back(std::move(shown));
    }
    return snapshot;
}

// One user action: a click on a check box, or the pick of an item of a combo.
struct TAction {
    std::string Control;
    int Item;  // -1: a click

    std::string Text() const
    {
        return Item < 0 ? "click " + Control : "item " + std::to_string(Item) + " of " + Control;
    }
};

// Which controls are shown and enabled.
std::string Layout(const TForm& form)
{
    std::string layout;
    for (const TShownControl& control : Snapshot(form))
        layout += control.State + (control.State == "-" ? control.Content : "");
    return layout;
}

class BoardFormState : public ::testing::TestWithParam<TFormRow> {
protected:
    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
        SetScreenSizeForTesting(1280, 1024);
        // The main form hosts no form here: it is the owner that shows the card
        // pictures. The start-up form it opens leaves, and its default.cfg goes,
        // so that every form starts from its board's defaults.
        main = std::make_unique<TFormMain>(nullptr);
        main->CloseBoardForms();
        std::filesystem::remove(folder.Path() + "default.cfg");
        slot = FindBoardFormSlot(GetParam().Id);
        ASSERT_NE(slot, nullptr);
        ASSERT_TRUE(slot->Create);
    }
    void TearDown() override
    {
        main.reset();
        SetExecutablePathForTesting("");
        SetScreenSizeForTesting(0, 0);
    }

    // A form just made; it goes without leaving (so it writes no default.cfg).
    std::unique_ptr<TForm> Fresh() const { return std::unique_ptr<TForm>(slot->Create(main.get())); }

    // The user's action, when its control is there for it; false when not.
    bool Apply(TForm& form, const TAction& action)
    {
        TControl* control = form.FindControl(action.Control);
        if (!control || !Shown(control, form) || !control->Enabled()) return false;
        seam.yesNoAnswers.assign(16, true);
        seam.boxes.clear();
        if (auto* box = dynamic_cast<TCheckBox*>(control); box && action.Item < 0) {
            UserClick(box);
            return true;
        }
        auto* combo = dynamic_cast<TComboBox*>(control);
        if (!combo || action.Item < 0 || action.Item >= combo->ItemCount()) return false;
        UserPick(combo, action.Item);
        return true;
    }

    // Ticks every group box there is to tick (a tick may bring others).
    void TickEveryGroup(TForm& form)
    {
        for (bool ticked = true; ticked;) {
            ticked = false;
            for (TControl* control : form.Controls())
                if (auto* box = dynamic_cast<TCheckBox*>(control); box && !box->Checked())
                    ticked = (Apply(form, {box->Name(), -1}) && box->Checked()) || ticked;
        }
    }

    // The actions of a form: a click on each check box and, of each combo,
    // the pick of its first, second and last item, and of each item after
    // which other controls are shown or enabled than after the items before
    // it (each combo tried on a fresh form).
    std::vector<TAction> Actions()
    {
        std::vector<TAction> actions;
        const std::unique_ptr<TForm> form = Fresh();
        for (TControl* control : form->Controls()) {
            if (dynamic_cast<TCheckBox*>(control)) actions.push_back({control->Name(), -1});
            auto* combo = dynamic_cast<TComboBox*>(control);
            if (!combo) continue;
            const int count = combo->ItemCount();
            std::set<int> items;
            for (int item : {0, 1, count - 1})
                if (item >= 0 && item < count) items.insert(item);
            const std::unique_ptr<TForm> trial = Fresh();
            std::set<std::string> layouts;
            for (int item = 0; item < count; ++item) {
                if (!Apply(*trial, {combo->Name(), item})) break;
                if (layouts.insert(Layout(*trial)).second) items.insert(item);
            }
            for (int item : items) actions.push_back({control->Name(), item});
        }
        return actions;
    }

    // Every group ticked, every combo moved to its last item and every edit
    // typed in; the combos kept (whose item the record shown next keeps) are
    // left alone.
    std::unique_ptr<TForm> Busy(const std::vector<std::string>& kept)
    {
        std::unique_ptr<TForm> form = Fresh();
        std::set<std::string> moved;
        for (int round = 0; round < 4; ++round) {
            TickEveryGroup(*form);
            bool changed = false;
            for (TControl* control : form->Controls()) {
                auto* combo = dynamic_cast<TComboBox*>(control);
                if (combo && combo->ItemCount() > 1 && !moved.count(combo->Name()) &&
                    std::find(kept.begin(), kept.end(), combo->Name()) == kept.end() &&
                    Apply(*form, {combo->Name(), combo->ItemCount() - 1})) {
                    moved.insert(combo->Name());
                    changed = true;
                }
            }
            if (!changed) break;
        }
        for (TControl* control : form->Controls()) {
            auto* edit = dynamic_cast<TEdit*>(control);
            if (edit && Shown(edit, *form)) UserType(edit, edit->Name() == "EditProjectName" ? "Busy" : "Busy_");
        }
        return form;
    }

    // "Save Setting" into a file; its bytes.
    std::string Save(TForm& form, const std::string& path)
    {
        seam.dialogAnswers.assign(1, path);
        seam.boxes.clear();
        UserClick(form.Find<TButton>("ButtonSave"));
        seam.dialogAnswers.clear();
        for (const std::string& text : seam.ErrorTexts()) ADD_FAILURE() << "Save Setting: " << text;
        return FileExists(path) ? ReadFile(path) : std::string();
    }

    // What replaces a form's settings by a record: "Load Setting" of a file,
    // or a button such as "Default Setting".
    struct TReplacement {
        std::string Name;    // for messages
        std::string Path;    // the file to load, or
        std::string Button;  // the button to press
    };

    // The buttons of a form that show a record of the board's own: "Default
    // Setting" and "Select All" (those of the row's WithoutAction left out).
    std::vector<TReplacement> ResetButtons() const
    {
        std::vector<TReplacement> buttons;
        const std::unique_ptr<TForm> form = Fresh();
        const auto& without = GetParam().WithoutAction;
        for (TControl* control : form->Controls()) {
            auto* button = dynamic_cast<TButton*>(control);
            if (!button || !Shown(button, *form) ||
                std::find(without.begin(), without.end(), button->Name()) != without.end())
                continue;
            if (button->Caption() == "Default Setting" || button->Caption() == "Select All")
                buttons.push_back({"\"" + button->Caption() + "\"", "", button->Name()});
        }
        return buttons;
    }

    // Replaces the form's settings. The controls of each connector of the
    // row's KeptWhileHidden whose combo a load left hidden join notCompared.
    void Replace(TForm& form, const TReplacement& replacement, std::set<std::string>& notCompared)
    {
        seam.dialogAnswers.assign(1, replacement.Path);
        seam.yesNoAnswers.assign(16, true);
        seam.boxes.clear();
        UserClick(form.Find<TButton>(replacement.Button.empty() ? "ButtonLoad" : replacement.Button));
        seam.dialogAnswers.clear();
        for (const std::string& text : seam.ErrorTexts()) ADD_FAILURE() << replacement.Name << ": " << text;
        if (replacement.Button.empty())
            for (const std::vector<std::string>& connector : GetParam().KeptWhileHidden)
                if (!Shown(form.Find<TControl>(connector.front()), form))
                    notCompared.insert(connector.begin(), connector.end());
    }

    // Records where the state that a history reached differs from the one
    // expected (the controls of notCompared left out): after the record
    // shown, from the history, against the expected history.
    void Compare(const std::string& record, const std::string& expectedHistory, const TSnapshot& expected,
                 const std::string& history, const TSnapshot& actual, const std::set<std::string>& notCompared)
    {
        std::string text;
        if (expected.size() != actual.size()) text += "\n    another number of controls";
        for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
            const TShownControl& e = expected[i];
            const TShownControl& a = actual[i];
            if (notCompared.count(e.Name) || (e.State == a.State && e.Content == a.Content)) continue;
            text += "\n    " + e.Name + ": " + e.State + " " + e.Content + " / " + a.State + " " + a.Content;
        }
        if (!text.empty())
            failures.push_back(record + ": from " + history + " the form differs from " + expectedHistory + text);
    }

    SeamRecorder seam;
    TempFolder folder{std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : ""};
    std::unique_ptr<TFormMain> main;
    const TBoardFormSlot* slot = nullptr;
    std::vector<std::string> failures;
};

TEST_P(BoardFormState, ShownRecordLeavesNoTraceOfTheFormerState)
{
    std::vector<TReplacement> replacements = {{"the defaults loaded", folder.Path() + "defaults.cfg", ""},
                                              {"every group ticked loaded", folder.Path() + "ticked.cfg", ""}};
    {
        const std::unique_ptr<TForm> form = Fresh();
        ASSERT_FALSE(Save(*form, replacements[0].Path).empty());
        TickEveryGroup(*form);
        ASSERT_FALSE(Save(*form, replacements[1].Path).empty());
    }
    for (const TReplacement& button : ResetButtons()) replacements.push_back(button);
    const std::vector<TAction> actions = Actions();

    for (const TReplacement& replacement : replacements) {
        const std::string& shown = replacement.Name;
        const std::vector<std::string>& kept =
            replacement.Button.empty() ? GetParam().KeptThroughLoad : GetParam().KeptThroughReset;
        std::set<std::string> hiddenAtLoad;
        std::unique_ptr<TForm> fresh = Fresh();
        Replace(*fresh, replacement, hiddenAtLoad);
        const TSnapshot replaced = Snapshot(*fresh);
        fresh.reset();

        {
            std::set<std::string> notCompared = hiddenAtLoad;
            const std::unique_ptr<TForm> busy = Busy(kept);
            Replace(*busy, replacement, notCompared);
            Compare(shown, "a fresh form", replaced, "a busy form", Snapshot(*busy), notCompared);
        }

        for (const TAction& action : actions) {
            // The action before.
            std::set<std::string> notComparedBefore = hiddenAtLoad;
            const std::unique_ptr<TForm> before = Fresh();
            const bool actedBefore =
                std::find(kept.begin(), kept.end(), action.Control) == kept.end() && Apply(*before, action);
            Replace(*before, replacement, notComparedBefore);
            if (actedBefore)
                Compare(shown, "a fresh form", replaced, action.Text() + " before", Snapshot(*before),
                        notComparedBefore);

            // The action after, from a fresh form, from a busy form, and after
            // the same action before.
            std::set<std::string> notComparedAfter = hiddenAtLoad;
            std::unique_ptr<TForm> after = Fresh();
            Replace(*after, replacement, notComparedAfter);
            if (!Apply(*after, action)) continue;
            const TSnapshot acted = Snapshot(*after);
            after.reset();
            const std::string expected = "a fresh form, " + action.Text() + " after";

            // A button's record after a busy form is compared above; an action
            // after it, only from a form that took the same action before.
            if (replacement.Button.empty()) {
                std::set<std::string> notComparedBusy = notComparedAfter;
                const std::unique_ptr<TForm> busy = Busy(kept);
                Replace(*busy, replacement, notComparedBusy);
                Apply(*busy, action);
                Compare(shown, expected, acted, "a busy form, the same after", Snapshot(*busy), notComparedBusy);
            }

            if (!actedBefore) continue;
            notComparedBefore.insert(notComparedAfter.begin(), notComparedAfter.end());
            Apply(*before, action);
            Compare(shown, expected, acted, "the same before and after", Snapshot(*before), notComparedBefore);
        }
    }

    std::string report;
    for (std::size_t i = 0; i < failures.size() && i < 12; ++i) report += failures[i] + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " differences, the first ones:\n" << report;
}

std::string RowName(const ::testing::TestParamInfo<TFormRow>& info) { return info.param.Name; }

INSTANTIATE_TEST_SUITE_P(Soc, BoardFormState, ::testing::ValuesIn(FamilyRows("Soc")), RowName);
INSTANTIATE_TEST_SUITE_P(Cyclone5Stratix5, BoardFormState, ::testing::ValuesIn(FamilyRows("Cyclone5Stratix5")),
                         RowName);
INSTANTIATE_TEST_SUITE_P(Cyclone4Stratix4, BoardFormState, ::testing::ValuesIn(FamilyRows("Cyclone4Stratix4")),
                         RowName);
INSTANTIATE_TEST_SUITE_P(Cyclone2Cyclone3, BoardFormState, ::testing::ValuesIn(FamilyRows("Cyclone2Cyclone3")),
                         RowName);
INSTANTIATE_TEST_SUITE_P(Arria10, BoardFormState, ::testing::ValuesIn(FamilyRows("Arria10")), RowName);
INSTANTIATE_TEST_SUITE_P(Stratix10Agilex, BoardFormState, ::testing::ValuesIn(FamilyRows("Stratix10Agilex")),
                         RowName);

// The table holds every board form of the build but the two placeholders,
// which have no settings to load.
TEST(BoardFormStateTable, HoldsEveryBoardForm)
{
    std::set<uint8_t> inTable;
    for (const TFormRow& row : FormRows()) EXPECT_TRUE(inTable.insert(row.Id).second) << row.Name;
    for (const TBoardFormSlot& slot : BoardFormSlots()) {
        const bool placeholder = slot.Id == MAINBOARD_SELBOWEN || slot.Id == MAINBOARD_PELLOWIND;
        EXPECT_EQ(inTable.count(slot.Id) == 1, slot.Create && !placeholder) << slot.ClassName;
    }
}

// Enter in the project name presses "Exit" (which closes the form) exactly on
// the forms whose "Exit" is the default button; elsewhere it does nothing.
TEST(BoardFormStateTable, EnterPressesExitOnlyWhereItIsTheDefaultButton)
{
    SeamRecorder seam;
    TempFolder folder;
    seam.executableFolder = folder.Path();
    SetExecutablePathForTesting(folder.Path() + "pinloom");
    SetScreenSizeForTesting(1280, 1024);
    for (const TFormRow& row : FormRows()) {
        SCOPED_TRACE(row.Name);
        auto main = std::make_unique<TFormMain>(nullptr);
        main->OpenBoardForm(row.Id);
        TBoardForm* form = main->BoardForm();
        auto* name = form->Find<TEdit>("EditProjectName");
        UserType(name, "typed");
        UserPressKeyOn(name, TUserKey::Enter);
        EXPECT_EQ(form->HasLeft(), row.EnterPressesExit);
        EXPECT_EQ(form->Find<TButton>("ButtonExit")->Default, row.EnterPressesExit);
        EXPECT_TRUE(seam.ErrorTexts().empty());
    }
    SetExecutablePathForTesting("");
    SetScreenSizeForTesting(0, 0);
}

}  // namespace

}  // namespace form_state_test
