#include <gtest/gtest.h>

#include <memory>

#include "engine/welt.h"

TEST(Welt, StartsEmptyWithTheDesignValues) {
    auto w = std::make_unique<engine::Welt>();
    EXPECT_EQ(w->nachbarMaske, 255);
    EXPECT_EQ(w->feldGroesse, 30);
    EXPECT_EQ(w->gedIndex, 0);
    EXPECT_EQ(sizeof w->gedaechtnisDaten, 101u * 101u * 101u * 2u);
}

TEST(Welt, ClearingLeavesIndex100Alone) {
    auto w = std::make_unique<engine::Welt>();
    w->zelle[0][0] = 1;
    w->zelle[99][99] = 3;
    w->zelle[100][5] = 2;
    w->zelle[5][100] = 2;
    w->loescheZellen();
    EXPECT_EQ(w->zelle[0][0], 0);
    EXPECT_EQ(w->zelle[99][99], 0);
    EXPECT_EQ(w->zelle[100][5], 2);
    EXPECT_EQ(w->zelle[5][100], 2);
}

TEST(Welt, SlotsRoundTripTheWholeArray) {
    auto w = std::make_unique<engine::Welt>();
    w->zelle[3][4] = 2;
    w->zelle[100][100] = 1;
    w->speichereInSlot(7);
    EXPECT_EQ(w->gedaechtnis(3, 4, 7), 2);
    w->zelle[3][4] = 0;
    w->ladeAusSlot(7);
    EXPECT_EQ(w->zelle[3][4], 2);
    EXPECT_EQ(w->zelle[100][100], 1);
    w->loescheGedaechtnis();
    EXPECT_EQ(w->gedaechtnis(3, 4, 7), 0);
}
