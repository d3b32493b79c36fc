// The rule parser on arbitrary text: it never crashes, it answers with a rule exactly when the
// rule runs here and with a reason otherwise, and a rule it accepts is read back from its text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/regeltext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const storage::RegelGelesen g = storage::liesRegel(text);
    if (g.regel.has_value() != (g.art == storage::RegelArt::lauffaehig) || static_cast<bool>(g.fehler) == g.regel.has_value())
        std::abort();
    if (!g.regel) return 0;
    if (g.regel->regel.geburt >= 512 || g.regel->regel.ueberleben >= 512) std::abort();
    const storage::RegelGelesen wieder = storage::liesRegel(storage::regelText(g.regel->regel, g.regel->maske));
    if (!wieder.regel || storage::mapText(wieder.regel->regel, wieder.regel->maske) !=
                             storage::mapText(g.regel->regel, g.regel->maske))
        std::abort();
    return 0;
}
