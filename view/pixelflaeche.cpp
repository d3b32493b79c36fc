#include "view/pixelflaeche.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace view {

Systemfarben standardSystemfarben() {
    Systemfarben s;
    s.fill(0xF0F0F0);  // window and button faces
    s[5] = 0xFFFFFF;   // window background
    s[8] = 0x000000;   // window text
    s[13] = 0x308CC6;  // selection
    s[14] = 0xFFFFFF;
    s[16] = 0xA0A0A0;  // button shadow
    s[18] = 0x000000;  // button text
    s[20] = 0xFFFFFF;  // button highlight
    s[23] = 0x000000;
    s[24] = 0xFFFFDC;  // tooltip
    return s;
}

std::uint32_t rgbVon(Farbe farbe, const Systemfarben& system) {
    if (istSystemfarbe(farbe)) return system[static_cast<std::size_t>(systemfarbNummer(farbe) % 32)];
    return static_cast<std::uint32_t>(rotAnteil(farbe)) << 16 | static_cast<std::uint32_t>(gruenAnteil(farbe)) << 8 |
           static_cast<std::uint32_t>(blauAnteil(farbe));
}

Pixelflaeche::Pixelflaeche(int breite, int hoehe, Farbe hintergrund)
    : breite_(breite),
      hoehe_(hoehe),
      pixel_(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe)),
      system_(standardSystemfarben()),
      hintergrund_(hintergrund) {
    leeren();
}

void Pixelflaeche::leeren() { std::fill(pixel_.begin(), pixel_.end(), 0xFF000000 | rgbVon(hintergrund_, system_)); }

void Pixelflaeche::setzeKoordinaten(double x1, double y1, double x2, double y2) {
    x0_ = x1;
    y0_ = y1;
    sx_ = breite_ / (x2 - x1);
    sy_ = hoehe_ / (y2 - y1);
}

void Pixelflaeche::setzeStift(Farbe farbe) { stift_ = 0xFF000000 | rgbVon(farbe, system_); }

void Pixelflaeche::spanne(int y, int x1, int x2) {
    if (y < 0 || y >= hoehe_) return;
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, breite_ - 1);
    if (x1 > x2) return;
    std::uint32_t* z = pixel_.data() + static_cast<std::ptrdiff_t>(y) * breite_;
    std::fill(z + x1, z + x2 + 1, stift_);
}

void Pixelflaeche::senkrecht(int x, int y1, int y2) {
    if (x < 0 || x >= breite_) return;
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, hoehe_ - 1);
    for (int y = y1; y <= y2; ++y) pixel_[static_cast<std::size_t>(y) * breite_ + x] = stift_;
}

void Pixelflaeche::punkt(int x, int y) {
    if (x >= 0 && y >= 0 && x < breite_ && y < hoehe_) pixel_[static_cast<std::size_t>(y) * breite_ + x] = stift_;
}

void Pixelflaeche::linie(double x1, double y1, double x2, double y2) {
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

void Pixelflaeche::rechteck(double x1, double y1, double x2, double y2) {
    int o = zeile(y1), u = zeile(y2), l = spalte(x1), r = spalte(x2);
    if (o > u) std::swap(o, u);
    if (l > r) std::swap(l, r);
    o = std::max(o, 0);
    u = std::min(u, hoehe_ - 1);
    l = std::max(l, 0);
    r = std::min(r, breite_ - 1);
    const std::uint32_t farbe = stift_;
    for (int y = o; y <= u; ++y) {
        std::uint32_t* z = pixel_.data() + static_cast<std::ptrdiff_t>(y) * breite_;
        for (int x = l; x <= r; ++x) z[x] = farbe;
    }
}

void Pixelflaeche::rahmen(double x1, double y1, double x2, double y2) {
    const int l = spalte(x1), r = spalte(x2), o = zeile(y1), u = zeile(y2);
    spanne(o, l, r);
    spanne(u, l, r);
    senkrecht(l, o, u);
    senkrecht(r, o, u);
}

}  // namespace view
