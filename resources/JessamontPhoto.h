// The board photograph of the Jessamont form.
#pragma once

#include <QImage>

QImage DrawJessamontPhoto();
