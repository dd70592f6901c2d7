// The board photograph of the Mirrendale form.
#pragma once

#include <QImage>

QImage DrawMirrendalePhoto();
