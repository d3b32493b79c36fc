#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/schritt.h"
#include "testhilfe/bild.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;
using testhilfe::lies;
using testhilfe::zeichne;

namespace {

std::unique_ptr<Welt> neueWelt(int n = 30) {
    auto w = std::make_unique<Welt>();
    w->feldGroesse = n;
    return w;
}

int& zelle(Welt& w, int i, int j) { return w.zelle[engine::speicherIndex(i)][engine::speicherIndex(j)]; }

/// The step written out cell by cell with the per-cell counts, as a reference for the fast one.
void referenzSchritt(Welt& w, const Regel& r, Rand rand) {
    auto alt = std::make_unique<Welt>(w);
    const int h = w.feldGroesse / 2;
    for (auto& spalte : w.zelle)
        for (auto& v : spalte) v = 0;
    for (int i = -h; i < h; ++i) {
        for (int j = -h; j < h; ++j) {
            const int c = engine::nachbarn(*alt, rand, i, j);
            const int v = zelle(*alt, i, j);
            int neu = 0;
            if (v == 0 && r.geboren(c)) neu = 2;
            if (v == 2 && r.ueberlebt(c)) neu = 1;
            if ((v == 1 || v == 3) && r.ueberlebt(c)) neu = 3;
            zelle(w, i, j) = neu;
        }
    }
}

}  // namespace

TEST(Schritt, BlinkerWithItsAgesOverTwoSteps) {
    auto w = neueWelt();
    zeichne(*w, -1, 0, {"222"});
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(lies(*w, -1, -1, 3, 3), (std::vector<std::string>{".2.", ".1.", ".2."}));
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(lies(*w, -1, -1, 3, 3), (std::vector<std::string>{"...", "232", "..."}));
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(lies(*w, -1, -1, 3, 3), (std::vector<std::string>{".2.", ".3.", ".2."}));
}

TEST(Schritt, SurvivorsAgeTwoOneThreeThreeAndTheDeadNeverComeBackAsTwo) {
    auto w = neueWelt();
    zeichne(*w, 0, 0, {"22", "22"});  // a block: every cell survives
    std::string folge;
    for (int k = 0; k < 4; ++k) {
        folge += static_cast<char>('0' + zelle(*w, 0, 0));
        engine::schritt(*w, Regel::standard(), Rand::Torus);
    }
    EXPECT_EQ(folge, "2133");

    // A lone cell of state 1 or 3 dies and stays empty, never reborn as 2.
    auto einsam = neueWelt();
    zeichne(*einsam, -5, 0, {"1"});
    zeichne(*einsam, 5, 0, {"3"});
    engine::schritt(*einsam, Regel::standard(), Rand::Torus);
    EXPECT_EQ(zelle(*einsam, -5, 0), 0);
    EXPECT_EQ(zelle(*einsam, 5, 0), 0);
}

TEST(Schritt, InvalidStatesCountAsLivingAndDie) {
    auto w = neueWelt();
    zeichne(*w, -1, 0, {"O.O"});
    zelle(*w, 0, -1) = 7;  // only a hand-made file could bring this in
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(zelle(*w, 0, -1), 0);
    EXPECT_EQ(zelle(*w, 0, 0), 2);  // born from three living neighbours, the 7 among them
}

TEST(Nachbarn, TorusWrapsAtTheEdgesOfTheField) {
    auto w = neueWelt(30);
    zelle(*w, -15, 0) = 1;
    EXPECT_EQ(engine::nachbarnTorus(*w, 14, 0), 1);
    EXPECT_EQ(engine::nachbarnTorus(*w, 14, 1), 1);
    EXPECT_EQ(engine::nachbarnTorus(*w, 13, 0), 0);
    zelle(*w, -15, -15) = 1;
    EXPECT_EQ(engine::nachbarnTorus(*w, 14, 14), 1);  // corner to corner
}

TEST(Nachbarn, BoundedPlaneSeesNothingBeyondTheEdgeEvenIfIndex100Lives) {
    auto w = neueWelt(30);
    w->zelle[100][100] = 1;
    w->zelle[100][45] = 1;
    w->zelle[45][100] = 1;
    zelle(*w, -15, 0) = 1;
    EXPECT_EQ(engine::nachbarnQuadrat(*w, 14, 0), 0);
    EXPECT_EQ(engine::nachbarnQuadrat(*w, -14, 0), 1);
    EXPECT_EQ(engine::nachbarnQuadrat(*w, -15, -15), 0);
    EXPECT_EQ(engine::nachbarnQuadrat(*w, 0, 14), 0);
}

TEST(Nachbarn, MirrorEdgeCellCountsItselfOnceAndCornerCellThrice) {
    auto w = neueWelt(30);
    zelle(*w, -15, 3) = 1;
    EXPECT_EQ(engine::nachbarnSpiegel(*w, -15, 3), 1);
    zelle(*w, -15, -15) = 1;
    EXPECT_EQ(engine::nachbarnSpiegel(*w, -15, -15), 3);

    // The directions of an edge cell as the bits see them: bits 1 and 2 both see (L, j-1).
    auto kante = neueWelt(30);
    zelle(*kante, -15, 2) = 1;
    kante->nachbarMaske = 0b110;
    EXPECT_EQ(engine::nachbarnSpiegel(*kante, -15, 3), 2);
}

TEST(Schritt, MirrorCornerLivesOnAndEdgeCellDies) {
    auto w = neueWelt(30);
    zelle(*w, -15, -15) = 2;
    zelle(*w, 0, 14) = 2;
    engine::schritt(*w, Regel::standard(), Rand::Spiegel);
    EXPECT_EQ(zelle(*w, -15, -15), 1);
    EXPECT_EQ(zelle(*w, 0, 14), 0);
    engine::schritt(*w, Regel::standard(), Rand::Spiegel);
    EXPECT_EQ(zelle(*w, -15, -15), 3);
    EXPECT_EQ(testhilfe::lebende(*w), 1);
}

TEST(Schritt, GliderComesBackOnTheTorus) {
    auto w = neueWelt(10);
    zeichne(*w, -1, -1, {".O.", "..O", "OOO"});
    auto start = lies(*w, -5, -5, 10, 10);
    for (int k = 0; k < 40; ++k) engine::schritt(*w, Regel::standard(), Rand::Torus);
    auto ende = lies(*w, -5, -5, 10, 10);
    for (auto& z : ende)
        for (auto& c : z) c = c == '.' ? '.' : '1';
    EXPECT_EQ(ende, start);
}

TEST(Schritt, MasksChooseTheCountedDirections) {
    auto w = neueWelt();
    zeichne(*w, -1, -1, {"OOO", "O.O", "OOO"});
    const struct {
        std::uint8_t maske;
        int erwartet;
    } faelle[] = {{0, 0}, {85, 4}, {170, 4}, {251, 7}, {255, 8}};
    for (const auto& f : faelle) {
        w->nachbarMaske = f.maske;
        EXPECT_EQ(engine::nachbarnTorus(*w, 0, 0), f.erwartet) << int(f.maske);
    }
}

// The row of three without its upper neighbour is checked through the matrix window.
TEST(Schritt, BirthBoxZeroWithMaskZeroFillsTheFieldAndNoBoxEmptiesIt) {
    auto w = neueWelt(30);
    w->nachbarMaske = 0;
    engine::schritt(*w, Regel{0, 1}, Rand::Torus);
    EXPECT_EQ(testhilfe::lebende(*w), 900);
    EXPECT_EQ(zelle(*w, -15, -15), 2);
    EXPECT_EQ(zelle(*w, 14, 14), 2);
    engine::schritt(*w, Regel{}, Rand::Torus);
    EXPECT_EQ(testhilfe::lebende(*w), 0);
}

TEST(Schritt, ClearsEverythingOutsideTheFieldAndIndex100) {
    auto w = neueWelt(30);
    w->zelle[0][0] = 3;
    w->zelle[100][100] = 1;
    w->zelle[29][45] = 2;
    w->zelle[60][45] = 2;
    w->zelle[45][100] = 1;
    w->zelleNeu[0][0] = 3;
    engine::schritt(*w, Regel::standard(), Rand::Quadrat);
    EXPECT_EQ(testhilfe::lebende(*w), 0);
    EXPECT_EQ(w->zelleNeu[0][0], 0);
}

TEST(Schritt, MemoryHoldsTheWorldBeforeAndAfter) {
    auto w = neueWelt();
    zeichne(*w, -1, 0, {"OOO"});
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    zelle(*w, 10, 10) = 2;  // an edit between two steps
    auto vorher = std::make_unique<Welt>(*w);
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(w->gedIndex, 2);
    for (int x = 0; x < engine::kDim; ++x)
        for (int y = 0; y < engine::kDim; ++y) {
            ASSERT_EQ(w->gedaechtnis(x, y, 1), vorher->zelle[x][y]);
            ASSERT_EQ(w->gedaechtnis(x, y, 2), w->zelle[x][y]);
        }
    w->gedIndex = 99;
    engine::schritt(*w, Regel::standard(), Rand::Torus);
    EXPECT_EQ(w->gedIndex, 0);
}

TEST(Schritt, FastStepAgreesWithTheCellByCellCountsOnRandomSoups) {
    std::mt19937 zufall(4711);
    const Rand raender[] = {Rand::Torus, Rand::Quadrat, Rand::Spiegel};
    for (int fall = 0; fall < 120; ++fall) {
        const int n = 2 * (1 + static_cast<int>(zufall() % 45));
        auto w = neueWelt(n);
        for (auto& spalte : w->zelle)
            for (auto& v : spalte) v = zufall() % 3 == 0 ? static_cast<int>(zufall() % 4) : 0;
        w->nachbarMaske = static_cast<std::uint8_t>(zufall());
        const Regel r{static_cast<std::uint16_t>(zufall() & 0x1FF), static_cast<std::uint16_t>(zufall() & 0x1FF)};
        const Rand rand = raender[fall % 3];
        auto erwartet = std::make_unique<Welt>(*w);
        referenzSchritt(*erwartet, r, rand);
        auto skalar = std::make_unique<Welt>(*w);
        engine::schritt(*w, r, rand);
        engine::schrittMit(*skalar, r, rand, false);
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y) {
                ASSERT_EQ(w->zelle[x][y], erwartet->zelle[x][y]) << "n=" << n << " x=" << x << " y=" << y;
                ASSERT_EQ(skalar->zelle[x][y], erwartet->zelle[x][y]) << "scalar n=" << n;
                ASSERT_EQ(w->zelleNeu[x][y], w->zelle[x][y]);
                ASSERT_EQ(w->gedaechtnis(x, y, w->gedIndex), w->zelle[x][y]);
            }
    }
}
