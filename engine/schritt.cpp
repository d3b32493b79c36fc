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
};

/// Next states of one row of n cells into aus[0..n).
ZeilenBits zeileSkalar(const Puffer& p, int a, int n, std::uint8_t maske, const Tabellen& t, std::int32_t* aus) {
    ZeilenBits bits;
    for (int k = 0; k < n; ++k) {
        int c = 0;
        for (int b = 0; b < 8; ++b)
            if ((maske >> b) & 1) c += p.lebt[a + kNachbarn[b].dx][1 + k + kNachbarn[b].dy];
        const std::uint8_t kl = p.klasse[a - 1][k];
        aus[k] = kl == 0 ? t.geburt[c] : static_cast<std::uint8_t>(t.ueberleben[c] & t.alter[kl]);
        bits.vorher[k / 64] |= std::uint64_t{kl != 0} << (k % 64);
        bits.nachher[k / 64] |= std::uint64_t{aus[k] != 0} << (k % 64);
    }
    return bits;
}

#if defined(__x86_64__) || defined(__i386__)
#define MORLIX_SIMD 1
/// The same as zeileSkalar, 32 cells at a time; writes whole blocks of 32 into aus, zeros
/// beyond the n cells. Widening in registers avoids reading back bytes just stored.
__attribute__((target("avx2"))) ZeilenBits zeileSimd(const Puffer& p, int a, int n, std::uint8_t maske,
                                                const Tabellen& t, std::int32_t* aus) {
    // The byte shuffle looks up within each 16-byte half, so each table stands in both halves.
    const __m256i geburt = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.geburt)));
    const __m256i ueberleben =
        _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.ueberleben)));
    const __m256i alter = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(t.alter)));
    const __m256i null = _mm256_setzero_si256();
    const __m256i spalten = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                             20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
    const std::uint8_t* zeilen[8];
    int richtungen = 0;
    for (int b = 0; b < 8; ++b)
        if ((maske >> b) & 1) zeilen[richtungen++] = &p.lebt[a + kNachbarn[b].dx][1 + kNachbarn[b].dy];
    ZeilenBits bits;
    for (int k = 0; k < n; k += 32) {
        __m256i c = null;
        for (int r = 0; r < richtungen; ++r)
            c = _mm256_add_epi8(c, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(zeilen[r] + k)));
        const __m256i kl = _mm256_load_si256(reinterpret_cast<const __m256i*>(&p.klasse[a - 1][k]));
        const __m256i leer = _mm256_cmpeq_epi8(kl, null);
        const __m256i geboren = _mm256_shuffle_epi8(geburt, c);
        const __m256i weiter =
            _mm256_and_si256(_mm256_shuffle_epi8(ueberleben, c), _mm256_shuffle_epi8(alter, kl));
        const __m256i imFeld = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(n)),
                                                 _mm256_add_epi8(spalten, _mm256_set1_epi8(static_cast<char>(k))));
        const __m256i neu = _mm256_and_si256(_mm256_blendv_epi8(weiter, geboren, leer), imFeld);
        // Beyond the n cells the classes are 0 and the new states masked, so no bit is set there.
        const auto vorher = static_cast<std::uint32_t>(~_mm256_movemask_epi8(leer));
        const auto nachher = static_cast<std::uint32_t>(~_mm256_movemask_epi8(_mm256_cmpeq_epi8(neu, null)));
        bits.vorher[k / 64] |= std::uint64_t{vorher} << (k % 64);
        bits.nachher[k / 64] |= std::uint64_t{nachher} << (k % 64);
        for (int haelfte = 0; haelfte < 2; ++haelfte) {
            __m128i teil = haelfte == 0 ? _mm256_castsi256_si128(neu) : _mm256_extracti128_si256(neu, 1);
            for (int v = 0; v < 2; ++v, teil = _mm_srli_si128(teil, 8))
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(aus + k + 16 * haelfte + 8 * v),
                                    _mm256_cvtepu8_epi32(teil));
        }
    }
    return bits;
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
    int lebende = 0, geburten = 0, tode = 0;
    for (int x = lo; x < lo + n; ++x) {
        ZeilenBits bits;
#ifdef MORLIX_SIMD
        if (simd)
            bits = zeileSimd(p, x - lo + 1, n, w.nachbarMaske, t, reihe + lo);
        else
#endif
            bits = zeileSkalar(p, x - lo + 1, n, w.nachbarMaske, t, reihe + lo);
        const int lebt = std::popcount(bits.nachher[0]) + std::popcount(bits.nachher[1]);
        bilanz.spalten[x - lo][0] = bits.nachher[0];
        bilanz.spalten[x - lo][1] = bits.nachher[1];
        bilanz.spaltenLebende[x - lo] = static_cast<std::uint8_t>(lebt);
        lebende += lebt;
        geburten += std::popcount(bits.nachher[0] & ~bits.vorher[0]) + std::popcount(bits.nachher[1] & ~bits.vorher[1]);
        tode += std::popcount(bits.vorher[0] & ~bits.nachher[0]) + std::popcount(bits.vorher[1] & ~bits.nachher[1]);
        std::int32_t* alt = w.zelle[x];
        std::int32_t* neu = w.zelleNeu[x];
        std::int16_t* ged = slot[x];
        for (int k = 0; k < kDim; ++k) {
            alt[k] = reihe[k];
            neu[k] = reihe[k];
            ged[k] = static_cast<std::int16_t>(reihe[k]);
        }
    }
    bilanz.lebende = lebende;
    bilanz.geburten = geburten;
    bilanz.tode = tode;
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
