// The board photograph of the Dorvalin form.
#pragma once

#include <QImage>

QImage DrawDorvalinPhoto();
