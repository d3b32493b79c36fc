#pragma once

#include <QImage>
#include <QWidget>

/// Pixel of the field view as the user sees it, at the centre of field cell (i, j) of a field of size n.
inline QRgb zellPixel(QWidget* feld, int n, int i, int j) {
    const QImage bild = feld->grab().toImage();
    const int x = static_cast<int>((i + 0.5 + n / 2.0) * bild.width() / n);
    const int y = static_cast<int>((j + 0.5 + n / 2.0) * bild.height() / n);
    return bild.pixel(x, y) & 0xFFFFFF;
}
