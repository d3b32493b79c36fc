#include <gtest/gtest.h>

#include <memory>

#include "engine/welt.h"
#include "testhilfe/bild.h"

TEST(Welt, ClearingLeavesIndex100AloneAndASlotGivesBackTheWholeArray) {
    auto w = std::make_unique<engine::Welt>();
    w->zelle[0][0] = w->zelle[99][99] = 1;
    w->zelle[100][5] = w->zelle[5][100] = w->zelle[100][100] = 3;
    w->speichereInSlot(7);
    auto vorher = std::make_unique<engine::Welt>(*w);
    w->loescheZellen();
    EXPECT_EQ(testhilfe::lebende(*w), 3);
    EXPECT_EQ(w->zelle[100][5] + w->zelle[5][100] + w->zelle[100][100], 9);
    w->zelle[100][100] = 0;  // the slot brings back the whole array, this corner too
    w->ladeAusSlot(7);
    EXPECT_TRUE(testhilfe::gleich(*w, *vorher));
}
