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

using engine::ziffernText;

std::string groessenSatz(std::int64_t breite, std::int64_t hoehe) {
    return "Das Muster ist " + ziffernText(breite) + " × " + ziffernText(hoehe) + " Zellen groß";
}

std::string groessterFeldSatz() { return "das größte Feld hat " + ziffernText(kMaxFeld) + " × " + ziffernText(kMaxFeld) + " Zellen."; }

// A character as the user can read it in a message.
std::string zeichenText(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x21 && u < 0x7F) return std::string("„") + c + "“";
    return "mit dem Code " + ziffernText(u);
}

enum class Gitter { ja, fremd, unbekannt };

// A bounded grid "T30,30" or "P30,30" (after the colon); other topologies, shifts and twists are foreign.
Gitter liesGitter(std::string_view s, Muster& m) {
    if (s.empty()) return Gitter::unbekannt;
    const char art = klein(s.front());
    if (std::string_view("tpkcs").find(art) == std::string_view::npos) return Gitter::unbekannt;
    s.remove_prefix(1);
    bool fremd = art != 't' && art != 'p';
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
            fremd = true;
            s.remove_prefix(1);
        }
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            Zahl verschiebung;
            if (!liesGanzeZahl(s, verschiebung)) return Gitter::unbekannt;
            fremd = fremd || verschiebung.wert != 0;
        }
    }
    if (!s.empty()) return Gitter::unbekannt;
    const std::int64_t n = masse[0].wert;
    if (fremd || masse[0].zuGross || n != masse[1].wert || n < 2 || n > kMaxFeld || n % 2 != 0) return Gitter::fremd;
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
bool liesRleKopf(std::string_view z, int nummer, Muster& m, std::int64_t masse[2], std::string& fehler) {
    auto falsch = [&] {
        fehler = "Die Kopfzeile in " + zeile(nummer) +
                 " ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.";
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
            fehler = "Die Größe in " + zeile(nummer) + " ist unsinnig groß.";
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
// `ziel`, the cells themselves (the caller made sure they fit). False with a sentence on bad data.
bool rleDaten(std::string_view text, int ab, const Zellzeichen& zeichen, Zellmass& mass, Muster* ziel,
              std::string& fehler) {
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
                    fehler = zeile(zeilen.nummer()) + " enthält die Wiederholungszahl 0.";
                    return false;
                }
                if (gelesen.zuGross || gelesen.wert > kMaxLauf) {
                    fehler = "Die Wiederholungszahl " +
                             (gelesen.zuGross ? std::string("mit über 15 Ziffern") : ziffernText(gelesen.wert)) + " in " +
                             zeile(zeilen.nummer()) + " ist zu groß.";
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
                fehler = zeile(zeilen.nummer()) + " enthält mit " + zeichenText(c) +
                         " Zellen eines weiteren Zustands; hier gibt es nur zwei.";
                return false;
            } else {
                fehler = zeile(zeilen.nummer()) + " enthält das unerwartete Zeichen " + zeichenText(c) + ".";
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
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    switch (erkenne(text)) {
        case Format::rle: return liesRle(text);
        case Format::plaintext: return liesPlaintext(text);
        case Format::life106: return liesLife106(text);
        case Format::mcell: return liesMCell(text);
        case Format::makrozellen: return liesMakrozellen(text);
        case Format::life105:
            return abgelehnt("Das Format Life 1.05 wird nicht unterstützt; RLE, Plaintext, Life 1.06, MCell und "
                             "Makrozellen werden gelesen.");
        case Format::leer: return abgelehnt("Der Text enthält kein Muster.");
        case Format::unbekannt: break;
    }
    return abgelehnt(
        "Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.06, MCell, Makrozellen .mc).");
}

}  // namespace

// ---- Pieces shared with the other readers ----

MusterGelesen pruefeText(std::string_view& text) {
    if (text.size() > kMaxMusterText)
        return abgelehnt("Der Text ist mit " + ziffernText(static_cast<std::int64_t>(text.size() >> 20)) +
                         " MB zu lang für ein Muster.");
    if (!istText(text)) return abgelehnt("Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei.");
    if (beginntMit(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    return {};
}


std::string zuGrossSatz(std::int64_t breite, std::int64_t hoehe) {
    return groessenSatz(breite, hoehe) + "; " + groessterFeldSatz();
}

bool liesRegelUndGitter(std::string_view text, Muster& m, int nummer, bool nurZweiZustaende, std::string& fehler) {
    text = ohneBlanks(text);
    const auto doppelpunkt = text.find(':');
    const std::string_view regel = ohneBlanks(text.substr(0, doppelpunkt));
    if (!regel.empty()) {
        RegelGelesen r = liesRegel(regel);
        if (r.art == RegelArt::unbekannt) {
            fehler = "Die Regel „" + std::string(regel) + "“ in " + zeile(nummer) + " ist unbekannt.";
            return false;
        }
        if (r.art == RegelArt::mehrZustaende && nurZweiZustaende) {
            fehler = std::move(r.fehler);
            return false;
        }
        if (r.regel) m.regel = r.regel;
        else m.fremdeRegel = regel;
    }
    if (doppelpunkt != std::string_view::npos) {
        const std::string_view gitter = ohneBlanks(text.substr(doppelpunkt + 1));
        const Gitter g = liesGitter(gitter, m);
        if (g == Gitter::unbekannt) {
            fehler = "Der Rand „:" + std::string(gitter) + "“ in " + zeile(nummer) + " ist unbekannt.";
            return false;
        }
        if (g == Gitter::fremd) m.fremderRand = std::string(":").append(gitter);
    }
    return true;
}

MusterGelesen mitRleDaten(std::unique_ptr<Muster> m, std::string_view text, int ab, const Zellzeichen& zeichen,
                          std::int64_t breite, std::int64_t hoehe) {
    Zellmass mass;
    std::string fehler;
    if (!rleDaten(text, ab, zeichen, mass, nullptr, fehler)) return abgelehnt(fehler);
    if (!mass.daten) return abgelehnt(kKeineZellen);
    // A header's box holds the cells; a sloppy writer's cells beyond it widen the box.
    return fuelle(std::move(m), std::max(mass.breite, breite), std::max(mass.hoehe, hoehe),
                  [&](Muster* ziel) { rleDaten(text, ab, zeichen, mass, ziel, fehler); });
}

// ---- Readers ----

MusterGelesen liesRle(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    auto m = std::make_unique<Muster>();
    std::string fehler;
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
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    bool daten = false;
    auto durchlauf = [&](Muster* ziel, std::int64_t& breite, std::int64_t& hoehe, std::string& fehler) {
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
                    fehler = zeile(zeilen.nummer()) + " enthält das unerwartete Zeichen " + zeichenText(c) + ".";
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
    std::string fehler;
    if (!durchlauf(nullptr, breite, hoehe, fehler)) return abgelehnt(fehler);
    if (!daten) return abgelehnt(kKeineZellen);
    return fuelle(std::make_unique<Muster>(), breite, hoehe,
                  [&](Muster* ziel) { durchlauf(ziel, breite, hoehe, fehler); });
}

MusterGelesen liesLife106(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    std::int64_t min[2] = {0, 0}, max[2] = {-1, -1};
    bool erste = true;
    auto durchlauf = [&](Muster* ziel, std::string& fehler) {
        Zeilen zeilen(text);
        std::string_view z;
        while (zeilen.naechste(z)) {
            std::string_view s = ohneBlanks(z);
            if (s.empty() || s.front() == '#') continue;
            Zahl p[2];
            for (int k = 0; k < 2; ++k) {
                if (!liesGanzeZahl(s, p[k]) || (k == 0 && (s.empty() || !leer(s.front())))) {
                    fehler = zeile(zeilen.nummer()) + " enthält kein Koordinatenpaar „x y“.";
                    return false;
                }
                if (p[k].zuGross) {
                    fehler = "Die Koordinate in " + zeile(zeilen.nummer()) + " ist unsinnig groß.";
                    return false;
                }
                s = ohneBlanks(s);
            }
            if (!s.empty()) {
                fehler = zeile(zeilen.nummer()) + " enthält mehr als ein Koordinatenpaar „x y“.";
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
    std::string fehler;
    if (!durchlauf(nullptr, fehler)) return abgelehnt(fehler);
    if (erste) return abgelehnt(kKeineZellen);
    auto m = std::make_unique<Muster>();
    m->position = std::array<std::int64_t, 2>{min[0], min[1]};
    return fuelle(std::move(m), max[0] - min[0] + 1, max[1] - min[1] + 1,
                  [&](Muster* ziel) { durchlauf(ziel, fehler); });
}

MusterGelesen liesMuster(std::string_view text) {
    if (text.size() > kMaxMusterText || !istGzip(text)) return liesText(text);
    Entpackt entpackt = entpackeGzip(text, kMaxMusterText);
    if (!entpackt.fehler.empty()) return abgelehnt(std::move(entpackt.fehler));
    return liesText(entpackt.text);
}

// ---- Placing ----

std::string hinweisNichtUebernommen(const Muster& m) {
    const std::string regel = "die Regel „" + m.fremdeRegel + "“";
    const std::string rand = "der Rand „" + m.fremderRand + "“";
    if (!m.fremdeRegel.empty() && !m.fremderRand.empty())
        return "Nicht übernommen wurden " + regel + " und " + rand +
               ", die sich hier nicht einstellen lassen; Regel, Randoption und Feldgröße bleiben, wie sie waren.";
    if (!m.fremdeRegel.empty())
        return "Nicht übernommen wurde " + regel + ", die sich hier nicht einstellen lässt; die eingestellte Regel gilt weiter.";
    if (!m.fremderRand.empty())
        return "Nicht übernommen wurde " + rand +
               ", der sich hier nicht einstellen lässt; Randoption und Feldgröße bleiben, wie sie waren.";
    return {};
}

std::optional<Platz> platzFuer(const Muster& m, int n, std::string& fehler) {
    if (m.breite > n || m.hoehe > n) {
        fehler = groessenSatz(m.breite, m.hoehe) + " und passt nicht in das Feld von " + ziffernText(n) + " × " + ziffernText(n) +
                 " Zellen; " + groessterFeldSatz();
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
