#include <gtest/gtest.h>

#include <memory>

#include "testhilfe/aufzeichner.h"
#include "testhilfe/bild.h"
#include "view/feldansicht.h"
#include "view/pixelflaeche.h"

using testhilfe::Aufzeichner;
using view::rgb;

namespace {

struct Feld {
    std::unique_ptr<engine::Welt> welt = std::make_unique<engine::Welt>();
    view::Anzeige anzeige;
    Aufzeichner flaeche;
    void zeichne(int n) {
        flaeche.ops.clear();
        view::zeichneFeld(flaeche, welt->zelle, anzeige, n);
    }
};

}  // namespace

TEST(Feldansicht, GridLinesOnlyAtTheLeftAndTopEdgeOfEveryCell) {
    Feld f;
    f.zeichne(30);
    EXPECT_EQ(f.flaeche.ops.front(), "leeren");
    EXPECT_EQ(f.flaeche.ops[1], "koord -15 -15 15 15");
    const auto linien = f.flaeche.nur("linie");
    ASSERT_EQ(linien.size(), 60u);
    EXPECT_EQ(linien.front(), "linie -15 -15 -15 15");
    EXPECT_EQ(linien[1], "linie -15 -15 15 -15");
    EXPECT_EQ(linien.back(), "linie -15 14 15 14");
    EXPECT_EQ(f.flaeche.nur("stift"), std::vector<std::string>{"stift " + std::to_string(rgb(224, 224, 224))});
    EXPECT_EQ(view::groessenText(30), " 30 x 30");
}

TEST(Feldansicht, CellsInTheColourOfTheirStateOnlyInsideTheField) {
    Feld f;
    testhilfe::zeichne(*f.welt, -1, 0, {"123"});
    f.welt->zelle[29][45] = 2;  // just outside a field of 30
    f.welt->zelle[45][60] = 2;
    f.welt->zelle[44][44] = 9;  // never indexes the colour table
    f.zeichne(30);
    const auto r = f.flaeche.nur("rechteck");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], "rechteck -1 0 0 1");
    EXPECT_EQ(r[2], "rechteck 1 0 2 1");
    const auto ops = f.flaeche.ops;
    EXPECT_EQ(ops[ops.size() - 6], "stift " + std::to_string(rgb(0, 0, 150)));
    EXPECT_EQ(ops[ops.size() - 4], "stift " + std::to_string(rgb(255, 0, 0)));
    EXPECT_EQ(ops[ops.size() - 2], "stift " + std::to_string(rgb(0, 0, 0)));
}

TEST(Feldansicht, NinetyShowsIndicesZeroTo89) {
    Feld f;
    f.welt->zelle[0][0] = 1;
    f.welt->zelle[89][89] = 1;
    f.welt->zelle[90][45] = 1;
    f.zeichne(90);
    const auto r = f.flaeche.nur("rechteck");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], "rechteck -45 -45 -44 -44");
    EXPECT_EQ(r[1], "rechteck 44 44 45 45");
}

TEST(Feldansicht, TheGridShowsWhileItsSwitchColourDiffersFromTheBackground) {
    Feld f;
    auto gitter = [&f] {
        f.zeichne(30);
        return !f.flaeche.nur("linie").empty();
    };
    view::rasterUmschalten(f.anzeige);
    EXPECT_FALSE(gitter());
    // A new background lets a switched-off grid show again; "on" then changes nothing visible.
    view::uebernimmFarbe(f.anzeige, view::FarbZiel::Schirm, rgb(0, 80, 0));
    EXPECT_EQ(f.anzeige.feld(view::FarbZiel::Schirm), rgb(0, 80, 0));
    EXPECT_TRUE(gitter());
    view::rasterUmschalten(f.anzeige);
    EXPECT_TRUE(gitter());
    view::rasterUmschalten(f.anzeige);
    EXPECT_FALSE(gitter());
    view::rasterUmschalten(f.anzeige);
    f.anzeige.hintergrund = view::kRasterEin;  // a background like the switch colour hides it while on
    EXPECT_FALSE(gitter());
}

TEST(Pixelflaeche, CellsCoverTheirGridLinesAndSystemColoursResolve) {
    Feld f;
    testhilfe::zeichne(*f.welt, 0, 0, {"2"});
    view::Pixelflaeche bild(view::kBildBreite, view::kBildHoehe, view::kFensterHintergrund);
    view::Systemfarben system = view::standardSystemfarben();
    system[5] = 0x102030;
    bild.setzeSystemfarben(system);
    view::zeichneFeld(bild, f.welt->zelle, f.anzeige, 30);
    auto pixel = [&](double x, double y) {
        return bild.pixel()[bild.zeile(y) * bild.breite() + bild.spalte(x)] & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(0.5, 0.5), 0xFF0000u);    // the red cell
    EXPECT_EQ(pixel(0.0, 0.5), 0xFF0000u);    // its left grid line is covered
    EXPECT_EQ(pixel(-1.0, 0.5), 0xE0E0E0u);   // the grid elsewhere
    EXPECT_EQ(pixel(-0.5, -0.5), 0x102030u);  // the window background of this desktop
    EXPECT_EQ(bild.spalte(15), view::kBildBreite);
}
