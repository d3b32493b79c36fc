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
        view::zeichneFeld(flaeche, welt->zellen(), anzeige, n);
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
    EXPECT_EQ(view::groessenText(30), " 30 x 30");
}

TEST(Feldansicht, CellsInTheColourOfTheirStateOnlyInsideTheField) {
    Feld f;
    testhilfe::zeichne(*f.welt, -1, 0, {"123"});
    f.welt->setzeZelle(29, 45, 2), f.welt->setzeZelle(45, 60, 2);  // just outside a field of 30
    f.welt->setzeZelle(44, 44, 9);                      // never indexes the colour table
    f.zeichne(30);
    const auto& ops = f.flaeche.ops;
    ASSERT_EQ(f.flaeche.nur("rechteck").size(), 3u);
    const auto stift = [](view::Farbe c) { return "stift " + std::to_string(c); };
    EXPECT_EQ(std::vector(ops.end() - 6, ops.end()),
              (std::vector<std::string>{stift(rgb(0, 0, 150)), "rechteck -1 0 0 1", stift(rgb(255, 0, 0)),
                                        "rechteck 0 0 1 1", stift(rgb(0, 0, 0)), "rechteck 1 0 2 1"}));
    // A field of 90 shows indices 0 to 89.
    Feld g;
    for (auto [x, y] : {std::pair{0, 0}, {89, 89}, {90, 45}}) g.welt->setzeZelle(x, y, 1);
    g.zeichne(90);
    EXPECT_EQ(g.flaeche.nur("rechteck"), (std::vector<std::string>{"rechteck -45 -45 -44 -44", "rechteck 44 44 45 45"}));
}

// A new background lets a switched-off grid show again; "on" then changes nothing visible, and a
// background like the switch colour hides it while on.
TEST(Feldansicht, TheGridShowsWhileItsSwitchColourDiffersFromTheBackground) {
    Feld f;
    const auto gitterNach = [&f](auto tue) {
        tue();
        f.zeichne(30);
        return !f.flaeche.nur("linie").empty();
    };
    const auto umschalten = [&f] { view::rasterUmschalten(f.anzeige); };
    EXPECT_FALSE(gitterNach(umschalten));
    EXPECT_TRUE(gitterNach([&f] { view::uebernimmFarbe(f.anzeige, view::FarbZiel::Schirm, rgb(0, 80, 0)); }));
    EXPECT_EQ(f.anzeige.feld(view::FarbZiel::Schirm), rgb(0, 80, 0));
    EXPECT_TRUE(gitterNach(umschalten));
    EXPECT_FALSE(gitterNach(umschalten));
    EXPECT_FALSE(gitterNach([&] { umschalten(); f.anzeige.hintergrund = view::kRasterEin; }));
}

TEST(Pixelflaeche, CellsCoverTheirGridLinesAndSystemColoursResolve) {
    Feld f;
    testhilfe::zeichne(*f.welt, 0, 0, {"2"});
    view::Pixelflaeche bild(view::kBildBreite, view::kBildHoehe, view::kFensterHintergrund);
    view::Systemfarben system = view::standardSystemfarben();
    system[5] = 0x102030;
    bild.setzeSystemfarben(system);
    view::zeichneFeld(bild, f.welt->zellen(), f.anzeige, 30);
    auto pixel = [&](double x, double y) {
        return bild.pixel()[bild.zeile(y) * bild.breite() + bild.spalte(x)] & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(0.5, 0.5), 0xFF0000u);    // the red cell
    EXPECT_EQ(pixel(0.0, 0.5), 0xFF0000u);    // its left grid line is covered
    EXPECT_EQ(pixel(-1.0, 0.5), 0xE0E0E0u);   // the grid elsewhere
    EXPECT_EQ(pixel(-0.5, -0.5), 0x102030u);  // the window background of this desktop
    EXPECT_EQ(bild.spalte(15), view::kBildBreite);
}
