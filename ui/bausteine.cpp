#include "ui/bausteine.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "ui/qtzeichenflaeche.h"

namespace ui {

QString indexName(const char* name, int index) { return QStringLiteral("%1_%2").arg(name).arg(index); }

int tw(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

void platziere(QWidget* w, int links, int oben, int breite, int hoehe) {
    w->setGeometry(tw(links), tw(oben), tw(links + breite) - tw(links), tw(oben + hoehe) - tw(oben));
}

QColor qFarbe(view::Farbe farbe) { return QColor::fromRgb(aufloesen(farbe)); }

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

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, int links,
                     int oben, int breite, int hoehe) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    platziere(l, links, oben, breite, hoehe);
    return l;
}

QLabel* balken(QWidget* eltern, const QString& name, const QString& text, int links, int oben,
               int breite, int hoehe, QColor farbe) {
    QLabel* l = beschriftung(eltern, name, text, links, oben, breite, hoehe);
    faerbe(l, farbe, Qt::white);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int links, int oben,
                   int breite, int hoehe) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setFocusPolicy(Qt::NoFocus);
    platziere(k, links, oben, breite, hoehe);
    return k;
}

QLineEdit* textfeld(QWidget* eltern, const QString& name, const QString& text, int links, int oben,
                    int breite, int hoehe) {
    auto* t = new QLineEdit(text, eltern);
    t->setObjectName(name);
    t->setTextMargins(0, 0, 0, 0);
    platziere(t, links, oben, breite, hoehe);
    return t;
}

QCheckBox* kaestchen(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe) {
    auto* k = new QCheckBox(eltern);
    k->setObjectName(name);
    platziere(k, links, oben, breite, hoehe);
    return k;
}

QRadioButton* optionsfeld(QWidget* eltern, const QString& name, const QString& text, int links,
                          int oben, int breite, int hoehe) {
    auto* o = new QRadioButton(text, eltern);
    o->setObjectName(name);
    platziere(o, links, oben, breite, hoehe);
    return o;
}

}  // namespace ui
