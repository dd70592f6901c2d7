// The DDR2 SODIMM module (card 9), 200 positions numbered as the module's
// edge connector: 64 data bits in eight byte lanes with their masks and
// strobe pairs, address and command of two ranks, two clock pairs and the
// serial presence-detect bus. Strobes and clocks are differential or
// single-ended as the board asks; single-ended strobes have no complement.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

constexpr int kPositions = 200;
constexpr IoStandard kSstl18I = 31;      // "SSTL-18 Class I"
constexpr IoStandard kDiffSstl18I = 16;  // "Differential 1.8-V SSTL Class I"

}  // namespace

void AddDdr2SodimmPins(TConnector* connector, const DdrSodimmOptions& options)
{
    const IoStandard strobe = options.differential ? kDiffSstl18I : kSstl18I;
    const IoStandard bus = options.busStandard;
    const IoStandard address = options.addressStandard;

    // Byte lanes 0 to 7: data bits in position order, then mask and strobe of
    // each lane in lane order.
    const CardPinRow lanes[] = {
        {"4, 5, 6, 7, 14, 16, 17, 19", "dq", "4, 0, 5, 1, 6, 7, 2, 3", Inout, kSstl18I},
        {"20, 22, 23, 25, 35, 36, 37, 38", "dq", "12, 13, 8, 9, 10, 14, 11, 15", Inout, kSstl18I},
        {"43, 44, 45, 46, 55, 56, 57, 58", "dq", "16, 20, 17, 21, 18, 22, 19, 23", Inout, kSstl18I},
        {"61, 62, 63, 64, 73, 74, 75, 76", "dq", "24, 28, 25, 29, 26, 30, 27, 31", Inout, kSstl18I},
        {"123, 124, 125, 126, 134, 135, 136, 137", "dq", "32, 36, 33, 37, 38, 34, 39, 35", Inout, kSstl18I},
        {"140, 141, 142, 143, 151, 152, 153, 154", "dq", "44, 40, 45, 41, 42, 46, 43, 47", Inout, kSstl18I},
        {"157, 158, 159, 160, 173, 174, 175, 176", "dq", "48, 52, 49, 53, 50, 54, 51, 55", Inout, kSstl18I},
        {"179, 180, 181, 182, 189, 191, 192, 194", "dq", "56, 60, 57, 61, 58, 59, 62, 63", Inout, kSstl18I},
        {"10, 26, 52, 67, 130, 147, 170, 185", "dm", "0-7", Out, kSstl18I},
        {"13, 31, 51, 70, 131, 148, 169, 188", "dqs", "0-7", Inout, strobe},
    };
    const CardPinRow complementStrobes[] = {
        {"11, 29, 49, 68, 129, 146, 167, 186", "dqs_n", "0-7", Inout, strobe},
    };
    const CardPinRow control[] = {
        {"30, 164", "ck", "0, 1", Inout, strobe},
        {"32, 166", "ck_n", "0, 1", Inout, strobe},
        {"79, 80", "cke", "0, 1", Out, kSstl18I},
        {"84", "a[15]", nullptr, Out, kSstl18I},
        {"85", "ba[2]", nullptr, Out, kSstl18I},
        {"86", "a[14]", nullptr, Out, kSstl18I},
        {"89, 90, 91, 92, 93, 94", "a", "12, 11, 9, 7, 8, 6", Out, kSstl18I},
        {"97-102", "a", "5-0", Out, kSstl18I},
        {"105", "a[10]", nullptr, Out, kSstl18I},
        {"106, 107", "ba", "1, 0", Out, kSstl18I},
        {"108", "ras_n", nullptr, Out, kSstl18I},
        {"109", "we_n", nullptr, Out, kSstl18I},
        {"110, 115", "cs_n", "0, 1", Out, kSstl18I},
        {"113", "cas_n", nullptr, Out, kSstl18I},
        {"114, 119", "odt", "0, 1", Out, kSstl18I},
        {"116", "a[13]", nullptr, Out, kSstl18I},
        {"195", "SDA", nullptr, Inout, bus},
        {"197", "SCL", nullptr, Out, bus},
        {"198, 200", "SA", "0, 1", Out, address},
    };

    CardPinTable table(kPositions);
    table.Add(lanes);
    if (options.differential) table.Add(complementStrobes);
    table.Add(control);
    table.AppendTo(connector);
}
