#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/schritt.h"
#include "examples/beispiele.h"
#include "history/periode.h"
#include "testhilfe/bild.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;
using history::Periodensuche;

namespace {

/// Survival with 1 or 3, birth with 3: the "1-3 / 3" world of the example panel.
constexpr Regel kEinsBisDrei{0b1010, 0b1000};

struct Lauf {
    std::unique_ptr<Welt> w = std::make_unique<Welt>();
    Periodensuche suche;
    Regel regel = Regel::standard();

    explicit Lauf(int n, const std::vector<std::string>& bild = {}, int links = 0, int oben = 0) {
        w->feldGroesse = n;
        testhilfe::zeichne(*w, links, oben, bild);
        suche.neuerLauf(*w);
    }
    void schritt() {
        engine::schritt(*w, regel, Rand::Torus);
        suche.nachSchritt(*w);
    }
    int periode() const { return suche.befund().periode; }
    std::string text() const { return history::befundText(suche.befund()); }
};

/// The living cells of the field, row by row.
std::vector<bool> lebendKarte(const Welt& w) {
    std::vector<bool> karte;
    const int n = w.feldGroesse;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            karte.push_back(w.zelle[engine::speicherIndex(x - n / 2)][engine::speicherIndex(y - n / 2)] != 0);
    return karte;
}

/// The smallest k in 1..99 with verlauf[end - k] == verlauf.back(), found the slow way.
int periodeVon(const std::vector<std::vector<bool>>& verlauf) {
    const int letzter = static_cast<int>(verlauf.size()) - 1;
    for (int k = 1; k <= 99 && k <= letzter; ++k)
        if (verlauf[letzter - k] == verlauf[letzter]) return k;
    return 0;
}

}  // namespace

TEST(Periode, TexteDesBefunds) {
    EXPECT_EQ(history::befundText({0, 0}), "leer");
    EXPECT_EQ(history::befundText({0, 1}), "leer");
    EXPECT_EQ(history::befundText({4, 1}), "statisch");
    EXPECT_EQ(history::befundText({3, 2}), "Periode 2");
    EXPECT_EQ(history::befundText({12, 40}), "Periode 40");
    EXPECT_EQ(history::befundText({123, 0}), "123 Zellen");
    EXPECT_EQ(history::befundText({1, 0}), "1 Zelle");
}

TEST(Periode, BlinkerBlockUndLeeresFeld) {
    Lauf blinker(30, {"222"});
    EXPECT_EQ(blinker.text(), "3 Zellen");
    blinker.schritt();
    EXPECT_EQ(blinker.text(), "3 Zellen");  // one state back is the other phase
    for (int k = 0; k < 5; ++k) {
        blinker.schritt();
        EXPECT_EQ(blinker.text(), "Periode 2");
    }

    // Ages change from step to step; only living or not counts.
    Lauf block(30, {"22", "22"});
    block.schritt();
    EXPECT_EQ(block.text(), "statisch");
    block.schritt();
    EXPECT_EQ(block.text(), "statisch");

    Lauf leer(30);
    EXPECT_EQ(leer.text(), "leer");
    leer.schritt();
    EXPECT_EQ(leer.text(), "leer");
}

TEST(Periode, VierPhasenBlinkerDerBeispiele) {
    for (int muster : {13, 16}) {
        SCOPED_TRACE(muster);
        Lauf lauf(30);
        lauf.regel = kEinsBisDrei;
        examples::fuegeEin(*lauf.w, muster);
        lauf.suche.neuerLauf(*lauf.w);
        for (int k = 1; k <= 3; ++k) {
            lauf.schritt();
            EXPECT_EQ(lauf.periode(), 0) << "Schritt " << k;
        }
        for (int k = 4; k <= 12; ++k) {
            lauf.schritt();
            EXPECT_EQ(lauf.text(), "Periode 4") << "Schritt " << k;
        }
    }
}

TEST(Periode, GleiterAufDemKleinenTorusKommtNach40Schritten) {
    Lauf gleiter(10, {".2.", "..2", "222"}, -2, -2);
    for (int k = 1; k < 40; ++k) {
        gleiter.schritt();
        ASSERT_EQ(gleiter.text(), "5 Zellen") << "Schritt " << k;
    }
    gleiter.schritt();
    EXPECT_EQ(gleiter.text(), "Periode 40");
    EXPECT_EQ(gleiter.suche.staende(), 41);
}

TEST(Periode, SuppeMeldetNichtsBisSieSichBeruhigt) {
    Lauf suppe(16);
    std::uint32_t zufall = 12345;
    for (int x = -8; x < 8; ++x)
        for (int y = -8; y < 8; ++y) {
            zufall = zufall * 1103515245u + 12345u;
            if ((zufall >> 16) % 100 < 35) suppe.w->zelle[engine::speicherIndex(x)][engine::speicherIndex(y)] = 2;
        }
    suppe.suche.neuerLauf(*suppe.w);
    std::vector<std::vector<bool>> verlauf{lebendKarte(*suppe.w)};
    int ersterFund = 0;
    for (int k = 1; k <= 400; ++k) {
        suppe.schritt();
        verlauf.push_back(lebendKarte(*suppe.w));
        ASSERT_EQ(suppe.periode(), periodeVon(verlauf)) << "Schritt " << k;
        ASSERT_EQ(suppe.suche.befund().lebende, testhilfe::lebende(*suppe.w));
        if (suppe.periode() != 0 && ersterFund == 0) ersterFund = k;
    }
    EXPECT_GT(ersterFund, 10);
    EXPECT_NE(suppe.periode(), 0);
}

TEST(Periode, EinEingriffBeginntEinenNeuenLauf) {
    Lauf blinker(30, {"222"});
    blinker.schritt();
    blinker.schritt();
    ASSERT_EQ(blinker.text(), "Periode 2");

    // A reported edit: the finding is the population at once, and the count starts again.
    testhilfe::zeichne(*blinker.w, 8, 8, {"22", "22"});
    blinker.suche.neuerLauf(*blinker.w);
    EXPECT_EQ(blinker.text(), "7 Zellen");
    EXPECT_EQ(blinker.suche.staende(), 0);
    blinker.schritt();
    EXPECT_EQ(blinker.text(), "7 Zellen");
    blinker.schritt();
    EXPECT_EQ(blinker.text(), "Periode 2");

}

TEST(Periode, GroessenNachbarschaftUndRingsprungBeginnenEinenNeuenLauf) {
    Lauf block(30, {"22", "22"});
    block.schritt();
    ASSERT_EQ(block.text(), "statisch");
    block.w->feldGroesse = 10;
    block.schritt();
    EXPECT_EQ(block.suche.staende(), 2);
    EXPECT_EQ(block.text(), "statisch");

    Lauf blinker(30, {"222"});
    blinker.schritt();
    blinker.schritt();
    ASSERT_EQ(blinker.text(), "Periode 2");
    blinker.w->nachbarMaske = 0b01010101;  // the four direct neighbours: the blinker shrinks
    blinker.schritt();
    EXPECT_EQ(blinker.suche.staende(), 2);
    EXPECT_EQ(blinker.text(), "1 Zelle");

    Lauf zweiter(30, {"222"});
    zweiter.schritt();
    zweiter.schritt();
    zweiter.w->gedIndex = (zweiter.w->gedIndex + 50) % engine::kRing;  // as after a new start
    zweiter.schritt();
    EXPECT_EQ(zweiter.suche.staende(), 2);
    EXPECT_EQ(zweiter.periode(), 0);
}

TEST(Periode, DerLaufHaeltHoechstensDenRingUndNenntSeineFaecher) {
    Lauf blinker(30, {"222"});
    EXPECT_EQ(blinker.suche.staende(), 0);
    blinker.schritt();
    ASSERT_EQ(blinker.suche.staende(), 2);
    EXPECT_EQ(blinker.suche.slot(1), blinker.w->gedIndex);
    EXPECT_EQ(blinker.suche.slot(0), (blinker.w->gedIndex + engine::kRing - 1) % engine::kRing);
    for (int k = 0; k < 150; ++k) blinker.schritt();
    EXPECT_EQ(blinker.suche.staende(), engine::kRing);
    EXPECT_EQ(blinker.suche.slot(engine::kRing - 1), blinker.w->gedIndex);
    EXPECT_EQ(blinker.suche.slot(0), (blinker.w->gedIndex + 1) % engine::kRing);
    EXPECT_EQ(blinker.text(), "Periode 2");
}

// Rows are read in blocks of 16 cells; every field size has its own last block.
TEST(Periode, BlinkerAmRandJederFeldgroesse) {
    for (int n = 2; n <= engine::kMaxFeld; n += 2) {
        SCOPED_TRACE(n);
        if (n < 6) continue;  // too small for a blinker to live
        Lauf lauf(n, {"222"}, -n / 2, -n / 2 + 1);
        for (int k = 0; k < 3; ++k) lauf.schritt();
        EXPECT_EQ(lauf.text(), "Periode 2");
    }
}
