#include <gtest/gtest.h>

#include <memory>

#include "engine/welt.h"

TEST(Welt, ClearingLeavesIndex100AloneAndSlotsRoundTripTheWholeArray) {
    auto w = std::make_unique<engine::Welt>();
    w->zelle[0][0] = 1;
    w->zelle[99][99] = 3;
    w->zelle[100][5] = 2;
    w->zelle[5][100] = 2;
    w->speichereInSlot(7);
    w->loescheZellen();
    EXPECT_EQ(w->zelle[0][0] + w->zelle[99][99], 0);
    EXPECT_EQ(w->zelle[100][5] + w->zelle[5][100], 4);
    EXPECT_EQ(w->gedaechtnis(99, 99, 7), 3);
    w->ladeAusSlot(7);
    EXPECT_EQ(w->zelle[0][0], 1);
    EXPECT_EQ(w->zelle[99][99], 3);
    w->loescheGedaechtnis();
    EXPECT_EQ(w->gedaechtnis(99, 99, 7), 0);
}
