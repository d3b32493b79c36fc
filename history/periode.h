#pragma once

#include <cstdint>
#include <string>

#include "engine/welt.h"

namespace history {

/// What is known about the present field after a step.
struct Befund {
    /// Living cells of the visible field.
    int lebende = 0;
    /// Smallest k in 1..99 whose state k steps back equals the present (ages ignored); 0 for none.
    int periode = 0;
};

/// The German text of a finding: "leer", "statisch", "Periode 2", "123 Zellen" (one: "1 Zelle").
std::string befundText(const Befund& befund);

/// Living cells of the visible field.
int lebende(const engine::Welt& w);

/// Watches an uninterrupted run of steps through the memory ring and finds the period of the
/// present state. Every change of the field between two steps must end the run through
/// neuerLauf(); a changed field size or neighbourhood or a jump of the ring position ends it
/// on its own. One pass over the field per step; fixed size (about 150 kB), allocates nothing.
class Periodensuche {
public:
    /// Starts a new run at the present field; the finding becomes its population alone.
    void neuerLauf(const engine::Welt& w);
    /// Takes the state the last step stored in slot gedIndex; call after every step.
    void nachSchritt(const engine::Welt& w);

    const Befund& befund() const { return befund_; }
    /// States of the current run held by the ring, present included; 0 before the first step.
    int staende() const { return staende_; }
    /// Ring slot of the i-th state of the run, 0 the oldest; valid for i below staende().
    int slot(int i) const { return (gedIndex_ - (staende_ - 1 - i) + 2 * engine::kRing) % engine::kRing; }

private:
    std::uint64_t hash_[engine::kRing] = {};
    /// The living cells of every slot's field as bits, two words a row.
    std::uint64_t bits_[engine::kRing][engine::kMaxFeld][2] = {};
    int staende_ = 0;
    int gedIndex_ = 0;
    int feldGroesse_ = 0;
    std::uint8_t nachbarMaske_ = 0;
    Befund befund_;
};

}  // namespace history
