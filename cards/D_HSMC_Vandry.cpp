// The multi-touch LCD and camera cards: Vandry (card 60), with a parallel
// camera and a G-sensor, and Wesket (card 61), which keeps Vandry's LCD,
// touch and light-sensor pins and carries a MIPI camera bridge and a motion
// sensor in place of the camera and the G-sensor. Every pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;

// Vandry's camera and G-sensor: positions 41 to 80, 90, 95 and 96.
const CardPinRow kVandryCameraPins[] = {
    {"41", "CAMERA_SCLK", nullptr, In},
    {"43", "CAMERA_SDATA", nullptr, Inout},
    {"47", "CAMERA_FVAL", nullptr, In},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "CAMERA_D", "0-11", In},
    {"49", "CAMERA_LVAL", nullptr, In},
    {"53", "CAMERA_STROBE", nullptr, In},
    {"55", "CAMERA_TRIGGER", nullptr, Out},
    {"59", "CAMERA_RESET_n", nullptr, Out},
    {"61", "GSENSOR_CS_n", nullptr, Out},
    {"65", "GSENSOR_INT1", nullptr, In},
    {"67", "GSENSOR_INT2", nullptr, In},
    {"71", "GSENSOR_ALT_ADDR", nullptr, Out},
    {"73", "GSENSOR_SDA_SDI_SDIO", nullptr, Inout},
    {"77", "GSENSOR_SCL_SCLK", nullptr, Out},
    {"90", "LCD_POWER_CTL", nullptr, Out},
    {"95", "CAMERA_XCLKIN", nullptr, Out},
    {"96", "CAMERA_PIXCLK", nullptr, In},
};

// LCD, touch and light sensor: positions 83 to 86, 89, 91 and 101 to 157,
// the same on both cards.
const CardPinRow kLcdTouchPins[] = {
    {"83", "LCD_UPDN", nullptr, Out},
    {"84", "LCD_DITH", nullptr, Out},
    {"85", "LCD_RSTB", nullptr, Out},
    {"86", "LCD_MODE", nullptr, Out},
    {"89", "LCD_DE", nullptr, Out},
    {"91", "LCD_SHLR", nullptr, Out},
    {"101, 103, 107, 109", "LCD_B", "3-0", Out},
    {"102, 104, 108, 110", "LCD_B", "7-4", Out},
    {"113", "LSENSOR_ADDR_SEL", nullptr, Out},
    {"114, 116, 120, 122, 126, 128, 132, 134", "LCD_G", "7-0", Out},
    {"115", "LSENSOR_SCL", nullptr, Out},
    {"119", "LSENSOR_SDA", nullptr, Inout},
    {"121", "LSENSOR_INT", nullptr, In},
    {"125, 127, 131, 133, 137, 139, 143, 145", "LCD_R", "7-0", Out},
    {"138", "LCD_DIM", nullptr, Out},
    {"146", "TOUCH_INT_n", nullptr, In},
    {"149", "LCD_HSD", nullptr, Out},
    {"150", "TOUCH_I2C_SDA", nullptr, Inout},
    {"151", "LCD_VSD", nullptr, Out},
    {"152", "TOUCH_I2C_SCL", nullptr, Out},
    {"157", "LCD_DCLK", nullptr, Out},
};

// Wesket's changes to the shared pins: two serial clocks become inout.
const CardPinRow kWesketLcdTouchChanges[] = {
    {"115", "LSENSOR_SCL", nullptr, Inout},
    {"152", "TOUCH_I2C_SCL", nullptr, Inout},
};

const CardPinRow kWesketPins[] = {
    {"41", "MIPI_I2C_SCL", nullptr, Inout},
    {"42, 44", "MIPI_PIXEL_D", "13-12", In},
    {"43", "MIPI_I2C_SDA", nullptr, Inout},
    {"47", "MIPI_RESET_n", nullptr, Out},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74", "MIPI_PIXEL_D", "0-9", In},
    {"49", "MIPI_CS_n", nullptr, Out},
    {"59", "CAMERA_I2C_SDA", nullptr, Inout},
    {"61", "MPU_CS_n", nullptr, Out},
    {"65", "MPU_INT", nullptr, In},
    {"67", "MPU_FSYNC", nullptr, Out},
    {"71", "MPU_AD0_SDO", nullptr, Inout},
    {"73", "MPU_SDA_SDI", nullptr, Inout},
    {"77", "MPU_SCL_SCLK", nullptr, Inout},
    {"78", "MIPI_PIXEL_VS", nullptr, In},
    {"79", "LCD_POWER_CTL", nullptr, Out},
    {"80", "MIPI_PIXEL_HS", nullptr, In},
    {"90, 92", "MIPI_PIXEL_D", "11-10", In},
    {"95", "MIPI_REFCLK", nullptr, Out},
    {"96", "MIPI_PIXEL_CLK", nullptr, In},
    {"97", "MIPI_MCLK", nullptr, Out},
    {"140", "CAMERA_I2C_SCL", nullptr, Inout},
    {"144", "CAMERA_PWDN_n", nullptr, Out},
};

}  // namespace

void AddMultiTouchLcdCameraCardPins(TConnector* connector)
{
    CardPinTable(hsmc::kPositions, {6}).Add(kVandryCameraPins).Add(kLcdTouchPins).AppendTo(connector);
}

void AddMultiTouchLcdCamera2CardPins(TConnector* connector, IoStandard ioStandard)
{
    (void)ioStandard;  // every pin of the card is 2.5 V
    CardPinTable(hsmc::kPositions, {6})
        .Add(kLcdTouchPins)
        .Replace(kWesketLcdTouchChanges)
        .Add(kWesketPins)
        .AppendTo(connector);
}
