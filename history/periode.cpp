#include "history/periode.h"

#include "engine/vektor.h"
#include "engine/zahltext.h"

namespace history {

namespace {

/// One random 32-bit weight per column: a row's sum of the weights of its living cells.
struct Gewichte {
    std::uint32_t w[engine::kMaxFeld];
};

constexpr Gewichte gewichte() {
    Gewichte g{};
    std::uint64_t s = 0x9E3779B97F4A7C15u;
    for (std::uint32_t& w : g.w) {
        s += 0x9E3779B97F4A7C15u;
        std::uint64_t z = s;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        w = static_cast<std::uint32_t>(z ^ (z >> 31));
    }
    return g;
}

constexpr Gewichte kGewichte = gewichte();

struct Abdruck {
    std::uint64_t hash;
    int lebende;
};

int untereEcke(int n) { return engine::kMitte - n / 2; }

/// Hash of the living cells of the field in a memory slot, and their number.
MORLIX_VEKTOR Abdruck abdruck(const engine::Welt& w, int slot) {
    const int n = w.feldGroesse;
    const int lo = untereEcke(n);
    std::uint64_t h = static_cast<std::uint64_t>(n);
    int anzahl = 0;
    for (int x = lo; x < lo + n; ++x) {
        const std::int16_t* z = &w.gedaechtnisDaten[slot][x][lo];
        std::uint32_t summe = 0;
        int zeile = 0;
        for (int b = 0; b < n; ++b) {
            const std::uint32_t lebt = z[b] != 0;
            summe += -lebt & kGewichte.w[b];
            zeile += static_cast<int>(lebt);
        }
        anzahl += zeile;
        h = (h ^ summe) * 0x9E3779B97F4A7C15u;
        h ^= h >> 29;
    }
    return {h, anzahl};
}

/// Whether two slots hold the same living cells in the field.
bool gleich(const engine::Welt& w, int a, int b) {
    const int n = w.feldGroesse;
    const int lo = untereEcke(n);
    for (int x = lo; x < lo + n; ++x) {
        const std::int16_t* za = &w.gedaechtnisDaten[a][x][lo];
        const std::int16_t* zb = &w.gedaechtnisDaten[b][x][lo];
        for (int y = 0; y < n; ++y)
            if ((za[y] != 0) != (zb[y] != 0)) return false;
    }
    return true;
}

}  // namespace

std::string befundText(const Befund& befund) {
    if (befund.lebende == 0) return "leer";
    if (befund.periode == 1) return "statisch";
    if (befund.periode > 1) return "Periode " + engine::ziffernText(befund.periode);
    return engine::ziffernText(befund.lebende) + (befund.lebende == 1 ? " Zelle" : " Zellen");
}

int lebende(const engine::Welt& w) {
    const int n = w.feldGroesse;
    const int lo = untereEcke(n);
    int anzahl = 0;
    for (int x = lo; x < lo + n; ++x)
        for (int y = lo; y < lo + n; ++y) anzahl += w.zelle[x][y] != 0;
    return anzahl;
}

void Periodensuche::neuerLauf(const engine::Welt& w) {
    staende_ = 0;
    befund_ = {lebende(w), 0};
}

void Periodensuche::nachSchritt(const engine::Welt& w) {
    const int g = w.gedIndex;
    const int vorher = (g + engine::kRing - 1) % engine::kRing;  // the step stored its start state here
    const std::uint64_t start = abdruck(w, vorher).hash;
    // A change between two steps that nobody reported still ends the run.
    if (staende_ > 0 && (w.feldGroesse != feldGroesse_ || w.nachbarMaske != nachbarMaske_ || vorher != gedIndex_ ||
                         start != hash_[vorher]))
        staende_ = 0;
    if (staende_ == 0) {
        hash_[vorher] = start;
        staende_ = 1;
        feldGroesse_ = w.feldGroesse;
        nachbarMaske_ = w.nachbarMaske;
    }
    const Abdruck jetzt = abdruck(w, g);
    hash_[g] = jetzt.hash;
    if (staende_ < engine::kRing) ++staende_;
    gedIndex_ = g;

    befund_ = {jetzt.lebende, 0};
    for (int k = 1; k < staende_; ++k) {
        const int s = (g - k + engine::kRing) % engine::kRing;
        if (hash_[s] == jetzt.hash && gleich(w, s, g)) {
            befund_.periode = k;
            break;
        }
    }
}

}  // namespace history
