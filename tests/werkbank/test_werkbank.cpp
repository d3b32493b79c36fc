#include <gtest/gtest.h>

#include "werkbank_hilfe.h"

using testhilfe::Bank;
using testhilfe::de;
using werkbank::Reihe;
using Bild = std::vector<std::string>;

TEST(Werkbank, StartUpShowsPatternThreeOnThirtyWithTheClockRunningInOneReport) {
    Bank b(false);
    b.w->start();
    const werkbank::Werkbank& w = *b.w;
    ASSERT_EQ(b.zuschauer.meldungen.size(), 1u);
    EXPECT_TRUE(w.laeuft());
    EXPECT_EQ(w.intervallMs(), 1000);  // until the speed slider is first moved
    EXPECT_EQ(w.tempoText(), "75");
    EXPECT_EQ(w.titel(), "MorLix 2.2");
    EXPECT_EQ(b.lies(-2, -2, 5, 5), (Bild{"11...", "1.1..", ".....", "..1.1", "...11"}));
    // The swatch of "Zelle alt 1" and the colour of its cells differ until a colour is chosen.
    EXPECT_EQ(w.anzeige().zellFarbe[1], view::rgb(0, 0, 150));
    EXPECT_EQ(w.anzeige().feld(view::FarbZiel::ZelleAlt1), view::rgb(0, 0, 255));
}

TEST(Werkbank, StepReadsTheCounterAsTypedAndTheBoxesAsTheyAreThen) {
    Bank b;
    b.zeichne(-1, 0, {"OOO"});
    b.w->setzeZaehlerText("41 Schritte");
    b.zuschauer.meldungen.clear();
    b.w->einzelschritt();
    EXPECT_EQ(b.w->zaehlerText(), " 42");
    ASSERT_EQ(b.zuschauer.meldungen.size(), 1u);
    EXPECT_EQ(b.lies(-1, -1, 3, 3), (Bild{".2.", ".1.", ".2."}));

    // Without survival at 2 the middle cell dies at the next step.
    b.w->kastenGeklickt(Reihe::Ueberleben, 2);
    b.w->einzelschritt();
    EXPECT_EQ(b.lies(-1, -1, 3, 3), (Bild{"...", "2.2", "..."}));
}

TEST(Werkbank, ClockTicksRunNGenerationsReportedOnceAndOnlyWhileRunning) {
    Bank b;
    b.zeichne(-1, 0, {"OOO"});
    b.w->setzeGenerationenText("5");
    EXPECT_FALSE(b.w->takt());
    EXPECT_EQ(b.w->zaehlerText(), "0");  // stopped: a tick does nothing

    b.w->laufUmschalten();
    b.zuschauer.meldungen.clear();
    EXPECT_FALSE(b.w->takt());
    EXPECT_EQ(b.w->zaehlerText(), " 5");
    EXPECT_EQ(b.zuschauer.meldungen.size(), 1u);
    EXPECT_EQ(b.w->befund().periode, 2);

    b.w->anhaltenUndNull();
    EXPECT_FALSE(b.w->laeuft());
    EXPECT_EQ(b.w->zaehlerText(), " 0");
    b.w->setzeTempo(24);  // one position to the right of the start
    EXPECT_EQ(b.w->intervallMs(), 240);
    EXPECT_EQ(b.w->tempoText(), "77");
}

// The chart sees every generation of the run, the period search only those the memory keeps.
TEST(Werkbank, ALongTickRunsInSlicesWatchedByTheChartAndStopsWhenToldOrGivenANewNumber) {
    Bank lang;
    lang.zeichne(-1, 0, {"OOO"});
    lang.w->setzeGenerationenText("2500");
    lang.w->laufUmschalten();
    int scheiben = 1;
    for (bool weiter = lang.w->takt(); weiter; weiter = lang.w->taktWeiter()) ++scheiben;
    EXPECT_EQ(scheiben, 3);
    EXPECT_EQ(lang.w->zaehlerText(), " 2500");
    const history::Zeitreihe& r = lang.w->zeitreihe();
    ASSERT_EQ(r.groesse(), 2501);  // the start and 2500 generations
    for (int i = 0; i < r.groesse(); ++i)
        ASSERT_EQ(std::pair(r[i].generation, r[i].geburten), std::pair(i * 1LL, i ? 2 : 0)) << i;
    EXPECT_EQ((std::pair<int, int>(r[1500].periode, r[2500].periode)), std::pair(-1, 2));

    ASSERT_TRUE(lang.w->takt());
    lang.w->setzeGenerationenText("7");  // a new n ends the tick
    EXPECT_FALSE(lang.w->taktWeiter());
    EXPECT_EQ(lang.w->zaehlerText(), " 3500");
    lang.w->setzeGenerationenText("2500");
    ASSERT_TRUE(lang.w->takt());
    lang.w->laufUmschalten();
    EXPECT_FALSE(lang.w->taktWeiter());
    EXPECT_EQ(lang.w->zaehlerText(), " 4500");
}

TEST(Werkbank, LookBackShowsRememberedStatesOnlyWhileStoppedAndClearingTheMemory) {
    Bank b;
    b.zeichne(-1, 0, {"OOO"});
    for (int k = 0; k < 3; ++k) b.w->einzelschritt();
    b.w->rueckblick(98);
    EXPECT_EQ(b.lies(-1, -1, 3, 3), (Bild{"...", "232", "..."}));
    EXPECT_EQ(b.w->tiefeText(), "-1");
    b.w->rueckblick(99);
    EXPECT_EQ(b.w->tiefeText(), " 0");
    b.w->laufUmschalten();
    b.w->rueckblick(50);
    EXPECT_EQ(b.w->rueckblickWert(), 99);
    EXPECT_EQ(b.w->tiefeText(), " 0");
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 3);

    b.w->gedaechtnisLoeschen();  // the slider is at the present: the world stays
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 3);
    b.w->laufUmschalten();
    b.w->einzelschritt();
    b.w->einzelschritt();
    b.w->rueckblick(98);
    ASSERT_EQ(testhilfe::lebende(b.w->welt()), 3);
    b.w->gedaechtnisLoeschen();  // back to the present, which the clearing emptied
    EXPECT_EQ(b.w->rueckblickWert(), 99);
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 0);
}

TEST(Werkbank, SizeMenuMarksOnlyTheFixedItemThatSetTheSizeAndCancelKeepsTheSizeUnmarked) {
    Bank b;
    b.w->festeGroesse(2);
    EXPECT_EQ(std::pair(b.w->feldGroesse(), b.w->groessenHaken()), std::pair(90, 2));
    b.w->freieGroesse(std::nullopt);
    EXPECT_EQ(std::pair(b.w->feldGroesse(), b.w->groessenHaken()), std::pair(90, -1));
    b.w->freieGroesse("91");  // out of range: 60, marked on its item
    EXPECT_EQ(std::pair(b.w->feldGroesse(), b.w->groessenHaken()), std::pair(60, 1));
}

TEST(Werkbank, AStrokeIsPaintedCellByCellWithoutARedrawAndTheTipIsShown) {
    Bank b;
    b.w->mausRunter(2, 0, 0);
    b.w->mausBewegt(3.5 + 0.6, 2.5 - 0.6);
    b.w->mausBewegt(4.5 + 0.6, 2.5 - 0.6);
    b.w->mausHoch();
    EXPECT_EQ(b.lies(3, 2, 2, 1), Bild{"22"});
    EXPECT_EQ(b.zuschauer.gemalt.size(), 2u);
    for (std::uint32_t m : b.zuschauer.meldungen) EXPECT_FALSE(m & werkbank::kZellen);
    EXPECT_EQ(b.w->spalteText(), " 4");
    EXPECT_EQ(b.w->zeileText(), " 2");
    EXPECT_EQ(b.w->befund().lebende, 2);  // a new run after the stroke
}

TEST(Werkbank, EditsStartANewRunAndNewKeepsCounterRuleAndClock) {
    Bank b;
    b.zeichne(-1, 0, {"OOO"});
    b.w->einzelschritt();
    b.w->einzelschritt();
    EXPECT_EQ(b.w->befund().periode, 2);
    b.w->beispielEinfuegen(13);
    EXPECT_EQ(b.w->befund().periode, 0);
    EXPECT_EQ(b.w->befund().lebende, 7);

    b.w->laufUmschalten();
    b.w->neu();
    EXPECT_EQ(b.w->titel(), "Morlix 1.0");
    EXPECT_EQ(testhilfe::lebende(b.w->welt()), 0);
    EXPECT_EQ(b.w->zaehlerText(), " 2");
    EXPECT_TRUE(b.w->laeuft());
}

TEST(Werkbank, RulesByNameOrTextSetTheBoxesAndAreNamedBack) {
    Bank b;
    ASSERT_FALSE(b.w->setzeRegelText("highlife"));
    EXPECT_EQ(b.w->regel().geburt, (1 << 3) | (1 << 6));
    EXPECT_EQ(b.w->regelName(), "HighLife");
    EXPECT_EQ(de(b.w->rueckgaengigName()), "Regel");
    EXPECT_EQ(b.w->setzeRegelText("B3/X").art, werkbank::Meldung::Art::warnung);
    EXPECT_EQ(b.w->regelName(), "HighLife");
    b.w->setzeMaske(85);
    EXPECT_EQ(b.w->regelBeschreibung(), "Regel B36/S23, gezählt 4 von 8 Nachbarn (Maske 85)");
}
