// The Marlowen form end to end: its defaults and default.cfg, every group,
// a card on the HSMC connector, the board's configuration-pin assignments,
// and records of other sizes and boards.
#include "boards/cyclone2_3/MarlowenParts.h"
#include "boards/cyclone2_3/UI_Marlowen.h"
#include "model/Text.h"
#include "tests/boards/TavrelHsmcFormFixture.h"

namespace marlowen_form_test {

using namespace tavrelhsmc;

namespace {

constexpr int kDefault = 1, kLoopback = 9;  // items of the HSMC combo
const char* const kData0 = "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
const char* const kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

class MarlowenForm : public TavrelHsmcFormTest<TFormMarlowen, MAINBOARD_MARLOWEN> {
protected:
    MarlowenForm() : TavrelHsmcFormTest("Marlowen") {}
};

MARLOWEN_CONFIG Defaults()
{
    MARLOWEN_CONFIG r{};
    r.BoardId = MAINBOARD_MARLOWEN;
    r.Size = sizeof r;
    WriteFixedText(r.szProjectName, sizeof r.szProjectName, "Marlowen");
    std::memset(&r.bCLOCK, 1, MARLOWEN_FLAG_COUNT);
    return r;
}

}  // namespace

TEST_F(MarlowenForm, OpensWithItsDefaults)
{
    // A default.cfg one byte short or long is ignored.
    for (size_t size : {271u, 273u}) {
        auto* form = Open(std::string(size, '\1'));
        EXPECT_EQ(form->Caption(), "Marlowen");
        EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Marlowen FPGA Board");
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureWidth(), MARLOWEN_PHOTO_WIDTH);
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureHeight(), MARLOWEN_PHOTO_HEIGHT);
        EXPECT_EQ(form->EditProjectName->Text(), "Marlowen");
        for (const auto& entry : form->m_Groups.Entries()) {
            EXPECT_TRUE(entry.Box->Checked());
            for (TShape* shape : entry.Shapes) EXPECT_TRUE(shape->Visible());
        }
        EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
        EXPECT_EQ(form->EditPrefixHSMC->Text(), "");
        EXPECT_FALSE(form->ShapeHSMC->Visible());
        EXPECT_FALSE(form->ImageHSMC->Visible());
    }
    auto* form = Open();
    ASSERT_EQ(form->ComboBoxHSMC->ItemCount(), 19);
    EXPECT_EQ(form->ComboBoxHSMC->ItemText(kDefault), "HSMC Default");
    EXPECT_EQ(form->ComboBoxHSMC->ItemText(18), "Wesket -Multi-Touch/LCD/Camera");
    // The flash and the SSRAM share one box.
    UserClick(form->Find<TCheckBox>("CheckBoxFlashSSRAM"));
    EXPECT_FALSE(form->Find<TShape>("ShapeFlash")->Visible());
    EXPECT_FALSE(form->Find<TShape>("ShapeSSRAM")->Visible());
    EXPECT_TRUE(form->Find<TShape>("ShapeDDR")->Visible());
}

// The panel on the left holds the title, the board picture, the two logos
// and "Change Main Board"; Save, Load, Generate and Exit stand below it.
TEST_F(MarlowenForm, ThePanelHoldsTitlePictureLogosAndTheBoardChange)
{
    auto* form = Open();
    const TControl* panel = form->FindControl("PanelBoard");
    ASSERT_NE(panel, nullptr);
    for (const char* name : {"LabelBoardName", "ImageBoard", "ImageLogo", "ImageFpgaLogo", "ButtonMainBoardSelect"}) {
        const TControl* control = form->FindControl(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->Parent(), panel) << name;
        EXPECT_TRUE(control->Visible()) << name;
        EXPECT_LE(control->Left() + control->Width(), panel->Width()) << name;
        EXPECT_LE(control->Top() + control->Height(), panel->Height()) << name;
    }
    for (const char* logo : {"ImageLogo", "ImageFpgaLogo"}) EXPECT_GT(form->Find<TImage>(logo)->PictureWidth(), 0);
    for (const TButton* button : {form->ButtonSave, form->ButtonLoad, form->ButtonGen, form->ButtonExit}) {
        EXPECT_EQ(button->Parent(), form) << button->Name();
        EXPECT_GE(button->Top(), panel->Top() + panel->Height()) << button->Name();
        EXPECT_LE(button->Top() + button->Height(), form->ClientHeight()) << button->Name();
    }
}

TEST_F(MarlowenForm, EveryGroupAndTheHsmcCard)
{
    auto* form = Open();
    const std::string project = Generate(form, "Marlowen");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Marlowen.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone III\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP3C25F324C6"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 324"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 6"));
    // H3 is FLASH_SRAM_DQ[0]; the board's data places no pin on D1 or E18.
    EXPECT_EQ(BoardBlock(qsf), kData0);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 118);
    EXPECT_EQ(SignalAt(qsf, "H3"), "FLASH_SRAM_DQ[0]");
    EXPECT_EQ(SignalAt(qsf, "E12"), "FLASH_SRAM_A[1]");
    EXPECT_EQ(StandardOf(qsf, "DDR_DQ[15]"), "SSTL-2 Class I");
    EXPECT_EQ(StandardOf(qsf, "DDR_CKE"), "2.5 V");
    EXPECT_EQ(ReadFile(project + "Marlowen.qsf").find("# HSMC"), std::string::npos);
    EXPECT_TRUE(HasLine(ReadFile(project + "Marlowen.sdc"), "create_clock -period 20.000ns [get_ports OSC_CLK]"));
    EXPECT_NE(ReadFile(project + "Marlowen.htm").find("Marlowen FPGA Board Configuration"), std::string::npos);

    // A card alone: the HSMC master, named with the prefix as typed.
    for (TCheckBox* box : {form->m_Groups.Box(0), form->m_Groups.Box(1), form->m_Groups.Box(2),
                           form->m_Groups.Box(3), form->m_Groups.Box(4)})
        UserClick(box);
    UserPick(form->ComboBoxHSMC, kDefault);
    EXPECT_TRUE(form->ShapeHSMC->Visible());
    EXPECT_TRUE(form->ImageHSMC->Visible());
    const std::string card = Generate(form, "card");
    const std::string cardQsf = ReadFile(card + "card.qsf");
    EXPECT_NE(cardQsf.find("# HSMC, HSMC connect to HSMC Default\r\n"), std::string::npos);
    EXPECT_EQ(SignalAt(cardQsf, "E18"), "TX_D_n[10]");
    EXPECT_EQ(BoardBlock(cardQsf), kNceo);
    UserType(form->EditPrefixHSMC, "H_");
    UserPick(form->ComboBoxHSMC, kLoopback);
    const std::string loop = Generate(form, "hsmcLoop");
    ASSERT_TRUE(seam.boxes.empty()) << seam.boxes[0].text;
    const std::string loopQsf = ReadFile(loop + "hsmcLoop.qsf");
    EXPECT_EQ(SignalAt(loopQsf, "A1"), "H_L_CLK0");
    EXPECT_EQ(SignalAt(loopQsf, "E18"), "H_L_D_N[10]");
    ExpectNoBallTwice(qsf);
    ExpectNoBallTwice(loopQsf);
    ExpectCompiles({"Marlowen", "card", "hsmcLoop"});
}

TEST_F(MarlowenForm, RecordsFromFiles)
{
    auto* form = Open();
    // "None" with a prefix typed: the record keeps it, the form does not show it.
    UserType(form->EditPrefixHSMC, "typed");
    const std::string saved = Save(form, "typed.cfg");
    const MARLOWEN_CONFIG record = RecordOf<MARLOWEN_CONFIG>(saved);
    EXPECT_EQ(std::string(record.szHSMCPrefixName), "typed");
    Load(form, saved);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "");

    // A card id the list does not hold leaves the combo's item; the prefix
    // shows when that item is a card.
    MARLOWEN_CONFIG crafted = Defaults();
    crafted.nHsmcDaughterId = 99;
    WriteFixedText(crafted.szHSMCPrefixName, sizeof crafted.szHSMCPrefixName, "P_");
    UserPick(form->ComboBoxHSMC, kLoopback);
    Load(form, BytesOf(crafted));
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), kLoopback);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "P_");

    // The 272-byte default.cfg of another board's form is taken as this
    // board's record, and written back as one.
    main->OpenBoardForm(MAINBOARD_VANTREMERE);
    main->OpenBoardForm(MAINBOARD_MARLOWEN);  // Vantremere's form wrote default.cfg
    const std::string foreign = ReadFile(DefaultCfg());
    ASSERT_EQ(foreign.size(), 272u);
    form = dynamic_cast<TFormMarlowen*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), ReadFixedText(foreign.data() + 8, 128));
    main->OpenBoardForm(MAINBOARD_OSTERLIN);
    const MARLOWEN_CONFIG back = RecordOf<MARLOWEN_CONFIG>(ReadFile(DefaultCfg()));
    EXPECT_EQ(back.BoardId, MAINBOARD_MARLOWEN);
    EXPECT_EQ(back.Size, 272);
}

}  // namespace marlowen_form_test
