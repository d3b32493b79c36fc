#pragma once

#include <cstdint>

namespace engine {

/// Storage indices of every cell array run from 0 to kDim - 1.
inline constexpr int kDim = 101;
/// Storage index of field coordinate 0.
inline constexpr int kMitte = 45;
/// Largest field size; fields are even and between 2 and kMaxFeld.
inline constexpr int kMaxFeld = 90;
/// Memory slots; 0..99 form the ring, slot 100 is only ever cleared.
inline constexpr int kSlots = 101;
inline constexpr int kRing = 100;

/// How the field's edges behave; the values are the indices of the edge-mode option buttons.
enum class Rand { Torus = 0, Quadrat = 1, Spiegel = 2 };

/// What a step learnt about the generation it built, for whoever watches the run; edits leave
/// it alone. Field column x (storage index kMitte - N/2 + x, to the right on screen) holds its
/// cell y (downward) in bit y % 64 of word y / 64.
struct Bilanz {
    /// Living cells of the new generation, column by column; columns from N on are stale.
    std::uint64_t spalten[kMaxFeld][2] = {};
    /// Living cells of each column of the new generation.
    std::uint8_t spaltenLebende[kMaxFeld] = {};
    /// Living cells of the new generation's field.
    std::int32_t lebende = 0;
    /// Cells empty before the step and living after it.
    std::int32_t geburten = 0;
    /// Cells living before the step and empty after it.
    std::int32_t tode = 0;
    /// The field size the step ran with; 0 before the first step.
    std::int32_t feldGroesse = 0;
    /// The neighbour mask the step ran with.
    std::uint8_t nachbarMaske = 0;
    /// The edges the step ran with.
    Rand rand = Rand::Torus;
};

/// The whole automaton state, toolkit-free; one instance lives as long as the main window.
/// About 2.1 MB: allocate it once, never on the stack.
struct Welt {
    /// Bit b switches neighbour direction b on (see kNachbarn in schritt.h).
    std::uint8_t nachbarMaske = 255;
    /// N, the visible field's side; even, 2..90.
    std::int32_t feldGroesse = 30;
    /// Ring slot holding the present generation after a step.
    std::int32_t gedIndex = 0;
    /// Cell states by storage index (x, y): 0 empty, 2 new, 1 survived once, 3 older.
    std::int32_t zelle[kDim][kDim] = {};
    /// The generation last built; also scratch for scrolling.
    std::int32_t zelleNeu[kDim][kDim] = {};
    /// Ring memory, slot-major so that one slot is one contiguous block.
    std::int16_t gedaechtnisDaten[kSlots][kDim][kDim] = {};
    /// What the last step counted on its way.
    Bilanz bilanz;

    /// Memory cell (x, y) of slot.
    std::int16_t& gedaechtnis(int x, int y, int slot) { return gedaechtnisDaten[slot][x][y]; }
    std::int16_t gedaechtnis(int x, int y, int slot) const { return gedaechtnisDaten[slot][x][y]; }

    /// Sets every cell with both indices in 0..99 to 0; index 100 is left alone.
    void loescheZellen();
    /// Copies the whole cell array into memory slot `slot`.
    void speichereInSlot(int slot);
    /// Replaces the whole cell array by memory slot `slot`.
    void ladeAusSlot(int slot);
    /// Clears every memory slot, slot 100 included.
    void loescheGedaechtnis();
};

/// Storage index of field coordinate i.
constexpr int speicherIndex(int i) { return i + kMitte; }

}  // namespace engine
