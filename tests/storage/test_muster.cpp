#include <gtest/gtest.h>
#include <zlib.h>

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
using Bild = std::vector<std::string>;

// The pattern's box as a picture, 'O' living.
Bild bildVon(const Muster& m) {
    Bild b(static_cast<std::size_t>(m.hoehe), std::string(static_cast<std::size_t>(m.breite), '.'));
    for (int x = 0; x < m.breite; ++x)
        for (int y = 0; y < m.hoehe; ++y)
            if (m.lebt[x][y]) b[y][x] = 'O';
    return b;
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

// The same cells moved so that the box starts at (0, 0).
Zellen form(const Zellen& z) {
    int x0 = INT32_MAX, y0 = INT32_MAX;
    for (const auto& [x, y] : z) x0 = std::min(x0, x), y0 = std::min(y0, y);
    Zellen f;
    for (const auto& [x, y] : z) f.insert({x - x0, y - y0});
    return f;
}

// The pattern placed on an empty field of size n.
Zellen platziert(const Muster& m, int n) {
    std::string grund;
    const auto platz = storage::platzFuer(m, n, grund);
    EXPECT_TRUE(platz) << grund;
    auto welt = std::make_unique<engine::Welt>();
    welt->feldGroesse = n;
    if (platz) storage::setzeEin(*welt, m, *platz);
    return zellenVon(*welt);
}

std::unique_ptr<Muster> gut(const std::string& text) {
    storage::MusterGelesen g = liesMuster(text);
    EXPECT_TRUE(g.muster) << g.fehler;
    EXPECT_EQ(g.fehler, "");
    return std::move(g.muster);
}

// The text packed with gzip by zlib itself.
std::string gepackt(const std::string& text) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string aus(deflateBound(&z, text.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(aus.data());
    z.avail_out = static_cast<uInt>(aus.size());
    deflate(&z, Z_FINISH);
    aus.resize(z.total_out);
    deflateEnd(&z);
    return aus;
}

const Bild kGleiter = {".O.", "..O", "OOO"};

const std::string kGosper =
    "#N Gosper glider gun\n"
    "#C This was the first gun discovered.\n"
    "x = 36, y = 9, rule = B3/S23\n"
    "24bo$22bobo$12b2o6b2o12b2o$11bo3bo4b2o12b2o$2o8bo5bo3b2o$2o8bo3bob2o4b\n"
    "obo$10bo5bo7bo$11bo3bo$12b2o!\n";

// Glider at (5, -7) and a cell at (-100, 50) as macrocell, written by another program from RLE.
const std::string kGleiterMc = "[M2] (golly 3.3)\n#R B3/S23\n......*$.......*$.....***$\n4 0 1 0 0\n";
const std::string kWeitMc = "[M2] (golly 3.3)\n#R B3/S23\n$....*$\n4 0 1 0 0\n5 0 0 0 2\n6 0 0 3 0\n7 4 0 0 0\n8 0 0 5 0\n";

engine::Regel regelAus(std::uint16_t geburt, std::uint16_t ueberleben) { return {ueberleben, geburt}; }

using Pos = std::optional<std::array<std::int64_t, 2>>;

TEST(MusterLesen, EveryFormatWithItsCellsRuleEdgeAndPosition) {
    struct Fall {
        std::string text;
        Bild bild;
        std::string regel;  // as written back, empty for none
        Pos position;
        int feld = 0;       // size of the bounded grid taken over, 0 for none
        engine::Rand rand = engine::Rand::Torus;
        std::string hinweis = "";  // part of the sentence on what was not taken over
    };
    const std::string rle = "#N Glider\n#O Richard K. Guy\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n";
    const Fall faelle[] = {
        {rle, kGleiter, "B3/S23", {}},
        {"#N Glider\r\nx = 3, y = 3, rule = b3_s23\r\nbo$2bo$3o!\r\n", kGleiter, "B3/S23", {}},
        {"#N Glider\rx = 3, y = 3\rbo$2bo$3o!", kGleiter, "", {}},
        {"bo$2bo$3o!", kGleiter, "", {}},
        {"#CXRLE Pos=-5,3 Gen=12\nx = 3, y = 3, rule = HighLife:T60,60\nbo$2bo$3o!\n", kGleiter, "B36/S23",
         Pos{{-5, 3}}, 60, engine::Rand::Torus},
        {"x = 1, y = 1, rule = 23/3:P30,30\no!", {"O"}, "B3/S23", {}, 30, engine::Rand::Quadrat},
        {"x = 0, y = 0, rule = B3/S23\n!\n", {}, "B3/S23", {}},
        {"!Stars\n.*.\n..*\n***\n", kGleiter, "", {}},
        {"#Life 1.06\n0 -1\n1 0\n-1 1\n0 1\n1 1\n", kGleiter, "", Pos{{-1, -1}}},
        {"#MCell 4.20\n#GAME Life\n#RULE 23/36\n#BOARD 60x60\n#WRAP 0\n#D Gleiter\n#L .*$..*$***\n", kGleiter,
         "B36/S23", {}, 60, engine::Rand::Quadrat},
        {"#MCell\n#BOARD 30x30\n#L .A\n#L $2.A$3A\n", kGleiter, "", {}, 30, engine::Rand::Torus},
        {kGleiterMc, kGleiter, "B3/S23", Pos{{5, -7}}},
        {kWeitMc, {"O"}, "B3/S23", Pos{{-100, 50}}},
        {"[M2]\n4 0 0 0 0\n", {}, "", {}},
        {gepackt(rle), kGleiter, "B3/S23", {}},
        {gepackt(kGleiterMc), kGleiter, "B3/S23", Pos{{5, -7}}},
        {"x = 1, y = 1, rule = B2a/S12\no!", {"O"}, "", {}, 0, {},
         "Nicht übernommen wurde die Regel „B2a/S12“, die sich hier nicht einstellen lässt; die eingestellte Regel "
         "gilt weiter."},
        {"x = 1, y = 1, rule = 23/3/3\no!", {"O"}, "", {}, 0, {}, "Nicht übernommen wurde die Regel „23/3/3“"},
        {"x = 1, y = 1, rule = B3/S23:T30,20\no!", {"O"}, "B3/S23", {}, 0, {},
         "Nicht übernommen wurde der Rand „:T30,20“, der sich hier nicht einstellen lässt; Randoption und "
         "Feldgröße bleiben, wie sie waren."},
        {"x = 1, y = 1, rule = B3/S23:T100,100\no!", {"O"}, "B3/S23", {}, 0, {}, "der Rand „:T100,100“"},
        {"#MCell\n#BOARD 120x120\n#WRAP 1\n#L *\n", {"O"}, "", {}, 0, {}, "der Rand „Brett 120x120 mit Umbruch“"},
        {"x = 1, y = 1, rule = B3/S23H:K20,20\no!", {"O"}, "", {}, 0, {},
         "Nicht übernommen wurden die Regel „B3/S23H“ und der Rand „:K20,20“, die sich hier nicht einstellen "
         "lassen; Regel, Randoption und Feldgröße bleiben, wie sie waren."},
    };
    for (const Fall& f : faelle) {
        const auto m = gut(f.text);
        ASSERT_TRUE(m) << f.text;
        EXPECT_EQ(bildVon(*m), f.bild) << f.text;
        EXPECT_EQ(m->regel ? storage::regelText(m->regel->regel, m->regel->maske) : "", f.regel) << f.text;
        EXPECT_EQ(m->position, f.position) << f.text;
        EXPECT_EQ(m->rand ? m->feldGroesse : 0, f.feld) << f.text;
        EXPECT_EQ(m->rand, f.feld ? std::optional(f.rand) : std::nullopt) << f.text;
        const std::string hinweis = storage::hinweisNichtUebernommen(*m);
        EXPECT_TRUE(f.hinweis.empty() ? hinweis.empty() : hinweis.find(f.hinweis) != std::string::npos) << hinweis;
    }

    // A comment of 100000 characters, a data line of some hundred and a run split over two lines.
    std::string lang = "#C " + std::string(100000, 'c') + "\nx = 90, y = 90\n";
    for (int y = 0; y < 90; y += 2) lang += y < 88 ? "45bo2$" : "45bo$";
    auto m = gut(lang + "8\n9o!");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->breite, 90);
    EXPECT_EQ(m->hoehe, 90);
    EXPECT_TRUE(m->lebt[45][88] && m->lebt[88][89] && !m->lebt[89][89] && !m->lebt[44][88]);
}

TEST(MusterLesen, BadInputIsRefusedWithAGermanSentence) {
    const std::string zuLang(storage::kMaxMusterText + 1, 'o');
    const std::string breit = "!big\n" + std::string(1000000, '.') + "O\n";
    std::string vieleKnoten = "[M2]\n";
    for (int k = 0; k <= storage::kMaxKnoten; ++k) vieleKnoten += "*$\n";
    const std::string kopf = "Die Kopfzeile in Zeile 1 ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.";
    const std::string keineZellen = "Der Text enthält keine Zellen, nur Kommentare oder Kopfzeilen.";
    const std::string knoten = "Zeile 2 ist weder ein Blatt aus 8 × 8 Zellen noch ein Knoten „Stufe NW NO SW SO“.";
    const std::pair<std::string, std::string> faelle[] = {
        {"x = 3 y = 3\nbo$2bo$3o!", kopf},
        {"x = 3, y = 1\n1000000000000o!", "Die Wiederholungszahl 1000000000000 in Zeile 2 ist zu groß."},
        {"x = 3, y = 1\n99999999999999999999999o!", "Die Wiederholungszahl mit über 15 Ziffern in Zeile 2 ist zu groß."},
        {"x = 1000000, y = 1000000, rule = B3/S23\no!",
         "Das Muster ist 1000000 × 1000000 Zellen groß; das größte Feld hat 90 × 90 Zellen."},
        {"999999bo$999999$o!", "Das Muster ist 1000000 × 1000001 Zellen groß; das größte Feld hat 90 × 90 Zellen."},
        {"#Life 1.06\n0 0\n999999 999999\n",
         "Das Muster ist 1000000 × 1000000 Zellen groß; das größte Feld hat 90 × 90 Zellen."},
        {breit, "Das Muster ist 1000001 × 1 Zellen groß; das größte Feld hat 90 × 90 Zellen."},
        {"x = 1, y = 1, rule = B3/S23Q\no!", "Die Regel „B3/S23Q“ in Zeile 1 ist unbekannt."},
        {"x = 1, y = 1, rule = B3/S23:Q5,5\no!", "Der Rand „:Q5,5“ in Zeile 1 ist unbekannt."},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10),
         "Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei."},
        {"x = 2, y = 1\nbo3B!", "Zeile 2 enthält das unerwartete Zeichen „B“."},
        {"x = 2, y = 1\n0o!", "Zeile 2 enthält die Wiederholungszahl 0."},
        {"!a\n.O.\n.o.\n", "Zeile 3 enthält das unerwartete Zeichen „o“."},
        {"#Life 1.06\n1 2 3\n", "Zeile 2 enthält mehr als ein Koordinatenpaar „x y“."},
        {"#Life 1.06\n1,2\n", "Zeile 2 enthält kein Koordinatenpaar „x y“."},
        {"#Life 1.06\n1 99999999999999999999\n", "Die Koordinate in Zeile 2 ist unsinnig groß."},
        {"#Life 1.05\n#P 0 0\n.*\n",
         "Das Format Life 1.05 wird nicht unterstützt; RLE, Plaintext, Life 1.06, MCell und Makrozellen werden gelesen."},
        {"Hallo Welt",
         "Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.06, MCell, Makrozellen .mc)."},
        {" \n\n", "Der Text enthält kein Muster."},
        {"#N Nur ein Name\n#C und ein Kommentar\n", keineZellen},
        {"x = 3, y = 3, rule = B3/S23\n", keineZellen},
        {"!Name: leer\n!\n", keineZellen},
        {"#Life 1.06\n", keineZellen},
        {"#MCell 4.20\n#GAME Life\n#RULE 23/3\n#D nichts\n", keineZellen},
        {"[M2] (x)\n#R B3/S23\n", keineZellen},
        {"#MCell 4.20\n#GAME Generations\n#RULE 345/2/4\n#L A$B\n",
         "Die MCell-Datei ist für das Spiel „Generations“; gelesen werden nur Regeln der Art „Life“ mit zwei Zuständen."},
        {"#MCell\n#RULE 23/3/4\n#L A\n",
         "Die Regel „23/3/4“ lässt sich hier nicht einstellen: sie hat 4 Zustände, hier gibt es zwei."},
        {"#MCell\n#L .A$.B\n", "Zeile 2 enthält mit „B“ Zellen eines weiteren Zustands; hier gibt es nur zwei."},
        {"[M2]\n#R Xyz\n*$\n", "Die Regel „Xyz“ in Zeile 2 ist unbekannt."},
        {"[M2]\n1 0 1 0 0\n",
         "Zeile 2 enthält einen Knoten mit mehreren Zuständen; gelesen werden nur Muster mit zwei Zuständen."},
        {"[M2]\n4 1 0 0 0\n", "Zeile 2 verweist auf einen Knoten, der davor nicht mit der Stufe darunter steht."},
        {"[M2]\n*$\n5 1 0 0 0\n", "Zeile 3 verweist auf einen Knoten, der davor nicht mit der Stufe darunter steht."},
        {"[M2]\n63 0 0 0 0\n", "Zeile 2 enthält einen Knoten einer Stufe, die es nicht gibt (4 bis 62)."},
        {"[M2]\n.........*$\n", knoten},
        {"[M2]\n4 0 0 0\n", knoten},
        // Shared nodes stand for 16 living cells on a diagonal over 121 cells.
        {"[M2]\n*$\n4 1 0 0 1\n5 2 0 0 2\n6 3 0 0 3\n7 4 0 0 4\n",
         "Das Muster ist 121 × 121 Zellen groß; das größte Feld hat 90 × 90 Zellen."},
        {zuLang, "Der Text ist mit 4 MB zu lang für ein Muster."},
    };
    groessteAnforderung = 0;
    for (const auto& [text, grund] : faelle) {
        const storage::MusterGelesen g = liesMuster(text);
        EXPECT_FALSE(g.muster) << text.substr(0, 80);
        EXPECT_EQ(g.fehler, grund) << text.substr(0, 80);
    }
    EXPECT_LT(groessteAnforderung, 64u * 1024u) << "a reader allocated in proportion to its input";

    // Bounded otherwise: many macrocell nodes; packed text broken, cut short, or unpacking to
    // more than any pattern text may hold.
    EXPECT_EQ(liesMuster(vieleKnoten).fehler,
              "Die Makrozellen-Datei hat mehr als 10000 Knoten, mehr als ein Muster braucht, das in das größte Feld passt.");
    const std::string glider = gepackt("bo$2bo$3o!");
    EXPECT_EQ(liesMuster("\x1f\x8b" + std::string(30, 'x')).fehler, "Der gepackte Inhalt (gzip) ist beschädigt.");
    EXPECT_EQ(liesMuster(glider.substr(0, glider.size() - 12)).fehler, "Der gepackte Inhalt (gzip) ist unvollständig.");
    EXPECT_EQ(liesMuster(gepackt(std::string(storage::kMaxMusterText + 1, 'o'))).fehler,
              "Der entpackte Inhalt ist größer als 4 MB und wird nicht gelesen.");
}

TEST(MusterEinsetzen, StateOneOverTheWorldAtItsPlaceOrCentred) {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, -15, -15, {"3"});
    auto m = gut("x = 3, y = 3\nbo$2bo$3o!");
    ASSERT_TRUE(m);
    std::string grund;
    const auto platz = storage::platzFuer(*m, 30, grund);
    ASSERT_TRUE(platz);
    storage::setzeEin(*welt, *m, *platz);
    EXPECT_EQ(testhilfe::lies(*welt, -2, -2, 3, 3), (Bild{".1.", "..1", "111"}));
    EXPECT_EQ(testhilfe::lies(*welt, -15, -15, 1, 1), Bild{"3"});

    // At the file's position when the pattern lies wholly inside the field there, else centred.
    for (const auto& [position, i, j] : {std::tuple{Pos{{-5, 3}}, -5, 3}, {Pos{{14, 0}}, -2, -2}, {Pos{}, -2, -2}}) {
        m->position = position;
        const auto p = storage::platzFuer(*m, 30, grund);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->i, i);
        EXPECT_EQ(p->j, j);
    }
    auto kanone = gut(kGosper);
    ASSERT_TRUE(kanone);
    EXPECT_FALSE(storage::platzFuer(*kanone, 30, grund));
    EXPECT_EQ(grund,
              "Das Muster ist 36 × 9 Zellen groß und passt nicht in das Feld von 30 × 30 Zellen; das größte Feld "
              "hat 90 × 90 Zellen.");
    EXPECT_TRUE(storage::platzFuer(*kanone, 36, grund));
}

// ---- Writers ----

TEST(MusterSchreiben, EachFormatOfTheVisibleField) {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, 2, -4, {".O.", "..2", "3OO"});
    welt->zelle[engine::speicherIndex(20)][engine::speicherIndex(0)] = 1;  // outside the field of 30
    const engine::Regel life = engine::Regel::standard();
    EXPECT_EQ(storage::rleText(*welt, life, engine::Rand::Torus, "Gleiter"),
              "#CXRLE Pos=2,-4\n#N Gleiter\n#C Aus MorLix 2.2, Feld 30 x 30.\n"
              "x = 3, y = 3, rule = B3/S23:T30,30\nbo$2bo$3o!\n");
    EXPECT_EQ(storage::musterText(storage::MusterFormat::rle, *welt, regelAus(0b1001000, 0b1100), engine::Rand::Quadrat, ""),
              "#CXRLE Pos=2,-4\n#C Aus MorLix 2.2, Feld 30 x 30.\nx = 3, y = 3, rule = B36/S23:P30,30\nbo$2bo$3o!\n");
    EXPECT_EQ(storage::rleText(*welt, life, engine::Rand::Spiegel, ""),
              "#CXRLE Pos=2,-4\n#C Aus MorLix 2.2, Feld 30 x 30.\n#C MorLix: Rand Spiegel, Feld 30.\n"
              "#C Dieser Rand ist anderswo unbekannt; hier ohne Rand geschrieben.\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n");
    EXPECT_EQ(storage::musterText(storage::MusterFormat::plaintext, *welt, life, engine::Rand::Quadrat, "Gleiter\nzwei"),
              "!Name: Gleiter zwei\n!Aus MorLix 2.2, Feld 30 x 30, Regel B3/S23, Rand Quadrat.\n.O\n..O\nOOO\n");
    EXPECT_EQ(storage::musterText(storage::MusterFormat::life106, *welt, life, engine::Rand::Torus, "Gleiter"),
              "#Life 1.06\n3 -4\n4 -3\n2 -2\n3 -2\n4 -2\n");
    welt->loescheZellen();
    EXPECT_EQ(storage::rleText(*welt, life, engine::Rand::Torus, ""),
              "#C Aus MorLix 2.2, Feld 30 x 30.\nx = 0, y = 0, rule = B3/S23:T30,30\n!\n");
    EXPECT_EQ(storage::musterText(storage::MusterFormat::plaintext, *welt, life, engine::Rand::Spiegel, ""),
              "!Aus MorLix 2.2, Feld 30 x 30, Regel B3/S23, Rand Spiegel.\n.\n");

    using F = std::optional<storage::MusterFormat>;
    const std::pair<const char*, F> namen[] = {{"a.RLE", storage::MusterFormat::rle}, {"x.y.cells", storage::MusterFormat::plaintext},
        {"b.Lif", storage::MusterFormat::life106}, {"/tmp/c.LIFE", storage::MusterFormat::life106},
        {"welt.vir", F{}}, {"rle", F{}}, {"a.rle.gz", F{}}, {"", F{}}};
    for (const auto& [name, format] : namen) EXPECT_EQ(storage::formatFuerName(name), format) << name;
    for (auto f : {storage::MusterFormat::rle, storage::MusterFormat::plaintext, storage::MusterFormat::life106})
        EXPECT_EQ(storage::formatFuerName(std::string("x") + std::string(storage::endungFuer(f))), f);
}

TEST(MusterSchreiben, RandomWorldsSurviveTheRoundTripInEveryFormat) {
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
                // Sometimes only a corner of the field, sometimes nothing at all.
                const int dichte = static_cast<int>(zufall() % 60), rand0 = static_cast<int>(zufall() % n);
                for (int i = -n / 2 + rand0 / 2; i < n / 2; ++i)
                    for (int j = -n / 2 + rand0 / 3; j < n / 2; ++j)
                        if (static_cast<int>(zufall() % 100) < dichte)
                            welt->zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] = 1 + zufall() % 3;
                const Zellen vorher = zellenVon(*welt);
                for (auto format : {storage::MusterFormat::rle, storage::MusterFormat::plaintext,
                                    storage::MusterFormat::life106}) {
                    const std::string text = storage::musterText(format, *welt, regel, rand, "Zufall");
                    if (format == storage::MusterFormat::life106 && vorher.empty()) {
                        EXPECT_FALSE(liesMuster(text).muster);
                        continue;
                    }
                    const auto m = gut(text);
                    ASSERT_TRUE(m) << text;
                    // Plaintext has no position: the pattern comes back centred.
                    const Zellen zurueck = platziert(*m, n);
                    EXPECT_EQ(format == storage::MusterFormat::plaintext ? form(zurueck) : zurueck,
                              format == storage::MusterFormat::plaintext ? form(vorher) : vorher)
                        << text;
                    if (format != storage::MusterFormat::rle) continue;
                    std::istringstream zeilen(text);
                    for (std::string z; std::getline(zeilen, z);)
                        EXPECT_TRUE(z.size() <= 70u || z.rfind("x = ", 0) == 0) << z;
                    EXPECT_EQ(m->rand, rand);
                    EXPECT_EQ(m->feldGroesse, n);
                    ASSERT_TRUE(m->regel);
                    EXPECT_EQ(storage::mapText(m->regel->regel, m->regel->maske), storage::mapText(regel, maske));
                }
            }
}

// ---- Exported RLE run elsewhere ----

// A bounded-grid Life-like universe read from RLE text by the format's rules alone: as the
// common readers do, the position counts only in the first line.
struct Universum {
    int breite = 0, hoehe = 0;
    bool torus = true;
    std::set<int> geburt, ueberleben;
    Zellen lebt;  // (x, y), x from -breite/2

    explicit Universum(const std::string& rle) {
        std::istringstream ein(rle);
        std::string z;
        int x0 = 0, y0 = 0;
        for (int nummer = 1; std::getline(ein, z) && z[0] == '#'; ++nummer)
            if (nummer == 1 && z.rfind("#CXRLE Pos=", 0) == 0) std::sscanf(z.c_str() + 11, "%d,%d", &x0, &y0);
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
        Zellen neu;
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

// A random world of size 30 with its living cells in a box of random size and place.
std::unique_ptr<engine::Welt> zufallsWelt(std::mt19937& zufall) {
    auto welt = std::make_unique<engine::Welt>();
    welt->feldGroesse = 30;
    const int b = 3 + static_cast<int>(zufall() % 28), h = 3 + static_cast<int>(zufall() % 28);
    const int i0 = -15 + static_cast<int>(zufall() % (31 - b)), j0 = -15 + static_cast<int>(zufall() % (31 - h));
    for (int i = i0; i < i0 + b; ++i)
        for (int j = j0; j < j0 + h; ++j)
            if (zufall() % 3 == 0) welt->zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] = 1;
    return welt;
}

TEST(MusterLauf, ExportedWorldsRunAlikeInAnIndependentSimulator) {
    std::mt19937 zufall(3);
    for (int fall = 0; fall < 8; ++fall) {
        const engine::Rand rand = fall % 2 ? engine::Rand::Torus : engine::Rand::Quadrat;
        const engine::Regel regel = fall % 4 < 2 ? engine::Regel::standard() : regelAus(0b1001000, 0b1100);
        auto welt = zufallsWelt(zufall);
        Universum u(storage::rleText(*welt, regel, rand, "Zufall"));
        ASSERT_EQ(u.breite, 30);
        ASSERT_EQ(u.lebt, zellenVon(*welt)) << "every cell where it was";
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
    // The gun sends out a glider every 30 generations: 36 + 5 cells after 30 of them.
    welt->feldGroesse = 60;
    auto kanone = gut(kGosper);
    ASSERT_TRUE(kanone);
    storage::setzeEin(*welt, *kanone, *storage::platzFuer(*kanone, 60, grund));
    EXPECT_EQ(zellenVon(*welt).size(), 36u);
    for (int k = 0; k < 30; ++k) engine::schritt(*welt, engine::Regel::standard(), engine::Rand::Quadrat);
    EXPECT_EQ(zellenVon(*welt).size(), 36u + 5u);
}

}  // namespace
