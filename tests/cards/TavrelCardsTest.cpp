// The Tavrel cards, and HSMC cards carried by a Tavrel connector.
#include <gtest/gtest.h>

#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace tavrel_cards_test {

namespace {

// A Tavrel master connector of 180 placeholder pins at locations "T<n>".
TConnector* MakeTavrelMaster()
{
    auto* master = new TConnector("TAVREL", "", CONNECTOR_TAVREL, -1);
    for (int p = 1; p <= 180; ++p)
        master->AddPin(new TPin("", "T" + std::to_string(p), PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0));
    master->SetIsMaster(true);
    return master;
}

}  // namespace

TEST(TavrelHdmiCard, ReceiverAndTransmitter)
{
    TDaughterBoard c;
    AddTavrelHdmiCardPins(&c);
    ExpectCardShape(c, 180, 129,
                    "1, 2, 7, 8, 13, 14, 19, 20, 25, 26, 31, 32, 37, 38, 43, 44, 47, 49-51, 55, 56, 61, 62, 67, 68, 73, "
                    "74, 79, 80, 85, 86, 91, 92, 97, 98, 103, 104, 109, 110, 115, 116, 121, 122, 124-130");
    ExpectIoStandards(c, 8);
    ExpectPins(c,
               {
                   {3, "HDMI_RX_I2S[3]", kIn},        {9, "HDMI_RX_RD[0]", kIn},      {10, "HDMI_RX_GD[10]", kIn},
                   {22, "HDMI_RX_HPD_N[1]", kOut},     {99, "HDMI_RX_HPD_N[0]", kOut}, {36, "HDMI_RX_RD[11]", kIn},
                   {52, "HDMI_RX_RD[5]", kIn},         {100, "HDMI_RX_BD[7]", kIn},    {101, "HDMI_TX_GD[8]", kOut},
                   {123, "HDMI_TX_RD[7]", kOut},       {143, "HDMI_TX_INT_N", kIn},    {150, "HDMI_TX_BD[11]", kOut},
                   {174, "HDMI_TX_BD[0]", kOut},       {175, "HDMI_TX_I2S[3]", kOut},  {180, "HDMI_TX_CEC", kInout},
               },
               8);
    // Exactly ten inout pins.
    std::set<int> inout;
    for (int i = 0; i < 180; ++i)
        if (const TPin* pin = c.GetPin(i); pin && pin->GetDirection() == PIN_DIR_INOUT) inout.insert(i + 1);
    EXPECT_EQ(inout, (std::set<int>{24, 81, 87, 89, 93, 95, 102, 131, 140, 180}));
    for (const char* bus : {"HDMI_RX_RD", "HDMI_RX_GD", "HDMI_RX_BD", "HDMI_TX_RD", "HDMI_TX_GD", "HDMI_TX_BD"})
        ExpectBusElements(c, bus, "0-11");
}

TEST(TavrelToPioAdaptor, ConnectorNamesWithPrefix)
{
    TDaughterBoard c;
    AddTavrelToPioAdaptorPins(&c);
    ExpectCardShape(c, 180, 137,
                    "1, 2, 7, 8, 13, 14, 19, 20, 25, 26, 31, 32, 37, 38, 43, 44, 49, 50, 55, 56, 61, 62, 67, 68, 73, 74, "
                    "79, 80, 85, 86, 91, 92, 97, 98, 103, 104, 109, 110, 115, 116, 122, 127, 128");
    ExpectIoStandards(c, 8);
    ExpectPins(c,
               {
                   {3, "TAVREL_CLKOUT_n[0]", kInout}, {66, "TAVREL_CLKIN_p[1]", kInout}, {9, "TAVREL_TX_n[0]", kInout},
                   {57, "TAVREL_TX_n[8]", kInout},    {69, "TAVREL_TX_n[9]", kInout},    {117, "TAVREL_TX_n[17]", kInout},
                   {133, "TAVREL_TX_n[18]", kInout},  {161, "TAVREL_TX_n[25]", kInout},  {121, "TAVREL_POWER_ON", kInout},
                   {129, "TAVREL_TCK", kInout},       {132, "TAVREL_SCL", kInout},       {180, "TAVREL_RX_p[29]", kInout},
               },
               8);
    for (const char* bus : {"TAVREL_TX_n", "TAVREL_RX_n", "TAVREL_TX_p", "TAVREL_RX_p"}) ExpectBusElements(c, bus, "0-29");
}

TEST(TavrelLoopback, DviPinsAt25V)
{
    TDaughterBoard c;
    AddTavrelLoopbackPins(&c);
    TDaughterBoard dvi;
    AddDviCardPins(&dvi, 6);
    ExpectSameEntries(c, dvi);
    EXPECT_EQ(c.GetPinCount(), 160);
    EXPECT_EQ(c.GetActivePinCount(), 77);
    ExpectIoStandards(c, 6);
    ExpectPins(c, {{33, "DVI_HSMC_SDA", kInout}, {157, "DVI_TX_DDCSCL", kInout}}, 6);

    // On a Tavrel master the positions past the card's 160 are switched off.
    std::unique_ptr<TConnector> master(MakeTavrelMaster());
    TDaughterBoard card;
    card.LoadCard(20, 21, nullptr, 8, 0);
    ASSERT_TRUE(card.UpdateMasterConnector(master.get(), "L_"));
    EXPECT_EQ(master->GetPin(32)->GetName(), "L_DVI_HSMC_SDA");
    EXPECT_EQ(master->GetPin(32)->GetLocation(), "T33");
    for (int p = 161; p <= 180; ++p) EXPECT_FALSE(master->GetPin(p - 1)->IsActive()) << p;
    EXPECT_EQ(master->GetActivePinCount(), 77);
}

TEST(TavrelMaster, CarriesHsmcCardsThroughThePositionMap)
{
    std::unique_ptr<TConnector> master(MakeTavrelMaster());
    TDaughterBoard card;
    card.LoadCard(6, 21, nullptr, 8, 0);
    ASSERT_TRUE(card.UpdateMasterConnector(master.get(), ""));
    // Tavrel 131 and 132 carry HSMC 33 and 34, 3 carries 157, 2 carries 160.
    EXPECT_EQ(master->GetPin(130)->GetName(), "DVI_HSMC_SDA");
    EXPECT_EQ(master->GetPin(130)->GetLocation(), "T131");
    EXPECT_EQ(master->GetPin(131)->GetName(), "DVI_HSMC_SCL");
    EXPECT_EQ(master->GetPin(2)->GetName(), "DVI_TX_DDCSCL");
    EXPECT_EQ(master->GetPin(2)->GetPinIndex(), 157);
    EXPECT_FALSE(master->GetPin(1)->IsActive());  // HSMC 160 is empty on this card
    EXPECT_FALSE(master->GetPin(0)->IsActive());
    // Every HSMC position that the map reaches arrives once.
    int reached = 0;
    for (int p = 1; p <= 180; ++p) {
        const int h = TavrelToHsmcPosition(p);
        if (h > 0 && card.GetPin(h - 1)) ++reached;
    }
    EXPECT_EQ(master->GetActivePinCount(), reached);
}

}  // namespace tavrel_cards_test
