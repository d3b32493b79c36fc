// Readers of the Life 1.05, MCell and macrocell formats.
#include <algorithm>
#include <vector>

#include "storage/lesehilfe.h"
#include "storage/muster.h"
#include "storage/musterlesen.h"

namespace storage {

namespace {

// ---- MCell ----

using A = Ablehnung::Art;

constexpr Zellzeichen kMCellZeichen{".", "*A", "#L", "BCDEFGHIJKLMNOPQRSTUVWXabcdefghij"};

// The value of a "#KEY value" line when the line has that key; nothing otherwise.
std::optional<std::string_view> wert(std::string_view zeile, std::string_view schluessel) {
    if (!beginntMit(zeile, schluessel, true)) return std::nullopt;
    const std::string_view rest = zeile.substr(schluessel.size());
    if (!rest.empty() && !leer(rest.front())) return std::nullopt;
    return ohneBlanks(rest);
}

// ---- Macrocell ----

// One node: a leaf of 8 x 8 cells (level 3) or four children of the level below (level 4 and up).
struct Knoten {
    int stufe = 3;
    std::int32_t kind[4] = {};   // NW, NE, SW, SE; 0 is the empty node
    std::uint8_t reihe[8] = {};  // a leaf's rows, bit x for column x
    // Box of the living cells from the node's top-left; rechts < links when there are none.
    std::int64_t links = 0, oben = 0, rechts = -1, unten = -1;

    bool leer() const { return rechts < links; }
    void nimmAuf(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        if (leer()) {
            links = x0, oben = y0, rechts = x1, unten = y1;
            return;
        }
        links = std::min(links, x0), oben = std::min(oben, y0);
        rechts = std::max(rechts, x1), unten = std::max(unten, y1);
    }
};

// The highest level read; its side still fits the coordinates with room to spare.
constexpr int kMaxStufe = 62;

// A leaf line of ".", "*" and "$"; false when it leaves its 8 x 8 cells.
bool liesBlatt(std::string_view s, Knoten& k) {
    int x = 0, y = 0;
    for (const char c : s) {
        if (c == '$') {
            if (++y > 8) return false;
            x = 0;
        } else if (c == '.' || c == '*') {
            if (x >= 8 || y >= 8) return false;
            if (c == '*') {
                k.reihe[y] = static_cast<std::uint8_t>(k.reihe[y] | 1u << x);
                k.nimmAuf(x, y, x, y);
            }
            ++x;
        } else {
            return false;
        }
    }
    return true;
}

// Writes the living cells of node `index` with its top-left at (x, y) of the pattern's box.
// Only nodes with living cells are entered, and all of them lie in the box, so the work is
// bounded by the box, and the depth by kMaxStufe.
void male(const std::vector<Knoten>& knoten, std::int32_t index, std::int64_t x, std::int64_t y, Muster& m) {
    const Knoten& k = knoten[static_cast<std::size_t>(index)];
    if (k.leer()) return;
    if (k.stufe == 3) {
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if ((k.reihe[r] >> c) & 1) m.lebt[x + c][y + r] = true;
        return;
    }
    const std::int64_t halb = std::int64_t{1} << (k.stufe - 1);
    for (int q = 0; q < 4; ++q) male(knoten, k.kind[q], x + (q & 1) * halb, y + (q >> 1) * halb, m);
}

}  // namespace

MusterGelesen liesLife105(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    auto m = std::make_unique<Muster>();
    std::int64_t min[2] = {0, 0}, max[2] = {-1, -1};
    bool lebende = false, zeilen = false, bloecke = false;
    // The first pass reads the rule and finds the box; the second, with `ziel`, sets the cells.
    auto durchlauf = [&](Muster* ziel, Ablehnung& fehler) {
        Zeilen z(text);
        std::string_view s;
        std::int64_t links = 0, y = 0;  // the block's left column and the next row
        while (z.naechste(s)) {
            s = ohneBlanks(s);
            if (s.empty()) continue;
            if (s.front() == '#') {
                const char art = s.size() > 1 ? klein(s[1]) : ' ';
                const bool fuer = s.size() == 2 || (s.size() > 2 && leer(s[2]));
                std::string_view rest = ohneBlanks(s.substr(std::min<std::size_t>(2, s.size())));
                if (fuer && art == 'p') {
                    Zahl p[2];
                    if (!liesPaar(rest, p, z.nummer(), fehler)) return false;
                    links = p[0].wert;
                    y = p[1].wert;
                    bloecke = true;
                } else if (fuer && art == 'n' && !ziel) {
                    m->regel = liesRegel("B3/S23").regel;
                } else if (fuer && art == 'r' && !ziel && !liesRegelUndGitter(rest, *m, z.nummer(), true, fehler)) {
                    return false;
                }
                continue;
            }
            for (std::size_t k = 0; k < s.size(); ++k) {
                const std::int64_t x = links + static_cast<std::int64_t>(k);
                if (s[k] == '*') {
                    if (ziel) {
                        ziel->lebt[x - min[0]][y - min[1]] = true;
                        continue;
                    }
                    min[0] = lebende ? std::min(min[0], x) : x, max[0] = lebende ? std::max(max[0], x) : x;
                    min[1] = lebende ? std::min(min[1], y) : y, max[1] = lebende ? std::max(max[1], y) : y;
                    lebende = true;
                } else if (s[k] != '.') {
                    fehler = unerwartet(z.nummer(), s[k]);
                    return false;
                }
            }
            zeilen = true;
            ++y;
        }
        return true;
    };
    Ablehnung fehler;
    if (!durchlauf(nullptr, fehler)) return abgelehnt(fehler);
    if (!zeilen) return abgelehnt(A::keineZellen);
    if (bloecke && lebende) m->position = std::array<std::int64_t, 2>{min[0], min[1]};
    return fuelle(std::move(m), max[0] - min[0] + 1, max[1] - min[1] + 1,
                  [&](Muster* ziel) { durchlauf(ziel, fehler); });
}

MusterGelesen liesMCell(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    auto m = std::make_unique<Muster>();
    Ablehnung fehler;
    Zeilen zeilen(text);
    std::string_view z;
    std::optional<std::string_view> brett;
    bool umbruch = true;  // a board wraps unless the file says otherwise
    while (zeilen.naechste(z)) {
        const std::string_view s = ohneBlanks(z);
        if (const auto spiel = wert(s, "#GAME"); spiel && !gleichOhneFall(*spiel, "Life"))
            return abgelehnt({.art = A::spiel, .name = std::string(*spiel)});
        if (const auto regel = wert(s, "#RULE"); regel && !liesRegelUndGitter(*regel, *m, zeilen.nummer(), true, fehler))
            return abgelehnt(fehler);
        if (const auto b = wert(s, "#BOARD")) brett = b;
        if (const auto w = wert(s, "#WRAP")) umbruch = *w != "0";
    }
    if (brett) liesBrett(*brett, umbruch, *m);
    return mitRleDaten(std::move(m), text, 0, kMCellZeichen);
}

MusterGelesen liesMakrozellen(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    auto m = std::make_unique<Muster>();
    Ablehnung fehler;
    Zeilen zeilen(text);
    std::string_view z;
    if (!zeilen.naechste(z) || !beginntMit(ohneBlanks(z), "[M2]")) return abgelehnt(A::keinM2);
    std::vector<Knoten> knoten(1);
    auto falsch = [&](A art, long long zahl = 0) { return abgelehnt(art, zeilen.nummer(), zahl); };
    while (zeilen.naechste(z)) {
        std::string_view s = ohneBlanks(z);
        if (s.empty()) continue;
        if (s.front() == '#') {
            if (const auto regel = wert(s, "#R"); regel && !liesRegelUndGitter(*regel, *m, zeilen.nummer(), true, fehler))
                return abgelehnt(fehler);
            continue;
        }
        if (knoten.size() > static_cast<std::size_t>(kMaxKnoten))
            return abgelehnt(A::vieleKnoten, 0, kMaxKnoten);
        Knoten k;
        if (!ziffer(s.front())) {
            if (!liesBlatt(s, k)) return falsch(A::keinKnoten);
            knoten.push_back(k);
            continue;
        }
        Zahl stufe;
        liesZahl(s, stufe);
        if (stufe.wert == 1 && !stufe.zuGross) return falsch(A::knotenZustaende);
        if (stufe.zuGross || stufe.wert < 4 || stufe.wert > kMaxStufe) return falsch(A::knotenStufe, kMaxStufe);
        k.stufe = static_cast<int>(stufe.wert);
        const std::int64_t halb = std::int64_t{1} << (k.stufe - 1);
        for (int q = 0; q < 4; ++q) {
            Zahl kind;
            const bool abstand = !s.empty() && leer(s.front());
            s = ohneBlanks(s);
            if (!abstand || !liesZahl(s, kind)) return falsch(A::keinKnoten);
            if (kind.zuGross || kind.wert >= static_cast<std::int64_t>(knoten.size()) ||
                (kind.wert > 0 && knoten[static_cast<std::size_t>(kind.wert)].stufe != k.stufe - 1))
                return falsch(A::knotenVerweis);
            k.kind[q] = static_cast<std::int32_t>(kind.wert);
            const Knoten& c = knoten[static_cast<std::size_t>(kind.wert)];
            const std::int64_t dx = (q & 1) * halb, dy = (q >> 1) * halb;
            if (!c.leer()) k.nimmAuf(c.links + dx, c.oben + dy, c.rechts + dx, c.unten + dy);
        }
        if (!ohneBlanks(s).empty()) return falsch(A::keinKnoten);
        knoten.push_back(k);
    }
    if (knoten.size() == 1) return abgelehnt(A::keineZellen);
    const Knoten& wurzel = knoten.back();
    if (wurzel.leer()) return {std::move(m), {}};
    // The root's middle is the origin, one row lower than the middle of its rows, as the format's writers place it.
    const std::int64_t halb = std::int64_t{1} << (wurzel.stufe - 1);
    m->position = std::array<std::int64_t, 2>{wurzel.links - halb, wurzel.oben - halb + 1};
    const auto letzter = static_cast<std::int32_t>(knoten.size() - 1);
    return fuelle(std::move(m), wurzel.rechts - wurzel.links + 1, wurzel.unten - wurzel.oben + 1,
                  [&](Muster* ziel) { male(knoten, letzter, -wurzel.links, -wurzel.oben, *ziel); });
}

}  // namespace storage
