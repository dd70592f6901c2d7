// The timing-constraints file: clock lines, the board blocks and the layout
// of the empty sections.
#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"

namespace sdc_test {

namespace {

const std::string kStars = "#**************************************************************";

std::string Head(const std::string& title) { return CrLfLines({kStars, title, kStars}); }

const std::string kThreeEmpty = "\r\n\r\n\r\n";

// Everything from "# Create Generated Clock" on, for the given delay blocks.
std::string SdcTail(const std::string& inputDelays, const std::string& outputDelays)
{
    std::string text = Head("# Create Generated Clock") + "derive_pll_clocks\r\n" + kThreeEmpty;
    text += Head("# Set Clock Latency") + kThreeEmpty;
    text += Head("# Set Clock Uncertainty") + "derive_clock_uncertainty\r\n" + kThreeEmpty;
    text += Head("# Set Input Delay") + inputDelays + kThreeEmpty;
    text += Head("# Set Output Delay") + outputDelays + kThreeEmpty;
    for (const char* title : {"# Set Clock Groups", "# Set False Path", "# Set Multicycle Path", "# Set Maximum Delay",
                              "# Set Minimum Delay", "# Set Input Transition", "# Set Load"})
        text += Head(title) + kThreeEmpty;
    return text;
}

const std::string kSdcHead = CrLfLines({kStars, "# This .sdc file is created by Kalvora Tool.",
                                        "# Users are recommended to modify this file to match users logic.", kStars,
                                        ""}) +
                             Head("# Create Clock");

const std::string kJtag = CrLfLines(
    {"# for enhancing USB BlasterII to be reliable, 25MHz",
     "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}",
     "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tdi]",
     "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tms]",
     "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]", ""});

const std::string kTvClock = "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n";
const std::string kDramClock = "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n";
const std::string kAudioClocks =
    CrLfLines({"# AUDIO : 48kHz 384fs 32-bit data",
               "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]",
               "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]"});
const std::string kVgaClocks = CrLfLines({"# VGA : 640x480@60Hz",
                                          "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]",
                                          "# VGA : 800x600@60Hz",
                                          "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]",
                                          "# VGA : 1024x768@60Hz",
                                          "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]",
                                          "# VGA : 1280x1024@60Hz",
                                          "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]"});

const std::string kInputComment = "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n";
const std::string kDramInputs = CrLfLines({"set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]",
                                           "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]", ""});
const std::string kTvInputs =
    CrLfLines({"set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]",
               "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]",
               "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]",
               "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]",
               "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]",
               "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]", ""});
const std::string kOutputComment =
    CrLfLines({"# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)",
               "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)"});
const std::string kDramOutputs = CrLfLines({"set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]",
                                            "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]",
                                            "set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]",
                                            "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]",
                                            "set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]",
                                            "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]",
                                            "set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]",
                                            "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]",
                                            "set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]",
                                            "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]",
                                            "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]",
                                            "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]",
                                            "set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]",
                                            "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]",
                                            "set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]",
                                            "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]",
                                            "set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]",
                                            "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]", ""});
const std::string kVgaOutputs = CrLfLines({"set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]",
                                           "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]",
                                           "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]",
                                           "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]",
                                           "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]",
                                           "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]",
                                           "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK_N]",
                                           "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK_N]", ""});

std::string SdcOf(TMainBoard& board)
{
    TempFolder folder;
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.WriteSdc(&board, folder.Path() + "demo.sdc"));
    return ReadFile(folder.Path() + "demo.sdc");
}

// Hollarne choices: VGA, SDRAM, Audio, Video-In.
void SetHollarne(TMainBoard& board, bool vga, bool sdram, bool audio, bool videoIn)
{
    SetDevice(board, MAINBOARD_HOLLARNE);
    board.m_HollarneConfig.bytes[140] = vga ? 1 : 0;
    board.m_HollarneConfig.bytes[141] = sdram ? 2 : 0;
    board.m_HollarneConfig.bytes[142] = audio ? 1 : 0;
    board.m_HollarneConfig.bytes[143] = videoIn ? 255 : 0;
}

}  // namespace

TEST(TimingConstraints, BoardWithoutClocksOrBlocks)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    board.AddConnector(MakeConnector("KEY", "", {{"KEY[0]", "A1", PIN_DIR_INPUT}}));
    EXPECT_EQ(SdcOf(board), kSdcHead + "\r\n" + SdcTail("", ""));
}

TEST(TimingConstraints, ClockLinesFromFrequencyTextOrPeriod)
{
    SeamRecorder seam;
    TMainBoard board;
    BuildDemoBoard(board);
    // A clock without text or period gives no line; a clock pin of a group
    // without active pins still gets its line.
    TConnector* off = MakeConnector("OFF", "", {{"NO_CLOCK", "B1", PIN_DIR_INPUT}, {"IDLE_CLK", "B2", PIN_DIR_NONE}});
    off->GetPin(0)->SetIsClock(true);
    off->GetPin(1)->SetIsClock(true);
    off->GetPin(1)->SetClockPeriodNs(8);
    board.AddConnector(off);
    board.SortConnectorPins();
    EXPECT_EQ(SdcOf(board), kSdcHead +
                                CrLfLines({"create_clock -period 20.000ns [get_ports CLOCK2_50]",
                                           "create_clock -period \"50.0 MHz\" [get_ports CLOCK_50]",
                                           "create_clock -period 8.000ns [get_ports IDLE_CLK]", ""}) +
                                SdcTail("", ""));
}

TEST(TimingConstraints, HollarneWithEveryChoice)
{
    SeamRecorder seam;
    TMainBoard board;
    SetHollarne(board, true, true, true, true);
    TConnector* clock = MakeConnector("CLOCK", "", {{"CLOCK_50", "AF14", PIN_DIR_INPUT}});
    clock->GetPin(0)->SetIsClock(true);
    clock->GetPin(0)->SetClockFrequencyText("50.0 MHz");
    board.AddConnector(clock);
    EXPECT_EQ(SdcOf(board), kSdcHead + "create_clock -period \"50.0 MHz\" [get_ports CLOCK_50]\r\n\r\n" + kTvClock +
                                kDramClock + kAudioClocks + kVgaClocks + "\r\n" + kJtag +
                                SdcTail(kInputComment + kDramInputs + kTvInputs,
                                        kOutputComment + kDramOutputs + kVgaOutputs));
}

TEST(TimingConstraints, HollarneBlocksFollowEachChoice)
{
    struct Case {
        bool vga, sdram, audio, videoIn;
        std::string clocks, inputs, outputs;
    };
    const Case cases[] = {
        {false, false, false, false, "", "", ""},
        {false, true, false, false, kDramClock + "\r\n", kInputComment + kDramInputs, kOutputComment + kDramOutputs},
        {false, false, false, true, kTvClock + "\r\n", kInputComment + kTvInputs, ""},
        {true, false, false, false, kVgaClocks + "\r\n", "", kOutputComment + kVgaOutputs},
        {false, false, true, false, kAudioClocks + "\r\n", "", ""},
        {true, true, false, true, kTvClock + kDramClock + kVgaClocks + "\r\n", kInputComment + kDramInputs + kTvInputs,
         kOutputComment + kDramOutputs + kVgaOutputs},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        TMainBoard board;
        SetHollarne(board, c.vga, c.sdram, c.audio, c.videoIn);
        TPinloom pinloom;
        SCOPED_TRACE(testing::Message() << c.vga << c.sdram << c.audio << c.videoIn);
        EXPECT_EQ(pinloom.GetSdcBoardClocks(&board), c.clocks);
        EXPECT_EQ(pinloom.GetSdcJtagConstraints(&board), kJtag);
        EXPECT_EQ(pinloom.GetSdcInputDelays(&board), c.inputs);
        EXPECT_EQ(pinloom.GetSdcOutputDelays(&board), c.outputs);
    }
}

TEST(TimingConstraints, MirrendaleAndWyndholtChoices)
{
    SeamRecorder seam;
    TPinloom pinloom;
    TMainBoard mirrendale;
    SetDevice(mirrendale, MAINBOARD_MIRRENDALE);
    for (int offset : {140, 141, 142, 143, 144}) mirrendale.m_MirrendaleConfig.bytes[offset] = 1;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&mirrendale), kTvClock + kAudioClocks + kVgaClocks + "\r\n");
    EXPECT_EQ(pinloom.GetSdcJtagConstraints(&mirrendale), kJtag);
    EXPECT_EQ(pinloom.GetSdcInputDelays(&mirrendale), "");
    EXPECT_EQ(pinloom.GetSdcOutputDelays(&mirrendale), "");
    mirrendale.m_MirrendaleConfig.bytes[140] = 0;
    mirrendale.m_MirrendaleConfig.bytes[144] = 0;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&mirrendale), kAudioClocks + "\r\n");

    TMainBoard wyndholt;
    SetDevice(wyndholt, MAINBOARD_WYNDHOLT);
    for (int offset : {141, 142, 143, 144}) wyndholt.m_WyndholtConfig.bytes[offset] = 1;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&wyndholt), "");
    wyndholt.m_WyndholtConfig.bytes[140] = 1;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&wyndholt), kVgaClocks + "\r\n");
    EXPECT_EQ(pinloom.GetSdcJtagConstraints(&wyndholt), "");

    TMainBoard wendlebury;
    SetDevice(wendlebury, MAINBOARD_WENDLEBURY);
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&wendlebury), "");
    for (int offset : {141, 142, 143, 144}) wendlebury.m_WendleburyConfig.bytes[offset] = 1;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&wendlebury), kTvClock + kDramClock + kAudioClocks + kVgaClocks + "\r\n");
    wendlebury.m_WendleburyConfig.bytes[141] = 0;
    wendlebury.m_WendleburyConfig.bytes[143] = 0;
    EXPECT_EQ(pinloom.GetSdcBoardClocks(&wendlebury), kTvClock + kDramClock + "\r\n");
    EXPECT_EQ(pinloom.GetSdcJtagConstraints(&wendlebury), kJtag);
    EXPECT_EQ(pinloom.GetSdcInputDelays(&wendlebury), "");
    EXPECT_EQ(pinloom.GetSdcOutputDelays(&wendlebury), "");
}

TEST(TimingConstraints, JtagBlockBoards)
{
    SeamRecorder seam;
    TPinloom pinloom;
    for (int id : {1, 2, 8, 12, 14, 15, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37,
                   38, 39, 40, 50, 100}) {
        TMainBoard board;
        board.m_BoardId = static_cast<MainBoardId>(id);
        const bool jtag = id == 21 || id == 22 || id == 23 || id == 24 || id == 35 || id == 36 || id == 37 ||
                          id == 39 || id == 40;
        EXPECT_EQ(pinloom.GetSdcJtagConstraints(&board), jtag ? kJtag : "") << id;
        if (id != 21 && id != 22 && id != 25 && id != 35) {
            EXPECT_EQ(pinloom.GetSdcBoardClocks(&board), "") << id;
        }
        if (id != 21) {
            EXPECT_EQ(pinloom.GetSdcInputDelays(&board), "") << id;
            EXPECT_EQ(pinloom.GetSdcOutputDelays(&board), "") << id;
        }
    }
}

}  // namespace sdc_test
