#include "view/feldansicht.h"

#include "engine/zahltext.h"

namespace view {

std::string groessenText(int n) {
    const std::string zahl = engine::zahlText(n);
    return zahl + " x" + zahl;
}

void zeichneFeld(Zeichenflaeche& flaeche, TextFeld& groesse, const engine::Welt& welt,
                 const Anzeige& anzeige, Farbe gitterFarbe, int n) {
    const int h = n / 2;
    flaeche.leeren();
    groesse.setzeText(groessenText(n));
    flaeche.setzeKoordinaten(-h, -h, h, h);
    if (anzeige.rasterFarbe != flaeche.hintergrund()) {
        flaeche.setzeStift(gitterFarbe);
        for (int k = -h; k < h; ++k) {
            flaeche.linie(k, -h, k, h);
            flaeche.linie(-h, k, h, k);
        }
    }
    for (int i = -h; i < h; ++i) {
        const std::int32_t* spalte = welt.zelle[engine::speicherIndex(i)];
        for (int j = -h; j < h; ++j) {
            const std::int32_t v = spalte[engine::speicherIndex(j)];
            // Only the four states index the colour table; anything else is not drawn.
            if (v < 1 || v > 3) continue;
            flaeche.setzeStift(anzeige.zellFarbe[v]);
            flaeche.rechteck(i, j, i + 1, j + 1);
        }
    }
}

void rasterUmschalten(Anzeige& anzeige, Farbe hintergrund) {
    anzeige.rasterAus = 1 - anzeige.rasterAus;
    anzeige.rasterFarbe = anzeige.rasterAus == 1 ? hintergrund : kRasterEin;
}

}  // namespace view
