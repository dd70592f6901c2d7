// The Quartus project file and settings file: stamps, device lines, pin
// blocks and the board-specific blocks.
#include "generate/Pinloom.h"
#include "model/Text.h"
#include "tests/generate/GenerateSupport.h"

namespace quartus_files_test {

namespace {

const std::string kSep = "#============================================================";

std::string QsfOf(TMainBoard& board, const std::string& base = "demo")
{
    TempFolder folder;
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.WriteQsf(&board, folder.Path() + base + ".qsf"));
    return ReadFile(folder.Path() + base + ".qsf");
}

// The board block is what stands between the PROJECT_OUTPUT_DIRECTORY line
// and the end banner when the board has no connectors.
std::string BoardBlockOf(TMainBoard& board)
{
    const std::string qsf = QsfOf(board);
    const std::string start = "set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n";
    const std::string end = "\r\n" + kSep + "\r\n# End of pin assignments by Kalvora Pinloom\r\n";
    size_t a = qsf.find(start);
    size_t b = qsf.rfind(end);
    EXPECT_NE(a, std::string::npos);
    EXPECT_NE(b, std::string::npos);
    a += start.size();
    return qsf.substr(a, b - a);
}

}  // namespace

TEST(QuartusProjectFile, SixLinesWithEnglishStamp)
{
    SeamRecorder seam;
    seam.SetNow(2026, 3, 4, 9, 5, 7);
    TempFolder folder;
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.WriteQpf(folder.Path() + "demo.qpf"));
    EXPECT_EQ(ReadFile(folder.Path() + "demo.qpf"),
              "DATE = \"09:05:07 March 04, 2026\"\r\n"
              "QUARTUS_VERSION = \"13.0\"\r\n"
              "\r\n"
              "# Revisions\r\n"
              "\r\n"
              "PROJECT_REVISION = \"demo\"\r\n");
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(QuartusProjectFile, EveryMonthHasItsEnglishName)
{
    const char* const names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    SeamRecorder seam;
    TempFolder folder;
    TPinloom pinloom;
    for (int month = 1; month <= 12; ++month) {
        seam.SetNow(1999, month, 31, 23, 59, 0);
        ASSERT_TRUE(pinloom.WriteQpf(folder.Path() + "p.qpf"));
        EXPECT_EQ(SplitCrLf(ReadFile(folder.Path() + "p.qpf"))[0],
                  std::string("DATE = \"23:59:00 ") + names[month - 1] + " 31, 1999\"");
    }
}

TEST(QuartusSettingsFile, WholeFileOfTheDemoBoard)
{
    SeamRecorder seam;
    TMainBoard board;
    BuildDemoBoard(board);
    board.SortConnectorPins();
    const std::string io = "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to ";
    EXPECT_EQ(QsfOf(board),
              CrLfLines({kSep,
                         "# Build by Kalvora Pinloom",
                         kSep,
                         "",
                         "set_global_assignment -name FAMILY \"Cyclone V\"",
                         "set_global_assignment -name DEVICE 5CSEMA5F31C6",
                         "set_global_assignment -name TOP_LEVEL_ENTITY \"demo\"",
                         "set_global_assignment -name ORIGINAL_QUARTUS_VERSION \"13.0\"",
                         "set_global_assignment -name LAST_QUARTUS_VERSION \"13.0\"",
                         "set_global_assignment -name PROJECT_CREATION_TIME_DATE \"09:05:07 MARCH 04,2026\"",
                         "set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA",
                         "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896",
                         "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 6",
                         "set_global_assignment -name SDC_FILE demo.sdc",
                         "set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files",
                         "",
                         kSep,
                         "# CLOCK",
                         kSep,
                         io + "CLOCK2_50",
                         io + "CLOCK_50",
                         "set_location_assignment PIN_AA16 -to CLOCK2_50",
                         "set_location_assignment PIN_AF14 -to CLOCK_50",
                         "",
                         kSep,
                         "# KEY",
                         kSep,
                         io + "KEY[0]",
                         io + "KEY[1]",
                         io + "KEY[3]",
                         "set_location_assignment PIN_AJ4 -to KEY[0]",
                         "set_location_assignment PIN_AK4 -to KEY[1]",
                         "set_location_assignment PIN_AA15 -to KEY[3]",
                         "",
                         kSep,
                         "# LED, Red LEDs",
                         kSep,
                         io + "LEDR[0]",
                         io + "LEDR[3]",
                         io + "LEDR[7]",
                         "set_location_assignment PIN_AA24 -to LEDR[0]",
                         "set_location_assignment PIN_AD24 -to LEDR[3]",
                         "set_location_assignment PIN_AC22 -to LEDR[7]",
                         "",
                         kSep,
                         "# HPS",
                         kSep,
                         "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to HPS_DDR3_DQ[0]",
                         io + "HPS_LED",
                         "",
                         kSep,
                         "# GPIO, GPIO connect to Tiny Card",
                         kSep,
                         io + "T_BTN",
                         io + "T_LED[0]",
                         io + "T_LED[1]",
                         io + "T_SDA",
                         "set_location_assignment PIN_Y16 -to T_BTN",
                         "set_location_assignment PIN_AK2 -to T_LED[0]",
                         "set_location_assignment PIN_W15 -to T_LED[1]",
                         "set_location_assignment PIN_AK3 -to T_SDA",
                         "",
                         kSep,
                         "# FMC, FMC connect to Tiny FMC",
                         kSep,
                         io + "ZETA",
                         io + "ALPHA",
                         "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to MID",
                         "set_location_assignment PIN_H1 -to ZETA",
                         "set_location_assignment PIN_H2 -to ALPHA",
                         "set_location_assignment PIN_H3 -to MID",
                         "",
                         kSep,
                         "# End of pin assignments by Kalvora Pinloom",
                         kSep,
                         ""}));
}

TEST(QuartusSettingsFile, DeviceFilterLines)
{
    struct Case {
        int32_t pinCount;
        int32_t speedGrade;
        const char* speedGradeText;
        const char* package;
        std::vector<std::string> expected;
    };
    const std::string pins = "set_global_assignment -name DEVICE_FILTER_PIN_COUNT ";
    const std::string speed = "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE ";
    const Case cases[] = {
        {0, 0, "", "", {}},
        {-1, 0, "", "FBGA", {"set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA"}},
        {484, 7, "", "", {pins + "484", speed + "7"}},
        {0, 6, "8_H6", "", {speed + "8_H6"}},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        TMainBoard board;
        board.m_BoardId = MAINBOARD_NETHERCOY;
        board.m_Family = "Cyclone IV E";
        board.m_Device = "EP4CE22F17C6";
        board.m_DevicePinCount = c.pinCount;
        board.m_SpeedGrade = c.speedGrade;
        board.m_SpeedGradeText = c.speedGradeText;
        board.m_Package = c.package;
        std::vector<std::string> lines = SplitCrLf(QsfOf(board));
        // Head: 4 banner lines, 6 fixed lines, then the filter lines, then SDC_FILE.
        std::vector<std::string> filters(lines.begin() + 10, lines.begin() + 10 + c.expected.size());
        EXPECT_EQ(filters, c.expected) << c.pinCount << " " << c.speedGradeText;
        EXPECT_EQ(lines[10 + c.expected.size()], "set_global_assignment -name SDC_FILE demo.sdc");
    }
}

TEST(QuartusSettingsFile, ConnectorsWithoutAssignablePins)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    board.AddConnector(MakeConnector("OFF", "", {{"A", "A1", PIN_DIR_NONE}, {nullptr, nullptr, 0}}));
    board.AddConnector(MakeMaster("SLOT", "unfilled", CONNECTOR_GPIO40, 16, {"B1", "B2"}));
    const std::string block = BoardBlockOf(board);
    // The inactive group gets nothing; the placeholder pins count as active
    // and give the header, but no assignment line.
    EXPECT_EQ(block, CrLfLines({"", kSep, "# SLOT, unfilled", kSep}));
}

TEST(QuartusSettingsFile, BaseNameIsUsedUnchanged)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    const std::string qsf = QsfOf(board, "1st project");
    EXPECT_NE(qsf.find("set_global_assignment -name TOP_LEVEL_ENTITY \"1st project\"\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name SDC_FILE 1st project.sdc\r\n"), std::string::npos);
}

// ---- Board blocks -------------------------------------------------------------

namespace {

const std::string kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";

const std::string kKilverneBlock = CrLfLines({"", kSep, "# disable config pin so bank8 can use 1.2V ", kSep,
                                              "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON",
                                              "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF",
                                              "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF", ""});

void AddPinsAt(TMainBoard& board, const std::vector<const char*>& locations, PinDirection direction = PIN_DIR_INPUT)
{
    auto* connector = new TConnector("PINS", "", CONNECTOR_NONE, -1);
    int n = 0;
    for (const char* location : locations)
        connector->AddPin(new TPin(Format("P%d", n++), location, direction, kLvttl, 0));
    board.AddConnector(connector);
}

}  // namespace

TEST(QsfBoardBlock, ConfigurationPinBlocksFollowUsedLocations)
{
    struct Case {
        MainBoardId id;
        std::vector<const char*> locations;
        PinDirection direction;
        std::string expected;
    };
    const Case cases[] = {
        {MAINBOARD_FENNICK, {}, PIN_DIR_INPUT, ""},
        {MAINBOARD_FENNICK, {"w20"}, PIN_DIR_INPUT, kNceo + "\r\n"},
        {MAINBOARD_FENNICK, {"W20"}, PIN_DIR_NONE, ""},
        {MAINBOARD_AVEMOR, {"K22"}, PIN_DIR_OUTPUT, kNceo + "\r\n"},
        {MAINBOARD_ISSELMONT, {"AE24"}, PIN_DIR_INOUT, kNceo + "\r\n"},
        {MAINBOARD_JARROWBY, {"AD25"}, PIN_DIR_INPUT, kNceo + "\r\n"},
        {MAINBOARD_NORVELLE, {"P28"}, PIN_DIR_INPUT, kNceo + "\r\n"},
        {MAINBOARD_KESTLEFORD,
         {},
         PIN_DIR_INPUT,
         "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n"},
        {MAINBOARD_KESTLEFORD,
         {"P28"},
         PIN_DIR_INPUT,
         "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n" + kNceo + "\r\n"},
        {MAINBOARD_BRISTANE,
         {"C1", "F16"},
         PIN_DIR_INPUT,
         CrLfLines({kNceo,
                    "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"",
                    "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"",
                    "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"",
                    "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\""})},
        {MAINBOARD_MARLOWEN,
         {"E18", "H3", "D1"},
         PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"",
                    "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"", kNceo})},
        {MAINBOARD_MARLOWEN,
         {"H3"},
         PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\""})},
        {MAINBOARD_ORMSGILL,
         {},
         PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"",
                    "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad",
                    "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad"})},
        {MAINBOARD_QUENWICK, {}, PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\""})},
        {MAINBOARD_BRACKWELL, {}, PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\""})},
        {MAINBOARD_OSTERLIN,
         {},
         PIN_DIR_INPUT,
         CrLfLines({"set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0",
                    "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85"})},
        {MAINBOARD_HETHERMOOR, {"P8"}, PIN_DIR_INPUT, ""},
        {MAINBOARD_HETHERMOOR,
         {"P9"},
         PIN_DIR_INPUT,
         CrLfLines({"", kSep, "# Transceiver ", kSep,
                    "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
                    "HSMC_REF_CLK_p",
                    ""})},
        {MAINBOARD_KILVERNE, {"C7", "E9"}, PIN_DIR_INPUT, kKilverneBlock},
        {MAINBOARD_KILVERNE, {"D6", "D8", "E10"}, PIN_DIR_INPUT, kKilverneBlock},
        {MAINBOARD_KILVERNE, {"e10"}, PIN_DIR_OUTPUT, kKilverneBlock},
        {MAINBOARD_KILVERNE, {"C8"}, PIN_DIR_INPUT, ""},
        {MAINBOARD_HOLLARNE, {"W20", "K22"}, PIN_DIR_INPUT, ""},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        TMainBoard board;
        SetDevice(board, c.id);
        AddPinsAt(board, c.locations, c.direction);
        EXPECT_EQ(board.GetQsfBoardAssignments(), c.expected) << "board " << int(c.id);
    }
}

TEST(QsfBoardBlock, StandsBetweenHeadAndPinBlocks)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_FENNICK);
    AddPinsAt(board, {"W20"});
    EXPECT_EQ(BoardBlockOf(board),
              CrLfLines({kNceo, "", kSep, "# PINS", kSep,
                         "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to P0",
                         "set_location_assignment PIN_W20 -to P0"}));
}

TEST(QsfBoardBlock, ConfigurationObjectBoardsGiveItsText)
{
    for (MainBoardId id : {27, 28, 31, 33, 34, 36, 37, 39, 40}) {
        SeamRecorder seam;
        TTestConfig config;
        TMainBoard board;
        SetDevice(board, id);
        board.m_pConfig = &config;
        config.qsfText = Format("# board %d\r\n", id);
        EXPECT_EQ(board.GetQsfBoardAssignments(), config.qsfText);
    }
}

TEST(QsfBoardBlock, PlaceholderAndUnknownBoardsAreBrokenInvariants)
{
    for (int id : {17, 29, 101, 0}) {
        SeamRecorder seam;
        TMainBoard board;
        board.m_BoardId = static_cast<MainBoardId>(id);
        EXPECT_THROW(board.GetQsfBoardAssignments(), InvariantFailure) << id;
    }
}

namespace {

void SetLarrowen(TMainBoard& board, uint8_t card, const char* prefix, std::initializer_list<int> groups)
{
    SetDevice(board, MAINBOARD_LARROWEN);
    board.m_LarrowenConfig.bytes[292] = card;
    WriteFixedText(reinterpret_cast<char*>(board.m_LarrowenConfig.bytes + 293), 128, prefix);
    for (int offset : groups) board.m_LarrowenConfig.bytes[offset] = 1;
}

std::string Toggle(const std::string& target)
{
    return "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to " + target + "\r\n";
}

const std::string kLvdsHead = CrLfLines(
    {kSep, "# When Larrowen HSMC is configued as LVDS, configure the following pins to avoid compile error.", kSep});

}  // namespace

TEST(QsfBoardBlock, LarrowenWithLvdsCardAndPrefixOnly)
{
    SeamRecorder seam;
    TMainBoard board;
    SetLarrowen(board, 4, "HSMA_", {});
    EXPECT_EQ(board.GetQsfBoardAssignments(),
              kLvdsHead + Toggle("HSMA_D[1]") + Toggle("HSMA_D[3]") + Toggle("FAN_CTRL"));
}

TEST(QsfBoardBlock, LarrowenWithEveryGroup)
{
    SeamRecorder seam;
    TMainBoard board;
    SetLarrowen(board, 4, "", {137, 138, 139, 140, 144, 146, 148, 155});
    AddPinsAt(board, {"AE7"});
    std::string expected =
        kNceo + "\r\n" + "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n" + kLvdsHead;
    for (int i = 0; i <= 17; ++i) expected += Toggle("KEY[" + std::to_string(i) + "]");
    for (int i = 0; i <= 17; ++i) expected += Toggle("SW[" + std::to_string(i) + "]");
    for (int i = 0; i <= 8; ++i) expected += Toggle(" LEDG[" + std::to_string(i) + "]");
    for (int i = 0; i <= 17; ++i) expected += Toggle(" LEDR[" + std::to_string(i) + "]");
    expected += Toggle("HEX2[3]") + Toggle("LCD_ON") + Toggle("G_SENSOR_INT1") + Toggle("PCIE_WAKE_N") +
                Toggle("HSMC_D[1]") + Toggle("HSMC_D[3]") + Toggle("FAN_CTRL");
    EXPECT_EQ(board.GetQsfBoardAssignments(), expected);
    // 18 + 18 + 27 lines carry the group pins; the LED ones have two spaces after "-to".
    EXPECT_NE(expected.find("-to  LEDG[8]\r\n"), std::string::npos);
}

TEST(QsfBoardBlock, LarrowenWithOtherCard)
{
    SeamRecorder seam;
    TMainBoard board;
    SetLarrowen(board, 2, "HSMA_", {137, 146});
    EXPECT_EQ(board.GetQsfBoardAssignments(), "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n");
}

}  // namespace quartus_files_test
