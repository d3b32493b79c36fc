#pragma once

#include <random>
#include <string>

#include "engine/welt.h"

/// A random soup of the given density over the field of size n.
inline void fuelleSuppe(engine::Welt& w, int n, double dichte, unsigned saat = 1) {
    std::mt19937 zufall(saat);
    std::bernoulli_distribution lebt(dichte);
    w.feldGroesse = n;
    const int lo = engine::kMitte - n / 2;
    for (int x = lo; x < lo + n; ++x)
        for (int y = lo; y < lo + n; ++y) w.setzeZelle(x, y, lebt(zufall) ? 1 + static_cast<int>(zufall() % 3) : 0);
}

/// The same soup as a plaintext pattern of n x n cells, for the workbench's import.
inline std::string suppenText(int n, double dichte, unsigned saat = 1) {
    std::mt19937 zufall(saat);
    std::bernoulli_distribution lebt(dichte);
    std::string text;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) text += lebt(zufall) ? 'O' : '.';
        text += '\n';
    }
    return text;
}
