#include "history/periode.h"

#include "engine/zahltext.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace history {

namespace {

/// The living cells of one field row as bits, cell b in bit b of a (b < 64) or of b (b >= 64),
/// and, when asked, their number.
struct ZeilenBits {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    bool operator==(const ZeilenBits&) const = default;
};

/// Reads at most 15 cells beyond the row's end, rounded up to 16 cells, which for every field
/// size stays within the row of kDim cells.
template <bool kZaehlen>
inline ZeilenBits zeilenBits(const std::int16_t* z, int n, int& anzahl) {
    ZeilenBits bits;
#if defined(__SSE2__)
    const __m128i null = _mm_setzero_si128();
    const __m128i eins = _mm_set1_epi8(1);
    __m128i summe = null;
    for (int k = 0; 16 * k < n; ++k) {
        const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + 16 * k));
        const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + 16 * k + 8));
        // Saturation keeps every value other than 0 other than 0.
        const __m128i leer = _mm_cmpeq_epi8(_mm_packs_epi16(v0, v1), null);
        auto maske = static_cast<std::uint64_t>(~_mm_movemask_epi8(leer) & 0xFFFF);
        const int rest = n - 16 * k;
        __m128i lebt = _mm_andnot_si128(leer, eins);
        if (rest < 16) {
            maske &= (std::uint64_t{1} << rest) - 1;
            alignas(16) static constexpr std::int8_t kErste[32] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                                   -1, -1, -1, -1, -1};
            lebt = _mm_and_si128(lebt, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kErste + 16 - rest)));
        }
        if (kZaehlen) summe = _mm_add_epi64(summe, _mm_sad_epu8(lebt, null));
        if (k < 4)
            bits.a |= maske << (16 * k);
        else
            bits.b |= maske << (16 * (k - 4));
    }
    if (kZaehlen) anzahl += _mm_cvtsi128_si32(summe) + _mm_extract_epi16(summe, 4);
#else
    for (int k = 0; k < n; ++k) {
        if (z[k] == 0) continue;
        (k < 64 ? bits.a : bits.b) |= std::uint64_t{1} << (k % 64);
        if (kZaehlen) ++anzahl;
    }
#endif
    return bits;
}

int untereEcke(int n) { return engine::kMitte - n / 2; }

const std::int16_t* zeile(const engine::Welt& w, int slot, int x) {
    return &w.gedaechtnisDaten[slot][x][untereEcke(w.feldGroesse)];
}

struct Abdruck {
    std::uint64_t hash;
    int lebende;
};

/// Hash of the living cells of the field in a memory slot, ages ignored; with kZaehlen also
/// their number. Rows mix independently, so no row waits for the one before.
template <bool kZaehlen>
Abdruck abdruck(const engine::Welt& w, int slot, std::uint64_t (*zeilen)[2]) {
    const int n = w.feldGroesse;
    const int lo = untereEcke(n);
    std::uint64_t h1 = 0, h2 = 0, salz = static_cast<std::uint64_t>(n) * 0xD6E8FEB86659FD93u;
    int anzahl = 0;
    for (int x = lo; x < lo + n; ++x) {
        salz += 0x9E3779B97F4A7C15u;
        const ZeilenBits z = zeilenBits<kZaehlen>(zeile(w, slot, x), n, anzahl);
        zeilen[x - lo][0] = z.a;
        zeilen[x - lo][1] = z.b;
        h1 += (z.a ^ salz) * 0xBF58476D1CE4E5B9u;
        h2 += (z.b ^ salz) * 0x94D049BB133111EBu;
    }
    std::uint64_t h = h1 ^ (h2 << 31 | h2 >> 33);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9u;
    return {h ^ (h >> 31), anzahl};
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
    if (staende_ > 0 && (w.feldGroesse != feldGroesse_ || w.nachbarMaske != nachbarMaske_ || vorher != gedIndex_))
        staende_ = 0;
    if (staende_ == 0) {
        hash_[vorher] = abdruck<false>(w, vorher, bits_[vorher]).hash;
        staende_ = 1;
        feldGroesse_ = w.feldGroesse;
        nachbarMaske_ = w.nachbarMaske;
    }
    const Abdruck jetzt = abdruck<true>(w, g, bits_[g]);
    hash_[g] = jetzt.hash;
    if (staende_ < engine::kRing) ++staende_;
    gedIndex_ = g;

    befund_ = {jetzt.lebende, 0};
    for (int k = 1; k < staende_; ++k) {
        const int s = (g - k + engine::kRing) % engine::kRing;
        // A hash match is confirmed cell by cell.
        if (hash_[s] == jetzt.hash && std::memcmp(bits_[s], bits_[g], sizeof bits_[g][0] * w.feldGroesse) == 0) {
            befund_.periode = k;
            break;
        }
    }
}

}  // namespace history
