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
        // Estover's HSMC-A and Colvenna's FMC connectors keep the card and the
        // prefix typed for it (record offsets of the boards' settings files).
        {"Estover HSMC-A", MAINBOARD_ESTOVER, "ComboBoxHSMC_A", "EditHSMC_A", 164, 165, 1, 57, 1,
         TPrefixAfter::Typed},
        {"Colvenna FMC-A", MAINBOARD_COLVENNA, "ComboBoxFmc_A", "EditFmc_A", 294, 298, 1, 54, 1, TPrefixAfter::Typed},
        {"Colvenna FMC-B", MAINBOARD_COLVENNA, "ComboBoxFmc_B", "EditFmc_B", 295, 298 + 128, 2, 40, 2,
         TPrefixAfter::Typed},
        {"Colvenna FMC-C", MAINBOARD_COLVENNA, "ComboBoxFmc_C", "EditFmc_C", 296, 298 + 2 * 128, 1, 54, 1,
         TPrefixAfter::Typed},
        {"Colvenna FMC-D", MAINBOARD_COLVENNA, "ComboBoxFmc_D", "EditFmc_D", 297, 298 + 3 * 128, 4, 54, 4,
         TPrefixAfter::Typed},
        // Colvenna's GPIO header shows "None" without a prefix.
        {"Colvenna GPIO", MAINBOARD_COLVENNA, "ComboBoxGpio", "EditGpio", 165, 166, 1, 11, 0, TPrefixAfter::Empty},
        // Ivenhold keeps the card; its prefix edit shows the record's prefix.
        {"Ivenhold GPIO", MAINBOARD_IVENHOLD, "ComboBoxGpio", "EditPrefixGpio", 150, 151, 3, 11, 3,
         TPrefixAfter::Stored},
        {"Ivenhold HSMC", MAINBOARD_IVENHOLD, "ComboBoxHSMC", "EditPrefixHSMC", 279, 280, 2, 57, 2,
         TPrefixAfter::Stored},
        // Jessamont builds its list for the loaded voltage and stands each
        // header on the record's card, "None" for a card the list lacks; the
        // prefix edit stays empty without a match.
        {"Jessamont GPIO-0", MAINBOARD_JESSAMONT, "ComboBoxGpio_0", "EditPrefixGpio_0", 152, 154, 1, 85, 0,
         TPrefixAfter::Empty},
        // ---- Arria 10 boards ----
        // Yarrowgate's memory socket (module id at byte 180, prefix at 181)
        // keeps the module shown; its prefix edit shows the record's prefix,
        // or nothing while the combo shows "None".
        {"Yarrowgate socket", MAINBOARD_YARROWGATE, "ComboBoxDDR4Socket", "EditPrefixDDR4Socket", 180, 181, 2, 82, 2,
         TPrefixAfter::Stored},
        {"Yarrowgate socket at None", MAINBOARD_YARROWGATE, "ComboBoxDDR4Socket", "EditPrefixDDR4Socket", 180, 181, 0,
         40, 0, TPrefixAfter::Empty},
        // Its FMC connector (card id at byte 316, prefix at 317) shows "None"
        // for a card the list of its voltage lacks.
        {"Yarrowgate FMC", MAINBOARD_YARROWGATE, "ComboBoxFmc", "EditPrefixFmc", 316, 317, 1, 79, 0,
         TPrefixAfter::Empty},
        // ---- Stratix 10 and Agilex boards ----
        // A Zennorby socket keeps the module it showed; its prefix edit shows
        // the record's prefix while the socket shows a module, else nothing.
        // The record holds the socket modules from byte 316, their prefixes
        // from byte 320.
        {"Zennorby socket A", MAINBOARD_ZENNORBY, "ComboBoxDDR4Socket_A", "EditPrefixDDR4Socket_A", 316 + 0,
         320 + 0 * 128, 1, 81, 1, TPrefixAfter::Stored},
        {"Zennorby socket C showing None", MAINBOARD_ZENNORBY, "ComboBoxDDR4Socket_C", "EditPrefixDDR4Socket_C",
         316 + 2, 320 + 2 * 128, 0, 255, 0, TPrefixAfter::Empty},
        {"Zennorby socket B after the QDR-II+ preset", MAINBOARD_ZENNORBY, "ComboBoxDDR4Socket_B",
         "EditPrefixDDR4Socket_B", 316 + 1, 320 + 1 * 128, 3, 1, 3, TPrefixAfter::Stored,
         [](TForm& form) { UserClick(form.Find<TButton>("Button_QDR2_Config")); }},
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
