// The Osterlin form end to end: it always opens on its defaults and never
// writes default.cfg; every group, cards on both HSMC ports and the DDR2
// socket, the prefix check, and loading settings files.
#include "boards/cyclone2_3/UI_Norvelle.h"
#include "boards/cyclone2_3/OsterlinParts.h"
#include "boards/cyclone2_3/UI_Osterlin.h"
#include "tests/boards/TavrelHsmcFormFixture.h"

namespace osterlin_form_test {

using namespace tavrelhsmc;

namespace {

constexpr int kDefault = 1, kDefaultXcvr = 2, kNet = 4;  // items of the HSMC combos
const char* const kJunctionTemperatures =
    "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n"
    "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n";

class OsterlinForm : public TavrelHsmcFormTest<TFormOsterlin, MAINBOARD_OSTERLIN> {
protected:
    OsterlinForm() : TavrelHsmcFormTest("Osterlin") {}
};

// The flags of the check boxes from bLCD: LCD, CLOCK, LED, BUTTON, DIP,
// DDR2, DDR3, Ethernet, PCIe.
const bool kDefaultTicks[OSTERLIN_FLAG_COUNT] = {true, true, true, true, true, false, false, true, false};

}  // namespace

TEST_F(OsterlinForm, AlwaysOpensOnItsDefaults)
{
    // A record of this size in default.cfg is not read...
    Open();
    auto* norvelle = OpenOther<TFormNorvelle>(MAINBOARD_NORVELLE);
    UserType(norvelle->EditProjectName, "Norvelle2");
    main->OpenBoardForm(MAINBOARD_OSTERLIN);
    ASSERT_EQ(ReadFile(DefaultCfg()).size(), 404u);
    auto* form = dynamic_cast<TFormOsterlin*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), "Osterlin");
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Osterlin FPGA Board");
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureWidth(), OSTERLIN_PHOTO_WIDTH);
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureHeight(), OSTERLIN_PHOTO_HEIGHT);
    EXPECT_EQ(form->EditProjectName->Text(), "Osterlin");
    for (size_t i = 0; i < OSTERLIN_FLAG_COUNT; ++i) EXPECT_EQ(form->m_Groups.Box(i)->Checked(), kDefaultTicks[i]) << i;
    for (const char* inert : {"CheckBox2", "CheckBoxProgSoc", "CheckBox6"})
        EXPECT_FALSE(form->Find<TCheckBox>(inert)->Enabled()) << inert;
    for (TComboBox* combo : form->ComboBoxPort) {
        ASSERT_EQ(combo->ItemCount(), 25);  // transceiver cards included
        EXPECT_EQ(combo->ItemText(kDefaultXcvr), "HSMC Default With Transceiver");
        EXPECT_EQ(combo->ItemText(24), "Wesket -Multi-Touch/LCD/Camera");
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    EXPECT_FALSE(form->ImagePort[0]->Visible());

    // ... and none is written when the form goes away, whatever it shows.
    std::filesystem::remove(DefaultCfg());
    UserType(form->EditProjectName, "Changed");
    UserClick(form->m_Groups.Box(5));
    main->OpenBoardForm(MAINBOARD_OSTERLIN);
    EXPECT_FALSE(FileExists(DefaultCfg()));
    form = dynamic_cast<TFormOsterlin*>(main->BoardForm());
    EXPECT_EQ(form->EditProjectName->Text(), "Osterlin");
    EXPECT_FALSE(form->m_Groups.Box(5)->Checked());
}

// "Change Main Board" sits in the board panel, beside the title, and brings
// up the board selector; cancelled, the form stays.
TEST_F(OsterlinForm, TheBoardChangeInsideThePanelOpensTheSelector)
{
    auto* form = Open();
    const TControl* panel = form->FindControl("PanelBoard");
    auto* change = form->Find<TButton>("ButtonMainBoardSelect");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(change->Caption(), "Change Main Board");
    const TControl* title = form->FindControl("LabelBoardName");
    for (const char* name : {"ButtonMainBoardSelect", "LabelBoardName", "ImageBoard"}) {
        const TControl* control = form->FindControl(name);
        EXPECT_EQ(control->Parent(), panel) << name;
        EXPECT_TRUE(control->Visible()) << name;
        EXPECT_LE(control->Left() + control->Width(), panel->Width()) << name;
        EXPECT_LE(control->Top() + control->Height(), panel->Height()) << name;
    }
    EXPECT_LE(title->Left() + title->Width(), change->Left());

    EXPECT_TRUE(BoardChangeShowsTheSelector(change));
    EXPECT_EQ(main->BoardForm(), form);
}

TEST_F(OsterlinForm, GroupsOfTheProject)
{
    auto* form = Open();
    const std::string project = Generate(form, "Osterlin");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Osterlin.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Arria II GX\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP2AGX125EF35C4ES"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 4"));
    EXPECT_EQ(BoardBlock(qsf), kJunctionTemperatures);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 6 + 6 + 3 + 4 + 11);
    EXPECT_EQ(Count(qsf, "set_location_assignment"), 30);
    EXPECT_EQ(StandardOf(qsf, "CLK_155_P"), "Differential LVPECL");
    EXPECT_EQ(StandardOf(qsf, "USER_PB[1]"), "1.8 V");
    EXPECT_EQ(SignalAt(qsf, "C1"), "LCD_DATA[7]");
    EXPECT_TRUE(HasLine(ReadFile(project + "Osterlin.sdc"), "create_clock -period 6.000ns [get_ports CLK_155_P]"));
    EXPECT_NE(ReadFile(project + "Osterlin.htm").find("Osterlin FPGA Board Configuration"), std::string::npos);

    // Ethernet and DDR3 are kept and change nothing; PCIe adds 25 pins.
    UserClick(form->m_Groups.Box(6));
    UserClick(form->m_Groups.Box(7));
    Generate(form, "Osterlin");
    EXPECT_EQ(ReadFile(project + "Osterlin.qsf"), qsf);
    UserClick(form->m_Groups.Box(8));
    const std::string pcie = Generate(form, "pcie");
    const std::string pcieQsf = ReadFile(pcie + "pcie.qsf");
    EXPECT_EQ(Count(pcieQsf, "set_instance_assignment -name IO_STANDARD"), 30 + 25);
    EXPECT_EQ(SignalAt(pcieQsf, "V31"), "PCIE_TX_p[7]");
    EXPECT_EQ(StandardOf(pcieQsf, "PCIE_RX_p[3]"), "1.5-V PCML");
    EXPECT_EQ(StandardOf(pcieQsf, "PCIE_REFCLK_n"), "HCSL");
    ExpectNoBallTwice(pcieQsf);
    ExpectCompiles({"Osterlin", "pcie"});
}

TEST_F(OsterlinForm, CardsOnBothPortsAndTheSocket)
{
    auto* form = Open();
    UserPick(form->ComboBoxPort[0], kDefault);
    UserPick(form->ComboBoxPort[1], kDefault);
    EXPECT_TRUE(form->ImagePort[1]->Visible());
    Generate(form, "ports");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"HSMC-A and HSMC-B cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    // The box shows the last failed check.
    Generate(form, "");
    EXPECT_EQ(seam.ErrorTexts().size(), 1u);
    EXPECT_NE(seam.ErrorTexts()[0].find("HSMC-A and HSMC-B"), std::string::npos);

    UserType(form->EditPrefixPort[0], "A_");
    UserType(form->EditPrefixPort[1], "B_");
    UserClick(form->m_Groups.Box(5));  // DDR2 SODIMM
    const std::string project = Generate(form, "ports");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "ports.qsf");
    const size_t a = qsf.find("# HSMC-A, HSMC-A connect to HSMC Default\r\n");
    const size_t b = qsf.find("# HSMC-B, HSMC-B connect to HSMC Default\r\n");
    EXPECT_LT(qsf.find("# DDR2 SODIMM, DDR2 SODIMM\r\n"), a);
    EXPECT_LT(a, b);
    EXPECT_NE(b, std::string::npos);
    EXPECT_EQ(SignalAt(qsf, "K31"), "A_TX_p[3]");
    EXPECT_EQ(SignalAt(qsf, "B31"), "B_TX_p[3]");
    EXPECT_EQ(SignalAt(qsf, "AP17"), "A_CLKIN0");
    EXPECT_EQ(SignalAt(qsf, "AG28"), "B_PRSNT_n");
    EXPECT_EQ(StandardOf(qsf, "A_CLKIN0"), "2.5 V");
    // The module: differential strobes; the socket has no pin for dqs_n.
    EXPECT_EQ(Count(qsf, "\" -to mem_"), 112);
    EXPECT_EQ(SignalAt(qsf, "B7"), "mem_dq[4]");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs[0]"), "Differential 1.8-V SSTL Class I");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs_n[0]"), "");
    ExpectNoBallTwice(qsf);

    // A transceiver card on port B alone.
    UserPick(form->ComboBoxPort[0], 0);
    UserClick(form->m_Groups.Box(5));
    UserPick(form->ComboBoxPort[1], kDefaultXcvr);
    const std::string portB = Generate(form, "portB");
    const std::string portBQsf = ReadFile(portB + "portB.qsf");
    EXPECT_EQ(portBQsf.find("# HSMC-A"), std::string::npos);
    EXPECT_NE(portBQsf.find("# HSMC-B, HSMC-B connect to HSMC Default With Transceiver\r\n"), std::string::npos);
    EXPECT_EQ(StandardOf(portBQsf, SignalAt(portBQsf, "B31")), "1.5-V PCML") << SignalAt(portBQsf, "B31");
    ExpectCompiles({"ports", "portB"});
    UserPick(form->ComboBoxPort[1], kNet);
    EXPECT_TRUE(form->ImagePort[1]->Visible());
}

TEST_F(OsterlinForm, LoadingSettings)
{
    auto* form = Open();
    // Cancelled, or a file of another size: the box, and nothing changes.
    UserType(form->EditProjectName, "Kept");
    seam.dialogAnswers.clear();
    UserClick(form->ButtonLoad);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
    seam.boxes.clear();
    Load(form, std::string(403, '\0'));
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
    EXPECT_EQ(form->EditProjectName->Text(), "Kept");

    // A round trip, the port-B byte that no control writes kept as it was.
    UserPick(form->ComboBoxPort[1], kNet);
    UserType(form->EditPrefixPort[1], "N_");
    OSTERLIN_CONFIG saved = RecordOf<OSTERLIN_CONFIG>(Save(form, "trip.cfg"));
    EXPECT_EQ(saved.BoardId, MAINBOARD_OSTERLIN);
    EXPECT_EQ(saved.bHSMB, 0);
    EXPECT_EQ(saved.nHsmcDaughterId[1], 7);
    saved.bHSMB = 1;
    seam.boxes.clear();
    UserPick(form->ComboBoxPort[1], 0);
    Load(form, BytesOf(saved));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->ComboBoxPort[1]->ItemIndex(), kNet);
    EXPECT_EQ(form->EditPrefixPort[1]->Text(), "N_");
    EXPECT_EQ(RecordOf<OSTERLIN_CONFIG>(Save(form, "again.cfg")).bHSMB, 1);
    // Generation starts from a zeroed record: the port-B pins stay out.
    const std::string project = Generate(form, "hsmb");
    EXPECT_EQ(StandardOf(ReadFile(project + "hsmb.qsf"), "HSMB_TX_LED"), "");

    // A settings file of the Norvelle board has this record's size.
    auto* norvelle = OpenOther<TFormNorvelle>(MAINBOARD_NORVELLE);
    const std::string other = Save(norvelle, "norvelle.cfg");
    form = Open();
    seam.boxes.clear();
    Load(form, other);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditProjectName->Text(), "Norvelle");
}

}  // namespace osterlin_form_test
