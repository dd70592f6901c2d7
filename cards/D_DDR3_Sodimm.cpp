// The DDR3 SODIMM module (card 38), 204 positions numbered as the module's
// edge connector: 64 data bits in eight byte lanes with their masks and
// strobe pairs, reset, address and command of two ranks, two clock pairs and
// the serial presence-detect bus with its event signal. Three maps place the
// same signals on the same positions: with lower-case names, with upper-case
// names, and with upper-case names and other standards on the data lanes.
#include <cctype>

#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

constexpr int kPositions = 204;
constexpr IoStandard kDiffSstl15 = 11;   // "Differential 1.5-V SSTL"
constexpr IoStandard kDiffSstl15I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr IoStandard kSstl15 = 28;       // "SSTL-15"
constexpr IoStandard kSstl15I = 29;      // "SSTL-15 Class I"

// The standards that differ between the maps.
struct Standards {
    IoStandard data;    // data bits and masks
    IoStandard strobe;  // strobes and their complements
    IoStandard clock;   // clock pairs
    IoStandard reset;   // reset_n
};

// The names of the upper-case maps: every letter in capitals but those of the
// suffix "_n".
std::string UpperCaseName(const std::string& name)
{
    std::string upper;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "_n") == 0 && (i + 2 == name.size() || name[i + 2] == '[')) {
            upper += "_n";
            ++i;
        } else {
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        }
    }
    return upper;
}

void AddDdr3Pins(TConnector* connector, const DdrSodimmOptions& options, const Standards& io, bool upperCase)
{
    const IoStandard bus = options.busStandard;
    const IoStandard address = options.addressStandard;

    // Byte lanes 0 to 7: data bits in position order, then mask and strobe of
    // each lane in lane order.
    const CardPinRow lanes[] = {
        {"4, 5, 6, 7, 15, 16, 17, 18", "dq", "4, 0, 5, 1, 2, 6, 3, 7", Inout, io.data},
        {"21, 22, 23, 24, 33, 34, 35, 36", "dq", "8, 12, 9, 13, 10, 14, 11, 15", Inout, io.data},
        {"39, 40, 41, 42, 50, 51, 52, 53", "dq", "16, 20, 17, 21, 22, 18, 23, 19", Inout, io.data},
        {"56, 57, 58, 59, 67, 68, 69, 70", "dq", "28, 24, 29, 25, 26, 30, 27, 31", Inout, io.data},
        {"129, 130, 131, 132, 140, 141, 142, 143", "dq", "32, 36, 33, 37, 38, 34, 39, 35", Inout, io.data},
        {"146, 147, 148, 149, 157, 158, 159, 160", "dq", "44, 40, 45, 41, 42, 46, 43, 47", Inout, io.data},
        {"163, 164, 165, 166, 174, 175, 176, 177", "dq", "48, 52, 49, 53, 54, 50, 55, 51", Inout, io.data},
        {"180, 181, 182, 183, 191, 192, 193, 194", "dq", "60, 56, 61, 57, 58, 62, 59, 63", Inout, io.data},
        {"11, 28, 46, 63, 136, 153, 170, 187", "dm", "0-7", Out, io.data},
        {"12, 29, 47, 64, 137, 154, 171, 188", "dqs", "0-7", Inout, io.strobe},
    };
    const CardPinRow complementStrobes[] = {
        {"10, 27, 45, 62, 135, 152, 169, 186", "dqs_n", "0-7", Inout, io.strobe},
    };
    const CardPinRow control[] = {
        {"30", "reset_n", nullptr, Out, io.reset},
        {"73, 74", "cke", "0, 1", Out, kSstl15I},
        {"78", "a[15]", nullptr, Out, kSstl15I},
        {"79", "ba[2]", nullptr, Out, kSstl15I},
        {"80", "a[14]", nullptr, Out, kSstl15I},
        {"83, 84, 85, 86", "a", "12, 11, 9, 7", Out, kSstl15I},
        {"89, 90, 91, 92", "a", "8, 6, 5, 4", Out, kSstl15I},
        {"95-98", "a", "3-0", Out, kSstl15I},
        {"101, 102", "ck", "0, 1", Out, io.clock},
        {"103, 104", "ck_n", "0, 1", Out, io.clock},
        {"107", "a[10]", nullptr, Out, kSstl15I},
        {"108, 109", "ba", "1, 0", Out, kSstl15I},
        {"110", "ras_n", nullptr, Out, kSstl15I},
        {"113", "we_n", nullptr, Out, kSstl15I},
        {"114, 121", "cs_n", "0, 1", Out, kSstl15I},
        {"115", "cas_n", nullptr, Out, kSstl15I},
        {"116, 120", "odt", "0, 1", Out, kSstl15I},
        {"119", "a[13]", nullptr, Out, kSstl15I},
        {"197, 201", "SA", "0, 1", Out, address},
        {"198", "EVENT_n", nullptr, In, bus},
        {"200", "SDA", nullptr, Inout, bus},
        {"202", "SCL", nullptr, Out, bus},
    };

    CardPinTable table(kPositions);
    table.Add(lanes);
    if (options.differential) table.Add(complementStrobes);
    table.Add(control);
    if (upperCase) table.RenameAll(UpperCaseName);
    table.AppendTo(connector);
}

}  // namespace

void AddDdr3SodimmPins(TConnector* connector, const DdrSodimmOptions& options)
{
    const IoStandard pairs = options.differential ? kDiffSstl15I : kSstl15I;
    AddDdr3Pins(connector, options, {.data = kSstl15I, .strobe = pairs, .clock = pairs, .reset = kSstl15I}, false);
}

void AddDdr3SodimmUpperPins(TConnector* connector, const DdrSodimmOptions& options)
{
    const IoStandard pairs = options.differential ? kDiffSstl15I : kSstl15I;
    AddDdr3Pins(connector, options, {.data = kSstl15I, .strobe = pairs, .clock = pairs, .reset = options.busStandard},
                true);
}

void AddDdr3SodimmAltPins(TConnector* connector, const DdrSodimmOptions& options)
{
    AddDdr3Pins(connector, options,
                {.data = kSstl15,
                 .strobe = options.differential ? kDiffSstl15 : kSstl15I,
                 .clock = options.differential ? kDiffSstl15I : kSstl15I,
                 .reset = options.busStandard},
                true);
}
