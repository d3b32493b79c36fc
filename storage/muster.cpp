#include "storage/muster.h"

#include <algorithm>

#include "engine/zahltext.h"
#include "storage/gzip.h"
#include "storage/lesehilfe.h"
#include "storage/musterlesen.h"

namespace storage {

namespace {

using engine::kMaxFeld;

// A run count above this cannot be meant.
constexpr std::int64_t kMaxLauf = 1'000'000'000;
// Digits of a run count that are kept; more make it too large anyway.
constexpr std::size_t kLaufZiffern = 17;

using A = Ablehnung::Art;
using K = Ablehnung::Klausel;

// The byte as the number a reason carries.
long long byte(char c) { return static_cast<unsigned char>(c); }

enum class Gitter { ja, fremd, unbekannt };

// A bounded grid "T30,30" or "P30,30" (after the colon) into m; for any other topology, shift,
// twist or size `grund` says why it cannot be set here (its klausel and numbers).
Gitter liesGitter(std::string_view s, Angaben& m, Ablehnung& grund) {
    if (s.empty()) return Gitter::unbekannt;
    const char art = klein(s.front());
    const auto artIndex = std::string_view("tpkcs").find(art);
    if (artIndex == std::string_view::npos) return Gitter::unbekannt;
    s.remove_prefix(1);
    bool verschoben = false;
    Zahl masse[2];
    for (int k = 0; k < 2; ++k) {
        if (k == 1) {
            if (s.empty()) {
                masse[1] = masse[0];
                break;
            }
            if (s.front() != ',') return Gitter::unbekannt;
            s.remove_prefix(1);
        }
        if (!liesZahl(s, masse[k])) return Gitter::unbekannt;
        if (!s.empty() && s.front() == '*') {
            verschoben = true;
            s.remove_prefix(1);
        }
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            Zahl verschiebung;
            if (!liesGanzeZahl(s, verschiebung)) return Gitter::unbekannt;
            verschoben = verschoben || verschiebung.wert != 0;
        }
    }
    if (!s.empty()) return Gitter::unbekannt;
    const std::int64_t n = masse[0].wert;
    const bool zuGross = masse[0].zuGross || masse[1].zuGross;
    constexpr K kArten[] = {K::keine, K::keine, K::kleinscheFlasche, K::kreuzhaube, K::kugel};
    if (artIndex >= 2)
        grund.klausel = kArten[artIndex];
    else if (verschoben)
        grund.klausel = K::verschoben;
    else if (n == 0 || masse[1].wert == 0)
        grund.klausel = K::unbegrenzt;
    else if (!zuGross && n != masse[1].wert)
        grund = {.klausel = K::rechteck, .zahl1 = n, .zahl2 = masse[1].wert};
    else if (zuGross || n > kMaxFeld)
        grund = {.klausel = K::groesser, .zahl3 = kMaxFeld};
    else if (n % 2 != 0)
        grund.klausel = K::ungerade;
    if (grund.klausel != K::keine) return Gitter::fremd;
    m.rand = art == 't' ? engine::Rand::Torus : engine::Rand::Quadrat;
    m.feldGroesse = static_cast<int>(n);
    return Gitter::ja;
}

// Refuses binary input: control characters other than white space do not occur in pattern text.
bool istText(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f' && c != '\v') return false;
        if (u == 0x7F) return false;
    }
    return true;
}

// ---- RLE ----

constexpr Zellzeichen kRleZeichen{"b.", "oA", "", ""};

// "#CXRLE Pos=x,y" and the comment that carries "Spiegel"; other # lines are comments.
void liesRleKommentar(std::string_view z, Muster& m) {
    if (beginntMit(z, "#CXRLE")) {
        const auto pos = z.find("Pos=");
        if (pos == std::string_view::npos) return;
        std::string_view s = z.substr(pos + 4);
        Zahl x, y;
        if (!liesGanzeZahl(s, x) || s.empty() || s.front() != ',') return;
        s.remove_prefix(1);
        if (!liesGanzeZahl(s, y) || x.zuGross || y.zuGross) return;
        m.position = std::array<std::int64_t, 2>{x.wert, y.wert};
    } else if (beginntMit(z, kSpiegelKommentar)) {
        std::string_view s = z.substr(kSpiegelKommentar.size());
        Zahl n;
        if (liesZahl(s, n) && !n.zuGross && n.wert >= 2 && n.wert <= kMaxFeld && n.wert % 2 == 0) {
            m.rand = engine::Rand::Spiegel;
            m.feldGroesse = static_cast<int>(n.wert);
        }
    }
}

// "x = m, y = n" and an optional "rule = ..." to the end of the line.
bool liesRleKopf(std::string_view z, int nummer, Muster& m, std::int64_t masse[2], Ablehnung& fehler) {
    auto falsch = [&] {
        fehler = {.art = A::kopfzeile, .zeile = nummer};
        return false;
    };
    // Takes "name =" with blanks anywhere.
    auto schluessel = [](std::string_view& s, std::string_view name) {
        s = ohneBlanks(s);
        if (!beginntMit(s, name, true)) return false;
        s = ohneBlanks(s.substr(name.size()));
        if (s.empty() || s.front() != '=') return false;
        s = ohneBlanks(s.substr(1));
        return true;
    };
    std::string_view s = z;
    for (int k = 0; k < 2; ++k) {
        Zahl wert;
        if (!schluessel(s, k == 0 ? "x" : "y") || !liesZahl(s, wert)) return falsch();
        if (wert.zuGross) {
            fehler = {.art = A::groesseUnsinnig, .zeile = nummer};
            return false;
        }
        masse[k] = wert.wert;
        s = ohneBlanks(s);
        if (s.empty() && k == 1) return true;
        if (s.empty() || s.front() != ',') return falsch();
        s.remove_prefix(1);
    }
    if (!schluessel(s, "rule")) return falsch();
    return liesRegelUndGitter(s, m, nummer, false, fehler);
}

// What one pass over RLE-like cell data found.
struct Zellmass {
    std::int64_t breite = 0;
    std::int64_t hoehe = 0;
    bool daten = false;  // any cell data at all, "!" included
};

// One pass over RLE-like cell data from line `ab` on: the extent of the living cells and, with
// `ziel`, the cells themselves (the caller made sure they fit). False with the reason on bad data.
bool rleDaten(std::string_view text, int ab, const Zellzeichen& zeichen, Zellmass& mass, Muster* ziel,
              Ablehnung& fehler) {
    Zeilen zeilen(text);
    std::string_view z;
    for (int k = 0; k < ab && zeilen.naechste(z);) ++k;
    std::int64_t x = 0, y = 0;
    // The digits of a run count read so far, maybe over several lines, without leading zeros.
    char ziffern[kLaufZiffern];
    std::size_t anzahlZiffern = 0;
    bool ziffernDa = false;
    bool zeileMitZelle = false;
    mass = {};
    while (zeilen.naechste(z)) {
        if (!zeichen.zeilenAnfang.empty()) {
            if (!beginntMit(z, zeichen.zeilenAnfang)) continue;
            z.remove_prefix(zeichen.zeilenAnfang.size());
        } else if (!z.empty() && z.front() == '#' && !ziffernDa) {
            continue;
        }
        for (const char c : z) {
            if (leer(c)) continue;
            if (ziffer(c)) {
                mass.daten = ziffernDa = true;
                if ((c != '0' || anzahlZiffern > 0) && anzahlZiffern < kLaufZiffern) ziffern[anzahlZiffern++] = c;
                continue;
            }
            std::int64_t lauf = 1;
            if (ziffernDa) {
                Zahl gelesen;
                std::string_view s(ziffern, anzahlZiffern);
                if (!liesZahl(s, gelesen)) gelesen = {};
                if (gelesen.wert == 0 && !gelesen.zuGross) {
                    fehler = {.art = A::wiederholungNull, .zeile = zeilen.nummer()};
                    return false;
                }
                if (gelesen.zuGross || gelesen.wert > kMaxLauf) {
                    fehler = {.art = A::wiederholungZuGross, .zeile = zeilen.nummer(),
                              .zahl1 = gelesen.zuGross ? -1 : gelesen.wert};
                    return false;
                }
                lauf = gelesen.wert;
                anzahlZiffern = 0;
                ziffernDa = false;
            }
            const bool endeErlaubt = zeichen.zeilenAnfang.empty();
            if (zeichen.tot.find(c) != std::string_view::npos) {
                x += lauf;
            } else if (zeichen.lebend.find(c) != std::string_view::npos) {
                if (ziel)
                    for (std::int64_t k = 0; k < lauf; ++k) ziel->lebt[x + k][y] = true;
                x += lauf;
                mass.breite = std::max(mass.breite, x);
                zeileMitZelle = true;
            } else if (c == '$') {
                if (zeileMitZelle) mass.hoehe = y + 1;
                zeileMitZelle = false;
                y += lauf;
                x = 0;
            } else if (c == '!' && endeErlaubt) {
                mass.daten = true;
                if (zeileMitZelle) mass.hoehe = y + 1;
                return true;
            } else if (zeichen.weitereZustaende.find(c) != std::string_view::npos) {
                fehler = {.art = A::weitererZustand, .zeile = zeilen.nummer(), .zahl1 = byte(c)};
                return false;
            } else {
                fehler = unerwartet(zeilen.nummer(), c);
                return false;
            }
            mass.daten = true;
        }
    }
    if (zeileMitZelle) mass.hoehe = y + 1;
    return true;
}

bool rleZeichen(char c) {
    return ziffer(c) || c == 'b' || c == 'o' || c == '$' || c == '!' || c == '.' || c == 'A' || leer(c);
}

// ---- Format detection ----

enum class Format { rle, plaintext, life106, life105, mcell, makrozellen, unbekannt, leer };

Format erkenne(std::string_view text) {
    Zeilen zeilen(text);
    std::string_view z;
    while (zeilen.naechste(z)) {
        z = ohneBlanks(z);
        if (z.empty()) continue;
        if (beginntMit(z, "#Life 1.06", true)) return Format::life106;
        if (beginntMit(z, "#Life 1.05", true)) return Format::life105;
        if (beginntMit(z, "#MCell", true)) return Format::mcell;
        if (beginntMit(z, "[M2]")) return Format::makrozellen;
        if (z.front() == '#') return Format::rle;
        if (z.front() == '!') return Format::plaintext;
        if (klein(z.front()) == 'x' && ohneBlanks(z.substr(1)).starts_with('=')) return Format::rle;
        if (std::all_of(z.begin(), z.end(), [](char c) { return c == '.' || c == 'O' || c == '*'; }))
            return Format::plaintext;
        if (std::all_of(z.begin(), z.end(), rleZeichen)) return Format::rle;
        return Format::unbekannt;
    }
    return Format::leer;
}

MusterGelesen liesText(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    switch (erkenne(text)) {
        case Format::rle: return liesRle(text);
        case Format::plaintext: return liesPlaintext(text);
        case Format::life106: return liesLife106(text);
        case Format::mcell: return liesMCell(text);
        case Format::makrozellen: return liesMakrozellen(text);
        case Format::life105: return liesLife105(text);
        case Format::leer: return abgelehnt(A::keinMuster);
        case Format::unbekannt: break;
    }
    return abgelehnt(A::keinFormat);
}

}  // namespace

// ---- Pieces shared with the other readers ----

MusterGelesen pruefeText(std::string_view& text) {
    if (text.size() > kMaxMusterText) return abgelehnt(A::zuLang, 0, static_cast<long long>(text.size() >> 20));
    if (!istText(text)) return abgelehnt(A::binaer);
    if (beginntMit(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    return {};
}

bool liesPaar(std::string_view& s, Zahl p[2], int nummer, Ablehnung& fehler) {
    for (int k = 0; k < 2; ++k) {
        if (!liesGanzeZahl(s, p[k]) || (k == 0 && (s.empty() || !leer(s.front())))) {
            fehler = {.art = A::keinPaar, .zeile = nummer};
            return false;
        }
        if (p[k].zuGross) {
            fehler = {.art = A::koordinateUnsinnig, .zeile = nummer};
            return false;
        }
        s = ohneBlanks(s);
    }
    return true;
}

Ablehnung unerwartet(int nummer, char c) { return {.art = A::unerwartet, .zeile = nummer, .zahl1 = byte(c)}; }

Ablehnung zuGross(std::int64_t breite, std::int64_t hoehe) {
    return {.art = A::zuGross, .zahl1 = breite, .zahl2 = hoehe, .zahl3 = kMaxFeld};
}

bool liesRegelUndGitter(std::string_view text, Angaben& m, int nummer, bool nurZweiZustaende, Ablehnung& fehler) {
    text = ohneBlanks(text);
    const auto doppelpunkt = text.find(':');
    const std::string_view regel = ohneBlanks(text.substr(0, doppelpunkt));
    if (!regel.empty()) {
        RegelGelesen r = liesRegel(regel);
        if (r.art == RegelArt::unbekannt) {
            fehler = {.art = A::regelUnbekannt, .zeile = nummer, .name = std::string(regel)};
            return false;
        }
        if (r.art == RegelArt::mehrZustaende && nurZweiZustaende) {
            fehler = std::move(r.fehler);
            return false;
        }
        if (r.regel) m.regel = r.regel;
        else m.fremdeRegel = std::move(r.fehler);
    }
    if (doppelpunkt != std::string_view::npos) {
        const std::string_view gitter = ohneBlanks(text.substr(doppelpunkt + 1));
        Ablehnung grund;
        const Gitter g = liesGitter(gitter, m, grund);
        grund.name = std::string(":").append(gitter);
        if (g == Gitter::unbekannt) {
            fehler = {.art = A::randUnbekannt, .zeile = nummer, .name = std::move(grund.name)};
            return false;
        }
        if (g == Gitter::fremd) {
            grund.art = A::randNichtHier;
            m.fremderRand = std::move(grund);
        }
    }
    return true;
}

std::optional<Angaben> liesRegelEingabe(std::string_view text, Ablehnung& fehler) {
    Angaben a;
    if (!liesRegelUndGitter(text, a, 0, true, fehler)) return std::nullopt;
    fehler = a.fremdeRegel ? a.fremdeRegel : a.fremderRand;
    if (!a.regel && !fehler) fehler = liesRegel("").fehler;
    if (fehler) return std::nullopt;
    return a;
}

void liesBrett(std::string_view brett, bool umbruch, Angaben& m) {
    std::string_view s = brett;
    Zahl masse[2];
    const bool gelesen = liesZahl(s, masse[0]) && !s.empty() && klein(s.front()) == 'x' &&
                         (s.remove_prefix(1), liesZahl(s, masse[1])) && s.empty();
    Ablehnung grund{.klausel = K::keineAngabe};
    if (gelesen && (masse[0].zuGross || masse[1].zuGross)) {
        grund = {.klausel = K::groesser, .zahl3 = kMaxFeld};
    } else if (gelesen) {
        grund = {};
        // Appended piece by piece: g++ 12 at -O3 warns falsely about string + string.
        std::string gitter(1, umbruch ? 'T' : 'P');
        gitter += engine::ziffernText(masse[0].wert);
        gitter += ',';
        gitter += engine::ziffernText(masse[1].wert);
        if (liesGitter(gitter, m, grund) == Gitter::ja) return;
    }
    grund.art = umbruch ? A::brettMitUmbruch : A::brettOhneUmbruch;
    grund.name = brett;
    m.fremderRand = std::move(grund);
}

MusterGelesen mitRleDaten(std::unique_ptr<Muster> m, std::string_view text, int ab, const Zellzeichen& zeichen,
                          std::int64_t breite, std::int64_t hoehe) {
    Zellmass mass;
    Ablehnung fehler;
    if (!rleDaten(text, ab, zeichen, mass, nullptr, fehler)) return abgelehnt(fehler);
    if (!mass.daten) return abgelehnt(A::keineZellen);
    // A header's box holds the cells; a sloppy writer's cells beyond it widen the box.
    return fuelle(std::move(m), std::max(mass.breite, breite), std::max(mass.hoehe, hoehe),
                  [&](Muster* ziel) { rleDaten(text, ab, zeichen, mass, ziel, fehler); });
}

// ---- Readers ----

MusterGelesen liesRle(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    auto m = std::make_unique<Muster>();
    Ablehnung fehler;
    Zeilen zeilen(text);
    std::string_view z;
    std::int64_t masse[2] = {0, 0};
    int datenAb = 0;  // lines before the cell data
    while (zeilen.naechste(z)) {
        const std::string_view s = ohneBlanks(z);
        if (s.empty() || s.front() == '#') {
            if (!s.empty()) liesRleKommentar(s, *m);
            datenAb = zeilen.nummer();
            continue;
        }
        if (klein(s.front()) == 'x') {
            if (!liesRleKopf(s, zeilen.nummer(), *m, masse, fehler)) return abgelehnt(fehler);
            datenAb = zeilen.nummer();
        }
        break;
    }
    return mitRleDaten(std::move(m), text, datenAb, kRleZeichen, masse[0], masse[1]);
}

MusterGelesen liesPlaintext(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    bool daten = false;
    auto durchlauf = [&](Muster* ziel, std::int64_t& breite, std::int64_t& hoehe, Ablehnung& fehler) {
        Zeilen zeilen(text);
        std::string_view z;
        std::int64_t y = 0;
        breite = hoehe = 0;
        while (zeilen.naechste(z)) {
            if (!z.empty() && z.front() == '!') continue;
            while (!z.empty() && leer(z.back())) z.remove_suffix(1);
            for (std::size_t x = 0; x < z.size(); ++x) {
                const char c = z[x];
                if (c == 'O' || c == '*') {
                    if (ziel) ziel->lebt[x][y] = true;
                } else if (c != '.') {
                    fehler = unerwartet(zeilen.nummer(), c);
                    return false;
                }
            }
            daten = daten || !z.empty();
            breite = std::max(breite, static_cast<std::int64_t>(z.size()));
            ++y;
            if (!z.empty()) hoehe = y;
        }
        return true;
    };
    std::int64_t breite = 0, hoehe = 0;
    Ablehnung fehler;
    if (!durchlauf(nullptr, breite, hoehe, fehler)) return abgelehnt(fehler);
    if (!daten) return abgelehnt(A::keineZellen);
    return fuelle(std::make_unique<Muster>(), breite, hoehe,
                  [&](Muster* ziel) { durchlauf(ziel, breite, hoehe, fehler); });
}

MusterGelesen liesLife106(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); f.fehler) return f;
    std::int64_t min[2] = {0, 0}, max[2] = {-1, -1};
    bool erste = true;
    auto durchlauf = [&](Muster* ziel, Ablehnung& fehler) {
        Zeilen zeilen(text);
        std::string_view z;
        while (zeilen.naechste(z)) {
            std::string_view s = ohneBlanks(z);
            if (s.empty() || s.front() == '#') continue;
            Zahl p[2];
            if (!liesPaar(s, p, zeilen.nummer(), fehler)) return false;
            if (!s.empty()) {
                fehler = {.art = A::mehrerePaare, .zeile = zeilen.nummer()};
                return false;
            }
            if (ziel) {
                ziel->lebt[p[0].wert - min[0]][p[1].wert - min[1]] = true;
                continue;
            }
            for (int k = 0; k < 2; ++k) {
                min[k] = erste ? p[k].wert : std::min(min[k], p[k].wert);
                max[k] = erste ? p[k].wert : std::max(max[k], p[k].wert);
            }
            erste = false;
        }
        return true;
    };
    Ablehnung fehler;
    if (!durchlauf(nullptr, fehler)) return abgelehnt(fehler);
    if (erste) return abgelehnt(A::keineZellen);
    auto m = std::make_unique<Muster>();
    m->position = std::array<std::int64_t, 2>{min[0], min[1]};
    return fuelle(std::move(m), max[0] - min[0] + 1, max[1] - min[1] + 1,
                  [&](Muster* ziel) { durchlauf(ziel, fehler); });
}

MusterGelesen liesMuster(std::string_view text) {
    if (text.size() > kMaxMusterText || !istGzip(text)) return liesText(text);
    Entpackt entpackt = entpackeGzip(text, kMaxMusterText);
    if (entpackt.fehler) return abgelehnt(std::move(entpackt.fehler));
    return liesText(entpackt.text);
}

// ---- Placing ----

int groesseFuer(const Muster& m, int n) {
    const int seite = std::max(m.breite, m.hoehe);
    return std::max(n, seite + seite % 2);
}

std::optional<Platz> platzFuer(const Muster& m, int n, Ablehnung& fehler) {
    if (m.breite > n || m.hoehe > n) {
        fehler = {.art = A::passtNicht, .zahl1 = m.breite, .zahl2 = m.hoehe, .zahl3 = n};
        return std::nullopt;
    }
    const int links = -n / 2;
    if (m.position) {
        const auto [i, j] = *m.position;
        if (i >= links && j >= links && i + m.breite <= n / 2 && j + m.hoehe <= n / 2)
            return Platz{static_cast<int>(i), static_cast<int>(j)};
    }
    return Platz{links + (n - m.breite) / 2, links + (n - m.hoehe) / 2};
}

void setzeEin(engine::Welt& welt, const Muster& m, Platz platz) {
    for (int x = 0; x < m.breite; ++x)
        for (int y = 0; y < m.hoehe; ++y)
            if (m.lebt[x][y]) welt.setzeZelle(engine::speicherIndex(platz.i + x), engine::speicherIndex(platz.j + y), 1);
}

}  // namespace storage
