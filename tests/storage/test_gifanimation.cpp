#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "storage/gifanimation.h"
#include "testhilfe/gifleser.h"

TEST(GifAnimation, FramesComeBackThroughGiflibInTheirPaletteColoursLooping) {
    const std::vector<std::uint32_t> farben = {0xFFFFFF, 0xFF0000, 0x000096};
    storage::GifAnimation gif(4, 3, farben, 25);
    std::vector<std::vector<std::uint32_t>> bilder(3), erwartet(3);
    for (int b = 0; b < 3; ++b)
        for (std::size_t k = 0; k < 12; ++k) {
            // The top byte is not a colour; a colour outside the palette shows as the first.
            const std::uint32_t farbe = (k + b) % 5 == 0 ? 0x654321 : farben[(k * b) % farben.size()];
            bilder[b].push_back(farbe | (k % 2 ? 0xFF000000 : 0));
            erwartet[b].push_back(farbe == 0x654321 ? farben[0] : farbe);
        }
    for (const auto& bild : bilder) ASSERT_TRUE(gif.bild(bild.data()));
    ASSERT_TRUE(gif.bild(bilder[2].data()));  // the same again: the last frame lasts twice as long
    const auto daten = gif.fertig();
    ASSERT_TRUE(daten) << gif.fehler().name;
    const auto pfad = std::filesystem::temp_directory_path() / "morlix_test.gif";
    std::ofstream(pfad, std::ios::binary) << *daten;
    const testhilfe::GifInhalt inhalt = testhilfe::liesGif(pfad.string());
    ASSERT_TRUE(inhalt.gelesen);
    EXPECT_EQ(std::pair(inhalt.breite, inhalt.hoehe), std::pair(4, 3));
    EXPECT_TRUE(daten->starts_with("GIF89a"));
    EXPECT_NE(daten->find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 15)), std::string::npos);  // loop forever
    EXPECT_EQ(inhalt.verzoegerungen, (std::vector<int>{25, 25, 50}));
    EXPECT_EQ(inhalt.bilder, erwartet);
}
