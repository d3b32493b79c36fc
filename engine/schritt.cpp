#include "engine/schritt.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

// The vector values below pass only between functions of this file that are inlined or built
// for one processor: no call crosses the ABI the warning is about.
#pragma GCC diagnostic ignored "-Wpsabi"

#include "engine/bitsumme.h"

namespace engine {

namespace {

// Four columns at a time; the baseline build does it as two halves.
typedef std::uint64_t V __attribute__((vector_size(32)));
constexpr int kBreite = 4;

typedef std::int64_t Vi __attribute__((vector_size(32)));

/// What a step works from besides the world: the living cells of the field with the rows and
/// columns round it as the edge mode shows them (layout of Ebenen), the births and deaths of
/// each column, and the rule.
struct Puffer {
    alignas(32) std::uint64_t lebt[2][kSpalten];
    alignas(32) std::uint64_t geboren[2][kSpalten];
    alignas(32) std::uint64_t gestorben[2][kSpalten];
    /// Per neighbour direction all ones where the mask counts it.
    V richtung[8];
    /// The rule's survival and birth counts.
    Wahl<V> ueberleben, geburt;
};

/// Where the step works: columns and bits von..bis of the planes.
struct Feld {
    int von;
    int bis;
    Rand rand;
    /// The field's bits in each word of a column.
    std::uint64_t bits[2];
    /// Cells holding values outside 0..3 as a plane of their own, or null when there are none.
    const std::uint64_t (*fremd)[kSpalten];
};

/// Every direction counted.
constexpr V kAlle[8] = {~V{}, ~V{}, ~V{}, ~V{}, ~V{}, ~V{}, ~V{}, ~V{}};

[[gnu::always_inline]] inline V lade(const std::uint64_t* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void lege(std::uint64_t* p, V v) { std::memcpy(p, &v, sizeof v); }

/// Bits as they look one row down (each bit moves one place up), for a column of two words.
[[gnu::always_inline]] inline void runter(V a, V b, V& ra, V& rb) {
    ra = a << 1;
    rb = (b << 1) | (a >> 63);
}

/// Bits as they look one row up.
[[gnu::always_inline]] inline void hoch(V a, V b, V& ha, V& hb) {
    ha = (a >> 1) | (b << 63);
    hb = b >> 1;
}

std::uint64_t zaehleSwar(std::uint64_t v) {
    v = v - ((v >> 1) & 0x5555555555555555u);
    v = (v & 0x3333333333333333u) + ((v >> 2) & 0x3333333333333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return (v * 0x0101010101010101u) >> 56;
}

/// Bit i of the two words w as bit 0 of the result.
[[gnu::always_inline]] inline V bit(const V (&w)[2], int i) { return (w[i >> 6] >> (i & 63)) & 1; }

/// The living cells of the field with the rows and columns round it into p.lebt, zero beyond.
[[gnu::always_inline]] inline void bereite(Puffer& p, const Ebenen& e, const Feld& f) {
    const int von = f.von, bis = f.bis, ende = von + (bis - von + kBreite) / kBreite * kBreite;
    const bool torus = f.rand == Rand::Torus, rund = f.rand != Rand::Quadrat;
    const int oben = von - 1, unten = bis + 1;
    for (int c = von; c < ende; c += kBreite) {
        const V drin = (V)(Vi{c, c + 1, c + 2, c + 3} <= bis);
        V w[2];
        for (int i = 0; i < 2; ++i) {
            w[i] = lade(&e.wort[0][i][c]) | lade(&e.wort[1][i][c]);
            if (f.fremd) w[i] |= lade(&f.fremd[i][c]);
            w[i] &= f.bits[i] & drin;
        }
        if (rund) {
            const V ueber = bit(w, torus ? bis : von), unter = bit(w, torus ? von : bis);
            w[oben >> 6] |= ueber << (oben & 63);
            w[unten >> 6] |= unter << (unten & 63);
        }
        lege(&p.lebt[0][c], w[0]);
        lege(&p.lebt[1][c], w[1]);
    }
    for (int i = 0; i < 2; ++i) {
        p.lebt[i][ende] = 0;
        p.lebt[i][oben] = rund ? p.lebt[i][torus ? bis : von] : 0;
        p.lebt[i][unten] = rund ? p.lebt[i][torus ? von : bis] : 0;
    }
}

/// The step's kernel over the field's columns, in groups of four; the columns of the last
/// group beyond the field come out empty. With popcnt the processor counts bits itself,
/// without it the counts are worked out. With alle every direction counts, and the kernel
/// spares the masking of the neighbours.
template <bool Popcnt, bool alle>
[[gnu::always_inline]] inline void rechne(Puffer& p, Ebenen& e, Ebenen& slot, Bilanz& bilanz, const Feld& f) {
    bereite(p, e, f);
    const int von = f.von, bis = f.bis, n = bis - von + 1;
    const int k = von;  // the watchers' columns start at bit 0
    for (int c = von; c <= bis; c += kBreite) {
        const V drin = (V)(Vi{c, c + 1, c + 2, c + 3} <= bis);
        V ru[2][3], ho[2][3], lebt[2];
        const V l0 = lade(&p.lebt[0][c - 1]), l1 = lade(&p.lebt[1][c - 1]);
        const V m0 = lade(&p.lebt[0][c]), m1 = lade(&p.lebt[1][c]);
        const V r0 = lade(&p.lebt[0][c + 1]), r1 = lade(&p.lebt[1][c + 1]);
        runter(l0, l1, ru[0][0], ru[1][0]);
        runter(m0, m1, ru[0][1], ru[1][1]);
        runter(r0, r1, ru[0][2], ru[1][2]);
        hoch(l0, l1, ho[0][0], ho[1][0]);
        hoch(m0, m1, ho[0][1], ho[1][1]);
        hoch(r0, r1, ho[0][2], ho[1][2]);
        const V links[2] = {l0, l1}, mitte[2] = {m0, m1}, rechts[2] = {r0, r1};
        for (int w = 0; w < 2; ++w) {
            // The eight directions in mask-bit order, see kNachbarn.
            const V* d = p.richtung;
            if constexpr (alle) d = kAlle;
            const V nachbarn[8] = {links[w] & d[0], ru[w][0] & d[1], ru[w][1] & d[2], ru[w][2] & d[3],
                                   rechts[w] & d[4], ho[w][2] & d[5], ho[w][1] & d[6], ho[w][0] & d[7]};
            V s0, s1, s2, s3;
            nachbarSumme(nachbarn, s0, s1, s2, s3);

            const V maske = f.bits[w] & drin;
            const V lebte = mitte[w] & maske;
            const V e0 = lade(&e.wort[0][w][c]), e1 = lade(&e.wort[1][w][c]);
            const V bleibt = waehle(p.ueberleben, s0, s1, s2, s3) & maske;
            const V neu0 = bleibt & (e0 | e1);
            const V neu1 = (waehle(p.geburt, s0, s1, s2, s3) & maske & ~lebte) | (bleibt & e0);
            lebt[w] = neu0 | neu1;
            lege(&e.wort[0][w][c], neu0);
            lege(&e.wort[1][w][c], neu1);
            lege(&slot.wort[0][w][c], neu0);
            lege(&slot.wort[1][w][c], neu1);
            lege(&p.geboren[w][c], lebt[w] & ~lebte);
            lege(&p.gestorben[w][c], lebte & ~lebt[w]);
        }
        // The field's columns as the watchers see them, cell y in bit y.
        lege(&bilanz.spalten[0][c - von], (lebt[0] >> k) | (lebt[1] << (64 - k)));
        lege(&bilanz.spalten[1][c - von], lebt[1] >> k);
    }
    int lebende = 0, geburten = 0, tode = 0;
    auto zaehle = [](std::uint64_t v) { return Popcnt ? std::popcount(v) : static_cast<int>(zaehleSwar(v)); };
    for (int x = 0; x < n; ++x) {
        const int c = von + x;
        const int z = zaehle(bilanz.spalten[0][x]) + zaehle(bilanz.spalten[1][x]);
        bilanz.spaltenLebende[x] = static_cast<std::uint8_t>(z);
        lebende += z;
        geburten += zaehle(p.geboren[0][c]) + zaehle(p.geboren[1][c]);
        tode += zaehle(p.gestorben[0][c]) + zaehle(p.gestorben[1][c]);
    }
    bilanz.lebende = lebende;
    bilanz.geburten = geburten;
    bilanz.tode = tode;
}

__attribute__((target("avx2,popcnt"))) void rechneAvx2(Puffer& p, Ebenen& e, Ebenen& slot, Bilanz& b,
                                                        const Feld& f, bool alle) {
    if (alle)
        rechne<true, true>(p, e, slot, b, f);
    else
        rechne<true, false>(p, e, slot, b, f);
}

void rechneBasis(Puffer& p, Ebenen& e, Ebenen& slot, Bilanz& b, const Feld& f, bool alle) {
    if (alle)
        rechne<false, true>(p, e, slot, b, f);
    else
        rechne<false, false>(p, e, slot, b, f);
}

}  // namespace

void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd) {
    const int n = w.feldGroesse;
    assert(n >= 2 && n <= kMaxFeld && n % 2 == 0);
    const int lo = kMitte - n / 2;  // storage index of the first field row and column
    const int von = lo + 1;         // its column in the planes, and its bit
    const int bis = von + n - 1;

    if (w.abgelegt_ != w.gedIndex) w.speichereInSlot(w.gedIndex);
    w.gedIndex = (w.gedIndex + 1) % kRing;

    Puffer p;
    Feld f{von, bis, rand, {}, nullptr};
    for (int i = 0; i < 2; ++i) {
        const int a = std::max(von - 64 * i, 0), b = std::min(bis + 1 - 64 * i, 64);
        f.bits[i] = a >= b ? 0 : (b - a == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << (b - a)) - 1) << a);
    }
    Ebenen& e = w.zellen_.ebenen;
    // Cells outside 0..3 live and die; they are rare, so only then are they gathered.
    std::uint64_t fremd[2][kSpalten];
    if (!w.zellen_.ausnahmen.empty()) {
        std::memset(fremd, 0, sizeof fremd);
        for (const auto& [k, v] : w.zellen_.ausnahmen) {
            const int b = k % kDim + 1;
            fremd[b >> 6][k / kDim + 1] |= std::uint64_t{1} << (b & 63);
        }
        f.fremd = fremd;
    }
    for (int b = 0; b < 8; ++b) p.richtung[b] = voll<V>((w.nachbarMaske >> b) & 1);
    p.ueberleben = wahl<V>(regel.ueberleben);
    p.geburt = wahl<V>(regel.geburt);

    Ebenen& slot = w.ring_.slot[w.gedIndex].ebenen;
    w.ring_.slot[w.gedIndex].ausnahmen.clear();
    w.zellen_.ausnahmen.clear();
    if (simd)
        rechneAvx2(p, e, slot, w.bilanz, f, w.nachbarMaske == 255);
    else
        rechneBasis(p, e, slot, w.bilanz, f, w.nachbarMaske == 255);
    // Everything outside the field's columns becomes empty; the kernel cleared the rest.
    for (Ebenen* z : {&e, &slot})
        for (auto& ebene : z->wort)
            for (auto& wort : ebene) {
                std::memset(wort, 0, sizeof(std::uint64_t) * von);
                std::memset(wort + bis + 1, 0, sizeof(std::uint64_t) * (kSpalten - bis - 1));
            }
    w.veraendert();
    w.abgelegt_ = w.gedIndex;
    w.bilanz.feldGroesse = n;
    w.bilanz.nachbarMaske = w.nachbarMaske;
    w.bilanz.rand = rand;
}

bool simdVerfuegbar() { return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt"); }

void schritt(Welt& w, const Regel& regel, Rand rand) { schrittMit(w, regel, rand, simdVerfuegbar()); }

}  // namespace engine
