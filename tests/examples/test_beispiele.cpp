#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/schritt.h"
#include "examples/beispiele.h"
#include "history/periode.h"
#include "testhilfe/bild.h"

namespace {

// The panel's rule groups name survival and birth counts joined by "-": "1-3 / 3" is S13/B3.
constexpr engine::Regel k23{0b1100, 0b1000}, k13{0b1010, 0b1000}, k35{0b101000, 0b1000}, k135{0b101010, 0b1000};

}  // namespace

TEST(Beispiele, EveryPatternDoesWhatItsHeadingPromisesInItsRule) {
    struct Fall {
        int index;
        engine::Regel regel;
        int periode;   // 1 for "statisch"
        bool wandert;  // a crawler moves
    };
    const Fall faelle[] = {{0, k23, 4, true},  {1, k23, 2, false},  {2, k23, 2, false},   {3, k23, 2, false},
                           {4, k23, 1, false}, {5, k23, 1, false},  {6, k23, 1, false},   {7, k23, 1, false},
                           {13, k13, 4, false}, {16, k13, 4, false}, {14, k35, 8, true},  {15, k35, 2, true},
                           {15, k135, 6, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.index);
        auto w = std::make_unique<engine::Welt>();
        examples::fuegeEin(*w, f.index);
        history::Periodensuche suche;
        suche.neuerLauf(*w);
        for (int k = 0; k < 60 && suche.befund().periode == 0; ++k) {
            engine::schritt(*w, f.regel, engine::Rand::Torus);
            suche.nachSchritt(*w);
        }
        EXPECT_EQ(suche.befund().periode, f.periode);
        EXPECT_EQ(suche.befund().dx != 0 || suche.befund().dy != 0, f.wandert);
    }
}

TEST(Beispiele, InsertingWritesStateOneOverAnyAgeAndKeepsEveryOtherCell) {
    auto w = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*w, -3, -3, {"3......2", ".23.....", ".3.2..3."});
    w->setzeZelle(0, 0, 2);
    examples::fuegeEin(*w, 3);
    EXPECT_EQ(testhilfe::lies(*w, -3, -3, 8, 7), (std::vector<std::string>{"3......2", ".11.....", ".1.1..3.", "........",
                                                                           "...1.1..", "....11..", "........"}));
    EXPECT_EQ(w->zelle(0, 0), 2);
    examples::fuegeEin(*w, 17);  // no such pattern
    EXPECT_EQ(testhilfe::lebende(*w), 12);
}

TEST(Beispiele, TheLargerPatternsSitWhereTheirPicturesPutThem) {
    struct Fall {
        int index, zellen;
        std::vector<std::string> bild;  // the box x 42..49, y 42..48 around the field centre
    };
    const Fall faelle[] = {
        {8, 17, {"........", "........", "........", ".11..11.", "111..11.", ".11..111", "..1..11."}},
        {9, 7, {"........", "........", "..111...", "...1....", "...111..", "........", "........"}},
        {10, 12, {"...1....", "..1.1...", "..1.1...", "..1.1...", "..1.1...", "..1.1...", "...1...."}},
        {11, 8, {"........", "...1....", "..1.1...", "..1.1...", "..1.1...", "...1....", "........"}},
        {12, 10, {"...1....", "..1.1...", "..1.1...", "..1.1...", "..1.1...", "...1....", "........"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.index);
        auto w = std::make_unique<engine::Welt>();
        examples::fuegeEin(*w, f.index);
        EXPECT_EQ(testhilfe::lies(*w, -3, -3, 8, 7), f.bild);
        EXPECT_EQ(testhilfe::lebende(*w), f.zellen);
    }
}
