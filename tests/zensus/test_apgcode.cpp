#include <gtest/gtest.h>

#include <set>

#include "zensus/apgcode.h"

namespace {

using zensus::Objektart;
using zensus::Punkt;
using zensus::Zellen;

Zellen ausBild(const std::vector<std::string>& bild) {
    Zellen z;
    for (int y = 0; y < static_cast<int>(bild.size()); ++y)
        for (int x = 0; x < static_cast<int>(bild[y].size()); ++x)
            if (bild[y][x] == 'O') z.push_back({x, y});
    return z;
}

/// Conway's Life on the unbounded plane, cell by cell: the test's own reference.
Zellen lifeSchritt(const Zellen& zellen) {
    std::set<std::pair<int, int>> lebt, kandidaten;
    for (const Punkt& p : zellen) lebt.insert({p.x, p.y});
    for (const Punkt& p : zellen)
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) kandidaten.insert({p.x + dx, p.y + dy});
    Zellen neu;
    for (const auto& [x, y] : kandidaten) {
        int n = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) n += (dx || dy) && lebt.count({x + dx, y + dy});
        if (n == 3 || (n == 2 && lebt.count({x, y}))) neu.push_back({x, y});
    }
    return neu;
}

/// The eight images of the square, made here by quarter turns and one mirror.
Zellen lage(Zellen z, int k) {
    for (Punkt& p : z) {
        if (k >= 4) p.x = -p.x;
        for (int r = 0; r < k % 4; ++r) p = {-p.y, p.x};
    }
    return z;
}

TEST(Apgcode, NamesEveryPhaseAndOrientationOfAnObjectAlike) {
    // Codes as the community census lists them.
    struct Fall {
        std::vector<std::string> bild;
        Objektart art;
        int periode;
        const char* code;
    };
    const Fall faelle[] = {
        {{"OO", "OO"}, Objektart::Stillleben, 1, "xs4_33"},
        {{".OO.", "O..O", ".OO."}, Objektart::Stillleben, 1, "xs6_696"},
        {{".OO.", "O..O", ".O.O", "..O."}, Objektart::Stillleben, 1, "xs7_2596"},
        {{"OO.", "O.O", ".O."}, Objektart::Stillleben, 1, "xs5_253"},
        {{"OO.", "O.O", ".OO"}, Objektart::Stillleben, 1, "xs6_356"},
        {{"OOO"}, Objektart::Oszillator, 2, "xp2_7"},
        {{".OOO", "OOO."}, Objektart::Oszillator, 2, "xp2_7e"},
        {{"OO..", "OO..", "..OO", "..OO"}, Objektart::Oszillator, 2, "xp2_318c"},
        {{".O.", "..O", "OOO"}, Objektart::Raumschiff, 4, "xq4_153"},
        {{".O..O", "O....", "O...O", "OOOO."}, Objektart::Raumschiff, 4, "xq4_6frc"},
    };
    for (const Fall& f : faelle) {
        std::vector<Zellen> phasen{ausBild(f.bild)};
        for (int i = 1; i < f.periode; ++i) phasen.push_back(lifeSchritt(phasen.back()));
        for (int start = 0; start < f.periode; ++start)
            for (int k = 0; k < 8; ++k) {
                std::vector<Zellen> gedreht;
                for (int i = 0; i < f.periode; ++i) gedreht.push_back(lage(phasen[(start + i) % f.periode], k));
                EXPECT_EQ(zensus::apgcode(f.art, f.periode, gedreht, zensus::kAlleLagen), f.code)
                    << f.code << " phase " << start << " orientation " << k;
            }
        // The code's cells are one of the object's phases.
        const auto e = zensus::entschluessele(f.code);
        ASSERT_TRUE(e) << f.code;
        EXPECT_EQ(e->art, f.art);
        EXPECT_EQ(e->periode, f.periode);
        EXPECT_EQ(zensus::apgcode(f.art, f.periode, std::vector<Zellen>{e->zellen}, zensus::kAlleLagen), f.code);
    }
}

TEST(Apgcode, ANeighbourMaskKeepsOnlyTheSymmetriesThatMapItOntoItself) {
    // An L of three cells and its mirror images.
    const Zellen l = ausBild({"O.", "OO"});
    const Zellen obenUnten = ausBild({"OO", "O."});
    const Zellen linksRechts = ausBild({".O", "OO"});
    auto code = [](const Zellen& z, std::uint8_t lagen) {
        return zensus::apgcode(Objektart::Stillleben, 1, std::vector<Zellen>{z}, lagen);
    };
    EXPECT_EQ(zensus::symmetrien(255), zensus::kAlleLagen);
    EXPECT_EQ(zensus::symmetrien(0b0101'0101), zensus::kAlleLagen);  // the four orthogonal neighbours

    // Only the left neighbour counts: the world looks the same upside down, not mirrored left to right.
    const std::uint8_t links = zensus::symmetrien(0b0000'0001);
    EXPECT_EQ(code(l, links), code(obenUnten, links));
    EXPECT_NE(code(l, links), code(linksRechts, links));
    // Left, upper left and up: symmetric only about the diagonal through them.
    const std::uint8_t ecke = zensus::symmetrien(0b0000'0111);
    EXPECT_NE(code(l, ecke), code(obenUnten, ecke));
    // Left and upper left: no symmetry at all, every mirror image has its own code.
    const std::uint8_t keine = zensus::symmetrien(0b0000'0011);
    EXPECT_EQ(keine, 1u);
    EXPECT_NE(code(l, keine), code(lage(l, 1), keine));
}

TEST(Apgcode, WechslerTextsSayLongGapsAndEmptyStripsAndReadBack) {
    const Zellen weit = {{0, 0}, {1, 0}, {3, 0}, {7, 0}, {12, 0}, {60, 0}, {0, 12}};
    // Columns 2, 4-6, 8-11 and 13-59 empty; rows 5..9 an empty strip.
    EXPECT_EQ(zensus::wechsler(weit), "1101x1y01yzy41zz4");
    const auto zurueck = zensus::ausWechsler(zensus::wechsler(weit));
    ASSERT_TRUE(zurueck);
    std::set<std::pair<int, int>> a, b;
    for (const Punkt& p : weit) a.insert({p.x, p.y});
    for (const Punkt& p : *zurueck) b.insert({p.x, p.y});
    EXPECT_EQ(a, b);

    for (const char* kaputt : {"xs4_3w", "xs5_33", "xz4_33", "xs4_", "xp2_7y", "xs4_3%"})
        EXPECT_FALSE(zensus::entschluessele(kaputt)) << kaputt;
}

}  // namespace
