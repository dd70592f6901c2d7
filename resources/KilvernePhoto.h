// The pictures of the Kilverne form: the board photograph, and the FPGA
// logo (kept as JPEG data on this form, as a bitmap on the others).
#pragma once

#include <QImage>

QImage DrawKilvernePhoto();
QImage DrawFpgaLogo();
