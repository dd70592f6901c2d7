// The master connectors of the 40-pin GPIO headers of this family: one per
// header that carries a card, or one over both headers for an 80-pin card.
// Each is filled from the header's table of 40 locations, where "" marks a
// position without a pin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "boards/soc/BoardPins.h"
#include "boards/soc/GpioHeaders.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace gpiomasters {

template <std::size_t N>
void AddPositions(TConnector* pConn, const char* const (&locations)[N])
{
    for (const char* location : locations) boardpins::MasterPosition(pConn, location, IO_STD_BY_CARD);
}

inline void AddMaster(TMainBoard* board, TConnector* pConn, int32_t masterId)
{
    pConn->SetIsMaster(true);
    pConn->SetMasterId(masterId);
    board->AddConnector(pConn);
}

// The master of one 40-pin header.
template <std::size_t N>
void AddHeader(TMainBoard* board, const std::string& name, const std::string& description, int32_t masterId,
               const char* const (&locations)[N])
{
    TConnector* pConn = new TConnector(name, description, CONNECTOR_GPIO40, -1);
    const int nNum = static_cast<int>(N);
    PL_ASSERT(nNum == GPIO_PIN_NUM);
    AddPositions(pConn, locations);
    AddMaster(board, pConn, masterId);
}

// The masters of two headers, "GPIO_0" (16) and "GPIO_1" (17), described
// "GPIO_%d connect to <card>"; when the card of GPIO_0 is an 80-pin card, one
// master "GPIO_0_1" (18) over GPIO_0 then GPIO_1, which must both hold it.
template <std::size_t N0, std::size_t N1>
void AddHeaderPair(TMainBoard* board, const uint8_t (&nGpioDaughterId)[2], const char* const (&gpio0)[N0],
                   const char* const (&gpio1)[N1])
{
    const DaughterId card0 = nGpioDaughterId[GPIO_0];
    if (GetCardConnectorType(card0) == CONNECTOR_GPIO80) {
        PL_ASSERT(nGpioDaughterId[GPIO_0]);
        PL_ASSERT(nGpioDaughterId[GPIO_1]);
        const std::string description = Format("GPIO_0_1 connect to %s", GetCardDisplayName(card0).c_str());
        TConnector* pConn = new TConnector("GPIO_0_1", description, CONNECTOR_GPIO80, -1);
        const int nNum = static_cast<int>(N0 + N1);
        PL_ASSERT(nNum == GPIO_PIN_NUM * 2);
        AddPositions(pConn, gpio0);
        AddPositions(pConn, gpio1);
        AddMaster(board, pConn, 18);
        return;
    }
    for (int h = 0; h < 2; ++h) {
        const DaughterId card = nGpioDaughterId[h];
        if (card == 0) continue;
        const std::string name = Format("GPIO_%d", h);
        const std::string description = Format("GPIO_%d connect to %s", h, GetCardDisplayName(card).c_str());
        if (h == 0)
            AddHeader(board, name, description, 16, gpio0);
        else
            AddHeader(board, name, description, 17, gpio1);
    }
}

}  // namespace gpiomasters
