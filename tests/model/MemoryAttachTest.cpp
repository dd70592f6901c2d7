// The memory modules attached the way each board attaches them: the
// options each board passes (whatever the order in which its own code
// lists them) must reach the module's map, which shows in the pins of the
// socket's master connector: presence-detect and address standards,
// complement strobes, check bits and rank naming.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/generate/GenerateSupport.h"

namespace memory_attach_test {

namespace {

// A memory socket with a placeholder at every position, located at "L<position>".
void AddSocket(TMainBoard& board, ConnectorType type, int32_t masterId, int positions)
{
    board.AddConnector(MakeNumberedMaster("Socket", "memory socket", type, masterId, positions));
}

// One master position after the attach: the prefixed name and standard, or
// kOff for a position the module leaves out (switched off).
struct SocketPin {
    int position;
    std::string name;
    IoStandard ioStandard;
};
const char* const kOff = "";

struct BoardCall {
    const char* board;
    ConnectorType socketType;
    uint8_t masterId;
    int positions;
    std::function<void(TMainBoard&)> attach;
    ConnectorType moduleType;
    std::vector<SocketPin> expected;
};

void ExpectSocket(const TConnector& socket, const std::vector<SocketPin>& expected)
{
    for (const SocketPin& e : expected) {
        SCOPED_TRACE("position " + std::to_string(e.position));
        const TPin* pin = socket.GetPin(e.position - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetLocation(), "L" + std::to_string(e.position));
        if (e.name == kOff) {
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_NONE) << pin->GetName();
            continue;
        }
        EXPECT_EQ(pin->GetName(), e.name);
        EXPECT_NE(pin->GetDirection(), PIN_DIR_NONE);
        EXPECT_EQ(pin->GetIoStandard(), e.ioStandard);
        EXPECT_EQ(pin->GetPinIndex(), e.position);
    }
}

constexpr IoStandard k1V5 = 0, k1V8 = 3, kDiffSstl15 = 11, kDiffSstl15I = 12, kDiffSstl18I = 16,
                     kSstl15 = 28, kSstl18I = 31, k1V2 = 40, kSstl12 = 55;

void RunCalls(const std::vector<BoardCall>& calls)
{
    for (const BoardCall& c : calls) {
        SCOPED_TRACE(std::string(c.board) + ", master " + std::to_string(c.masterId));
        TMainBoard board;
        AddSocket(board, c.socketType, c.masterId, c.positions);
        c.attach(board);
        const TConnector* socket = board.FindMasterConnector(c.masterId);
        EXPECT_EQ(socket->GetAttachedType(), c.moduleType);
        EXPECT_EQ(socket->GetType(), c.socketType);
        ExpectSocket(*socket, c.expected);
    }
}

}  // namespace

TEST(MemoryAttach, Ddr2SodimmAsTheBoardsLoadIt)
{
    // Differential strobes, SMBus standard, SA standard.
    auto ddr2 = [](uint8_t masterId, const char* prefix, DdrSodimmOptions options) {
        return [=](TMainBoard& b) {
            AttachWithLoader(b, masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr2Sodimm(options); });
        };
    };
    const std::vector<SocketPin> mem18 = {
        {195, "mem_SDA", k1V8},          {197, "mem_SCL", k1V8},      {198, "mem_SA[0]", k1V8},
        {200, "mem_SA[1]", k1V8},        {11, "mem_dqs_n[0]", kDiffSstl18I}, {13, "mem_dqs[0]", kDiffSstl18I},
        {30, "mem_ck[0]", kDiffSstl18I}, {4, "mem_dq[4]", kSstl18I},  {1, kOff, 0},
    };
    const std::vector<BoardCall> calls = {
        {"Osterlin", CONNECTOR_DDR2_SODIMM, 1, 200,
         ddr2(1, "mem_", {.differential = true, .busStandard = k1V8, .addressStandard = k1V8}), CONNECTOR_DDR2_SODIMM,
         mem18},
        {"Pelverton", CONNECTOR_DDR2_SODIMM, 1, 200,
         ddr2(1, "mem_", {.differential = true, .busStandard = k1V8, .addressStandard = k1V8}), CONNECTOR_DDR2_SODIMM,
         mem18},
        {"Ormsgill socket 0", CONNECTOR_DDR2_SODIMM, 2, 200,
         ddr2(2, "M1_DDR2_", {.differential = true, .busStandard = k1V8, .addressStandard = k1V8}),
         CONNECTOR_DDR2_SODIMM,
         {{195, "M1_DDR2_SDA", k1V8}, {200, "M1_DDR2_SA[1]", k1V8}, {11, "M1_DDR2_dqs_n[0]", kDiffSstl18I}}},
        {"Ormsgill socket 1", CONNECTOR_DDR2_SODIMM, 3, 200,
         ddr2(3, "M2_DDR2_", {.differential = true, .busStandard = k1V8, .addressStandard = k1V8}),
         CONNECTOR_DDR2_SODIMM, {{197, "M2_DDR2_SCL", k1V8}, {198, "M2_DDR2_SA[0]", k1V8}}},
        {"Nethercoy", CONNECTOR_DDR2_SODIMM, 1, 200,
         ddr2(1, "mem_", {.differential = true, .busStandard = kLvttl, .addressStandard = kLvttl}),
         CONNECTOR_DDR2_SODIMM,
         {{195, "mem_SDA", kLvttl},
          {197, "mem_SCL", kLvttl},
          {198, "mem_SA[0]", kLvttl},
          {11, "mem_dqs_n[0]", kDiffSstl18I}}},
        {"Norvelle", CONNECTOR_DDR2_SODIMM, 1, 200,
         ddr2(1, "mem_", {.differential = false, .busStandard = k1V8, .addressStandard = k1V8}),
         CONNECTOR_DDR2_SODIMM,
         {{195, "mem_SDA", k1V8}, {200, "mem_SA[1]", k1V8}, {11, kOff, 0}, {186, kOff, 0},
          {13, "mem_dqs[0]", kSstl18I}, {30, "mem_ck[0]", kSstl18I}}},
    };
    RunCalls(calls);
}

TEST(MemoryAttach, Ddr3SodimmAsTheBoardsAttachIt)
{
    // Every board: differential strobes and clocks, 1.5 V for the reset,
    // event, SMBus and address-select pins.
    const DdrSodimmOptions options{.differential = true, .busStandard = k1V5, .addressStandard = k1V5};
    auto lower = [&](uint8_t masterId) {
        return [=](TMainBoard& b) {
            AttachWithLoader(b, masterId, "mem_", [&](TDaughterBoard& d) { d.LoadDdr3Sodimm(options); });
        };
    };
    auto upper = [&](uint8_t masterId, const char* prefix) {
        return [=](TMainBoard& b) {
            AttachWithLoader(b, masterId, prefix, [&](TDaughterBoard& d) { d.LoadDdr3SodimmUpper(options); });
        };
    };
    const std::vector<SocketPin> mem = {
        {30, "mem_reset_n", kSstl15I},  {198, "mem_EVENT_n", k1V5},        {200, "mem_SDA", k1V5},
        {202, "mem_SCL", k1V5},         {197, "mem_SA[0]", k1V5},          {201, "mem_SA[1]", k1V5},
        {10, "mem_dqs_n[0]", kDiffSstl15I}, {101, "mem_ck[0]", kDiffSstl15I}, {4, "mem_dq[4]", kSstl15I},
    };
    auto upperPins = [](const std::string& p) {
        return std::vector<SocketPin>{{30, p + "RESET_n", k1V5},  {198, p + "EVENT_n", k1V5},
                                      {200, p + "SDA", k1V5},     {201, p + "SA[1]", k1V5},
                                      {186, p + "DQS_n[7]", kDiffSstl15I}, {4, p + "DQ[4]", kSstl15I}};
    };
    RunCalls({
        {"Quenwick", CONNECTOR_DDR3_SODIMM, 19, 204, lower(19), CONNECTOR_DDR3_SODIMM, mem},
        {"Brackwell", CONNECTOR_DDR3_SODIMM, 19, 204, lower(19), CONNECTOR_DDR3_SODIMM, mem},
    });
    RunCalls({{"Rastrelle socket A", CONNECTOR_DDR3_SODIMM, 24, 204, upper(24, "DDR3A_"), CONNECTOR_DDR3_SODIMM,
               upperPins("DDR3A_")}});
    RunCalls({{"Rastrelle socket B", CONNECTOR_DDR3_SODIMM, 25, 204, upper(25, "DDR3B_"), CONNECTOR_DDR3_SODIMM,
               upperPins("DDR3B_")}});
    RunCalls({{"Colvenna", CONNECTOR_DDR3_SODIMM, 24, 204,
               [](TMainBoard& b) {
                   b.AttachDdr3SodimmUpper(24, "DDR3_",
                                           {.differential = true, .busStandard = k1V5, .addressStandard = k1V5});
               },
               CONNECTOR_DDR3_SODIMM, upperPins("DDR3_")}});
    for (const auto& [masterId, prefix] : {std::pair<uint8_t, const char*>{24, "DDR3A_"}, {25, "DDR3B_"}}) {
        // The same names, with the other standards of data and strobes.
        std::vector<SocketPin> alt = upperPins(prefix);
        alt[4].ioStandard = kDiffSstl15;
        alt[5].ioStandard = kSstl15;
        RunCalls({{"Tarrowind", CONNECTOR_DDR3_SODIMM, masterId, 204,
                   [masterId = masterId, prefix = prefix](TMainBoard& b) {
                       b.AttachDdr3SodimmAlt(masterId, prefix,
                                             {.differential = true, .busStandard = k1V5, .addressStandard = k1V5});
                   },
                   CONNECTOR_DDR3_SODIMM, alt}});
    }
}

TEST(MemoryAttach, Ddr4SodimmAsTheBoardsAttachIt)
{
    auto ddr4Ecc = [](uint8_t masterId, const char* prefix, Ddr4ModuleOptions options) {
        return [=](TMainBoard& b) { b.AttachDdr4SodimmEcc(masterId, prefix, options); };
    };
    RunCalls({
        // Ulverrow, sockets A and B: card 39 without check bits, 1.2 V for
        // the presence-detect bus and its address pins.
        {"Ulverrow socket A", CONNECTOR_DDR4_SODIMM, 27, 260,
         [](TMainBoard& b) {
             b.AttachDdr4Sodimm(27, "DDR4A_", {.ecc = false, .spdStandard = k1V2, .addressStandard = k1V2});
         },
         CONNECTOR_DDR4_SODIMM,
         {{253, "DDR4A_SCL", k1V2}, {254, "DDR4A_SDA", k1V2}, {260, "DDR4A_SA[1]", k1V2}, {92, kOff, 0},
          {97, "DDR4A_DQS[8]", 54}, {109, "DDR4A_CKE", kSstl12}, {110, "DDR4A_AC_R[3]", kSstl12}}},
        {"Ulverrow socket B", CONNECTOR_DDR4_SODIMM, 28, 260,
         [](TMainBoard& b) {
             b.AttachDdr4Sodimm(28, "DDR4B_", {.ecc = false, .spdStandard = k1V2, .addressStandard = k1V2});
         },
         CONNECTOR_DDR4_SODIMM, {{253, "DDR4B_SCL", k1V2}, {256, "DDR4B_AC_R[1]", kSstl12}, {87, kOff, 0}}},
        // Yarrowgate: cards 79 and 80 on its one socket (type 13).
        {"Yarrowgate card 79", CONNECTOR_DDR4_IF_ECC, 36, 260,
         ddr4Ecc(36, "DDR4A_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE, .ecc = false,
                                .spdStandard = k1V2, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF,
         {{253, "DDR4A_SCL", k1V2}, {260, "DDR4A_SA[1]", k1V2}, {92, kOff, 0}, {166, "DDR4A_AC_R[2]", kSstl12}}},
        {"Yarrowgate card 80", CONNECTOR_DDR4_IF_ECC, 36, 260,
         ddr4Ecc(36, "DDR4A_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE, .ecc = true,
                                .spdStandard = k1V2, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF_ECC, {{92, "DDR4A_DQ[64]", 53}, {138, "DDR4A_CK1", 56}}},
        // Zennorby: 1.8 V presence-detect bus on socket A only; single-rank
        // naming without its extra pins.
        {"Zennorby socket A card 80", CONNECTOR_DDR4_IF_ECC, 40, 260,
         ddr4Ecc(40, "DDR4A_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_ZENNORBY, .ecc = true,
                                .spdStandard = k1V8, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF_ECC,
         {{253, "DDR4A_SCL", k1V8}, {254, "DDR4A_SDA", k1V8}, {260, "DDR4A_SA[1]", k1V2}, {92, "DDR4A_DQ[64]", 53},
          {110, kOff, 0}, {256, kOff, 0}, {109, "DDR4A_CKE", kSstl12}}},
        {"Zennorby socket B card 79", CONNECTOR_DDR4_IF, 41, 260,
         ddr4Ecc(41, "DDR4B_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_ZENNORBY, .ecc = false,
                                .spdStandard = k1V2, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF, {{253, "DDR4B_SCL", k1V2}, {92, kOff, 0}, {157, kOff, 0}}},
        // Ashcombre: card 80 on sockets A to D, its rank choice names the pins.
        {"Ashcombre single rank", CONNECTOR_DDR4_IF_ECC, 36, 260,
         ddr4Ecc(36, "DDR4A_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_ASHCOMBRE, .ecc = true,
                                .spdStandard = k1V2, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF_ECC,
         {{149, "DDR4A_CS_n", kSstl12}, {157, "DDR4A_AC_R[0]", kSstl12}, {92, "DDR4A_DQ[64]", 53}}},
        {"Ashcombre dual rank", CONNECTOR_DDR4_IF_ECC, 39, 260,
         ddr4Ecc(39, "DDR4D_", {.naming = Ddr4Naming::DualRank, .boardId = MAINBOARD_ASHCOMBRE, .ecc = true,
                                .spdStandard = k1V2, .addressStandard = k1V2}),
         CONNECTOR_DDR4_IF_ECC,
         {{149, "DDR4D_CS_n[0]", kSstl12}, {157, "DDR4D_CS_n[1]", kSstl12}, {256, "DDR4D_SA[0]", k1V2},
          {166, kOff, 0}}},
    });
}

TEST(MemoryAttach, QdrModulesAsTheBoardsAttachThem)
{
    RunCalls({
        {"Yarrowgate card 81", CONNECTOR_DDR4_IF_ECC, 36, 260,
         [](TMainBoard& b) { b.AttachQdr2ModuleA10(36, "QDRII_"); }, CONNECTOR_DDR4_IF_ECC_A10,
         {{33, "QDRII_K_p[0]", 14}, {256, "QDRII_A[19]", 4}, {92, kOff, 0}}},
        {"Zennorby card 83", CONNECTOR_DDR4_IF_ECC, 42, 260,
         [](TMainBoard& b) { b.AttachQdr2ModuleS10(42, "QDRC_"); }, CONNECTOR_DDR4_IF_ECC_S10,
         {{16, "QDRC_K_n[0]", 14}, {169, "QDRC_Q[27]", 4}, {253, kOff, 0}}},
        {"Zennorby card 84", CONNECTOR_DDR4_IF_ECC, 43, 260,
         [](TMainBoard& b) { b.AttachQdr4ModuleS10(43, "QDRD_"); }, CONNECTOR_DDR4_IF_ECC_S10,
         {{137, "QDRD_CK_p", 44}, {16, "QDRD_QKA_n[0]", 41}, {166, "QDRD_AINV", 41}}},
        {"card 82", CONNECTOR_DDR4_IF_ECC, 40, 260, [](TMainBoard& b) { b.AttachQdr4ModuleA10(40, ""); },
         CONNECTOR_DDR4_IF_ECC_A10, {{38, "QKA_n[0]", 41}, {256, "A[18]", 41}}},
    });
}

TEST(MemoryAttach, MissingSocketOrRefusedModuleIsAProgrammingError)
{
    SeamRecorder seam;
    TMainBoard board;
    AddSocket(board, CONNECTOR_DDR4_IF, 36, 260);
    EXPECT_THROW(board.AttachQdr2ModuleA10(37, ""), InvariantFailure);
    // Card 80 needs a socket of type 13; a type-12 socket takes card 79 only.
    EXPECT_THROW(board.AttachDdr4SodimmEcc(36, "", {.naming = Ddr4Naming::SingleRank, .boardId = 36, .ecc = true,
                                                    .spdStandard = k1V2, .addressStandard = k1V2}),
                 InvariantFailure);
}

}  // namespace memory_attach_test
