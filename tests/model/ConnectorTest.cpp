#include <gtest/gtest.h>

#include <vector>

#include "model/Connector.h"
#include "tests/support/SeamRecorder.h"

namespace connector_test {

namespace {

TPin* P(const char* name, PinDirection direction = PIN_DIR_INOUT) { return new TPin(name, "", direction, 8, 0); }

std::vector<std::string> Names(const TConnector& connector)
{
    std::vector<std::string> names;
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        const TPin* pin = connector.GetPin(i);
        names.push_back(pin ? pin->GetName() : "<null>");
    }
    return names;
}

}  // namespace

TEST(Connector, SortKeepsEmptyPositionsInPlace)
{
    TConnector c("X", "", CONNECTOR_NONE, -1);
    c.AddPin(nullptr);
    c.AddPin(P("B"));
    c.AddPin(nullptr);
    c.AddPin(P("A"));
    c.SortPins();
    EXPECT_EQ(Names(c), (std::vector<std::string>{"<null>", "A", "<null>", "B"}));
}

TEST(Connector, SortOrdersBusMembersNumericallyAndNamesByteWise)
{
    struct Case {
        std::vector<const char*> in;
        std::vector<std::string> out;
    } cases[] = {
        {{"LED[10]", "LED[2]", "LED[1]"}, {"LED[1]", "LED[2]", "LED[10]"}},
        {{"KEY[0]", "KEY"}, {"KEY", "KEY[0]"}},
        {{"a", "B"}, {"B", "a"}},
        {{"SW[1]", "LEDR[9]", "SW[0]", "CLOCK_50", "LEDR[0]"}, {"CLOCK_50", "LEDR[0]", "LEDR[9]", "SW[0]", "SW[1]"}},
        {{"AB", "A"}, {"A", "AB"}},
    };
    for (const Case& test : cases) {
        TConnector c("X", "", CONNECTOR_NONE, -1);
        for (const char* name : test.in) c.AddPin(P(name));
        c.SortPins();
        EXPECT_EQ(Names(c), test.out);
    }
}

TEST(Connector, SortKeepsEachPinsOwnIndex)
{
    TConnector c("X", "", CONNECTOR_GPIO40, -1);
    c.AddPin(new TPin("D[1]", PIN_DIR_INOUT, 8, 1, 0));
    c.AddPin(new TPin("D[0]", PIN_DIR_INOUT, 8, 2, 0));
    c.SortPins();
    EXPECT_EQ(c.GetPin(0)->GetName(), "D[0]");
    EXPECT_EQ(c.GetPin(0)->GetPinIndex(), 2);
}

TEST(Connector, CountsAndLookups)
{
    TConnector c("X", "", CONNECTOR_NONE, -1);
    c.AddPin(P("A"));
    c.AddPin(nullptr);
    c.AddPin(P("B", PIN_DIR_NONE));
    c.AddPin(P("C", PIN_DIR_OUTPUT));
    EXPECT_EQ(c.GetPinCount(), 4);
    EXPECT_EQ(c.GetActivePinCount(), 2);
    EXPECT_EQ(c.GetPin(c.GetPinCount()), nullptr);
    EXPECT_EQ(c.GetPin(1), nullptr);
    c.ClearPins();
    EXPECT_EQ(c.GetPinCount(), 0);

    SeamRecorder recorder;
    EXPECT_THROW(c.GetPin(-1), InvariantFailure);
}

TEST(Connector, SettersAndConstruction)
{
    TConnector c("GPIO_0", "GPIO_0 connect to X", CONNECTOR_GPIO40, -1);
    EXPECT_FALSE(c.GetIsMaster());
    EXPECT_EQ(c.GetAttachedType(), CONNECTOR_NONE);
    EXPECT_EQ(c.GetCardId(), -1);
    c.SetIsMaster(true);
    c.SetIsMaster(true);
    c.SetMasterId(16);
    c.SetType(CONNECTOR_GPIO40);
    c.SetAttachedType(CONNECTOR_GPIO40);
    EXPECT_TRUE(c.GetIsMaster());
    EXPECT_EQ(c.GetMasterId(), 16);
    EXPECT_EQ(c.GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(c.GetAttachedType(), CONNECTOR_GPIO40);
    EXPECT_EQ(c.GetDescription(), "GPIO_0 connect to X");
}

TEST(Connector, TypeNames)
{
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_HSMC), "HSMC");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_TAVREL), "TAVREL");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_GPIO40), "GPIO");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_GPIO80), "GPIO");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_FMC_PLUS), "FMC Plus");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_YARVEL_2x6), "YARVEL 2x6");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_DDR4_IF), "KALVORA DDR4 SODIMM Interface");
    EXPECT_EQ(GetConnectorTypeName(CONNECTOR_DDR4_IF_ECC_S10), "KALVORA DDR4 SODIMM  Interface with ECC(S10)");
    SeamRecorder recorder;
    EXPECT_THROW(GetConnectorTypeName(CONNECTOR_NONE), InvariantFailure);
    EXPECT_THROW(GetConnectorTypeName(16), InvariantFailure);
}

TEST(Connector, TavrelToHsmcPositions)
{
    struct Case {
        int tavrel, hsmc;
    } cases[] = {{1, -1},   {2, 160},  {3, 157},  {4, 158},  {5, 155},  {6, 156},  {7, -1},  {8, -1},
                 {9, 151},  {12, 150}, {13, -1},  {117, 43}, {118, 44}, {119, 41}, {120, 42}, {121, -1},
                 {130, -1}, {131, 33}, {132, 34}, {133, -1}, {180, -1}, {0, -1},   {181, -1}};
    for (const Case& c : cases) EXPECT_EQ(TavrelToHsmcPosition(c.tavrel), c.hsmc) << c.tavrel;
    int mapped = 0;
    for (int p = 1; p <= 180; ++p)
        if (TavrelToHsmcPosition(p) > 0) ++mapped;
    EXPECT_EQ(mapped, 1 + 80 + 2);
}

}  // namespace connector_test
