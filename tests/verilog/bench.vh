// Included inside each testbench module: the 50 MHz clock, the count of
// failed checks with its FAIL macro, waiting for clock cycles, and the last
// line a bench prints (PASS, or FAIL with the counts).

reg clk = 1'b0;
always #10 clk = ~clk;

integer errors = 0;
`define FAIL(args) begin errors = errors + 1; $display args; end

// Automatic: several processes of a bench wait at once, each with its own
// count.
task automatic wait_cycles(input integer n);
    integer i;
begin
    for (i = 0; i < n; i = i + 1) @(posedge clk);
end
endtask

task finish_bench(input integer bus_faults);
begin
    if (errors == 0 && bus_faults == 0)
        $display("PASS");
    else
        $display("FAIL: %0d check(s), %0d bus fault(s)", errors, bus_faults);
    $finish;
end
endtask
