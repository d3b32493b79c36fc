#include "engine/welt.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace engine {

namespace {

std::uint16_t index(int x, int y) { return static_cast<std::uint16_t>(x * kDim + y); }

template <class T>
bool regulaer(T v) {
    return v >= 0 && v <= 3;
}

}  // namespace

void Ebenen::setze(int x, int y, int v) {
    assert(x >= 0 && x < kDim && y >= 0 && y < kDim && regulaer(v));
    const int b = y + 1;
    const std::uint64_t bit = std::uint64_t{1} << (b & 63);
    for (int e = 0; e < 2; ++e) {
        std::uint64_t& w = wort[e][b >> 6][x + 1];
        w = (v >> e) & 1 ? w | bit : w & ~bit;
    }
}

template <class T>
T Zellbild<T>::wert(int x, int y) const {
    if (!ausnahmen.empty()) {
        const std::uint16_t k = index(x, y);
        const auto it = std::lower_bound(ausnahmen.begin(), ausnahmen.end(), k,
                                         [](const auto& a, std::uint16_t i) { return a.first < i; });
        if (it != ausnahmen.end() && it->first == k) return it->second;
    }
    return static_cast<T>(ebenen.wert(x, y));
}

template <class T>
void Zellbild<T>::setze(int x, int y, T v) {
    const std::uint16_t k = index(x, y);
    const auto it = std::lower_bound(ausnahmen.begin(), ausnahmen.end(), k,
                                     [](const auto& a, std::uint16_t i) { return a.first < i; });
    const bool gelistet = it != ausnahmen.end() && it->first == k;
    if (regulaer(v)) {
        if (gelistet) ausnahmen.erase(it);
        ebenen.setze(x, y, static_cast<int>(v));
        return;
    }
    ebenen.setze(x, y, 0);
    if (gelistet)
        it->second = v;
    else
        ausnahmen.insert(it, {k, v});
}

template <class T>
void Zellbild<T>::leeren() {
    ebenen = Ebenen{};
    ausnahmen.clear();
}

template struct Zellbild<std::int32_t>;
template struct Zellbild<std::int16_t>;

void Welt::setzeZelle(int x, int y, std::int32_t v) {
    zellen_.setze(x, y, v);
    veraendert();
}

const Zellen& Welt::zellen() const {
    if (!bildAktuell_) {
        for (int x = 0; x < kDim; ++x)
            for (int y = 0; y < kDim; ++y) bild_[x][y] = zellen_.ebenen.wert(x, y);
        for (const auto& [k, v] : zellen_.ausnahmen) bild_[k / kDim][k % kDim] = v;
        bildAktuell_ = true;
    }
    return bild_;
}

void Welt::setzeZellen(const Zellen& z) {
    zellen_.leeren();
    for (int x = 0; x < kDim; ++x)
        for (int y = 0; y < kDim; ++y)
            if (z[x][y] != 0) zellen_.setze(x, y, z[x][y]);
    std::memcpy(bild_, z, sizeof bild_);
    bildAktuell_ = true;
}

bool Welt::slotGleichZellen(int slot) const {
    const Zellbild<std::int16_t>& s = ring_.slot[slot];
    if (zellen_.ausnahmen.empty() && s.ausnahmen.empty()) return s.ebenen == zellen_.ebenen;
    for (int x = 0; x < kDim; ++x)
        for (int y = 0; y < kDim; ++y)
            if (s.wert(x, y) != zellen_.wert(x, y)) return false;
    return true;
}

void Welt::feldBits(int slot, int n, std::uint64_t (&spalten)[2][kMaxFeld + 4]) const {
    __extension__ typedef unsigned __int128 Spalte;
    const Zellbild<std::int16_t>& s = ring_.slot[slot];
    const int lo = kMitte - n / 2;
    const Spalte maske = (Spalte{1} << n) - 1;
    for (int x = 0; x < n; ++x) {
        const int c = lo + x + 1;
        const auto& w = s.ebenen.wort;
        const Spalte lebt = (w[0][0][c] | w[1][0][c]) | Spalte{w[0][1][c] | w[1][1][c]} << 64;
        const Spalte feld = (lebt >> (lo + 1)) & maske;
        spalten[0][x] = static_cast<std::uint64_t>(feld);
        spalten[1][x] = static_cast<std::uint64_t>(feld >> 64);
    }
    // Values outside 0..3 live too.
    for (const auto& [k, v] : s.ausnahmen) {
        const int x = k / kDim - lo, y = k % kDim - lo;
        if (x >= 0 && x < n && y >= 0 && y < n) spalten[y / 64][x] |= std::uint64_t{1} << (y % 64);
    }
}

void Welt::loescheZellen() {
    // Row and column 100 stay: the planes of index 100 are kept, the rest cleared.
    Ebenen& e = zellen_.ebenen;
    for (int p = 0; p < 2; ++p) {
        for (int c = 1; c <= kDim - 1; ++c) {
            e.wort[p][0][c] = 0;
            e.wort[p][1][c] &= std::uint64_t{1} << ((kDim - 1 + 1) % 64);
        }
    }
    std::erase_if(zellen_.ausnahmen, [](const auto& a) { return a.first / kDim < kDim - 1 && a.first % kDim < kDim - 1; });
    veraendert();
}

void Welt::speichereInSlot(int slot) {
    Zellbild<std::int16_t>& s = ring_.slot[slot];
    s.ebenen = zellen_.ebenen;
    s.ausnahmen.clear();
    for (const auto& [k, v] : zellen_.ausnahmen) s.setze(k / kDim, k % kDim, static_cast<std::int16_t>(v));
    abgelegt_ = slot;
}

void Welt::ladeAusSlot(int slot) {
    const Zellbild<std::int16_t>& s = ring_.slot[slot];
    zellen_.ebenen = s.ebenen;
    zellen_.ausnahmen.assign(s.ausnahmen.begin(), s.ausnahmen.end());
    veraendert();
    abgelegt_ = slot;
}

void Welt::loescheSlot(int slot) {
    ring_.slot[slot].leeren();
    if (slot == abgelegt_) abgelegt_ = -1;
}

void Welt::loescheGedaechtnis() {
    for (auto& s : ring_.slot) s.leeren();
    abgelegt_ = -1;
}

void Welt::setzeGedaechtnis(const GedaechtnisAbzug& abzug) {
    ring_ = abzug.ring();
    abgelegt_ = -1;
}

}  // namespace engine
