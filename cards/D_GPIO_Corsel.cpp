// The robot car cards: Corsel smart car (card 64) and the balance car
// (card 65), which share the motor-driver pins at 5 to 10. Their 2x6-header
// data lines run in the element order 0, 4, 1, 5, 2, 6, 3, 7. Every pin is
// 3.3-V LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;
constexpr int kPositions = 40;
constexpr const char* kYarvelOrder = "0, 4, 1, 5, 2, 6, 3, 7";

const CardPinRow kMotorDriverPins[] = {
    {"5", "MTRR_N", nullptr, Out},
    {"6", "MTRR_P", nullptr, Out},
    {"7", "MTRL_P", nullptr, Out},
    {"8", "MTRL_N", nullptr, Out},
    {"9", "MTR_Sleep_n", nullptr, Out},
    {"10", "MTR_Fault_n", nullptr, In},
};

const CardPinRow kSmartCarPins[] = {
    {"13", "LTC_ADC_CONVST", nullptr, Out},
    {"14", "LTC_ADC_SCK", nullptr, Out},
    {"15", "LTC_ADC_SDO", nullptr, In},
    {"16", "LTC_ADC_SDI", nullptr, Out},
    {"17", "IR_RXD", nullptr, In},
    {"18", "BUZZER_OUT", nullptr, Out},
    {"19", "LED_LEFT", nullptr, Out},
    {"20", "LED_RIGHT", nullptr, Out},
    {"21-28", "YARVEL0", kYarvelOrder, Inout},
    {"31-38", "YARVEL1", kYarvelOrder, Inout},
    {"39", "IR_LED_ON", nullptr, Out},
    {"40", "VCC3P3_PWRON_n", nullptr, Out},
};

const CardPinRow kBalanceCarPins[] = {
    {"1", "MPU_INT", nullptr, In},
    {"2", "PM_I2C_SDA", nullptr, Inout},
    {"3", "IR_RXD", nullptr, In},
    {"4", "PM_I2C_SCL", nullptr, Inout},
    {"13", "MTRR_A", nullptr, In},
    {"14", "MTRR_B", nullptr, In},
    {"15", "MTRL_A", nullptr, In},
    {"16", "MTRL_B", nullptr, In},
    {"17", "MPU_CS_n", nullptr, Out},
    {"18", "PM_ALERT", nullptr, In},
    {"19", "MPU_SCL_SCLK", nullptr, Inout},
    {"20", "MPU_SDA_SDI", nullptr, Inout},
    {"21", "MPU_AD0_SDO", nullptr, Inout},
    {"22", "MPU_FSYNC", nullptr, Out},
    {"23, 25", "TRIG", "0-1", Out},
    {"24, 26", "ECHO", "0-1", In},
    {"27, 28, 31, 32", "PWM", "0-3", Out},
    {"33-40", "YARVEL", kYarvelOrder, Inout},
};

}  // namespace

void AddSmartCarCardPins(TConnector* connector)
{
    CardPinTable(kPositions, {IO_STD_3V3_LVTTL}).Add(kMotorDriverPins).Add(kSmartCarPins).AppendTo(connector);
}

void AddBalanceCarCardPins(TConnector* connector)
{
    CardPinTable(kPositions, {IO_STD_3V3_LVTTL}).Add(kMotorDriverPins).Add(kBalanceCarPins).AppendTo(connector);
}
