#include "view/farbwahl.h"

namespace view {

void uebernimmFarbe(Anzeige& anzeige, Zeichenflaeche& flaeche, FarbZiel ziel, Farbe farbe) {
    switch (ziel) {
        case FarbZiel::ZelleNeu: anzeige.zellFarbe[2] = farbe; break;
        case FarbZiel::ZelleAlt1: anzeige.zellFarbe[1] = farbe; break;
        case FarbZiel::ZelleAlt2: anzeige.zellFarbe[3] = farbe; break;
        // rasterFarbe keeps the old background, so a grid switched off shows again.
        case FarbZiel::Schirm: flaeche.setzeHintergrund(farbe); break;
        case FarbZiel::Raster: break;
    }
}

}  // namespace view
