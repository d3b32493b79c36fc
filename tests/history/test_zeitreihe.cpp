#include <gtest/gtest.h>

#include <memory>

#include "engine/schritt.h"
#include "history/zeitreihe.h"
#include "testhilfe/bild.h"

using history::Zeitreihe;

TEST(Zeitreihe, CountsOfABlinkerWithTheFindingsGivenAsCsvAndOnlyTheLastTenThousand) {
    auto w = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*w, -1, 0, {"222", "...", "...", "...", "O..", "O.."});
    auto reihe = std::make_unique<Zeitreihe>();
    reihe->beginne(41, *w);
    // The blinker turns: two born, two gone; the pair of cells dies.
    for (int g = 42; g <= 44; ++g) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        reihe->erfasse(g, *w);
        if (g == 42) reihe->mitBefund({3, 0, 0, 0});
        if (g == 44) reihe->mitBefund({3, 2, 0, 0});
    }
    reihe->erfasse(2.5e15, *w);
    reihe->mitBefund({5, 4, -1, 1});
    ASSERT_EQ(reihe->groesse(), 5);
    EXPECT_EQ((*reihe)[0].lebende, 5);
    EXPECT_EQ((*reihe)[4].generation, 2.5e15);
    EXPECT_EQ(reihe->csv(),
              "Generation;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n"
              "41;5;0;0;;;\r\n"
              "42;3;2;4;0;0;0\r\n"
              "43;3;2;2;;;\r\n"
              "44;3;2;2;2;0;0\r\n"
              "2.5E+15;3;2;2;4;-1;1\r\n");

    // Beyond ten thousand the oldest go; a new run starts empty.
    for (int g = 1; g <= history::kZeitreihenLaenge + 5; ++g) {
        w->bilanz.lebende = g % 7;
        reihe->erfasse(g, *w);
    }
    ASSERT_EQ(reihe->groesse(), history::kZeitreihenLaenge);
    EXPECT_EQ((*reihe)[0].generation, 6);
    EXPECT_EQ((*reihe)[0].lebende, 6);
    EXPECT_EQ((*reihe)[history::kZeitreihenLaenge - 1].generation, history::kZeitreihenLaenge + 5);
    reihe->leeren();
    reihe->mitBefund({1, 1, 0, 0});  // nothing to give it to
    EXPECT_EQ(reihe->csv(), "Generation;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n");
}
