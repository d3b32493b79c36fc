#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace ui {

// Pictures of the program, all drawn here in code.

/// A fully transparent picture to draw on.
QPixmap leeresBild(QSize groesse);

/// The digit 1 in a circle: one generation.
QPixmap bildEinzelschritt(int groesse);
/// A stopwatch: start and stop the clock.
QPixmap bildStoppuhr(int groesse);
/// A white cross on a red disc: stop the clock and reset the counter.
QPixmap bildHaltKreuz(int groesse);
/// A right-pointing arrow: "becomes".
QPixmap bildPfeil(int groesse);

}  // namespace ui
