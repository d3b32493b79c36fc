#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <ranges>
#include <regex>
#include <set>

#include "storage/muster.h"
#include "testhilfe/ablehnung.h"
#include "testhilfe/bild.h"
#include "testhilfe/referenz.h"

namespace {

using storage::liesMuster;
using storage::MusterFormat;
using A = storage::Ablehnung::Art;
using K = storage::Ablehnung::Klausel;
using Bild = std::vector<std::string>;
using Zellen = std::set<std::pair<std::int64_t, std::int64_t>>;
using Pos = std::optional<std::array<std::int64_t, 2>>;

// The pattern's box as a picture, 'O' living.
Bild bildVon(const storage::Muster& m) {
    Bild b(static_cast<std::size_t>(m.hoehe), std::string(static_cast<std::size_t>(m.breite), '.'));
    for (int x = 0; x < m.breite; ++x)
        for (int y = 0; y < m.hoehe; ++y)
            if (m.lebt[x][y]) b[y][x] = 'O';
    return b;
}

// Living cells of a world's visible field.
Zellen zellenVon(const engine::Welt& w) {
    Zellen z;
    for (int i = -w.feldGroesse / 2; i < w.feldGroesse / 2; ++i)
        for (int j = -w.feldGroesse / 2; j < w.feldGroesse / 2; ++j)
            if (w.zelle(engine::speicherIndex(i), engine::speicherIndex(j)) != 0) z.insert({i, j});
    return z;
}

// The living cells of the pattern placed on an empty field of size n.
Zellen platziert(const storage::Muster& m, int n) {
    storage::Ablehnung grund;
    const auto platz = storage::platzFuer(m, n, grund);
    EXPECT_TRUE(platz) << testing::PrintToString(grund);
    auto welt = std::make_unique<engine::Welt>();
    welt->feldGroesse = n;
    if (platz) storage::setzeEin(*welt, m, *platz);
    return zellenVon(*welt);
}

std::unique_ptr<storage::Muster> gut(const std::string& text) {
    storage::MusterGelesen g = liesMuster(text);
    EXPECT_EQ(g.fehler, storage::Ablehnung{});
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

TEST(MusterLesen, EveryFormatWithItsCellsRuleEdgeAndPosition) {
    struct Fall {
        std::string text;
        Bild bild;
        std::string regel;  // as written back, empty for none
        Pos position;
        std::optional<std::pair<engine::Rand, int>> gitter = {};  // the bounded grid taken over
        std::pair<storage::Ablehnung, storage::Ablehnung> nicht = {};  // the rule and grid not taken over
    };
    // Glider at (5, -7) as macrocell, written by another program from RLE.
    const std::string mc = "[M2] (golly 3.3)\n#R B3/S23\n......*$.......*$.....***$\n4 0 1 0 0\n";
    const Fall faelle[] = {
        // Any line ends, a long comment, a run count apart from its letter.
        {"#N Glider\r\n#C " + std::string(100000, 'c') + "\rx = 3, y = 3, rule = b3_s23\nbo$2\nbo$3o!\r\n", kGleiter,
         "B3/S23", {}},
        {"bo$2bo$3o!", kGleiter, "", {}},
        {"!Stars\n.*.\n..*\n***\n", kGleiter, "", {}},
        {"#Life 1.06\n0 -1\n1 0\n-1 1\n0 1\n1 1\n", kGleiter, "", Pos{{-1, -1}}},
        {"#MCell 4.20\n#GAME Life\n#RULE 23/36\n#BOARD 60x60\n#WRAP 0\n#D Gleiter\n#L .*$..*$***\n", kGleiter,
         "B36/S23", {}, std::pair{engine::Rand::Quadrat, 60}},
        {"#MCell\n#BOARD 30x30\n#L .A\n#L $2.A$3A\n", kGleiter, "", {}, std::pair{engine::Rand::Torus, 30}},
        {mc, kGleiter, "B3/S23", Pos{{5, -7}}},
        // A leaf's first and eighth rows, with the glider's node above it.
        {"[M2]\n*$$$$$$$.......*$\n4 0 1 0 0\n", {"O.......", "........", "........", "........", "........",
                                                 "........", "........", ".......O"}, "", Pos{{0, -7}}},
        {"#Life 1.05\n#D Acorn\n#R 23/3\n#P -3 -1\n.*\n...*\n**..***\n", {".O.....", "...O...", "OO..OOO"}, "B3/S23",
         Pos{{-3, -1}}},
        {"#Life 1.05\n#N\n#P 0 -1\n.*\n#P 0 0\n..*\n***\n", kGleiter, "B3/S23", Pos{{0, -1}}},
        {gepackt(mc), kGleiter, "B3/S23", Pos{{5, -7}}},
        {"[M2]\n$....*$\n4 0 1 0 0\n5 0 0 0 2\n6 0 0 3 0\n7 4 0 0 0\n8 0 0 5 0\n", {"O"}, "", Pos{{-100, 50}}},
        {"[M2]\n4 0 0 0 0\n", {}, "", {}},
        {"#MCell\n#BOARD 120x120\n#WRAP 1\n#L *\n", {"O"}, "", {}, {},
         {{}, {.art = A::brettMitUmbruch, .klausel = K::groesser, .zahl3 = 90, .name = "120x120"}}},
        {"x = 1, y = 1, rule = B3/S23H:K20,20\no!", {"O"}, "", {}, {},
         {{.art = A::regelNichtHier, .klausel = K::sechseck, .name = "B3/S23H"},
          {.art = A::randNichtHier, .klausel = K::kleinscheFlasche, .name = ":K20,20"}}},
        {"x = 1, y = 1, rule = B3/S23:T72,48\no!", {"O"}, "B3/S23", {}, {},
         {{}, {.art = A::randNichtHier, .klausel = K::rechteck, .zahl1 = 72, .zahl2 = 48, .name = ":T72,48"}}},
        {"x = 1, y = 1, rule = B3/S23:T0,68\no!", {"O"}, "B3/S23", {}, {},
         {{}, {.art = A::randNichtHier, .klausel = K::unbegrenzt, .name = ":T0,68"}}},
    };
    for (const Fall& f : faelle) {
        const auto m = gut(f.text);
        ASSERT_TRUE(m) << f.text;
        EXPECT_EQ(bildVon(*m), f.bild) << f.text;
        EXPECT_EQ(m->regel ? storage::regelText(m->regel->regel, m->regel->maske) : "", f.regel) << f.text;
        EXPECT_EQ(m->position, f.position) << f.text;
        EXPECT_EQ(m->rand ? std::optional(std::pair(*m->rand, m->feldGroesse)) : std::nullopt, f.gitter) << f.text;
        EXPECT_EQ(std::pair(m->fremdeRegel, m->fremderRand), f.nicht) << f.text;
    }
}

TEST(MusterLesen, BadInputIsRefusedWithItsReason) {
    std::string vieleKnoten = "[M2]\n";
    for (int k = 0; k <= storage::kMaxKnoten; ++k) vieleKnoten += "*$\n";
    const std::string gleiter = gepackt("bo$2bo$3o!");
    auto in = [](A art, int zeile, long long zahl = 0) { return storage::Ablehnung{.art = art, .zeile = zeile, .zahl1 = zahl}; };
    auto gross = [](long long b, long long h) { return storage::Ablehnung{.art = A::zuGross, .zahl1 = b, .zahl2 = h, .zahl3 = 90}; };
    const std::pair<std::string, storage::Ablehnung> faelle[] = {
        {"x = 3 y = 3\nbo$2bo$3o!", in(A::kopfzeile, 1)},
        {"x = 3, y = 1\n99999999999999999999999o!", in(A::wiederholungZuGross, 2, -1)},
        {"x = 3, y = 1\n1000000001o!", in(A::wiederholungZuGross, 2, 1000000001)},
        {"x = 1, y = 99999999999999999999\no!", in(A::groesseUnsinnig, 1)},
        {"x = 91, y = 1, rule = B3/S23\no!", gross(91, 1)},
        {"#Life 1.06\n0 0\n999999 999999\n", gross(1000000, 1000000)},
        // Shared nodes stand for 16 living cells on a diagonal over 121 cells.
        {"[M2]\n*$\n4 1 0 0 1\n5 2 0 0 2\n6 3 0 0 3\n7 4 0 0 4\n", gross(121, 121)},
        {"x = 1, y = 1, rule = B3/S23Q\no!", {.art = A::regelUnbekannt, .zeile = 1, .name = "B3/S23Q"}},
        {"x = 1, y = 1, rule = B3/S23:Q5,5\no!", {.art = A::randUnbekannt, .zeile = 1, .name = ":Q5,5"}},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), in(A::binaer, 0)},
        {"x = 2, y = 1\nbo3B!", in(A::unerwartet, 2, 'B')},
        {"x = 2, y = 1\nbo\xC3\xA4!", in(A::unerwartet, 2, 0xC3)},
        {"x = 2, y = 1\n0o!", in(A::wiederholungNull, 2)},
        {"!a\n.O.\n.o.\n", in(A::unerwartet, 3, 'o')},
        {"#Life 1.06\n1 2 3\n", in(A::mehrerePaare, 2)},
        {"#Life 1.06\n1 99999999999999999999\n", in(A::koordinateUnsinnig, 2)},
        {"#Life 1.05\n#P 0\n.*\n", in(A::keinPaar, 2)},
        {"#MCell\n#GAME " + std::string(100000, 'x'), {.art = A::spiel, .name = std::string(100000, 'x')}},
        {"Hallo Welt", in(A::keinFormat, 0)},
        {" \n\n", in(A::keinMuster, 0)},
        {"x = 3, y = 3, rule = B3/S23\n", in(A::keineZellen, 0)},
        {"[M2] (x)\n#R B3/S23\n", in(A::keineZellen, 0)},
        {"#MCell\n#RULE 23/3/4\n#L A\n", {.art = A::regelNichtHier, .klausel = K::zustaende, .zahl1 = 4, .name = "23/3/4"}},
        {"#MCell\n#L .A$.B\n", in(A::weitererZustand, 2, 'B')},
        {"[M2]\n1 0 1 0 0\n", in(A::knotenZustaende, 2)},
        {"[M2]\n4 1 0 0 0\n", in(A::knotenVerweis, 2)},
        {"[M2]\n*$\n5 1 0 0 0\n", in(A::knotenVerweis, 3)},
        {"[M2]\n63 0 0 0 0\n", in(A::knotenStufe, 2, 62)},
        {"[M2]\n.........*$\n", in(A::keinKnoten, 2)},
        {std::string(storage::kMaxMusterText + 1, 'o'), in(A::zuLang, 0, 4)},
        // Many nodes; packed text broken, cut short, or unpacking to more than a pattern text may hold.
        {vieleKnoten, in(A::vieleKnoten, 0, 10000)},
        {"\x1f\x8b" + std::string(30, 'x'), in(A::gzipBeschaedigt, 0)},
        {gleiter.substr(0, gleiter.size() - 12), in(A::gzipUnvollstaendig, 0)},
        {gepackt(std::string(storage::kMaxMusterText + 1, 'o')), in(A::entpacktZuGross, 0, 4)},
    };
    for (const auto& [text, grund] : faelle) {
        const storage::MusterGelesen g = liesMuster(text);
        EXPECT_FALSE(g.muster) << text.substr(0, 80);
        EXPECT_EQ(g.fehler, grund) << text.substr(0, 80);
    }
    EXPECT_EQ(storage::liesMakrozellen("[M3]\n").fehler, in(A::keinM2, 0));
}

TEST(MusterPlatz, CentredWhenItDoesNotFitAtItsPositionAndNotAtAllWhenTooLarge) {
    const auto m = gut("#CXRLE Pos=13,0\nx = 3, y = 2\n3o$o!");
    ASSERT_TRUE(m);
    EXPECT_EQ(platziert(*m, 30), (Zellen{{-2, -1}, {-1, -1}, {0, -1}, {-2, 0}}));
    storage::Ablehnung grund;
    const auto gross = gut("x = 31, y = 2\n31o!");
    ASSERT_TRUE(gross);
    EXPECT_FALSE(storage::platzFuer(*gross, 30, grund));
    EXPECT_EQ(grund, (storage::Ablehnung{.art = A::passtNicht, .zahl1 = 31, .zahl2 = 2, .zahl3 = 30}));
}

// An RLE header with its rule and bounded grid, the position counting only in the first line as
// the common readers take it; a run of the cell data.
const std::regex kKopf(R"((#CXRLE Pos=(-?\d+),(-?\d+)\n)?(#.*\n)*x = .*, rule = B(\d*)/S(\d*):([TP])(\d+),\d+\n)");
const std::regex kLauf(R"((\d*)([bo$]))");

TEST(MusterSchreiben, RandomWorldsComeBackInEveryFormatAndRunAlikeInAnIndependentSimulator) {
    std::mt19937 zufall(11);
    const engine::Regel regeln[] = {engine::Regel::standard(), {.ueberleben = 0b1100, .geburt = 0b1001000},
                                    {.ueberleben = 0b100000000, .geburt = 1}, {}, {.ueberleben = 0b111111111, .geburt = 0b110}};
    const std::uint8_t masken[] = {255, 0x55, 0x0F, 255, 0, 0x81};
    int durchlauf = 0;
    for (engine::Rand rand : {engine::Rand::Torus, engine::Rand::Quadrat, engine::Rand::Spiegel})
        for (int n : {2, 14, 30, 60, 90})
            for (const engine::Regel& regel : regeln) {
                auto welt = std::make_unique<engine::Welt>();
                welt->feldGroesse = n;
                welt->nachbarMaske = masken[durchlauf++ % std::size(masken)];
                // Sometimes only a corner of the field, sometimes nothing at all.
                const int dichte = durchlauf % 7 ? static_cast<int>(zufall() % 60) : 0, rand0 = static_cast<int>(zufall() % n);
                for (int i = -n / 2 + rand0 / 2; i < n / 2; ++i)
                    for (int j = -n / 2 + rand0 / 3; j < n / 2; ++j)
                        if (static_cast<int>(zufall() % 100) < dichte)
                            welt->setzeZelle(engine::speicherIndex(i), engine::speicherIndex(j), 1 + zufall() % 3);
                const Zellen vorher = zellenVon(*welt);
                welt->setzeZelle(engine::speicherIndex(n / 2), engine::speicherIndex(0), 1);  // outside the field
                for (auto format : {MusterFormat::rle, MusterFormat::plaintext, MusterFormat::life106}) {
                    // A name of two lines must not break the file.
                    const std::string text = storage::musterText(format, *welt, regel, rand, "Zu\nfall");
                    if (format == MusterFormat::life106 && vorher.empty()) continue;  // no cells, refused
                    const auto m = gut(text);
                    ASSERT_TRUE(m) << text;
                    if (format == MusterFormat::plaintext && !vorher.empty())  // no position: put it where it was
                        m->position = {vorher.begin()->first, std::ranges::min(vorher | std::views::values)};
                    EXPECT_EQ(platziert(*m, n), vorher) << text;
                    if (format != MusterFormat::rle) continue;
                    EXPECT_FALSE(std::regex_search(text, std::regex("\n[^x\n][^\n]{70}"))) << "a line over 70 characters";
                    EXPECT_EQ(std::pair(m->rand, m->feldGroesse), std::pair(std::optional(rand), n));
                    ASSERT_TRUE(m->regel);
                    EXPECT_EQ(storage::mapText(m->regel->regel, m->regel->maske), storage::mapText(regel, welt->nachbarMaske));
                }
                if (welt->nachbarMaske != 255 || rand == engine::Rand::Spiegel) continue;
                // The RLE read by the format's rules alone and run by the reference step.
                const std::string rle = storage::rleText(*welt, regel, rand, "Zufall");
                std::smatch t;
                ASSERT_TRUE(std::regex_search(rle, t, kKopf, std::regex_constants::match_continuous)) << rle;
                engine::Regel fremdeRegel;
                for (char c : t.str(5)) fremdeRegel.geburt |= 1 << (c - '0');
                for (char c : t.str(6)) fremdeRegel.ueberleben |= 1 << (c - '0');
                auto fremd = std::make_unique<engine::Welt>();
                fremd->feldGroesse = std::stoi(t.str(8));
                const int x0 = t[1].matched ? std::stoi(t.str(2)) : 0, y0 = t[1].matched ? std::stoi(t.str(3)) : 0;
                int x = x0, y = y0;
                const std::string daten = t.suffix();
                for (std::sregex_iterator r(daten.begin(), daten.end(), kLauf), ende; r != ende; ++r) {
                    const int lauf = (*r)[1].length() ? std::stoi((*r)[1]) : 1;
                    for (int k = 0; (*r)[2] == "o" && k < lauf; ++k)
                        fremd->setzeZelle(engine::speicherIndex(x + k), engine::speicherIndex(y), 1);
                    if ((*r)[2] == "$") y += lauf, x = x0;
                    else x += lauf;
                }
                ASSERT_EQ(fremd->feldGroesse, n);
                ASSERT_EQ(zellenVon(*fremd), vorher) << "every cell where it was";
                for (int k = 1; k <= 20; ++k) {
                    engine::schritt(*welt, regel, rand);
                    testhilfe::referenzSchritt(*fremd, fremdeRegel, t.str(7) == "T" ? engine::Rand::Torus : engine::Rand::Quadrat);
                    ASSERT_EQ(zellenVon(*welt), zellenVon(*fremd)) << "generation " << k;
                }
            }
}

}  // namespace
