// Umbrel image-sensor headboard adaptor (card 35): a 12-bit parallel pixel
// bus and, for HiSPi sensors, four LVDS data lanes and an LVDS clock of
// which only the positive legs are pins ("LVDS"). Every other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;

const CardPinRow kUmbrelPins[] = {
    {"42", "IMG_IN_FV", nullptr, In, 6},
    {"43", "CK_FPGA_MCLK", nullptr, Out, 6},
    {"48", "IMG_IN_LV", nullptr, In, 6},
    {"54, 60, 120, 126", "IMG_DIN", "3-0", In, 6},
    {"61", "SENSOR_RST", nullptr, Out, 6},
    {"66, 72, 78, 84, 90, 102, 108, 114", "IMG_DIN", "11-4", In, 6},
    {"67", "SHUTTER", nullptr, Out, 6},
    {"73", "DEMO2_I2C_SCL", nullptr, Out, 6},
    {"79", "DEMO2_I2C_SDA", nullptr, Inout, 6},
    {"85", "BUF_HISPI_CLK0_EN", nullptr, Out, 6},
    {"91", "BUF_HISPI_DATA0_EN", nullptr, Out, 6},
    {"96", "CK_IMG_IN_PIXCLK", nullptr, In, 6},
    {"103", "BUF_HISPI_DATA1_EN", nullptr, Out, 6},
    {"109", "BUF_HISPI_DATA2_EN", nullptr, Out, 6},
    {"115", "BUF_HISPI_DATA3_EN", nullptr, Out, 6},
    {"132, 150", "LVDS_DATA_p", "0-1", In, 21},
    {"138, 144", "LVDS_DATA_p", "2-3", In, 21},
    {"156", "CK_LVDS_CLK0_p", nullptr, In, 21},
};

}  // namespace

void AddImageSensorAdaptorPins(TConnector* connector)
{
    AddCardPinTable(connector, hsmc::kPositions, kUmbrelPins, 6);
}
