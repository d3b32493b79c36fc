#pragma once

#include <cstdint>

#include "engine/welt.h"

namespace engine {

/// Birth and survival sets: bit k set means "k counted neighbours".
struct Regel {
    std::uint16_t ueberleben = 0;
    std::uint16_t geburt = 0;

    /// Survival with 2 or 3, birth with 3.
    static constexpr Regel standard() { return {0b1100, 0b1000}; }
    constexpr bool ueberlebt(int k) const { return (ueberleben >> k) & 1; }
    constexpr bool geboren(int k) const { return (geburt >> k) & 1; }
};

/// One neighbour direction as offsets of the storage indices.
struct Richtung {
    int dx;
    int dy;
};

/// The neighbour directions in mask-bit order, going round the cell from (-1, 0).
inline constexpr Richtung kNachbarn[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                          {1, 0},  {1, 1},   {0, 1},  {-1, 1}};

/// One generation: stores the present in slot gedIndex, advances gedIndex, builds the next
/// generation of the visible field (everything outside it becomes 0) and stores it in the new
/// slot; fills w.bilanz as it goes. States move 2 -> 1 -> 3 -> 3; births are 2; any other
/// value counts as living and dies. Works on the bit planes with the AVX2 kernel where the
/// processor has it, else with the baseline x86-64 one. Allocates nothing.
void schritt(Welt& w, const Regel& regel, Rand rand);

/// The step with the AVX2 kernel (simd) or the baseline one; both give the same world.
void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd);
/// Whether this processor runs the AVX2 kernel.
bool simdVerfuegbar();

}  // namespace engine
