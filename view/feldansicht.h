#pragma once

#include <string>

#include "engine/welt.h"
#include "view/farbe.h"
#include "view/zeichenflaeche.h"

namespace view {

/// Display state read by the redraw: the colours of the cell states and the grid switch.
struct Anzeige {
    /// Colour by cell state 0..3; entry 0 is never drawn.
    Farbe zellFarbe[4] = {0, rgb(0, 0, 150), rgb(255, 0, 0), rgb(0, 0, 0)};
    /// 1 after an odd number of grid toggles.
    int rasterAus = 0;
    /// The grid is drawn while this differs from the background; also the outline of painted cells.
    Farbe rasterFarbe = rgb(220, 220, 255);
};

/// The grid colour while the grid is switched on.
inline constexpr Farbe kRasterEin = rgb(220, 220, 255);

/// The size text of a field of size n: " 30 x 30".
std::string groessenText(int n);

/// Complete redraw of a field of size n (even, 2..90): clears the area, writes the size text,
/// draws the grid in gitterFarbe while it is switched on, then every living cell in its colour.
void zeichneFeld(Zeichenflaeche& flaeche, TextFeld& groesse, const engine::Welt& welt,
                 const Anzeige& anzeige, Farbe gitterFarbe, int n);

/// The grid toggle: flips rasterAus and sets rasterFarbe to the given background (off) or
/// back to kRasterEin (on). The caller redraws.
void rasterUmschalten(Anzeige& anzeige, Farbe hintergrund);

}  // namespace view
