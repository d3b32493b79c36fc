#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zensus {

/// How many soup numbers a census keeps for each object.
inline constexpr std::size_t kBeispielSuppen = 10;

/// One object's line of the census.
struct Zeile {
    friend bool operator==(const Zeile&, const Zeile&) = default;
    /// Objects of this code found in all soups.
    std::uint64_t anzahl = 0;
    /// The lowest numbers of soups that held it, ascending, at most kBeispielSuppen.
    std::vector<std::uint64_t> suppen;
};

/// What a census is about; two censuses merge only when these agree.
struct Kopf {
    std::string wurzel;
    /// The rule as the census writes it, lower-case ("b3s23").
    std::string regel;
    /// Soups run: the census is about soups 0..suppen-1 of the root, or a share of them.
    std::uint64_t suppen = 0;
};

/// The objects counted by code. The same soups give the same table whatever the order in which
/// they were counted, so shares of a census merge into exactly the table of one run.
class Tabelle {
public:
    using Zeilen = std::map<std::string, Zeile, std::less<>>;

    Tabelle() = default;
    /// A table of lines read back; each line's soup numbers ascending.
    explicit Tabelle(Zeilen zeilen) : zeilen_(std::move(zeilen)) {}

    /// One object of code `code` found in soup `suppe`.
    void zaehle(const std::string& code, std::uint64_t suppe);
    /// Adds another census's counts and soup numbers.
    void fuehreZusammen(const Tabelle& andere);
    /// All objects counted.
    std::uint64_t objekte() const;
    /// The lines, most frequent first, equal counts by code.
    std::vector<std::pair<std::string, Zeile>> nachHaeufigkeit() const;
    const Zeilen& zeilen() const { return zeilen_; }

    friend bool operator==(const Tabelle&, const Tabelle&) = default;

private:
    Zeilen zeilen_;
};

/// The census as text in the community's haul layout: "@VERSION", "@ROOT", "@RULE",
/// "@SYMMETRY C1", "@NUM_SOUPS", "@NUM_OBJECTS", then "@CENSUS TABLE" with "code count" lines and
/// "@SAMPLE_SOUPIDS" with "code n n …" lines, both most frequent first.
std::string haulText(const Kopf& kopf, const Tabelle& tabelle, std::string_view version);

/// Why a haul text was not taken: the line (1-based, 0 for the whole text) and what was wrong.
enum class HaulFehler : std::uint8_t { keiner, unbekannteZeile, keineZahl, doppelterCode, fehlendeAngabe };
struct HaulGelesen {
    Kopf kopf;
    Tabelle tabelle;
    HaulFehler fehler = HaulFehler::keiner;
    int zeile = 0;
};
/// Reads what haulText writes (and lines starting with "@" that it does not know, which it skips).
HaulGelesen liesHaul(std::string_view text);

}  // namespace zensus
