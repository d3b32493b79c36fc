// Writers of the pattern formats.
#include <algorithm>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "storage/dateiart.h"
#include "storage/lesehilfe.h"
#include "storage/muster.h"
#include "storage/musterlesen.h"

namespace storage {

namespace {

using engine::ziffernText;

void schreibeZeile(std::string& text, std::string_view zeile) {
    text += zeile;
    text += '\n';
}

// The visible field's living cells and their box in field coordinates.
class Feld {
public:
    explicit Feld(const engine::Welt& welt) : welt_(welt) {
        const int h = welt.feldGroesse / 2;
        for (int i = -h; i < h; ++i)
            for (int j = -h; j < h; ++j)
                if (lebt(i, j)) {
                    links = std::min(links, i);
                    rechts = std::max(rechts, i);
                    oben = std::min(oben, j);
                    unten = std::max(unten, j);
                }
    }
    bool lebt(int i, int j) const {
        return welt_.zelle(engine::speicherIndex(i), engine::speicherIndex(j)) != 0;
    }
    bool leer() const { return rechts < links; }
    int n() const { return welt_.feldGroesse; }

    int links = engine::kMaxFeld, oben = engine::kMaxFeld, rechts = -engine::kMaxFeld, unten = -engine::kMaxFeld;

private:
    const engine::Welt& welt_;
};

// The name on one line, at most 67 bytes, cut between two UTF-8 characters.
std::string einzeilig(std::string_view name) {
    std::string ohneUmbruch;
    for (char c : name) ohneUmbruch += (c == '\n' || c == '\r') ? ' ' : c;
    std::size_t laenge = std::min<std::size_t>(ohneUmbruch.size(), 67);
    while (laenge > 0 && laenge < ohneUmbruch.size() && (ohneUmbruch[laenge] & 0xC0) == 0x80) --laenge;
    return ohneUmbruch.substr(0, laenge);
}

std::string herkunft(int n) {
    return std::string("Aus ") + engine::kProgrammTitel + ", Feld " + ziffernText(n) + " x " + ziffernText(n);
}

std::string plaintextText(const Feld& feld, const engine::Regel& regel, std::uint8_t maske, engine::Rand rand,
                          std::string_view name) {
    static constexpr const char* kRaender[] = {"Torus", "Quadrat", "Spiegel"};
    std::string text;
    if (const std::string n = einzeilig(name); !n.empty()) schreibeZeile(text, "!Name: " + n);
    schreibeZeile(text, std::string("!").append(herkunft(feld.n())) + ", Regel " + regelText(regel, maske) +
                            ", Rand " + kRaender[static_cast<int>(rand)] + ".");
    if (feld.leer()) schreibeZeile(text, ".");
    for (int j = feld.oben; j <= feld.unten; ++j) {
        std::string reihe;
        for (int i = feld.links; i <= feld.rechts; ++i) reihe += feld.lebt(i, j) ? 'O' : '.';
        reihe.erase(std::max<std::size_t>(reihe.find_last_not_of('.') + 1, 1));
        schreibeZeile(text, reihe);
    }
    return text;
}

std::string life106Text(const Feld& feld) {
    std::string text = "#Life 1.06\n";
    for (int j = feld.oben; j <= feld.unten; ++j)
        for (int i = feld.links; i <= feld.rechts; ++i)
            if (feld.lebt(i, j)) schreibeZeile(text, ziffernText(i) + " " + ziffernText(j));
    return text;
}

}  // namespace

std::optional<MusterFormat> formatFuerName(std::string_view dateiname) {
    if (endetMit(dateiname, ".rle", true)) return MusterFormat::rle;
    if (endetMit(dateiname, ".cells", true)) return MusterFormat::plaintext;
    if (endetMit(dateiname, ".lif", true) || endetMit(dateiname, ".life", true)) return MusterFormat::life106;
    return std::nullopt;
}

std::string_view endungFuer(MusterFormat format) {
    switch (format) {
        case MusterFormat::plaintext: return ".cells";
        case MusterFormat::life106: return ".lif";
        case MusterFormat::rle: break;
    }
    return ".rle";
}

std::string musterText(MusterFormat format, const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand,
                       std::string_view name) {
    switch (format) {
        case MusterFormat::plaintext: return plaintextText(Feld(welt), regel, welt.nachbarMaske, rand, name);
        case MusterFormat::life106: return life106Text(Feld(welt));
        case MusterFormat::rle: break;
    }
    return rleText(welt, regel, rand, name);
}

std::string rleText(const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand, std::string_view name) {
    const Feld feld(welt);
    const int n = welt.feldGroesse;
    std::string text;
    // Common readers take the position only from the first line.
    if (!feld.leer()) schreibeZeile(text, "#CXRLE Pos=" + ziffernText(feld.links) + "," + ziffernText(feld.oben));
    if (const std::string kurz = einzeilig(name); !kurz.empty()) schreibeZeile(text, "#N " + kurz);
    schreibeZeile(text, "#C " + herkunft(n) + ".");
    if (rand == engine::Rand::Spiegel) {
        schreibeZeile(text, std::string(kSpiegelKommentar) + ziffernText(n) + ".");
        schreibeZeile(text, "#C Dieser Rand ist anderswo unbekannt; hier ohne Rand geschrieben.");
    }
    std::string kopf = "x = " + ziffernText(feld.leer() ? 0 : feld.rechts - feld.links + 1) +
                       ", y = " + ziffernText(feld.leer() ? 0 : feld.unten - feld.oben + 1) +
                       ", rule = " + regelText(regel, welt.nachbarMaske);
    if (rand == engine::Rand::Torus) kopf += ":T" + ziffernText(n) + "," + ziffernText(n);
    if (rand == engine::Rand::Quadrat) kopf += ":P" + ziffernText(n) + "," + ziffernText(n);
    schreibeZeile(text, kopf);

    std::string zeile;
    auto gib = [&](int anzahl, char zeichen) {
        const std::string stueck = (anzahl > 1 ? ziffernText(anzahl) : std::string()) + zeichen;
        if (zeile.size() + stueck.size() > 70) {
            schreibeZeile(text, zeile);
            zeile.clear();
        }
        zeile += stueck;
    };
    int leereZeilen = 0;
    for (int j = feld.oben; j <= feld.unten; ++j) {
        if (j > feld.oben) ++leereZeilen;
        int i = feld.links;
        while (i <= feld.rechts) {
            const bool zustand = feld.lebt(i, j);
            int lauf = 0;
            while (i <= feld.rechts && feld.lebt(i, j) == zustand) ++i, ++lauf;
            if (!zustand && i > feld.rechts) break;  // dead cells at a row's end are left out
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
