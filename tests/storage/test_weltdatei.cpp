#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "storage/weltdatei_hilfe.h"
#include "storage/weltdatei.h"
#include "testhilfe/bild.h"

namespace {

using storage::WeltDatei;

// The world at start-up: size 30, survival 2 and 3, birth 3, "Torus", the start colours.
std::unique_ptr<WeltDatei> startWelt(const std::vector<std::string>& bild, int links, int oben) {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, links, oben, bild);
    auto d = std::make_unique<WeltDatei>();
    std::memcpy(d->zelle, welt->zelle, sizeof d->zelle);
    d->feldGroesse = 30;
    d->ueberleben[2] = d->ueberleben[3] = d->geburt[3] = 1;
    d->rand[0] = true;
    d->farben = storage::Farben{view::rgb(0, 0, 150), view::rgb(255, 0, 0), 0, view::kFensterHintergrund};
    return d;
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        z.push_back(text.substr(start, p - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return z;
}

storage::Gelesen lies(const std::string& text) {
    std::istringstream ein(text);
    return storage::liesWeltDatei(ein);
}

// Replaces line `nummer` (from 1) of a CR LF text.
std::string mitZeile(const std::string& text, int nummer, const std::string& neu) {
    std::size_t start = 0;
    for (int k = 1; k < nummer; ++k) start = text.find("\r\n", start) + 2;
    const std::size_t ende = text.find("\r\n", start);
    return text.substr(0, start) + neu + text.substr(ende);
}

}  // namespace

TEST(WeltDatei, WorkedExampleComesOutByteForByte) {
    const auto d = startWelt({"111"}, -1, 0);
    const std::string text = storage::weltDateiText(*d);
    EXPECT_EQ(zeilen(text).size(), 10227u);
    EXPECT_TRUE(text == testhilfe::beispielText());
}

TEST(WeltDatei, RoundTripKeepsEveryStateSizeBoxEdgeModeAndColour) {
    std::mt19937 zufall(7);
    const int groessen[] = {2, 30, 60, 88, 90};
    const view::Farbe farben[] = {view::kFensterHintergrund, static_cast<view::Farbe>(0x80000012u), 0,
                                  view::rgb(255, 255, 255), view::rgb(1, 2, 3)};
    for (int fall = 0; fall < 5; ++fall) {
        auto d = std::make_unique<WeltDatei>();
        for (auto& spalte : d->zelle)
            for (auto& z : spalte) z = static_cast<std::int32_t>(zufall() % 4);
        d->feldGroesse = groessen[fall];
        for (int k = 0; k < 9; ++k) {
            d->ueberleben[k] = (k + fall) % 3;
            d->geburt[k] = (k + fall + 1) % 3;
        }
        d->rand[fall % 3] = true;
        d->farben = storage::Farben{farben[fall], farben[(fall + 1) % 5], farben[(fall + 2) % 5], farben[(fall + 3) % 5]};

        const auto g = lies(storage::weltDateiText(*d));
        ASSERT_TRUE(g.welt) << g.fehler.grund;
        EXPECT_EQ(std::memcmp(g.welt->zelle, d->zelle, sizeof d->zelle), 0);
        EXPECT_EQ(g.welt->feldGroesse, groessen[fall]);
        EXPECT_EQ(std::memcmp(g.welt->ueberleben, d->ueberleben, sizeof d->ueberleben), 0);
        EXPECT_EQ(std::memcmp(g.welt->geburt, d->geburt, sizeof d->geburt), 0);
        EXPECT_EQ(storage::gewaehlterRand(*g.welt), fall % 3);
        ASSERT_TRUE(g.welt->farben);
        EXPECT_EQ(std::memcmp(&*g.welt->farben, &*d->farben, sizeof(storage::Farben)), 0);
    }
}

TEST(WeltDatei, OlderLayoutHasNoColourBlockAndAnEmptyLineAfterEitherIsIgnored) {
    auto d = startWelt({"2.3", ".1."}, 5, 5);
    const std::string mitFarben = storage::weltDateiText(*d);
    d->farben.reset();
    const std::string text = storage::weltDateiText(*d);
    EXPECT_EQ(zeilen(text).size(), 10223u);
    for (const std::string& datei : {text, text + "\r\n", mitFarben + "\r\n"}) {
        const auto g = lies(datei);
        ASSERT_TRUE(g.welt) << g.fehler.grund;
        EXPECT_EQ(g.welt->farben.has_value(), datei.size() > text.size() + 2);
        EXPECT_EQ(g.welt->zelle[50][50], 2);
        EXPECT_EQ(g.welt->zelle[51][51], 1);
    }
}

TEST(WeltDatei, ReadingLineEndsBlanksTruthValuesAndTrailingText) {
    const std::string gut = storage::weltDateiText(*startWelt({"3"}, 0, 0));
    // A bare CR ends a line as well; the last line may lack its end.
    std::string nurCr, nurLf;
    for (char c : gut) {
        if (c != '\n') nurCr += c;
        if (c != '\r') nurLf += c;
    }
    nurCr.pop_back();
    auto g = lies(nurCr);
    ASSERT_TRUE(g.welt) << g.fehler.grund;
    EXPECT_EQ(g.welt->zelle[45][45], 3);
    ASSERT_TRUE(g.welt->farben);
    EXPECT_EQ(g.welt->farben->schirm, view::kFensterHintergrund);

    // A bare LF does not end a line, so a file with LF ends is refused at line 1, naming why.
    g = lies(nurLf);
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.zeile, 1);
    EXPECT_NE(g.fehler.grund.find("LF statt CR LF"), std::string::npos) << g.fehler.grund;

    // Blanks and tabs around values, a plus sign, truth values in any case or as numbers.
    std::string frei = mitZeile(gut, 1 + 101 * 45 + 45, "\t  +2   ");
    frei = mitZeile(frei, 10202, "90");
    frei = mitZeile(frei, 10221, "FALSE");
    frei = mitZeile(frei, 10222, " -1 ");
    frei = mitZeile(frei, 10223, "0");
    g = lies(frei + "anything\0\xff after the last line" + std::string(5000, 'x'));
    ASSERT_TRUE(g.welt) << g.fehler.grund;
    EXPECT_EQ(g.welt->zelle[45][45], 2);
    EXPECT_EQ(g.welt->feldGroesse, 90);
    EXPECT_EQ(storage::gewaehlterRand(*g.welt), 1);

    // Several "True" lines: the last wins; none: no mode.
    g = lies(mitZeile(mitZeile(gut, 10223, "True"), 10222, "True"));
    ASSERT_TRUE(g.welt);
    EXPECT_EQ(storage::gewaehlterRand(*g.welt), 2);
    g = lies(mitZeile(gut, 10221, "False"));
    ASSERT_TRUE(g.welt);
    EXPECT_EQ(storage::gewaehlterRand(*g.welt), -1);
}

TEST(WeltDatei, RefusesInvalidFilesNamingLineAndReason) {
    const std::string gut = storage::weltDateiText(*startWelt({"1"}, 0, 0));
    struct Fall {
        int zeile;
        std::string inhalt, grund;
    };
    const std::string zelle = "keinen gültigen Zellzustand (0 bis 3)", groesse = "keine gültige Feldgröße (gerade, 2 bis 90)",
                      kasten = "keinen gültigen Kästchenwert (0 bis 2)", farbe = "keine gültige Farbe";
    const Fall faelle[] = {
        {17, " 4 ", zelle},        {1, "-1", zelle},          {300, " 1.5 ", zelle},   {301, "", zelle},
        {302, " 1 1 ", zelle},     {10201, "2147483648", zelle}, {5000, std::string(300, ' ') + "0", zelle},
        {10202, " 31 ", groesse},  {10202, " 0 ", groesse},   {10202, " 92 ", groesse}, {10203, " 3 ", kasten},
        {10220, "True", kasten},   {10221, "Ja", "keinen gültigen Wahrheitswert für die Randoption"},
        {10224, " 16777216 ", farbe}, {10227, "schwarz", farbe},
    };
    for (const Fall& f : faelle) {
        const auto g = lies(mitZeile(gut, f.zeile, f.inhalt));
        EXPECT_FALSE(g.welt) << f.zeile << " '" << f.inhalt << "'";
        EXPECT_EQ(g.fehler.zeile, f.zeile);
        EXPECT_EQ(g.fehler.grund, "enthält in Zeile " + std::to_string(f.zeile) + " " + f.grund);
    }

    // Ending early: before the older layout is complete, or inside the colour block.
    for (std::size_t zeilenZahl : {0u, 1u, 5000u, 10222u, 10224u, 10226u}) {
        std::size_t p = 0;
        for (std::size_t k = 0; k < zeilenZahl; ++k) p = gut.find("\r\n", p) + 2;
        const auto g = lies(gut.substr(0, p));
        EXPECT_FALSE(g.welt) << zeilenZahl;
        EXPECT_EQ(g.fehler.zeile, static_cast<int>(zeilenZahl));
        EXPECT_EQ(g.fehler.grund, zeilenZahl == 0 ? std::string("ist leer")
                                                  : "endet vorzeitig nach Zeile " + std::to_string(zeilenZahl));
    }
}

namespace {

// An endless input that counts what was taken from it.
class EndloseQuelle : public std::streambuf {
public:
    explicit EndloseQuelle(std::string muster) : muster_(std::move(muster)) {}
    std::size_t gelesen = 0;

protected:
    int_type underflow() override {
        gelesen += muster_.size();
        setg(muster_.data(), muster_.data(), muster_.data() + muster_.size());
        return traits_type::to_int_type(muster_[0]);
    }

private:
    std::string muster_;
};

}  // namespace

TEST(WeltDatei, ReadingIsBoundedOnEndlessInput) {
    EndloseQuelle ohneZeilenende(std::string(4096, '0'));
    std::istream ein1(&ohneZeilenende);
    auto g = storage::liesWeltDatei(ein1);
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.zeile, 1);
    EXPECT_LE(ohneZeilenende.gelesen, 8192u);

    // Endless valid lines: the reader stops after the last line of the format.
    EndloseQuelle zweien(" 2 \r\n");
    std::istream ein2(&zweien);
    g = storage::liesWeltDatei(ein2);
    ASSERT_TRUE(g.welt) << g.fehler.grund;
    EXPECT_EQ(g.welt->feldGroesse, 2);
    ASSERT_TRUE(g.welt->farben);
    EXPECT_EQ(g.welt->farben->schirm, 2);
    EXPECT_LE(zweien.gelesen, 10228u * 5u);

    EndloseQuelle leerZuerst("\r 2 \r\n 2 ");
    std::istream ein3(&leerZuerst);
    g = storage::liesWeltDatei(ein3);
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.zeile, 1);
}

// Garbled input of every other kind is left to the fuzz target.
TEST(WeltDatei, OneLineReplacedIsReadOrRefusedAtThatLine) {
    std::mt19937 zufall(20240601);
    const std::string gut = storage::weltDateiText(*startWelt({".2", "13", "3."}, -20, 10));
    // " 2 " fits every kind of line, the others none.
    const char* schlecht[] = {"x", " 2147483648 ", " 1.0 ", "0x1", "--1", "+-1"};
    for (int fall = 0; fall < 600; ++fall) {
        const int zeile = 1 + static_cast<int>(zufall() % storage::kZeilen);
        const bool passend = fall % 2 == 0;
        const auto g = lies(mitZeile(gut, zeile, passend ? " 2 " : schlecht[zufall() % std::size(schlecht)]));
        if (!passend) {
            EXPECT_FALSE(g.welt) << zeile;
            EXPECT_EQ(g.fehler.zeile, zeile);
            continue;
        }
        ASSERT_TRUE(g.welt) << zeile << ": " << g.fehler.grund;
        ASSERT_TRUE(testhilfe::haeltInvarianten(*g.welt)) << zeile;
        const std::string wieder = storage::weltDateiText(*g.welt);
        const auto zurueck = lies(wieder);
        ASSERT_TRUE(zurueck.welt) << zeile;
        EXPECT_TRUE(storage::weltDateiText(*zurueck.welt) == wieder) << zeile;
    }
}
