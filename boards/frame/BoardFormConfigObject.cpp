#include "boards/frame/BoardFormConfigObject.h"

#include "model/Text.h"
#include "platform/Seam.h"

bool TConfigObjectFormBase::AskOscillatorQuestion(const std::string& listA, const std::string& listB)
{
    std::string message;
    if (!listA.empty())
        message += Format("%s interface is enabled, but the associated programmable oscillator SI5338A is not "
                          "enalbed.\r\n",
                          listA.c_str());
    if (!listB.empty())
        message += Format("%s interface is enabled, but the associated programmable oscillator SI5338B is not "
                          "enabled.\r\n",
                          listB.c_str());
    if (message.empty()) return true;
    message += "Do you want to continued?";
    return seam::AskWarningYesNo(message);
}
