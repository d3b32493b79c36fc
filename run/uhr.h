#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/schritt.h"
#include "engine/welt.h"

namespace run {

/// Generations one tick runs before it lets pending events through; a tick with a larger n
/// goes on in further slices of this size until its n generations are done.
inline constexpr long long kScheibe = 1000;
/// Largest n a tick takes; beyond it a typed number is read as this.
inline constexpr long long kMaxGenerationen = 1'000'000'000'000'000;

/// n of a tick from the text of the generations box: its leading number rounded to the
/// nearest whole number, halves to the even one; 0 for no number or a number below 1.
long long generationenJeTakt(std::string_view text);
/// The generation counter's text after n more generations (" 0", " 1", ...).
std::string zaehlerNach(std::string_view zaehler, long long n);
/// The generations box after "+1": the number plus one, or nothing while it is 999 or more.
std::optional<std::string> plusEins(std::string_view text);
/// The generations box after "-1": the number minus one, or nothing while it is 1 or less.
std::optional<std::string> minusEins(std::string_view text);

// The step-interval slider holds the value 100 at its left end and 1 at its right end. A
// toolkit slider grows to the right, so it carries the position 101 - value instead.

inline constexpr int kReglerLinks = 100;
inline constexpr int kReglerRechts = 1;
inline constexpr int kReglerStart = 25;

/// Toolkit position (1 at the left, 100 at the right) of slider value wert, and back.
constexpr int reglerPosition(int wert) { return kReglerLinks + kReglerRechts - wert; }
constexpr int reglerWert(int position) { return kReglerLinks + kReglerRechts - position; }
/// dt in milliseconds for slider value wert.
constexpr int intervallMs(int wert) { return 10 * wert; }
/// The speed figure shown beside the slider: 101 - wert as plain digits.
std::string tempoText(int wert);

/// The generations of clock ticks still to run. A tick of n generations shows only its last
/// state; its slices end exactly where n single steps would, memory ring included.
class Zeitraffer {
public:
    /// Starts a tick of n generations, dropping what an earlier tick left; n <= 0 starts none.
    void beginne(long long n) { rest_ = n > 0 ? n : 0; }
    /// Generations of the current tick not yet run.
    long long rest() const { return rest_; }
    /// Drops what is left of the current tick.
    void abbrechen() { rest_ = 0; }
    /// Runs the next at most kScheibe generations of the tick; returns how many ran. Calls
    /// nachSchritt(w, imRing) after every generation; imRing is true for those the memory ring
    /// still holds when the tick ends, and for the last one of the slice.
    template <class NachSchritt>
    long long scheibe(engine::Welt& w, const engine::Regel& regel, engine::Rand rand, NachSchritt&& nachSchritt) {
        const long long k = rest_ < kScheibe ? rest_ : kScheibe;
        for (long long s = 0; s < k; ++s) {
            engine::schritt(w, regel, rand);
            nachSchritt(static_cast<const engine::Welt&>(w), rest_ - s - 1 < engine::kRing || s == k - 1);
        }
        rest_ -= k;
        return k;
    }

private:
    long long rest_ = 0;
};

}  // namespace run
