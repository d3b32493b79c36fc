#include "zensus/tabelle.h"

#include <algorithm>
#include <charconv>

namespace zensus {

namespace {

void haengeZahlAn(std::string& text, std::uint64_t zahl) {
    char ziffern[24];
    text.append(ziffern, std::to_chars(ziffern, ziffern + sizeof ziffern, zahl).ptr);
}

bool liesZahl(std::string_view text, std::uint64_t& zahl) {
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    return fehler == std::errc{} && ende == text.data() + text.size() && !text.empty();
}

/// Keeps the lowest kBeispielSuppen numbers of both, ascending, each once.
void vereinige(std::vector<std::uint64_t>& ziel, const std::vector<std::uint64_t>& dazu) {
    std::vector<std::uint64_t> alle;
    alle.reserve(ziel.size() + dazu.size());
    std::set_union(ziel.begin(), ziel.end(), dazu.begin(), dazu.end(), std::back_inserter(alle));
    if (alle.size() > kBeispielSuppen) alle.resize(kBeispielSuppen);
    ziel = std::move(alle);
}

/// The words of a line, split at blanks.
std::vector<std::string_view> woerter(std::string_view zeile) {
    std::vector<std::string_view> w;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && zeile[i] == ' ') ++i;
        const std::size_t anfang = i;
        while (i < zeile.size() && zeile[i] != ' ') ++i;
        if (i > anfang) w.push_back(zeile.substr(anfang, i - anfang));
    }
    return w;
}

}  // namespace

void Tabelle::zaehle(const std::string& code, std::uint64_t suppe) {
    Zeile& z = zeilen_[code];
    ++z.anzahl;
    vereinige(z.suppen, {suppe});
}

void Tabelle::fuehreZusammen(const Tabelle& andere) {
    for (const auto& [code, zeile] : andere.zeilen_) {
        Zeile& z = zeilen_[code];
        z.anzahl += zeile.anzahl;
        vereinige(z.suppen, zeile.suppen);
    }
}

std::uint64_t Tabelle::objekte() const {
    std::uint64_t summe = 0;
    for (const auto& [code, zeile] : zeilen_) summe += zeile.anzahl;
    return summe;
}

std::vector<std::pair<std::string, Zeile>> Tabelle::nachHaeufigkeit() const {
    std::vector<std::pair<std::string, Zeile>> liste(zeilen_.begin(), zeilen_.end());
    std::stable_sort(liste.begin(), liste.end(),
                     [](const auto& a, const auto& b) { return a.second.anzahl > b.second.anzahl; });
    return liste;
}

std::string haulText(const Kopf& kopf, const Tabelle& tabelle, std::string_view version) {
    std::string text = "@VERSION ";
    text += version;
    text += "\n@ROOT " + kopf.wurzel + "\n@RULE " + kopf.regel + "\n@SYMMETRY C1\n@NUM_SOUPS ";
    haengeZahlAn(text, kopf.suppen);
    text += "\n@NUM_OBJECTS ";
    haengeZahlAn(text, tabelle.objekte());
    const auto liste = tabelle.nachHaeufigkeit();
    text += "\n\n@CENSUS TABLE\n";
    for (const auto& [code, zeile] : liste) {
        text += code + ' ';
        haengeZahlAn(text, zeile.anzahl);
        text += '\n';
    }
    text += "\n@SAMPLE_SOUPIDS\n";
    for (const auto& [code, zeile] : liste) {
        text += code;
        for (std::uint64_t s : zeile.suppen) {
            text += ' ';
            haengeZahlAn(text, s);
        }
        text += '\n';
    }
    return text;
}

HaulGelesen liesHaul(std::string_view text) {
    HaulGelesen g;
    enum class Teil { Kopf, Tabelle, Suppen } teil = Teil::Kopf;
    bool wurzel = false, regel = false, suppen = false;
    Tabelle::Zeilen zeilen;
    auto fehler = [&g](HaulFehler f, int zeile) {
        g.fehler = f;
        g.zeile = zeile;
        return g;
    };

    int nummer = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t ende = text.find('\n', pos);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(pos, ende - pos);
        pos = ende + 1;
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        const auto w = woerter(zeile);
        if (w.empty()) continue;

        if (w[0].front() == '@') {
            if (w[0] == "@CENSUS" && w.size() == 2 && w[1] == "TABLE") teil = Teil::Tabelle;
            else if (w[0] == "@SAMPLE_SOUPIDS") teil = Teil::Suppen;
            else if (w[0] == "@ROOT" && w.size() == 2) g.kopf.wurzel = w[1], wurzel = true;
            else if (w[0] == "@RULE" && w.size() == 2) g.kopf.regel = w[1], regel = true;
            else if (w[0] == "@NUM_SOUPS" && w.size() == 2) {
                if (!liesZahl(w[1], g.kopf.suppen)) return fehler(HaulFehler::keineZahl, nummer);
                suppen = true;
            }
            continue;  // @VERSION, @NUM_OBJECTS (recounted), @SYMMETRY and lines of other writers
        }
        if (teil == Teil::Kopf) return fehler(HaulFehler::unbekannteZeile, nummer);
        const std::string code(w[0]);
        if (teil == Teil::Tabelle) {
            Zeile z;
            if (w.size() != 2 || !liesZahl(w[1], z.anzahl)) return fehler(HaulFehler::keineZahl, nummer);
            if (!zeilen.emplace(code, std::move(z)).second) return fehler(HaulFehler::doppelterCode, nummer);
        } else {
            const auto it = zeilen.find(code);
            if (it == zeilen.end()) return fehler(HaulFehler::unbekannteZeile, nummer);
            if (!it->second.suppen.empty()) return fehler(HaulFehler::doppelterCode, nummer);
            for (std::size_t i = 1; i < w.size(); ++i) {
                std::uint64_t s = 0;
                if (!liesZahl(w[i], s)) return fehler(HaulFehler::keineZahl, nummer);
                it->second.suppen.push_back(s);
            }
            std::sort(it->second.suppen.begin(), it->second.suppen.end());
        }
    }
    if (!wurzel || !regel || !suppen) return fehler(HaulFehler::fehlendeAngabe, 0);
    g.tabelle = Tabelle(std::move(zeilen));
    return g;
}

}  // namespace zensus
