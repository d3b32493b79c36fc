// The command line of the batch program.
#include <charconv>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "run/uhr.h"
#include "stapel/stapel.h"
#include "storage/dateiart.h"
#include "storage/lesehilfe.h"

namespace stapel {

namespace {

using storage::zitat;

/// A whole number in [von, bis], nothing else.
template <typename T>
std::optional<T> zahl(std::string_view text, long long von, long long bis) {
    long long wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || wert < von || wert > bis) return std::nullopt;
    return static_cast<T>(wert);
}

struct Option {
    char kurz;  // 0: none
    std::string_view lang;
    bool mitWert;
};

constexpr Option kOptionen[] = {
    {'n', "generationen", true}, {'r', "regel", true},   {0, "maske", true},     {0, "rand", true},
    {'g', "groesse", true},      {'o', "ausgabe", true}, {0, "bildrate", true},  {0, "verlauf", false},
    {0, "zensus", true},         {0, "wurzel", true},    {'j', "threads", true}, {0, "teil", true},
    {0, "zusammenfuehren", false}, {'h', "help", false}, {'V', "version", false}};

/// The world, pattern and picture formats a run writes, by the file's ending.
std::string pruefeAusgabe(const std::filesystem::path& p) {
    const std::string name = p.filename().string();
    if (storage::endetMit(name, ".vir", true) && !storage::istWeltName(name))
        return "Weltdateien enden auf „.vir“, kleingeschrieben, nicht auf " + zitat(p.extension().string()) + ".";
    if (!storage::ausgabeFuer(name))
        return "Die Endung von " + zitat(p.string(), true) + " sagt kein Format; möglich sind " +
               storage::kAusgabeEndungen + ".";
    return {};
}

/// Takes the value of one option into the job; a sentence when it is not one.
std::string setze(Auftrag& a, const Option& o, std::string_view wert) {
    if (o.lang == "generationen") {
        const auto n = zahl<long long>(wert, 0, run::kMaxGenerationen);
        if (!n)
            return "Die Zahl der Generationen " + zitat(wert) + " ist keine ganze Zahl von 0 bis " +
                   engine::ziffernText(run::kMaxGenerationen) + ".";
        a.generationen = *n;
    } else if (o.lang == "regel") {
        std::string fehler;
        a.regel = storage::liesRegelEingabe(wert, fehler);
        if (!a.regel) return fehler;
    } else if (o.lang == "maske") {
        a.maske = zahl<std::uint8_t>(wert, 0, 255);
        if (!a.maske) return "Die Maske " + zitat(wert) + " ist keine ganze Zahl von 0 bis 255.";
    } else if (o.lang == "rand") {
        if (storage::gleichOhneFall(wert, "torus")) a.rand = engine::Rand::Torus;
        else if (storage::gleichOhneFall(wert, "quadrat")) a.rand = engine::Rand::Quadrat;
        else if (storage::gleichOhneFall(wert, "spiegel")) a.rand = engine::Rand::Spiegel;
        else return "Den Rand " + zitat(wert) + " gibt es nicht; möglich sind torus, quadrat und spiegel.";
    } else if (o.lang == "groesse") {
        a.groesse = zahl<int>(wert, 2, engine::kMaxFeld);
        if (!a.groesse || *a.groesse % 2 != 0)
            return "Die Feldgröße " + zitat(wert) + " ist keine gerade Zahl von 2 bis " +
                   engine::ziffernText(engine::kMaxFeld) + ".";
    } else if (o.lang == "ausgabe") {
        a.ausgabe = std::filesystem::path(wert);
    } else if (o.lang == "zensus") {
        a.zensus = zahl<std::uint64_t>(wert, 1, 1'000'000'000'000'000LL);
        if (!a.zensus) return "Die Zahl der Suppen " + zitat(wert) + " ist keine ganze Zahl von 1 bis 10^18.";
    } else if (o.lang == "wurzel") {
        if (wert.empty() || wert.find_first_of(" \t\r\n") != std::string_view::npos)
            return "Die Wurzel " + zitat(wert) + " ist leer oder enthält Leerraum.";
        a.wurzel = std::string(wert);
    } else if (o.lang == "threads") {
        a.threads = zahl<int>(wert, 1, 1024);
        if (!a.threads) return "Die Zahl der Threads " + zitat(wert) + " ist keine ganze Zahl von 1 bis 1024.";
    } else if (o.lang == "teil") {
        const auto strich = wert.find('/');
        const auto k = zahl<std::uint64_t>(wert.substr(0, strich), 1, 1'000'000'000);
        const auto m = strich == std::string_view::npos ? std::nullopt
                                                        : zahl<std::uint64_t>(wert.substr(strich + 1), 1, 1'000'000'000);
        if (!k || !m || *k > *m) return "Der Teil " + zitat(wert) + " ist nicht K/M mit 1 ≤ K ≤ M.";
        a.teil = std::pair(*k, *m);
    } else if (o.lang == "zusammenfuehren") {
        a.zusammenfuehren = true;
    } else if (o.lang == "bildrate") {
        a.bildrate = zahl<int>(wert, 1, 50);
        if (!a.bildrate) return "Die Bildrate " + zitat(wert) + " ist keine ganze Zahl von 1 bis 50.";
    } else if (o.lang == "verlauf") {
        a.verlauf = true;
    } else if (o.lang == "help") {
        a.hilfe = true;
    } else {
        a.version = true;
    }
    return {};
}

}  // namespace

Befehl liesBefehl(std::span<const std::string_view> argumente) {
    Auftrag a;
    bool optionenZuEnde = false;
    auto fehler = [](std::string satz) { return Befehl{std::nullopt, std::move(satz)}; };
    for (std::size_t k = 0; k < argumente.size(); ++k) {
        const std::string_view arg = argumente[k];
        if (optionenZuEnde || arg.size() < 2 || arg[0] != '-') {
            a.zusammen.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionenZuEnde = true;
            continue;
        }
        const bool lang = arg[1] == '-';
        const std::string_view name = lang ? arg.substr(2, arg.find('=') - 2) : arg.substr(1, 1);
        const Option* o = nullptr;
        for (const Option& kandidat : kOptionen)
            if (lang ? kandidat.lang == name : kandidat.kurz == name[0]) o = &kandidat;
        if (!o) return fehler("Die Option " + zitat(lang ? arg.substr(0, arg.find('=')) : arg.substr(0, 2)) + " gibt es nicht.");
        std::optional<std::string_view> wert;
        if (lang && arg.find('=') != std::string_view::npos) wert = arg.substr(arg.find('=') + 1);
        if (!lang && arg.size() > 2) {
            if (!o->mitWert) return fehler("Die Option " + zitat(arg.substr(0, 2)) + " nimmt keinen Wert.");
            wert = arg.substr(2);
        }
        if (o->mitWert && !wert) {
            if (k + 1 == argumente.size()) return fehler("Die Option " + zitat(arg) + " braucht einen Wert.");
            wert = argumente[++k];
        }
        if (!o->mitWert && wert) return fehler("Die Option " + zitat(arg.substr(0, arg.find('='))) + " nimmt keinen Wert.");
        if (std::string satz = setze(a, *o, wert.value_or("")); !satz.empty()) return fehler(std::move(satz));
    }
    if (a.hilfe || a.version) return {a, {}};
    if (a.zusammenfuehren) {
        if (a.zensus) return fehler("Ein Zensus und das Zusammenführen gehen nicht auf einmal.");
        if (a.zusammen.empty()) return fehler("Es fehlen die Zensusdateien zum Zusammenführen.");
        return {a, {}};
    }
    if (a.zensus) {
        if (!a.zusammen.empty())
            return fehler("Ein Zensus liest keine Datei; " + zitat(a.zusammen.front().string(), true) + " ist zu viel.");
        if (a.regel && a.regel->regel && a.regel->regel->regel.geboren(0))
            return fehler("Ein Zensus braucht eine Regel ohne Geburt bei 0 Nachbarn; bei „B0“ füllt sich die Ebene "
                          "ohne Ende.");
        return {a, {}};
    }
    if (a.wurzel || a.threads || a.teil) return fehler("--wurzel, -j und --teil gehören zu --zensus.");
    if (a.zusammen.size() > 1)
        return fehler("Es geht nur eine Datei auf einmal; " + zitat(a.zusammen[1].string(), true) + " ist eine zweite.");
    if (a.zusammen.empty()) return fehler("Es fehlt die Datei mit der Welt oder dem Muster.");
    a.eingabe = a.zusammen.front();
    a.zusammen.clear();
    if (a.ausgabe)
        if (std::string satz = pruefeAusgabe(*a.ausgabe); !satz.empty()) return fehler(std::move(satz));
    return {a, {}};
}

std::string hilfeText() {
    return "Aufruf: morlix-stapel [OPTION]... DATEI\n"
           "   oder: morlix-stapel --zensus=N [--wurzel=TEXT] [-r REGEL] [--maske=M] [-j THREADS] [--teil=K/M]\n"
           "                       [-o DATEI]\n"
           "   oder: morlix-stapel --zusammenfuehren DATEI... [-o DATEI]\n"
           "Lässt eine Welt (.vir) oder ein Muster (RLE, Plaintext, Life 1.05, Life 1.06, MCell, Makrozellen, auch\n"
           "gzip-gepackt) ohne Fenster Generationen weiterlaufen, genau wie im Fenster, und schreibt das Ergebnis.\n"
           "\n"
           "  -n, --generationen=N   so viele Generationen rechnen (Vorgabe: 1)\n"
           "  -r, --regel=REGEL      Regel in B/S-Form („B36/S23“), alter S/B-Form („23/3“) oder mit Namen\n"
           "                         („HighLife“), auch mit Gitter („B3/S23:T30,30“)\n"
           "      --maske=M          die gezählten Nachbarn, 0 bis 255 (Bit 0 links, dann im Uhrzeigersinn;\n"
           "                         255: alle acht)\n"
           "      --rand=RAND        torus, quadrat oder spiegel\n"
           "  -g, --groesse=N        Feldgröße, gerade, 2 bis 90; ein Muster muss hineinpassen (ohne -g wächst\n"
           "                         das Feld, bis es passt)\n"
           "  -o, --ausgabe=DATEI    das Ergebnis schreiben; die Endung wählt das Format: .vir (Welt), .rle,\n"
           "                         .cells, .lif, .life (Muster), .png (Bild des Feldes), .gif (Animation der\n"
           "                         letzten bis zu 100 Generationen)\n"
           "      --bildrate=B       Bilder je Sekunde der Animation, 1 bis 50 (Vorgabe: das Tempo,\n"
           "                         mit dem der Regler der Uhr beginnt, 4 Bilder je Sekunde)\n"
           "      --verlauf          je Generation eine Zeile „Generation;Lebend;Befund“\n"
           "\n"
           "Zensus: was aus Zufallssuppen entsteht\n"
           "      --zensus=N         N Suppen (16 × 16 Zellen, halb gefüllt, wie beim Zensus der Gemeinschaft)\n"
           "                         auf der unbegrenzten Ebene laufen lassen, bis sie ruhen, und ihre Objekte\n"
           "                         zählen; Regel ohne B0, jede Maske\n"
           "      --wurzel=TEXT      Wurzel der Suppen (sonst eine neue, sie steht auf der Fehlerausgabe)\n"
           "  -j, --threads=N        so viele Threads (Vorgabe: alle Prozessorkerne)\n"
           "      --teil=K/M         nur den K-ten von M gleich großen Teilen der Suppen 0 bis N-1\n"
           "      --zusammenfuehren  die Zensusdateien DATEI... genau zu einer zusammenführen\n"
           "  Mit -o DATEI.csv wird der Zensus CSV („Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen“), mit\n"
           "  jedem anderen Namen und ohne -o der Zensustext der Gemeinschaft.\n"
           "\n"
           "  -h, --help             diese Hilfe zeigen und beenden\n"
           "  -V, --version          die Version zeigen und beenden\n"
           "\n"
           "Jede Einstellung ersetzt, was die Datei sagt. Ohne --verlauf endet die Ausgabe mit einer Zeile:\n"
           "Generation, lebende Zellen und Befund.\n"
           "\n"
           "Beispiel: das Startmuster 1000 Generationen lang als Animation\n"
           "  morlix-stapel -n 1000 -o start.gif start.rle\n"
           "Beispiel: 100000 Suppen von HighLife in zwei Hälften, dann zusammengeführt\n"
           "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=1/2 -o a.txt\n"
           "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=2/2 -o b.txt\n"
           "  morlix-stapel --zusammenfuehren a.txt b.txt -o alle.txt\n"
           "\n"
           "Rückgabewert: 0 fertig, 1 eine Datei war nicht zu lesen oder zu schreiben (oder Zensusdateien\n"
           "passten nicht zusammen), 2 der Aufruf war nicht zu verstehen.\n";
}

std::string versionText() {
    return std::string("morlix-stapel (") + engine::kProgrammName + ") " + engine::kProgrammVersion +
           "\nGeschrieben vom MorLix-Team.\n";
}

}  // namespace stapel
