// The Norvelle board definition: one settings record into the device data,
// the on-board groups and the masters of the DDR2 SODIMM socket and the two
// Tavrel connectors of a fresh main board.
#pragma once

#include <vector>

#include "boards/cyclone2_3/NorvelleConfig.h"
#include "model/MainBoard.h"

// The master ids the form attaches its cards to.
enum : uint8_t { NORVELLE_DDR2_MASTER = 1, NORVELLE_TAVREL1_MASTER = 6, NORVELLE_TAVREL23_MASTER = 7 };

void CONFIG_NORVELLE(TMainBoard* board, const NORVELLE_CONFIG* Config);

// The 200 positions of the board's DDR2 SODIMM socket (kNoPin where the
// socket has no FPGA pin); the Osterlin board routes its socket alike.
std::vector<const char*> NorvelleDdr2SodimmLocations();
