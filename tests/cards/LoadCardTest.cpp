// The card loader: which map, which catalogue texts, and what it refuses.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"
#include "tests/support/SeamRecorder.h"

namespace load_card_test {

TEST(LoadCard, TakesNameDescriptionAndTypeFromTheCatalogue)
{
    struct Case {
        DaughterId card;
        const char* name;
        const char* description;
        ConnectorType type;
        int positions;
        int pins;
    };
    const Case cases[] = {
        {1, "GPIO Default", "GPIO Default Pin Name", CONNECTOR_GPIO40, 40, 36},
        {85, "GPIO Default - 2.5V", "GPIO Default - 2.5V", CONNECTOR_GPIO40, 40, 36},
        {86, "GPIO Default - 1.8V", "GPIO Default - 1.8V", CONNECTOR_GPIO40, 40, 36},
        {87, "GPIO Default - 1.5V", "GPIO Default - 1.5V", CONNECTOR_GPIO40, 40, 36},
        {11, "Culm - High Speed ADC/DAC", "GPIO 65MSPS-ADC and 125MSPS-DAC", CONNECTOR_GPIO80, 80, 70},
        {12, "Ivrel - 5M Pixel Camera", "PIO 5-Mega Pixel Camera", CONNECTOR_GPIO40, 40, 21},
        {13, "Kember - 4.3\" LCD and Touch", "PIO Touch LCD", CONNECTOR_GPIO40, 40, 36},
        {55, "Sarnel - Multi-Touch LCD Panel", "Sarnel - Multi-Touch LCD Panel", CONNECTOR_GPIO40, 40, 30},
        {63, "Tamsil - Multi-Touch LCD Panel", "Tamsil - Multi-Touch LCD Panel", CONNECTOR_GPIO40, 40, 30},
        {62, "Brevik - 2.4\" LCD and Touch", "Brevik - 2.4\" LCD and Touch", CONNECTOR_GPIO40, 40, 28},
        {76, "Jusk-GPIO", "Jusk-GPIO", CONNECTOR_GPIO40, 40, 22},
        {66, "Dunvar - Servo Motor Kit", "Dunvar - Servo Motor Kit", CONNECTOR_GPIO40, 40, 30},
        {67, "Elvask - RF and Sensor", "Elvask - RF and Sensor", CONNECTOR_GPIO40, 40, 34},
        {68, "Fenwry - RF and Sensor", "Fenwry - RF and Sensor", CONNECTOR_GPIO40, 40, 36},
        {69, "RISC-V", "RISC-V", CONNECTOR_GPIO40, 40, 36},
        {74, "Yarvel Default", "Yarvel Default", CONNECTOR_YARVEL_2x6, 8, 8},
        {75, "Yarvel Bluetooth SPP", "Yarvel Bluetooth SPP", CONNECTOR_YARVEL_2x6, 8, 8},
        {2, "HSMC Default", "HSMC Default Pin Name", CONNECTOR_HSMC, 160, 117},
        {4, "HSMC LVDS Default", "HSMC LVDS Default Pin Name", CONNECTOR_HSMC, 160, 62},
        {6, "DVI - FullHD TX/RX", "HSMC Full-HD DVI TX/RX", CONNECTOR_HSMC, 160, 77},
        {28, "Quorril - Santa Cruz Interface", "HSMC Quorril (HSMC to Santa Cruz)", CONNECTOR_HSMC, 160, 83},
        {56, "HSMC: LVDS Crossover", "HSMC: LVDS Crossover", CONNECTOR_HSMC, 160, 84},
        {60, "Vandry -Multi-Touch/LCD/Camera", "HSMC Vandry - Multi-Touch LCD and Camera", CONNECTOR_HSMC, 160, 69},
        {94, "HSMC Default-3.0V w/ Transceiver", "HSMC Default - 3.0V (With Transceiver)", CONNECTOR_HSMC, 160, 117},
        {15, "HDMI - FullHD TX/RX", "Tavrel Full-HD HDMI", CONNECTOR_TAVREL, 180, 129},
        {16, "Fyrn - Tavrel to PIO Adaptor", "Tavrel to PIO", CONNECTOR_TAVREL, 180, 137},
        {20, "Tavrel Loopback", "Tavrel Loopback", CONNECTOR_TAVREL, 160, 77},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card));
        TDaughterBoard d;
        d.LoadCard(k.card, 21, nullptr, 8, 0);
        EXPECT_EQ(d.GetName(), k.name);
        EXPECT_EQ(d.GetDescription(), k.description);
        EXPECT_EQ(d.GetType(), k.type);
        EXPECT_EQ(d.GetPinCount(), k.positions);
        EXPECT_EQ(d.GetActivePinCount(), k.pins);
        EXPECT_EQ(d.GetCardId(), -1);
    }
}

TEST(LoadCard, PassesItsIoStandardToTheCardMaps)
{
    // Every map of a 40- or 80-pin card takes the loader's standard.
    for (DaughterId card : {11, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76}) {
        SCOPED_TRACE("card " + std::to_string(card));
        TDaughterBoard d;
        d.LoadCard(card, 21, nullptr, 6, 0);
        ASSERT_GT(d.GetActivePinCount(), 0);
        for (int i = 0; i < d.GetPinCount(); ++i) {
            const TPin* pin = d.GetPin(i);
            if (pin) {
                EXPECT_EQ(pin->GetIoStandard(), 6) << "position " << i + 1;
            }
        }
    }
}

TEST(LoadCard, CameraOnTheOfferedBoard)
{
    TDaughterBoard d;
    d.LoadCard(12, 21, nullptr, 8, 0);
    ExpectPins(d, {{1, "IVREL_PIXCLK", kIn}, {16, "IVREL_D[0]", kIn}, {27, "IVREL_SCLK", kOut}}, 8);
    EXPECT_EQ(d.GetPin(27), nullptr);
}

TEST(LoadCard, SecondCardReplacesTheFirst)
{
    TDaughterBoard d;
    d.LoadCard(11, 21, nullptr, 8, 0);
    d.LoadCard(74, 30, nullptr, 8, 0);
    EXPECT_EQ(d.GetPinCount(), 8);
    EXPECT_EQ(d.GetName(), "Yarvel Default");
    EXPECT_EQ(d.GetType(), CONNECTOR_YARVEL_2x6);
    ExpectPins(d, {{1, "GPIO[0]", kInout}, {8, "GPIO[7]", kInout}}, 8);

    d.LoadCard(12, 21, nullptr, 8, 0);
    ExpectCardMap(d, 40, 21, {3, 11, 12, 17, 18, 21, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}, 8);
    EXPECT_EQ(d.GetCardId(), -1);
}

TEST(LoadCard, RefusesCardsWithoutAMapHere)
{
    SeamRecorder seam;
    // Card 5 (Tavrel default naming) has no pin map; card 9 is the DDR2
    // module, which has a loader of its own; 0 is no card.
    for (DaughterId card : {5, 9, 0}) {
        SCOPED_TRACE("card " + std::to_string(card));
        TDaughterBoard d;
        try {
            d.LoadCard(card, 21, nullptr, 8, 0);
            ADD_FAILURE() << "loaded";
        } catch (const InvariantFailure& failure) {
            EXPECT_EQ(failure.condition, "0");
        }
    }
}

TEST(LoadCard, RefusesBoard37)
{
    SeamRecorder seam;
    TDaughterBoard d;
    EXPECT_THROW(d.LoadCard(1, 37, nullptr, 8, 0), InvariantFailure);
}

}  // namespace load_card_test
