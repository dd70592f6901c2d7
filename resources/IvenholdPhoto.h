// The board photograph of the Ivenhold form, and the pictures the form lays
// over its seven-segment display: four digits, or two while the GPIO header
// takes the pins of the other two.
#pragma once

#include <QImage>

QImage DrawIvenholdPhoto();
QImage DrawIvenholdHexDigits(int lit);
