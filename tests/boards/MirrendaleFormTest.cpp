// The Mirrendale form end to end: hosted by the main form, dialogs answered
// by the test, the generated files checked on disk; and its batch generation
// with the left Ctrl key held.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Mirrendale.h"
#include "tests/boards/SocFormFixture.h"

namespace mirrendale_form_test {

using namespace socform;

namespace {

// Combo items, in the order of the card list.
enum Item { None = 0, GpioDefault, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk,
            Default2V5, Default1V8, Default1V5 };

const char* const kWord = "MIRRENDALE";

// The located pins of every group but HPS, and the pins of HPS.
constexpr int kLocatedGroupPins = 368 - 134;
constexpr int kHpsPins = 134;

// The projects a batch writes with this board's card list, in order.
const std::vector<std::string> kBatchProjects = {
    "MIRRENDALE_GPIO_GPIO_Default",      "MIRRENDALE_GPIO_Ivrel",
    "MIRRENDALE_GPIO_Kember",            "MIRRENDALE_GPIO_Sarnel",
    "MIRRENDALE_GPIO_Brevik",            "MIRRENDALE_GPIO_Tamsil",
    "MIRRENDALE_GPIO_Servo_Motor_Kit",   "MIRRENDALE_GPIO_RF_and_Sensor",
    "MIRRENDALE_GPIO_RF_and_Sensor_68",  "MIRRENDALE_GPIO_RISC_V",
    "MIRRENDALE_GPIO_Jusk_GPIO",         "MIRRENDALE_GPIO_GPIO_Default_2_5V",
    "MIRRENDALE_GPIO_GPIO_Default_1_8V", "MIRRENDALE_GPIO_GPIO_Default_1_5V",
};

class MirrendaleForm : public SocFormTest<TFormMirrendale, MAINBOARD_MIRRENDALE> {
protected:
    static std::vector<std::string> Sorted(std::vector<std::string> names)
    {
        std::sort(names.begin(), names.end());
        return names;
    }
};

// A 408-byte record as another program version or board could have left it.
std::string Record(const char* name, uint8_t card, const char* prefix)
{
    std::string record(408, '\0');
    record[0] = MAINBOARD_MIRRENDALE;
    record[4] = static_cast<char>(408 & 0xff);
    record[5] = static_cast<char>(408 >> 8);
    std::memcpy(&record[8], name, std::strlen(name));
    record[136] = 1;  // CLOCK only
    record[149] = 1;  // and HPS
    record[150] = static_cast<char>(card);
    std::memcpy(&record[152], prefix, std::strlen(prefix));
    return record;
}

}  // namespace

TEST_F(MirrendaleForm, OpensWithItsDefaults)
{
    TFormMirrendale* form = Open();
    EXPECT_EQ(main->ClientWidth(), 794);
    EXPECT_EQ(main->ClientHeight(), 515);
    EXPECT_EQ(form->Caption(), "Mirrendale V1.0.0");
    EXPECT_NE(main->Caption(), "Mirrendale V1.0.0");
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "Mirrendale FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "MIRRENDALE");
    ASSERT_EQ(form->m_Groups.size(), 14u);
    int visible = 0, hidden = 0;
    for (const TSocGroup& group : form->m_Groups) {
        const bool hps = group.Box == form->CheckBoxHPS;
        EXPECT_EQ(group.Box->Checked(), !hps) << group.Box->Caption();
        for (TShape* shape : group.Shapes) (shape->Visible() ? visible : hidden)++;
    }
    EXPECT_EQ(visible, 13);
    EXPECT_EQ(hidden, 9);  // the nine HPS overlays
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio), kGpio40Cards);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
    EXPECT_FALSE(form->ShapeGpio->Visible());
    EXPECT_FALSE(form->ImageGpio0->Visible());

    // "HPS" shows its nine overlays; a card shows its picture and the header's.
    UserClick(form->CheckBoxHPS);
    for (const char* name : {"ShapeHPS", "ShapeHpsDDR3", "ShapeHpsLTC", "ShapeHpsUsb", "ShapeHpsSdcard",
                             "ShapeHpsEthernet", "ShapeHpsLCD", "ShapeHpsLedButton", "ShapeHpsUart"})
        EXPECT_TRUE(form->Find<TShape>(name)->Visible()) << name;
    UserPick(form->ComboBoxGpio, Kember);
    EXPECT_TRUE(form->ShapeGpio->Visible());
    EXPECT_TRUE(form->ImageGpio0->Visible());
}

TEST_F(MirrendaleForm, GeneratesTheDefaultProject)
{
    TFormMirrendale* form = Open();
    const std::string path = Generate(form, kWord, "MIRRENDALE");
    const std::string project = ProjectFolder(kWord, "MIRRENDALE");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "MIRRENDALE.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone V\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CSEMA6F31C6"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 6"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF14 -to CLOCK_50"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to CLOCK_50"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to HEX0[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to HEX0[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AK27 -to FPGA_DDR3_DQ[31]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to FPGA_DDR3_DQ[31]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B5 -to HDMI_TX_D[23]"));
    EXPECT_FALSE(HasLine(qsf, "# HPS"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), kLocatedGroupPins);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), kLocatedGroupPins);

    const std::string sdc = ReadFile(project + "MIRRENDALE.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}"));
    EXPECT_EQ(Count(sdc, "clk_dram"), 0);
    EXPECT_EQ(Count(sdc, "set_output_delay -max -clock clk_vga"), 0);
    ExpectVerilogCompiles(path);
}

TEST_F(MirrendaleForm, EveryGroupWithGpioDefaultAndTheHpsWarning)
{
    TFormMirrendale* form = Open();
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxGpio, GpioDefault);
    const std::string path = Generate(form, kWord, "MIRRENDALE");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder(kWord, "MIRRENDALE"));
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].text, kHpsWarning);

    const std::string qsf = Qsf(path);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 368 + 36);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), kLocatedGroupPins + 36);
    EXPECT_EQ(Count(qsf, "-to HPS_"), kHpsPins);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to HPS_DDR3_ADDR[0]"));
    // One header without a name base: the card's own names.
    EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to GPIO Default"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA26 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA24 -to GPIO[10]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF28 -to GPIO[35]"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // A failed run shows the writer's box and the form's, and no HPS warning.
    const std::string sdc = ProjectFolder(kWord, "MIRRENDALE") + "MIRRENDALE.sdc";
    std::filesystem::remove(sdc);
    std::filesystem::create_directories(sdc);
    Generate(form, kWord, "MIRRENDALE");
    const auto errors = seam.ErrorTexts();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[1], "Failed to create file MIRRENDALE.sdc");
    EXPECT_EQ(errors[2], "Failed to generate Quartus project: MIRRENDALE.qpf.");
    EXPECT_TRUE(seam.InfoTexts().empty());
}

TEST_F(MirrendaleForm, BatchWritesOneProjectPerCardWithTheCurrentPrefix)
{
    TFormMirrendale* form = Open();
    UserClick(form->CheckBoxHPS);  // no HPS warning in a batch
    UserPick(form->ComboBoxGpio, Tamsil);
    UserType(form->EditPrefixGpio, "P_");
    UserType(form->EditProjectName, "mine");
    const std::string root = ProjectFolder(kWord, "mine");
    GenerateBatch(form, root);

    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, root);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "mine.qpf");
    EXPECT_EQ(Folders(root), Sorted(kBatchProjects));
    // The controls show what they showed before.
    EXPECT_EQ(form->EditProjectName->Text(), "mine");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Tamsil);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "P_");
    EXPECT_TRUE(form->ShapeGpio->Visible());

    // Each project carries its card with the prefix, on the header's positions.
    const struct {
        const char* pin;
        const char* location;
        int pins;
    } expected[] = {
        {"P_GPIO[0]", "AA26", 36},       {"P_IVREL_PIXCLK", "AA26", 21}, {"P_KEMBER_ADC_PENIRQ_n", "AA26", 36},
        {"P_SARNEL_DCLK", "V23", 30},    {"P_BREVIK_ADC_PENIRQ_N", "AA26", 28}, {"P_SARNEL_DCLK", "V23", 30},
        {"P_PMW[0]", "AA26", 30},        {"P_LSENSOR_INT", "AA26", 34},  {"P_BT_KEY", "V23", 36},
        {"P_EXT_JTAG_TCK", "AA26", 36},  {"P_MIPI_PIXEL_CLK", "V23", 22}, {"P_GPIO[35]", "AF28", 36},
        {"P_GPIO[10]", "AA24", 36},      {"P_GPIO[9]", "Y24", 36},
    };
    std::vector<std::string> paths;
    for (size_t i = 0; i < kBatchProjects.size(); ++i) {
        const std::string& name = kBatchProjects[i];
        SCOPED_TRACE(name);
        const std::string path = root + name + "/" + name + ".qpf";
        paths.push_back(path);
        const std::string qsf = Qsf(path);
        EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name TOP_LEVEL_ENTITY \"" + name + "\""));
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + expected[i].location + " -to " +
                                     expected[i].pin));
        EXPECT_EQ(Count(qsf, " -to P_"), 2 * expected[i].pins);
        EXPECT_EQ(Count(qsf, "-to HPS_"), kHpsPins);
    }
    EXPECT_TRUE(HasLine(Qsf(paths[7]), "# GPIO, GPIO connect to Elvask - RF and Sensor"));
    EXPECT_TRUE(HasLine(Qsf(paths[8]), "# GPIO, GPIO connect to Fenwry - RF and Sensor"));
    ExpectVerilogCompiles(paths);

    // Right after, an ordinary Generate makes the one project of the controls.
    const std::string single = Generate(form, kWord, "mine");
    EXPECT_EQ(seam.InfoTexts().size(), 2u);  // success and the HPS warning
    EXPECT_TRUE(HasLine(Qsf(single), "# GPIO, GPIO connect to Tamsil - Multi-Touch LCD Panel"));
}

TEST_F(MirrendaleForm, ACancelledBatchWritesNothing)
{
    TFormMirrendale* form = Open();
    UserPick(form->ComboBoxGpio, Ivrel);
    GenerateBatch(form, "");
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_TRUE(seam.boxes.empty());
    // Only the folder the dialog proposed was made.
    const std::string proposed = ProjectFolder(kWord, "MIRRENDALE");
    EXPECT_TRUE(std::filesystem::is_directory(proposed));
    EXPECT_TRUE(Folders(proposed).empty());
    EXPECT_EQ(form->EditProjectName->Text(), "MIRRENDALE");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
}

TEST_F(MirrendaleForm, ABatchStopsAtAFailedProjectAndKeepsTheOnesWritten)
{
    TFormMirrendale* form = Open();
    const std::string root = ProjectFolder(kWord, "MIRRENDALE");
    // The .v of the fourth project cannot be written.
    std::filesystem::create_directories(root + "MIRRENDALE_GPIO_Sarnel/MIRRENDALE_GPIO_Sarnel.v");
    GenerateBatch(form, root);
    // The writer's own boxes, and no box of the batch's.
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{
                  "Cannot write file \"" + root + "MIRRENDALE_GPIO_Sarnel/MIRRENDALE_GPIO_Sarnel.v\". Not a regular file",
                  "Failed to create file MIRRENDALE_GPIO_Sarnel.v"}));
    EXPECT_TRUE(seam.InfoTexts().empty());
    EXPECT_EQ(Folders(root), (std::vector<std::string>{"MIRRENDALE_GPIO_GPIO_Default", "MIRRENDALE_GPIO_Ivrel",
                                                       "MIRRENDALE_GPIO_Kember", "MIRRENDALE_GPIO_Sarnel"}));
    EXPECT_TRUE(FileExists(root + "MIRRENDALE_GPIO_Kember/MIRRENDALE_GPIO_Kember.htm"));
    EXPECT_EQ(form->EditProjectName->Text(), "MIRRENDALE");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);

    // A prefix typed while the header shows "None" is not checked before the
    // batch; the run refuses the names it makes with its box, the batch
    // stops there, and the controls are put back all the same.
    std::filesystem::remove_all(root);
    UserType(form->EditPrefixGpio, "A[x]");
    GenerateBatch(form, root);
    EXPECT_EQ(seam.ErrorTexts(), (std::vector<std::string>{
                                     "Signal name A[x]GPIO[0] cannot be used in a Verilog or VHDL design."}));
    EXPECT_EQ(form->EditProjectName->Text(), "MIRRENDALE");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "A[x]");
    EXPECT_FALSE(FileExists(root + "MIRRENDALE_GPIO_GPIO_Default/MIRRENDALE_GPIO_GPIO_Default.qpf"));
}

TEST_F(MirrendaleForm, SettingsRoundTripAndWrongSizes)
{
    TFormMirrendale* form = Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->CheckBoxVGA);
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxGpio, RiscV);
    UserType(form->EditPrefixGpio, "R_");
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 408u);
    EXPECT_EQ(saved[0], MAINBOARD_MIRRENDALE);
    EXPECT_EQ(saved.substr(4, 4), std::string("\x98\x01\x00\x00", 4));
    EXPECT_EQ(ReadFixedText(saved.data() + 8, 128), "saved");
    EXPECT_EQ(saved[140], 0);  // VGA
    EXPECT_EQ(saved[149], 1);  // HPS
    EXPECT_EQ(saved[150], 69);
    EXPECT_EQ(ReadFixedText(saved.data() + 152, 128), "R_");
    EXPECT_EQ(saved.substr(280), std::string(128, '\0'));  // the reserved second prefix

    for (size_t size : {407u, 409u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    // A record of another board of the same size; its card is not in this
    // list (an 80-pin card), so the combo keeps its item.
    WriteFile(folder.Path() + "other.cfg", Record("OTHER", 11, "O_"));
    Load(form, "other.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "OTHER");
    EXPECT_TRUE(form->CheckBoxOSC->Checked());
    EXPECT_FALSE(form->CheckBoxLED->Checked());
    EXPECT_TRUE(form->CheckBoxHPS->Checked());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), RiscV);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "O_");

    Load(form, "one.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "saved");
    EXPECT_EQ(Save(form, "two.cfg"), saved);
    EXPECT_TRUE(seam.ErrorTexts().empty());
}

TEST_F(MirrendaleForm, DefaultCfgAtStartAndWhenTheFormGoesAway)
{
    // A card outside the list: the combo stays on "None" and the prefix is not shown.
    TFormMirrendale* form = Open(Record("FROMDEFAULT", 11, "X_"));
    EXPECT_EQ(form->EditProjectName->Text(), "FROMDEFAULT");
    EXPECT_TRUE(form->CheckBoxHPS->Checked());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");

    // A prefix typed while "None" is chosen is kept in the record.
    UserType(form->EditPrefixGpio, "KEPT");
    UserType(form->EditProjectName, "AFTER");
    UserCloseWindow(main.get());
    main.reset();
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 408u);
    EXPECT_EQ(written[0], MAINBOARD_MIRRENDALE);
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), "AFTER");
    EXPECT_EQ(written[150], 0);
    EXPECT_EQ(ReadFixedText(written.data() + 152, 128), "KEPT");
}

TEST_F(MirrendaleForm, ProjectNameAndPrefixLimits)
{
    TFormMirrendale* form = Open();
    UserType(form->EditProjectName, "");
    for (TButton* button : {form->ButtonGen, form->ButtonSave}) {
        seam.boxes.clear();
        seam.ctrlDown = button == form->ButtonGen;  // a batch checks the name first too
        UserClick(button);
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
        EXPECT_TRUE(seam.dialogs.empty());
        EXPECT_EQ(seam.beeps, 0);
    }
    seam.ctrlDown = false;
    UserType(form->EditProjectName, std::string(200, 'N'));
    EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
    UserType(form->EditPrefixGpio, std::string(200, 'P'));
    EXPECT_EQ(form->EditPrefixGpio->Text().size(), 127u);

    // The prefix must fit the card of the one header, named "GPIO" in the box;
    // a batch is refused the same way before anything is asked.
    UserType(form->EditProjectName, "MIRRENDALE");
    UserPick(form->ComboBoxGpio, Kember);
    UserType(form->EditPrefixGpio, std::string(110, 'K'));
    for (bool batch : {false, true}) {
        seam.boxes.clear();
        seam.ctrlDown = batch;
        UserClick(form->ButtonGen);
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Prefix Name is too long for the card on GPIO."});
        EXPECT_TRUE(seam.dialogs.empty());
    }
    seam.ctrlDown = false;
}

}  // namespace mirrendale_form_test
