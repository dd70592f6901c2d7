// The pictures stored as JPEG data, decoded with libjpeg.
#pragma once

#include <QImage>
#include <string>

// True when the bytes begin like JPEG data (the start-of-image marker).
bool IsJpegData(const std::string& bytes);
// Decodes JPEG data into an RGB image; false (the image untouched) for data
// that libjpeg cannot decode whole.
bool DecodeJpeg(const std::string& bytes, QImage& image);
