// The pictures of the Kilverne form: the board photograph, and the FPGA
// logo that the form keeps as JPEG data.
#pragma once

#include <QImage>

QImage DrawKilvernePhoto();
QImage DrawFpgaLogo();
