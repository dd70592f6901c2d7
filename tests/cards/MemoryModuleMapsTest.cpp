// The pin maps of the memory modules, through their fixed loaders: DDR2,
// the three DDR3 namings, DDR4 in both rank namings and the four QDR
// pin-outs. Counts and empty positions for every flag and board value,
// sample rows, and the catalogue texts each loader takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace memory_module_maps_test {

namespace {

// I/O-standard codes of the memory maps.
constexpr IoStandard k1V5 = 0, k1V8 = 3, kLvttl = 8, kDiffSstl15 = 11, kDiffSstl15I = 12, kDiffHstl18I = 14,
                     kDiffSstl18I = 16, kSstl15 = 28, kSstl15I = 29, kSstl18I = 31, k1V2 = 40, kHstl12I = 41,
                     kDiffHstl12I = 44, kPod12 = 53, kDiffPod12 = 54, kSstl12 = 55, kDiffSstl12 = 56, kHstl18I = 4;

std::vector<int> Union(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    return a;
}

std::vector<int> Without(std::vector<int> a, const std::vector<int>& b)
{
    a.erase(std::remove_if(a.begin(), a.end(), [&](int p) { return std::count(b.begin(), b.end(), p) > 0; }),
            a.end());
    return a;
}

std::string Folded(std::string name)
{
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

void ExpectEmpty(const TConnector& c, const std::vector<int>& positions)
{
    for (int p : positions) EXPECT_EQ(c.GetPin(p - 1), nullptr) << "position " << p;
}

// Checks one byte lane written as the module's lane table writes it:
// "4 (4), 5 (0), ..." puts bit 4 of the bus at position 4, bit 0 at 5.
void ExpectLane(const TConnector& c, const std::string& bus, const std::string& lane)
{
    std::size_t at = 0;
    int count = 0;
    while (at < lane.size()) {
        const std::size_t open = lane.find('(', at);
        const std::size_t close = lane.find(')', open);
        ASSERT_NE(close, std::string::npos) << lane;
        const int position = std::stoi(lane.substr(at, open - at));
        const std::string name = bus + "[" + lane.substr(open + 1, close - open - 1) + "]";
        const TPin* pin = c.GetPin(position - 1);
        ASSERT_NE(pin, nullptr) << "position " << position;
        EXPECT_EQ(pin->GetName(), name) << "position " << position;
        ++count;
        at = lane.find_first_not_of(", ", close + 1);
        if (at == std::string::npos) break;
    }
    EXPECT_EQ(count, 8) << lane;
}

}  // namespace

// ---- DDR2 -------------------------------------------------------------------

namespace {

const std::vector<int> kDdr2Empty = Positions(
    "1-3, 8-9, 12, 15, 18, 21, 24, 27-28, 33-34, 39-42, 47-48, 50, 53-54, 59-60, 65-66, 69, 71-72, 77-78, 81-83, "
    "87-88, 95-96, 103-104, 111-112, 117-118, 120-122, 127-128, 132-133, 138-139, 144-145, 149-150, 155-156, "
    "161-163, 165, 168, 171-172, 177-178, 183-184, 187, 190, 193, 196, 199");
const std::vector<int> kDdr2Complements = Positions("11, 29, 49, 68, 129, 146, 167, 186");

}  // namespace

TEST(Ddr2SodimmMap, CountsAndEmptyPositions)
{
    TDaughterBoard d;
    d.LoadDdr2Sodimm({.differential = true, .busStandard = k1V8, .addressStandard = k1V8});
    ExpectCardShape(d, 200, 124, kDdr2Empty);
    ExpectCompleteBuses(d);
    d.LoadDdr2Sodimm({.differential = false, .busStandard = k1V8, .addressStandard = k1V8});
    ExpectCardShape(d, 200, 116, Union(kDdr2Empty, kDdr2Complements));
    ExpectCompleteBuses(d);
}

TEST(Ddr2SodimmMap, DataBitsOfEveryLane)
{
    TDaughterBoard d;
    d.LoadDdr2Sodimm({.differential = true, .busStandard = k1V8, .addressStandard = k1V8});
    for (const char* lane : {
             "4 (4), 5 (0), 6 (5), 7 (1), 14 (6), 16 (7), 17 (2), 19 (3)",
             "20 (12), 22 (13), 23 (8), 25 (9), 35 (10), 36 (14), 37 (11), 38 (15)",
             "43 (16), 44 (20), 45 (17), 46 (21), 55 (18), 56 (22), 57 (19), 58 (23)",
             "61 (24), 62 (28), 63 (25), 64 (29), 73 (26), 74 (30), 75 (27), 76 (31)",
             "123 (32), 124 (36), 125 (33), 126 (37), 134 (38), 135 (34), 136 (39), 137 (35)",
             "140 (44), 141 (40), 142 (45), 143 (41), 151 (42), 152 (46), 153 (43), 154 (47)",
             "157 (48), 158 (52), 159 (49), 160 (53), 173 (50), 174 (54), 175 (51), 176 (55)",
             "179 (56), 180 (60), 181 (57), 182 (61), 189 (58), 191 (59), 192 (62), 194 (63)",
         })
        ExpectLane(d, "dq", lane);
    // Mask, strobe and complement strobe of lanes 0 to 7.
    ExpectLane(d, "dm", "10 (0), 26 (1), 52 (2), 67 (3), 130 (4), 147 (5), 170 (6), 185 (7)");
    ExpectLane(d, "dqs", "13 (0), 31 (1), 51 (2), 70 (3), 131 (4), 148 (5), 169 (6), 188 (7)");
    ExpectLane(d, "dqs_n", "11 (0), 29 (1), 49 (2), 68 (3), 129 (4), 146 (5), 167 (6), 186 (7)");
}

TEST(Ddr2SodimmMap, RowsWithDifferentialStrobes)
{
    // Bus and address standards apart from each other and from the fixed codes.
    TDaughterBoard d;
    d.LoadDdr2Sodimm({.differential = true, .busStandard = kLvttl, .addressStandard = k1V5});
    ExpectPins(d, {
                      {4, "dq[4]", kInout, kSstl18I},      {5, "dq[0]", kInout, kSstl18I},
                      {19, "dq[3]", kInout, kSstl18I},     {20, "dq[12]", kInout, kSstl18I},
                      {189, "dq[58]", kInout, kSstl18I},   {194, "dq[63]", kInout, kSstl18I},
                      {10, "dm[0]", kOut, kSstl18I},       {185, "dm[7]", kOut, kSstl18I},
                      {11, "dqs_n[0]", kInout, kDiffSstl18I}, {13, "dqs[0]", kInout, kDiffSstl18I},
                      {169, "dqs[6]", kInout, kDiffSstl18I},  {186, "dqs_n[7]", kInout, kDiffSstl18I},
                      {30, "ck[0]", kInout, kDiffSstl18I},    {164, "ck[1]", kInout, kDiffSstl18I},
                      {32, "ck_n[0]", kInout, kDiffSstl18I},  {166, "ck_n[1]", kInout, kDiffSstl18I},
                      {79, "cke[0]", kOut, kSstl18I},      {80, "cke[1]", kOut, kSstl18I},
                      {84, "a[15]", kOut, kSstl18I},       {85, "ba[2]", kOut, kSstl18I},
                      {86, "a[14]", kOut, kSstl18I},       {89, "a[12]", kOut, kSstl18I},
                      {94, "a[6]", kOut, kSstl18I},        {97, "a[5]", kOut, kSstl18I},
                      {102, "a[0]", kOut, kSstl18I},       {105, "a[10]", kOut, kSstl18I},
                      {106, "ba[1]", kOut, kSstl18I},      {107, "ba[0]", kOut, kSstl18I},
                      {108, "ras_n", kOut, kSstl18I},      {109, "we_n", kOut, kSstl18I},
                      {110, "cs_n[0]", kOut, kSstl18I},    {115, "cs_n[1]", kOut, kSstl18I},
                      {113, "cas_n", kOut, kSstl18I},      {114, "odt[0]", kOut, kSstl18I},
                      {119, "odt[1]", kOut, kSstl18I},     {116, "a[13]", kOut, kSstl18I},
                      {195, "SDA", kInout, kLvttl},        {197, "SCL", kOut, kLvttl},
                      {198, "SA[0]", kOut, k1V5},          {200, "SA[1]", kOut, k1V5},
                  });
}

TEST(Ddr2SodimmMap, SingleEndedStrobesAndClocksTakeTheDataStandard)
{
    TDaughterBoard d;
    d.LoadDdr2Sodimm({.differential = false, .busStandard = k1V8, .addressStandard = k1V8});
    ExpectPins(d, {{13, "dqs[0]", kInout, kSstl18I},
                   {188, "dqs[7]", kInout, kSstl18I},
                   {30, "ck[0]", kInout, kSstl18I},
                   {166, "ck_n[1]", kInout, kSstl18I}});
    ExpectEmpty(d, kDdr2Complements);
}

// ---- DDR3 -------------------------------------------------------------------

namespace {

const std::vector<int> kDdr3Empty = Positions(
    "1-3, 8-9, 13-14, 19-20, 25-26, 31-32, 37-38, 43-44, 48-49, 54-55, 60-61, 65-66, 71-72, 75-77, 81-82, 87-88, "
    "93-94, 99-100, 105-106, 111-112, 117-118, 122-128, 133-134, 138-139, 144-145, 150-151, 155-156, 161-162, "
    "167-168, 172-173, 178-179, 184-185, 189-190, 195-196, 199, 203-204");
const std::vector<int> kDdr3Complements = Positions("10, 27, 45, 62, 135, 152, 169, 186");

using Ddr3Loader = void (TDaughterBoard::*)(const DdrSodimmOptions&);
const std::pair<const char*, Ddr3Loader> kDdr3Loaders[] = {
    {"lower-case", &TDaughterBoard::LoadDdr3Sodimm},
    {"upper-case", &TDaughterBoard::LoadDdr3SodimmUpper},
    {"alternative", &TDaughterBoard::LoadDdr3SodimmAlt},
};

}  // namespace

TEST(Ddr3SodimmMaps, CountsAndEmptyPositions)
{
    for (const auto& [label, load] : kDdr3Loaders) {
        SCOPED_TRACE(label);
        TDaughterBoard d;
        (d.*load)({.differential = true, .busStandard = k1V5, .addressStandard = k1V5});
        ExpectCardShape(d, 204, 126, kDdr3Empty);
        ExpectCompleteBuses(d);
        (d.*load)({.differential = false, .busStandard = k1V5, .addressStandard = k1V5});
        ExpectCardShape(d, 204, 118, Union(kDdr3Empty, kDdr3Complements));
        ExpectCompleteBuses(d);
    }
}

TEST(Ddr3SodimmMaps, DataBitsOfEveryLane)
{
    TDaughterBoard d;
    d.LoadDdr3Sodimm({.differential = true, .busStandard = k1V5, .addressStandard = k1V5});
    for (const char* lane : {
             "4 (4), 5 (0), 6 (5), 7 (1), 15 (2), 16 (6), 17 (3), 18 (7)",
             "21 (8), 22 (12), 23 (9), 24 (13), 33 (10), 34 (14), 35 (11), 36 (15)",
             "39 (16), 40 (20), 41 (17), 42 (21), 50 (22), 51 (18), 52 (23), 53 (19)",
             "56 (28), 57 (24), 58 (29), 59 (25), 67 (26), 68 (30), 69 (27), 70 (31)",
             "129 (32), 130 (36), 131 (33), 132 (37), 140 (38), 141 (34), 142 (39), 143 (35)",
             "146 (44), 147 (40), 148 (45), 149 (41), 157 (42), 158 (46), 159 (43), 160 (47)",
             "163 (48), 164 (52), 165 (49), 166 (53), 174 (54), 175 (50), 176 (55), 177 (51)",
             "180 (60), 181 (56), 182 (61), 183 (57), 191 (58), 192 (62), 193 (59), 194 (63)",
         })
        ExpectLane(d, "dq", lane);
    ExpectLane(d, "dqs_n", "10 (0), 27 (1), 45 (2), 62 (3), 135 (4), 152 (5), 169 (6), 186 (7)");
    ExpectLane(d, "dm", "11 (0), 28 (1), 46 (2), 63 (3), 136 (4), 153 (5), 170 (6), 187 (7)");
    ExpectLane(d, "dqs", "12 (0), 29 (1), 47 (2), 64 (3), 137 (4), 154 (5), 171 (6), 188 (7)");
}

TEST(Ddr3SodimmMaps, LowerCaseRows)
{
    TDaughterBoard d;
    d.LoadDdr3Sodimm({.differential = true, .busStandard = kLvttl, .addressStandard = k1V8});
    ExpectPins(d, {
                      {4, "dq[4]", kInout, kSstl15I},        {15, "dq[2]", kInout, kSstl15I},
                      {50, "dq[22]", kInout, kSstl15I},      {194, "dq[63]", kInout, kSstl15I},
                      {10, "dqs_n[0]", kInout, kDiffSstl15I}, {11, "dm[0]", kOut, kSstl15I},
                      {12, "dqs[0]", kInout, kDiffSstl15I},   {187, "dm[7]", kOut, kSstl15I},
                      {30, "reset_n", kOut, kSstl15I},       {73, "cke[0]", kOut, kSstl15I},
                      {78, "a[15]", kOut, kSstl15I},         {79, "ba[2]", kOut, kSstl15I},
                      {83, "a[12]", kOut, kSstl15I},         {90, "a[6]", kOut, kSstl15I},
                      {98, "a[0]", kOut, kSstl15I},          {101, "ck[0]", kOut, kDiffSstl15I},
                      {104, "ck_n[1]", kOut, kDiffSstl15I},  {107, "a[10]", kOut, kSstl15I},
                      {108, "ba[1]", kOut, kSstl15I},        {110, "ras_n", kOut, kSstl15I},
                      {113, "we_n", kOut, kSstl15I},         {114, "cs_n[0]", kOut, kSstl15I},
                      {121, "cs_n[1]", kOut, kSstl15I},      {115, "cas_n", kOut, kSstl15I},
                      {116, "odt[0]", kOut, kSstl15I},       {120, "odt[1]", kOut, kSstl15I},
                      {119, "a[13]", kOut, kSstl15I},        {197, "SA[0]", kOut, k1V8},
                      {201, "SA[1]", kOut, k1V8},            {198, "EVENT_n", kIn, kLvttl},
                      {200, "SDA", kInout, kLvttl},          {202, "SCL", kOut, kLvttl},
                  });
}

TEST(Ddr3SodimmMaps, UpperCaseNamesDifferOnlyInCaseAndTheResetStandard)
{
    const DdrSodimmOptions options{.differential = true, .busStandard = kLvttl, .addressStandard = k1V8};
    TDaughterBoard lower, upper;
    lower.LoadDdr3Sodimm(options);
    upper.LoadDdr3SodimmUpper(options);
    ExpectPins(upper, {{10, "DQS_n[0]", kInout, kDiffSstl15I},
                       {11, "DM[0]", kOut, kSstl15I},
                       {30, "RESET_n", kOut, kLvttl},
                       {78, "A[15]", kOut, kSstl15I},
                       {104, "CK_n[1]", kOut, kDiffSstl15I},
                       {115, "CAS_n", kOut, kSstl15I},
                       {198, "EVENT_n", kIn, kLvttl},
                       {200, "SDA", kInout, kLvttl},
                       {201, "SA[1]", kOut, k1V8}});
    ASSERT_EQ(lower.GetPinCount(), upper.GetPinCount());
    for (int i = 0; i < lower.GetPinCount(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        const TPin* a = lower.GetPin(i);
        const TPin* b = upper.GetPin(i);
        ASSERT_EQ(a == nullptr, b == nullptr);
        if (!a) continue;
        EXPECT_EQ(Folded(b->GetName()), Folded(a->GetName()));
        EXPECT_EQ(b->GetDirection(), a->GetDirection());
        if (i + 1 != 30) {
            EXPECT_EQ(b->GetIoStandard(), a->GetIoStandard());
        }
    }
}

TEST(Ddr3SodimmMaps, AlternativeStandards)
{
    TDaughterBoard d;
    d.LoadDdr3SodimmAlt({.differential = true, .busStandard = kLvttl, .addressStandard = k1V8});
    ExpectPins(d, {{4, "DQ[4]", kInout, kSstl15},
                   {11, "DM[0]", kOut, kSstl15},
                   {10, "DQS_n[0]", kInout, kDiffSstl15},
                   {12, "DQS[0]", kInout, kDiffSstl15},
                   {101, "CK[0]", kOut, kDiffSstl15I},
                   {103, "CK_n[0]", kOut, kDiffSstl15I},
                   {30, "RESET_n", kOut, kLvttl},
                   {73, "CKE[0]", kOut, kSstl15I},
                   {197, "SA[0]", kOut, k1V8}});
}

TEST(Ddr3SodimmMaps, SingleEndedStrobesAndClocks)
{
    for (const auto& [label, load] : kDdr3Loaders) {
        SCOPED_TRACE(label);
        TDaughterBoard d;
        (d.*load)({.differential = false, .busStandard = k1V5, .addressStandard = k1V5});
        ExpectEmpty(d, kDdr3Complements);
        for (int p : {12, 29, 47, 64, 137, 154, 171, 188, 101, 102, 103, 104}) {
            ASSERT_NE(d.GetPin(p - 1), nullptr) << p;
            EXPECT_EQ(d.GetPin(p - 1)->GetIoStandard(), kSstl15I) << "position " << p;
        }
    }
}

// ---- DDR4 -------------------------------------------------------------------

namespace {

// Dual-rank naming without the check bits.
const std::vector<int> kDdr4Empty = Positions(
    "1-2, 5-6, 9-10, 14-15, 18-19, 22-23, 26-27, 30-31, 35-36, 39-40, 43-44, 47-48, 51-52, 56-57, 60-61, 64-65, "
    "68-69, 72-73, 77-78, 81-82, 85-94, 98-107, 111-112, 117-118, 123-124, 129-130, 135-136, 141-142, 147-148, "
    "153-154, 159-160, 162-168, 171-172, 175-176, 180-181, 184-185, 188-189, 192-193, 196-197, 201-202, 205-206, "
    "209-210, 213-214, 217-218, 222-223, 226-227, 230-231, 234-235, 238-239, 243-244, 247-248, 251-252, 255, "
    "257-259");
const std::vector<int> kDdr4CheckBits = Positions("87, 88, 91, 92, 100, 101, 104, 105");

Ddr4ModuleOptions Ddr4(Ddr4Naming naming, uint8_t boardId, bool ecc, IoStandard spd = k1V2,
                       IoStandard address = k1V2)
{
    return {.naming = naming, .boardId = boardId, .ecc = ecc, .spdStandard = spd, .addressStandard = address};
}

}  // namespace

TEST(Ddr4SodimmMap, CountsAndEmptyPositions)
{
    using enum Ddr4Naming;
    const std::vector<int> singleRankEmpty = Union(Without(kDdr4Empty, Positions("162, 165, 166")), {161});
    const std::vector<int> zennorbyEmpty = Union(kDdr4Empty, Positions("110, 157, 161, 256"));
    struct Case {
        Ddr4Naming naming;
        uint8_t boardId;
        bool ecc;
        int pins;
        std::vector<int> empty;
    };
    std::vector<Case> cases;
    for (uint8_t board : {0, 36, 37, 40}) {
        cases.push_back({DualRank, board, false, 131, kDdr4Empty});
        cases.push_back({DualRank, board, true, 139, Without(kDdr4Empty, kDdr4CheckBits)});
    }
    for (uint8_t board : {0, 36, 40}) {
        cases.push_back({SingleRank, board, false, 133, singleRankEmpty});
        cases.push_back({SingleRank, board, true, 141, Without(singleRankEmpty, kDdr4CheckBits)});
    }
    cases.push_back({SingleRank, MAINBOARD_ZENNORBY, false, 127, zennorbyEmpty});
    cases.push_back({SingleRank, MAINBOARD_ZENNORBY, true, 135, Without(zennorbyEmpty, kDdr4CheckBits)});
    for (const Case& k : cases) {
        SCOPED_TRACE("naming " + std::to_string(static_cast<int>(k.naming)) + ", board " +
                     std::to_string(k.boardId) + ", ecc " + std::to_string(k.ecc));
        TDaughterBoard d;
        d.LoadDdr4SodimmEcc(Ddr4(k.naming, k.boardId, k.ecc));
        // The single-rank naming turns SA[0] into AC_R[1] and keeps SA[1].
        ExpectCardShape(d, 260, k.pins, k.empty);
        ExpectCompleteBuses(d, {"SA"});
    }
}

TEST(Ddr4SodimmMap, DataBitsOfEveryLane)
{
    TDaughterBoard d;
    d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::DualRank, 0, true));
    for (const char* lane : {
             "3 (5), 4 (4), 7 (1), 8 (0), 16 (6), 17 (7), 20 (2), 21 (3)",
             "24 (12), 25 (13), 28 (8), 29 (9), 37 (15), 38 (14), 41 (10), 42 (11)",
             "45 (21), 46 (20), 49 (17), 50 (16), 58 (22), 59 (23), 62 (18), 63 (19)",
             "66 (28), 67 (29), 70 (24), 71 (25), 79 (30), 80 (31), 83 (26), 84 (27)",
             "87 (69), 88 (68), 91 (65), 92 (64), 100 (70), 101 (66), 104 (71), 105 (67)",
             "169 (37), 170 (36), 173 (33), 174 (32), 182 (39), 183 (38), 186 (35), 187 (34)",
             "190 (45), 191 (44), 194 (41), 195 (40), 203 (46), 204 (47), 207 (42), 208 (43)",
             "211 (52), 212 (53), 215 (49), 216 (48), 224 (54), 225 (55), 228 (50), 229 (51)",
             "232 (60), 233 (61), 236 (57), 237 (56), 245 (62), 246 (63), 249 (58), 250 (59)",
         })
        ExpectLane(d, "DQ", lane);
    // The ninth lane (8) lies between lanes 3 and 4.
    ExpectLane(d, "DQS_n", "11 (0), 32 (1), 53 (2), 74 (3), 177 (4), 198 (5), 219 (6), 240 (7)");
    ExpectLane(d, "DBI_n", "12 (0), 33 (1), 54 (2), 75 (3), 178 (4), 199 (5), 220 (6), 241 (7)");
    ExpectLane(d, "DQS", "13 (0), 34 (1), 55 (2), 76 (3), 179 (4), 200 (5), 221 (6), 242 (7)");
}

TEST(Ddr4SodimmMap, DualRankRows)
{
    TDaughterBoard d;
    d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::DualRank, 40, true, k1V8, kLvttl));
    ExpectPins(d, {
                      {3, "DQ[5]", kInout, kPod12},          {8, "DQ[0]", kInout, kPod12},
                      {250, "DQ[59]", kInout, kPod12},       {87, "DQ[69]", kInout, kPod12},
                      {92, "DQ[64]", kInout, kPod12},        {105, "DQ[67]", kInout, kPod12},
                      {11, "DQS_n[0]", kInout, kDiffPod12},  {12, "DBI_n[0]", kInout, kPod12},
                      {13, "DQS[0]", kInout, kDiffPod12},    {95, "DQS_n[8]", kInout, kDiffPod12},
                      {96, "DBI_n[8]", kInout, kPod12},      {97, "DQS[8]", kInout, kDiffPod12},
                      {177, "DQS_n[4]", kInout, kDiffPod12}, {242, "DQS[7]", kInout, kDiffPod12},
                      {108, "RESET_n", kOut, k1V2},          {113, "BG[1]", kOut, kSstl12},
                      {114, "ACT_n", kOut, kSstl12},         {115, "BG[0]", kOut, kSstl12},
                      {116, "ALERT_n", kIn, k1V2},           {119, "A[12]", kOut, kSstl12},
                      {126, "A[5]", kOut, kSstl12},          {133, "A[1]", kOut, kSstl12},
                      {134, "EVENT_n", kIn, k1V2},           {143, "PAR", kOut, kSstl12},
                      {144, "A[0]", kOut, kSstl12},          {145, "BA[1]", kOut, kSstl12},
                      {146, "A[10]", kOut, kSstl12},         {150, "BA[0]", kOut, kSstl12},
                      {152, "A[16]", kOut, kSstl12},         {156, "A[15]", kOut, kSstl12},
                      {158, "A[13]", kOut, kSstl12},         {109, "CKE[0]", kOut, kSstl12},
                      {110, "CKE[1]", kOut, kSstl12},        {137, "CK[0]", kOut, kDiffSstl12},
                      {138, "CK[1]", kOut, kDiffSstl12},     {139, "CK_n[0]", kOut, kDiffSstl12},
                      {140, "CK_n[1]", kOut, kDiffSstl12},   {149, "CS_n[0]", kOut, kSstl12},
                      {155, "ODT[0]", kOut, kSstl12},        {157, "CS_n[1]", kOut, kSstl12},
                      {161, "ODT[1]", kOut, kSstl12},        {253, "SCL", kInout, k1V8},
                      {254, "SDA", kInout, k1V8},            {256, "SA[0]", kOut, kLvttl},
                      {260, "SA[1]", kOut, kLvttl},
                  });
    ExpectEmpty(d, {162, 165, 166, 1, 2, 255, 257, 258, 259});
}

TEST(Ddr4SodimmMap, WithoutCheckBitsTheNinthLaneKeepsItsStrobes)
{
    TDaughterBoard d;
    d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::DualRank, 0, false));
    ExpectEmpty(d, kDdr4CheckBits);
    ExpectPins(d, {{95, "DQS_n[8]", kInout, kDiffPod12},
                   {96, "DBI_n[8]", kInout, kPod12},
                   {97, "DQS[8]", kInout, kDiffPod12}});
}

TEST(Ddr4SodimmMap, SingleRankRows)
{
    // Every pin of the single-rank naming has a name of its own: the extra
    // address pins AC_R[0] to AC_R[3] lie on 157, 256, 166 and 110, and the
    // second clock pair is CK1 / CK1_n beside the unindexed CK / CK_n.
    for (uint8_t board : {0, 36, 40}) {
        SCOPED_TRACE("board " + std::to_string(board));
        TDaughterBoard d;
        d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::SingleRank, board, false, k1V8, kLvttl));
        ExpectPins(d, {
                          {109, "CKE", kOut, kSstl12},       {110, "AC_R[3]", kOut, kSstl12},
                          {137, "CK", kOut, kDiffSstl12},    {138, "CK1", kOut, kDiffSstl12},
                          {139, "CK_n", kOut, kDiffSstl12},  {140, "CK1_n", kOut, kDiffSstl12},
                          {149, "CS_n", kOut, kSstl12},      {155, "ODT", kOut, kSstl12},
                          {157, "AC_R[0]", kOut, kSstl12},   {162, "C[0]", kOut, kSstl12},
                          {165, "C[1]", kOut, kSstl12},      {166, "AC_R[2]", kOut, kSstl12},
                          {256, "AC_R[1]", kOut, kSstl12},   {260, "SA[1]", kOut, kLvttl},
                          {253, "SCL", kInout, k1V8},        {254, "SDA", kInout, k1V8},
                      });
        ExpectEmpty(d, {161});
    }
}

TEST(Ddr4SodimmMap, SingleRankOnZennorbyLeavesOutTheExtraPins)
{
    TDaughterBoard d;
    d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::SingleRank, MAINBOARD_ZENNORBY, true));
    ExpectEmpty(d, {110, 157, 161, 162, 165, 166, 256});
    ExpectPins(d, {{109, "CKE", kOut, kSstl12},
                   {137, "CK", kOut, kDiffSstl12},
                   {138, "CK1", kOut, kDiffSstl12},
                   {139, "CK_n", kOut, kDiffSstl12},
                   {140, "CK1_n", kOut, kDiffSstl12},
                   {149, "CS_n", kOut, kSstl12},
                   {155, "ODT", kOut, kSstl12},
                   {260, "SA[1]", kOut, k1V2}});
}

TEST(Ddr4SodimmMap, DualRankIgnoresTheBoard)
{
    TDaughterBoard zennorby, other;
    zennorby.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::DualRank, MAINBOARD_ZENNORBY, true));
    other.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::DualRank, MAINBOARD_ASHCOMBRE, true));
    ExpectSameEntries(zennorby, other);
}

// ---- QDR --------------------------------------------------------------------

namespace {

const std::vector<int> kQdr2Empty = Positions(
    "1-2, 5-6, 9-10, 14-15, 18-19, 22-23, 26-27, 30-31, 35-36, 39-40, 43-44, 47-48, 51-52, 56-57, 60-61, 64-65, "
    "68-69, 72-73, 77-78, 81-82, 85-108, 110-114, 116-118, 123-124, 129-130, 134-142, 147-149, 153-155, 157, "
    "159-161, 163-164, 167-168, 171-172, 175-176, 180-181, 184-185, 188-189, 192-193, 196-197, 201-202, 205-206, "
    "209-210, 213-214, 217-218, 222-223, 226-227, 230-231, 234-235, 238-239, 243-244, 247-248, 251-255, 257-260");
const std::vector<int> kQdr4Empty = Positions(
    "1-2, 5-6, 9-10, 14-15, 18-19, 22-23, 26-27, 30-31, 35-36, 39-40, 43-44, 47-48, 51-52, 56-57, 60-61, 64-65, "
    "68-69, 72-73, 77-78, 81-82, 85-107, 110-112, 116-118, 123-124, 129-130, 134-136, 138, 140-142, 147-148, "
    "153-154, 157, 159-161, 163-164, 167-168, 171-172, 175-176, 180-181, 184-185, 188-189, 192-193, 196-197, "
    "201-202, 205-206, 209-210, 213-214, 217-218, 222-223, 226-227, 230-231, 234-235, 238-239, 243-244, 247-248, "
    "251-255, 257-260");

struct QdrCase {
    const char* label;
    void (TDaughterBoard::*load)();
    int pins;
    const std::vector<int>& empty;
};

const QdrCase kQdrCases[] = {
    {"card 81", &TDaughterBoard::LoadQdr2ModuleA10, 114, kQdr2Empty},
    {"card 83", &TDaughterBoard::LoadQdr2ModuleS10, 114, kQdr2Empty},
    {"card 82", &TDaughterBoard::LoadQdr4ModuleA10, 121, kQdr4Empty},
    {"card 84", &TDaughterBoard::LoadQdr4ModuleS10, 121, kQdr4Empty},
};

}  // namespace

TEST(QdrModuleMaps, CountsAndEmptyPositions)
{
    for (const QdrCase& k : kQdrCases) {
        SCOPED_TRACE(k.label);
        TDaughterBoard d;
        (d.*k.load)();
        ExpectCardShape(d, 260, k.pins, k.empty);
        ExpectCompleteBuses(d);
        // Positions no module uses in any of the four pin-outs.
        ExpectEmpty(d, Positions("1, 2, 87-105, 110, 157, 253, 254, 255, 257-260"));
    }
}

TEST(QdrModuleMaps, QdrTwoPlusRows)
{
    const std::vector<ExpectedPin> control = {
        {109, "WPS_n", kOut, kHstl18I},  {115, "RESERVED", kOut, kHstl18I}, {119, "A[14]", kOut, kHstl18I},
        {128, "A[6]", kOut, kHstl18I},   {131, "A[5]", kOut, kHstl18I},     {145, "A[21]", kOut, kHstl18I},
        {152, "A[18]", kOut, kHstl18I},  {162, "DOFF_n", kOut, kHstl18I},   {165, "RPS_n", kOut, kHstl18I},
        {166, "A[0]", kOut, kHstl18I},   {256, "A[19]", kOut, kHstl18I},
    };
    TDaughterBoard a10, s10;
    a10.LoadQdr2ModuleA10();
    s10.LoadQdr2ModuleS10();
    ExpectPins(a10, control);
    ExpectPins(s10, control);
    ExpectEmpty(a10, {108, 110, 157});
    ExpectPins(a10, {
                        {3, "D[5]", kOut, kHstl18I},         {11, "BWS_n[0]", kOut, kHstl18I},
                        {33, "K_p[0]", kOut, kDiffHstl18I},  {37, "K_n[0]", kOut, kDiffHstl18I},
                        {45, "Q[0]", kIn, kHstl18I},         {55, "QVLD[0]", kIn, kHstl18I},
                        {76, "ODT[0]", kOut, kHstl18I},      {80, "CQ_p[0]", kIn, kHstl18I},
                        {84, "CQ_n[0]", kIn, kHstl18I},      {169, "D[18]", kOut, kHstl18I},
                        {190, "K_n[1]", kOut, kDiffHstl18I}, {211, "Q[18]", kIn, kHstl18I},
                        {232, "CQ_n[1]", kIn, kHstl18I},     {250, "Q[35]", kIn, kHstl18I},
                    });
    ExpectPins(s10, {
                        {3, "D[0]", kOut, kHstl18I},         {16, "K_n[0]", kOut, kDiffHstl18I},
                        {20, "K_p[0]", kOut, kDiffHstl18I},  {33, "D[13]", kOut, kHstl18I},
                        {37, "D[12]", kOut, kHstl18I},       {58, "CQ_p[0]", kIn, kHstl18I},
                        {62, "CQ_n[0]", kIn, kHstl18I},      {76, "ODT[0]", kOut, kHstl18I},
                        {169, "Q[27]", kIn, kHstl18I},       {200, "QVLD[1]", kIn, kHstl18I},
                        {211, "D[27]", kOut, kHstl18I},      {242, "BWS_n[3]", kOut, kHstl18I},
                        {250, "D[30]", kOut, kHstl18I},
                    });
}

TEST(QdrModuleMaps, QdrFourRows)
{
    const std::vector<ExpectedPin> control = {
        {108, "RESET_n", kOut, kHstl12I}, {109, "RWA_n", kOut, kHstl12I},   {113, "CFG_n", kOut, kHstl12I},
        {114, "LBK1_n", kOut, kHstl12I},  {115, "A[21]", kOut, kHstl12I},   {122, "A[8]", kOut, kHstl12I},
        {133, "A[2]", kOut, kHstl12I},    {137, "CK_p", kOut, kDiffHstl12I}, {139, "CK_n", kOut, kDiffHstl12I},
        {143, "A[0]", kOut, kHstl12I},    {149, "LBK0_n", kOut, kHstl12I},  {155, "LDA_n", kOut, kHstl12I},
        {158, "A[14]", kOut, kHstl12I},   {162, "LDB_n", kOut, kHstl12I},   {165, "RWB_n", kOut, kHstl12I},
        {166, "AINV", kOut, kHstl12I},    {256, "A[18]", kOut, kHstl12I},
    };
    TDaughterBoard a10, s10;
    a10.LoadQdr4ModuleA10();
    s10.LoadQdr4ModuleS10();
    ExpectPins(a10, control);
    ExpectPins(s10, control);
    // Data clocks on the same positions in both; data bits are outputs and
    // the read clocks inputs.
    for (TDaughterBoard* d : {&a10, &s10})
        ExpectPins(*d, {{11, "DKA_n[0]", kOut, kDiffHstl12I},
                        {13, "DKA_p[0]", kOut, kDiffHstl12I},
                        {177, "DKB_n[0]", kOut, kDiffHstl12I},
                        {221, "DKB_p[1]", kOut, kDiffHstl12I},
                        {3, "DQA[8]", kOut, kHstl12I},
                        {169, "DQB[11]", kOut, kHstl12I}});
    ExpectPins(a10, {{38, "QKA_n[0]", kIn, kHstl12I},
                     {42, "QKA_p[0]", kIn, kHstl12I},
                     {232, "QKB_p[1]", kIn, kHstl12I},
                     {236, "QKB_n[1]", kIn, kHstl12I},
                     {250, "DQB[31]", kOut, kHstl12I}});
    ExpectPins(s10, {{16, "QKA_n[0]", kIn, kHstl12I},
                     {20, "QKA_p[0]", kIn, kHstl12I},
                     {24, "DQA[17]", kOut, kHstl12I},
                     {224, "QKB_p[1]", kIn, kHstl12I},
                     {228, "QKB_n[1]", kIn, kHstl12I},
                     {232, "DQB[18]", kOut, kHstl12I}});
}

// ---- Loaders ------------------------------------------------------------------

TEST(MemoryModuleLoaders, TakeNameDescriptionAndTypeFromTheCatalogue)
{
    const DdrSodimmOptions ddr{.differential = true, .busStandard = k1V5, .addressStandard = k1V5};
    struct Case {
        const char* name;
        std::function<void(TDaughterBoard&)> load;
        ConnectorType type;
        int positions;
    };
    const Case cases[] = {
        {"DDR2 SODIMM", [&](TDaughterBoard& d) { d.LoadDdr2Sodimm(ddr); }, CONNECTOR_DDR2_SODIMM, 200},
        {"DDR3 SODIMM", [&](TDaughterBoard& d) { d.LoadDdr3Sodimm(ddr); }, CONNECTOR_DDR3_SODIMM, 204},
        {"DDR3 SODIMM", [&](TDaughterBoard& d) { d.LoadDdr3SodimmUpper(ddr); }, CONNECTOR_DDR3_SODIMM, 204},
        {"DDR3 SODIMM", [&](TDaughterBoard& d) { d.LoadDdr3SodimmAlt(ddr); }, CONNECTOR_DDR3_SODIMM, 204},
        {"DDR4 SODIMM",
         [](TDaughterBoard& d) { d.LoadDdr4Sodimm({.ecc = false, .spdStandard = k1V2, .addressStandard = k1V2}); },
         CONNECTOR_DDR4_SODIMM, 260},
        {"DDR4 SODIMM without ECC",
         [](TDaughterBoard& d) { d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::SingleRank, 36, false)); }, CONNECTOR_DDR4_IF,
         260},
        {"DDR4 SODIMM with ECC", [](TDaughterBoard& d) { d.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::SingleRank, 36, true)); },
         CONNECTOR_DDR4_IF_ECC, 260},
        {"Kalvora QDR-II+ A10 Module", [](TDaughterBoard& d) { d.LoadQdr2ModuleA10(); }, CONNECTOR_DDR4_IF_ECC_A10,
         260},
        {"Kalvora QDR-IV A10 Module", [](TDaughterBoard& d) { d.LoadQdr4ModuleA10(); }, CONNECTOR_DDR4_IF_ECC_A10, 260},
        {"Kalvora QDR-II+ S10 Module", [](TDaughterBoard& d) { d.LoadQdr2ModuleS10(); }, CONNECTOR_DDR4_IF_ECC_S10,
         260},
        {"Kalvora QDR-IV S10 Module", [](TDaughterBoard& d) { d.LoadQdr4ModuleS10(); }, CONNECTOR_DDR4_IF_ECC_S10, 260},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TDaughterBoard d;
        d.LoadCard(12, 21, nullptr, kLvttl, 0);  // a card loaded before leaves nothing behind
        k.load(d);
        EXPECT_EQ(d.GetName(), k.name);
        EXPECT_EQ(d.GetDescription(), k.name);
        EXPECT_EQ(d.GetType(), k.type);
        EXPECT_EQ(d.GetPinCount(), k.positions);
        EXPECT_EQ(d.GetCardId(), -1);
    }
}

TEST(MemoryModuleLoaders, CardThirtyNineIsTheSingleRankNamingOfNoParticularBoard)
{
    TDaughterBoard card39, module;
    card39.LoadDdr4Sodimm({.ecc = true, .spdStandard = k1V8, .addressStandard = kLvttl});
    module.LoadDdr4SodimmEcc(Ddr4(Ddr4Naming::SingleRank, 0, true, k1V8, kLvttl));
    ExpectSameEntries(card39, module);
    ExpectPins(card39, {{110, "AC_R[3]", kOut, kSstl12}, {253, "SCL", kInout, k1V8}, {260, "SA[1]", kOut, kLvttl}});
}

}  // namespace memory_module_maps_test
