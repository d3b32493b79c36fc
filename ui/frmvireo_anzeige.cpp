// The field size menu and the colour fields.
#include <QAction>
#include <QLabel>

#include "ui/bausteine.h"
#include "ui/frmvireo.h"
#include "ui/klick.h"

namespace ui {

void frmVireo::baueAnzeige() {
    connect(cmd30, &QAction::triggered, this, &frmVireo::cmd30_Click);
    connect(cmd50, &QAction::triggered, this, &frmVireo::cmd50_Click);
    connect(cmd90, &QAction::triggered, this, &frmVireo::cmd90_Click);
    connect(cmdfrei, &QAction::triggered, this, &frmVireo::cmdfrei_Click);

    connect(Picture9, &Farbfeld::geklickt, this, &frmVireo::Picture9_Click);
    connect(Picture4, &Farbfeld::geklickt, this, [this] { Picture4_Click(0); });
    connect(Picture10, &Farbfeld::geklickt, this, &frmVireo::Picture10_Click);
    connect(Picture5, &Farbfeld::geklickt, this, [this] { Picture5_Click(0); });
    connect(Picture13, &Farbfeld::geklickt, this, &frmVireo::Picture13_Click);
    const std::pair<const char*, void (frmVireo::*)()> beschriftungen[] = {
        {"Label17", &frmVireo::Label17_Click}, {"Label6", &frmVireo::Label6_Click},
        {"Label18", &frmVireo::Label18_Click}, {"Label7", &frmVireo::Label7_Click},
        {"Label22", &frmVireo::Label22_Click}};
    for (const auto& [name, handler] : beschriftungen) {
        auto* l = Picture1->findChild<QLabel*>(QString::fromLatin1(name));
        beiKlick(l, [this, h = handler] { (this->*h)(); });
    }
}

void frmVireo::waehleGroesse(const view::Groessenwahl& wahl) {
    welt_->feldGroesse = wahl.n;
    neuerLauf();
    zeichneFeld(wahl.n);
    const std::array<QAction*, 3> feste = {cmd30, cmd50, cmd90};
    for (int k = 0; k < 3; ++k) feste[k]->setChecked(k == wahl.haken);
}

void frmVireo::cmd30_Click() { waehleGroesse(view::festeGroesse(0)); }
void frmVireo::cmd50_Click() { waehleGroesse(view::festeGroesse(1)); }
void frmVireo::cmd90_Click() { waehleGroesse(view::festeGroesse(2)); }

void frmVireo::cmdfrei_Click() {
    for (QAction* a : {cmd30, cmd50, cmd90}) a->setChecked(false);
    const std::optional<QString> text =
        dialoge_.eingabe(this, QStringLiteral("Feldgröße wählen"), QStringLiteral("gerade Zahl bis 90"),
                         QStringLiteral("60"), QPoint(tw(100), tw(100)));
    const std::optional<view::Groessenwahl> wahl =
        view::freieGroesse(text ? std::optional(text->toStdString()) : std::nullopt);
    if (wahl)
        waehleGroesse(*wahl);
    else
        zeichneFeld(welt_->feldGroesse);
}

void frmVireo::waehleFarbe(Farbfeld* feld, view::FarbZiel ziel) {
    const std::optional<QColor> farbe = dialoge_.farbe(this);
    if (!farbe) return;
    feld->setzeFarbe(alsFarbe(farbe->rgb()));
    view::uebernimmFarbe(anzeige_, flaeche_, ziel, feld->farbe());
    zeichneFeld(welt_->feldGroesse);
}

void frmVireo::Label17_Click() { waehleFarbe(Picture9, view::FarbZiel::ZelleNeu); }
void frmVireo::Picture9_Click() { waehleFarbe(Picture9, view::FarbZiel::ZelleNeu); }
void frmVireo::Label6_Click() { waehleFarbe(Picture4, view::FarbZiel::ZelleAlt1); }
void frmVireo::Picture4_Click(int) { waehleFarbe(Picture4, view::FarbZiel::ZelleAlt1); }
void frmVireo::Label18_Click() { waehleFarbe(Picture10, view::FarbZiel::ZelleAlt2); }
void frmVireo::Picture10_Click() { waehleFarbe(Picture10, view::FarbZiel::ZelleAlt2); }
void frmVireo::Label7_Click() { waehleFarbe(Picture5, view::FarbZiel::Schirm); }
void frmVireo::Picture5_Click(int) { waehleFarbe(Picture5, view::FarbZiel::Schirm); }
void frmVireo::Label22_Click() { waehleFarbe(Picture13, view::FarbZiel::Raster); }
void frmVireo::Picture13_Click() { waehleFarbe(Picture13, view::FarbZiel::Raster); }

}  // namespace ui
