#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "edit/maus.h"
#include "testhilfe/aufzeichner.h"
#include "testhilfe/bild.h"

using edit::Zelle;
using testhilfe::Aufzeichner;

namespace {

struct Abbildung {
    double x, y;
    int n;
    Zelle spitze, radierer;
};

std::ostream& operator<<(std::ostream& o, const Abbildung& a) {
    return o << "(" << a.x << ", " << a.y << ") bei N = " << a.n;
}

class Mausabbildung : public testing::TestWithParam<Abbildung> {};

TEST_P(Mausabbildung, TipLeftBelowAndEraserRightAboveThePointer) {
    const Abbildung& a = GetParam();
    EXPECT_EQ(edit::spitze(a.x, a.y, a.n), a.spitze);
    EXPECT_EQ(edit::radierer(a.x, a.y, a.n), a.radierer);
}

INSTANTIATE_TEST_SUITE_P(
    Raender, Mausabbildung,
    testing::Values(
        Abbildung{0.5, 0.5, 30, {-1, 1}, {1, -1}},          // Int rounds towards minus infinity
        Abbildung{10.25, -3.75, 60, {9, -3}, {11, -5}},
        Abbildung{0.0, 0.0, 2, {-1, 0}, {0, -1}},
        Abbildung{-14.9, 0.2, 30, {-16, 0}, {-15, -1}},     // within 2 % of the left edge: outside
        Abbildung{0.2, 14.9, 30, {-1, 15}, {0, 14}},        // within 2 % of the bottom edge: outside
        Abbildung{14.9, -14.9, 30, {14, -15}, {15, -16}},   // top right: only the eraser leaves
        Abbildung{-44.9, 44.9, 90, {-47, 46}, {-44, 43}},   // beyond the storage array on the left
        Abbildung{44.9, -44.9, 90, {43, -44}, {46, -47}},
        Abbildung{-60.0, 70.0, 30, {-61, 70}, {-60, 69}}));  // held button, pointer outside

TEST(Mausabbildung, LimitIsThatOfTheLargestField) {
    EXPECT_EQ(edit::begrenzt({-47, 46}), (Zelle{-45, 44}));
    EXPECT_EQ(edit::begrenzt({100, -100}), (Zelle{44, -45}));
    EXPECT_EQ(edit::begrenzt({-45, 44}), (Zelle{-45, 44}));
    EXPECT_EQ(edit::begrenzt({-16, 15}), (Zelle{-16, 15}));
}

struct Feld {
    std::unique_ptr<engine::Welt> welt = std::make_unique<engine::Welt>();
    view::Anzeige anzeige;
    Aufzeichner flaeche;
    edit::Maus maus;

    // Pointer position whose tip lies in the middle of cell (i, j).
    double xSpitze(int i) const { return i + 0.5 + 0.02 * welt->feldGroesse; }
    double ySpitze(int j) const { return j + 0.5 - 0.02 * welt->feldGroesse; }
    bool links(int i, int j) { return maus.runter(*welt, edit::kLinkeTaste, xSpitze(i), ySpitze(j)); }
    /// A pointer move; a painted cell is painted as the window does.
    void bewegt(double x, double y) {
        if (const auto g = maus.bewegt(*welt, x, y)) edit::maleZelle(flaeche, anzeige, g->zelle, g->wert);
    }
};

std::string farbe(view::Farbe f) { return std::to_string(f); }

}  // namespace

TEST(Maus, LeftClickTogglesEmptyToNewAndAnyLivingToEmpty) {
    Feld f;
    testhilfe::zeichne(*f.welt, 0, 0, {".123"});
    EXPECT_TRUE(f.links(0, 0));
    EXPECT_TRUE(f.links(1, 0));
    EXPECT_TRUE(f.links(3, 0));
    EXPECT_EQ(testhilfe::lies(*f.welt, 0, 0, 4, 1), std::vector<std::string>{"2.2."});
    f.links(0, 0);
    f.links(2, 0);
    EXPECT_EQ(testhilfe::lies(*f.welt, 0, 0, 4, 1), std::vector<std::string>{"...."});
    EXPECT_FALSE(f.maus.linieAktiv);
}

TEST(Maus, LeftClickNearTheEdgeReachesTheCellJustOutsideTheFieldButNotBeyondTheArray) {
    Feld f;
    EXPECT_TRUE(f.maus.runter(*f.welt, edit::kLinkeTaste, -14.9, 14.9));
    EXPECT_EQ(f.welt->zelle[engine::speicherIndex(-16)][engine::speicherIndex(15)], 2);
    f.welt->feldGroesse = 90;
    f.maus.runter(*f.welt, edit::kLinkeTaste, -44.9, 0.5);  // column -47: the array's first
    EXPECT_EQ(f.welt->zelle[0][engine::speicherIndex(2)], 2);
    EXPECT_EQ(testhilfe::lebende(*f.welt), 2);
}

TEST(Maus, OtherButtonsOnlyStartALineUntilAnyRelease) {
    Feld f;
    for (int knopf : {2, 4}) {
        EXPECT_FALSE(f.maus.runter(*f.welt, knopf, 0.5, 0.5));
        EXPECT_TRUE(f.maus.linieAktiv);
        f.maus.hoch();
        EXPECT_FALSE(f.maus.linieAktiv);
    }
    EXPECT_EQ(testhilfe::lebende(*f.welt), 0);
    EXPECT_TRUE(f.flaeche.ops.empty());
}

TEST(Maus, DrawingSetsTheTipsCellAndPaintsItWithTheGridOutline) {
    Feld f;
    testhilfe::zeichne(*f.welt, 3, 4, {"3"});
    f.anzeige.zellFarbe[2] = view::rgb(0, 255, 0);
    f.maus.runter(*f.welt, 2, 0, 0);
    f.bewegt(f.xSpitze(3), f.ySpitze(4));
    EXPECT_EQ(f.welt->zelle[48][49], 2);
    EXPECT_EQ(f.flaeche.ops, (std::vector<std::string>{"stift " + farbe(view::rgb(0, 255, 0)), "rechteck 3 4 4 5",
                                                        "stift " + farbe(view::kRasterEin), "rahmen 3 4 4 5"}));
    f.bewegt(f.xSpitze(4), f.ySpitze(4));
    f.bewegt(f.xSpitze(4), f.ySpitze(4));  // no toggling
    EXPECT_EQ(testhilfe::lies(*f.welt, 2, 4, 4, 1), std::vector<std::string>{".22."});
}

TEST(Maus, ErasingEmptiesTheErasersCellAndPaintsItInTheBackground) {
    Feld f;
    testhilfe::zeichne(*f.welt, -1, -2, {"222", "222", "222", "222"});
    f.maus.zeichenModus = 1;
    f.anzeige.rasterFarbe = f.flaeche.hintergrund();  // grid switched off
    f.maus.runter(*f.welt, 2, 0, 0);
    f.bewegt(0.5, 0.5);
    EXPECT_EQ(testhilfe::lies(*f.welt, -1, -2, 3, 4), (std::vector<std::string>{"222", "22.", "222", "222"}));
    EXPECT_EQ(f.flaeche.ops, (std::vector<std::string>{"stift " + farbe(view::kFensterHintergrund), "rechteck 1 -1 2 0",
                                                        "stift " + farbe(view::kFensterHintergrund),
                                                        "rahmen 1 -1 2 0"}));
}

TEST(Maus, DragBeyondTheViewStopsAtTheLargestFieldsEdge) {
    Feld f;
    f.maus.runter(*f.welt, 2, 0, 0);
    f.bewegt(-80.0, 90.0);
    f.bewegt(200.0, -200.0);
    EXPECT_EQ(f.welt->zelle[0][89], 2);
    EXPECT_EQ(f.welt->zelle[89][0], 2);
    f.maus.zeichenModus = 1;
    f.bewegt(-80.0, 90.0);
    EXPECT_EQ(f.welt->zelle[0][89], 0);
    EXPECT_EQ(testhilfe::lebende(*f.welt), 1);
}

TEST(Maus, LeftClickDuringADragTogglesAndTheDragGoesOn) {
    Feld f;
    f.maus.runter(*f.welt, 2, 0, 0);
    EXPECT_TRUE(f.links(5, 5));
    EXPECT_TRUE(f.maus.linieAktiv);
    f.bewegt(f.xSpitze(6), f.ySpitze(5));
    EXPECT_EQ(testhilfe::lies(*f.welt, 5, 5, 2, 1), std::vector<std::string>{"22"});
}
