#include "ui/hilfe.h"

#include <QMouseEvent>
#include <algorithm>
#include <QWidget>
#include <utility>

#include "ui/sprache.h"
#include "ui/tafel.h"

namespace ui {

namespace {

constexpr const char* kUeberspringen = QT_TRANSLATE_NOOP("MorLix", "Nur jeder n-te Zustand wird angezeigt (dient zur Analyse von Zyklenlängen)");
constexpr const char* kAlt1 = QT_TRANSLATE_NOOP("MorLix", "Farbe der weiterlebenden, unmittelbar vorher neu hinzugekommenen Zellen");
constexpr const char* kAlt2 = QT_TRANSLATE_NOOP("MorLix", "Farbe der schon seit 2 oder mehr Generationen lebenden Zellen");

constexpr HilfeText kTabelle[] = {
    {"Check1", false, QT_TRANSLATE_NOOP("MorLix", "Überlebensbedingung für lebende Zellen")},
    {"Check2", false, QT_TRANSLATE_NOOP("MorLix", "Bedingung für das Entstehen einer neuen lebenden Zelle")},
    {"cmdEinf", false, QT_TRANSLATE_NOOP("MorLix", "Dieses Objekt in die aktuelle Welt einfügen")},
    {"cmdEinzelschritt", false, QT_TRANSLATE_NOOP("MorLix", "Einzelschritt")},
    {"cmdLauf", false, QT_TRANSLATE_NOOP("MorLix", "Start / Stop der Uhr")},
    {"cmdScroll", false, QT_TRANSLATE_NOOP("MorLix", "Bildschirm scrollen")},
    {"Command1", false, QT_TRANSLATE_NOOP("MorLix", "Zellen löschen")},
    {"Command10", false, QT_TRANSLATE_NOOP("MorLix", "Wahl, ob Mauszeiger radiert oder schreibt")},
    {"Command11", false, QT_TRANSLATE_NOOP("MorLix", "Gedächtnis löschen")},
    {"Command2", false, QT_TRANSLATE_NOOP("MorLix", "Uhr stoppen und auf Null setzen")},
    {"Command5", false, QT_TRANSLATE_NOOP("MorLix", "Beispiele zeigen")},
    {"Command8", false, kUeberspringen},
    {"Command9", false, kUeberspringen},
    {"Text4", false, kUeberspringen},
    {"Label8", false, kUeberspringen},
    {"Label11_5", false, QT_TRANSLATE_NOOP("MorLix", "Der Tintenfisch lebt auch in der 1-3-5 / 3 - Welt! ")},
    {"Label11_6", false, QT_TRANSLATE_NOOP("MorLix", "Der Krabbler mutiert in der 1-3-5 / 3 - Welt!")},
    {"Label15", false, QT_TRANSLATE_NOOP("MorLix", "Überleben bei 2 oder 3, Geburt bei 3 Nachbarn: die klassische Welt")},
    {"Label17", false, QT_TRANSLATE_NOOP("MorLix", "Farbe der neu hinzugekommenden Zellen")},
    {"Picture9", false, QT_TRANSLATE_NOOP("MorLix", "Farbe der hinzugekommenen Zellen")},
    {"Label18", false, kAlt2},
    {"Picture10", false, kAlt2},
    {"Label6", false, kAlt1},
    {"Picture4", false, kAlt1},
    {"Label7", false, QT_TRANSLATE_NOOP("MorLix", "Farbe des Hintergrunds")},
    {"Picture5", false, QT_TRANSLATE_NOOP("MorLix", "Farbe des Hintergrunds")},
    {"Label22", false, QT_TRANSLATE_NOOP("MorLix", "Farbe des Rasters")},
    {"Label5", false, QT_TRANSLATE_NOOP("MorLix", "Zum Wählen der Farbe eines der Felder anklicken")},
    {"Label5", true, QT_TRANSLATE_NOOP("MorLix", "Zum Ändern der Farbe anklicken!")},
    {"Label19", false, QT_TRANSLATE_NOOP("MorLix", "Mit der rechten Maustaste Linie ziehen oder radieren")},
    {"Label19", true, QT_TRANSLATE_NOOP("MorLix", "Mit der rechten Maustaste Linie ziehen oder radieren")},
    {"Label2", false, QT_TRANSLATE_NOOP("MorLix", "Übergangsregeln festlegen")},
    {"Label3", false, QT_TRANSLATE_NOOP("MorLix", "Iteration starten / stoppen und Zeit dt setzen")},
    {"Label4", false, QT_TRANSLATE_NOOP("MorLix", "Bei der Wahl 'Torus' werden gegenüberliegende Kanten 'verklebt' (identifiziert)")},
    {"Label20", false, QT_TRANSLATE_NOOP("MorLix", "Wie sah es vor k Zyklen aus? (Vergangenes wieder sichtbar machen)")},
    {"Option1", false, QT_TRANSLATE_NOOP("MorLix", "Die 'Euklidische Ebene' ist auf den sichtbaren Bereich beschränkt")},
    {"Picture8", false, QT_TRANSLATE_NOOP("MorLix", "Besondere Beispielobjekte in ausgewählten Welten")},
    {"Picture1", false, ""},
    {"Text6", false, QT_TRANSLATE_NOOP("MorLix", "'-k' = Vor k Generationen, '0' = Gegenwart")},
    {"txtSchritt", false, QT_TRANSLATE_NOOP("MorLix", "momentan angezeigte Generation")},
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
            zeige_(uebersetze(h.text));
            break;
        }
    }
    return false;
}

}  // namespace ui
