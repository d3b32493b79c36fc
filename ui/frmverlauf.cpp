#include "ui/frmverlauf.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "history/zeitreihe.h"
#include "ui/dialoge.h"
#include "ui/sprache.h"
#include "ui/zugang.h"
#include "werkbank/werkbank.h"

namespace ui {

frmVerlauf::frmVerlauf(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* eltern)
    : QWidget(eltern, Qt::Window), modell_(modell), dialoge_(dialoge) {
    setObjectName(QStringLiteral("frmVerlauf"));
    beschrifte(this, QT_TRANSLATE_NOOP("MorLix", "Verlauf"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 420);

    diagramm_ = new QChart;
    auto reihe = [this](QLineSeries* s, QColor farbe, qreal breite) {
        s->setPen(QPen(farbe, breite));
        diagramm_->addSeries(s);
        return s;
    };
    // Births and deaths are mostly alike: thin and half transparent, they read as one band.
    lebende_ = reihe(new QLineSeries, QColor(0, 0, 150), 2);
    geburten_ = reihe(new QLineSeries, QColor(0, 150, 0, 150), 1);
    tode_ = reihe(new QLineSeries, QColor(200, 0, 0, 150), 1);
    periode_ = new QScatterSeries;
    periode_->setMarkerSize(9);
    periode_->setColor(QColor(255, 160, 0));
    diagramm_->addSeries(periode_);
    achseX_ = new QCategoryAxis;
    achseX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    achseY_ = new QValueAxis;
    achseY_->setLabelFormat(QStringLiteral("%.0f"));
    diagramm_->addAxis(achseX_, Qt::AlignBottom);
    diagramm_->addAxis(achseY_, Qt::AlignLeft);
    for (QAbstractSeries* s : diagramm_->series()) {
        s->attachAxis(achseX_);
        s->attachAxis(achseY_);
    }
    diagramm_->legend()->setAlignment(Qt::AlignBottom);
    beschrifteDiagramm();

    auto* ansicht = new QChartView(diagramm_, this);
    ansicht->setObjectName(QStringLiteral("diaVerlauf"));
    ansicht->setRenderHint(QPainter::Antialiasing);
    auto* knopf = new QPushButton(this);
    beschrifte(knopf, QT_TRANSLATE_NOOP("MorLix", "Verlauf &speichern…"));
    knopf->setObjectName(QStringLiteral("cmdVerlaufSpeichern"));
    connect(knopf, &QPushButton::clicked, this, &frmVerlauf::speichern);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(ansicht);
    anordnung->addWidget(knopf, 0, Qt::AlignRight);

    takt_ = new QTimer(this);
    takt_->setSingleShot(true);
    takt_->setInterval(100);
    connect(takt_, &QTimer::timeout, this, &frmVerlauf::zeichne);
    zeichne();
    benenne(this);
}

void frmVerlauf::showEvent(QShowEvent*) { zeichne(); }

void frmVerlauf::beschrifteDiagramm() {
    lebende_->setName(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Lebend")));
    geburten_->setName(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Geburten")));
    tode_->setName(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Tode")));
    periode_->setName(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Periode gefunden")));
    achseX_->setTitleText(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Generation des Laufs, darunter der Zähler")));
    achseY_->setTitleText(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zellen")));
}

void frmVerlauf::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() != QEvent::LanguageChange) return;
    beschrifteDiagramm();
    benenne(this);
    if (isVisible()) zeichne();
}

void frmVerlauf::zeige(std::uint32_t was) {
    if (!(was & (werkbank::kZellen | werkbank::kBefund)) || !isVisible() || takt_->isActive()) return;
    takt_->start();
}

namespace {

/// The points of one count, in `aus`: every generation, or, `jeSpalte` generations to a pixel
/// column, only each column's lowest and highest in their order.
void punkte(const history::Zeitreihe& reihe, std::int32_t history::Messpunkt::*wert, int jeSpalte,
            QList<QPointF>& aus) {
    aus.clear();
    for (int von = 0; von < reihe.groesse(); von += jeSpalte) {
        const int bis = std::min(von + jeSpalte, reihe.groesse());
        int tief = von, hoch = von;
        for (int i = von + 1; i < bis; ++i) {
            if (reihe[i].*wert < reihe[tief].*wert) tief = i;
            if (reihe[i].*wert > reihe[hoch].*wert) hoch = i;
        }
        for (int i : {std::min(tief, hoch), std::max(tief, hoch)}) {
            aus.append({double(reihe[i].generation), double(reihe[i].*wert)});
            if (tief == hoch) break;
        }
    }
}

}  // namespace

void frmVerlauf::zeichne() {
    const history::Zeitreihe& reihe = modell_.zeitreihe();
    const int n = reihe.groesse();
    const int spalten = std::max(100, int(diagramm_->plotArea().width()));
    const int jeSpalte = n > 2 * spalten ? (n + spalten - 1) / spalten : 1;
    QList<QPointF> l, g, t;
    punkte(reihe, &history::Messpunkt::lebende, jeSpalte, l);
    punkte(reihe, &history::Messpunkt::geburten, jeSpalte, g);
    punkte(reihe, &history::Messpunkt::tode, jeSpalte, t);
    double hoechste = 1;
    for (const QList<QPointF>* reihePunkte : {&l, &g, &t})
        for (const QPointF& p : *reihePunkte) hoechste = std::max(hoechste, p.y());
    lebende_->replace(l);
    geburten_->replace(g);
    tode_->replace(t);
    const int gefunden = reihe.periodeGefunden();
    if (gefunden >= 0)
        periode_->replace({{double(reihe[gefunden].generation), double(reihe[gefunden].lebende)}});
    else
        periode_->clear();

    const double von = n ? double(reihe[0].generation) : 0;
    const double bis = n ? double(reihe[n - 1].generation) : 1;
    const std::vector<history::Achsenmarke> marken = reihe.achsenMarken(8);
    QStringList texte;
    for (const history::Achsenmarke& m : marken)
        texte.append(QString::number(m.generation) + QStringLiteral("<br>") + QString::fromStdString(m.zaehler));
    // Laying out the axis anew costs more than drawing the lines: only when its marks change.
    if (texte != achseX_->categoriesLabels()) {
        for (const QString& alt : achseX_->categoriesLabels()) achseX_->remove(alt);
        achseX_->setStartValue(von - 1);
        for (std::size_t k = 0; k < marken.size(); ++k)
            achseX_->append(texte[qsizetype(k)], double(marken[k].generation));
    }
    achseX_->setRange(von, std::max(bis, von + 1));
    achseY_->setRange(0, hoechste * 1.05);
    achseY_->applyNiceNumbers();
    QString titel = QString::fromStdString(texte::befund(modell_.sprache(), modell_.befund()));
    if (reihe.gekuerzt()) {
        const QLocale hier;
        titel += uebersetze(QT_TRANSLATE_NOOP("MorLix", " – gezeigt die letzten %1 von %2 Generationen des Laufs"))
                     .arg(hier.toString(history::kZeitreihenLaenge), hier.toString(reihe.laenge() + 1));
    }
    if (titel != diagramm_->title()) diagramm_->setTitle(titel);
}

void frmVerlauf::speichern() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Verlauf speichern"));
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), dateiName_.isEmpty() ? QStringLiteral("Verlauf.csv") : dateiName_,
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "CSV-Tabellen (*.csv);;Alle Dateien (*)")));
    if (!pfad) return;
    dateiName_ = *pfad;
    const werkbank::Meldung m = modell_.speichereVerlauf(QFile::encodeName(*pfad).toStdString());
    if (m) dialoge_.warnung(this, titel, QString::fromStdString(m.text(modell_.sprache())));
}

}  // namespace ui
