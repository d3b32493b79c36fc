#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "werkbank_hilfe.h"

using testhilfe::Bank;

TEST(Wuerfel, ARandomRuleTicksEachCountWithTheChanceAndBirthOnZeroOnlyWhenAskedInOneUndoStep) {
    Bank b;
    b.w->setzeMaske(85);
    b.w->saeZufall(7);
    int ticks = 0;
    constexpr int kWuerfe = 400;
    for (int k = 0; k < kWuerfe; ++k) {
        b.w->zufallsregel(0.3, false);
        ASSERT_FALSE(b.w->regel().geboren(0));
        ticks += std::popcount(b.w->regel().ueberleben) + std::popcount(b.w->regel().geburt);
    }
    // 17 counts a draw at 30 %: mean 2040, standard deviation about 38.
    EXPECT_NEAR(ticks, 0.3 * 17 * kWuerfe, 5 * 38);
    EXPECT_EQ(b.w->maske(), 85);

    const engine::Regel vorher = b.w->regel();
    b.w->zufallsregel(1.0, true);
    EXPECT_EQ(b.w->regel().geburt, 0x1FF);
    EXPECT_EQ(b.w->rueckgaengigName(), "Zufallsregel");
    b.w->rueckgaengig();
    EXPECT_EQ(b.w->regel().geburt, vorher.geburt);
    EXPECT_EQ(b.w->regel().ueberleben, vorher.ueberleben);
}

TEST(Wuerfel, ARandomFieldFillsOnlyTheVisibleFieldAtTheDensityRepeatablyInOneUndoStep) {
    Bank b;
    b.w->festeGroesse(2);  // 90 x 90
    b.zeichne(0, 0, {"O"});
    auto lebende = [&](int n) {
        int z = 0;
        for (const std::string& zeile : b.lies(-n / 2, -n / 2, n, n)) z += int(std::count(zeile.begin(), zeile.end(), '1'));
        return z;
    };
    b.w->saeZufall(3);
    b.w->zufallsfeld(0.25);
    // 8100 cells at 25 %: mean 2025, standard deviation about 39.
    EXPECT_NEAR(lebende(90), 2025, 5 * 39);
    const auto erstes = b.lies(-45, -45, 90, 90);
    b.w->festeGroesse(0);
    b.w->zufallsfeld(1.0);
    EXPECT_EQ(lebende(30), 900);
    EXPECT_EQ(lebende(32), 900);  // nothing beyond the field

    b.w->festeGroesse(2);
    b.w->saeZufall(3);
    b.w->zufallsfeld(0.25);
    EXPECT_EQ(b.lies(-45, -45, 90, 90), erstes);
    EXPECT_EQ(b.w->rueckgaengigName(), "Zufallsfeld");
    b.w->rueckgaengig();
    EXPECT_EQ(lebende(90), 900);
}
