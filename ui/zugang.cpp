#include "ui/zugang.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "ui/hilfe.h"
#include "ui/sprache.h"
#include "ui/widgets.h"

namespace ui {

namespace {

/// A control's accessible name and description where neither its caption nor the help line
/// says enough; %1 in a name is the element's index.
struct Zugang {
    const char* fenster;  // objectName of the window
    const char* name;     // objectName of the control or control array
    const char* anzeige;
    const char* beschreibung;
};

constexpr const char* kScrollen = QT_TRANSLATE_NOOP("MorLix", "Bildschirm scrollen");
constexpr const char* kEineZelle = QT_TRANSLATE_NOOP("MorLix", "Um eine Zelle scrollen");

constexpr Zugang kTabelle[] = {
    {"frmVireo", "picAusgabe", QT_TRANSLATE_NOOP("MorLix", "Feld"),
     QT_TRANSLATE_NOOP("MorLix", "F6 bringt die Tastatur ins Feld: die Pfeiltasten bewegen den Zellzeiger, X schaltet "
                                 "seine Zelle, Umschalt mit Pfeiltaste zieht eine Linie, Escape verlässt das Feld")},
    {"frmVireo", "Picture7", QT_TRANSLATE_NOOP("MorLix", "Scrollrad"), kScrollen},
    {"frmVireo", "Picture11", QT_TRANSLATE_NOOP("MorLix", "Scrollrad"), kScrollen},
    {"frmVireo", "cmdScroll_0", QT_TRANSLATE_NOOP("MorLix", "Nach links scrollen"), nullptr},
    {"frmVireo", "cmdScroll_1", QT_TRANSLATE_NOOP("MorLix", "Nach oben scrollen"), nullptr},
    {"frmVireo", "cmdScroll_2", QT_TRANSLATE_NOOP("MorLix", "Nach rechts scrollen"), nullptr},
    {"frmVireo", "cmdScroll_3", QT_TRANSLATE_NOOP("MorLix", "Nach unten scrollen"), nullptr},
    {"frmVireo", "cmdScroll1_0", QT_TRANSLATE_NOOP("MorLix", "Eine Zelle nach links"), kEineZelle},
    {"frmVireo", "cmdScroll1_1", QT_TRANSLATE_NOOP("MorLix", "Eine Zelle nach oben"), kEineZelle},
    {"frmVireo", "cmdScroll1_2", QT_TRANSLATE_NOOP("MorLix", "Eine Zelle nach rechts"), kEineZelle},
    {"frmVireo", "cmdScroll1_3", QT_TRANSLATE_NOOP("MorLix", "Eine Zelle nach unten"), kEineZelle},
    {"frmVireo", "txtSchritt", QT_TRANSLATE_NOOP("MorLix", "Generationenzähler"), nullptr},
    {"frmVireo", "HScroll1", QT_TRANSLATE_NOOP("MorLix", "Tempo"),
     QT_TRANSLATE_NOOP("MorLix", "Zeit dt zwischen zwei Takten: nach rechts schneller")},
    {"frmVireo", "Text5", QT_TRANSLATE_NOOP("MorLix", "Tempozahl"),
     QT_TRANSLATE_NOOP("MorLix", "Das Tempo von 1 (langsam) bis 100 (schnell)")},
    {"frmVireo", "Text6", QT_TRANSLATE_NOOP("MorLix", "Tiefe der Rückblende"), nullptr},
    {"frmVireo", "Command8", QT_TRANSLATE_NOOP("MorLix", "Überspringen plus 1"), nullptr},
    {"frmVireo", "Command9", QT_TRANSLATE_NOOP("MorLix", "Überspringen minus 1"), nullptr},
    {"frmVireo", "Check1", QT_TRANSLATE_NOOP("MorLix", "Überleben bei %1 lebenden Nachbarn"), nullptr},
    {"frmVireo", "Check2", QT_TRANSLATE_NOOP("MorLix", "Geburt bei %1 lebenden Nachbarn"), nullptr},
    {"frmVireo", "Command10_0", QT_TRANSLATE_NOOP("MorLix", "Zeichnen"), nullptr},
    {"frmVireo", "Command10_1", QT_TRANSLATE_NOOP("MorLix", "Radieren"), nullptr},
    {"frmVireo", "Command4", QT_TRANSLATE_NOOP("MorLix", "Randoptionen erklären"),
     QT_TRANSLATE_NOOP("MorLix", "Zeigt ein Bild der drei Randoptionen")},
    {"frmVireo", "Command3", QT_TRANSLATE_NOOP("MorLix", "Bild schließen"),
     QT_TRANSLATE_NOOP("MorLix", "Schließt das Bild der Randoptionen")},
    {"frmVireo", "cmdEinf", QT_TRANSLATE_NOOP("MorLix", "Beispiel %1 einfügen"), nullptr},
    {"frmVireo", "Command6", QT_TRANSLATE_NOOP("MorLix", "Beispiele verbergen"),
     QT_TRANSLATE_NOOP("MorLix", "Blendet das Beispielfeld aus")},
    {"frmVireo", "Text2", QT_TRANSLATE_NOOP("MorLix", "Spalte"),
     QT_TRANSLATE_NOOP("MorLix", "Spalte der Zelle unter dem Zeiger")},
    {"frmVireo", "Text3", QT_TRANSLATE_NOOP("MorLix", "Zeile"),
     QT_TRANSLATE_NOOP("MorLix", "Zeile der Zelle unter dem Zeiger")},
    {"frmVireo", "Text12", QT_TRANSLATE_NOOP("MorLix", "Feldgröße"),
     QT_TRANSLATE_NOOP("MorLix", "Seitenlänge des Feldes in Zellen")},
    {"frmVireo", "txtBefund", QT_TRANSLATE_NOOP("MorLix", "Befund"), nullptr},
    {"frmVireo", "Command7", nullptr, QT_TRANSLATE_NOOP("MorLix", "Über das Programm")},
    {"frmMatrix", "chkMat_1", QT_TRANSLATE_NOOP("MorLix", "Nachbar links"), nullptr},
    {"frmMatrix", "chkMat_2", QT_TRANSLATE_NOOP("MorLix", "Nachbar links oben"), nullptr},
    {"frmMatrix", "chkMat_3", QT_TRANSLATE_NOOP("MorLix", "Nachbar oben"), nullptr},
    {"frmMatrix", "chkMat_4", QT_TRANSLATE_NOOP("MorLix", "Nachbar rechts oben"), nullptr},
    {"frmMatrix", "chkMat_5", QT_TRANSLATE_NOOP("MorLix", "Nachbar rechts"), nullptr},
    {"frmMatrix", "chkMat_6", QT_TRANSLATE_NOOP("MorLix", "Nachbar rechts unten"), nullptr},
    {"frmMatrix", "chkMat_7", QT_TRANSLATE_NOOP("MorLix", "Nachbar unten"), nullptr},
    {"frmMatrix", "chkMat_8", QT_TRANSLATE_NOOP("MorLix", "Nachbar links unten"), nullptr},
    {"frmMatrix", "chkMat", nullptr, QT_TRANSLATE_NOOP("MorLix", "Angekreuzt zählt dieser Nachbar mit")},
    {"frmMatrix", "Command1", nullptr, QT_TRANSLATE_NOOP("MorLix", "Die angekreuzten Nachbarn übernehmen")},
    {"frmVerlauf", "diaVerlauf", QT_TRANSLATE_NOOP("MorLix", "Verlaufsdiagramm"),
     QT_TRANSLATE_NOOP("MorLix", "Lebende Zellen, Geburten und Tode je Generation des Laufs")},
    {"frmVerlauf", "cmdVerlaufSpeichern", nullptr,
     QT_TRANSLATE_NOOP("MorLix", "Die Zahlen des Laufs als CSV-Tabelle speichern")},
    {"frmZensus", "txtZensusSuppen", nullptr,
     QT_TRANSLATE_NOOP("MorLix", "Wie viele Zufallssuppen der Zensus untersucht")},
    {"frmZensus", "txtZensusWurzel", nullptr,
     QT_TRANSLATE_NOOP("MorLix", "Die Wurzel des Zufalls: dieselbe Wurzel bringt dieselben Suppen")},
    {"frmZensus", "cmdZensusStart", nullptr,
     QT_TRANSLATE_NOOP("MorLix", "Den Zensus unter der geltenden Regel starten")},
    {"frmZensus", "cmdZensusStopp", nullptr, QT_TRANSLATE_NOOP("MorLix", "Den Zensus anhalten")},
    {"frmZensus", "tblZensus", QT_TRANSLATE_NOOP("MorLix", "Gefundene Objekte"),
     QT_TRANSLATE_NOOP("MorLix", "Doppelklick oder Eingabetaste fügt das Objekt in die Mitte des Feldes ein")},
    {"frmZensus", "cmdZensusSpeichern", nullptr,
     QT_TRANSLATE_NOOP("MorLix", "Die Tabelle als Text oder CSV speichern")},
    {"frmZensus", "lblZensusKopf", nullptr, QT_TRANSLATE_NOOP("MorLix", "Stand des Zensus")},
};

/// A caption as read aloud: without the shortcut's "&", blanks and a closing colon.
QString vorgelesen(const QString& text) {
    QString aus;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] == QLatin1Char('&') && ++k == text.size()) break;
        aus += text[k];
    }
    aus = aus.trimmed();
    if (aus.endsWith(QLatin1Char(':'))) aus.chop(1);
    return aus;
}

/// The caption of a control or label in the chosen language.
QString beschriftungsText(const QWidget* w) {
    if (const QString b = beschriftungVon(w); !b.isEmpty()) return b;
    if (const auto* k = qobject_cast<const QAbstractButton*>(w)) return k->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

/// The help line's text of a control of the main window; empty when it has none.
QString hilfeText(const QWidget* fenster, const QWidget* w) {
    if (!w || fenster->objectName() != QLatin1String("frmVireo")) return {};
    for (const HilfeText& h : hilfeTexte())
        if (!h.klick && *h.text && passt(w->objectName(), h.name)) return uebersetze(h.text);
    return {};
}

void benenneTeil(QWidget* fenster, QWidget* w, const QLabel* etikett) {
    const QString name = w->objectName();
    const QString index = name.mid(name.lastIndexOf(QLatin1Char('_')) + 1);
    QString anzeige, beschreibung;
    for (const Zugang& z : kTabelle) {
        if (fenster->objectName() != QLatin1String(z.fenster) || !passt(name, z.name)) continue;
        if (anzeige.isEmpty() && z.anzeige) anzeige = uebersetze(z.anzeige).replace(QLatin1String("%1"), index);
        if (beschreibung.isEmpty() && z.beschreibung) beschreibung = uebersetze(z.beschreibung);
    }
    // A label that takes the keyboard (selectable text) is read by its live text: a name set
    // here would stay behind when the text changes.
    const bool eigenerText = anzeige.isEmpty() && qobject_cast<const QLabel*>(w);
    // A caption of one sign ("x", "+1") is a picture more than a name.
    const QString titel = vorgelesen(beschriftungsText(w));
    if (anzeige.isEmpty() && std::count_if(titel.begin(), titel.end(), [](QChar c) { return c.isLetter(); }) >= 2)
        anzeige = titel;
    // An example's button: which pattern, by its size and cells, and in which world.
    if (const QSize g = w->property("beispielGroesse").toSize(); g.isValid()) {
        anzeige += QLatin1String(": ") + uebersetze(QT_TRANSLATE_NOOP("MorLix", "%1 × %2 Zellen, %3 lebend"))
                                             .arg(g.width())
                                             .arg(g.height())
                                             .arg(w->property("beispielLebend").toInt());
        if (const auto* welt = fenster->findChild<QLabel*>(w->property("beispielWelt").toString()))
            anzeige += QLatin1String(", ") + vorgelesen(welt->text());
    }
    if (anzeige.isEmpty() && etikett) anzeige = vorgelesen(beschriftungsText(etikett));
    if (anzeige.isEmpty()) anzeige = hilfeText(fenster, w);
    if (beschreibung.isEmpty()) beschreibung = hilfeText(fenster, w);
    if (beschreibung.isEmpty()) beschreibung = hilfeText(fenster, etikett);
    w->setAccessibleName(eigenerText ? QString() : anzeige);
    // Left empty, the description is the tooltip, as that changes.
    w->setAccessibleDescription(beschreibung);
}

bool erreichbar(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && !w->objectName().startsWith(QLatin1String("qt_"));
}

class FeldZugang;

/// One cell of the field's table: row and column count from the field's top-left corner.
class ZellZugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ZellZugang(FeldZugang* tabelle, FeldBild* feld, int zeile, int spalte)
        : tabelle_(tabelle), feld_(feld), zeile_(zeile), spalte_(spalte) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return spalte_; }
    int rowIndex() const override { return zeile_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    /// The cell's field coordinates.
    QPoint ort() const {
        const int n = feld_->zellen().seite();
        return {spalte_ - n / 2, zeile_ - n / 2};
    }

    FeldZugang* tabelle_;  // owns the cell
    QPointer<FeldBild> feld_;
    int zeile_, spalte_;
};

/// The field view as a table of cells; the cells it hands out live as long as it does.
class FeldZugang : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit FeldZugang(FeldBild* feld) : QAccessibleWidget(feld, QAccessible::Table) {}
    ~FeldZugang() override {
        for (const QAccessible::Id id : std::as_const(zellen_)) QAccessible::deleteAccessibleInterface(id);
    }

    FeldBild* feld() const { return static_cast<FeldBild*>(widget()); }
    int seite() const { return feld()->zellen().seite(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return seite() * seite(); }
    QAccessibleInterface* child(int index) const override {
        const int n = seite();
        return index >= 0 && index < n * n ? cellAt(index / n, index % n) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        auto* zelle = const_cast<QAccessibleInterface*>(kind)->tableCellInterface();
        if (!zelle || zelle->table() != this) return -1;
        return zelle->rowIndex() * seite() + zelle->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPointF p = feld()->nutzerVon(feld()->mapFromGlobal(QPoint(x, y)));
        const int n = seite();
        return cellAt(static_cast<int>(std::floor(p.y())) + n / 2, static_cast<int>(std::floor(p.x())) + n / 2);
    }
    QAccessibleInterface* focusChild() const override {
        const auto z = feld()->zellen().zeiger();
        if (!z || !feld()->hasFocus()) return nullptr;
        return cellAt(z->y() + seite() / 2, z->x() + seite() / 2);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override {
        const int n = seite();
        if (zeile < 0 || spalte < 0 || zeile >= n || spalte >= n) return nullptr;
        const int schluessel = zeile * 1000 + spalte;
        auto id = zellen_.constFind(schluessel);
        if (id == zellen_.cend())
            id = zellen_.insert(schluessel, QAccessible::registerAccessibleInterface(new ZellZugang(
                                                const_cast<FeldZugang*>(this), feld(), zeile, spalte)));
        return QAccessible::accessibleInterface(*id);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int spalte) const override { return QString::number(spalte - seite() / 2); }
    QString rowDescription(int zeile) const override { return QString::number(zeile - seite() / 2); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return seite(); }
    int rowCount() const override { return seite(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<int, QAccessible::Id> zellen_;  // by row * 1000 + column
};

bool ZellZugang::isValid() const {
    if (!feld_) return false;
    const int n = feld_->zellen().seite();
    return zeile_ < n && spalte_ < n;
}

QWindow* ZellZugang::window() const { return tabelle_->window(); }

QAccessibleInterface* ZellZugang::parent() const { return tabelle_; }

QAccessibleInterface* ZellZugang::table() const { return tabelle_; }

QString ZellZugang::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    const QPoint o = ort();
    if (t == QAccessible::Name) return zustandText(feld_->zellen().zustand(o.x(), o.y()));
    if (t == QAccessible::Description)
        return uebersetze(QT_TRANSLATE_NOOP("MorLix", "Spalte %1, Zeile %2")).arg(o.x()).arg(o.y());
    return {};
}

QRect ZellZugang::rect() const {
    if (!isValid()) return {};
    const QRect r = feld_->pixelVon(QRectF(ort(), QSizeF(1, 1)));
    return {feld_->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State ZellZugang::state() const {
    QAccessible::State s;
    s.focusable = true;
    if (!isValid()) return s;
    const auto z = feld_->zellen().zeiger();
    s.focused = feld_->hasFocus() && z && *z == ort();
    return s;
}

QAccessibleInterface* fabrik(const QString&, QObject* o) {
    auto* feld = qobject_cast<FeldBild*>(o);
    return feld && feld->zellen().seite ? new FeldZugang(feld) : nullptr;
}

}  // namespace

void richteZugangEin() { QAccessible::installFactory(fabrik); }

void benenne(QWidget* fenster) {
    QHash<const QWidget*, const QLabel*> etiketten;
    for (const QLabel* l : fenster->findChildren<QLabel*>())
        if (l->buddy()) etiketten.insert(l->buddy(), l);
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        const bool bedienbar = w->focusPolicy() != Qt::NoFocus || qobject_cast<FeldBild*>(w);
        if (w->window() == fenster && bedienbar && !w->objectName().startsWith(QLatin1String("qt_")))
            benenneTeil(fenster, w, etiketten.value(w));
    }
    // A part that hands the focus on (a view's viewport) speaks for the control it belongs to.
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        const QWidget* fuer = w->focusProxy();
        if (!fuer || w->window() != fenster || !w->accessibleName().isEmpty()) continue;
        w->setAccessibleName(fuer->accessibleName());
        w->setAccessibleDescription(fuer->accessibleDescription());
    }
}

void ordneTabFolge(const QList<QWidget*>& bereiche) {
    QWidget* vorher = nullptr;
    for (QWidget* bereich : bereiche) {
        QList<QWidget*> teile = bereich->findChildren<QWidget*>();
        teile.removeIf([](const QWidget* w) { return !erreichbar(w); });
        auto ort = [bereich](const QWidget* w) {
            const QPoint p = w->mapTo(bereich->window(), QPoint());
            return std::pair(p.y(), p.x());
        };
        std::stable_sort(teile.begin(), teile.end(),
                         [&](const QWidget* a, const QWidget* b) { return ort(a) < ort(b); });
        for (QWidget* w : std::as_const(teile)) {
            if (vorher) QWidget::setTabOrder(vorher, w);
            vorher = w;
        }
    }
}

void meldeZeiger(FeldBild* feld) {
    const auto z = feld->zellen().zeiger ? feld->zellen().zeiger() : std::nullopt;
    if (!z) return;
    const int n = feld->zellen().seite();
    QAccessibleEvent ereignis(feld, QAccessible::Focus);
    ereignis.setChild((z->y() + n / 2) * n + z->x() + n / 2);
    QAccessible::updateAccessibility(&ereignis);
}

QString zustandText(int zustand) {
    switch (zustand) {
        case 0: return uebersetze(QT_TRANSLATE_NOOP("MorLix", "leer"));
        case 2: return uebersetze(QT_TRANSLATE_NOOP("MorLix", "lebend, neu"));
        case 1: return uebersetze(QT_TRANSLATE_NOOP("MorLix", "lebend, 1 Generation alt"));
        case 3: return uebersetze(QT_TRANSLATE_NOOP("MorLix", "lebend, 2 oder mehr Generationen alt"));
        default: return uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zustand %1")).arg(zustand);
    }
}

QChar kuerzel(const QString& text) {
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
        if (text[k] != QLatin1Char('&')) continue;
        if (text[k + 1] != QLatin1Char('&')) return text[k + 1].toLower();
        ++k;
    }
    return {};
}

QString mitKuerzel(const QString& text, QString& belegt) {
    QString aus;
    bool gesetzt = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('&')) aus += QLatin1Char('&');
        if (!gesetzt && c.isLetterOrNumber() && !belegt.contains(c.toLower())) {
            aus += QLatin1Char('&');
            belegt += c.toLower();
            gesetzt = true;
        }
        aus += c;
    }
    return aus;
}

}  // namespace ui
