// Writing a picture as a JPEG file with libjpeg (the pictures that the
// program keeps as JPEG data).
#pragma once

#include <QImage>
#include <QString>

bool SaveJpeg(const QImage& image, const QString& path, int quality);
