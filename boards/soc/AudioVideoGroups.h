// The groups that the Hollarne and Mirrendale boards share: one FPGA package
// with the audio codec, its I2C bus (shared with the video decoder), the IR
// transceiver, the video-in decoder and the VGA DAC on the same balls.
#pragma once

#include "boards/soc/BoardPins.h"
#include "model/MainBoard.h"

namespace audiovideo {

using namespace boardpins;

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;

inline void AddAudio(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Audio");
    Pin(pConn, "AUD_ADCDAT", "K7", LVTTL, IN);
    Pin(pConn, "AUD_ADCLRCK", "K8", LVTTL, INOUT);
    Pin(pConn, "AUD_BCLK", "H7", LVTTL, INOUT);
    Pin(pConn, "AUD_DACDAT", "J7", LVTTL, OUT);
    Pin(pConn, "AUD_DACLRCK", "H8", LVTTL, INOUT);
    Pin(pConn, "AUD_XCK", "G7", LVTTL, OUT);
    board->AddConnector(pConn);
}

// The I2C bus of the audio codec and the video decoder, once for either.
inline void AddI2c(TMainBoard* board)
{
    TConnector* pConn = NewGroup("I2C for Audio and Video-In");
    Pin(pConn, "FPGA_I2C_SCLK", "J12", LVTTL, OUT);
    Pin(pConn, "FPGA_I2C_SDAT", "K12", LVTTL, INOUT);
    board->AddConnector(pConn);
}

inline void AddIr(TMainBoard* board)
{
    TConnector* pConn = NewGroup("IR");
    Pin(pConn, "IRDA_RXD", "AA30", LVTTL, IN);
    Pin(pConn, "IRDA_TXD", "AB30", LVTTL, OUT);
    board->AddConnector(pConn);
}

inline void AddVideoIn(TMainBoard* board)
{
    static const char* const kTdData[] = {"D2", "B1", "E2", "B2", "D1", "E1", "C2", "B3"};
    TConnector* pConn = NewGroup("Video-In");
    Pin(pConn, "TD_CLK27", "H15", LVTTL, IN);
    Bus(pConn, "TD_DATA", kTdData, 8, LVTTL, IN);
    Pin(pConn, "TD_HS", "A5", LVTTL, IN);
    Pin(pConn, "TD_RESET_N", "F6", LVTTL, OUT);
    Pin(pConn, "TD_VS", "A3", LVTTL, IN);
    board->AddConnector(pConn);
}

inline void AddVga(TMainBoard* board)
{
    static const char* const kVgaB[] = {"B13", "G13", "H13", "F14", "H14", "F15", "G15", "J14"};
    static const char* const kVgaG[] = {"J9", "J10", "H12", "G10", "G11", "G12", "F11", "E11"};
    static const char* const kVgaR[] = {"A13", "C13", "E13", "B12", "C12", "D12", "E12", "F13"};
    TConnector* pConn = NewGroup("VGA");
    Bus(pConn, "VGA_B", kVgaB, 8, LVTTL, OUT);
    Pin(pConn, "VGA_BLANK_N", "F10", LVTTL, OUT);
    Pin(pConn, "VGA_CLK", "A11", LVTTL, OUT);
    Bus(pConn, "VGA_G", kVgaG, 8, LVTTL, OUT);
    Pin(pConn, "VGA_HS", "B11", LVTTL, OUT);
    Bus(pConn, "VGA_R", kVgaR, 8, LVTTL, OUT);
    Pin(pConn, "VGA_SYNC_N", "C10", LVTTL, OUT);
    Pin(pConn, "VGA_VS", "D11", LVTTL, OUT);
    board->AddConnector(pConn);
}

}  // namespace audiovideo
