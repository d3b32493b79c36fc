#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "engine/zahltext.h"
#include "history/rueckblende.h"
#include "run/uhr.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

const QColor kRot(255, 0, 0);
const QColor kGelb(255, 255, 0);
const QColor kOrange(255, 128, 0);

constexpr char kTag[] = "Tag";

std::string text(const QLineEdit* feld) { return feld->text().toStdString(); }
QString qText(const std::string& s) { return QString::fromStdString(s); }
std::string tag(const QPushButton* knopf) { return knopf->property(kTag).toString().toStdString(); }

QPushButton* bildKnopf(QWidget* eltern, const QString& name, int links, QColor farbe, const QPixmap& bild) {
    QPushButton* k = knopf(eltern, name, QString(), links, 360, 552, 552);
    faerbe(k, farbe);
    k->setIcon(bild);
    k->setIconSize(QSize(tw(552) - 8, tw(552) - 8));
    return k;
}

QScrollBar* regler(QWidget* eltern, const QString& name, int links, int oben, int breite, int min, int max,
                   int wert) {
    auto* r = new QScrollBar(Qt::Horizontal, eltern);
    r->setObjectName(name);
    r->setRange(min, max);
    r->setSingleStep(1);
    r->setPageStep(1);
    r->setValue(wert);
    platziere(r, links, oben, breite, 240);
    return r;
}

}  // namespace

void frmVireo::baueUhr() {
    cmdLauf = bildKnopf(Picture1, QStringLiteral("cmdLauf"), 960, kRot, bild(Bild::Stoppuhr, {64, 64}));
    cmdLauf->setProperty(kTag, QStringLiteral("0"));
    connect(cmdLauf, &QPushButton::clicked, this, &frmVireo::cmdLauf_Click);
    Command2 = bildKnopf(Picture1, QStringLiteral("Command2"), 1764, kGelb, bild(Bild::HaltKreuz, {64, 64}));
    connect(Command2, &QPushButton::clicked, this, &frmVireo::Command2_Click);

    HScroll1 = regler(Picture1, QStringLiteral("HScroll1"), 960, 960, 972, run::reglerPosition(run::kReglerLinks),
                      run::reglerPosition(run::kReglerRechts), run::reglerPosition(run::kReglerStart));
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this] { HScroll1->isSliderDown() ? HScroll1_Scroll() : HScroll1_Change(); });
    Text5 = textfeld(Picture1, QStringLiteral("Text5"), QStringLiteral("75"), 1920, 960, 372, 288);
    beschriftung(Picture1, QStringLiteral("Label21"), QStringLiteral("schnell"), 1488, 1200, 804, 252);

    Text4 = textfeld(Picture1, QStringLiteral("Text4"), QStringLiteral("1"), 600, 2400, 372, 288);
    // A new n ends a tick that is still running in slices.
    connect(Text4, &QLineEdit::textChanged, this, [this] { zeitraffer_.abbrechen(); });
    Command8 = knopf(Picture1, QStringLiteral("Command8"), QStringLiteral("+1"), 240, 2400, 315, 195);
    Command9 = knopf(Picture1, QStringLiteral("Command9"), QStringLiteral("-1"), 240, 2640, 315, 195);
    for (QPushButton* k : {Command8, Command9}) faerbe(k, kOrange);
    connect(Command8, &QPushButton::clicked, this, &frmVireo::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frmVireo::Command9_Click);
    beschriftung(Picture1, QStringLiteral("Label8"), QStringLiteral("überspringen"), 1080, 2430, 1212, 252);

    // Precise, so that a 10 ms interval keeps its pace; a late tick is never followed by a burst.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmVireo::Timer1_Timer);
    Timer1->start();

    zeitrafferTakt_ = new QTimer(this);
    zeitrafferTakt_->setSingleShot(true);
    zeitrafferTakt_->setInterval(0);
    connect(zeitrafferTakt_, &QTimer::timeout, this, &frmVireo::zeitrafferWeiter);
}

void frmVireo::baueRueckblende() {
    Text6 = textfeld(Picture1, QStringLiteral("Text6"), QStringLiteral("0"), 240, 1560, 612, 312);
    Text6->setReadOnly(true);
    HScroll2 = regler(Picture1, QStringLiteral("HScroll2"), 960, 1560, 1212, 0, history::kGegenwart,
                      history::kGegenwart);
    connect(HScroll2, &QScrollBar::valueChanged, this,
            [this] { HScroll2->isSliderDown() ? HScroll2_Scroll() : HScroll2_Change(); });
    QLabel* label20 =
        beschriftung(Picture1, QStringLiteral("Label20"), QStringLiteral(" Rückblende bis -99"), 120, 1920, 1872, 312);
    // The clear button covers the label's right end: the caption has to end before it.
    QFont schrift = label20->font();
    while (QFontMetrics(schrift).horizontalAdvance(label20->text()) > tw(1800 - 120) && schrift.pointSizeF() > 6)
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    label20->setFont(schrift);
    Command11 = knopf(Picture1, QStringLiteral("Command11"), QStringLiteral("x"), 1800, 1920, 372, 252);
    faerbe(Command11, kRot, Qt::white);
    connect(Command11, &QPushButton::clicked, this, &frmVireo::Command11_Click);
}

void frmVireo::cmdLauf_Click() {
    cmdLauf->setProperty(kTag, qText(run::umgeschaltet(tag(cmdLauf))));
    if (!run::laeuft(tag(cmdLauf))) zeitraffer_.abbrechen();
}

void frmVireo::Command2_Click() {
    txtSchritt->setText(qText(engine::zahlText(0)));
    cmdLauf->setProperty(kTag, QStringLiteral("0"));
    zeitraffer_.abbrechen();
}

void frmVireo::Timer1_Timer() {
    if (!run::laeuft(tag(cmdLauf))) return;
    if (zeitraffer_.rest() > 0) return;  // the previous tick is still at work
    zeitraffer_.beginne(run::generationenJeTakt(text(Text4)));
    zeitrafferWeiter();
}

void frmVireo::zeitrafferWeiter() {
    if (!run::laeuft(tag(cmdLauf))) {
        zeitraffer_.abbrechen();
        return;
    }
    const long long k =
        zeitraffer_.scheibe(*welt_, regel(), rand(), [this](const engine::Welt& w) { periodensuche_.nachSchritt(w); });
    if (k == 0) return;
    zeigeBefund();
    txtSchritt->setText(qText(run::zaehlerNach(text(txtSchritt), k)));
    zeichneFeld(welt_->feldGroesse);
    if (zeitraffer_.rest() > 0) zeitrafferTakt_->start();
}

void frmVireo::HScroll1_Change() {
    const int wert = run::reglerWert(HScroll1->value());
    Timer1->setInterval(run::intervallMs(wert));
    Text5->setText(qText(run::tempoText(wert)));
    zeigeHilfe(QStringLiteral("dt"));
}

void frmVireo::HScroll1_Scroll() { HScroll1_Change(); }

void frmVireo::Command8_Click() {
    if (const auto neu = run::plusEins(text(Text4))) Text4->setText(qText(*neu));
}

void frmVireo::Command9_Click() {
    if (const auto neu = run::minusEins(text(Text4))) Text4->setText(qText(*neu));
}

void frmVireo::HScroll2_Change() {
    if (run::laeuft(tag(cmdLauf))) {
        HScroll2->setValue(history::kGegenwart);
        return;
    }
    const int v = HScroll2->value();
    rueckIndex = history::zurueckblicken(*welt_, v);
    Text6->setText(qText(history::tiefeText(v)));
    neuerLauf();
    zeichneFeld(welt_->feldGroesse);
}

void frmVireo::HScroll2_Scroll() { HScroll2_Change(); }

void frmVireo::Command11_Click() {
    welt_->loescheGedaechtnis();
    neuerLauf();
    // Only a real change of the slider runs the look-back and so empties the world.
    HScroll2->setValue(history::kGegenwart);
}

}  // namespace ui
