#include "engine/schritt.h"

#include "engine/vektor.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace engine {

namespace {

/// Padded width of a row of the scratch maps: guard cells each side, room for whole 32-byte blocks.
constexpr int kBreite = 128;

/// Scratch of one step, on the stack: the living map with its guard ring and the old states
/// as classes 0..3 (4 for any other value, which counts as living and dies).
struct Puffer {
    alignas(32) std::uint8_t lebt[kMaxFeld + 2][kBreite];
    alignas(32) std::uint8_t klasse[kMaxFeld][kBreite];
};

/// New state by count: births give 2, survivors their next age.
struct Tabellen {
    alignas(16) std::uint8_t geburt[16];
    alignas(16) std::uint8_t ueberleben[16];  // 0xFF where the count survives
    alignas(16) std::uint8_t alter[16];       // next age of a surviving class
};

Tabellen tabellen(const Regel& regel) {
    Tabellen t{};
    for (int c = 0; c <= 8; ++c) {
        t.geburt[c] = regel.geboren(c) ? 2 : 0;
        t.ueberleben[c] = regel.ueberlebt(c) ? 0xFF : 0;
    }
    t.alter[1] = 3;
    t.alter[2] = 1;
    t.alter[3] = 3;
    return t;
}

/// The living cells of one row before and after, cell k in bit k % 64 of word k / 64.
struct ZeilenBits {
    std::uint64_t vorher[2] = {};
    std::uint64_t nachher[2] = {};

    /// Adds cells k, k + 1, ... (at most 32, not across bit 64) as the low bits of alt and neu;
    /// fixed word indices keep the words in registers.
    void setze(int k, std::uint64_t alt, std::uint64_t neu) {
        if (k < 64) {
            vorher[0] |= alt << k;
            nachher[0] |= neu << k;
        } else {
            vorher[1] |= alt << (k - 64);
            nachher[1] |= neu << (k - 64);
        }
    }
};

/// Adds one row's living cells, field column x, to the step's counts; called at the end of
/// each kernel, where the bits are still in registers.
void verbuche(Bilanz& b, int x, const ZeilenBits& bits) {
    const int lebt = std::popcount(bits.nachher[0]) + std::popcount(bits.nachher[1]);
    b.spalten[x][0] = bits.nachher[0];
    b.spalten[x][1] = bits.nachher[1];
    b.spaltenLebende[x] = static_cast<std::uint8_t>(lebt);
    b.lebende += lebt;
    b.geburten += std::popcount(bits.nachher[0] & ~bits.vorher[0]) + std::popcount(bits.nachher[1] & ~bits.vorher[1]);
    b.tode += std::popcount(bits.vorher[0] & ~bits.nachher[0]) + std::popcount(bits.vorher[1] & ~bits.nachher[1]);
}

/// The counted directions as offsets into the living map, from a row's start to the
/// neighbour of its first cell; fixed for a whole step.
struct Richtungen {
    int versatz[8];
    int anzahl = 0;
};

Richtungen richtungen(std::uint8_t maske) {
    Richtungen r;
    for (int b = 0; b < 8; ++b)
        if ((maske >> b) & 1) r.versatz[r.anzahl++] = kNachbarn[b].dx * kBreite + 1 + kNachbarn[b].dy;
    return r;
}

/// Row a of the living map, the map taken as one block.
const std::uint8_t* lebtZeile(const Puffer& p, int a) { return &p.lebt[0][0] + a * kBreite; }

/// Next states of one row of n cells into aus[0..n); counts them into b.
void zeileSkalar(const Puffer& p, int a, int n, const Richtungen& r, const Tabellen& t, std::int32_t* aus,
                 Bilanz& b) {
    const std::uint8_t* zeile = lebtZeile(p, a);
    ZeilenBits bits;
    for (int k = 0; k < n; ++k) {
        int c = 0;
        for (int i = 0; i < r.anzahl; ++i) c += zeile[r.versatz[i] + k];
        const std::uint8_t kl = p.klasse[a - 1][k];
        aus[k] = kl == 0 ? t.geburt[c] : static_cast<std::uint8_t>(t.ueberleben[c] & t.alter[kl]);
        bits.setze(k, kl != 0, aus[k] != 0);
    }
    verbuche(b, a - 1, bits);
}

#if defined(__x86_64__) || defined(__i386__)
#define MORLIX_SIMD 1
/// The same as zeileSkalar, 32 cells at a time; writes whole blocks of 32 into aus, zeros
/// beyond the n cells. Widening in registers avoids reading back bytes just stored.
__attribute__((target("avx2"))) void zeileSimd(const Puffer& p, int a, int n, const Richtungen& r,
                                                const Tabellen& t, std::int32_t* aus, Bilanz& b) {
    // The byte shuffle looks up within each 16-byte half, so each table stands in both halves.
    const __m256i geburt = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.geburt)));
    const __m256i ueberleben =
        _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.ueberleben)));
    const __m256i alter = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.alter)));
    const __m256i null = _mm256_setzero_si256();
    const __m256i spalten = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                             20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
    const std::uint8_t* zeile = lebtZeile(p, a);
    ZeilenBits bits;
    for (int k = 0; k < n; k += 32) {
        __m256i c = null;
        for (int i = 0; i < r.anzahl; ++i)
            c = _mm256_add_epi8(c, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(zeile + r.versatz[i] + k)));
        const __m256i kl = _mm256_load_si256(reinterpret_cast<const __m256i*>(&p.klasse[a - 1][k]));
        const __m256i leer = _mm256_cmpeq_epi8(kl, null);
        const __m256i geboren = _mm256_shuffle_epi8(geburt, c);
        const __m256i weiter =
            _mm256_and_si256(_mm256_shuffle_epi8(ueberleben, c), _mm256_shuffle_epi8(alter, kl));
        const __m256i imFeld = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(n)),
                                                 _mm256_add_epi8(spalten, _mm256_set1_epi8(static_cast<char>(k))));
        const __m256i neu = _mm256_and_si256(_mm256_blendv_epi8(weiter, geboren, leer), imFeld);
        // Beyond the n cells the classes are 0 and the new states masked, so no bit is set there.
        bits.setze(k, static_cast<std::uint32_t>(~_mm256_movemask_epi8(leer)),
                   static_cast<std::uint32_t>(~_mm256_movemask_epi8(_mm256_cmpeq_epi8(neu, null))));
        for (int haelfte = 0; haelfte < 2; ++haelfte) {
            __m128i teil = haelfte == 0 ? _mm256_castsi256_si128(neu) : _mm256_extracti128_si256(neu, 1);
            for (int v = 0; v < 2; ++v, teil = _mm_srli_si128(teil, 8))
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(aus + k + 16 * haelfte + 8 * v),
                                    _mm256_cvtepu8_epi32(teil));
        }
    }
    verbuche(b, a - 1, bits);
}
#endif

}  // namespace

MORLIX_VEKTOR void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd) {
    const int n = w.feldGroesse;
    const int lo = kMitte - n / 2;  // storage index of the first field row and column

    w.speichereInSlot(w.gedIndex);
    w.gedIndex = (w.gedIndex + 1) % kRing;

    // Storage index seen at each padded position 0..n+1, or -1 for "nothing beyond the edge".
    // Each coordinate maps on its own.
    int quelle[kMaxFeld + 2];
    for (int q = 0; q <= n + 1; ++q) {
        const int c = q - 1;
        if (c >= 0 && c < n) {
            quelle[q] = lo + c;
        } else if (rand == Rand::Torus) {
            quelle[q] = lo + (c + n) % n;
        } else if (rand == Rand::Spiegel) {
            quelle[q] = lo + std::clamp(c, 0, n - 1);
        } else {
            quelle[q] = -1;
        }
    }

    // One clear of the whole scratch: cheaper than many short ones, and the kernels may read
    // past the field's last cell.
    Puffer p;
    std::memset(&p, 0, sizeof p);
    for (int a = 0; a < n; ++a) {
        const std::int32_t* z = w.zelle[lo + a] + lo;
        std::uint8_t* kl = p.klasse[a];
        for (int b = 0; b < n; ++b) kl[b] = static_cast<std::uint8_t>(std::min<std::uint32_t>(z[b], 4));
    }
    // The living map from the classes, bytes instead of the wider cells.
    for (int a = 0; a <= n + 1; ++a) {
        if (quelle[a] < 0) continue;
        const std::uint8_t* kl = p.klasse[quelle[a] - lo];
        std::uint8_t* zeile = p.lebt[a];
        for (int b = 0; b < n; ++b) zeile[b + 1] = kl[b] != 0;
        zeile[0] = quelle[0] < 0 ? 0 : kl[quelle[0] - lo] != 0;
        zeile[n + 1] = quelle[n + 1] < 0 ? 0 : kl[quelle[n + 1] - lo] != 0;
    }
    const Tabellen t = tabellen(regel);
    const Richtungen r = richtungen(w.nachbarMaske);

    // Rows outside the field become empty: two contiguous blocks in each array.
    std::int16_t(*slot)[kDim] = w.gedaechtnisDaten[w.gedIndex];
    const int hinten = kDim - lo - n;
    std::memset(w.zelle[0], 0, lo * sizeof w.zelle[0]);
    std::memset(w.zelle[lo + n], 0, hinten * sizeof w.zelle[0]);
    std::memset(w.zelleNeu[0], 0, lo * sizeof w.zelleNeu[0]);
    std::memset(w.zelleNeu[lo + n], 0, hinten * sizeof w.zelleNeu[0]);
    std::memset(slot[0], 0, lo * sizeof slot[0]);
    std::memset(slot[lo + n], 0, hinten * sizeof slot[0]);

    // A whole row at a time, so that the columns outside the field are written as zeros
    // in the same pass; the kernels leave zeros beyond the n cells of a row (up to 31 more).
    alignas(32) std::int32_t reihe[kDim + 32] = {};
    Bilanz& bilanz = w.bilanz;
    bilanz.lebende = bilanz.geburten = bilanz.tode = 0;
    for (int x = lo; x < lo + n; ++x) {
#ifdef MORLIX_SIMD
        if (simd)
            zeileSimd(p, x - lo + 1, n, r, t, reihe + lo, bilanz);
        else
#endif
            zeileSkalar(p, x - lo + 1, n, r, t, reihe + lo, bilanz);
        std::int32_t* alt = w.zelle[x];
        std::int32_t* neu = w.zelleNeu[x];
        std::int16_t* ged = slot[x];
        for (int k = 0; k < kDim; ++k) {
            alt[k] = reihe[k];
            neu[k] = reihe[k];
            ged[k] = static_cast<std::int16_t>(reihe[k]);
        }
    }
    bilanz.feldGroesse = n;
    bilanz.nachbarMaske = w.nachbarMaske;
    bilanz.rand = rand;
}

bool simdVerfuegbar() {
#ifdef MORLIX_SIMD
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

void schritt(Welt& w, const Regel& regel, Rand rand) { schrittMit(w, regel, rand, simdVerfuegbar()); }

}  // namespace engine
