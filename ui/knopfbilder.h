#pragma once

#include <QPixmap>
#include <QSize>

namespace ui {

// Pictures of the scroll and example buttons, drawn in code.

/// A solid arrow in scroll direction 0..3 (left, up, right, down).
QPixmap bildScrollPfeil(int richtung, QSize groesse);
/// Double chevron pointing right: the example panel goes away.
QPixmap bildPanelZu(QSize groesse);
/// A small glider beside a double chevron pointing left: bring the examples in.
QPixmap bildPanelAuf(QSize groesse);
/// A little arrow dropping into a field: insert this pattern.
QPixmap bildEinfuegen(QSize groesse);

}  // namespace ui
