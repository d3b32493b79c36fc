#include <gtest/gtest.h>

#include "storage/regeltext.h"

namespace {

using storage::RegelArt;

// Counts written as digits, e.g. "23" for 2 and 3.
std::uint16_t menge(std::string_view ziffern) {
    std::uint16_t m = 0;
    for (char c : ziffern) m = static_cast<std::uint16_t>(m | 1u << (c - '0'));
    return m;
}

// The common Life rule as a MAP rule, as the pattern collections write it.
const std::string kLifeMap =
    "MAPARYXfhZofugWaH7oaIDogBZofuhogOiAaIDogIAAgAAWaH7oaIDogGiA6ICAAIAAaIDogIAAgACAAIAAAAAAAA";

TEST(RegelText, TypedAndWrittenRulesWithTheirMessages) {
    struct Fall {
        std::string eingabe;
        RegelArt art;
        const char *geburt, *ueberleben;  // for a rule that runs here
        int maske;
        std::string meldung;  // part of the sentence otherwise
    };
    const Fall faelle[] = {
        {" b3 / s 23 ", RegelArt::lauffaehig, "3", "23", 255, ""},
        {"B3_S23", RegelArt::lauffaehig, "3", "23", 255, ""},
        {"S23/B3", RegelArt::lauffaehig, "3", "23", 255, ""},
        {"23/3", RegelArt::lauffaehig, "3", "23", 255, ""},
        {"LIFE", RegelArt::lauffaehig, "3", "23", 255, ""},
        {"day&night", RegelArt::lauffaehig, "3678", "34678", 255, ""},
        {"/3", RegelArt::lauffaehig, "3", "", 255, ""},
        {"B2/S013V", RegelArt::lauffaehig, "2", "013", 0x55, ""},
        {kLifeMap, RegelArt::lauffaehig, "3", "23", 255, ""},
        {"B2a/S12", RegelArt::fremd, "", "", 0, "„B2a/S12“ lässt sich hier nicht einstellen: sie unterscheidet"},
        {"B3_S23-a4ei6", RegelArt::fremd, "", "", 0, "nach ihrer Lage"},
        {"B3/S23H", RegelArt::fremd, "", "", 0, "Sechseckgitter"},
        {"MAP" + std::string(22, 'A'), RegelArt::fremd, "", "", 0, "andere Nachbarschaft"},
        // Birth only with the north neighbour alone (index 128), which no mask and counts give.
        {"MAP" + std::string(21, 'A') + 'I' + std::string(64, 'A'), RegelArt::fremd, "", "", 0,
         "nicht allein von der Zahl lebender Nachbarn ab."},
        {"23/3/3", RegelArt::mehrZustaende, "", "", 0, "sie hat 3 Zustände, hier gibt es zwei."},
        {"  ", RegelArt::unbekannt, "", "", 0, "Es ist keine Regel angegeben."},
        {"B3/X", RegelArt::unbekannt, "", "", 0, "„B3/X“ ist keine Regel: nach „B3/“ wird „S“ erwartet."},
        {"B9/S23", RegelArt::unbekannt, "", "", 0, "nach „B“ wird eine Zahl von 0 bis 8, „/“ oder „S“ erwartet."},
        {"B3/S23Q", RegelArt::unbekannt, "", "", 0, "nach „B3/S23“ wird eine Zahl von 0 bis 8 oder das Ende erwartet."},
        {"B3/S23/", RegelArt::unbekannt, "", "", 0, "nach „B3/S23/“ wird die Zahl der Zustände (ab 2) erwartet."},
        {"23", RegelArt::unbekannt, "", "", 0, "nach „23“ wird eine Zahl von 0 bis 8 oder „/“ erwartet."},
        {"Xyz", RegelArt::unbekannt, "", "", 0, "„Xyz“ ist keine Regel: erwartet wird ein Name wie „Life“"},
        {"MAPxyz", RegelArt::unbekannt, "", "", 0, "nach „MAP“ wird eine Tabelle aus 86 Zeichen Base64 erwartet."},
    };
    for (const Fall& f : faelle) {
        const storage::RegelGelesen g = storage::liesRegel(f.eingabe);
        EXPECT_EQ(g.art, f.art) << f.eingabe;
        EXPECT_EQ(g.regel.has_value(), f.art == RegelArt::lauffaehig) << f.eingabe;
        EXPECT_EQ(g.fehler.empty(), f.meldung.empty()) << f.eingabe << ": " << g.fehler;
        EXPECT_NE(g.fehler.find(f.meldung), std::string::npos) << f.eingabe << ": " << g.fehler;
        if (!g.regel) continue;
        EXPECT_EQ(std::tuple(g.regel->regel.geburt, g.regel->regel.ueberleben, int{g.regel->maske}),
                  std::tuple(menge(f.geburt), menge(f.ueberleben), f.maske)) << f.eingabe;
    }
}

TEST(RegelText, WrittenAndNamedAsTheOtherProgramsDo) {
    EXPECT_EQ(storage::mapText({menge("23"), menge("3")}, 255), kLifeMap);
    // Only the north neighbour (mask bit 2) counts, one gives birth: every index with 128 set and
    // 16 clear; the first is 128, the 22nd character holds indices 126..131.
    EXPECT_EQ(storage::mapText({0, menge("1")}, 0b100).substr(0, 25), "MAP" + std::string(21, 'A') + 'P');
    EXPECT_EQ(storage::regelName({menge("1"), menge("1")}, 255), "");
    // Named rules as the literature writes them: every count kept, names by both parts.
    EXPECT_EQ(storage::regelText({menge("34678"), menge("3678")}, 255), "B3678/S34678");
    EXPECT_EQ(storage::regelName({menge("12345"), menge("3")}, 255), "Maze");
}

}  // namespace
