#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "storage/gifanimation.h"
#include "testhilfe/gifleser.h"

namespace {

std::string alsDatei(const std::string& daten, const char* name) {
    const std::filesystem::path pfad = std::filesystem::temp_directory_path() / name;
    std::ofstream(pfad, std::ios::binary) << daten;
    return pfad.string();
}

}  // namespace

TEST(GifAnimation, BilderGroesseVerzoegerungSchleifeUndFarben) {
    const std::vector<std::uint32_t> farben = {0xFFFFFF, 0xFF0000, 0x000096};
    storage::GifAnimation gif(4, 3, farben, 25);
    const std::uint8_t a[12] = {0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0};
    const std::uint8_t b[12] = {0, 2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0};
    std::uint32_t pa[12], pb[12];
    for (int k = 0; k < 12; ++k) {
        pa[k] = 0xFF000000 | farben[a[k]];  // the top byte is not a colour
        pb[k] = farben[b[k]];
    }
    ASSERT_TRUE(gif.bild(pa));
    ASSERT_TRUE(gif.bild(pb));
    ASSERT_TRUE(gif.bild(pa));
    const auto daten = gif.fertig();
    ASSERT_TRUE(daten) << gif.fehler();

    const testhilfe::GifInhalt inhalt = testhilfe::liesGif(alsDatei(*daten, "morlix_test_gif1.gif"));
    ASSERT_TRUE(inhalt.gelesen);
    EXPECT_EQ(inhalt.version, "GIF89a");
    EXPECT_EQ(inhalt.breite, 4);
    EXPECT_EQ(inhalt.hoehe, 3);
    EXPECT_TRUE(inhalt.endlos);
    EXPECT_EQ(inhalt.verzoegerungen, (std::vector<int>{25, 25, 25}));
    ASSERT_EQ(inhalt.bilder.size(), 3u);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(inhalt.bilder[0][k], farben[a[k]]);
        EXPECT_EQ(inhalt.bilder[1][k], farben[b[k]]);
        EXPECT_EQ(inhalt.bilder[2][k], farben[a[k]]);
    }
}

TEST(GifAnimation, EineFarbeUndEinBild) {
    storage::GifAnimation gif(2, 2, {0x123456}, 1);
    const std::uint32_t fremd[4] = {0x123456, 0x654321, 0x123456, 0};  // unknown colours take the first
    ASSERT_TRUE(gif.bild(fremd));
    const auto daten = gif.fertig();
    ASSERT_TRUE(daten) << gif.fehler();
    const testhilfe::GifInhalt inhalt = testhilfe::liesGif(alsDatei(*daten, "morlix_test_gif2.gif"));
    ASSERT_TRUE(inhalt.gelesen);
    ASSERT_EQ(inhalt.bilder.size(), 1u);
    EXPECT_EQ(inhalt.bilder[0], std::vector<std::uint32_t>(4, 0x123456));
    EXPECT_EQ(inhalt.verzoegerungen, std::vector<int>{1});
}

TEST(GifAnimation, WasGifNichtKenntWirdAbgelehnt) {
    for (const auto& [breite, farbzahl] : {std::pair{0, 2}, std::pair{70000, 2}, std::pair{4, 0}, std::pair{4, 257}}) {
        storage::GifAnimation gif(breite, 4, std::vector<std::uint32_t>(farbzahl, 0), 10);
        const std::uint32_t bild[16] = {};
        EXPECT_FALSE(gif.bild(bild));
        EXPECT_FALSE(gif.fertig());
        EXPECT_FALSE(gif.fehler().empty());
    }
}
