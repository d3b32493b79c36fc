#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/schritt.h"
#include "history/periode.h"
#include "testhilfe/bild.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;
using history::Befund;

namespace {

using Bild = std::vector<std::string>;
/// The living cells (x, y) of the field, from its top left corner.
using Karte = std::set<std::pair<int, int>>;

Karte karte(const Welt& w) {
    const int n = w.feldGroesse, lo = engine::kMitte - n / 2;
    Karte k;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            if (w.zelle[lo + x][lo + y] != 0) k.emplace(x, y);
    return k;
}

/// The finding the slow way: every k, every shift, cell by cell; the smallest k, and at it the
/// shift with the smallest |dx| + |dy|, then dx, then dy. A shift is a cyclic one on the torus;
/// on the plane a real one between two states that leave the edge rows and columns empty.
Befund langsam(const std::vector<Karte>& verlauf, int n, Rand rand) {
    const Karte& jetzt = verlauf.back();
    const int anzahl = static_cast<int>(jetzt.size());
    const bool torus = rand == Rand::Torus;
    auto frei = [n](const Karte& k) {
        return std::none_of(k.begin(), k.end(), [n](auto z) {
            return z.first == 0 || z.second == 0 || z.first == n - 1 || z.second == n - 1;
        });
    };
    const int letzter = static_cast<int>(verlauf.size()) - 1;
    for (int k = 1; k <= 99 && k <= letzter; ++k) {
        const Karte& alt = verlauf[letzter - k];
        if (alt.size() != jetzt.size()) continue;
        const bool eben = !torus && frei(alt) && frei(jetzt);
        Befund best{anzahl, 0, 0, 0};
        for (int dx = -(n - 1); dx < n; ++dx)
            for (int dy = -(n - 1); dy < n; ++dy) {
                const bool gueltig = (dx == 0 && dy == 0) || eben ||
                                     (torus && dx > -n / 2 && dx <= n / 2 && dy > -n / 2 && dy <= n / 2);
                // As many cells, each moved onto a living one: the moved old state is the present.
                bool gleich = gueltig;
                for (auto it = alt.begin(); gleich && it != alt.end(); ++it) {
                    int x = it->first + dx, y = it->second + dy;
                    if (torus) x = (x + n) % n, y = (y + n) % n;
                    gleich = jetzt.count({x, y}) == 1;
                }
                const auto rang = [](int a, int b) { return std::abs(a) + std::abs(b); };
                if (gleich && (best.periode == 0 || rang(dx, dy) < rang(best.dx, best.dy))) best = {anzahl, k, dx, dy};
            }
        if (best.periode != 0) return best;
    }
    return {anzahl, 0, 0, 0};
}

struct Lauf {
    std::unique_ptr<Welt> w = std::make_unique<Welt>();
    history::Periodensuche suche;
    Rand rand;
    std::vector<Karte> verlauf;

    explicit Lauf(int n, Rand r = Rand::Torus, const Bild& bild = {}, int links = 0, int oben = 0) : rand(r) {
        w->feldGroesse = n;
        testhilfe::zeichne(*w, links, oben, bild);
        neuerLauf();
    }
    void neuerLauf() {
        suche.neuerLauf(*w);
        verlauf = {karte(*w)};
    }
    void schritt() {
        engine::schritt(*w, Regel::standard(), rand);
        suche.nachSchritt(*w);
        verlauf.push_back(karte(*w));
        if (verlauf.size() > engine::kRing) verlauf.erase(verlauf.begin());
    }
    /// Steps on; the first step whose finding differs from the slow search's, or "".
    std::string abweichung(int schritte) {
        for (int k = 1; k <= schritte; ++k) {
            schritt();
            // The text shows period and move, and the number of cells when it has no period.
            const std::string schnell = history::befundText(suche.befund()) + ", " + std::to_string(suche.befund().lebende);
            const Befund b = langsam(verlauf, w->feldGroesse, rand);
            const std::string richtig = history::befundText(b) + ", " + std::to_string(b.lebende);
            if (schnell != richtig) return "step " + std::to_string(k) + ": " + schnell + ", not " + richtig;
        }
        return "";
    }
    std::string text() const { return history::befundText(suche.befund()); }
};

}  // namespace

TEST(Periode, TexteDesBefunds) {
    const struct {
        Befund befund;
        const char* lang;
        const char* kurz;
    } faelle[] = {
        {{0, 0, 0, 0}, "leer", "leer"},
        {{4, 1, 0, 0}, "statisch", "statisch"},
        {{3, 2, 0, 0}, "Periode 2", "P2"},
        {{123, 0, 0, 0}, "123 Zellen", "123 Zellen"},
        {{1, 0, 0, 0}, "1 Zelle", "1 Zelle"},
        {{5, 4, 1, 1}, "Periode 4, wandert (1, 1)", "P4 ↘1"},
        {{9, 4, 0, -2}, "Periode 4, wandert (0, -2)", "P4 ↑2"},
        {{20, 12, -2, 1}, "Periode 12, wandert (-2, 1)", "P12 ↙2,1"},
        {{8100, 99, 87, -86}, "Periode 99, wandert (87, -86)", "P99 ↗87,86"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(history::befundText(f.befund), f.lang);
        EXPECT_EQ(history::befundKurzText(f.befund), f.kurz);
    }
}

// Gliders move one cell each way in four generations, the three spaceships two cells straight.
TEST(Periode, RaumschiffeWandernAufTorusUndEbene) {
    const Bild gleiter = {".O.", "..O", "OOO"};
    const Bild gleiterNW = {"OOO", "O..", ".O."};
    const Bild leicht = {".O..O", "O....", "O...O", "OOOO."};
    const Bild mittelGespiegelt = {"..O...", "O...O.", ".....O", "O....O", ".OOOOO"};
    const Bild schwerGekippt = {"..OOO", ".O..O", "....O", "O...O", "O...O", "....O", ".O.O."};
    // On the torus this field also comes back moved by (-14, 1): the smaller move is reported.
    const Bild halbesFeldAuseinander = {".O..............O.", "..O..............O", "OOO............OOO"};
    const struct {
        const char* name;
        const Bild& bild;
        int dx, dy;
    } schiffe[] = {{"glider", gleiter, 1, 1},
                   {"glider NW", gleiterNW, -1, -1},
                   {"lightweight", leicht, -2, 0},
                   {"middleweight mirrored", mittelGespiegelt, 2, 0},
                   {"heavyweight turned", schwerGekippt, 0, -2},
                   {"two gliders", halbesFeldAuseinander, 1, 1}};
    for (const auto& s : schiffe)
        for (Rand rand : {Rand::Torus, Rand::Quadrat, Rand::Spiegel}) {
            SCOPED_TRACE(std::string(s.name) + " edge " + std::to_string(static_cast<int>(rand)));
            Lauf lauf(30, rand, s.bild, -static_cast<int>(s.bild[0].size()) / 2, -3);
            ASSERT_EQ(lauf.abweichung(12), "");
            const Befund& b = lauf.suche.befund();
            EXPECT_EQ(b.periode, 4);
            EXPECT_EQ(b.dx, s.dx);
            EXPECT_EQ(b.dy, s.dy);
        }
}

// Columns are kept as two words; on the torus every field size wraps at its own bit.
TEST(Periode, GleiterUeberDieEckeJederTorusgroesse) {
    for (int n = 6; n <= engine::kMaxFeld; n += 2) {
        Lauf lauf(n, Rand::Torus, {".O.", "..O", "OOO"}, n / 2 - 3, n / 2 - 3);
        ASSERT_EQ(lauf.abweichung(9), "") << n;
        EXPECT_EQ(lauf.text(), "Periode 4, wandert (1, 1)") << n;
    }
}

// Soups, and fleets of gliders that may crash into each other.
TEST(Periode, SuppenUndFlottenWieDieLangsameSuche) {
    std::mt19937 zufall(12345);
    int gefunden = 0, gewandert = 0;
    for (int n : {8, 12, 16, 24})
        for (Rand rand : {Rand::Torus, Rand::Quadrat, Rand::Spiegel})
            for (int fall = 0; fall < 6; ++fall) {
                SCOPED_TRACE("n " + std::to_string(n) + " edge " + std::to_string(static_cast<int>(rand)) +
                             " case " + std::to_string(fall));
                Lauf lauf(n, rand);
                const int lo = engine::kMitte - n / 2;
                for (int x = lo; x < lo + n; ++x)
                    for (int y = lo; y < lo + n; ++y)
                        lauf.w->zelle[x][y] = fall < 3 && zufall() % 100 < 35 ? 2 : 0;
                for (int g = 3; g <= fall; ++g) {
                    Bild gleiter = {".O.", "..O", "OOO"};
                    if (zufall() % 2) std::swap(gleiter[0], gleiter[2]);
                    if (zufall() % 2)
                        for (auto& zeile : gleiter) zeile = std::string(zeile.rbegin(), zeile.rend());
                    testhilfe::zeichne(*lauf.w, static_cast<int>(zufall() % (n - 2)) - n / 2,
                                       static_cast<int>(zufall() % (n - 2)) - n / 2, gleiter);
                }
                lauf.neuerLauf();
                for (int k = 1; k <= 150; ++k) {
                    ASSERT_EQ(lauf.abweichung(1), "") << "step " << k;
                    gewandert += lauf.suche.befund().dx != 0 || lauf.suche.befund().dy != 0;
                }
                gefunden += lauf.suche.befund().periode != 0;
            }
    EXPECT_GT(gefunden, 20);
    EXPECT_GT(gewandert, 100);
}

TEST(Periode, EinLaufEndetMitEingriffGroesseNachbarschaftRandUndRingsprungUndHaeltHoechstensDenRing) {
    Lauf blinker(30, Rand::Torus, {"222"});
    blinker.schritt();
    blinker.schritt();
    ASSERT_EQ(blinker.text(), "Periode 2");
    // A reported edit: the finding is the population at once, and the count starts again.
    testhilfe::zeichne(*blinker.w, 8, 8, {"22", "22"});
    blinker.neuerLauf();
    EXPECT_EQ(blinker.text(), "7 Zellen");
    EXPECT_EQ(blinker.suche.staende(), 0);
    blinker.schritt();
    EXPECT_EQ(blinker.text(), "7 Zellen");  // one state back is the other phase
    ASSERT_EQ(blinker.suche.staende(), 2);
    EXPECT_EQ(blinker.suche.slot(0), (blinker.w->gedIndex + engine::kRing - 1) % engine::kRing);
    for (int k = 0; k < 150; ++k) blinker.schritt();
    EXPECT_EQ(blinker.text(), "Periode 2");
    EXPECT_EQ(blinker.suche.staende(), engine::kRing);
    EXPECT_EQ(blinker.suche.slot(engine::kRing - 1), blinker.w->gedIndex);
    EXPECT_EQ(blinker.suche.slot(0), (blinker.w->gedIndex + 1) % engine::kRing);

    void (*const aenderungen[])(Welt&, Rand&) = {
        [](Welt& w, Rand&) { w.feldGroesse = 10; },
        [](Welt& w, Rand&) { w.nachbarMaske = 0b01010101; },
        [](Welt&, Rand& r) { r = Rand::Spiegel; },
        [](Welt& w, Rand&) { w.gedIndex = (w.gedIndex + 50) % engine::kRing; },
    };
    for (auto aendere : aenderungen) {
        Lauf block(30, Rand::Torus, {"22", "22"});
        block.schritt();
        ASSERT_EQ(block.text(), "statisch");
        aendere(*block.w, block.rand);
        block.schritt();
        EXPECT_EQ(block.suche.staende(), 2);
    }
}
