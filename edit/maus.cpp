#include "edit/maus.h"

#include <algorithm>
#include <cmath>


namespace edit {

namespace {

int ganz(double v) { return static_cast<int>(std::floor(v)); }

double versatz(int n) { return 0.02 * n; }

// Storage indices run 0..kDim - 1; no cell coordinate may leave them.
Zelle imSpeicher(Zelle z) {
    constexpr int kMin = -engine::kMitte, kMax = engine::kDim - 1 - engine::kMitte;
    return {std::clamp(z.i, kMin, kMax), std::clamp(z.j, kMin, kMax)};
}

void setze(engine::Welt& welt, Zelle z, std::int32_t wert) {
    welt.setzeZelle(engine::speicherIndex(z.i), engine::speicherIndex(z.j), wert);
}

}  // namespace

Zelle spitze(double x, double y, int n) { return {ganz(x - versatz(n)), ganz(y + versatz(n))}; }

Zelle radierer(double x, double y, int n) { return {ganz(x + versatz(n)), ganz(y - versatz(n))}; }

Zelle begrenzt(Zelle z) {
    constexpr int kMin = -engine::kMaxFeld / 2, kMax = engine::kMaxFeld / 2 - 1;
    return {std::clamp(z.i, kMin, kMax), std::clamp(z.j, kMin, kMax)};
}

void maleZelle(view::Zeichenflaeche& flaeche, const view::Anzeige& anzeige, Zelle z, int wert) {
    flaeche.setzeStift(wert == 0 ? flaeche.hintergrund() : anzeige.zellFarbe[2]);
    flaeche.rechteck(z.i, z.j, z.i + 1, z.j + 1);
    flaeche.setzeStift(anzeige.rasterFarbe);
    flaeche.rahmen(z.i, z.j, z.i + 1, z.j + 1);
}

bool Maus::runter(engine::Welt& welt, int knopf, double x, double y) {
    if (knopf != kLinkeTaste) {
        linieAktiv = true;
        return false;
    }
    // Near the left edge of the two largest fields the tip lies left of the storage array.
    const Zelle z = imSpeicher(spitze(x, y, welt.feldGroesse));
    setze(welt, z, welt.zelle(engine::speicherIndex(z.i), engine::speicherIndex(z.j)) == 0 ? 2 : 0);
    return true;
}

std::optional<Gemalt> Maus::bewegt(engine::Welt& welt, double x, double y) const {
    if (!linieAktiv) return std::nullopt;
    const int n = welt.feldGroesse;
    const Zelle z = begrenzt(zeichenModus == 0 ? spitze(x, y, n) : radierer(x, y, n));
    const int wert = 2 - 2 * zeichenModus;
    setze(welt, z, wert);
    return Gemalt{z, wert};
}

}  // namespace edit
