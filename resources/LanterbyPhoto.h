// The board photograph of the Lanterby form.
#pragma once

#include <QImage>

QImage DrawLanterbyPhoto();
