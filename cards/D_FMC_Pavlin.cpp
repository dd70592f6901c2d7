// Pavlin-FMC (card 47): transceivers to SMA connectors, with DisplayPort and
// HDMI sink and source side-band signals.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_card;

// Among the positions the card does not connect, the table names CLK_DIR.
// clang-format off
constexpr FmcPinRow kPavlinRows[] = {
    {"2, 6, 10",   "XCVR_RX_p",      "1-3",   In,    kPcml15, kLane,     kNegLeg},
    {"22, 26, 30", "XCVR_TX_p",      "1-3",   Out,   kPcml15, kLane,     kNegLeg},
    {"41",         "CLK_DIR",        nullptr, Inout, kArg,    kNotConnected},
    {"60",         "XCVR_REFCLK1_p", nullptr, In,    kLvds,   kRefClock, kNegLeg},
    {"82",         "XCVR_TX_p",      "0",     Out,   kPcml15, kLane,     kNegLeg},
    {"86",         "XCVR_RX_p",      "0",     In,    kLvds,   kLane,     kNegLeg},
    {"94",         "HDMI_SRC_CEC",   nullptr, Inout, kArg,    kSingle},
    {"95",         "HDMI_SRC_SCL",   nullptr, Out,   kArg,    kSingle},
    {"110",        "SCL",            nullptr, Inout, kArg,    kSingle},
    {"111",        "SDA",            nullptr, Inout, kArg,    kSingle},
    {"114",        "GA0",            nullptr, Inout, kArg,    kSingle},
    {"124",        "XCVR_REFCLK0_p", nullptr, In,    kLvds,   kRefClock, kNegLeg},
    {"131",        "DP_SINK_N",      nullptr, Out,   kArg,    kSingle},
    {"132",        "DP_SINK_R",      nullptr, In,    kArg,    kSingle},
    {"134",        "HDMI_SRC_SDA",   nullptr, Inout, kArg,    kSingle},
    {"135",        "HDMI_SRC_HPD",   nullptr, Inout, kArg,    kSingle},
    {"155",        "GA1",            nullptr, Inout, kArg,    kSingle},
    {"249",        "DP_SRC_RE_N",    nullptr, Out,   kArg,    kSingle},
    {"250",        "DP_SRC_R",       nullptr, In,    kArg,    kSingle},
    {"252",        "DP_SINK_AUX_p",  nullptr, In,    kLvds,   kPairLeg},
    {"255",        "HDMI_SINK_CEC",  nullptr, Inout, kArg,    kSingle},
    {"256",        "HDMI_SINK_SCL",  nullptr, In,    kArg,    kSingle},
    {"267",        "DP_SINK_DE",     nullptr, Out,   kArg,    kSingle},
    {"268",        "DP_SINK_D",      nullptr, Out,   kArg,    kSingle},
    {"287",        "DP_SRC_DE",      nullptr, Out,   kArg,    kSingle},
    {"288",        "DP_SRC_D",       nullptr, Out,   kArg,    kSingle},
    {"290",        "DP_SRC_AUX_p",   nullptr, Out,   kLvds,   kPairLeg},
    {"293",        "DP_SINK_HPD",    nullptr, Out,   kArg,    kSingle},
    {"294",        "DP_SRC_HPD",     nullptr, In,    kArg,    kSingle},
    {"296",        "HDMI_SINK_SDA",  nullptr, Inout, kArg,    kSingle},
    {"297",        "HDMI_SINK_HPD",  nullptr, Inout, kArg,    kSingle},
};
// clang-format on

constexpr auto kPavlinTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcShortName>(kPavlinRows);

}  // namespace

void AddFmcTransceiverToSmaCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddFmcCardTablePins(connector, kPavlinTable, ioStandard);
}
