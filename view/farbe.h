#pragma once

#include <cstdint>

namespace view {

/// A colour value: red + 256 * green + 65536 * blue, or, with the top bit set, the platform's
/// system colour whose number is in the low byte. Stored and compared as this number.
using Farbe = std::int32_t;

constexpr Farbe rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int rotAnteil(Farbe f) { return f & 0xFF; }
constexpr int gruenAnteil(Farbe f) { return (f >> 8) & 0xFF; }
constexpr int blauAnteil(Farbe f) { return (f >> 16) & 0xFF; }

constexpr bool istSystemfarbe(Farbe f) { return f < 0; }
constexpr int systemfarbNummer(Farbe f) { return f & 0xFF; }

/// System colour 5, the window background: the field's background at start.
inline constexpr Farbe kFensterHintergrund = static_cast<Farbe>(0x80000005u);

}  // namespace view
