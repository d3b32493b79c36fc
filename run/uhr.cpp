#include "run/uhr.h"

#include <cmath>

#include "engine/zahltext.h"

namespace run {

namespace {

constexpr double kBisPlus = 999;
constexpr double kAbMinus = 1;

}  // namespace

long long generationenJeTakt(std::string_view text) {
    // The default rounding mode sends halves to the even neighbour.
    const double n = std::nearbyint(engine::leseZahl(text));
    if (!(n >= 1)) return 0;
    return n >= static_cast<double>(kMaxGenerationen) ? kMaxGenerationen : static_cast<long long>(n);
}

std::string zaehlerNach(std::string_view zaehler, long long n) {
    return engine::zahlText(engine::leseZahl(zaehler) + static_cast<double>(n));
}

std::optional<std::string> plusEins(std::string_view text) {
    const double n = engine::leseZahl(text);
    if (!(n < kBisPlus)) return std::nullopt;
    return engine::zahlText(n + 1);
}

std::optional<std::string> minusEins(std::string_view text) {
    const double n = engine::leseZahl(text);
    if (!(n > kAbMinus)) return std::nullopt;
    return engine::zahlText(n - 1);
}

std::string tempoText(int wert) { return engine::ziffernText(kReglerLinks + kReglerRechts - wert); }

}  // namespace run
