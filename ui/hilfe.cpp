#include "ui/hilfe.h"

#include <QMouseEvent>
#include <algorithm>
#include <QWidget>
#include <utility>

#include "ui/tafel.h"

namespace ui {

namespace {

constexpr const char* kUeberspringen = "Nur jeder n-te Zustand wird angezeigt (dient zur Analyse von Zyklenlängen)";
constexpr const char* kAlt1 = "Farbe der weiterlebenden, unmittelbar vorher neu hinzugekommenen Zellen";
constexpr const char* kAlt2 = "Farbe der schon seit 2 oder mehr Generationen lebenden Zellen";

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
    {"Label15", false, "Überleben bei 2 oder 3, Geburt bei 3 Nachbarn: die klassische Welt"},
    {"Label17", false, "Farbe der neu hinzugekommenden Zellen"},
    {"Picture9", false, "Farbe der hinzugekommenen Zellen"},
    {"Label18", false, kAlt2},
    {"Picture10", false, kAlt2},
    {"Label6", false, kAlt1},
    {"Picture4", false, kAlt1},
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
    const QString index = objektName.mid(basis.size() + 1);
    return !index.isEmpty() && std::all_of(index.begin(), index.end(), [](QChar c) { return c.isDigit(); });
}

Hilfe::Hilfe(QWidget* fenster, std::function<void(const QString&)> zeige) : QObject(fenster), zeige_(std::move(zeige)) {
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        for (const HilfeText& h : hilfeTexte()) {
            if (!passt(w->objectName(), h.name)) continue;
            w->setMouseTracking(true);
            w->installEventFilter(this);
            break;
        }
    }
}

bool Hilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
    const bool bewegung = ereignis->type() == QEvent::MouseMove;
    const bool klick = ereignis->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!(bewegung || klick) || !w) return false;
    // A move over a panel's part without a control of its own reaches the panel too.
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    const bool traeger = w->objectName() == QLatin1String("Picture1") || w->objectName() == QLatin1String("Picture8");
    if (traeger) {
        const QWidget* unter = w->childAt(maus->position().toPoint());
        if (unter && !qobject_cast<const Tafel*>(unter)) return false;
    }
    for (const HilfeText& h : hilfeTexte()) {
        if (h.klick == klick && passt(w->objectName(), h.name)) {
            zeige_(QString::fromUtf8(h.text));
            break;
        }
    }
    return false;
}

}  // namespace ui
