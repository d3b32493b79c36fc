#pragma once

#include <QCursor>
#include <QPixmap>

namespace ui {

// Pictures of mouse editing, drawn here in code.

/// A pencil lying diagonally, writing tip at the lower left, eraser at the upper right.
QPixmap bildBleistift(int groesse);
/// A rubber eraser block.
QPixmap bildRadierer(int groesse);
/// A black cross: clear.
QPixmap bildKreuz(int breite, int hoehe);
/// The field view's pointer: the 32 x 32 pencil with its hot spot in the centre, so that the tip
/// and the eraser lie about 13 pixels from it on each axis.
QCursor zeigerBleistift();

}  // namespace ui
