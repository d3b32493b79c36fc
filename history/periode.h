#pragma once

#include <cstdint>
#include <string>

#include "engine/welt.h"

namespace history {

/// What is known about the present field after a step.
struct Befund {
    /// Living cells of the visible field.
    int lebende = 0;
    /// Smallest k in 1..99 whose state k steps back, moved by (dx, dy), equals the present (ages
    /// ignored); 0 for none.
    int periode = 0;
    /// How far the shape moved in those k steps, x to the right and y downward; (0, 0) for a
    /// standing oscillator, which is preferred when both fit.
    int dx = 0;
    int dy = 0;

    bool operator==(const Befund&) const = default;
};

/// Living cells of the visible field, counted in the cell array.
int lebende(const engine::Welt& w);

/// Watches an uninterrupted run of steps through the memory ring and finds the period of the
/// present state and how far it travelled. On the torus a shape may come back shifted
/// cyclically (dx, dy reported in -N/2+1..N/2); on the bounded plane and the mirror a travelling
/// match counts only between states with no living cell in the field's edge rows and columns.
/// Every change of the field between two steps must end the run through neuerLauf(); a changed
/// field size, neighbourhood or edge mode or a jump of the ring position ends it on its own.
/// Works on what the step counted (engine::Bilanz) and reads the ring only at a run's start;
/// fixed size (about 200 kB), allocates nothing.
class Periodensuche {
public:
    /// Starts a new run at the present field; the finding becomes its population alone.
    void neuerLauf(const engine::Welt& w);
    /// Takes the state the last step built; call after every step, before the field changes.
    void nachSchritt(const engine::Welt& w);

    /// The finding after the last step, or the population alone after neuerLauf().
    const Befund& befund() const { return befund_; }
    /// States of the current run held by the ring, present included; 0 before the first step.
    int staende() const { return staende_; }

private:
    __extension__ typedef unsigned __int128 Spalte;

    /// What one state of the ring looks like, beyond its cells.
    struct Stand {
        /// Hash of the column counts, which no shift changes; equal for a state and its moved copy.
        std::uint64_t gestalt;
        /// A finer such hash (neighbouring pairs of cells), worked out only when a moved copy is
        /// sought; valid while `feinBekannt`.
        std::uint64_t fein;
        bool feinBekannt;
        /// Living cells.
        int lebende;
        /// First living column and row, for a move on the plane (not kept on the torus).
        int xMin;
        int yMin;
        /// Whether a living cell lies in an edge row or column (not kept on the torus).
        bool amRand;
    };
    /// A cyclic shift to be checked, with its rank: smaller first.
    struct Versatz {
        std::int16_t rang;
        std::int16_t dx;
        std::int16_t dy;
    };

    void erfasse(int s, int n, const std::uint64_t (&spalten)[2][engine::kMaxFeld + 4], const std::uint8_t* spaltenLebende);
    std::uint64_t feineGestalt(int s);
    bool wandert(int alt, int neu, int& dx, int& dy);
    bool gleichVersetzt(int alt, int neu, int dx, int dy) const;

    /// Column x of slot s's living cells, cell y in bit y.
    Spalte spalte(int s, int x) const { return woerter_[s][0][x] | Spalte{woerter_[s][1][x]} << 64; }

    /// The living cells of every slot's field as the step counted them: cells 0..63 of each
    /// column in the first word, the rest in the second; copied whole, compared whole.
    std::uint64_t woerter_[engine::kRing][2][engine::kMaxFeld] = {};
    std::uint8_t spaltenLebende_[engine::kRing][engine::kMaxFeld] = {};
    Stand stand_[engine::kRing] = {};
    Versatz versaetze_[engine::kMaxFeld * engine::kMaxFeld] = {};
    int staende_ = 0;
    int gedIndex_ = 0;
    int feldGroesse_ = 0;
    std::uint8_t nachbarMaske_ = 0;
    engine::Rand rand_ = engine::Rand::Torus;
    Befund befund_;
};

}  // namespace history
