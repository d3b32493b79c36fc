#pragma once

#include <cstdint>

// The bit-sliced neighbour count and rule selection, for any word type with the bit operators:
// a plain 64-bit word or a vector of them. Each bit position is one cell.

namespace engine {

/// All ones for true, all zeros for false.
template <typename W>
[[gnu::always_inline]] inline W voll(bool b) {
    return W{} - static_cast<std::uint64_t>(b);
}

/// A set of neighbour counts (bit k: k counted neighbours) as a selection by the count's bits:
/// the pair (k, k + 1) for even k gives basis[k/2] ^ (wechsel[k/2] & bit0); count 8 gives acht.
template <typename W>
struct Wahl {
    W basis[4];
    W wechsel[4];
    W acht;
};

/// The selection for the counts in `menge`.
template <typename W>
Wahl<W> wahl(std::uint16_t menge) {
    Wahl<W> w;
    for (int k = 0; k < 4; ++k) {
        const bool a = (menge >> (2 * k)) & 1, b = (menge >> (2 * k + 1)) & 1;
        w.basis[k] = voll<W>(a);
        w.wechsel[k] = voll<W>(a != b);
    }
    w.acht = voll<W>((menge >> 8) & 1);
    return w;
}

/// Sum and carry of three one-bit inputs.
template <typename W>
[[gnu::always_inline]] inline void addiere(W a, W b, W c, W& summe, W& uebertrag) {
    const W ab = a ^ b;
    summe = ab ^ c;
    uebertrag = (a & b) | (ab & c);
}

/// The count of eight one-bit inputs as its bits s0 (1) .. s3 (8).
template <typename W>
[[gnu::always_inline]] inline void nachbarSumme(const W (&n)[8], W& s0, W& s1, W& s2, W& s3) {
    W sa, ca, sb, cb, cd, t, k1;
    addiere(n[0], n[1], n[2], sa, ca);
    addiere(n[3], n[4], n[5], sb, cb);
    addiere(sa, sb, n[6] ^ n[7], s0, cd);
    addiere(ca, cb, n[6] & n[7], t, k1);
    s1 = t ^ cd;
    const W k2 = t & cd;
    s2 = k1 ^ k2;
    s3 = k1 & k2;
}

/// Whether the count s0 (1) .. s3 (8) lies in the selection, per bit.
template <typename W>
[[gnu::always_inline]] inline W waehle(const Wahl<W>& w, W s0, W s1, W s2, W s3) {
    const W p0 = w.basis[0] ^ (w.wechsel[0] & s0), p1 = w.basis[1] ^ (w.wechsel[1] & s0);
    const W p2 = w.basis[2] ^ (w.wechsel[2] & s0), p3 = w.basis[3] ^ (w.wechsel[3] & s0);
    const W q0 = p0 ^ ((p0 ^ p1) & s1), q1 = p2 ^ ((p2 ^ p3) & s1);
    const W r = q0 ^ ((q0 ^ q1) & s2);
    return r ^ ((r ^ w.acht) & s3);
}

}  // namespace engine
