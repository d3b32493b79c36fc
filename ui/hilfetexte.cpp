#include "ui/hilfetexte.h"

namespace ui {

namespace {

constexpr const char* kUeberspringen = "Nur jeder n-te Zustand wird angezeigt (dient zur Analyse von Zyklenlängen)";

constexpr HilfeText kTabelle[] = {
    {"Check1", false, "Überlebensbedingung für lebende Zellen"},
    {"Check2", false, "Bedingung für das Entstehen einer neuen lebenden Zelle"},
    {"cmdEinf", false, "Dieses Objekt in die aktuelle Welt einfügen"},
    {"cmdEinzelschritt", false, "Einzelschritt"},
    {"cmdLauf", false, "Start / Stop der Uhr"},
    {"cmdScroll", false, "Bildschirm scrollen"},
    {"Command1", false, "Zellen löschen"},
    {"Command10", false, "Wahl, ob Mauszeiger radiert oder schreibt"},
    {"Command11", false, "Gedächtnis löschen"},
    {"Command2", false, "Uhr stoppen und auf Null setzen"},
    {"Command5", false, "Beispiele zeigen"},
    {"Command8", false, kUeberspringen},
    {"Command9", false, kUeberspringen},
    {"Text4", false, kUeberspringen},
    {"Label8", false, kUeberspringen},
    {"Label11_5", false, "Der Tintenfisch lebt auch in der 1-3-5 / 3 - Welt! "},
    {"Label11_6", false, "Der Krabbler mutiert in der 1-3-5 / 3 - Welt!"},
    {"Label15", false, "Mit Überleben bei 2 oder 3 und Geburt bei 3 Nachbarn ist dies die klassische Welt, "
                       "in der die bekanntesten Muster entdeckt wurden."},
    {"Label17", false, "Farbe der neu hinzugekommenden Zellen"},
    {"Picture9", false, "Farbe der hinzugekommenen Zellen"},
    {"Label18", false, "Farbe der schon seit 2 oder mehr Generationen lebenden Zellen"},
    {"Picture10", false, "Farbe der schon seit 2 oder mehr Generationen lebenden Zellen"},
    {"Label6", false, "Farbe der weiterlebenden, unmittelbar vorher neu hinzugekommenen Zellen"},
    {"Picture4", false, "Farbe der weiterlebenden, unmittelbar vorher neu hinzugekommenen Zellen"},
    {"Label7", false, "Farbe des Hintergrunds"},
    {"Picture5", false, "Farbe des Hintergrunds"},
    {"Label22", false, "Farbe des Rasters"},
    {"Label5", false, "Zum Wählen der Farbe eines der Felder anklicken"},
    {"Label5", true, "Zum Ändern der Farbe anklicken!"},
    {"Label19", false, "Mit der rechten Maustaste Linie ziehen oder radieren"},
    {"Label19", true, "Mit der rechten Maustaste Linie ziehen oder radieren"},
    {"Label2", false, "Übergangsregeln festlegen"},
    {"Label3", false, "Iteration starten / stoppen und Zeit dt setzen"},
    {"Label4", false, "Bei der Wahl 'Torus' werden gegenüberliegende Kanten 'verklebt' (identifiziert)"},
    {"Label20", false, "Wie sah es vor k Zyklen aus? (Vergangenes wieder sichtbar machen)"},
    {"Option1", false, "Die 'Euklidische Ebene' ist auf den sichtbaren Bereich beschränkt"},
    {"Picture8", false, "Besondere Beispielobjekte in ausgewählten Welten"},
    {"Picture1", false, ""},
    {"Text6", false, "'-k' = Vor k Generationen, '0' = Gegenwart"},
    {"txtSchritt", false, "momentan angezeigte Generation"},
};

}  // namespace

std::span<const HilfeText> hilfeTexte() { return kTabelle; }

bool passt(const QString& objektName, const char* name) {
    const QString basis = QString::fromLatin1(name);
    if (objektName == basis) return true;
    if (!objektName.startsWith(basis + QLatin1Char('_'))) return false;
    bool zahl = false;
    objektName.mid(basis.size() + 1).toInt(&zahl);
    return zahl;
}

}  // namespace ui
