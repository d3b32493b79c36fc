#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <random>
#include <set>
#include <sstream>
#include <utility>

#include "engine/schritt.h"
#include "storage/muster.h"
#include "testhilfe/bild.h"

// The largest single allocation since the last reset, to show that no reader sizes memory by its input.
namespace {
std::size_t groessteAnforderung = 0;
}

void* operator new(std::size_t groesse) {
    groessteAnforderung = std::max(groessteAnforderung, groesse);
    if (void* p = std::malloc(groesse ? groesse : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t groesse) { return operator new(groesse); }

namespace {

using storage::liesMuster;
using storage::Muster;
using Zellen = std::set<std::pair<int, int>>;

// Living cells of a pattern as (column, row) of its box.
Zellen zellenVon(const Muster& m) {
    Zellen z;
    for (int x = 0; x < m.breite; ++x)
        for (int y = 0; y < m.hoehe; ++y)
            if (m.lebt[x][y]) z.insert({x, y});
    return z;
}

// Living cells of the visible field as field coordinates.
Zellen zellenVon(const engine::Welt& w) {
    Zellen z;
    const int h = w.feldGroesse / 2;
    for (int i = -h; i < h; ++i)
        for (int j = -h; j < h; ++j)
            if (w.zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] != 0) z.insert({i, j});
    return z;
}

std::unique_ptr<Muster> gut(const std::string& text) {
    storage::MusterGelesen g = liesMuster(text);
    EXPECT_TRUE(g.muster) << g.fehler;
    EXPECT_EQ(g.fehler, "");
    return std::move(g.muster);
}

std::string fehler(const std::string& text) {
    storage::MusterGelesen g = liesMuster(text);
    EXPECT_FALSE(g.muster);
    return g.fehler;
}

const Zellen kGleiter = {{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};

// The common Life rule as a MAP rule, as the pattern collections write it.
const std::string kLifeMap =
    "MAPARYXfhZofugWaH7oaIDogBZofuhogOiAaIDogIAAgAAWaH7oaIDogGiA6ICAAIAAaIDogIAAgACAAIAAAAAAAA";

const std::string kGosper =
    "#N Gosper glider gun\n"
    "#C This was the first gun discovered.\n"
    "x = 36, y = 9, rule = B3/S23\n"
    "24bo$22bobo$12b2o6b2o12b2o$11bo3bo4b2o12b2o$2o8bo5bo3b2o$2o8bo3bob2o4b\n"
    "obo$10bo5bo7bo$11bo3bo$12b2o!\n";

const std::string kPulsar =
    "!Name: Pulsar\n"
    "!Period 3 oscillator.\n"
    "!\n"
    "..OOO...OOO..\n"
    ".............\n"
    "O....O.O....O\n"
    "O....O.O....O\n"
    "O....O.O....O\n"
    "..OOO...OOO..\n"
    ".............\n"
    "..OOO...OOO..\n"
    "O....O.O....O\n"
    "O....O.O....O\n"
    "O....O.O....O\n"
    ".............\n"
    "..OOO...OOO..\n";

engine::Regel regelAus(std::uint16_t geburt, std::uint16_t ueberleben) { return {ueberleben, geburt}; }

TEST(MusterLesen, KnownPatternsFromTheCollections) {
    auto gleiter = gut("#N Glider\n#O Richard K. Guy\nx = 3, y = 3, rule = B3/S23\nbob$2bo$3o!\n");
    EXPECT_EQ(gleiter->breite, 3);
    EXPECT_EQ(gleiter->hoehe, 3);
    EXPECT_EQ(zellenVon(*gleiter), kGleiter);
    ASSERT_TRUE(gleiter->regel);
    EXPECT_EQ(gleiter->regel->regel.geburt, engine::Regel::standard().geburt);
    EXPECT_EQ(gleiter->regel->regel.ueberleben, engine::Regel::standard().ueberleben);
    EXPECT_EQ(gleiter->regel->maske, 255);
    EXPECT_FALSE(gleiter->rand);
    EXPECT_FALSE(gleiter->position);

    auto kanone = gut(kGosper);
    EXPECT_EQ(kanone->breite, 36);
    EXPECT_EQ(kanone->hoehe, 9);
    EXPECT_EQ(zellenVon(*kanone).size(), 36u);
    EXPECT_TRUE(kanone->lebt[24][0]);
    EXPECT_TRUE(kanone->lebt[0][4] && kanone->lebt[1][5]);
    EXPECT_TRUE(kanone->lebt[12][8] && kanone->lebt[13][8]);

    auto pulsar = gut(kPulsar);
    EXPECT_EQ(pulsar->breite, 13);
    EXPECT_EQ(pulsar->hoehe, 13);
    EXPECT_EQ(zellenVon(*pulsar).size(), 48u);
    EXPECT_FALSE(pulsar->regel);
    EXPECT_EQ(zellenVon(*gut("!Stars\n.*.\n..*\n***\n")), kGleiter);

    auto life106 = gut("#Life 1.06\n0 -1\n1 0\n-1 1\n0 1\n1 1\n");
    EXPECT_EQ(zellenVon(*life106), kGleiter);
    EXPECT_EQ(life106->position, (std::array<std::int64_t, 2>{-1, -1}));
}

TEST(MusterLesen, LineEndingsLongLinesAndPositions) {
    const Zellen crlf = zellenVon(*gut("#N Glider\r\nx = 3, y = 3, rule = B3/S23\r\nbo$2bo$3o!\r\n"));
    EXPECT_EQ(crlf, zellenVon(*gut("#N Glider\rx = 3, y = 3\rbo$2bo$3o!")));
    EXPECT_EQ(crlf, kGleiter);
    EXPECT_EQ(zellenVon(*gut("!Glider\r\n.O.\r\n..O\r\nOOO\r\n")), kGleiter);
    EXPECT_EQ(zellenVon(*gut("#Life 1.06\r\n1 0\r\n2 1\r\n0 2\r\n1 2\r\n2 2\r\n")), kGleiter);

    // A data line of some hundred characters, a comment of 100000 and a run split over two lines.
    std::string lang = "#C " + std::string(100000, 'c') + "\nx = 90, y = 90\n";
    for (int y = 0; y < 90; y += 2) lang += y < 88 ? "45bo2$" : "45bo$";
    lang += "8\n9o!";
    auto m = gut(lang);
    EXPECT_EQ(m->breite, 90);
    EXPECT_EQ(m->hoehe, 90);
    EXPECT_EQ(zellenVon(*m).size(), 45u + 89u);
    EXPECT_TRUE(m->lebt[45][88] && m->lebt[88][89] && !m->lebt[89][89] && !m->lebt[44][88]);

    auto mitPos = gut("#CXRLE Pos=-5,3 Gen=12\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n");
    EXPECT_EQ(mitPos->position, (std::array<std::int64_t, 2>{-5, 3}));
    std::string grund;
    const auto platz = storage::platzFuer(*mitPos, 30, grund);
    ASSERT_TRUE(platz);
    EXPECT_EQ(platz->i, -5);
    EXPECT_EQ(platz->j, 3);
    // Beyond the field's edge the pattern is centred instead.
    mitPos->position = std::array<std::int64_t, 2>{14, 0};
    EXPECT_EQ(storage::platzFuer(*mitPos, 30, grund)->i, -2);
    mitPos->position.reset();
    EXPECT_EQ(storage::platzFuer(*mitPos, 30, grund)->j, -2);

    // Headerless RLE as pasted from a forum post.
    EXPECT_EQ(zellenVon(*gut("bo$2bo$3o!")), kGleiter);
}

TEST(MusterLesen, RulesInEveryCommonNotation) {
    auto regelVon = [](const std::string& regel) {
        auto m = gut("x = 1, y = 1, rule = " + regel + "\no!");
        return m ? m->regel : std::nullopt;
    };
    for (const char* standard : {"B3/S23", "b3/s23", "S23/B3", "s23/b3", "23/3", "B3S23", "Life", " B3/S23 "}) {
        const auto r = regelVon(standard);
        ASSERT_TRUE(r) << standard;
        EXPECT_EQ(r->regel.geburt, 0b1000) << standard;
        EXPECT_EQ(r->regel.ueberleben, 0b1100) << standard;
        EXPECT_EQ(r->maske, 255) << standard;
    }
    EXPECT_EQ(regelVon("B36/S23")->regel.geburt, 0b1001000);
    EXPECT_EQ(regelVon("/3")->regel.ueberleben, 0);
    EXPECT_EQ(regelVon("B0/S")->regel.geburt, 1);
    EXPECT_EQ(regelVon("B2/S013V")->maske, 0x55);
    EXPECT_EQ(regelVon(kLifeMap)->maske, 255);
    EXPECT_EQ(regelVon(kLifeMap)->regel.ueberleben, 0b1100);

    // Bounded grids.
    auto t = gut("x = 1, y = 1, rule = B3/S23:T60,60\no!");
    EXPECT_EQ(t->rand, engine::Rand::Torus);
    EXPECT_EQ(t->feldGroesse, 60);
    auto p = gut("x = 1, y = 1, rule = B3/S23:P30,30\no!");
    EXPECT_EQ(p->rand, engine::Rand::Quadrat);
    EXPECT_EQ(p->feldGroesse, 30);
}

TEST(MusterLesen, ForeignRulesAndGridsAreNamedInOneSentence) {
    auto fremd = [](const std::string& regel) { return gut("x = 1, y = 1, rule = " + regel + "\no!"); };
    const std::vector<std::string> fremdeRegeln = {"B3/S23H", "23/3/3", "B2a/S12", "B3/S23/C4", "MAP" + std::string(22, 'A')};
    for (const std::string& regel : fremdeRegeln) {
        auto m = fremd(regel);
        EXPECT_FALSE(m->regel) << regel;
        EXPECT_EQ(m->fremdeRegel, regel);
        EXPECT_EQ(storage::hinweisNichtUebernommen(*m),
                  "Nicht übernommen wurde die Regel „" + regel +
                      "“, die sich hier nicht einstellen lässt; die eingestellte Regel gilt weiter.");
    }
    for (const char* gitter : {":K30,30", ":T30,20", ":T31,31", ":T100,100", ":T30+1,30", ":T0,30", ":S30"}) {
        auto m = fremd(std::string("B3/S23") + gitter);
        EXPECT_FALSE(m->rand) << gitter;
        EXPECT_TRUE(m->regel) << gitter;
        EXPECT_EQ(m->fremderRand, gitter);
    }
    auto beides = fremd("B3/S23H:K20,20");
    EXPECT_EQ(storage::hinweisNichtUebernommen(*beides),
              "Nicht übernommen wurden die Regel „B3/S23H“ und der Rand „:K20,20“, die sich hier nicht einstellen "
              "lassen; Regel, Randoption und Feldgröße bleiben, wie sie waren.");
    EXPECT_EQ(storage::hinweisNichtUebernommen(*fremd("B3/S23:P30,30")), "");
    // A MAP rule that no mask and count rule gives: birth only with the north neighbour alone.
    std::string nurNorden = "MAP";
    for (int k = 0; k < 86; ++k) nurNorden += k == 21 ? 'I' : 'A';
    EXPECT_EQ(fremd(nurNorden)->fremdeRegel, nurNorden);
}

TEST(MusterLesen, BadInputIsRefusedWithAGermanSentence) {
    const std::string zuLang(storage::kMaxMusterText + 1, 'o');
    const std::string breit = "!big\n" + std::string(1000000, '.') + "O\n";
    groessteAnforderung = 0;
    EXPECT_EQ(fehler("x = 3 y = 3\nbo$2bo$3o!"),
              "Die Kopfzeile in Zeile 1 ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.");
    EXPECT_EQ(fehler("x = , y = 3\no!"),
              "Die Kopfzeile in Zeile 1 ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.");
    EXPECT_EQ(fehler("x = 3, y = 1\n1000000000000o!"), "Die Wiederholungszahl 1000000000000 in Zeile 2 ist zu groß.");
    EXPECT_EQ(fehler("x = 3, y = 1\n99999999999999999999999o!"),
              "Die Wiederholungszahl mit über 15 Ziffern in Zeile 2 ist zu groß.");
    EXPECT_EQ(fehler("x = 1000000, y = 1000000, rule = B3/S23\no!"),
              "Das Muster ist 1000000 × 1000000 Zellen groß; das größte Feld hat 90 × 90 Zellen.");
    EXPECT_EQ(fehler("999999bo$999999$o!"),
              "Das Muster ist 1000000 × 1000001 Zellen groß; das größte Feld hat 90 × 90 Zellen.");
    EXPECT_EQ(fehler("#Life 1.06\n0 0\n999999 999999\n"),
              "Das Muster ist 1000000 × 1000000 Zellen groß; das größte Feld hat 90 × 90 Zellen.");
    EXPECT_EQ(fehler(breit),
              "Das Muster ist 1000001 × 1 Zellen groß; das größte Feld hat 90 × 90 Zellen.");
    EXPECT_EQ(fehler("x = 1, y = 1, rule = B3/S23Q\no!"), "Die Regel „B3/S23Q“ in Zeile 1 ist unbekannt.");
    EXPECT_EQ(fehler("x = 1, y = 1, rule = Xyz\no!"), "Die Regel „Xyz“ in Zeile 1 ist unbekannt.");
    EXPECT_EQ(fehler("x = 1, y = 1, rule = B9/S23\no!"), "Die Regel „B9/S23“ in Zeile 1 ist unbekannt.");
    EXPECT_EQ(fehler("x = 1, y = 1, rule = B3/S23:Q5,5\no!"), "Der Rand „:Q5,5“ in Zeile 1 ist unbekannt.");
    EXPECT_EQ(fehler(std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10)),
              "Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei.");
    EXPECT_EQ(fehler("x = 2, y = 1\nbo3B!"), "Zeile 2 enthält das unerwartete Zeichen „B“.");
    EXPECT_EQ(fehler("x = 2, y = 1\nbz!"), "Zeile 2 enthält das unerwartete Zeichen „z“.");
    EXPECT_EQ(fehler("x = 2, y = 1\n0o!"), "Zeile 2 enthält die Wiederholungszahl 0.");
    EXPECT_EQ(fehler("!a\n.O.\n.o.\n"), "Zeile 3 enthält das unerwartete Zeichen „o“.");
    EXPECT_EQ(fehler("#Life 1.06\n1 2 3\n"), "Zeile 2 enthält mehr als ein Koordinatenpaar „x y“.");
    EXPECT_EQ(fehler("#Life 1.06\n1,2\n"), "Zeile 2 enthält kein Koordinatenpaar „x y“.");
    EXPECT_EQ(fehler("#Life 1.06\n1 99999999999999999999\n"), "Die Koordinate in Zeile 2 ist unsinnig groß.");
    EXPECT_EQ(fehler("#Life 1.05\n#P 0 0\n.*\n"),
              "Das Format Life 1.05 wird nicht unterstützt; RLE, Plaintext, Life 1.06, MCell und Makrozellen werden "
              "gelesen.");
    EXPECT_EQ(fehler("Hallo Welt"), "Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.06, MCell, Makrozellen .mc).");
    EXPECT_EQ(fehler(" \n\n"), "Der Text enthält kein Muster.");
    EXPECT_EQ(fehler(zuLang), "Der Text ist mit 4 MB zu lang für ein Muster.");
    EXPECT_LT(groessteAnforderung, 64u * 1024u) << "a reader allocated in proportion to its input";
}

TEST(MusterLesen, RandomBytesNeverBreakTheReaders) {
    std::mt19937 zufall(7);
    const std::string alphabet = "0123456789bo$!.AO*#xyrule=,:TP \n\r-";
    groessteAnforderung = 0;
    for (int versuch = 0; versuch < 3000; ++versuch) {
        std::string text;
        const int laenge = static_cast<int>(zufall() % 200);
        for (int k = 0; k < laenge; ++k)
            text += versuch % 3 == 0 ? static_cast<char>(zufall() % 256) : alphabet[zufall() % alphabet.size()];
        for (auto lies : {storage::liesMuster, storage::liesRle, storage::liesPlaintext, storage::liesLife106}) {
            const storage::MusterGelesen g = lies(text);
            ASSERT_NE(g.muster == nullptr, g.fehler.empty()) << text;
            if (!g.muster) continue;
            ASSERT_LE(g.muster->breite, engine::kMaxFeld);
            ASSERT_LE(g.muster->hoehe, engine::kMaxFeld);
            for (const auto& [x, y] : zellenVon(*g.muster)) ASSERT_TRUE(x < g.muster->breite && y < g.muster->hoehe);
        }
    }
    EXPECT_LT(groessteAnforderung, 64u * 1024u);
}

TEST(MusterEinsetzen, StateOneOverTheWorldAndSizeRefusal) {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, -15, -15, {"3"});
    auto m = gut("x = 3, y = 3\nbo$2bo$3o!");
    std::string grund;
    const auto platz = storage::platzFuer(*m, 30, grund);
    ASSERT_TRUE(platz);
    storage::setzeEin(*welt, *m, *platz);
    EXPECT_EQ(testhilfe::lies(*welt, -2, -2, 3, 3), (std::vector<std::string>{".1.", "..1", "111"}));
    EXPECT_EQ(testhilfe::lies(*welt, -15, -15, 1, 1), (std::vector<std::string>{"3"}));

    auto kanone = gut(kGosper);
    EXPECT_FALSE(storage::platzFuer(*kanone, 30, grund));
    EXPECT_EQ(grund,
              "Das Muster ist 36 × 9 Zellen groß und passt nicht in das Feld von 30 × 30 Zellen; das größte Feld "
              "hat 90 × 90 Zellen.");
    EXPECT_TRUE(storage::platzFuer(*kanone, 36, grund));
}

// ---- Writer ----

TEST(MusterSchreiben, RleOfTheVisibleField) {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, 2, -4, {".O.", "..2", "3OO"});
    welt->zelle[engine::speicherIndex(20)][engine::speicherIndex(0)] = 1;  // outside the field of 30
    EXPECT_EQ(storage::rleText(*welt, engine::Regel::standard(), engine::Rand::Torus, "Gleiter"),
              "#CXRLE Pos=2,-4\n#N Gleiter\n#C Aus MorLix 2.2, Feld 30 x 30.\n"
              "x = 3, y = 3, rule = B3/S23:T30,30\nbo$2bo$3o!\n");
    EXPECT_EQ(storage::rleText(*welt, regelAus(0b1001000, 0b1100), engine::Rand::Quadrat, ""),
              "#CXRLE Pos=2,-4\n#C Aus MorLix 2.2, Feld 30 x 30.\nx = 3, y = 3, rule = B36/S23:P30,30\nbo$2bo$3o!\n");
    EXPECT_EQ(storage::rleText(*welt, engine::Regel::standard(), engine::Rand::Spiegel, ""),
              "#CXRLE Pos=2,-4\n#C Aus MorLix 2.2, Feld 30 x 30.\n#C MorLix: Rand Spiegel, Feld 30.\n"
              "#C Dieser Rand ist anderswo unbekannt; hier ohne Rand geschrieben.\n"
              "x = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n");
    welt->loescheZellen();
    EXPECT_EQ(storage::rleText(*welt, engine::Regel::standard(), engine::Rand::Torus, ""),
              "#C Aus MorLix 2.2, Feld 30 x 30.\nx = 0, y = 0, rule = B3/S23:T30,30\n!\n");
}

TEST(MusterSchreiben, MapRuleOfAMask) {
    EXPECT_EQ(storage::mapText(engine::Regel::standard(), 255), kLifeMap);
    EXPECT_EQ(storage::regelText(engine::Regel::standard(), 255), "B3/S23");
    EXPECT_EQ(storage::regelText(engine::Regel::standard(), 0x55).substr(0, 3), "MAP");
    // Only the north neighbour (direction (0, -1), mask bit 2) counts, one gives birth: every index
    // with 128 set and 16 clear; the first is 128, the 21st character holds indices 126..131.
    const std::string nord = storage::mapText(regelAus(0b10, 0), 0b100);
    EXPECT_EQ(nord.size(), 89u);
    EXPECT_EQ(nord.substr(3, 22), std::string(21, 'A') + 'P');
}

TEST(MusterSchreiben, RandomWorldsSurviveTheRoundTrip) {
    std::mt19937 zufall(11);
    const engine::Regel regeln[] = {engine::Regel::standard(), regelAus(0b1001000, 0b1100), regelAus(1, 0b100000000),
                                    regelAus(0, 0), regelAus(0b110, 0b111111111)};
    const std::uint8_t masken[] = {255, 0x55, 0x0F, 0, 0xAA, 0x81};
    int durchlauf = 0;
    for (engine::Rand rand : {engine::Rand::Torus, engine::Rand::Quadrat, engine::Rand::Spiegel})
        for (int n : {2, 14, 30, 60, 90})
            for (const engine::Regel& regel : regeln) {
                const std::uint8_t maske = masken[durchlauf++ % std::size(masken)];
                auto welt = std::make_unique<engine::Welt>();
                welt->feldGroesse = n;
                welt->nachbarMaske = maske;
                const int dichte = 1 + static_cast<int>(zufall() % 60);
                for (int i = -n / 2; i < n / 2; ++i)
                    for (int j = -n / 2; j < n / 2; ++j)
                        if (static_cast<int>(zufall() % 100) < dichte)
                            welt->zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] = 1 + zufall() % 3;

                const std::string text = storage::rleText(*welt, regel, rand, "Zufall");
                std::istringstream zeilen(text);
                for (std::string z; std::getline(zeilen, z);)
                    if (z.rfind("x = ", 0) != 0) {
                        ASSERT_LE(z.size(), 70u) << z;
                    }

                auto m = gut(text);
                ASSERT_TRUE(m);
                EXPECT_EQ(m->rand, rand);
                EXPECT_EQ(m->feldGroesse, n);
                ASSERT_TRUE(m->regel);
                EXPECT_EQ(storage::mapText(m->regel->regel, m->regel->maske), storage::mapText(regel, maske));
                std::string grund;
                const auto platz = storage::platzFuer(*m, n, grund);
                ASSERT_TRUE(platz) << grund;
                auto zurueck = std::make_unique<engine::Welt>();
                zurueck->feldGroesse = n;
                storage::setzeEin(*zurueck, *m, *platz);
                EXPECT_EQ(zellenVon(*zurueck), zellenVon(*welt)) << text;
            }
}

// ---- An independent run of exported RLE ----

// A bounded-grid Life-like universe read from RLE text by the format's rules alone.
struct Universum {
    int breite = 0, hoehe = 0;
    bool torus = true;
    std::set<int> geburt, ueberleben;
    std::set<std::pair<int, int>> lebt;  // (x, y), x from -breite/2

    explicit Universum(const std::string& rle) {
        std::istringstream ein(rle);
        std::string z;
        int x0 = 0, y0 = 0;
        while (std::getline(ein, z) && z[0] == '#')
            if (z.rfind("#CXRLE Pos=", 0) == 0) std::sscanf(z.c_str() + 11, "%d,%d", &x0, &y0);
        const std::string regel = z.substr(z.find("rule = ") + 7);
        const auto b = regel.find('B'), s = regel.find("/S"), d = regel.find(':');
        for (char c : regel.substr(b + 1, s - b - 1)) geburt.insert(c - '0');
        for (char c : regel.substr(s + 2, d - s - 2)) ueberleben.insert(c - '0');
        torus = regel[d + 1] == 'T';
        std::sscanf(regel.c_str() + d + 2, "%d,%d", &breite, &hoehe);
        std::string daten((std::istreambuf_iterator<char>(ein)), {});
        int x = x0, y = y0, anzahl = 0;
        for (char c : daten) {
            if (c >= '0' && c <= '9') {
                anzahl = anzahl * 10 + (c - '0');
                continue;
            }
            const int lauf = anzahl ? anzahl : 1;
            anzahl = 0;
            if (c == 'b') x += lauf;
            if (c == 'o')
                for (int k = 0; k < lauf; ++k) lebt.insert({x++, y});
            if (c == '$') y += lauf, x = x0;
        }
    }

    void schritt() {
        std::set<std::pair<int, int>> neu;
        for (int x = -breite / 2; x < breite - breite / 2; ++x)
            for (int y = -hoehe / 2; y < hoehe - hoehe / 2; ++y) {
                int n = 0;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        if (!dx && !dy) continue;
                        int nx = x + dx, ny = y + dy;
                        if (torus) {
                            nx = (nx + breite / 2 + breite) % breite - breite / 2;
                            ny = (ny + hoehe / 2 + hoehe) % hoehe - hoehe / 2;
                        }
                        n += lebt.count({nx, ny});
                    }
                if (lebt.count({x, y}) ? ueberleben.count(n) : geburt.count(n)) neu.insert({x, y});
            }
        lebt = neu;
    }
};

TEST(MusterLauf, ExportedWorldsRunAlikeInAnIndependentSimulator) {
    std::mt19937 zufall(3);
    for (engine::Rand rand : {engine::Rand::Torus, engine::Rand::Quadrat})
        for (const engine::Regel& regel : {engine::Regel::standard(), regelAus(0b1001000, 0b1100)}) {
            auto welt = std::make_unique<engine::Welt>();
            welt->feldGroesse = 30;
            for (int i = -15; i < 15; ++i)
                for (int j = -15; j < 15; ++j)
                    if (zufall() % 3 == 0) welt->zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] = 1;
            Universum u(storage::rleText(*welt, regel, rand, ""));
            ASSERT_EQ(u.breite, 30);
            ASSERT_EQ(u.lebt, zellenVon(*welt));
            for (int k = 1; k <= 40; ++k) {
                engine::schritt(*welt, regel, rand);
                u.schritt();
                ASSERT_EQ(zellenVon(*welt), u.lebt) << "generation " << k;
            }
        }
}

TEST(MusterLauf, ImportedPatternsBehaveAsKnown) {
    auto welt = std::make_unique<engine::Welt>();
    std::string grund;
    auto pulsar = gut(kPulsar);
    storage::setzeEin(*welt, *pulsar, *storage::platzFuer(*pulsar, 30, grund));
    const Zellen anfang = zellenVon(*welt);
    for (int k = 0; k < 3; ++k) engine::schritt(*welt, engine::Regel::standard(), engine::Rand::Torus);
    EXPECT_EQ(zellenVon(*welt), anfang);

    // The gun sends out a glider every 30 generations: 36 + 5 cells after 30 of them.
    welt->loescheZellen();
    welt->feldGroesse = 60;
    auto kanone = gut(kGosper);
    storage::setzeEin(*welt, *kanone, *storage::platzFuer(*kanone, 60, grund));
    for (int k = 0; k < 30; ++k) engine::schritt(*welt, engine::Regel::standard(), engine::Rand::Quadrat);
    EXPECT_EQ(zellenVon(*welt).size(), 36u + 5u);
}

}  // namespace
