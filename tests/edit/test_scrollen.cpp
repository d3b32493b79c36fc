#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "edit/scrollen.h"
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

// ---- The shift -------------------------------------------------------------------------------

TEST(SchiebeFeld, EachDirectionMovesOneCellAndWrapsWithAges) {
    const Bild start = {"12..",
                        "3...",
                        "....",
                        "...2"};
    const Bild erwartet[4] = {
        {"2..1", "...3", "....", "..2."},  // left
        {"3...", "....", "...2", "12.."},  // up
        {".12.", ".3..", "....", "2..."},  // right
        {"...2", "12..", "3...", "...."},  // down
    };
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        auto w = weltMitFeld(4);
        testhilfe::zeichne(*w, -2, -2, start);
        edit::schiebeFeld(*w, r);
        EXPECT_EQ(ganzesFeld(*w), erwartet[r]);
    }
}

TEST(SchiebeFeld, FieldSizeStepsInOneDirectionGiveTheWorldBack) {
    for (int n : {2, 10, 30, 90}) {
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(std::to_string(n) + " " + std::to_string(r));
            auto w = weltMitFeld(n);
            const int h = n / 2;
            testhilfe::zeichne(*w, -h, -h, {"3.2", ".1"});
            testhilfe::zeichne(*w, h - 1, h - 1, {"2"});
            const Bild vorher = ganzesFeld(*w);
            for (int k = 1; k <= n; ++k) {
                edit::schiebeFeld(*w, r);
                if (k < n && n > 2) {
                    EXPECT_NE(ganzesFeld(*w), vorher) << k;
                }
            }
            EXPECT_EQ(ganzesFeld(*w), vorher);
        }
    }
}

TEST(SchiebeFeld, PositionsOutsideTheFieldAreNeitherReadNorWritten) {
    auto w = weltMitFeld(30);  // storage 30..59
    auto vorher = std::make_unique<engine::Welt>();
    for (int x = 0; x < engine::kDim; ++x) {
        for (int y = 0; y < engine::kDim; ++y) {
            w->zelle[x][y] = (x * 7 + y) % 4;
            w->zelleNeu[x][y] = (x + y * 5) % 4;
        }
    }
    w->gedaechtnis(45, 45, 0) = 3;
    w->gedIndex = 7;
    *vorher = *w;
    edit::schiebeFeld(*w, edit::kLinks);
    EXPECT_EQ(w->zelle[44][45], vorher->zelle[45][45]);  // the field's own cells moved
    EXPECT_EQ(w->zelle[59][30], vorher->zelle[30][30]);
    for (int r = 0; r < 4; ++r) edit::schiebeFeld(*w, r);
    for (int x = 0; x < engine::kDim; ++x) {
        for (int y = 0; y < engine::kDim; ++y) {
            if (x >= 30 && x < 60 && y >= 30 && y < 60) continue;
            EXPECT_EQ(w->zelle[x][y], vorher->zelle[x][y]) << x << "," << y;
            EXPECT_EQ(w->zelleNeu[x][y], vorher->zelleNeu[x][y]) << x << "," << y;
        }
    }
    EXPECT_EQ(std::memcmp(w->gedaechtnisDaten, vorher->gedaechtnisDaten, sizeof w->gedaechtnisDaten), 0);
    EXPECT_EQ(w->gedIndex, 7);
}

TEST(SchiebeFeld, UnknownDirectionChangesNothing) {
    auto w = weltMitFeld(4);
    testhilfe::zeichne(*w, -2, -2, {"12"});
    edit::schiebeFeld(*w, 4);
    edit::schiebeFeld(*w, -1);
    EXPECT_EQ(ganzesFeld(*w), (Bild{"12..", "....", "....", "...."}));
}

// ---- The wheels' drawing ---------------------------------------------------------------------

/// The positions along the strip of the drawn ridges, from lines "linie 0 s 1 s" (vertical
/// wheel) or "linie s 0 s 1" (horizontal wheel).
std::vector<double> rippen(const testhilfe::Aufzeichner& a, bool senkrecht) {
    std::vector<double> r;
    for (const auto& op : a.nur("linie")) {
        double x1, y1, x2, y2;
        std::sscanf(op.c_str(), "linie %lf %lf %lf %lf", &x1, &y1, &x2, &y2);
        if (senkrecht) {
            EXPECT_EQ(x1, 0.0);
            EXPECT_EQ(x2, 1);
            EXPECT_EQ(y1, y2);
            r.push_back(y1);
        } else {
            EXPECT_EQ(y1, 0);
            EXPECT_EQ(y2, 1);
            EXPECT_EQ(x1, x2);
            r.push_back(x1);
        }
    }
    return r;
}

TEST(Rad, ClearsAndDrawsTheFrontRidgesInYellowCrowdingTowardsTheEnds) {
    testhilfe::Aufzeichner a;
    edit::zeichneRad(a, false, 0);
    ASSERT_GE(a.ops.size(), 2u);
    EXPECT_EQ(a.ops[0], "leeren");
    EXPECT_EQ(a.ops[1], "stift " + std::to_string(view::rgb(255, 255, 0)));
    const auto r = rippen(a, true);
    // 0..90 degrees and 280..360 degrees face the viewer: 19 ridges.
    ASSERT_EQ(r.size(), 19u);
    EXPECT_EQ(r.front(), 0);
    for (double s : r) {
        EXPECT_GE(s, -10);
        EXPECT_LE(s, 10);
    }
    EXPECT_GT(r[1] - r[0], r[9] - r[8]);

    testhilfe::Aufzeichner b;
    edit::radKoordinaten(b, true);
    edit::zeichneRad(b, true, 10);
    EXPECT_EQ(b.ops.front(), "koord -10 -0.5 10 1.5");
    const auto s = rippen(b, false);
    ASSERT_FALSE(s.empty());
    EXPECT_NEAR(s.front(), 10 * std::sin(6.28 * 10 / 360), 1e-5);
}

// ---- Arrows, "1" buttons and wheels ----------------------------------------------------------

class ScrollenTest : public ::testing::Test {
protected:
    std::unique_ptr<engine::Welt> w = weltMitFeld(4);
    edit::Scrollen s;

    void SetUp() override { testhilfe::zeichne(*w, -2, -2, {".2..", "....", "....", "...."}); }
};

bool nurWaagerecht(const edit::Gescrollt& g) { return g.feld && g.radWaagerecht && !g.radSenkrecht; }
bool nurSenkrecht(const edit::Gescrollt& g) { return g.feld && g.radSenkrecht && !g.radWaagerecht; }

TEST_F(ScrollenTest, SingleStepsTurnTheirAxisWheelByTwoDegreesAndHeldArrowsByOne) {
    EXPECT_TRUE(nurWaagerecht(s.einzelSchritt(*w, edit::kRechts)));
    EXPECT_EQ(ganzesFeld(*w)[0], "..2.");
    EXPECT_EQ(s.radWinkel, 2);
    EXPECT_TRUE(nurSenkrecht(s.einzelSchritt(*w, edit::kHoch)));
    EXPECT_EQ(ganzesFeld(*w)[3], "..2.");
    EXPECT_EQ(s.radWinkel, 0);
    EXPECT_TRUE(nurWaagerecht(s.wiederholSchritt(*w, edit::kLinks)));
    EXPECT_EQ(ganzesFeld(*w)[3], ".2..");
    EXPECT_EQ(s.radWinkel, -1);
}

TEST_F(ScrollenTest, HorizontalDragScrollsOneCellPerEventTowardsThePointer) {
    s.radWinkel = 17;
    s.radWaagerechtRunter(2.5f);
    EXPECT_TRUE(s.scrollGedrueckt);
    EXPECT_EQ(s.radWinkel, 0);

    EXPECT_TRUE(nurWaagerecht(s.radWaagerechtBewegt(*w, -7.0f)));  // far to the left: still one cell
    EXPECT_EQ(ganzesFeld(*w)[0], "2...");
    EXPECT_EQ(s.radWinkel, -3);
    s.radWaagerechtBewegt(*w, -6.9f);
    EXPECT_EQ(ganzesFeld(*w)[0], ".2..");
    EXPECT_EQ(s.radWinkel, 0);
    EXPECT_EQ(s.radLetztesX, -6.9f);

    const edit::Gescrollt nichts = s.radWaagerechtBewegt(*w, -6.9f);  // along the thin side
    EXPECT_FALSE(nichts.feld || nichts.radWaagerecht || nichts.radSenkrecht);
    s.losgelassen();
    s.radWaagerechtBewegt(*w, 5.0f);
    EXPECT_EQ(ganzesFeld(*w)[0], ".2..");
    EXPECT_EQ(s.radLetztesX, 5.0);
}

TEST_F(ScrollenTest, VerticalDragMovesTheCellsWithThePointer) {
    s.radSenkrechtRunter(0.0f);
    EXPECT_TRUE(nurSenkrecht(s.radSenkrechtBewegt(*w, 0.25f)));  // down
    EXPECT_EQ(ganzesFeld(*w)[1], ".2..");
    EXPECT_EQ(s.radWinkel, 3);
    s.radSenkrechtBewegt(*w, -4.0f);  // up
    s.radSenkrechtBewegt(*w, -4.5f);  // up
    EXPECT_EQ(ganzesFeld(*w)[3], ".2..");
    EXPECT_EQ(s.radWinkel, -3);
}

TEST_F(ScrollenTest, HoveringOnlyRemembersThePositionAndOneFlagServesBothWheels) {
    s.radWaagerechtBewegt(*w, 3.0f);
    s.radSenkrechtBewegt(*w, -2.0f);
    EXPECT_EQ(s.radLetztesX, 3.0);
    EXPECT_EQ(s.radLetztesY, -2.0f);
    EXPECT_EQ(ganzesFeld(*w)[0], ".2..");
    EXPECT_EQ(s.radWinkel, 0);
    // A press on the other wheel holds the shared flag: the next move here scrolls from 3.
    s.radSenkrechtRunter(0.0f);
    s.radWaagerechtBewegt(*w, 3.5f);
    EXPECT_EQ(ganzesFeld(*w)[0], "..2.");
}

}  // namespace
