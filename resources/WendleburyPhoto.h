// The pictures of the Wendlebury form: the board photograph and the HSMC
// voltage jumper.
#pragma once

#include <QImage>

QImage DrawWendleburyPhoto();
QImage DrawWendleburyJumper();
