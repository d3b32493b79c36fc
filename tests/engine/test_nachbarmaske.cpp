#include <gtest/gtest.h>

#include <memory>

#include "engine/nachbarmaske.h"
#include "testhilfe/bild.h"

using engine::Ankreuzungen;
using engine::ankreuzungenAus;
using engine::maskeAus;

namespace {

/// Ticks of the listed elements (1..8) only.
Ankreuzungen nur(std::initializer_list<int> elemente) {
    Ankreuzungen a{};
    for (int n : elemente) a[n - 1] = true;
    return a;
}

}  // namespace

TEST(Nachbarmaske, ExamplesOfTheMatrixAndTicksAndMaskBothWaysForEveryMask) {
    EXPECT_EQ(maskeAus(nur({1, 2, 4, 5, 6, 7, 8})), 251);
    EXPECT_EQ(maskeAus(nur({1, 3, 5, 7})), 85);
    EXPECT_EQ(maskeAus(nur({8})), 128);
    for (int m = 0; m < 256; ++m) {
        const Ankreuzungen a = ankreuzungenAus(static_cast<std::uint8_t>(m));
        ASSERT_EQ(maskeAus(a), m);
        for (int n = 1; n <= engine::kElemente; ++n) ASSERT_EQ(a[n - 1], ((m >> (n - 1)) & 1) == 1) << m;
    }
}

TEST(Nachbarmaske, EachElementSwitchesTheNeighbourAtItsPlace) {
    // Element n ticked alone, with birth on one neighbour: the empty centre of the 3 x 3 picture
    // is born exactly when its one living cell stands at element n's place.
    const std::vector<std::string> bild[8] = {
        {"...", "O..", "..."}, {"O..", "...", "..."}, {".O.", "...", "..."}, {"..O", "...", "..."},
        {"...", "..O", "..."}, {"...", "...", "..O"}, {"...", "...", ".O."}, {"...", "...", "O.."}};
    for (int platz = 1; platz <= 8; ++platz) {
        for (int n = 1; n <= 8; ++n) {
            auto w = std::make_unique<engine::Welt>();
            testhilfe::zeichne(*w, -1, -1, bild[platz - 1]);
            w->nachbarMaske = maskeAus(nur({n}));
            engine::schritt(*w, engine::Regel{0, 0b10}, engine::Rand::Torus);
            EXPECT_EQ(testhilfe::lies(*w, 0, 0, 1, 1)[0], n == platz ? "2" : ".")
                << "element " << n << ", cell at place " << platz;
        }
        const engine::Richtung r = engine::richtungVon(platz);
        EXPECT_EQ(bild[platz - 1][r.dy + 1][r.dx + 1], 'O') << platz;
    }
}
