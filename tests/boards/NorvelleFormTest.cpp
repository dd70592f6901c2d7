// The Norvelle form end to end: its defaults, every group, cards on both
// Tavrel connectors and the DDR2 socket, the prefix check, the settings
// round trip and records of other boards.
#include <filesystem>
#include <utility>

#include "boards/cyclone2_3/NorvelleParts.h"
#include "boards/cyclone2_3/UI_Norvelle.h"
#include "boards/cyclone2_3/UI_Osterlin.h"
#include "model/Text.h"
#include "tests/boards/TavrelHsmcFormFixture.h"

namespace norvelle_form_test {

using namespace tavrelhsmc;

namespace {

constexpr int kTavrelDefault = 1, kNet = 3, kHdmi = 5;  // items of the Tavrel combos
const char* const kClash =
    "Tavrel23 and Tavrel1 cannot have the same prefix name when both connect to the same type of daughter boards.";

class NorvelleForm : public TavrelHsmcFormTest<TFormNorvelle, MAINBOARD_NORVELLE> {
protected:
    NorvelleForm() : TavrelHsmcFormTest("Norvelle") {}
};

}  // namespace

TEST_F(NorvelleForm, OpensWithItsDefaults)
{
    auto* form = Open();
    EXPECT_EQ(form->Caption(), "Norvelle");
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Norvelle FPGA Board");
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureWidth(), NORVELLE_PHOTO_WIDTH);
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureHeight(), NORVELLE_PHOTO_HEIGHT);
    EXPECT_EQ(form->EditProjectName->Text(), "Norvelle");
    const bool ticked[6] = {true, true, true, false, false, false};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(form->m_Groups.Entries()[i].Box->Checked(), ticked[i]) << i;
        EXPECT_EQ(form->m_Groups.Entries()[i].Shapes[0]->Visible(), ticked[i]) << i;
    }
    const std::vector<std::string> items = {"None",
                                            "Tavrel Default",
                                            "DVI - FullHD TX/RX",
                                            "NET - 10/100/1000 Ethernet",
                                            "Brask - High Speed ADC/DAC",
                                            "HDMI - FullHD TX/RX",
                                            "Tavrel Loopback"};
    for (TComboBox* combo : {form->ComboBoxTavrel23, form->ComboBoxTavrel1}) {
        ASSERT_EQ(combo->ItemCount(), static_cast<int>(items.size()));
        for (int i = 0; i < combo->ItemCount(); ++i) EXPECT_EQ(combo->ItemText(i), items[i]) << i;
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    EXPECT_EQ(form->EditPrefixTavrel23->Text(), "");
    for (TShape* shape : {form->ShapeTavrel1, form->ShapeTavrel2, form->ShapeTavrel3, form->ShapeTavrel23})
        EXPECT_FALSE(shape->Visible());
    EXPECT_FALSE(form->ImageTavrel23->Visible());

    // A card on Tavrel 2/3 marks both physical connectors; one on Tavrel 1
    // marks that one only.
    UserPick(form->ComboBoxTavrel23, kHdmi);
    EXPECT_TRUE(form->ShapeTavrel2->Visible());
    EXPECT_TRUE(form->ShapeTavrel3->Visible());
    EXPECT_TRUE(form->ShapeTavrel23->Visible());
    EXPECT_FALSE(form->ShapeTavrel1->Visible());
    EXPECT_TRUE(form->ImageTavrel23->Visible());
    UserPick(form->ComboBoxTavrel23, 0);
    UserPick(form->ComboBoxTavrel1, kNet);
    EXPECT_TRUE(form->ShapeTavrel1->Visible());
    EXPECT_FALSE(form->ShapeTavrel23->Visible());
    EXPECT_TRUE(form->ImageTavrel1->Visible());
}

TEST_F(NorvelleForm, DefaultProjectAndTheBridgeBus)
{
    auto* form = Open();
    const std::string project = Generate(form, "Norvelle");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Norvelle.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone III\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP3C120F780C7"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7"));
    EXPECT_EQ(Count(qsf, "DEVICE_FILTER_PIN_COUNT"), 0);
    EXPECT_EQ(BoardBlock(qsf), "");
    EXPECT_EQ(Count(qsf, "IO_STANDARD \"3.3-V LVTTL\""), 7);
    EXPECT_EQ(Count(qsf, "set_location_assignment"), 7);
    EXPECT_EQ(SignalAt(qsf, "AD12"), "LED[3]");
    EXPECT_EQ(SignalAt(qsf, "AF6"), "BUTTON[1]");
    EXPECT_TRUE(HasLine(ReadFile(project + "Norvelle.sdc"), "create_clock -period 10.000ns [get_ports OSC_100]"));
    EXPECT_NE(ReadFile(project + "Norvelle.htm").find("Norvelle FPGA Board Configuration"), std::string::npos);

    // The PCI bridge bus is kept in the record and changes nothing else.
    UserClick(form->m_Groups.Box(5));
    EXPECT_TRUE(form->Find<TShape>("ShapeBridge")->Visible());
    Generate(form, "Norvelle");
    EXPECT_EQ(ReadFile(project + "Norvelle.qsf"), qsf);
    EXPECT_EQ(RecordOf<NORVELLE_CONFIG>(Save(form, "pci.cfg")).bPCIBUS, 1);

    // The PIO header.
    UserClick(form->m_Groups.Box(3));
    const std::string pio = Generate(form, "pio");
    const std::string pioQsf = ReadFile(pio + "pio.qsf");
    EXPECT_EQ(SignalAt(pioQsf, "R24"), "GPIO[9]");
    EXPECT_EQ(StandardOf(pioQsf, "GPIO[0]"), "3.3-V LVTTL");
    ExpectCompiles({"Norvelle", "pio"});
}

TEST_F(NorvelleForm, CardsOnBothConnectorsAndTheSocket)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel23, kHdmi);
    UserPick(form->ComboBoxTavrel1, kHdmi);
    Generate(form, "cards");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kClash});
    EXPECT_TRUE(seam.dialogs.empty());
    // The box shows the last failed check.
    Generate(form, "");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kClash});

    UserType(form->EditPrefixTavrel1, "T1_");
    UserClick(form->m_Groups.Box(4));  // DDR2 SODIMM
    const std::string project = Generate(form, "cards");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "cards.qsf");
    const size_t ddr2 = qsf.find("# DDR2, DDR2 Sodimm Enabled\r\n");
    const size_t tavrel23 = qsf.find("# Tavrel_23, Tavrel2/Tavrel3 connect to HDMI - FullHD TX/RX\r\n");
    const size_t tavrel1 = qsf.find("# Tavrel_1, Tavrel1 connect to HDMI - FullHD TX/RX\r\n");
    EXPECT_LT(ddr2, tavrel23);
    EXPECT_LT(tavrel23, tavrel1);
    EXPECT_NE(tavrel1, std::string::npos);
    EXPECT_EQ(SignalAt(qsf, "G1"), "HDMI_RX_I2S[3]");
    EXPECT_EQ(SignalAt(qsf, "J26"), "T1_HDMI_RX_I2S[3]");
    EXPECT_EQ(SignalAt(qsf, "P28"), "T1_HDMI_RX_RD[8]");
    EXPECT_EQ(BoardBlock(qsf),
              "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n");
    // The module with single-ended strobes and no serial bus.
    EXPECT_EQ(Count(qsf, "\" -to mem_"), 112);
    EXPECT_EQ(SignalAt(qsf, "B7"), "mem_dq[4]");
    EXPECT_EQ(SignalAt(qsf, "C10"), "mem_dq[0]");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs[3]"), "SSTL-18 Class I");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs_n[0]"), "");
    EXPECT_EQ(StandardOf(qsf, "mem_SDA"), "");
    ExpectNoBallTwice(qsf);

    // P28 in use only with a card that has a pin there.
    UserPick(form->ComboBoxTavrel1, 0);
    const std::string without = Generate(form, "without");
    EXPECT_EQ(BoardBlock(ReadFile(without + "without.qsf")), "");
    ExpectCompiles({"cards", "without"});
}

// "Tavrel Default" has no pin map: a record keeps it like any card, and a
// generation with it on either connector is refused, naming the connector
// and the card, before the project dialog makes a folder.
TEST_F(NorvelleForm, TavrelDefaultIsKeptButNeverGenerated)
{
    auto* form = Open();
    const std::pair<TComboBox*, const char*> connectors[] = {{form->ComboBoxTavrel23, "Tavrel 2/3"},
                                                             {form->ComboBoxTavrel1, "Tavrel 1"}};
    for (const auto& [combo, label] : connectors) {
        SCOPED_TRACE(label);
        UserPick(combo, kTavrelDefault);
        Generate(form, "nomap");
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"The card \"Tavrel Default\" on " + std::string(label) +
                                                              " has no pin map: no project can be generated with it."});
        EXPECT_TRUE(seam.dialogs.empty());
        UserPick(combo, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));

    UserPick(form->ComboBoxTavrel1, kTavrelDefault);
    UserType(form->EditPrefixTavrel1, "T_");
    const NORVELLE_CONFIG saved = RecordOf<NORVELLE_CONFIG>(Save(form, "nomap.cfg"));
    EXPECT_EQ(saved.nTavrel1DaughterId, 5);
    EXPECT_EQ(std::string(saved.szTavrel1PrefixName), "T_");
    form = Open();
    Load(form, BytesOf(saved));
    EXPECT_EQ(form->ComboBoxTavrel1->ItemIndex(), kTavrelDefault);
    EXPECT_EQ(form->EditPrefixTavrel1->Text(), "T_");
}

TEST_F(NorvelleForm, SettingsRoundTripAndRecordsOfOtherBoards)
{
    auto* form = Open();
    UserType(form->EditProjectName, "Trip");
    UserPick(form->ComboBoxTavrel1, kNet);
    UserType(form->EditPrefixTavrel1, "N_");
    UserType(form->EditPrefixTavrel23, "kept");  // typed while "None"
    const NORVELLE_CONFIG saved = RecordOf<NORVELLE_CONFIG>(Save(form, "trip.cfg"));
    EXPECT_EQ(saved.BoardId, MAINBOARD_NORVELLE);
    EXPECT_EQ(saved.Size, 404);
    EXPECT_EQ(saved.nTavrel1DaughterId, 7);
    EXPECT_EQ(std::string(saved.szTavrel1PrefixName), "N_");
    EXPECT_EQ(std::string(saved.szTavrel23PrefixName), "kept");

    // Ids the list does not hold leave the combos as they are: an id held
    // in 32 bits whose low byte is a listed card, and a Tavrel card not
    // offered.
    UserPick(form->ComboBoxTavrel23, kHdmi);
    NORVELLE_CONFIG crafted = saved;
    crafted.nTavrel1DaughterId = 0x106;
    crafted.nTavrel23DaughterId = 16;
    Load(form, BytesOf(crafted));
    EXPECT_EQ(form->ComboBoxTavrel1->ItemIndex(), kNet);
    EXPECT_EQ(form->ComboBoxTavrel23->ItemIndex(), kHdmi);
    EXPECT_EQ(form->EditPrefixTavrel23->Text(), "kept");
    // The prefix typed while "None" stays in the record but is not shown.
    Load(form, BytesOf(saved));
    EXPECT_EQ(form->ComboBoxTavrel23->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixTavrel23->Text(), "");
    EXPECT_EQ(form->EditPrefixTavrel1->Text(), "N_");
    EXPECT_EQ(form->EditProjectName->Text(), "Trip");

    // A settings file of the Osterlin board has this record's size: it is
    // read with this board's layout, and written back as this board's.
    auto* osterlin = OpenOther<TFormOsterlin>(MAINBOARD_OSTERLIN);
    const std::string other = Save(osterlin, "osterlin.cfg");
    ASSERT_EQ(other.size(), 404u);
    form = Open();
    Load(form, other);
    EXPECT_EQ(form->EditProjectName->Text(), "Osterlin");
    const bool ticked[6] = {false, true, true, true, true, true};  // Osterlin's bytes 136 to 141
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(form->m_Groups.Box(i)->Checked(), ticked[i]) << i;
    const NORVELLE_CONFIG written = RecordOf<NORVELLE_CONFIG>(Save(form, "back.cfg"));
    EXPECT_EQ(written.BoardId, MAINBOARD_NORVELLE);
    const std::string project = Generate(form, "fromOsterlin");
    EXPECT_TRUE(FileExists(project + "fromOsterlin.qsf"));
}

}  // namespace norvelle_form_test
