// The board photograph of the Wyndholt form.
#pragma once

#include <QImage>

QImage DrawWyndholtPhoto();
