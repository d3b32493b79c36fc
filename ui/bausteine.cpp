#include "ui/bausteine.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "ui/sprache.h"
#include "ui/widgets.h"

namespace ui {

QString indexName(const char* name, int index) { return QStringLiteral("%1_%2").arg(name).arg(index); }

int tw(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

namespace {

constexpr char kUrsprung[] = "ursprungTwips";

// Undo and redo keys that a text box has no use for, because it has nothing of its own to undo
// or redo, are left to the window's shortcuts: the world's history.
class FreieRuecknahme : public QObject {
public:
    explicit FreieRuecknahme(QLineEdit* feld) : QObject(feld), feld_(feld) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            auto* taste = static_cast<QKeyEvent*>(e);
            const bool zurueck = taste->matches(QKeySequence::Undo);
            const bool vor = taste->matches(QKeySequence::Redo) ||
                             taste->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
            if ((zurueck && !feld_->isUndoAvailable()) || (vor && !feld_->isRedoAvailable())) {
                e->ignore();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QLineEdit* feld_;
};

}  // namespace

void platziere(QWidget* w, int links, int oben, int breite, int hoehe) {
    // Pixels are rounded in the area's coordinates, so a control sits where it would without the panel.
    const QPoint ursprung = w->parentWidget() ? w->parentWidget()->property(kUrsprung).toPoint() : QPoint();
    w->setGeometry(tw(links) - tw(ursprung.x()), tw(oben) - tw(ursprung.y()), tw(links + breite) - tw(links),
                   tw(oben + hoehe) - tw(oben));
}

void setzeUrsprung(QWidget* tafel, int links, int oben) { tafel->setProperty(kUrsprung, QPoint(links, oben)); }

void setzeText(QLineEdit* feld, const std::string& text) {
    const QString neu = QString::fromStdString(text);
    if (feld->text() != neu) feld->setText(neu);
}

void faerbe(QWidget* w, QColor hintergrund, QColor text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::Button, hintergrund);
    p.setColor(QPalette::Base, hintergrund);
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::ButtonText, text);
        p.setColor(QPalette::Text, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLabel* beschriftung(QWidget* eltern, const QString& name, const char* text, int links,
                     int oben, int breite, int hoehe) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    beschrifte(l, text);
    platziere(l, links, oben, breite, hoehe);
    return l;
}

void passeEin(QLabel* l, int platz) {
    QFont schrift = l->font();
    // A label that names an input shows its shortcut letter underlined, without the "&".
    const QString text = l->buddy() ? QString(l->text()).remove(QLatin1Char('&')) : l->text();
    while (schrift.pixelSize() > 8 && QFontMetrics(schrift).horizontalAdvance(text) > platz)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    l->setFont(schrift);
}

QLabel* balken(QWidget* eltern, const QString& name, const char* text, int links, int oben,
               int breite, int hoehe, QColor farbe) {
    QLabel* l = beschriftung(eltern, name, text, links, oben, breite, hoehe);
    faerbe(l, farbe, Qt::white);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const char* text, int links, int oben,
                   int breite, int hoehe) {
    auto* k = new QPushButton(eltern);
    k->setObjectName(name);
    beschrifte(k, text);
    // Reached by Tab; a click must not take the keyboard from the field and the window.
    k->setFocusPolicy(Qt::TabFocus);
    platziere(k, links, oben, breite, hoehe);
    return k;
}

QLineEdit* textfeld(QWidget* eltern, const QString& name, const QString& text, int links, int oben,
                    int breite, int hoehe) {
    auto* t = new QLineEdit(text, eltern);
    t->setObjectName(name);
    t->setTextMargins(0, 0, 0, 0);
    t->installEventFilter(new FreieRuecknahme(t));
    platziere(t, links, oben, breite, hoehe);
    return t;
}

QCheckBox* kaestchen(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe) {
    auto* k = new QCheckBox(eltern);
    k->setObjectName(name);
    // A click must not take the keyboard: Space and Return keep their meaning for the window.
    k->setFocusPolicy(Qt::TabFocus);
    platziere(k, links, oben, breite, hoehe);
    return k;
}

QRadioButton* optionsfeld(QWidget* eltern, const QString& name, const char* text, int links,
                          int oben, int breite, int hoehe) {
    auto* o = new QRadioButton(eltern);
    o->setObjectName(name);
    beschrifte(o, text);
    o->setFocusPolicy(Qt::TabFocus);
    platziere(o, links, oben, breite, hoehe);
    return o;
}

}  // namespace ui
