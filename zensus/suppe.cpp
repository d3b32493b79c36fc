#include "zensus/suppe.h"

#include <nettle/sha2.h>

#include <charconv>

namespace zensus {

Suppe suppe(std::string_view wurzel, std::uint64_t nummer) {
    char ziffern[24];
    const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, nummer).ptr;

    sha256_ctx ctx;
    sha256_init(&ctx);
    sha256_update(&ctx, wurzel.size(), reinterpret_cast<const std::uint8_t*>(wurzel.data()));
    sha256_update(&ctx, static_cast<std::size_t>(ende - ziffern), reinterpret_cast<const std::uint8_t*>(ziffern));
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&ctx, SHA256_DIGEST_SIZE, digest);

    Suppe s{};
    for (int y = 0; y < kSuppenSeite; ++y)
        s[y] = static_cast<std::uint16_t>(digest[2 * y + 1] | (digest[2 * y] << 8));
    return s;
}

std::string suppenText(const Suppe& s) {
    std::string text;
    text.reserve(kSuppenSeite * (kSuppenSeite + 1));
    for (int y = 0; y < kSuppenSeite; ++y) {
        if (y > 0) text += '$';
        for (int x = 0; x < kSuppenSeite; ++x) text += ((s[y] >> x) & 1) ? 'o' : 'b';
    }
    text += '!';
    return text;
}

std::string neueWurzel(std::mt19937_64& zufall) {
    static constexpr std::string_view kZeichen =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> wahl(0, kZeichen.size() - 1);
    std::string wurzel = "l_";
    for (int i = 0; i < 12; ++i) wurzel += kZeichen[wahl(zufall)];
    return wurzel;
}

}  // namespace zensus
