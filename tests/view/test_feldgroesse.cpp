#include <gtest/gtest.h>

#include "view/feldgroesse.h"

// The largest even size not above the leading number, unmarked; out of range 60, marked on its
// item; without a number nothing, and the caller keeps its size.
TEST(Feldgroesse, FreeEntryTakesAnEvenSizeOrSixtyMarkedOrNothing) {
    using Wahl = std::optional<view::Groessenwahl>;
    const std::pair<std::optional<std::string>, Wahl> faelle[] = {
        {"41", Wahl{{40, -1}}},       {"2", Wahl{{2, -1}}},      {"90", Wahl{{90, -1}}}, {"89.5", Wahl{{88, -1}}},
        {" 7 Zellen", Wahl{{6, -1}}}, {"1.0001", Wahl{{2, -1}}}, {"1", Wahl{{60, 1}}},   {"-4", Wahl{{60, 1}}},
        {"90.5", Wahl{{60, 1}}},      {"1e9", Wahl{{60, 1}}},    {std::nullopt, {}},     {"", {}}, {"sechzig", {}}};
    for (const auto& [eingabe, wahl] : faelle)
        EXPECT_EQ(view::freieGroesse(eingabe), wahl) << eingabe.value_or("(abgebrochen)");
}
