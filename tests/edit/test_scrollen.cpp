#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "edit/scrollen.h"
#include "edit/wiederholung.h"
#include "testhilfe/aufzeichner.h"
#include "testhilfe/bild.h"

namespace {

using Bild = std::vector<std::string>;

std::unique_ptr<engine::Welt> weltMitFeld(int n) {
    auto w = std::make_unique<engine::Welt>();
    w->feldGroesse = n;
    return w;
}

Bild ganzesFeld(const engine::Welt& w) {
    const int h = w.feldGroesse / 2;
    return testhilfe::lies(w, -h, -h, w.feldGroesse, w.feldGroesse);
}

TEST(SchiebeFeld, EachDirectionMovesOneCellAndWrapsWithAges) {
    const Bild erwartet[4] = {
        {"2..1", "...3", "....", "..2."},  // left
        {"3...", "....", "...2", "12.."},  // up
        {".12.", ".3..", "....", "2..."},  // right
        {"...2", "12..", "3...", "...."},  // down
    };
    for (int r = 0; r < 4; ++r) {
        auto w = weltMitFeld(4);
        testhilfe::zeichne(*w, -2, -2, {"12..", "3...", "....", "...2"});
        edit::schiebeFeld(*w, r);
        EXPECT_EQ(ganzesFeld(*w), erwartet[r]) << r;
    }
}

TEST(SchiebeFeld, NStepsGiveTheWorldBackAndNothingOutsideTheFieldMoves) {
    for (int n : {2, 30, 90}) {
        auto w = weltMitFeld(n);
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y) w->setzeZelle(x, y, (x * 7 + y) % 4);
        const auto vorher = std::make_unique<engine::Welt>(*w);
        for (int r = 0; r < 4; ++r) {
            edit::schiebeFeld(*w, r);
            if (n > 2) {
                EXPECT_NE(ganzesFeld(*w), ganzesFeld(*vorher)) << n << " " << r;
            }
            for (int k = 1; k < n; ++k) edit::schiebeFeld(*w, r);
            EXPECT_TRUE(w->gleicheZellen(*vorher)) << n << " " << r;
        }
    }
}

TEST(Rad, ClearsAndDrawsTheFrontRidgesInYellowCrowdingTowardsTheEnds) {
    testhilfe::Aufzeichner a;
    edit::zeichneRad(a, false, 0);
    ASSERT_FALSE(a.ops.empty());
    EXPECT_EQ(a.ops.front(), "leeren");
    EXPECT_EQ(a.nur("stift"), Bild{"stift " + std::to_string(view::rgb(255, 255, 0))});
    // 0..90 degrees and 280..360 degrees face the viewer: 19 ridges across the strip.
    const Bild rippen = a.nur("linie");
    ASSERT_EQ(rippen.size(), 19u);
    EXPECT_EQ(rippen[0], "linie 0 0 1 0");
    auto ort = [&](int k) { return std::stod(rippen[k].substr(8)); };  // "linie 0 y 1 y"
    EXPECT_GT(ort(1) - ort(0), ort(9) - ort(8));
    testhilfe::Aufzeichner b;
    edit::zeichneRad(b, true, 10);
    ASSERT_FALSE(b.nur("linie").empty());
    EXPECT_NEAR(std::stod(b.nur("linie")[0].substr(6)), 1.736, 0.005);  // the ridge at 10 degrees: 10 sin 10°
}

class ScrollenTest : public ::testing::Test {
protected:
    std::unique_ptr<engine::Welt> w = weltMitFeld(4);
    edit::Scrollen s;
    void SetUp() override { testhilfe::zeichne(*w, -2, -2, {".2.."}); }
};

bool nurWaagerecht(const edit::Gescrollt& g) { return g.feld && g.radWaagerecht && !g.radSenkrecht; }
bool nurSenkrecht(const edit::Gescrollt& g) { return g.feld && g.radSenkrecht && !g.radWaagerecht; }

TEST_F(ScrollenTest, SingleStepsTurnTheirAxisWheelByTwoDegreesAndHeldArrowsByOne) {
    EXPECT_TRUE(nurWaagerecht(s.einzelSchritt(*w, edit::kRechts)));
    EXPECT_EQ(s.radWinkel, 2);
    EXPECT_TRUE(nurSenkrecht(s.einzelSchritt(*w, edit::kHoch)));
    EXPECT_TRUE(nurWaagerecht(s.wiederholSchritt(*w, edit::kLinks)));
    EXPECT_EQ(s.radWinkel, -1);
    EXPECT_EQ(ganzesFeld(*w)[3], ".2..");
}

TEST_F(ScrollenTest, ADragScrollsOneCellPerEventTowardsThePointerAndTurnsThreeDegrees) {
    s.radWinkel = 17;
    s.radWaagerechtRunter(2.5f);
    EXPECT_EQ(s.radWinkel, 0);
    EXPECT_TRUE(nurWaagerecht(s.radWaagerechtBewegt(*w, -7.0f)));  // far to the left: still one cell
    EXPECT_EQ(ganzesFeld(*w)[0], "2...");
    EXPECT_EQ(s.radWinkel, -3);
    const edit::Gescrollt nichts = s.radWaagerechtBewegt(*w, -7.0f);  // along the thin side
    EXPECT_FALSE(nichts.feld || nichts.radWaagerecht || nichts.radSenkrecht);
    EXPECT_TRUE(nurSenkrecht(s.radSenkrechtBewegt(*w, 0.25f)));  // the flag is shared: down
    EXPECT_EQ(ganzesFeld(*w)[1], "2...");
    s.losgelassen();
    s.radWaagerechtBewegt(*w, 5.0f);  // hovering only remembers the position
    EXPECT_EQ(ganzesFeld(*w)[1], "2...");
    EXPECT_EQ(s.radLetztesX, 5.0);
}

TEST(Wiederholung, AShortPressScrollsOnceAfterThePauseAndAHeldOneAfterEveryPause) {
    constexpr std::int64_t ms = 1'000'000;
    edit::Wiederholung w;
    EXPECT_EQ(w.gedrueckt(edit::kRechts, 0), -1);
    EXPECT_EQ(w.wartezeitMs(0), 11);
    EXPECT_EQ(w.faellig(10 * ms), -1);  // more than 10 ms, not 10
    EXPECT_EQ(w.faellig(10 * ms + 1), edit::kRechts);
    w.gemacht(true, 12 * ms);  // held: the next pause begins after the pass
    EXPECT_EQ(w.faellig(22 * ms + 1), edit::kRechts);
    w.gemacht(false, 23 * ms);  // released: no more passes
    EXPECT_EQ(w.wartezeitMs(40 * ms), -1);

    // A second press before the first one's pass: that pass is owed and made first.
    EXPECT_EQ(w.gedrueckt(edit::kHoch, 50 * ms), -1);
    EXPECT_EQ(w.gedrueckt(edit::kLinks, 55 * ms), edit::kHoch);
    EXPECT_EQ(w.faellig(65 * ms + 1), edit::kLinks);
}

}  // namespace
