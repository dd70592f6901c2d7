// i2c_controller
//
// A shell around one I2C clock divider. It has no outputs; the Si570
// controller runs its own divider.

module i2c_controller (
    input wire iCLK,
    input wire iRST
);

clock_divider u_clock_divider (
    .iCLK    (iCLK),
    .iRST_n  (~iRST),
    .oCLK_OUT()
);

endmodule
