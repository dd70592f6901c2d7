// initial_config
//
// Start-up pulse: a REG_SIZE-bit counter runs from reset (iRST_n,
// asynchronous, active low) and stops when every bit is set. oINITIAL_START
// is high for the one clock in which the count is one below that and
// iINITIAL_ENABLE is high: 2,097,150 clocks after reset (about 42 ms at
// 50 MHz), time for the clock chip to start after power-up.

`define REG_SIZE 21

module initial_config(
    iCLK,
    iRST_n,
    oINITIAL_START,
    iINITIAL_ENABLE,
);

input  iCLK;
input  iRST_n;
output oINITIAL_START;
input  iINITIAL_ENABLE;

reg [`REG_SIZE-1:0] cnt;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        cnt <= {`REG_SIZE{1'b0}};
    else if (cnt != {`REG_SIZE{1'b1}})
        cnt <= cnt + 1'b1;
end

assign oINITIAL_START = (cnt == {{(`REG_SIZE-1){1'b1}}, 1'b0}) && iINITIAL_ENABLE;

endmodule
