// The Larrowen form end to end: its defaults without a "Default Setting"
// button, the board's .qsf and fan blocks in the generated files, the PCIe
// transceiver notice, the remembered card items and the reserved field.
#include "boards/cyclone4_stratix4/UI_Larrowen.h"
#include "model/Names.h"
#include "tests/boards/FormTestSupport.h"
#include "tests/boards/NoticeTexts.h"

namespace larrowen_form_test {

namespace {

const std::string kPcieNotice = TransceiverNotice("PCIe");

class LarrowenForm : public RecordFormTest<TFormLarrowen, MAINBOARD_LARROWEN> {
protected:
    LarrowenForm() : RecordFormTest("Larrowen") {}

    LARROWEN_CONFIG Defaults()
    {
        LARROWEN_CONFIG r{};
        r.BoardId = MAINBOARD_LARROWEN;
        r.Size = sizeof r;
        std::strcpy(r.szProjectName, "Larrowen");
        std::memset(&r.bCLOCK, 1, LARROWEN_FLAG_COUNT - 2);
        return r;
    }
    LARROWEN_CONFIG Saved(TFormLarrowen* form) { return RecordFormTest::Saved<LARROWEN_CONFIG>(form); }
};

}  // namespace

TEST_F(LarrowenForm, GeneratesTheDefaultProjectWithTheBoardBlocks)
{
    TFormLarrowen* form = Open();
    EXPECT_EQ(main->ClientWidth(), 792);
    EXPECT_EQ(main->ClientHeight(), 564);
    EXPECT_EQ(form->FindControl("ButtonDefaultSetting"), nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), "Larrowen");
    ASSERT_EQ(form->m_Flags.Entries().size(), 20u);
    for (size_t i = 0; i < 20; ++i) EXPECT_EQ(form->m_Flags.Box(i)->Checked(), i < 18) << i;
    EXPECT_EQ(form->ComboBoxHSMC->ItemCount(), 19);
    EXPECT_EQ(form->ComboBoxGpio->ItemCount(), 15);
    const LARROWEN_CONFIG defaults = Defaults();
    const LARROWEN_CONFIG saved = Saved(form);
    EXPECT_EQ(std::memcmp(&saved, &defaults, sizeof saved), 0);

    const std::string project = Generate(form, "Larrowen");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = ProjectFile("Larrowen", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone IV GX\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4CGX150DF31C7"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7"));
    // The board's block: DRAM_DQ[4] sits on AE7, and the flash is chosen.
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR "
                       "IO\"\r\n"
                       "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n"),
              std::string::npos);
    EXPECT_EQ(Count(qsf, "IO_MAXIMUM_TOGGLE_RATE"), 0);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 339);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 15);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AE7 -to DRAM_DQ[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF28 -to FAN_CTRL"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to FAN_CTRL"));
    EXPECT_EQ(Count(qsf, "-to FS_ADDR[0]"), 1);  // the virtual pin only

    // The fan line closes the top level, after the last group.
    const std::string v = ProjectFile("Larrowen", ".v");
    const std::string tail =
        "\r\n\t//////////// FAN Control //////////\r\nassign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n\r\nendmodule\r\n";
    ASSERT_GE(v.size(), tail.size());
    EXPECT_EQ(v.substr(v.size() - tail.size()), tail);
    EXPECT_NE(v.find("\t//////////// Fan Control //////////\r\n\tinout \t\t          \t\tFAN_CTRL\r\n);"),
              std::string::npos)
        << "Fan Control is the last port group";
    const std::string sdc = ProjectFile("Larrowen", ".sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK3_50]"));
    ExpectVerilogCompiles("Larrowen");
}

TEST_F(LarrowenForm, PcieNoticeAfterASuccessfulGenerationOnly)
{
    TFormLarrowen* form = Open();
    UserClick(form->CheckBoxPCIeHardIP);
    UserClick(form->CheckBoxPCIeSoftIP);
    const std::string project = Generate(form, "Larrowen");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kPcieNotice);
    EXPECT_EQ(seam.boxes[1].text, kSuccess + project);
    const std::string qsf = ProjectFile("Larrowen", ".qsf");
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 346);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB4 -to PCIE_TX_P[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5-V PCML\" -to PCIE_RX_P[1]"));
    ExpectVerilogCompiles("Larrowen");

    // The soft IP alone: three pins and the notice.
    UserClick(form->CheckBoxPCIeHardIP);
    Generate(form, "Larrowen");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kPcieNotice);
    EXPECT_EQ(Count(ProjectFile("Larrowen", ".qsf"), "set_instance_assignment -name IO_STANDARD"), 342);

    // A failed generation shows only its failure.
    seam.boxes.clear();
    seam.AnswerNextDialog(folder.Path() + "missing/folder/Broken.qpf");
    UserClick(form->ButtonGen);
    ASSERT_FALSE(seam.boxes.empty());
    EXPECT_EQ(seam.boxes.back().text, "Failed to generate Quartus project: Broken.qpf.");
    for (const auto& box : seam.boxes) EXPECT_EQ(box.kind, seam::BoxKind::Error) << box.text;

    // Neither box ticked: the success box alone.
    UserClick(form->CheckBoxPCIeSoftIP);
    Generate(form, "Larrowen");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder("Larrowen"));
}

TEST_F(LarrowenForm, RememberedItemsAndTheReservedField)
{
    LARROWEN_CONFIG r = Defaults();
    r.nReserved = 0x12345678;
    r.nGpioDaughterId = 67;
    std::strcpy(r.szGpioPrefixName, "RF_");
    TFormLarrowen* form = OpenWith(r);
    EXPECT_EQ(form->m_GpioItemIndex, 8);
    EXPECT_EQ(form->ComboBoxGpio->ItemText(form->ComboBoxGpio->ItemIndex()), "Elvask - RF and Sensor");
    EXPECT_EQ(form->EditPrefixGpio->Text(), "RF_");
    UserPick(form->ComboBoxGpio, 3);
    EXPECT_EQ(form->m_GpioItemIndex, 3);
    UserPick(form->ComboBoxHSMC, 5);
    EXPECT_EQ(form->m_HsmcItemIndex, 0);  // only records move it

    // A record whose HSMC card is not in the list leaves the HSMC combo at
    // the item of the record shown last ("None" here), not at the pick; the
    // prefix edit shows the record's prefix, as it did beside the pick.
    LARROWEN_CONFIG other = r;
    other.nHsmcDaughterId = 21;  // a transceiver card
    std::strcpy(other.szHSMCPrefixName, "SFP_");
    Load(form, std::string(reinterpret_cast<const char*>(&other), sizeof other));
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "SFP_");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 8);

    // The reserved field goes back as it came, by saving and by closing.
    const LARROWEN_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nReserved, 0x12345678);
    EXPECT_EQ(saved.nHsmcDaughterId, 0);
    main->CloseBoardForms();
    LARROWEN_CONFIG left{};
    const std::string bytes = ReadFile(DefaultCfg());
    ASSERT_EQ(bytes.size(), sizeof left);
    std::memcpy(&left, bytes.data(), sizeof left);
    EXPECT_EQ(left.nReserved, 0x12345678);
}

TEST_F(LarrowenForm, CraftedDefaultCfgLoadsWithoutHarm)
{
    LARROWEN_CONFIG r{};
    std::memset(&r, 0xFF, sizeof r);
    TFormLarrowen* form = OpenWith(r);
    for (const auto& entry : form->m_Flags.Entries()) EXPECT_TRUE(entry.Box->Checked());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    // The name the record held is no project name: the form asks for another.
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kProjectNameRuleMessage);
    UserType(form->EditProjectName, "Crafted");
    const LARROWEN_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.BoardId, MAINBOARD_LARROWEN);
    EXPECT_EQ(saved.Size, 424);
    EXPECT_EQ(saved.nReserved, -1);
    EXPECT_EQ(saved.nGpioDaughterId, 0);
    EXPECT_EQ(saved.bPCIESOFTIP, 1);
    UserType(form->EditProjectName, "Crafted");
    Generate(form, "Crafted");
    ASSERT_EQ(seam.boxes.size(), 2u);  // both PCIe boxes were ticked
    EXPECT_EQ(seam.boxes[0].text, kPcieNotice);
    EXPECT_EQ(seam.boxes[1].text, kSuccess + ProjectFolder("Crafted"));
    ExpectVerilogCompiles("Crafted");
}

TEST_F(LarrowenForm, HsmcCardsMeetTheFixedInputAtPosition40)
{
    TFormLarrowen* form = Open();
    UserPick(form->ComboBoxHSMC, 1);  // HSMC Default, no prefix: "HSMC_"
    UserPick(form->ComboBoxGpio, 1);
    Generate(form, "Hsmc");
    ASSERT_EQ(seam.boxes.size(), 1u);
    std::string qsf = ProjectFile("Hsmc", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD25 -to HSMC_I2C_SDAT"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD26 -to HSMC_I2C_SCLK"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G6 -to HSMC_CLKOUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_K15 -to HSMC_CLKIN0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G16 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y21 -to GPIO[35]"));
    ExpectNoBallTwice(qsf);
    // "HSMC" and "GPIO" stand before "Fan Control", which stays last.
    const std::string v = ProjectFile("Hsmc", ".v");
    const size_t hsmc = v.find("\t//////////// HSMC, HSMC connect to HSMC Default //////////");
    const size_t fan = v.find("\t//////////// Fan Control //////////");
    ASSERT_NE(hsmc, std::string::npos);
    ASSERT_NE(fan, std::string::npos);
    EXPECT_LT(v.find("\t//////////// GPIO, GPIO connect to GPIO Default //////////"), hsmc);
    EXPECT_LT(hsmc, fan);
    ExpectVerilogCompiles("Hsmc");

    // The loopback card drives both clock positions; 40 stays an input at 2.5 V.
    UserPick(form->ComboBoxHSMC, 9);
    Generate(form, "Hsmc");
    ASSERT_EQ(seam.boxes.size(), 1u);
    qsf = ProjectFile("Hsmc", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_K15 -to R_CLK0"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to R_CLK0"));
    bool input = false;
    for (const std::string& line : SplitCrLf(ProjectFile("Hsmc", ".v")))
        if (line.find("R_CLK0") != std::string::npos) input = line.rfind("\tinput", 0) == 0;
    EXPECT_TRUE(input);
    EXPECT_EQ(Count(qsf, "HSMC_"), 0);
    ExpectVerilogCompiles("Hsmc");
}

}  // namespace larrowen_form_test
