#include "view/feldansicht.h"

#include "engine/zahltext.h"

namespace view {

std::string groessenText(int n) {
    const std::string zahl = engine::zahlText(n);
    return zahl + " x" + zahl;
}

void zeichneFeld(Zeichenflaeche& flaeche, const Zellen& zelle, const Anzeige& anzeige, int n) {
    const int h = n / 2;
    flaeche.setzeHintergrund(anzeige.hintergrund);
    flaeche.leeren();
    flaeche.setzeKoordinaten(-h, -h, h, h);
    if (anzeige.rasterFarbe != anzeige.hintergrund) {
        flaeche.setzeStift(anzeige.feld(FarbZiel::Raster));
        for (int k = -h; k < h; ++k) {
            flaeche.linie(k, -h, k, h);
            flaeche.linie(-h, k, h, k);
        }
    }
    for (int i = -h; i < h; ++i) {
        const std::int32_t* spalte = zelle[engine::speicherIndex(i)];
        for (int j = -h; j < h; ++j) {
            const std::int32_t v = spalte[engine::speicherIndex(j)];
            // Only the four states index the colour table; anything else is not drawn.
            if (v < 1 || v > 3) continue;
            flaeche.setzeStift(anzeige.zellFarbe[v]);
            flaeche.rechteck(i, j, i + 1, j + 1);
        }
    }
}

void uebernimmFarbe(Anzeige& anzeige, FarbZiel ziel, Farbe farbe) {
    anzeige.feld(ziel) = farbe;
    switch (ziel) {
        case FarbZiel::ZelleNeu: anzeige.zellFarbe[2] = farbe; break;
        case FarbZiel::ZelleAlt1: anzeige.zellFarbe[1] = farbe; break;
        case FarbZiel::ZelleAlt2: anzeige.zellFarbe[3] = farbe; break;
        case FarbZiel::Schirm: anzeige.hintergrund = farbe; break;
        case FarbZiel::Raster: break;
    }
}

void rasterUmschalten(Anzeige& anzeige) {
    anzeige.rasterAus = 1 - anzeige.rasterAus;
    anzeige.rasterFarbe = anzeige.rasterAus == 1 ? anzeige.hintergrund : kRasterEin;
}

}  // namespace view
