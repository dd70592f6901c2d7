// Ambrel (card 88): FMC to four 36-bit GPIO buses, the data lines of a 2x6
// header, a clock input pair from SMA connectors, two LEDs, two keys and two
// switches, every pin at the map's I/O standard.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;

constexpr uint8_t kSingle = 0x01;
constexpr uint8_t kSmaClock = 0x06;
constexpr uint8_t kSmaNegLeg = 0x80;  // the N leg of the SMA clock pair carries 0x86
constexpr uint8_t kNotPin = 0x40;     // no entry of this table carries it

constexpr IoStandard kArg = kFmcIoArgument;

// clang-format off
constexpr FmcPinRow kAmbrelRows[] = {
    {"90-91, 94-95",                                        "GPIO_1_D",  "10-13", Inout, kArg, kSingle},
    {"98-99",                                               "GPIO_1_D",  "16-17", Inout, kArg, kSingle},
    {"102-103",                                             "GPIO_1_D",  "20-21", Inout, kArg, kSingle},
    {"106-107",                                             "GPIO_1_D",  "26-27", Inout, kArg, kSingle},
    {"128-129",                                             "GPIO_0_D",  "2-3",   Inout, kArg, kSingle},
    {"131-132",                                             "GPIO_0_D",  "26-27", Inout, kArg, kSingle},
    {"134-135, 137-138, 140-141",                           "GPIO_0_D",  "8-13",  Inout, kArg, kSingle},
    {"143-144",                                             "GPIO_0_D",  "18-19", Inout, kArg, kSingle},
    {"146-147",                                             "GPIO_0_D",  "30-31", Inout, kArg, kSingle},
    {"162-163",                                             "GPIO_2_D",  "0-1",   Inout, kArg, kSingle},
    {"166-167, 169-170, 172-173, 175-176, 178-179",         "GPIO_2_D",  "4-13",  Inout, kArg, kSingle},
    {"181-182, 184-185, 187-188, 190-191, 193-194",         "GPIO_3_D",  "4-13",  Inout, kArg, kSingle},
    {"196-197",                                             "GPIO_3_D",  "0-1",   Inout, kArg, kSingle},
    {"204-205",                                             "GPIO_2_D",  "2-3",   Inout, kArg, kSingle},
    {"207-208, 210-211, 213-214, 216-217, 219-220, 322-323", "GPIO_2_D", "20-31", Inout, kArg, kSingle},
    {"222-223, 225-226, 228-229, 231-232, 234-235",         "GPIO_3_D",  "20-29", Inout, kArg, kSingle},
    {"237-238",                                             "GPIO_3_D",  "2-3",   Inout, kArg, kSingle},
    {"242",                                                 "SMA_CLK_p", nullptr, In,    kArg, kSmaClock, kSmaNegLeg},
    {"246-247",                                             "GPIO_1_D",  "2-3",   Inout, kArg, kSingle},
    {"249-250",                                             "GPIO_1_D",  "6-7",   Inout, kArg, kSingle},
    {"252-253",                                             "GPIO_1_D",  "4-5",   Inout, kArg, kSingle},
    {"255-256",                                             "GPIO_1_D",  "0-1",   Inout, kArg, kSingle},
    {"258-259",                                             "GPIO_1_D",  "14-15", Inout, kArg, kSingle},
    {"261-262",                                             "GPIO_1_D",  "18-19", Inout, kArg, kSingle},
    {"264-265, 267-268",                                    "GPIO_1_D",  "22-25", Inout, kArg, kSingle},
    {"270-271, 273-274, 276-277, 317-318",                  "GPIO_1_D",  "28-35", Inout, kArg, kSingle},
    {"284-285",                                             "GPIO_0_D",  "0-1",   Inout, kArg, kSingle},
    {"287-288",                                             "GPIO_0_D",  "24-25", Inout, kArg, kSingle},
    {"290-291",                                             "GPIO_0_D",  "22-23", Inout, kArg, kSingle},
    {"293-294",                                             "GPIO_0_D",  "20-21", Inout, kArg, kSingle},
    {"296-297, 299-300",                                    "GPIO_0_D",  "4-7",   Inout, kArg, kSingle},
    {"302-303, 305-306",                                    "GPIO_0_D",  "14-17", Inout, kArg, kSingle},
    {"308-309",                                             "GPIO_0_D",  "28-29", Inout, kArg, kSingle},
    {"311-312, 314-315",                                    "GPIO_0_D",  "32-35", Inout, kArg, kSingle},
    {"326-327",                                             "GPIO_2_D",  "14-15", Inout, kArg, kSingle},
    {"329-330",                                             "GPIO_2_D",  "32-33", Inout, kArg, kSingle},
    {"332-333",                                             "GPIO_2_D",  "16-17", Inout, kArg, kSingle},
    {"335-336",                                             "GPIO_2_D",  "34-35", Inout, kArg, kSingle},
    {"338-339",                                             "GPIO_2_D",  "18-19", Inout, kArg, kSingle},
    {"341-342",                                             "GPIO_3_D",  "14-15", Inout, kArg, kSingle},
    {"344-345",                                             "GPIO_3_D",  "30-31", Inout, kArg, kSingle},
    {"347-348",                                             "GPIO_3_D",  "16-17", Inout, kArg, kSingle},
    {"350-351",                                             "GPIO_3_D",  "32-33", Inout, kArg, kSingle},
    {"353-354",                                             "GPIO_3_D",  "18-19", Inout, kArg, kSingle},
    {"356-357",                                             "GPIO_3_D",  "34-35", Inout, kArg, kSingle},
    {"367-368",                                             "GPIO_1_D",  "8-9",   Inout, kArg, kSingle},
    {"370-371, 373-374, 376-377, 379-380",                  "YARVEL_D",  "0-7",   Inout, kArg, kSingle},
    {"382-383",                                             "LED",       "0-1",   Out,   kArg, kSingle},
    {"394-395",                                             "KEY",       "0-1",   In,    kArg, kSingle},
    {"397-398",                                             "SW",        "0-1",   In,    kArg, kSingle},
};
// clang-format on

constexpr auto kAmbrelTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kAmbrelRows);

}  // namespace

void AddFmcToGpioCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddFmcTablePins(connector, kAmbrelTable, FMC_HPC_PIN_NUM,
                    [&](const FmcPinEntry& entry, int) -> std::optional<IoStandard> {
                        if (!entry.HasName() || entry.HasFlag(kNotPin)) return std::nullopt;
                        if (ioStandard == kLvds && entry.Name().back() == 'n') return std::nullopt;
                        return ioStandard;
                    });
}
