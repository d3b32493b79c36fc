// Census verbs: a census of random soups in worker threads, and what the user takes from it.
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <thread>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "storage/muster.h"
#include "werkbank/vorgang.h"
#include "zensus/suppe.h"

namespace werkbank {

namespace {

using Uhr = std::chrono::steady_clock;

/// Common names of objects that soups of Conway's rule leave often, by code: German, English.
constexpr std::string_view kNamen[][3] = {
    {"xs4_33", "Block", "block"},
    {"xp2_7", "Blinker", "blinker"},
    {"xs6_696", "Bienenstock", "beehive"},
    {"xq4_153", "Gleiter", "glider"},
    {"xs7_2596", "Laib", "loaf"},
    {"xs5_253", "Boot", "boat"},
    {"xs6_356", "Schiff", "ship"},
    {"xs8_6996", "Teich", "pond"},
    {"xs4_252", "Wanne", "tub"},
    {"xp2_7e", "Kröte", "toad"},
    {"xp2_318c", "Bake", "beacon"},
    {"xq4_6frc", "leichtes Raumschiff", "lightweight spaceship"},
    {"xq4_27dee6", "mittleres Raumschiff", "middleweight spaceship"},
    {"xq4_27deee6", "schweres Raumschiff", "heavyweight spaceship"},
};

/// A pattern of the given cells under the census's rule, with no edge of its own.
std::unique_ptr<storage::Muster> alsMuster(const zensus::Zellen& zellen, const zensus::Auftrag& auftrag) {
    auto m = std::make_unique<storage::Muster>();
    m->regel = storage::MusterRegel{auftrag.regel, auftrag.nachbarMaske, true};
    for (const zensus::Punkt& p : zellen) {
        m->breite = std::max(m->breite, p.x + 1);
        m->hoehe = std::max(m->hoehe, p.y + 1);
    }
    // Larger than any field: refused by its size alone, as platzFuer says.
    const int seite = engine::kMaxFeld;
    for (const zensus::Punkt& p : zellen)
        if (p.x < seite && p.y < seite) m->lebt[p.x][p.y] = true;
    return m;
}

}  // namespace

Meldung Werkbank::zensusStarten(std::uint64_t suppen, const std::string& wurzel) {
    zensus::Auftrag auftrag{wurzel.empty() ? zensus::neueWurzel(zufall_) : wurzel, regel(), welt_->nachbarMaske, 0,
                            suppen};
    switch (zensus::pruefe(auftrag)) {
        case zensus::Einwand::keiner: break;
        case zensus::Einwand::geburtBeiNull:
            return {Meldung::Art::warnung, {texte::Problem::Fall::geburtBeiNull}, {}};
        case zensus::Einwand::keineSuppen:
            return {Meldung::Art::warnung, {texte::Problem::Fall::keineSuppen}, {}};
    }
    zensus_.reset();  // joins the workers of the census before
    zensusAuftrag_ = std::move(auftrag);
    zensusBeginn_ = Uhr::now();
    zensusDauer_.reset();
    zensus_ = std::make_unique<zensus::Zensus>(zensusAuftrag_, int(std::max(1u, std::thread::hardware_concurrency())));
    return {};
}

void Werkbank::zensusAnhalten() {
    if (!zensus_ || zensusDauer_) return;
    zensus_->anhalten();
    zensusDauer_ = Uhr::now() - zensusBeginn_;
}

std::optional<ZensusBericht> Werkbank::zensus() {
    if (!zensus_) return std::nullopt;
    ZensusBericht b;
    b.auftrag = zensusAuftrag_;
    b.stand = zensus_->stand();
    // Every soup counted is the end as well, whether or not the workers have said so yet.
    const bool fertig = b.stand.fertig || b.stand.suppen == b.auftrag.bis - b.auftrag.von;
    if (fertig && !zensusDauer_) zensusDauer_ = Uhr::now() - zensusBeginn_;
    b.laeuft = !zensusDauer_;
    const double sekunden = std::chrono::duration<double>(zensusDauer_.value_or(Uhr::now() - zensusBeginn_)).count();
    if (b.stand.suppen > 0 && sekunden > 0) {
        b.suppenJeSekunde = double(b.stand.suppen) / sekunden;
        if (b.laeuft) b.restSekunden = double(b.auftrag.bis - b.auftrag.von - b.stand.suppen) / b.suppenJeSekunde;
    }
    return b;
}

Meldung Werkbank::objektEinfuegen(const std::string& code) {
    const std::optional<zensus::Entschluesselt> objekt = zensus::entschluessele(code);
    if (!objekt) return {Meldung::Art::warnung, {texte::Problem::Fall::keinObjekt, code}, {}};
    // Added to the world like a paste, but under the census's rule: the object is what it is
    // only there. One step for both.
    Vorgang v(*this, Art::Bearbeitung, texte::Schritt::objektEinfuegen);
    const std::unique_ptr<storage::Muster> muster = alsMuster(objekt->zellen, zensusAuftrag_);
    Meldung m = setzeMusterEin(*muster, {}, false, std::nullopt, texte::Schritt::objektEinfuegen);
    if (!m) m.uebernahme = uebernimm(*muster);
    return m;
}

Meldung Werkbank::suppeZeigen(const std::string& code) {
    const std::optional<ZensusBericht> b = zensus();
    const auto zeile = b ? b->stand.tabelle.zeilen().find(code) : zensus::Tabelle::Zeilen::const_iterator{};
    if (!b || zeile == b->stand.tabelle.zeilen().end() || zeile->second.suppen.empty())
        return {Meldung::Art::warnung, {texte::Problem::Fall::keineSuppeMit, code}, {}};
    const zensus::Suppe suppe = zensus::suppe(b->auftrag.wurzel, zeile->second.suppen.front());
    zensus::Zellen zellen;
    for (int y = 0; y < zensus::kSuppenSeite; ++y)
        for (int x = 0; x < zensus::kSuppenSeite; ++x)
            if ((suppe[std::size_t(y)] >> x) & 1) zellen.push_back({x, y});
    auto muster = alsMuster(zellen, b->auftrag);
    // The whole soup square, also where its edge rows are empty.
    muster->breite = muster->hoehe = zensus::kSuppenSeite;
    return setzeMusterEin(*muster, {}, true, std::nullopt, texte::Schritt::suppeZeigen);
}

std::string Werkbank::objektName(std::string_view code, texte::Sprache sprache) {
    for (const auto& namen : kNamen)
        if (namen[0] == code) return std::string(namen[sprache == texte::Sprache::deutsch ? 1 : 2]);
    return {};
}

std::string Werkbank::artText(const zensus::Merkmale& m, texte::Sprache sprache) {
    const bool de = sprache == texte::Sprache::deutsch;
    switch (m.art) {
        case zensus::Objektart::Stillleben: return de ? "Stillleben" : "still life";
        case zensus::Objektart::Oszillator: return (de ? "Oszillator P" : "oscillator P") + engine::ziffernText(m.periode);
        case zensus::Objektart::Wachstum: return de ? "Wachstum" : "growth";
        case zensus::Objektart::Raumschiff: break;
    }
    // The speed in cells per generation as the literature writes it: c/4, 2c/5, (2,1)c/6.
    const int dx = std::abs(m.dx), dy = std::abs(m.dy);
    const int weg = std::max(dx, dy);
    const int teiler = std::gcd(weg, m.periode);
    std::string text = de ? "Raumschiff " : "spaceship ";
    if (dx != dy && dx != 0 && dy != 0) {
        // Appended piece by piece: g++ 12 at -O3 warns falsely about "literal" + string.
        text += '(';
        text += engine::ziffernText(weg);
        text += ',';
        text += engine::ziffernText(std::min(dx, dy));
        text += ")c/";
        text += engine::ziffernText(m.periode);
        return text;
    }
    if (weg / teiler != 1) text += engine::ziffernText(weg / teiler);
    return text + "c/" + engine::ziffernText(m.periode / teiler);
}

std::string Werkbank::zensusText(bool csv) {
    const std::optional<ZensusBericht> b = zensus();
    if (!b) return {};
    const zensus::Stand& s = b->stand;
    const zensus::Kopf kopf{b->auftrag.wurzel, zensus::regelName(b->auftrag.regel, b->auftrag.nachbarMaske), s.suppen};
    return csv ? zensus::csvText(kopf, s.tabelle, s.merkmale)
               : zensus::haulText(kopf, s.tabelle, std::string(engine::kProgrammName) + "-" + engine::kProgrammVersion);
}

}  // namespace werkbank
