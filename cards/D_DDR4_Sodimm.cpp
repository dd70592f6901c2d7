// The DDR4 SODIMM module (cards 39, 79 and 80), 260 positions numbered as
// the module's edge connector: 64 data bits in eight byte lanes and eight
// check bits in a ninth, each lane with its strobe pair and data-bus-
// inversion pin; address, bank group, bank, command and control; two clock
// pairs; the serial presence-detect bus with its address pins. The
// rank-dependent pins follow one of two namings.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "model/MainBoard.h"

namespace {

using namespace card_dir;

constexpr int kPositions = 260;
constexpr IoStandard k1V2 = 40;         // "1.2 V"
constexpr IoStandard kPod12 = 53;       // "1.2-V POD"
constexpr IoStandard kDiffPod12 = 54;   // "Differential 1.2-V POD"
constexpr IoStandard kSstl12 = 55;      // "SSTL-12"
constexpr IoStandard kDiffSstl12 = 56;  // "Differential 1.2-V SSTL"

// Byte lanes 0 to 7 and the check-bit lane 8: data bits in position order,
// then complement strobe, data-bus inversion and strobe of each lane in
// position order (lanes 0 to 3, 8, 4 to 7).
const CardPinRow kLanes[] = {
    {"3, 4, 7, 8, 16, 17, 20, 21", "DQ", "5, 4, 1, 0, 6, 7, 2, 3", Inout, kPod12},
    {"24, 25, 28, 29, 37, 38, 41, 42", "DQ", "12, 13, 8, 9, 15, 14, 10, 11", Inout, kPod12},
    {"45, 46, 49, 50, 58, 59, 62, 63", "DQ", "21, 20, 17, 16, 22, 23, 18, 19", Inout, kPod12},
    {"66, 67, 70, 71, 79, 80, 83, 84", "DQ", "28, 29, 24, 25, 30, 31, 26, 27", Inout, kPod12},
    {"169, 170, 173, 174, 182, 183, 186, 187", "DQ", "37, 36, 33, 32, 39, 38, 35, 34", Inout, kPod12},
    {"190, 191, 194, 195, 203, 204, 207, 208", "DQ", "45, 44, 41, 40, 46, 47, 42, 43", Inout, kPod12},
    {"211, 212, 215, 216, 224, 225, 228, 229", "DQ", "52, 53, 49, 48, 54, 55, 50, 51", Inout, kPod12},
    {"232, 233, 236, 237, 245, 246, 249, 250", "DQ", "60, 61, 57, 56, 62, 63, 58, 59", Inout, kPod12},
    {"11, 32, 53, 74, 95, 177, 198, 219, 240", "DQS_n", "0, 1, 2, 3, 8, 4, 5, 6, 7", Inout, kDiffPod12},
    {"12, 33, 54, 75, 96, 178, 199, 220, 241", "DBI_n", "0, 1, 2, 3, 8, 4, 5, 6, 7", Inout, kPod12},
    {"13, 34, 55, 76, 97, 179, 200, 221, 242", "DQS", "0, 1, 2, 3, 8, 4, 5, 6, 7", Inout, kDiffPod12},
};

// The check bits of lane 8, with the ECC flag only.
const CardPinRow kCheckBits[] = {
    {"87, 88, 91, 92, 100, 101, 104, 105", "DQ", "69, 68, 65, 64, 70, 66, 71, 67", Inout, kPod12},
};

// Address, command and clocks, the same in both namings.
const CardPinRow kControl[] = {
    {"108", "RESET_n", nullptr, Out, k1V2},
    {"113, 115", "BG", "1, 0", Out, kSstl12},
    {"114", "ACT_n", nullptr, Out, kSstl12},
    {"116", "ALERT_n", nullptr, In, k1V2},
    {"119, 120, 121, 122", "A", "12, 11, 9, 7", Out, kSstl12},
    {"125, 126, 127, 128", "A", "8, 5, 6, 4", Out, kSstl12},
    {"131-133", "A", "3-1", Out, kSstl12},
    {"134", "EVENT_n", nullptr, In, k1V2},
    {"143", "PAR", nullptr, Out, kSstl12},
    {"144", "A[0]", nullptr, Out, kSstl12},
    {"145", "BA[1]", nullptr, Out, kSstl12},
    {"146", "A[10]", nullptr, Out, kSstl12},
    {"150", "BA[0]", nullptr, Out, kSstl12},
    {"151, 152", "A", "14, 16", Out, kSstl12},
    {"156", "A[15]", nullptr, Out, kSstl12},
    {"158", "A[13]", nullptr, Out, kSstl12},
};

// The rank-dependent positions, all outputs; nullptr is no pin. The second
// clock pair takes its own names beside the unindexed first pair of the
// single-rank naming, where a bus CK beside the port CK could not be built.
// The single-rank naming puts AC_R[0] to AC_R[3] on 157, 256, 166 and 110.
struct RankRow {
    int position;
    const char* dualRank;
    const char* singleRank;
    const char* singleRankZennorby;  // single-rank naming on MAINBOARD_ZENNORBY
    IoStandard ioStandard;
};

const RankRow kRankPositions[] = {
    {109, "CKE[0]", "CKE", "CKE", kSstl12},
    {110, "CKE[1]", "AC_R[3]", nullptr, kSstl12},
    {137, "CK[0]", "CK", "CK", kDiffSstl12},
    {138, "CK[1]", "CK1", "CK1", kDiffSstl12},
    {139, "CK_n[0]", "CK_n", "CK_n", kDiffSstl12},
    {140, "CK_n[1]", "CK1_n", "CK1_n", kDiffSstl12},
    {149, "CS_n[0]", "CS_n", "CS_n", kSstl12},
    {155, "ODT[0]", "ODT", "ODT", kSstl12},
    {157, "CS_n[1]", "AC_R[0]", nullptr, kSstl12},
    {161, "ODT[1]", nullptr, nullptr, kSstl12},
    {162, nullptr, "C[0]", nullptr, kSstl12},
    {165, nullptr, "C[1]", nullptr, kSstl12},
    {166, nullptr, "AC_R[2]", nullptr, kSstl12},
    {256, "SA[0]", "AC_R[1]", nullptr, kSstl12},  // SA[0] takes the address standard
};

}  // namespace

void AddDdr4SodimmPins(TConnector* connector, const Ddr4ModuleOptions& options)
{
    const CardPinRow presenceDetect[] = {
        {"253", "SCL", nullptr, Inout, options.spdStandard},
        {"254", "SDA", nullptr, Inout, options.spdStandard},
        {"260", "SA[1]", nullptr, Out, options.addressStandard},
    };

    CardPinTable table(kPositions);
    table.Add(kLanes);
    if (options.ecc) table.Add(kCheckBits);
    table.Add(kControl);
    table.Add(presenceDetect);
    for (const RankRow& row : kRankPositions) {
        const char* name = options.naming == Ddr4Naming::DualRank ? row.dualRank
                           : options.boardId == MAINBOARD_ZENNORBY ? row.singleRankZennorby
                                                                   : row.singleRank;
        if (!name) continue;
        const bool addressPin = options.naming == Ddr4Naming::DualRank && row.position == 256;
        table.Add(row.position, name, Out, addressPin ? options.addressStandard : row.ioStandard);
    }
    table.AppendTo(connector);
}
