#include "boards/BoardForm.h"

#include "model/Text.h"

void ShowGenerateSucceeded(const std::string& qpfPath)
{
    seam::ShowInformation(Format("Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n%s",
                                 ExtractFilePath(qpfPath).c_str()));
}

void ShowGenerateFailed(const std::string& qpfPath)
{
    seam::ShowError(Format("Failed to generate Quartus project: %s.", ExtractFileName(qpfPath).c_str()));
}

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
