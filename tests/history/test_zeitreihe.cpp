#include <gtest/gtest.h>

#include <memory>

#include "engine/schritt.h"
#include "history/zeitreihe.h"
#include "testhilfe/bild.h"

TEST(Zeitreihe, CountsOfABlinkerWithTheFindingsGivenAsCsvAndOnlyTheLastTenThousand) {
    auto w = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*w, -1, 0, {"222", "...", "...", "...", "O..", "O.."});
    auto reihe = std::make_unique<history::Zeitreihe>();
    reihe->beginne(41, *w);
    // The blinker turns: two born, two gone; the pair of cells dies.
    for (int g = 42; g <= 44; ++g) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        reihe->erfasse(g, *w);
        if (g != 43) reihe->mitBefund({3, g == 42 ? 0 : 2, 0, 0});
    }
    reihe->erfasse(2.5e15, *w);
    reihe->mitBefund({5, 4, -1, 1});
    const std::string kopf = "Generation;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n";
    EXPECT_EQ(reihe->csv(), kopf + "41;5;0;0;;;\r\n42;3;2;4;0;0;0\r\n43;3;2;2;;;\r\n44;3;2;2;2;0;0\r\n"
                                   "2.5E+15;3;2;2;4;-1;1\r\n");

    // Beyond ten thousand the oldest go; a new run starts empty.
    for (int g = 1; g <= history::kZeitreihenLaenge + 5; ++g) reihe->erfasse(g, *w);
    ASSERT_EQ(reihe->groesse(), history::kZeitreihenLaenge);
    EXPECT_EQ((*reihe)[0].generation, 6);
    EXPECT_EQ((*reihe)[history::kZeitreihenLaenge - 1].generation, history::kZeitreihenLaenge + 5);
    reihe->leeren();
    reihe->mitBefund({1, 1, 0, 0});  // nothing to give it to
    EXPECT_EQ(reihe->csv(), kopf);
}
