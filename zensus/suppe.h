#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace zensus {

/// Side of a soup.
inline constexpr int kSuppenSeite = 16;

/// A 16 x 16 soup: cell (x, y), x to the right and y downward, is bit x of row y.
using Suppe = std::array<std::uint16_t, kSuppenSeite>;

/// Soup `nummer` of root `wurzel`, as the community census makes it: the SHA-256 digest of the
/// root followed by the number in decimal; row y is byte 2y + 1 then byte 2y, each read from
/// its lowest bit (leftmost cell) upward.
Suppe suppe(std::string_view wurzel, std::uint64_t nummer);

/// The soup's cells in the census's row notation: "o" living, "b" empty, rows joined by "$",
/// closed by "!".
std::string suppenText(const Suppe& s);

/// A fresh root as the community census draws them: "l_" and twelve letters and digits.
std::string neueWurzel(std::mt19937_64& zufall);

}  // namespace zensus
