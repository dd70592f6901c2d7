// The master connectors of the 40-pin GPIO headers of this family: one per
// header that carries a card, or one over both headers for an 80-pin card.
// Each is filled from the header's table of 40 locations, where "" marks a
// position without a pin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "boards/soc/BoardPins.h"
#include "boards/frame/GpioHeaders.h"
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

// The masters of two headers (AddGpioHeaderPair): "GPIO_0" (16) and
// "GPIO_1" (17), or "GPIO_0_1" (18) over both for an 80-pin card on GPIO_0.
template <std::size_t N0, std::size_t N1>
void AddHeaderPair(TMainBoard* board, const uint8_t (&nGpioDaughterId)[2], const char* const (&gpio0)[N0],
                   const char* const (&gpio1)[N1])
{
    // An empty location text here is a position without a pin.
    const auto positions = [](const char* const* table, std::size_t count) {
        std::vector<const char*> locations;
        for (std::size_t i = 0; i < count; ++i) locations.push_back(table[i][0] == 0 ? kNoPin : table[i]);
        return locations;
    };
    AddGpioHeaderPair(board, nGpioDaughterId, positions(gpio0, N0), positions(gpio1, N1));
}

}  // namespace gpiomasters
