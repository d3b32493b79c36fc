#include "edit/scrollen.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace edit {

void schiebeFeld(engine::Welt& welt, int richtung) {
    if (richtung < kLinks || richtung > kRunter) return;
    const int h = welt.feldGroesse / 2;
    const int von = engine::speicherIndex(-h);
    const int bis = engine::speicherIndex(h - 1);
    struct Feld {
        engine::Zellen z;
    };
    auto alt = std::make_unique<Feld>();
    std::memcpy(alt->z, welt.zellen(), sizeof alt->z);
    for (int x = von; x <= bis; ++x) {
        for (int y = von; y <= bis; ++y) {
            int qx = x, qy = y;
            switch (richtung) {
                case kLinks: qx = x < bis ? x + 1 : von; break;
                case kHoch: qy = y < bis ? y + 1 : von; break;
                case kRechts: qx = x > von ? x - 1 : bis; break;
                default: qy = y > von ? y - 1 : bis; break;
            }
            welt.setzeZelle(x, y, alt->z[qx][qy]);
        }
    }
}

void radKoordinaten(view::Zeichenflaeche& flaeche, bool waagerecht) {
    if (waagerecht)
        flaeche.setzeKoordinaten(-10, -0.5, 10, 1.5);
    else
        flaeche.setzeKoordinaten(-0.5, -10, 1.5, 10);
}

void zeichneRad(view::Zeichenflaeche& flaeche, bool waagerecht, double winkel) {
    // 6.28 rather than two pi: the first and the last of the 37 ridges lie a hair apart.
    constexpr double kZweiPi = 6.28;
    flaeche.leeren();
    flaeche.setzeStift(kRadRippe);
    for (int k = 0; k <= 36; ++k) {
        const double a = kZweiPi * (10.0 * k + winkel) / 360.0;
        if (std::cos(a) < 0) continue;  // on the hidden back of the cylinder
        const double s = 10.0 * std::sin(a);
        if (waagerecht)
            flaeche.linie(s, 0, s, 1);
        else
            flaeche.linie(0, s, 1, s);
    }
}

Gescrollt Scrollen::drehe(bool waagerecht, double d) {
    radWinkel += d;
    Gescrollt g;
    (waagerecht ? g.radWaagerecht : g.radSenkrecht) = true;
    return g;
}

Gescrollt Scrollen::schritt(engine::Welt& welt, int richtung, double grad) {
    Gescrollt g = drehe(richtung == kLinks || richtung == kRechts, richtung == kLinks || richtung == kHoch ? -grad : grad);
    schiebeFeld(welt, richtung);
    g.feld = true;
    return g;
}

Gescrollt Scrollen::einzelSchritt(engine::Welt& welt, int richtung) { return schritt(welt, richtung, 2); }

Gescrollt Scrollen::wiederholSchritt(engine::Welt& welt, int richtung) { return schritt(welt, richtung, 1); }

void Scrollen::radWaagerechtRunter(float x) {
    scrollGedrueckt = true;
    radLetztesX = x;
    radWinkel = 0;
}

void Scrollen::radSenkrechtRunter(float y) {
    scrollGedrueckt = true;
    radLetztesY = y;
    radWinkel = 0;
}

// Towards smaller coordinates the world scrolls first and the wheel turns after; towards larger
// ones the wheel turns first. Either way one cell and three degrees in all.
Gescrollt Scrollen::radWaagerechtBewegt(engine::Welt& welt, float x) {
    Gescrollt g;
    if (scrollGedrueckt && static_cast<float>(radLetztesX) > x) {
        g = einzelSchritt(welt, kLinks);
        drehe(true, -1);
    } else if (scrollGedrueckt && radLetztesX < x) {
        drehe(true, 1);
        g = einzelSchritt(welt, kRechts);
    }
    radLetztesX = x;
    return g;
}

Gescrollt Scrollen::radSenkrechtBewegt(engine::Welt& welt, float y) {
    Gescrollt g;
    if (scrollGedrueckt && y < radLetztesY) {
        g = einzelSchritt(welt, kHoch);
        drehe(false, -1);
    } else if (scrollGedrueckt && y > radLetztesY) {
        drehe(false, 1);
        g = einzelSchritt(welt, kRunter);
    }
    radLetztesY = y;
    return g;
}

}  // namespace edit
