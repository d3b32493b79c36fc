#include <gtest/gtest.h>

#include <set>

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
         "The pattern from the clipboard cannot be inserted. The text contains no pattern. The world stays as it was."},
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
              "“a.rle”: The text contains no pattern.");
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
        {{17, L::zelle}, "enthält in Zeile 17 keinen gültigen Zellzustand (0 bis 3)", "has no valid cell state (0 to 3) in line 17"},
        {{10202, L::groesse}, "enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)", "has no valid field size (even, 2 to 90) in line 10202"},
        {{10203, L::kasten}, "enthält in Zeile 10203 keinen gültigen Kästchenwert (0 bis 2)", "has no valid box value (0 to 2) in line 10203"},
        {{10221, L::rand}, "enthält in Zeile 10221 keinen gültigen Wahrheitswert für die Randoption", "has no valid truth value for the edge option in line 10221"},
        {{10227, L::farbe}, "enthält in Zeile 10227 keine gültige Farbe", "has no valid colour in line 10227"},
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

TEST(Texte, EveryReasonOfTheReadersInBothLanguagesWithItsNumbersAndNames) {
    using A = storage::Ablehnung::Art;
    using K = storage::Ablehnung::Klausel;
    const struct { storage::Ablehnung g; std::string de, en; } faelle[] = {
        {{.art = A::zuLang, .zahl1 = 5}, "Der Text ist mit 5 MB zu lang für ein Muster.", "At 5 MB the text is too long for a pattern."},
        {{.art = A::binaer}, "Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei.",
         "The content is not text but contains control characters like a binary file."},
        {{.art = A::keinMuster}, "Der Text enthält kein Muster.", "The text contains no pattern."},
        {{.art = A::keinFormat},
         "Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.05, Life 1.06, MCell, Makrozellen .mc).",
         "The text is in no known pattern format (RLE, plaintext .cells, Life 1.05, Life 1.06, MCell, macrocell .mc)."},
        {{.art = A::keineZellen}, "Der Text enthält keine Zellen, nur Kommentare oder Kopfzeilen.",
         "The text contains no cells, only comments or headers."},
        {{.art = A::nichtEntpackbar}, "Der gepackte Inhalt lässt sich nicht entpacken.", "The packed content cannot be unpacked."},
        {{.art = A::entpacktZuGross, .zahl1 = 4}, "Der entpackte Inhalt ist größer als 4 MB und wird nicht gelesen.",
         "The unpacked content is larger than 4 MB and is not read."},
        {{.art = A::gzipUnvollstaendig}, "Der gepackte Inhalt (gzip) ist unvollständig.", "The packed content (gzip) is incomplete."},
        {{.art = A::gzipBeschaedigt}, "Der gepackte Inhalt (gzip) ist beschädigt.", "The packed content (gzip) is damaged."},
        {{.art = A::kopfzeile, .zeile = 3}, "Die Kopfzeile in Zeile 3 ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.",
         "The header in line 3 is faulty; it should read “x = width, y = height, rule = rule”."},
        {{.art = A::groesseUnsinnig, .zeile = 4}, "Die Größe in Zeile 4 ist unsinnig groß.", "The size in line 4 is unreasonably large."},
        {{.art = A::koordinateUnsinnig, .zeile = 5}, "Die Koordinate in Zeile 5 ist unsinnig groß.",
         "The coordinate in line 5 is unreasonably large."},
        {{.art = A::wiederholungNull, .zeile = 6}, "Zeile 6 enthält die Wiederholungszahl 0.", "Line 6 contains the run count 0."},
        {{.art = A::wiederholungZuGross, .zeile = 7, .zahl1 = 2000000000}, "Die Wiederholungszahl 2000000000 in Zeile 7 ist zu groß.",
         "The run count 2000000000 in line 7 is too large."},
        {{.art = A::wiederholungZuGross, .zeile = 8, .zahl1 = -1}, "Die Wiederholungszahl mit über 15 Ziffern in Zeile 8 ist zu groß.",
         "The run count of more than 15 digits in line 8 is too large."},
        {{.art = A::weitererZustand, .zeile = 9, .zahl1 = 'C'}, "Zeile 9 enthält mit „C“ Zellen eines weiteren Zustands; hier gibt es nur zwei.",
         "Line 9 contains cells of a further state, “C”; here there are only two."},
        {{.art = A::unerwartet, .zeile = 10, .zahl1 = 'q'}, "Zeile 10 enthält das unerwartete Zeichen „q“.",
         "Line 10 contains the unexpected character “q”."},
        {{.art = A::unerwartet, .zeile = 11, .zahl1 = 0xC3}, "Zeile 11 enthält das unerwartete Zeichen mit dem Code 195.",
         "Line 11 contains the unexpected character with the code 195."},
        {{.art = A::keinPaar, .zeile = 12}, "Zeile 12 enthält kein Koordinatenpaar „x y“.", "Line 12 contains no coordinate pair “x y”."},
        {{.art = A::mehrerePaare, .zeile = 13}, "Zeile 13 enthält mehr als ein Koordinatenpaar „x y“.",
         "Line 13 contains more than one coordinate pair “x y”."},
        {{.art = A::keinKnoten, .zeile = 14}, "Zeile 14 ist weder ein Blatt aus 8 × 8 Zellen noch ein Knoten „Stufe NW NO SW SO“.",
         "Line 14 is neither a leaf of 8 × 8 cells nor a node “level NW NE SW SE”."},
        {{.art = A::knotenZustaende, .zeile = 15},
         "Zeile 15 enthält einen Knoten mit mehreren Zuständen; gelesen werden nur Muster mit zwei Zuständen.",
         "Line 15 contains a node with several states; only patterns with two states are read."},
        {{.art = A::knotenStufe, .zeile = 16, .zahl1 = 62}, "Zeile 16 enthält einen Knoten einer Stufe, die es nicht gibt (4 bis 62).",
         "Line 16 contains a node of a level that does not exist (4 to 62)."},
        {{.art = A::knotenVerweis, .zeile = 17}, "Zeile 17 verweist auf einen Knoten, der davor nicht mit der Stufe darunter steht.",
         "Line 17 refers to a node that does not stand before it with the level below."},
        {{.art = A::spiel, .name = std::string(60, 'g')},
         "Die MCell-Datei ist für das Spiel „" + std::string(47, 'g') + "…“; gelesen werden nur Regeln der Art „Life“ mit zwei Zuständen.",
         "The MCell file is for the game “" + std::string(47, 'g') + "…”; only rules of the kind “Life” with two states are read."},
        {{.art = A::keinM2}, "Die erste Zeile einer Makrozellen-Datei beginnt mit „[M2]“.",
         "The first line of a macrocell file starts with “[M2]”."},
        {{.art = A::vieleKnoten, .zahl1 = 10000},
         "Die Makrozellen-Datei hat mehr als 10000 Knoten, mehr als ein Muster braucht, das in das größte Feld passt.",
         "The macrocell file has more than 10000 nodes, more than a pattern that fits the largest field needs."},
        {{.art = A::zuGross, .zahl1 = 91, .zahl2 = 3, .zahl3 = 90},
         "Das Muster ist 91 × 3 Zellen groß und passt nicht in das größte Feld mit 90 × 90 Zellen.",
         "The pattern is 91 × 3 cells large and does not fit the largest field of 90 × 90 cells."},
        {{.art = A::passtNicht, .zahl1 = 31, .zahl2 = 2, .zahl3 = 30},
         "Das Muster ist 31 × 2 Zellen groß und passt nicht in das Feld von 30 × 30 Zellen.",
         "The pattern is 31 × 2 cells large and does not fit the field of 30 × 30 cells."},
        {{.art = A::regelUnbekannt, .zeile = 2, .name = "B3/S23Q"}, "Die Regel „B3/S23Q“ in Zeile 2 ist unbekannt.",
         "The rule “B3/S23Q” in line 2 is unknown."},
        {{.art = A::randUnbekannt, .name = ":Q5"}, "Der Rand „:Q5“ ist unbekannt.", "The edge “:Q5” is unknown."},
        {{.art = A::keineRegel}, "Es ist keine Regel angegeben.", "No rule is given."},
        {{.art = A::keineRegelform, .name = "Xyz"},
         "„Xyz“ ist keine Regel: erwartet wird ein Name wie „Life“, eine Angabe wie „B3/S23“ oder „23/3“ oder eine MAP-Regel.",
         "“Xyz” is no rule: expected a name like “Life”, a notation like “B3/S23” or “23/3”, or a MAP rule."},
        {{.art = A::regelErwartet, .klausel = K::s, .name = "B3/X", .gelesen = "B3/"}, "„B3/X“ ist keine Regel: nach „B3/“ wird „S“ erwartet.",
         "“B3/X” is no rule: “B3/” must be followed by “S”."},
        {{.art = A::regelNichtHier, .klausel = K::zustaende, .zahl1 = 4, .name = "23/3/4"},
         "Die Regel „23/3/4“ lässt sich hier nicht einstellen: sie hat 4 Zustände, hier gibt es zwei.",
         "The rule “23/3/4” cannot be set here: it has 4 states, here there are two."},
        {{.art = A::regelNichtHier, .klausel = K::zustaende, .zahl1 = -1, .name = "23/3/99"},
         "Die Regel „23/3/99“ lässt sich hier nicht einstellen: sie hat unzählige Zustände, hier gibt es zwei.",
         "The rule “23/3/99” cannot be set here: it has countless states, here there are two."},
        {{.art = A::randNichtHier, .klausel = K::rechteck, .zahl1 = 72, .zahl2 = 48, .name = ":T72,48"},
         "Der Rand „:T72,48“ lässt sich hier nicht einstellen: ein Rechteck aus 72 × 48 Zellen; hier ist das Feld quadratisch.",
         "The edge “:T72,48” cannot be set here: a rectangle of 72 × 48 cells; here the field is square."},
        {{.art = A::brettMitUmbruch, .klausel = K::groesser, .zahl3 = 90, .name = "120x120"},
         "Das Brett „120x120 mit Umbruch“ lässt sich hier nicht einstellen: größer als das größte Feld mit 90 × 90 Zellen.",
         "The torus grid “120x120” cannot be set here: larger than the largest field of 90 × 90 cells."},
        {{.art = A::brettOhneUmbruch, .klausel = K::keineAngabe, .name = "x"},
         "Das Brett „x ohne Umbruch“ lässt sich hier nicht einstellen: keine Angabe „Breite x Höhe“.",
         "The bounded grid “x” cannot be set here: no statement “width x height”."},
        {{.art = A::gifUngeeignet}, "das Bild hat eine Größe oder Farbzahl, die GIF nicht kennt",
         "the picture has a size or number of colours that GIF does not know"},
        {{.art = A::gifGescheitert, .klausel = K::schreiben, .name = "Write failed"},
         "das GIF lässt sich nicht schreiben (Write failed)", "the GIF cannot be written (Write failed)"},
        {{.art = A::gifGescheitert, .klausel = K::abschliessen}, "das GIF lässt sich nicht abschließen", "the GIF cannot be finished"},
        {{.art = A::gifGescheitert, .klausel = K::anlegen}, "das GIF lässt sich nicht anlegen", "the GIF cannot be created"},
        {{.art = A::gifGescheitert, .klausel = K::beginnen}, "das GIF lässt sich nicht beginnen", "the GIF cannot be started"},
        // The other clauses, each in the sentence of its kind.
        {{.art = A::regelNichtHier, .klausel = K::nachLage, .name = "R"},
         "Die Regel „R“ lässt sich hier nicht einstellen: sie unterscheidet die Nachbarn nach ihrer Lage, hier zählt nur ihre Zahl.",
         "The rule “R” cannot be set here: it tells the neighbours apart by their place, here only their number counts."},
        {{.art = A::regelNichtHier, .klausel = K::sechseck, .name = "R"}, "Die Regel „R“ lässt sich hier nicht einstellen: sie gilt im Sechseckgitter.",
         "The rule “R” cannot be set here: it holds on the hexagonal grid."},
        {{.art = A::regelNichtHier, .klausel = K::andereNachbarschaft, .name = "R"},
         "Die Regel „R“ lässt sich hier nicht einstellen: sie gilt für eine andere Nachbarschaft als die acht Nachbarn.",
         "The rule “R” cannot be set here: it holds for another neighbourhood than the eight neighbours."},
        {{.art = A::regelNichtHier, .klausel = K::nichtNurAnzahl, .name = "R"},
         "Die Regel „R“ lässt sich hier nicht einstellen: sie hängt nicht allein von der Zahl lebender Nachbarn ab.",
         "The rule “R” cannot be set here: it does not depend on the number of living neighbours alone."},
        {{.art = A::randNichtHier, .klausel = K::kleinscheFlasche, .name = ":K"},
         "Der Rand „:K“ lässt sich hier nicht einstellen: eine Kleinsche Flasche; hier gibt es Torus, Quadrat und Spiegel.",
         "The edge “:K” cannot be set here: a Klein bottle; here there are Torus, Square and Mirror."},
        {{.art = A::randNichtHier, .klausel = K::kreuzhaube, .name = ":C"},
         "Der Rand „:C“ lässt sich hier nicht einstellen: eine Kreuzhaube; hier gibt es Torus, Quadrat und Spiegel.",
         "The edge “:C” cannot be set here: a cross-cap; here there are Torus, Square and Mirror."},
        {{.art = A::randNichtHier, .klausel = K::kugel, .name = ":S"},
         "Der Rand „:S“ lässt sich hier nicht einstellen: eine Kugel; hier gibt es Torus, Quadrat und Spiegel.",
         "The edge “:S” cannot be set here: a sphere; here there are Torus, Square and Mirror."},
        {{.art = A::randNichtHier, .klausel = K::verschoben, .name = ":T"},
         "Der Rand „:T“ lässt sich hier nicht einstellen: verschoben oder verdreht verklebte Kanten; hier gibt es Torus, Quadrat und Spiegel.",
         "The edge “:T” cannot be set here: edges glued with a shift or twist; here there are Torus, Square and Mirror."},
        {{.art = A::brettOhneUmbruch, .klausel = K::unbegrenzt, .name = "0x2"},
         "Das Brett „0x2 ohne Umbruch“ lässt sich hier nicht einstellen: in einer Richtung unbegrenzt; hier ist das Feld in beiden Richtungen begrenzt.",
         "The bounded grid “0x2” cannot be set here: unbounded in one direction; here the field is bounded in both."},
        {{.art = A::randNichtHier, .klausel = K::ungerade, .name = ":P"},
         "Der Rand „:P“ lässt sich hier nicht einstellen: eine ungerade Seitenlänge; hier ist die Feldgröße gerade.",
         "The edge “:P” cannot be set here: an odd side length; here the field size is even."},
        {{.art = A::regelErwartet, .klausel = K::b, .name = "S/", .gelesen = "S/"}, "„S/“ ist keine Regel: nach „S/“ wird „B“ erwartet.",
         "“S/” is no rule: “S/” must be followed by “B”."},
        {{.art = A::regelErwartet, .klausel = K::zahlStrichS, .name = "B9", .gelesen = "B"},
         "„B9“ ist keine Regel: nach „B“ wird eine Zahl von 0 bis 8, „/“ oder „S“ erwartet.",
         "“B9” is no rule: “B” must be followed by a number from 0 to 8, “/” or “S”."},
        {{.art = A::regelErwartet, .klausel = K::zahlStrichB, .name = "S9", .gelesen = "S"},
         "„S9“ ist keine Regel: nach „S“ wird eine Zahl von 0 bis 8, „/“ oder „B“ erwartet.",
         "“S9” is no rule: “S” must be followed by a number from 0 to 8, “/” or “B”."},
        {{.art = A::regelErwartet, .klausel = K::zahlDerZustaende, .name = "3/3/", .gelesen = "3/3/"},
         "„3/3/“ ist keine Regel: nach „3/3/“ wird die Zahl der Zustände (ab 2) erwartet.",
         "“3/3/” is no rule: “3/3/” must be followed by the number of states (from 2)."},
        {{.art = A::regelErwartet, .klausel = K::zahlOderEnde, .name = "B3/S2Q", .gelesen = "B3/S2"},
         "„B3/S2Q“ ist keine Regel: nach „B3/S2“ wird eine Zahl von 0 bis 8 oder das Ende erwartet.",
         "“B3/S2Q” is no rule: “B3/S2” must be followed by a number from 0 to 8 or the end."},
        {{.art = A::regelErwartet, .klausel = K::zahlOderStrich, .name = "23", .gelesen = "23"},
         "„23“ ist keine Regel: nach „23“ wird eine Zahl von 0 bis 8 oder „/“ erwartet.",
         "“23” is no rule: “23” must be followed by a number from 0 to 8 or “/”."},
        {{.art = A::regelErwartet, .klausel = K::tabelle, .name = "MAPx", .gelesen = "MAP"},
         "„MAPx“ ist keine Regel: nach „MAP“ wird eine Tabelle aus 86 Zeichen Base64 erwartet.",
         "“MAPx” is no rule: “MAP” must be followed by a table of 86 base64 characters."},
    };
    std::set<A> arten;
    std::set<K> klauseln;
    for (const auto& f : faelle) {
        EXPECT_EQ(texte::ablehnung(Sprache::deutsch, f.g) + "|" + texte::ablehnung(Sprache::englisch, f.g), f.de + "|" + f.en);
        arten.insert(f.g.art);
        klauseln.insert(f.g.klausel);
    }
    // Every kind and clause has its sentence here.
    EXPECT_EQ(arten.size(), static_cast<std::size_t>(A::gifGescheitert));
    EXPECT_EQ(klauseln.size(), static_cast<std::size_t>(K::abschliessen) + 1);
    EXPECT_EQ(texte::ablehnung(Sprache::englisch, {}), "");
}
