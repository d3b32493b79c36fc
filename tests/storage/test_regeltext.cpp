#include <gtest/gtest.h>

#include "storage/regeltext.h"
#include "testhilfe/ablehnung.h"

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

TEST(RegelText, TypedAndWrittenRulesWithTheirReasons) {
    using A = storage::Ablehnung::Art;
    using K = storage::Ablehnung::Klausel;
    struct Fall {
        std::string eingabe;
        RegelArt art;
        const char *geburt, *ueberleben;  // for a rule that runs here
        int maske;
        storage::Ablehnung grund;  // otherwise
    };
    auto fremd = [](std::string name, K warum, long long zahl = 0) {
        return storage::Ablehnung{.art = A::regelNichtHier, .klausel = warum, .zahl1 = zahl, .name = std::move(name)};
    };
    auto erwartet = [](std::string name, std::string gelesen, K was) {
        return storage::Ablehnung{.art = A::regelErwartet, .klausel = was, .name = std::move(name), .gelesen = std::move(gelesen)};
    };
    const std::string tafel = "MAP" + std::string(21, 'A') + 'I' + std::string(64, 'A');
    const Fall faelle[] = {
        {" b3 / s 23 ", RegelArt::lauffaehig, "3", "23", 255, {}},
        {"B3_S23", RegelArt::lauffaehig, "3", "23", 255, {}},
        {"S23/B3", RegelArt::lauffaehig, "3", "23", 255, {}},
        {"23/3", RegelArt::lauffaehig, "3", "23", 255, {}},
        {"LIFE", RegelArt::lauffaehig, "3", "23", 255, {}},
        {"day&night", RegelArt::lauffaehig, "3678", "34678", 255, {}},
        {"/3", RegelArt::lauffaehig, "3", "", 255, {}},
        {"B2/S013V", RegelArt::lauffaehig, "2", "013", 0x55, {}},
        {kLifeMap, RegelArt::lauffaehig, "3", "23", 255, {}},
        {"B2a/S12", RegelArt::fremd, "", "", 0, fremd("B2a/S12", K::nachLage)},
        {"B3_S23-a4ei6", RegelArt::fremd, "", "", 0, fremd("B3_S23-a4ei6", K::nachLage)},
        {"B3/S23H", RegelArt::fremd, "", "", 0, fremd("B3/S23H", K::sechseck)},
        {"MAP" + std::string(22, 'A'), RegelArt::fremd, "", "", 0, fremd("MAP" + std::string(22, 'A'), K::andereNachbarschaft)},
        // Birth only with the north neighbour alone (index 128), which no mask and counts give.
        {tafel, RegelArt::fremd, "", "", 0, fremd(tafel, K::nichtNurAnzahl)},
        {"23/3/3", RegelArt::mehrZustaende, "", "", 0, fremd("23/3/3", K::zustaende, 3)},
        {"23/3/999999999999999999", RegelArt::mehrZustaende, "", "", 0, fremd("23/3/999999999999999999", K::zustaende, -1)},
        {"  ", RegelArt::unbekannt, "", "", 0, {.art = A::keineRegel}},
        {"B3/X", RegelArt::unbekannt, "", "", 0, erwartet("B3/X", "B3/", K::s)},
        {"S3/X", RegelArt::unbekannt, "", "", 0, erwartet("S3/X", "S3/", K::b)},
        {"B9/S23", RegelArt::unbekannt, "", "", 0, erwartet("B9/S23", "B", K::zahlStrichS)},
        {"S9/B23", RegelArt::unbekannt, "", "", 0, erwartet("S9/B23", "S", K::zahlStrichB)},
        {"B3/S23Q", RegelArt::unbekannt, "", "", 0, erwartet("B3/S23Q", "B3/S23", K::zahlOderEnde)},
        {"B3/S23/", RegelArt::unbekannt, "", "", 0, erwartet("B3/S23/", "B3/S23/", K::zahlDerZustaende)},
        {"23", RegelArt::unbekannt, "", "", 0, erwartet("23", "23", K::zahlOderStrich)},
        {"X yz", RegelArt::unbekannt, "", "", 0, {.art = A::keineRegelform, .name = "Xyz"}},
        {"MAPxyz", RegelArt::unbekannt, "", "", 0, erwartet("MAPxyz", "MAP", K::tabelle)},
    };
    for (const Fall& f : faelle) {
        const storage::RegelGelesen g = storage::liesRegel(f.eingabe);
        EXPECT_EQ(g.art, f.art) << f.eingabe;
        EXPECT_EQ(g.regel.has_value(), f.art == RegelArt::lauffaehig) << f.eingabe;
        EXPECT_EQ(g.fehler, f.grund) << f.eingabe;
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
