// Quorril adaptor from HSMC to a Santa Cruz connector (card 28): a 41-bit
// bus "HSPROTO_IO" with its reset and card select, four clock pins, a
// 25-bit trace bus "MICTOR_D" with its clocks, and an SD card slot. Only the
// two-wire pair at 33 and 34 takes the map's I/O standard; every other pin
// is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kQuorrilPins[] = {
    {"33", "QUORRIL_SDA", nullptr, Inout, Arg},
    {"34", "QUORRIL_SCL", nullptr, Out, Arg},
    {"39, 41", "QUORRIL_SD_DAT", "1-0", Inout, 6},
    {"40", "QUORRIL_SD_WPn", nullptr, In, 6},
    {"42, 44", "QUORRIL_SD_DAT", "3-2", Inout, 6},
    {"43", "QUORRIL_SD_CLK", nullptr, Out, 6},
    {"47", "QUORRIL_SD_CMD", nullptr, Inout, 6},
    {"48", "HSPROTO_RESET", nullptr, Out, 6},
    {"49, 79, 83", "HSPROTO_IO", "40-38", Inout, 6},
    {"50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80, 84, 86, 90, 92", "HSPROTO_IO", "0-14", Inout, 6},
    {"53, 55, 59, 65", "HSPROTO_IO", "29-32", Inout, 6},
    {"61", "HSPROTO_IO[33]", nullptr, Inout, 6},
    {"67, 71", "HSPROTO_IO", "35-34", Inout, 6},
    {"73, 77", "HSPROTO_IO", "37-36", Inout, 6},
    {"85, 89, 91, 143, 145, 149, 151, 155", "HSPROTO_IO", "15-22", Inout, 6},
    {"95", "OSC", nullptr, Out, 6},
    {"96", "EXT_CLK", nullptr, In, 6},
    {"97", "CLK1", nullptr, In, 6},
    {"98", "CLK2", nullptr, In, 6},
    {"101, 103, 113, 115", "MICTOR_D", "0-3", Inout, 6},
    {"102, 104, 108, 110, 114, 116, 120, 122, 126, 128, 132", "MICTOR_D", "14-24", Inout, 6},
    {"107, 109, 119", "MICTOR_D", "4-6", Inout, 6},
    {"121, 125, 127, 131, 133, 137, 139", "MICTOR_D", "13-7", Inout, 6},
    {"134, 138, 140, 144, 146, 152", "HSPROTO_IO", "23-28", Inout, 6},
    {"150", "HSPROTO_CARDSEL", nullptr, Out, 6},
    {"156", "MICTOR_CLK", nullptr, In, 6},
    {"157", "TR_CLK", nullptr, Out, 6},
};

}  // namespace

void AddSantaCruzAdaptorPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kQuorrilPins, ioStandard);
}
