#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/schritt.h"
#include "storage/ablehnung.h"

namespace storage {

/// A rule this program can run: birth and survival counts over the directions of `maske`.
struct MusterRegel {
    engine::Regel regel;
    std::uint8_t maske = 255;
    /// Whether the text names the neighbours ("V", a MAP rule); otherwise `maske` is all eight
    /// only by default and the neighbours in force stay.
    bool mitNachbarn = false;
};

/// The mask of the four orthogonal neighbours, which "V" after a rule names.
inline constexpr std::uint8_t kVonNeumann = 0x55;

/// A rule known by name, and its notation.
struct BenannteRegel {
    std::string_view name;
    std::string_view notation;
};

/// The rules a user may type by name, in the order a menu lists them; the only list of them.
inline constexpr BenannteRegel kBenannteRegeln[] = {
    {"Life", "B3/S23"},
    {"HighLife", "B36/S23"},
    {"Day & Night", "B3678/S34678"},
    {"Seeds", "B2/S"},
    {"Life without Death", "B3/S012345678"},
    {"34 Life", "B34/S34"},
    {"Diamoeba", "B35678/S5678"},
    {"2x2", "B36/S125"},
    {"Maze", "B3/S12345"},
    {"Coral", "B3/S45678"},
    {"Morley", "B368/S245"},
    {"Anneal", "B4678/S35678"},
    {"Replicator", "B1357/S1357"},
};

/// How far a rule text was understood.
enum class RegelArt {
    lauffaehig,     ///< a rule this program runs
    fremd,          ///< a two-state rule in a known notation that this program cannot run
    mehrZustaende,  ///< a rule with more than two states in a known notation
    unbekannt,      ///< no notation this program knows
};

/// A rule text as understood: the rule when it runs here, otherwise the reason why not.
struct RegelGelesen {
    RegelArt art = RegelArt::unbekannt;
    std::optional<MusterRegel> regel;
    Ablehnung fehler;
};

/// Reads a rule as a user types it or a pattern file names it: a name of kBenannteRegeln in any
/// letter case; "B3/S23" in any case, with "/", "_" or nothing between the parts, either part
/// first, and "V" at the end for the four orthogonal neighbours; the older "23/3" with survival
/// first; or a MAP rule. Blanks are ignored anywhere. The reason names what was not understood.
RegelGelesen liesRegel(std::string_view text);

/// The rule as other programs write it: "B3/S23" with all eight neighbours, otherwise the MAP
/// rule of the same automaton.
std::string regelText(const engine::Regel& regel, std::uint8_t maske);

/// The MAP rule of the automaton: "MAP" and the 512 transitions over the 3 x 3 neighbourhood in base64.
std::string mapText(const engine::Regel& regel, std::uint8_t maske);

/// The name kBenannteRegeln gives the rule with all eight neighbours; empty when it has none.
std::string_view regelName(const engine::Regel& regel, std::uint8_t maske);

}  // namespace storage
