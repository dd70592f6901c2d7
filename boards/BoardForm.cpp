#include "boards/BoardForm.h"

void TBoardForm::Leave()
{
    if (m_Left) return;
    m_Left = true;
    RunHandler([this] { FormLeave(); });
}

void TBoardForm::DoClose(TCloseAction& action)
{
    TForm::DoClose(action);
    if (action != TCloseAction::caNone) Leave();
}

TBoardFormHost* TBoardForm::Host() const { return dynamic_cast<TBoardFormHost*>(Owner()); }
