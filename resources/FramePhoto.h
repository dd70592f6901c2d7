// Board pictures drawn from a parts table (boards/frame/PictureParts.h): the
// board, its FPGA and every part in the style of its kind, each where the
// form's outline expects it.
#pragma once

#include <QImage>
#include <cstddef>

#include "boards/frame/PictureParts.h"

QImage DrawBoardPhoto(int width, int height, const TPicturePart* parts, std::size_t count);

// One file per board.
QImage DrawRastrellePhoto();
QImage DrawDrennockPhoto();
QImage DrawEstoverPhoto();
QImage DrawColvennaPhoto();
QImage DrawBrackwellPhoto();
QImage DrawGorsewinPhoto();
QImage DrawLarrowenPhoto();
// The VCCIO indicator of the Brackwell form: its picture (the LED row and
// one five-place jumper header per HSMC connector), a lit LED and a jumper.
QImage DrawBrackwellVol();
QImage DrawBrackwellVolLedOn();
QImage DrawBrackwellVolJumper();
QImage DrawTarrowindPhoto();
QImage DrawFallowmerePhoto();
QImage DrawGarvelowPhoto();
QImage DrawQuillomarPhoto();
QImage DrawZennorbyPhoto();
QImage DrawAshcombrePhoto();
QImage DrawNethercoyPhoto();
QImage DrawNorvellePhoto();
QImage DrawOsterlinPhoto();
QImage DrawMarlowenPhoto();
QImage DrawUlverrowPhoto();
QImage DrawYarrowgatePhoto();
// The FMC voltage jumper JP2 of Yarrowgate, kept as JPEG data.
QImage DrawYarrowgateJumper();
