#pragma once

#include <optional>
#include <string_view>

#include "storage/muster.h"

namespace storage {

/// What a written file holds.
enum class Dateiart { welt, muster, bild, animation };

/// The kind of file a name asks for by its ending, and for a pattern its format.
struct Ausgabeart {
    Dateiart art;
    MusterFormat muster = MusterFormat::rle;
    bool operator==(const Ausgabeart&) const = default;
};

/// The endings ausgabeFuer() knows, for messages.
inline constexpr const char* kAusgabeEndungen = ".vir, .rle, .cells, .lif, .life, .png und .gif";

/// True when `name` ends in `endung`, ignoring ASCII letter case when `ohneFall`.
bool endetMit(std::string_view name, std::string_view endung, bool ohneFall);

/// Whether a file name is that of a world: it ends in ".vir", in lower case as the program
/// always wrote it; "X.VIR" is not one.
bool istWeltName(std::string_view name);

/// The file a name asks for when writing: a world for ".vir" (see istWeltName), a pattern for
/// the endings of formatFuerName(), a picture for ".png", an animation for ".gif", these in any
/// letter case; nothing for any other ending.
std::optional<Ausgabeart> ausgabeFuer(std::string_view name);

}  // namespace storage
