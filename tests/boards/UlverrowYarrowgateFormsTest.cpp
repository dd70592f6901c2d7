// The Ulverrow and Yarrowgate forms end to end: the real main form hosts
// them, the test answers the dialogs and the questions, and checks the boxes
// and the files on disk. Generated Verilog top levels are compiled with their
// exported clock-controller files by Icarus Verilog with `default_nettype
// none`; VHDL top levels are analysed and elaborated by GHDL, with small
// entities standing in for the Verilog controllers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>

#include "app/UnitMain.h"
#include "boards/arria10/UI_Ulverrow.h"
#include "boards/arria10/UI_Yarrowgate.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "platform/qt/JpegPicture.h"
#include "platform/qt/NamedResources.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/boards/SocFormFixture.h"
#include "tests/support/ProgramResources.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace ulverrow_yarrowgate_forms_test {

namespace {

using socform::kSuccess;

// The controller files the two boards export, by resource name.
const std::vector<std::string> kIpResources = {
    "DDR4_TARROWIND_CLOCK_DIVIDER_VERILOG",        "DDR4_TARROWIND_EDGE_DETECTOR_VERILOG",
    "DDR4_TARROWIND_I2C_BUS_CONTROLLER_VERILOG",   "DDR4_TARROWIND_INITIAL_CONFIG_VERILOG",
    "DDR4_SI5340A_CLK_FRQ_SEL_GEN_VERILOG",        "DDR4_SI5340A_CONTROLLER_VERILOG",
    "DDR4_SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG", "DDR4_SI5340A_I2C_REG_CONTROLLER_VERILOG",
    "DDR4_SI5340B_CLK_FRQ_SEL_GEN_VERILOG",        "DDR4_SI5340B_CONTROLLER_VERILOG",
    "DDR4_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", "DDR4_SI5340B_I2C_REG_CONTROLLER_VERILOG",
    "YARROWGATE_I2C_TXCA_VERILOG",                 "YARROWGATE_I2C_TXCA_CONFIG_VERILOG",
    "YARROWGATE_I2C_TXCA_CONTROLLER_VERILOG",      "YARROWGATE_I2C_TXCB_VERILOG",
    "YARROWGATE_I2C_TXCB_CONFIG_VERILOG",          "YARROWGATE_I2C_TXCB_CONTROLLER_VERILOG",
};

// No ball of a .qsf is given to two signals, and every signal with a
// location has its I/O standard.
void ExpectSoundQsf(const std::string& qsf)
{
    ExpectNoBallTwice(qsf);
    const std::string head = "set_location_assignment PIN_";
    for (const std::string& line : SplitCrLf(qsf))
        if (line.rfind(head, 0) == 0) {
            EXPECT_NE(qsf.find("\" -to " + line.substr(line.find(" -to ") + 5) + "\r\n"), std::string::npos) << line;
        }
}

class BoardForms : public HostedFormTest {
protected:
    void SetUp() override
    {
        ServeProgramResources(seam, kIpResources);
        HostedFormTest::SetUp();
    }
    void Load(TFrameBoardForm* form, const std::string& bytes)
    {
        const std::string path = folder.Path() + "loaded.cfg";
        WriteFile(path, bytes);
        seam.AnswerNextDialog(path);
        UserClick(form->ButtonLoad);
    }
    std::string Save(TFrameBoardForm* form)
    {
        const std::string path = folder.Path() + "saved.cfg";
        seam.AnswerNextDialog(path);
        UserClick(form->ButtonSave);
        return ReadFile(path);
    }
};

TCheckBox* Box(TForm* form, const std::string& name) { return form->Find<TCheckBox>(name); }

}  // namespace

// ---- Ulverrow -----------------------------------------------------------------

TEST_F(BoardForms, UlverrowOpensWithItsDefaultsAndExitWritesThem)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    EXPECT_EQ(form->EditProjectName->Text(), "TARROWIND");
    EXPECT_EQ(form->EditProjectName->MaxLength(), 127);
    const std::vector<std::string> ticked = {"CheckBoxOSC",    "CheckBoxLED",  "CheckBoxSeg7",  "CheckBoxButton",
                                             "CheckBoxSwitch", "CheckBoxTemp", "CheckBoxPower", "CheckBoxFan",
                                             "CheckBoxFlash"};
    ASSERT_EQ(form->m_Flags.Entries().size(), 24u);
    for (const auto& flag : form->m_Flags.Entries()) {
        if (!flag.Box) continue;  // the TPS40428 byte has no control
        const bool on = std::find(ticked.begin(), ticked.end(), flag.Box->Name()) != ticked.end();
        EXPECT_EQ(flag.Box->Checked(), on) << flag.Box->Name();
        for (const TShape* shape : flag.Shapes) EXPECT_EQ(shape->Visible(), on) << flag.Box->Name();
    }
    EXPECT_EQ(Box(form, "CheckBoxDDR4_0")->Caption(), "DDR4 SODIMM_A");
    EXPECT_FALSE(form->ShapeSi5340A->Visible());
    EXPECT_FALSE(form->ShapeSi5340B->Visible());
    const std::vector<std::string> a = {"Not Use",   "100.00000", "125.00000", "156.25000",
                                        "250.00000", "312.50000", "322.26500", "644.53125"};
    for (TComboBox* combo : form->m_Si5340AComboBoxes) EXPECT_EQ(socform::ItemTexts(combo), a);
    EXPECT_EQ(socform::ItemTexts(form->m_Si5340BComboBoxes[0]),
              (std::vector<std::string>{"Not Use", "150.00000", "200.00000", "233.33300", "266.66700", "300.00000"}));
    EXPECT_EQ(socform::ItemTexts(form->m_Si5340BComboBoxes[1]),
              (std::vector<std::string>{"Not Use", "225.00000", "233.33300", "250.00000", "275.00000"}));
    EXPECT_EQ(socform::ItemTexts(form->m_Si5340BComboBoxes[2]), (std::vector<std::string>{"Not Use", "100.00000"}));
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(form->m_Clock[i].Combo->Enabled()) << i;
        EXPECT_EQ(form->m_Clock[i].Combo->Text(), "Not Use") << i;
    }
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->ClockItemIndex(i), 0) << i;  // the record's choices
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate...");
    EXPECT_TRUE(form->ButtonExit->Default);

    // A box shows its outline at once.
    UserClick(Box(form, "CheckBoxTemp"));
    EXPECT_FALSE(form->Find<TShape>("ShapeTemp")->Visible());
    UserClick(Box(form, "CheckBoxTemp"));
    EXPECT_TRUE(form->Find<TShape>("ShapeTemp")->Visible());

    UserClick(form->ButtonExit);
    const std::string saved = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(saved.size(), 188u);
    EXPECT_EQ(saved[0], 28);
    EXPECT_EQ(saved[158], 1);  // TPS40428
    EXPECT_EQ(std::string(saved.c_str() + 8), "TARROWIND");
}

TEST_F(BoardForms, UlverrowClockCombosFollowTheirInterfaces)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    TComboBox* ddr4 = form->m_Si5340BComboBoxes[0];
    UserClick(form->CheckBoxSocket[1]);
    EXPECT_TRUE(ddr4->Enabled());
    EXPECT_TRUE(form->ShapeSi5340B->Visible());
    UserPick(ddr4, 3);
    UserClick(form->CheckBoxSocket[0]);
    UserClick(form->CheckBoxSocket[1]);
    EXPECT_TRUE(ddr4->Enabled());  // socket A still ticked
    EXPECT_EQ(ddr4->Text(), "233.33300");
    UserClick(form->CheckBoxSocket[0]);
    EXPECT_FALSE(ddr4->Enabled());
    EXPECT_EQ(ddr4->Text(), "Not Use");
    EXPECT_FALSE(form->ShapeSi5340B->Visible());
    // A change of another Si5340B combo stores "Not Use" for the unticked one.
    UserClick(form->CheckBoxPceiClk);
    UserPick(form->m_Si5340BComboBoxes[2], 1);
    UserClick(form->CheckBoxSocket[0]);
    EXPECT_EQ(ddr4->Text(), "Not Use");
    // The QSFP+ combos likewise among themselves.
    UserClick(form->CheckBoxQsfp[2]);
    UserPick(form->m_Si5340AComboBoxes[2], 4);
    UserClick(form->CheckBoxQsfp[2]);
    UserClick(form->CheckBoxQsfp[2]);
    EXPECT_EQ(form->m_Si5340AComboBoxes[2]->Text(), "250.00000");
}

TEST_F(BoardForms, UlverrowAsksOneQuestionForTheClocksAtNotUse)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    UserClick(form->CheckBoxSocket[0]);
    UserClick(form->CheckBoxPceiClk);
    UserClick(form->CheckBoxQsfp[3]);
    const std::string project = GenerateProject(form, "Tarrowind", {false});
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{
                  "QSFPD interface is enabled, but the associated programmable oscillator SI5338A is not enalbed.\r\n"
                  "DDR4/On-Board PCIe ref clock interface is enabled, but the associated programmable oscillator "
                  "SI5338B is not enabled.\r\nDo you want to continued?"});
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
    EXPECT_TRUE(seam.dialogs.empty());

    // Yes: the reference clocks at 0 MHz are no clocks, and the on-board
    // PCIe clock comes without its group.
    GenerateProject(form, "Tarrowind", {true});
    const std::string sdc = ReadFile(project + "TARROWIND.sdc");
    EXPECT_EQ(sdc.find("DDR4A_REFCLK_p"), std::string::npos);
    EXPECT_EQ(sdc.find("QSFPD_REFCLK_p"), std::string::npos);
    EXPECT_EQ(ReadFile(project + "TARROWIND.v").find("OB_PCIE_REFCLK_p"), std::string::npos);
}

TEST_F(BoardForms, UlverrowGeneratesBothSocketsWithTheirModulesNoticesAndControllers)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    UserClick(form->CheckBoxSocket[0]);
    UserClick(form->CheckBoxSocket[1]);
    UserClick(form->CheckBoxQdr[2]);
    UserClick(form->CheckBoxQsfp[1]);
    UserPick(form->m_Si5340BComboBoxes[0], 1);  // 150 MHz
    UserPick(form->m_Si5340BComboBoxes[1], 1);  // 225 MHz
    UserPick(form->m_Si5340AComboBoxes[1], 3);  // 156.25 MHz
    const std::string project = GenerateProject(form, "Tarrowind");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("DDR4-SDRAM/QDRII+ SRAM") + TransceiverNotice("QSFP+"),
                                                    kSuccess + project}));
    EXPECT_EQ(form->Record().BoardId, 28);
    const std::string qsf = ReadFile(project + "TARROWIND.qsf");
    const std::string top = ReadFile(project + "TARROWIND.v");
    const std::string sdc = ReadFile(project + "TARROWIND.sdc");
    // The modules' pins with the sockets' prefixes at the sockets' balls.
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH33 -to DDR4A_DQ[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AR18 -to DDR4B_DQ[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AP9 -to DDR4B_SDA"));
    // The sockets' reference clocks reach the .qsf, the top level and the
    // .sdc together, as the termination lines name them.
    for (const char* refClk : {"DDR4A_REFCLK_p", "DDR4B_REFCLK_p"}) {
        EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to ") +
                                     refClk));
        EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name IO_STANDARD \"LVDS\" -to ") + refClk));
        EXPECT_NE(top.find(refClk), std::string::npos) << refClk;
        EXPECT_TRUE(HasLine(sdc, std::string("create_clock -period \"150.000000 MHz\" [get_ports ") + refClk + "]"));
    }
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AV33 -to DDR4A_REFCLK_p"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"225.000000 MHz\" [get_ports QDRIIC_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"156.250000 MHz\" [get_ports QSFPB_REFCLK_p]"));
    EXPECT_NE(top.find("    .iPLL_OUT_FREQ_SEL(`DDR150_QDR225_PCIE100),\r\n"), std::string::npos);
    EXPECT_NE(top.find("    .iPLL_OUT1_FREQ_SEL(`SI5340A_156M25),//QSFP-B\r\n"), std::string::npos);
    ExpectSoundQsf(qsf);
    EXPECT_EQ(FilesIn(project + "si5340_controller").size(), 12u);
    ExpectCompiles(project, "TARROWIND", "si5340_controller");

    // Nothing that asks for a notice: the success box alone.
    UserClick(form->ButtonDefaultSetting);
    GenerateProject(form, "Tarrowind");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSuccess + project});
}

TEST_F(BoardForms, UlverrowSelectAllGeneratesEverythingThatCompiles)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    UserType(form->EditProjectName, "other");
    UserClick(form->ButtonButtonDefaultAllSetting);
    EXPECT_EQ(form->EditProjectName->Text(), "TARROWIND");
    for (const auto& flag : form->m_Flags.Entries())
        if (flag.Box) {
            EXPECT_TRUE(flag.Box->Checked()) << flag.Box->Name();
        }
    for (TComboBox* combo : form->m_Si5340AComboBoxes) EXPECT_EQ(combo->Text(), "644.53125");
    EXPECT_EQ(form->m_Si5340BComboBoxes[0]->Text(), "300.00000");
    EXPECT_EQ(form->m_Si5340BComboBoxes[1]->Text(), "275.00000");
    EXPECT_EQ(form->m_Si5340BComboBoxes[2]->Text(), "100.00000");
    EXPECT_TRUE(form->ShapeSi5340A->Visible());
    EXPECT_TRUE(form->ShapeSi5340B->Visible());
    EXPECT_EQ(form->Record().bTps40428, 1);

    const std::string project = GenerateProject(form, "Tarrowind");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("DDR4-SDRAM/QDRII+ SRAM") +
                                                        TransceiverNotice("PCIe/QSFP+"),
                                                    kSuccess + project}));
    const std::string qsf = ReadFile(project + "TARROWIND.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10AX115N2F45E1SG"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE E1"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AK40 -to OB_PCIE_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_A24 -to TPS40428_CLK"));
    ExpectSoundQsf(qsf);
    ExpectCompiles(project, "TARROWIND", "si5340_controller");
}

TEST_F(BoardForms, UlverrowSettingsFilesAndTheFieldWithoutControl)
{
    auto* form = Open<TFormUlverrow>(MAINBOARD_ULVERROW);
    // A Tarrowind record of 188 bytes, read with this board's layout; its
    // byte 158 is Ulverrow's TPS40428 flag, here 0.
    std::string bytes(188, '\0');
    bytes[0] = 27;
    bytes[4] = static_cast<char>(188);
    std::memcpy(&bytes[8], "tarrow", 6);
    bytes[136] = 1;  // CLOCK
    bytes[159] = 1;  // RS422
    bytes[184] = 5;  // QDR-II+ 275 MHz
    Load(form, bytes);
    EXPECT_EQ(form->EditProjectName->Text(), "tarrow");
    EXPECT_TRUE(Box(form, "CheckBoxRs422")->Checked());
    const std::string project = GenerateProject(form, "Tarrowind");
    EXPECT_EQ(form->Record().BoardId, 28);
    EXPECT_EQ(form->Record().bTps40428, 0);  // kept through FormToConfig
    const std::string top = ReadFile(project + "tarrow.v");
    EXPECT_EQ(top.find("TPS40428"), std::string::npos);
    EXPECT_NE(top.find("RS422_DOUT"), std::string::npos);

    // Saved and loaded back byte for byte; a value outside its list (the
    // QDR-II+ choice 5) was shown as "Not Use" and is written back as 0.
    const std::string saved = Save(form);
    ASSERT_EQ(saved.size(), 188u);
    EXPECT_EQ(saved[0], 28);
    EXPECT_EQ(saved[158], 0);
    EXPECT_EQ(saved[184], 0);
    Load(form, saved);
    EXPECT_EQ(Save(form), saved);
    UserClick(form->ButtonDefaultSetting);
    EXPECT_EQ(form->Record().bTps40428, 1);

    // A file of 180 bytes, one of 187 or 189, and a cancelled dialog.
    seam.boxes.clear();
    Load(form, saved.substr(0, 180));
    Load(form, saved.substr(0, 187));
    Load(form, saved + "x");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(4, "Failed to load setting"));
    EXPECT_EQ(form->EditProjectName->Text(), "TARROWIND");
}

// ---- Yarrowgate ---------------------------------------------------------------

namespace {

const char* const kJp2Warning =
    "You have changed the default voltage level of FMC interface. \nPlease remember to change the jumper position on "
    "JP2 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
    "level.";

const std::vector<std::string> kClockItems[5] = {
    {"100", "125", "135", "148.5 (*)", "150", "270", "297", "300", "600", "644.53125"},
    {"100", "125", "135", "148.5", "150", "270", "297", "300", "600", "644.53125 (*)"},
    {"100", "125 (*)", "135", "148.5", "150", "270", "297", "300", "600", "644.53125"},
    {"100", "125", "135", "148.5", "150", "270 (*)", "297", "300", "600", "644.53125"},
    {"100", "125", "135", "148.5", "150", "270", "297", "300", "600", "644.53125 (*)"}};
const int kDefaultItems[5] = {3, 9, 1, 5, 9};

const std::string kHpsSection = std::string("===== HPS System warning =====\r\n") +
                                "To prevent any errors while compiling your Quartus project, \r\n" +
                                "please add the HPS IP to your design.\r\n" + "\r\n";

}  // namespace

TEST_F(BoardForms, YarrowgateOpensWithItsDefaults)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    EXPECT_EQ(form->EditProjectName->Text(), "Yarrowgate");
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxFileType), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 0);
    ASSERT_EQ(form->m_Flags.Entries().size(), 23u);
    for (size_t i = 0; i < 23; ++i) {
        const auto& flag = form->m_Flags.Entries()[i];
        EXPECT_EQ(flag.Box->Checked(), i < 9) << flag.Box->Name();
        for (const TShape* shape : flag.Shapes) EXPECT_EQ(shape->Visible(), i < 9) << flag.Box->Name();
    }
    EXPECT_EQ(Box(form, "CheckBoxTemperature")->Caption(), "Temperatrure ");
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxDDR4Socket), (std::vector<std::string>{"None", "DDR4 SODIMM without ECC",
                                                                           "DDR4 SODIMM with ECC",
                                                                           "Kalvora QDR-II+ A10 Module"}));
    EXPECT_EQ(form->ComboBoxDDR4Socket->ItemIndex(), 0);
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxFmcVol), (std::vector<std::string>{"1.8 V (Default)", "1.5 V", "1.2 V"}));
    EXPECT_EQ(form->ComboBoxFmcVol->ItemIndex(), 0);
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxFmc),
              (std::vector<std::string>{"None", "FMC HPC - VITA Standard", "FMC LPC - VITA Standard", "Pavlin-FMC",
                                        "12G SDI-FMC", "HDMI-FMC", "NET-FMC", "ADC-FMC", "Jusk-FMC",
                                        "Ambrel (FMC to GPIO)"}));
    EXPECT_EQ(form->ComboBoxFmc->ItemIndex(), 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(socform::ItemTexts(form->m_RefClkCombos[i]), kClockItems[i]) << i;
        EXPECT_EQ(form->m_RefClkCombos[i]->ItemIndex(), kDefaultItems[i]) << i;
        EXPECT_FALSE(form->m_RefClkCombos[i]->Enabled()) << i;
    }
    EXPECT_TRUE(form->ShapeFmcVol[0]->Visible());
    EXPECT_FALSE(form->ShapeFmcVol[1]->Visible());
    EXPECT_FALSE(form->ShapeDDR4Socket->Visible());
    EXPECT_FALSE(form->ImageDDR4Socket->Visible());
    EXPECT_FALSE(form->ImageFMC->Visible());
    // The jumper picture, kept as JPEG data, is decoded through libjpeg and shown.
    std::string jpeg;
    ASSERT_TRUE(LoadNamedResource("YARROWGATE_JP2_JPEG", jpeg));
    EXPECT_TRUE(IsJpegData(jpeg));
    EXPECT_TRUE(form->ImageVol->HasPicture());
    EXPECT_EQ(form->ImageVol->PictureWidth(), 120);
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    for (TButton* button : {form->ButtonGen, form->ButtonExit, form->ButtonSave, form->ButtonLoad})
        EXPECT_FALSE(button->Default);
    EXPECT_EQ(form->EditPrefixFmc->MaxLength(), 127);
    EXPECT_EQ(form->EditPrefixDDR4Socket->MaxLength(), 127);

    UserClick(form->ButtonExit);
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg").size(), 448u);
}

TEST_F(BoardForms, YarrowgateReferenceClocksFollowTheReconfigurationBox)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    UserClick(form->CheckBoxXcvrClk);
    for (TComboBox* combo : form->m_RefClkCombos) EXPECT_TRUE(combo->Enabled());
    UserPick(form->m_RefClkCombos[TXC_HDMI], 7);  // 300
    UserPick(form->m_RefClkCombos[TXC_USB], 0);   // 100
    // Unticking puts all five back to their defaults.
    UserClick(form->CheckBoxXcvrClk);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form->m_RefClkCombos[i]->ItemIndex(), kDefaultItems[i]) << i;
        EXPECT_FALSE(form->m_RefClkCombos[i]->Enabled()) << i;
    }
    // Showing a record with the box ticked keeps its frequencies; "Default
    // Setting" then shows every default.
    UserClick(form->CheckBoxXcvrClk);
    UserPick(form->m_RefClkCombos[TXC_SFP], 8);
    UserPick(form->ComboBoxDDR4Socket, 3);
    const std::string saved = Save(form);
    Load(form, saved);
    EXPECT_TRUE(form->CheckBoxXcvrClk->Checked());
    EXPECT_EQ(form->m_RefClkCombos[TXC_SFP]->Text(), "600");
    UserClick(form->ButtonDefaultSetting);
    EXPECT_FALSE(form->CheckBoxXcvrClk->Checked());
    EXPECT_EQ(form->ComboBoxDDR4Socket->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxFmc->ItemIndex(), 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(form->m_RefClkCombos[i]->ItemIndex(), kDefaultItems[i]) << i;
}

TEST_F(BoardForms, YarrowgateFmcListsPerVoltageAndTheCardPictures)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    UserPick(form->ComboBoxFmc, 1);
    UserType(form->EditPrefixFmc, "A_");
    EXPECT_TRUE(form->ShapeFMC->Visible());
    EXPECT_TRUE(form->ImageFMC->Visible());
    UserPick(form->ComboBoxFmcVol, 2);
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxFmc),
              (std::vector<std::string>{"None", "FMC HPC - VITA Standard", "FMC LPC - VITA Standard", "Pavlin-FMC",
                                        "12G SDI-FMC", "Ambrel (FMC to GPIO)"}));
    EXPECT_EQ(form->ComboBoxFmc->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixFmc->Text(), "A_");  // the prefix stays
    EXPECT_FALSE(form->ImageFMC->Visible());
    EXPECT_FALSE(form->ShapeFMC->Visible());
    EXPECT_TRUE(form->ShapeFmcVol[2]->Visible());
    EXPECT_FALSE(form->ShapeFmcVol[0]->Visible());
    UserPick(form->ComboBoxFmcVol, 1);
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxFmc),
              (std::vector<std::string>{"None", "FMC HPC - VITA Standard", "FMC LPC - VITA Standard", "Pavlin-FMC",
                                        "12G SDI-FMC", "HDMI-FMC", "NET-FMC", "Ambrel (FMC to GPIO)"}));
    UserPick(form->ComboBoxFmc, 7);
    EXPECT_TRUE(form->ImageFMC->Visible());
    EXPECT_TRUE(form->ImageFMC->HasPicture());
    UserPick(form->ComboBoxDDR4Socket, 3);
    EXPECT_TRUE(form->ImageDDR4Socket->Visible());
    EXPECT_TRUE(form->ShapeDDR4Socket->Visible());

    // A file at 1.2 V with its card: the voltage and the card of its list.
    std::string record = Save(form);
    int32_t code = 4;
    std::memcpy(&record[312], &code, 4);
    record[316] = 48;  // 12G SDI-FMC
    Load(form, record);
    EXPECT_EQ(form->ComboBoxFmcVol->Text(), "1.2 V");
    EXPECT_EQ(form->ComboBoxFmc->Text(), "12G SDI-FMC");
    EXPECT_EQ(form->EditPrefixFmc->Text(), "A_");
    // A card the list of that voltage does not offer shows "None", while a
    // socket card outside its list leaves the socket at the module it
    // showed; each combo's card is written back.
    record[316] = 54;  // ADC-FMC, 1.8 V only
    record[180] = 39;
    Load(form, record);
    EXPECT_EQ(form->ComboBoxFmc->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixFmc->Text(), "");
    EXPECT_EQ(form->ComboBoxDDR4Socket->ItemIndex(), 3);
    EXPECT_TRUE(form->ImageDDR4Socket->Visible());
    EXPECT_TRUE(form->ShapeDDR4Socket->Visible());
    const std::string back = Save(form);
    EXPECT_EQ(back[316], 0);
    EXPECT_EQ(static_cast<uint8_t>(back[180]), 81);
}

TEST_F(BoardForms, YarrowgateDefaultPrefixesOfTheSocketAndTheFmcCard)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    struct Case {
        int socketItem, fmcItem;
        const char* socketPin;  // a module pin as generated
        const char* fmcPin;     // a card pin as generated
    };
    for (const Case& k : {Case{3, 1, "QDRII_D[5]", "FMC_LA_p[0]"}, Case{1, 4, "DDR4A_DQ[5]", "VCG_INIT"},
                          Case{2, 2, "DDR4A_DQ[64]", "FMC_LA_p[0]"}}) {
        UserPick(form->ComboBoxDDR4Socket, k.socketItem);
        UserType(form->EditPrefixDDR4Socket, "");
        UserPick(form->ComboBoxFmc, k.fmcItem);
        UserType(form->EditPrefixFmc, "");
        const std::string project = GenerateProject(form, "Yarrowgate");
        ASSERT_EQ(seam.boxes.size(), 2u) << k.socketPin;  // success, then the warning text
        const std::string qsf = ReadFile(project + "Yarrowgate.qsf");
        for (const char* pin : {k.socketPin, k.fmcPin})
            EXPECT_NE(qsf.find(std::string("\" -to ") + pin + "\r\n"), std::string::npos) << pin;
        // The socket's default prefix serves the run only; the FMC's is kept.
        EXPECT_EQ(form->Record().szDdr4SocketPrefixName[0][0], 0);
        EXPECT_EQ(std::string(form->Record().szFmcPrefixName[0]), k.fmcItem <= 2 ? "FMC_" : "");
    }
}

TEST_F(BoardForms, YarrowgateEveryCardOfEveryVoltageAndEveryModuleGenerates)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    std::vector<std::string> verilog = {folder.Path() + "nettype.v"}, tops, vhdl;
    WriteFile(verilog[0], "`default_nettype none\n");
    for (int voltage = 0; voltage < 3; ++voltage) {
        UserPick(form->ComboBoxFmcVol, voltage);
        for (int item = 1; item < form->ComboBoxFmc->ItemCount(); ++item) {
            UserPick(form->ComboBoxFmc, item);
            UserType(form->EditPrefixFmc, "C_");  // the GPIO card's LED[0] beside the board's
            UserPick(form->ComboBoxDDR4Socket, item % 4);
            UserPick(form->ComboBoxFileType, item % 2);
            const std::string name = Format("card%dv%d", item, voltage);
            UserType(form->EditProjectName, name);
            const std::string project = GenerateProject(form, "Yarrowgate");
            SCOPED_TRACE(name + " " + form->ComboBoxFmc->Text());
            for (const auto& box : seam.boxes) EXPECT_NE(box.kind, seam::BoxKind::Error) << box.text;
            ASSERT_EQ(seam.boxes.at(0).text, kSuccess + project);
            EXPECT_EQ(seam.boxes.size() > 1 && seam.boxes[1].text == kJp2Warning, voltage != 0);
            const std::string qsf = ReadFile(project + name + ".qsf");
            ExpectSoundQsf(qsf);
            // The connector's own clock and calibration pin with every card.
            EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_T31 -to FMC_REFCLK_p"));
            EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_H9 -to FMC_RZQ"));
            if (item % 2) {
                vhdl.push_back(project + name + ".vhd");
            } else {
                verilog.push_back(project + name + ".v");
                tops.push_back(name);
            }
        }
    }
    std::string log;
    EXPECT_TRUE(CompileVerilog(verilog, tops, log)) << log;
    EXPECT_TRUE(AnalyseVhdl(vhdl, log)) << log;
}

TEST_F(BoardForms, YarrowgateBoxesAfterASuccessfulRunInTheirOrder)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    UserPick(form->ComboBoxFmcVol, 1);  // 1.5 V
    UserClick(Box(form, "CheckBoxDDR4B"));
    UserPick(form->ComboBoxDDR4Socket, 3);
    UserClick(Box(form, "CheckBoxSATA"));
    UserClick(Box(form, "CheckBoxUSBC_DP"));
    UserClick(Box(form, "CheckBoxHPS"));
    const std::string project = GenerateProject(form, "Yarrowgate");
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].text, kJp2Warning);
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Warning);
    EXPECT_EQ(seam.boxes[2].text,
              ShortMemoryNotice("DDR4/QDRII+") + ShortTransceiverNotice("SATA/Displayport") + kHpsSection);

    // DDR4H with the HPS asks for no memory section; the HPS section stays.
    UserClick(form->ButtonDefaultSetting);
    UserClick(Box(form, "CheckBoxDDR4H"));
    UserClick(Box(form, "CheckBoxHPS"));
    GenerateProject(form, "Yarrowgate");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kSuccess + project, kHpsSection}));
    // Nothing to warn about at 1.8 V: the success box alone.
    UserClick(form->ButtonDefaultSetting);
    GenerateProject(form, "Yarrowgate");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSuccess + project});
}

TEST_F(BoardForms, YarrowgateSelectAllGeneratesAProjectThatCompiles)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    UserClick(form->ButtonSelectAll);
    for (const auto& flag : form->m_Flags.Entries()) EXPECT_TRUE(flag.Box->Checked()) << flag.Box->Name();
    EXPECT_EQ(form->ComboBoxDDR4Socket->Text(), "DDR4 SODIMM with ECC");
    EXPECT_EQ(form->ComboBoxFileType->Text(), "Verilog");
    EXPECT_EQ(form->ComboBoxFmcVol->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxFmc->ItemIndex(), 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(form->m_RefClkCombos[i]->ItemIndex(), kDefaultItems[i]);
    const std::string project = GenerateProject(form, "Yarrowgate");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text, ShortMemoryNotice("DDR4") +
                                      ShortTransceiverNotice("SATA/SFP/HDMI_TX/HDMI_RX/PCIe/Displayport") + kHpsSection);
    const std::string qsf = ReadFile(project + "Yarrowgate.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10AS066K3F40E2SG"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"ACTIVE SERIAL X4\""));
    EXPECT_EQ(qsf.find("txc_controller"), std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB12 -to DDR4A_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA8 -to DDR4A_RZQ"));
    ExpectSoundQsf(qsf);
    EXPECT_TRUE(HasLine(ReadFile(project + "Yarrowgate.sdc"),
                        "create_clock -period \"266.66700 MHz\" [get_ports DDR4A_REFCLK_p]"));
    EXPECT_FALSE(std::filesystem::exists(project + "txc_controller"));
    ExpectCompiles(project, "Yarrowgate", "txc_controller");
}

TEST_F(BoardForms, YarrowgateProgrammedGeneratorsInVerilogAndVhdl)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    // No CLOCK and KEY boxes: the controllers bring them.
    UserClick(Box(form, "CheckBoxOSC"));
    UserClick(Box(form, "CheckBoxButton"));
    UserClick(Box(form, "CheckBoxHDMI_TX"));
    UserClick(Box(form, "CheckBoxSFP"));
    UserPick(form->ComboBoxFmc, 1);
    UserClick(form->CheckBoxXcvrClk);
    UserPick(form->m_RefClkCombos[TXC_HDMI], 7);  // 300
    UserPick(form->m_RefClkCombos[TXC_SFP], 8);   // 600
    UserPick(form->m_RefClkCombos[TXC_FMC], 4);   // 150
    std::string project = GenerateProject(form, "Yarrowgate");
    ASSERT_EQ(seam.boxes.size(), 2u);
    std::string top = ReadFile(project + "Yarrowgate.v");
    EXPECT_NE(top.find("\t.iFREQ_SELECTA({`TXC_TXC_300M,`TXC_TXC_600M}), //[7:4]=HDMI,[3:0]=SFP\r\n"),
              std::string::npos);
    EXPECT_NE(top.find("\t.iFREQ_SELECTB({`TXC_150M,`TXC_270M,`TXC_644M53125}), //[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n"),
              std::string::npos);
    const std::string qsf = ReadFile(project + "Yarrowgate.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCB_Controller.v"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_D11 -to CLK_50_B3H"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AU15 -to KEY[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_T31 -to FMC_REFCLK_p"));
    const std::string sdc = ReadFile(project + "Yarrowgate.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"300.00000 MHz\" [get_ports HDMI_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"150.00000 MHz\" [get_ports FMC_REFCLK_p]"));
    EXPECT_EQ(FilesIn(project + "txc_controller"),
              (std::vector<std::string>{"I2C_TXCA.v", "I2C_TXCA_Config.v", "I2C_TXCA_Controller.v", "I2C_TXCB.v",
                                        "I2C_TXCB_Config.v", "I2C_TXCB_Controller.v"}));
    ExpectCompiles(project, "Yarrowgate", "txc_controller");

    // The same board as a VHDL top level: one architecture with both
    // controllers, analysed and elaborated.
    UserPick(form->ComboBoxFileType, 1);
    project = GenerateProject(form, "Yarrowgate");
    const std::string vhd = ReadFile(project + "Yarrowgate.vhd");
    EXPECT_NE(vhd.find("architecture txc_behave of Yarrowgate is\r\n"), std::string::npos);
    EXPECT_NE(vhd.find("\t\tiFREQ_SELECTA => TXC_TXC_300M & TXC_TXC_600M,--[7:4]=HDMI,[3:0]=SFP\r\n"),
              std::string::npos);
    std::string log;
    EXPECT_TRUE(ElaborateVhdl({SourceFolder() + "tests/verilog/txc_controller_stubs.vhd", project + "Yarrowgate.vhd"},
                              "Yarrowgate", log))
        << log;

    // No generator programmed: the run's own architecture.
    UserClick(form->CheckBoxXcvrClk);
    GenerateProject(form, "Yarrowgate");
    EXPECT_NE(ReadFile(project + "Yarrowgate.vhd").find("architecture rtl of Yarrowgate is"), std::string::npos);
    EXPECT_TRUE(AnalyseVhdl(project + "Yarrowgate.vhd", log)) << log;
}

TEST_F(BoardForms, YarrowgateEqualPrefixesAreRefusedByTheRun)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    // The socket's module named like the on-board DDR4B interface.
    UserClick(Box(form, "CheckBoxDDR4B"));
    UserPick(form->ComboBoxDDR4Socket, 1);
    UserType(form->EditPrefixDDR4Socket, "DDR4B_");
    const std::string project = GenerateProject(form, "Yarrowgate");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Error);
    EXPECT_NE(seam.boxes[0].text.find("is used more than once in this project."), std::string::npos);
    EXPECT_EQ(seam.boxes[1].text, "Failed to generate Quartus project: Yarrowgate.qpf.");
    EXPECT_FALSE(FileExists(project + "Yarrowgate.qsf"));

    // A card whose names meet the board's without a prefix: the FMC-to-GPIO
    // card's LED[0] beside the board's LED group.
    UserType(form->EditPrefixDDR4Socket, "");
    UserPick(form->ComboBoxFmc, 9);
    GenerateProject(form, "Yarrowgate");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Signal name LED[0] is used more than once in this project.",
                                                    "Failed to generate Quartus project: Yarrowgate.qpf."}));

    // A prefix that is no legal name is refused before the dialog.
    UserType(form->EditPrefixDDR4Socket, "9x");
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Error);
    EXPECT_TRUE(seam.dialogs.empty());
    // The edits hold at most 127 bytes.
    UserType(form->EditPrefixFmc, std::string(200, 'p'));
    EXPECT_EQ(form->EditPrefixFmc->Text().size(), 127u);
}

TEST_F(BoardForms, YarrowgateLoadAndSettingsFiles)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    UserClick(Box(form, "CheckBoxEthernet"));
    UserPick(form->ComboBoxDDR4Socket, 2);
    UserType(form->EditPrefixDDR4Socket, "M_");
    UserPick(form->ComboBoxFileType, 1);
    const std::string saved = Save(form);
    ASSERT_EQ(saved.size(), 448u);
    EXPECT_EQ(saved[136], 1);
    EXPECT_EQ(saved[148], 1);
    EXPECT_EQ(static_cast<uint8_t>(saved[180]), 80);
    EXPECT_EQ(std::string(saved.c_str() + 181), "M_");
    float hdmi;
    std::memcpy(&hdmi, &saved[160], 4);
    EXPECT_EQ(hdmi, 148.5f);

    // Wrong sizes and a cancelled dialog: nothing shown, nothing changed.
    seam.boxes.clear();
    Load(form, saved.substr(0, 447));
    Load(form, saved + "x");
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditPrefixDDR4Socket->Text(), "M_");

    // A voltage outside the list shows "1.8 V (Default)" and is written back
    // as 2; a prefix without its zero is cut at 127 characters.
    std::string crafted = saved;
    int32_t voltage = 9;
    std::memcpy(&crafted[312], &voltage, 4);
    std::memset(&crafted[181], 'q', 128);
    Load(form, crafted);
    EXPECT_EQ(form->ComboBoxFmcVol->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixDDR4Socket->Text(), std::string(127, 'q'));
    const std::string back = Save(form);
    std::memcpy(&voltage, &back[312], 4);
    EXPECT_EQ(voltage, 2);
    EXPECT_EQ(back[181 + 127], 0);
}

TEST_F(BoardForms, YarrowgateShowsAnyTopFileTypeAndAClockNoItemHoldsByTheirCodes)
{
    auto* form = Open<TFormYarrowgate>(MAINBOARD_YARROWGATE);
    std::string record = Save(form);
    ASSERT_EQ(record.size(), 448u);
    // A top-file byte of 2, the reconfiguration box ticked, and an SFP clock
    // of 123 MHz, which no item holds.
    record[136] = 2;
    record[158] = 1;
    const float odd = 123.0f;
    std::memcpy(&record[164], &odd, 4);
    Load(form, record);
    EXPECT_EQ(form->ComboBoxFileType->Text(), "VHDL");
    EXPECT_TRUE(form->m_RefClkCombos[TXC_SFP]->Enabled());
    EXPECT_EQ(form->m_RefClkCombos[TXC_SFP]->ItemIndex(), 0);
    EXPECT_EQ(form->m_RefClkCombos[TXC_SFP]->Text(), "100");
    for (int i : {TXC_HDMI, TXC_FMC, TXC_DP, TXC_USB})
        EXPECT_EQ(form->m_RefClkCombos[i]->ItemIndex(), kDefaultItems[i]) << i;

    // The next run writes a VHDL top level that programs TXC A with code 0
    // for the SFP clock, as the stored frequency asks; TXC B keeps its
    // defaults.
    const std::string project = GenerateProject(form, "Yarrowgate");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kSuccess + project}));
    EXPECT_FALSE(FileExists(project + "Yarrowgate.v"));
    const std::string vhd = ReadFile(project + "Yarrowgate.vhd");
    EXPECT_NE(vhd.find("\t\tiFREQ_SELECTA => TXC_148M5 & TXC_100M,--[7:4]=HDMI,[3:0]=SFP\r\n"), std::string::npos);
    EXPECT_EQ(vhd.find("I2C_TXCB"), std::string::npos);
    EXPECT_EQ(FilesIn(project + "txc_controller"),
              (std::vector<std::string>{"I2C_TXCA.v", "I2C_TXCA_Config.v", "I2C_TXCA_Controller.v"}));
    std::string log;
    EXPECT_TRUE(ElaborateVhdl({SourceFolder() + "tests/verilog/txc_controller_stubs.vhd", project + "Yarrowgate.vhd"},
                              "Yarrowgate", log))
        << log;
    // The record holds what the combos show.
    const std::string back = Save(form);
    EXPECT_EQ(back[136], 1);
    float sfp;
    std::memcpy(&sfp, &back[164], 4);
    EXPECT_EQ(sfp, 100.0f);
}

TEST_F(BoardForms, CraftedRecordsNeverBreakTheForms)
{
    std::mt19937 random(2024);
    for (uint8_t id : {MAINBOARD_ULVERROW, MAINBOARD_YARROWGATE}) {
        const size_t size = id == MAINBOARD_ULVERROW ? 188 : 448;
        for (int round = 0; round < 4; ++round) {
            std::string bytes(size, '\0');
            for (char& b : bytes) b = static_cast<char>(random());
            WriteDefault(bytes);
            auto* form = dynamic_cast<TFrameBoardForm*>((main->OpenBoardForm(id), main->BoardForm()));
            ASSERT_NE(form, nullptr);
            form->EditProjectName->SetText("crafted");
            // Random prefixes may clash or break the name rules: refused with a box.
            for (const char* edit : {"EditPrefixDDR4Socket", "EditPrefixFmc"})
                if (auto* prefix = dynamic_cast<TEdit*>(form->FindControl(edit))) prefix->SetText("");
            const std::string project = GenerateProject(form, form->Row().FolderWord, {true});
            EXPECT_TRUE(FileExists(project + "crafted.htm")) << int(id) << " " << round;
            for (const auto& box : seam.boxes) EXPECT_NE(box.kind, seam::BoxKind::Error) << box.text;
        }
    }
}

}  // namespace ulverrow_yarrowgate_forms_test
