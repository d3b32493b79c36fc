#pragma once

#include "werkbank/werkbank.h"

namespace werkbank {

/// One verb of the user from start to end. The outermost verb enters the history: it ends an
/// open step of another kind and opens its own (a step of kind Bearbeitung ends with the verb);
/// the changes it reports reach the observers once, when it ends, with kChronik whenever the
/// history's state moved.
class Werkbank::Vorgang {
public:
    explicit Vorgang(Werkbank& w, Art art = Art::keine, texte::Schritt schritt = texte::Schritt::keiner) : w_(w), art_(art) {
        if (w_.tiefe_++ > 0 || art == Art::keine) return;
        const Art offen = w_.chronik_.offen();
        if (offen != Art::keine && (offen != art || art == Art::Bearbeitung)) w_.schliesseSchritt(art == Art::Lauf);
        if (w_.chronik_.offen() == Art::keine) w_.chronik_.oeffne(art, schritt, w_.einstellungen());
    }
    ~Vorgang() {
        if (--w_.tiefe_ > 0) return;
        if (art_ == Art::Bearbeitung) w_.schliesseSchritt();
        // The one place that tells what undo would do and whether the world is changed.
        if (w_.chronik_.stand() != w_.gemeldeterStand_) {
            w_.gemeldeterStand_ = w_.chronik_.stand();
            w_.melde(kChronik);
        }
        if (w_.anstehend_ == 0) return;
        const std::uint32_t was = w_.anstehend_;
        w_.anstehend_ = 0;
        for (Beobachter* b : w_.beobachter_) b->geaendert(was);
    }
    Vorgang(const Vorgang&) = delete;
    Vorgang& operator=(const Vorgang&) = delete;

private:
    Werkbank& w_;
    Art art_;
};

}  // namespace werkbank
