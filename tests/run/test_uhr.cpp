#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "run/uhr.h"
#include "testhilfe/bild.h"

TEST(Generationen, LeadingNumberRoundedHalfToEvenAndNothingBelowOne) {
    const struct { const char* text; long long n; } faelle[] = {
        {"12 Schritte", 12}, {"2.5", 2}, {"3.5", 4}, {"2.6", 3}, {"-3", 0}, {"1e300", run::kMaxGenerationen}};
    for (const auto& f : faelle) EXPECT_EQ(run::generationenJeTakt(f.text), f.n) << f.text;
}

TEST(PlusMinus, StepByOneInTheStandardFormatUpTo999AndDownTo1) {
    EXPECT_EQ(run::plusEins(" 998"), " 999");
    EXPECT_EQ(run::plusEins("999"), std::nullopt);
    EXPECT_EQ(run::plusEins("x"), " 1");
    EXPECT_EQ(run::minusEins("2"), " 1");
    EXPECT_EQ(run::minusEins("1"), std::nullopt);
}

// A tick past the ring's length ends where single steps end; the ring keeps the last kRing
// generations, and the search also sees the end of every slice, where the window shows the world.
TEST(Zeitraffer, ALargeTickRunsInSlicesAndMarksTheirEndsAndTheGenerationsTheRingKeeps) {
    auto w = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*w, 0, 0, {".2.", "..2", "222"});
    auto einzeln = std::make_unique<engine::Welt>(*w);
    run::Zeitraffer z;
    z.beginne(-4);
    EXPECT_EQ(z.rest(), 0);
    z.beginne(2 * run::kScheibe + 3);
    long long generation = 0;
    std::vector<long long> gesehen;
    const auto nachSchritt = [&](const engine::Welt&, bool imRing) {
        engine::schritt(*einzeln, engine::Regel::standard(), engine::Rand::Torus);
        ++generation;
        if (imRing) gesehen.push_back(generation);
    };
    for (long long scheibe : {run::kScheibe, run::kScheibe, 3LL, 0LL})
        EXPECT_EQ(z.scheibe(*w, engine::Regel::standard(), engine::Rand::Torus, nachSchritt), scheibe);
    EXPECT_TRUE(testhilfe::gleich(*w, *einzeln));
    ASSERT_EQ(gesehen.size(), 1u + engine::kRing);
    EXPECT_EQ(gesehen[0], run::kScheibe);
    EXPECT_EQ(gesehen[1], 2 * run::kScheibe + 3 - engine::kRing + 1);
    EXPECT_EQ(gesehen.back(), 2 * run::kScheibe + 3);
}
