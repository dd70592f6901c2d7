// The Wendlebury form end to end: hosted by the main form, dialogs answered
// by the test, the generated files checked on disk.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Wendlebury.h"
#include "tests/boards/SocFormFixture.h"

namespace wendlebury_form_test {

using namespace socform;

namespace {

const char* const kWord = "Wendlebury";
const char* const kJumperWarning =
    "You have changed the default voltage level of HSMC interface. \nPlease remember to change the jumper position "
    "on JP3 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
    "level.";

enum Voltage { V3_3 = 0, V2_5, V1_8, V1_5 };
// Items of the HSMC list at 2.5 V.
enum Hsmc25 { HsmcNone = 0, HsmcDefault, Dvi, Net, Brask = 4, Fyrn = 7 };
enum Gpio { GpioNone = 0, GpioDefault, Ivrel, Kember };

class WendleburyForm : public SocFormTest<TFormWendlebury, MAINBOARD_WENDLEBURY> {
protected:
    std::vector<seam::BoxKind> Kinds() const
    {
        std::vector<seam::BoxKind> kinds;
        for (const auto& box : seam.boxes) kinds.push_back(box.kind);
        return kinds;
    }
};

std::string Record(const char* name, int32_t voltage, uint8_t hsmcCard, const char* hsmcPrefix, uint8_t gpioCard)
{
    std::string record(416, '\0');
    record[0] = 35;
    record[4] = static_cast<char>(0xA0);
    record[5] = 0x01;
    std::memcpy(&record[8], name, std::strlen(name));
    record[137] = 1;  // CLOCK only
    record[150] = static_cast<char>(gpioCard);
    std::memcpy(&record[280], &voltage, 4);
    record[284] = static_cast<char>(hsmcCard);
    std::memcpy(&record[285], hsmcPrefix, std::strlen(hsmcPrefix));
    return record;
}

int32_t VoltageOf(const std::string& record)
{
    int32_t voltage = 0;
    std::memcpy(&voltage, record.data() + 280, 4);
    return voltage;
}

}  // namespace

TEST_F(WendleburyForm, OpensWithItsDefaults)
{
    TFormWendlebury* form = Open();
    EXPECT_EQ(main->ClientWidth(), 789);
    EXPECT_EQ(main->ClientHeight(), 536);
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "Wendlebury FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "Wendlebury");
    ASSERT_EQ(form->ComboBoxFileType->ItemCount(), 2);
    EXPECT_EQ(form->ComboBoxFileType->ItemText(0), "Verilog");
    EXPECT_EQ(form->ComboBoxFileType->ItemText(1), "VHDL");
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 0);
    ASSERT_EQ(form->m_Groups.size(), 13u);
    for (const TSocGroup& group : form->m_Groups) {
        EXPECT_EQ(group.Box->Checked(), group.Box != form->CheckBoxHPS) << group.Box->Name();
        EXPECT_EQ(group.Shapes[0]->Visible(), group.Box != form->CheckBoxHPS) << group.Box->Name();
    }
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio), kGpio40Cards);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemCount(), 4);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemText(1), "2.5 V (Default)");
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), V2_5);
    ASSERT_EQ(form->ComboBoxHsmc->ItemCount(), 19);
    EXPECT_EQ(form->ComboBoxHsmc->ItemText(Fyrn), "Fyrn - HSMC to PIO Adaptor");
    EXPECT_EQ(form->ComboBoxHsmc->ItemIndex(), HsmcNone);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->m_JumperShapes[static_cast<size_t>(i)]->Visible(), i == V2_5) << i;
    EXPECT_FALSE(form->ShapeGpio->Visible());
    EXPECT_FALSE(form->ShapeHSMC->Visible());
    EXPECT_FALSE(form->ImageHSMC->Visible());

    UserPick(form->ComboBoxHsmc, Dvi);
    EXPECT_TRUE(form->ShapeHSMC->Visible());
    EXPECT_TRUE(form->ImageHSMC->Visible());
    UserPick(form->ComboBoxHsmcVol, V1_8);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->m_JumperShapes[static_cast<size_t>(i)]->Visible(), i == V1_8) << i;
}

TEST_F(WendleburyForm, TheHsmcListFollowsTheVoltage)
{
    TFormWendlebury* form = Open();
    // Card 8 is offered at 2.5 V only: another voltage drops it and its prefix.
    UserPick(form->ComboBoxHsmc, Brask);
    UserType(form->EditPrefixHsmc, "B_");
    EXPECT_EQ(form->m_Config.m_Config.nHsmcDaughterId, 8);
    UserPick(form->ComboBoxHsmcVol, V3_3);
    ASSERT_EQ(form->ComboBoxHsmc->ItemCount(), 5);
    EXPECT_EQ(form->ComboBoxHsmc->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixHsmc->Text(), "");
    EXPECT_EQ(form->m_Config.m_Config.nHsmcDaughterId, 0);
    EXPECT_EQ(form->m_Config.m_Config.nHsmcVoltage, V3_3);
    EXPECT_FALSE(form->ImageHSMC->Visible());

    // Card 17 is in every list: it stays, with its prefix.
    UserPick(form->ComboBoxHsmc, 1);
    EXPECT_EQ(form->ComboBoxHsmc->Text(), "Fyrn - HSMC to PIO Adaptor");
    UserType(form->EditPrefixHsmc, "F_");
    for (int voltage : {V1_5, V1_8, V2_5, V3_3}) {
        UserPick(form->ComboBoxHsmcVol, voltage);
        EXPECT_EQ(form->ComboBoxHsmc->Text(), "Fyrn - HSMC to PIO Adaptor") << voltage;
        EXPECT_EQ(form->EditPrefixHsmc->Text(), "F_") << voltage;
        EXPECT_EQ(form->m_Config.m_Config.nHsmcDaughterId, 17);
    }

    // Picking the voltage already stored changes nothing, not even the list.
    UserPick(form->ComboBoxHsmcVol, V1_8);
    UserPick(form->ComboBoxHsmc, 0);
    ASSERT_EQ(form->ComboBoxHsmc->ItemCount(), 2);
    form->ComboBoxHsmc->AddItem("marker");
    UserPick(form->ComboBoxHsmcVol, V1_8);
    EXPECT_EQ(form->ComboBoxHsmc->ItemCount(), 3);
}

TEST_F(WendleburyForm, GeneratesTheDefaultProjectInBothLanguages)
{
    TFormWendlebury* form = Open();
    const std::string verilog = Generate(form, kWord, "VERILOG_TOP");
    const std::string project = ProjectFolder(kWord, "Wendlebury");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    const std::string qsf = Qsf(verilog);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CSXFC6D6F31C6"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 168);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to CLOCK3_50"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to SW[9]"));
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(project + "VERILOG_TOP.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.000000 MHz\" [get_ports CLOCK_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}"));
    EXPECT_TRUE(FileExists(ChangeFileExt(verilog, ".v")));
    // The pin table is headed with the board's title.
    EXPECT_NE(ReadFile(ChangeFileExt(verilog, ".htm")).find("Wendlebury Configuration"), std::string::npos);
    EXPECT_FALSE(FileExists(ChangeFileExt(verilog, ".vhd")));
    ExpectVerilogCompiles(verilog);

    // The board has no batch: the left Ctrl key changes nothing.
    UserPick(form->ComboBoxFileType, 1);
    seam.ctrlDown = true;
    const std::string vhdl = Generate(form, kWord, "VHDL_TOP");
    seam.ctrlDown = false;
    EXPECT_EQ(seam.beeps, 0);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + project});
    EXPECT_TRUE(FileExists(ChangeFileExt(vhdl, ".vhd")));
    EXPECT_FALSE(FileExists(ChangeFileExt(vhdl, ".v")));
    ExpectVhdlAnalyses({vhdl});
    EXPECT_EQ(Save(form, "vhdl.cfg")[136], 1);
}

TEST_F(WendleburyForm, NothingTickedInVhdlHasNoPortClause)
{
    TFormWendlebury* form = Open();
    for (const TSocGroup& group : form->m_Groups)
        if (group.Box->Checked()) UserClick(group.Box);
    UserPick(form->ComboBoxFileType, 1);
    const std::string path = Generate(form, kWord, "EMPTY");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    const std::string vhdl = ReadFile(ChangeFileExt(path, ".vhd"));
    EXPECT_NE(vhdl.find("entity EMPTY is\r\nend EMPTY;\r\n"), std::string::npos);
    ExpectVhdlAnalyses({path});
}

TEST_F(WendleburyForm, EveryGroupWithAGpioCardAndTheWarnings)
{
    TFormWendlebury* form = Open();
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxGpio, Kember);
    UserType(form->EditPrefixGpio, "K_");
    // Another voltage without an HSMC card: the banks stay at 2.5 V and the
    // jumper warning follows the success box, then the HPS warning.
    UserPick(form->ComboBoxHsmcVol, V3_3);
    const std::string path = Generate(form, kWord, "EVERY");
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(Kinds(), (std::vector<seam::BoxKind>{seam::BoxKind::Information, seam::BoxKind::Warning,
                                                   seam::BoxKind::Information}));
    EXPECT_EQ(seam.boxes[1].text, kJumperWarning);
    EXPECT_EQ(seam.boxes[2].text, kHpsWarning);

    const std::string qsf = Qsf(path);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 302 + 36);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 168 + 36);
    EXPECT_EQ(Count(qsf, " -to HPS_"), 134);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to CLOCK4_50"));
    EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to Kember - 4.3\" LCD and Touch"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W15 -to K_KEMBER_ADC_PENIRQ_n"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // At 1.8 V, still without an HSMC card, the warning is shown all the same;
    // at 2.5 V it is not.
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxHsmcVol, V1_8);
    Generate(form, kWord, "EVERY");
    EXPECT_EQ(seam.InfoTexts().size(), 1u);
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text, kJumperWarning);
    UserPick(form->ComboBoxHsmcVol, V2_5);
    Generate(form, kWord, "EVERY");
    EXPECT_EQ(seam.boxes.size(), 1u);
}

TEST_F(WendleburyForm, AFailedRunShowsNoWarning)
{
    TFormWendlebury* form = Open();
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxHsmcVol, V3_3);
    std::filesystem::create_directories(ProjectFolder(kWord, "Wendlebury") + "Wendlebury.qsf");
    Generate(form, kWord, "Wendlebury");
    const auto errors = seam.ErrorTexts();
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(errors.back(), "Failed to generate Quartus project: Wendlebury.qpf.");
    EXPECT_EQ(errors[errors.size() - 2], "Failed to create file Wendlebury.qsf");
    for (const auto& box : seam.boxes) EXPECT_EQ(box.kind, seam::BoxKind::Error);
}

TEST_F(WendleburyForm, SettingsFilesAndValuesOutsideTheLists)
{
    TFormWendlebury* form = Open();
    // Round trip, byte-equal; wrong sizes refused.
    UserType(form->EditProjectName, "saved");
    UserPick(form->ComboBoxFileType, 1);
    UserPick(form->ComboBoxHsmcVol, V1_5);
    UserPick(form->ComboBoxGpio, Ivrel);
    UserType(form->EditPrefixGpio, "I_");
    seam.boxes.clear();
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 416u);
    EXPECT_EQ(saved[0], 35);
    EXPECT_EQ(saved[136], 1);
    EXPECT_EQ(saved[150], 12);
    EXPECT_EQ(VoltageOf(saved), V1_5);
    for (size_t size : {415u, 417u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    UserType(form->EditProjectName, "changed");
    Load(form, "one.cfg");
    EXPECT_EQ(Save(form, "two.cfg"), saved);
    // A prefix that no generation takes is kept in a settings file.
    UserType(form->EditPrefixGpio, "I-");
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_TRUE(seam.ErrorTexts().empty());
    UserType(form->EditPrefixGpio, "I_");
    seam.boxes.clear();

    // An HSMC card that the list of its voltage does not hold is dropped; a
    // GPIO card outside the list leaves the GPIO combo where it was.
    WriteFile(folder.Path() + "drop.cfg", Record("DROP", V3_3, 8, "B_", 11));
    Load(form, "drop.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "DROP");
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), V3_3);
    EXPECT_EQ(form->ComboBoxHsmc->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixHsmc->Text(), "");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);

    // A voltage outside 0 to 3 is taken as 2.5 V, shown, and written back
    // (here into default.cfg when the form goes away).
    WriteFile(folder.Path() + "odd.cfg", Record("ODD", 7, 8, "B_", 0));
    Load(form, "odd.cfg");
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), V2_5);
    EXPECT_EQ(form->ComboBoxHsmc->ItemIndex(), Brask);
    EXPECT_EQ(form->EditPrefixHsmc->Text(), "B_");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->m_JumperShapes[static_cast<size_t>(i)]->Visible(), i == V2_5);
    EXPECT_TRUE(seam.ErrorTexts().empty());
    main.reset();
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 416u);
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), "ODD");
    EXPECT_EQ(VoltageOf(written), V2_5);
    EXPECT_EQ(written[284], 8);
    EXPECT_EQ(ReadFixedText(written.data() + 285, 128), "B_");
}

TEST_F(WendleburyForm, EveryHsmcCardAtEachVoltageInBothLanguages)
{
    TFormWendlebury* form = Open();
    const char* const kStandards[4] = {"3.3-V LVTTL", "2.5 V", "1.8 V", "1.5 V"};
    std::vector<std::string> verilog, vhdl;
    for (int voltage : {V3_3, V2_5, V1_8, V1_5}) {
        UserPick(form->ComboBoxFileType, 0);
        UserPick(form->ComboBoxHsmcVol, voltage);
        const int cards = form->ComboBoxHsmc->ItemCount();
        EXPECT_EQ(cards, voltage == V3_3 ? 5 : voltage == V2_5 ? 19 : 2);
        for (int item = 1; item < cards; ++item) {
            UserPick(form->ComboBoxHsmc, item);
            UserType(form->EditPrefixHsmc, "H_");
            const std::string card = form->ComboBoxHsmc->Text();
            SCOPED_TRACE(card + " at " + kStandards[voltage]);
            const std::string name = "V" + std::to_string(voltage) + "_CARD" + std::to_string(item);
            UserPick(form->ComboBoxFileType, 0);
            const std::string v = Generate(form, kWord, name);
            ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
            // The jumper warning follows the success box at every voltage but 2.5 V.
            EXPECT_EQ(seam.boxes.size(), voltage == V2_5 ? 1u : 2u);
            const std::string qsf = Qsf(v);
            EXPECT_TRUE(HasLine(qsf, "# HSMC, HSMC connect to " + card));
            EXPECT_GT(Count(qsf, " -to H_"), 0);
            EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name IO_STANDARD \"") + kStandards[voltage] +
                                         "\" -to CLOCK3_50"));
            ExpectNoBallTwice(qsf);
            verilog.push_back(v);
            UserPick(form->ComboBoxFileType, 1);
            vhdl.push_back(Generate(form, kWord, name + "_VHDL"));
            ASSERT_TRUE(seam.ErrorTexts().empty());
        }
    }
    // The adaptor, offered at every voltage, takes the voltage's standard.
    for (int voltage : {V3_3, V2_5, V1_8, V1_5}) {
        const std::string qsf = Qsf(ProjectFolder(kWord, "Wendlebury") + "V" + std::to_string(voltage) + "_CARD" +
                                    (voltage == V2_5 ? "7" : "1") + ".qpf");
        EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_A9 -to H_GPIO1_35")) << voltage;
        EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G15 -to H_GPIO0_0")) << voltage;
        EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name IO_STANDARD \"") + kStandards[voltage] +
                                     "\" -to H_GPIO1_35"))
            << voltage;
        EXPECT_EQ(Count(qsf, "set_location_assignment PIN_") - 168, 72) << voltage;
    }
    ExpectVerilogCompiles(verilog);
    ExpectVhdlAnalyses(vhdl);
}

TEST_F(WendleburyForm, TheDefaultHsmcNamingGetsItsOwnPrefix)
{
    TFormWendlebury* form = Open();
    struct Case {
        int item;
        const char* prefix;
        std::vector<std::string> lines;
    } cases[] = {
        {HsmcDefault, "",
         {"set_location_assignment PIN_A9 -to HSMC_TX_P[0]", "set_location_assignment PIN_AD29 -to HSMC_CLKOUT0",
          "set_location_assignment PIN_E7 -to HSMC_CLKOUT_P[1]",
          "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to HSMC_TX_P[0]"}},
        {HsmcDefault, "Q_", {"set_location_assignment PIN_A9 -to Q_TX_P[0]"}},
        {Fyrn, "", {"set_location_assignment PIN_A9 -to GPIO1_35", "set_location_assignment PIN_D2 -to GPIO0_35"}},
    };
    std::vector<std::string> projects;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + c.prefix);
        UserPick(form->ComboBoxHsmc, c.item);
        UserType(form->EditPrefixHsmc, c.prefix);
        const std::string path = Generate(form, kWord, "NAMING_" + std::to_string(projects.size()));
        ASSERT_TRUE(seam.ErrorTexts().empty());
        const std::string qsf = Qsf(path);
        for (const std::string& line : c.lines) EXPECT_TRUE(HasLine(qsf, line)) << line;
        EXPECT_EQ(Count(qsf, " -to HSMC_") > 0, c.item == HsmcDefault && std::string(c.prefix).empty());
        projects.push_back(path);
    }
    ExpectVerilogCompiles(projects);
}

TEST_F(WendleburyForm, EachGpioCardWithAPrefix)
{
    TFormWendlebury* form = Open();
    std::vector<std::string> projects;
    for (int item = 1; item < form->ComboBoxGpio->ItemCount(); ++item) {
        UserPick(form->ComboBoxGpio, item);
        UserType(form->EditPrefixGpio, "P_");
        SCOPED_TRACE(form->ComboBoxGpio->Text());
        const std::string path = Generate(form, kWord, "GPIO_CARD_" + std::to_string(item));
        ASSERT_TRUE(seam.ErrorTexts().empty());
        const std::string qsf = Qsf(path);
        EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to " + form->ComboBoxGpio->Text()));
        EXPECT_GT(Count(qsf, " -to P_"), 0);
        ExpectNoBallTwice(qsf);
        projects.push_back(path);
    }
    EXPECT_EQ(projects.size(), 14u);
    EXPECT_TRUE(HasLine(Qsf(projects[0]), "set_location_assignment PIN_W15 -to P_GPIO[0]"));
    EXPECT_TRUE(HasLine(Qsf(projects[0]), "set_location_assignment PIN_AA12 -to P_GPIO[35]"));
    ExpectVerilogCompiles(projects);
}

}  // namespace wendlebury_form_test
