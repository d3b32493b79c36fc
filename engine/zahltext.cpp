#include "engine/zahltext.h"

#include <charconv>
#include <cmath>

namespace engine {

double leseZahl(std::string_view text) { return fuehrendeZahl(text).value_or(0.0); }

std::optional<double> fuehrendeZahl(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    const bool minus = p < text.size() && text[p] == '-';
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    const std::size_t start = p;
    auto ziffer = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    bool ziffern = false;
    while (ziffer(p)) ++p, ziffern = true;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (ziffer(p)) ++p, ziffern = true;
    }
    if (!ziffern) return std::nullopt;
    double wert = 0;
    // from_chars stops by itself before an exponent without digits.
    const auto [ende, fehler] = std::from_chars(text.data() + start, text.data() + text.size(), wert);
    if (fehler != std::errc{} || !std::isfinite(wert)) return 0.0;
    return minus ? -wert : wert;
}

std::string zahlTextOhneBlank(double wert) {
    if (wert == 0.0) wert = 0.0;  // no "-0"
    char puffer[40];
    std::to_chars_result r;
    if (wert == std::floor(wert) && std::fabs(wert) < 1e15) {
        r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 0);
    } else {
        r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
        for (char* c = puffer; c != r.ptr; ++c)
            if (*c == 'e') *c = 'E';
    }
    return std::string(puffer, r.ptr);
}

std::string zahlText(double wert) {
    std::string text = zahlTextOhneBlank(wert);
    return text[0] == '-' ? text : " " + text;
}

std::string ziffernText(long long wert) {
    std::string text;
    haengeZiffernAn(text, wert);
    return text;
}

void haengeZiffernAn(std::string& text, long long wert) {
    char puffer[24];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert);
    text.append(puffer, r.ptr);
}

std::string anzahlenText(std::uint16_t menge) {
    std::string text;
    for (int k = 0; k <= 8; ++k)
        if ((menge >> k) & 1) text += static_cast<char>('0' + k);
    return text;
}

}  // namespace engine
