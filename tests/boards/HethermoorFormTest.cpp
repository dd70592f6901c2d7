// The Hethermoor form end to end: hosted by the main form, dialogs answered
// by the test, the generated files checked on disk; the HSMC voltage with
// its card lists, the I/O standard of the card's pins and of position 40, the
// JP7 warning, and the settings file.
#include <cstring>

#include "boards/cyclone5_stratix5/UI_Hethermoor.h"
#include "tests/boards/SocFormFixture.h"

namespace hethermoor_form_test {

using namespace socform;

namespace {

const char* const kWord = "HETHERMOOR";
const char* const kJp7Warning =
    "You have changed the default voltage level of HSMC interface. \nPlease remember to change the shunt position on "
    "JP7 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
    "level.";

// The HSMC lists by voltage item: 3.3 V, 2.5 V, 1.8 V, 1.5 V.
const std::vector<uint8_t> kLists[4] = {
    {0, 17, 57, 58, 59},
    {0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61},
    {0, 17},
    {0, 17},
};

std::vector<std::string> Names(const std::vector<uint8_t>& ids)
{
    std::vector<std::string> names;
    for (uint8_t id : ids) names.push_back(GetCardDisplayName(id));
    return names;
}

int ItemOf(int voltage, uint8_t card)
{
    const auto& list = kLists[voltage];
    return static_cast<int>(std::find(list.begin(), list.end(), card) - list.begin());
}

// The port a .qsf places on a ball.
std::string PortAt(const std::string& qsf, const std::string& ball)
{
    const std::string head = "set_location_assignment PIN_" + ball + " -to ";
    for (const std::string& line : SplitCrLf(qsf))
        if (line.rfind(head, 0) == 0) return line.substr(head.size());
    return {};
}

class HethermoorForm : public SocFormTest<TFormHethermoor, MAINBOARD_HETHERMOOR> {
protected:
    void Pick(TFormHethermoor* form, int voltage, uint8_t card, const std::string& prefix)
    {
        UserPick(form->ComboBoxHsmcVol, voltage);
        UserPick(form->ComboBoxHSMC, ItemOf(voltage, card));
        UserType(form->EditPrefixHSMC, prefix);
    }
};

}  // namespace

TEST_F(HethermoorForm, OpensWithItsDefaultsAndTheListOfEachVoltage)
{
    TFormHethermoor* form = Open();
    EXPECT_EQ(main->ClientWidth(), form->Width());
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Cylone V Hethermoor Evaluation Board");
    EXPECT_EQ(form->EditProjectName->Text(), "Hethermoor");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting...");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting...");
    EXPECT_EQ(form->ButtonDefaultSetting, nullptr);
    const char* const captions[10] = {"CLOCK", "LED x 4",     "Button x 4, Reset", "Switch x 4", "VGA",
                                      "DDR3",  "Audio",       "IR Receiver",       "Si5338 I2C", "Temperature"};
    ASSERT_EQ(form->m_Groups.Entries().size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        const auto& entry = form->m_Groups.Entries()[i];
        EXPECT_EQ(entry.Box->Caption(), captions[i]);
        EXPECT_TRUE(entry.Box->Checked());
        for (TShape* shape : entry.Shapes) EXPECT_TRUE(shape->Visible());
    }
    EXPECT_FALSE(form->Find<TShape>("ShapeEPCQ")->Visible());
    EXPECT_FALSE(form->Find<TShape>("ShapeEEPROM")->Visible());
    EXPECT_EQ(ItemTexts(form->ComboBoxHsmcVol),
              (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 1);
    EXPECT_EQ(ItemTexts(form->ComboBoxHSMC), Names(kLists[1]));
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    EXPECT_FALSE(form->ShapeHSMC->Visible());

    // Each voltage: its list, on "None", and its marker alone.
    UserPick(form->ComboBoxHSMC, ItemOf(1, 17));
    UserType(form->EditPrefixHSMC, "P_");
    EXPECT_TRUE(form->ShapeHSMC->Visible());
    for (int voltage : {2, 0, 3, 1}) {
        UserPick(form->ComboBoxHsmcVol, voltage);
        EXPECT_EQ(ItemTexts(form->ComboBoxHSMC), Names(kLists[voltage])) << voltage;
        EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
        EXPECT_EQ(form->EditPrefixHSMC->Text(), "P_");
        EXPECT_FALSE(form->ShapeHSMC->Visible());
        for (int marker = 0; marker < 4; ++marker)
            EXPECT_EQ(form->ShapeHsmcVoltage[marker]->Visible(), marker == voltage) << voltage << marker;
        UserPick(form->ComboBoxHSMC, ItemOf(voltage, 17));  // card 17 is in every list
    }
}

TEST_F(HethermoorForm, VoltageGivesTheCardsStandardAndTheJp7Warning)
{
    TFormHethermoor* form = Open();
    // 2.5 V and no card: the success box alone.
    std::string path = Generate(form, kWord, "plain");
    EXPECT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + ProjectFolder(kWord, "Hethermoor")});
    std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CSXFC6D6F31C8ES"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF14 -to OSC_50_B3B"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to OSC_50_B3B"));
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 134);
    EXPECT_EQ(Count(qsf, "Transceiver"), 0);
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Hethermoor FPGA Board"), std::string::npos);
    ExpectVerilogCompiles(path);

    // 3.3 V with the adaptor card: its pins in "3.3-V LVTTL", position 40
    // an input; then the JP7 warning.
    Pick(form, 0, 17, "X_");
    path = Generate(form, kWord, "fyrn");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Warning);
    EXPECT_EQ(seam.boxes[1].text, kJp7Warning);
    qsf = Qsf(path);
    int cardPins = 0;
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.find("IO_STANDARD") == std::string::npos || line.find(" -to X_") == std::string::npos) continue;
        ++cardPins;
        EXPECT_NE(line.find("\"3.3-V LVTTL\""), std::string::npos) << line;
    }
    EXPECT_GT(cardPins, 0);
    // The adaptor has no pin at position 40, which so stays unused.
    EXPECT_EQ(PortAt(qsf, "J14"), "");
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // 1.8 V without a card: the warning all the same.
    UserPick(form->ComboBoxHsmcVol, 2);
    Generate(form, kWord, "nocard");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text, kJp7Warning);

    // The default naming at 2.5 V: position 40 an input of the bank.
    Pick(form, 1, 2, "D_");
    path = Generate(form, kWord, "naming");
    qsf = Qsf(path);
    const std::string at40 = PortAt(qsf, "J14");
    ASSERT_EQ(at40.rfind("D_", 0), 0u) << at40;
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to " + at40));
    bool declaredInput = false;
    for (const std::string& line : SplitCrLf(ReadFile(ChangeFileExt(path, ".v"))))
        if (line.find(at40) != std::string::npos) declaredInput = line.rfind("\tinput", 0) == 0;
    EXPECT_TRUE(declaredInput) << at40;
    ExpectVerilogCompiles(path);
}

TEST_F(HethermoorForm, TransceiverCardWithTheDefaultPrefix)
{
    TFormHethermoor* form = Open();
    Pick(form, 1, 3, "");
    std::string path = Generate(form, kWord, "xcvr");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    const std::string qsf = Qsf(path);
    const std::vector<std::string> lines = SplitCrLf(qsf);
    const auto block = std::find(lines.begin(), lines.end(), "# Transceiver ");
    ASSERT_NE(block, lines.end());
    EXPECT_EQ(*(block - 1), "#============================================================");
    EXPECT_EQ(*(block + 1), "#============================================================");
    EXPECT_EQ(*(block + 2),
              "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
              "HSMC_REF_CLK_p");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P9 -to HSMC_REF_CLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"HCSL\" -to HSMC_REF_CLK_p"));
    // The default naming behind "HSMC_": every card pin starts so.
    const std::string at1 = PortAt(qsf, "H4");
    EXPECT_EQ(at1.rfind("HSMC_", 0), 0u) << at1;
    const std::string sdc = ReadFile(ChangeFileExt(path, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 10.000ns [get_ports HSMC_REF_CLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports OSC_50_B8A]"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);
    // The saved settings keep the empty prefix.
    const std::string saved = Save(form, "xcvr.cfg");
    ASSERT_EQ(saved.size(), 284u);
    EXPECT_EQ(static_cast<uint8_t>(saved[152]), 3);
    EXPECT_EQ(saved[153], '\0');

    // Without CLOCK no reference clock and no block; card 2 has no transceiver.
    UserClick(form->m_Groups.Box(0));
    path = Generate(form, kWord, "noclock");
    EXPECT_EQ(Count(Qsf(path), "HSMC_REF_CLK_p"), 0);
    EXPECT_EQ(Count(Qsf(path), "# Transceiver"), 0);
    UserClick(form->m_Groups.Box(0));
    UserPick(form->ComboBoxHSMC, ItemOf(1, 2));
    path = Generate(form, kWord, "plainhsmc");
    EXPECT_EQ(Count(Qsf(path), "HSMC_REF_CLK_p"), 0);
    ExpectVerilogCompiles(path);
}

TEST_F(HethermoorForm, SettingsFileAndCraftedRecords)
{
    TFormHethermoor* form = Open();
    Pick(form, 0, 57, "Q_");
    UserClick(form->m_Groups.Box(9));  // Temperature
    UserClick(form->m_Groups.Box(8));  // Si5338 I2C
    const std::string saved = Save(form, "h.cfg");
    ASSERT_EQ(saved.size(), 284u);
    EXPECT_EQ(saved[0], MAINBOARD_HETHERMOOR);
    EXPECT_EQ(saved.substr(4, 4), std::string("\x1c\x01\0\0", 4));
    EXPECT_EQ(saved.substr(136, 10), std::string("\1\1\1\1\1\1\1\1\0\0", 10));
    EXPECT_EQ(saved.substr(148, 4), std::string("\0\0\0\0", 4));
    EXPECT_EQ(static_cast<uint8_t>(saved[152]), 57);
    EXPECT_EQ(saved.substr(153, 3), std::string("Q_\0", 3));

    // default.cfg keeps them; the groups are gone from the project.
    main->CloseBoardForms();
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg"), saved);
    main->OpenBoardForm(MAINBOARD_HETHERMOOR);
    form = dynamic_cast<TFormHethermoor*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), ItemOf(0, 57));
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "Q_");
    const std::string path = Generate(form, kWord, "kept");
    EXPECT_EQ(Count(Qsf(path), "TEMP_CS_n"), 0);
    EXPECT_EQ(Count(Qsf(path), "SI5338_SCL"), 0);

    // A cancelled or refused load shows nothing and changes nothing.
    seam.boxes.clear();
    UserClick(form->ButtonLoad);
    WriteFile(folder.Path() + "short.cfg", std::string(283, '\0'));
    Load(form, "short.cfg");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "Q_");

    // A voltage outside the list shows the default one, a card the list does
    // not offer "None"; both are written back.
    std::string crafted(284, 'z');
    crafted[0] = MAINBOARD_WYNDHOLT;
    crafted[148] = 9;
    crafted[149] = crafted[150] = crafted[151] = 0;
    crafted[152] = 57;
    WriteFile(folder.Path() + "crafted.cfg", crafted);
    Load(form, "crafted.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'z'));
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "");
    HETHERMOOR_CONFIG record{};
    form->FormToConfig(record);
    EXPECT_EQ(record.BoardId, MAINBOARD_HETHERMOOR);
    EXPECT_EQ(record.nHsmcVoltage, 1);
    EXPECT_EQ(record.nHsmcDaughterId, 0);
}

}  // namespace hethermoor_form_test
