#include "engine/zahltext.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace engine {

double leseZahl(std::string_view text) { return fuehrendeZahl(text).value_or(0.0); }

std::optional<double> fuehrendeZahl(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    const std::size_t start = p;
    auto ziffer = [&](std::size_t k) { return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])); };
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    bool ziffern = false;
    while (ziffer(p)) ++p, ziffern = true;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (ziffer(p)) ++p, ziffern = true;
    }
    if (!ziffern) return std::nullopt;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t e = p + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (ziffer(e)) {
            while (ziffer(e)) ++e;
            p = e;
        }
    }
    const std::string teil(text.substr(start, p - start));
    const double wert = std::strtod(teil.c_str(), nullptr);
    return std::isfinite(wert) ? wert : 0.0;
}

std::string zahlText(double wert) {
    if (wert == 0.0) wert = 0.0;  // no "-0"
    char puffer[40];
    if (wert == std::floor(wert) && std::fabs(wert) < 1e15)
        std::snprintf(puffer, sizeof puffer, "%.0f", wert);
    else
        std::snprintf(puffer, sizeof puffer, "%.15G", wert);
    std::string text(puffer);
    return wert < 0 ? text : " " + text;
}

std::string ziffernText(long long wert) { return std::to_string(wert); }

}  // namespace engine
