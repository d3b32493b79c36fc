#include "view/feldgroesse.h"

#include <cmath>

#include "engine/welt.h"
#include "engine/zahltext.h"

namespace view {

Groessenwahl festeGroesse(int k) { return {kFesteGroessen[k], k}; }

std::optional<Groessenwahl> freieGroesse(const std::optional<std::string>& eingabe) {
    if (!eingabe) return std::nullopt;
    const std::optional<double> v = engine::fuehrendeZahl(*eingabe);
    if (!v) return std::nullopt;
    if (*v <= 1 || *v > engine::kMaxFeld) return festeGroesse(1);
    // Between 1 and 2 the even floor would be 0, which no field can show.
    const int n = static_cast<int>(std::floor(*v / 2)) * 2;
    return Groessenwahl{n < 2 ? 2 : n, -1};
}

}  // namespace view
