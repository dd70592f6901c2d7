#include <gtest/gtest.h>

#include "model/DaughterBoard.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace catalogue_test {

TEST(Catalogue, SampleEntries)
{
    struct Case {
        DaughterId id;
        ConnectorType type;
        const char* display;
        const char* shortName;
        const char* description;
        bool offered, xcvr;
        VoltageClass voltage;
    } cases[] = {
        {0, 0, "None", "None", "None", true, false, 3},
        {1, 3, "GPIO Default", "GPIO_Default", "GPIO Default Pin Name", true, false, 5},
        {5, 2, "Tavrel Default", "Tavrel_Default", "Tavrel Default Pin Name", true, false, 3},
        {10, 1, "Culm - High Speed ADC/DAC", "Culm", "HSMC 65MSPS-ADC and 125MSPS-DAC", true, false, 3},
        {11, 4, "Culm - High Speed ADC/DAC", "Culm", "GPIO 65MSPS-ADC and 125MSPS-DAC", true, false, 5},
        {13, 3, "Kember - 4.3\" LCD and Touch", "Kember", "PIO Touch LCD", true, false, 5},
        {29, 1, "Wistow - 8\" LCD/Touch/Camera", "Wistow", "HSMC Wistow - 8\" LCD/Touch/Camera", true, false, 3},
        {31, 1, "HDMI TX", "HDMI_TX", "HDMI TX", true, false, 3},
        {50, 8, "JESD-FMC Adapter for TI", "JESD-FMC adpter for TI", "JESD-FMC Adapter for TI", false, true, 3},
        {57, 1, "Fyrn - J2-Ivrel", "Fyrn_Ivrel", "HSMC to PIO with Ivrel", true, false, 5},
        {59, 1, "Fyrn - Both Ivrel", "Fyrn_Ivrel", "HSMC to PIO with Ivrel", true, false, 5},
        {60, 1, "Vandry -Multi-Touch/LCD/Camera", "Vandry", "HSMC Vandry - Multi-Touch LCD and Camera", false, false, 3},
        {67, 3, "Elvask - RF and Sensor", "RF and Sensor", "Elvask - RF and Sensor", true, false, 5},
        {68, 3, "Fenwry - RF and Sensor", "RF and Sensor", "Fenwry - RF and Sensor", true, false, 5},
        {75, 11, "Yarvel Bluetooth SPP", "Zorrin-Yarvel", "Yarvel Bluetooth SPP", true, false, 3},
        {76, 3, "Jusk-GPIO", "Jusk-GPIO", "Jusk-GPIO", true, false, 5},
        {85, 3, "GPIO Default - 2.5V", "GPIO Default - 2.5V", "GPIO Default - 2.5V", true, false, 3},
        {88, 8, "Ambrel (FMC to GPIO)", "FMC to GPIO", "Ambrel (FMC to GPIO)", true, false, 3},
        {93, 1, "HSMC Default-3.3V w/ Transceiver", "HSMC Default-3.3V w/ Transceiver",
         "HSMC Default - 3.3V (With Transceiver)", true, true, 5},
        {94, 1, "HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver",
         "HSMC Default - 3.0V (With Transceiver)", true, false, 4},
        {98, 1, "HSMC Default - 3.0V", "HSMC Default - 3.0V", "HSMC Default - 3.0V", true, false, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.id));
        EXPECT_EQ(GetCardConnectorType(c.id), c.type);
        EXPECT_EQ(GetCardDisplayName(c.id), c.display);
        EXPECT_EQ(GetCardShortName(c.id), c.shortName);
        EXPECT_EQ(GetCardDescription(c.id), c.description);
        EXPECT_EQ(IsCardOffered(c.id), c.offered);
        EXPECT_EQ(IsTransceiverCard(c.id), c.xcvr);
        EXPECT_EQ(GetCardVoltageClass(c.id), c.voltage);
    }
}

TEST(Catalogue, IdsWithoutEntry)
{
    SeamRecorder recorder;
    for (int id : {71, 72, 73, 77, 89, 97, 99, 255}) {
        const DaughterId card = static_cast<DaughterId>(id);
        EXPECT_EQ(GetCardConnectorType(card), CONNECTOR_NONE) << id;
        EXPECT_TRUE(IsCardOffered(card)) << id;
        EXPECT_FALSE(IsTransceiverCard(card)) << id;
        EXPECT_EQ(GetCardVoltageClass(card), id == 97 ? 4 : 3) << id;
        EXPECT_THROW(GetCardDisplayName(card), InvariantFailure) << id;
        EXPECT_THROW(GetCardDescription(card), InvariantFailure) << id;
    }
    // Entries without a short name.
    for (int id : {42, 79, 80, 81, 82, 83, 84}) EXPECT_THROW(GetCardShortName(static_cast<DaughterId>(id)), InvariantFailure) << id;
}

TEST(Catalogue, EveryCatalogueIdUpTo98)
{
    int entries = 0;
    for (int id = 0; id <= 98; ++id)
        if (HasCardEntry(static_cast<DaughterId>(id))) ++entries;
    EXPECT_EQ(entries, 99 - 6);
}

TEST(Catalogue, SpecialRules)
{
    EXPECT_TRUE(IsVoltageFreeCard(17));
    EXPECT_FALSE(IsVoltageFreeCard(2));

    struct IoCase {
        int32_t card;
        IoStandard standard;
    } io[] = {{90, 8}, {93, 8}, {91, 3}, {95, 3}, {92, 0}, {96, 0}, {94, 39}, {98, 39}, {97, 6}, {0, 6}, {-3, 6}, {2, 6}};
    for (const IoCase& c : io) EXPECT_EQ(GetCardIoStandard(c.card), c.standard) << c.card;

    struct VoltCase {
        DaughterId card;
        uint8_t voltage;
        bool fits;
    } volt[] = {{54, 2, true},  {54, 3, false}, {49, 4, false}, {49, 5, true}, {49, 1, true}, {52, 4, false},
                {78, 2, true},  {78, 1, false}, {40, 4, true},  {12, 5, true}, {12, 3, false}, {86, 2, true}};
    for (const VoltCase& c : volt) EXPECT_EQ(IsCardVoltageCompatible(c.card, c.voltage), c.fits) << int(c.card);

    for (int32_t id : {39, 47, -1, 0, 88}) EXPECT_TRUE(IsSortableCard(id)) << id;
    for (int32_t id : {40, 43, 46}) EXPECT_FALSE(IsSortableCard(id)) << id;
}

TEST(Catalogue, WriteConnectorPinList)
{
    TempFolder folder;
    TConnector c("X", "", CONNECTOR_GPIO40, -1);
    c.AddPin(new TPin("GPIO[0]", PIN_DIR_INOUT, 8, 1, 0));
    c.AddPin(nullptr);
    c.AddPin(new TPin("LCD_ON", PIN_DIR_OUTPUT, 6, 3, 0));
    const std::string path = folder.Path() + "pins.txt";
    EXPECT_TRUE(WriteConnectorPinList(&c, path));
    EXPECT_EQ(ReadFile(path), "1\tGPIO[0]\tinout \t3.3-V LVTTL\r\n2\r\n3\tLCD_ON\toutput\t2.5 V\r\n");

    TConnector empty("E", "", CONNECTOR_GPIO40, -1);
    EXPECT_TRUE(WriteConnectorPinList(&empty, path));
    EXPECT_EQ(ReadFile(path), "");
    EXPECT_THROW(WriteConnectorPinList(&c, folder.Path() + "missing/pins.txt"), std::runtime_error);
}

}  // namespace catalogue_test
