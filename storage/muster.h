#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/schritt.h"
#include "engine/welt.h"

namespace storage {

/// Longest pattern text that is read at all; a longer one is refused before it is looked at.
inline constexpr std::size_t kMaxMusterText = 4u << 20;

/// A rule this program can run: birth and survival counts over the directions of `maske`.
struct MusterRegel {
    engine::Regel regel;
    std::uint8_t maske = 255;
};

/// A pattern read from one of the common exchange formats; it always fits the largest field.
struct Muster {
    int breite = 0;
    int hoehe = 0;
    /// Living cells by column and row of the pattern's box, top-left first.
    bool lebt[engine::kMaxFeld][engine::kMaxFeld] = {};
    /// Field coordinates of the box's top-left cell, when the file gives them.
    std::optional<std::array<std::int64_t, 2>> position;
    /// The rule the file names, when this program can run it; nothing when none is named.
    std::optional<MusterRegel> regel;
    /// Edge mode and field size of the file's bounded grid, when this program has them.
    std::optional<engine::Rand> rand;
    int feldGroesse = 0;
    /// A rule or bounded grid the file names that this program cannot run, as written there.
    std::string fremdeRegel;
    std::string fremderRand;
};

/// A reader's answer: a pattern, or nothing and one or two German sentences saying why.
struct MusterGelesen {
    std::unique_ptr<Muster> muster;
    std::string fehler;
};

/// Reads RLE, plaintext (.cells) or Life 1.06, whichever the text is. Takes any bytes; the work
/// is linear in the text and nothing larger than the largest field is allocated.
MusterGelesen liesMuster(std::string_view text);
MusterGelesen liesRle(std::string_view text);
MusterGelesen liesPlaintext(std::string_view text);
MusterGelesen liesLife106(std::string_view text);

/// One German sentence naming what of the file's rule and edge was not taken over; empty when nothing.
std::string hinweisNichtUebernommen(const Muster& muster);

/// Field coordinates of the pattern's top-left cell on a field of size n.
struct Platz {
    int i = 0;
    int j = 0;
};

/// Where the pattern goes on a field of size n: at the file's position when it lies wholly inside
/// the field there, otherwise centred. Nothing, with a German sentence, when it is larger than the field.
std::optional<Platz> platzFuer(const Muster& muster, int n, std::string& fehler);

/// Writes state 1 at every living cell of the pattern placed at `platz`; every other cell keeps its state.
void setzeEin(engine::Welt& welt, const Muster& muster, Platz platz);

/// The rule as other programs write it: "B3/S23" with every direction, otherwise the MAP rule
/// of the same automaton.
std::string regelText(const engine::Regel& regel, std::uint8_t maske);

/// The MAP rule of the automaton: "MAP" and the 512 transitions over the 3 x 3 neighbourhood in base64.
std::string mapText(const engine::Regel& regel, std::uint8_t maske);

/// RLE of the living cells of the visible field, with the rule, the edge as bounded grid (or a
/// comment for "Spiegel") and the box's position; lines of at most 70 characters except a MAP header.
std::string rleText(const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand,
                    std::string_view name);

}  // namespace storage
