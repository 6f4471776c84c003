// The two picture sets the build packs: the picture pack that lies beside the
// program and the program's own compiled-in pictures.
#pragma once

#include "picture_set.h"

#include <QRectF>

class QPainter;

namespace carsgen {

PictureSet packPictures();
PictureSet builtinPictures();

// The holiday vehicles shown instead of the owned car.
PictureSet holidayPictures();

// The program's emblem, a keyboard key carrying a racing car, shared by the logo and the window icon.
void drawEmblem(QPainter& painter, const QRectF& key);

} // namespace carsgen
