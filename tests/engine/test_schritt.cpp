#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <random>
#include <tuple>

#include "engine/schritt.h"
#include "testhilfe/bild.h"
#include "testhilfe/referenz.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;

// Whole 6 x 6 fields worked out by hand for the standard rule: x to the right, y downward.
TEST(Schritt, HandWorkedFieldsWithAgesAndEdges) {
    using Bild = std::vector<std::string>;
    const Bild kanteOben = {"222...", "......", "......", "......", "......", "......"};
    const struct {
        const char* fall;
        Rand rand;
        Bild start, erwartet;
    } faelle[] = {
        {"a block ages 2 -> 1 -> 3 -> 3", Rand::Torus,
         {"......", ".21...", ".13...", "......", "......", "......"},
         {"......", ".13...", ".33...", "......", "......", "......"}},
        {"an invalid state counts as living and dies", Rand::Torus,
         {"......", "......", "..7...", ".O.O..", "......", "......"},
         {"......", "......", "......", "..2...", "......", "......"}},
        {"torus wraps the top edge to the bottom", Rand::Torus, kanteOben,
         {".1....", ".2....", "......", "......", "......", ".2...."}},
        {"nothing lives beyond the plane's edge", Rand::Quadrat, kanteOben,
         {".1....", ".2....", "......", "......", "......", "......"}},
        {"the mirror shows the edge row again", Rand::Spiegel, kanteOben,
         {"..1...", "22....", "......", "......", "......", "......"}},
    };
    for (const auto& f : faelle) {
        auto w = std::make_unique<Welt>();
        w->feldGroesse = 6;
        testhilfe::zeichne(*w, -3, -3, f.start);
        engine::schritt(*w, Regel::standard(), f.rand);
        EXPECT_EQ(testhilfe::lies(*w, -3, -3, 6, 6), f.erwartet) << f.fall;
    }
}

// Both kernels against the cell-by-cell reference for three steps in a row, the ring and the
// counts against the cells. Soups cover the whole array, index 100 included, which the step must
// clear, and hold values outside 0..3, which live and die and reach the ring cut to 16 bits.
TEST(Schritt, BothKernelsAgreeWithTheReferenceOnRandomSoups) {
    std::mt19937 zufall(4711);
    const std::int32_t kFremd[] = {4, 7, -1, 65538, 70000, -2147483647 - 1};
    for (int fall = 0; fall < 150; ++fall) {
        auto start = std::make_unique<Welt>();
        const int n = start->feldGroesse = 2 * (1 + static_cast<int>(zufall() % 45));
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y)
                if (zufall() % 3 == 0)
                    start->setzeZelle(x, y, zufall() % 50 == 0 ? kFremd[zufall() % 6] : static_cast<int>(zufall() % 4));
        start->gedIndex = (fall + 40) % engine::kRing;  // 99 wraps to 0
        start->nachbarMaske = fall % 4 == 0 ? 255 : static_cast<std::uint8_t>(zufall());
        const Regel r{static_cast<std::uint16_t>(zufall() & 0x1FF), static_cast<std::uint16_t>(zufall() & 0x1FF)};
        const Rand rand = static_cast<Rand>(fall % 3);
        for (bool simd : {false, true}) {
            if (simd && !engine::simdVerfuegbar()) continue;
            SCOPED_TRACE("n=" + std::to_string(n) + " simd=" + std::to_string(simd));
            auto z = std::make_unique<Welt>(*start);
            for (int schritt = 0; schritt < 3; ++schritt) {
                if (schritt == 2) z->setzeZelle(engine::kMitte, engine::kMitte, 2);  // an edit the ring must keep
                auto erwartet = std::make_unique<Welt>(*z);
                testhilfe::referenzSchritt(*erwartet, r, rand);
                const auto vorher = std::make_unique<Welt>(*z);
                engine::schrittMit(*z, r, rand, simd);
                ASSERT_EQ(z->gedIndex, (vorher->gedIndex + 1) % engine::kRing);
                for (int x = 0; x < engine::kDim; ++x)
                    for (int y = 0; y < engine::kDim; ++y) {
                        ASSERT_EQ(z->zelle(x, y), erwartet->zelle(x, y)) << "x=" << x << " y=" << y;
                        ASSERT_EQ(z->gedaechtnis(x, y, z->gedIndex), z->zelle(x, y));
                        ASSERT_EQ(z->gedaechtnis(x, y, vorher->gedIndex), static_cast<std::int16_t>(vorher->zelle(x, y)));
                    }
                const engine::Bilanz& b = z->bilanz;
                const int lo = engine::kMitte - n / 2;
                int lebend = 0, geboren = 0, tot = 0;
                for (int x = 0; x < n; ++x) {
                    std::uint64_t spalte[2] = {};
                    for (int y = 0; y < n; ++y) {
                        const bool war = vorher->zelle(lo + x, lo + y) != 0, ist = z->zelle(lo + x, lo + y) != 0;
                        spalte[y / 64] |= std::uint64_t{ist} << (y % 64);
                        lebend += ist, geboren += ist && !war, tot += war && !ist;
                    }
                    ASSERT_TRUE(b.spalten[0][x] == spalte[0] && b.spalten[1][x] == spalte[1]) << "x=" << x;
                    ASSERT_EQ(b.spaltenLebende[x], std::popcount(spalte[0]) + std::popcount(spalte[1])) << "x=" << x;
                }
                EXPECT_EQ(std::tie(b.lebende, b.geburten, b.tode, b.feldGroesse), std::tie(lebend, geboren, tot, n));
            }
        }
    }
}
