// The world file reader on arbitrary bytes: it must never crash, and whatever it accepts keeps
// the world's invariants and survives writing and reading back unchanged.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "storage/weltdatei.h"

namespace {

// True when a world file value keeps the world's invariants: cells 0..3, size even 2..90,
// boxes 0..2, colours RGB or system colours.
bool haeltInvarianten(const storage::WeltDatei& w) {
    for (const auto& spalte : w.zellen())
        for (auto z : spalte)
            if (z < 0 || z > 3) return false;
    if (w.feldGroesse < 2 || w.feldGroesse > 90 || w.feldGroesse % 2 != 0) return false;
    for (int k = 0; k < 9; ++k)
        if (w.ueberleben[k] < 0 || w.ueberleben[k] > 2 || w.geburt[k] < 0 || w.geburt[k] > 2) return false;
    if (!w.farben) return true;
    for (view::Farbe f : {w.farben->alt1, w.farben->neu, w.farben->alt2, w.farben->schirm})
        if (f > 0xFFFFFF) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
    const storage::Gelesen g = storage::liesWeltDatei(ein);
    if (!g.welt) {
        if (g.fehler.grund == storage::Lesegrund::keiner || g.fehler.zeile < 0 || g.fehler.zeile > storage::kZeilen) std::abort();
        return 0;
    }
    const storage::WeltDatei& w = *g.welt;
    if (!haeltInvarianten(w)) std::abort();
    const std::string text = storage::weltDateiText(w);
    std::istringstream nochmal(text);
    const storage::Gelesen zurueck = storage::liesWeltDatei(nochmal);
    if (!zurueck.welt || storage::weltDateiText(*zurueck.welt) != text) std::abort();
    return 0;
}
