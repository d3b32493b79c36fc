#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/schritt.h"
#include "history/rueckblende.h"
#include "testhilfe/bild.h"

using engine::Rand;
using engine::Regel;
using engine::Welt;

namespace {

using Zellen = std::vector<std::int32_t>;

Zellen zellen(const Welt& w) { return Zellen(&w.zelle[0][0], &w.zelle[0][0] + engine::kDim * engine::kDim); }

void schritt(Welt& w) { engine::schritt(w, Regel::standard(), Rand::Torus); }

/// A glider and a blinker, stepped `schritte` times; verlauf[k] is the world after step k.
struct Verlauf {
    std::unique_ptr<Welt> w = std::make_unique<Welt>();
    std::vector<Zellen> nach;

    explicit Verlauf(int schritte) {
        w->feldGroesse = 30;
        testhilfe::zeichne(*w, 0, 0, {".2.", "..2", "222"});
        testhilfe::zeichne(*w, -10, 5, {"222"});
        nach.push_back(zellen(*w));
        for (int k = 0; k < schritte; ++k) {
            schritt(*w);
            nach.push_back(zellen(*w));
        }
    }
};

}  // namespace

TEST(RueckIndex, SlotAndDepthTextOfTheSliderValues) {
    const struct {
        int gedIndex, v, slot;
        const char* tiefe;
    } faelle[] = {{7, 99, 7, " 0"}, {7, 98, 6, "-1"}, {7, 0, 8, "-99"}, {0, 98, 99, "-1"}, {99, 0, 0, "-99"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(history::rueckIndex(f.gedIndex, f.v), f.slot) << f.gedIndex << " " << f.v;
        EXPECT_EQ(history::tiefeText(f.v), f.tiefe);
    }
}

TEST(Zurueckblicken, ShowsTheWorldKStepsEarlierWithItsAgesAndChangesNothingElse) {
    Verlauf v(150);  // the ring has wrapped
    auto ring = std::make_unique<Welt>(*v.w);
    for (int k = 0; k <= 99; ++k) {
        ASSERT_EQ(history::zurueckblicken(*v.w, history::kGegenwart - k), (150 - k + 100) % 100);
        EXPECT_EQ(zellen(*v.w), v.nach[150 - k]) << "k = " << k;
    }
    EXPECT_EQ(v.w->gedIndex, 50);
    EXPECT_EQ(std::memcmp(v.w->gedaechtnisDaten, ring->gedaechtnisDaten, sizeof ring->gedaechtnisDaten), 0);
    // Before the first step there is nothing.
    Verlauf kurz(6);
    history::zurueckblicken(*kurz.w, history::kGegenwart - 7);
    EXPECT_EQ(testhilfe::lebende(*kurz.w), 0);
}

TEST(Zurueckblicken, ThePresentDropsEditsAndAStepFromThePastContinuesFromIt) {
    Verlauf v(5);
    testhilfe::zeichne(*v.w, 10, 10, {"222"});
    history::zurueckblicken(*v.w, history::kGegenwart - 2);
    history::zurueckblicken(*v.w, history::kGegenwart);
    EXPECT_EQ(zellen(*v.w), v.nach[5]);
    history::zurueckblicken(*v.w, history::kGegenwart - 3);
    schritt(*v.w);
    EXPECT_EQ(zellen(*v.w), v.nach[3]);
    // The past state overwrote the old present in its slot.
    history::zurueckblicken(*v.w, history::kGegenwart - 1);
    EXPECT_EQ(zellen(*v.w), v.nach[2]);
}
