#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

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

/// A whole cell array by storage index (x, y).
using Zellen = std::int32_t[kDim][kDim];

/// Columns of a plane: storage column x at index x + 1, a guard column each side and room for
/// whole groups of four.
inline constexpr int kSpalten = 108;

/// A cell array whose states lie in 0..3, as two bit planes: state bit e of cell (x, y) is bit
/// (y + 1) % 64 of word (y + 1) / 64 of column x + 1 of plane e. Storage row y sits one bit up
/// so that the rows round any field have a bit of their own.
struct Ebenen {
    alignas(32) std::uint64_t wort[2][2][kSpalten] = {};  // [plane][word][column]

    /// State 0..3 of cell (x, y).
    int wert(int x, int y) const {
        const int b = y + 1;
        const std::uint64_t w0 = wort[0][b >> 6][x + 1], w1 = wort[1][b >> 6][x + 1];
        return static_cast<int>(((w0 >> (b & 63)) & 1) | (((w1 >> (b & 63)) & 1) << 1));
    }
    /// Sets cell (x, y) to state v (0..3).
    void setze(int x, int y, int v);
    friend bool operator==(const Ebenen&, const Ebenen&) = default;
};

/// A cell array of element type T: the planes for the states 0..3, and the rare cells holding
/// any other value in a list sorted by x * kDim + y (their planes hold 0).
template <class T>
struct Zellbild {
    Ebenen ebenen;
    std::vector<std::pair<std::uint16_t, T>> ausnahmen;

    T wert(int x, int y) const;
    /// Sets one cell; only a value outside 0..3 allocates.
    void setze(int x, int y, T v);
    /// Empties every cell and the list, keeping its storage.
    void leeren();
    friend bool operator==(const Zellbild&, const Zellbild&) = default;
};

/// The memory ring: one cell array of 16-bit values per slot.
struct Gedaechtnis {
    Zellbild<std::int16_t> slot[kSlots];
    friend bool operator==(const Gedaechtnis&, const Gedaechtnis&) = default;
};

/// A copy of the whole memory ring; copying it shares the copy instead of repeating it.
class GedaechtnisAbzug {
public:
    explicit GedaechtnisAbzug(const Gedaechtnis& g) : ring_(std::make_shared<const Gedaechtnis>(g)) {}
    /// The ring as it was taken.
    const Gedaechtnis& ring() const { return *ring_; }

private:
    std::shared_ptr<const Gedaechtnis> ring_;
};

/// What a step learnt about the generation it built, for whoever watches the run; edits leave
/// it alone. Field column x (storage index kMitte - N/2 + x, to the right on screen) holds its
/// cell y (downward) in bit y % 64 of spalten[y / 64][x].
struct Bilanz {
    /// Living cells of the new generation, column by column; columns from N on are stale.
    alignas(32) std::uint64_t spalten[2][kMaxFeld + 4] = {};
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

struct Regel;

/// The whole automaton state, toolkit-free; one instance lives as long as the main window.
/// About 400 kB: allocate it once, never on the stack. Cells hold any 32-bit value; the memory
/// keeps them cut to 16 bits. Cells in 0..3 cost two bits each, other values a list entry.
struct Welt {
    /// Bit b switches neighbour direction b on (see kNachbarn in schritt.h).
    std::uint8_t nachbarMaske = 255;
    /// N, the visible field's side; even, 2..90.
    std::int32_t feldGroesse = 30;
    /// Ring slot holding the present generation after a step.
    std::int32_t gedIndex = 0;
    /// What the last step counted on its way.
    Bilanz bilanz;

    /// Cell state at storage index (x, y): 0 empty, 2 new, 1 survived once, 3 older.
    std::int32_t zelle(int x, int y) const { return zellen_.wert(x, y); }
    /// Sets cell (x, y) to any value.
    void setzeZelle(int x, int y, std::int32_t v);
    /// The whole cell array, built on demand; valid until the cells change.
    const Zellen& zellen() const;
    /// Replaces the whole cell array.
    void setzeZellen(const Zellen& z);
    /// Whether the cells equal those of `andere`.
    bool gleicheZellen(const Welt& andere) const { return zellen_ == andere.zellen_; }

    /// Memory cell (x, y) of slot.
    std::int16_t gedaechtnis(int x, int y, int slot) const { return ring_.slot[slot].wert(x, y); }
    /// Whether memory slot `slot` holds the present cells (each cut to 16 bits).
    bool slotGleichZellen(int slot) const;
    /// The living cells of the field of size n in memory slot `slot`, laid out like Bilanz::spalten.
    void feldBits(int slot, int n, std::uint64_t (&spalten)[2][kMaxFeld + 4]) const;

    /// Sets every cell with both indices in 0..99 to 0; index 100 is left alone.
    void loescheZellen();
    /// Copies the whole cell array into memory slot `slot`.
    void speichereInSlot(int slot);
    /// Replaces the whole cell array by memory slot `slot`.
    void ladeAusSlot(int slot);
    /// Clears one memory slot.
    void loescheSlot(int slot);
    /// Clears every memory slot, slot 100 included.
    void loescheGedaechtnis();
    /// The whole memory, to be given back with setzeGedaechtnis().
    GedaechtnisAbzug gedaechtnisAbzug() const { return GedaechtnisAbzug(ring_); }
    /// Replaces the whole memory by a copy taken earlier.
    void setzeGedaechtnis(const GedaechtnisAbzug& abzug);
    /// Whether two worlds agree in cells, ring position and every memory slot.
    bool gleicherStand(const Welt& andere) const {
        return gedIndex == andere.gedIndex && zellen_ == andere.zellen_ && ring_ == andere.ring_;
    }

private:
    friend void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd);
    void veraendert() {
        bildAktuell_ = false;
        abgelegt_ = -1;
    }

    Zellbild<std::int32_t> zellen_;
    Gedaechtnis ring_;
    /// A slot known to hold the present cells, or -1; spares the step storing them again.
    int abgelegt_ = -1;
    /// The cells as a plain array, for whoever reads them all.
    mutable Zellen bild_ = {};
    mutable bool bildAktuell_ = true;
};

/// Storage index of field coordinate i.
constexpr int speicherIndex(int i) { return i + kMitte; }

}  // namespace engine
