#include "storage/pngbild.h"

#include <zlib.h>

#include <vector>

namespace storage {

namespace {

void wort(std::string& s, std::uint32_t w) {
    for (int k = 3; k >= 0; --k) s += static_cast<char>((w >> (8 * k)) & 0xFF);
}

// A chunk: length, type, data and the CRC over type and data.
void block(std::string& datei, const char* typ, const std::string& daten) {
    wort(datei, static_cast<std::uint32_t>(daten.size()));
    const std::string teil = std::string(typ, 4) + daten;
    datei += teil;
    wort(datei, static_cast<std::uint32_t>(
                    crc32(0, reinterpret_cast<const Bytef*>(teil.data()), static_cast<uInt>(teil.size()))));
}

}  // namespace

std::optional<std::string> pngBild(int breite, int hoehe, const std::uint32_t* pixel) {
    if (breite < 1 || hoehe < 1 || breite > 1 << 16 || hoehe > 1 << 16) return std::nullopt;
    // Each row starts with its filter: 0, the bytes as they are; the field's flat areas compress well.
    std::vector<Bytef> roh;
    roh.reserve(static_cast<std::size_t>(hoehe) * (3 * static_cast<std::size_t>(breite) + 1));
    for (int y = 0; y < hoehe; ++y) {
        roh.push_back(0);
        for (int x = 0; x < breite; ++x) {
            const std::uint32_t p = pixel[static_cast<std::size_t>(y) * breite + x];
            roh.push_back(static_cast<Bytef>(p >> 16));
            roh.push_back(static_cast<Bytef>(p >> 8));
            roh.push_back(static_cast<Bytef>(p));
        }
    }
    uLongf laenge = compressBound(static_cast<uLong>(roh.size()));
    std::string gepackt(laenge, '\0');
    if (compress2(reinterpret_cast<Bytef*>(gepackt.data()), &laenge, roh.data(), static_cast<uLong>(roh.size()), 9) !=
        Z_OK)
        return std::nullopt;
    gepackt.resize(laenge);

    std::string datei("\x89PNG\r\n\x1a\n", 8);
    std::string kopf;
    wort(kopf, static_cast<std::uint32_t>(breite));
    wort(kopf, static_cast<std::uint32_t>(hoehe));
    kopf += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace
    block(datei, "IHDR", kopf);
    block(datei, "IDAT", gepackt);
    block(datei, "IEND", {});
    return datei;
}

}  // namespace storage
