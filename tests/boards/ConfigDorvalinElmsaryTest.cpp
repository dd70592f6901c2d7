// The Dorvalin and Elmsary board definitions: two boards on one FPGA package
// that share most of their groups. Device data, the groups with every pin,
// the GPIO master connectors and the invariants on the record.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_DORVALIN.h"
#include "boards/soc/CONFIG_ELMSARY.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_dorvalin_elmsary_test {

using namespace defcheck;

namespace {

constexpr IoStandard V15 = 0;
constexpr IoStandard LVTTL = 8;
constexpr IoStandard DIFF = 12;
constexpr IoStandard SSTL = 29;

const std::vector<Row> kAdcArduinoClock = {
    {"ADC", "ADC_CONVST, ADC_SCK, ADC_SDI", "U9, V10, AC4", LVTTL, "out"},
    {"ADC", "ADC_SDO", "AD4", LVTTL, "in"},
    {"ARDUINO", "ARDUINO_IO[0..15]", "AG13 AF13 AG10 AG9 U14 U13 AG8 AH8 AF17 AE15 AF15 AG16 AH11 AH12 AH9 AG11",
     LVTTL, "io"},
    {"ARDUINO", "ARDUINO_RESET_N", "AH7", LVTTL, "io"},
    {"CLOCK", "FPGA_CLK1_50, FPGA_CLK2_50, FPGA_CLK3_50", "V11, Y13, E11", LVTTL, "in"},
};

const std::vector<Row> kElmsaryHdmi = {
    {"HDMI", "HDMI_I2C_SCL HDMI_I2C_SDA HDMI_I2S HDMI_LRCLK HDMI_MCLK HDMI_SCLK", "U10 AA4 T13 T11 U11 T12", LVTTL,
     "io"},
    {"HDMI", "HDMI_TX_CLK", "AG5", LVTTL, "out"},
    {"HDMI", "HDMI_TX_D[0..23]",
     "AD12 AE12 W8 Y8 AD11 AD10 AE11 Y5 AF10 Y4 AE9 AB4 AE7 AF6 AF8 AF5 AE4 AH2 AH4 AH5 AH6 AG6 AF9 AE8", LVTTL, "out"},
    {"HDMI", "HDMI_TX_DE HDMI_TX_HS", "AD19 T8", LVTTL, "out"},
    {"HDMI", "HDMI_TX_INT", "AF11", LVTTL, "in"},
    {"HDMI", "HDMI_TX_VS", "V13", LVTTL, "out"},
};

// The hard processor's 120 pins, without locations; the boards differ in the
// standard of HPS_DDR3_RZQ.
std::vector<Row> HpsRows(IoStandard rzq)
{
    return {
        {"HPS", "HPS_CONV_USB_N", "", LVTTL, "io"},
        {"HPS", "HPS_DDR3_ADDR[0..14], HPS_DDR3_BA[0..2], HPS_DDR3_CAS_N, HPS_DDR3_CKE", "", SSTL, "out"},
        {"HPS", "HPS_DDR3_CK_N, HPS_DDR3_CK_P", "", DIFF, "out"},
        {"HPS", "HPS_DDR3_CS_N, HPS_DDR3_DM[0..3]", "", SSTL, "out"},
        {"HPS", "HPS_DDR3_DQ[0..31]", "", SSTL, "io"},
        {"HPS", "HPS_DDR3_DQS_N[0..3], HPS_DDR3_DQS_P[0..3]", "", DIFF, "io"},
        {"HPS", "HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_RESET_N", "", SSTL, "out"},
        {"HPS", "HPS_DDR3_RZQ", "", rzq, "in"},
        {"HPS", "HPS_DDR3_WE_N", "", SSTL, "out"},
        {"HPS", "HPS_ENET_GTX_CLK", "", LVTTL, "out"},
        {"HPS", "HPS_ENET_INT_N", "", LVTTL, "io"},
        {"HPS", "HPS_ENET_MDC", "", LVTTL, "out"},
        {"HPS", "HPS_ENET_MDIO", "", LVTTL, "io"},
        {"HPS", "HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", "", LVTTL, "in"},
        {"HPS", "HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", "", LVTTL, "out"},
        {"HPS",
         "HPS_GSENSOR_INT, HPS_I2C0_SCLK, HPS_I2C0_SDAT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_KEY, HPS_LED, "
         "HPS_LTC_GPIO",
         "", LVTTL, "io"},
        {"HPS", "HPS_SD_CLK", "", LVTTL, "out"},
        {"HPS", "HPS_SD_CMD, HPS_SD_DATA[0..3]", "", LVTTL, "io"},
        {"HPS", "HPS_SPIM_CLK", "", LVTTL, "out"},
        {"HPS", "HPS_SPIM_MISO", "", LVTTL, "in"},
        {"HPS", "HPS_SPIM_MOSI", "", LVTTL, "out"},
        {"HPS", "HPS_SPIM_SS", "", LVTTL, "io"},
        {"HPS", "HPS_UART_RX", "", LVTTL, "in"},
        {"HPS", "HPS_UART_TX", "", LVTTL, "out"},
        {"HPS", "HPS_USB_CLKOUT", "", LVTTL, "in"},
        {"HPS", "HPS_USB_DATA[0..7]", "", LVTTL, "io"},
        {"HPS", "HPS_USB_DIR, HPS_USB_NXT", "", LVTTL, "in"},
        {"HPS", "HPS_USB_STP", "", LVTTL, "out"},
    };
}

std::vector<Row> KeyLedSw(const char* switches)
{
    return {
        {"KEY", "KEY[0..1]", "AH17 AH16", LVTTL, "in"},
        {"LED", "LED[0..7]", "W15 AA24 V16 V15 AF26 AE26 Y16 AA23", LVTTL, "out"},
        {"SW", "SW[0..3]", switches, LVTTL, "in"},
    };
}

std::vector<Row> Join(std::initializer_list<std::vector<Row>> parts)
{
    std::vector<Row> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

const char kDorvalinGpio0[] =
    "V12 AF7 W12 AF8 Y8 AB4 W8 Y4 Y5 U11 - - T8 T12 AH5 AH6 AH4 AG5 AH3 AH2 AF4 AG6 AF5 AE4 T13 T11 AE7 AF6 - - AF9 "
    "AE8 AD10 AE9 AD11 AF10 AD12 AE11 AF11 AE12";
const char kDorvalinGpio1[] =
    "Y15 AG28 AA15 AH27 AG26 AH24 AF23 AE22 AF21 AG20 - - AG19 AF20 AC23 AG18 AH26 AA19 AG24 AF25 AH23 AG23 AE19 "
    "AF18 AD19 AE20 AE24 AD20 - - AF22 AH22 AH19 AH21 AG21 AH18 AD23 AE23 AA18 AC22";
const char kElmsaryGpio0[] =
    "V12 E8 W12 D11 D8 AH13 AF7 AH14 AF4 AH3 - - AD5 AG14 AE23 AE6 AD23 AE24 D12 AD20 C12 AD17 AC23 AC22 Y19 AB23 "
    "AA19 W11 - - AA18 W14 Y18 Y17 AB25 AB26 Y11 AA26 AA13 AA11";
const char kElmsaryGpio1[] =
    "Y15 AC24 AA15 AD26 AG28 AF28 AE25 AF27 AG26 AH27 - - AG25 AH26 AH24 AF25 AG23 AF23 AG24 AH22 AH21 AG21 AH23 "
    "AA20 AF22 AE22 AG20 AF21 - - AG19 AH19 AG18 AH18 AF18 AF20 AG15 AE20 AE19 AE17";

template <class X_CONFIG>
X_CONFIG MakeRecord(uint8_t id, int flags, uint8_t value)
{
    X_CONFIG record{};
    record.BoardId = id;
    record.Size = 404;
    std::memset(&record.bClock, value, static_cast<size_t>(flags));
    return record;
}

DORVALIN_CONFIG Dorvalin(uint8_t flag) { return MakeRecord<DORVALIN_CONFIG>(MAINBOARD_DORVALIN, 7, flag); }
ELMSARY_CONFIG Elmsary(uint8_t flag) { return MakeRecord<ELMSARY_CONFIG>(MAINBOARD_ELMSARY, 8, flag); }

void ExpectTwoHeaders(const TMainBoard& board, const char* gpio0, const char* gpio1)
{
    ASSERT_GE(board.GetConnectorCount(), 2);
    const TConnector* first = board.GetConnector(board.GetConnectorCount() - 2);
    const TConnector* second = board.GetConnector(board.GetConnectorCount() - 1);
    EXPECT_EQ(first->GetName(), "GPIO_0");
    EXPECT_EQ(first->GetDescription(), "GPIO connect to GPIO Default");
    EXPECT_EQ(second->GetName(), "GPIO_1");
    EXPECT_EQ(second->GetDescription(), "GPIO connect to Ivrel - 5M Pixel Camera");
    EXPECT_EQ(board.FindMasterConnector(16), first);
    EXPECT_EQ(board.FindMasterConnector(17), second);
    EXPECT_EQ(board.FindMasterConnector(18), nullptr);
    for (const TConnector* master : {first, second}) {
        EXPECT_EQ(master->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(master->GetCardId(), -1);
        EXPECT_EQ(master->GetActivePinCount(), 36);
        EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30}));
    }
    {
        SCOPED_TRACE("GPIO_0");
        ExpectMasterPositions(first, gpio0, IO_STD_BY_CARD);
    }
    {
        SCOPED_TRACE("GPIO_1");
        ExpectMasterPositions(second, gpio1, IO_STD_BY_CARD);
    }
}

class ConfigSmallSocTest : public ::testing::Test {
protected:
    SeamRecorder seam;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigSmallSocTest, DorvalinEveryGroupWithEveryPinInOrder)
{
    const DORVALIN_CONFIG record = Dorvalin(1);
    CONFIG_DORVALIN(&board, &record);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_DORVALIN);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSEMA4U23C6");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "UFBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");

    const std::vector<ExpectedGroup> groups =
        ExpandRows(Join({kAdcArduinoClock, HpsRows(V15), KeyLedSw("L10 L9 H6 H5")}));
    EXPECT_EQ(PinCount(groups), 158);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HPS", "KEY", "LED", "SW"}));
    ExpectGroups(board, groups);
    EXPECT_EQ(FindConnector(board, "HPS")->GetPinCount(), 120);
    ExpectClocks(board, {{"FPGA_CLK1_50", "50.0 MHz"}, {"FPGA_CLK2_50", "50.0 MHz"}, {"FPGA_CLK3_50", "50.0 MHz"}});
}

TEST_F(ConfigSmallSocTest, ElmsaryEveryGroupWithEveryPinInOrder)
{
    const ELMSARY_CONFIG record = Elmsary(1);
    CONFIG_ELMSARY(&board, &record);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_ELMSARY);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSEBA6U23I7");
    EXPECT_EQ(board.GetDevicePinCount(), 672);
    EXPECT_EQ(board.GetPackage(), "UFBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "7");

    const std::vector<ExpectedGroup> groups =
        ExpandRows(Join({kAdcArduinoClock, kElmsaryHdmi, HpsRows(SSTL), KeyLedSw("Y24 W24 W21 W20")}));
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HDMI", "HPS", "KEY", "LED", "SW"}));
    ExpectGroups(board, groups);
    int located = 0;
    for (const ExpectedGroup& group : groups)
        for (const ExpectedPin& pin : group.pins) located += !pin.location.empty();
    EXPECT_EQ(PinCount(groups), 193);
    EXPECT_EQ(located, 73);
    EXPECT_EQ(FindConnector(board, "HDMI")->GetPinCount(), 35);
    ExpectClocks(board, {{"FPGA_CLK1_50", "50.0 MHz"}, {"FPGA_CLK2_50", "50.0 MHz"}, {"FPGA_CLK3_50", "50.0 MHz"}});
}

TEST_F(ConfigSmallSocTest, EachFlagAddsOnlyItsGroup)
{
    const struct {
        uint8_t DORVALIN_CONFIG::*flag;
        const char* group;
    } dorvalin[] = {{&DORVALIN_CONFIG::bClock, "CLOCK"}, {&DORVALIN_CONFIG::bLed, "LED"},
                    {&DORVALIN_CONFIG::bKey, "KEY"},     {&DORVALIN_CONFIG::bSw, "SW"},
                    {&DORVALIN_CONFIG::bAdc, "ADC"},     {&DORVALIN_CONFIG::bHps, "HPS"},
                    {&DORVALIN_CONFIG::bArduino, "ARDUINO"}};
    for (const auto& c : dorvalin) {
        DORVALIN_CONFIG record = Dorvalin(0);
        record.*c.flag = 1;
        TMainBoard local;
        CONFIG_DORVALIN(&local, &record);
        EXPECT_EQ(ConnectorNames(local), std::vector<std::string>{c.group}) << "Dorvalin " << c.group;
    }
    const struct {
        uint8_t ELMSARY_CONFIG::*flag;
        const char* group;
    } elmsary[] = {{&ELMSARY_CONFIG::bClock, "CLOCK"}, {&ELMSARY_CONFIG::bLed, "LED"},
                   {&ELMSARY_CONFIG::bKey, "KEY"},     {&ELMSARY_CONFIG::bSw, "SW"},
                   {&ELMSARY_CONFIG::bAdc, "ADC"},     {&ELMSARY_CONFIG::bHps, "HPS"},
                   {&ELMSARY_CONFIG::bArduino, "ARDUINO"}, {&ELMSARY_CONFIG::bHdmi, "HDMI"}};
    for (const auto& c : elmsary) {
        ELMSARY_CONFIG record = Elmsary(0);
        record.*c.flag = 1;
        TMainBoard local;
        CONFIG_ELMSARY(&local, &record);
        EXPECT_EQ(ConnectorNames(local), std::vector<std::string>{c.group}) << "Elmsary " << c.group;
    }
    // Nothing ticked and no card: the device data alone.
    const DORVALIN_CONFIG none = Dorvalin(0);
    CONFIG_DORVALIN(&board, &none);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "5CSEMA4U23C6");
}

TEST_F(ConfigSmallSocTest, BothHeadersGetTheirMastersAfterEveryGroup)
{
    DORVALIN_CONFIG dorvalin = Dorvalin(1);
    dorvalin.nGpioDaughterId[GPIO_0] = 1;
    dorvalin.nGpioDaughterId[GPIO_1] = 12;
    CONFIG_DORVALIN(&board, &dorvalin);
    EXPECT_EQ(board.GetConnectorCount(), 9);
    {
        SCOPED_TRACE("Dorvalin");
        ExpectTwoHeaders(board, kDorvalinGpio0, kDorvalinGpio1);
    }

    ELMSARY_CONFIG elmsary = Elmsary(1);
    elmsary.nGpioDaughterId[GPIO_0] = 1;
    elmsary.nGpioDaughterId[GPIO_1] = 12;
    TMainBoard other;
    CONFIG_ELMSARY(&other, &elmsary);
    EXPECT_EQ(other.GetConnectorCount(), 10);
    {
        SCOPED_TRACE("Elmsary");
        ExpectTwoHeaders(other, kElmsaryGpio0, kElmsaryGpio1);
    }
}

TEST_F(ConfigSmallSocTest, WhichHeadersGetAMaster)
{
    const struct {
        uint8_t card0, card1;
        std::vector<std::string> names;
        std::vector<int32_t> masters;
    } cases[] = {
        {0, 13, {"GPIO_1"}, {17}},
        {13, 0, {"GPIO_0"}, {16}},
        // No 80-pin master on these boards: a stored 80-pin card gets a 40-pin one.
        {11, 11, {"GPIO_0", "GPIO_1"}, {16, 17}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.card0) + "/" + std::to_string(c.card1));
        DORVALIN_CONFIG dorvalin = Dorvalin(0);
        dorvalin.nGpioDaughterId[GPIO_0] = c.card0;
        dorvalin.nGpioDaughterId[GPIO_1] = c.card1;
        ELMSARY_CONFIG elmsary = Elmsary(0);
        elmsary.nGpioDaughterId[GPIO_0] = c.card0;
        elmsary.nGpioDaughterId[GPIO_1] = c.card1;
        TMainBoard a, b;
        CONFIG_DORVALIN(&a, &dorvalin);
        CONFIG_ELMSARY(&b, &elmsary);
        for (const TMainBoard* local : {&a, &b}) {
            EXPECT_EQ(ConnectorNames(*local), c.names);
            std::vector<int32_t> masters;
            for (int i = 0; i < local->GetConnectorCount(); ++i) {
                masters.push_back(local->GetConnector(i)->GetMasterId());
                EXPECT_EQ(local->GetConnector(i)->GetType(), CONNECTOR_GPIO40);
            }
            EXPECT_EQ(masters, c.masters);
        }
    }
}

TEST_F(ConfigSmallSocTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    DORVALIN_CONFIG dorvalin = Dorvalin(1);
    dorvalin.BoardId = MAINBOARD_ELMSARY;  // a record of the same size
    EXPECT_THROW(CONFIG_DORVALIN(&board, &dorvalin), InvariantFailure);
    dorvalin.BoardId = MAINBOARD_DORVALIN;
    dorvalin.Size = 408;
    EXPECT_THROW(CONFIG_DORVALIN(&board, &dorvalin), InvariantFailure);

    ELMSARY_CONFIG elmsary = Elmsary(1);
    elmsary.BoardId = MAINBOARD_WYNDHOLT;
    EXPECT_THROW(CONFIG_ELMSARY(&board, &elmsary), InvariantFailure);
    elmsary.BoardId = MAINBOARD_ELMSARY;
    elmsary.Size = 412;
    EXPECT_THROW(CONFIG_ELMSARY(&board, &elmsary), InvariantFailure);
}

}  // namespace config_dorvalin_elmsary_test
