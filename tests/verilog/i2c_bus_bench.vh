// Included in a controller bench after si5340_bench.vh: i2c_bus_controller
// alone on fast_clk, with a slave model peer at 0x2A on its lines (pulled
// up, so a master that drives them open drain works too), and bus_transfer,
// which runs one transfer. scl_hold pulls SCL low from outside. The bench
// gives the reset (rst_n) and checks what it needs.

reg        bus_start = 1'b0;
reg  [6:0] bus_slave = 7'h2A;
reg  [7:0] bus_reg = 8'h00;
reg  [7:0] bus_wdata = 8'h00;
reg        bus_write = 1'b1;
wire       bus_scl, bus_sda;
wire       bus_busy, bus_done, bus_rdy;
wire [7:0] bus_rdata;
reg        scl_hold = 1'b0;
pullup (bus_scl);
pullup (bus_sda);
assign bus_scl = scl_hold ? 1'b0 : 1'bz;

i2c_bus_controller bus (
    .iCLK             (fast_clk),
    .iRST_n           (rst_n),
    .iStart           (bus_start),
    .iSlave_addr      (bus_slave),
    .iWord_addr       (bus_reg),
    .iSequential_read (1'b0),
    .iRead_length     (8'd1),
    .wr_data          (bus_wdata),
    .wr_cmd           (bus_write),
    .i2c_clk          (bus_scl),
    .i2c_data         (bus_sda),
    .oSYSTEM_STATE    (bus_busy),
    .oCONFIG_DONE     (bus_done),
    .i2c_read_data    (bus_rdata),
    .i2c_read_data_rdy(bus_rdy),
    .read_data_tmp    (),
    .i2c_clk_cnt      (),
    .i2c_state        (),
    .i2c_bit_cnt      (),
    .shift_out        (),
    .shift_out_en     (),
    .shift_in_en      (),
    .system_clk       (),
    .i2c_clk_src      (),
    .i2c_clk_rise     (),
    .i2c_clk_fall     (),
    .process_en       (),
    .i2c_start_ctrl   (),
    .i2c_stop_ctrl    (),
    .i2c_master_out   (),
    .i2c_slave_out    (),
    .i2c_read_done    (),
    .read_length      (),
    .test_start       (),
    .test_cnt         (),
    .wr_data_en       (),
    .i2c_stop_ctrl_cnt()
);
i2c_slave_model #(.ADDRESS(7'h2A), .TIME_SCALE(4.0 / 128.0)) peer (.scl(bus_scl), .sda(bus_sda));

integer rdy_pulses = 0;
always @(posedge fast_clk) if (bus_rdy === 1'b1) rdy_pulses = rdy_pulses + 1;

// One transfer: iStart until the controller is busy, then its end.
task bus_transfer(input [6:0] slave, input write, input [7:0] r, input [7:0] d);
begin
    bus_slave = slave;
    bus_write = write;
    bus_reg = r;
    bus_wdata = d;
    bus_start = 1'b1;
    wait (bus_busy === 1'b1);
    bus_start = 1'b0;
    wait (bus_done === 1'b1);
    wait (bus_busy === 1'b0);
end
endtask
