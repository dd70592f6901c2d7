#include <gtest/gtest.h>
#include "model/Pin.h"
TEST(Smoke, Pin) { TPin p("A", "B", 1, 8, 50); EXPECT_EQ(p.GetClockFrequencyText(), "50.00000 MHz"); }
