// The Hollarne form end to end: the real main form hosts it, the test answers
// the dialogs, and the generated files on disk are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

#include "app/UnitMain.h"
#include "boards/soc/UI_Hollarne.h"
#include "model/FileReplace.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/support/ProjectText.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace hollarne_form_test {

namespace {

const char* const kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const char* const kHpsWarning =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease "
    "add the Altera HPS IP to your design.\r\n";
const char* const kClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";
const std::string kEmptyName = "Project Name cannot be empty.";
const std::string kNameRule =
    "Project Name must start with a letter and hold only letters, digits and '_' (no '__', no trailing '_'), and "
    "cannot be a Verilog or VHDL keyword.";
const std::string kPrefixRule = "Prefix Name must start with a letter and hold only letters, digits and '_'.";

// Combo items of the card list, in the order the form lists the cards.
enum Item { None = 0, GpioDefault, Culm, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk };

class HollarneForm : public HostedFolderTest {
protected:
    TFormHollarne* Open()
    {
        main = std::make_unique<TFormMain>(nullptr);
        auto* form = dynamic_cast<TFormHollarne*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    std::string ProjectFolder(const std::string& name = "HOLLARNE") const
    {
        return HostedFolderTest::ProjectFolder("HOLLARNE", name);
    }
    // Presses Generate, answering the project dialog with <name>.qpf in the
    // proposed folder; returns the folder.
    std::string Generate(TFormHollarne* form, const std::string& name = "HOLLARNE")
    {
        seam.boxes.clear();
        seam.AnswerNextDialog(ProjectFolder(name) + name + ".qpf");
        UserClick(form->ButtonGen);
        return ProjectFolder(name);
    }
    std::string Qsf(const std::string& name = "HOLLARNE") { return ReadFile(ProjectFolder(name) + name + ".qsf"); }
    void ExpectVerilogCompiles(const std::string& name = "HOLLARNE")
    {
        std::string log;
        EXPECT_TRUE(CompileVerilog({ProjectFolder(name) + name + ".v"}, name, log)) << log;
        EXPECT_TRUE(LintVerilog(ProjectFolder(name) + name + ".v", name, log)) << log;
    }
    HOLLARNE_CONFIG Record(TFormHollarne* form)
    {
        HOLLARNE_CONFIG config{};
        form->FormToConfig(config);
        return config;
    }
};

}  // namespace

TEST_F(HollarneForm, OpensWithItsDefaultsInTheMainWindow)
{
    TFormHollarne* form = Open();
    EXPECT_EQ(main->Caption(), "Hollarne V1.2.1");
    EXPECT_EQ(form->ButtonMainBoardSelect->Visible(), kOffersEveryBoard);
    EXPECT_EQ(main->ClientWidth(), 798);
    EXPECT_EQ(main->ClientHeight(), 538);
    EXPECT_EQ(form->EditProjectName->Text(), "HOLLARNE");
    for (size_t i = 0; i < form->m_Groups.size(); ++i) {
        EXPECT_EQ(form->m_Groups[i].Box->Checked(), i < 12) << i;
        EXPECT_EQ(form->m_Groups[i].Shape->Visible(), i < 12) << i;
    }
    const char* const cards[] = {"None",
                                 "GPIO Default",
                                 "Culm - High Speed ADC/DAC",
                                 "Ivrel - 5M Pixel Camera",
                                 "Kember - 4.3\" LCD and Touch",
                                 "Sarnel - Multi-Touch LCD Panel",
                                 "Brevik - 2.4\" LCD and Touch",
                                 "Tamsil - Multi-Touch LCD Panel",
                                 "Dunvar - Servo Motor Kit",
                                 "Elvask - RF and Sensor",
                                 "Fenwry - RF and Sensor",
                                 "RISC-V",
                                 "Jusk-GPIO"};
    for (TComboBox* combo : {form->ComboBoxGpio0, form->ComboBoxGpio1}) {
        ASSERT_EQ(combo->ItemCount(), 13);
        for (int i = 0; i < 13; ++i) EXPECT_EQ(combo->ItemText(i), cards[i]);
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    EXPECT_FALSE(form->ImageGpio0->Visible());
    EXPECT_FALSE(form->ShapeGpio0->Visible());

    // Unticking a group hides its overlay; picking a card shows its picture.
    UserClick(form->CheckBoxVGA);
    EXPECT_FALSE(form->m_Groups[4].Shape->Visible());
    UserPick(form->ComboBoxGpio0, Ivrel);
    EXPECT_TRUE(form->ShapeGpio0->Visible());
    EXPECT_TRUE(form->ImageGpio0->Visible());
}

TEST_F(HollarneForm, GeneratesTheDefaultProject)
{
    TFormHollarne* form = Open();
    const std::string project = Generate(form);
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "HOLLARNE.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = Qsf();
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone V\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CSEMA5F31C6"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name TOP_LEVEL_ENTITY \"HOLLARNE\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 6"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name SDC_FILE HOLLARNE.sdc"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF14 -to CLOCK_50"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to CLOCK_50"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AK14 -to DRAM_ADDR[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y21 -to LEDR[9]"));
    EXPECT_TRUE(HasLine(qsf, "# I2C for Audio and Video-In"));
    EXPECT_FALSE(HasLine(qsf, "# HPS"));
    // The twelve default groups: 182 located pins less UART, QSPI Flash and RISC-V JTAG.
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 182 - 14);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 182 - 14);
    EXPECT_EQ(Count(qsf, "-to GPIO"), 0);

    const std::string sdc = ReadFile(project + "HOLLARNE.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    EXPECT_TRUE(HasLine(sdc, "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK_N]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]"));
    EXPECT_TRUE(FileExists(project + "HOLLARNE.qpf"));
    EXPECT_TRUE(FileExists(project + "HOLLARNE.htm"));
    ExpectVerilogCompiles();
}

TEST_F(HollarneForm, EveryGroupWithTheGpioDefaultPairAndTheHpsWarning)
{
    TFormHollarne* form = Open();
    UserClick(form->ButtonSelAll);
    for (const auto& group : form->m_Groups) EXPECT_TRUE(group.Box->Checked());
    UserPick(form->ComboBoxGpio0, GpioDefault);
    UserPick(form->ComboBoxGpio1, GpioDefault);
    const std::string project = Generate(form);
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].text, kHpsWarning);

    const std::string qsf = Qsf();
    // 309 on-board pins (182 located) and 2 x 36 header pins.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 309 + 72);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 182 + 72);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC18 -to GPIO_0[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AJ16 -to GPIO_0[9]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH18 -to GPIO_0[10]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AJ21 -to GPIO_0[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB17 -to GPIO_1[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC22 -to GPIO_1[35]"));
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0, GPIO_0 connect to GPIO Default"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to HPS_DDR3_ADDR[0]"));
    EXPECT_FALSE(HasLine(qsf, "set_location_assignment PIN_ -to HPS_DDR3_ADDR[0]"));
    EXPECT_EQ(Count(qsf, "-to HPS_"), 127);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_D9 -to UART_TX"));

    const std::string verilog = ReadFile(project + "HOLLARNE.v");
    EXPECT_TRUE(HasLine(verilog, "\tinout \t\t    [35:0]\t\tGPIO_0,"));
    EXPECT_TRUE(HasLine(verilog, "\tinout \t\t    [35:0]\t\tGPIO_1"));
    ExpectVerilogCompiles();
}

TEST_F(HollarneForm, EachOfferedCardOnAHeaderWithAPrefix)
{
    struct Case {
        int item;
        const char* firstPin;  // the card's first signal with the prefix
        const char* location;  // its location on GPIO_0
        int pins;
    } cases[] = {
        {GpioDefault, "P_GPIO[0]", "AC18", 36}, {Ivrel, "P_IVREL_PIXCLK", "AC18", 21},
        {Kember, "P_KEMBER_ADC_PENIRQ_n", "AC18", 36}, {Sarnel, "P_SARNEL_DCLK", "Y17", 30},
        {Brevik, "P_BREVIK_ADC_PENIRQ_N", "AC18", 28}, {Tamsil, "P_SARNEL_DCLK", "Y17", 30},
        {Dunvar, "P_PMW[0]", "AC18", 30}, {Elvask, "P_LSENSOR_INT", "AC18", 34},
        {Fenwry, "P_BT_KEY", "Y17", 36}, {RiscV, "P_EXT_JTAG_TCK", "AC18", 36},
        {Jusk, "P_MIPI_PIXEL_CLK", "Y17", 22},
    };
    TFormHollarne* form = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstPin);
        UserPick(form->ComboBoxGpio0, c.item);
        UserType(form->EditPrefixGpio0, "P_");
        Generate(form);
        ASSERT_EQ(seam.ErrorTexts().size(), 0u);
        const std::string qsf = Qsf();
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + c.location + " -to " + c.firstPin));
        EXPECT_EQ(Count(qsf, " -to P_"), 2 * c.pins);
        ExpectVerilogCompiles();
    }
    // A card on the second header only.
    UserPick(form->ComboBoxGpio0, None);
    UserPick(form->ComboBoxGpio1, RiscV);
    UserType(form->EditPrefixGpio1, "R_");
    Generate(form);
    const std::string qsf = Qsf();
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC22 -to R_UART_TX"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB17 -to R_EXT_JTAG_TCK"));
    EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO_1 connect to RISC-V"));
    EXPECT_FALSE(HasLine(qsf, "# GPIO_0, GPIO_0 connect to RISC-V"));
    ExpectVerilogCompiles();
}

TEST_F(HollarneForm, TheEightyPinCardCouplesBothHeaders)
{
    TFormHollarne* form = Open();
    UserType(form->EditPrefixGpio1, "C_");
    UserPick(form->ComboBoxGpio1, Culm);
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Culm);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "C_");
    EXPECT_FALSE(form->ComboBoxGpio0->Enabled());
    EXPECT_FALSE(form->EditPrefixGpio0->Enabled());
    // The prefix was copied once, when the headers coupled: later typing in
    // GPIO_1 is not mirrored, and Generate attaches the card once with the
    // prefix GPIO_0 holds.
    UserType(form->EditPrefixGpio1, "D_");
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "C_");

    Generate(form);
    ASSERT_EQ(seam.ErrorTexts().size(), 0u);
    const std::string qsf = Qsf();
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0_1, GPIO_0_1 connect to Culm - High Speed ADC/DAC"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC18 -to C_ADC_OTR_A"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB17 -to C_SMA_DAC4"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC22 -to C_DAC_MODE"));
    EXPECT_EQ(Count(qsf, " -to D_"), 0);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_") - (182 - 14), 70);
    ExpectVerilogCompiles();

    // Another card on the coupled header frees the other one again.
    UserPick(form->ComboBoxGpio1, Ivrel);
    EXPECT_TRUE(form->ComboBoxGpio0->Enabled());
    EXPECT_TRUE(form->EditPrefixGpio0->Enabled());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "");
}

TEST_F(HollarneForm, PrefixRulesBeforeGenerating)
{
    TFormHollarne* form = Open();
    const std::vector<std::string> generated;  // no error box
    // Prefixes that differ only in letter case pass the form's check, but the
    // run refuses port names that differ only in case.
    const std::vector<std::string> caseClash = {
        "Signal name a_IVREL_PIXCLK is used more than once in this project.",
        "Failed to generate Quartus project: HOLLARNE.qpf."};
    struct Case {
        int item0, item1;
        const char* prefix0;
        const char* prefix1;
        bool clash;
        std::vector<std::string> errors;
    } cases[] = {
        {Ivrel, Ivrel, "", "", true, {kClash}},
        {Ivrel, Ivrel, "A_", "a_", false, caseClash},
        {GpioDefault, GpioDefault, "A", "A", true, {kClash}},
        {Ivrel, Kember, "X", "X", false, generated},
        {GpioDefault, GpioDefault, "A", "", false, generated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item0) + c.prefix0 + "/" + std::to_string(c.item1) + c.prefix1);
        UserPick(form->ComboBoxGpio0, c.item0);
        UserPick(form->ComboBoxGpio1, c.item1);
        UserType(form->EditPrefixGpio0, c.prefix0);
        UserType(form->EditPrefixGpio1, c.prefix1);
        seam.dialogs.clear();
        seam.dialogAnswers.clear();
        Generate(form);
        EXPECT_EQ(seam.ErrorTexts(), c.errors);
        EXPECT_EQ(seam.dialogs.size(), c.clash ? 0u : 1u);
    }
    // "GPIO Default" with prefixes "A" and empty: each header keeps its own prefix.
    const std::string qsf = Qsf();
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC18 -to AGPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB17 -to GPIO[0]"));
    ExpectVerilogCompiles();
}

TEST_F(HollarneForm, NamesAndPrefixesThatWouldBreakAProjectAreRefused)
{
    TFormHollarne* form = Open();
    struct Case {
        std::string name;
        int item0;
        std::string prefix0;
        int item1;
        std::string prefix1;
        std::string box;
    } cases[] = {
        {"", None, "", None, "", kEmptyName},
        {" ", None, "", None, "", kNameRule},
        {"my proj", None, "", None, "", kNameRule},
        {"2fast", None, "", None, "", kNameRule},
        {"_x", None, "", None, "", kNameRule},
        {"a__b", None, "", None, "", kNameRule},
        {"demo_", None, "", None, "", kNameRule},
        {"module", None, "", None, "", kNameRule},
        {"ENTITY", None, "", None, "", kNameRule},
        {"Logic", None, "", None, "", kNameRule},
        {"clock_divider", None, "", None, "", kNameRule},
        {"Pr\xc3\xbc" "fung", None, "", None, "", kNameRule},
        {"../outside", None, "", None, "", kNameRule},
        {"a\\b", None, "", None, "", kNameRule},
        {".", None, "", None, "", kNameRule},
        {"..", None, "", None, "", kNameRule},
        {"-", None, "", None, "", kNameRule},
        {"demo", Ivrel, "a b-", None, "", kPrefixRule},
        {"demo", Ivrel, "x[", None, "", kPrefixRule},
        {"demo", Ivrel, "A[x]", None, "", kPrefixRule},
        {"demo", None, "", Kember, "_P", kPrefixRule},
        {"demo", None, "", Kember, "2P", kPrefixRule},
        {"demo", None, "", Kember, "P.", kPrefixRule},
        {"demo", None, "", Kember, std::string(110, 'K'), "Prefix Name is too long for the card on GPIO-1."},
        {"demo", GpioDefault, std::string(121, 'G'), None, "", "Prefix Name is too long for the card on GPIO-0."},
        {"demo", GpioDefault, std::string(127, 'G'), GpioDefault, "", "Prefix Name is too long for the card on GPIO-0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("name \"" + c.name + "\", prefixes \"" + c.prefix0 + "\" \"" + c.prefix1 + "\"");
        UserType(form->EditProjectName, c.name);
        UserPick(form->ComboBoxGpio0, c.item0);
        UserPick(form->ComboBoxGpio1, c.item1);
        UserType(form->EditPrefixGpio0, c.prefix0);
        UserType(form->EditPrefixGpio1, c.prefix1);
        ASSERT_EQ(form->EditProjectName->Text(), c.name);
        ExpectRefusedByGenerateOnly(seam, form->ButtonGen, form->ButtonSave, c.name.empty(), c.box);
    }
    // Nothing was written: no project folder, no settings file.
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "outside"));
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));

    // The name and the prefixes hold at most 127 bytes.
    UserType(form->EditProjectName, std::string(200, 'N'));
    EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
    UserType(form->EditPrefixGpio0, std::string(200, 'P'));
    EXPECT_EQ(form->EditPrefixGpio0->Text().size(), 127u);
}

TEST_F(HollarneForm, PrefixesAsLongAsTheCardsTakeGiveWholeNames)
{
    TFormHollarne* form = Open();
    const std::string longName = "N" + std::string(126, 'n');  // 127 bytes
    UserType(form->EditProjectName, longName);
    UserPick(form->ComboBoxGpio0, GpioDefault);
    UserPick(form->ComboBoxGpio1, Kember);
    const std::string gpio(120, 'G');    // before GPIO[35]: 128 characters
    const std::string kember(109, 'K');  // before KEMBER_ADC_PENIRQ_n: 128 characters
    UserType(form->EditPrefixGpio0, gpio);
    UserType(form->EditPrefixGpio1, kember);
    Generate(form, longName);
    ASSERT_EQ(seam.ErrorTexts(), std::vector<std::string>{});
    const std::string qsf = Qsf(longName);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC18 -to " + gpio + "GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to " + gpio + "GPIO[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB17 -to " + kember + "KEMBER_ADC_PENIRQ_n"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name TOP_LEVEL_ENTITY \"" + longName + "\""));
    ExpectVerilogCompiles(longName);

    // Saved and loaded back whole.
    seam.AnswerNextDialog(folder.Path() + "long.cfg");
    UserClick(form->ButtonSave);
    UserClick(form->ButtonDefault);
    seam.AnswerNextDialog(folder.Path() + "long.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), longName);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), gpio);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), kember);
}

TEST_F(HollarneForm, CraftedSettingsWithLinesInTheNameAndPrefixAreRefusedAndKept)
{
    const std::string injected = "P\r\nset_global_assignment -name DEVICE EVIL\r\n#";
    std::string record(412, '\0');
    record[0] = 21;
    record[4] = static_cast<char>(0x9c);
    record[5] = 0x01;
    std::memcpy(&record[8], injected.data(), injected.size());
    for (int flag = 136; flag < 148; ++flag) record[flag] = 1;
    record[152] = 12;  // Ivrel on GPIO-0
    std::memcpy(&record[154], injected.data(), injected.size());
    WriteFile(folder.Path() + "crafted.cfg", record);

    TFormHollarne* form = Open();
    seam.AnswerNextDialog(folder.Path() + "crafted.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), injected);  // shown as it is
    EXPECT_EQ(form->EditPrefixGpio0->Text(), injected);
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Ivrel);

    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kNameRule});
    UserType(form->EditProjectName, "demo");
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kPrefixRule});
    EXPECT_EQ(seam.dialogs.size(), 1u);  // only the load dialog
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
    EXPECT_EQ(ReadFile(folder.Path() + "crafted.cfg"), record);
}

TEST_F(HollarneForm, ATypedNameIsStoredAsTheEditHoldsIt)
{
    // Fifty letters of three bytes each: the edit keeps the 42 that fit in
    // 127 bytes, and that is what the settings file gets.
    std::string letters;
    for (int i = 0; i < 50; ++i) letters += "\xe8\xaf\x95";
    TFormHollarne* form = Open();
    UserType(form->EditProjectName, letters);
    EXPECT_EQ(form->EditProjectName->Text(), letters.substr(0, 42 * 3));
    UserType(form->EditPrefixGpio0, letters);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), letters.substr(0, 42 * 3));
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 412u);
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), letters.substr(0, 42 * 3));

    main.reset();
    form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), letters.substr(0, 42 * 3));
}

TEST_F(HollarneForm, EnterPressesTheFocusedButton)
{
    TFormHollarne* form = Open();
    UserType(form->EditProjectName, "typed");
    UserPressKeyOn(form->EditProjectName, TUserKey::Enter);  // the form has no default button
    EXPECT_EQ(form->EditProjectName->Text(), "typed");
    EXPECT_TRUE(seam.boxes.empty());
    UserPressKeyOn(form->ButtonDefault, TUserKey::Enter);
    EXPECT_EQ(form->EditProjectName->Text(), "HOLLARNE");
    UserPressKeyOn(form->ButtonGen, TUserKey::KeypadEnter);
    ASSERT_EQ(seam.dialogs.size(), 1u);  // the project dialog (cancelled)
    EXPECT_EQ(seam.dialogs[0].request.fileName, "HOLLARNE.qpf");
}

TEST_F(HollarneForm, CancelledProjectDialogLeavesTheFolderOnly)
{
    TFormHollarne* form = Open();
    UserType(form->EditProjectName, "demo");
    UserClick(form->ButtonGen);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(ProjectFolder("demo")));
    EXPECT_FALSE(FileExists(ProjectFolder("demo") + "demo.qpf"));
}

TEST_F(HollarneForm, SaveThenLoadIsByteEqual)
{
    TFormHollarne* form = Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->CheckBoxHPS);
    UserPick(form->ComboBoxGpio0, Kember);
    UserType(form->EditPrefixGpio0, "K_");
    seam.AnswerNextDialog(folder.Path() + "one.cfg");
    UserClick(form->ButtonSave);
    const std::string saved = ReadFile(folder.Path() + "one.cfg");
    ASSERT_EQ(saved.size(), 412u);
    const HOLLARNE_CONFIG& record = form->m_Config.m_Config;
    EXPECT_EQ(std::memcmp(saved.data(), &record, 412), 0);
    EXPECT_EQ(ReadFixedText(record.szProjectName, 128), "saved");
    EXPECT_EQ(record.BoardId, 21);
    EXPECT_EQ(record.Size, 412);
    EXPECT_EQ(record.nGpioDaughterId[0], 13);

    UserClick(form->ButtonDefault);
    EXPECT_EQ(form->EditProjectName->Text(), "HOLLARNE");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    seam.AnswerNextDialog(folder.Path() + "one.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), "saved");
    EXPECT_TRUE(form->CheckBoxHPS->Checked());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Kember);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "K_");

    seam.AnswerNextDialog(folder.Path() + "two.cfg");
    UserClick(form->ButtonSave);
    EXPECT_EQ(ReadFile(folder.Path() + "two.cfg"), saved);
}

TEST_F(HollarneForm, LoadTakesFilesOfTheRightSizeOnly)
{
    TFormHollarne* form = Open();
    UserType(form->EditProjectName, "kept");
    std::filesystem::create_directory(folder.Path() + "cfg");
    WriteFile(folder.Path() + "cfg/short.cfg", std::string(411, '\0'));
    seam.AnswerNextDialog(folder.Path() + "cfg/short.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), "kept");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->m_Config.m_Folder, folder.Path() + "cfg/");

    // A 412-byte record of another board: shown as Hollarne settings.
    std::string other(412, '\0');
    other[0] = 38;
    other[4] = static_cast<char>(0x9c);
    other[5] = 0x01;
    std::memcpy(&other[8], "OTHER", 5);
    other[136] = 1;  // CLOCK only
    other[152] = 12;
    std::memcpy(&other[154], "Z_", 2);
    other[153] = 77;  // not in the card list: the combo keeps its selection
    std::memcpy(&other[282], "IGNORED", 7);
    WriteFile(folder.Path() + "cfg/other.cfg", other);
    seam.AnswerNextDialog(folder.Path() + "cfg/other.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), "OTHER");
    EXPECT_TRUE(form->CheckBoxOSC->Checked());
    EXPECT_FALSE(form->CheckBoxLED->Checked());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Ivrel);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "Z_");
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");
    const HOLLARNE_CONFIG record = Record(form);
    EXPECT_EQ(record.BoardId, 21);
    EXPECT_EQ(record.Size, 412);
    EXPECT_EQ(form->m_Config.m_Config.BoardId, 38);  // the held record is as loaded
}

TEST_F(HollarneForm, LoadedRecordWithTheEightyPinCard)
{
    std::string record(412, '\0');
    record[0] = 21;
    record[4] = static_cast<char>(0x9c);
    record[5] = 0x01;
    std::memcpy(&record[8], "CULM", 4);
    record[152] = 11;
    record[153] = 11;
    std::memcpy(&record[154], "A_", 2);
    std::memcpy(&record[282], "B_", 2);
    WriteFile(folder.Path() + "both.cfg", record);
    record[152] = 0;
    WriteFile(folder.Path() + "second.cfg", record);

    TFormHollarne* form = Open();
    seam.AnswerNextDialog(folder.Path() + "both.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), Culm);
    EXPECT_FALSE(form->ComboBoxGpio1->Enabled());
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "A_");

    seam.AnswerNextDialog(folder.Path() + "second.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_TRUE(form->ComboBoxGpio1->Enabled());
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");
}

TEST_F(HollarneForm, DefaultCfgIsReadAtStartAndWrittenOnceWhenTheFormGoesAway)
{
    std::string record(412, '\0');
    record[0] = 21;
    record[4] = static_cast<char>(0x9c);
    record[5] = 0x01;
    std::memcpy(&record[8], "FROMDEFAULT", 11);
    record[148] = 1;
    record[152] = 12;
    std::memcpy(&record[154], "Q_", 2);
    WriteFile(folder.Path() + "default.cfg", record);

    TFormHollarne* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "FROMDEFAULT");
    EXPECT_TRUE(form->CheckBoxHPS->Checked());
    EXPECT_FALSE(form->CheckBoxOSC->Checked());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Ivrel);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "Q_");

    UserType(form->EditProjectName, "AFTER");
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 412u);
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), "AFTER");
    EXPECT_EQ(written[152], 12);

    // Written once: the main window going away afterwards does not write it again.
    std::filesystem::remove(folder.Path() + "default.cfg");
    main.reset();
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));
}

TEST_F(HollarneForm, DefaultCfgIsWrittenWhenTheMainWindowIsClosed)
{
    WriteFile(folder.Path() + "default.cfg", std::string(411, 'x'));  // refused: the defaults
    TFormHollarne* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "HOLLARNE");
    UserType(form->EditProjectName, "CLOSED");
    UserCloseWindow(main.get());
    main.reset();
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 412u);
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), "CLOSED");
}

TEST_F(HollarneForm, AFailedRunIsReportedWithoutTheHpsWarning)
{
    TFormHollarne* form = Open();
    UserClick(form->CheckBoxHPS);
    std::filesystem::create_directories(ProjectFolder() + "HOLLARNE.qsf");  // the .qsf cannot be created
    Generate(form);
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + ProjectFolder() + "HOLLARNE.qsf\". Not a regular file",
                                        "Failed to create file HOLLARNE.qsf",
                                        "Failed to generate Quartus project: HOLLARNE.qpf."}));
    EXPECT_TRUE(seam.InfoTexts().empty());
    EXPECT_EQ(FilesIn(ProjectFolder()), std::vector<std::string>{"HOLLARNE.qsf"});
}

// Regenerating a project the user edited, on a disk that fills up at its
// timing file: the run says why it failed, and the earlier project stays,
// every file the same file with the same bytes.
TEST_F(HollarneForm, ARunThatFailsPartWayKeepsTheEarlierProjectWhole)
{
    TFormHollarne* form = Open();
    const std::string project = Generate(form);
    WriteFile(project + "HOLLARNE.qsf", ReadFile(project + "HOLLARNE.qsf") + "# edited by hand\r\n");
    const std::vector<std::string> files = FilesIn(project);
    ASSERT_EQ(files.size(), 5u);
    std::vector<std::pair<ino_t, std::string>> earlier;
    for (const std::string& file : files) {
        struct stat info;
        ASSERT_EQ(::stat((project + file).c_str(), &info), 0);
        earlier.emplace_back(info.st_ino, ReadFile(project + file));
    }
    seam.boxes.clear();
    UserClick(form->CheckBoxHPS);
    SetWriteFailureForTesting("HOLLARNE.sdc", 100);
    Generate(form);
    SetWriteFailureForTesting("", 0);
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + project + "HOLLARNE.sdc\". No space left on device",
                                        "Failed to create file HOLLARNE.sdc",
                                        "Failed to generate Quartus project: HOLLARNE.qpf."}));
    EXPECT_EQ(FilesIn(project), files);
    for (size_t i = 0; i < files.size(); ++i) {
        struct stat info;
        ASSERT_EQ(::stat((project + files[i]).c_str(), &info), 0);
        EXPECT_EQ(info.st_ino, earlier[i].first) << files[i];
        EXPECT_EQ(ReadFile(project + files[i]), earlier[i].second) << files[i];
    }
}

// default.cfg made a link to a FIFO: leaving the form does not replace the
// FIFO with a regular file, and says why the settings were not kept.
TEST_F(HollarneForm, ExitDoesNotReplaceAFifoBehindDefaultCfg)
{
    const std::string fifo = folder.Path() + "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    std::filesystem::create_symlink(fifo, folder.Path() + "default.cfg");
    HangGuard guard("leaving the form");
    TFormHollarne* form = Open();
    UserClick(form->ButtonExit);
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + folder.Path() + "default.cfg\". Not a regular file",
                                        "Failed to create file."}));
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() + "default.cfg"));
}

TEST_F(HollarneForm, CraftedSettingsFilesOfTheRightSizeAreShownSafely)
{
    TFormHollarne* form = Open();
    std::string crafted(412, '\xff');
    std::memcpy(&crafted[8], "CRAFTED", 7);  // a name without a terminating zero inside its field
    WriteFile(folder.Path() + "crafted.cfg", crafted);
    seam.AnswerNextDialog(folder.Path() + "crafted.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text().substr(0, 7), "CRAFTED");
    for (const auto& group : form->m_Groups) EXPECT_TRUE(group.Box->Checked());
    // Card 255 is not in the list: both combos keep their selection.
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    const HOLLARNE_CONFIG record = Record(form);
    EXPECT_EQ(record.nGpioDaughterId[0], 0);
    EXPECT_EQ(record.nGpioDaughterId[1], 0);
    const std::string name = ReadFixedText(record.szProjectName, 128);
    EXPECT_LE(name.size(), 127u);
    EXPECT_EQ(name.substr(0, 7), "CRAFTED");

    UserType(form->EditProjectName, "crafted");
    Generate(form, "crafted");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    ExpectVerilogCompiles("crafted");
}

}  // namespace hollarne_form_test
