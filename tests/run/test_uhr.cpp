#include <gtest/gtest.h>

#include <memory>

#include "history/periode.h"
#include "run/uhr.h"
#include "testhilfe/bild.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;

namespace {

std::unique_ptr<Welt> gleiterWelt() {
    auto w = std::make_unique<Welt>();
    w->feldGroesse = 30;
    testhilfe::zeichne(*w, 0, 0, {".2.", "..2", "222"});
    testhilfe::zeichne(*w, -10, 5, {"232"});  // a blinker with mixed ages
    return w;
}

using testhilfe::gleich;

void ohne(const Welt&, bool) {}

void einzeln(Welt& w, long long n) {
    for (long long k = 0; k < n; ++k) engine::schritt(w, Regel::standard(), Rand::Torus);
}

}  // namespace

TEST(Generationen, LeadingNumberRoundedHalfToEvenAndNothingBelowOne) {
    EXPECT_EQ(run::generationenJeTakt("5"), 5);
    EXPECT_EQ(run::generationenJeTakt(" 2"), 2);
    EXPECT_EQ(run::generationenJeTakt("12 Schritte"), 12);
    EXPECT_EQ(run::generationenJeTakt("2.5"), 2);
    EXPECT_EQ(run::generationenJeTakt("3.5"), 4);
    EXPECT_EQ(run::generationenJeTakt("2.6"), 3);
    EXPECT_EQ(run::generationenJeTakt("1.5"), 2);
    EXPECT_EQ(run::generationenJeTakt("0.5"), 0);
    EXPECT_EQ(run::generationenJeTakt("0"), 0);
    EXPECT_EQ(run::generationenJeTakt("-3"), 0);
    EXPECT_EQ(run::generationenJeTakt("abc"), 0);
    EXPECT_EQ(run::generationenJeTakt(""), 0);
    EXPECT_EQ(run::generationenJeTakt("1000000000"), 1'000'000'000);
    EXPECT_EQ(run::generationenJeTakt("1e300"), run::kMaxGenerationen);
}

TEST(Zaehler, AdvancesByNInTheStandardFormat) {
    EXPECT_EQ(run::zaehlerNach("0", 5), " 5");
    EXPECT_EQ(run::zaehlerNach(" 41", 1), " 42");
    EXPECT_EQ(run::zaehlerNach("ohne Zahl", 1), " 1");
    EXPECT_EQ(run::zaehlerNach("-3", 2), "-1");
    EXPECT_EQ(run::zaehlerNach(" 999999999", 1000), " 1000000999");
}

TEST(PlusMinus, StopAt999AndAt1AndWriteTheStandardFormat) {
    EXPECT_EQ(run::plusEins("1"), " 2");
    EXPECT_EQ(run::plusEins(" 998"), " 999");
    EXPECT_EQ(run::plusEins("999"), std::nullopt);
    EXPECT_EQ(run::plusEins("5000"), std::nullopt);
    EXPECT_EQ(run::plusEins("x"), " 1");
    EXPECT_EQ(run::minusEins("3"), " 2");
    EXPECT_EQ(run::minusEins(" 2"), " 1");
    EXPECT_EQ(run::minusEins("1"), std::nullopt);
    EXPECT_EQ(run::minusEins("0"), std::nullopt);
    EXPECT_EQ(run::minusEins("x"), std::nullopt);
}

TEST(Regler, LeftEndSlowRightEndFastAndTheFigures) {
    EXPECT_EQ(run::reglerPosition(run::kReglerLinks), 1);
    EXPECT_EQ(run::reglerPosition(run::kReglerRechts), 100);
    for (int wert = 1; wert <= 100; ++wert) EXPECT_EQ(run::reglerWert(run::reglerPosition(wert)), wert);
    // One position to the right of the start value.
    const int rechts = run::reglerWert(run::reglerPosition(run::kReglerStart) + 1);
    EXPECT_EQ(run::intervallMs(rechts), 240);
    EXPECT_EQ(run::tempoText(rechts), "77");
    EXPECT_EQ(run::intervallMs(run::kReglerRechts), 10);
    EXPECT_EQ(run::tempoText(run::kReglerRechts), "100");
    EXPECT_EQ(run::intervallMs(run::kReglerLinks), 1000);
    EXPECT_EQ(run::tempoText(run::kReglerLinks), "1");
}

TEST(Zeitraffer, OneTickEndsExactlyWhereNSingleStepsEnd) {
    auto w = gleiterWelt();
    w->gedIndex = 97;  // the ring wraps during the tick
    auto referenz = std::make_unique<Welt>(*w);
    run::Zeitraffer z;
    z.beginne(8);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), 8);
    EXPECT_EQ(z.rest(), 0);
    einzeln(*referenz, 8);
    EXPECT_TRUE(gleich(*w, *referenz));
    EXPECT_EQ(w->gedIndex, 5);
    // Eight generations move the glider two cells down and right, with the ages of its phase.
    EXPECT_EQ(testhilfe::lies(*w, 2, 2, 3, 3), (std::vector<std::string>{".2.", "..1", "332"}));
}

TEST(Zeitraffer, NothingBelowOneGeneration) {
    auto w = gleiterWelt();
    auto vorher = std::make_unique<Welt>(*w);
    run::Zeitraffer z;
    for (long long n : {0LL, -4LL}) {
        z.beginne(n);
        EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), 0);
    }
    EXPECT_TRUE(gleich(*w, *vorher));
}

TEST(Zeitraffer, ALargeTickRunsInSlicesAndEndsWhereSingleStepsEnd) {
    auto w = gleiterWelt();
    auto referenz = std::make_unique<Welt>(*w);
    run::Zeitraffer z;
    z.beginne(2 * run::kScheibe + 3);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), run::kScheibe);
    EXPECT_EQ(z.rest(), run::kScheibe + 3);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), run::kScheibe);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), 3);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), 0);
    einzeln(*referenz, 2 * run::kScheibe + 3);
    EXPECT_TRUE(gleich(*w, *referenz));
}

TEST(Zeitraffer, AbortDropsTheRestAndANewTickReplacesIt) {
    auto w = gleiterWelt();
    run::Zeitraffer z;
    z.beginne(5 * run::kScheibe);
    z.scheibe(*w, Regel::standard(), Rand::Torus, ohne);
    z.abbrechen();
    EXPECT_EQ(z.rest(), 0);
    EXPECT_EQ(z.scheibe(*w, Regel::standard(), Rand::Torus, ohne), 0);
    z.beginne(5 * run::kScheibe);
    z.beginne(2);
    EXPECT_EQ(z.rest(), 2);
}

TEST(Zeitraffer, WatchesTheGenerationsTheRingKeepsAndFindsWhatWatchingAllFinds) {
    // A glider on a 10 x 10 torus comes back moved by (1, 1) after 4 generations: a
    // 999-generation tick must end with the same finding as watching every single generation.
    auto alle = std::make_unique<Welt>();
    alle->feldGroesse = 10;
    testhilfe::zeichne(*alle, -1, -1, {".O.", "..O", "OOO"});
    auto raffer = std::make_unique<Welt>(*alle);
    history::Periodensuche jede, letzte;
    jede.neuerLauf(*alle);
    letzte.neuerLauf(*raffer);
    for (int k = 0; k < 999; ++k) {
        engine::schritt(*alle, Regel::standard(), Rand::Torus);
        jede.nachSchritt(*alle);
    }
    run::Zeitraffer z;
    z.beginne(999);
    int gesehen = 0;
    z.scheibe(*raffer, Regel::standard(), Rand::Torus, [&](const Welt& w, bool imRing) {
        if (!imRing) return;
        ++gesehen;
        letzte.nachSchritt(w);
    });
    EXPECT_EQ(gesehen, engine::kRing);
    EXPECT_EQ(history::befundText(letzte.befund()), "Periode 4, wandert (1, 1)");
    EXPECT_EQ(history::befundText(letzte.befund()), history::befundText(jede.befund()));
    EXPECT_EQ(letzte.befund().lebende, jede.befund().lebende);
    EXPECT_EQ(letzte.staende(), jede.staende());
}
