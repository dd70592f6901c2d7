// The Colvenna form end to end: the real main form hosts it, the test
// answers the dialogs and the questions and checks the files on disk. Every
// generated top level is compiled together with the clock-chip controllers
// it exported by Icarus Verilog with `default_nettype none`, and linted by
// Verilator.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "boards/cyclone5_stratix5/UI_Colvenna.h"
#include "model/Names.h"
#include "platform/qt/NamedResources.h"
#include "tests/boards/SocFormFixture.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/support/ProgramResources.h"

namespace colvenna_form_test {

namespace {

using socform::ItemTexts;

const std::vector<std::string> kHpcCards = {"None",       "FMC HPC - VITA Standard", "FMC LPC - VITA Standard",
                                            "Pavlin-FMC", "12G SDI-FMC",             "HDMI-FMC",
                                            "NET-FMC",    "Jusk-FMC",                "Ambrel (FMC to GPIO)"};
const std::vector<std::string> kLpcCards = {"None",     "FMC LPC - VITA Standard", "Pavlin-FMC",
                                            "HDMI-FMC", "NET-FMC",                 "Jusk-FMC"};
// Positions of the lists.
constexpr int kHpcVita = 1, kHpcLpcVita = 2, kHpcPavlin = 3, kHpcAmbrel = 8;
constexpr int kLpcVita = 1, kLpcHdmi = 3;

const char* const kDdr3Question =
    "DDR3 is enabled but the associated referece clock is not configured.\r\nPlease check the CDCM PLL and enable "
    "DDR3 reference clcok before you proceed to the next step.\r\nDo you want to continue?";
const char* const kFmcClockWarning =
    "Due to the limitation of CDCM6208,\r\nthe clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must be the "
    "same..\r\n";

// The flags' check boxes in record order, and which the defaults tick.
const bool kDefaultTicks[18] = {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0};
enum { kClock = 0, kButton = 2, kDdr3 = 7, kPcie = 8, kSataHost = 9, kSataDevice = 10, kCdcm = 16, kLmk = 17 };

class ColvennaForm : public SocFormTest<TFormColvenna, 31> {
protected:
    void SetUp() override
    {
        SocFormTest::SetUp();
        ServeProgramResources(seam, {"COLVENNA_CDCM6208_CONFIG_VERILOG", "COLVENNA_CDCM6208_CONTROLLER_VERILOG",
                                     "COLVENNA_LMK04906_CONFIG_VERILOG"});
    }
    TCheckBox* Box(TFormColvenna* form, int flag) { return form->m_Groups.Box(static_cast<size_t>(flag)); }
    void Tick(TFormColvenna* form, int flag, bool ticked)
    {
        if (Box(form, flag)->Checked() != ticked) UserClick(Box(form, flag));
    }
    // Generate with the questions answered.
    std::string GenerateAnswering(TFormColvenna* form, const std::string& name, std::initializer_list<bool> answers)
    {
        seam.yesNoAnswers.assign(answers.begin(), answers.end());
        seam.dialogAnswers.clear();
        return Generate(form, "Colvenna", name);
    }
    // The top level with the controller files the run exported (in the
    // project's sub-folders), no implicit net allowed; then Verilator's lint
    // of the same files.
    void ExpectCompilesWithIp(const std::string& qpf)
    {
        const std::string project = ExtractFilePath(qpf);
        const std::string name = ChangeFileExt(ExtractFileName(qpf), "");
        TempFolder work;
        WriteFile(work.Path() + "nettype.v", "`default_nettype none\n");
        std::string files = " '" + project + name + ".v'";
        for (const auto& entry : std::filesystem::recursive_directory_iterator(project))
            if (entry.path().extension() == ".v" && entry.path().parent_path().string() + "/" != project)
                files += " '" + entry.path().string() + "'";
        std::string log;
        EXPECT_EQ(RunCommand("iverilog -g2005 -Wall -o '" + work.Path() + "a.out' -s '" + name + "' '" + work.Path() +
                                 "nettype.v'" + files,
                             log),
                  0)
            << log;
        EXPECT_EQ(RunCommand("verilator --lint-only -Wall -Wno-UNDRIVEN -Wno-UNUSED -Wno-DECLFILENAME "
                             "-Wno-PINCONNECTEMPTY --top-module '" +
                                 name + "'" + files,
                             log),
                  0)
            << log;
    }
    // The project's files below its folder, sorted.
    static std::vector<std::string> ProjectTree(const std::string& qpf)
    {
        const std::string project = ExtractFilePath(qpf);
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(project))
            if (entry.is_regular_file()) files.push_back(std::filesystem::relative(entry.path(), project).string());
        std::sort(files.begin(), files.end());
        return files;
    }
    COLVENNA_CONFIG Stored(TFormColvenna* form)
    {
        COLVENNA_CONFIG record{};
        form->FormToConfig(record);
        return record;
    }
};

std::vector<int> Items(const TChoiceCombo* combos, int count)
{
    std::vector<int> items;
    for (int k = 0; k < count; ++k) items.push_back(combos[k].Item());
    return items;
}

}  // namespace

TEST_F(ColvennaForm, OpensWithItsDefaults)
{
    TFormColvenna* form = Open();
    EXPECT_EQ(main->ClientWidth(), form->Width());
    EXPECT_EQ(form->Caption(), "Kalvora Colvenna V1.1.1");
    EXPECT_EQ(form->EditProjectName->Text(), "Colvenna");
    EXPECT_EQ(ItemTexts(form->ComboBoxBoard),
              (std::vector<std::string>{"COLVENNA_A7(5SGXEA7N2F45C2N)", "COLVENNA_AB(5SGXEABN2F45C2N)",
                                        "COLVENNA_AB(5SGXEABN3F45I3NYY)"}));
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    for (size_t i = 0; i < 18; ++i) {
        EXPECT_EQ(form->m_Groups.Entries()[i].Box->Checked(), kDefaultTicks[i]) << i;
        for (TShape* shape : form->m_Groups.Entries()[i].Shapes) EXPECT_EQ(shape->Visible(), kDefaultTicks[i]) << i;
    }
    EXPECT_EQ(Box(form, kCdcm)->Caption(), "CDCM6208 PLL");
    EXPECT_EQ(Box(form, kLmk)->Caption(), "LMK04096B PLL");
    // The clock chips' combos: off and at "Disable".
    const std::vector<std::string> fmcItems = {"Disable", "100.0", "125.0", "150.0"};
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[0].Combo), fmcItems);
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[1].Combo), fmcItems);
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[2].Combo), (std::vector<std::string>{"Disable", "150.0"}));
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[3].Combo), (std::vector<std::string>{"Disable", "150.0"}));
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[4].Combo), (std::vector<std::string>{"Disable", "100.0"}));
    EXPECT_EQ(ItemTexts(form->m_Cdcm6208[5].Combo), (std::vector<std::string>{"Disable", "133.333"}));
    for (const TChoiceCombo& combo : form->m_Lmk04906)
        EXPECT_EQ(ItemTexts(combo.Combo), (std::vector<std::string>{"Disable", "322.265625", "644.53125"}));
    for (const TChoiceCombo& combo : form->m_Cdcm6208) {
        EXPECT_FALSE(combo.Combo->Enabled());
        EXPECT_EQ(combo.Item(), 0);
    }
    for (const TChoiceCombo& combo : form->m_Lmk04906) {
        EXPECT_FALSE(combo.Combo->Enabled());
        EXPECT_EQ(combo.Item(), 0);
    }
    // The card lists: the GPIO header's 40-pin cards, the HPC connectors the
    // HPC and LPC cards, the LPC connectors the LPC cards (all at 2.5 V).
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio), socform::kGpio40Cards);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ItemTexts(form->ComboBoxFmc[i]), TFormColvenna::IsHpcSlot(i) ? kHpcCards : kLpcCards) << i;
        EXPECT_EQ(form->ComboBoxFmc[i]->ItemIndex(), 0);
        EXPECT_FALSE(form->ShapeFmc[i]->Visible());
        EXPECT_FALSE(form->ImageFmc[i]->Visible());
    }
    EXPECT_EQ(form->ButtonDefault->Caption(), "Default Setting");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate...");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting...");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting...");

    // A card shows its outline and picture.
    UserPick(form->ComboBoxFmc[2], kLpcHdmi);
    EXPECT_TRUE(form->ShapeFmc[2]->Visible());
    EXPECT_TRUE(form->ImageFmc[2]->Visible());
    UserPick(form->ComboBoxGpio, 1);
    EXPECT_TRUE(form->ShapeGpio->Visible());
    EXPECT_TRUE(form->ImageGpio->Visible());
}

TEST_F(ColvennaForm, DefaultProject)
{
    TFormColvenna* form = Open();
    const std::string qpf = Generate(form, "Colvenna", "Colvenna");
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{socform::kSuccess + ExtractFilePath(qpf)});
    EXPECT_EQ(qpf, folder.Path() + "CodeGenerated/Colvenna/Colvenna/Colvenna.qpf");
    EXPECT_EQ(ProjectTree(qpf), (std::vector<std::string>{"Colvenna.htm", "Colvenna.qpf", "Colvenna.qsf",
                                                           "Colvenna.sdc", "Colvenna.v"}));
    const std::string qsf = Qsf(qpf);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Stratix V\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5SGXEA7N2F45C2"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 1932"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE C2"));
    EXPECT_EQ(Count(qsf, "VERILOG_FILE"), 0);
    // 93 pins, of which FSM_A[2..25] and FSM_D[1..14] have no known ball.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 93);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 93 - 38);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to FSM_A[13]"));
    EXPECT_EQ(Count(qsf, "-to FSM_A[13]\r\n"), 1);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AE11 -to FSM_A[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_BB11 -to FSM_A[26]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"Differential 1.5-V HSTL Class I\" -to "
                             "SMA_CLKIN_p"));
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(ChangeFileExt(qpf, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.00000 MHz\" [get_ports OSC_50_B8D]"));
    EXPECT_EQ(Count(sdc, "create_clock -period"), 7);
    EXPECT_NE(ReadFile(ChangeFileExt(qpf, ".htm")).find("Colvenna FPGA Board"), std::string::npos);
    EXPECT_NE(ReadFile(ChangeFileExt(qpf, ".v")).find("\toutput\t\t    [26:1]\t\tFSM_A"), std::string::npos);
    ExpectCompilesWithIp(qpf);
}

// Every group, both clock chips and a card on every connector kind: the
// notices, the controller files, one port for the reference-clock bus that
// both chips' groups hold, and a top level that compiles with its IP.
TEST_F(ColvennaForm, EveryGroupBothChipsAndACardOnEveryConnector)
{
    TFormColvenna* form = Open();
    for (int flag = 0; flag < 18; ++flag) Tick(form, flag, true);
    for (const auto& entry : form->m_Groups.Entries())
        for (TShape* shape : entry.Shapes) EXPECT_TRUE(shape->Visible());
    // Ticking a chip shows the record's choices.
    EXPECT_EQ(Items(form->m_Cdcm6208, 6), (std::vector<int>{2, 2, 1, 1, 0, 1}));
    EXPECT_EQ(Items(form->m_Lmk04906, 4), (std::vector<int>{2, 2, 2, 2}));
    for (const TChoiceCombo& combo : form->m_Cdcm6208) EXPECT_TRUE(combo.Combo->Enabled());
    UserPick(form->m_Cdcm6208[CDCM6208_PCIE].Combo, 1);
    UserPick(form->m_Lmk04906[LMK04906_FMCC].Combo, 1);
    UserPick(form->ComboBoxBoard, 2);
    UserPick(form->ComboBoxGpio, 1);  // GPIO Default
    UserType(form->EditGpio, "G_");
    UserPick(form->ComboBoxFmc[FMC_A], kHpcVita);
    UserPick(form->ComboBoxFmc[FMC_B], kLpcVita);
    UserType(form->EditFmc[FMC_B], "B_");  // the two VITA namings share names
    UserPick(form->ComboBoxFmc[FMC_C], kLpcHdmi);
    UserType(form->EditFmc[FMC_C], "H_");
    UserPick(form->ComboBoxFmc[FMC_D], kHpcAmbrel);
    UserType(form->EditFmc[FMC_D], "AM_");
    const std::string qpf = GenerateAnswering(form, "every", {});
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text,
              MemoryNotice("DDR3") + TransceiverNotice("PCIe/Sata-Host/Sata-Device") + "\r\n");
    EXPECT_EQ(seam.boxes[1].text, socform::kSuccess + ExtractFilePath(qpf));
    EXPECT_EQ(ProjectTree(qpf),
              (std::vector<std::string>{"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v",
                                        "every.htm", "every.qpf", "every.qsf", "every.sdc", "every.v",
                                        "lmk04906/SPI_LMK04906_Config.v"}));
    const std::string qsf = Qsf(qpf);
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n\r\n"
                       "#============================================================\r\n"
                       "# Includes LMK04906 Controller File(s)\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Controller.v"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5SGXEABN3F45I3YY"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE I3"));
    for (const char* title : {"# DDR3 SODIMM, DDR3 SODIMM", "# RZQ for FMC and DDR3", "# GPIO, GPIO connect to GPIO Default",
                              "# FMCA, FMCA connect to FMC HPC - VITA Standard",
                              "# FMCB, FMCB connect to FMC LPC - VITA Standard", "# FMCC, FMCC connect to HDMI-FMC",
                              "# FMCD, FMCD connect to Ambrel (FMC to GPIO)"})
        EXPECT_TRUE(HasLine(qsf, title)) << title;
    // The known balls of the masters carry the cards' pins, with the prefixes.
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AU36 -to G_GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W41 -to DP0_C2M_P"));       // FMC-A C2
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AL41 -to B_DP_C2M_p[0]"));  // FMC-B C2
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_B8 -to AM_"), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_AH30 -to DDR3_"), 1);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"LVDS\" -to FMCA_ONBOARD_REFCLK_p"), 2);
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(ChangeFileExt(qpf, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"133.33333 MHz\" [get_ports DDR3_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"322.26562 MHz\" [get_ports FMCC_ONBOARD_REFCLK_p[0]]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"100.00000 MHz\" [get_ports PCIE_ONBOARD_REFCLK_p]"));
    // The bus of the two FMC-A reference clocks is one port, in the LMK04906
    // group's section (the first that holds a member).
    const std::string verilog = ReadFile(ChangeFileExt(qpf, ".v"));
    EXPECT_EQ(Count(verilog, "\tFMCA_ONBOARD_REFCLK_p,"), 1);
    const size_t lmk = verilog.find("\t//////////// LMK04906B External PLL //////////");
    const size_t port = verilog.find("\tinput \t\t     [1:0]\t\tFMCA_ONBOARD_REFCLK_p,");
    const size_t cdcm = verilog.find("\t//////////// CDCM6208 External PLL //////////");
    EXPECT_TRUE(lmk < port && port < cdcm);
    EXPECT_NE(verilog.find("assign cdcm6208_freq_select = `CDCM6208_MODE_1;\r\nassign cdcm6208_freq_disable = "
                           "6'b000000;\r\n"),
              std::string::npos);
    EXPECT_NE(verilog.find("assign lmk04906_freq_select = `FMCA_644M53125_BIT | `FMCB_644M53125_BIT | "
                           "`FMCD_644M53125_BIT;\r\n"),
              std::string::npos);
    ExpectCompilesWithIp(qpf);
}

// The pins the controllers use while their groups are not ticked (the
// clock, the buttons): one-pin groups in their places; and the CDCM6208's
// frequency set from FMCD_REFCLK_0 while FMCA_REFCLK_0 is off.
TEST_F(ColvennaForm, ChipsWithoutTheClockAndButtonGroups)
{
    TFormColvenna* form = Open();
    Tick(form, kClock, false);
    Tick(form, kButton, false);
    Tick(form, kCdcm, true);
    Tick(form, kLmk, true);
    UserPick(form->m_Cdcm6208[CDCM6208_FMCA].Combo, 0);
    UserPick(form->m_Cdcm6208[CDCM6208_FMCD].Combo, 3);
    const std::string qpf = GenerateAnswering(form, "standin", {});
    EXPECT_TRUE(seam.ErrorTexts().empty());
    const std::string qsf = Qsf(qpf);
    for (const char* line : {"# OSC_50_B3B", "set_location_assignment PIN_AW35 -to OSC_50_B3B", "# OSC_50_B4A",
                             "set_location_assignment PIN_AP10 -to OSC_50_B4A", "# CPU_RESET_n",
                             "set_location_assignment PIN_BC37 -to CPU_RESET_n",
                             "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to CPU_RESET_n"})
        EXPECT_TRUE(HasLine(qsf, line)) << line;
    EXPECT_EQ(Count(qsf, "OSC_50_B7A"), 0);
    EXPECT_EQ(Count(qsf, "BUTTON"), 0);
    EXPECT_LT(qsf.find("# OSC_50_B4A"), qsf.find("# CPU_RESET_n"));
    EXPECT_LT(qsf.find("# CPU_RESET_n"), qsf.find("# SW"));
    const std::string verilog = ReadFile(ChangeFileExt(qpf, ".v"));
    EXPECT_NE(verilog.find("assign cdcm6208_freq_select = `CDCM6208_MODE_2;\r\n"), std::string::npos);
    EXPECT_NE(verilog.find("assign cdcm6208_freq_disable = `CDCM6208_FMCA_DISABLE_BIT | `CDCM6208_PCIE_DISABLE_BIT;\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(ReadFile(ChangeFileExt(qpf, ".sdc")),
                        "create_clock -period \"50.00000 MHz\" [get_ports OSC_50_B4A]"));
    ExpectCompilesWithIp(qpf);
}

TEST_F(ColvennaForm, ClockChipCombos)
{
    TFormColvenna* form = Open();
    Tick(form, kCdcm, true);
    EXPECT_EQ(form->m_Cdcm6208[CDCM6208_FMCA].Combo->Text(), "125.0");
    EXPECT_EQ(form->m_Cdcm6208[CDCM6208_SATA_HOST].Combo->Text(), "150.0");
    EXPECT_EQ(form->m_Cdcm6208[CDCM6208_PCIE].Combo->Text(), "Disable");
    EXPECT_EQ(form->m_Cdcm6208[CDCM6208_DDR3].Combo->Text(), "133.333");
    EXPECT_FALSE(form->m_Lmk04906[0].Combo->Enabled());
    // A choice stays through the clicks of other boxes.
    UserPick(form->m_Cdcm6208[CDCM6208_FMCA].Combo, 3);
    UserPick(form->m_Cdcm6208[CDCM6208_FMCD].Combo, 3);
    UserClick(Box(form, kPcie));
    EXPECT_EQ(form->m_Cdcm6208[CDCM6208_FMCA].Combo->Text(), "150.0");
    // A chip not in use keeps no choice in the record.
    Tick(form, kCdcm, false);
    for (const TChoiceCombo& combo : form->m_Cdcm6208) {
        EXPECT_FALSE(combo.Combo->Enabled());
        EXPECT_EQ(combo.Item(), 0);
    }
    const COLVENNA_CONFIG off = Stored(form);
    for (uint8_t choice : off.nCdcm6208Freq) EXPECT_EQ(choice, 0);
    for (uint8_t choice : off.nLmk04906Freq) EXPECT_EQ(choice, 0);
    Tick(form, kCdcm, true);
    EXPECT_EQ(Items(form->m_Cdcm6208, 6), (std::vector<int>{3, 3, 1, 1, 0, 1}));

    // FMCA_REFCLK_0 and FMCD_REFCLK_0 must agree while FMCA_REFCLK_0 is on:
    // a warning on "Save Setting..." and on "Generate...", nothing saved or
    // generated.
    UserPick(form->m_Cdcm6208[CDCM6208_FMCA].Combo, 1);
    UserPick(form->m_Cdcm6208[CDCM6208_FMCD].Combo, 2);
    for (TButton* button : {form->ButtonSave, form->ButtonGen}) {
        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(button);
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
        EXPECT_EQ(seam.boxes[0].text, kFmcClockWarning);
        EXPECT_TRUE(seam.dialogs.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
    UserPick(form->m_Cdcm6208[CDCM6208_FMCA].Combo, 0);
    seam.boxes.clear();
    Save(form, "ok.cfg");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(FileExists(folder.Path() + "ok.cfg"));
}

// "DDR3 SODIMM" without the DDR3 reference clock: a Yes/No question on
// "Save Setting..." and on "Generate..."; No ends the click.
TEST_F(ColvennaForm, Ddr3ReferenceClockQuestion)
{
    TFormColvenna* form = Open();
    Tick(form, kDdr3, true);
    for (bool cdcm : {false, true}) {
        Tick(form, kCdcm, cdcm);
        if (cdcm) UserPick(form->m_Cdcm6208[CDCM6208_DDR3].Combo, 0);
        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(form->ButtonSave);  // No
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
        EXPECT_EQ(seam.boxes[0].text, kDdr3Question);
        EXPECT_TRUE(seam.dialogs.empty());
        seam.yesNoAnswers = {true};
        UserClick(form->ButtonSave);  // Yes: the dialog, cancelled
        EXPECT_EQ(seam.dialogs.size(), 1u);
    }
    GenerateAnswering(form, "no", {false});
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_TRUE(seam.dialogs.empty());
    const std::string qpf = GenerateAnswering(form, "ddr3", {true});
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(seam.boxes[1].text.substr(0, 35), "===== DDR3 Pinloom warning =====\r\nP");
    EXPECT_EQ(seam.boxes[2].text, socform::kSuccess + ExtractFilePath(qpf));
    EXPECT_TRUE(HasLine(Qsf(qpf), "# RZQ for DDR3"));
    ExpectCompilesWithIp(qpf);
    // With the reference clock on, no question.
    UserPick(form->m_Cdcm6208[CDCM6208_DDR3].Combo, 1);
    GenerateAnswering(form, "ddr3", {});
    EXPECT_EQ(seam.boxes.front().kind, seam::BoxKind::Information);
}

TEST_F(ColvennaForm, PrefixesAndNames)
{
    TFormColvenna* form = Open();
    struct Case {
        int a, b, d;  // list positions on FMC-A, FMC-B, FMC-D
        const char *prefixA, *prefixD, *gpioPrefix;
        int gpio;
        const char* message;  // nullptr: accepted
        bool generationOnly = false;  // a settings file keeps what the generation refuses
    };
    const Case cases[] = {
        {kHpcPavlin, 0, kHpcPavlin, "", "", "", 0,
         "FMC-A and FMC-D cannot have the same prefix name when both connect to the same type of daughter boards."},
        {kHpcPavlin, 0, kHpcPavlin, "P_", "P_", "", 0,
         "FMC-A and FMC-D cannot have the same prefix name when both connect to the same type of daughter boards."},
        {kHpcPavlin, 0, kHpcPavlin, "P_", "Q_", "", 0, nullptr},
        {0, kLpcVita, kHpcLpcVita, "", "", "", 0,
         "FMC-B and FMC-D cannot have the same prefix name when both connect to the same type of daughter boards."},
        {kHpcVita, 0, 0, "9x", "", "", 0, kPrefixNameRuleMessage, true},
        {0, 0, 0, "", "", "a-b", 1, kPrefixNameRuleMessage, true},
        {0, 0, 0, "9x", "", "a-b", 0, nullptr},  // prefixes without a card are not used
    };
    for (const Case& c : cases) {
        UserPick(form->ComboBoxFmc[FMC_A], c.a);
        UserPick(form->ComboBoxFmc[FMC_B], c.b);
        UserPick(form->ComboBoxFmc[FMC_D], c.d);
        UserType(form->EditFmc[FMC_A], c.prefixA);
        UserType(form->EditFmc[FMC_D], c.prefixD);
        UserPick(form->ComboBoxGpio, c.gpio);
        UserType(form->EditGpio, c.gpioPrefix);
        for (TButton* button : {form->ButtonSave, form->ButtonGen}) {
            seam.boxes.clear();
            seam.dialogs.clear();
            UserClick(button);
            if (c.message && (button == form->ButtonGen || !c.generationOnly)) {
                EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{c.message}) << c.prefixA;
                EXPECT_TRUE(seam.dialogs.empty());
            } else {
                EXPECT_TRUE(seam.ErrorTexts().empty()) << c.prefixA;
                EXPECT_EQ(seam.dialogs.size(), 1u);  // cancelled
            }
        }
    }
    UserType(form->EditProjectName, "");
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kProjectNameEmptyMessage});
    UserType(form->EditProjectName, "module");
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kProjectNameRuleMessage});
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_TRUE(seam.ErrorTexts().empty());
    // The name and the five prefixes hold at most 127 bytes.
    UserType(form->EditProjectName, std::string(200, 'N'));
    EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
    for (TEdit* edit : {form->EditGpio, form->EditFmc[0], form->EditFmc[1], form->EditFmc[2], form->EditFmc[3]}) {
        UserType(edit, std::string(200, 'P'));
        EXPECT_EQ(edit->Text().size(), 127u);
    }
    const COLVENNA_CONFIG record = Stored(form);
    EXPECT_EQ(std::strlen(record.szProjectName), 127u);
    EXPECT_EQ(std::strlen(record.szFmcPrefixName[3]), 127u);
}

TEST_F(ColvennaForm, SettingsRoundTrip)
{
    TFormColvenna* form = Open();
    UserType(form->EditProjectName, "trip");
    UserPick(form->ComboBoxBoard, 1);
    Tick(form, kLmk, true);
    UserPick(form->m_Lmk04906[LMK04906_FMCB].Combo, 1);
    Tick(form, kSataHost, true);
    UserPick(form->ComboBoxGpio, 3);
    UserType(form->EditGpio, "GP_");
    UserPick(form->ComboBoxFmc[FMC_B], kLpcHdmi);
    UserType(form->EditFmc[FMC_B], "HB_");
    const std::string saved = Save(form, "trip.cfg");
    ASSERT_EQ(saved.size(), 812u);
    EXPECT_EQ(std::memcmp(saved.data(), &form->m_Config.m_Config, 812), 0);
    EXPECT_EQ(saved[0], 31);
    EXPECT_EQ(saved[1], 1);
    EXPECT_EQ(saved.substr(8, 5), std::string("trip\0", 5));
    EXPECT_EQ(saved[145], 1);                                              // bSataHost
    EXPECT_EQ(saved.substr(155, 10), std::string("\0\0\0\0\0\0\2\1\2\2", 10));  // CDCM6208 off
    EXPECT_EQ(static_cast<uint8_t>(saved[165]), 13);                         // Kember
    EXPECT_EQ(saved.substr(166, 4), std::string("GP_\0", 4));
    EXPECT_EQ(static_cast<uint8_t>(saved[295]), 49);                         // HDMI-FMC on FMC-B
    EXPECT_EQ(saved.substr(426, 4), std::string("HB_\0", 4));

    UserClick(form->ButtonDefault);
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));
    EXPECT_EQ(form->EditProjectName->Text(), "Colvenna");
    EXPECT_EQ(form->ComboBoxFmc[FMC_B]->ItemIndex(), 0);
    EXPECT_EQ(form->EditGpio->Text(), "");
    Load(form, "trip.cfg");
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 1);
    EXPECT_EQ(form->m_Lmk04906[LMK04906_FMCB].Item(), 1);
    EXPECT_EQ(form->EditGpio->Text(), "GP_");
    EXPECT_EQ(form->EditFmc[FMC_B]->Text(), "HB_");
    EXPECT_EQ(Save(form, "again.cfg"), saved);

    // Refused files: cancelled, missing, 811 and 813 bytes. The box, and
    // nothing changes.
    seam.boxes.clear();
    UserClick(form->ButtonLoad);
    WriteFile(folder.Path() + "short.cfg", saved.substr(0, 811));
    WriteFile(folder.Path() + "long.cfg", saved + '\0');
    Load(form, "missing.cfg");
    Load(form, "short.cfg");
    Load(form, "long.cfg");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>(4, "Failed to load setting"));
    EXPECT_EQ(Save(form, "again.cfg"), saved);

    // Leaving writes default.cfg, which the form shows again, the GPIO
    // prefix with its card.
    main->CloseBoardForms();
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg"), saved);
    main->OpenBoardForm(31);
    form = dynamic_cast<TFormColvenna*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), "trip");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 3);
    EXPECT_EQ(form->EditGpio->Text(), "GP_");
}

// Records of the right size made by hand or at random load without a crash;
// a choice outside its list shows the default item and is written back.
TEST_F(ColvennaForm, CraftedRecordsLoadSafely)
{
    std::string crafted(812, '\x7f');  // flags ticked, texts without a zero
    crafted[0] = 15;                   // another board's id: taken over
    crafted[1] = 9;                    // no such part
    for (int k = 0; k < 6; ++k) crafted[155 + k] = 9;
    for (int k = 0; k < 4; ++k) crafted[161 + k] = static_cast<char>(200);
    crafted[165] = 77;  // a card the GPIO list does not hold
    crafted[294] = 54;  // ADC-FMC: in no list of this board
    crafted[295] = 40;  // an HPC card on an LPC connector
    crafted[296] = 0;
    crafted[297] = static_cast<char>(255);
    TFormColvenna* form = Open(crafted);
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, '\x7f'));
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_EQ(form->EditGpio->Text(), "");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->ComboBoxFmc[i]->ItemIndex(), 0) << i;
        EXPECT_EQ(form->EditFmc[i]->Text(), "") << i;
    }
    EXPECT_EQ(Items(form->m_Cdcm6208, 6), (std::vector<int>{2, 2, 1, 1, 0, 1}));
    EXPECT_EQ(Items(form->m_Lmk04906, 4), (std::vector<int>{2, 2, 2, 2}));
    const COLVENNA_CONFIG record = Stored(form);
    EXPECT_EQ(record.BoardId, 31);
    EXPECT_EQ(record.nBoardType, 0);
    for (const uint8_t* flag = &record.bClock; flag <= &record.bLmk04906; ++flag) EXPECT_EQ(*flag, 1);
    EXPECT_EQ(std::memcmp(record.nCdcm6208Freq, "\2\2\1\1\0\1", 6), 0);
    EXPECT_EQ(std::memcmp(record.nLmk04906Freq, "\2\2\2\2", 4), 0);
    EXPECT_EQ(record.nGpioDaughterId, 0);
    for (uint8_t card : record.nFmcDaughterId) EXPECT_EQ(card, 0);
    UserType(form->EditProjectName, "crafted");
    const std::string qpf = GenerateAnswering(form, "crafted", {true});
    EXPECT_TRUE(seam.ErrorTexts().empty());
    ExpectCompilesWithIp(qpf);

    std::mt19937 random(31);
    for (int round = 0; round < 30; ++round) {
        std::string bytes(812, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        WriteFile(folder.Path() + "random.cfg", bytes);
        Load(form, "random.cfg");
        seam.dialogAnswers.clear();
        seam.yesNoAnswers = {true};
        seam.AnswerNextDialog(folder.Path() + "saved.cfg");
        UserClick(form->ButtonSave);
    }
}

}  // namespace colvenna_form_test
