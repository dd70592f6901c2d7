// Pins of the hard processor system that several boards of this family name
// and order alike. The processor places them itself: each gets its I/O
// standard and no location.
#pragma once

#include "boards/soc/BoardPins.h"

namespace hpspins {

using namespace boardpins;

constexpr IoStandard LVTTL = IO_STD_3V3_LVTTL;  // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15 = 12;          // "Differential 1.5-V SSTL Class I"
constexpr IoStandard SSTL15 = 29;               // "SSTL-15 Class I"

// HPS_CONV_USB_N, the DDR3 memory and the Ethernet pins, in this order. The
// boards differ in the standard of HPS_DDR3_RZQ.
inline void AddMemoryAndEthernet(TConnector* pConn, IoStandard rzqStandard)
{
    Pin(pConn, "HPS_CONV_USB_N", "", LVTTL, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_ADDR", 15, SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_BA", 3, SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CAS_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CKE", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CK_N", "", DIFF_SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CK_P", "", DIFF_SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_CS_N", "", SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_DM", 4, SSTL15, OUT);
    BusNoLocation(pConn, "HPS_DDR3_DQ", 32, SSTL15, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_DQS_N", 4, DIFF_SSTL15, INOUT);
    BusNoLocation(pConn, "HPS_DDR3_DQS_P", 4, DIFF_SSTL15, INOUT);
    Pin(pConn, "HPS_DDR3_ODT", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RAS_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RESET_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_DDR3_RZQ", "", rzqStandard, IN);
    Pin(pConn, "HPS_DDR3_WE_N", "", SSTL15, OUT);
    Pin(pConn, "HPS_ENET_GTX_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_ENET_INT_N", "", LVTTL, INOUT);
    Pin(pConn, "HPS_ENET_MDC", "", LVTTL, OUT);
    Pin(pConn, "HPS_ENET_MDIO", "", LVTTL, INOUT);
    Pin(pConn, "HPS_ENET_RX_CLK", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_ENET_RX_DATA", 4, LVTTL, IN);
    Pin(pConn, "HPS_ENET_RX_DV", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_ENET_TX_DATA", 4, LVTTL, OUT);
    Pin(pConn, "HPS_ENET_TX_EN", "", LVTTL, OUT);
}

// The SD card, SPI master, UART and USB pins, in this order.
inline void AddSdSpiUartUsb(TConnector* pConn)
{
    Pin(pConn, "HPS_SD_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_SD_CMD", "", LVTTL, INOUT);
    BusNoLocation(pConn, "HPS_SD_DATA", 4, LVTTL, INOUT);
    Pin(pConn, "HPS_SPIM_CLK", "", LVTTL, OUT);
    Pin(pConn, "HPS_SPIM_MISO", "", LVTTL, IN);
    Pin(pConn, "HPS_SPIM_MOSI", "", LVTTL, OUT);
    Pin(pConn, "HPS_SPIM_SS", "", LVTTL, INOUT);
    Pin(pConn, "HPS_UART_RX", "", LVTTL, IN);
    Pin(pConn, "HPS_UART_TX", "", LVTTL, OUT);
    Pin(pConn, "HPS_USB_CLKOUT", "", LVTTL, IN);
    BusNoLocation(pConn, "HPS_USB_DATA", 8, LVTTL, INOUT);
    Pin(pConn, "HPS_USB_DIR", "", LVTTL, IN);
    Pin(pConn, "HPS_USB_NXT", "", LVTTL, IN);
    Pin(pConn, "HPS_USB_STP", "", LVTTL, OUT);
}

}  // namespace hpspins
