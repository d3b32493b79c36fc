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

constexpr Option kOptionen[] = {{'n', "generationen", true}, {'r', "regel", true},   {0, "maske", true},
                                {0, "rand", true},           {'g', "groesse", true}, {'o', "ausgabe", true},
                                {0, "bildrate", true},       {0, "verlauf", false},  {0, "sprache", true},  {'h', "help", false},
                                {'V', "version", false}};

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
        std::string fehler;
        a.regel = storage::liesRegelEingabe(wert, fehler);
        if (!a.regel) return texte::Aufruffehler{A::regel, fehler, 0, {}};
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
        const std::filesystem::path p(wert);
        const std::string name = p.filename().string();
        if (storage::endetMit(name, ".vir", true) && !storage::istWeltName(name))
            return texte::Aufruffehler{A::grossVir, p.extension().string(), 0, {}};
        if (!storage::ausgabeFuer(name)) return texte::Aufruffehler{A::endung, std::string(wert), 0, storage::kAusgabeEndungen};
        a.ausgabe = p;
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
    bool eingabe = false;
    bool optionenZuEnde = false;
    a.sprache = sprache(argumente);
    auto fehler = [&a](A art, std::string_view wert = {}) {
        return Befehl{std::nullopt, texte::Aufruffehler{art, std::string(wert), 0, {}}, a.sprache};
    };
    for (std::size_t k = 0; k < argumente.size(); ++k) {
        const std::string_view arg = argumente[k];
        if (optionenZuEnde || arg.size() < 2 || arg[0] != '-') {
            if (eingabe) return fehler(A::zweiteDatei, arg);
            a.eingabe = std::filesystem::path(arg);
            eingabe = true;
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
    if (!eingabe && !a.hilfe && !a.version) return fehler(A::keineDatei);
    return {a, std::nullopt, a.sprache};
}

}  // namespace stapel
