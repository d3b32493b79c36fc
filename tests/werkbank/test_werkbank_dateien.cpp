#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "storage/weltdatei.h"
#include "testhilfe/gifleser.h"
#include "werkbank_hilfe.h"

using testhilfe::Bank;
using werkbank::Meldung;
using werkbank::Reihe;
namespace fs = std::filesystem;

TEST(WerkbankDateien, AWorldComesBackWithAgesSizeBoxesEdgeAndColoursButNotMaskCounterOrMemory) {
    const testhilfe::Ordner o;
    Bank a;
    a.w->freieGroesse("40");
    a.zeichne(-20, -20, {"O"});
    a.w->einzelschritt();  // the corner cell dies; a block ages
    a.zeichne(0, 0, {"OO", "OO"});
    a.w->einzelschritt();
    a.zeichne(5, 5, {"O"});
    a.w->kastenGeklickt(Reihe::Geburt, 6);
    a.w->setzeRand(engine::Rand::Spiegel);
    a.w->setzeFarbe(view::FarbZiel::ZelleAlt1, view::rgb(7, 8, 9));
    a.w->festeGroesse(0);  // cells outside the field stay in the file
    ASSERT_FALSE(a.w->speichereWelt(o / "welt"));
    EXPECT_EQ(a.w->titel(), "MorLix 2.2  " + o / "welt.vir");

    Bank b;
    b.w->setzeMaske(85);
    b.w->setzeZaehlerText("17");
    ASSERT_FALSE(b.w->ladeWelt(o / "welt.vir"));
    EXPECT_TRUE(a.w->welt().gleicheZellen(b.w->welt()));
    EXPECT_EQ(std::pair(b.w->feldGroesse(), b.w->groessenHaken()), std::pair(30, -1));
    EXPECT_EQ(b.w->kaesten(Reihe::Geburt), a.w->kaesten(Reihe::Geburt));
    EXPECT_EQ(b.w->rand(), engine::Rand::Spiegel);
    EXPECT_EQ(b.w->anzeige().zellFarbe[1], view::rgb(7, 8, 9));
    EXPECT_EQ(b.w->anzeige().feld(view::FarbZiel::ZelleAlt1), view::rgb(7, 8, 9));
    EXPECT_EQ(std::pair(int{b.w->maske()}, b.w->zaehlerText()), std::pair(85, std::string("17")));
    EXPECT_EQ(b.w->titel(), "MorLix 2.2  " + o / "welt.vir");
}

TEST(WerkbankDateien, APartlyTickedBoxFromAFileIsKeptButDoesNotCount) {
    const testhilfe::Ordner o;
    storage::WeltDatei datei;
    datei.ueberleben[2] = 2;
    datei.ueberleben[3] = datei.geburt[3] = 1;
    datei.rand[0] = true;
    for (int x : {44, 45, 46}) datei.zelle[x][45] = 1;
    std::ofstream(o / "teil.vir", std::ios::binary) << storage::weltDateiText(datei);
    Bank b;
    ASSERT_FALSE(b.w->ladeWelt(o / "teil.vir"));
    EXPECT_EQ(b.w->kaesten(Reihe::Ueberleben)[2], 2);
    b.w->einzelschritt();  // the middle cell has two neighbours and no ticked box for them
    EXPECT_EQ(b.lies(0, 0, 1, 1), std::vector<std::string>{"."});
    ASSERT_FALSE(b.w->speichereWelt(o / "zurueck.vir"));
    ASSERT_FALSE(b.w->ladeWelt(o / "zurueck.vir"));
    EXPECT_EQ(b.w->kaesten(Reihe::Ueberleben)[2], 2);
    b.w->kastenGeklickt(Reihe::Ueberleben, 2);  // a click ticks it for good
    EXPECT_EQ(b.w->kaesten(Reihe::Ueberleben)[2], 1);
}

TEST(WerkbankDateien, RefusedFilesAndNamesChangeNothingAndSaySo) {
    const testhilfe::Ordner o;
    Bank b;
    b.zeichne(0, 0, {"O"});
    const std::string titel = b.w->titel();
    std::ofstream(o / "gross.VIR") << "egal";
    const std::pair<Meldung, const char*> faelle[] = {
        {b.w->ladeWelt(o / "fehlt.vir"), "Die Welt bleibt, wie sie war."},
        {b.w->ladeWelt(o / "gross.VIR"), "enden auf „.vir“"},
        {b.w->oeffne(o / "gross.VIR"), "enden auf „.vir“"},
        {b.w->speichereWelt(o / "*vir"), "„*“ oder „?“"},
        {b.w->speichereWelt(o / "kein_ordner/x.vir"), "lässt sich nicht als"},
        {b.w->importiereMuster(o / "gross.VIR", false), "nicht einfügen"},
    };
    for (const auto& [meldung, teil] : faelle) {
        EXPECT_EQ(meldung.art, Meldung::Art::warnung) << teil;
        EXPECT_NE(meldung.text().find(teil), std::string::npos) << meldung.text();
    }
    EXPECT_FALSE(fs::exists(o / "*vir.vir"));
    EXPECT_EQ(b.w->titel(), titel);
    EXPECT_EQ(b.lies(0, 0, 1, 1), std::vector<std::string>{"2"});
}

TEST(WerkbankDateien, SavedNamesEndInVirOnlyOnceExactly) {
    const testhilfe::Ordner o;
    Bank b;
    for (const char* name : {"ohne", "mit.vir", "gross.VIR", "andere.txt"}) ASSERT_FALSE(b.w->speichereWelt(o / name));
    for (const char* datei : {"ohne.vir", "mit.vir", "gross.VIR.vir", "andere.txt.vir"})
        EXPECT_TRUE(fs::exists(o / datei)) << datei;
}

TEST(WerkbankDateien, ImportTakesWhatThePatternStatesAndPasteOnlyAddsCellsBothGrowingTheField) {
    const testhilfe::Ordner o;
    Bank b;
    b.w->setzeMaske(85);
    b.w->setzeRand(engine::Rand::Quadrat);
    b.zeichne(10, 10, {"O"});
    const Meldung m = b.w->fuegeMusterEin("x = 45, y = 1, rule = B36/S23:T40,40\n45o!\n", "dem Test");
    EXPECT_EQ(std::tuple(b.w->feldGroesse(), b.w->regel().geburt, b.w->rand(), int{b.w->maske()}),
              std::tuple(46, 1 << 3, engine::Rand::Quadrat, 85));
    EXPECT_EQ(b.lies(-23, -1, 46, 1), std::vector<std::string>{std::string(45, '1') + "."});
    EXPECT_EQ(b.lies(10, 10, 1, 1), std::vector<std::string>{"2"});
    EXPECT_EQ(m.hilfe(), "Eingefügt; Regel und Rand bleiben. Feld auf 46 × 46 vergrößert (Muster 45 × 1).");
    b.w->rueckgaengig();
    EXPECT_EQ(std::pair(b.w->feldGroesse(), testhilfe::lebende(b.w->welt())), std::pair(30, 1));

    std::ofstream(o / "h.rle") << "x = 3, y = 1, rule = B36/S23:T40,40\n3o!\n";
    EXPECT_EQ(b.w->importiereMuster(o / "h.rle").hilfe(),
              "Übernommen: Regel B36/S23, Rand Torus, Feld 40 × 40.");
    EXPECT_EQ(std::tuple(b.w->feldGroesse(), b.w->regel().geburt, b.w->rand(), int{b.w->maske()},
                         testhilfe::lebende(b.w->welt())),
              std::tuple(40, (1 << 3) | (1 << 6), engine::Rand::Torus, 85, 3));
    std::ofstream(o / "breit.rle") << "x = 25, y = 1\n25o!\n";
    EXPECT_NE(b.w->importiereMuster(o / "breit.rle", 20).text().find("passt nicht in das Feld von 20 × 20"),
              std::string::npos);
    EXPECT_EQ(b.w->importiereMuster(o / "breit.rle").hilfe(), "");  // fits the field of 40

    const Meldung fremd = b.w->fuegeMusterEin("x = 1, y = 1, rule = B3/S23/5:K20,20\no!\n", "dem Test", true);
    EXPECT_EQ(fremd.art, Meldung::Art::hinweis);
    EXPECT_EQ(fremd.text(texte::Sprache::englisch),
              "The rule “B3/S23/5” cannot be set here: it has 5 states, here there are two. The edge “:K20,20” cannot be "
              "set here: a Klein bottle; here there are Torus, Square and Mirror.");
    EXPECT_EQ(b.w->regel().geburt, (1 << 3) | (1 << 6));  // the foreign rule was not taken
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 1);        // the field was cleared first
}

TEST(WerkbankDateien, ATypedRuleSetsTheBoxesAndTheNeighboursOrGridOnlyWhereItNamesThem) {
    Bank b;
    b.w->setzeMaske(85);
    EXPECT_EQ(b.w->setzeRegelText(" B36 / S23 : T60,60").hilfe(),
              "Übernommen: Regel B36/S23, Rand Torus, Feld 60 × 60.");
    EXPECT_EQ(std::tuple(b.w->feldGroesse(), b.w->groessenHaken(), int{b.w->maske()}), std::tuple(60, 1, 85));
    b.w->setzeRegelText("B2/S013V");
    EXPECT_EQ(std::pair(int{b.w->maske()}, b.w->regelEingabeText()), std::pair(0x55, std::string("B2/S013V")));
    EXPECT_NE(b.w->setzeRegelText("B3/S23:T72,48").text().find("ein Rechteck aus 72 × 48"), std::string::npos);
}

TEST(WerkbankDateien, AnAnimationShowsWhatTheMemoryHoldsAndAnEditedPresent) {
    const testhilfe::Ordner o;
    Bank b;
    b.w->gedaechtnisLoeschen();
    b.zeichne(-1, 0, {"OOO"});
    EXPECT_EQ(b.w->animationsBilder(), 1);
    for (int k = 0; k < 3; ++k) b.w->einzelschritt();
    EXPECT_EQ(b.w->animationsBilder(), 4);
    b.w->setzeRand(engine::Rand::Quadrat);  // a new run, but the memory still holds the generations
    EXPECT_EQ(b.w->animationsBilder(), 4);
    b.zeichne(5, 5, {"O"});
    EXPECT_EQ(b.w->animationsBilder(), 5);
    ASSERT_FALSE(b.w->speichereAnimation(o / "lauf", view::standardSystemfarben()));
    const testhilfe::GifInhalt gif = testhilfe::liesGif(o / "lauf.gif");
    ASSERT_TRUE(gif.gelesen);
    ASSERT_EQ(gif.bilder.size(), 5u);
    ASSERT_EQ(gif.breite, view::kBildBreite);
    for (int k = 1; k < 5; ++k) EXPECT_NE(gif.bilder[k - 1], gif.bilder[k]) << k;
    // The cell drawn after the last step is red in the last picture only.
    const std::size_t mitte = 442 * view::kBildBreite + 440;
    EXPECT_EQ(gif.bilder[4][mitte], 0xFF0000u);
    EXPECT_EQ(gif.bilder[3][mitte], 0xFFFFFFu);
}
