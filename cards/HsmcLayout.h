// Position lists of the HSMC connector's layout that many HSMC cards share.
#pragma once

namespace hsmc {

constexpr int kPositions = 160;

// Transceiver lanes 7 ... 0, four positions each: TX p, RX p, TX n, RX n.
constexpr const char* kLaneTxP = "1, 5, 9, 13, 17, 21, 25, 29";
constexpr const char* kLaneRxP = "2, 6, 10, 14, 18, 22, 26, 30";
constexpr const char* kLaneTxN = "3, 7, 11, 15, 19, 23, 27, 31";
constexpr const char* kLaneRxN = "4, 8, 12, 16, 20, 24, 28, 32";

// LVDS pairs 0 ... 16, six positions each (TX p, RX p, TX n, RX n and two
// without signal); pairs 0-7 start at 47, pairs 8-16 at 101.
constexpr const char* kLvdsTxP = "47, 53, 59, 65, 71, 77, 83, 89, 101, 107, 113, 119, 125, 131, 137, 143, 149";
constexpr const char* kLvdsRxP = "48, 54, 60, 66, 72, 78, 84, 90, 102, 108, 114, 120, 126, 132, 138, 144, 150";
constexpr const char* kLvdsTxN = "49, 55, 61, 67, 73, 79, 85, 91, 103, 109, 115, 121, 127, 133, 139, 145, 151";
constexpr const char* kLvdsRxN = "50, 56, 62, 68, 74, 80, 86, 92, 104, 110, 116, 122, 128, 134, 140, 146, 152";

}  // namespace hsmc
