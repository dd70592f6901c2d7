// The board photograph of the Hethermoor form.
#pragma once

#include <QImage>

QImage DrawHethermoorPhoto();
