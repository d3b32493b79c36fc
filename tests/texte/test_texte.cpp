#include <gtest/gtest.h>

#include "texte/texte.h"

using texte::Sprache;

TEST(Texte, FindingsInBothLanguagesWithTheirNumbers) {
    const struct { history::Befund befund; const char *lang, *kurz, *long_, *kurzEn; } faelle[] = {
        {{0, 0, 0, 0}, "leer", "leer", "empty", "empty"},
        {{4, 1, 0, 0}, "statisch", "statisch", "still", "still"},
        {{3, 2, 0, 0}, "Periode 2", "P2", "period 2", "P2"},
        {{123, 0, 0, 0}, "123 Zellen", "123 Zellen", "123 cells", "123 cells"},
        {{1, 0, 0, 0}, "1 Zelle", "1 Zelle", "1 cell", "1 cell"},
        {{5, 4, 1, 1}, "Periode 4, wandert (1, 1)", "P4 ↘1", "period 4, moves (1, 1)", "P4 ↘1"},
        {{9, 4, 0, -2}, "Periode 4, wandert (0, -2)", "P4 ↑2", "period 4, moves (0, -2)", "P4 ↑2"},
        {{20, 12, -2, 1}, "Periode 12, wandert (-2, 1)", "P12 ↙2,1", "period 12, moves (-2, 1)", "P12 ↙2,1"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(texte::befund(Sprache::deutsch, f.befund) + "|" + texte::befundKurz(Sprache::deutsch, f.befund) + "|" +
                      texte::befund(Sprache::englisch, f.befund) + "|" + texte::befundKurz(Sprache::englisch, f.befund),
                  std::string(f.lang) + "|" + f.kurz + "|" + f.long_ + "|" + f.kurzEn);
    EXPECT_EQ(texte::schlusszeile(Sprache::deutsch, 57, {1, 0, 0, 0}), "Generation 57: 1 lebende Zelle, 1 Zelle");
    EXPECT_EQ(texte::schlusszeile(Sprache::englisch, 2, {6, 2, 0, 0}), "Generation 2: 6 living cells, period 2");
}

TEST(Texte, UndoStepsAndRunsCountedInBothLanguages) {
    using S = texte::Schritt;
    const struct { texte::Schrittname name; const char *de, *en; } faelle[] = {
        {{S::keiner, 0}, "", ""},
        {{S::zelleAendern, 0}, "Zelle ändern", "Change cell"},
        {{S::musterImportieren, 0}, "Muster importieren", "Import pattern"},
        {{S::gedaechtnisLoeschen, 0}, "Gedächtnis löschen", "Clear memory"},
        {{S::objektEinfuegen, 0}, "Objekt einfügen", "Insert object"},
        {{S::lauf, 1}, "1 Generation", "1 generation"},
        {{S::lauf, 120}, "120 Generationen", "120 generations"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(texte::schritt(Sprache::deutsch, f.name) + "|" + texte::schritt(Sprache::englisch, f.name),
                  std::string(f.de) + "|" + f.en);
}

TEST(Texte, CommandLineFaultsInBothLanguagesWithTheirValues) {
    using A = texte::Aufruffehler::Art;
    const struct { texte::Aufruffehler f; const char *de, *en; } faelle[] = {
        {{A::keineDatei, "", 0, {}}, "Es fehlt die Datei mit der Welt oder dem Muster.",
         "The file with the world or pattern is missing."},
        {{A::zweiteDatei, "b.rle", 0, {}}, "Es geht nur eine Datei auf einmal; „b.rle“ ist eine zweite.",
         "Only one file at a time; “b.rle” is a second one."},
        {{A::unbekannteOption, "--schnell", 0, {}}, "Die Option „--schnell“ gibt es nicht.",
         "There is no option “--schnell”."},
        {{A::ohneWert, "-n", 0, {}}, "Die Option „-n“ braucht einen Wert.", "The option “-n” needs a value."},
        {{A::mitWert, "--verlauf", 0, {}}, "Die Option „--verlauf“ nimmt keinen Wert.",
         "The option “--verlauf” takes no value."},
        {{A::generationen, "-3", 1000, {}}, "Die Zahl der Generationen „-3“ ist keine ganze Zahl von 0 bis 1000.",
         "The number of generations “-3” is not a whole number from 0 to 1000."},
        {{A::maske, "256", 0, {}}, "Die Maske „256“ ist keine ganze Zahl von 0 bis 255.",
         "The mask “256” is not a whole number from 0 to 255."},
        {{A::rand, "kugel", 0, {}}, "Den Rand „kugel“ gibt es nicht; möglich sind torus, quadrat und spiegel.",
         "There is no edge “kugel”; possible are torus, quadrat and spiegel."},
        {{A::groesse, "31", 90, {}}, "Die Feldgröße „31“ ist keine gerade Zahl von 2 bis 90.",
         "The field size “31” is not an even number from 2 to 90."},
        {{A::grossVir, ".VIR", 0, {}}, "Weltdateien enden auf „.vir“, kleingeschrieben, nicht auf „.VIR“.",
         "World files end in “.vir”, in small letters, not in “.VIR”."},
        {{A::endung, "x.bmp", 0, ".rle und .gif"}, "Die Endung von „x.bmp“ sagt kein Format; möglich sind .rle und .gif.",
         "The ending of “x.bmp” names no format; possible are .rle and .gif."},
        {{A::bildrate, "0", 0, {}}, "Die Bildrate „0“ ist keine ganze Zahl von 1 bis 50.",
         "The frame rate “0” is not a whole number from 1 to 50."},
        {{A::sprache, "fr", 0, {}}, "Die Sprache „fr“ gibt es nicht; möglich sind de und en.",
         "There is no language “fr”; possible are de and en."},
        {{A::teil, "3/2", 0, {}}, "Der Teil „3/2“ ist nicht K/M mit 1 ≤ K ≤ M.", "The share “3/2” is not K/M with 1 ≤ K ≤ M."},
        {{A::zensusMitDatei, "a.rle", 0, {}}, "Ein Zensus liest keine Datei; „a.rle“ ist zu viel.",
         "A census reads no file; “a.rle” is one too many."},
        {{A::regel, "", 0, {}, {.art = storage::Ablehnung::Art::keineRegel}}, "Es ist keine Regel angegeben.", "No rule is given."},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(texte::aufruffehler(Sprache::deutsch, f.f) + "|" + texte::aufruffehler(Sprache::englisch, f.f),
                  std::string(f.de) + "|" + f.en);
    EXPECT_EQ(texte::spracheAus("en"), Sprache::englisch);
    EXPECT_EQ(texte::spracheAus("EN"), std::nullopt);
}

TEST(Texte, FileProblemsInBothLanguagesWithTheirNamesAndWhatFollows) {
    using F = texte::Problem::Fall;
    const struct { texte::Problem p; const char *de, *en; } faelle[] = {
        {{F::keineWelt, "a.VIR"},
         "Die Datei „a.VIR“ ist keine Welt: Weltdateien enden auf „.vir“, kleingeschrieben. Die Welt bleibt, wie sie war.",
         "The file “a.VIR” is not a world: world files end in “.vir”, in small letters. The world stays as it was."},
        {{F::nichtGelesen, "a.vir", {}, {}, {0, storage::Lesegrund::leer}},
         "Die Datei „a.vir“ ist leer. Die Welt bleibt, wie sie war.", "The file “a.vir” is empty. The world stays as it was."},
        {{F::suchmuster, "*.vir"},
         "Der Name „*.vir“ enthält „*“ oder „?“: das sind Suchmuster, keine Zeichen eines Dateinamens. Die Welt ist nicht gespeichert.",
         "The name “*.vir” contains “*” or “?”: these are search patterns, not characters of a file name. The world is not saved."},
        {{F::musterAbgelehnt, "", {.art = storage::Ablehnung::Art::keinMuster}},
         "Das Muster aus der Zwischenablage lässt sich nicht einfügen. Der Text enthält kein Muster. Die Welt bleibt, wie sie war.",
         "The pattern from the clipboard cannot be inserted. The text holds no pattern. The world stays as it was."},
        {{F::keinMusterformat, ".bmp"}, "Die Endung „.bmp“ sagt kein Musterformat; möglich sind .rle, .cells, .lif und .life.",
         "The ending “.bmp” names no pattern format; possible are .rle, .cells, .lif and .life."},
        {{F::weltNichtGespeichert, "x", {}, storage::Dateigrund::pipe},
         "Die Welt lässt sich nicht als „x“ speichern: unter diesem Namen steht eine benannte Pipe, keine gewöhnliche Datei.",
         "The world cannot be saved as “x”: this name belongs to a named pipe, not to a regular file."},
        {{F::musterNichtGespeichert, "m", {}, storage::Dateigrund::schreibfehler},
         "Das Muster lässt sich nicht als „m“ speichern: beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?).",
         "The pattern cannot be saved as “m”: an error occurred while writing (is the disk full?)."},
        {{F::nichtGespeichert, "b.gif", {.art = storage::Ablehnung::Art::gifUngeeignet}},
         "Die Datei „b.gif“ lässt sich nicht speichern: das Bild hat eine Größe oder Farbzahl, die GIF nicht kennt.",
         "The file “b.gif” cannot be saved: the picture has a size or number of colours that GIF does not know."},
        {{F::nichtKodierbar, "b.png"}, "Die Datei „b.png“ lässt sich nicht speichern: das Bild lässt sich nicht kodieren.",
         "The file “b.png” cannot be saved: the picture cannot be encoded."},
        {{F::keinObjekt, "xq4_"},
         "Das Muster aus dem Zensus lässt sich nicht einfügen. „xq4_“ ist kein Objekt. Die Welt bleibt, wie sie war.",
         "The pattern from the census cannot be inserted. “xq4_” is no object. The world stays as it was."},
        {{F::eigenerSatz, "", {.art = storage::Ablehnung::Art::regelNichtHier, .klausel = storage::Ablehnung::Klausel::sechseck, .name = "B3/S23H"},
          {}, {}, {.art = storage::Ablehnung::Art::randUnbekannt, .zeile = 1, .name = ":Q"}},
         "Die Regel „B3/S23H“ lässt sich hier nicht einstellen: sie gilt im Sechseckgitter. Der Rand „:Q“ in Zeile 1 ist unbekannt.",
         "The rule “B3/S23H” cannot be set here: it holds on the hexagonal grid. The edge “:Q” in line 1 is unknown."},
        {{F::geburtBeiNull, ""},
         "Eine Regel mit Geburt bei 0 Nachbarn füllt die unbegrenzte Ebene; dafür gibt es keinen Zensus.",
         "A rule with birth on 0 neighbours fills the unbounded plane; there is no census for it."},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(texte::problemText(Sprache::deutsch, f.p) + "|" + texte::problemText(Sprache::englisch, f.p),
                  std::string(f.de) + "|" + f.en);
    EXPECT_EQ(texte::problemGrund(Sprache::englisch, {F::musterAbgelehnt, "a.rle", {.art = storage::Ablehnung::Art::keinMuster}}),
              "“a.rle”: The text holds no pattern.");
    // The file system's reasons, each in both languages, reading ones after the name, writing ones after the colon.
    using G = storage::Dateigrund;
    EXPECT_EQ(texte::problemText(Sprache::deutsch, {F::nichtGelesen, "a.rle", {}, G::zuGross}),
              "Die Datei „a.rle“ ist zu groß für eine Musterdatei (mehr als 4 MB). Die Welt bleibt, wie sie war.");
    EXPECT_EQ(texte::problemText(Sprache::englisch, {F::nichtGespeichert, "a.png", {}, G::schreibgeschuetzt}),
              "The file “a.png” cannot be saved: the file is write-protected.");
    for (int g = 1; g <= static_cast<int>(G::nichtErsetzen); ++g)
        for (Sprache sprache : {Sprache::deutsch, Sprache::englisch})
            EXPECT_GT(texte::dateigrund(sprache, static_cast<G>(g)).size(), 8u) << g;
    EXPECT_EQ(texte::dateigrund(Sprache::deutsch, G::verweisKreis), "der Verweis unter diesem Namen führt im Kreis");
    using L = storage::Lesegrund;
    const struct { storage::Lesefehler f; const char *de, *en; } welt[] = {
        {{17, L::zelle}, "enthält in Zeile 17 keinen gültigen Zellzustand (0 bis 3)", "holds in line 17 no valid cell state (0 to 3)"},
        {{10202, L::groesse}, "enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)", "holds in line 10202 no valid field size (even, 2 to 90)"},
        {{10203, L::kasten}, "enthält in Zeile 10203 keinen gültigen Kästchenwert (0 bis 2)", "holds in line 10203 no valid box value (0 to 2)"},
        {{10221, L::rand}, "enthält in Zeile 10221 keinen gültigen Wahrheitswert für die Randoption", "holds in line 10221 no valid truth value for the edge option"},
        {{10227, L::farbe}, "enthält in Zeile 10227 keine gültige Farbe", "holds in line 10227 no valid colour"},
        {{1, L::nurLf}, "hat Zeilenenden ohne Wagenrücklauf (LF statt CR LF)", "has line ends without carriage return (LF instead of CR LF)"},
        {{0, L::leer}, "ist leer", "is empty"},
        {{5000, L::vorzeitig}, "endet vorzeitig nach Zeile 5000", "ends early after line 5000"},
    };
    for (const auto& w : welt)
        EXPECT_EQ(texte::lesefehler(Sprache::deutsch, w.f) + "|" + texte::lesefehler(Sprache::englisch, w.f), std::string(w.de) + "|" + w.en);
}

TEST(Texte, WhatWasTakenOverAndTheRuleInForceInBothLanguages) {
    texte::Uebernahme u{"B3/S23", "Life", 255, engine::Rand::Quadrat, 40, false, 0, 0, 0};
    EXPECT_EQ(texte::uebernahme(Sprache::deutsch, u), "Übernommen: Regel B3/S23 (Life), alle acht Nachbarn, Rand Quadrat, Feld 40 × 40.");
    EXPECT_EQ(texte::uebernahme(Sprache::englisch, u), "Taken over: rule B3/S23 (Life), all eight neighbours, edge Square, field 40 × 40.");
    const texte::Uebernahme eingefuegt{{}, {}, {}, {}, 0, true, 46, 45, 1};
    EXPECT_EQ(texte::uebernahme(Sprache::deutsch, eingefuegt), "Eingefügt; Regel und Rand bleiben. Feld auf 46 × 46 vergrößert (Muster 45 × 1).");
    EXPECT_EQ(texte::uebernahme(Sprache::englisch, eingefuegt), "Inserted; rule and edge stay. Field grown to 46 × 46 (pattern 45 × 1).");
    EXPECT_EQ(texte::uebernahme(Sprache::englisch, {}), "");
    EXPECT_EQ(texte::regelBeschreibung(Sprache::deutsch, "B36/S23", "", 85), "Regel B36/S23, gezählt 4 von 8 Nachbarn (Maske 85)");
    EXPECT_EQ(texte::regelBeschreibung(Sprache::englisch, "B3/S23", "Life", 255), "Rule B3/S23 (Life)");
}

TEST(Texte, CensusFilesThatDoNotFitInBothLanguages) {
    const texte::Zensusfehler f{texte::Zensusfehler::Art::passtNicht, "b.txt", 0, "w2", "b3s23", "a.txt", "w1", "b3s23"};
    EXPECT_EQ(texte::zensusfehler(Sprache::deutsch, f),
              "Die Zensusdateien passen nicht zusammen: „b.txt“ gilt für Wurzel „w2“ und Regel „b3s23“, „a.txt“ für "
              "Wurzel „w1“ und Regel „b3s23“.");
    EXPECT_EQ(texte::zensusfehler(Sprache::englisch, {texte::Zensusfehler::Art::keineZensusdatei, "a.txt", 3}),
              "The file “a.txt” is not a census file (line 3).");
}
