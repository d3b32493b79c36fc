#include <gtest/gtest.h>

#include "view/feldgroesse.h"

using view::freieGroesse;
using view::Groessenwahl;

TEST(Feldgroesse, FixedItemsSetTheirSizeAndMarkThemselves) {
    EXPECT_EQ(view::festeGroesse(0), (Groessenwahl{30, 0}));
    EXPECT_EQ(view::festeGroesse(1), (Groessenwahl{60, 1}));  // the item named after 50
    EXPECT_EQ(view::festeGroesse(2), (Groessenwahl{90, 2}));
}

TEST(Feldgroesse, FreeEntryTakesTheLargestEvenSizeNotAboveItUnmarked) {
    for (auto [text, n] : {std::pair{"40", 40}, {"41", 40}, {"2", 2}, {"90", 90}, {"89.5", 88}, {"60", 60},
                           {"30", 30}, {" 7 Zellen", 6}, {"1.5", 2}, {"1.0001", 2}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(freieGroesse(std::string(text)), (Groessenwahl{n, -1}));
    }
}

TEST(Feldgroesse, FreeEntryOutOfRangeGivesSixtyMarked) {
    for (const char* text : {"1", "0", "-4", "91", "90.5", "1e9"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(freieGroesse(std::string(text)), (Groessenwahl{60, 1}));
    }
}

TEST(Feldgroesse, FreeEntryWithoutNumberKeepsTheSize) {
    EXPECT_FALSE(freieGroesse(std::nullopt));
    EXPECT_FALSE(freieGroesse(std::string()));
    EXPECT_FALSE(freieGroesse(std::string("sechzig")));
}
