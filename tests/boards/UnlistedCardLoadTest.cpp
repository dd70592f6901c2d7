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
        // Nethercoy's Tavrel connectors keep the card and the prefix typed for it
        // (a card of its own on each, as the form keeps them for the next row).
        {"Nethercoy Tavrel-A", MAINBOARD_NETHERCOY, "ComboBoxTavrel_A", "EditTavrel_A",
         offsetof(NETHERCOY_CONFIG, nTavrelDaughterId), offsetof(NETHERCOY_CONFIG, szTavrelPrefixName), 2, 16, 2,
         TPrefixAfter::Typed},
        {"Nethercoy Tavrel-B", MAINBOARD_NETHERCOY, "ComboBoxTavrel_B", "EditTavrel_B",
         offsetof(NETHERCOY_CONFIG, nTavrelDaughterId) + 1, offsetof(NETHERCOY_CONFIG, szTavrelPrefixName) + 128,
         1, 16, 1, TPrefixAfter::Typed},
        {"Nethercoy Tavrel-C", MAINBOARD_NETHERCOY, "ComboBoxTavrel_C", "EditTavrel_C",
         offsetof(NETHERCOY_CONFIG, nTavrelDaughterId) + 2, offsetof(NETHERCOY_CONFIG, szTavrelPrefixName) + 2 * 128,
         3, 1, 3, TPrefixAfter::Typed},
        {"Nethercoy Tavrel-D", MAINBOARD_NETHERCOY, "ComboBoxTavrel_D", "EditTavrel_D",
         offsetof(NETHERCOY_CONFIG, nTavrelDaughterId) + 3, offsetof(NETHERCOY_CONFIG, szTavrelPrefixName) + 3 * 128,
         6, 16, 6, TPrefixAfter::Typed},
        // Nethercoy's GPIO headers (GPIO Header mode) keep the card; the
        // prefix edit shows the record's prefix unless the card is "None".
        {"Nethercoy GPIO-0", MAINBOARD_NETHERCOY, "ComboBoxGPIO_0", "EditGPIO_0",
         offsetof(NETHERCOY_CONFIG, nGpioDaughterId), offsetof(NETHERCOY_CONFIG, szGpioPrefixName), 1, 5, 1,
         TPrefixAfter::Stored, [](TForm& form) {
             if (!form.Find<TCheckBox>("CheckBoxGpioHeader")->Checked())
                 UserClick(form.Find<TCheckBox>("CheckBoxGpioHeader"));
         }},
        {"Nethercoy GPIO-1", MAINBOARD_NETHERCOY, "ComboBoxGPIO_1", "EditGPIO_1",
         offsetof(NETHERCOY_CONFIG, nGpioDaughterId) + 1, offsetof(NETHERCOY_CONFIG, szGpioPrefixName) + 128, 0, 5,
         0, TPrefixAfter::Empty, [](TForm& form) {
             if (!form.Find<TCheckBox>("CheckBoxGpioHeader")->Checked())
                 UserClick(form.Find<TCheckBox>("CheckBoxGpioHeader"));
         }},
        // The GPIO-pair forms, Norvelle, Osterlin and Marlowen: the combo keeps
        // its card, the prefix edit shows the record's prefix unless the card
        // is "None". Offsets: the records' card ids and prefixes.
        {"Avemor GPIO-0", MAINBOARD_AVEMOR, "ComboBoxGpio0", "EditPrefixGpio0", 148, 150, 1, 5, 1,
         TPrefixAfter::Stored},
        {"Avemor GPIO-1", MAINBOARD_AVEMOR, "ComboBoxGpio1", "EditPrefixGpio1", 149, 278, 0, 5, 0,
         TPrefixAfter::Empty},
        {"Fennick GPIO-0", MAINBOARD_FENNICK, "ComboBoxGpio0", "EditPrefixGpio0", 150, 152, 3, 5, 3,
         TPrefixAfter::Stored},
        {"Fennick GPIO-1", MAINBOARD_FENNICK, "ComboBoxGpio1", "EditPrefixGpio1", 151, 280, 1, 5, 1,
         TPrefixAfter::Stored},
        {"Isselmont GPIO-0", MAINBOARD_ISSELMONT, "ComboBoxGpio0", "EditPrefixGpio0", 155, 157, 1, 5, 1,
         TPrefixAfter::Stored},
        {"Isselmont GPIO-1", MAINBOARD_ISSELMONT, "ComboBoxGpio1", "EditPrefixGpio1", 156, 285, 12, 5, 12,
         TPrefixAfter::Stored},
        {"Jarrowby GPIO-0", MAINBOARD_JARROWBY, "ComboBoxGpio0", "EditPrefixGpio0", 157, 159, 1, 1, 1,
         TPrefixAfter::Stored},
        {"Jarrowby GPIO-1", MAINBOARD_JARROWBY, "ComboBoxGpio1", "EditPrefixGpio1", 158, 287, 1, 5, 1,
         TPrefixAfter::Stored},
        {"Norvelle Tavrel 2/3", MAINBOARD_NORVELLE, "ComboBoxTavrel23", "EditPrefixTavrel23", 142, 143, 5, 16, 5,
         TPrefixAfter::Stored},
        {"Norvelle Tavrel 1", MAINBOARD_NORVELLE, "ComboBoxTavrel1", "EditPrefixTavrel1", 272, 276, 0, 16, 0,
         TPrefixAfter::Empty},
        {"Osterlin HSMC-A", MAINBOARD_OSTERLIN, "ComboBoxPortA", "EditPrefixPortA", 146, 148, 1, 5, 1,
         TPrefixAfter::Stored},
        {"Osterlin HSMC-B", MAINBOARD_OSTERLIN, "ComboBoxPortB", "EditPrefixPortB", 147, 276, 24, 5, 24,
         TPrefixAfter::Stored},
        {"Marlowen HSMC", MAINBOARD_MARLOWEN, "ComboBoxHSMC", "EditPrefixHSMC", 141, 142, 2, 5, 2,
         TPrefixAfter::Stored},
        // ---- Cyclone IV and Stratix IV boards ----
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
        ASSERT_GE(record.size(), row.PrefixOffset + 128);
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
