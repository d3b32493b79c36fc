#pragma once

#include <memory>

#include "engine/schritt.h"

namespace testhilfe {

/// One generation of the cells alone, cell by cell, with the edges as a user states them: the
/// torus glues opposite edges, beyond the plane's edge nothing lives, and the mirror shows the
/// field reflected at its edge. Everything outside the field becomes 0; ring and bilanz stay.
inline void referenzSchritt(engine::Welt& w, const engine::Regel& regel, engine::Rand rand) {
    const int n = w.feldGroesse;
    const int lo = engine::kMitte - n / 2;
    auto alt = std::make_unique<engine::Welt>(w);
    // Field coordinate c seen from inside, or -1 where nothing is.
    auto sicht = [&](int c) {
        if (c >= 0 && c < n) return c;
        if (rand == engine::Rand::Torus) return (c + n) % n;
        if (rand == engine::Rand::Spiegel) return c < 0 ? -1 - c : 2 * n - 1 - c;
        return -1;
    };
    // Mask bit b counts the neighbour at (kDx[b], kDy[b]): the left one first, then clockwise.
    constexpr int kDx[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    constexpr int kDy[8] = {0, -1, -1, -1, 0, 1, 1, 1};
    struct Feld {
        engine::Zellen z = {};
    };
    auto neu = std::make_unique<Feld>();
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            int c = 0;
            for (int b = 0; b < 8; ++b) {
                const int nx = sicht(x + kDx[b]);
                const int ny = sicht(y + kDy[b]);
                if ((w.nachbarMaske >> b) & 1 && nx >= 0 && ny >= 0 && alt->zelle(lo + nx, lo + ny) != 0) ++c;
            }
            const int v = alt->zelle(lo + x, lo + y);
            int& z = neu->z[lo + x][lo + y];
            if (v == 0 && regel.geboren(c)) z = 2;
            if (v == 2 && regel.ueberlebt(c)) z = 1;
            if ((v == 1 || v == 3) && regel.ueberlebt(c)) z = 3;
        }
    }
    w.setzeZellen(neu->z);
}

}  // namespace testhilfe
