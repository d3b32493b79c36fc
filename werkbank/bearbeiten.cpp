// Editing verbs: the mouse on the field, clearing, example patterns, dice and scrolling.
#include <algorithm>

#include "engine/zahltext.h"
#include "examples/beispiele.h"
#include "storage/muster.h"
#include "werkbank/vorgang.h"

namespace werkbank {

using S = texte::Schritt;

void Werkbank::mausRunter(int knopf, double x, double y) {
    Vorgang v(*this, knopf == edit::kLinkeTaste ? Art::Bearbeitung : Art::keine, S::zelleAendern);
    if (maus_.runter(*welt_, knopf, x, y)) weltGeaendert();
}

void Werkbank::mausBewegt(double x, double y) {
    Vorgang v(*this, maus_.linieAktiv ? Art::Strich : Art::keine,
              maus_.zeichenModus == 0 ? S::linieZeichnen : S::linieRadieren);
    const edit::Zelle tip = edit::spitze(x, y, welt_->feldGroesse);
    spalteText_ = engine::zahlText(tip.i);
    zeileText_ = engine::zahlText(tip.j);
    melde(kZeiger);
    if (const auto gemalt = maus_.bewegt(*welt_, x, y)) {
        strichGemalt_ = true;
        for (Beobachter* b : beobachter_) b->zelleGemalt(*gemalt);
    }
}

void Werkbank::mausHoch() {
    Vorgang v(*this);
    maus_.hoch();
    if (chronik_.offen() == Art::Strich) schliesseSchritt();
    if (!strichGemalt_) return;
    strichGemalt_ = false;
    // The painted cells stay as painted until the next full redraw; only the run starts anew.
    neuerLauf();
    melde(kBefund);
}

void Werkbank::zeigerAn() {
    Vorgang v(*this);
    zeigerSichtbar_ = true;
    zeiger_ = edit::imFeld(zeiger_, welt_->feldGroesse);
    spalteText_ = engine::zahlText(zeiger_.i);
    zeileText_ = engine::zahlText(zeiger_.j);
    melde(kZeiger);
}

void Werkbank::zeigerAus() {
    Vorgang v(*this);
    zeigerStrichEnde();
    zeigerSichtbar_ = false;
    melde(kZeiger);
}

void Werkbank::zeigerBewegen(int dx, int dy, bool malen) {
    if (!malen) zeigerStrichEnde();
    Vorgang v(*this, malen ? Art::Strich : Art::keine, maus_.zeichenModus == 0 ? S::linieZeichnen : S::linieRadieren);
    zeigerAn();
    auto male = [this] {
        const edit::Gemalt gemalt = maus_.male(*welt_, zeiger_);
        for (Beobachter* b : beobachter_) b->zelleGemalt(gemalt);
    };
    // A stroke sets the cell it starts from too.
    if (malen && !zeigerStrich_) male();
    zeigerStrich_ = zeigerStrich_ || malen;
    zeiger_ = edit::imFeld({zeiger_.i + dx, zeiger_.j + dy}, welt_->feldGroesse);
    zeigerAn();
    if (malen) male();
}

void Werkbank::zeigerSchalten() {
    Vorgang v(*this, Art::Bearbeitung, S::zelleAendern);
    zeigerStrichEnde();
    zeigerAn();
    maus_.schalte(*welt_, zeiger_);
    weltGeaendert();
}

void Werkbank::zeigerStrichEnde() {
    if (!zeigerStrich_) return;
    Vorgang v(*this);
    zeigerStrich_ = false;
    if (chronik_.offen() == Art::Strich) schliesseSchritt();
    // As after a drag: the painted cells stay as painted until the next full redraw.
    neuerLauf();
    melde(kBefund);
}

void Werkbank::waehleZeichenModus(int modus) {
    Vorgang v(*this);
    maus_.zeichenModus = modus == 1 ? 1 : 0;
    melde(kZeichenModus);
}

void Werkbank::zellenLoeschen() {
    Vorgang v(*this, Art::Bearbeitung, S::zellenLoeschen);
    welt_->loescheZellen();
    weltGeaendert();
}

void Werkbank::neu() {
    Vorgang v(*this, Art::Bearbeitung, S::neu);
    welt_->loescheZellen();
    titel_ = "Morlix 1.0";
    weltGeaendert(kTitel);
    // A new world has nothing to save yet.
    schliesseSchritt();
    chronik_.sauber();
}

void Werkbank::beispielEinfuegen(int index) {
    Vorgang v(*this, Art::Bearbeitung, S::musterEinfuegen);
    examples::fuegeEin(*welt_, index);
    weltGeaendert();
}

void Werkbank::zufallsregel(double anteil, bool mitNull) {
    Vorgang v(*this, Art::Bearbeitung, S::zufallsregel);
    std::bernoulli_distribution wurf(std::clamp(anteil, 0.0, 1.0));
    engine::Regel r;
    for (int k = 0; k < 9; ++k) {
        if (wurf(zufall_)) r.ueberleben |= static_cast<std::uint16_t>(1u << k);
        if (wurf(zufall_) && (k > 0 || mitNull)) r.geburt |= static_cast<std::uint16_t>(1u << k);
    }
    storage::Angaben angaben;
    angaben.regel = storage::MusterRegel{r, welt_->nachbarMaske, false};
    uebernimm(angaben);
}

void Werkbank::zufallsfeld(double dichte) {
    Vorgang v(*this, Art::Bearbeitung, S::zufallsfeld);
    std::bernoulli_distribution wurf(std::clamp(dichte, 0.0, 1.0));
    welt_->loescheZellen();
    const int n = welt_->feldGroesse;
    for (int x = engine::speicherIndex(-n / 2); x < engine::speicherIndex(n / 2); ++x)
        for (int y = engine::speicherIndex(-n / 2); y < engine::speicherIndex(n / 2); ++y)
            welt_->setzeZelle(x, y, wurf(zufall_) ? 1 : 0);
    weltGeaendert();
}

void Werkbank::gescrollt(const edit::Gescrollt& g) {
    if (g.radWaagerecht) melde(kRadWaagerecht);
    if (g.radSenkrecht) melde(kRadSenkrecht);
    if (g.feld) weltGeaendert();
}

void Werkbank::scrollSchritt(int richtung) {
    Vorgang v(*this, Art::Bearbeitung, S::scrollen);
    gescrollt(scrollen_.einzelSchritt(*welt_, richtung));
}

void Werkbank::scrollHalten() { scrollen_.scrollGedrueckt = true; }

void Werkbank::scrollWiederholung(int richtung) {
    Vorgang v(*this, Art::Scrollen, S::scrollen);
    gescrollt(scrollen_.wiederholSchritt(*welt_, richtung));
}

void Werkbank::scrollLoslassen() {
    Vorgang v(*this);
    scrollen_.losgelassen();
    if (chronik_.offen() == Art::Scrollen) schliesseSchritt();
}

void Werkbank::radWaagerechtRunter(float x) { scrollen_.radWaagerechtRunter(x); }

void Werkbank::radWaagerechtBewegt(float x) {
    Vorgang v(*this, scrollen_.scrollGedrueckt ? Art::Scrollen : Art::keine, S::scrollen);
    gescrollt(scrollen_.radWaagerechtBewegt(*welt_, x));
}

void Werkbank::radSenkrechtRunter(float y) { scrollen_.radSenkrechtRunter(y); }

void Werkbank::radSenkrechtBewegt(float y) {
    Vorgang v(*this, scrollen_.scrollGedrueckt ? Art::Scrollen : Art::keine, S::scrollen);
    gescrollt(scrollen_.radSenkrechtBewegt(*welt_, y));
}

}  // namespace werkbank
