#include "zensus/universum.h"

#include "engine/vektor.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <climits>
#include <cstring>

namespace zensus {

namespace {

using Wort = std::uint64_t;

int abgerundet(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

/// One row of the next generation from the rows above (o), at (m) and below (u), words v0..v1.
/// Returns the first and last word that holds a living cell (v0 > v1 for none) and adds the
/// living cells to `lebende`.
template <bool alle>
[[gnu::always_inline]] inline void zeile(const Gesetz& g, const Wort* o, const Wort* m, const Wort* u, Wort* z,
                                         int v0, int v1, int& erstes, int& letztes, std::uint64_t& lebende) {
    for (int w = v0; w <= v1; ++w) {
        // The eight directions in mask-bit order, see engine::kNachbarn; a cell's left
        // neighbour is the next lower bit.
        Wort n[8] = {(m[w] << 1) | (m[w - 1] >> 63), (o[w] << 1) | (o[w - 1] >> 63), o[w],
                     (o[w] >> 1) | (o[w + 1] << 63), (m[w] >> 1) | (m[w + 1] << 63), (u[w] >> 1) | (u[w + 1] << 63),
                     u[w],                           (u[w] << 1) | (u[w - 1] >> 63)};
        if constexpr (!alle)
            for (int k = 0; k < 8; ++k) n[k] &= g.richtung[k];
        Wort s0, s1, s2, s3;
        engine::nachbarSumme(n, s0, s1, s2, s3);
        const Wort neu = (engine::waehle(g.ueberleben, s0, s1, s2, s3) & m[w]) |
                         (engine::waehle(g.geburt, s0, s1, s2, s3) & ~m[w]);
        z[w] = neu;
        if (neu) {
            erstes = std::min(erstes, w);
            letztes = w;
            lebende += static_cast<std::uint64_t>(std::popcount(neu));
        }
    }
}

template <bool alle>
MORLIX_VEKTOR void rechne(const Gesetz& g, const Wort* a, Wort* b, std::size_t breite, int r0, int r1, int v0,
                          int v1, int& zlo, int& zhi, int& wlo, int& whi, std::uint64_t& lebende) {
    for (int r = r0; r <= r1; ++r) {
        const std::size_t i = static_cast<std::size_t>(r) * breite;
        int erstes = INT_MAX, letztes = INT_MIN;
        zeile<alle>(g, a + i - breite, a + i, a + i + breite, b + i, v0, v1, erstes, letztes, lebende);
        if (letztes >= erstes) {
            zlo = std::min(zlo, r);
            zhi = r;
            wlo = std::min(wlo, erstes);
            whi = std::max(whi, letztes);
        }
    }
}

}  // namespace

Gesetz::Gesetz(const engine::Regel& regel, std::uint8_t nachbarMaske)
    : ueberleben(engine::wahl<Wort>(regel.ueberleben)), geburt(engine::wahl<Wort>(regel.geburt)),
      alle(nachbarMaske == 255) {
    assert(!regel.geboren(0));
    for (int k = 0; k < 8; ++k) richtung[k] = engine::voll<Wort>((nachbarMaske >> k) & 1);
}

void Universum::leere() {
    for (int r = zlo_; r <= zhi_; ++r) std::fill(zeile(r) + wlo_, zeile(r) + whi_ + 1, 0);
    zlo_ = wlo_ = 1;
    zhi_ = whi_ = 0;
    lebende_ = 0;
}

void Universum::setze(int x, int y) {
    const int r = y - oy_, w = abgerundet(x - ox_, 64);
    if (breite_ == 0 || r < 2 || r > hoehe_ - 3 || w < 2 || w > breite_ - 3) {
        // Make room for the living cells and this one, with a margin that grows with them.
        const bool leer = zlo_ > zhi_;
        const int y0 = leer ? y : std::min(y, oy_ + zlo_), y1 = leer ? y : std::max(y, oy_ + zhi_);
        const int w0 = leer ? w : std::min(w, wlo_), w1 = leer ? w : std::max(w, whi_);
        const int rrand = 32 + (y1 - y0) / 2, wrand = 2 + (w1 - w0) / 2;
        const int hoehe = y1 - y0 + 1 + 2 * rrand, breite = w1 - w0 + 1 + 2 * wrand;
        const int dr = (y0 - rrand) - oy_, dw = w0 - wrand;  // old storage index of the new first row, word
        neu_.assign(static_cast<std::size_t>(hoehe) * static_cast<std::size_t>(breite), 0);
        for (int q = zlo_; q <= zhi_; ++q)
            std::copy(zeile(q) + wlo_, zeile(q) + whi_ + 1,
                      &neu_[static_cast<std::size_t>(q - dr) * static_cast<std::size_t>(breite) +
                            static_cast<std::size_t>(wlo_ - dw)]);
        std::swap(a_, neu_);
        b_.assign(a_.size(), 0);
        bz0_ = 1, bz1_ = 0;
        oy_ += dr;
        ox_ += 64 * dw;
        breite_ = breite;
        hoehe_ = hoehe;
        if (!leer) zlo_ -= dr, zhi_ -= dr, wlo_ -= dw, whi_ -= dw;
        return setze(x, y);
    }
    Wort& wort = zeile(r)[w];
    const Wort bit = Wort{1} << ((x - ox_) - 64 * w);
    if (wort & bit) return;
    wort |= bit;
    ++lebende_;
    if (zlo_ > zhi_) zlo_ = zhi_ = r, wlo_ = whi_ = w;
    zlo_ = std::min(zlo_, r), zhi_ = std::max(zhi_, r), wlo_ = std::min(wlo_, w), whi_ = std::max(whi_, w);
}

void Universum::loesche(const Zellen& zellen) {
    for (const Punkt& p : zellen) {
        const int r = p.y - oy_, w = abgerundet(p.x - ox_, 64);
        assert(r >= 0 && r < hoehe_ && w >= 0 && w < breite_);
        zeile(r)[w] &= ~(Wort{1} << ((p.x - ox_) - 64 * w));
    }
    fasse();
}

bool Universum::lebt(int x, int y) const {
    const int r = y - oy_, w = abgerundet(x - ox_, 64);
    if (r < zlo_ || r > zhi_ || w < wlo_ || w > whi_) return false;
    return (zeile(r)[w] >> ((x - ox_) - 64 * w)) & 1;
}

void Universum::fasse() {
    int zlo = INT_MAX, zhi = INT_MIN, wlo = INT_MAX, whi = INT_MIN;
    lebende_ = 0;
    for (int r = zlo_; r <= zhi_; ++r)
        for (int w = wlo_; w <= whi_; ++w)
            if (const Wort v = zeile(r)[w]) {
                zlo = std::min(zlo, r), zhi = r, wlo = std::min(wlo, w), whi = std::max(whi, w);
                lebende_ += static_cast<std::uint64_t>(std::popcount(v));
            }
    if (zlo > zhi) zlo = wlo = 1, zhi = whi = 0;
    zlo_ = zlo, zhi_ = zhi, wlo_ = wlo, whi_ = whi;
}

void Universum::schritt(const Gesetz& g) {
    if (lebende_ == 0) return;
    const int r = zlo_ < 2 ? zlo_ - 2 : zhi_ > hoehe_ - 3 ? zhi_ + 2 : zlo_;
    const int w = wlo_ < 2 ? wlo_ - 2 : whi_ > breite_ - 3 ? whi_ + 2 : wlo_;
    if (r != zlo_ || w != wlo_) {
        // setze grows the plane round a living cell, which it leaves alive.
        const int x = ox_ + 64 * w, y = oy_ + r;
        const bool war = lebt(x, y);
        setze(x, y);
        if (!war) loesche(Zellen{{x, y}});
    }
    const auto breite = static_cast<std::size_t>(breite_);
    for (int q = bz0_; q <= bz1_; ++q) std::fill(&b_[q * breite + bw0_], &b_[q * breite + bw1_ + 1], 0);
    // A word beside the living ones can come alive only where a cell lives at their edge.
    Wort links = 0, rechts = 0;
    for (int q = zlo_; q <= zhi_; ++q) links |= zeile(q)[wlo_], rechts |= zeile(q)[whi_];
    const int v0 = (links & 1) ? wlo_ - 1 : wlo_, v1 = (rechts >> 63) ? whi_ + 1 : whi_;
    int zlo = INT_MAX, zhi = INT_MIN, wlo = INT_MAX, whi = INT_MIN;
    std::uint64_t lebende = 0;
    if (g.alle)
        rechne<true>(g, a_.data(), b_.data(), breite, zlo_ - 1, zhi_ + 1, v0, v1, zlo, zhi, wlo, whi, lebende);
    else
        rechne<false>(g, a_.data(), b_.data(), breite, zlo_ - 1, zhi_ + 1, v0, v1, zlo, zhi, wlo, whi, lebende);
    std::swap(a_, b_);
    bz0_ = zlo_, bz1_ = zhi_, bw0_ = wlo_, bw1_ = whi_;
    if (zlo > zhi) zlo = wlo = 1, zhi = whi = 0;
    zlo_ = zlo, zhi_ = zhi, wlo_ = wlo, whi_ = whi;
    lebende_ = lebende;
}

Kasten Universum::kasten() const {
    Kasten k{INT_MAX, oy_ + zlo_, INT_MIN, oy_ + zhi_};
    if (lebende_ == 0) return {};
    for (int r = zlo_; r <= zhi_; ++r)
        for (int w = wlo_; w <= whi_; ++w)
            if (const Wort v = zeile(r)[w]) {
                k.x0 = std::min(k.x0, ox_ + 64 * w + std::countr_zero(v));
                k.x1 = std::max(k.x1, ox_ + 64 * w + 63 - std::countl_zero(v));
            }
    return k;
}

void Universum::zellen(Zellen& zellen) const {
    zellen.clear();
    for (int r = zlo_; r <= zhi_; ++r)
        for (int w = wlo_; w <= whi_; ++w)
            for (Wort v = zeile(r)[w]; v; v &= v - 1)
                zellen.push_back({ox_ + 64 * w + std::countr_zero(v), oy_ + r});
}

}  // namespace zensus
