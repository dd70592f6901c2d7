// Every picture the generator draws for the board forms, one file per board
// (resources/<Board>Photo.cpp, drawn with resources/BoardPhoto.h), listed by
// the folder of the boards' forms. A board photograph's parts lie where its
// form's overlays expect them.
#pragma once

#include <QImage>

// The SoC boards.
QImage DrawHollarnePhoto();
// The maker's logo of the Hollarne form.
QImage DrawMakerLogo();
QImage DrawDorvalinPhoto();
QImage DrawElmsaryPhoto();
QImage DrawKilvernePhoto();
// The FPGA logo (kept as JPEG data on the Kilverne form, as a bitmap on the
// others).
QImage DrawFpgaLogo();
QImage DrawLanterbyPhoto();
QImage DrawMirrendalePhoto();
QImage DrawVantremerePhoto();
QImage DrawWendleburyPhoto();
// The HSMC voltage jumper of the Wendlebury form.
QImage DrawWendleburyJumper();
QImage DrawWyndholtPhoto();

// The Cyclone II and III boards.
QImage DrawAvemorPhoto();
QImage DrawFennickPhoto();
QImage DrawIsselmontPhoto();
QImage DrawJarrowbyPhoto();
QImage DrawMarlowenPhoto();
QImage DrawNethercoyPhoto();
QImage DrawNorvellePhoto();
QImage DrawOsterlinPhoto();

// The Cyclone IV and Stratix IV boards.
QImage DrawBrackwellPhoto();
// The VCCIO indicator of the Brackwell form: its picture (the LED row and
// one five-place jumper header per HSMC connector), a lit LED and a jumper.
QImage DrawBrackwellVol();
QImage DrawBrackwellVolLedOn();
QImage DrawBrackwellVolJumper();
QImage DrawBristanePhoto();
QImage DrawGorsewinPhoto();
QImage DrawKestlefordPhoto();
// The two voltage jumpers of the Kestleford form.
QImage DrawKestlefordJumpers();
QImage DrawLarrowenPhoto();
QImage DrawOrmsgillPhoto();
QImage DrawPellowindPhoto();
QImage DrawPelvertonPhoto();
QImage DrawQuenwickPhoto();

// The Cyclone V and Stratix V boards.
QImage DrawColvennaPhoto();
QImage DrawDrennockPhoto();
QImage DrawEstoverPhoto();
QImage DrawHethermoorPhoto();
QImage DrawIvenholdPhoto();
// The pictures the Ivenhold form lays over its seven-segment display: four
// digits, or two while the GPIO header takes the pins of the other two.
QImage DrawIvenholdHexDigits(int lit);
QImage DrawJessamontPhoto();
QImage DrawRastrellePhoto();

// The Arria 10 boards.
QImage DrawFallowmerePhoto();
QImage DrawGarvelowPhoto();
QImage DrawTarrowindPhoto();
QImage DrawUlverrowPhoto();
QImage DrawYarrowgatePhoto();
// The FMC voltage jumper JP2 of Yarrowgate, kept as JPEG data.
QImage DrawYarrowgateJumper();

// The Stratix 10 and Agilex boards.
QImage DrawAshcombrePhoto();
QImage DrawQuillomarPhoto();
QImage DrawZennorbyPhoto();
