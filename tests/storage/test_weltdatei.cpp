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
        EXPECT_EQ(g.welt->zelle[100][100], d->zelle[100][100]);
        EXPECT_EQ(g.welt->feldGroesse, groessen[fall]);
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(g.welt->ueberleben[k], d->ueberleben[k]);
            EXPECT_EQ(g.welt->geburt[k], d->geburt[k]);
        }
        EXPECT_EQ(storage::gewaehlterRand(*g.welt), fall % 3);
        ASSERT_TRUE(g.welt->farben);
        EXPECT_EQ(g.welt->farben->alt1, d->farben->alt1);
        EXPECT_EQ(g.welt->farben->neu, d->farben->neu);
        EXPECT_EQ(g.welt->farben->alt2, d->farben->alt2);
        EXPECT_EQ(g.welt->farben->schirm, d->farben->schirm);
    }
}

TEST(WeltDatei, OlderLayoutHasNoColourBlock) {
    auto d = startWelt({"2.3", ".1."}, 5, 5);
    d->farben.reset();
    const std::string text = storage::weltDateiText(*d);
    EXPECT_EQ(zeilen(text).size(), 10223u);
    const auto g = lies(text);
    ASSERT_TRUE(g.welt) << g.fehler.grund;
    EXPECT_FALSE(g.welt->farben);
    EXPECT_EQ(g.welt->zelle[50][50], 2);
    EXPECT_EQ(g.welt->zelle[51][51], 1);
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
        std::string inhalt;
        int fehlerZeile;
        std::string grund;
    };
    const Fall faelle[] = {
        {17, " 4 ", 17, "enthält in Zeile 17 keinen gültigen Zellzustand (0 bis 3)"},
        {1, "-1", 1, "enthält in Zeile 1 keinen gültigen Zellzustand (0 bis 3)"},
        {300, " 1.5 ", 300, "enthält in Zeile 300 keinen gültigen Zellzustand (0 bis 3)"},
        {301, "", 301, "enthält in Zeile 301 keinen gültigen Zellzustand (0 bis 3)"},
        {302, " 1 1 ", 302, "enthält in Zeile 302 keinen gültigen Zellzustand (0 bis 3)"},
        {10201, "2147483648", 10201, "enthält in Zeile 10201 keinen gültigen Zellzustand (0 bis 3)"},
        {10202, " 31 ", 10202, "enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)"},
        {10202, " 0 ", 10202, "enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)"},
        {10202, " 92 ", 10202, "enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)"},
        {10203, " 3 ", 10203, "enthält in Zeile 10203 keinen gültigen Kästchenwert (0 bis 2)"},
        {10220, "True", 10220, "enthält in Zeile 10220 keinen gültigen Kästchenwert (0 bis 2)"},
        {10221, "Ja", 10221, "enthält in Zeile 10221 keinen gültigen Wahrheitswert für die Randoption"},
        {10224, " 16777216 ", 10224, "enthält in Zeile 10224 keine gültige Farbe"},
        {10227, "schwarz", 10227, "enthält in Zeile 10227 keine gültige Farbe"},
        {5000, std::string(300, ' ') + "0", 5000, "enthält in Zeile 5000 keinen gültigen Zellzustand (0 bis 3)"},
    };
    for (const Fall& f : faelle) {
        const auto g = lies(mitZeile(gut, f.zeile, f.inhalt));
        EXPECT_FALSE(g.welt) << f.zeile << " '" << f.inhalt << "'";
        EXPECT_EQ(g.fehler.zeile, f.fehlerZeile);
        EXPECT_EQ(g.fehler.grund, f.grund);
    }

    // Ending early: before the older layout is complete, or inside the colour block.
    for (std::size_t zeilenZahl : {0u, 1u, 5000u, 10222u, 10224u, 10226u}) {
        std::string kurz;
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

TEST(WeltDatei, GarbledFilesAreAcceptedValidOrRefusedNeverBroken) {
    std::mt19937 zufall(20240601);
    const std::string gut = storage::weltDateiText(*startWelt({".2", "13", "3."}, -20, 10));
    std::vector<std::size_t> zeilenAnfang{0};
    for (std::size_t p = 0; (p = gut.find("\r\n", p)) != std::string::npos; p += 2) zeilenAnfang.push_back(p + 2);
    zeilenAnfang.pop_back();
    auto wuerfel = [&](std::size_t n) { return static_cast<std::size_t>(zufall() % n); };
    const char* schlecht[] = {" 4 ", "-1", "x", "", " 2147483648 ", "\n", " 1.0 ", "0x1", "--1", "+-1", " 91 "};

    int angenommen = 0;
    for (int fall = 0; fall < 3000; ++fall) {
        std::string text = gut;
        int erwarteteZeile = 0;
        bool mussAnnehmen = false;
        switch (fall % 5) {
            case 0:  // cut anywhere
                text.resize(wuerfel(text.size() + 1));
                break;
            case 1:  // random bytes
                for (std::size_t k = 1 + wuerfel(8); k > 0; --k) text[wuerfel(text.size())] = static_cast<char>(zufall());
                break;
            case 2:  // insert and delete byte runs
                text.insert(wuerfel(text.size()), std::string(1 + wuerfel(4), "0123 \r\nTF-"[wuerfel(10)]));
                text.erase(wuerfel(text.size()), wuerfel(6));
                break;
            case 3: {  // one line replaced: " 2 " fits every kind of line, the bad values none
                const std::size_t zeile = wuerfel(10227);
                const std::size_t ende = gut.find("\r\n", zeilenAnfang[zeile]);
                const bool passend = wuerfel(2) == 0;
                const char* ersatz = passend ? " 2 " : schlecht[wuerfel(std::size(schlecht))];
                text = gut.substr(0, zeilenAnfang[zeile]) + ersatz + gut.substr(ende);
                mussAnnehmen = passend;
                // "-1" and " 91 " fit edge and colour lines; a bare LF joins two lines.
                if (!passend && std::strcmp(ersatz, "-1") != 0 && std::strcmp(ersatz, " 91 ") != 0 &&
                    std::strcmp(ersatz, "\n") != 0)
                    erwarteteZeile = static_cast<int>(zeile) + 1;
                break;
            }
            default:  // a run of binary garbage in the middle
                for (std::size_t p = wuerfel(text.size()), k = 0; k < 600 && p < text.size(); ++k, ++p)
                    text[p] = static_cast<char>(zufall());
                break;
        }
        const auto g = lies(text);
        if (erwarteteZeile > 0) {
            EXPECT_FALSE(g.welt) << "fall " << fall;
            EXPECT_EQ(g.fehler.zeile, erwarteteZeile) << "fall " << fall;
        }
        EXPECT_TRUE(!mussAnnehmen || g.welt) << "fall " << fall << ": " << g.fehler.grund;
        if (!g.welt) {
            EXPECT_FALSE(g.fehler.grund.empty());
            EXPECT_GE(g.fehler.zeile, 0);
            EXPECT_LE(g.fehler.zeile, storage::kZeilen);
            continue;
        }
        ++angenommen;
        ASSERT_TRUE(testhilfe::haeltInvarianten(*g.welt)) << "fall " << fall;
        const std::string wieder = storage::weltDateiText(*g.welt);
        const auto zurueck = lies(wieder);
        ASSERT_TRUE(zurueck.welt) << "fall " << fall;
        EXPECT_TRUE(storage::weltDateiText(*zurueck.welt) == wieder) << "fall " << fall;
    }
    // Both answers occur, so the test exercises both paths.
    EXPECT_GT(angenommen, 250);
    EXPECT_LT(angenommen, 2500);
}
