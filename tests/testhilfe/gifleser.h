#pragma once

#include <gif_lib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testhilfe {

/// A GIF file as giflib's reader sees it.
struct GifInhalt {
    bool gelesen = false;
    int breite = 0;
    int hoehe = 0;
    std::vector<int> verzoegerungen;
    std::vector<std::vector<std::uint32_t>> bilder;  // the whole picture after each frame, 0xRRGGBB row by row
};

/// Reads the whole file with DGifOpenFileName and DGifSlurp; each frame is laid over the picture
/// before it, its transparent pixels letting that show.
inline GifInhalt liesGif(const std::string& pfad) {
    GifInhalt inhalt;
    int fehler = 0;
    GifFileType* gif = DGifOpenFileName(pfad.c_str(), &fehler);
    if (!gif) return inhalt;
    if (DGifSlurp(gif) == GIF_OK) {
        inhalt.gelesen = true;
        inhalt.breite = gif->SWidth;
        inhalt.hoehe = gif->SHeight;
        std::vector<std::uint32_t> pixel(static_cast<std::size_t>(gif->SWidth) * gif->SHeight);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& bild = gif->SavedImages[i];
            GraphicsControlBlock steuerung{};
            const bool gcb = DGifSavedExtensionToGCB(gif, i, &steuerung) == GIF_OK;
            inhalt.verzoegerungen.push_back(gcb ? steuerung.DelayTime : -1);
            const ColorMapObject* palette = bild.ImageDesc.ColorMap ? bild.ImageDesc.ColorMap : gif->SColorMap;
            const GifImageDesc& d = bild.ImageDesc;
            for (int k = 0; k < d.Width * d.Height; ++k) {
                if (gcb && bild.RasterBits[k] == steuerung.TransparentColor) continue;
                const GifColorType& c = palette->Colors[bild.RasterBits[k]];
                pixel[static_cast<std::size_t>(d.Top + k / d.Width) * gif->SWidth + d.Left + k % d.Width] =
                    std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
            }
            inhalt.bilder.push_back(pixel);
        }
    }
    DGifCloseFile(gif, &fehler);
    return inhalt;
}

}  // namespace testhilfe
