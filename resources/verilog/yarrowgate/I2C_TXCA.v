// I2C_TXCA
//
// Programs TXC clock generator A after reset: its HDMI output (device
// address byte 8'h04) at the frequency code iFREQ_SELECTA[7:4], then its
// SFP output (address byte 8'h10) at the code iFREQ_SELECTA[3:0]. The two
// I2C_TXCA_Config instances share the bus; the SFP one is held in reset
// until the HDMI one is done. I2C_DONE rises when both are done. The codes
// are those of I2C_TXCA_Config (0 100 MHz ... 9 644.53125 MHz).

module I2C_TXCA (
    input  wire       iCLK,            // 50 MHz
    input  wire       iRST_N,
    input  wire [7:0] iFREQ_SELECTA,   // [7:4] HDMI, [3:0] SFP
    inout  wire       CLOCK_SCL,
    inout  wire       CLOCK_SDA,
    output wire       I2C_DONE
);

wire hdmi_done;
wire sfp_done;

I2C_TXCA_Config HDMI_Config (
    .iCLK        (iCLK),
    .iRST_N      (iRST_N),
    .iFREQ_SELECT(iFREQ_SELECTA[7:4]),
    .I2C_SCLK    (CLOCK_SCL),
    .I2C_SDAT    (CLOCK_SDA),
    .I2C_ADDR    (8'h04),
    .I2C_DONE    (hdmi_done)
);

I2C_TXCA_Config SFP_Config (
    .iCLK        (iCLK),
    .iRST_N      (iRST_N & hdmi_done),
    .iFREQ_SELECT(iFREQ_SELECTA[3:0]),
    .I2C_SCLK    (CLOCK_SCL),
    .I2C_SDAT    (CLOCK_SDA),
    .I2C_ADDR    (8'h10),
    .I2C_DONE    (sfp_done)
);

assign I2C_DONE = sfp_done;

endmodule
