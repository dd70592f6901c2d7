// The Nethercoy form end to end: its defaults, every group, each board type
// and both modes, cards on the GPIO headers, the Tavrel connectors and the
// DDR2 socket, the prefix checks, the settings round trip and crafted
// records.
#include <cstring>
#include <filesystem>
#include <random>

#include "boards/cyclone2_3/NethercoyParts.h"
#include "boards/cyclone2_3/UI_Nethercoy.h"
#include "model/Text.h"
#include "tests/boards/TavrelHsmcFormFixture.h"

namespace nethercoy_form_test {

using namespace tavrelhsmc;

namespace {

const std::vector<std::string> kTavrelItems = {"None",
                                               "Tavrel Default",
                                               "DVI - FullHD TX/RX",
                                               "NET - 10/100/1000 Ethernet",
                                               "Brask - High Speed ADC/DAC",
                                               "HDMI - FullHD TX/RX",
                                               "Tavrel Loopback"};
constexpr int kTavrelDefault = 1, kNet = 3, kHdmi = 5, kLoopback = 6;  // items of the Tavrel combos
constexpr int kGpioDefault = 1;  // "GPIO Default - 2.5V" in the GPIO combos

std::vector<std::string> Items(const TComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->ItemText(i));
    return items;
}

const char* const kGpioClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

class NethercoyForm : public TavrelHsmcFormTest<TFormNethercoy, MAINBOARD_NETHERCOY> {
protected:
    NethercoyForm() : TavrelHsmcFormTest("Nethercoy") {}
    NETHERCOY_CONFIG Saved(TFormNethercoy* form)
    {
        return RecordOf<NETHERCOY_CONFIG>(Save(form, "saved.cfg"));
    }
};

}  // namespace

TEST_F(NethercoyForm, OpensWithItsDefaults)
{
    auto* form = Open();
    EXPECT_EQ(form->Caption(), "Nethercoy");
    EXPECT_EQ(main->ClientHeight(), form->Height());
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Nethercoy FPGA Board");
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureWidth(), NETHERCOY_PHOTO_WIDTH);
    EXPECT_EQ(form->Find<TImage>("ImageBoard")->PictureHeight(), NETHERCOY_PHOTO_HEIGHT);
    // The two logos over "Change Main Board" and the board's panel.
    for (const char* logo : {"ImageLogo", "ImageFpgaLogo"}) {
        const auto* image = form->Find<TImage>(logo);
        EXPECT_TRUE(image->Visible()) << logo;
        EXPECT_GT(image->PictureWidth(), 0) << logo;
        EXPECT_LE(image->Top() + image->Height(), form->ButtonMainBoardSelect->Top()) << logo;
    }
    EXPECT_LE(form->ButtonMainBoardSelect->Top() + form->ButtonMainBoardSelect->Height(),
              form->FindControl("PanelBoard")->Top());
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting");
    EXPECT_EQ(form->ButtonDefaultSetting, nullptr);
    EXPECT_EQ(form->EditProjectName->Text(), "Nethercoy");
    // Every name edit holds what a record field holds.
    for (TEdit* edit : {form->EditProjectName, form->EditGPIO[0], form->EditGPIO[1], form->EditTavrel[0],
                        form->EditTavrel[1], form->EditTavrel[2], form->EditTavrel[3]}) {
        UserType(edit, std::string(200, 'x'));
        EXPECT_EQ(edit->Text().size(), 127u);
        UserType(edit, "");
    }
    UserType(form->EditProjectName, "Nethercoy");
    EXPECT_EQ(Items(form->ComboBoxBoard), (std::vector<std::string>{"Nethercoy 150", "Nethercoy 260", "Nethercoy 340C2",
                                                                     "Nethercoy 340C3", "Nethercoy 150ES"}));
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    const auto& boxes = form->m_Groups.Entries();
    ASSERT_EQ(boxes.size(), 12u);
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].Box->Checked(), i < 10) << i;
        for (TShape* shape : boxes[i].Shapes) EXPECT_EQ(shape->Visible(), i < 10) << i;
    }
    for (TComboBox* combo : form->ComboBoxTavrel) {
        EXPECT_EQ(Items(combo), kTavrelItems);
        EXPECT_EQ(combo->ItemIndex(), 0);
        EXPECT_TRUE(combo->Visible() || combo == form->ComboBoxTavrel[NETHERCOY_TAVREL_A]);
    }
    for (TComboBox* combo : form->ComboBoxGPIO) {
        EXPECT_EQ(Items(combo), (std::vector<std::string>{"None", "GPIO Default - 2.5V"}));
        EXPECT_FALSE(combo->Visible());
    }
    EXPECT_TRUE(form->ComboBoxTavrel[NETHERCOY_TAVREL_A]->Visible());
    EXPECT_EQ(form->LabelTavrel_A->Caption(), "Tavrel-A");
    EXPECT_FALSE(form->LabelGPIO->Visible());
    for (TShape* shape : form->ShapeTavrel) EXPECT_FALSE(shape->Visible());
    for (TImage* image : form->ImageTavrel) EXPECT_FALSE(image->Visible());
    EXPECT_FALSE(form->ImageGPIO->Visible());
}

TEST_F(NethercoyForm, DefaultProject)
{
    auto* form = Open();
    const std::string project = Generate(form, "Nethercoy");
    // No box on success.
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Nethercoy.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Stratix III\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP3SL150F1152C3"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 1152"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 2"));
    EXPECT_EQ(BoardBlock(qsf), "");
    // 131 pins, of which the board's data locates 15.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\""), 131);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 15);
    EXPECT_EQ(SignalAt(qsf, "T33"), "OSC1_50");
    EXPECT_EQ(SignalAt(qsf, "N32"), "OTG_A[1]");
    EXPECT_EQ(StandardOf(qsf, "LEDB[7]"), "3.3-V LVTTL");
    EXPECT_EQ(SignalAt(qsf, "K1"), "BUTTON[0]");
    const std::string sdc = ReadFile(project + "Nethercoy.sdc");
    EXPECT_EQ(Count(sdc, "create_clock -period 20.000ns"), 6);
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports OSC_BD]"));
    const std::string top = ReadFile(project + "Nethercoy.v");
    EXPECT_NE(ReadFile(project + "Nethercoy.htm").find("Nethercoy FPGA Board Configuration"), std::string::npos);
    EXPECT_TRUE(FileExists(project + "Nethercoy.qpf"));
    ExpectNoBallTwice(qsf);
    ExpectCompiles({"Nethercoy"});
}

TEST_F(NethercoyForm, BoardTypeThroughSaveLoadAndGenerate)
{
    auto* form = Open();
    UserPick(form->ComboBoxBoard, 3);  // "Nethercoy 340C3"
    const NETHERCOY_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nBoardType, 3);
    UserPick(form->ComboBoxBoard, 0);
    Load(form, BytesOf(saved));
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 3);
    const std::string project = Generate(form, "type340");
    const std::string qsf = ReadFile(project + "type340.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP3SL340H1152C3"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 3"));
}

TEST_F(NethercoyForm, GpioHeaderMode)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel[NETHERCOY_TAVREL_A], kHdmi);
    UserType(form->EditTavrel[NETHERCOY_TAVREL_A], "A_");
    UserClick(form->CheckBoxGpioHeader);
    EXPECT_EQ(form->LabelTavrel_A->Caption(), "GPIO-1");
    EXPECT_FALSE(form->ComboBoxTavrel[NETHERCOY_TAVREL_A]->Visible());
    EXPECT_FALSE(form->EditTavrel[NETHERCOY_TAVREL_A]->Visible());
    for (int h = 0; h < 2; ++h) {
        EXPECT_TRUE(form->ComboBoxGPIO[h]->Visible());
        EXPECT_TRUE(form->EditGPIO[h]->Visible());
        EXPECT_TRUE(form->ComboBoxGPIO[h]->Enabled());
    }
    EXPECT_TRUE(form->LabelGPIO->Visible());
    EXPECT_FALSE(form->ShapeTavrel[NETHERCOY_TAVREL_A]->Visible());

    UserPick(form->ComboBoxGPIO[0], kGpioDefault);
    UserType(form->EditGPIO[0], "J1_");
    EXPECT_TRUE(form->ShapeGPIO[0]->Visible());
    EXPECT_FALSE(form->ShapeGPIO[1]->Visible());
    EXPECT_TRUE(form->ImageGPIO->Visible());
    EXPECT_FALSE(form->ImageTavrel[NETHERCOY_TAVREL_A]->Visible());  // GPIO_1 has no card
    const NETHERCOY_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.bGpioHeader, 1);
    EXPECT_EQ(saved.nGpioDaughterId[0], 85);
    EXPECT_EQ(std::string(saved.szGpioPrefixName[0]), "J1_");
    EXPECT_EQ(saved.nGpioDaughterId[1], 0);
    EXPECT_EQ(saved.nTavrelDaughterId[NETHERCOY_TAVREL_A], 0);
    EXPECT_EQ(std::string(saved.szTavrelPrefixName[NETHERCOY_TAVREL_A]), "");

    UserType(form->EditGPIO[0], "x");
    Load(form, BytesOf(saved));
    EXPECT_EQ(form->EditGPIO[0]->Text(), "J1_");
    EXPECT_EQ(form->LabelTavrel_A->Caption(), "GPIO-1 Header");

    const std::string project = Generate(form, "gpio");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "gpio.qsf");
    EXPECT_NE(qsf.find("# GPIO_0, GPIO_0 connect to GPIO Default - 2.5V\r\n"), std::string::npos);
    EXPECT_EQ(Count(qsf, "\" -to J1_GPIO_"), 36);
    EXPECT_EQ(SignalAt(qsf, "AE32"), "J1_GPIO_CLKIN[0]");
    EXPECT_EQ(StandardOf(qsf, "J1_GPIO_D[31]"), "3.3-V LVTTL");
    EXPECT_EQ(qsf.find("Tavrel-A"), std::string::npos);
    ExpectNoBallTwice(qsf);

    // A card on GPIO_1 alone, with its prefix, survives a save and a load.
    UserPick(form->ComboBoxGPIO[0], 0);
    UserPick(form->ComboBoxGPIO[1], kGpioDefault);
    UserType(form->EditGPIO[1], "J2_");
    EXPECT_TRUE(form->ImageTavrel[NETHERCOY_TAVREL_A]->Visible());
    const NETHERCOY_CONFIG second = Saved(form);
    UserType(form->EditGPIO[1], "");
    Load(form, BytesOf(second));
    EXPECT_EQ(form->ComboBoxGPIO[1]->ItemIndex(), kGpioDefault);
    EXPECT_EQ(form->EditGPIO[1]->Text(), "J2_");
    const std::string project1 = Generate(form, "gpio1");
    const std::string qsf1 = ReadFile(project1 + "gpio1.qsf");
    EXPECT_EQ(SignalAt(qsf1, "AP19"), "J2_GPIO_CLKIN[0]");
    EXPECT_EQ(qsf1.find("GPIO_0,"), std::string::npos);

    // Unticking the mode brings Tavrel-A back and hides the GPIO controls;
    // the GPIO-0 picture stays as it was.
    UserPick(form->ComboBoxGPIO[0], kGpioDefault);
    EXPECT_TRUE(form->ImageGPIO->Visible());
    UserClick(form->CheckBoxGpioHeader);
    EXPECT_EQ(form->LabelTavrel_A->Caption(), "Tavrel-A");
    EXPECT_TRUE(form->ComboBoxTavrel[NETHERCOY_TAVREL_A]->Visible());
    EXPECT_TRUE(form->EditTavrel[NETHERCOY_TAVREL_A]->Visible());
    EXPECT_FALSE(form->ComboBoxGPIO[0]->Visible());
    EXPECT_TRUE(form->ImageGPIO->Visible());
    UserClick(form->CheckBoxGpioHeader);
    UserPick(form->ComboBoxGPIO[0], 0);
    UserClick(form->CheckBoxGpioHeader);
    EXPECT_FALSE(form->ImageGPIO->Visible());
    // Showing a record without the mode names the connector Tavrel-A again.
    UserClick(form->CheckBoxGpioHeader);
    NETHERCOY_CONFIG plain = saved;
    plain.bGpioHeader = 0;
    Load(form, BytesOf(plain));
    EXPECT_EQ(form->LabelTavrel_A->Caption(), "Tavrel-A");
    ExpectCompiles({"gpio", "gpio1"});
}

TEST_F(NethercoyForm, Ddr2SodimmMode)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel[NETHERCOY_TAVREL_B], kNet);
    UserType(form->EditTavrel[NETHERCOY_TAVREL_B], "B_");
    EXPECT_TRUE(form->ShapeTavrel[NETHERCOY_TAVREL_B]->Visible());
    UserClick(form->CheckBoxDDR2);
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_B]->ItemIndex(), 0);
    EXPECT_EQ(form->EditTavrel[NETHERCOY_TAVREL_B]->Text(), "");
    EXPECT_FALSE(form->ComboBoxTavrel[NETHERCOY_TAVREL_B]->Enabled());
    EXPECT_TRUE(form->EditTavrel[NETHERCOY_TAVREL_B]->Enabled());
    // The picture of the memory module takes Tavrel-B's place.
    EXPECT_TRUE(form->ImageTavrel[NETHERCOY_TAVREL_B]->Visible());
    EXPECT_TRUE(form->ImageTavrel[NETHERCOY_TAVREL_B]->HasPicture());
    EXPECT_TRUE(form->Find<TShape>("ShapeDDR2")->Visible());
    EXPECT_FALSE(form->ShapeTavrel[NETHERCOY_TAVREL_B]->Visible());

    const std::string project = Generate(form, "ddr2");
    const std::string qsf = ReadFile(project + "ddr2.qsf");
    EXPECT_NE(qsf.find("# DDR2 SODIMM, DDR2 SODIMM\r\n"), std::string::npos);
    EXPECT_EQ(Count(qsf, "\" -to mem_"), 121);
    EXPECT_EQ(SignalAt(qsf, "AE7"), "mem_dq[4]");
    EXPECT_EQ(StandardOf(qsf, "mem_dq[4]"), "SSTL-18 Class I");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs[0]"), "Differential 1.8-V SSTL Class I");
    EXPECT_EQ(StandardOf(qsf, "mem_dqs_n[7]"), "Differential 1.8-V SSTL Class I");
    EXPECT_EQ(StandardOf(qsf, "mem_SDA"), "3.3-V LVTTL");
    EXPECT_EQ(StandardOf(qsf, "mem_SA[0]"), "");
    EXPECT_EQ(qsf.find("Tavrel-B"), std::string::npos);
    ExpectNoBallTwice(qsf);

    // Unticked, Tavrel-B is free again.
    UserClick(form->CheckBoxDDR2);
    EXPECT_TRUE(form->ComboBoxTavrel[NETHERCOY_TAVREL_B]->Enabled());
    EXPECT_FALSE(form->ImageTavrel[NETHERCOY_TAVREL_B]->Visible());
    ExpectCompiles({"ddr2"});
}

TEST_F(NethercoyForm, CardsOnEveryTavrelConnector)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel[0], kLoopback);
    UserType(form->EditTavrel[0], "A_");
    UserPick(form->ComboBoxTavrel[1], kNet);
    UserType(form->EditTavrel[1], "B_");
    UserPick(form->ComboBoxTavrel[2], kHdmi);
    UserType(form->EditTavrel[2], "C_");
    UserPick(form->ComboBoxTavrel[3], kNet);
    UserType(form->EditTavrel[3], "D_");
    for (int t = 0; t < 4; ++t) {
        EXPECT_TRUE(form->ShapeTavrel[t]->Visible()) << t;
        EXPECT_TRUE(form->ImageTavrel[t]->Visible()) << t;
    }
    const std::string project = Generate(form, "tavrel");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "tavrel.qsf");
    for (const char* block : {"# Tavrel-A, Tavrel-A connect to Tavrel Loopback\r\n",
                              "# Tavrel-B, Tavrel-B connect to NET - 10/100/1000 Ethernet\r\n",
                              "# Tavrel-C, Tavrel-C connect to HDMI - FullHD TX/RX\r\n",
                              "# Tavrel-D, Tavrel-D connect to NET - 10/100/1000 Ethernet\r\n"})
        EXPECT_NE(qsf.find(block), std::string::npos) << block;
    // The Tavrel card at position 3 of Tavrel-C; the HSMC card of Tavrel-D
    // at its position 3 through the Tavrel-to-HSMC map.
    EXPECT_EQ(SignalAt(qsf, "L16"), "C_HDMI_RX_I2S[3]");
    EXPECT_EQ(StandardOf(qsf, "C_HDMI_RX_I2S[3]"), "3.3-V LVTTL");
    EXPECT_EQ(SignalAt(qsf, "L20").rfind("D_", 0), 0u) << SignalAt(qsf, "L20");
    EXPECT_EQ(SignalAt(qsf, "AD16").rfind("B_", 0), 0u) << SignalAt(qsf, "AD16");
    EXPECT_NE(qsf.find("\" -to A_"), std::string::npos);
    ExpectNoBallTwice(qsf);
    ExpectCompiles({"tavrel"});
}

// "Tavrel Default" has no pin map: a record keeps it like any card, and a
// generation with it on any Tavrel connector is refused, naming the
// connector and the card, before the project dialog makes a folder.
TEST_F(NethercoyForm, TavrelDefaultIsKeptButNeverGenerated)
{
    auto* form = Open();
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(t);
        UserPick(form->ComboBoxTavrel[t], kTavrelDefault);
        Generate(form, "nomap");
        EXPECT_EQ(seam.ErrorTexts(),
                  std::vector<std::string>{Format("The card \"Tavrel Default\" on Tavrel-%c has no pin map: no "
                                                  "project can be generated with it.",
                                                  'A' + t)});
        EXPECT_TRUE(seam.dialogs.empty());
        UserPick(form->ComboBoxTavrel[t], 0);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));

    UserPick(form->ComboBoxTavrel[NETHERCOY_TAVREL_B], kTavrelDefault);
    UserType(form->EditTavrel[NETHERCOY_TAVREL_B], "T_");
    const NETHERCOY_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nTavrelDaughterId[NETHERCOY_TAVREL_B], 5);
    EXPECT_EQ(std::string(saved.szTavrelPrefixName[NETHERCOY_TAVREL_B]), "T_");
    form = Open();
    Load(form, BytesOf(saved));
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_B]->ItemIndex(), kTavrelDefault);
    EXPECT_EQ(form->EditTavrel[NETHERCOY_TAVREL_B]->Text(), "T_");
    EXPECT_TRUE(form->ShapeTavrel[NETHERCOY_TAVREL_B]->Visible());
}

TEST_F(NethercoyForm, PrefixChecks)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel[2], kHdmi);
    UserPick(form->ComboBoxTavrel[3], kHdmi);
    Generate(form, "clash");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Tavrel-C and Tavrel-D cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    EXPECT_TRUE(seam.dialogs.empty());
    // Save refuses as well, before any dialog.
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_EQ(seam.ErrorTexts().size(), 1u);
    EXPECT_TRUE(seam.dialogs.empty());

    // A taken-over connector takes no part: Tavrel-A in GPIO Header mode.
    UserPick(form->ComboBoxTavrel[3], 0);
    UserPick(form->ComboBoxTavrel[0], kHdmi);
    UserClick(form->CheckBoxGpioHeader);
    // Both headers with the same card, prefixes differing in case only: no
    // clash for the form; the run then refuses the names that Quartus would
    // take for one.
    UserPick(form->ComboBoxGPIO[0], kGpioDefault);
    UserPick(form->ComboBoxGPIO[1], kGpioDefault);
    UserType(form->EditGPIO[0], "a");
    UserType(form->EditGPIO[1], "A");
    Generate(form, "cases");
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.ErrorTexts(), (std::vector<std::string>{
                                     "Signal name AGPIO_CLKIN[0] is used more than once in this project.",
                                     "Failed to generate Quartus project: cases.qpf."}));
    // Two different prefixes: two copies of the card, one per header.
    UserType(form->EditGPIO[1], "b");
    const std::string project = Generate(form, "cases");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(Count(ReadFile(project + "cases.qsf"), "GPIO_CLKIN[0]\r\n"), 4);

    // The box shows the last failed check: a GPIO clash over an empty name.
    UserType(form->EditGPIO[1], "a");
    Generate(form, "");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kGpioClash});
    // The Tavrel check runs only when nothing failed before it.
    UserType(form->EditGPIO[1], "b");
    UserPick(form->ComboBoxTavrel[3], kHdmi);
    Generate(form, "");
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
    // A prefix that makes no legal name.
    UserPick(form->ComboBoxTavrel[3], 0);
    UserType(form->EditTavrel[2], "9x");
    Generate(form, "named");
    ASSERT_EQ(seam.ErrorTexts().size(), 1u);
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(NethercoyForm, RecordsFromFiles)
{
    // A 924-byte default.cfg written by another board is taken as this
    // board's record; the next generation writes this board's head.
    auto* first = Open();
    NETHERCOY_CONFIG foreign = Saved(first);
    foreign.BoardId = MAINBOARD_BRACKWELL;
    foreign.nBoardType = 9;                               // outside the list
    foreign.nTavrelDaughterId[NETHERCOY_TAVREL_C] = 16;   // a Tavrel card not offered
    foreign.nTavrelDaughterId[NETHERCOY_TAVREL_D] = 15;
    WriteFixedText(foreign.szTavrelPrefixName[NETHERCOY_TAVREL_D], 128, "D_");
    std::memset(foreign.szProjectName, 'p', 128);  // no zero in the field
    foreign.bSEG7 = 7;
    auto* form = Open(BytesOf(foreign));
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_C]->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_D]->ItemIndex(), kHdmi);
    EXPECT_EQ(form->EditTavrel[NETHERCOY_TAVREL_D]->Text(), "D_");
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'p'));
    EXPECT_TRUE(form->m_Groups.Box(2)->Checked());
    const NETHERCOY_CONFIG written = Saved(form);
    EXPECT_EQ(written.BoardId, MAINBOARD_NETHERCOY);
    EXPECT_EQ(written.Size, 924);
    EXPECT_EQ(written.nBoardType, 0);
    EXPECT_EQ(written.nTavrelDaughterId[NETHERCOY_TAVREL_C], 0);
    EXPECT_EQ(written.bSEG7, 1);
    EXPECT_EQ(std::string(written.szProjectName), std::string(127, 'p'));
    const std::string project = Generate(form, "foreign");
    EXPECT_TRUE(HasLine(ReadFile(project + "foreign.qsf"), "set_global_assignment -name DEVICE EP3SL150F1152C3"));

    // A file of another size changes nothing and shows nothing.
    UserType(form->EditProjectName, "Kept");
    seam.boxes.clear();
    Load(form, std::string(923, '\1'));
    Load(form, std::string(925, '\0'));
    EXPECT_EQ(form->EditProjectName->Text(), "Kept");
    EXPECT_TRUE(seam.boxes.empty());

    // Crafted records of the right size never crash the form: each is shown,
    // and a generation either runs or is refused with a box.
    std::mt19937 random(6);
    for (int n = 0; n < 12; ++n) {
        std::string bytes(sizeof(NETHERCOY_CONFIG), '\0');
        for (char& b : bytes) b = static_cast<char>(random() % (n % 2 ? 256 : 4));
        Load(form, bytes);
        Generate(form, "crafted");
        UserClick(form->CheckBoxGpioHeader);
        UserClick(form->CheckBoxDDR2);
        Generate(form, "crafted");
    }
}

// A record whose Tavrel card is not in the connector's list leaves that
// connector's card and prefix both as they were: the form never pairs the
// card it shows with the prefix of another.
TEST_F(NethercoyForm, AnUnlistedTavrelCardLeavesCardAndPrefixAsTheyWere)
{
    auto* form = Open();
    UserPick(form->ComboBoxTavrel[NETHERCOY_TAVREL_C], kHdmi);
    UserType(form->EditTavrel[NETHERCOY_TAVREL_C], "H_");
    NETHERCOY_CONFIG record = Saved(form);
    record.nTavrelDaughterId[NETHERCOY_TAVREL_C] = 16;  // not in the list
    WriteFixedText(record.szTavrelPrefixName[NETHERCOY_TAVREL_C], 128, "F_");
    record.nTavrelDaughterId[NETHERCOY_TAVREL_D] = 7;
    WriteFixedText(record.szTavrelPrefixName[NETHERCOY_TAVREL_D], 128, "N_");
    Load(form, BytesOf(record));
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_C]->ItemIndex(), kHdmi);
    EXPECT_EQ(form->EditTavrel[NETHERCOY_TAVREL_C]->Text(), "H_");
    EXPECT_EQ(form->ComboBoxTavrel[NETHERCOY_TAVREL_D]->ItemIndex(), kNet);
    EXPECT_EQ(form->EditTavrel[NETHERCOY_TAVREL_D]->Text(), "N_");
    const NETHERCOY_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nTavrelDaughterId[NETHERCOY_TAVREL_C], 15);
    EXPECT_EQ(std::string(saved.szTavrelPrefixName[NETHERCOY_TAVREL_C]), "H_");
}

TEST_F(NethercoyForm, DefaultCfgFollowsTheForm)
{
    auto* form = Open();
    UserType(form->EditProjectName, "Kept");
    UserClick(form->CheckBoxDDR2);
    UserPick(form->ComboBoxBoard, 2);
    // Another board's form replaces this one: default.cfg holds the controls.
    main->OpenBoardForm(MAINBOARD_OSTERLIN);
    const NETHERCOY_CONFIG left = RecordOf<NETHERCOY_CONFIG>(ReadFile(DefaultCfg()));
    EXPECT_EQ(std::string(left.szProjectName), "Kept");
    EXPECT_EQ(left.bDDR2, 1);
    EXPECT_EQ(left.nBoardType, 2);
    main->OpenBoardForm(MAINBOARD_NETHERCOY);
    auto* again = dynamic_cast<TFormNethercoy*>(main->BoardForm());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->EditProjectName->Text(), "Kept");
    EXPECT_TRUE(again->CheckBoxDDR2->Checked());
    EXPECT_FALSE(again->ComboBoxTavrel[NETHERCOY_TAVREL_B]->Enabled());
    EXPECT_EQ(again->ComboBoxBoard->ItemIndex(), 2);
}

}  // namespace nethercoy_form_test
