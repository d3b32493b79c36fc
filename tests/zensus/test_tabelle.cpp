#include <gtest/gtest.h>

#include "zensus/tabelle.h"

namespace {

/// Objects found per soup, as a small census would find them.
const std::vector<std::pair<std::uint64_t, std::vector<std::string>>> kFunde = {
    {0, {"xs4_33", "xp2_7", "xs4_33"}}, {1, {"xq4_153"}}, {2, {"xs4_33"}}, {3, {}},
    {4, {"xp2_7", "xs6_696"}},          {5, {"xs4_33"}},  {6, {"xs4_33"}}, {7, {"xs4_33"}},
    {8, {"xs4_33"}},                    {9, {"xs4_33"}},  {10, {"xs4_33"}}, {11, {"xs4_33", "xp2_7"}},
};

zensus::Tabelle zaehle(std::uint64_t von, std::uint64_t bis, bool rueckwaerts = false) {
    zensus::Tabelle t;
    for (std::size_t i = 0; i < kFunde.size(); ++i) {
        const auto& [suppe, codes] = kFunde[rueckwaerts ? kFunde.size() - 1 - i : i];
        if (suppe >= von && suppe < bis)
            for (const auto& c : codes) t.zaehle(c, suppe);
    }
    return t;
}

TEST(Tabelle, SharesMergeIntoTheTableOfOneRunAndTheHaulTextReadsBack) {
    const zensus::Tabelle ganz = zaehle(0, 12);
    zensus::Tabelle teile = zaehle(7, 12, true);
    teile.fuehreZusammen(zaehle(0, 7));
    EXPECT_EQ(teile, ganz);

    ASSERT_EQ(ganz.zeilen().count("xs4_33"), 1u);
    const zensus::Zeile& block = ganz.zeilen().at("xs4_33");
    EXPECT_EQ(block.anzahl, 10u);
    // Soup 0 held two blocks and is named once.
    EXPECT_EQ(block.suppen, (std::vector<std::uint64_t>{0, 2, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(ganz.objekte(), 15u);

    const zensus::Kopf kopf{"l_abc", "b3s23", 12};
    const std::string text = zensus::haulText(kopf, ganz, "MorLix-2.2");
    EXPECT_EQ(text,
              "@VERSION MorLix-2.2\n@ROOT l_abc\n@RULE b3s23\n@SYMMETRY C1\n@NUM_SOUPS 12\n@NUM_OBJECTS 15\n\n"
              "@CENSUS TABLE\nxs4_33 10\nxp2_7 3\nxq4_153 1\nxs6_696 1\n\n"
              "@SAMPLE_SOUPIDS\nxs4_33 0 2 5 6 7 8 9 10 11\nxp2_7 0 4 11\nxq4_153 1\nxs6_696 4\n");
    const zensus::HaulGelesen g = zensus::liesHaul(text);
    ASSERT_EQ(g.fehler, zensus::HaulFehler::keiner) << g.zeile;
    EXPECT_EQ(g.tabelle, ganz);
    EXPECT_EQ(g.kopf.wurzel, "l_abc");
    EXPECT_EQ(g.kopf.regel, "b3s23");
    EXPECT_EQ(g.kopf.suppen, 12u);
}

TEST(Tabelle, KeepsTheTenLowestSoupsAndRefusesBrokenHauls) {
    zensus::Tabelle t;
    for (std::uint64_t s = 30; s-- > 0;) t.zaehle("xs4_33", s);
    EXPECT_EQ(t.zeilen().at("xs4_33").suppen, (std::vector<std::uint64_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    const std::string kopf = "@ROOT r\n@RULE b3s23\n@NUM_SOUPS 5\n";
    struct Fall {
        std::string text;
        zensus::HaulFehler fehler;
        int zeile;
    };
    const Fall faelle[] = {
        {kopf + "@CENSUS TABLE\nxs4_33 zwei\n", zensus::HaulFehler::keineZahl, 5},
        {kopf + "@CENSUS TABLE\nxs4_33 2\nxs4_33 1\n", zensus::HaulFehler::doppelterCode, 6},
        {kopf + "xs4_33 2\n", zensus::HaulFehler::unbekannteZeile, 4},
        {kopf + "@CENSUS TABLE\nxs4_33 2\n@SAMPLE_SOUPIDS\nxp2_7 1\n", zensus::HaulFehler::unbekannteZeile, 7},
        {"@ROOT r\n@CENSUS TABLE\n", zensus::HaulFehler::fehlendeAngabe, 0},
    };
    for (const Fall& f : faelle) {
        const auto g = zensus::liesHaul(f.text);
        EXPECT_EQ(g.fehler, f.fehler) << f.text;
        EXPECT_EQ(g.zeile, f.zeile) << f.text;
    }
}

}  // namespace
