#include "history/rueckblende.h"

#include "engine/zahltext.h"

namespace history {

int rueckIndex(int gedIndex, int v) { return ((gedIndex + 1 + v) % engine::kRing + engine::kRing) % engine::kRing; }

std::string tiefeText(int v) { return engine::zahlText(v - kGegenwart); }

int zurueckblicken(engine::Welt& w, int v) {
    const int slot = rueckIndex(w.gedIndex, v);
    w.ladeAusSlot(slot);
    return slot;
}

}  // namespace history
