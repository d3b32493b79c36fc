#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "storage/ablehnung.h"

namespace storage {

/// An animated GIF built frame by frame in memory: GIF89a, one global palette, looping forever.
/// The first frame is the full picture; each later one only the rectangle that changed, with the
/// unchanged pixels in it transparent, and a frame equal to the one before lengthens its time.
class GifAnimation {
public:
    /// breite × hoehe pixels (1..65535), up to 255 colours as 0xRRGGBB (one more entry is the
    /// transparent one), each frame shown for verzoegerung hundredths of a second (0..65535).
    GifAnimation(int breite, int hoehe, const std::vector<std::uint32_t>& farben, int verzoegerung);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    /// Appends a frame of breite × hoehe pixels 0x??RRGGBB, row by row, each shown in its palette
    /// colour (a colour outside the palette as the first one); false once anything failed.
    bool bild(const std::uint32_t* pixel);
    /// Ends the animation: the complete file, or nothing with fehler() set.
    std::optional<std::string> fertig();
    /// The reason for the first failure; none while all went well.
    const Ablehnung& fehler() const { return fehler_; }

private:
    // A frame waits until the next one shows whether it lasts longer.
    struct Rechteck {
        int x = 0, y = 0, breite = 0, hoehe = 0;
    };
    void scheitert(Ablehnung::Klausel schritt, int code);
    bool schreibeWartendes();

    struct Datei;
    std::unique_ptr<Datei> datei_;
    std::vector<std::uint32_t> farben_;
    std::vector<std::uint8_t> vorher_;   // palette indices of the picture shown so far
    std::vector<std::uint8_t> neu_;      // those of the frame being added
    std::vector<std::uint8_t> wartend_;  // the waiting frame's rectangle, row by row
    Rechteck rechteck_;
    int wartendeZeit_ = -1;  // hundredths of a second; -1: no frame waits
    std::string daten_;
    Ablehnung fehler_;
    int breite_;
    int hoehe_;
    int verzoegerung_;
};

}  // namespace storage
