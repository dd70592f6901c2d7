// Hints of the Stratix V board forms' controls: the text a control shows on
// hover, given to a control already in a layout.
#pragma once

#include <cstring>
#include <vector>

#include "platform/Forms.h"
#include "platform/Seam.h"

inline void GiveHint(std::vector<TControlSpec>& controls, const char* name, const char* hint)
{
    TControlSpec* found = nullptr;
    for (TControlSpec& control : controls)
        if (control.Name && std::strcmp(control.Name, name) == 0) found = &control;
    PL_ASSERT(found);
    found->Hint = hint;
}
