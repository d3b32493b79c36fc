#include <gtest/gtest.h>

#include "zensus/zensus.h"

namespace {

using zensus::Objektart;

/// The living cells of a picture: "O" alive, anything else empty; x to the right, y downward.
zensus::Zellen bild(std::initializer_list<std::string_view> zeilen) {
    zensus::Zellen z;
    int y = 0;
    for (std::string_view zeile : zeilen) {
        for (int x = 0; x < static_cast<int>(zeile.size()); ++x)
            if (zeile[static_cast<std::size_t>(x)] == 'O') z.push_back({x, y});
        ++y;
    }
    return z;
}

std::multiset<std::string> codes(const std::vector<zensus::Fund>& funde) {
    std::multiset<std::string> c;
    for (const zensus::Fund& f : funde) c.insert(f.code);
    return c;
}

TEST(Zensus, HandMadePatternsSettleIntoTheirObjects) {
    // Block and blinker share the empty cell between them (2 neighbours there, no birth): two
    // objects. Block and blinker one column closer give birth between them: one reaction.
    const std::pair<zensus::Zellen, std::multiset<std::string>> faelle[] = {
        {bild({"OO", "OO"}), {"xs4_33"}},
        {bild({"OOO"}), {"xp2_7"}},
        {bild({".O", "..O", "OOO"}), {"xq4_153"}},
        {bild({"OO...", "OO...", ".....", "...O.", "...O.", "...O."}), {"xs4_33", "xp2_7"}},
        {bild({"OO..........", "OO..........", "............", "..........OO", "..........OO"}), {"xs4_33", "xs4_33"}},
        {bild({"O", "O", "O", "", "", "", "", "", "", "", "", "O", "O", "O"}), {"xp2_7", "xp2_7"}},
        {{}, {}},
    };
    zensus::Labor labor;
    for (const auto& [zellen, erwartet] : faelle) EXPECT_EQ(codes(labor.untersuche({}, zellen)), erwartet);
    // The beehives of a reaction that starts from block and blinker side by side.
    const auto reaktion = codes(labor.untersuche({}, bild({"OO..O", "OO..O", "....O"})));
    EXPECT_FALSE(reaktion.contains("xs4_33") && reaktion.contains("xp2_7"));
}

TEST(Zensus, SpaceshipsMoveTheirWayAndAnAsymmetricMaskTellsMirrorImagesApart) {
    zensus::Labor labor;
    const auto gleiter = labor.untersuche({}, bild({".O", "..O", "OOO"}));
    ASSERT_EQ(gleiter.size(), 1u);
    EXPECT_EQ(gleiter[0].merkmale.art, Objektart::Raumschiff);
    EXPECT_EQ(gleiter[0].merkmale.periode, 4);
    EXPECT_EQ(std::pair(std::abs(gleiter[0].merkmale.dx), std::abs(gleiter[0].merkmale.dy)), std::pair(1, 1));
    const auto lwss = labor.untersuche({}, bild({".O..O", "O....", "O...O", "OOOO."}));
    ASSERT_EQ(lwss.size(), 1u);
    EXPECT_EQ(lwss[0].code, "xq4_6frc");
    EXPECT_EQ(std::abs(lwss[0].merkmale.dx) + std::abs(lwss[0].merkmale.dy), 2);
    EXPECT_EQ(lwss[0].merkmale.dx * lwss[0].merkmale.dy, 0);

    // Counting only the right-hand neighbour under B1/S1, every piece moves one cell left per
    // generation. The mask keeps only top and bottom apart from each other, so a piece and its
    // mirror image from left to right are different objects.
    zensus::Auftrag nachLinks;
    nachLinks.regel = {0b10, 0b10};
    nachLinks.nachbarMaske = 16;
    const auto funde = labor.untersuche(nachLinks, bild({"O.....O", "OO...OO"}));
    EXPECT_EQ(codes(funde), (std::multiset<std::string>{"xq1_31", "xq1_13"}));
    ASSERT_EQ(funde.size(), 2u);
    EXPECT_EQ(std::pair(funde[0].merkmale.dx, funde[0].merkmale.dy), std::pair(-1, 0));
}

TEST(Zensus, ACensusRefusesBirthOnNothingAndNamesItsRule) {
    zensus::Auftrag a;
    a.bis = 1;
    EXPECT_EQ(zensus::pruefe(a), zensus::Einwand::keiner);
    a.regel.geburt |= 1;
    EXPECT_EQ(zensus::pruefe(a), zensus::Einwand::geburtBeiNull);
    EXPECT_EQ(zensus::regelName({0b1100, 0b1001000}, 255), "b36s23");
    EXPECT_EQ(zensus::regelName({0b100001100, 0b1000}, 85), "b3s238_m85");
    const auto r = zensus::ausRegelName("b36s23_m170");
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tuple(r->first.geburt, r->first.ueberleben, r->second), std::tuple(0b1001000, 0b1100, 170));
    EXPECT_FALSE(zensus::ausRegelName("b3s23_m255"));
}

}  // namespace
