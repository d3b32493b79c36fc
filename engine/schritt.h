#pragma once

#include <cstdint>

#include "engine/welt.h"

namespace engine {

/// How the field's edges behave; the values are the indices of the edge-mode option buttons.
enum class Rand { Torus = 0, Quadrat = 1, Spiegel = 2 };

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

/// Counted living neighbours of field cell (i, j) with opposite edges glued; 0..8.
int nachbarnTorus(const Welt& w, int i, int j);
/// Counted living neighbours of (i, j) with nothing alive beyond the edge; 0..8.
int nachbarnQuadrat(const Welt& w, int i, int j);
/// Counted living neighbours of (i, j) where an edge cell sees its own row or column beyond the edge; 0..8.
int nachbarnSpiegel(const Welt& w, int i, int j);
/// The count of the given edge mode.
int nachbarn(const Welt& w, Rand rand, int i, int j);

/// One generation: stores the present in slot gedIndex, advances gedIndex, builds the next
/// generation of the visible field (everything outside it becomes 0) into zelleNeu and zelle,
/// and stores it in the new slot. States move 2 -> 1 -> 3 -> 3; births are 2; any other
/// value counts as living and dies. Allocates nothing.
void schritt(Welt& w, const Regel& regel, Rand rand);

/// The step with the vector kernel switched on or off; both give the same world.
void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd);
/// Whether this processor runs the vector kernel.
bool simdVerfuegbar();

}  // namespace engine
