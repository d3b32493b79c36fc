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
#include "texte/texte.h"
#include "testhilfe/bild.h"

using engine::Rand;
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
            if (w.zelle(lo + x, lo + y) != 0) k.emplace(x, y);
    return k;
}

/// The finding the slow way: every k, every shift, cell by cell; the smallest k, and at it the
/// shift with the smallest |dx| + |dy|, then dx, then dy. A shift is a cyclic one on the torus;
/// on the plane a real one between two states that leave the edge rows and columns empty.
Befund langsam(const std::vector<Karte>& verlauf, int n, Rand rand) {
    const Karte& jetzt = verlauf.back();
    const int anzahl = static_cast<int>(jetzt.size()), letzter = static_cast<int>(verlauf.size()) - 1;
    const bool torus = rand == Rand::Torus;
    auto frei = [n](const Karte& k) {
        return std::none_of(k.begin(), k.end(), [n](auto z) {
            return z.first == 0 || z.second == 0 || z.first == n - 1 || z.second == n - 1;
        });
    };
    for (int k = 1; k <= 99 && k <= letzter; ++k) {
        const Karte& alt = verlauf[letzter - k];
        if (alt.size() != jetzt.size()) continue;
        const bool eben = !torus && frei(alt) && frei(jetzt);
        Befund best{anzahl, 0, 0, 0};
        for (int dx = -(n - 1); dx < n; ++dx)
            for (int dy = -(n - 1); dy < n; ++dy) {
                // As many cells, each moved onto a living one: the moved old state is the present.
                bool gleich = (dx == 0 && dy == 0) || eben ||
                              (torus && dx > -n / 2 && dx <= n / 2 && dy > -n / 2 && dy <= n / 2);
                for (auto it = alt.begin(); gleich && it != alt.end(); ++it) {
                    int x = it->first + dx, y = it->second + dy;
                    if (torus) x = (x + n) % n, y = (y + n) % n;
                    gleich = jetzt.count({x, y}) == 1;
                }
                const int rang = std::abs(dx) + std::abs(dy);
                if (gleich && (best.periode == 0 || rang < std::abs(best.dx) + std::abs(best.dy)))
                    best = {anzahl, k, dx, dy};
            }
        if (best.periode != 0) return best;
    }
    return {anzahl, 0, 0, 0};
}

/// A run of the standard rule watched by the search and by the slow search.
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
        engine::schritt(*w, engine::Regel::standard(), rand);
        suche.nachSchritt(*w);
        verlauf.push_back(karte(*w));
        if (verlauf.size() > engine::kRing) verlauf.erase(verlauf.begin());
    }
    /// Steps on; the first step whose finding differs from the slow search's, or "".
    std::string abweichung(int schritte) {
        const auto text = [](const Befund& b) { return texte::befund(texte::Sprache::deutsch, b) + ", " + std::to_string(b.lebende); };
        for (int k = 1; k <= schritte; ++k) {
            schritt();
            const std::string schnell = text(suche.befund()), richtig = text(langsam(verlauf, w->feldGroesse, rand));
            if (schnell != richtig) return "step " + std::to_string(k) + ": " + schnell + ", not " + richtig;
        }
        return "";
    }
    std::string text() const { return texte::befund(texte::Sprache::deutsch, suche.befund()); }
};

}  // namespace

// Gliders move one cell each way in four generations, the spaceships two cells straight. On the
// torus the glider crosses the corner of every field size: columns are kept as two words.
TEST(Periode, RaumschiffeWandernAufTorusUndEbene) {
    const Bild gleiter = {".O.", "..O", "OOO"};
    for (int n = 6; n <= engine::kMaxFeld; n += 2) {
        Lauf lauf(n, Rand::Torus, gleiter, n / 2 - 3, n / 2 - 3);
        ASSERT_EQ(lauf.abweichung(9), "") << n;
        EXPECT_EQ(lauf.text(), "Periode 4, wandert (1, 1)") << n;
    }
    const struct {
        Bild bild;
        const char* text;
    } schiffe[] = {{{"OOO", "O..", ".O."}, "Periode 4, wandert (-1, -1)"},
                   {{".O..O", "O....", "O...O", "OOOO."}, "Periode 4, wandert (-2, 0)"},
                   {{"..OOO", ".O..O", "....O", "O...O", "O...O", "....O", ".O.O."}, "Periode 4, wandert (0, -2)"},
                   // On the torus this also comes back moved by (-14, 1): the smaller move is reported.
                   {{".O..............O.", "..O..............O", "OOO............OOO"}, "Periode 4, wandert (1, 1)"}};
    for (const auto& s : schiffe)
        for (Rand rand : {Rand::Torus, Rand::Quadrat, Rand::Spiegel}) {
            SCOPED_TRACE(s.bild[0] + " edge " + std::to_string(static_cast<int>(rand)));
            Lauf lauf(30, rand, s.bild, -static_cast<int>(s.bild[0].size()) / 2, -3);
            ASSERT_EQ(lauf.abweichung(12), "");
            EXPECT_EQ(lauf.text(), s.text);
        }
}

// Soups, and fleets of gliders that may crash into each other.
TEST(Periode, SuppenUndFlottenWieDieLangsameSuche) {
    std::mt19937 zufall(12345);
    const Bild gleiter[] = {{".O.", "..O", "OOO"}, {"OOO", "..O", ".O."}, {".O.", "O..", "OOO"}, {"OOO", "O..", ".O."}};
    int gefunden = 0, gewandert = 0;
    for (int n : {8, 12, 16, 24})
        for (Rand rand : {Rand::Torus, Rand::Quadrat, Rand::Spiegel})
            for (int fall = 0; fall < 6; ++fall) {
                SCOPED_TRACE("n " + std::to_string(n) + " edge " + std::to_string(static_cast<int>(rand)) +
                             " case " + std::to_string(fall));
                Lauf lauf(n, rand);
                const int lo = engine::kMitte - n / 2;
                for (int x = lo; x < lo + n; ++x)
                    for (int y = lo; y < lo + n; ++y) lauf.w->setzeZelle(x, y, fall < 3 && zufall() % 100 < 35 ? 2 : 0);
                for (int g = 3; g <= fall; ++g)
                    testhilfe::zeichne(*lauf.w, static_cast<int>(zufall() % (n - 2)) - n / 2,
                                       static_cast<int>(zufall() % (n - 2)) - n / 2, gleiter[zufall() % 4]);
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

// An edit ends the run through neuerLauf(); the other changes end it on their own.
TEST(Periode, EinLaufEndetMitEingriffGroesseNachbarschaftRandUndRingsprung) {
    void (*const aenderungen[])(Lauf&) = {
        [](Lauf& l) { testhilfe::zeichne(*l.w, 5, 5, {"2"}); l.neuerLauf(); },
        [](Lauf& l) { l.w->feldGroesse = 10; },
        [](Lauf& l) { l.w->nachbarMaske = 0b01010101; },
        [](Lauf& l) { l.rand = Rand::Spiegel; },
        [](Lauf& l) { l.w->gedIndex = (l.w->gedIndex + 50) % engine::kRing; },
    };
    for (auto aendere : aenderungen) {
        Lauf block(30, Rand::Torus, {"22", "22"});
        block.schritt();
        ASSERT_EQ(block.text(), "statisch");
        aendere(block);
        block.schritt();
        EXPECT_EQ(block.suche.staende(), 2);
    }
}
