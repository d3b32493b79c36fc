#include <gtest/gtest.h>

#include <memory>

#include "engine/nachbarmaske.h"
#include "testhilfe/bild.h"

// Element n ticked alone, with birth on one neighbour: the empty centre of the 3 x 3 picture is
// born exactly when its one living cell stands at element n's place.
TEST(Nachbarmaske, EachElementCountsTheNeighbourAtItsPlaceAndTicksRoundTrip) {
    const std::vector<std::string> plaetze = {"234", "1.5", "876"};  // x to the right, y downward
    for (int platz = 1; platz <= 8; ++platz) {
        std::vector<std::string> bild = plaetze;
        for (auto& zeile : bild)
            for (char& c : zeile) c = c == '0' + platz ? 'O' : '.';
        for (int n = 1; n <= 8; ++n) {
            engine::Ankreuzungen nurN{};
            nurN[n - 1] = true;
            auto w = std::make_unique<engine::Welt>();
            testhilfe::zeichne(*w, -1, -1, bild);
            w->nachbarMaske = engine::maskeAus(nurN);
            engine::schritt(*w, engine::Regel{0, 0b10}, engine::Rand::Torus);
            EXPECT_EQ(testhilfe::lies(*w, 0, 0, 1, 1)[0], n == platz ? "2" : ".") << "element " << n << ", " << platz;
        }
        const engine::Richtung r = engine::richtungVon(platz);
        EXPECT_EQ(plaetze[r.dy + 1][r.dx + 1], '0' + platz);
    }
    for (int m = 0; m < 256; ++m) ASSERT_EQ(engine::maskeAus(engine::ankreuzungenAus(static_cast<std::uint8_t>(m))), m);
}
