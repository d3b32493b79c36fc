#include "zensus/apgcode.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <climits>

#include "engine/schritt.h"

namespace zensus {

namespace {

/// Symmetry `lage` as the matrix (a b; c d) acting on (x, y).
struct Matrix {
    int a, b, c, d;
};
constexpr Matrix kLagen[8] = {
    {1, 0, 0, 1},   {0, -1, 1, 0}, {-1, 0, 0, -1}, {0, 1, -1, 0},
    {-1, 0, 0, 1},  {1, 0, 0, -1}, {0, 1, 1, 0},   {0, -1, -1, 0},
};

constexpr std::string_view kZiffern = "0123456789abcdefghijklmnopqrstuvwxyz";
/// Columns of one strip hold five cells.
constexpr int kStreifen = 5;
/// The longest run of empty columns one "y" says: y0 = 4 up to yz = 39.
constexpr int kLaengsterLauf = 4 + 35;

void schreibeLeere(std::string& text, int leere) {
    while (leere > 0) {
        const int lauf = std::min(leere, kLaengsterLauf);
        if (lauf == 1) text += '0';
        else if (lauf == 2) text += 'w';
        else if (lauf == 3) text += 'x';
        else {
            text += 'y';
            text += kZiffern[static_cast<std::size_t>(lauf - 4)];
        }
        leere -= lauf;
    }
}

int ziffernWert(char z) {
    const auto p = kZiffern.find(z);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

/// Shorter first, then character order: the census's order of codes.
bool besser(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

std::uint8_t symmetrien(std::uint8_t nachbarMaske) {
    std::uint8_t lagen = 0;
    for (int lage = 0; lage < 8; ++lage) {
        const Matrix& m = kLagen[lage];
        bool erhalten = true;
        for (int bit = 0; bit < 8 && erhalten; ++bit) {
            if (!((nachbarMaske >> bit) & 1)) continue;
            const engine::Richtung r = engine::kNachbarn[bit];
            const int dx = m.a * r.dx + m.b * r.dy;
            const int dy = m.c * r.dx + m.d * r.dy;
            const auto* bild = std::find_if(std::begin(engine::kNachbarn), std::end(engine::kNachbarn),
                                            [&](const engine::Richtung& n) { return n.dx == dx && n.dy == dy; });
            erhalten = (nachbarMaske >> (bild - std::begin(engine::kNachbarn))) & 1;
        }
        if (erhalten) lagen |= static_cast<std::uint8_t>(1u << lage);
    }
    return lagen;
}

Zellen gewendet(const Zellen& zellen, int lage) {
    assert(lage >= 0 && lage < 8);
    const Matrix& m = kLagen[lage];
    Zellen bild;
    bild.reserve(zellen.size());
    for (const Punkt& p : zellen) bild.push_back({m.a * p.x + m.b * p.y, m.c * p.x + m.d * p.y});
    return bild;
}

std::string wechsler(const Zellen& zellen) {
    if (zellen.empty()) return {};
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    for (const Punkt& p : zellen) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    const int breite = x1 - x0 + 1;
    const int streifen = (y1 - y0) / kStreifen + 1;
    std::vector<std::uint8_t> spalten(static_cast<std::size_t>(breite) * static_cast<std::size_t>(streifen), 0);
    for (const Punkt& p : zellen) {
        const int s = (p.y - y0) / kStreifen;
        spalten[static_cast<std::size_t>(s * breite + (p.x - x0))] |=
            static_cast<std::uint8_t>(1u << ((p.y - y0) % kStreifen));
    }

    std::string text;
    for (int s = 0; s < streifen; ++s) {
        if (s > 0) text += 'z';
        int leere = 0;  // empty columns not yet written; those at a strip's end never are
        for (int x = 0; x < breite; ++x) {
            const std::uint8_t wert = spalten[static_cast<std::size_t>(s * breite + x)];
            if (wert == 0) {
                ++leere;
                continue;
            }
            schreibeLeere(text, leere);
            leere = 0;
            text += kZiffern[wert];
        }
    }
    return text;
}

std::optional<Zellen> ausWechsler(std::string_view text) {
    Zellen zellen;
    int x = 0, y = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char z = text[i];
        if (z == 'w') x += 2;
        else if (z == 'x') x += 3;
        else if (z == 'y') {
            if (++i == text.size()) return std::nullopt;
            const int wert = ziffernWert(text[i]);
            if (wert < 0) return std::nullopt;
            x += 4 + wert;
        } else if (z == 'z') {
            x = 0;
            y += kStreifen;
        } else {
            const int wert = ziffernWert(z);
            if (wert < 0 || wert >= 32) return std::nullopt;
            for (int r = 0; r < kStreifen; ++r)
                if ((wert >> r) & 1) zellen.push_back({x, y + r});
            ++x;
        }
    }
    return zellen;
}

std::string apgcode(Objektart art, int periode, std::span<const Zellen> phasen, std::uint8_t lagen) {
    assert(!phasen.empty() && (lagen & 1));
    std::string bester;
    for (const Zellen& phase : phasen)
        for (int lage = 0; lage < 8; ++lage) {
            if (!((lagen >> lage) & 1)) continue;
            std::string text = wechsler(gewendet(phase, lage));
            if (bester.empty() || besser(text, bester)) bester = std::move(text);
        }

    std::string code;
    long long zahl = periode;
    switch (art) {
        case Objektart::Stillleben:
            code = "xs";
            zahl = static_cast<long long>(phasen.front().size());
            break;
        case Objektart::Oszillator: code = "xp"; break;
        case Objektart::Raumschiff: code = "xq"; break;
        case Objektart::Wachstum: assert(false); break;
    }
    char ziffern[24];
    code.append(ziffern, std::to_chars(ziffern, ziffern + sizeof ziffern, zahl).ptr);
    code += '_';
    code += bester;
    return code;
}

std::optional<Entschluesselt> entschluessele(std::string_view code) {
    if (code.size() < 4 || code[0] != 'x') return std::nullopt;
    Objektart art;
    switch (code[1]) {
        case 's': art = Objektart::Stillleben; break;
        case 'p': art = Objektart::Oszillator; break;
        case 'q': art = Objektart::Raumschiff; break;
        default: return std::nullopt;
    }
    const auto strich = code.find('_');
    if (strich == std::string_view::npos) return std::nullopt;
    int zahl = 0;
    const auto [ende, fehler] = std::from_chars(code.data() + 2, code.data() + strich, zahl);
    if (fehler != std::errc{} || ende != code.data() + strich || zahl < 1) return std::nullopt;
    auto zellen = ausWechsler(code.substr(strich + 1));
    if (!zellen || zellen->empty()) return std::nullopt;
    if (art == Objektart::Stillleben && static_cast<int>(zellen->size()) != zahl) return std::nullopt;
    return Entschluesselt{art, art == Objektart::Stillleben ? 1 : zahl, std::move(*zellen)};
}

}  // namespace zensus
