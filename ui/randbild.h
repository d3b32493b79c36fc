#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

namespace ui {

/// Design size of the edge-mode illustration in pixels.
inline constexpr int kRandBildBreite = 590;
inline constexpr int kRandBildHoehe = 419;

/// The illustration of the three edge modes ("Torus", "Quadrat", "Spiegel"), drawn at any size.
QImage randBild(QSize groesse);

/// A small shaded torus on a transparent square: the picture of the button that shows it.
QPixmap bildTorus(int groesse);

}  // namespace ui
