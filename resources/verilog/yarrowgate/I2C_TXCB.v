// I2C_TXCB
//
// Programs TXC clock generator B after reset, one output after the other:
// FMC (device address byte 8'h04) at the frequency code
// iFREQ_SELECTB[11:8], then DP (8'h0C) at iFREQ_SELECTB[7:4], then USB
// (8'h10) at iFREQ_SELECTB[3:0]. The three I2C_TXCB_Config instances share
// the bus; each is held in reset until those before it are done. I2C_DONE
// rises when the USB one is done. The codes are those of I2C_TXCB_Config
// (0 100 MHz ... 9 644.53125 MHz).

module I2C_TXCB (
    input  wire        iCLK,            // 50 MHz
    input  wire        iRST_N,
    input  wire [11:0] iFREQ_SELECTB,   // [11:8] FMC, [7:4] DP, [3:0] USB
    inout  wire        CLOCK_SCL,
    inout  wire        CLOCK_SDA,
    output wire        I2C_DONE
);

wire fmc_done;
wire dp_done;
wire usb_done;

I2C_TXCB_Config FMC_Config (
    .iCLK        (iCLK),
    .iRST_N      (iRST_N),
    .iFREQ_SELECT(iFREQ_SELECTB[11:8]),
    .I2C_SCLK    (CLOCK_SCL),
    .I2C_SDAT    (CLOCK_SDA),
    .I2C_ADDR    (8'h04),
    .I2C_DONE    (fmc_done)
);

I2C_TXCB_Config DP_Config (
    .iCLK        (iCLK),
    .iRST_N      (iRST_N & fmc_done),
    .iFREQ_SELECT(iFREQ_SELECTB[7:4]),
    .I2C_SCLK    (CLOCK_SCL),
    .I2C_SDAT    (CLOCK_SDA),
    .I2C_ADDR    (8'h0C),
    .I2C_DONE    (dp_done)
);

I2C_TXCB_Config USB_Config (
    .iCLK        (iCLK),
    .iRST_N      (iRST_N & fmc_done & dp_done),
    .iFREQ_SELECT(iFREQ_SELECTB[3:0]),
    .I2C_SCLK    (CLOCK_SCL),
    .I2C_SDAT    (CLOCK_SDA),
    .I2C_ADDR    (8'h10),
    .I2C_DONE    (usb_done)
);

assign I2C_DONE = usb_done;

endmodule
