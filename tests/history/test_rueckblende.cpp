#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/schritt.h"
#include "history/rueckblende.h"
#include "testhilfe/bild.h"

// Slider value 99 - k shows the world k steps earlier, with its ages, also once the ring has wrapped.
TEST(Zurueckblicken, ShowsTheWorldKStepsEarlierAndChangesNothingElse) {
    auto w = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*w, 0, 0, {".2.", "..2", "222"});
    testhilfe::zeichne(*w, -10, 5, {"222"});
    auto zellen = [&w] {
        return std::vector<std::int32_t>(&w->zellen()[0][0], &w->zellen()[0][0] + engine::kDim * engine::kDim);
    };
    std::vector<std::vector<std::int32_t>> nach{zellen()};  // nach[k]: the world after step k
    for (int k = 1; k <= 150; ++k) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        nach.push_back(zellen());
    }
    const engine::GedaechtnisAbzug ring = w->gedaechtnisAbzug();
    for (int k = 0; k <= 99; ++k) {
        ASSERT_EQ(history::zurueckblicken(*w, history::kGegenwart - k), (150 - k) % engine::kRing);
        EXPECT_EQ(zellen(), nach[150 - k]) << "k = " << k;
    }
    EXPECT_EQ(w->gedIndex, 50);
    EXPECT_TRUE(w->gedaechtnisAbzug().ring() == ring.ring());
}
