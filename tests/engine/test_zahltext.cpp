#include <gtest/gtest.h>

#include "engine/zahltext.h"

using engine::leseZahl;
using engine::zahlText;

TEST(ZahlText, ReadsTheLeadingNumberLikeATextBox) {
    EXPECT_EQ(leseZahl("41"), 41);
    EXPECT_EQ(leseZahl("  2"), 2);
    EXPECT_EQ(leseZahl(" -5 Zellen"), -5);
    EXPECT_EQ(leseZahl("2.5"), 2.5);
    EXPECT_EQ(leseZahl("1e3"), 1000);
    EXPECT_EQ(leseZahl("abc"), 0);
    EXPECT_EQ(leseZahl(""), 0);
    EXPECT_EQ(leseZahl("-"), 0);
    EXPECT_EQ(leseZahl("7x"), 7);
}

TEST(ZahlText, WritesTheStandardFormatWithItsLeadingBlank) {
    EXPECT_EQ(zahlText(0), " 0");
    EXPECT_EQ(zahlText(42), " 42");
    EXPECT_EQ(zahlText(-5), "-5");
    EXPECT_EQ(zahlText(-0.0), " 0");
    EXPECT_EQ(zahlText(2147483648.0), " 2147483648");
    EXPECT_EQ(engine::ziffernText(75), "75");
}

TEST(ZahlText, CounterCountsPastTheInt32Range) {
    EXPECT_EQ(zahlText(leseZahl(" 2147483647") + 1), " 2147483648");
    EXPECT_EQ(zahlText(leseZahl("kein Zähler") + 1), " 1");
}

TEST(ZahlText, TellsANumberFromNoNumber) {
    EXPECT_EQ(engine::fuehrendeZahl(" 0"), 0.0);
    EXPECT_EQ(engine::fuehrendeZahl("89.5 Zellen"), 89.5);
    EXPECT_EQ(engine::fuehrendeZahl(".5"), 0.5);
    EXPECT_FALSE(engine::fuehrendeZahl("abc"));
    EXPECT_FALSE(engine::fuehrendeZahl(""));
    EXPECT_FALSE(engine::fuehrendeZahl(" -."));
}
