#include "werkbank/werkbank.h"

#include <algorithm>
#include <bit>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "examples/beispiele.h"
#include "history/rueckblende.h"
#include "storage/muster.h"
#include "storage/regeltext.h"
#include "werkbank/vorgang.h"

namespace werkbank {

using S = texte::Schritt;

Werkbank::Werkbank()
    : welt_(std::make_unique<engine::Welt>()),
      periodensuche_(std::make_unique<history::Periodensuche>()),
      zeitreihe_(std::make_unique<history::Zeitreihe>()),
      titel_(engine::kProgrammTitel) {}

Werkbank::~Werkbank() = default;

void Werkbank::beobachte(Beobachter& b) { beobachter_.push_back(&b); }

void Werkbank::vergiss(Beobachter& b) { std::erase(beobachter_, &b); }

engine::Regel Werkbank::regel() const {
    engine::Regel r;
    for (int k = 0; k < 9; ++k) {
        if (ueberleben_[k] == 1) r.ueberleben |= static_cast<std::uint16_t>(1u << k);
        if (geburt_[k] == 1) r.geburt |= static_cast<std::uint16_t>(1u << k);
    }
    return r;
}

void Werkbank::weltGeaendert(std::uint32_t auch) {
    neuerLauf();
    melde(kZellen | kBefund | auch);
}

// ---- Start, step and clock ----

void Werkbank::start() {
    Vorgang v(*this);
    welt_->nachbarMaske = 255;
    welt_->gedIndex = 0;
    welt_->loescheZellen();
    anzeige_.rasterFarbe = view::kRasterEin;
    anzeige_.zellFarbe[2] = view::rgb(255, 0, 0);
    anzeige_.zellFarbe[1] = view::rgb(0, 0, 150);
    anzeige_.zellFarbe[3] = anzeige_.feld(view::FarbZiel::ZelleAlt2);
    welt_->feldGroesse = 30;
    melde(kAlles);
    beispielEinfuegen(3);
    laufUmschalten();
    chronik_.setzeReferenz(*welt_);
}

void Werkbank::nachSchritten(long long anzahl) {
    zaehlerText_ = run::zaehlerNach(zaehlerText_, anzahl);
    // A first step also keeps the state it started from.
    ringStaende_ = static_cast<int>(std::min<long long>(std::max(ringStaende_, 1) + anzahl, engine::kRing));
    chronik_.generationen(anzahl);
    melde(kZellen | kZaehler | kBefund);
}

void Werkbank::nachGeneration(const engine::Welt& w, bool suchen, double generation) {
    zeitreihe_->erfasse(generation, w);
    if (!suchen) return;
    periodensuche_->nachSchritt(w);
    zeitreihe_->mitBefund(periodensuche_->befund());
}

void Werkbank::neuerLauf() {
    periodensuche_->neuerLauf(*welt_);
    zeitreihe_->beginne(engine::leseZahl(zaehlerText_), *welt_);
}

void Werkbank::einzelschritt() {
    Vorgang v(*this, Art::Lauf);
    engine::schritt(*welt_, regel(), rand_);
    nachGeneration(*welt_, true, engine::leseZahl(zaehlerText_) + 1);
    nachSchritten(1);
}

void Werkbank::laufUmschalten() {
    Vorgang v(*this);
    laeuft_ = !laeuft_;
    if (!laeuft_) zeitraffer_.abbrechen();
    // A run of the clock is one step, from start to stop; single steps before it are another.
    if (chronik_.offen() == Art::Lauf) schliesseSchritt();
    melde(kUhr);
}

void Werkbank::anhaltenUndNull() {
    Vorgang v(*this);
    if (chronik_.offen() == Art::Lauf) schliesseSchritt();
    zaehlerText_ = engine::zahlText(0);
    laeuft_ = false;
    zeitraffer_.abbrechen();
    melde(kUhr | kZaehler);
}

bool Werkbank::takt() {
    if (!laeuft_ || zeitraffer_.rest() > 0) return false;  // stopped, or the last tick is still at work
    zeitraffer_.beginne(run::generationenJeTakt(generationenText_));
    return taktWeiter();
}

bool Werkbank::taktWeiter() {
    if (!laeuft_) {
        zeitraffer_.abbrechen();
        return false;
    }
    Vorgang v(*this, Art::Lauf);
    double generation = engine::leseZahl(zaehlerText_);
    const long long k = zeitraffer_.scheibe(*welt_, regel(), rand_, [&](const engine::Welt& w, bool imRing) {
        nachGeneration(w, imRing, ++generation);
    });
    if (k == 0) return false;
    nachSchritten(k);
    return zeitraffer_.rest() > 0;
}

void Werkbank::generationen(long long n, const Zuschauer& jede) {
    Vorgang v(*this, Art::Lauf);
    run::Zeitraffer zeitraffer;
    zeitraffer.beginne(n);
    double generation = engine::leseZahl(zaehlerText_);
    while (zeitraffer.rest() > 0) {
        const long long k = zeitraffer.scheibe(*welt_, regel(), rand_, [&](const engine::Welt& w, bool imRing) {
            nachGeneration(w, imRing || jede, ++generation);
            if (jede) jede(generation, periodensuche_->befund());
        });
        nachSchritten(k);
    }
}

void Werkbank::setzeTempo(int wert) {
    Vorgang v(*this);
    tempo_ = std::clamp(wert, run::kReglerRechts, run::kReglerLinks);
    intervallMs_ = run::intervallMs(tempo_);
    tempoText_ = run::tempoText(tempo_);
    melde(kUhr);
}

void Werkbank::setzeGenerationenText(std::string text) {
    Vorgang v(*this);
    generationenText_ = std::move(text);
    zeitraffer_.abbrechen();  // a new n ends a tick still running in slices
    melde(kGenerationen);
}

void Werkbank::generationenPlus() {
    if (auto neu = run::plusEins(generationenText_)) setzeGenerationenText(std::move(*neu));
}

void Werkbank::generationenMinus() {
    if (auto neu = run::minusEins(generationenText_)) setzeGenerationenText(std::move(*neu));
}

void Werkbank::setzeZaehlerText(std::string text) {
    Vorgang v(*this);
    zaehlerText_ = std::move(text);
    melde(kZaehler);
}

// ---- Rule, neighbours, edges, size, colours ----

void Werkbank::kastenGeklickt(Reihe reihe, int anzahl) {
    if (anzahl < 0 || anzahl > 8) return;
    Vorgang v(*this, Art::Bearbeitung, S::regel);
    std::uint8_t& kasten = (reihe == Reihe::Ueberleben ? ueberleben_ : geburt_)[static_cast<std::size_t>(anzahl)];
    kasten = kasten == 1 ? 0 : 1;
    neuerLauf();
    melde(kRegel | kBefund);
}

void Werkbank::setzeMaske(std::uint8_t maske) {
    Vorgang v(*this, Art::Bearbeitung, S::nachbarmatrix);
    welt_->nachbarMaske = maske;  // the run ends at the next step
    melde(kMaske);
}

void Werkbank::setzeRand(engine::Rand rand) {
    Vorgang v(*this, Art::Bearbeitung, S::randoption);
    rand_ = rand;
    neuerLauf();
    melde(kRand | kBefund);
}

void Werkbank::waehleGroesse(const view::Groessenwahl& wahl) {
    welt_->feldGroesse = wahl.n;
    groessenHaken_ = wahl.haken;
    weltGeaendert(kGroesse);
}

void Werkbank::festeGroesse(int item) {
    if (item < 0 || item > 2) return;
    Vorgang v(*this, Art::Bearbeitung, S::feldgroesse);
    waehleGroesse(view::festeGroesse(item));
}

void Werkbank::freieGroesse(const std::optional<std::string>& eingabe) {
    Vorgang v(*this, Art::Bearbeitung, S::feldgroesse);
    groessenHaken_ = -1;
    melde(kGroesse | kZellen);
    if (const auto wahl = view::freieGroesse(eingabe)) waehleGroesse(*wahl);
}

Meldung Werkbank::setzeRegelText(const std::string& text) {
    storage::Ablehnung fehler;
    const std::optional<storage::Angaben> angaben = storage::liesRegelEingabe(text, fehler);
    if (!angaben) return {Meldung::Art::warnung, {texte::Problem::Fall::eigenerSatz, {}, std::move(fehler)}, {}};
    return setzeAngaben(*angaben);
}

Meldung Werkbank::setzeAngaben(const storage::Angaben& angaben) {
    Vorgang v(*this, Art::Bearbeitung, S::regel);
    Meldung m;
    m.uebernahme = uebernimm(angaben);
    return m;
}

texte::Uebernahme Werkbank::uebernimm(const storage::Angaben& a) {
    texte::Uebernahme u;
    if (a.regel) {
        const engine::Regel& r = a.regel->regel;
        for (std::size_t k = 0; k < 9; ++k) {
            ueberleben_[k] = r.ueberlebt(static_cast<int>(k)) ? 1 : 0;
            geburt_[k] = r.geboren(static_cast<int>(k)) ? 1 : 0;
        }
        if (a.regel->mitNachbarn) welt_->nachbarMaske = a.regel->maske;
        // A name only where it holds: with all eight neighbours.
        const std::string_view name = storage::regelName(r, welt_->nachbarMaske);
        u.regel = storage::regelText(r, 255);
        u.regelName = name;
        if (a.regel->mitNachbarn) u.maske = a.regel->maske;
    }
    if (a.rand) {
        rand_ = *a.rand;
        groesseMitHaken(a.feldGroesse);
        u.rand = rand_;
        u.feld = a.feldGroesse;
    }
    neuerLauf();
    melde(kRegel | kMaske | kRand | kBefund);
    return u;
}

std::string Werkbank::regelEingabeText() const {
    return storage::regelText(regel(), 255) + (welt_->nachbarMaske == storage::kVonNeumann ? "V" : "");
}

std::vector<BenannteRegel> Werkbank::benannteRegeln() {
    std::vector<BenannteRegel> liste;
    for (const storage::BenannteRegel& r : storage::kBenannteRegeln)
        liste.push_back({std::string(r.name), std::string(r.notation)});
    return liste;
}

std::string Werkbank::regelName() const { return std::string(storage::regelName(regel(), welt_->nachbarMaske)); }

std::string Werkbank::regelBeschreibung(texte::Sprache sprache) const {
    return texte::regelBeschreibung(sprache, storage::regelText(regel(), 255), regelName(), welt_->nachbarMaske);
}

void Werkbank::groesseMitHaken(int n) {
    view::Groessenwahl wahl{n, -1};
    for (int k = 0; k < 3; ++k)
        if (view::kFesteGroessen[k] == n) wahl.haken = k;
    waehleGroesse(wahl);
}

void Werkbank::setzeGroesse(int n) {
    if (n < 2 || n > engine::kMaxFeld || n % 2 != 0) return;
    Vorgang v(*this, Art::Bearbeitung, S::feldgroesse);
    waehleGroesse({n, -1});
}

void Werkbank::rasterUmschalten() {
    Vorgang v(*this, Art::Bearbeitung, S::rasterEinAus);
    view::rasterUmschalten(anzeige_);
    melde(kFarben);
}

void Werkbank::setzeSprache(texte::Sprache sprache) {
    Vorgang v(*this);
    sprache_ = sprache;
    melde(kSprache | kBefund | kChronik | kRegel | kMaske);
}

void Werkbank::setzeFarbe(view::FarbZiel ziel, view::Farbe farbe) {
    Vorgang v(*this, Art::Bearbeitung, S::farbe);
    view::uebernimmFarbe(anzeige_, ziel, farbe);
    melde(kFarben);
}

// ---- Generation memory ----

void Werkbank::rueckblick(int v) {
    Vorgang vorgang(*this, laeuft_ ? Art::keine : Art::Rueckblende, S::rueckblende);
    if (laeuft_) {
        rueckblickWert_ = history::kGegenwart;
        melde(kRueckblick);
        return;
    }
    rueckblickWert_ = std::clamp(v, 0, history::kGegenwart);
    history::zurueckblicken(*welt_, rueckblickWert_);
    tiefeText_ = history::tiefeText(rueckblickWert_);
    weltGeaendert(kRueckblick);
}

void Werkbank::gedaechtnisLoeschen() {
    Vorgang v(*this, Art::Bearbeitung, S::gedaechtnisLoeschen);
    if (ringStaende_ > 0) chronik_.merkeGedaechtnisVorher(welt_->gedaechtnisAbzug());
    welt_->loescheGedaechtnis();
    ringStaende_ = 0;
    neuerLauf();
    melde(kBefund);
    // Only a real change of the slider runs the look-back, which then empties a stopped world.
    if (rueckblickWert_ != history::kGegenwart) rueckblick(history::kGegenwart);
}

// ---- Undo ----

Einstellungen Werkbank::einstellungen() const {
    return {ueberleben_,    geburt_,  welt_->nachbarMaske, rand_,           welt_->feldGroesse,
            groessenHaken_, anzeige_, zaehlerText_,        rueckblickWert_, tiefeText_,
            titel_,         welt_->gedIndex, ringStaende_};
}

void Werkbank::uebernimm(const Einstellungen& e) {
    ueberleben_ = e.ueberleben;
    geburt_ = e.geburt;
    welt_->nachbarMaske = e.maske;
    rand_ = e.rand;
    welt_->feldGroesse = e.feldGroesse;
    groessenHaken_ = e.groessenHaken;
    anzeige_ = e.anzeige;
    zaehlerText_ = e.zaehlerText;
    rueckblickWert_ = e.rueckblickWert;
    tiefeText_ = e.tiefeText;
    titel_ = e.titel;
    welt_->gedIndex = e.gedIndex;
    ringStaende_ = e.ringStaende;
}

void Werkbank::schliesseSchritt(bool weiter) { chronik_.schliesse(*welt_, einstellungen(), weiter); }

void Werkbank::stelleHer(const Eintrag& e, bool neu) {
    // Going back in time pauses it.
    laeuft_ = false;
    zeitraffer_.abbrechen();
    for (const ZellAenderung& z : e.zellen)
        welt_->setzeZelle(z.index / engine::kDim, z.index % engine::kDim, neu ? z.neu : z.alt);
    const std::string titel = titel_;
    uebernimm(neu ? e.nachher : e.vorher);
    if (e.vorher.titel == e.nachher.titel) titel_ = titel;  // a save since then named the file
    if (e.lauf && neu) {
        if (e.gedaechtnis) {
            welt_->setzeGedaechtnis(*e.gedaechtnis);
            chronik_.vergissGedaechtnisNachLauf();
        } else {
            welt_->loescheGedaechtnis();
            ringStaende_ = 0;
        }
    } else if (e.lauf) {
        // The ring went forward by the run's generations over the oldest slots: they go back to
        // empty, the restored world's own past stays to be looked back at.
        chronik_.merkeGedaechtnisNachLauf(welt_->gedaechtnisAbzug());
        if (e.generationen < engine::kRing) {
            const int k = static_cast<int>(e.generationen);
            for (int j = 1; j <= k; ++j) welt_->loescheSlot((welt_->gedIndex + j) % engine::kRing);
            ringStaende_ = std::min(ringStaende_, engine::kRing - k);
        } else {
            welt_->loescheGedaechtnis();
            ringStaende_ = 0;
        }
    } else if (e.gedaechtnis) {
        // Clearing the memory undone, or done again.
        if (neu) welt_->loescheGedaechtnis();
        else welt_->setzeGedaechtnis(*e.gedaechtnis);
    }
    weltGeaendert(kAlles);
}

void Werkbank::rueckgaengig() {
    Vorgang v(*this);
    if (chronik_.offen() != Art::keine) schliesseSchritt();
    if (const Eintrag* e = chronik_.zurueck()) stelleHer(*e, false);
}

void Werkbank::wiederholen() {
    Vorgang v(*this);
    if (chronik_.offen() != Art::keine) schliesseSchritt();
    if (const Eintrag* e = chronik_.vor()) stelleHer(*e, true);
}

int Werkbank::animationsBilder() const {
    return ringStaende_ + (ringStaende_ == 0 || gegenwartBearbeitet() ? 1 : 0);
}

bool Werkbank::gegenwartBearbeitet() const {
    return !welt_->slotGleichZellen(welt_->gedIndex);
}

}  // namespace werkbank
