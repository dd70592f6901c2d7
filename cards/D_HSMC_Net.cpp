// Dual Ethernet card (card 7): two ports with the same 36 signals under the
// prefixes "NET0_" and "NET1_". Port 1 lies at 42 to 95 and port 0 at 97 to
// 157, but for the serial clock pairs (port 0 at 96 and 98, port 1 at 156
// and 158). The data buses are not in element order, so their rows list
// every element. The map's I/O standard goes to the two-wire pair at 33 and
// 34 only; every other pin is 2.5 V, the serial pairs' both legs included.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard H = card_io::Arg;

const CardPinRow kNetPins[] = {
    {"33", "NET_HSMC_SDA", nullptr, Inout, H},
    {"34", "NET_HSMC_SCL", nullptr, Out, H},
    {"42", "NET1_S_RX_P", nullptr, In, 6},
    {"44", "NET1_S_RX_N", nullptr, In, 6},
    {"47", "NET1_RX_CRS", nullptr, In, 6},
    {"48", "NET1_S_TX_P", nullptr, Out, 6},
    {"49, 53, 55, 56, 59, 60, 61, 62", "NET1_RX_D", "7, 1, 5, 2, 6, 0, 3, 4", In, 6},
    {"50", "NET1_S_TX_N", nullptr, Out, 6},
    {"65", "NET1_RX_COL", nullptr, In, 6},
    {"66", "NET1_RX_DV", nullptr, In, 6},
    {"67", "NET1_LINK1000", nullptr, In, 6},
    {"68", "NET1_RX_CLK", nullptr, In, 6},
    {"71, 73, 78, 80, 83, 85, 90, 92", "NET1_TX_D", "1, 5, 6, 7, 0, 4, 2, 3", Out, 6},
    {"72", "NET1_TX_CLK", nullptr, In, 6},
    {"74", "NET1_RX_ER", nullptr, In, 6},
    {"77", "NET1_TX_ER", nullptr, Out, 6},
    {"79", "NET1_TX_EN", nullptr, Out, 6},
    {"84", "NET1_RESETN", nullptr, Out, 6},
    {"86", "NET1_MDC", nullptr, Out, 6},
    {"89", "NET1_MDIO", nullptr, Inout, 6},
    {"91", "NET1_INTN", nullptr, In, 6},
    {"95", "NET1_GTX_CLK", nullptr, Out, 6},
    {"96", "NET0_S_CLKP", nullptr, In, 6},
    {"97", "NET0_GTX_CLK", nullptr, Out, 6},
    {"98", "NET0_S_CLKN", nullptr, In, 6},
    {"101, 103, 108, 110, 116, 120, 122, 126", "NET0_RX_D", "2, 0, 7, 4, 6, 5, 3, 1", In, 6},
    {"102", "NET0_LINK1000", nullptr, In, 6},
    {"104", "NET0_RX_CRS", nullptr, In, 6},
    {"107", "NET0_RX_DV", nullptr, In, 6},
    {"109, 113, 125, 127, 131, 134, 138, 140", "NET0_TX_D", "5, 7, 0, 4, 6, 1, 2, 3", Out, 6},
    {"114", "NET0_RX_COL", nullptr, In, 6},
    {"115", "NET0_RX_ER", nullptr, In, 6},
    {"119", "NET0_TX_ER", nullptr, Out, 6},
    {"121", "NET0_TX_EN", nullptr, Out, 6},
    {"128", "NET0_RX_CLK", nullptr, In, 6},
    {"132", "NET0_TX_CLK", nullptr, In, 6},
    {"133", "NET0_MDIO", nullptr, Inout, 6},
    {"137", "NET0_MDC", nullptr, Out, 6},
    {"139", "NET0_INTN", nullptr, In, 6},
    {"146", "NET0_RESETN", nullptr, Out, 6},
    {"149", "NET0_S_RX_P", nullptr, In, 6},
    {"151", "NET0_S_RX_N", nullptr, In, 6},
    {"155", "NET0_S_TX_P", nullptr, Out, 6},
    {"156", "NET1_S_CLKP", nullptr, In, 6},
    {"157", "NET0_S_TX_N", nullptr, Out, 6},
    {"158", "NET1_S_CLKN", nullptr, In, 6},
};

}  // namespace

void AddDualEthernetCardPins(TConnector* connector, IoStandard hsmcStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kNetPins, hsmcStandard);
}
