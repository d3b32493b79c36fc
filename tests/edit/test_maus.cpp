#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "edit/maus.h"
#include "testhilfe/bild.h"

using edit::Zelle;
using Bild = std::vector<std::string>;

namespace {

struct Feld {
    std::unique_ptr<engine::Welt> welt = std::make_unique<engine::Welt>();
    edit::Maus maus;

    // Pointer position whose tip lies in the middle of cell (i, j).
    double xSpitze(int i) const { return i + 0.5 + 0.02 * welt->feldGroesse; }
    double ySpitze(int j) const { return j + 0.5 - 0.02 * welt->feldGroesse; }
    bool links(int i, int j) { return maus.runter(*welt, edit::kLinkeTaste, xSpitze(i), ySpitze(j)); }
    void bewegt(double x, double y) { maus.bewegt(*welt, x, y); }
};

}  // namespace

TEST(Mausabbildung, TipLeftBelowAndEraserRightAboveThePointerLimitedToTheLargestField) {
    struct Fall {
        double x, y;
        int n;
        Zelle spitze, radierer;
    };
    const Fall faelle[] = {
        {0.5, 0.5, 30, {-1, 1}, {1, -1}},         // Int rounds towards minus infinity
        {10.25, -3.75, 60, {9, -3}, {11, -5}},    //
        {-14.9, 0.2, 30, {-16, 0}, {-15, -1}},    // within 2 % of the left edge: outside
        {14.9, -14.9, 30, {14, -15}, {15, -16}},  // top right: only the eraser leaves
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(edit::spitze(f.x, f.y, f.n), f.spitze) << f.x << " " << f.y;
        EXPECT_EQ(edit::radierer(f.x, f.y, f.n), f.radierer) << f.x << " " << f.y;
    }
}

TEST(Maus, LeftClickTogglesEmptyToNewAndAnyLivingToEmptyEvenJustOutsideTheField) {
    Feld f;
    testhilfe::zeichne(*f.welt, 0, 0, {".123"});
    for (int i : {0, 1, 3}) EXPECT_TRUE(f.links(i, 0));
    EXPECT_EQ(testhilfe::lies(*f.welt, 0, 0, 4, 1), Bild{"2.2."});
    f.links(0, 0);
    f.links(2, 0);
    EXPECT_EQ(testhilfe::lies(*f.welt, 0, 0, 4, 1), Bild{"...."});
    f.maus.runter(*f.welt, edit::kLinkeTaste, -14.9, 14.9);
    EXPECT_EQ(f.welt->zelle(engine::speicherIndex(-16), engine::speicherIndex(15)), 2);
    f.welt->feldGroesse = 90;
    f.maus.runter(*f.welt, edit::kLinkeTaste, -44.9, 0.5);  // column -47 is limited to the array's first
    EXPECT_EQ(f.welt->zelle(0, engine::speicherIndex(2)), 2);
    EXPECT_FALSE(f.maus.linieAktiv);
}

TEST(Maus, ADragDrawsAtTheTipOrErasesAtTheEraser) {
    Feld f;
    testhilfe::zeichne(*f.welt, 3, 4, {"3"});
    EXPECT_FALSE(f.maus.runter(*f.welt, 4, 0, 0));  // middle button: a line, nothing set yet
    f.bewegt(f.xSpitze(3), f.ySpitze(4));
    f.bewegt(f.xSpitze(4), f.ySpitze(4));
    f.bewegt(f.xSpitze(4), f.ySpitze(4));  // no toggling
    EXPECT_EQ(testhilfe::lies(*f.welt, 2, 4, 4, 1), Bild{".22."});

    f.maus.zeichenModus = 1;
    f.bewegt(3.5 - 0.6, 4.5 + 0.6);  // the eraser lies up and right of the pointer
    EXPECT_EQ(testhilfe::lies(*f.welt, 2, 4, 4, 1), Bild{"..2."});
    f.maus.hoch();
    f.bewegt(5.5, 5.5);
    EXPECT_EQ(testhilfe::lebende(*f.welt), 1);
}

TEST(Maus, ADragBeyondTheViewStopsAtTheLargestFieldsEdgeAndALeftClickDoesNotEndIt) {
    Feld f;
    f.maus.runter(*f.welt, 2, 0, 0);
    f.bewegt(-80.0, 90.0);
    f.bewegt(200.0, -200.0);
    EXPECT_EQ(f.welt->zelle(0, 89), 2);
    EXPECT_EQ(f.welt->zelle(89, 0), 2);
    EXPECT_TRUE(f.links(5, 5));
    f.bewegt(f.xSpitze(6), f.ySpitze(5));
    EXPECT_EQ(testhilfe::lies(*f.welt, 5, 5, 2, 1), Bild{"22"});
}
