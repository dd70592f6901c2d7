// The QDR SRAM modules of the 260-position memory sockets: the QDR-II+
// module (cards 81 and 83) and the QDR-IV module (cards 82 and 84), each in
// one pin-out for the Arria 10 boards and one for the Stratix 10 boards. The
// data pins lie on the positions of the DDR4 module's byte lanes 0 to 7,
// address and control on 108 to 166 and 256.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

constexpr int kPositions = 260;
constexpr IoStandard kHstl18I = 4;       // "1.8-V HSTL Class I"
constexpr IoStandard kDiffHstl18I = 14;  // "Differential 1.8-V HSTL Class I"
constexpr IoStandard kHstl12I = 41;      // "1.2-V HSTL Class I"
constexpr IoStandard kDiffHstl12I = 44;  // "Differential 1.2-V HSTL Class I"

constexpr int kLaneCount = 8;
constexpr int kLaneWidth = 11;

// The eleven positions of each lane, in the order of the lane tables below.
const char* const kLanePositions[kLaneCount] = {
    "3, 4, 7, 8, 11, 12, 13, 16, 17, 20, 21",
    "24, 25, 28, 29, 32, 33, 34, 37, 38, 41, 42",
    "45, 46, 49, 50, 53, 54, 55, 58, 59, 62, 63",
    "66, 67, 70, 71, 74, 75, 76, 79, 80, 83, 84",
    "169, 170, 173, 174, 177, 178, 179, 182, 183, 186, 187",
    "190, 191, 194, 195, 198, 199, 200, 203, 204, 207, 208",
    "211, 212, 215, 216, 219, 220, 221, 224, 225, 228, 229",
    "232, 233, 236, 237, 240, 241, 242, 245, 246, 249, 250",
};

using LaneTable = const char* const[kLaneCount][kLaneWidth];

// Direction and standard of a lane signal, by the name before its index.
struct LaneSignal {
    const char* base;
    PinDirection direction;
    IoStandard ioStandard;
};

// ---- QDR-II+ ----------------------------------------------------------------

const LaneSignal kQdr2LaneSignals[] = {
    {"D", Out, kHstl18I},         {"BWS_n", Out, kHstl18I},     {"ODT", Out, kHstl18I},
    {"K_p", Out, kDiffHstl18I},   {"K_n", Out, kDiffHstl18I},   {"Q", In, kHstl18I},
    {"CQ_p", In, kHstl18I},       {"CQ_n", In, kHstl18I},       {"QVLD", In, kHstl18I},
};

LaneTable kQdr2A10Lanes = {
    {"D[5]", "D[2]", "D[1]", "D[0]", "BWS_n[0]", "D[17]", "D[8]", "D[6]", "D[4]", "D[7]", "D[3]"},
    {"D[11]", "D[9]", "D[12]", "D[10]", "BWS_n[1]", "K_p[0]", "D[13]", "K_n[0]", "D[15]", "D[14]", "D[16]"},
    {"Q[0]", "Q[1]", "Q[2]", "Q[3]", "Q[4]", "Q[15]", "QVLD[0]", "Q[5]", "Q[6]", "Q[8]", "Q[7]"},
    {"Q[10]", "Q[9]", "Q[12]", "Q[11]", "Q[14]", "Q[16]", "ODT[0]", "Q[13]", "CQ_p[0]", "Q[17]", "CQ_n[0]"},
    {"D[18]", "D[19]", "D[20]", "D[21]", "BWS_n[2]", "D[23]", "D[35]", "D[25]", "D[24]", "D[22]", "D[26]"},
    {"K_n[1]", "D[28]", "K_p[1]", "D[27]", "D[30]", "D[29]", "BWS_n[3]", "D[31]", "D[32]", "D[33]", "D[34]"},
    {"Q[18]", "Q[19]", "Q[20]", "Q[21]", "Q[28]", "Q[24]", "ODT[1]", "Q[26]", "Q[23]", "Q[22]", "Q[25]"},
    {"CQ_n[1]", "Q[27]", "CQ_p[1]", "Q[29]", "Q[30]", "Q[31]", "QVLD[1]", "Q[32]", "Q[33]", "Q[34]", "Q[35]"},
};

// Write data in lanes 1, 2, 7 and 8, read data in lanes 3 to 6.
LaneTable kQdr2S10Lanes = {
    {"D[0]", "D[2]", "D[1]", "D[3]", "BWS_n[0]", "D[17]", "D[16]", "K_n[0]", "D[4]", "K_p[0]", "D[5]"},
    {"D[15]", "D[9]", "D[14]", "D[10]", "BWS_n[1]", "D[13]", "D[6]", "D[12]", "D[7]", "D[11]", "D[8]"},
    {"Q[0]", "Q[1]", "Q[2]", "Q[3]", "Q[4]", "Q[15]", "QVLD[0]", "CQ_p[0]", "Q[6]", "CQ_n[0]", "Q[7]"},
    {"Q[10]", "Q[9]", "Q[12]", "Q[11]", "Q[14]", "Q[16]", "ODT[0]", "Q[13]", "Q[5]", "Q[17]", "Q[8]"},
    {"Q[27]", "Q[28]", "Q[29]", "Q[24]", "Q[30]", "Q[23]", "ODT[1]", "CQ_n[1]", "Q[31]", "CQ_p[1]", "Q[26]"},
    {"Q[22]", "Q[21]", "Q[20]", "Q[25]", "Q[19]", "Q[18]", "QVLD[1]", "Q[35]", "Q[32]", "Q[33]", "Q[34]"},
    {"D[27]", "D[29]", "D[28]", "D[25]", "BWS_n[2]", "D[23]", "D[24]", "K_n[1]", "D[31]", "K_p[1]", "D[22]"},
    {"D[21]", "D[26]", "D[20]", "D[33]", "D[34]", "D[19]", "BWS_n[3]", "D[35]", "D[18]", "D[32]", "D[30]"},
};

const CardPinRow kQdr2Control[] = {
    {"109", "WPS_n", nullptr, Out, kHstl18I},
    {"115", "RESERVED", nullptr, Out, kHstl18I},
    {"119, 120, 121, 122", "A", "14, 13, 11, 9", Out, kHstl18I},
    {"125, 126, 127, 128", "A", "10, 7, 8, 6", Out, kHstl18I},
    {"131-133", "A", "5-3", Out, kHstl18I},
    {"143, 144, 145, 146", "A", "1, 2, 21, 12", Out, kHstl18I},
    {"150, 151, 152", "A", "20, 16, 18", Out, kHstl18I},
    {"156", "A[17]", nullptr, Out, kHstl18I},
    {"158", "A[15]", nullptr, Out, kHstl18I},
    {"162", "DOFF_n", nullptr, Out, kHstl18I},
    {"165", "RPS_n", nullptr, Out, kHstl18I},
    {"166", "A[0]", nullptr, Out, kHstl18I},
    {"256", "A[19]", nullptr, Out, kHstl18I},
};

// ---- QDR-IV -----------------------------------------------------------------

const LaneSignal kQdr4LaneSignals[] = {
    {"DQA", Out, kHstl12I},       {"DQB", Out, kHstl12I},
    {"DKA_p", Out, kDiffHstl12I}, {"DKA_n", Out, kDiffHstl12I}, {"DKB_p", Out, kDiffHstl12I},
    {"DKB_n", Out, kDiffHstl12I}, {"QKA_p", In, kHstl12I},      {"QKA_n", In, kHstl12I},
    {"QKB_p", In, kHstl12I},      {"QKB_n", In, kHstl12I},
};

LaneTable kQdr4A10Lanes = {
    {"DQA[8]", "DQA[7]", "DQA[0]", "DQA[1]", "DKA_n[0]", "DQA[4]", "DKA_p[0]", "DQA[2]", "DQA[5]", "DQA[17]", "DQA[3]"},
    {"DQA[13]", "DQA[6]", "DQA[14]", "DQA[16]", "DQA[9]", "DQA[12]", "DQA[15]", "DQA[11]", "QKA_n[0]", "DQA[10]",
     "QKA_p[0]"},
    {"DQA[32]", "DQA[33]", "DQA[31]", "DQA[30]", "DKA_n[1]", "DQA[23]", "DKA_p[1]", "DQA[21]", "DQA[35]", "DQA[25]",
     "DQA[24]"},
    {"DQA[20]", "DQA[26]", "DQA[19]", "DQA[18]", "DQA[22]", "DQA[28]", "DQA[34]", "DQA[27]", "QKA_p[1]", "DQA[29]",
     "QKA_n[1]"},
    {"DQB[11]", "DQB[12]", "DQB[10]", "DQB[15]", "DKB_n[0]", "DQB[14]", "DKB_p[0]", "DQB[13]", "DQB[9]", "DQB[6]",
     "DQB[16]"},
    {"DQB[5]", "DQB[7]", "DQB[3]", "DQB[17]", "DQB[2]", "DQB[1]", "DQB[8]", "DQB[4]", "QKB_p[0]", "DQB[0]", "QKB_n[0]"},
    {"DQB[30]", "DQB[28]", "DQB[29]", "DQB[34]", "DKB_n[1]", "DQB[24]", "DKB_p[1]", "DQB[18]", "DQB[22]", "DQB[26]",
     "DQB[20]"},
    {"QKB_p[1]", "DQB[19]", "QKB_n[1]", "DQB[21]", "DQB[35]", "DQB[25]", "DQB[23]", "DQB[27]", "DQB[33]", "DQB[32]",
     "DQB[31]"},
};

// Port A in lanes 1 to 4, port B in lanes 5 to 8, the data clocks where
// card 82 has them.
LaneTable kQdr4S10Lanes = {
    {"DQA[8]", "DQA[7]", "DQA[0]", "DQA[1]", "DKA_n[0]", "DQA[4]", "DKA_p[0]", "QKA_n[0]", "DQA[2]", "QKA_p[0]",
     "DQA[5]"},
    {"DQA[17]", "DQA[3]", "DQA[13]", "DQA[6]", "DQA[14]", "DQA[16]", "DQA[15]", "DQA[10]", "DQA[9]", "DQA[12]",
     "DQA[11]"},
    {"DQA[32]", "DQA[33]", "DQA[31]", "DQA[30]", "DKA_n[1]", "DQA[24]", "DKA_p[1]", "QKA_p[1]", "DQA[23]", "QKA_n[1]",
     "DQA[35]"},
    {"DQA[25]", "DQA[26]", "DQA[19]", "DQA[20]", "DQA[22]", "DQA[18]", "DQA[28]", "DQA[34]", "DQA[21]", "DQA[27]",
     "DQA[29]"},
    {"DQB[11]", "DQB[12]", "DQB[10]", "DQB[15]", "DKB_n[0]", "DQB[14]", "DKB_p[0]", "QKB_p[0]", "DQB[9]", "QKB_n[0]",
     "DQB[16]"},
    {"DQB[5]", "DQB[6]", "DQB[3]", "DQB[17]", "DQB[2]", "DQB[7]", "DQB[8]", "DQB[1]", "DQB[0]", "DQB[4]", "DQB[13]"},
    {"DQB[30]", "DQB[28]", "DQB[29]", "DQB[34]", "DKB_n[1]", "DQB[24]", "DKB_p[1]", "QKB_p[1]", "DQB[22]", "QKB_n[1]",
     "DQB[20]"},
    {"DQB[18]", "DQB[19]", "DQB[26]", "DQB[21]", "DQB[35]", "DQB[25]", "DQB[23]", "DQB[27]", "DQB[33]", "DQB[32]",
     "DQB[31]"},
};

const CardPinRow kQdr4Control[] = {
    {"108", "RESET_n", nullptr, Out, kHstl12I},
    {"109", "RWA_n", nullptr, Out, kHstl12I},
    {"113", "CFG_n", nullptr, Out, kHstl12I},
    {"114", "LBK1_n", nullptr, Out, kHstl12I},
    {"115", "A[21]", nullptr, Out, kHstl12I},
    {"119, 120, 121, 122", "A", "13, 12, 10, 8", Out, kHstl12I},
    {"125, 126, 127, 128", "A", "9, 6, 7, 5", Out, kHstl12I},
    {"131-133", "A", "4-2", Out, kHstl12I},
    {"137", "CK_p", nullptr, Out, kDiffHstl12I},
    {"139", "CK_n", nullptr, Out, kDiffHstl12I},
    {"143, 144, 145, 146", "A", "0, 1, 20, 11", Out, kHstl12I},
    {"149", "LBK0_n", nullptr, Out, kHstl12I},
    {"150, 151, 152", "A", "19, 15, 17", Out, kHstl12I},
    {"155", "LDA_n", nullptr, Out, kHstl12I},
    {"156", "A[16]", nullptr, Out, kHstl12I},
    {"158", "A[14]", nullptr, Out, kHstl12I},
    {"162", "LDB_n", nullptr, Out, kHstl12I},
    {"165", "RWB_n", nullptr, Out, kHstl12I},
    {"166", "AINV", nullptr, Out, kHstl12I},
    {"256", "A[18]", nullptr, Out, kHstl12I},
};

// ---- One module map -----------------------------------------------------------

template <std::size_t N, std::size_t M>
void AddQdrModulePins(TConnector* connector, LaneTable& lanes, const LaneSignal (&laneSignals)[N],
                      const CardPinRow (&control)[M])
{
    CardPinTable table(kPositions);
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const std::vector<int> positions = card_table::ExpandNumberList(kLanePositions[lane]);
        PL_ASSERT(positions.size() == kLaneWidth);
        for (int i = 0; i < kLaneWidth; ++i) {
            const std::string name = lanes[lane][i];
            const std::string base = name.substr(0, name.find('['));
            const LaneSignal* signal = nullptr;
            for (const LaneSignal& s : laneSignals)
                if (base == s.base) signal = &s;
            PL_ASSERT(signal != nullptr);
            table.Add(positions[static_cast<std::size_t>(i)], name, signal->direction, signal->ioStandard);
        }
    }
    table.Add(control);
    table.AppendTo(connector);
}

}  // namespace

void AddQdr2ModuleA10Pins(TConnector* connector)
{
    AddQdrModulePins(connector, kQdr2A10Lanes, kQdr2LaneSignals, kQdr2Control);
}

void AddQdr2ModuleS10Pins(TConnector* connector)
{
    AddQdrModulePins(connector, kQdr2S10Lanes, kQdr2LaneSignals, kQdr2Control);
}

void AddQdr4ModuleA10Pins(TConnector* connector)
{
    AddQdrModulePins(connector, kQdr4A10Lanes, kQdr4LaneSignals, kQdr4Control);
}

void AddQdr4ModuleS10Pins(TConnector* connector)
{
    AddQdrModulePins(connector, kQdr4S10Lanes, kQdr4LaneSignals, kQdr4Control);
}
