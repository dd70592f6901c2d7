#include "cards/PrefixFit.h"

#include "model/Names.h"

bool CheckPrefixFitsCard(DaughterId card, uint8_t board, const std::string& prefix, const std::string& connectorLabel,
                         std::string& message, int32_t option)
{
    if (card == 0) return true;
    TDaughterBoard daughter;
    daughter.LoadCard(card, board, nullptr, IO_STD_3V3_LVTTL, option);
    return CheckPrefixFitsConnector(daughter, prefix, connectorLabel, message);
}
