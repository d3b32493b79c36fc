#pragma once

#include <cstdint>
#include <vector>

#include "engine/bitsumme.h"
#include "engine/schritt.h"
#include "zensus/apgcode.h"

namespace zensus {

/// The smallest rectangle holding a set of cells, corners included; empty when x0 > x1.
struct Kasten {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool leer() const { return x0 > x1; }
    int breite() const { return x1 - x0 + 1; }
    int hoehe() const { return y1 - y0 + 1; }
};

/// A rule and neighbour mask as the plane's step applies them.
struct Gesetz {
    /// The rule must not give birth on 0 neighbours.
    Gesetz(const engine::Regel& regel, std::uint8_t nachbarMaske);
    engine::Wahl<std::uint64_t> ueberleben, geburt;
    /// Per neighbour direction (order of engine::kNachbarn) all ones where the mask counts it.
    std::uint64_t richtung[8];
    bool alle;
};

/// The unbounded plane: rows of 64-bit words (bit b of word w in a row is the cell 64 w + b to
/// the right) that grow and move with the living cells, so any coordinates may be used. Keeps
/// its buffers when emptied, so that the next pattern allocates nothing.
class Universum {
public:
    /// No living cells.
    void leere();
    /// Cell (x, y) comes alive.
    void setze(int x, int y);
    /// These living cells become empty.
    void loesche(const Zellen& zellen);
    /// Whether cell (x, y) lives.
    bool lebt(int x, int y) const;
    /// One generation; births need at least one counted neighbour.
    void schritt(const Gesetz& gesetz);
    /// Living cells.
    std::uint64_t lebende() const { return lebende_; }
    /// The living cells' rectangle.
    Kasten kasten() const;
    /// The living cells into `zellen` (replacing what it held), row by row from the top.
    void zellen(Zellen& zellen) const;

private:
    /// Room for the living cells and one more row and word round them, kept beyond the step's reach.
    void platz();
    /// Recounts the living rows, words and cells after cells were removed.
    void fasse();
    std::uint64_t* zeile(int r) { return &a_[static_cast<std::size_t>(r) * static_cast<std::size_t>(breite_)]; }
    const std::uint64_t* zeile(int r) const {
        return &a_[static_cast<std::size_t>(r) * static_cast<std::size_t>(breite_)];
    }

    int breite_ = 0;  ///< words per row
    int hoehe_ = 0;   ///< rows
    int ox_ = 0, oy_ = 0;  ///< the plane's coordinates of bit 0 of word 0 in row 0
    std::vector<std::uint64_t> a_, b_, neu_;
    /// The living rows and words (storage indices); none when zlo_ > zhi_.
    int zlo_ = 1, zhi_ = 0, wlo_ = 1, whi_ = 0;
    /// Where b_ may hold something other than zeros.
    int bz0_ = 1, bz1_ = 0, bw0_ = 0, bw1_ = -1;
    std::uint64_t lebende_ = 0;
};

}  // namespace zensus
