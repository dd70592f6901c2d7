// The items of the clock-chip combos of the Stratix V boards: the first
// item(s) for a chip not in use (or left as it is), then the frequencies.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/MainBoard.h"
#include "model/Text.h"

// "%.5f" of Si570FreqMHz for the choices 1 to 7.
inline std::vector<std::string> Si570Items(const char* off)
{
    std::vector<std::string> items = {off};
    for (uint8_t s = 1; s <= 7; ++s) items.push_back(Format("%.5f", Si570FreqMHz(s)));
    return items;
}

// "%.2f" of CdcmFreqMHz for the frequencies 1 to 11 after the given items.
inline std::vector<std::string> CdcmItems(std::initializer_list<const char*> first)
{
    std::vector<std::string> items(first.begin(), first.end());
    for (uint8_t s = 1; s <= 11; ++s) items.push_back(Format("%.2f", CdcmFreqMHz(s)));
    return items;
}
