#include "examples/beispiele.h"

namespace examples {

namespace {

// One row per pattern, cells in reading order (top row first, each row from the left).
constexpr Zelle k0[] = {{45, 45}, {46, 45}, {45, 46}, {47, 46}, {45, 47}};
constexpr Zelle k1[] = {{46, 43}, {47, 43}, {47, 44}, {44, 45}, {44, 46}, {45, 46}};
constexpr Zelle k2[] = {{45, 44}, {45, 45}, {45, 46}};
constexpr Zelle k3[] = {{43, 43}, {44, 43}, {43, 44}, {45, 44}, {45, 46}, {47, 46}, {46, 47}, {47, 47}};
constexpr Zelle k4[] = {{46, 44}, {45, 45}, {47, 45}, {44, 46}, {47, 46}, {45, 47}, {46, 47}};
constexpr Zelle k5[] = {{45, 45}, {46, 45}, {45, 46}, {46, 46}};
constexpr Zelle k6[] = {{45, 45}, {44, 46}, {46, 46}, {44, 47}, {46, 47}, {45, 48}};
constexpr Zelle k7[] = {{45, 45}, {46, 45}, {45, 46}, {47, 47}, {46, 48}, {47, 48}};
constexpr Zelle k8[] = {{43, 45}, {44, 45}, {47, 45}, {48, 45}, {42, 46}, {43, 46}, {44, 46}, {47, 46}, {48, 46},
                        {43, 47}, {44, 47}, {47, 47}, {48, 47}, {49, 47}, {44, 48}, {47, 48}, {48, 48}};
constexpr Zelle k9[] = {{44, 44}, {45, 44}, {46, 44}, {45, 45}, {45, 46}, {46, 46}, {47, 46}};
constexpr Zelle k10[] = {{45, 42}, {44, 43}, {46, 43}, {44, 44}, {46, 44}, {44, 45},
                         {46, 45}, {44, 46}, {46, 46}, {44, 47}, {46, 47}, {45, 48}};
constexpr Zelle k11[] = {{45, 43}, {44, 44}, {46, 44}, {44, 45}, {46, 45}, {44, 46}, {46, 46}, {45, 47}};
constexpr Zelle k12[] = {{45, 42}, {44, 43}, {46, 43}, {44, 44}, {46, 44},
                         {44, 45}, {46, 45}, {44, 46}, {46, 46}, {45, 47}};
constexpr Zelle k13[] = {{45, 45}, {49, 45}, {46, 46}, {47, 46}, {48, 46}};
constexpr Zelle k14[] = {{46, 44}, {45, 45}, {46, 45}, {47, 45}, {45, 46}, {47, 46}, {45, 47}};
constexpr Zelle k15[] = {{45, 43}, {44, 44}, {45, 44}, {46, 44}, {44, 45}, {46, 45}, {44, 46}, {46, 46}};
constexpr Zelle k16[] = {{45, 45}, {48, 45}, {46, 46}, {47, 46}, {46, 47}, {47, 47}};

constexpr std::span<const Zelle> kTabelle[kMusterAnzahl] = {k0, k1,  k2,  k3,  k4,  k5,  k6,  k7, k8,
                                                            k9, k10, k11, k12, k13, k14, k15, k16};

}  // namespace

std::span<const Zelle> muster(int index) {
    if (index < 0 || index >= kMusterAnzahl) return {};
    return kTabelle[index];
}

void fuegeEin(engine::Welt& welt, int index) {
    for (const Zelle& z : muster(index)) welt.setzeZelle(z.x, z.y, 1);
}

}  // namespace examples
