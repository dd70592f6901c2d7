// The Rastrelle, Drennock and Estover forms end to end (and the Selbowen
// placeholder): the real main form hosts them, the test answers the dialogs
// and the questions, and checks the files on disk. Every generated top level
// is compiled with its exported clock-chip IP by Icarus Verilog with
// `default_nettype none` and linted by Verilator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "app/UnitMain.h"
#include "boards/cyclone5_stratix5/UI_Drennock.h"
#include "boards/cyclone5_stratix5/UI_Estover.h"
#include "boards/cyclone5_stratix5/UI_Rastrelle.h"
#include "boards/cyclone5_stratix5/UI_Selbowen.h"
#include "model/Names.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/boards/BoardFormTestSupport.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/support/ProgramResources.h"
#include "tests/support/ProjectText.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace stratix_forms_test {

namespace {

const char* const kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const char* const kQspRastrelle =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61001 is not "
    "enalbed.\r\nDo you want to continued?";
const char* const kQsp =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is not "
    "enalbed.\r\nDo you want to continued?";
const char* const kSataQuestion =
    "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not enabled.\r\nDo you "
    "want to continued?";

const char* const kSi570Files[7] = {"si570_controller.v", "clock_divider.v",      "edge_detector.v",
                                    "i2c_bus_controller.v", "i2c_controller.v", "i2c_reg_controller.v",
                                    "initial_config.v"};

// The program's own IP files that the boards export.
const std::vector<std::string> kClockChipIp = {
    "EXT_PLL_CTRL_VERILOG",     "SI570_CONTROLLER_VERILOG",   "CLOCK_DIVIDER_VERILOG",
    "EDGE_DETECTOR_VERILOG",    "I2C_BUS_CONTROLLER_VERILOG", "I2C_CONTROLLER_VERILOG",
    "I2C_REG_CONTROLLER_VERILOG", "INITIAL_CONFIG_VERILOG",   "CDCM6100X_CONFIG_VERILOG"};

class StratixForms : public HostedFormTest {
protected:
    void SetUp() override
    {
        ServeProgramResources(seam, kClockChipIp);
        HostedFormTest::SetUp();
    }

    template <class F>
    F* Open(uint8_t id)
    {
        main->OpenBoardForm(id);
        // The form that went away wrote its default.cfg.
        std::filesystem::remove(folder.Path() + "default.cfg");
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // Presses Generate, answering the project dialog with <name>.qpf in the
    // proposed folder and the questions with the answers given.
    std::string Generate(TFrameBoardForm* form, TButton* button, const std::string& word, const std::string& name,
                         std::initializer_list<bool> answers = {})
    {
        seam.boxes.clear();
        seam.dialogs.clear();
        seam.dialogAnswers.clear();
        seam.yesNoAnswers.assign(answers.begin(), answers.end());
        seam.AnswerNextDialog(ProjectFolder(word, name) + name + ".qpf");
        UserType(form->Find<TEdit>("EditProjectName"), name);
        UserClick(button);
        return ProjectFolder(word, name);
    }
    // The top level with every exported IP file, with no implicit net
    // allowed; then Verilator's lint of the same files. Waived: the Si570
    // instance leaves iStart (which then does nothing) and its read-back
    // outputs off, and CPU_RESET_n is both the asynchronous reset of the
    // Si570 group and the recalibration input the CDCM controller
    // synchronises itself.
    void ExpectCompilesWithIp(const std::string& project, const std::string& name)
    {
        form_test::ExpectProjectCompiles(project, name);
        std::string files;
        for (const std::string& file : VerilogFilesIn(project)) files += " '" + project + file + "'";
        std::string log;
        const std::string lint = "verilator --lint-only -Wall -Wno-UNDRIVEN -Wno-UNUSED -Wno-DECLFILENAME "
                                 "-Wno-PINCONNECTEMPTY -Wno-PINMISSING -Wno-SYNCASYNCNET --top-module '" +
                                 name + "'" + files;
        EXPECT_EQ(RunCommand(lint, log), 0) << log;
    }
};

}  // namespace

TEST_F(StratixForms, RastrelleOpensWithItsDefaults)
{
    auto* form = Open<TFormRastrelle>(16);
    EXPECT_EQ(main->ClientWidth(), form->Width());
    EXPECT_EQ(form->EditProjectName->Text(), "S5");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate...");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting...");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting...");
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    const bool ticked[25] = {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1};
    for (size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(form->m_Groups.Entries()[i].Box->Checked(), ticked[i]) << i;
        for (TShape* shape : form->m_Groups.Entries()[i].Shapes) EXPECT_EQ(shape->Visible(), ticked[i]) << i;
    }
    ASSERT_EQ(form->ComboBoxSi570->ItemCount(), 8);
    EXPECT_EQ(form->ComboBoxSi570->ItemText(0), "Not Use");
    EXPECT_EQ(form->ComboBoxSi570->ItemText(1), "100.00000");
    EXPECT_EQ(form->ComboBoxSi570->ItemText(7), "644.53125");
    ASSERT_EQ(form->ComboBoxCdcm61001->ItemCount(), 13);
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemText(0), "Unchanged");
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemText(1), "Not Use");
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemText(2), "62.50");
    EXPECT_EQ(form->ComboBoxCdcm61004->ItemText(12), "625.00");
    EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBoxCdcm61004->ItemIndex(), 1);
    for (TComboBox* combo : {form->ComboBoxSi570, form->ComboBoxCdcm61001, form->ComboBoxCdcm61004})
        EXPECT_FALSE(combo->Enabled());
    EXPECT_FALSE(form->ShapeSi570->Visible());
    EXPECT_TRUE(form->ShapeCdcm61001->Visible());
    EXPECT_TRUE(form->ShapeCdcm61004->Visible());

    // "Change Main Board" has no action on this board.
    UserClick(form->ButtonMainBoardSelect);
    DeliverPostedMessages();
    EXPECT_EQ(main->BoardForm(), form);
}

TEST_F(StratixForms, RastrelleDefaultProjectHasNoClockChip)
{
    auto* form = Open<TFormRastrelle>(16);
    const std::string project = Generate(form, form->ButtonGen, "S5", "S5");
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + project});
    EXPECT_EQ(VerilogFilesIn(project), std::vector<std::string>{"S5.v"});
    const std::string qsf = ReadFile(project + "S5.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Stratix V\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5SGXEA7N2F45C2"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 2_H2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_M8 -to OSC_50_B7A"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to OSC_50_B7A"));
    // 121 pins, of which FSM_D[1..30] and FSM_A[1..25] have no known ball.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 121);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 121 - 55);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to FSM_D[7]"));
    EXPECT_EQ(Count(qsf, "-to FSM_D[7]\r\n"), 1);
    EXPECT_TRUE(HasLine(ReadFile(project + "S5.sdc"), "create_clock -period 20.000ns [get_ports OSC_50_B3B]"));
    EXPECT_NE(ReadFile(project + "S5.htm").find("Rastrelle Configuration"), std::string::npos);
    ExpectCompilesWithIp(project, "S5");
}

TEST_F(StratixForms, RastrelleEveryChipKindWithTheStandInGroups)
{
    auto* form = Open<TFormRastrelle>(16);
    UserClick(form->m_Groups.Entries()[0].Box);  // CLOCK off
    UserClick(form->m_Groups.Entries()[3].Box);  // buttons off
    UserClick(form->CheckBoxSfp[0]);
    UserClick(form->CheckBoxSata[0]);
    UserClick(form->CheckBoxPCIe);
    UserPick(form->ComboBoxSi570, 3);
    UserPick(form->ComboBoxCdcm61001, 11);
    UserPick(form->ComboBoxCdcm61004, 0);  // "Unchanged": the SATA question
    const std::string project = Generate(form, form->ButtonGen, "S5", "chips", {true});
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
    EXPECT_EQ(seam.boxes[0].text, kSataQuestion);
    EXPECT_EQ(seam.boxes[1].text, TransceiverNotice("SATA/PCIe/SFP+"));
    EXPECT_EQ(seam.boxes[2].text, kSuccess + project);

    std::vector<std::string> files(std::begin(kSi570Files), std::end(kSi570Files));
    files.push_back("EXT_PLL_CTRL.v");
    files.push_back("chips.v");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(VerilogFilesIn(project), files);
    const std::string verilog = ReadFile(project + "chips.v");
    EXPECT_NE(verilog.find("//      Configure CDCM61001 as 312.5 MHz\r\n//      Configure CDCM61004 as Unchange\r\n"),
              std::string::npos);
    EXPECT_NE(verilog.find("    .iFREQ_MODE(3'b010),\r\n"), std::string::npos);
    const std::string qsf = ReadFile(project + "chips.qsf");
    EXPECT_TRUE(HasLine(qsf, "# CLOCK"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AW35 -to OSC_50_B3B"));
    EXPECT_EQ(Count(qsf, "-to OSC_50_B3D"), 0);
    EXPECT_TRUE(HasLine(qsf, "# CPU_RESET_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_BC37 -to CPU_RESET_n"));
    EXPECT_TRUE(HasLine(qsf, "# Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"));
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(project + "chips.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"156.25000 MHz\" [get_ports SFP_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"312.50 MHz\" [get_ports SFP1G_REFCLK_p]"));
    EXPECT_EQ(Count(sdc, "SATA_HOST_REFCLK_p"), 0);  // "Unchanged": no clock
    ExpectCompilesWithIp(project, "chips");

    // No at the question ends the click before the project dialog.
    Generate(form, form->ButtonGen, "S5", "again", {false});
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(StratixForms, RastrelleCombosRememberTheChoiceWhileForced)
{
    auto* form = Open<TFormRastrelle>(16);
    UserClick(form->CheckBoxSfp[0]);
    EXPECT_TRUE(form->ComboBoxSi570->Enabled());
    EXPECT_TRUE(form->ComboBoxCdcm61001->Enabled());
    EXPECT_FALSE(form->ComboBoxCdcm61004->Enabled());
    UserPick(form->ComboBoxSi570, 3);
    UserPick(form->ComboBoxCdcm61001, 0);
    UserClick(form->CheckBoxSfp[0]);
    EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemIndex(), 1);
    EXPECT_FALSE(form->ComboBoxSi570->Enabled());
    RASTRELLE_CONFIG record{};
    form->FormToConfig(record);
    EXPECT_EQ(record.nSi570Freq, 0);
    EXPECT_EQ(record.nCdcm61001Freq, 1);
    UserClick(form->CheckBoxSfp[2]);
    EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 3);
    EXPECT_EQ(form->ComboBoxCdcm61001->ItemIndex(), 0);

    // The questions: SFP+ with the Si570 off and the CDCM61001 unchanged.
    UserPick(form->ComboBoxSi570, 0);
    Generate(form, form->ButtonGen, "S5", "q", {false});
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kQspRastrelle);
    UserPick(form->ComboBoxCdcm61001, 1);
    Generate(form, form->ButtonGen, "S5", "q");
    ASSERT_FALSE(seam.InfoTexts().empty());
    EXPECT_EQ(seam.InfoTexts().back(), kSuccess + ProjectFolder("S5", "q"));
}

TEST_F(StratixForms, RastrelleMemoryAndTransceiverNotices)
{
    auto* form = Open<TFormRastrelle>(16);
    UserClick(form->CheckBoxQdr[2]);
    UserClick(form->CheckBoxPCIe);
    const std::string project = Generate(form, form->ButtonGen, "S5", "notices");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, MemoryNotice("QDRII+ SRAM") + TransceiverNotice("PCIe"));
    EXPECT_EQ(seam.boxes[1].text, kSuccess + project);
    const std::string qsf = ReadFile(project + "notices.qsf");
    EXPECT_TRUE(HasLine(qsf, "# RZQ"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_BA12 -to QDRIIC_Q[0]"));
    ExpectCompilesWithIp(project, "notices");
}

TEST_F(StratixForms, RastrelleDdr3ModulesOnBothSockets)
{
    auto* form = Open<TFormRastrelle>(16);
    UserClick(form->CheckBoxDDR3[0]);
    UserClick(form->CheckBoxDDR3[1]);
    UserClick(form->CheckBoxQdr[2]);
    UserClick(form->CheckBoxPCIe);
    const std::string project = Generate(form, form->ButtonGen, "S5", "sodimm");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text.substr(0, 52), "===== DDR3-SDRAM/QDRII+ SRAM Pinloom warning =====\r\n");
    EXPECT_NE(seam.boxes[0].text.find("===== PCIe  Transceiver Pinloom warning =====\r\n"), std::string::npos);
    const std::string qsf = ReadFile(project + "sodimm.qsf");
    EXPECT_TRUE(HasLine(qsf, "# DDR3 SODIMM, DDR3 SODIMM_A"));
    EXPECT_TRUE(HasLine(qsf, "# DDR3 SODIMM, DDR3 SODIMM_B"));
    // Of the 124 located positions of each socket the balls of positions 4
    // and 202 are known; the module's pins there carry the socket's prefix.
    for (const char* ball : {"B32", "C15"}) EXPECT_EQ(Count(qsf, std::string("PIN_") + ball + " -to DDR3A_"), 1) << ball;
    for (const char* ball : {"V13", "P18"}) EXPECT_EQ(Count(qsf, std::string("PIN_") + ball + " -to DDR3B_"), 1) << ball;
    int located = 0;
    for (const std::string& line : SplitCrLf(qsf))
        located += line.rfind("set_location_assignment PIN_", 0) == 0 && line.find(" -to DDR3") != std::string::npos;
    EXPECT_EQ(located, 4);
    EXPECT_GT(Count(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to DDR3A_"), 0);
    EXPECT_GT(Count(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to DDR3B_"), 0);
    ExpectNoBallTwice(qsf);
    ExpectCompilesWithIp(project, "sodimm");
}

TEST_F(StratixForms, DrennockDefaultsAndEveryGroup)
{
    auto* form = Open<TFormDrennock>(15);
    EXPECT_EQ(form->EditProjectName->Text(), "DRENNOCK");
    EXPECT_EQ(form->Caption(), "Kalvora - Drennock V1.1.0");
    EXPECT_EQ(form->ComboBoxCdcm61004->ItemCount(), 12);
    EXPECT_EQ(form->ComboBoxCdcm61004->ItemText(0), "Disable");
    EXPECT_EQ(form->ComboBoxCdcm61004->ItemText(10), "312.50");
    EXPECT_EQ(form->ComboBoxSi570->ItemText(6), "322.26500");
    EXPECT_FALSE(form->ComboBoxSi570->Enabled());
    EXPECT_FALSE(form->ComboBoxCdcm61004->Enabled());
    EXPECT_FALSE(form->ShapeSi570->Visible());
    EXPECT_FALSE(form->ShapeCdcm61004->Visible());
    std::string project = Generate(form, form->ButtonGen, "DRENNOCK", "DRENNOCK");
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + project});
    std::string qsf = ReadFile(project + "DRENNOCK.qsf");
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 99);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 99 - 55);
    ExpectCompilesWithIp(project, "DRENNOCK");

    // Every group, both chips.
    for (const auto& entry : form->m_Groups.Entries())
        if (!entry.Box->Checked()) UserClick(entry.Box);
    for (const auto& entry : form->m_Groups.Entries())
        for (TShape* shape : entry.Shapes) EXPECT_TRUE(shape->Visible());
    UserPick(form->ComboBoxSi570, 3);
    UserPick(form->ComboBoxCdcm61004, 10);
    EXPECT_TRUE(form->ShapeSi570->Visible());
    EXPECT_TRUE(form->ShapeCdcm61004->Visible());
    project = Generate(form, form->ButtonGen, "DRENNOCK", "every");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text.substr(0, 53), "===== DDR3-SDRAM/QDRII+ SRAM Pinloom warning =====\r\nP");
    EXPECT_NE(seam.boxes[0].text.find("===== PCIe/SFP+/SATA  Transceiver Pinloom warning =====\r\n"),
              std::string::npos);
    std::vector<std::string> files(std::begin(kSi570Files), std::end(kSi570Files));
    files.push_back("CDCM6100x_Config.v");
    files.push_back("every.v");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(VerilogFilesIn(project), files);
    qsf = ReadFile(project + "every.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_R15 -to QDRIIA_A[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8-V HSTL Class I\" -to QDRIIB_A[0]"));
    EXPECT_EQ(Count(qsf, "-to QDRIIB_A[0]\r\n"), 1);
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(project + "every.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"312.50 MHz\" [get_ports SFP1G_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"156.25000 MHz\" [get_ports SFP_REFCLK_p]"));
    ExpectCompilesWithIp(project, "every");
}

TEST_F(StratixForms, DrennockQuestionAndRememberedChoices)
{
    auto* form = Open<TFormDrennock>(15);
    UserClick(form->CheckBoxSfp[1]);
    Generate(form, form->ButtonGen, "DRENNOCK", "q", {false});
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
    EXPECT_EQ(seam.boxes[0].text, kQsp);
    EXPECT_TRUE(seam.dialogs.empty());
    UserPick(form->ComboBoxSi570, 3);
    UserClick(form->CheckBoxSfp[1]);
    EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 0);
    UserClick(form->CheckBoxSfp[0]);
    EXPECT_EQ(form->ComboBoxSi570->Text(), "156.25000");
    Generate(form, form->ButtonGen, "DRENNOCK", "q");
    EXPECT_EQ(seam.boxes.back().text, kSuccess + ProjectFolder("DRENNOCK", "q"));
    EXPECT_EQ(seam.boxes.front().kind, seam::BoxKind::Information);  // no question
}

TEST_F(StratixForms, EstoverDefaultsCardListAndTheCdcmCombo)
{
    auto* form = Open<TFormEstover>(18);
    EXPECT_EQ(form->EditProjectName->Text(), "ESTOVER");
    EXPECT_EQ(form->Caption(), "Kalvora - Estover V1.0.2");
    const uint8_t cards[] = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                             23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};
    ASSERT_EQ(form->ComboBoxHSMC_A->ItemCount(), static_cast<int>(std::size(cards)));
    for (int i = 0; i < form->ComboBoxHSMC_A->ItemCount(); ++i)
        EXPECT_EQ(form->ComboBoxHSMC_A->ItemText(i), GetCardDisplayName(cards[i]));
    EXPECT_FALSE(form->ComboBoxCdcm61004->Enabled());
    EXPECT_FALSE(form->ShapeHSMC->Visible());
    UserPick(form->ComboBoxHSMC_A, 2);  // HSMC Default With Transceiver
    EXPECT_TRUE(form->ComboBoxCdcm61004->Enabled());
    EXPECT_FALSE(form->ComboBoxSi570->Enabled());
    EXPECT_TRUE(form->ShapeHSMC->Visible());
    UserPick(form->ComboBoxHSMC_A, 1);  // HSMC Default
    EXPECT_FALSE(form->ComboBoxCdcm61004->Enabled());
    UserPick(form->ComboBoxHSMC_A, 0);

    const std::string project = Generate(form, form->ButtonGen, "ESTOVER", "ESTOVER");
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + project});
    const std::string qsf = ReadFile(project + "ESTOVER.qsf");
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 123);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5SGXEA3K2F40C3"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 1517"));
    ExpectCompilesWithIp(project, "ESTOVER");
}

TEST_F(StratixForms, EstoverSataClockOffAndTheChips)
{
    auto* form = Open<TFormEstover>(18);
    UserClick(form->CheckBoxSata[0]);
    // SATA with the CDCM61004 off: the question, and a reference clock
    // without a frequency, so without a timing constraint.
    std::string project = Generate(form, form->ButtonGen, "ESTOVER", "sata", {true});
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(seam.boxes[0].text, kSataQuestion);
    EXPECT_EQ(seam.boxes[1].text.substr(0, 47), "===== SATA  Transceiver Pinloom warning =====\r\n");
    EXPECT_TRUE(HasLine(ReadFile(project + "sata.qsf"), "set_location_assignment PIN_V6 -to SATA_REFCLK_p"));
    EXPECT_EQ(Count(ReadFile(project + "sata.sdc"), "SATA_REFCLK_p"), 0);
    ExpectCompilesWithIp(project, "sata");

    // SFP+ and SATA with both chips: the first question comes only for SFP+
    // with both chips off, the SATA question only after a Yes.
    UserClick(form->CheckBoxSfp[2]);
    Generate(form, form->ButtonGen, "ESTOVER", "q", {true, false});
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kQsp);
    EXPECT_EQ(seam.boxes[1].text, kSataQuestion);
    UserPick(form->ComboBoxSi570, 7);
    UserPick(form->ComboBoxCdcm61004, 11);
    UserClick(form->m_Groups.Entries()[0].Box);  // CLOCK off: the stand-in clock
    project = Generate(form, form->ButtonGen, "ESTOVER", "chips");
    ASSERT_FALSE(seam.InfoTexts().empty());
    EXPECT_EQ(seam.InfoTexts().back(), kSuccess + project);
    std::vector<std::string> files(std::begin(kSi570Files), std::end(kSi570Files));
    files.push_back("CDCM6100x_Config.v");
    files.push_back("chips.v");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(VerilogFilesIn(project), files);
    const std::string qsf = ReadFile(project + "chips.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AV29 -to OSC_50_B3B"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB6 -to SFP1G_REFCLK_p"));
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(project + "chips.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"625.00 MHz\" [get_ports SATA_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"644.53125 MHz\" [get_ports SFP_REFCLK_p]"));
    const std::string verilog = ReadFile(project + "chips.v");
    EXPECT_NE(verilog.find("assign desired_freq = 4'd10; // 625 \tMHz\r\n"), std::string::npos);
    EXPECT_NE(verilog.find("    .iFREQ_MODE(3'b110),\r\n"), std::string::npos);
    ExpectCompilesWithIp(project, "chips");
}

TEST_F(StratixForms, SettingsRoundTripOfEachBoard)
{
    {
        auto* form = Open<TFormRastrelle>(16);
        UserType(form->EditProjectName, "r");
        UserClick(form->CheckBoxSfp[3]);
        UserClick(form->CheckBoxSata[1]);
        UserPick(form->ComboBoxSi570, 5);
        UserPick(form->ComboBoxCdcm61004, 7);
        seam.AnswerNextDialog(folder.Path() + "r.cfg");
        UserClick(form->ButtonSave);
        const std::string saved = ReadFile(folder.Path() + "r.cfg");
        ASSERT_EQ(saved.size(), 176u);
        EXPECT_EQ(std::memcmp(saved.data(), &form->m_Config.m_Config, 176), 0);
        EXPECT_EQ(saved[0], 16);
        UserClick(form->ButtonDefaultSetting);
        EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));
        EXPECT_EQ(form->EditProjectName->Text(), "S5");
        seam.AnswerNextDialog(folder.Path() + "r.cfg");
        UserClick(form->ButtonLoad);
        EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 5);
        EXPECT_EQ(form->ComboBoxCdcm61004->ItemIndex(), 7);
        seam.AnswerNextDialog(folder.Path() + "r2.cfg");
        UserClick(form->ButtonSave);
        EXPECT_EQ(ReadFile(folder.Path() + "r2.cfg"), saved);
    }
    {
        auto* form = Open<TFormEstover>(18);
        UserPick(form->ComboBoxHSMC_A, 11);  // card 21
        UserType(form->EditHSMC_A, "X_");
        seam.AnswerNextDialog(folder.Path() + "e.cfg");
        UserClick(form->ButtonSave);
        const std::string saved = ReadFile(folder.Path() + "e.cfg");
        ASSERT_EQ(saved.size(), 296u);
        EXPECT_EQ(static_cast<uint8_t>(saved[164]), 21);
        EXPECT_EQ(saved.substr(165, 3), std::string("X_\0", 3));
        UserClick(form->ButtonDefaultSetting);
        EXPECT_EQ(form->EditHSMC_A->Text(), "");
        seam.AnswerNextDialog(folder.Path() + "e.cfg");
        UserClick(form->ButtonLoad);
        EXPECT_EQ(form->ComboBoxHSMC_A->ItemIndex(), 11);
        EXPECT_EQ(form->EditHSMC_A->Text(), "X_");
        EXPECT_TRUE(form->ComboBoxCdcm61004->Enabled());  // a transceiver card
    }
    {
        auto* form = Open<TFormDrennock>(15);
        seam.boxes.clear();
        UserClick(form->ButtonLoad);  // cancelled
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
        WriteFile(folder.Path() + "short.cfg", std::string(163, '\0'));
        seam.AnswerNextDialog(folder.Path() + "short.cfg");
        UserClick(form->ButtonLoad);
        EXPECT_EQ(seam.ErrorTexts().size(), 2u);
        EXPECT_EQ(form->EditProjectName->Text(), "DRENNOCK");
    }
}

TEST_F(StratixForms, DefaultCfgKeepsTheLastBoardsSettings)
{
    auto* form = Open<TFormRastrelle>(16);
    UserType(form->EditProjectName, "kept");
    UserClick(form->CheckBoxSfp[0]);
    UserPick(form->ComboBoxSi570, 2);
    main->CloseBoardForms();  // Rastrelle goes away and writes default.cfg
    ASSERT_EQ(ReadFile(folder.Path() + "default.cfg").size(), 176u);
    main->OpenBoardForm(16);
    form = dynamic_cast<TFormRastrelle*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), "kept");
    EXPECT_TRUE(form->CheckBoxSfp[0]->Checked());
    EXPECT_EQ(form->ComboBoxSi570->ItemIndex(), 2);
    // A file of another size (Estover's, written as it goes away) gives the defaults.
    main->OpenBoardForm(18);
    main->CloseBoardForms();
    ASSERT_EQ(ReadFile(folder.Path() + "default.cfg").size(), 296u);
    main->OpenBoardForm(16);
    form = dynamic_cast<TFormRastrelle*>(main->BoardForm());
    EXPECT_EQ(form->EditProjectName->Text(), "S5");
}

TEST_F(StratixForms, NamesAreCheckedBeforeSavingAndGenerating)
{
    auto* form = Open<TFormEstover>(18);
    struct Case {
        const char* project;
        int card;
        const char* prefix;
        const char* message;
    };
    const Case cases[] = {
        {"", 0, "", kProjectNameEmptyMessage},
        {"1st", 0, "", kProjectNameRuleMessage},
        {"module", 0, "", kProjectNameRuleMessage},
        {"../up", 0, "", kProjectNameRuleMessage},
        {"ok", 2, "9x", kPrefixNameRuleMessage},
        {"ok", 2, "a-b", kPrefixNameRuleMessage},
    };
    for (const Case& c : cases) {
        UserType(form->EditProjectName, c.project);
        UserPick(form->ComboBoxHSMC_A, c.card);
        UserType(form->EditHSMC_A, c.prefix);
        SCOPED_TRACE(std::string(c.project) + " " + c.prefix);
        ExpectRefusedByGenerateOnly(seam, form->ButtonGen, form->ButtonSave, *c.project == 0, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
    // A prefix without a card is not used, so not checked.
    UserPick(form->ComboBoxHSMC_A, 0);
    seam.boxes.clear();
    seam.AnswerNextDialog(folder.Path() + "ok.cfg");
    UserClick(form->ButtonSave);
    EXPECT_TRUE(seam.boxes.empty());
    // The name and the prefix hold at most 127 characters.
    UserType(form->EditProjectName, std::string(200, 'N'));
    EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
    UserType(form->EditHSMC_A, std::string(200, 'P'));
    EXPECT_EQ(form->EditHSMC_A->Text().size(), 127u);
}

// Records of the right size made by hand or at random load without a crash;
// a choice outside its list shows the default item and is written back.
TEST_F(StratixForms, CraftedRecordsLoadSafely)
{
    auto* estover = Open<TFormEstover>(18);
    std::string crafted(296, '\x7f');
    crafted[0] = 15;                     // another board's id: taken over
    crafted[156] = 9;                    // Si570 beyond its list
    crafted[160] = static_cast<char>(0xff);  // CDCM61004 beyond its list (-1 with the other bytes)
    crafted[164] = 77;                   // a card the HSMC list does not hold: "None" stays
    WriteFile(folder.Path() + "crafted.cfg", crafted);
    seam.AnswerNextDialog(folder.Path() + "crafted.cfg");
    UserClick(estover->ButtonLoad);
    EXPECT_EQ(estover->EditProjectName->Text().size(), 127u);
    EXPECT_EQ(estover->ComboBoxHSMC_A->ItemIndex(), 0);
    EXPECT_EQ(estover->EditHSMC_A->Text(), "");
    EXPECT_EQ(estover->m_Si570.Remembered, 0);
    EXPECT_EQ(estover->m_Cdcm61004.Remembered, 0);
    ESTOVER_CONFIG record{};
    estover->FormToConfig(record);
    EXPECT_EQ(record.BoardId, MAINBOARD_ESTOVER);
    EXPECT_EQ(record.nSi570Freq, 0);
    EXPECT_EQ(record.nCdcm61004Freq, 0);
    EXPECT_EQ(record.nHsmcDaughterId[0], 0);
    for (uint8_t* flag = &record.bClock; flag <= &record.bRs422; ++flag) EXPECT_EQ(*flag, 1);
    Generate(estover, estover->ButtonGen, "ESTOVER", "crafted", {true, true});
    EXPECT_TRUE(seam.ErrorTexts().empty());

    std::mt19937 random(12);
    for (uint8_t id : {15, 16, 18}) {
        main->OpenBoardForm(id);
        const int size = id == 15 ? 164 : id == 16 ? 176 : 296;
        for (int round = 0; round < 20; ++round) {
            std::string bytes(static_cast<size_t>(size), '\0');
            for (char& byte : bytes) byte = static_cast<char>(random());
            WriteFile(folder.Path() + "random.cfg", bytes);
            seam.AnswerNextDialog(folder.Path() + "random.cfg");
            auto* form = dynamic_cast<TFrameBoardForm*>(main->BoardForm());
            ASSERT_NE(form, nullptr);
            UserClick(form->Find<TButton>("ButtonLoad"));
            seam.AnswerNextDialog(folder.Path() + "saved.cfg");
            UserClick(form->Find<TButton>("ButtonSave"));
        }
    }
}

TEST_F(StratixForms, SelbowenIsAnEmptyPlaceholder)
{
    auto* form = Open<TFormSelbowen>(17);
    EXPECT_EQ(form->Caption(), "FormSelbowen");
    EXPECT_EQ(form->Width(), 870);
    EXPECT_EQ(form->Height(), 640);
    EXPECT_EQ(main->ClientWidth(), 870);
    EXPECT_EQ(main->ClientHeight(), 640);
    EXPECT_EQ(form->FindControl("ButtonGen"), nullptr);
    main.reset();
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));
}

}  // namespace stratix_forms_test
