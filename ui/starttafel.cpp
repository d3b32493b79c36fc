#include "ui/starttafel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "history/rueckblende.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

const QColor kRot(255, 0, 0);
const QColor kGelb(255, 255, 0);
const QColor kOrange(255, 128, 0);

QPushButton* bildKnopf(QWidget* eltern, const char* name, int links, QColor farbe, const QPixmap& bild) {
    QPushButton* k = knopf(eltern, QString::fromLatin1(name), nullptr, links, 360, 552, 552);
    faerbe(k, farbe);
    k->setIcon(bild);
    k->setIconSize(QSize(tw(552) - 8, tw(552) - 8));
    return k;
}

QScrollBar* regler(QWidget* eltern, const char* name, int links, int oben, int breite, int min, int max) {
    auto* r = new QScrollBar(Qt::Horizontal, eltern);
    r->setObjectName(QString::fromLatin1(name));
    r->setRange(min, max);
    r->setSingleStep(1);
    r->setPageStep(1);
    // Reached by Tab, where the arrow keys move it; a click leaves the keyboard where it was.
    r->setFocusPolicy(Qt::TabFocus);
    platziere(r, links, oben, breite, 240);
    return r;
}

void setzeWert(QScrollBar* regler, int wert) {
    const QSignalBlocker ruhe(regler);
    regler->setValue(wert);
}

}  // namespace

StartTafel::StartTafel(werkbank::Werkbank& modell, QWidget* bedienfeld)
    : Tafel(modell, bedienfeld, "startTafel", 0, 0, 2412, 2880) {
    balken(this, QStringLiteral("Label3"), QT_TRANSLATE_NOOP("MorLix", "Start"), 0, 0, 2412, 252, QColor(200, 0, 0));
    QPushButton* einzelschritt = bildKnopf(this, "cmdEinzelschritt", 120, kRot, bild(Bild::Einzelschritt, {64, 64}));
    QPushButton* lauf = bildKnopf(this, "cmdLauf", 960, kRot, bild(Bild::Stoppuhr, {64, 64}));
    QPushButton* halt = bildKnopf(this, "Command2", 1764, kGelb, bild(Bild::HaltKreuz, {64, 64}));
    connect(einzelschritt, &QPushButton::clicked, this, [this] { modell_.einzelschritt(); });
    connect(lauf, &QPushButton::clicked, this, [this] { modell_.laufUmschalten(); });
    connect(halt, &QPushButton::clicked, this, [this] { modell_.anhaltenUndNull(); });

    zaehler_ = textfeld(this, QStringLiteral("txtSchritt"), QString(), 120, 960, 732, 384);
    connect(zaehler_, &QLineEdit::textEdited, this,
            [this](const QString& text) { modell_.setzeZaehlerText(text.toStdString()); });

    // A toolkit slider grows to the right; this one carries 101 - value.
    tempoRegler_ = regler(this, "HScroll1", 960, 960, 972, run::reglerPosition(run::kReglerLinks),
                          run::reglerPosition(run::kReglerRechts));
    connect(tempoRegler_, &QScrollBar::valueChanged, this, &StartTafel::tempoGeaendert);
    tempoAnzeige_ = textfeld(this, QStringLiteral("Text5"), QString(), 1920, 960, 372, 288);
    tempoAnzeige_->setReadOnly(true);
    beschriftung(this, QStringLiteral("Label21"), QT_TRANSLATE_NOOP("MorLix", "schnell"), 1488, 1200, 804, 252);

    tiefe_ = textfeld(this, QStringLiteral("Text6"), QString(), 240, 1560, 612, 312);
    tiefe_->setReadOnly(true);
    rueckblickRegler_ = regler(this, "HScroll2", 960, 1560, 1212, 0, history::kGegenwart);
    connect(rueckblickRegler_, &QScrollBar::valueChanged, this, [this](int v) { modell_.rueckblick(v); });
    QLabel* rueckblende = beschriftung(this, QStringLiteral("Label20"),
                                       QT_TRANSLATE_NOOP("MorLix", " Rüc&kblende bis -99"), 120, 1920, 1872, 312);
    rueckblende->setBuddy(rueckblickRegler_);
    // The clear button covers the label's right end: the caption has to end before it.
    passeEin(rueckblende, tw(1800 - 120));
    QPushButton* vergessen = knopf(this, QStringLiteral("Command11"), "x", 1800, 1920, 372, 252);
    faerbe(vergessen, kRot, Qt::white);
    connect(vergessen, &QPushButton::clicked, this, [this] { modell_.gedaechtnisLoeschen(); });

    generationen_ = textfeld(this, QStringLiteral("Text4"), QString(), 600, 2400, 372, 288);
    connect(generationen_, &QLineEdit::textEdited, this,
            [this](const QString& text) { modell_.setzeGenerationenText(text.toStdString()); });
    QPushButton* plus = knopf(this, QStringLiteral("Command8"), "+1", 240, 2400, 315, 195);
    QPushButton* minus = knopf(this, QStringLiteral("Command9"), "-1", 240, 2640, 315, 195);
    faerbe(plus, kOrange);
    faerbe(minus, kOrange);
    connect(plus, &QPushButton::clicked, this, [this] { modell_.generationenPlus(); });
    connect(minus, &QPushButton::clicked, this, [this] { modell_.generationenMinus(); });
    beschriftung(this, QStringLiteral("Label8"), QT_TRANSLATE_NOOP("MorLix", "übers&pringen"), 1080, 2430, 1212, 252)
        ->setBuddy(generationen_);

    QPushButton* beispiele = knopf(this, QStringLiteral("Command5"), nullptr, 1980, 0, 432, 252);
    beispiele->setIcon(bild(Bild::PanelAuf, beispiele->size() - QSize(4, 2)));
    beispiele->setIconSize(beispiele->size() - QSize(4, 2));
    connect(beispiele, &QPushButton::clicked, this, &StartTafel::beispieleZeigen);

    // Precise, so that a 10 ms interval keeps its pace; a late tick is never followed by a burst.
    uhr_ = new QTimer(this);
    uhr_->setObjectName(QStringLiteral("Timer1"));
    uhr_->setTimerType(Qt::PreciseTimer);
    connect(uhr_, &QTimer::timeout, this, &StartTafel::takt);
    scheibenTakt_ = new QTimer(this);
    scheibenTakt_->setSingleShot(true);
    scheibenTakt_->setInterval(0);
    connect(scheibenTakt_, &QTimer::timeout, this, &StartTafel::taktWeiter);

    zeige(werkbank::kAlles);
    uhr_->start();
}

void StartTafel::takt() {
    if (modell_.takt()) scheibenTakt_->start();
}

void StartTafel::taktWeiter() {
    if (modell_.taktWeiter()) scheibenTakt_->start();
}

void StartTafel::tempoGeaendert(int position) {
    modell_.setzeTempo(run::reglerWert(position));
    emit hilfe(QStringLiteral("dt"));
}

void StartTafel::zeige(std::uint32_t was) {
    if (was & werkbank::kZaehler) setzeText(zaehler_, modell_.zaehlerText());
    if (was & werkbank::kGenerationen) setzeText(generationen_, modell_.generationenText());
    if (was & werkbank::kUhr) {
        setzeWert(tempoRegler_, run::reglerPosition(modell_.tempo()));
        setzeText(tempoAnzeige_, modell_.tempoText());
        if (uhr_->interval() != modell_.intervallMs()) uhr_->setInterval(modell_.intervallMs());
    }
    if (was & werkbank::kRueckblick) {
        setzeWert(rueckblickRegler_, modell_.rueckblickWert());
        setzeText(tiefe_, modell_.tiefeText());
    }
}

}  // namespace ui
