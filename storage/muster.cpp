#include "storage/muster.h"

#include <algorithm>

#include "engine/zahltext.h"

namespace storage {

namespace {

using engine::kMaxFeld;

// Counts and coordinates above this are refused; far beyond any field, far below overflow.
constexpr std::int64_t kGrosseZahl = 1'000'000'000'000'000;  // 10^15
// A run count above this cannot be meant.
constexpr std::int64_t kMaxLauf = 1'000'000'000;

constexpr std::uint8_t kVonNeumann = 0x55;  // W, N, E, S
constexpr const char* kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// The written comment that carries "Spiegel", which has no notation elsewhere.
constexpr std::string_view kSpiegelKommentar = "#C MorLix: Rand Spiegel, Feld ";

std::string zahl(std::int64_t wert) { return engine::ziffernText(wert); }

std::string groessenSatz(std::int64_t breite, std::int64_t hoehe) {
    return "Das Muster ist " + zahl(breite) + " × " + zahl(hoehe) + " Zellen groß";
}

std::string groessterFeldSatz() {
    return "das größte Feld hat " + zahl(kMaxFeld) + " × " + zahl(kMaxFeld) + " Zellen.";
}

MusterGelesen abgelehnt(std::string grund) { return {nullptr, std::move(grund)}; }

bool leer(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }
bool ziffer(char c) { return c >= '0' && c <= '9'; }
char klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view ohneBlanks(std::string_view s) {
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return s;
}

bool beginntMit(std::string_view s, std::string_view anfang, bool ohneFall = false) {
    if (s.size() < anfang.size()) return false;
    for (std::size_t k = 0; k < anfang.size(); ++k)
        if (ohneFall ? klein(s[k]) != klein(anfang[k]) : s[k] != anfang[k]) return false;
    return true;
}

// A character as the user can read it in a message.
std::string zeichenText(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x21 && u < 0x7F) return std::string("„") + c + "“";
    return "mit dem Code " + zahl(u);
}

std::string zeile(int nummer) { return "Zeile " + zahl(nummer); }

// Lines of a text ending in LF, CR LF or a bare CR.
class Zeilen {
public:
    explicit Zeilen(std::string_view text) : text_(text) {}
    bool naechste(std::string_view& z) {
        if (pos_ >= text_.size()) return false;
        std::size_t ende = pos_;
        while (ende < text_.size() && text_[ende] != '\n' && text_[ende] != '\r') ++ende;
        z = text_.substr(pos_, ende - pos_);
        pos_ = ende;
        if (pos_ < text_.size() && text_[pos_++] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++nummer_;
        return true;
    }
    int nummer() const { return nummer_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int nummer_ = 0;
};

// Leading decimal digits of s (at least one); false when there are none or they exceed kGrosseZahl.
struct Zahl {
    std::int64_t wert = 0;
    bool zuGross = false;
};
bool liesZahl(std::string_view& s, Zahl& z) {
    if (s.empty() || !ziffer(s.front())) return false;
    z = {};
    while (!s.empty() && ziffer(s.front())) {
        if (z.wert > kGrosseZahl / 10) z.zuGross = true;
        else z.wert = z.wert * 10 + (s.front() - '0');
        s.remove_prefix(1);
    }
    z.zuGross = z.zuGross || z.wert > kGrosseZahl;
    return true;
}

bool liesGanzeZahl(std::string_view& s, Zahl& z) {
    const bool negativ = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    if (!liesZahl(s, z)) return false;
    if (negativ) z.wert = -z.wert;
    return true;
}

// ---- Rules ----

// Bit p of the MAP index for the cell at (dx, dy) in reading order: NW is 256, the centre 16, SE 1.
constexpr int mapBit(int dx, int dy) { return 1 << (8 - ((dy + 1) * 3 + (dx + 1))); }

using Tabelle = std::array<bool, 512>;

// Living neighbours in the directions of `maske` of the neighbourhood with MAP index `index`.
int anzahlIn(int index, std::uint8_t maske) {
    int anzahl = 0;
    for (int b = 0; b < 8; ++b)
        if (((maske >> b) & 1) && (index & mapBit(engine::kNachbarn[b].dx, engine::kNachbarn[b].dy))) ++anzahl;
    return anzahl;
}

Tabelle tabelle(const engine::Regel& regel, std::uint8_t maske) {
    Tabelle t{};
    for (int index = 0; index < 512; ++index) {
        const int anzahl = anzahlIn(index, maske);
        t[index] = (index & mapBit(0, 0)) ? regel.ueberlebt(anzahl) : regel.geboren(anzahl);
    }
    return t;
}

// The rule with a mask that gives the table, preferring every direction; nothing when none does.
std::optional<MusterRegel> zerlege(const Tabelle& t) {
    for (int m = 255; m >= 0; --m) {
        const auto maske = static_cast<std::uint8_t>(m);
        MusterRegel r{{}, maske};
        int gesehen[2] = {0, 0};  // which counts were met, by centre state
        bool passt = true;
        for (int index = 0; index < 512 && passt; ++index) {
            const int anzahl = anzahlIn(index, maske);
            const int mitte = (index & mapBit(0, 0)) ? 1 : 0;
            std::uint16_t& menge = mitte ? r.regel.ueberleben : r.regel.geburt;
            const bool bit = (menge >> anzahl) & 1;
            if (!((gesehen[mitte] >> anzahl) & 1)) {
                gesehen[mitte] |= 1 << anzahl;
                if (t[index]) menge |= static_cast<std::uint16_t>(1u << anzahl);
            } else if (bit != t[index]) {
                passt = false;
            }
        }
        if (passt) return r;
    }
    return std::nullopt;
}

enum class Erkannt { ja, fremd, unbekannt };

// A MAP rule: 86 base64 characters for the 3 x 3 neighbourhood; other neighbourhoods are foreign.
Erkannt liesMap(std::string_view s, std::optional<MusterRegel>& regel) {
    s.remove_prefix(3);
    // Base64 holds '/' too: a stroke and digits at the end mean Generations only when the part
    // before them has a table's length and the whole has not.
    auto tafelLaenge = [](std::string_view b) {
        while (!b.empty() && b.back() == '=') b.remove_suffix(1);
        return b.size() == 86 || b.size() == 22 || b.size() == 6;
    };
    bool generationen = false;
    if (const auto strich = s.rfind('/'); strich != std::string_view::npos && !tafelLaenge(s) &&
                                          tafelLaenge(s.substr(0, strich))) {
        std::string_view rest = s.substr(strich + 1);
        Zahl z;
        if (!liesZahl(rest, z) || !rest.empty()) return Erkannt::unbekannt;
        generationen = z.wert != 2;
        s = s.substr(0, strich);
    }
    while (!s.empty() && s.back() == '=') s.remove_suffix(1);
    std::string_view alphabet(kBase64);
    for (char c : s)
        if (alphabet.find(c) == std::string_view::npos) return Erkannt::unbekannt;
    if (s.size() == 22 || s.size() == 6) return Erkannt::fremd;  // hexagonal, von Neumann
    if (s.size() != 86) return Erkannt::unbekannt;
    if (generationen) return Erkannt::fremd;
    Tabelle t{};
    for (int bit = 0; bit < 512; ++bit) {
        const auto wert = static_cast<int>(alphabet.find(s[bit / 6]));
        t[bit] = (wert >> (5 - bit % 6)) & 1;
    }
    regel = zerlege(t);
    return regel ? Erkannt::ja : Erkannt::fremd;
}

// Counts 0..8 after a B or S; letters of the non-totalistic notation make the rule foreign.
void liesZaehlungen(std::string_view& s, std::uint16_t& menge, bool& nichtTotalistisch) {
    constexpr std::string_view kBuchstaben = "cekainyqjrtwz-";
    while (!s.empty()) {
        const char c = s.front();
        if (c >= '0' && c <= '8') {
            menge |= static_cast<std::uint16_t>(1u << (c - '0'));
        } else if (kBuchstaben.find(c) != std::string_view::npos) {
            nichtTotalistisch = true;
        } else {
            break;
        }
        s.remove_prefix(1);
    }
}

// "B3/S23", "S23/B3" in any case and with or without the stroke, or the older "23/3" (survival
// first); optional "V" (von Neumann) or "H" (hexagonal); a third part makes it a Generations rule.
Erkannt liesBs(std::string_view s, std::optional<MusterRegel>& regel) {
    MusterRegel r;
    bool fremd = false;
    const char erstes = klein(s.empty() ? '\0' : s.front());
    if (erstes == 'b' || erstes == 's') {
        bool gesehen[2] = {false, false};
        for (int teil = 0; teil < 2; ++teil) {
            if (teil == 1 && !s.empty() && s.front() == '/') s.remove_prefix(1);
            if (s.empty()) return Erkannt::unbekannt;
            const char art = klein(s.front());
            const int k = art == 'b' ? 0 : art == 's' ? 1 : -1;
            if (k < 0 || gesehen[k]) return Erkannt::unbekannt;
            gesehen[k] = true;
            s.remove_prefix(1);
            liesZaehlungen(s, k == 0 ? r.regel.geburt : r.regel.ueberleben, fremd);
        }
    } else {
        liesZaehlungen(s, r.regel.ueberleben, fremd);
        if (s.empty() || s.front() != '/') return Erkannt::unbekannt;
        s.remove_prefix(1);
        liesZaehlungen(s, r.regel.geburt, fremd);
    }
    if (!s.empty() && s.front() == '/') {  // Generations: "/3", "/C3", "/G3"
        s.remove_prefix(1);
        if (!s.empty() && (klein(s.front()) == 'c' || klein(s.front()) == 'g')) s.remove_prefix(1);
        Zahl z;
        if (!liesZahl(s, z)) return Erkannt::unbekannt;
        fremd = fremd || z.wert != 2;
    }
    if (!s.empty() && klein(s.front()) == 'v') {
        r.maske = kVonNeumann;
        s.remove_prefix(1);
    } else if (!s.empty() && klein(s.front()) == 'h') {
        fremd = true;
        s.remove_prefix(1);
    }
    if (!s.empty()) return Erkannt::unbekannt;
    if (fremd) return Erkannt::fremd;
    regel = r;
    return Erkannt::ja;
}

Erkannt liesRegel(std::string_view s, std::optional<MusterRegel>& regel) {
    if (s.size() == 4 && beginntMit(s, "life", true)) {
        regel = MusterRegel{engine::Regel::standard(), 255};
        return Erkannt::ja;
    }
    if (beginntMit(s, "MAP")) return liesMap(s, regel);
    return liesBs(s, regel);
}

// A bounded grid "T30,30" or "P30,30" (after the colon); other topologies, shifts and twists are foreign.
Erkannt liesGitter(std::string_view s, Muster& m) {
    if (s.empty()) return Erkannt::unbekannt;
    const char art = static_cast<char>(klein(s.front()) - 'a' + 'A');
    if (std::string_view("TPKCS").find(art) == std::string_view::npos) return Erkannt::unbekannt;
    s.remove_prefix(1);
    bool fremd = art != 'T' && art != 'P';
    Zahl masse[2];
    for (int k = 0; k < 2; ++k) {
        if (k == 1) {
            if (s.empty()) {
                masse[1] = masse[0];
                break;
            }
            if (s.front() != ',') return Erkannt::unbekannt;
            s.remove_prefix(1);
        }
        if (!liesZahl(s, masse[k])) return Erkannt::unbekannt;
        if (!s.empty() && s.front() == '*') {
            fremd = true;
            s.remove_prefix(1);
        }
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            Zahl verschiebung;
            if (!liesGanzeZahl(s, verschiebung)) return Erkannt::unbekannt;
            fremd = fremd || verschiebung.wert != 0;
        }
    }
    if (!s.empty()) return Erkannt::unbekannt;
    const std::int64_t n = masse[0].wert;
    if (fremd || masse[0].zuGross || n != masse[1].wert || n < 2 || n > kMaxFeld || n % 2 != 0) return Erkannt::fremd;
    m.rand = art == 'T' ? engine::Rand::Torus : engine::Rand::Quadrat;
    m.feldGroesse = static_cast<int>(n);
    return Erkannt::ja;
}

// Takes over rule and bounded grid of an RLE header's rule text; false with a reason when it is unknown.
bool liesRegelUndGitter(std::string_view text, Muster& m, int nummer, std::string& fehler) {
    text = ohneBlanks(text);
    const auto doppelpunkt = text.find(':');
    const std::string_view regel = ohneBlanks(text.substr(0, doppelpunkt));
    if (!regel.empty()) {
        const Erkannt e = liesRegel(regel, m.regel);
        if (e == Erkannt::unbekannt) {
            fehler = "Die Regel „" + std::string(regel) + "“ in " + zeile(nummer) + " ist unbekannt.";
            return false;
        }
        if (e == Erkannt::fremd) m.fremdeRegel = regel;
    }
    if (doppelpunkt != std::string_view::npos) {
        const std::string_view gitter = ohneBlanks(text.substr(doppelpunkt + 1));
        const Erkannt e = liesGitter(gitter, m);
        if (e == Erkannt::unbekannt) {
            fehler = "Der Rand „:" + std::string(gitter) + "“ in " + zeile(nummer) + " ist unbekannt.";
            return false;
        }
        if (e == Erkannt::fremd) m.fremderRand = ":" + std::string(gitter);
    }
    return true;
}

// ---- Shared frame of the readers ----

// Refuses binary input: control characters other than white space do not occur in pattern text.
bool istText(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f' && c != '\v') return false;
        if (u == 0x7F) return false;
    }
    return true;
}

std::string_view ohneBom(std::string_view text) {
    if (beginntMit(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

// Checks the size found by a first pass, then lets the second pass fill the pattern.
template <typename Durchlauf>
MusterGelesen fuelle(std::unique_ptr<Muster> m, std::int64_t breite, std::int64_t hoehe, Durchlauf&& durchlauf) {
    if (breite > kMaxFeld || hoehe > kMaxFeld)
        return abgelehnt(groessenSatz(breite, hoehe) + "; " + groessterFeldSatz());
    m->breite = static_cast<int>(breite);
    m->hoehe = static_cast<int>(hoehe);
    durchlauf(m.get());
    return {std::move(m), {}};
}

// ---- RLE ----

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
    return liesRegelUndGitter(s, m, nummer, fehler);
}

// One pass over the cell data from line `ab`: the extent of the living cells, and with `ziel`
// the cells themselves (the caller made sure they fit).
bool rleDaten(std::string_view text, int ab, std::int64_t& breite, std::int64_t& hoehe, Muster* ziel,
              std::string& fehler) {
    Zeilen zeilen(text);
    std::string_view z;
    for (int k = 0; k < ab && zeilen.naechste(z);) ++k;
    std::int64_t x = 0, y = 0;
    std::int64_t anzahl = 0;  // digits of a run count read so far, maybe over several lines
    bool ziffernDa = false;
    bool zeileMitZelle = false;
    breite = 0;
    hoehe = 0;
    while (zeilen.naechste(z)) {
        if (!z.empty() && z.front() == '#' && !ziffernDa) continue;
        while (!z.empty()) {
            const char c = z.front();
            z.remove_prefix(1);
            if (leer(c)) continue;
            if (ziffer(c)) {
                anzahl = anzahl > kGrosseZahl / 10 ? kGrosseZahl + 1 : anzahl * 10 + (c - '0');
                ziffernDa = true;
                continue;
            }
            if (ziffernDa && (anzahl == 0 || anzahl > kMaxLauf)) {
                fehler = anzahl == 0 ? zeile(zeilen.nummer()) + " enthält die Wiederholungszahl 0."
                                     : "Die Wiederholungszahl " +
                                           (anzahl > kGrosseZahl ? std::string("mit über 15 Ziffern") : zahl(anzahl)) +
                                           " in " + zeile(zeilen.nummer()) + " ist zu groß.";
                return false;
            }
            const std::int64_t lauf = ziffernDa ? anzahl : 1;
            anzahl = 0;
            ziffernDa = false;
            if (c == 'b' || c == '.') {
                x += lauf;
            } else if (c == 'o' || c == 'A') {
                if (ziel)
                    for (std::int64_t k = 0; k < lauf; ++k) ziel->lebt[x + k][y] = true;
                x += lauf;
                breite = std::max(breite, x);
                zeileMitZelle = true;
            } else if (c == '$') {
                if (zeileMitZelle) hoehe = y + 1;
                zeileMitZelle = false;
                y += lauf;
                x = 0;
            } else if (c == '!') {
                if (zeileMitZelle) hoehe = y + 1;
                return true;
            } else {
                fehler = zeile(zeilen.nummer()) + " enthält das unerwartete Zeichen " + zeichenText(c) + ".";
                return false;
            }
        }
    }
    if (zeileMitZelle) hoehe = y + 1;
    return true;
}

bool rleZeichen(char c) {
    return ziffer(c) || c == 'b' || c == 'o' || c == '$' || c == '!' || c == '.' || c == 'A' || leer(c);
}

// ---- Format detection ----

enum class Format { rle, plaintext, life106, life105, unbekannt, leer };

Format erkenne(std::string_view text) {
    Zeilen zeilen(text);
    std::string_view z;
    while (zeilen.naechste(z)) {
        z = ohneBlanks(z);
        if (z.empty()) continue;
        if (beginntMit(z, "#Life 1.06", true)) return Format::life106;
        if (beginntMit(z, "#Life 1.05", true)) return Format::life105;
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

MusterGelesen pruefeText(std::string_view& text) {
    if (text.size() > kMaxMusterText)
        return abgelehnt("Der Text ist mit " + zahl(static_cast<std::int64_t>(text.size() >> 20)) +
                         " MB zu lang für ein Muster.");
    if (!istText(text)) return abgelehnt("Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei.");
    text = ohneBom(text);
    return {};
}

void schreibeZeile(std::string& text, std::string_view zeile) {
    text += zeile;
    text += '\n';
}

}  // namespace

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
    std::int64_t breite = 0, hoehe = 0;
    if (!rleDaten(text, datenAb, breite, hoehe, nullptr, fehler)) return abgelehnt(fehler);
    // The header's box holds the cells; a sloppy writer's cells beyond it widen the box.
    breite = std::max(breite, masse[0]);
    hoehe = std::max(hoehe, masse[1]);
    return fuelle(std::move(m), breite, hoehe, [&](Muster* ziel) { rleDaten(text, datenAb, breite, hoehe, ziel, fehler); });
}

MusterGelesen liesPlaintext(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    auto durchlauf = [text](Muster* ziel, std::int64_t& breite, std::int64_t& hoehe, std::string& fehler) {
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
            breite = std::max(breite, static_cast<std::int64_t>(z.size()));
            ++y;
            if (!z.empty()) hoehe = y;
        }
        return true;
    };
    std::int64_t breite = 0, hoehe = 0;
    std::string fehler;
    if (!durchlauf(nullptr, breite, hoehe, fehler)) return abgelehnt(fehler);
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
    auto m = std::make_unique<Muster>();
    if (!erste) m->position = std::array<std::int64_t, 2>{min[0], min[1]};
    return fuelle(std::move(m), max[0] - min[0] + 1, max[1] - min[1] + 1,
                  [&](Muster* ziel) { durchlauf(ziel, fehler); });
}

MusterGelesen liesMuster(std::string_view text) {
    if (MusterGelesen f = pruefeText(text); !f.fehler.empty()) return f;
    switch (erkenne(text)) {
        case Format::rle: return liesRle(text);
        case Format::plaintext: return liesPlaintext(text);
        case Format::life106: return liesLife106(text);
        case Format::life105:
            return abgelehnt("Das Format Life 1.05 wird nicht unterstützt; RLE, Plaintext und Life 1.06 werden gelesen.");
        case Format::leer: return abgelehnt("Der Text enthält kein Muster.");
        case Format::unbekannt: break;
    }
    return abgelehnt("Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.06).");
}

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
        fehler = groessenSatz(m.breite, m.hoehe) + " und passt nicht in das Feld von " + zahl(n) + " × " + zahl(n) +
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
            if (m.lebt[x][y]) welt.zelle[engine::speicherIndex(platz.i + x)][engine::speicherIndex(platz.j + y)] = 1;
}

// ---- Writer ----

std::string mapText(const engine::Regel& regel, std::uint8_t maske) {
    const Tabelle t = tabelle(regel, maske);
    std::string text = "MAP";
    for (int bit = 0; bit < 512; bit += 6) {
        int wert = 0;
        for (int k = 0; k < 6; ++k) wert = wert << 1 | (bit + k < 512 && t[bit + k] ? 1 : 0);
        text += kBase64[wert];
    }
    return text;
}

std::string regelText(const engine::Regel& regel, std::uint8_t maske) {
    if (maske != 255) return mapText(regel, maske);
    std::string text = "B";
    for (int k = 0; k <= 8; ++k)
        if (regel.geboren(k)) text += static_cast<char>('0' + k);
    text += "/S";
    for (int k = 0; k <= 8; ++k)
        if (regel.ueberlebt(k)) text += static_cast<char>('0' + k);
    return text;
}

std::string rleText(const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand, std::string_view name) {
    const int n = welt.feldGroesse;
    const int h = n / 2;
    auto lebt = [&welt](int i, int j) {
        return welt.zelle[engine::speicherIndex(i)][engine::speicherIndex(j)] != 0;
    };
    int links = h, oben = h, rechts = -h - 1, unten = -h - 1;
    for (int i = -h; i < h; ++i)
        for (int j = -h; j < h; ++j)
            if (lebt(i, j)) {
                links = std::min(links, i);
                rechts = std::max(rechts, i);
                oben = std::min(oben, j);
                unten = std::max(unten, j);
            }
    const bool leerFeld = rechts < links;

    std::string text;
    std::string ohneUmbruch;
    for (char c : name) ohneUmbruch += (c == '\n' || c == '\r') ? ' ' : c;
    // At most 67 bytes of the name, cut between two UTF-8 characters.
    std::size_t laenge = std::min<std::size_t>(ohneUmbruch.size(), 67);
    while (laenge > 0 && laenge < ohneUmbruch.size() && (ohneUmbruch[laenge] & 0xC0) == 0x80) --laenge;
    if (laenge > 0) schreibeZeile(text, "#N " + ohneUmbruch.substr(0, laenge));
    schreibeZeile(text, "#C Aus MorLix 2.2, Feld " + zahl(n) + " x " + zahl(n) + ".");
    if (rand == engine::Rand::Spiegel) {
        schreibeZeile(text, std::string(kSpiegelKommentar) + zahl(n) + ".");
        schreibeZeile(text, "#C Dieser Rand ist anderswo unbekannt; hier ohne Rand geschrieben.");
    }
    if (!leerFeld) schreibeZeile(text, "#CXRLE Pos=" + zahl(links) + "," + zahl(oben));
    std::string kopf = "x = " + zahl(leerFeld ? 0 : rechts - links + 1) + ", y = " + zahl(leerFeld ? 0 : unten - oben + 1) +
                       ", rule = " + regelText(regel, welt.nachbarMaske);
    if (rand == engine::Rand::Torus) kopf += ":T" + zahl(n) + "," + zahl(n);
    if (rand == engine::Rand::Quadrat) kopf += ":P" + zahl(n) + "," + zahl(n);
    schreibeZeile(text, kopf);

    std::string zeile;
    auto gib = [&](int anzahl, char zeichen) {
        const std::string stueck = (anzahl > 1 ? zahl(anzahl) : std::string()) + zeichen;
        if (zeile.size() + stueck.size() > 70) {
            schreibeZeile(text, zeile);
            zeile.clear();
        }
        zeile += stueck;
    };
    int leereZeilen = 0;
    for (int j = oben; j <= unten && !leerFeld; ++j) {
        if (j > oben) ++leereZeilen;
        int i = links;
        while (i <= rechts) {
            const bool zustand = lebt(i, j);
            int lauf = 0;
            while (i <= rechts && lebt(i, j) == zustand) ++i, ++lauf;
            if (!zustand && i > rechts) break;  // dead cells at a row's end are left out
            if (leereZeilen > 0) gib(leereZeilen, '$');
            leereZeilen = 0;
            gib(lauf, zustand ? 'o' : 'b');
        }
    }
    gib(1, '!');
    schreibeZeile(text, zeile);
    return text;
}

}  // namespace storage
