// The world file reader on arbitrary bytes: it must never crash, and whatever it accepts keeps
// the world's invariants and survives writing and reading back unchanged.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "storage/weltdatei_hilfe.h"
#include "storage/weltdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
    const storage::Gelesen g = storage::liesWeltDatei(ein);
    if (!g.welt) {
        if (g.fehler.grund.empty() || g.fehler.zeile < 0 || g.fehler.zeile > storage::kZeilen) std::abort();
        return 0;
    }
    const storage::WeltDatei& w = *g.welt;
    if (!testhilfe::haeltInvarianten(w)) std::abort();
    const std::string text = storage::weltDateiText(w);
    std::istringstream nochmal(text);
    const storage::Gelesen zurueck = storage::liesWeltDatei(nochmal);
    if (!zurueck.welt || storage::weltDateiText(*zurueck.welt) != text) std::abort();
    return 0;
}
