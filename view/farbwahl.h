#pragma once

#include "view/farbe.h"
#include "view/feldansicht.h"
#include "view/zeichenflaeche.h"

namespace view {

/// What a colour field stands for.
enum class FarbZiel {
    ZelleNeu,   ///< zellFarbe(2)
    ZelleAlt1,  ///< zellFarbe(1)
    ZelleAlt2,  ///< zellFarbe(3)
    Schirm,     ///< the background of the field view
    Raster,     ///< the grid colour, read from its colour field at every redraw
};

/// Puts a colour chosen for a colour field where the redraw reads it. The caller redraws.
void uebernimmFarbe(Anzeige& anzeige, Zeichenflaeche& flaeche, FarbZiel ziel, Farbe farbe);

}  // namespace view
