#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <fstream>
#include <thread>

#include "werkbank_hilfe.h"

#include "zensus/suppe.h"

using testhilfe::Bank;
using Bild = std::vector<std::string>;

TEST(Wuerfel, ARandomRuleTicksEachCountWithTheChanceAndBirthOnZeroOnlyWhenAskedInOneUndoStep) {
    Bank b;
    b.w->setzeMaske(85);
    b.w->saeZufall(7);
    int ticks = 0;
    constexpr int kWuerfe = 400;
    for (int k = 0; k < kWuerfe; ++k) {
        b.w->zufallsregel(0.3, false);
        ASSERT_FALSE(b.w->regel().geboren(0));
        ticks += std::popcount(b.w->regel().ueberleben) + std::popcount(b.w->regel().geburt);
    }
    // 17 counts a draw at 30 %: mean 2040, standard deviation about 38.
    EXPECT_NEAR(ticks, 0.3 * 17 * kWuerfe, 5 * 38);
    EXPECT_EQ(b.w->maske(), 85);

    const engine::Regel vorher = b.w->regel();
    b.w->zufallsregel(1.0, true);
    EXPECT_EQ(b.w->regel().geburt, 0x1FF);
    EXPECT_EQ(b.w->rueckgaengigName().art, texte::Schritt::zufallsregel);
    b.w->rueckgaengig();
    EXPECT_EQ(b.w->regel().geburt, vorher.geburt);
    EXPECT_EQ(b.w->regel().ueberleben, vorher.ueberleben);
}

TEST(Wuerfel, ARandomFieldFillsOnlyTheVisibleFieldAtTheDensityInOneUndoStep) {
    Bank b;
    auto lebende = [&](int n) {
        int z = 0;
        for (const std::string& zeile : b.lies(-n / 2, -n / 2, n, n)) z += int(std::count(zeile.begin(), zeile.end(), '1'));
        return z;
    };
    b.w->saeZufall(3);
    b.w->festeGroesse(2);  // 90 x 90
    b.w->zufallsfeld(0.25);
    // 8100 cells at 25 %: mean 2025, standard deviation about 39.
    EXPECT_NEAR(lebende(90), 2025, 5 * 39);
    const Bild vorher = b.lies(-45, -45, 90, 90);
    b.w->festeGroesse(0);
    b.w->zufallsfeld(1.0);
    EXPECT_EQ(lebende(32), 900);  // the whole field and nothing beyond it
    EXPECT_EQ(b.w->rueckgaengigName().art, texte::Schritt::zufallsfeld);
    b.w->rueckgaengig();
    EXPECT_EQ(b.lies(-45, -45, 90, 90), vorher);
}

namespace {

/// The census of the model once it has ended; nothing when it runs on for more than a minute.
std::optional<werkbank::ZensusBericht> abgewartet(werkbank::Werkbank& w) {
    for (int k = 0; k < 60000; ++k) {
        std::optional<werkbank::ZensusBericht> b = w.zensus();
        if (!b || !b->laeuft) return b;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
}

}  // namespace

TEST(Zensus, RunsUnderTheRuleInForceAndRefusesBirthOnZeroOrNoSoups) {
    Bank b;
    b.w->kastenGeklickt(werkbank::Reihe::Geburt, 0);
    EXPECT_EQ(b.w->zensusStarten(10, "").art, werkbank::Meldung::Art::warnung);
    b.w->kastenGeklickt(werkbank::Reihe::Geburt, 0);
    EXPECT_EQ(b.w->zensusStarten(0, "").art, werkbank::Meldung::Art::warnung);
    EXPECT_FALSE(b.w->zensus());

    b.w->setzeMaske(85);
    ASSERT_FALSE(b.w->zensusStarten(30, ""));
    const std::optional<werkbank::ZensusBericht> z = abgewartet(*b.w);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->stand.suppen, 30u);
    EXPECT_FALSE(z->restSekunden);
    EXPECT_EQ(z->auftrag.nachbarMaske, 85);
    EXPECT_EQ(z->auftrag.wurzel.size(), 14u);  // a fresh root: "l_" and twelve characters
}

TEST(Zensus, AnObjectOrItsFirstSoupGoesToTheFieldsMiddleUnderTheCensusRuleAsOneUndoStep) {
    Bank b;
    ASSERT_FALSE(b.w->zensusStarten(20, "l_kEwHfF3ArtPb"));
    const std::optional<werkbank::ZensusBericht> z = abgewartet(*b.w);
    ASSERT_TRUE(z && !z->stand.tabelle.zeilen().empty());

    b.w->setzeRegelText("B36/S23");
    ASSERT_FALSE(b.w->objektEinfuegen("xq4_153"));
    EXPECT_EQ(b.lies(-2, -2, 3, 3), (Bild{"111", "..1", ".1."}));
    EXPECT_EQ(b.w->regelName(), "Life");
    EXPECT_EQ(b.w->rueckgaengigName().art, texte::Schritt::objektEinfuegen);
    EXPECT_EQ(b.w->objektEinfuegen("xq4_").art, werkbank::Meldung::Art::warnung);

    const auto [code, zeile] = z->stand.tabelle.nachHaeufigkeit().front();
    ASSERT_FALSE(b.w->suppeZeigen(code));
    const zensus::Suppe suppe = zensus::suppe("l_kEwHfF3ArtPb", zeile.suppen.front());
    Bild erwartet;
    for (std::uint16_t reihe : suppe) {
        erwartet.emplace_back();
        for (int x = 0; x < 16; ++x) erwartet.back() += (reihe >> x) & 1 ? '1' : '.';
    }
    EXPECT_EQ(b.lies(-8, -8, 16, 16), erwartet);
    b.w->rueckgaengig();
    EXPECT_EQ(b.lies(-2, -2, 3, 3), (Bild{"111", "..1", ".1."}));
}

TEST(Zensus, IsSavedAsCensusTextOrAsCsv) {
    Bank b;
    testhilfe::Ordner ordner;
    EXPECT_EQ(b.w->speichereZensus(ordner / "leer.txt").art, werkbank::Meldung::Art::warnung);
    ASSERT_FALSE(b.w->zensusStarten(10, "l_kEwHfF3ArtPb"));
    const std::optional<werkbank::ZensusBericht> z = abgewartet(*b.w);
    ASSERT_TRUE(z);
    ASSERT_FALSE(b.w->speichereZensus(ordner / "z.txt"));
    ASSERT_FALSE(b.w->speichereZensus(ordner / "z.CSV"));
    std::ifstream text(ordner / "z.txt"), csv(ordner / "z.CSV");
    const zensus::HaulGelesen gelesen =
        zensus::liesHaul(std::string(std::istreambuf_iterator<char>(text), std::istreambuf_iterator<char>()));
    EXPECT_EQ(gelesen.tabelle, z->stand.tabelle);
    EXPECT_EQ(gelesen.kopf.wurzel, "l_kEwHfF3ArtPb");
    std::string zeile;
    std::getline(csv, zeile);
    EXPECT_EQ(zeile, "Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen");
}

TEST(Zensus, EveryNamedStillLifeHasThePopulationItsCodeSays) {
    for (const char* code : {"xs4_33", "xs6_696", "xs7_2596", "xs5_253", "xs6_356", "xs8_6996", "xs4_252"}) {
        ASSERT_FALSE(werkbank::Werkbank::objektName(code).empty()) << code;
        const auto objekt = zensus::entschluessele(code);
        ASSERT_TRUE(objekt) << code;
        EXPECT_EQ(objekt->zellen.size(), std::size_t(code[2] - '0')) << code;
    }
}

TEST(Zensus, KindsNameThePeriodAndASpaceshipsSpeedInLowestTerms) {
    using zensus::Objektart;
    const std::pair<zensus::Merkmale, const char*> faelle[] = {
        {{Objektart::Stillleben, 1, 0, 0}, "Stillleben"},      {{Objektart::Oszillator, 15, 0, 0}, "Oszillator P15"},
        {{Objektart::Raumschiff, 4, 1, -1}, "Raumschiff c/4"}, {{Objektart::Raumschiff, 4, -2, 0}, "Raumschiff c/2"},
        {{Objektart::Raumschiff, 5, 0, 2}, "Raumschiff 2c/5"}, {{Objektart::Raumschiff, 6, 1, 2}, "Raumschiff (2,1)c/6"},
    };
    for (const auto& [merkmale, text] : faelle) EXPECT_EQ(werkbank::Werkbank::artText(merkmale), text);
    EXPECT_EQ(werkbank::Werkbank::artText({Objektart::Raumschiff, 5, 0, 2}, texte::Sprache::englisch), "spaceship 2c/5");
    EXPECT_EQ(werkbank::Werkbank::objektName("xq4_153", texte::Sprache::englisch), "glider");
}
