#pragma once

#include "werkbank/werkbank.h"

namespace werkbank {

/// One verb of the user from start to end: the changes it reports reach the observers once,
/// when the outermost verb ends.
class Werkbank::Vorgang {
public:
    explicit Vorgang(Werkbank& w) : w_(w) { ++w_.tiefe_; }
    ~Vorgang() {
        if (--w_.tiefe_ > 0 || w_.anstehend_ == 0) return;
        const std::uint32_t was = w_.anstehend_;
        w_.anstehend_ = 0;
        for (Beobachter* b : w_.beobachter_) b->geaendert(was);
    }
    Vorgang(const Vorgang&) = delete;
    Vorgang& operator=(const Vorgang&) = delete;

private:
    Werkbank& w_;
};

}  // namespace werkbank
