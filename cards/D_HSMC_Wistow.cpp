// The 8" LCD, touch and camera cards: Wistow (card 29) and Mavrel (card 36),
// which is Wistow with a G-sensor. Every pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;

const CardPinRow kWistowPins[] = {
    {"60, 62, 66, 68, 72, 74, 78, 80, 84, 86, 90, 92", "CAMERA_D", "0-11", In},
    {"67", "CAMERA_STROBE", nullptr, In},
    {"71", "CAMERA_LVAL", nullptr, In},
    {"73", "CAMERA_FVAL", nullptr, In},
    {"79", "CAMERA_RESET_N", nullptr, Out},
    {"85", "CAMERA_SCLK", nullptr, Out},
    {"89", "CAMERA_TRIGGER", nullptr, Out},
    {"91", "CAMERA_SDATA", nullptr, Inout},
    {"95", "CAMERA_XCLKIN", nullptr, Out},
    {"96", "CAMERA_PIXCLK", nullptr, In},
    {"107", "LCD_DIM", nullptr, Out},
    {"108", "TOUCH_DCLK", nullptr, Out},
    {"110", "TOUCH_CS_N", nullptr, Out},
    {"114", "TOUCH_DIN", nullptr, Out},
    {"115, 121, 125", "LCD_B", "5-3", Out},
    {"116", "TOUCH_BUSY", nullptr, In},
    {"120", "TOUCH_DOUT", nullptr, In},
    {"122", "TOUCH_PENIRQ_N", nullptr, In},
    {"127, 131, 133, 137, 139, 143", "LCD_R", "0-5", Out},
    {"132", "LCD_DEN", nullptr, Out},
    {"138, 140, 144, 146, 150, 152", "LCD_G", "0-5", Out},
    {"145, 149, 151", "LCD_B", "0-2", Out},
    {"157", "LCD_NCLK", nullptr, Out},
};

// Mavrel's G-sensor: all six are inputs, the chip select and the serial
// lines included.
const CardPinRow kMavrelGSensorPins[] = {
    {"41", "GSENSOR_INT1", nullptr, In},
    {"43", "GSENSOR_INT2", nullptr, In},
    {"49", "GSENSOR_CS_n", nullptr, In},
    {"53", "GSENSOR_ALT_ADDR", nullptr, In},
    {"55", "GSENSOR_SDA_SDI_SDIO", nullptr, In},
    {"57", "GSENSOR_SCL_SCLK", nullptr, In},
};

}  // namespace

void AddLcd8TouchCameraCardPins(TConnector* connector)
{
    AddCardPinTable(connector, hsmc::kPositions, kWistowPins, 6);
}

void AddLcd8TouchCamera2CardPins(TConnector* connector)
{
    CardPinTable(hsmc::kPositions, {6}).Add(kWistowPins).Add(kMavrelGSensorPins).AppendTo(connector);
}
