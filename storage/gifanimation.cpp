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

/// Bits of the smallest power-of-two palette with room for n entries; GIF needs at least 2.
int palettenBits(std::size_t n) {
    int bits = 1;
    while ((std::size_t{1} << bits) < n) ++bits;
    return bits;
}

}  // namespace

GifAnimation::GifAnimation(int breite, int hoehe, const std::vector<std::uint32_t>& farben, int verzoegerung)
    : datei_(std::make_unique<Datei>()), farben_(farben), breite_(breite), hoehe_(hoehe), verzoegerung_(verzoegerung) {
    if (breite < 1 || hoehe < 1 || breite > 65535 || hoehe > 65535 || farben.empty() || farben.size() > 255 ||
        verzoegerung < 0 || verzoegerung > 65535) {
        fehler_.art = Ablehnung::Art::gifUngeeignet;
        return;
    }
    for (std::uint32_t& f : farben_) f &= 0xFFFFFF;
    int code = 0;
    datei_->gif = EGifOpen(&daten_, anhaengen, &code);
    if (!datei_->gif) {
        scheitert(Ablehnung::Klausel::anlegen, code);
        return;
    }
    EGifSetGifVersion(datei_->gif, true);

    std::vector<GifColorType> eintraege(std::size_t{1} << palettenBits(farben.size() + 1), GifColorType{0, 0, 0});
    for (std::size_t k = 0; k < farben.size(); ++k)
        eintraege[k] = {static_cast<GifByteType>(farben[k] >> 16), static_cast<GifByteType>(farben[k] >> 8),
                        static_cast<GifByteType>(farben[k])};
    ColorMapObject* palette = GifMakeMapObject(static_cast<int>(eintraege.size()), eintraege.data());
    if (!palette) {
        scheitert(Ablehnung::Klausel::anlegen, E_GIF_ERR_NOT_ENOUGH_MEM);
        return;
    }
    const int ok = EGifPutScreenDesc(datei_->gif, breite, hoehe, 8, 0, palette);
    GifFreeMapObject(palette);
    if (ok != GIF_OK) {
        scheitert(Ablehnung::Klausel::beginnen, datei_->gif->Error);
        return;
    }

    // Application extension NETSCAPE2.0, sub-block 1 with loop count 0: repeat forever.
    static const GifByteType kennung[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType schleife[] = {1, 0, 0};
    if (EGifPutExtensionLeader(datei_->gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(datei_->gif, sizeof kennung, kennung) != GIF_OK ||
        EGifPutExtensionBlock(datei_->gif, sizeof schleife, schleife) != GIF_OK ||
        EGifPutExtensionTrailer(datei_->gif) != GIF_OK)
        scheitert(Ablehnung::Klausel::beginnen, datei_->gif->Error);
}

GifAnimation::~GifAnimation() {
    if (datei_->gif) EGifCloseFile(datei_->gif, nullptr);
}

void GifAnimation::scheitert(Ablehnung::Klausel schritt, int code) {
    if (fehler_) return;
    const char* grund = GifErrorString(code);
    fehler_ = {.art = Ablehnung::Art::gifGescheitert, .klausel = schritt, .name = grund ? grund : ""};
}

bool GifAnimation::bild(const std::uint32_t* pixel) {
    if (fehler_ || !datei_->gif) return false;
    const std::size_t anzahl = static_cast<std::size_t>(breite_) * static_cast<std::size_t>(hoehe_);
    neu_.resize(anzahl);
    // Neighbouring pixels mostly share a colour.
    std::size_t letzter = 0;
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::uint32_t farbe = pixel[k] & 0xFFFFFF;
        if (farben_[letzter] != farbe) {
            const auto gefunden = std::find(farben_.begin(), farben_.end(), farbe);
            letzter = gefunden == farben_.end() ? 0 : static_cast<std::size_t>(gefunden - farben_.begin());
        }
        neu_[k] = static_cast<std::uint8_t>(letzter);
    }

    Rechteck r{0, 0, breite_, hoehe_};
    if (wartendeZeit_ >= 0) {
        int links = breite_, rechts = -1, oben = hoehe_, unten = -1;
        for (int y = 0; y < hoehe_; ++y) {
            const std::size_t zeile = static_cast<std::size_t>(y) * breite_;
            const auto a = neu_.begin() + static_cast<std::ptrdiff_t>(zeile);
            const auto n = std::mismatch(a, a + breite_, vorher_.begin() + static_cast<std::ptrdiff_t>(zeile)).first;
            if (n == a + breite_) continue;
            int x2 = breite_ - 1;
            while (neu_[zeile + static_cast<std::size_t>(x2)] == vorher_[zeile + static_cast<std::size_t>(x2)]) --x2;
            links = std::min(links, static_cast<int>(n - a));
            rechts = std::max(rechts, x2);
            oben = std::min(oben, y);
            unten = y;
        }
        if (unten < 0 && wartendeZeit_ + verzoegerung_ <= 65535) {
            wartendeZeit_ += verzoegerung_;
            return true;
        }
        if (!schreibeWartendes()) return false;
        r = unten < 0 ? Rechteck{0, 0, 1, 1} : Rechteck{links, oben, rechts - links + 1, unten - oben + 1};
    }
    // Unchanged pixels are transparent: long runs of one index cost LZW almost nothing.
    const auto transparent = static_cast<std::uint8_t>(farben_.size());
    const bool erstes = vorher_.empty();
    wartend_.resize(static_cast<std::size_t>(r.breite) * static_cast<std::size_t>(r.hoehe));
    for (int y = 0; y < r.hoehe; ++y)
        for (int x = 0; x < r.breite; ++x) {
            const std::size_t k = static_cast<std::size_t>(r.y + y) * breite_ + static_cast<std::size_t>(r.x + x);
            const bool gleich = !erstes && neu_[k] == vorher_[k];
            wartend_[static_cast<std::size_t>(y) * r.breite + x] = gleich ? transparent : neu_[k];
        }
    rechteck_ = r;
    wartendeZeit_ = verzoegerung_;
    vorher_.swap(neu_);
    return true;
}

bool GifAnimation::schreibeWartendes() {
    GraphicsControlBlock steuerung{};
    steuerung.DisposalMode = DISPOSE_DO_NOT;
    steuerung.UserInputFlag = false;
    steuerung.DelayTime = wartendeZeit_;
    steuerung.TransparentColor = static_cast<int>(farben_.size());
    GifByteType erweiterung[4];
    EGifGCBToExtension(&steuerung, erweiterung);
    const Rechteck& r = rechteck_;
    bool ok = EGifPutExtension(datei_->gif, GRAPHICS_EXT_FUNC_CODE, sizeof erweiterung, erweiterung) == GIF_OK &&
              EGifPutImageDesc(datei_->gif, r.x, r.y, r.breite, r.hoehe, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < r.hoehe; ++y)
        ok = EGifPutLine(datei_->gif, wartend_.data() + static_cast<std::size_t>(y) * r.breite, r.breite) == GIF_OK;
    if (!ok) {
        scheitert(Ablehnung::Klausel::schreiben, datei_->gif->Error);
        return false;
    }
    wartendeZeit_ = -1;
    return true;
}

std::optional<std::string> GifAnimation::fertig() {
    if (!datei_->gif) return std::nullopt;
    if (!fehler_ && wartendeZeit_ >= 0) schreibeWartendes();
    int code = 0;
    const int ok = EGifCloseFile(datei_->gif, &code);
    datei_->gif = nullptr;
    if (ok != GIF_OK) scheitert(Ablehnung::Klausel::abschliessen, code);
    if (fehler_) return std::nullopt;
    return std::move(daten_);
}

}  // namespace storage
