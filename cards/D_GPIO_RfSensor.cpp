// RF and sensor cards: Elvask (card 67, with a Wi-Fi module) and Fenwry
// (card 68, with an ESP32 module). Both carry a light sensor, a humidity and
// temperature sensor, a motion sensor, a Bluetooth module and the data lines
// of a 2x6 header.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

// No signal at 11, 12 and 27-30.
const CardPinRow kElvaskPins[] = {
    {"1", "LSENSOR_INT", nullptr, In},
    {"2", "WIFI_RST_n", nullptr, Out},
    {"3", "MPU_INT", nullptr, In},
    {"4", "RH_TEMP_I2C_SCL", nullptr, Inout},
    {"5", "RH_TEMP_DRDY_n", nullptr, In},
    {"6", "RH_TEMP_I2C_SDA", nullptr, Inout},
    {"7", "MPU_FSYNC", nullptr, Out},
    {"8", "LSENSOR_SCL", nullptr, Inout},
    {"9", "BT_KEY", nullptr, Inout},
    {"10", "LSENSOR_SDA", nullptr, Inout},
    {"13", "WIFI_EN", nullptr, Out},
    {"14", "MPU_SCL_SCLK", nullptr, Inout},
    {"15", "WIFI_UART1_RX", nullptr, In},
    {"16", "MPU_SDA_SDI", nullptr, Inout},
    {"17", "WIFI_UART0_RX", nullptr, In},
    {"18", "WIFI_UART0_TX", nullptr, Out},
    {"19", "UART2USB_TX", nullptr, Out},
    {"20", "UART2USB_RX", nullptr, In},
    {"21", "BT_UART_RX", nullptr, In},
    {"22", "BT_UART_TX", nullptr, Out},
    {"23", "WIFI_UART0_CTS", nullptr, In},
    {"24", "WIFI_UART0_RTS", nullptr, Out},
    {"25", "UART2USB_RTS", nullptr, Out},
    {"26", "UART2USB_CTS", nullptr, In},
    {"31", "MPU_CS_n", nullptr, Out},
    {"32", "MPU_AD0_SDO", nullptr, Out},
    {"33-40", "YARVEL_D", "2, 3, 1, 0, 7, 6, 5, 4", Inout},
};

// No signal at 11, 12, 29 and 30.
const CardPinRow kFenwryPins[] = {
    {"1", "LSENSOR_INT", nullptr, In},
    {"2", "BT_KEY", nullptr, Inout},
    {"3", "MPU_INT", nullptr, In},
    {"4", "RH_TEMP_I2C_SCL", nullptr, Inout},
    {"5", "RH_TEMP_DRDY_n", nullptr, In},
    {"6", "RH_TEMP_I2C_SDA", nullptr, Inout},
    {"7", "MPU_FSYNC", nullptr, Out},
    {"8", "LSENSOR_SCL", nullptr, Inout},
    {"9", "BT_UART_TX", nullptr, Out},
    {"10", "LSENSOR_SDA", nullptr, Inout},
    {"13", "BT_UART_RX", nullptr, In},
    {"14", "MPU_SCL_SCLK", nullptr, Inout},
    {"15", "BT_UART_RTS", nullptr, Out},
    {"16", "MPU_SDA_SDI", nullptr, Inout},
    {"17", "BT_UART_CTS", nullptr, In},
    {"18", "ESP32_UART0_TX", nullptr, Out},
    {"19", "UART_TX", nullptr, Out},
    {"20", "ESP32_UART0_RX", nullptr, In},
    {"21", "UART_RX", nullptr, In},
    {"22", "ESP32_EN", nullptr, Out},
    {"23", "ESP32_UART1_TX", nullptr, Out},
    {"24", "ESP32_UART1_RX", nullptr, In},
    {"25", "UART_RTS", nullptr, Out},
    {"26", "UART_CTS", nullptr, In},
    {"27", "ESP32_UART1_RTS", nullptr, Out},
    {"28", "ESP32_UART1_CTS", nullptr, In},
    {"31", "MPU_CS_n", nullptr, Out},
    {"32", "MPU_AD0_SDO", nullptr, Out},
    {"33-40", "YARVEL_D", "2, 3, 1, 0, 7, 6, 5, 4", Inout},
};

}  // namespace

void AddRfSensorCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kElvaskPins, ioStandard);
}

void AddRfSensor2CardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kFenwryPins, ioStandard);
}
