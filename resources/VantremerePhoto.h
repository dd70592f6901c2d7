// The board photograph of the Vantremere form.
#pragma once

#include <QImage>

QImage DrawVantremerePhoto();
