// A loaded record whose card (or module) id the connector's list does not
// hold: where the board's layout says so, the combo keeps the item it showed,
// and the prefix edit keeps its text or shows the record's prefix.
//
// Each row: the form shows a card with a typed prefix; the record it saves
// then gets an id outside the list and another prefix; after loading that
// record, the combo and the edit are read.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>

#include "app/UnitMain.h"
#include "boards/cyclone2_3/NethercoyConfig.h"
#include "model/MainBoard.h"
#include "platform/FormsTesting.h"
#include "tests/boards/HostedFormFixture.h"

namespace unlisted_card_load_test {

namespace {

// What the prefix edit shows after the load.
enum class TPrefixAfter {
    Typed,   // the text typed before: the edit is kept
    Stored,  // the record's prefix
    Empty,
};

struct TUnlistedRow {
    const char* Name;  // the row's name in failures
    uint8_t Board;
    const char* Combo;
    const char* Edit;
    std::size_t CardOffset;    // the card id's byte in the record
    std::size_t PrefixOffset;  // the prefix field in the record (128 bytes)
    int PickedItem;            // the item shown before the load
    uint8_t UnlistedId;        // a card id the combo's list lacks
    int ItemAfter;             // the combo's item after the load
    TPrefixAfter PrefixAfter;
    // Run on the form before the card is picked (a mode, a load), when given.
    std::function<void(TForm&)> Before = nullptr;
};

const std::vector<TUnlistedRow>& Rows()
{
    static const std::vector<TUnlistedRow> rows = {
        // ---- Cyclone II, Cyclone III and Arria II boards ----
        // Nethercoy's Tavrel connectors keep the card and the prefix typed for it.
        {"Nethercoy Tavrel-C", MAINBOARD_NETHERCOY, "ComboBoxTavrel_C", "EditTavrel_C",
         offsetof(NETHERCOY_CONFIG, nTavrelDaughterId) + 2, offsetof(NETHERCOY_CONFIG, szTavrelPrefixName) + 2 * 128,
         1, 1, 1, TPrefixAfter::Typed},
        // ---- Cyclone IV and Stratix IV boards ----
        // (The offsets are those of the boards' settings files; Pelverton's
        // first node begins at byte 8.)
        // Brackwell's six HSMC connectors keep the card and the prefix typed
        // for it (HSMC-A and HSMC-E list the transceiver cards too). Each row
        // picks another card: the next form starts from the cards the last
        // one left in default.cfg.
        {"Brackwell HSMC-A", MAINBOARD_BRACKWELL, "ComboBoxHSMC_A", "EditHSMC_A",
         411 + 0, 417 + 0 * 128, 3, 1, 3, TPrefixAfter::Typed},
        {"Brackwell HSMC-B", MAINBOARD_BRACKWELL, "ComboBoxHSMC_B", "EditHSMC_B",
         411 + 1, 417 + 1 * 128, 3, 3, 3, TPrefixAfter::Typed},
        {"Brackwell HSMC-C", MAINBOARD_BRACKWELL, "ComboBoxHSMC_C", "EditHSMC_C",
         411 + 2, 417 + 2 * 128, 4, 3, 4, TPrefixAfter::Typed},
        {"Brackwell HSMC-D", MAINBOARD_BRACKWELL, "ComboBoxHSMC_D", "EditHSMC_D",
         411 + 3, 417 + 3 * 128, 19, 3, 19, TPrefixAfter::Typed},
        {"Brackwell HSMC-E", MAINBOARD_BRACKWELL, "ComboBoxHSMC_E", "EditHSMC_E",
         411 + 4, 417 + 4 * 128, 6, 1, 6, TPrefixAfter::Typed},
        {"Brackwell HSMC-F", MAINBOARD_BRACKWELL, "ComboBoxHSMC_F", "EditHSMC_F",
         411 + 5, 417 + 5 * 128, 7, 3, 7, TPrefixAfter::Typed},
        // Gorsewin's combos keep their card; the prefix edit shows the
        // record's prefix beside it.
        {"Gorsewin GPIO", MAINBOARD_GORSEWIN, "ComboBoxGpio", "EditPrefixGpio",
         153, 154, 2, 2, 2, TPrefixAfter::Stored},
        {"Gorsewin HSMC", MAINBOARD_GORSEWIN, "ComboBoxHSMC", "EditPrefixHSMC",
         282, 283, 1, 3, 1, TPrefixAfter::Stored},
        // Larrowen shows its remembered indexes after a load: the GPIO one
        // follows the user's picks, so the card picked stays.
        {"Larrowen GPIO", MAINBOARD_LARROWEN, "ComboBoxGpio", "EditPrefixGpio",
         156, 157, 2, 2, 2, TPrefixAfter::Stored},
        // The HSMC one is the item of the record shown last (here the fourth
        // item, shown by a load), not the user's later pick; the prefix edit
        // shows the record's prefix as it did beside the pick.
        {"Larrowen HSMC", MAINBOARD_LARROWEN, "ComboBoxHSMC", "EditPrefixHSMC", 292, 293, 1, 3, 3, TPrefixAfter::Stored,
         [](TForm& form) {
             auto& recorder = dynamic_cast<SeamRecorder&>(seam::Current());
             const std::string path = recorder.executableFolder + "shown.cfg";
             UserPick(form.Find<TComboBox>("ComboBoxHSMC"), 3);
             recorder.AnswerNextDialog(path);
             UserClick(form.Find<TButton>("ButtonSave"));
             recorder.AnswerNextDialog(path);
             UserClick(form.Find<TButton>("ButtonLoad"));
             recorder.dialogAnswers.clear();
         }},
        // The other boards of the family, one row per card list.
        {"Ormsgill HSMC-A", MAINBOARD_ORMSGILL, "ComboBoxHSMC_A", "EditHSMC_A", 423, 425, 3, 1, 3, TPrefixAfter::Typed},
        {"Ormsgill GPIO-1", MAINBOARD_ORMSGILL, "ComboBoxGpio1", "EditPrefixGpio1",
         165 + 1, 167 + 128, 1, 1, 1, TPrefixAfter::Typed},
        {"Pelverton HSMC-C", MAINBOARD_PELVERTON, "ComboBoxHSMC_C", "EditHSMC_C",
         8 + 148 + 2, 8 + 152 + 2 * 128, 1, 3, 1, TPrefixAfter::Typed},
        {"Quenwick HSMC-B", MAINBOARD_QUENWICK, "ComboBoxHSMC_B", "EditHSMC_B",
         147 + 1, 149 + 128, 1, 3, 1, TPrefixAfter::Typed},
        {"Quenwick FMC-D", MAINBOARD_QUENWICK, "ComboBoxFMC_D", "EditFMC_D",
         405 + 3, 409 + 3 * 128, 4, 41, 4, TPrefixAfter::Typed},
        {"Bristane GPIO-0", MAINBOARD_BRISTANE, "ComboBoxGpio0", "EditPrefixGpio0", 146, 148, 2, 2, 2,
         TPrefixAfter::Stored},
        {"Kestleford GPIO", MAINBOARD_KESTLEFORD, "ComboBoxGpio", "EditPrefixGpio",
         164, 165, 2, 2, 2, TPrefixAfter::Stored},
        // Kestleford fills its HSMC list anew for the loaded voltage: an
        // unlisted card shows "None".
        {"Kestleford HSMC", MAINBOARD_KESTLEFORD, "ComboBoxHSMC", "EditPrefixHSMC",
         300, 301, 1, 3, 0, TPrefixAfter::Empty},
        // ---- Cyclone V and Stratix V boards ----
        // ---- Arria 10 boards ----
        // ---- Stratix 10 and Agilex boards ----
    };
    return rows;
}

class UnlistedCardLoad : public HostedFormTest {};

TEST_F(UnlistedCardLoad, TheComboAndThePrefixAfterTheLoadAreAsTheLayoutSays)
{
    for (const TUnlistedRow& row : Rows()) {
        SCOPED_TRACE(row.Name);
        main->OpenBoardForm(row.Board);
        TForm* form = main->BoardForm();
        ASSERT_NE(form, nullptr);
        if (row.Before) row.Before(*form);
        auto* combo = form->Find<TComboBox>(row.Combo);
        auto* edit = form->Find<TEdit>(row.Edit);
        UserPick(combo, row.PickedItem);
        UserType(edit, "TYPED_");

        const std::string path = folder.Path() + "unlisted.cfg";
        seam.boxes.clear();
        seam.AnswerNextDialog(path);
        UserClick(form->Find<TButton>("ButtonSave"));
        seam.dialogAnswers.clear();
        ASSERT_TRUE(seam.ErrorTexts().empty());
        std::string record = ReadFile(path);
        ASSERT_GT(record.size(), row.PrefixOffset + 128);
        record[row.CardOffset] = static_cast<char>(row.UnlistedId);
        record.replace(row.PrefixOffset, 128, std::string("STORED_") + std::string(121, '\0'));
        WriteFile(path, record);

        seam.AnswerNextDialog(path);
        UserClick(form->Find<TButton>("ButtonLoad"));
        seam.dialogAnswers.clear();
        EXPECT_EQ(combo->ItemIndex(), row.ItemAfter);
        const char* prefix = row.PrefixAfter == TPrefixAfter::Typed    ? "TYPED_"
                             : row.PrefixAfter == TPrefixAfter::Stored ? "STORED_"
                                                                       : "";
        EXPECT_EQ(edit->Text(), prefix);
        main->CloseBoardForms();
    }
}

}  // namespace

}  // namespace unlisted_card_load_test
