// The soup census of the batch program and the merging of census files.
#include <chrono>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>

#include "engine/programm.h"
#include "stapel/stapel.h"
#include "zensus/suppe.h"
#include "zensus/zensus.h"

namespace stapel {

namespace {

constexpr const char* kName = "morlix-stapel: ";

using F = texte::Zensusfehler::Art;

std::string version() { return std::string(engine::kProgrammName) + "-" + engine::kProgrammVersion; }

bool alsCsv(const std::optional<std::filesystem::path>& ziel) {
    if (!ziel) return false;
    std::string endung = ziel->extension().string();
    for (char& c : endung) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return endung == ".csv";
}

/// Writes the text to the file, or to `aus` without one; a sentence when it fails.
int schreibe(const std::optional<std::filesystem::path>& ziel, const std::string& text, std::ostream& aus,
             std::ostream& fehler, texte::Sprache sprache) {
    if (!ziel) {
        aus << text;
        aus.flush();
        return aus ? kFertig : kDateiFehler;
    }
    std::ofstream datei(*ziel, std::ios::binary);
    datei << text;
    datei.close();
    if (!datei) {
        fehler << kName << texte::zensusfehler(sprache, {F::nichtGeschrieben, ziel->string()}) << '\n';
        return kDateiFehler;
    }
    return kFertig;
}

int fuehreZusammen(const Auftrag& a, std::ostream& aus, std::ostream& fehler) {
    zensus::Kopf kopf;
    zensus::Tabelle tabelle;
    for (std::size_t i = 0; i < a.zusammen.size(); ++i) {
        const std::filesystem::path& pfad = a.zusammen[i];
        std::ifstream datei(pfad, std::ios::binary);
        std::ostringstream inhalt;
        inhalt << datei.rdbuf();
        if (!datei) {
            fehler << kName << texte::zensusfehler(a.sprache, {F::nichtGelesen, pfad.string()}) << '\n';
            return kDateiFehler;
        }
        const zensus::HaulGelesen g = zensus::liesHaul(inhalt.str());
        if (g.fehler != zensus::HaulFehler::keiner) {
            fehler << kName << texte::zensusfehler(a.sprache, {F::keineZensusdatei, pfad.string(), g.zeile}) << '\n';
            return kDateiFehler;
        }
        if (i > 0 && (g.kopf.wurzel != kopf.wurzel || g.kopf.regel != kopf.regel)) {
            fehler << kName
                   << texte::zensusfehler(a.sprache, {F::passtNicht, pfad.string(), 0, g.kopf.wurzel, g.kopf.regel,
                                                      a.zusammen.front().string(), kopf.wurzel, kopf.regel})
                   << '\n';
            return kDateiFehler;
        }
        if (i == 0) kopf = g.kopf;
        else kopf.suppen += g.kopf.suppen;
        tabelle.fuehreZusammen(g.tabelle);
    }
    const std::string text = alsCsv(a.ausgabe) ? zensus::csvText(kopf, tabelle, {})
                                                : zensus::haulText(kopf, tabelle, version());
    return schreibe(a.ausgabe, text, aus, fehler, a.sprache);
}

}  // namespace

int fuehreZensusAus(const Auftrag& a, std::ostream& aus, std::ostream& fehler, bool fortschritt) {
    if (a.zusammenfuehren) return fuehreZusammen(a, aus, fehler);

    zensus::Auftrag z;
    if (a.regel && a.regel->regel) {
        z.regel = a.regel->regel->regel;
        z.nachbarMaske = a.regel->regel->maske;
    }
    if (a.maske) z.nachbarMaske = *a.maske;
    if (a.wurzel) {
        z.wurzel = *a.wurzel;
    } else {
        std::random_device zufall;
        std::mt19937_64 erzeuger((std::uint64_t{zufall()} << 32) | zufall());
        z.wurzel = zensus::neueWurzel(erzeuger);
        fehler << kName << texte::zensusWurzel(a.sprache, z.wurzel) << '\n';
    }
    const std::uint64_t n = *a.zensus;
    const auto [k, m] = a.teil.value_or(std::pair<std::uint64_t, std::uint64_t>{1, 1});
    // Share k of m: soups from n (k - 1) / m up to n k / m, worked out without overflow.
    const auto grenze = [n, m](std::uint64_t j) { return n / m * j + n % m * j / m; };
    z.von = grenze(k - 1);
    z.bis = grenze(k);

    zensus::Kopf kopf{z.wurzel, zensus::regelName(z.regel, z.nachbarMaske), z.bis - z.von};
    zensus::Stand stand;
    if (z.bis > z.von) {
        const int threads = a.threads.value_or(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
        zensus::Zensus lauf(z, threads);
        const auto beginn = std::chrono::steady_clock::now();
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            stand = lauf.stand();
            if (stand.fertig) break;
            if (fortschritt) {
                const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
                fehler << '\r' << kName
                       << texte::zensusFortschritt(
                              a.sprache, static_cast<long long>(stand.suppen), static_cast<long long>(kopf.suppen),
                              static_cast<long long>(double(stand.suppen) / std::max(sekunden, 1e-3)))
                       << "   " << std::flush;
            }
        }
        if (fortschritt) fehler << '\n';
        lauf.warte();
    }
    const std::string text = alsCsv(a.ausgabe) ? zensus::csvText(kopf, stand.tabelle, stand.merkmale)
                                                : zensus::haulText(kopf, stand.tabelle, version());
    return schreibe(a.ausgabe, text, aus, fehler, a.sprache);
}

}  // namespace stapel
