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

// GPIO cards that no card list offers.
void AddUsbFifoCardPins(TConnector* connector, IoStandard ioStandard);    // 24
void AddUsbNativeCardPins(TConnector* connector, IoStandard ioStandard);  // 25
void AddLcd8TouchCardPins(TConnector* connector, IoStandard ioStandard);  // 30
void AddSensorBoardPins(TConnector* connector);                           // 34
void AddSmartCarCardPins(TConnector* connector);                          // 64
void AddBalanceCarCardPins(TConnector* connector);                        // 65
void AddArduinoDigitalCardPins(TConnector* connector);                    // 70

// HSMC default namings (cards 2, 3, 90 to 96, 98; 4). The main board picks
// the naming scheme; option 1 renames two clock outputs on Quenwick.
void AddHsmcDefaultPins(TConnector* connector, int32_t board, int32_t option, uint8_t upperCase,
                        uint8_t withTransceivers, IoStandard ioStandard, IoStandard transceiverStandard);
void AddHsmcLvdsDefaultPins(TConnector* connector, uint8_t ormsgillNaming, IoStandard transceiverStandard,
                            IoStandard ioStandard, IoStandard lvdsStandard);

// HSMC cards (160 positions). Unless noted, the I/O-standard argument goes
// to the two-wire pair at 33 and 34 and every other pin has a fixed code.
void AddAdcDacHsmcFastCardPins(TConnector* connector, IoStandard ioStandard);  // 8
void AddAdcDacHsmcCardPins(TConnector* connector, IoStandard ioStandard);      // 10
void AddDviCardPins(TConnector* connector, IoStandard ioStandard);             // 6
void AddMultimediaCardPins(TConnector* connector, IoStandard ioStandard);      // 14
void AddSdiCardPins(TConnector* connector, IoStandard ioStandard);             // 22, to the lane pins
void AddHdmiTxCardPins(TConnector* connector, IoStandard ioStandard);          // 31
void AddHdmiRxCardPins(TConnector* connector, IoStandard ioStandard);          // 32
void AddCameraLinkReceiverPins(TConnector* connector);                         // 33
void AddImageSensorAdaptorPins(TConnector* connector);                         // 35
void AddIndustrialCommCardPins(TConnector* connector, IoStandard ioStandard);  // 27
void AddSantaCruzAdaptorPins(TConnector* connector, IoStandard ioStandard);    // 28
void AddLcd8TouchCameraCardPins(TConnector* connector);                        // 29
void AddLcd8TouchCamera2CardPins(TConnector* connector);                       // 36
void AddMultiTouchLcdCameraCardPins(TConnector* connector);                    // 60
void AddMultiTouchLcdCamera2CardPins(TConnector* connector, IoStandard ioStandard);  // 61, all 2.5 V
void AddLvdsCrossoverPins(TConnector* connector, IoStandard ioStandard);             // 56
void AddSfpCardPins(TConnector* connector, IoStandard transceiverStandard);          // 21
void AddDualEthernetCardPins(TConnector* connector, IoStandard hsmcStandard);        // 7
void AddSataSasCardPins(TConnector* connector, IoStandard transceiverStandard, IoStandard hsmcStandard);  // 23
void AddTransceiverToSmaCardPins(TConnector* connector, IoStandard transceiverStandard);                 // 26
void AddHsmcLoopbackPins(TConnector* connector, uint8_t withTransceivers, IoStandard transceiverStandard);  // 19, 37
void AddHsmcDebugCardPins(TConnector* connector, int32_t board);                                          // 18
void AddHsmcToPioAdaptorPins(TConnector* connector, IoStandard ioStandard, uint8_t board);                // 17
void AddPioAdaptorCameraCardPins(TConnector* connector, uint8_t cameraOnJ2, uint8_t cameraOnJ3,
                                 IoStandard ioStandard, uint8_t board);  // 57, 58, 59

// Tavrel cards (180 positions; the loopback card fills the 160 HSMC ones).
void AddTavrelHdmiCardPins(TConnector* connector);      // 15
void AddTavrelToPioAdaptorPins(TConnector* connector);  // 16
void AddTavrelLoopbackPins(TConnector* connector);      // 20

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

// FMC cards: 400 positions (FMC HPC and LPC), 560 for the FMC+ card 42.
// Standard namings, VITA (40, 41, 42) and the vendor's (43 to 46).
void AddFmcVitaPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard,
                    IoStandard transceiverStandard);
void AddFmcVitaHpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard,
                       IoStandard transceiverStandard);
void AddFmcVitaLpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard,
                       IoStandard transceiverStandard);
void AddFmcPlusVitaPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard,
                        IoStandard transceiverStandard);
void AddFmcGenericHpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard, uint8_t allLanes);
void AddFmcGenericLpcPins(TConnector* connector, uint8_t withTransceivers, IoStandard ioStandard, uint8_t enable);
// True at the row-K positions of the transceiver lanes 10 to 15 (K4, K5, K7,
// K8, ... K37, K38).
bool IsFmcHighLanePosition(int32_t position);
// FMC daughter cards.
void AddFmcTransceiverToSmaCardPins(TConnector* connector, IoStandard ioStandard);  // 47
void AddFmcSdiCardPins(TConnector* connector, IoStandard ioStandard);               // 48
void AddFmcHdmiCardPins(TConnector* connector, IoStandard ioStandard);              // 49
void AddFmcEthernetCardPins(TConnector* connector);                                 // 52
void AddFmcAdcCardPins(TConnector* connector);                                      // 54
void AddCamera8MFmcCardPins(TConnector* connector, IoStandard ioStandard);          // 78
void AddFmcToGpioCardPins(TConnector* connector, IoStandard ioStandard);            // 88
void AddFmcJesdAdapterPins(TConnector* connector);                                  // 50
void AddFmcJesdAdcEvmPins(TConnector* connector, uint8_t remap);                    // 51
void AddFmcUsbCCardPins(TConnector* connector);                                     // 53
// The table index (0-399) whose entry card 51's adapter exchanges with the
// entry at index, or index itself.
int32_t AdcEvmRemapIndex(int32_t index);

// True when TDaughterBoard::LoadCard has a pin map for the card (memory
// modules, which have loaders of their own, and card 5 have none).
bool HasCardPinMap(DaughterId card);
