#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace storage {

/// An animated GIF built frame by frame in memory: GIF89a, one global palette, every frame
/// the full picture, shown for the same time, looping forever.
class GifAnimation {
public:
    /// breite × hoehe pixels (1..65535), up to 256 colours as 0xRRGGBB, each frame shown for
    /// verzoegerung hundredths of a second (0..65535).
    GifAnimation(int breite, int hoehe, const std::vector<std::uint32_t>& farben, int verzoegerung);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    /// Appends a frame of breite × hoehe pixels 0x??RRGGBB, row by row, each shown in its palette
    /// colour (a colour outside the palette as the first one); false once anything failed.
    bool bild(const std::uint32_t* pixel);
    /// Ends the animation: the complete file, or nothing with fehler() set.
    std::optional<std::string> fertig();
    /// A German reason for the first failure; empty while all went well.
    const std::string& fehler() const { return fehler_; }

private:
    void scheitert(const char* was, int code);

    struct Datei;
    std::unique_ptr<Datei> datei_;
    std::vector<std::uint32_t> farben_;
    std::string daten_;
    std::string fehler_;
    int breite_;
    int hoehe_;
    int verzoegerung_;
};

}  // namespace storage
