// The board pictures of the selector (400 x 220) and the card pictures
// (80 x 80), drawn by the generator beside the board photographs.
#pragma once

#include <QImage>
#include <functional>

// Draws every board picture of the selector, then every card picture, and
// hands each to take with its resource name.
void DrawSelectorAndCardPictures(const std::function<void(const char* name, const QImage& image)>& take);
