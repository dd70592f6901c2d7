// The pictures of the Cyclone IV and Stratix IV boards, drawn from the parts
// tables their forms mark (resources/FramePhoto.h).
#pragma once

#include <QImage>

QImage DrawOrmsgillPhoto();
QImage DrawPellowindPhoto();
QImage DrawPelvertonPhoto();
QImage DrawQuenwickPhoto();
QImage DrawKestlefordPhoto();
QImage DrawKestlefordJumpers();
QImage DrawBristanePhoto();
