#include "edit/wiederholung.h"

#include <cassert>

namespace edit {

int Wiederholung::gedrueckt(int richtung, std::int64_t jetzt) {
    assert(richtung >= 0 && richtung < 4);
    const int geschuldet = richtung_;
    richtung_ = richtung;
    pauseSeit_ = jetzt;
    return geschuldet;
}

int Wiederholung::faellig(std::int64_t jetzt) const { return jetzt - pauseSeit_ > kPauseNs ? richtung_ : -1; }

void Wiederholung::gemacht(bool gehalten, std::int64_t jetzt) {
    if (gehalten)
        pauseSeit_ = jetzt;
    else
        richtung_ = -1;
}

int Wiederholung::wartezeitMs(std::int64_t jetzt) const {
    if (richtung_ < 0) return -1;
    const std::int64_t rest = kPauseNs - (jetzt - pauseSeit_);
    // Rounded up past the pause's end, so that a timer on time finds the pass due.
    return rest < 0 ? 0 : static_cast<int>(rest / 1'000'000 + 1);
}

}  // namespace edit
