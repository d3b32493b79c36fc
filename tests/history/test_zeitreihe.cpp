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
    const std::string kopf = "Generation;Zähler;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n";
    EXPECT_EQ(reihe->csv(), kopf + "0;41;5;0;0;;;\r\n1;42;3;2;4;0;0;0\r\n2;43;3;2;2;;;\r\n3;44;3;2;2;2;0;0\r\n"
                                   "4;2.5E+15;3;2;2;4;-1;1\r\n");
    EXPECT_EQ(std::pair(reihe->periodeGefunden(), reihe->gekuerzt()), std::pair(4, false));  // period 4 from there

    // Beyond ten thousand the oldest go; a new run starts empty.
    for (int g = 1; g <= history::kZeitreihenLaenge; ++g) reihe->erfasse(7, *w);
    ASSERT_EQ(reihe->groesse(), history::kZeitreihenLaenge);
    EXPECT_EQ((*reihe)[0].generation, 5);
    EXPECT_EQ((*reihe)[history::kZeitreihenLaenge - 1].generation, history::kZeitreihenLaenge + 4);
    EXPECT_EQ(std::pair(reihe->periodeGefunden(), reihe->gekuerzt()), std::pair(-1, true));  // the finding is gone
    reihe->leeren();
    reihe->mitBefund({1, 1, 0, 0});  // nothing to give it to
    EXPECT_EQ(reihe->csv(), kopf);
}

// Axis marks: round steps, no generation twice, even for a run of one generation or one that
// is held only in part; the counter beside them.
TEST(Zeitreihe, AxisMarksAreRoundAndDistinct) {
    auto w = std::make_unique<engine::Welt>();
    auto reihe = std::make_unique<history::Zeitreihe>();
    using Marken = std::vector<long long>;
    for (const auto& [erfasst, erwartet] : std::vector<std::pair<int, Marken>>{
             {0, {0}}, {1, {0, 1}}, {7, {0, 2, 4, 6}}, {23, {0, 5, 10, 15, 20}},
             {12345, {4000, 6000, 8000, 10000, 12000}}}) {
        reihe->beginne(-3, *w);
        for (int g = 1; g <= erfasst; ++g) reihe->erfasse(g - 3, *w);
        Marken marken;
        for (const history::Achsenmarke& a : reihe->achsenMarken(6)) marken.push_back(a.generation);
        EXPECT_EQ(marken, erwartet) << erfasst;
    }
    ASSERT_GE(reihe->achsenMarken(6).size(), 2u);
    EXPECT_EQ(reihe->achsenMarken(6)[1].zaehler, " 5997");
}
