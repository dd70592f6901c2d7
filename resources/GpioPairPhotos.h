// The board pictures of the forms of the boards with a pair of GPIO headers,
// one file per board.
#pragma once

#include <QImage>

QImage DrawAvemorPhoto();
QImage DrawFennickPhoto();
QImage DrawIsselmontPhoto();
QImage DrawJarrowbyPhoto();
