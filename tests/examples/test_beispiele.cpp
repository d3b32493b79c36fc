#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "examples/beispiele.h"
#include "testhilfe/bild.h"

namespace {

using Bild = std::vector<std::string>;

struct Erwartet {
    int anzahl;
    int xMin, xMax, yMin, yMax;
};

// Counts and bounding boxes in storage indices, as the panel's patterns are published.
constexpr Erwartet kErwartet[examples::kMusterAnzahl] = {
    {5, 45, 47, 45, 47},  {6, 44, 47, 43, 46},  {3, 45, 45, 44, 46},  {8, 43, 47, 43, 47},
    {7, 44, 47, 44, 47},  {4, 45, 46, 45, 46},  {6, 44, 46, 45, 48},  {6, 45, 47, 45, 48},
    {17, 42, 49, 45, 48}, {7, 44, 47, 44, 46},  {12, 44, 46, 42, 48}, {8, 44, 46, 43, 47},
    {10, 44, 46, 42, 47}, {5, 45, 49, 45, 46},  {7, 45, 47, 44, 47},  {8, 44, 46, 43, 46},
    {6, 45, 48, 45, 47}};

std::unique_ptr<engine::Welt> neueWelt() { return std::make_unique<engine::Welt>(); }

// The world around the patterns' area, field coordinates -3..4 by -3..3 (x 42..49, y 42..48).
Bild umgebung(const engine::Welt& w) { return testhilfe::lies(w, -3, -3, 8, 7); }

TEST(Beispiele, EveryPatternWritesItsCountOfCellsInStateOneInsideItsBox) {
    for (int index = 0; index < examples::kMusterAnzahl; ++index) {
        SCOPED_TRACE(index);
        auto w = neueWelt();
        examples::fuegeEin(*w, index);
        const Erwartet& e = kErwartet[index];
        int anzahl = 0, xMin = 100, xMax = 0, yMin = 100, yMax = 0;
        for (int x = 0; x < engine::kDim; ++x) {
            for (int y = 0; y < engine::kDim; ++y) {
                const int v = w->zelle[x][y];
                if (v == 0) continue;
                EXPECT_EQ(v, 1);
                ++anzahl;
                xMin = std::min(xMin, x), xMax = std::max(xMax, x);
                yMin = std::min(yMin, y), yMax = std::max(yMax, y);
            }
        }
        EXPECT_EQ(anzahl, e.anzahl);
        EXPECT_EQ(xMin, e.xMin);
        EXPECT_EQ(xMax, e.xMax);
        EXPECT_EQ(yMin, e.yMin);
        EXPECT_EQ(yMax, e.yMax);
    }
}

TEST(Beispiele, SeveralPatternsCellByCell) {
    auto w = neueWelt();
    examples::fuegeEin(*w, 3);
    EXPECT_EQ(umgebung(*w), (Bild{"........",
                                  ".11.....",
                                  ".1.1....",
                                  "........",
                                  "...1.1..",
                                  "....11..",
                                  "........"}));
    w = neueWelt();
    examples::fuegeEin(*w, 8);
    EXPECT_EQ(umgebung(*w), (Bild{"........",
                                  "........",
                                  "........",
                                  ".11..11.",
                                  "111..11.",
                                  ".11..111",
                                  "..1..11."}));
    w = neueWelt();
    examples::fuegeEin(*w, 10);
    EXPECT_EQ(umgebung(*w), (Bild{"...1....",
                                  "..1.1...",
                                  "..1.1...",
                                  "..1.1...",
                                  "..1.1...",
                                  "..1.1...",
                                  "...1...."}));
    w = neueWelt();
    examples::fuegeEin(*w, 13);
    EXPECT_EQ(testhilfe::lies(*w, 0, 0, 5, 2), (Bild{"1...1", ".111."}));
}

TEST(Beispiele, PatternEightIsTwoGroupsWithColumns45And46Empty) {
    auto w = neueWelt();
    examples::fuegeEin(*w, 8);
    for (int y = 0; y < engine::kDim; ++y) {
        EXPECT_EQ(w->zelle[45][y], 0);
        EXPECT_EQ(w->zelle[46][y], 0);
    }
    int links = 0, rechts = 0;
    for (int y = 45; y <= 48; ++y) {
        for (int x = 42; x <= 44; ++x) links += w->zelle[x][y] != 0;
        for (int x = 47; x <= 49; ++x) rechts += w->zelle[x][y] != 0;
    }
    EXPECT_EQ(links, 8);
    EXPECT_EQ(rechts, 9);
}

TEST(Beispiele, InsertingKeepsOtherCellsAndTurnsOlderAgesIntoOne) {
    auto w = neueWelt();
    testhilfe::zeichne(*w, -3, -3, {"3......2",
                                    ".23.....",
                                    ".3.2..3.",
                                    "........",
                                    "...2.3..",
                                    "....3222",
                                    "2......3"});
    w->zelle[0][0] = 2;
    w->zelle[89][89] = 3;
    w->zelleNeu[45][45] = 3;
    w->gedaechtnis(43, 43, 0) = 2;
    examples::fuegeEin(*w, 3);
    EXPECT_EQ(umgebung(*w), (Bild{"3......2",
                                  ".11.....",
                                  ".1.1..3.",
                                  "........",
                                  "...1.1..",
                                  "....1122",
                                  "2......3"}));
    EXPECT_EQ(w->zelle[0][0], 2);
    EXPECT_EQ(w->zelle[89][89], 3);
    EXPECT_EQ(w->zelleNeu[45][45], 3);
    EXPECT_EQ(w->gedaechtnis(43, 43, 0), 2);

    const Bild vorher = umgebung(*w);
    examples::fuegeEin(*w, 3);
    EXPECT_EQ(umgebung(*w), vorher);
}

TEST(Beispiele, IndicesOutsideTheTableInsertNothing) {
    auto w = neueWelt();
    examples::fuegeEin(*w, -1);
    examples::fuegeEin(*w, examples::kMusterAnzahl);
    EXPECT_EQ(testhilfe::lies(*w, -45, -45, 101, 101), testhilfe::lies(*neueWelt(), -45, -45, 101, 101));
}

}  // namespace
