#include <gtest/gtest.h>

#include <memory>

#include "engine/welt.h"
#include "testhilfe/bild.h"

TEST(Welt, ClearingLeavesIndex100AloneAndASlotGivesBackTheWholeArray) {
    auto w = std::make_unique<engine::Welt>();
    w->setzeZelle(0, 0, 1);
    w->setzeZelle(99, 99, 1);
    for (auto [x, y] : {std::pair{100, 5}, {5, 100}, {100, 100}}) w->setzeZelle(x, y, 3);
    w->speichereInSlot(7);
    auto vorher = std::make_unique<engine::Welt>(*w);
    w->loescheZellen();
    EXPECT_EQ(testhilfe::lebende(*w), 3);
    EXPECT_EQ(w->zelle(100, 5) + w->zelle(5, 100) + w->zelle(100, 100), 9);
    w->setzeZelle(100, 100, 0);  // the slot brings back the whole array, this corner too
    w->ladeAusSlot(7);
    EXPECT_TRUE(testhilfe::gleich(*w, *vorher));
}

// Any 32-bit value stays in the cells; the memory keeps it cut to 16 bits, as a file would show.
TEST(Welt, CellsKeepAnyValueAndTheMemoryCutsThemTo16Bits) {
    auto w = std::make_unique<engine::Welt>();
    const struct {
        int x, y;
        std::int32_t wert;
        std::int16_t imSlot;
    } faelle[] = {{1, 2, 65538, 2}, {100, 3, 70000, 4464}, {4, 100, -5, -5}, {50, 50, 65536, 0}, {2, 2, 3, 3}};
    for (const auto& f : faelle) w->setzeZelle(f.x, f.y, f.wert);
    w->speichereInSlot(3);
    const engine::GedaechtnisAbzug abzug = w->gedaechtnisAbzug();
    for (const auto& f : faelle) {
        EXPECT_EQ(w->zelle(f.x, f.y), f.wert);
        EXPECT_EQ(w->zellen()[f.x][f.y], f.wert);
        EXPECT_EQ(w->gedaechtnis(f.x, f.y, 3), f.imSlot);
    }
    EXPECT_FALSE(w->slotGleichZellen(3));
    w->loescheSlot(3);
    EXPECT_EQ(w->gedaechtnis(1, 2, 3), 0);
    w->setzeGedaechtnis(abzug);
    w->ladeAusSlot(3);
    for (const auto& f : faelle) EXPECT_EQ(w->zelle(f.x, f.y), f.imSlot);
    EXPECT_TRUE(w->slotGleichZellen(3));
    EXPECT_EQ(testhilfe::lebende(*w), 4);
}
