#include "boards/cyclone4_stratix4/UI_Pellowind.h"

#include "boards/cyclone4_stratix4/UI_Ormsgill.h"

TFormPellowind::TFormPellowind(TForm* owner) : TBoardForm(owner)
{
    // The Ormsgill layout with this board's captions and picture, every
    // outline shown, the layout's own colour, and no handler at all.
    TFormSpec spec = OrmsgillLayout(TOrmsgillLayout::Pellowind);
    spec.OnClose = nullptr;
    for (TControlSpec& control : spec.Controls) {
        control.OnClick = control.OnDblClick = control.OnChange = control.OnPaint = nullptr;
        if (control.Kind == TControlKind::Shape) control.Visible = true;
        if (control.Kind == TControlKind::Panel) control.Color = clSilver;
    }
    LoadLayout(spec, {});
}
