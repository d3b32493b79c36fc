#pragma once

#include <string>

#include "engine/welt.h"
#include "view/farbe.h"
#include "view/zeichenflaeche.h"

namespace view {

/// What a colour field stands for; the index of its swatch in Anzeige::farbfeld.
enum class FarbZiel {
    ZelleNeu,   ///< zellFarbe(2)
    ZelleAlt1,  ///< zellFarbe(1)
    ZelleAlt2,  ///< zellFarbe(3)
    Schirm,     ///< the background of the field view
    Raster,     ///< the grid colour: its swatch is read at every redraw
};
inline constexpr int kFarbfelder = 5;

/// The field view's picture in pixels (9660 x 9720 twips at 15 twips a pixel).
inline constexpr int kBildBreite = 644;
inline constexpr int kBildHoehe = 648;

/// The grid colour while the grid is switched on.
inline constexpr Farbe kRasterEin = rgb(220, 220, 255);

/// Everything the redraw reads besides the cells: colours, swatches and the grid switch.
struct Anzeige {
    /// Colour by cell state 0..3; entry 0 is never drawn.
    Farbe zellFarbe[4] = {0, rgb(0, 0, 150), rgb(255, 0, 0), rgb(0, 0, 0)};
    /// The background of the field view.
    Farbe hintergrund = kFensterHintergrund;
    /// The colour each colour field shows, by FarbZiel; at start "Zelle alt 1" differs from zellFarbe(1).
    Farbe farbfeld[kFarbfelder] = {rgb(255, 0, 0), rgb(0, 0, 255), rgb(0, 0, 0), rgb(255, 255, 255),
                                   rgb(224, 224, 224)};
    /// 1 after an odd number of grid toggles.
    int rasterAus = 0;
    /// The grid is drawn while this differs from the background; also the outline of painted cells.
    Farbe rasterFarbe = kRasterEin;

    Farbe& feld(FarbZiel ziel) { return farbfeld[static_cast<int>(ziel)]; }
    Farbe feld(FarbZiel ziel) const { return farbfeld[static_cast<int>(ziel)]; }
    friend bool operator==(const Anzeige&, const Anzeige&) = default;
};

/// A whole cell array, indexed (x, y) like engine::Welt::zelle.
using Zellen = engine::Zellen;

/// The size text of a field of size n: " 30 x 30".
std::string groessenText(int n);

/// Complete redraw of a field of size n (even, 2..90): clears the area to the background, draws
/// the grid in the "Raster" colour while it is switched on, then every living cell in its colour.
void zeichneFeld(Zeichenflaeche& flaeche, const Zellen& zelle, const Anzeige& anzeige, int n);

/// A colour chosen for a colour field: the swatch shows it and what the field stands for takes it.
/// The background does not touch rasterFarbe, so a grid switched off shows again.
void uebernimmFarbe(Anzeige& anzeige, FarbZiel ziel, Farbe farbe);

/// The grid toggle: flips rasterAus and sets rasterFarbe to the background (off) or back to
/// kRasterEin (on).
void rasterUmschalten(Anzeige& anzeige);

}  // namespace view
