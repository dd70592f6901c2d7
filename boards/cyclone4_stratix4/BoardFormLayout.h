// Layout pieces shared by the forms of this family: the board panel with its
// picture and outlines, and the row of frame buttons.
#pragma once

#include <cstddef>
#include <vector>

#include "boards/cyclone4_stratix4/BoardParts.h"
#include "boards/frame/BoardFormFrame.h"
#include "platform/Forms.h"

// A panel with the board's title, its picture and, hidden, one outline per
// marked part of the picture.
void AddPartsPanel(std::vector<TControlSpec>& controls, int left, int top, const char* title, const char* picture,
                   int pictureWidth, int pictureHeight, const TBoardPart* parts, std::size_t partCount);
// "Default Setting" (when the board has it), Load, Save, Generate and
// "Exit" (the default button) in one row.
void AddButtonRow(std::vector<TControlSpec>& controls, int left, int top, TButtonCaptions captions,
                  bool defaultSetting);
