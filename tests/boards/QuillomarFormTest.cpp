// The Quillomar form end to end: the real main form hosts it, the test
// answers the dialogs and checks the controls, the boxes and the files on
// disk. Generated Verilog top levels compile with the program's own Si5341A
// controller files by Icarus Verilog with `default_nettype none`; VHDL top
// levels analyse and elaborate with GHDL against an entity with the
// controller's ports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "boards/stratix10_agilex/UI_Quillomar.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/boards/QuillomarRecord.h"
#include "tests/support/RecordBytes.h"

namespace quillomar_form_test {

using namespace form_test;

namespace
{

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

const char* const kControllerFiles[9] = {
    "S10_SI5341A_CONFIG.v",         "si5341a_clk_frq_sel_gen.v", "si5341a_freq_prameter_selector.v",
    "si5341a_i2c_reg_controller.v", "clock_divider.v",           "edge_detector_41.v",
    "i2c_bus_controller.v",         "initial_config.v",          "fmc_sel.v"};

// The controller's ports as its Verilog module has them: I2C_CLK is driven
// by the controller.
const char* const kControllerEntity =
    "library ieee;\n"
    "use ieee.std_logic_1164.all;\n"
    "entity S10_SI5341A_CONFIG is\n"
    "  port (iCLK, iRST_n, iStart : in std_logic;\n"
    "        iDDR4B_REFCLK, iFMC_REFCLK0, iFMC_REFCLK1, iFMCP_REFCLK0, "
    "iFMCP_REFCLK1, iFMCP_REFCLK2,\n"
    "        iLVDS_REFCLK : in std_logic_vector(3 downto 0);\n"
    "        I2C_CLK : out std_logic;\n"
    "        I2C_DATA : inout std_logic;\n"
    "        oPLL_I2C_ID_READ_ERROR : out std_logic;\n"
    "        oPLL_REG_CONFIG_DONE : out std_logic);\n"
    "end entity;\n"
    "architecture stub of S10_SI5341A_CONFIG is\n"
    "begin\n"
    "end architecture;\n";

std::vector<std::string> ItemsOf(const TComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->ItemText(i));
    return items;
}

// The card ids of a connector's list at a voltage class.
std::vector<int> CardList(ConnectorType type, VoltageClass voltage)
{
    TConfig_Rennacre list;
    list.BuildCardList(type, true, voltage);
    return std::vector<int>(list.m_CardIds, list.m_CardIds + list.m_CardCount);
}

int ItemOf(const std::vector<int>& list, int card)
{
    const auto at = std::find(list.begin(), list.end(), card);
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

// The I/O standards the .qsf gives the signals whose names start with prefix.
std::multiset<std::string> StandardsOf(const std::string& qsf, const std::string& prefix)
{
    std::multiset<std::string> standards;
    const std::string head = "set_instance_assignment -name IO_STANDARD \"";
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.rfind(head, 0) != 0) continue;
        const size_t close = line.find('"', head.size());
        if (line.compare(close + 1, 5 + prefix.size(), " -to " + prefix) == 0)
            standards.insert(line.substr(head.size(), close - head.size()));
    }
    return standards;
}

class QuillomarForm : public BoardFormTest
{
protected:
    void SetUp() override
    {
        BoardFormTest::SetUp();
        for (const char* file : kControllerFiles) {
            const std::string name = TConfig_Rennacre::ControllerResourceName(file);
            std::string bytes;
            ASSERT_TRUE(LoadNamedResource(name, bytes)) << name;
            seam.AddResource(name, bytes);
        }
    }
    TFormQuillomar* Open() { return BoardFormTest::Open<TFormQuillomar>(MAINBOARD_RENNACRE); }
    // Opens the form with default.cfg holding these bytes.
    TFormQuillomar* OpenWith(const std::string& bytes)
    {
        main->CloseBoardForms();
        WriteFile(DefaultConfig(), bytes);
        main->OpenBoardForm(MAINBOARD_RENNACRE);
        seam.boxes.clear();
        return dynamic_cast<TFormQuillomar*>(main->BoardForm());
    }
    RENNACRE_CONFIG Saved(TFormQuillomar* form)
    {
        const std::string file = folder.Path() + "saved.cfg";
        seam.AnswerNextDialog(file);
        UserClick(form->ButtonSave);
        RENNACRE_CONFIG record{};
        const std::string bytes = ReadFile(file);
        EXPECT_EQ(bytes.size(), sizeof record);
        if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }
    void Load(TFormQuillomar* form, const std::string& bytes)
    {
        const std::string file = folder.Path() + "load.cfg";
        WriteFile(file, bytes);
        seam.boxes.clear();
        seam.AnswerNextDialog(file);
        UserClick(form->ButtonLoad);
    }
    std::vector<std::string> ExportedFiles(const std::string& project) const
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(project + "si5341_controller", ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The Verilog top level with the exported controller files, implicit
    // nets turned off.
    void ExpectVerilogCompiles(const std::string& project, const std::string& name)
    {
        TempFolder work;
        std::vector<std::string> files = {work.Path() + "nettype.v", project + name + ".v"};
        WriteFile(files[0], "`default_nettype none\n");
        for (const std::string& file : ExportedFiles(project)) files.push_back(project + "si5341_controller/" + file);
        std::string log;
        EXPECT_TRUE(CompileVerilog(files, name, log)) << log;
    }
    // The VHDL top level analyses and elaborates against the controller's
    // entity.
    void ExpectVhdlElaborates(const std::string& project, const std::string& name)
    {
        TempFolder work;
        WriteFile(work.Path() + "controller.vhd", kControllerEntity);
        std::string log;
        EXPECT_TRUE(ElaborateVhdl({work.Path() + "controller.vhd", project + name + ".vhd"}, name, log)) << log;
    }

    static constexpr int kDdr4B = 0, kFmc0 = 1, kFmc1 = 2, kFmcp0 = 3, kFmcp1 = 4, kFmcp2 = 5, kLvds = 6;
};

const std::vector<std::string> kXcvrItems = {"644.53125", "322.265625", "250.0", "125.0", "100.0", "270.0"};

}  // namespace

TEST_F(QuillomarForm, FirstStartShowsTheDefaultsAndExitStoresThem)
{
    TFormQuillomar* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "S10");
    EXPECT_EQ(form->EditProjectName->MaxLength(), 127);
    for (TEdit* edit : form->m_PrefixEdits) EXPECT_EQ(edit->MaxLength(), 127);
    EXPECT_EQ(ItemsOf(form->ComboBoxFPGA), std::vector<std::string>{"S10(1SX280HU2F50E1VG)"});
    EXPECT_EQ(ItemsOf(form->ComboBoxFileType), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 0);
    for (TCheckBox* box :
         {form->CheckBoxOSC, form->CheckBoxLED, form->CheckBoxButton, form->CheckBoxSwitch, form->CheckBoxDDR4A,
          form->CheckBoxDDR4B, form->CheckBoxSi5341A, form->CheckBoxSystemInfo, form->CheckBoxHPS})
        EXPECT_TRUE(box->Checked()) << box->Name();
    EXPECT_TRUE(form->CheckBoxHPS->Visible());
    for (const char* shape : {"ShapeOSC", "ShapeLED", "ShapeButton", "ShapeSwitch", "ShapeDDR4A", "ShapeDDR4B",
                              "ShapeSI5341", "ShapeSystemInfo", "ShapeHPS"})
        EXPECT_TRUE(form->Find<TShape>(shape)->Visible()) << shape;
    EXPECT_FALSE(form->ShapeFMC->Visible());
    EXPECT_FALSE(form->ShapeFMCP->Visible());

    EXPECT_EQ(ItemsOf(form->m_ClockCombos[kDdr4B]),
              (std::vector<std::string>{"300.0", "266.667", "233.333", "166.667"}));
    for (int i = kFmc0; i <= kFmcp2; ++i) EXPECT_EQ(ItemsOf(form->m_ClockCombos[i]), kXcvrItems) << i;
    EXPECT_EQ(ItemsOf(form->m_ClockCombos[kLvds]), (std::vector<std::string>{"50.0", "100.0"}));
    EXPECT_EQ(form->m_ClockCombos[kDdr4B]->Text(), "266.667");
    for (int i = kFmc0; i <= kLvds; ++i) EXPECT_EQ(form->m_ClockCombos[i]->ItemIndex(), 0) << i;
    // Without a card the transceiver clocks are not in use.
    const bool enabled[7] = {true, false, false, false, false, false, true};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->m_ClockCombos[i]->Enabled(), enabled[i]) << i;

    const std::vector<std::string> voltages = {"1.8 V (Default)", "1.5 V", "1.2 V"};
    const ConnectorType types[2] = {CONNECTOR_FMC_HPC, CONNECTOR_FMC_PLUS};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ItemsOf(form->m_VoltageCombos[i]), voltages);
        EXPECT_EQ(form->m_VoltageCombos[i]->ItemIndex(), 0);
        const std::vector<int> list = CardList(types[i], 2);
        ASSERT_EQ(form->m_CardCombos[i]->ItemCount(), static_cast<int>(list.size()));
        for (size_t k = 0; k < list.size(); ++k)
            EXPECT_EQ(form->m_CardCombos[i]->ItemText(static_cast<int>(k)), GetCardDisplayName(list[k]));
        EXPECT_EQ(form->m_CardCombos[i]->Text(), "None");
        EXPECT_EQ(form->m_PrefixEdits[i]->Text(), "");
    }
    EXPECT_EQ(form->ButtonDefaultSetting->Caption(), "Default Setting");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting...");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting...");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate...");
    EXPECT_TRUE(form->ButtonExit->Default);

    // The first start writes nothing; Exit writes the defaults.
    EXPECT_FALSE(FileExists(DefaultConfig()));
    UserClick(form->ButtonExit);
    EXPECT_EQ(ReadFile(DefaultConfig()), BytesOf(QuillomarDefaultRecord()));
}

TEST_F(QuillomarForm, DefaultSettingButtonRestoresEveryControl)
{
    TFormQuillomar* form = Open();
    UserType(form->EditProjectName, "Other");
    UserPick(form->ComboBoxFileType, 1);
    UserClick(form->CheckBoxLED);
    UserClick(form->CheckBoxHPS);
    UserPick(form->m_ClockCombos[kDdr4B], 3);
    UserPick(form->m_ClockCombos[kLvds], 1);
    UserPick(form->ComboBoxFmcpVol, 1);
    UserPick(form->ComboBoxFMC, 1);
    UserPick(form->m_ClockCombos[kFmc1], 4);
    UserType(form->EditFMC, "A_");
    UserClick(form->ButtonDefaultSetting);
    EXPECT_TRUE(seam.boxes.empty());
    RENNACRE_CONFIG shown{};
    form->FormToConfig(shown);
    EXPECT_EQ(BytesOf(shown), BytesOf(QuillomarDefaultRecord()));
    EXPECT_FALSE(form->m_ClockCombos[kFmc1]->Enabled());
    EXPECT_FALSE(form->ShapeFMC->Visible());
    EXPECT_TRUE(form->Find<TShape>("ShapeLED")->Visible());
    EXPECT_EQ(form->m_CardCombos[1]->ItemCount(), static_cast<int>(CardList(CONNECTOR_FMC_PLUS, 2).size()));
}

TEST_F(QuillomarForm, EveryBoxDrivesItsShapeAndTheClockCombos)
{
    TFormQuillomar* form = Open();
    const std::pair<TCheckBox*, const char*> shapes[] = {
        {form->CheckBoxOSC, "ShapeOSC"},        {form->CheckBoxLED, "ShapeLED"},
        {form->CheckBoxButton, "ShapeButton"},  {form->CheckBoxSwitch, "ShapeSwitch"},
        {form->CheckBoxDDR4A, "ShapeDDR4A"},    {form->CheckBoxDDR4B, "ShapeDDR4B"},
        {form->CheckBoxSi5341A, "ShapeSI5341"}, {form->CheckBoxSystemInfo, "ShapeSystemInfo"},
        {form->CheckBoxHPS, "ShapeHPS"}};
    for (const auto& [box, shape] : shapes) {
        UserClick(box);
        EXPECT_FALSE(form->Find<TShape>(shape)->Visible()) << shape;
        UserClick(box);
        EXPECT_TRUE(form->Find<TShape>(shape)->Visible()) << shape;
    }

    // DDR4B and the oscillator box rule their clocks; the cards theirs.
    UserClick(form->CheckBoxDDR4B);
    UserClick(form->CheckBoxOSC);
    EXPECT_FALSE(form->m_ClockCombos[kDdr4B]->Enabled());
    EXPECT_FALSE(form->m_ClockCombos[kLvds]->Enabled());
    UserClick(form->CheckBoxDDR4B);
    UserClick(form->CheckBoxOSC);
    UserPick(form->ComboBoxFMC, 1);
    EXPECT_TRUE(form->ShapeFMC->Visible());
    EXPECT_TRUE(form->ImageFMC->Visible());
    EXPECT_TRUE(form->m_ClockCombos[kFmc0]->Enabled());
    EXPECT_TRUE(form->m_ClockCombos[kFmc1]->Enabled());
    EXPECT_FALSE(form->m_ClockCombos[kFmcp0]->Enabled());
    UserPick(form->ComboBoxFMCP, 1);
    EXPECT_TRUE(form->ShapeFMCP->Visible());
    EXPECT_TRUE(form->ImageFMCP->Visible());
    for (int i = kFmcp0; i <= kFmcp2; ++i) EXPECT_TRUE(form->m_ClockCombos[i]->Enabled()) << i;

    // Without the Si5341A every clock combo is off, whatever else is ticked.
    UserClick(form->CheckBoxSi5341A);
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(form->m_ClockCombos[i]->Enabled()) << i;
    UserClick(form->CheckBoxSi5341A);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(form->m_ClockCombos[i]->Enabled()) << i;

    UserPick(form->ComboBoxFMC, 0);
    EXPECT_FALSE(form->ShapeFMC->Visible());
    EXPECT_FALSE(form->ImageFMC->Visible());
    EXPECT_FALSE(form->m_ClockCombos[kFmc0]->Enabled());
    EXPECT_FALSE(form->m_ClockCombos[kFmc1]->Enabled());
}

TEST_F(QuillomarForm, EachVoltageBuildsItsListAndGivesItsStandard)
{
    TFormQuillomar* form = Open();
    const std::vector<int> at18 = CardList(CONNECTOR_FMC_HPC, 2);
    struct Case {
        int voltage;
        VoltageClass cls;
        const char* standard;
    };
    const Case cases[] = {{1, 1, "1.5 V"}, {2, 0, "1.2 V"}, {0, 2, "1.8 V"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.standard);
        for (int connector = 0; connector < 2; ++connector) {
            const std::vector<int> list = CardList(connector == 0 ? CONNECTOR_FMC_HPC : CONNECTOR_FMC_PLUS, k.cls);
            ASSERT_GT(list.size(), 1u);
            UserPick(form->m_CardCombos[connector], 1);
            UserPick(form->m_VoltageCombos[connector], k.voltage);
            // A new list, back at "None", with picture, shape and clocks following.
            ASSERT_EQ(form->m_CardCombos[connector]->ItemCount(), static_cast<int>(list.size()));
            EXPECT_EQ(form->m_CardCombos[connector]->ItemIndex(), 0);
            EXPECT_FALSE(form->m_CardImages[connector]->Visible());
            EXPECT_FALSE((connector == 0 ? form->ShapeFMC : form->ShapeFMCP)->Visible());
            EXPECT_FALSE(form->m_ClockCombos[connector == 0 ? kFmc0 : kFmcp0]->Enabled());
            UserPick(form->m_CardCombos[connector], static_cast<int>(list.size()) - 1);
            UserType(form->m_PrefixEdits[connector], connector == 0 ? "QA_" : "QB_");
        }
        const std::string name = Format("Volt%d", k.voltage);
        const std::string project = Generate(form, name);
        ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
        const std::string qsf = ReadFile(project + name + ".qsf");
        for (const char* prefix : {"QA_", "QB_"}) {
            const std::multiset<std::string> standards = StandardsOf(qsf, prefix);
            EXPECT_GT(standards.count(k.standard), 0u) << prefix;
            for (const char* other : {"1.8 V", "1.5 V", "1.2 V"})
                if (std::string(other) != k.standard) {
                    EXPECT_EQ(standards.count(other), 0u) << prefix << other;
                }
        }
        ExpectNoBallTwice(qsf);
    }
    // 1.2 V offers fewer cards than 1.8 V.
    EXPECT_LT(CardList(CONNECTOR_FMC_HPC, 0).size(), at18.size());
}

TEST_F(QuillomarForm, DefaultProjectOnlyEnablesTheSi5341A)
{
    TFormQuillomar* form = Open();
    const std::string project = Generate(form, "S10");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, MemoryNotice("DDR4"));
    EXPECT_EQ(seam.boxes[1].text.rfind("Generate Quartus Project successfully.\r\nThe "
                                       "project is located in the folder:\r\n",
                                       0),
              0u);
    const std::string qsf = ReadFile(project + "S10.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 1SX280HU2F50E1VG"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Stratix 10\""));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name USE_AS_3V_GPIO ON -to INFO_SPI_MOSI"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VID_OPERATION_MODE \"PMBUS MASTER\""));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AV21 -to SI5341A_OE_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_U24 -to LVDS_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B28 -to HPS_ENET_MDC"));
    EXPECT_EQ(Count(qsf, "si5341_controller"), 0);
    EXPECT_NE(qsf.find("DDR4A, DDR4 for HPS"), std::string::npos);
    ExpectNoBallTwice(qsf);
    const std::string top = ReadFile(project + "S10.v");
    EXPECT_NE(top.find("//  Enable SI5341A "
                       "\r\n//=======================================================\r\n"
                       "assign SI5341A_OE_n = 1'b0;\r\nassign SI5341A_RST_n = 1'b1;\r\n"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(project + "si5341_controller"));
    ExpectVerilogCompiles(project, "S10");

    // The enable architecture as the VHDL top level.
    UserPick(form->ComboBoxFileType, 1);
    const std::string vhdl = Generate(form, "S10Vhdl");
    const std::string text = ReadFile(vhdl + "S10Vhdl.vhd");
    EXPECT_NE(text.find("architecture si5341a_behave of S10Vhdl "
                        "is\r\n\tbegin\r\n\tSI5341A_OE_n <= '0';\r\n"
                        "\tSI5341A_RST_n <= '1';\r\n\r\nend si5341a_behave;\r\n"),
              std::string::npos);
    ExpectVhdlElaborates(vhdl, "S10Vhdl");
}

TEST_F(QuillomarForm, ChangedFrequenciesGenerateTheControllerInBothLanguages)
{
    TFormQuillomar* form = Open();
    const std::vector<int> fmc = CardList(CONNECTOR_FMC_HPC, 2);
    const std::vector<int> fmcp = CardList(CONNECTOR_FMC_PLUS, 2);
    // Cards on both connectors, every clock off its power-up choice, the
    // HPS off (DDR4A then serves the FPGA).
    UserPick(form->ComboBoxFMC, ItemOf(fmc, 48));
    UserPick(form->ComboBoxFMCP, ItemOf(fmcp, 42));
    UserPick(form->m_ClockCombos[kDdr4B], 3);
    UserPick(form->m_ClockCombos[kFmc0], 5);
    UserPick(form->m_ClockCombos[kFmc1], 4);
    UserPick(form->m_ClockCombos[kFmcp0], 1);
    UserPick(form->m_ClockCombos[kFmcp1], 2);
    UserPick(form->m_ClockCombos[kFmcp2], 3);
    UserPick(form->m_ClockCombos[kLvds], 1);
    UserClick(form->CheckBoxHPS);
    const std::string project = Generate(form, "Clocks");
    ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
    const std::string qsf = ReadFile(project + "Clocks.qsf");
    EXPECT_NE(qsf.find("# Includes SI5341 Controller Files\r\n"), std::string::npos);
    for (const char* file : kControllerFiles)
        EXPECT_TRUE(HasLine(qsf, std::string("set_global_assignment -name VERILOG_FILE si5341_controller/") + file))
            << file;
    EXPECT_NE(qsf.find("DDR4A, DDR4 for FPGA"), std::string::npos);
    EXPECT_EQ(Count(qsf, "-to HPS_"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P9 -to FMC_REFCLK1_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P41 -to FMCP_REFCLK2_p"));
    ExpectNoBallTwice(qsf);
    // The nine files, each the program's own resource byte for byte.
    std::vector<std::string> expected(std::begin(kControllerFiles), std::end(kControllerFiles));
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(ExportedFiles(project), expected);
    for (const char* file : kControllerFiles) {
        std::string bytes;
        ASSERT_TRUE(LoadNamedResource(TConfig_Rennacre::ControllerResourceName(file), bytes));
        EXPECT_EQ(ReadFile(project + "si5341_controller/" + file), bytes) << file;
    }
    const std::string top = ReadFile(project + "Clocks.v");
    for (const char* line : {"    .iDDR4B_REFCLK(`MEM_REF_166M667),\r\n", "    .iFMC_REFCLK0(`XCVR_REF_270M),\r\n",
                             "    .iFMC_REFCLK1(`XCVR_REF_100M),\r\n", "    .iFMCP_REFCLK0(`XCVR_REF_322M265625),\r\n",
                             "    .iFMCP_REFCLK1(`XCVR_REF_250M),\r\n", "    .iFMCP_REFCLK2(`XCVR_REF_125M),\r\n",
                             "    .iLVDS_REFCLK(`LVDS_REF_100M),\r\n"})
        EXPECT_NE(top.find(line), std::string::npos) << line;
    ExpectVerilogCompiles(project, "Clocks");

    UserPick(form->ComboBoxFileType, 1);
    const std::string vhdl = Generate(form, "ClocksVhdl");
    ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
    const std::string text = ReadFile(vhdl + "ClocksVhdl.vhd");
    EXPECT_NE(text.find("\t\t\tI2C_CLK \t\t\t: out\tstd_logic;\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\tiFMC_REFCLK1 => XCVR_REF_100M, \r\n"), std::string::npos);
    EXPECT_EQ(ExportedFiles(vhdl), expected);
    ExpectVhdlElaborates(vhdl, "ClocksVhdl");
}

TEST_F(QuillomarForm, StandardCardsTakeTheDefaultPrefixOnlyForTheRun)
{
    TFormQuillomar* form = Open();
    const std::vector<int> fmc = CardList(CONNECTOR_FMC_HPC, 2);
    const std::vector<int> fmcp = CardList(CONNECTOR_FMC_PLUS, 2);
    ASSERT_GT(ItemOf(fmcp, 42), 0);
    // A card outside 40..46 keeps its empty prefix.
    const int other = 48;
    ASSERT_GT(ItemOf(fmc, other), 0);
    UserPick(form->ComboBoxFMCP, ItemOf(fmcp, 42));
    UserPick(form->ComboBoxFMC, ItemOf(fmc, other));
    const std::string project = Generate(form, "Prefix");
    ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
    const std::string qsf = ReadFile(project + "Prefix.qsf");
    EXPECT_NE(qsf.find("FMC+ connect to " + GetCardDisplayName(42)), std::string::npos);
    EXPECT_NE(qsf.find("FMC connect to " + GetCardDisplayName(other)), std::string::npos);
    EXPECT_GT(Count(qsf, "-to FMCP_"), 3);  // beyond the three reference clocks
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(project, "Prefix");
    EXPECT_EQ(form->EditFMCP->Text(), "");
    // The run wrote the prefix into the record; the next save puts the
    // empty edit back.
    EXPECT_EQ(ReadFixedText(form->Record().szFmcPrefixName[1], 128), "FMCP_");
    const RENNACRE_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.szFmcPrefixName[1][0], 0);
    EXPECT_EQ(saved.nFmcDaughterId[1], 42);
    EXPECT_EQ(saved.nFmcDaughterId[0], other);

    // The other card's pins are named as the card names them: each pin that
    // a prefix "Z_" names is there without it.
    UserType(form->EditFMC, "Z_");
    const std::string prefixed = ReadFile(Generate(form, "Prefixed") + "Prefixed.qsf");
    int named = 0;
    for (const std::string& line : SplitCrLf(prefixed)) {
        const size_t at = line.find(" -to Z_");
        if (line.rfind("set_location_assignment", 0) != 0 || at == std::string::npos) continue;
        ++named;
        EXPECT_TRUE(HasLine(qsf, line.substr(0, at) + " -to " + line.substr(at + 7))) << line;
    }
    EXPECT_GT(named, 0);
}

TEST_F(QuillomarForm, OneCardWithOnePrefixOnBothConnectorsIsRefusedByTheRun)
{
    TFormQuillomar* form = Open();
    const std::vector<int> fmc = CardList(CONNECTOR_FMC_HPC, 2);
    const std::vector<int> fmcp = CardList(CONNECTOR_FMC_PLUS, 2);
    // The VITA standard HPC naming, offered on both connectors.
    ASSERT_GT(ItemOf(fmc, 40), 0);
    UserPick(form->ComboBoxFMC, ItemOf(fmc, 40));
    UserPick(form->ComboBoxFMCP, ItemOf(fmcp, 40));
    UserType(form->EditFMC, "X_");
    UserType(form->EditFMCP, "X_");
    Generate(form, "Same");
    const std::vector<std::string> errors = seam.ErrorTexts();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind("Signal name X_", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find(" is used more than once in this project."), std::string::npos) << errors[0];
    EXPECT_EQ(errors[1], "Failed to generate Quartus project: Same.qpf.");
    // Empty prefixes give the two connectors their own default prefixes.
    UserType(form->EditFMC, "");
    UserType(form->EditFMCP, "");
    Generate(form, "Apart");
    EXPECT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
}

TEST_F(QuillomarForm, SettingsRoundTripThroughSaveAndLoad)
{
    TFormQuillomar* form = Open();
    const std::vector<int> fmc15 = CardList(CONNECTOR_FMC_HPC, 1);
    const std::vector<int> fmcp12 = CardList(CONNECTOR_FMC_PLUS, 0);
    UserType(form->EditProjectName, "Trip");
    UserPick(form->ComboBoxFileType, 1);
    UserClick(form->CheckBoxSwitch);
    UserClick(form->CheckBoxSystemInfo);
    UserPick(form->ComboBoxFmcVol, 1);
    UserPick(form->ComboBoxFMC, static_cast<int>(fmc15.size()) - 1);
    UserType(form->EditFMC, "LOW_");
    UserPick(form->ComboBoxFmcpVol, 2);
    UserPick(form->ComboBoxFMCP, static_cast<int>(fmcp12.size()) - 1);
    UserPick(form->m_ClockCombos[kDdr4B], 2);
    UserPick(form->m_ClockCombos[kFmc1], 5);
    UserPick(form->m_ClockCombos[kFmcp2], 4);
    const RENNACRE_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.BoardId, 39);
    EXPECT_EQ(saved.Size, 572);
    EXPECT_EQ(ReadFixedText(saved.szProjectName, 128), "Trip");
    EXPECT_EQ(ReadFixedText(saved.szFpgaPart, 128), "1SX280HU2F50E1VG");
    EXPECT_EQ(saved.bVhdl, 1);
    EXPECT_EQ(saved.bSwitch, 0);
    EXPECT_EQ(saved.bSystemInfo, 0);
    EXPECT_EQ(saved.bLed, 1);
    EXPECT_EQ(saved.nFmcVoltageSel[0], 1);
    EXPECT_EQ(saved.nFmcVoltageSel[1], 2);
    EXPECT_EQ(saved.nFmcDaughterId[0], fmc15.back());
    EXPECT_EQ(saved.nFmcDaughterId[1], fmcp12.back());
    EXPECT_EQ(ReadFixedText(saved.szFmcPrefixName[0], 128), "LOW_");
    EXPECT_EQ(saved.nDdr4BRefClkSel, 2);
    EXPECT_EQ(saved.nFmcRefClkSel[1], 5);
    EXPECT_EQ(saved.nFmcpRefClkSel[2], 4);

    UserClick(form->ButtonDefaultSetting);
    Load(form, BytesOf(saved));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditProjectName->Text(), "Trip");
    EXPECT_EQ(form->ComboBoxFmcVol->Text(), "1.5 V");
    EXPECT_EQ(form->ComboBoxFMC->ItemCount(), static_cast<int>(fmc15.size()));
    EXPECT_EQ(form->ComboBoxFMC->Text(), GetCardDisplayName(fmc15.back()));
    EXPECT_EQ(form->ComboBoxFmcpVol->Text(), "1.2 V");
    EXPECT_EQ(form->m_ClockCombos[kFmcp2]->Text(), "100.0");
    EXPECT_TRUE(form->ShapeFMC->Visible());
    EXPECT_TRUE(form->m_ClockCombos[kFmc0]->Enabled());
    RENNACRE_CONFIG shown{};
    form->FormToConfig(shown);
    EXPECT_EQ(BytesOf(shown), BytesOf(saved));

    // A file of one byte more or less, or a cancelled dialog, changes nothing
    // and shows nothing.
    for (size_t size : {571u, 573u}) {
        std::string bytes = BytesOf(QuillomarDefaultRecord());
        bytes.resize(size, '\0');
        Load(form, bytes);
        EXPECT_TRUE(seam.boxes.empty()) << size;
        EXPECT_EQ(form->EditProjectName->Text(), "Trip") << size;
    }
    seam.boxes.clear();
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());

    // A stored card that the shown voltage's list lacks shows "None".
    int missing = 0;
    const std::vector<int> fmc12 = CardList(CONNECTOR_FMC_HPC, 0);
    for (int card : CardList(CONNECTOR_FMC_HPC, 2))
        if (ItemOf(fmc12, card) < 0) missing = card;
    ASSERT_GT(missing, 0);
    RENNACRE_CONFIG lacking = saved;
    lacking.nFmcVoltageSel[0] = 2;
    lacking.nFmcDaughterId[0] = static_cast<uint8_t>(missing);
    Load(form, BytesOf(lacking));
    EXPECT_EQ(form->ComboBoxFmcVol->Text(), "1.2 V");
    EXPECT_EQ(form->ComboBoxFMC->ItemIndex(), 0);
    EXPECT_FALSE(form->ShapeFMC->Visible());
}

TEST_F(QuillomarForm, CraftedRecordsShowDefaultItemsAndAreWrittenBack)
{
    RENNACRE_CONFIG crafted = QuillomarDefaultRecord();
    crafted.BoardId = 37;  // another board's id is not examined
    crafted.Reserved[1] = 0x5A;
    std::memset(crafted.szFpgaPart, 'P',
                sizeof crafted.szFpgaPart);  // no terminator, no row
    std::memset(crafted.szProjectName, 'N',
                sizeof crafted.szProjectName);  // no terminator
    std::memcpy(crafted.szFmcPrefixName[0], "%s%n%s_", 8);
    crafted.bVhdl = 7;
    crafted.bLed = 9;
    crafted.nDdr4BRefClkSel = 99;
    crafted.nFmcRefClkSel[0] = -1;
    crafted.nFmcpRefClkSel[2] = 6;
    crafted.nLvdsRefClkSel = 2;
    crafted.nFmcVoltageSel[0] = 3;
    crafted.nFmcVoltageSel[1] = -5;
    crafted.nFmcDaughterId[0] = 200;  // a negative byte: no card
    crafted.nFmcDaughterId[1] = 255;
    TFormQuillomar* form = OpenWith(BytesOf(crafted));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'N'));
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 1);
    EXPECT_TRUE(form->CheckBoxLED->Checked());
    EXPECT_EQ(form->m_ClockCombos[kDdr4B]->Text(), "266.667");
    for (int i = kFmc0; i <= kLvds; ++i) EXPECT_EQ(form->m_ClockCombos[i]->ItemIndex(), 0) << i;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(form->m_VoltageCombos[i]->ItemIndex(), 0) << i;
        EXPECT_EQ(form->m_CardCombos[i]->ItemIndex(), 0) << i;
    }
    EXPECT_EQ(form->EditFMC->Text(), "%s%n%s_");

    const RENNACRE_CONFIG back = Saved(form);
    EXPECT_EQ(back.BoardId, 39);
    EXPECT_EQ(back.Reserved[1], 0x5A);  // not the form's to write
    EXPECT_EQ(ReadFixedText(back.szFpgaPart, 128), "1SX280HU2F50E1VG");
    EXPECT_EQ(back.bVhdl, 1);
    EXPECT_EQ(back.bLed, 1);
    EXPECT_EQ(back.nDdr4BRefClkSel, 1);
    EXPECT_EQ(back.nFmcRefClkSel[0], 0);
    EXPECT_EQ(back.nFmcpRefClkSel[2], 0);
    EXPECT_EQ(back.nLvdsRefClkSel, 0);
    EXPECT_EQ(back.nFmcVoltageSel[0], 0);
    EXPECT_EQ(back.nFmcVoltageSel[1], 0);
    EXPECT_EQ(back.nFmcDaughterId[0], 0);
    EXPECT_EQ(back.nFmcDaughterId[1], 0);

    // A prefix with format characters is only ever a text: the card's
    // prefix check refuses it, the program goes on.
    UserType(form->EditProjectName, "Crafted");
    UserPick(form->ComboBoxFMC, 1);
    Generate(form, "Crafted");
    EXPECT_EQ(seam.ErrorTexts().size(), 1u);
    EXPECT_FALSE(FileExists(ProjectFolder("S10", "Crafted") + "Crafted.qsf"));

    // A record of the right size is taken whatever its head; one of another
    // size gives way to the defaults.
    std::string shorter = BytesOf(crafted);
    shorter.pop_back();
    form = OpenWith(shorter);
    EXPECT_EQ(form->EditProjectName->Text(), "S10");
}

TEST_F(QuillomarForm, EmptyNameAndTheWarningFollowTheDdr4Boxes)
{
    TFormQuillomar* form = Open();
    UserType(form->EditProjectName, "");
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_TRUE(seam.dialogs.empty());

    // Only DDR4B among the memories: the warning still comes first.
    UserClick(form->CheckBoxDDR4A);
    Generate(form, "OnlyB");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, TFrameBoardForm::MemoryIpNotice("DDR4"));
    // Neither: only the success box. Without DDR4B and a card the Si5341A is
    // unused: no configure pins, LVDS clock or controller text.
    UserClick(form->CheckBoxDDR4B);
    UserClick(form->CheckBoxOSC);
    UserClick(form->CheckBoxButton);
    const std::string project = Generate(form, "NoMemory");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text.rfind("Generate Quartus Project successfully.", 0), 0u);
    const std::string qsf = ReadFile(project + "NoMemory.qsf");
    EXPECT_EQ(Count(qsf, "SI5341A_"), 0);
    EXPECT_EQ(Count(qsf, "LVDS_REFCLK_p"), 0);
    EXPECT_EQ(Count(qsf, "-to CLK_50_B3C"), 0);
    EXPECT_EQ(Count(qsf, "-to BUTTON["), 0);
    EXPECT_EQ(Count(ReadFile(project + "NoMemory.v"), "SI5341A"), 0);
    ExpectVerilogCompiles(project, "NoMemory");
}

}  // namespace quillomar_form_test
