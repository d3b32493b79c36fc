#include "engine/welt.h"

#include "engine/vektor.h"

#include <cstring>

namespace engine {

void Welt::loescheZellen() {
    for (int x = 0; x < kDim - 1; ++x)
        for (int y = 0; y < kDim - 1; ++y) zelle[x][y] = 0;
}

MORLIX_VEKTOR void Welt::speichereInSlot(int slot) {
    const std::int32_t* von = &zelle[0][0];
    std::int16_t* nach = &gedaechtnisDaten[slot][0][0];
    for (int k = 0; k < kDim * kDim; ++k) nach[k] = static_cast<std::int16_t>(von[k]);
}

MORLIX_VEKTOR void Welt::ladeAusSlot(int slot) {
    const std::int16_t* von = &gedaechtnisDaten[slot][0][0];
    std::int32_t* nach = &zelle[0][0];
    for (int k = 0; k < kDim * kDim; ++k) nach[k] = von[k];
}

void Welt::loescheGedaechtnis() { std::memset(gedaechtnisDaten, 0, sizeof gedaechtnisDaten); }

}  // namespace engine
