// The Brackwell form end to end: the real main form hosts it, the test
// answers the dialogs (the GPIO expansion dialog among them), and the
// settings files, the VCCIO indicator and the generated files are checked.
#include <functional>

#include "boards/cyclone4_stratix4/BrackwellParts.h"
#include "boards/cyclone4_stratix4/UI_Brackwell.h"
#include "model/Names.h"
#include "tests/boards/FormTestSupport.h"
#include "tests/boards/NoticeTexts.h"

namespace brackwell_form_test {

namespace {

const std::string kVSep = "//=======================================================";

std::string CrLfLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const char* const kHsmcClash = "HSMC-%c and HSMC-%c cannot have the same prefix name when both connect to the same "
                               "type of daughter boards.";
const char* const kGpioClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

const std::string kDdr3Notice = MemoryNotice("DDR3");
std::string PcieNotice(const std::string& ports)
{
    return "===== " + ports + "  PCI Express Pinloom warning =====\r\n" +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
           "transceiver signals in the top level entity if they are not in use or add the Altera \r\n" +
           "PCI Express IP to your design.\r\n" + "\r\n";
}
const std::string kHsmcXcvrNotice = TransceiverNotice("HSMC") + "\r\n";

// The HSMC list (HSMC-B, -C, -D, -F) and the transceiver list (HSMC-A, -E).
const std::vector<DaughterId> kHsmcList = {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61,
                                           92, 91, 98};
const std::vector<DaughterId> kXcvrList = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22, 23, 26, 27,
                                           28, 29, 31, 32, 33, 35, 36, 37, 61, 96, 95, 94, 92, 91, 98};

int ItemOf(int hsmc, DaughterId card)
{
    const auto& list = hsmc == 0 || hsmc == 4 ? kXcvrList : kHsmcList;
    for (size_t k = 0; k < list.size(); ++k)
        if (list[k] == card) return static_cast<int>(k);
    ADD_FAILURE() << "card " << int(card) << " is not in the list of HSMC " << hsmc;
    return 0;
}

class BrackwellForm : public RecordFormTest<TFormBrackwell, MAINBOARD_BRACKWELL> {
protected:
    BrackwellForm() : RecordFormTest("Brackwell") {}

    BRACKWELL_CONFIG Defaults()
    {
        BRACKWELL_CONFIG r{};
        r.BoardId = MAINBOARD_BRACKWELL;
        r.Size = sizeof r;
        std::strcpy(r.szProjectName, "Brackwell");
        r.bCLOCK = r.bLED = r.bBUTTON = r.bSW = r.bTemperature = r.bFAN = r.bSSRAM = r.bFLASH = 1;
        r.nPllFreq[0] = r.nPllFreq[1] = r.nPllFreq[2] = 4;
        return r;
    }
    BRACKWELL_CONFIG Saved(TFormBrackwell* form) { return RecordFormTest::Saved<BRACKWELL_CONFIG>(form); }
    void PickCard(TFormBrackwell* form, int hsmc, DaughterId card, const std::string& prefix = "")
    {
        UserPick(form->m_HsmcCombos[hsmc], ItemOf(hsmc, card));
        UserType(form->m_HsmcPrefixEdits[hsmc], prefix);
    }
    // Runs the GPIO expansion dialog: the action works on it, then OK or Cancel.
    void EditGpio(TFormBrackwell* form, const std::function<void(TFormGPIO&)>& action, bool ok)
    {
        bool failed = false;
        WhenModalShows(
            [&](TForm& shown) {
                auto* dialog = dynamic_cast<TFormGPIO*>(&shown);
                ASSERT_NE(dialog, nullptr);
                action(*dialog);
                UserClick(ok ? dialog->ButtonOk : dialog->ButtonCancel);
            },
            &failed);
        UserClick(form->ButtonGpio);
        EXPECT_FALSE(failed);
        EXPECT_EQ(ActiveModalForm(), nullptr);
    }
    // Whether the VCCIO picture shows a jumper at (x, y) and a lit LED at x.
    static bool JumperAt(TFormBrackwell* form, int x, int y)
    {
        return ImagePixel(form->ImageVol, x + 9, y + 4) == 0x141414;  // the jumper's (20, 20, 20)
    }
    static bool LedLitAt(TFormBrackwell* form, int x)
    {
        return ImagePixel(form->ImageVol, x + 3, BRACKWELL_LED_TOP + 6) == 0x3CFF28;  // (40, 255, 60)
    }
    // The jumper place (0..4) of HSMC connector i, -1 when none or several
    // are shown; and the lit LEDs of the whole row, by x.
    static int JumperPlace(TFormBrackwell* form, int i)
    {
        int place = -1;
        for (int p = 0; p < 5; ++p) {
            if (!JumperAt(form, kBrackwellJumperOrigin[i][0], kBrackwellJumperOrigin[i][1] + 8 * p)) continue;
            if (place != -1) return -1;
            place = p;
        }
        return place;
    }
    static std::vector<int> LitLeds(TFormBrackwell* form)
    {
        std::vector<int> lit;
        for (int i = 5; i >= 0; --i)
            for (int led = 1; led >= 0; --led)
                if (LedLitAt(form, BrackwellLedLeft(i, led))) lit.push_back(BrackwellLedLeft(i, led));
        return lit;
    }
};

}  // namespace

TEST_F(BrackwellForm, OpensWithTheDefaultsAndGeneratesThem)
{
    TFormBrackwell* form = Open();
    EXPECT_EQ(main->ClientWidth(), 833);
    EXPECT_EQ(main->ClientHeight(), 750);
    EXPECT_EQ(form->EditProjectName->Text(), "Brackwell");
    ASSERT_EQ(form->ComboBoxBoard->ItemCount(), 2);
    EXPECT_EQ(form->ComboBoxBoard->ItemText(0), "Brackwell_230");
    EXPECT_EQ(form->ComboBoxBoard->ItemText(1), "Brackwell_530");
    for (int i = 0; i < 6; ++i) {
        const auto& list = i == 0 || i == 4 ? kXcvrList : kHsmcList;
        ASSERT_EQ(form->m_HsmcCombos[i]->ItemCount(), static_cast<int>(list.size())) << i;
        for (size_t k = 0; k < list.size(); ++k)
            EXPECT_EQ(form->m_HsmcCombos[i]->ItemText(static_cast<int>(k)), GetCardDisplayName(list[k]));
        EXPECT_EQ(form->m_HsmcCombos[i]->ItemIndex(), 0);
    }
    EXPECT_EQ(form->m_HsmcCombos[0]->ItemText(25), "HSMC Default-1.5V w/ Transceiver");
    EXPECT_EQ(form->m_HsmcCombos[1]->ItemText(21), "HSMC Default - 3.0V");
    for (TComboBox* pll : {form->ComboBoxPLL_HSMA, form->ComboBoxPLL_HSME, form->ComboBoxPLL_GXB}) {
        ASSERT_EQ(pll->ItemCount(), 13);
        EXPECT_EQ(pll->ItemText(0), "Unchange");
        EXPECT_EQ(pll->ItemText(12), "625");
        EXPECT_EQ(pll->ItemIndex(), 0);
        EXPECT_FALSE(pll->Enabled());
    }
    EXPECT_EQ(form->ComboBoxHsmcGpio->ItemIndex(), 0);
    EXPECT_FALSE(form->LabelGPIO->Visible());
    EXPECT_FALSE(form->ButtonGpio->Visible());
    EXPECT_TRUE(form->m_HsmcCombos[2]->Visible());
    const BRACKWELL_CONFIG defaults = Defaults();
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(std::memcmp(&saved, &defaults, sizeof saved), 0);

    const std::string project = Generate(form, "Brackwell");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    const std::string qsf = ProjectFile("Brackwell", ".qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4SGX230KF40C2"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 1517"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 2"));
    const std::string v = ProjectFile("Brackwell", ".v");
    for (const char* group : {"CLOCK", "Loop", "LED x 4", "BUTTON x 4", "SWITCH x 4", "Temperature", "Fan",
                              "Flash and SRAM Address/Data/OE/WM Share Bus", "Flash Control", "SSRAM Control"})
        EXPECT_TRUE(HasLine(v, std::string("\t//////////// ") + group + " //////////")) << group;
    EXPECT_EQ(Count(v, "\t//////////// "), 10);
    EXPECT_EQ(Count(v, "ext_pll_ctrl"), 0);
    // The controller's IP goes with every project of the board.
    EXPECT_EQ(ReadFile(project + "EXT_PLL_CTRL.v"), ReadFile(SourceFolder() + "resources/verilog/EXT_PLL_CTRL.v"));
    ExpectVerilogCompiles("Brackwell", {"EXT_PLL_CTRL.v"});
}

TEST_F(BrackwellForm, TheProgrammablePllBlockAndItsChoices)
{
    TFormBrackwell* form = Open();
    UserClick(form->CheckBoxOSC);  // the PLL brings its own clock
    UserClick(form->CheckBoxExtPLL);
    for (TComboBox* pll : {form->ComboBoxPLL_HSMA, form->ComboBoxPLL_HSME, form->ComboBoxPLL_GXB}) {
        EXPECT_TRUE(pll->Enabled());
        EXPECT_EQ(pll->ItemText(pll->ItemIndex()), "100");
    }
    UserPick(form->ComboBoxPLL_HSMA, 10);
    UserPick(form->ComboBoxPLL_HSME, 2);
    UserPick(form->ComboBoxPLL_GXB, 12);
    // Another box clicked keeps the choices shown.
    UserClick(form->CheckBoxLED);
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 10);

    Generate(form, "Pll");
    ASSERT_EQ(seam.boxes.size(), 1u);
    const std::string v = ProjectFile("Pll", ".v");
    // The whole body of the top level: the block of the programmable PLL.
    const std::string body =
        CrLfLines({kVSep, "//  Structural coding", kVSep, "", "", "", "", kVSep,
                   "//  External PLL Configuration ==========================", kVSep, "", "//  Signal declarations",
                   "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;", "wire         rstn;",
                   "wire         conf_ready;", "wire         counter_max;", "wire  [7:0]  counter_inc;",
                   "reg   [7:0]  auto_set_counter;", "reg          conf_wr;", "", "//  Structural coding",
                   "assign clk1_set_wr = 4'd10; //250 MHZ", "assign clk2_set_wr = 4'd2; //62.5 MHZ",
                   "assign clk3_set_wr = 4'd12; //625 MHZ", "", "assign rstn = 1'b1;",
                   "assign counter_max = &auto_set_counter;", "assign counter_inc = auto_set_counter + 1'b1;", "",
                   "always @(posedge OSC_50_BANK1 or negedge rstn)", "\tif(!rstn)", "\tbegin",
                   "\t\tauto_set_counter <= 0;", "\t\tconf_wr <= 0;", "\tend ", "\telse if (counter_max)",
                   "\t\tconf_wr <= 1;", "\telse", "\t\tauto_set_counter <= counter_inc;", "", "",
                   "ext_pll_ctrl ext_pll_ctrl_Inst(", "\t.osc_50(OSC_50_BANK1), //50MHZ", "\t.rstn(rstn),", "",
                   "\t// device 1 (HSMA_REFCLK)", "\t.clk1_set_wr(clk1_set_wr),", "\t.clk1_set_rd(),", "",
                   "\t// device 2 (HSME_REFCLK)", "\t.clk2_set_wr(clk2_set_wr),", "\t.clk2_set_rd(),", "",
                   "\t// device 3 (PGM_GXB_CLK)", "\t.clk3_set_wr(clk3_set_wr),", "\t.clk3_set_rd(),", "",
                   "\t// setting trigger", "\t.conf_wr(conf_wr), // 1T 50MHz ", "\t.conf_rd(), // 1T 50MHz", "",
                   "\t// status ", "\t.conf_ready(conf_ready),", "", "\t// 2-wire interface ",
                   "\t.max_sclk(MAX2_I2C_SCL),", "\t.max_sdat(MAX2_I2C_SDA)", "", ");", "", "endmodule"});
    ASSERT_GE(v.size(), body.size());
    EXPECT_EQ(v.substr(v.size() - body.size()), body);
    EXPECT_TRUE(HasLine(v, "\t//////////// CLOCK //////////"));
    EXPECT_TRUE(HasLine(v, "\t//////////// MAX2 //////////"));
    const std::string qsf = ProjectFile("Pll", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB34 -to OSC_50_BANK1"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to OSC_50_BANK1"));
    EXPECT_EQ(Count(qsf, "OSC_50_BANK3"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J2 -to PGM_GXB_CLK_p1"));
    EXPECT_TRUE(HasLine(ProjectFile("Pll", ".sdc"), "create_clock -period 20.000ns [get_ports OSC_50_BANK1]"));
    ExpectVerilogCompiles("Pll", {"EXT_PLL_CTRL.v"});

    // Generation stored the choices: unticking shows "Unchange", ticking them again.
    UserClick(form->CheckBoxExtPLL);
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 0);
    EXPECT_FALSE(form->ComboBoxPLL_HSMA->Enabled());
    UserClick(form->CheckBoxExtPLL);
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 10);
    // A choice not yet stored is dropped by unticking.
    UserPick(form->ComboBoxPLL_HSMA, 7);
    UserClick(form->CheckBoxExtPLL);
    UserClick(form->CheckBoxExtPLL);
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 10);
    // Unticked, the stored choices are saved as they are.
    UserClick(form->CheckBoxExtPLL);
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.bExtPLL, 0);
    EXPECT_EQ(saved.nPllFreq[0], 10);
    EXPECT_EQ(saved.nPllFreq[1], 2);
    EXPECT_EQ(saved.nPllFreq[2], 12);
}

TEST_F(BrackwellForm, DdrAndPciExpressNoticesAndTheMemoryModule)
{
    TFormBrackwell* form = Open();
    UserClick(form->CheckBoxDDR3);
    UserClick(form->CheckBoxPCIe0);
    UserClick(form->CheckBoxPCIe1);
    const std::string project = Generate(form, "Memory");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kDdr3Notice + PcieNotice("PCIe0//PCIe1"));
    EXPECT_EQ(seam.boxes[1].text, kSuccess + project);
    const std::string qsf = ProjectFile("Memory", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G17 -to mem_dq[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J18 -to mem_reset_n"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to mem_reset_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_R18 -to mem_EVENT_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P18 -to mem_SDA"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_H19 -to mem_SCL"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to mem_dq[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_N26 -to mem_oct_rdn"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AN38 -to PCIE0_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AG2 -to PCIE1_RX_p[3]"));
    EXPECT_EQ(Count(qsf, "-to mem_SA"), 0);  // the address straps have no FPGA pin
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Memory", {"EXT_PLL_CTRL.v"});

    // One port alone names itself.
    UserClick(form->CheckBoxDDR3);
    UserClick(form->CheckBoxPCIe0);
    Generate(form, "Memory");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, PcieNotice("PCIe1"));
}

TEST_F(BrackwellForm, HsmcCInGpioModeWithTheExpansionDialog)
{
    TFormBrackwell* form = Open();
    PickCard(form, 2, 19, "C_");  // stays chosen, hidden, in GPIO mode
    UserPick(form->ComboBoxHsmcGpio, 1);
    EXPECT_FALSE(form->m_HsmcCombos[2]->Visible());
    EXPECT_FALSE(form->m_HsmcPrefixEdits[2]->Visible());
    EXPECT_FALSE(form->m_HsmcImages[2]->Visible());
    EXPECT_FALSE(form->LabelPrefixHSMC_C->Visible());
    EXPECT_FALSE(form->m_HsmcShapes[2]->Visible());
    EXPECT_TRUE(form->ButtonGpio->Visible());
    EXPECT_TRUE(form->LabelGPIO->Visible());
    EXPECT_EQ(form->LabelGPIO->Caption(), "GPIO 0:None\r\nGPIO 1:None");
    EXPECT_EQ(form->LabelGPIO->Left(), form->m_HsmcCombos[2]->Left());
    EXPECT_EQ(form->LabelGPIO->Height(), 2 * form->m_HsmcCombos[2]->Height());

    // Neither Enter nor Escape ends the dialog; a focused button takes Enter.
    {
        bool failed = false;
        WhenModalShows(
            [&](TForm& shown) {
                auto& dialog = dynamic_cast<TFormGPIO&>(shown);
                UserPressKeyOn(dialog.EditPrefixGpio0, TUserKey::Enter);
                UserPressKey(&dialog, TUserKey::Enter);
                UserPressKey(&dialog, TUserKey::Escape);
                EXPECT_EQ(dialog.ModalResult(), mrNone);
                UserPressKeyOn(dialog.ButtonCancel, TUserKey::Enter);
            },
            &failed);
        UserClick(form->ButtonGpio);
        EXPECT_FALSE(failed);
        EXPECT_EQ(ActiveModalForm(), nullptr);
    }
    // Cancel keeps nothing of what was chosen in the dialog.
    EditGpio(form, [](TFormGPIO& dialog) { UserPick(dialog.ComboBoxGpio0, 1); }, false);
    EXPECT_EQ(form->LabelGPIO->Caption(), "GPIO 0:None\r\nGPIO 1:None");
    EXPECT_FALSE(form->ShapeGpio0->Visible());
    // OK takes the card and prefix of GPIO_1.
    EditGpio(form,
             [](TFormGPIO& dialog) {
                 EXPECT_EQ(dialog.Caption(), "GPIO Expansion");
                 EXPECT_EQ(dialog.ClientWidth(), 424);
                 EXPECT_EQ(dialog.ClientHeight(), 300);
                 EXPECT_EQ(dialog.ComboBoxGpio0->ItemIndex(), 0);  // the confirmed state again
                 ASSERT_EQ(dialog.ComboBoxGpio1->ItemCount(), 2);
                 EXPECT_EQ(dialog.ComboBoxGpio1->ItemText(1), "GPIO Default - 2.5V");
                 UserPick(dialog.ComboBoxGpio1, 1);
                 EXPECT_TRUE(dialog.ImageGpio1->Visible());
                 UserType(dialog.EditPrefixGpio1, "G1_");
             },
             true);
    EXPECT_EQ(form->LabelGPIO->Caption(), "GPIO 0:None\r\nGPIO 1:GPIO Default - 2.5V");
    EXPECT_FALSE(form->ShapeGpio0->Visible());
    EXPECT_TRUE(form->ShapeGpio1->Visible());
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.bHsmcCGpio, 1);
    EXPECT_EQ(saved.nGpioDaughterId[0], 0);
    EXPECT_EQ(saved.nGpioDaughterId[1], 85);
    EXPECT_EQ(std::string(saved.szGpioPrefixName[1]), "G1_");
    EXPECT_EQ(saved.nHsmcDaughterId[2], 19);
    EXPECT_EQ(std::string(saved.szHSMCPrefixName[2]), "C_");

    const std::string project = Generate(form, "Headers");
    ASSERT_EQ(seam.boxes.size(), 1u);
    const std::string qsf = ProjectFile("Headers", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO_1 connect to GPIO Default - 2.5V"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB27 -to G1_GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD29 -to G1_GPIO[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.0-V PCI-X\" -to G1_GPIO[5]"));
    EXPECT_EQ(Count(qsf, "HSMC-C"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AE16 -to HSMC_ABC_SCL"));
    ExpectVerilogCompiles("Headers", {"EXT_PLL_CTRL.v"});

    // The same card and prefix on both headers clash; generation never starts.
    EditGpio(form,
             [](TFormGPIO& dialog) {
                 UserPick(dialog.ComboBoxGpio0, 1);
                 UserType(dialog.EditPrefixGpio0, "G1_");
             },
             true);
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kGpioClash);
    EXPECT_TRUE(seam.dialogs.empty());
}

// A prefix typed beside "None" in the expansion dialog is saved, and a load
// brings it back, so that the next save writes it again.
TEST_F(BrackwellForm, AGpioPrefixBesideNoneSurvivesALoad)
{
    TFormBrackwell* form = Open();
    BRACKWELL_CONFIG record = Defaults();
    record.bHsmcCGpio = 1;
    std::strcpy(record.szGpioPrefixName[0], "P0_");
    record.nGpioDaughterId[1] = 85;
    std::strcpy(record.szGpioPrefixName[1], "P1_");
    Load(form, std::string(reinterpret_cast<const char*>(&record), sizeof record));
    EditGpio(form,
             [](TFormGPIO& dialog) {
                 EXPECT_EQ(dialog.ComboBoxGpio0->ItemIndex(), 0);
                 EXPECT_EQ(dialog.EditPrefixGpio0->Text(), "P0_");
                 EXPECT_EQ(dialog.ComboBoxGpio1->ItemIndex(), 1);
                 EXPECT_EQ(dialog.EditPrefixGpio1->Text(), "P1_");
             },
             false);
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nGpioDaughterId[0], 0);
    EXPECT_EQ(std::string(saved.szGpioPrefixName[0]), "P0_");
    EXPECT_EQ(std::string(saved.szGpioPrefixName[1]), "P1_");
}

// A loaded header card that the header pair's list lacks leaves the card and
// the prefix the dialog held; a listed one (here "None") brings its prefix.
TEST_F(BrackwellForm, AnUnlistedGpioCardLeavesTheExpansionDialogAsItWas)
{
    TFormBrackwell* form = Open();
    UserPick(form->ComboBoxHsmcGpio, 1);
    EditGpio(form,
             [](TFormGPIO& dialog) {
                 UserPick(dialog.ComboBoxGpio0, 1);
                 UserType(dialog.EditPrefixGpio0, "TYPED_");
                 UserType(dialog.EditPrefixGpio1, "TYPED1_");
             },
             true);
    BRACKWELL_CONFIG record = Saved(form);
    record.nGpioDaughterId[0] = 1;  // a 40-pin card: not a card of the header pair
    std::strcpy(record.szGpioPrefixName[0], "STORED_");
    record.nGpioDaughterId[1] = 0;
    std::strcpy(record.szGpioPrefixName[1], "STORED1_");
    seam.boxes.clear();
    Load(form, std::string(reinterpret_cast<const char*>(&record), sizeof record));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->m_pGpioDialog->GetGpio0Index(), 1);
    EXPECT_EQ(form->m_pGpioDialog->GetGpio0Prefix(), "TYPED_");
    EXPECT_EQ(form->m_pGpioDialog->GetGpio1Index(), 0);
    EXPECT_EQ(form->m_pGpioDialog->GetGpio1Prefix(), "STORED1_");
    EXPECT_EQ(form->LabelGPIO->Caption(), "GPIO 0:GPIO Default - 2.5V\r\nGPIO 1:None");
    EXPECT_TRUE(form->ShapeGpio0->Visible());
    EditGpio(form,
             [](TFormGPIO& dialog) {
                 EXPECT_EQ(dialog.ComboBoxGpio0->ItemIndex(), 1);
                 EXPECT_EQ(dialog.EditPrefixGpio0->Text(), "TYPED_");
             },
             false);
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nGpioDaughterId[0], 85);
    EXPECT_EQ(std::string(saved.szGpioPrefixName[0]), "TYPED_");
}

TEST_F(BrackwellForm, TheExpansionDialogCouplesACardSpanningBothHeaders)
{
    TFormBrackwell* form = Open();
    // A list that offers a card for both headers as well.
    form->m_GpioCardList.m_CardIds[form->m_GpioCardList.m_CardCount++] = 11;
    TFormGPIO* dialog = form->m_pGpioDialog;
    for (TComboBox* combo : {dialog->ComboBoxGpio0, dialog->ComboBoxGpio1}) combo->AddItem("Culm");
    UserPick(form->ComboBoxHsmcGpio, 1);
    EditGpio(form,
             [](TFormGPIO& d) {
                 UserType(d.EditPrefixGpio1, "AD_");
                 UserPick(d.ComboBoxGpio1, 2);
                 EXPECT_EQ(d.ComboBoxGpio0->ItemIndex(), 2);
                 EXPECT_EQ(d.EditPrefixGpio0->Text(), "AD_");
                 EXPECT_FALSE(d.ComboBoxGpio0->Enabled());
                 EXPECT_FALSE(d.EditPrefixGpio0->Enabled());
                 // A 40-pin card on GPIO_1 frees GPIO_0 and takes the spanning card off it.
                 UserPick(d.ComboBoxGpio1, 1);
                 EXPECT_TRUE(d.ComboBoxGpio0->Enabled());
                 EXPECT_TRUE(d.EditPrefixGpio0->Enabled());
                 EXPECT_EQ(d.ComboBoxGpio0->ItemIndex(), 0);
                 EXPECT_EQ(d.EditPrefixGpio0->Text(), "");
                 // And the other way round.
                 UserPick(d.ComboBoxGpio0, 2);
                 EXPECT_EQ(d.ComboBoxGpio1->ItemIndex(), 2);
                 EXPECT_FALSE(d.ComboBoxGpio1->Enabled());
             },
             true);
    EXPECT_EQ(dialog->GetGpio0Index(), 2);
    EXPECT_EQ(dialog->GetGpio1Index(), 2);
    // The card goes once onto the master that spans both headers.
    Generate(form, "Both");
    ASSERT_EQ(seam.boxes.size(), 1u);
    const std::string qsf = ProjectFile("Both", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0_1, GPIO_0_1 connect to Culm - High Speed ADC/DAC"));
    EXPECT_EQ(Count(qsf, "# GPIO_"), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_AF34 -to "), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_AD29 -to "), 1);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Both", {"EXT_PLL_CTRL.v"});
    // Shown again, the dialog couples what it shows.
    EditGpio(form,
             [](TFormGPIO& d) {
                 EXPECT_EQ(d.ComboBoxGpio0->ItemIndex(), 2);
                 EXPECT_FALSE(d.ComboBoxGpio0->Enabled());
             },
             false);
}

TEST_F(BrackwellForm, TheVccioIndicatorFollowsTheCards)
{
    TFormBrackwell* form = Open();
    EXPECT_EQ(form->ImageVol->PictureWidth(), 120);
    EXPECT_EQ(form->ImageVol->PictureHeight(), 111);
    // No card: every connector at 2.5 V, the second LED of each pair lit.
    for (int i = 0; i < 6; ++i) EXPECT_EQ(JumperPlace(form, i), 2) << i;
    EXPECT_EQ(LitLeds(form), (std::vector<int>{2, 18, 33, 48, 63, 79}));

    // "HSMC Default - 1.8V" on HSMC-D: its jumper at y = 38, only the LED at 41.
    PickCard(form, 3, 91);
    EXPECT_TRUE(JumperAt(form, 91, 38));
    EXPECT_EQ(JumperPlace(form, 3), 1);
    EXPECT_EQ(LitLeds(form), (std::vector<int>{2, 18, 41, 48, 63, 79}));

    struct Case {
        int hsmc;
        DaughterId card;
        int place;
        std::vector<int> leds;  // of that connector
    };
    const Case cases[] = {
        {0, 92, 0, {}}, {0, 96, 0, {}}, {1, 98, 3, {63, 71}}, {4, 94, 3, {18, 26}}, {5, 19, 2, {2}},
    };
    for (const Case& c : cases) {
        PickCard(form, c.hsmc, c.card);
        EXPECT_EQ(JumperPlace(form, c.hsmc), c.place) << c.hsmc << "/" << int(c.card);
        std::vector<int> lit;
        for (int led = 1; led >= 0; --led)
            if (LedLitAt(form, BrackwellLedLeft(c.hsmc, led))) lit.push_back(BrackwellLedLeft(c.hsmc, led));
        EXPECT_EQ(lit, c.leds) << c.hsmc << "/" << int(c.card);
    }

    // HSMC-C in GPIO mode: 2.5 V without a header card, 3.0 V with one,
    // whatever the hidden combo holds.
    PickCard(form, 2, 92);
    EXPECT_EQ(JumperPlace(form, 2), 0);
    UserPick(form->ComboBoxHsmcGpio, 1);
    EXPECT_TRUE(JumperAt(form, 35, 88));
    EXPECT_EQ(JumperPlace(form, 2), 2);
    EXPECT_TRUE(LedLitAt(form, 48));
    EXPECT_FALSE(LedLitAt(form, 56));
    EditGpio(form, [](TFormGPIO& d) { UserPick(d.ComboBoxGpio0, 1); }, true);
    EXPECT_TRUE(JumperAt(form, 35, 96));
    EXPECT_TRUE(LedLitAt(form, 56));
    EXPECT_TRUE(LedLitAt(form, 48));
}

TEST_F(BrackwellForm, PrefixClashesCountWhatGenerationWillUse)
{
    TFormBrackwell* form = Open();
    struct Case {
        std::vector<std::pair<int, DaughterId>> cards;  // connector, card
        std::vector<std::pair<int, const char*>> prefixes;
        bool gpioMode;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {{{0, 19}, {3, 19}}, {{0, "X_"}, {3, "X_"}}, false, Format(kHsmcClash, 'A', 'D')},
        {{{0, 19}, {3, 18}}, {{0, "X_"}, {3, "X_"}}, false, ""},
        // Two default cards without a prefix both become "HSM_".
        {{{1, 2}, {5, 2}}, {}, false, Format(kHsmcClash, 'B', 'F')},
        // Default cards of any voltage name their pins alike.
        {{{0, 2}, {3, 92}}, {{3, "HSM_"}}, false, Format(kHsmcClash, 'A', 'D')},
        {{{4, 96}, {5, 98}}, {{4, "P_"}, {5, "P_"}}, false, Format(kHsmcClash, 'E', 'F')},
        {{{0, 2}, {1, 2}}, {{0, "A_"}, {1, "B_"}}, false, ""},
        // HSMC-C in GPIO mode takes no part.
        {{{0, 19}, {2, 19}}, {{0, "X_"}, {2, "X_"}}, true, ""},
        {{{0, 19}, {2, 19}}, {{0, "X_"}, {2, "X_"}}, false, Format(kHsmcClash, 'A', 'C')},
        // A prefix that no generation takes is kept in a settings file.
        {{{0, 19}}, {{0, "9X"}}, false, ""},
    };
    for (const Case& c : cases) {
        UserClick(form->ButtonDefaultSetting);
        for (const auto& [hsmc, card] : c.cards) PickCard(form, hsmc, card);
        for (const auto& [hsmc, prefix] : c.prefixes) UserType(form->m_HsmcPrefixEdits[hsmc], prefix);
        UserPick(form->ComboBoxHsmcGpio, c.gpioMode ? 1 : 0);
        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(form->ButtonSave);  // the checks of Generate but the name rules
        if (c.message.empty()) {
            EXPECT_TRUE(seam.boxes.empty()) << (seam.boxes.empty() ? "" : seam.boxes[0].text);
            EXPECT_EQ(seam.dialogs.size(), 1u);
        } else {
            ASSERT_EQ(seam.boxes.size(), 1u) << c.message;
            EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Error);
            EXPECT_EQ(seam.boxes[0].text, c.message);
            EXPECT_TRUE(seam.dialogs.empty());
        }
    }
}

TEST_F(BrackwellForm, LoadingRefusedFilesAndCraftedRecords)
{
    TFormBrackwell* form = Open();
    UserType(form->EditProjectName, "Kept");
    seam.boxes.clear();
    UserClick(form->ButtonLoad);  // cancelled
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, "Failed to load setting");
    seam.boxes.clear();
    Load(form, std::string(1187, '\0'));
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, "Failed to load setting");
    EXPECT_EQ(form->EditProjectName->Text(), "Kept");

    // Values outside their lists are shown as the default item and written back.
    BRACKWELL_CONFIG r = Defaults();
    r.BoardId = 0;
    r.Size = 0;
    r.nBoardType = 7;
    r.bExtPLL = 5;
    r.nPllFreq[0] = 200;
    r.nPllFreq[1] = 13;
    r.nPllFreq[2] = 2;
    r.bHsmcCGpio = 9;
    r.nGpioDaughterId[0] = 11;  // not in the list of the header pair
    std::strcpy(r.szGpioPrefixName[0], "Z_");
    r.nHsmcDaughterId[0] = 250;
    std::strcpy(r.szHSMCPrefixName[0], "Q_");
    r.nHsmcDaughterId[1] = 96;  // a transceiver card, not in HSMC-B's list
    r.nHsmcDaughterId[4] = 96;
    std::memset(r.szHSMCPrefixName[4], 'E', sizeof r.szHSMCPrefixName[4]);
    seam.boxes.clear();
    Load(form, std::string(reinterpret_cast<const char*>(&r), sizeof r));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    EXPECT_TRUE(form->CheckBoxExtPLL->Checked());
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 4);
    EXPECT_EQ(form->ComboBoxPLL_HSME->ItemIndex(), 4);
    EXPECT_EQ(form->ComboBoxPLL_GXB->ItemIndex(), 2);
    EXPECT_EQ(form->ComboBoxHsmcGpio->ItemIndex(), 1);
    EXPECT_EQ(form->LabelGPIO->Caption(), "GPIO 0:None\r\nGPIO 1:None");
    EXPECT_EQ(form->m_HsmcCombos[0]->ItemIndex(), 0);
    EXPECT_EQ(form->m_HsmcPrefixEdits[0]->Text(), "");
    EXPECT_EQ(form->m_HsmcCombos[1]->ItemIndex(), 0);
    EXPECT_EQ(form->m_HsmcCombos[4]->ItemText(form->m_HsmcCombos[4]->ItemIndex()),
              "HSMC Default-1.5V w/ Transceiver");
    EXPECT_EQ(form->m_HsmcPrefixEdits[4]->Text(), std::string(127, 'E'));
    const BRACKWELL_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.BoardId, MAINBOARD_BRACKWELL);
    EXPECT_EQ(saved.Size, 1188);
    EXPECT_EQ(saved.nBoardType, 0);
    EXPECT_EQ(saved.bExtPLL, 1);
    EXPECT_EQ(saved.nPllFreq[0], 4);
    EXPECT_EQ(saved.nPllFreq[1], 4);
    EXPECT_EQ(saved.nPllFreq[2], 2);
    EXPECT_EQ(saved.bHsmcCGpio, 1);
    EXPECT_EQ(saved.nGpioDaughterId[0], 0);
    EXPECT_EQ(saved.nHsmcDaughterId[0], 0);
    EXPECT_EQ(saved.nHsmcDaughterId[1], 0);
    EXPECT_EQ(saved.nHsmcDaughterId[4], 96);

    // Unticked, a stored choice outside the table is written back as the default.
    r.bExtPLL = 0;
    Load(form, std::string(reinterpret_cast<const char*>(&r), sizeof r));
    EXPECT_EQ(form->ComboBoxPLL_HSMA->ItemIndex(), 0);
    EXPECT_EQ(Saved(form).nPllFreq[0], 4);
    EXPECT_EQ(form->m_Config.m_Folder, folder.Path());
}

TEST_F(BrackwellForm, BoardTypeDefaultCfgAndTheBoardChange)
{
    TFormBrackwell* form = Open();
    UserPick(form->ComboBoxBoard, 1);
    EXPECT_EQ(form->m_Config.m_Config.nBoardType, 1);
    Generate(form, "Big");
    EXPECT_TRUE(HasLine(ProjectFile("Big", ".qsf"), "set_global_assignment -name DEVICE EP4SGX530KH40C2"));

    // Whichever way the form goes, default.cfg keeps what it showed.
    UserType(form->EditProjectName, "Left");
    main->CloseBoardForms();
    BRACKWELL_CONFIG r{};
    const std::string bytes = ReadFile(DefaultCfg());
    ASSERT_EQ(bytes.size(), sizeof r);
    std::memcpy(&r, bytes.data(), sizeof r);
    EXPECT_EQ(std::string(r.szProjectName), "Left");
    EXPECT_EQ(r.nBoardType, 1);
    form = Reopen();
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 1);

    // "Change Main Board" asks the main form for the board selector.
    EXPECT_TRUE(BoardChangeShowsTheSelector(form->ButtonMainBoardSelect));
    EXPECT_EQ(main->BoardForm(), form);
}

namespace {

// The direction word of a port of the top level ("input", "output", "inout").
std::string PortDirection(const std::string& verilog, const std::string& port)
{
    for (const std::string& line : SplitCrLf(verilog)) {
        const size_t at = line.rfind(port);
        if (at == std::string::npos || at + port.size() != line.size() - (line.back() == ',' ? 1 : 0)) continue;
        const size_t word = line.find_first_not_of('\t');
        return line.substr(word, line.find_first_of(" \t", word) - word);
    }
    return "";
}

}  // namespace

TEST_F(BrackwellForm, DefaultCardsTakeHsmAndTheirClockOutputsAreRenamed)
{
    TFormBrackwell* form = Open();
    // HSMC-A: the default card without a prefix is named "HSM_".
    PickCard(form, 0, 2);
    Generate(form, "Named");
    ASSERT_EQ(seam.boxes.size(), 1u);
    std::string qsf = ProjectFile("Named", ".qsf");
    std::string v = ProjectFile("Named", ".v");
    EXPECT_TRUE(HasLine(qsf, "# HSMC-A, HSMC-A connect to HSMC Default"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_D10 -to HSM_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_H10 -to HSM_OUT_p2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G10 -to HSM_OUT_n2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC6 -to HSM_CLKIN_p2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B4 -to HSM_GXB_TX_p[7]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AE16 -to HSMC_ABC_SCL"));
    for (const char* port : {"HSM_OUT0", "HSM_OUT_p2", "HSM_OUT_n2"}) EXPECT_EQ(PortDirection(v, port), "inout");
    EXPECT_EQ(PortDirection(v, "HSM_CLKIN_p2"), "input");
    // HSMC-A keeps the names of its first clock pair.
    EXPECT_EQ(PortDirection(v, "HSM_CLKOUT_p1"), "output");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_R12 -to HSM_CLKOUT_p1"));
    EXPECT_EQ(Count(qsf, "-to HSM_CLKOUT0"), 0);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Named", {"EXT_PLL_CTRL.v"});

    // Default cards on B, D and F with HSMC-A empty: the renamings land on the
    // first, second and third HSMC connector, which are B, D and F; B also
    // renames its first clock pair, F only its first clock.
    PickCard(form, 0, 0);
    PickCard(form, 1, 2, "B_");
    PickCard(form, 3, 91, "D_");
    PickCard(form, 5, 98, "F_");
    Generate(form, "Named");
    ASSERT_EQ(seam.boxes.size(), 1u);
    qsf = ProjectFile("Named", ".qsf");
    v = ProjectFile("Named", ".v");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AN15 -to B_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AN10 -to B_OUT_p1"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AP10 -to B_OUT_n1"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH10 -to B_OUT_p2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P19 -to D_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W32 -to D_CLKOUT_p1"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_M32 -to D_OUT_p2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AP20 -to F_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH20 -to F_CLKOUT_p2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AJ20 -to F_CLKOUT_n2"));
    // HSMC-D's clock output sits in a 1.5-V bank, its clock input is an input.
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to D_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to D_D[0]"));
    EXPECT_EQ(PortDirection(v, "D_CLKIN0"), "input");
    EXPECT_EQ(PortDirection(v, "F_OUT0"), "inout");
    EXPECT_EQ(PortDirection(v, "F_CLKOUT_p2"), "output");
    // The cards' voltages reach the board's banks: 1.8 V for bank 1 (HSMC-D),
    // 3.0 V for the groups of HSMC-F.
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to OSC_50_BANK1"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.0-V PCI-X\" -to OSC_50_BANK3"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.0-V PCI-X\" -to SW[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.0-V PCI-X\" -to F_D[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G21 -to HSMC_DEF_SCL"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Named", {"EXT_PLL_CTRL.v"});
}

TEST_F(BrackwellForm, OtherCardsKeepTheirNamesAndTransceiverCardsBringTheirNotice)
{
    TFormBrackwell* form = Open();
    PickCard(form, 3, 19);  // HSMC Loopback, no prefix
    PickCard(form, 4, 21);  // SFP on HSMC-E, a transceiver card
    Generate(form, "Cards");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kHsmcXcvrNotice);
    EXPECT_EQ(seam.boxes[1].text, kSuccess + ProjectFolder("Cards"));
    const std::string qsf = ProjectFile("Cards", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P19 -to L_CLK0"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to L_CLK0"));
    EXPECT_EQ(PortDirection(ProjectFile("Cards", ".v"), "R_CLK0"), "input");
    EXPECT_EQ(Count(qsf, "HSM_"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G21 -to HSMC_DEF_SCL"));
    ExpectVerilogCompiles("Cards", {"EXT_PLL_CTRL.v"});

    // The 3.0-V default card with transceivers counts as none.
    PickCard(form, 4, 94);
    Generate(form, "Cards");
    ASSERT_EQ(seam.boxes.size(), 1u);
}

TEST_F(BrackwellForm, EverythingAtOnceGivesNoBallTwice)
{
    TFormBrackwell* form = Open();
    for (TCheckBox* box : {form->CheckBoxSma, form->CheckBoxDDR3, form->CheckBoxPCIe0, form->CheckBoxPCIe1,
                           form->CheckBoxExtPLL})
        UserClick(box);
    const DaughterId cards[6] = {3, 6, 7, 92, 37, 31};
    for (int i = 0; i < 6; ++i) PickCard(form, i, cards[i], Format("C%c_", 'A' + i));
    Generate(form, "Everything");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kDdr3Notice + PcieNotice("PCIe0//PCIe1") + kHsmcXcvrNotice);
    const std::string qsf = ProjectFile("Everything", ".qsf");
    ExpectNoBallTwice(qsf);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_D10 -to CA_OUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P19 -to CD_OUT0"));
    ExpectVerilogCompiles("Everything", {"EXT_PLL_CTRL.v"});
}

}  // namespace brackwell_form_test
