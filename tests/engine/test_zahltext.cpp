#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

#include "engine/zahltext.h"

/// Runs the number texts under the German locale the window switches to, with its decimal comma.
struct ZahlText : ::testing::Test {
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the locale de_DE.UTF-8 is missing; scripts/einrichten.sh generates it";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(ZahlText, ReadsTheLeadingNumberLikeATextBox) {
    const struct { const char* text; std::optional<double> zahl; } faelle[] = {
        {"  2", 2}, {" -5 Zellen", -5}, {"+3", 3}, {"89.5", 89.5}, {".5", 0.5}, {"7.", 7}, {"1e3", 1000},
        {"2.5E-1x", 0.25}, {"1e", 1}, {"2,5", 2}, {"1e400", 0}, {"abc", std::nullopt}, {"", std::nullopt},
        {"-", std::nullopt}, {" -.", std::nullopt}};
    for (const auto& f : faelle) {
        EXPECT_EQ(engine::fuehrendeZahl(f.text), f.zahl) << '"' << f.text << '"';
        EXPECT_EQ(engine::leseZahl(f.text), f.zahl.value_or(0)) << '"' << f.text << '"';
    }
}

TEST_F(ZahlText, WritesTheStandardFormatWithItsLeadingBlank) {
    const struct { double zahl; const char* text; } faelle[] = {
        {0, " 0"}, {-0.0, " 0"}, {-5, "-5"}, {2.5, " 2.5"}, {-0.125, "-0.125"}, {2147483648.0, " 2147483648"},
        {1e15, " 1E+15"}, {1.0 / 3, " 0.333333333333333"}, {123456.75e-12, " 1.2345675E-07"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(engine::zahlText(f.zahl), f.text);
        EXPECT_EQ(engine::zahlTextOhneBlank(f.zahl), f.text[0] == ' ' ? f.text + 1 : f.text);
    }
}
