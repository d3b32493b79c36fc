#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/schritt.h"
#include "testhilfe/bild.h"
#include "testhilfe/referenz.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;

namespace {

using Bild = std::vector<std::string>;

std::unique_ptr<Welt> neueWelt(int n = 30) {
    auto w = std::make_unique<Welt>();
    w->feldGroesse = n;
    return w;
}

}  // namespace

// Whole 6 x 6 fields worked out by hand: x to the right, y downward.
TEST(Schritt, HandWorkedFieldsWithAgesEdgesAndMasks) {
    const Bild kanteOben = {"222...", "......", "......", "......", "......", "......"};
    const struct {
        const char* fall;
        Rand rand;
        Regel regel;
        std::uint8_t maske;
        int schritte;
        Bild start, erwartet;
    } faelle[] = {
        {"blinker ages 2 -> 1", Rand::Torus, Regel::standard(), 255, 1,
         {"......", "......", "..222.", "......", "......", "......"},
         {"......", "...2..", "...1..", "...2..", "......", "......"}},
        {"blinker ages 1 -> 3 -> 3", Rand::Torus, Regel::standard(), 255, 3,
         {"......", "......", "..222.", "......", "......", "......"},
         {"......", "...2..", "...3..", "...2..", "......", "......"}},
        {"an invalid state counts as living and dies", Rand::Torus, Regel::standard(), 255, 1,
         {"......", "......", "..7...", ".O.O..", "......", "......"},
         {"......", "......", "......", "..2...", "......", "......"}},
        {"torus wraps the top edge to the bottom", Rand::Torus, Regel::standard(), 255, 1, kanteOben,
         {".1....", ".2....", "......", "......", "......", ".2...."}},
        {"nothing lives beyond the plane's edge", Rand::Quadrat, Regel::standard(), 255, 1, kanteOben,
         {".1....", ".2....", "......", "......", "......", "......"}},
        {"the mirror shows the edge row again", Rand::Spiegel, Regel::standard(), 255, 1, kanteOben,
         {"..1...", "22....", "......", "......", "......", "......"}},
        {"a mirror corner sees itself three times", Rand::Spiegel, Regel::standard(), 255, 2,
         {"2.....", "......", "......", "......", "......", "......"},
         {"3.....", "......", "......", "......", "......", "......"}},
        {"birth with 0 and no neighbours counted fills the field", Rand::Torus, Regel{0, 1}, 0, 1,
         {"......", "......", "......", "......", "......", "......"},
         {"222222", "222222", "222222", "222222", "222222", "222222"}},
    };
    for (const auto& f : faelle) {
        auto w = neueWelt(6);
        w->nachbarMaske = f.maske;
        testhilfe::zeichne(*w, -3, -3, f.start);
        for (int k = 0; k < f.schritte; ++k) engine::schritt(*w, f.regel, f.rand);
        EXPECT_EQ(testhilfe::lies(*w, -3, -3, 6, 6), f.erwartet) << f.fall;
    }
}

// Both kernels against the cell-by-cell reference, the ring and the counts against the cells.
// Soups cover the whole array, index 100 and zelleNeu included, which the step must clear.
TEST(Schritt, FastStepAgreesWithTheReferenceOnRandomSoups) {
    std::mt19937 zufall(4711);
    const Rand raender[] = {Rand::Torus, Rand::Quadrat, Rand::Spiegel};
    for (int fall = 0; fall < 120; ++fall) {
        const int n = 2 * (1 + static_cast<int>(zufall() % 45));
        auto w = neueWelt(n);
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y) {
                w->zelle[x][y] = zufall() % 3 == 0 ? static_cast<int>(zufall() % 5) : 0;
                w->zelleNeu[x][y] = static_cast<int>(zufall() % 4);
            }
        w->gedIndex = (fall + 40) % engine::kRing;  // 99 wraps to 0
        w->nachbarMaske = static_cast<std::uint8_t>(zufall());
        const Regel r{static_cast<std::uint16_t>(zufall() & 0x1FF), static_cast<std::uint16_t>(zufall() & 0x1FF)};
        const Rand rand = raender[fall % 3];
        auto erwartet = std::make_unique<Welt>(*w);
        testhilfe::referenzSchritt(*erwartet, r, rand);
        auto skalar = std::make_unique<Welt>(*w);
        auto vorher = std::make_unique<Welt>(*w);
        engine::schritt(*w, r, rand);
        engine::schrittMit(*skalar, r, rand, false);
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y) {
                ASSERT_EQ(w->zelle[x][y], erwartet->zelle[x][y]) << "n=" << n << " x=" << x << " y=" << y;
                ASSERT_EQ(skalar->zelle[x][y], erwartet->zelle[x][y]) << "scalar n=" << n;
                ASSERT_EQ(w->zelleNeu[x][y], w->zelle[x][y]);
                ASSERT_EQ(w->gedaechtnis(x, y, w->gedIndex), w->zelle[x][y]);
                ASSERT_EQ(w->gedaechtnis(x, y, vorher->gedIndex), vorher->zelle[x][y]);
            }
        ASSERT_EQ(w->gedIndex, (vorher->gedIndex + 1) % engine::kRing);
        engine::Bilanz b;
        const int lo = engine::kMitte - n / 2;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y) {
                const bool war = vorher->zelle[lo + x][lo + y] != 0, ist = erwartet->zelle[lo + x][lo + y] != 0;
                b.spalten[x][y / 64] |= std::uint64_t{ist} << (y % 64);
                b.spaltenLebende[x] = static_cast<std::uint8_t>(b.spaltenLebende[x] + ist);
                b.lebende += ist;
                b.geburten += ist && !war;
                b.tode += war && !ist;
            }
        b.feldGroesse = n;
        b.nachbarMaske = w->nachbarMaske;
        b.rand = rand;
        auto zahlen = [n](const engine::Bilanz& z) {
            std::vector<std::uint64_t> v(&z.spalten[0][0], &z.spalten[n][0]);
            v.insert(v.end(), z.spaltenLebende, z.spaltenLebende + n);
            v.insert(v.end(), {std::uint64_t(z.lebende), std::uint64_t(z.geburten), std::uint64_t(z.tode),
                               std::uint64_t(z.feldGroesse), z.nachbarMaske, std::uint64_t(z.rand)});
            return v;
        };
        ASSERT_EQ(zahlen(w->bilanz), zahlen(b)) << "n=" << n;
        ASSERT_EQ(zahlen(skalar->bilanz), zahlen(b)) << "scalar n=" << n;
    }
}
