// The pictures of the Hollarne form: the board photograph, whose parts lie
// where the form's overlay rectangles expect them, and the maker's logo.
#pragma once

#include <QImage>

QImage DrawHollarnePhoto();
QImage DrawMakerLogo();
