#include "storage/gifanimation.h"

#include <gif_lib.h>

#include <algorithm>

namespace storage {

struct GifAnimation::Datei {
    GifFileType* gif = nullptr;
};

namespace {

int anhaengen(GifFileType* gif, const GifByteType* bytes, int anzahl) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), anzahl);
    return anzahl;
}

/// Bits of the smallest power-of-two palette with room for n colours; GIF needs at least 2 entries.
int palettenBits(std::size_t n) {
    int bits = 1;
    while ((std::size_t{1} << bits) < n) ++bits;
    return bits;
}

}  // namespace

GifAnimation::GifAnimation(int breite, int hoehe, const std::vector<std::uint32_t>& farben, int verzoegerung)
    : datei_(std::make_unique<Datei>()), farben_(farben), breite_(breite), hoehe_(hoehe), verzoegerung_(verzoegerung) {
    if (breite < 1 || hoehe < 1 || breite > 65535 || hoehe > 65535 || farben.empty() || farben.size() > 256 ||
        verzoegerung < 0 || verzoegerung > 65535) {
        fehler_ = "das Bild hat eine Größe oder Farbzahl, die GIF nicht kennt";
        return;
    }
    int code = 0;
    datei_->gif = EGifOpen(&daten_, anhaengen, &code);
    if (!datei_->gif) {
        scheitert("anlegen", code);
        return;
    }
    EGifSetGifVersion(datei_->gif, true);

    std::vector<GifColorType> eintraege(std::size_t{1} << palettenBits(farben.size()), GifColorType{0, 0, 0});
    for (std::size_t k = 0; k < farben.size(); ++k)
        eintraege[k] = {static_cast<GifByteType>(farben[k] >> 16), static_cast<GifByteType>(farben[k] >> 8),
                        static_cast<GifByteType>(farben[k])};
    ColorMapObject* palette = GifMakeMapObject(static_cast<int>(eintraege.size()), eintraege.data());
    if (!palette) {
        scheitert("anlegen", E_GIF_ERR_NOT_ENOUGH_MEM);
        return;
    }
    const int ok = EGifPutScreenDesc(datei_->gif, breite, hoehe, 8, 0, palette);
    GifFreeMapObject(palette);
    if (ok != GIF_OK) {
        scheitert("beginnen", datei_->gif->Error);
        return;
    }

    // Application extension NETSCAPE2.0, sub-block 1 with loop count 0: repeat forever.
    static const GifByteType kennung[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType schleife[] = {1, 0, 0};
    if (EGifPutExtensionLeader(datei_->gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(datei_->gif, sizeof kennung, kennung) != GIF_OK ||
        EGifPutExtensionBlock(datei_->gif, sizeof schleife, schleife) != GIF_OK ||
        EGifPutExtensionTrailer(datei_->gif) != GIF_OK)
        scheitert("beginnen", datei_->gif->Error);
}

GifAnimation::~GifAnimation() {
    if (datei_->gif) EGifCloseFile(datei_->gif, nullptr);
}

void GifAnimation::scheitert(const char* was, int code) {
    if (!fehler_.empty()) return;
    const char* grund = GifErrorString(code);
    fehler_ = std::string("das GIF lässt sich nicht ") + was + (grund ? std::string(" (") + grund + ")" : "");
}

bool GifAnimation::bild(const std::uint32_t* pixel) {
    if (!fehler_.empty() || !datei_->gif) return false;
    GraphicsControlBlock steuerung{};
    steuerung.DisposalMode = DISPOSE_DO_NOT;
    steuerung.UserInputFlag = false;
    steuerung.DelayTime = verzoegerung_;
    steuerung.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType erweiterung[4];
    EGifGCBToExtension(&steuerung, erweiterung);
    if (EGifPutExtension(datei_->gif, GRAPHICS_EXT_FUNC_CODE, sizeof erweiterung, erweiterung) != GIF_OK ||
        EGifPutImageDesc(datei_->gif, 0, 0, breite_, hoehe_, false, nullptr) != GIF_OK) {
        scheitert("schreiben", datei_->gif->Error);
        return false;
    }
    // giflib masks the pixels of a line in place. Neighbouring pixels mostly share a colour.
    std::vector<GifPixelType> zeile(static_cast<std::size_t>(breite_));
    std::size_t letzter = 0;
    for (int y = 0; y < hoehe_; ++y) {
        const std::uint32_t* quelle = pixel + static_cast<std::size_t>(y) * breite_;
        for (int x = 0; x < breite_; ++x) {
            const std::uint32_t farbe = quelle[x] & 0xFFFFFF;
            if ((farben_[letzter] & 0xFFFFFF) != farbe) {
                const auto gefunden = std::find_if(farben_.begin(), farben_.end(),
                                                   [farbe](std::uint32_t f) { return (f & 0xFFFFFF) == farbe; });
                letzter = gefunden == farben_.end() ? 0 : static_cast<std::size_t>(gefunden - farben_.begin());
            }
            zeile[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(letzter);
        }
        if (EGifPutLine(datei_->gif, zeile.data(), breite_) != GIF_OK) {
            scheitert("schreiben", datei_->gif->Error);
            return false;
        }
    }
    return true;
}

std::optional<std::string> GifAnimation::fertig() {
    if (!datei_->gif) return std::nullopt;
    int code = 0;
    const int ok = EGifCloseFile(datei_->gif, &code);
    datei_->gif = nullptr;
    if (ok != GIF_OK) scheitert("abschließen", code);
    if (!fehler_.empty()) return std::nullopt;
    return std::move(daten_);
}

}  // namespace storage
