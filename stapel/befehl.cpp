// The command line of the batch program.
#include <charconv>

#include "run/uhr.h"
#include "stapel/stapel.h"
#include "storage/dateiart.h"
#include "storage/lesehilfe.h"

namespace stapel {

namespace {

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
    {0, "zusammenfuehren", false}, {0, "sprache", true}, {'h', "help", false},   {'V', "version", false}};

/// The world, pattern and picture formats a run writes, by the file's ending; what is wrong, if anything.
std::optional<texte::Aufruffehler> pruefeAusgabe(const std::filesystem::path& p) {
    const std::string name = p.filename().string();
    if (storage::endetMit(name, ".vir", true) && !storage::istWeltName(name))
        return texte::Aufruffehler{texte::Aufruffehler::Art::grossVir, p.extension().string(), 0, {}};
    if (!storage::ausgabeFuer(name))
        return texte::Aufruffehler{texte::Aufruffehler::Art::endung, p.string(), 0, storage::kAusgabeEndungen};
    return std::nullopt;
}

using A = texte::Aufruffehler::Art;

/// Takes the value of one option into the job; what was wrong with it, if anything.
std::optional<texte::Aufruffehler> setze(Auftrag& a, const Option& o, std::string_view wert) {
    const auto falsch = [wert](A art, long long grenze = 0) {
        return texte::Aufruffehler{art, std::string(wert), grenze, {}};
    };
    if (o.lang == "generationen") {
        const auto n = zahl<long long>(wert, 0, run::kMaxGenerationen);
        if (!n) return falsch(A::generationen, run::kMaxGenerationen);
        a.generationen = *n;
    } else if (o.lang == "regel") {
        storage::Ablehnung fehler;
        a.regel = storage::liesRegelEingabe(wert, fehler);
        if (!a.regel) return texte::Aufruffehler{A::regel, {}, 0, {}, std::move(fehler)};
    } else if (o.lang == "maske") {
        a.maske = zahl<std::uint8_t>(wert, 0, 255);
        if (!a.maske) return falsch(A::maske);
    } else if (o.lang == "rand") {
        if (storage::gleichOhneFall(wert, "torus")) a.rand = engine::Rand::Torus;
        else if (storage::gleichOhneFall(wert, "quadrat")) a.rand = engine::Rand::Quadrat;
        else if (storage::gleichOhneFall(wert, "spiegel")) a.rand = engine::Rand::Spiegel;
        else return falsch(A::rand);
    } else if (o.lang == "groesse") {
        a.groesse = zahl<int>(wert, 2, engine::kMaxFeld);
        if (!a.groesse || *a.groesse % 2 != 0) return falsch(A::groesse, engine::kMaxFeld);
    } else if (o.lang == "ausgabe") {
        a.ausgabe = std::filesystem::path(wert);
    } else if (o.lang == "zensus") {
        a.zensus = zahl<std::uint64_t>(wert, 1, 1'000'000'000'000'000LL);
        if (!a.zensus) return falsch(A::suppen);
    } else if (o.lang == "wurzel") {
        if (wert.empty() || wert.find_first_of(" \t\r\n") != std::string_view::npos) return falsch(A::wurzel);
        a.wurzel = std::string(wert);
    } else if (o.lang == "threads") {
        a.threads = zahl<int>(wert, 1, 1024);
        if (!a.threads) return falsch(A::threads);
    } else if (o.lang == "teil") {
        const auto strich = wert.find('/');
        const auto k = zahl<std::uint64_t>(wert.substr(0, strich), 1, 1'000'000'000);
        const auto m = strich == std::string_view::npos ? std::nullopt
                                                        : zahl<std::uint64_t>(wert.substr(strich + 1), 1, 1'000'000'000);
        if (!k || !m || *k > *m) return falsch(A::teil);
        a.teil = std::pair(*k, *m);
    } else if (o.lang == "zusammenfuehren") {
        a.zusammenfuehren = true;
    } else if (o.lang == "bildrate") {
        a.bildrate = zahl<int>(wert, 1, 50);
        if (!a.bildrate) return falsch(A::bildrate);
    } else if (o.lang == "sprache") {
        const auto sprache = texte::spracheAus(wert);
        if (!sprache) return falsch(A::sprache);
        a.sprache = *sprache;
    } else if (o.lang == "verlauf") {
        a.verlauf = true;
    } else if (o.lang == "help") {
        a.hilfe = true;
    } else {
        a.version = true;
    }
    return std::nullopt;
}

/// The language asked for anywhere on the line, so that even a fault before it is told in it.
texte::Sprache sprache(std::span<const std::string_view> argumente) {
    texte::Sprache s = texte::Sprache::deutsch;
    for (std::size_t k = 0; k < argumente.size(); ++k) {
        if (argumente[k] == "--") break;
        std::optional<texte::Sprache> gemeint;
        if (argumente[k].starts_with("--sprache=")) gemeint = texte::spracheAus(argumente[k].substr(10));
        else if (argumente[k] == "--sprache" && k + 1 < argumente.size()) gemeint = texte::spracheAus(argumente[k + 1]);
        if (gemeint) s = *gemeint;
    }
    return s;
}

}  // namespace

Befehl liesBefehl(std::span<const std::string_view> argumente) {
    Auftrag a;
    bool optionenZuEnde = false;
    a.sprache = sprache(argumente);
    auto fehler = [&a](A art, std::string_view wert = {}) {
        return Befehl{std::nullopt, texte::Aufruffehler{art, std::string(wert), 0, {}}, a.sprache};
    };
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
        if (!o) return fehler(A::unbekannteOption, lang ? arg.substr(0, arg.find('=')) : arg.substr(0, 2));
        std::optional<std::string_view> wert;
        if (lang && arg.find('=') != std::string_view::npos) wert = arg.substr(arg.find('=') + 1);
        if (!lang && arg.size() > 2) {
            if (!o->mitWert) return fehler(A::mitWert, arg.substr(0, 2));
            wert = arg.substr(2);
        }
        if (o->mitWert && !wert) {
            if (k + 1 == argumente.size()) return fehler(A::ohneWert, arg);
            wert = argumente[++k];
        }
        if (!o->mitWert && wert) return fehler(A::mitWert, arg.substr(0, arg.find('=')));
        if (auto falsch = setze(a, *o, wert.value_or(""))) return Befehl{std::nullopt, std::move(falsch), a.sprache};
    }
    if (a.hilfe || a.version) return {a, std::nullopt, a.sprache};
    if (a.zusammenfuehren) {
        if (a.zensus) return fehler(A::zensusUndZusammen);
        if (a.zusammen.empty()) return fehler(A::keineZensusdateien);
        return {a, std::nullopt, a.sprache};
    }
    if (a.zensus) {
        if (!a.zusammen.empty()) return fehler(A::zensusMitDatei, a.zusammen.front().string());
        if (a.regel && a.regel->regel && a.regel->regel->regel.geboren(0)) return fehler(A::zensusB0);
        return {a, std::nullopt, a.sprache};
    }
    if (a.wurzel || a.threads || a.teil) return fehler(A::nurZensus);
    if (a.zusammen.size() > 1) return fehler(A::zweiteDatei, a.zusammen[1].string());
    if (a.zusammen.empty()) return fehler(A::keineDatei);
    a.eingabe = a.zusammen.front();
    a.zusammen.clear();
    if (a.ausgabe)
        if (auto falsch = pruefeAusgabe(*a.ausgabe)) return Befehl{std::nullopt, std::move(falsch), a.sprache};
    return {a, std::nullopt, a.sprache};
}

}  // namespace stapel
