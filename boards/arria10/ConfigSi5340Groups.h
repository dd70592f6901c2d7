// Pin groups that the definitions of the sister boards Fallowmere and
// Garvelow build alike: a QDR-II+ SRAM (70 pins) and a QSFP+ cage (16 pins)
// with their reference clocks, and the bus tables of which the boards' data
// give only the first ball.
#pragma once

#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"

constexpr IoStandard IO_HSSI = 52;  // "HSSI Differential I/O"

// NAME[first..first+count-1]: the first member at the given ball (or
// unknown), the others unknown to us.
void BusFirstBall(TPinGroup& group, const std::string& format, int first, int count, const char* firstBall,
                  PinDirection direction, IoStandard standard);

// The balls of one QDR-II+ group that the board's data give.
struct TQdrBalls {
    const char* RefClk;
    const char* A0;
    const char* D0;
    const char* Q0;
    const char* Kp;
};
// Every single pin's ball and the first of each bus, in the pins' order.
struct TQdrAllBalls {
    const char* RefClk;
    const char* A0;
    const char* Kp;
    const char* Kn;
    const char* D0;
    const char* Bws0;
    const char* Bws1;
    const char* CQp;
    const char* CQn;
    const char* Q0;
    const char* Qvld;
    const char* Wps;
    const char* Rps;
    const char* Doff;
    const char* Odt;
};
// "QDRIIx": REFCLK_p (LVDS, clock of refClkMHz), A[0..21], K_p, K_n, D[0..17],
// BWS_n[0..1], CQ_p, CQ_n, Q[0..17], QVLD, WPS_n, RPS_n, DOFF_n, ODT.
void AddQdrIIGroup(TMainBoard* board, char letter, const TQdrAllBalls& balls, double refClkMHz);
void AddQdrIIGroup(TMainBoard* board, char letter, const TQdrBalls& balls, double refClkMHz);

// "CLOCK": the eight clock inputs of the sister boards, all known.
void AddPairClockGroup(TMainBoard* board);
// "RZQ": RZQ_QDRII_A .. RZQ_QDRII_F.
void AddPairRzqGroup(TMainBoard* board);
// "SI5340A" or "SI5340B" (chip 'A' or 'B'): I2C_SCL (sclDirection), I2C_SDA,
// INTR, OE_n, RST_n, none of them known.
void AddPairSi5340Group(TMainBoard* board, char chip, PinDirection sclDirection);

struct TQsfpBalls {
    const char* RefClk;
    const char* Tx0;
    const char* Rx0;
};
// Every ball of a cage, in the pins' order.
struct TQsfpAllBalls {
    const char* RefClk;
    const char* Tx[4];
    const char* Rx[4];
    const char* InterruptN;
    const char* LpMode;
    const char* ModPrsN;
    const char* ModSelN;
    const char* RstN;
    const char* Scl;
    const char* Sda;
};
// "QSFPx": REFCLK_p (LVDS, clock of refClkMHz), TX_p[0..3], RX_p[0..3],
// INTERRUPT_n, LP_MODE, MOD_PRS_n, MOD_SEL_n, RST_n, SCL (sclDirection), SDA.
void AddQsfpGroup(TMainBoard* board, char letter, const TQsfpAllBalls& balls, double refClkMHz,
                  PinDirection sclDirection);
void AddQsfpGroup(TMainBoard* board, char letter, const TQsfpBalls& balls, double refClkMHz,
                  PinDirection sclDirection);
