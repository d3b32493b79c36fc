#include "edit/scrollen.h"

#include <cmath>
#include <utility>

namespace edit {

void schiebeFeld(engine::Welt& welt, int richtung) {
    if (richtung < kLinks || richtung > kRunter) return;
    const int h = welt.feldGroesse / 2;
    const int von = engine::speicherIndex(-h);
    const int bis = engine::speicherIndex(h - 1);
    for (int x = von; x <= bis; ++x) {
        for (int y = von; y <= bis; ++y) {
            int qx = x, qy = y;
            switch (richtung) {
                case kLinks: qx = x < bis ? x + 1 : von; break;
                case kHoch: qy = y < bis ? y + 1 : von; break;
                case kRechts: qx = x > von ? x - 1 : bis; break;
                default: qy = y > von ? y - 1 : bis; break;
            }
            welt.zelleNeu[x][y] = welt.zelle[qx][qy];
        }
    }
    for (int x = von; x <= bis; ++x)
        for (int y = von; y <= bis; ++y) welt.zelle[x][y] = welt.zelleNeu[x][y];
}

namespace {

// 6.28 rather than two pi: the first and the last of the 37 ridges lie a hair apart.
constexpr double kZweiPi = 6.28;

template <typename Rippe>
void zeichneRippen(view::Zeichenflaeche& flaeche, double winkel, Rippe rippe) {
    flaeche.setzeStift(kRadRippe);
    for (int k = 0; k <= 36; ++k) {
        const double a = kZweiPi * (10.0 * k + winkel) / 360.0;
        if (std::cos(a) >= 0) rippe(10.0 * std::sin(a));
    }
}

}  // namespace

void zeichneRippenSenkrecht(view::Zeichenflaeche& flaeche, double winkel) {
    zeichneRippen(flaeche, winkel, [&](double s) { flaeche.linie(0, s, 1, s); });
}

void zeichneRippenWaagerecht(view::Zeichenflaeche& flaeche, double winkel) {
    zeichneRippen(flaeche, winkel, [&](double s) { flaeche.linie(s, 0, s, 1); });
}

void zeichneRadSenkrecht(view::Zeichenflaeche& flaeche, double& radWinkel, double d) {
    flaeche.leeren();
    zeichneRippenSenkrecht(flaeche, d + radWinkel);
    radWinkel += d;
}

void zeichneRadWaagerecht(view::Zeichenflaeche& flaeche, double& radWinkel, double d) {
    flaeche.leeren();
    zeichneRippenWaagerecht(flaeche, d + radWinkel);
    radWinkel += d;
}

Scrollen::Scrollen(engine::Welt& welt, view::Zeichenflaeche& radWaagerecht, view::Zeichenflaeche& radSenkrecht,
                   view::TextFeld& hilfe, std::function<void()> zeichneFeld)
    : welt_(welt),
      radWaagerecht_(radWaagerecht),
      radSenkrecht_(radSenkrecht),
      hilfe_(hilfe),
      zeichneFeld_(std::move(zeichneFeld)) {}

void Scrollen::raederStart() {
    radSenkrecht_.setzeKoordinaten(-0.5, -10, 1.5, 10);
    radWaagerecht_.setzeKoordinaten(-10, -0.5, 10, 1.5);
    zeichneRippenSenkrecht(radSenkrecht_, 0);
    zeichneRippenWaagerecht(radWaagerecht_, 0);
}

void Scrollen::drehe(int richtung, double grad) {
    const double d = richtung == kLinks || richtung == kHoch ? -grad : grad;
    if (richtung == kLinks || richtung == kRechts)
        zeichneRadWaagerecht(radWaagerecht_, radWinkel, d);
    else
        zeichneRadSenkrecht(radSenkrecht_, radWinkel, d);
}

void Scrollen::einzelSchritt(int richtung) {
    drehe(richtung, 2);
    schiebeFeld(welt_, richtung);
    zeichneFeld_();
}

void Scrollen::wiederholSchritt(int richtung) {
    drehe(richtung, 1);
    schiebeFeld(welt_, richtung);
    zeichneFeld_();
}

void Scrollen::radWaagerechtRunter(float x) {
    scrollGedrueckt = true;
    radLetztesX = x;
    radWinkel = 0;
}

void Scrollen::zug(bool zurueck, bool vor, int richtungZurueck, int richtungVor, RadZeichnen zeichneRad,
                   view::Zeichenflaeche& rad) {
    hilfe_.setzeText("Scrollrad");
    if (!scrollGedrueckt) return;
    if (zurueck) {
        einzelSchritt(richtungZurueck);
        zeichneRad(rad, radWinkel, -1);
    }
    if (vor) {
        zeichneRad(rad, radWinkel, 1);
        einzelSchritt(richtungVor);
    }
}

void Scrollen::radWaagerechtBewegt(float x) {
    zug(static_cast<float>(radLetztesX) > x, radLetztesX < x, kLinks, kRechts, zeichneRadWaagerecht, radWaagerecht_);
    radLetztesX = x;
}

void Scrollen::radSenkrechtRunter(float y) {
    scrollGedrueckt = true;
    radLetztesY = y;
    radWinkel = 0;
}

void Scrollen::radSenkrechtBewegt(float y) {
    zug(y < radLetztesY, y > radLetztesY, kHoch, kRunter, zeichneRadSenkrecht, radSenkrecht_);
    radLetztesY = y;
}

}  // namespace edit
