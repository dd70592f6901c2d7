// The two 40-pin GPIO headers of the boards that have them, as their
// settings records index them.
#pragma once

// The two 40-pin GPIO headers.
enum { GPIO_0 = 0, GPIO_1 = 1 };
// Positions of one GPIO header.
constexpr int GPIO_PIN_NUM = 40;
