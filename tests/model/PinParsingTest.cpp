#include <gtest/gtest.h>

#include "model/PinParsing.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"

namespace pin_parsing_test {

namespace {

TConnector* Make(std::initializer_list<std::pair<const char*, PinDirection>> pins)
{
    auto* c = new TConnector("X", "", CONNECTOR_NONE, -1);
    for (const auto& [name, direction] : pins) c->AddPin(name ? new TPin(name, "", direction, 8, 0) : nullptr);
    return c;
}

}  // namespace

TEST(PinParsing, PortLinesOfTheKeyAndClockExample)
{
    std::unique_ptr<TConnector> c(Make({{"KEY[0]", PIN_DIR_INPUT},
                                        {"KEY[1]", PIN_DIR_INPUT},
                                        {"KEY[2]", PIN_DIR_INPUT},
                                        {"KEY[3]", PIN_DIR_INPUT},
                                        {"CLOCK_50", PIN_DIR_INPUT}}));
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Build(c.get()));
    ASSERT_EQ(parsing.GetPortCount(), 2);
    EXPECT_EQ(parsing.GetVerilogPort(0), "input \t\t     [3:0]\t\tKEY");
    EXPECT_EQ(parsing.GetVerilogPort(1), "input \t\t          \t\tCLOCK_50");
    EXPECT_EQ(parsing.GetVhdlPort(0), "KEY             \t:in    \tstd_logic_vector(3 downto 0)");
    EXPECT_EQ(parsing.GetVhdlPort(1), "CLOCK_50        \t:in    \tstd_logic");
}

TEST(PinParsing, DirectionWords)
{
    std::unique_ptr<TConnector> c(Make({{"IO", PIN_DIR_INOUT}, {"O[0]", PIN_DIR_OUTPUT}}));
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Build(c.get()));
    EXPECT_EQ(parsing.GetVerilogPort(0), "inout \t\t          \t\tIO");
    EXPECT_EQ(parsing.GetVerilogPort(1), "output\t\t     [0:0]\t\tO");
    EXPECT_EQ(parsing.GetVhdlPort(0), "IO              \t:inout \tstd_logic");
    EXPECT_EQ(parsing.GetVhdlPort(1), "O               \t:out   \tstd_logic_vector(0 downto 0)");
}

TEST(PinParsing, BusShapes)
{
    struct Case {
        std::vector<const char*> names;
        std::string port;  // name of the first port
        bool isArray;
        int msb, lsb;
        int ports;
    } cases[] = {
        {{"D[3]", "D[0]", "D[7]"}, "D", true, 7, 0, 1},
        {{"d[1]", "D[0]"}, "d", true, 1, 0, 1},
        {{"A]B[1"}, "A]B[1", false, -1, -1, 1},
        {{"X[2]_N"}, "X", true, 2, 2, 1},
        {{"Q[5]"}, "Q", true, 5, 5, 1},
        {{"LED[10]", "LED[2]", "KEY"}, "LED", true, 10, 2, 2},
    };
    for (const Case& test : cases) {
        TConnector c("X", "", CONNECTOR_NONE, -1);
        for (const char* name : test.names) c.AddPin(new TPin(name, "", PIN_DIR_OUTPUT, 8, 0));
        TPinParsing parsing;
        ASSERT_TRUE(parsing.Build(&c));
        ASSERT_EQ(parsing.GetPortCount(), test.ports) << test.port;
        const PORT_INFO& port = parsing.GetPort(0);
        EXPECT_EQ(port.name, test.port);
        EXPECT_EQ(port.isArray, test.isArray) << test.port;
        EXPECT_EQ(port.msb, test.msb) << test.port;
        EXPECT_EQ(port.lsb, test.lsb) << test.port;
    }
}

TEST(PinParsing, SkipsEmptyAndUnusedPositions)
{
    std::unique_ptr<TConnector> c(Make({{nullptr, 0}, {"A", PIN_DIR_NONE}, {nullptr, 0}}));
    TPinParsing parsing;
    EXPECT_TRUE(parsing.Build(c.get()));
    EXPECT_EQ(parsing.GetPortCount(), 0);
}

TEST(PinParsing, LongNamesWidenTheVhdlColumn)
{
    std::unique_ptr<TConnector> c(Make({{"A_VERY_LONG_PORT_NAME", PIN_DIR_INPUT}}));
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Build(c.get()));
    EXPECT_EQ(parsing.GetVhdlPort(0), "A_VERY_LONG_PORT_NAME\t:in    \tstd_logic");
}

TEST(PinParsing, BrokenPortListsAreReportedAndRefused)
{
    struct Case {
        std::vector<std::pair<const char*, PinDirection>> pins;
        std::string box;
    } cases[] = {
        {{{"A", PIN_DIR_INPUT}, {"B", PIN_DIR_INPUT}, {"A", PIN_DIR_INPUT}}, "TPinParsing::Build fail\r\n,i=2,name=A"},
        {{{"D[0]", PIN_DIR_INPUT}, {"D[1]", PIN_DIR_OUTPUT}},
         "Connector D[1]:1 has an unmathced pin direction"},
        // The same bus bit twice would be declared twice.
        {{{"D[0]", PIN_DIR_INPUT}, {"d[0]", PIN_DIR_INPUT}}, "TPinParsing::Build fail\r\n,i=1,name=d[0]"},
        // A plain port and a bus of the same name.
        {{{"KEY", PIN_DIR_INPUT}, {"KEY[0]", PIN_DIR_INPUT}}, "TPinParsing::Build fail\r\n,i=1,name=KEY[0]"},
        {{{"KEY[0]", PIN_DIR_INPUT}, {"key", PIN_DIR_INPUT}}, "TPinParsing::Build fail\r\n,i=1,name=key"},
    };
    for (const Case& test : cases) {
        SeamRecorder recorder;
        TConnector c("X", "", CONNECTOR_NONE, -1);
        for (const auto& [name, direction] : test.pins) c.AddPin(new TPin(name, "", direction, 8, 0));
        TPinParsing parsing;
        EXPECT_FALSE(parsing.Build(&c)) << test.box;
        ASSERT_EQ(recorder.ErrorTexts().size(), 1u);
        EXPECT_EQ(recorder.ErrorTexts()[0], test.box);
        EXPECT_EQ(recorder.beeps, 1);
    }
}

TEST(PinParsing, NonNumericIndexRaisesConversionError)
{
    std::unique_ptr<TConnector> c(Make({{"A[x]", PIN_DIR_INPUT}}));
    TPinParsing parsing;
    EXPECT_THROW(parsing.Build(c.get()), EConvertError);
}

TEST(PinParsing, RebuildDiscardsThePreviousPorts)
{
    std::unique_ptr<TConnector> a(Make({{"A", PIN_DIR_INPUT}, {"B", PIN_DIR_INPUT}}));
    std::unique_ptr<TConnector> b(Make({{"C", PIN_DIR_INPUT}}));
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Build(a.get()));
    ASSERT_TRUE(parsing.Build(b.get()));
    ASSERT_EQ(parsing.GetPortCount(), 1);
    EXPECT_EQ(parsing.GetPort(0).name, "C");
}

}  // namespace pin_parsing_test
