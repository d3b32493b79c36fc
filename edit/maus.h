#pragma once

#include <optional>

#include "engine/welt.h"
#include "view/feldansicht.h"
#include "view/zeichenflaeche.h"

namespace edit {

/// A field cell (i, j), stored at zelle(i + 45, j + 45).
struct Zelle {
    int i = 0;
    int j = 0;
    friend bool operator==(const Zelle&, const Zelle&) = default;
};

/// Mouse button bits as the field view reports them.
inline constexpr int kLinkeTaste = 1;

/// The cell under the pencil's tip, 2 % of the field size left of and below the pointer (x, y)
/// in view coordinates of a field of size n.
Zelle spitze(double x, double y, int n);
/// The cell under the pencil's eraser end, 2 % of the field size right of and above the pointer.
Zelle radierer(double x, double y, int n);
/// Both coordinates limited to -45..44, the largest field, whatever the field size.
Zelle begrenzt(Zelle z);
/// Both coordinates limited to the field of size n, -n/2..n/2 - 1.
Zelle imFeld(Zelle z, int n);

/// Paints one cell of value wert without a full redraw: filled in the background colour when
/// empty, else in zellFarbe(2), then outlined in rasterFarbe.
void maleZelle(view::Zeichenflaeche& flaeche, const view::Anzeige& anzeige, Zelle z, int wert);

/// One cell set by a drag, to be painted without a full redraw.
struct Gemalt {
    Zelle zelle;
    int wert = 0;
};

/// Mouse editing of the field view: a left press toggles the cell under the tip, a drag with any
/// other button held paints or erases cells.
class Maus {
public:
    /// 0: a drag draws at the tip; 1: it erases at the eraser end.
    int zeichenModus = 0;
    /// True from a press of a button other than the left one until any button is released.
    bool linieAktiv = false;

    /// A press of the button with bit knopf at (x, y). True when a cell changed.
    bool runter(engine::Welt& welt, int knopf, double x, double y);
    /// A pointer move to (x, y): during a drag sets one cell and says which.
    std::optional<Gemalt> bewegt(engine::Welt& welt, double x, double y) const;
    /// Toggles cell z as a left press does: an empty cell becomes new, a living one empty.
    void schalte(engine::Welt& welt, Zelle z) const;
    /// Sets cell z as a drag does: new when drawing, empty when erasing.
    Gemalt male(engine::Welt& welt, Zelle z) const;
    /// Any button released.
    void hoch() { linieAktiv = false; }
};

}  // namespace edit
