#include "boards/arria10/ConfigSi5340Groups.h"

#include "model/Text.h"

void BusFirstBall(TPinGroup& group, const std::string& format, int first, int count, const char* firstBall,
                  PinDirection direction, IoStandard standard)
{
    std::vector<const char*> balls(static_cast<size_t>(first + count), kUnknownBall);
    for (int n = 0; n < first; ++n) balls[static_cast<size_t>(n)] = kNoPin;
    balls[static_cast<size_t>(first)] = firstBall;
    group.Bus(format, balls.data(), first + count, direction, standard);
}

void AddPairClockGroup(TMainBoard* board)
{
    TPinGroup g("CLOCK");
    g.ReferenceClock("CLK_100_B3D", "AJ11", IO_1V8, 100, 6);
    g.ReferenceClock("CLK_50_B2F", "AY31", IO_1V8, 50, 6);
    g.ReferenceClock("CLK_50_B2G", "AW35", IO_1V8, 50, 6);
    g.ReferenceClock("CLK_50_B2H", "AP34", IO_1V8, 50, 6);
    g.ReferenceClock("CLK_50_B3D", "AN7", IO_1V8, 50, 6);
    g.ReferenceClock("CLK_50_B3F", "G12", IO_1V8, 50, 6);
    g.ReferenceClock("CLK_50_B3H", "D21", IO_1V8, 50, 6);
    g.ReferenceClock("CLKUSR_100", "AV26", IO_1V8, 100, 6);
    g.AddTo(board);
}

void AddPairRzqGroup(TMainBoard* board)
{
    TPinGroup g("RZQ");
    for (const char* pin : {"RZQ_QDRII_A", "RZQ_QDRII_B", "RZQ_QDRII_C", "RZQ_QDRII_D", "RZQ_QDRII_E", "RZQ_QDRII_F"})
        g.Pin(pin, kUnknownBall, DIR_IN, IO_1V8);
    g.AddTo(board);
}

void AddPairSi5340Group(TMainBoard* board, char chip, PinDirection sclDirection)
{
    TPinGroup g(LetterPattern("SI5340%c", chip));
    g.Pin(LetterPattern("SI5340%c_I2C_SCL", chip), kUnknownBall, sclDirection, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_I2C_SDA", chip), kUnknownBall, DIR_INOUT, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_INTR", chip), kUnknownBall, DIR_IN, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_OE_n", chip), kUnknownBall, DIR_OUT, IO_1V8);
    g.Pin(LetterPattern("SI5340%c_RST_n", chip), kUnknownBall, DIR_OUT, IO_1V8);
    g.AddTo(board);
}

void AddQdrIIGroup(TMainBoard* board, char letter, const TQdrAllBalls& balls, double refClkMHz)
{
    auto name = [&](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name("QDRII%c"));
    g.ReferenceClock(name("QDRII%c_REFCLK_p"), balls.RefClk, IO_LVDS, refClkMHz, 6);
    BusFirstBall(g, name("QDRII%c_A[%d]"), 0, 22, balls.A0, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_K_p"), balls.Kp, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    g.Pin(name("QDRII%c_K_n"), balls.Kn, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    BusFirstBall(g, name("QDRII%c_D[%d]"), 0, 18, balls.D0, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_BWS_n[0]"), balls.Bws0, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_BWS_n[1]"), balls.Bws1, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_CQ_p"), balls.CQp, DIR_IN, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_CQ_n"), balls.CQn, DIR_IN, IO_1V8_HSTL_I);
    BusFirstBall(g, name("QDRII%c_Q[%d]"), 0, 18, balls.Q0, DIR_IN, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_QVLD"), balls.Qvld, DIR_IN, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_WPS_n"), balls.Wps, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_RPS_n"), balls.Rps, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_DOFF_n"), balls.Doff, DIR_OUT, IO_1V8_HSTL_I);
    g.Pin(name("QDRII%c_ODT"), balls.Odt, DIR_OUT, IO_1V8_HSTL_I);
    g.AddTo(board);
}

void AddQdrIIGroup(TMainBoard* board, char letter, const TQdrBalls& balls, double refClkMHz)
{
    const char* const u = kUnknownBall;
    AddQdrIIGroup(board, letter,
                  {.RefClk = balls.RefClk, .A0 = balls.A0, .Kp = balls.Kp, .Kn = u, .D0 = balls.D0, .Bws0 = u,
                   .Bws1 = u, .CQp = u, .CQn = u, .Q0 = balls.Q0, .Qvld = u, .Wps = u, .Rps = u, .Doff = u, .Odt = u},
                  refClkMHz);
}

void AddQsfpGroup(TMainBoard* board, char letter, const TQsfpAllBalls& balls, double refClkMHz,
                  PinDirection sclDirection)
{
    auto name = [&](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name("QSFP%c"));
    g.ReferenceClock(name("QSFP%c_REFCLK_p"), balls.RefClk, IO_LVDS, refClkMHz, 6);
    g.Bus(name("QSFP%c_TX_p[%d]"), balls.Tx, 4, DIR_OUT, IO_HSSI);
    g.Bus(name("QSFP%c_RX_p[%d]"), balls.Rx, 4, DIR_IN, IO_HSSI);
    g.Pin(name("QSFP%c_INTERRUPT_n"), balls.InterruptN, DIR_IN, IO_1V8);
    g.Pin(name("QSFP%c_LP_MODE"), balls.LpMode, DIR_OUT, IO_1V8);
    g.Pin(name("QSFP%c_MOD_PRS_n"), balls.ModPrsN, DIR_IN, IO_1V8);
    g.Pin(name("QSFP%c_MOD_SEL_n"), balls.ModSelN, DIR_OUT, IO_1V8);
    g.Pin(name("QSFP%c_RST_n"), balls.RstN, DIR_OUT, IO_1V8);
    g.Pin(name("QSFP%c_SCL"), balls.Scl, sclDirection, IO_1V8);
    g.Pin(name("QSFP%c_SDA"), balls.Sda, DIR_INOUT, IO_1V8);
    g.AddTo(board);
}

void AddQsfpGroup(TMainBoard* board, char letter, const TQsfpBalls& balls, double refClkMHz,
                  PinDirection sclDirection)
{
    const char* const u = kUnknownBall;
    AddQsfpGroup(board, letter,
                 {.RefClk = balls.RefClk, .Tx = {balls.Tx0, u, u, u}, .Rx = {balls.Rx0, u, u, u}, .InterruptN = u,
                  .LpMode = u, .ModPrsN = u, .ModSelN = u, .RstN = u, .Scl = u, .Sda = u},
                 refClkMHz, sclDirection);
}
