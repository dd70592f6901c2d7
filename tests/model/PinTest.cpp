#include <clocale>
#include <gtest/gtest.h>

#include "model/Pin.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"

namespace pin_test {

TEST(Pin, BoardPinClockFrequencyText)
{
    struct Case {
        double mhz;
        bool clock;
        const char* text;
    } cases[] = {{0, false, ""}, {-1, false, ""}, {27, true, "27.00000 MHz"}, {266.667, true, "266.66700 MHz"},
                 {50, true, "50.00000 MHz"}};
    for (const Case& c : cases) {
        TPin pin("CLOCK_50", "AF14", PIN_DIR_INPUT, 8, c.mhz);
        EXPECT_EQ(pin.GetIsClock(), c.clock) << c.mhz;
        EXPECT_EQ(pin.GetClockFrequencyText(), c.text) << c.mhz;
        EXPECT_EQ(pin.GetPinIndex(), -1);
        EXPECT_EQ(pin.GetLocation(), "AF14");
    }
}

TEST(Pin, AFrequencyOfZeroIsNoClock)
{
    TPin pin("SATA_REFCLK_p", "V6", PIN_DIR_INPUT, 37, 0);
    pin.SetClockFrequency(312.5, 2);
    EXPECT_TRUE(pin.GetIsClock());
    EXPECT_EQ(pin.GetClockFrequencyText(), "312.50 MHz");
    pin.SetClockFrequency(156.25, 5);
    EXPECT_EQ(pin.GetClockFrequencyText(), "156.25000 MHz");
    for (double off : {0.0, -1.0}) {
        pin.SetClockFrequency(off, 2);
        EXPECT_FALSE(pin.GetIsClock());
        EXPECT_EQ(pin.GetClockFrequencyText(), "");
    }
}

TEST(Pin, ClockTextUsesFullStopWhateverTheLocale)
{
    // Qt sets the process locale from the environment; the text must not change.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    TPin pin("CLK", "A1", PIN_DIR_INPUT, 8, 266.667);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(pin.GetClockFrequencyText(), "266.66700 MHz");
}

TEST(Pin, CardPinAndEmptyPin)
{
    TPin card("IVREL_PIXCLK", PIN_DIR_INPUT, 6, 1, 0);
    EXPECT_EQ(card.GetLocation(), "");
    EXPECT_EQ(card.GetPinIndex(), 1);
    EXPECT_EQ(card.GetIoStandard(), 6);
    EXPECT_FALSE(card.GetIsClock());
    EXPECT_EQ(card.GetClockPeriodNs(), 0);

    TPin empty;
    EXPECT_EQ(empty.GetPinIndex(), 0);
    EXPECT_EQ(empty.GetIoStandard(), 8);
    EXPECT_EQ(empty.GetDirection(), PIN_DIR_NONE);
    EXPECT_FALSE(empty.IsActive());
    EXPECT_EQ(empty.GetName(), "");
}

TEST(Pin, AssignmentCopiesEveryField)
{
    TPin source("X[3]", PIN_DIR_OUTPUT, 3, 17, 1);
    source.SetLocation("AJ4");
    source.SetIsClock(true);
    source.SetClockPeriodNs(8);
    source.SetClockFrequencyText("125 MHz");
    source.SetIoBank("BANK 3B");
    TPin copy;
    copy = source;
    EXPECT_EQ(copy.GetName(), "X[3]");
    EXPECT_EQ(copy.GetLocation(), "AJ4");
    EXPECT_EQ(copy.GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(copy.GetIoStandard(), 3);
    EXPECT_EQ(copy.GetPinIndex(), 17);
    EXPECT_EQ(copy.GetFlag(), 1);
    EXPECT_TRUE(copy.GetIsClock());
    EXPECT_EQ(copy.GetClockPeriodNs(), 8);
    EXPECT_EQ(copy.GetClockFrequencyText(), "125 MHz");
    EXPECT_EQ(copy.GetIoBank(), "BANK 3B");
}

TEST(Pin, LocationsAreCutAt128CharactersNamesAreKeptWhole)
{
    const std::string longName(200, 'N');
    TPin pin(longName, std::string(150, 'L'), PIN_DIR_INOUT, 8, 0);
    EXPECT_EQ(pin.GetName(), longName);
    EXPECT_EQ(pin.GetLocation(), std::string(128, 'L'));
    pin.SetName("PREFIX_" + longName);
    EXPECT_EQ(pin.GetName(), "PREFIX_" + longName);
    TPin card(longName, PIN_DIR_INOUT, 8, 1, 0);
    EXPECT_EQ(card.GetName(), longName);
}

TEST(Pin, DirectionTextAndIoStandardNames)
{
    EXPECT_EQ(TPin("A", "", PIN_DIR_INOUT, 8, 0).GetDirectionText(), "inout ");
    EXPECT_EQ(TPin("A", "", PIN_DIR_INPUT, 8, 0).GetDirectionText(), "input ");
    EXPECT_EQ(TPin("A", "", PIN_DIR_OUTPUT, 8, 0).GetDirectionText(), "output");

    SeamRecorder recorder;
    EXPECT_EQ(GetIoStandardName(8), "3.3-V LVTTL");
    EXPECT_EQ(GetIoStandardName(0), "1.5 V");
    EXPECT_EQ(GetIoStandardName(28), "SSTL-15");
    EXPECT_EQ(GetIoStandardName(51), "SSTL-15");
    EXPECT_EQ(GetIoStandardName(29), "SSTL-15 Class I");
    EXPECT_EQ(GetIoStandardName(12), "Differential 1.5-V SSTL Class I");
    EXPECT_EQ(GetIoStandardName(39), "3.0-V PCI-X");
    EXPECT_EQ(GetIoStandardName(52), "HSSI Differential I/O");
    EXPECT_EQ(GetIoStandardName(60), "True Differential Signaling");
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_EQ(GetIoStandardName(62), "");
    EXPECT_EQ(GetIoStandardName(61), "");
    EXPECT_EQ(recorder.beeps, 2);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(Pin, DirectionTextOfAnUnresolvedDirectionIsAnInvariant)
{
    SeamRecorder recorder;
    TPin placeholder("", "AC18", PIN_DIR_BY_CARD, 62, 0);
    EXPECT_THROW(placeholder.GetDirectionText(), InvariantFailure);
}

TEST(Pin, BusHelpers)
{
    auto pin = [](const char* name) { return TPin(name, "", PIN_DIR_INOUT, 8, 0); };
    TPin ledr = pin("LEDR[0]"), clock = pin("CLOCK_50"), hex = pin("HEX0[6]"), key = pin("KEY"),
         addr = pin("DRAM_ADDR[12]"), reversed = pin("A]B[1");
    EXPECT_TRUE(IsBusPin(&ledr));
    EXPECT_FALSE(IsBusPin(&clock));
    EXPECT_TRUE(IsBusPin(&reversed));
    EXPECT_EQ(GetBusIndex(&hex), 6);
    EXPECT_EQ(GetBusIndex(&key), -1);
    EXPECT_EQ(GetBusBaseName(&addr), "DRAM_ADDR");
    EXPECT_EQ(GetBusBaseName(&key), "");
}

TEST(Pin, NonNumericBusIndexRaisesConversionError)
{
    TPin pin("P[x]_A[1]", "", PIN_DIR_INOUT, 8, 0);
    try {
        GetBusIndex(&pin);
        FAIL() << "expected a conversion error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
}

TEST(Pin, SettersKeepEqualValues)
{
    TPin pin("A", "B1", PIN_DIR_INPUT, 8, 0);
    pin.SetName("A");
    pin.SetLocation("B1");
    pin.SetDirection(PIN_DIR_INPUT);
    pin.SetIoStandard(8);
    pin.SetPinIndex(-1);
    EXPECT_EQ(pin.GetName(), "A");
    EXPECT_EQ(pin.GetLocation(), "B1");
    EXPECT_EQ(pin.GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(pin.GetPinIndexText(), "-1");
}

}  // namespace pin_test
