#include "history/periode.h"

#include "engine/vektor.h"
#include "engine/zahltext.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace history {

namespace {

using engine::kRing;

__extension__ typedef unsigned __int128 Spalte;

int ersteZelle(Spalte v) {
    const auto unten = static_cast<std::uint64_t>(v);
    return unten != 0 ? std::countr_zero(unten) : 64 + std::countr_zero(static_cast<std::uint64_t>(v >> 64));
}

Spalte feldMaske(int n) { return (Spalte{1} << n) - 1; }

/// v turned by d (0..n-1) cells downward within a column of n cells.
Spalte gedreht(Spalte v, int d, int n) { return d == 0 ? v : ((v << d) | (v >> (n - d))) & feldMaske(n); }

/// A cyclic shift 0..n-1 as reported, -n/2+1..n/2.
int gekuerzt(int d, int n) { return d > n / 2 ? d - n : d; }

/// Every bit of h reaches every bit of the result.
std::uint64_t gemischt(std::uint64_t h) {
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9u;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBu;
    return h ^ (h >> 31);
}

}  // namespace

int lebende(const engine::Welt& w) {
    const int n = w.feldGroesse;
    const int lo = engine::kMitte - n / 2;
    const engine::Zellen& z = w.zellen();
    int anzahl = 0;
    for (int x = lo; x < lo + n; ++x)
        for (int y = lo; y < lo + n; ++y) anzahl += z[x][y] != 0;
    return anzahl;
}

void Periodensuche::neuerLauf(const engine::Welt& w) {
    staende_ = 0;
    befund_ = {lebende(w)};
}

MORLIX_VEKTOR void Periodensuche::erfasse(int s, int n, const std::uint64_t (&spalten)[2][engine::kMaxFeld + 4],
                                          const std::uint8_t* spaltenLebende) {
    std::memcpy(spaltenLebende_[s], spaltenLebende, static_cast<std::size_t>(n));
    for (int w = 0; w < 2; ++w) std::memcpy(woerter_[s][w], spalten[w], sizeof spalten[w][0] * static_cast<std::size_t>(n));
    // The counts again after the last column, so that the sums go round without a test; a loop
    // without branches, which the compiler turns into vector code.
    std::int32_t rund[engine::kMaxFeld + 2] = {};
    for (int x = 0; x < n; ++x) rund[x] = spaltenLebende[x];
    rund[n] = rund[0];
    rund[n + 1] = rund[n > 1 ? 1 : 0];
    int lebend = 0, quadrate = 0, folge1 = 0, folge2 = 0;
    for (int x = 0; x < n; ++x) {
        lebend += rund[x];
        quadrate += rund[x] * rund[x];
        folge1 += rund[x] * rund[x + 1];
        folge2 += rund[x] * rund[x + 2];
    }
    // What no cyclic shift changes: how the column counts follow each other round the field.
    Stand& stand = stand_[s];
    const std::uint64_t gestalt =
        gemischt(static_cast<std::uint64_t>(lebend) << 32 ^ static_cast<std::uint64_t>(quadrate));
    stand.gestalt = gemischt(gestalt ^ static_cast<std::uint64_t>(folge1) << 32 ^ static_cast<std::uint64_t>(folge2));
    stand.feinBekannt = false;
    stand.lebende = lebend;
    if (rand_ == engine::Rand::Torus) return;  // a move round the torus is found without the corner

    std::uint64_t alleA = 0, alleB = 0;
    for (int x = 0; x < n; ++x) {
        alleA |= spalten[0][x];
        alleB |= spalten[1][x];
    }
    const Spalte alle = alleA | Spalte{alleB} << 64;
    int xMin = 0, xMax = n - 1;
    while (xMin < n && rund[xMin] == 0) ++xMin;
    while (xMax >= 0 && rund[xMax] == 0) --xMax;
    stand.xMin = xMin;
    stand.yMin = alle == 0 ? n : ersteZelle(alle);
    stand.amRand = xMin == 0 || xMax == n - 1 || (alle & 1) != 0 || ((alle >> (n - 1)) & 1) != 0;
}

MORLIX_VEKTOR std::uint64_t Periodensuche::feineGestalt(int s) {
    Stand& stand = stand_[s];
    if (stand.feinBekannt) return stand.fein;
    // How many living cells have a living neighbour to the right and down to the right; the
    // second also tells a shape from its mirror image. Neither changes under a cyclic shift.
    const int n = feldGroesse_;
    const Spalte maske = feldMaske(n);
    int paare = 0, schraeg = 0;
    for (int x = 0, vor = n - 1; x < n; vor = x++) {
        const Spalte v = spalte(s, vor), hier = spalte(s, x), runter = ((hier << 1) & maske) | ((hier >> (n - 1)) & 1);
        const Spalte p = v & hier, q = v & runter;
        paare += std::popcount(static_cast<std::uint64_t>(p)) + std::popcount(static_cast<std::uint64_t>(p >> 64));
        schraeg += std::popcount(static_cast<std::uint64_t>(q)) + std::popcount(static_cast<std::uint64_t>(q >> 64));
    }
    stand.fein = gemischt(static_cast<std::uint64_t>(paare) << 32 ^ static_cast<std::uint64_t>(schraeg));
    stand.feinBekannt = true;
    return stand.fein;
}

bool Periodensuche::gleichVersetzt(int alt, int neu, int dx, int dy) const {
    const int n = feldGroesse_;
    if (rand_ == engine::Rand::Torus) {
        const int unten = (dy + n) % n;
        for (int x = 0, q = (n - dx) % n; x < n; ++x, q = q + 1 == n ? 0 : q + 1)
            if (gedreht(spalte(alt, q), unten, n) != spalte(neu, x)) return false;
        return true;
    }
    // Both states keep clear of the edges and hold as many cells, so no cell can be pushed out.
    const Spalte maske = feldMaske(n);
    for (int x = 0; x < n; ++x) {
        const int q = x - dx;
        const Spalte v = q >= 0 && q < n ? spalte(alt, q) : 0;
        if ((dy >= 0 ? (v << dy) & maske : v >> -dy) != spalte(neu, x)) return false;
    }
    return true;
}

bool Periodensuche::wandert(int alt, int neu, int& dx, int& dy) {
    const int n = feldGroesse_;
    const Stand& a = stand_[alt];
    const Stand& b = stand_[neu];
    if (a.lebende != b.lebende || b.lebende == 0) return false;
    if (rand_ != engine::Rand::Torus) {
        if (a.amRand || b.amRand) return false;
        dx = b.xMin - a.xMin;
        dy = b.yMin - a.yMin;
        return (dx != 0 || dy != 0) && gleichVersetzt(alt, neu, dx, dy);
    }

    // The anchor is a column of the present whose count is rarest; every column of the old state
    // with that count offers one column shift, and every cell of it one row shift.
    const std::uint8_t* vorher = spaltenLebende_[alt];
    const std::uint8_t* jetzt = spaltenLebende_[neu];
    int haeufigkeit[engine::kMaxFeld + 1] = {};
    for (int x = 0; x < n; ++x) ++haeufigkeit[jetzt[x]];
    int anker = -1;
    for (int x = 0; x < n; ++x)
        if (jetzt[x] != 0 && (anker < 0 || haeufigkeit[jetzt[x]] < haeufigkeit[jetzt[anker]])) anker = x;
    const Spalte ziel = spalte(neu, anker);
    const int zielZelle = ersteZelle(ziel);
    // Row shifts that turn the old column into the anchor; a field that repeats itself offers
    // the same old column again and again, so they are kept for the next one.
    int drehungen[engine::kMaxFeld];
    int zahlDrehungen = -1;
    Spalte gedrehteQuelle = 0;
    int zahl = 0;
    for (int q = 0; q < n; ++q) {
        if (vorher[q] != jetzt[anker]) continue;
        const int d = (anker - q + n) % n;
        if (!std::equal(jetzt + d, jetzt + n, vorher) || !std::equal(jetzt, jetzt + d, vorher + n - d)) continue;
        const Spalte quelle = spalte(alt, q);
        if (zahlDrehungen < 0 || quelle != gedrehteQuelle) {
            zahlDrehungen = 0;
            gedrehteQuelle = quelle;
            for (Spalte rest = quelle; rest != 0; rest &= rest - 1) {
                const int e = (zielZelle - ersteZelle(rest) + n) % n;
                if (gedreht(quelle, e, n) == ziel) drehungen[zahlDrehungen++] = e;
            }
        }
        for (int i = 0; i < zahlDrehungen; ++i) {
            const int gx = gekuerzt(d, n), gy = gekuerzt(drehungen[i], n);
            if (gx != 0 || gy != 0)
                versaetze_[zahl++] = {static_cast<std::int16_t>(std::abs(gx) + std::abs(gy)),
                                      static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy)};
        }
    }
    const auto vor = [](const Versatz& l, const Versatz& r) {
        return l.rang != r.rang ? l.rang < r.rang : l.dx != r.dx ? l.dx < r.dx : l.dy < r.dy;
    };
    // When the shape really moved, the best-ranked shift is usually the one: the rest is sorted
    // only when it fails.
    std::iter_swap(versaetze_, std::min_element(versaetze_, versaetze_ + zahl, vor));
    for (int i = 0; i < zahl; ++i) {
        if (i == 1) std::sort(versaetze_ + 1, versaetze_ + zahl, vor);
        if (gleichVersetzt(alt, neu, versaetze_[i].dx, versaetze_[i].dy)) {
            dx = versaetze_[i].dx;
            dy = versaetze_[i].dy;
            return true;
        }
    }
    return false;
}

void Periodensuche::nachSchritt(const engine::Welt& w) {
    const engine::Bilanz& bilanz = w.bilanz;
    const int n = bilanz.feldGroesse;
    const int g = w.gedIndex;
    const int vorher = (g + kRing - 1) % kRing;  // the step stored its start state here
    if (n == 0) return;                           // no step has run yet
    if (staende_ > 0 && (n != feldGroesse_ || bilanz.nachbarMaske != nachbarMaske_ || bilanz.rand != rand_ ||
                         vorher != gedIndex_))
        staende_ = 0;
    if (staende_ == 0) {
        // Once a run: the start state from the ring, as the step would have counted it.
        std::uint64_t spalten[2][engine::kMaxFeld + 4];
        std::uint8_t anzahl[engine::kMaxFeld];
        w.feldBits(vorher, n, spalten);
        for (int x = 0; x < n; ++x)
            anzahl[x] = static_cast<std::uint8_t>(std::popcount(spalten[0][x]) + std::popcount(spalten[1][x]));
        feldGroesse_ = n;
        nachbarMaske_ = bilanz.nachbarMaske;
        rand_ = bilanz.rand;
        erfasse(vorher, n, spalten, anzahl);
        staende_ = 1;
    }
    erfasse(g, n, bilanz.spalten, bilanz.spaltenLebende);
    if (staende_ < kRing) ++staende_;
    gedIndex_ = g;

    befund_ = {bilanz.lebende};
    const Stand& jetzt = stand_[g];
    for (int k = 1, s = g; k < staende_; ++k) {
        s = s == 0 ? kRing - 1 : s - 1;  // k steps back
        if (stand_[s].gestalt != jetzt.gestalt) continue;
        // The shapes match: cell by cell where they stand, or moved.
        int dx = 0, dy = 0;
        const std::size_t laenge = sizeof woerter_[g][0][0] * static_cast<std::size_t>(n);
        if ((std::memcmp(woerter_[s][0], woerter_[g][0], laenge) == 0 &&
             std::memcmp(woerter_[s][1], woerter_[g][1], laenge) == 0) ||
            (feineGestalt(s) == feineGestalt(g) && wandert(s, g, dx, dy))) {
            befund_ = {bilanz.lebende, k, dx, dy};
            break;
        }
    }
}

}  // namespace history
