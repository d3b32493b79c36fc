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
    : bild_(breite, hoehe, QImage::Format_RGB32), hintergrund_(hintergrund) {
    leeren();
}

void QtZeichenflaeche::leeren() { bild_.fill(aufloesen(hintergrund_)); }

void QtZeichenflaeche::setzeKoordinaten(double x1, double y1, double x2, double y2) {
    x0_ = x1;
    y0_ = y1;
    sx_ = bild_.width() / (x2 - x1);
    sy_ = bild_.height() / (y2 - y1);
}

void QtZeichenflaeche::setzeStift(view::Farbe farbe) { stift_ = aufloesen(farbe); }

int QtZeichenflaeche::spalte(double x) const { return static_cast<int>(std::floor((x - x0_) * sx_ + 0.5)); }
int QtZeichenflaeche::zeile(double y) const { return static_cast<int>(std::floor((y - y0_) * sy_ + 0.5)); }

void QtZeichenflaeche::spanne(int y, int x1, int x2) {
    if (y < 0 || y >= bild_.height()) return;
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, bild_.width() - 1);
    if (x1 > x2) return;
    auto* z = reinterpret_cast<QRgb*>(bild_.scanLine(y));
    std::fill(z + x1, z + x2 + 1, stift_);
}

void QtZeichenflaeche::senkrecht(int x, int y1, int y2) {
    if (x < 0 || x >= bild_.width()) return;
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, bild_.height() - 1);
    for (int y = y1; y <= y2; ++y) reinterpret_cast<QRgb*>(bild_.scanLine(y))[x] = stift_;
}

void QtZeichenflaeche::punkt(int x, int y) {
    if (x >= 0 && y >= 0 && x < bild_.width() && y < bild_.height())
        reinterpret_cast<QRgb*>(bild_.scanLine(y))[x] = stift_;
}

void QtZeichenflaeche::linie(double x1, double y1, double x2, double y2) {
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
    int a = zeile(y1), b = zeile(y2);
    if (a > b) std::swap(a, b);
    const int l = spalte(x1), r = spalte(x2);
    for (int y = a; y <= b; ++y) spanne(y, l, r);
}

void QtZeichenflaeche::rahmen(double x1, double y1, double x2, double y2) {
    const int l = spalte(x1), r = spalte(x2), o = zeile(y1), u = zeile(y2);
    spanne(o, l, r);
    spanne(u, l, r);
    senkrecht(l, o, u);
    senkrecht(r, o, u);
}

}  // namespace ui
