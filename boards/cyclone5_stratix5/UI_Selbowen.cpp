#include "boards/cyclone5_stratix5/UI_Selbowen.h"

TFormSelbowen::TFormSelbowen(TForm* owner) : TBoardForm(owner)
{
    // 870 x 640, the size the main form takes to host it; the platform's own
    // colour and font, no control at all.
    LoadLayout({.Name = "TFORMSELBOWEN",
                .Caption = "FormSelbowen",
                .ClientWidth = 870,
                .ClientHeight = 640,
                .BorderStyle = bsSizeable,
                .Controls = {}});
}
