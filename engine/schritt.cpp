#include "engine/schritt.h"

#include <algorithm>
#include <cstring>

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

/// Padded width of a row of the scratch maps: one guard cell each side, rounded up.
constexpr int kBreite = kMaxFeld + 2 + 6;

}  // namespace

int nachbarnTorus(const Welt& w, int i, int j) { return zaehle(w, Rand::Torus, i, j); }
int nachbarnQuadrat(const Welt& w, int i, int j) { return zaehle(w, Rand::Quadrat, i, j); }
int nachbarnSpiegel(const Welt& w, int i, int j) { return zaehle(w, Rand::Spiegel, i, j); }
int nachbarn(const Welt& w, Rand rand, int i, int j) { return zaehle(w, rand, i, j); }

void schritt(Welt& w, const Regel& regel, Rand rand) {
    const int n = w.feldGroesse;
    const int lo = kMitte - n / 2;  // storage index of the first field row and column

    w.speichereInSlot(w.gedIndex);
    w.gedIndex = (w.gedIndex + 1) % kRing;

    // Storage index seen at each padded position 0..n+1, or -1 for "nothing beyond the edge".
    // Each coordinate maps on its own, exactly as the per-cell counts do.
    int quelle[kMaxFeld + 2];
    for (int p = 0; p <= n + 1; ++p) {
        const int c = p - 1;
        if (c >= 0 && c < n) {
            quelle[p] = lo + c;
        } else if (rand == Rand::Torus) {
            quelle[p] = lo + (c + n) % n;
        } else if (rand == Rand::Spiegel) {
            quelle[p] = lo + std::clamp(c, 0, n - 1);
        } else {
            quelle[p] = -1;
        }
    }

    // Living map of the field with its guard ring.
    alignas(16) std::uint8_t lebt[kMaxFeld + 2][kBreite];
    for (int a = 0; a <= n + 1; ++a) {
        std::uint8_t* zeile = lebt[a];
        const int qa = quelle[a];
        if (qa < 0) {
            std::memset(zeile, 0, n + 2);
            continue;
        }
        const std::int32_t* z = w.zelle[qa];
        for (int b = 0; b < n; ++b) zeile[b + 1] = z[lo + b] != 0;
        zeile[0] = quelle[0] < 0 ? 0 : z[quelle[0]] != 0;
        zeile[n + 1] = quelle[n + 1] < 0 ? 0 : z[quelle[n + 1]] != 0;
    }

    // New state by old state (anything outside 0..3 as 4) and count.
    std::int32_t folge[5][9];
    for (int c = 0; c <= 8; ++c) {
        const bool ueb = regel.ueberlebt(c);
        folge[0][c] = regel.geboren(c) ? 2 : 0;
        folge[1][c] = ueb ? 3 : 0;
        folge[2][c] = ueb ? 1 : 0;
        folge[3][c] = ueb ? 3 : 0;
        folge[4][c] = 0;
    }

    // Rows outside the field become empty in both arrays.
    for (int x = 0; x < kDim; ++x) {
        if (x >= lo && x < lo + n) continue;
        std::memset(w.zelle[x], 0, sizeof w.zelle[x]);
        std::memset(w.zelleNeu[x], 0, sizeof w.zelleNeu[x]);
    }

    alignas(16) std::uint8_t anzahl[kBreite];
    for (int a = 1; a <= n; ++a) {
        std::memset(anzahl, 0, sizeof anzahl);
        for (int b = 0; b < 8; ++b) {
            if (!((w.nachbarMaske >> b) & 1)) continue;
            const std::uint8_t* q = &lebt[a + kNachbarn[b].dx][1 + kNachbarn[b].dy];
            for (int k = 0; k < n; ++k) anzahl[k] += q[k];
        }
        const int x = lo + a - 1;
        std::int32_t* alt = w.zelle[x];
        std::int32_t* neu = w.zelleNeu[x];
        for (int k = 0; k < n; ++k) {
            const auto zustand = static_cast<std::uint32_t>(alt[lo + k]);
            neu[lo + k] = folge[std::min<std::uint32_t>(zustand, 4)][anzahl[k]];
        }
        std::memset(neu, 0, lo * sizeof neu[0]);
        std::memset(neu + lo + n, 0, (kDim - lo - n) * sizeof neu[0]);
        std::memcpy(alt, neu, sizeof w.zelle[x]);
    }

    w.speichereInSlot(w.gedIndex);
}

}  // namespace engine
