#include "boards/soc/BBB_PinOut.h"

#include <cstring>

#include "model/Pin.h"
#include "platform/Seam.h"

namespace {

// One position of a header in one mode. A position without a signal in that
// mode has an empty name, direction inout and 3.3-V LVTTL.
struct TBbbRow {
    char szName[32];
    int32_t Direction;
    int32_t IoStandard;
};

constexpr int32_t IN = PIN_DIR_INPUT;
constexpr int32_t OUT = PIN_DIR_OUTPUT;
constexpr int32_t INOUT = PIN_DIR_INOUT;
constexpr int32_t LVTTL = IO_STD_3V3_LVTTL;

// clang-format off
// WIFI-BLE, P8.
const TBbbRow kWifiBleP8[BBB_HEADER_PINS] = {
    {"",                 INOUT, LVTTL},  // 1
    {"",                 INOUT, LVTTL},  // 2
    {"",                 INOUT, LVTTL},  // 3
    {"",                 INOUT, LVTTL},  // 4
    {"",                 INOUT, LVTTL},  // 5
    {"",                 INOUT, LVTTL},  // 6
    {"",                 INOUT, LVTTL},  // 7
    {"",                 INOUT, LVTTL},  // 8
    {"",                 INOUT, LVTTL},  // 9
    {"",                 INOUT, LVTTL},  // 10
    {"BLE_DIO6",         IN,    LVTTL},  // 11
    {"BLE_DIO7",         IN,    LVTTL},  // 12
    {"",                 INOUT, LVTTL},  // 13
    {"BLE_DIO8",         IN,    LVTTL},  // 14
    {"WIFI_HIB_N",       OUT,   LVTTL},  // 15
    {"WIFI_IRQ",         IN,    LVTTL},  // 16
    {"WIFI_ANT",         OUT,   LVTTL},  // 17
    {"BLE_ANT",          OUT,   LVTTL},  // 18
    {"",                 INOUT, LVTTL},  // 19
    {"",                 INOUT, LVTTL},  // 20
    {"",                 INOUT, LVTTL},  // 21
    {"",                 INOUT, LVTTL},  // 22
    {"",                 INOUT, LVTTL},  // 23
    {"",                 INOUT, LVTTL},  // 24
    {"",                 INOUT, LVTTL},  // 25
    {"BLE_DIO9",         IN,    LVTTL},  // 26
    {"",                 INOUT, LVTTL},  // 27
    {"",                 INOUT, LVTTL},  // 28
    {"",                 INOUT, LVTTL},  // 29
    {"",                 INOUT, LVTTL},  // 30
    {"",                 INOUT, LVTTL},  // 31
    {"",                 INOUT, LVTTL},  // 32
    {"WIFI_UART_CTS",    IN,    LVTTL},  // 33
    {"",                 INOUT, LVTTL},  // 34
    {"WIFI_UART_RTS",    OUT,   LVTTL},  // 35
    {"",                 INOUT, LVTTL},  // 36
    {"",                 INOUT, LVTTL},  // 37
    {"",                 INOUT, LVTTL},  // 38
    {"",                 INOUT, LVTTL},  // 39
    {"",                 INOUT, LVTTL},  // 40
    {"",                 INOUT, LVTTL},  // 41
    {"",                 INOUT, LVTTL},  // 42
    {"",                 INOUT, LVTTL},  // 43
    {"",                 INOUT, LVTTL},  // 44
    {"",                 INOUT, LVTTL},  // 45
    {"",                 INOUT, LVTTL},  // 46
};

// WIFI-BLE, P9.
const TBbbRow kWifiBleP9[BBB_HEADER_PINS] = {
    {"",                 INOUT, LVTTL},  // 1
    {"",                 INOUT, LVTTL},  // 2
    {"",                 INOUT, LVTTL},  // 3
    {"",                 INOUT, LVTTL},  // 4
    {"",                 INOUT, LVTTL},  // 5
    {"",                 INOUT, LVTTL},  // 6
    {"",                 INOUT, LVTTL},  // 7
    {"",                 INOUT, LVTTL},  // 8
    {"",                 INOUT, LVTTL},  // 9
    {"",                 INOUT, LVTTL},  // 10
    {"WIFI_UART_RXD",    IN,    LVTTL},  // 11
    {"BLE_DIO10",        IN,    LVTTL},  // 12
    {"WIFI_UART_TXD",    OUT,   LVTTL},  // 13
    {"",                 INOUT, LVTTL},  // 14
    {"BLE_DIO11",        IN,    LVTTL},  // 15
    {"",                 INOUT, LVTTL},  // 16
    {"WIFI_SPI_CS_N",    OUT,   LVTTL},  // 17
    {"WIFI_SPI_MISO",    IN,    LVTTL},  // 18
    {"EEPROM_I2C_SCL",   OUT,   LVTTL},  // 19
    {"EEPROM_I2C_SDA",   INOUT, LVTTL},  // 20
    {"WIFI_SPI_MOSI",    OUT,   LVTTL},  // 21
    {"WIFI_SPI_SCLK",    OUT,   LVTTL},  // 22
    {"BLE_DIO12",        IN,    LVTTL},  // 23
    {"BLE_I2C_SCL",      INOUT, LVTTL},  // 24
    {"BLE_DIO13",        IN,    LVTTL},  // 25
    {"BLE_I2C_SDA",      INOUT, LVTTL},  // 26
    {"BLE_DIO14",        IN,    LVTTL},  // 27
    {"BLE_SPI_CS_N",     IN,    LVTTL},  // 28
    {"BLE_SPI_MOSI",     IN,    LVTTL},  // 29
    {"BLE_SPI_MISO",     OUT,   LVTTL},  // 30
    {"BLE_SPI_SCLK",     IN,    LVTTL},  // 31
    {"",                 INOUT, LVTTL},  // 32
    {"",                 INOUT, LVTTL},  // 33
    {"",                 INOUT, LVTTL},  // 34
    {"",                 INOUT, LVTTL},  // 35
    {"",                 INOUT, LVTTL},  // 36
    {"",                 INOUT, LVTTL},  // 37
    {"",                 INOUT, LVTTL},  // 38
    {"",                 INOUT, LVTTL},  // 39
    {"",                 INOUT, LVTTL},  // 40
    {"",                 INOUT, LVTTL},  // 41
    {"BLE_DIO15",        IN,    LVTTL},  // 42
    {"",                 INOUT, LVTTL},  // 43
    {"",                 INOUT, LVTTL},  // 44
    {"",                 INOUT, LVTTL},  // 45
    {"",                 INOUT, LVTTL},  // 46
};

// BBB Mode 7, P8.
const TBbbRow kMode7P8[BBB_HEADER_PINS] = {
    {"",                 INOUT, LVTTL},  // 1
    {"",                 INOUT, LVTTL},  // 2
    {"gpio1[6]",         INOUT, LVTTL},  // 3
    {"gpio1[7]",         INOUT, LVTTL},  // 4
    {"gpio1[2]",         INOUT, LVTTL},  // 5
    {"gpio1[3]",         INOUT, LVTTL},  // 6
    {"gpio2[2]",         INOUT, LVTTL},  // 7
    {"gpio2[3]",         INOUT, LVTTL},  // 8
    {"gpio2[5]",         INOUT, LVTTL},  // 9
    {"gpio2[4]",         INOUT, LVTTL},  // 10
    {"gpio1[13]",        INOUT, LVTTL},  // 11
    {"gpio1[12]",        INOUT, LVTTL},  // 12
    {"gpio0[23]",        INOUT, LVTTL},  // 13
    {"gpio0[26]",        INOUT, LVTTL},  // 14
    {"gpio1[15]",        INOUT, LVTTL},  // 15
    {"gpio1[14]",        INOUT, LVTTL},  // 16
    {"gpio0[27]",        INOUT, LVTTL},  // 17
    {"gpio2[1]",         INOUT, LVTTL},  // 18
    {"gpio0[22]",        INOUT, LVTTL},  // 19
    {"gpio1[31]",        INOUT, LVTTL},  // 20
    {"gpio1[30]",        INOUT, LVTTL},  // 21
    {"gpio1[5]",         INOUT, LVTTL},  // 22
    {"gpio1[4]",         INOUT, LVTTL},  // 23
    {"gpio1[1]",         INOUT, LVTTL},  // 24
    {"gpio1[0]",         INOUT, LVTTL},  // 25
    {"gpio1[29]",        INOUT, LVTTL},  // 26
    {"gpio2[22]",        INOUT, LVTTL},  // 27
    {"gpio2[24]",        INOUT, LVTTL},  // 28
    {"gpio2[23]",        INOUT, LVTTL},  // 29
    {"gpio2[25]",        INOUT, LVTTL},  // 30
    {"gpio0[10]",        INOUT, LVTTL},  // 31
    {"gpio0[11]",        INOUT, LVTTL},  // 32
    {"gpio0[9]",         INOUT, LVTTL},  // 33
    {"gpio2[17]",        INOUT, LVTTL},  // 34
    {"gpio0[8]",         INOUT, LVTTL},  // 35
    {"gpio2[16]",        INOUT, LVTTL},  // 36
    {"gpio2[14]",        INOUT, LVTTL},  // 37
    {"gpio2[15]",        INOUT, LVTTL},  // 38
    {"gpio2[12]",        INOUT, LVTTL},  // 39
    {"gpio2[13]",        INOUT, LVTTL},  // 40
    {"gpio2[10]",        INOUT, LVTTL},  // 41
    {"gpio2[11]",        INOUT, LVTTL},  // 42
    {"gpio2[8]",         INOUT, LVTTL},  // 43
    {"gpio2[9]",         INOUT, LVTTL},  // 44
    {"gpio2[6]",         INOUT, LVTTL},  // 45
    {"gpio2[7]",         INOUT, LVTTL},  // 46
};

// BBB Mode 7, P9.
const TBbbRow kMode7P9[BBB_HEADER_PINS] = {
    {"",                 INOUT, LVTTL},  // 1
    {"",                 INOUT, LVTTL},  // 2
    {"",                 INOUT, LVTTL},  // 3
    {"",                 INOUT, LVTTL},  // 4
    {"",                 INOUT, LVTTL},  // 5
    {"",                 INOUT, LVTTL},  // 6
    {"",                 INOUT, LVTTL},  // 7
    {"",                 INOUT, LVTTL},  // 8
    {"",                 INOUT, LVTTL},  // 9
    {"",                 INOUT, LVTTL},  // 10
    {"gpio0[30]",        INOUT, LVTTL},  // 11
    {"gpio1[28]",        INOUT, LVTTL},  // 12
    {"gpio0[31]",        INOUT, LVTTL},  // 13
    {"gpio1[18]",        INOUT, LVTTL},  // 14
    {"gpio1[16]",        INOUT, LVTTL},  // 15
    {"gpio1[19]",        INOUT, LVTTL},  // 16
    {"gpio0[5]",         INOUT, LVTTL},  // 17
    {"gpio0[4]",         INOUT, LVTTL},  // 18
    {"gpio0[13]",        INOUT, LVTTL},  // 19
    {"gpio0[12]",        INOUT, LVTTL},  // 20
    {"gpio0[3]",         INOUT, LVTTL},  // 21
    {"gpio0[2]",         INOUT, LVTTL},  // 22
    {"gpio1[17]",        INOUT, LVTTL},  // 23
    {"gpio0[15]",        INOUT, LVTTL},  // 24
    {"gpio3[21]",        INOUT, LVTTL},  // 25
    {"gpio0[14]",        INOUT, LVTTL},  // 26
    {"gpio3[19]",        INOUT, LVTTL},  // 27
    {"gpio3[17]",        INOUT, LVTTL},  // 28
    {"gpio3[15]",        INOUT, LVTTL},  // 29
    {"gpio3[16]",        INOUT, LVTTL},  // 30
    {"gpio3[14]",        INOUT, LVTTL},  // 31
    {"",                 INOUT, LVTTL},  // 32
    {"",                 INOUT, LVTTL},  // 33
    {"",                 INOUT, LVTTL},  // 34
    {"",                 INOUT, LVTTL},  // 35
    {"",                 INOUT, LVTTL},  // 36
    {"",                 INOUT, LVTTL},  // 37
    {"",                 INOUT, LVTTL},  // 38
    {"",                 INOUT, LVTTL},  // 39
    {"",                 INOUT, LVTTL},  // 40
    {"gpio0[20]",        INOUT, LVTTL},  // 41
    {"gpio0[7]",         INOUT, LVTTL},  // 42
    {"",                 INOUT, LVTTL},  // 43
    {"",                 INOUT, LVTTL},  // 44
    {"",                 INOUT, LVTTL},  // 45
    {"",                 INOUT, LVTTL},  // 46
};
// clang-format on

}  // namespace

bool GetBbbPinOut(uint8_t ModeCode, uint8_t Header, int32_t PinIndex, std::string& Name, int32_t& Direction,
                  int32_t& IoStandard)
{
    PL_ASSERT(PinIndex > 0);
    PL_ASSERT(PinIndex <= BBB_HEADER_PINS);
    const TBbbRow* table = nullptr;
    switch (ModeCode) {
    case 1: PL_ASSERT(0); return false;
    case BBB_MODE_WIFI_BLE:
        if (Header == 0)
            table = kWifiBleP8;
        else if (Header == 1)
            table = kWifiBleP9;
        else
            PL_ASSERT(0);
        break;
    case BBB_MODE_7:
        if (Header == 0)
            table = kMode7P8;
        else if (Header == 1)
            table = kMode7P9;
        else
            PL_ASSERT(0);
        break;
    default: return false;
    }
    const TBbbRow& row = table[PinIndex - 1];
    Name.assign(row.szName, strnlen(row.szName, sizeof row.szName));
    Direction = row.Direction;
    IoStandard = row.IoStandard;
    return true;
}
