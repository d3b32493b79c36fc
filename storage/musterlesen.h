#pragma once

// Pieces the pattern readers and writers of this folder share; not for use outside storage.

#include <memory>
#include <string>
#include <string_view>

#include "storage/lesehilfe.h"
#include "storage/muster.h"

namespace storage {

/// The comment that carries "Spiegel", which has no notation elsewhere, up to the field size.
inline constexpr std::string_view kSpiegelKommentar = "#C MorLix: Rand Spiegel, Feld ";

/// A refusal with its reason.
inline MusterGelesen abgelehnt(Ablehnung grund) { return {nullptr, std::move(grund)}; }
/// A refusal of a kind alone, or blaming line `zeile` with the number `zahl`.
inline MusterGelesen abgelehnt(Ablehnung::Art art, int zeile = 0, long long zahl = 0) {
    return abgelehnt({.art = art, .zeile = zeile, .zahl1 = zahl});
}

/// Refuses a text longer than kMaxMusterText or with control characters, and drops a UTF-8
/// byte order mark; an answer without a reason lets the reader go on.
MusterGelesen pruefeText(std::string_view& text);

/// Takes the pair "x y" of field coordinates at the start of s, and the blanks after it, into p;
/// false with the reason, blaming line `nummer`, when there is none or a coordinate is absurdly large.
bool liesPaar(std::string_view& s, Zahl p[2], int nummer, Ablehnung& fehler);

/// The refusal of the unexpected character c in line `nummer`.
Ablehnung unerwartet(int nummer, char c);

/// The refusal of a pattern larger than the largest field.
Ablehnung zuGross(std::int64_t breite, std::int64_t hoehe);

/// Takes a rule text and an optional bounded grid after ':' into m; false with the reason,
/// blaming line `nummer` (0: none), when either is unknown, or when the rule has more than two
/// states and `nurZweiZustaende`. What is known but cannot be set here gets its reason in m.
bool liesRegelUndGitter(std::string_view text, Angaben& m, int nummer, bool nurZweiZustaende, Ablehnung& fehler);

/// An MCell board "90x90", wrapping or not, as the bounded grid of m, or its reason why not.
void liesBrett(std::string_view brett, bool umbruch, Angaben& m);

/// The characters of RLE-like cell data.
struct Zellzeichen {
    std::string_view tot;
    std::string_view lebend;
    /// Data only on lines that start with this, after it; empty: every line but "#" lines.
    std::string_view zeilenAnfang;
    /// Letters that stand for further states, refused with their own reason.
    std::string_view weitereZustaende;
};

/// The pattern m with the RLE-like cell data of `text` from line `ab` on, in a box at least
/// `breite` × `hoehe` large (a header's box); refused with the reason on bad or missing data.
MusterGelesen mitRleDaten(std::unique_ptr<Muster> m, std::string_view text, int ab, const Zellzeichen& zeichen,
                          std::int64_t breite = 0, std::int64_t hoehe = 0);

/// Checks the size found by a first pass, then lets the second pass fill the pattern.
template <typename Durchlauf>
MusterGelesen fuelle(std::unique_ptr<Muster> m, std::int64_t breite, std::int64_t hoehe, Durchlauf&& durchlauf) {
    if (breite > engine::kMaxFeld || hoehe > engine::kMaxFeld) return abgelehnt(zuGross(breite, hoehe));
    m->breite = static_cast<int>(breite);
    m->hoehe = static_cast<int>(hoehe);
    durchlauf(m.get());
    return {std::move(m), {}};
}

}  // namespace storage
