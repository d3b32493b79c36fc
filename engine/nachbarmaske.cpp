#include "engine/nachbarmaske.h"

namespace engine {

std::uint8_t maskeAus(const Ankreuzungen& angekreuzt) {
    unsigned maske = 0;
    for (int n = 1; n <= kElemente; ++n)
        if (angekreuzt[n - 1]) maske |= 1u << (n - 1);
    return static_cast<std::uint8_t>(maske);
}

Ankreuzungen ankreuzungenAus(std::uint8_t maske) {
    Ankreuzungen a{};
    for (int n = 1; n <= kElemente; ++n) a[n - 1] = (maske >> (n - 1)) & 1;
    return a;
}

}  // namespace engine
