#include "ui/qtzeichenflaeche.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace ui {

QRgb aufloesen(view::Farbe farbe) {
    if (!view::istSystemfarbe(farbe))
        return qRgb(view::rotAnteil(farbe), view::gruenAnteil(farbe), view::blauAnteil(farbe));
    const QPalette palette = QApplication::palette();
    switch (view::systemfarbNummer(farbe)) {
        case 5: return palette.color(QPalette::Base).rgb();            // window background
        case 8: return palette.color(QPalette::Text).rgb();            // window text
        case 15: return palette.color(QPalette::Button).rgb();         // button face
        case 18: return palette.color(QPalette::ButtonText).rgb();     // button text
        case 13: return palette.color(QPalette::Highlight).rgb();      // selection
        case 14: return palette.color(QPalette::HighlightedText).rgb();
        case 16: return palette.color(QPalette::Dark).rgb();           // button shadow
        case 20: return palette.color(QPalette::Light).rgb();          // button highlight
        case 24: return palette.color(QPalette::ToolTipBase).rgb();
        case 23: return palette.color(QPalette::ToolTipText).rgb();
        default: return palette.color(QPalette::Window).rgb();
    }
}

view::Farbe alsFarbe(QRgb farbe) { return view::rgb(qRed(farbe), qGreen(farbe), qBlue(farbe)); }

QtZeichenflaeche::QtZeichenflaeche(int breite, int hoehe, view::Farbe hintergrund)
    : bild_(breite, hoehe, QImage::Format_RGB32), breite_(breite), hoehe_(hoehe), hintergrund_(hintergrund) {
    leeren();
}

void QtZeichenflaeche::holePixel() {
    pixel_ = reinterpret_cast<QRgb*>(bild_.bits());
    zeilenLaenge_ = bild_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

void QtZeichenflaeche::leeren() {
    bild_.fill(aufloesen(hintergrund_));
    holePixel();
}

void QtZeichenflaeche::setzeKoordinaten(double x1, double y1, double x2, double y2) {
    x0_ = x1;
    y0_ = y1;
    sx_ = breite_ / (x2 - x1);
    sy_ = hoehe_ / (y2 - y1);
}

void QtZeichenflaeche::setzeStift(view::Farbe farbe) { stift_ = aufloesen(farbe); }

void QtZeichenflaeche::spanne(int y, int x1, int x2) {
    if (y < 0 || y >= hoehe_) return;
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, breite_ - 1);
    if (x1 > x2) return;
    QRgb* z = pixel_ + y * zeilenLaenge_;
    std::fill(z + x1, z + x2 + 1, stift_);
}

void QtZeichenflaeche::senkrecht(int x, int y1, int y2) {
    if (x < 0 || x >= breite_) return;
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, hoehe_ - 1);
    for (int y = y1; y <= y2; ++y) pixel_[y * zeilenLaenge_ + x] = stift_;
}

void QtZeichenflaeche::punkt(int x, int y) {
    if (x >= 0 && y >= 0 && x < breite_ && y < hoehe_)
        pixel_[y * zeilenLaenge_ + x] = stift_;
}

void QtZeichenflaeche::linie(double x1, double y1, double x2, double y2) {
    pixelHolen();
    int ax = spalte(x1), ay = zeile(y1);
    const int bx = spalte(x2), by = zeile(y2);
    if (ay == by) return spanne(ay, ax, bx);
    if (ax == bx) return senkrecht(ax, ay, by);
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int schrittX = ax < bx ? 1 : -1, schrittY = ay < by ? 1 : -1;
    int fehler = dx + dy;
    for (;;) {
        punkt(ax, ay);
        if (ax == bx && ay == by) break;
        const int f2 = 2 * fehler;
        if (f2 >= dy) fehler += dy, ax += schrittX;
        if (f2 <= dx) fehler += dx, ay += schrittY;
    }
}

void QtZeichenflaeche::rechteck(double x1, double y1, double x2, double y2) {
    pixelHolen();
    int o = zeile(y1), u = zeile(y2), l = spalte(x1), r = spalte(x2);
    if (o > u) std::swap(o, u);
    if (l > r) std::swap(l, r);
    o = std::max(o, 0);
    u = std::min(u, hoehe_ - 1);
    l = std::max(l, 0);
    r = std::min(r, breite_ - 1);
    const QRgb farbe = stift_;
    for (int y = o; y <= u; ++y) {
        QRgb* z = pixel_ + y * zeilenLaenge_;
        for (int x = l; x <= r; ++x) z[x] = farbe;
    }
}

void QtZeichenflaeche::rahmen(double x1, double y1, double x2, double y2) {
    pixelHolen();
    const int l = spalte(x1), r = spalte(x2), o = zeile(y1), u = zeile(y2);
    spanne(o, l, r);
    spanne(u, l, r);
    senkrecht(l, o, u);
    senkrecht(r, o, u);
}

}  // namespace ui
