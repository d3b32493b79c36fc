#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "storage/weltdatei.h"
#include "testhilfe/bild.h"

namespace {

using storage::WeltDatei;

// The world at start-up (size 30, survival 2 and 3, birth 3, "Torus", the start colours) with a
// row of three state-1 cells at field (-1, 0) to (1, 0).
std::unique_ptr<WeltDatei> beispielWelt() {
    auto welt = std::make_unique<engine::Welt>();
    testhilfe::zeichne(*welt, -1, 0, {"111"});
    auto d = std::make_unique<WeltDatei>();
    std::memcpy(d->zelle, welt->zellen(), sizeof d->zelle);
    d->ueberleben[2] = d->ueberleben[3] = d->geburt[3] = 1;
    d->rand[0] = true;
    d->farben = storage::Farben{view::rgb(0, 0, 150), view::rgb(255, 0, 0), 0, view::kFensterHintergrund};
    return d;
}

storage::Gelesen lies(const std::string& text) {
    std::istringstream ein(text);
    return storage::liesWeltDatei(ein);
}

// The CR LF text with lines (numbered from 1) replaced.
std::string mitZeilen(std::string text, std::initializer_list<std::pair<int, std::string>> neu) {
    for (const auto& [nummer, zeile] : neu) {
        std::size_t start = 0;
        for (int k = 1; k < nummer; ++k) start = text.find("\r\n", start) + 2;
        text.replace(start, text.find("\r\n", start) - start, zeile);
    }
    return text;
}

// An endless input that counts what was taken from it.
struct EndloseQuelle : std::streambuf {
    std::string muster;
    std::size_t gelesen = 0;
    explicit EndloseQuelle(std::string m) : muster(std::move(m)) {}
    int_type underflow() override {
        gelesen += muster.size();
        setg(muster.data(), muster.data(), muster.data() + muster.size());
        return traits_type::to_int_type(muster[0]);
    }
};

}  // namespace

TEST(WeltDatei, WorkedExampleComesOutByteForByteAndReadsBack) {
    // From the format's description: the cells column by column, the row of three in lines 4490,
    // 4591 and 4692; the size; survival and birth by count in turn; the edge modes; the colours.
    std::string erwartet;
    for (int n = 1; n <= 10201; ++n) erwartet += (n == 4490 || n == 4591 || n == 4692) ? " 1 \r\n" : " 0 \r\n";
    erwartet += " 30 \r\n";
    for (char b : std::string("000010110000000000")) erwartet += std::string(" ") + b + " \r\n";
    erwartet += "True\r\nFalse\r\nFalse\r\n 9830400 \r\n 255 \r\n 0 \r\n-2147483643 \r\n";
    EXPECT_TRUE(storage::weltDateiText(*beispielWelt()) == erwartet);
    const auto g = lies(erwartet);
    ASSERT_TRUE(g.welt) << g.fehler.zeile;
    EXPECT_TRUE(storage::weltDateiText(*g.welt) == erwartet);
}

TEST(WeltDatei, ReadsBothLayoutsOtherLineEndsBlanksAndTruthValues) {
    auto d = beispielWelt();
    const std::string gut = storage::weltDateiText(*d);
    d->farben.reset();
    const std::string alt = storage::weltDateiText(*d);
    // A bare CR ends a line as well, and the last line may lack its end; a bare LF does not.
    std::string nurCr = gut, nurLf = gut;
    std::erase(nurCr, '\n');
    std::erase(nurLf, '\r');
    nurCr.pop_back();
    const struct { std::string text; int rand; bool farben; } faelle[] = {
        {alt, 0, false},
        {alt + "\r\n", 0, false},
        {nurCr, 0, true},
        // The largest values, blanks, a plus sign, truth values as words or numbers, text after the end.
        {mitZeilen(gut, {{4591, "\t  +3   "}, {10202, "90"}, {10203, "2"}, {10221, "FALSE"}, {10222, " -1 "},
                         {10223, "0"}, {10226, "16777215"}}) + "x\xff",
         1, true},
        {mitZeilen(gut, {{10222, "True"}, {10223, "True"}}), 2, true},  // the last "True" wins
        {mitZeilen(gut, {{10221, "False"}}), -1, true},
    };
    for (const auto& f : faelle) {
        const auto g = lies(f.text);
        ASSERT_TRUE(g.welt) << g.fehler.zeile;
        EXPECT_EQ(storage::gewaehlterRand(*g.welt), f.rand);
        EXPECT_EQ(g.welt->farben.has_value(), f.farben);
    }
    const auto g = lies(nurLf);
    EXPECT_EQ(std::tuple(g.welt != nullptr, g.fehler.zeile, g.fehler.grund),
              std::tuple(false, 1, storage::Lesegrund::nurLf));
}

TEST(WeltDatei, RefusesInvalidFilesNamingLineAndReason) {
    const std::string gut = storage::weltDateiText(*beispielWelt());
    using enum storage::Lesegrund;
    const struct { int zeile; std::string inhalt; storage::Lesegrund grund; } faelle[] = {
        {17, " 4 ", zelle},        {1, "-1", zelle},          {300, " 1.5 ", zelle},   {301, "", zelle},
        {302, " 1 1 ", zelle},     {10201, "2147483648", zelle}, {5000, std::string(300, ' ') + "0", zelle},
        {10202, " 31 ", groesse},  {10202, " 0 ", groesse},   {10202, " 92 ", groesse}, {10203, " 3 ", kasten},
        {10220, "True", kasten},   {10221, "Ja", rand},
        {10224, " 16777216 ", farbe}, {10227, "schwarz", farbe},
    };
    for (const auto& f : faelle) {
        const auto g = lies(mitZeilen(gut, {{f.zeile, f.inhalt}}));
        EXPECT_EQ(std::tuple(g.welt != nullptr, g.fehler.zeile, g.fehler.grund),
                  std::tuple(false, f.zeile, f.grund)) << f.inhalt;
    }
    // Ending early: before the older layout is complete, or inside the colour block.
    for (int zeilen : {0, 1, 5000, 10222, 10224, 10226}) {
        std::size_t p = 0;
        for (int k = 0; k < zeilen; ++k) p = gut.find("\r\n", p) + 2;
        const auto g = lies(gut.substr(0, p));
        EXPECT_EQ(std::tuple(g.welt != nullptr, g.fehler.zeile, g.fehler.grund),
                  std::tuple(false, zeilen, zeilen ? vorzeitig : leer));
    }
}

TEST(WeltDatei, ReadingIsBoundedOnEndlessInput) {
    // Endless valid lines: the reader stops after the last line; one endless line: refused at once.
    EndloseQuelle zweien(" 2 \r\n"), ohneEnde(std::string(4096, '0'));
    std::istream ein1(&zweien), ein2(&ohneEnde);
    const auto g = storage::liesWeltDatei(ein1);
    ASSERT_TRUE(g.welt && g.welt->farben) << g.fehler.zeile;
    EXPECT_EQ(g.welt->farben->schirm, 2);
    EXPECT_LE(zweien.gelesen, 10228u * 5u);
    const auto h = storage::liesWeltDatei(ein2);
    EXPECT_FALSE(h.welt);
    EXPECT_EQ(h.fehler.zeile, 1);
    EXPECT_LE(ohneEnde.gelesen, 8192u);
}
