#include "engine/schritt.h"

#include "engine/vektor.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace engine {

namespace {

/// Minus and plus neighbour coordinates of field coordinate c; kAussen marks "beyond the edge".
constexpr int kAussen = 55;  // stored at index 100, outside every field

struct Nachbarkoord {
    int minus;
    int plus;
};

Nachbarkoord koordinaten(Rand rand, int c, int n) {
    const int L = -n / 2;
    const int H = n / 2 - 1;
    switch (rand) {
        case Rand::Torus: return {c == L ? H : c - 1, c == H ? L : c + 1};
        case Rand::Quadrat: return {c == L ? kAussen : c - 1, c == H ? kAussen : c + 1};
        case Rand::Spiegel: break;
    }
    return {c == L ? c : c - 1, c == H ? c : c + 1};
}

int zaehle(const Welt& w, Rand rand, int i, int j) {
    const int n = w.feldGroesse;
    const Nachbarkoord ki = koordinaten(rand, i, n);
    const Nachbarkoord kj = koordinaten(rand, j, n);
    int summe = 0;
    for (int b = 0; b < 8; ++b) {
        if (!((w.nachbarMaske >> b) & 1)) continue;
        const int ni = kNachbarn[b].dx < 0 ? ki.minus : kNachbarn[b].dx > 0 ? ki.plus : i;
        const int nj = kNachbarn[b].dy < 0 ? kj.minus : kNachbarn[b].dy > 0 ? kj.plus : j;
        // Beyond the bounded plane nothing lives, whatever index 100 may hold.
        if (ni == kAussen || nj == kAussen) continue;
        if (w.zelle[speicherIndex(ni)][speicherIndex(nj)] != 0) ++summe;
    }
    return summe;
}

/// Padded width of a row of the scratch maps: guard cells each side, room for whole 16-byte blocks.
constexpr int kBreite = 112;

/// Scratch of one step, on the stack: the living map with its guard ring and the old states
/// as classes 0..3 (4 for any other value, which counts as living and dies).
struct Puffer {
    alignas(16) std::uint8_t lebt[kMaxFeld + 2][kBreite];
    alignas(16) std::uint8_t klasse[kMaxFeld][kBreite];
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

/// Next states of one row of n cells into neu (n bytes, lanes beyond n are 0).
void zeileSkalar(const Puffer& p, int a, int n, std::uint8_t maske, const Tabellen& t, std::uint8_t* neu) {
    for (int k = 0; k < n; ++k) {
        int c = 0;
        for (int b = 0; b < 8; ++b)
            if ((maske >> b) & 1) c += p.lebt[a + kNachbarn[b].dx][1 + k + kNachbarn[b].dy];
        const std::uint8_t kl = p.klasse[a - 1][k];
        neu[k] = kl == 0 ? t.geburt[c] : static_cast<std::uint8_t>(t.ueberleben[c] & t.alter[kl]);
    }
}

#if defined(__x86_64__) || defined(__i386__)
#define MORLIX_SIMD 1
/// The same as zeileSkalar, sixteen cells at a time; writes whole blocks of 16 into neu.
__attribute__((target("sse4.1"))) void zeileSimd(const Puffer& p, int a, int n, std::uint8_t maske,
                                                  const Tabellen& t, std::uint8_t* neu) {
    const __m128i geburt = _mm_load_si128(reinterpret_cast<const __m128i*>(t.geburt));
    const __m128i ueberleben = _mm_load_si128(reinterpret_cast<const __m128i*>(t.ueberleben));
    const __m128i alter = _mm_load_si128(reinterpret_cast<const __m128i*>(t.alter));
    const __m128i null = _mm_setzero_si128();
    const std::uint8_t* zeilen[8];
    int richtungen = 0;
    for (int b = 0; b < 8; ++b)
        if ((maske >> b) & 1) zeilen[richtungen++] = &p.lebt[a + kNachbarn[b].dx][1 + kNachbarn[b].dy];
    for (int k = 0; k < n; k += 16) {
        __m128i c = null;
        for (int r = 0; r < richtungen; ++r)
            c = _mm_add_epi8(c, _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeilen[r] + k)));
        const __m128i kl = _mm_load_si128(reinterpret_cast<const __m128i*>(&p.klasse[a - 1][k]));
        const __m128i leer = _mm_cmpeq_epi8(kl, null);
        const __m128i geboren = _mm_shuffle_epi8(geburt, c);
        const __m128i weiter = _mm_and_si128(_mm_shuffle_epi8(ueberleben, c), _mm_shuffle_epi8(alter, kl));
        _mm_store_si128(reinterpret_cast<__m128i*>(neu + k), _mm_blendv_epi8(weiter, geboren, leer));
    }
    for (int k = n; k < ((n + 15) & ~15); ++k) neu[k] = 0;
}
#endif

}  // namespace

int nachbarnTorus(const Welt& w, int i, int j) { return zaehle(w, Rand::Torus, i, j); }
int nachbarnQuadrat(const Welt& w, int i, int j) { return zaehle(w, Rand::Quadrat, i, j); }
int nachbarnSpiegel(const Welt& w, int i, int j) { return zaehle(w, Rand::Spiegel, i, j); }
int nachbarn(const Welt& w, Rand rand, int i, int j) { return zaehle(w, rand, i, j); }

MORLIX_VEKTOR void schrittMit(Welt& w, const Regel& regel, Rand rand, bool simd) {
    const int n = w.feldGroesse;
    const int lo = kMitte - n / 2;  // storage index of the first field row and column

    w.speichereInSlot(w.gedIndex);
    w.gedIndex = (w.gedIndex + 1) % kRing;

    // Storage index seen at each padded position 0..n+1, or -1 for "nothing beyond the edge".
    // Each coordinate maps on its own, exactly as the per-cell counts do.
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

    Puffer p;
    for (int a = 0; a <= n + 1; ++a) {
        std::uint8_t* zeile = p.lebt[a];
        std::memset(zeile, 0, kBreite);
        const int qa = quelle[a];
        if (qa < 0) continue;
        const std::int32_t* z = w.zelle[qa];
        for (int b = 0; b < n; ++b) zeile[b + 1] = z[lo + b] != 0;
        zeile[0] = quelle[0] < 0 ? 0 : z[quelle[0]] != 0;
        zeile[n + 1] = quelle[n + 1] < 0 ? 0 : z[quelle[n + 1]] != 0;
        if (a >= 1 && a <= n) {
            std::uint8_t* kl = p.klasse[a - 1];
            for (int b = 0; b < n; ++b) kl[b] = static_cast<std::uint8_t>(std::min<std::uint32_t>(z[lo + b], 4));
            std::memset(kl + n, 0, kBreite - n);
        }
    }
    const Tabellen t = tabellen(regel);

    std::int16_t(*slot)[kDim] = w.gedaechtnisDaten[w.gedIndex];
    for (int x = 0; x < kDim; ++x) {
        std::int32_t* alt = w.zelle[x];
        std::int32_t* neu = w.zelleNeu[x];
        std::int16_t* ged = slot[x];
        if (x < lo || x >= lo + n) {
            std::memset(alt, 0, sizeof w.zelle[x]);
            std::memset(neu, 0, sizeof w.zelleNeu[x]);
            std::memset(ged, 0, sizeof slot[x]);
            continue;
        }
        alignas(16) std::uint8_t zeile[kBreite];
#ifdef MORLIX_SIMD
        if (simd)
            zeileSimd(p, x - lo + 1, n, w.nachbarMaske, t, zeile);
        else
#endif
            zeileSkalar(p, x - lo + 1, n, w.nachbarMaske, t, zeile);
        const int rest = kDim - lo - n;
        std::memset(alt, 0, lo * sizeof *alt);
        std::memset(alt + lo + n, 0, rest * sizeof *alt);
        std::memset(neu, 0, lo * sizeof *neu);
        std::memset(neu + lo + n, 0, rest * sizeof *neu);
        std::memset(ged, 0, lo * sizeof *ged);
        std::memset(ged + lo + n, 0, rest * sizeof *ged);
        for (int b = 0; b < n; ++b) alt[lo + b] = zeile[b];
        for (int b = 0; b < n; ++b) neu[lo + b] = zeile[b];
        for (int b = 0; b < n; ++b) ged[lo + b] = zeile[b];
    }
}

bool simdVerfuegbar() {
#ifdef MORLIX_SIMD
    return __builtin_cpu_supports("sse4.1");
#else
    return false;
#endif
}

void schritt(Welt& w, const Regel& regel, Rand rand) { schrittMit(w, regel, rand, simdVerfuegbar()); }

}  // namespace engine
