#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "werkbank_hilfe.h"

using testhilfe::Bank;
using testhilfe::de;
using werkbank::Reihe;

namespace {

/// Everything undo promises to give back: the cells and the settings.
struct Stand {
    std::vector<std::int32_t> zellen;
    werkbank::Einstellungen einstellungen;
    bool operator==(const Stand&) const = default;
};

Stand stand(const werkbank::Werkbank& w) {
    const std::int32_t* z = &w.welt().zellen()[0][0];
    return {std::vector<std::int32_t>(z, z + engine::kDim * engine::kDim), w.einstellungen()};
}

/// Random verbs of the user; two of a kind that forms one step together never follow each other.
struct Zufall {
    std::mt19937 z;
    int letzte = -1;
    int wahl(int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); }
    double ort(int n) { return wahl(n * 100) / 100.0 - n / 2.0; }

    void tue(werkbank::Werkbank& w) {
        int art;
        do art = wahl(15);
        while (art == letzte && (art == 8 || art == 9 || art == 14));
        letzte = art;
        const int n = w.feldGroesse();
        switch (art) {
            case 0: w.mausRunter(1, ort(n), ort(n)); break;
            case 1:
                w.mausRunter(2, 0, 0);
                for (int k = 0; k < 5; ++k) w.mausBewegt(ort(n), ort(n));
                w.mausHoch();
                break;
            case 2: w.beispielEinfuegen(wahl(17)); break;
            case 3: w.scrollSchritt(wahl(4)); break;
            case 4:
                w.scrollHalten();
                for (int k = 0; k < 3; ++k) w.scrollWiederholung(2);
                w.scrollLoslassen();
                break;
            case 5: wahl(2) ? w.festeGroesse(wahl(3)) : w.freieGroesse(std::to_string(wahl(90))); break;
            case 6: w.kastenGeklickt(wahl(2) ? Reihe::Geburt : Reihe::Ueberleben, wahl(9)); break;
            case 7: w.setzeMaske(static_cast<std::uint8_t>(wahl(256))); break;
            case 8:
                for (int k = 1 + wahl(3); k > 0; --k) w.einzelschritt();
                break;
            case 9:
                w.setzeGenerationenText("3");
                w.laufUmschalten();
                w.takt();
                w.takt();
                w.laufUmschalten();
                break;
            case 10: w.setzeRand(static_cast<engine::Rand>(wahl(3))); break;
            case 11: w.setzeFarbe(static_cast<view::FarbZiel>(wahl(5)), view::rgb(wahl(256), wahl(256), 7)); break;
            case 12: w.rasterUmschalten(); break;
            case 13: wahl(4) ? w.zellenLoeschen() : w.neu(); break;
            default: w.rueckblick(wahl(100)); break;
        }
    }
};

}  // namespace

TEST(Chronik, UndoingEverythingAndRedoingItGivesBackEveryStateOnTheWay) {
    for (unsigned saat : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(saat);
        Bank b(false);
        b.w->start();
        b.w->laufUmschalten();  // stopped: the runs below start it themselves
        Zufall zufall{std::mt19937(saat)};
        std::vector<Stand> staende{stand(*b.w)};
        for (int k = 0; k < 80; ++k) {
            zufall.tue(*b.w);
            if (stand(*b.w) != staende.back()) staende.push_back(stand(*b.w));
        }
        for (std::size_t k = staende.size() - 1; k > 0; --k) {
            b.w->rueckgaengig();
            ASSERT_TRUE(stand(*b.w) == staende[k - 1]) << "undo to state " << k - 1;
        }
        EXPECT_TRUE(de(b.w->rueckgaengigName()).empty());
        for (std::size_t k = 1; k < staende.size(); ++k) {
            b.w->wiederholen();
            ASSERT_TRUE(stand(*b.w) == staende[k]) << "redo to state " << k;
        }
        EXPECT_TRUE(de(b.w->wiederholenName()).empty());
    }
}

TEST(Chronik, ARunIsOneStepWhoseUndoKeepsThePastOfTheWorldItRestores) {
    using Bild = std::vector<std::string>;
    Bank b;
    b.zeichne(-1, 0, {"OOO"});
    b.w->einzelschritt();
    b.w->einzelschritt();
    b.w->rueckblick(99);  // the depth box shows " 0" from now on
    b.zeichne(10, 10, {"O"});
    auto lauf = [&](const char* jeTakt, int takte) {
        b.w->setzeGenerationenText(jeTakt);
        b.w->laufUmschalten();
        for (int k = 0; k < takte; ++k) b.w->takt();
        b.w->laufUmschalten();
    };
    auto rueckblick = [&](int v) {
        b.w->rueckblick(v);
        return b.lies(-1, -1, 3, 3);
    };

    // Undoing a short run steps the ring back: the generations before it show again.
    lauf("5", 1);
    EXPECT_EQ(de(b.w->rueckgaengigName()), "5 Generationen");
    b.w->rueckgaengig();
    EXPECT_EQ(de(b.w->wiederholenName()), "5 Generationen");
    ASSERT_EQ(b.w->zaehlerText(), " 2");
    EXPECT_EQ(rueckblick(98), (Bild{".2.", ".1.", ".2."}));
    EXPECT_EQ(rueckblick(97), (Bild{"...", "222", "..."}));
    EXPECT_EQ(rueckblick(96), (Bild{"...", "...", "..."}));
    EXPECT_EQ(rueckblick(99), (Bild{"...", "232", "..."}));
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 4);

    // Redone, the run's own generations are back.
    b.w->wiederholen();
    ASSERT_EQ(b.w->zaehlerText(), " 7");
    EXPECT_EQ(rueckblick(98), (Bild{"...", "232", "..."}));
    EXPECT_EQ(rueckblick(97), (Bild{".2.", ".3.", ".2."}));
    b.w->rueckblick(99);
    b.w->rueckgaengig();

    // Clearing the memory is undone like any edit.
    b.w->gedaechtnisLoeschen();
    EXPECT_EQ(b.w->animationsBilder(), 1);
    b.w->rueckgaengig();
    EXPECT_EQ(rueckblick(98), (Bild{".2.", ".1.", ".2."}));
    b.w->rueckblick(99);

    // A run round the whole ring leaves nothing of the past.
    lauf("121", 1);
    EXPECT_EQ(de(b.w->rueckgaengigName()), "121 Generationen");
    b.w->rueckgaengig();
    EXPECT_FALSE(b.w->laeuft());
    EXPECT_EQ(b.w->zaehlerText(), " 2");
    EXPECT_EQ(rueckblick(98), (Bild{"...", "...", "..."}));
}

TEST(Chronik, OnlyEditsSinceTheLastSaveOrLoadMarkTheWorldChangedAndTheWindowHearsSo) {
    const testhilfe::Ordner o;
    const std::string datei = o / "welt.vir";
    std::ofstream(o / "muster.cells") << "O\nO\nO\n";
    Bank b(false);
    werkbank::Werkbank& w = *b.w;
    struct : testhilfe::Zuschauer {
        bool gezeigt = false;
        const werkbank::Werkbank* w;
        void geaendert(std::uint32_t was) override { gezeigt = was & werkbank::kChronik ? w->veraendert() : gezeigt; }
    } fenster;
    fenster.w = &w;
    w.beobachte(fenster);
    const auto veraendertNach = [&](auto tue) {
        tue();
        EXPECT_EQ(fenster.gezeigt, w.veraendert());
        return w.veraendert();
    };
    EXPECT_FALSE(veraendertNach([&] { w.start(); }));
    EXPECT_FALSE(veraendertNach([&] { w.laufUmschalten(); w.einzelschritt(); }));
    EXPECT_TRUE(veraendertNach([&] { w.beispielEinfuegen(1); }));
    EXPECT_FALSE(veraendertNach([&] { w.rueckgaengig(); }));
    EXPECT_FALSE(veraendertNach([&] { w.wiederholen(); ASSERT_FALSE(w.speichereWelt(datei)); }));
    EXPECT_TRUE(veraendertNach([&] { w.rueckgaengig(); }));
    EXPECT_EQ(w.titel(), "MorLix 2.2  " + datei);  // the save named the file
    EXPECT_FALSE(veraendertNach([&] { w.wiederholen(); }));
    EXPECT_TRUE(veraendertNach([&] { w.kastenGeklickt(Reihe::Geburt, 0); }));
    EXPECT_FALSE(veraendertNach([&] { w.neu(); }));
    EXPECT_FALSE(veraendertNach([&] { w.beispielEinfuegen(1); ASSERT_FALSE(w.ladeWelt(datei)); }));
    EXPECT_TRUE(veraendertNach([&] { w.rueckgaengig(); }));
    EXPECT_EQ(w.titel(), "Morlix 1.0");  // as before the world was opened
    EXPECT_FALSE(veraendertNach([&] { w.wiederholen(); }));
    EXPECT_FALSE(veraendertNach([&] { w.beispielEinfuegen(1); ASSERT_FALSE(w.oeffne(o / "muster.cells")); }));
    // Looking back only looks; going on from the past replaces the world.
    EXPECT_FALSE(veraendertNach([&] { w.rueckblick(97); w.rueckblick(98); }));
    EXPECT_TRUE(veraendertNach([&] { w.einzelschritt(); }));
    EXPECT_FALSE(veraendertNach([&] { ASSERT_FALSE(w.ladeWelt(datei)); w.einzelschritt(); w.rueckblick(99); }));
    EXPECT_FALSE(veraendertNach([&] { w.einzelschritt(); }));
}

// Steps that each change every cell fill the bound after about 1600; the oldest go first.
TEST(Chronik, BeyondItsBoundTheHistoryForgetsItsOldestStepsAndKeepsAThousand) {
    auto welt = std::make_unique<engine::Welt>();
    werkbank::Chronik chronik;
    constexpr int kSchritte = 2000;
    engine::Zellen z;
    for (int k = 1; k <= kSchritte; ++k) {
        chronik.oeffne(werkbank::Art::Lauf, texte::Schritt::lauf, {});
        chronik.generationen(k);
        std::fill(&z[0][0], &z[0][0] + engine::kDim * engine::kDim, k % 3 + 1);
        welt->setzeZellen(z);
        ASSERT_TRUE(chronik.schliesse(*welt, {}));
        ASSERT_LE(chronik.bytes(), werkbank::Chronik::kMaxBytes);
    }
    const int behalten = static_cast<int>(chronik.schritte());
    ASSERT_TRUE(behalten >= 1000 && behalten < kSchritte) << behalten;  // the bound was reached
    for (int k = kSchritte; k > kSchritte - behalten; --k) {
        ASSERT_EQ(chronik.rueckgaengigName().generationen, k);
        ASSERT_NE(chronik.zurueck(), nullptr);
    }
    EXPECT_EQ(chronik.zurueck(), nullptr);
}
