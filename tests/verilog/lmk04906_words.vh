// Included in the LMK04906 testbenches: the words the chip must receive.

// Word i (0-25) of the table for one select value: the FMCA, FMCD, FMCB and
// FMCC output words (bits 3, 2, 1 and 0 of the select) at 644.53125 MHz
// when their bit is set, and word 23 (table entry 26) for the selects 1, 2
// and 15.
function [31:0] expected_word(input [3:0] s, input integer i);
begin
    case (i)
        0:  expected_word = 32'h80160200;
        1:  expected_word = s[3] ? 32'h20140080 : 32'h20140100;
        2:  expected_word = s[2] ? 32'h10140081 : 32'h10140101;
        3:  expected_word = 32'hA0140082;
        4:  expected_word = s[1] ? 32'h00140083 : 32'h00140103;
        5:  expected_word = s[0] ? 32'h00140084 : 32'h00140104;
        6:  expected_word = 32'h80140C85;
        7:  expected_word = 32'h01140006;
        8:  expected_word = 32'h01110007;
        9:  expected_word = 32'h00010008;
        10: expected_word = 32'h55555549;
        11: expected_word = 32'h9002410A;
        12: expected_word = 32'h3401100B;
        13: expected_word = 32'h130C006C;
        14: expected_word = 32'h3B02820D;
        15: expected_word = 32'h0200000E;
        16: expected_word = 32'h8000800F;
        17: expected_word = 32'hC1550410;
        18: expected_word = 32'h000000D8;
        19: expected_word = 32'h02C9C419;
        20: expected_word = 32'h8FA8001A;
        21: expected_word = 32'h10000F3B;
        22: expected_word = 32'h0080031C;
        23: expected_word = (s == 4'd1 || s == 4'd2 || s == 4'd15) ? 32'h0800227D : 32'h0080227D;
        24: expected_word = 32'h0300227E;
        default: expected_word = 32'h001F001F;
    endcase
end
endfunction
