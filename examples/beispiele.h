#pragma once

#include <span>

#include "engine/welt.h"

namespace examples {

/// Number of example patterns; their indices are 0..kMusterAnzahl - 1.
inline constexpr int kMusterAnzahl = 17;

/// A cell of a pattern as an absolute storage index (x, y).
struct Zelle {
    int x;
    int y;
};

/// The cells of pattern `index` (0..16); all lie in x 42..49, y 42..48. Empty for other indices.
std::span<const Zelle> muster(int index);

/// Writes state 1 at every cell of pattern `index`; every other cell keeps its state.
/// The caller redraws. An index outside 0..16 changes nothing.
void fuegeEin(engine::Welt& welt, int index);

}  // namespace examples
