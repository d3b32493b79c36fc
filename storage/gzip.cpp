#include "storage/gzip.h"

#include <zlib.h>

#include <algorithm>

namespace storage {

namespace {

// Output is taken in steps of this, so a short text needs no large buffer.
constexpr std::size_t kSchritt = 64u << 10;

// zlib's stream, ended on every path.
class Strom {
public:
    Strom() { ok_ = inflateInit2(&z_, 16 + MAX_WBITS) == Z_OK; }  // 16: gzip wrapper only
    ~Strom() {
        if (ok_) inflateEnd(&z_);
    }
    Strom(const Strom&) = delete;
    Strom& operator=(const Strom&) = delete;
    bool ok() const { return ok_; }
    z_stream& z() { return z_; }

private:
    z_stream z_{};
    bool ok_ = false;
};

}  // namespace

bool istGzip(std::string_view daten) { return daten.size() >= 2 && daten[0] == '\x1f' && daten[1] == '\x8b'; }

Entpackt entpackeGzip(std::string_view daten, std::size_t grenze) {
    Entpackt antwort;
    using A = Ablehnung::Art;
    auto fehler = [&antwort](A art, long long zahl = 0) {
        antwort.text.clear();
        antwort.text.shrink_to_fit();
        antwort.fehler = {.art = art, .zahl1 = zahl};
        return std::move(antwort);
    };
    Strom strom;
    if (!strom.ok()) return fehler(A::nichtEntpackbar);
    z_stream& z = strom.z();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(daten.data()));
    // The caller bounds the input far below what uInt holds.
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(daten.size(), UINT32_MAX));
    for (;;) {
        const std::size_t fertig = antwort.text.size();
        if (fertig > grenze)
            return fehler(A::entpacktZuGross, static_cast<long long>(grenze >> 20));
        antwort.text.resize(std::min(fertig + kSchritt, grenze + 1));
        z.next_out = reinterpret_cast<Bytef*>(antwort.text.data() + fertig);
        z.avail_out = static_cast<uInt>(antwort.text.size() - fertig);
        const int ergebnis = inflate(&z, Z_NO_FLUSH);
        antwort.text.resize(antwort.text.size() - z.avail_out);
        if (ergebnis == Z_STREAM_END) {
            if (antwort.text.size() > grenze) continue;
            return antwort;
        }
        // There is always room for output, so a stop without progress means the input ended early.
        if (ergebnis == Z_BUF_ERROR) return fehler(A::gzipUnvollstaendig);
        if (ergebnis != Z_OK) return fehler(A::gzipBeschaedigt);
    }
}

}  // namespace storage
