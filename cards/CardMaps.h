// The pin maps of the daughter cards. Each map appends one entry per
// position of the card's connector to an empty connector: a card pin
// (name, direction, I/O standard, pin index = position) or nullptr.
#pragma once

#include <cstdint>

#include "model/Connector.h"
#include "model/DaughterBoard.h"

// GPIO default naming (cards 1, 85, 86, 87).
void AddGpioDefaultPins(TConnector* connector, uint8_t indexedNames, IoStandard ioStandard);
void AddGpioDefaultPrefixedPins(TConnector* connector, const char* nameBase, IoStandard ioStandard);
void AddGpioDefaultPinsWithInputs(TConnector* connector);

// Converter, camera and display cards of the 40-pin headers.
void AddAdcDacGpioCardPins(TConnector* connector, IoStandard ioStandard);      // 11, 80 positions
void AddCamera5MGpioCardPins(TConnector* connector, IoStandard ioStandard);    // 12
void AddLcd43TouchCardPins(TConnector* connector, IoStandard ioStandard);      // 13
void AddMultiTouchLcdCardPins(TConnector* connector, IoStandard ioStandard);   // 55
void AddMultiTouchLcd2CardPins(TConnector* connector, IoStandard ioStandard);  // 63
void AddLcd24TouchCardPins(TConnector* connector, IoStandard ioStandard);      // 62
void AddCamera8MGpioCardPins(TConnector* connector, IoStandard ioStandard);    // 76

// Kit and sensor cards of the 40-pin headers.
void AddServoMotorKitPins(TConnector* connector, IoStandard ioStandard);   // 66
void AddRfSensorCardPins(TConnector* connector, IoStandard ioStandard);    // 67
void AddRfSensor2CardPins(TConnector* connector, IoStandard ioStandard);   // 68
void AddRiscVCardPins(TConnector* connector, IoStandard ioStandard);       // 69

// Cards of the 2x6 header.
void AddYarvelDefaultPins(TConnector* connector);    // 74
void AddYarvelBluetoothPins(TConnector* connector);  // 75

// Memory modules, filled by the fixed loaders of the daughter board.
void AddDdr2SodimmPins(TConnector* connector, const DdrSodimmOptions& options);       // 9, 200 positions
void AddDdr3SodimmPins(TConnector* connector, const DdrSodimmOptions& options);       // 38, 204 positions
void AddDdr3SodimmUpperPins(TConnector* connector, const DdrSodimmOptions& options);  // 38
void AddDdr3SodimmAltPins(TConnector* connector, const DdrSodimmOptions& options);    // 38
void AddDdr4SodimmPins(TConnector* connector, const Ddr4ModuleOptions& options);      // 39, 79, 80, 260 positions
void AddQdr2ModuleA10Pins(TConnector* connector);                                     // 81, 260 positions
void AddQdr2ModuleS10Pins(TConnector* connector);                                     // 83
void AddQdr4ModuleA10Pins(TConnector* connector);                                     // 82
void AddQdr4ModuleS10Pins(TConnector* connector);                                     // 84
