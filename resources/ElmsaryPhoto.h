// The board photograph of the Elmsary form.
#pragma once

#include <QImage>

QImage DrawElmsaryPhoto();
