#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zensus {

/// A living cell of an object: x to the right, y downward.
struct Punkt {
    int x;
    int y;
    friend bool operator==(const Punkt&, const Punkt&) = default;
};

/// An object's living cells in one phase, in any order and at any place.
using Zellen = std::vector<Punkt>;

/// The eight symmetries of the square, as a bit set over their numbers 0..7
/// (0 identity, 1..3 quarter turns, 4..7 reflections).
inline constexpr std::uint8_t kAlleLagen = 0xFF;

/// The symmetries of the square that map the counted neighbour directions onto themselves:
/// all eight for the full mask, only the identity for a mask without any symmetry.
std::uint8_t symmetrien(std::uint8_t nachbarMaske);

/// The cells moved by symmetry `lage` (0..7).
Zellen gewendet(const Zellen& zellen, int lage);

/// The extended Wechsler text of the cells, placed with their top left at the origin: strips
/// of five rows from the top, each strip column by column as one of "0".."v", runs of empty
/// columns as "0", "w", "x" or "y" and a count, strips separated by "z". Empty for no cells.
std::string wechsler(const Zellen& zellen);

/// The cells a Wechsler text stands for, top left at the origin; nothing for a text that is not
/// one.
std::optional<Zellen> ausWechsler(std::string_view text);

/// What kind of object a code names.
enum class Objektart : std::uint8_t { Stillleben, Oszillator, Raumschiff, Wachstum };

/// The object's code as the community census gives it: "xs" and the population for a still
/// life, "xp" or "xq" and the period for an oscillator or a spaceship, "_" and the Wechsler text
/// that is shortest, then first in character order, over all given phases and all symmetries in
/// `lagen`. `phasen` holds one phase for a still life and `periode` phases otherwise.
std::string apgcode(Objektart art, int periode, std::span<const Zellen> phasen, std::uint8_t lagen);

/// Kind, period and one phase's cells of a code made by apgcode; nothing for any other text.
struct Entschluesselt {
    Objektart art;
    int periode;
    Zellen zellen;
};
std::optional<Entschluesselt> entschluessele(std::string_view code);

}  // namespace zensus
