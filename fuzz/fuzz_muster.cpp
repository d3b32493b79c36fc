// One pattern reader (MUSTER_LESER) on arbitrary bytes: it never crashes, it answers with either
// a pattern or a reason, and a pattern it accepts fits the largest field and comes back to the
// same cells when written as RLE and read again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "storage/muster.h"

namespace {

// The pattern placed on the largest field; false when it does not fit.
bool setze(const storage::Muster& m, engine::Welt& welt) {
    welt.loescheZellen();
    welt.feldGroesse = engine::kMaxFeld;
    storage::Ablehnung grund;
    const auto platz = storage::platzFuer(m, engine::kMaxFeld, grund);
    if (platz) storage::setzeEin(welt, m, *platz);
    return platz.has_value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const storage::MusterGelesen g = storage::MUSTER_LESER(text);
    if (!g.muster) {
        if (!g.fehler) std::abort();
        return 0;
    }
    const storage::Muster& m = *g.muster;
    if (g.fehler || m.breite < 0 || m.hoehe < 0 || m.breite > engine::kMaxFeld || m.hoehe > engine::kMaxFeld)
        std::abort();
    // Two worlds of 2 MB each, made once for every run.
    static engine::Welt* const vorher = new engine::Welt;
    static engine::Welt* const nachher = new engine::Welt;
    if (!setze(m, *vorher)) std::abort();
    const storage::MusterGelesen zurueck =
        storage::liesRle(storage::rleText(*vorher, engine::Regel::standard(), engine::Rand::Torus, ""));
    if (!zurueck.muster || !setze(*zurueck.muster, *nachher)) std::abort();
    if (!vorher->gleicheZellen(*nachher)) std::abort();
    return 0;
}
