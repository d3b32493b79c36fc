#include "ui/frmverlauf.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "history/zeitreihe.h"
#include "ui/dialoge.h"
#include "werkbank/werkbank.h"

namespace ui {

frmVerlauf::frmVerlauf(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* eltern)
    : QWidget(eltern, Qt::Window), modell_(modell), dialoge_(dialoge) {
    setObjectName(QStringLiteral("frmVerlauf"));
    setWindowTitle(QStringLiteral("Verlauf"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 420);

    diagramm_ = new QChart;
    auto reihe = [this](QLineSeries* s, const QString& name, QColor farbe, qreal breite) {
        s->setName(name);
        s->setPen(QPen(farbe, breite));
        diagramm_->addSeries(s);
        return s;
    };
    // Births and deaths are mostly alike: thin and half transparent, they read as one band.
    lebende_ = reihe(new QLineSeries, QStringLiteral("Lebend"), QColor(0, 0, 150), 2);
    geburten_ = reihe(new QLineSeries, QStringLiteral("Geburten"), QColor(0, 150, 0, 150), 1);
    tode_ = reihe(new QLineSeries, QStringLiteral("Tode"), QColor(200, 0, 0, 150), 1);
    periode_ = new QScatterSeries;
    periode_->setName(QStringLiteral("Periode gefunden"));
    periode_->setMarkerSize(9);
    periode_->setColor(QColor(255, 160, 0));
    diagramm_->addSeries(periode_);
    achseX_ = new QValueAxis;
    achseX_->setTitleText(QStringLiteral("Generation"));
    achseX_->setLabelFormat(QStringLiteral("%.0f"));
    achseY_ = new QValueAxis;
    achseY_->setTitleText(QStringLiteral("Zellen"));
    achseY_->setLabelFormat(QStringLiteral("%.0f"));
    diagramm_->addAxis(achseX_, Qt::AlignBottom);
    diagramm_->addAxis(achseY_, Qt::AlignLeft);
    for (QAbstractSeries* s : diagramm_->series()) {
        s->attachAxis(achseX_);
        s->attachAxis(achseY_);
    }
    diagramm_->legend()->setAlignment(Qt::AlignBottom);

    auto* ansicht = new QChartView(diagramm_, this);
    ansicht->setRenderHint(QPainter::Antialiasing);
    auto* knopf = new QPushButton(QStringLiteral("Verlauf speichern…"), this);
    knopf->setObjectName(QStringLiteral("cmdVerlaufSpeichern"));
    connect(knopf, &QPushButton::clicked, this, &frmVerlauf::speichern);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(ansicht);
    anordnung->addWidget(knopf, 0, Qt::AlignRight);

    takt_ = new QTimer(this);
    takt_->setSingleShot(true);
    takt_->setInterval(50);
    connect(takt_, &QTimer::timeout, this, &frmVerlauf::zeichne);
    zeichne();
}

void frmVerlauf::showEvent(QShowEvent*) { zeichne(); }

void frmVerlauf::zeige(std::uint32_t was) {
    if (!(was & (werkbank::kZellen | werkbank::kBefund)) || !isVisible() || takt_->isActive()) return;
    takt_->start();
}

void frmVerlauf::zeichne() {
    const history::Zeitreihe& reihe = modell_.zeitreihe();
    QList<QPointF> l, g, t, p;
    l.reserve(reihe.groesse());
    g.reserve(reihe.groesse());
    t.reserve(reihe.groesse());
    double hoechste = 1;
    int periode = 0;
    for (int i = 0; i < reihe.groesse(); ++i) {
        const history::Messpunkt& m = reihe[i];
        l.append({m.generation, double(m.lebende)});
        g.append({m.generation, double(m.geburten)});
        t.append({m.generation, double(m.tode)});
        hoechste = std::max({hoechste, double(m.lebende), double(m.geburten), double(m.tode)});
        // The first generation of the newest stretch with one period is where it was found.
        if (m.periode > 0 && m.periode != periode) p = {{m.generation, double(m.lebende)}};
        if (m.periode >= 0) periode = m.periode;
    }
    lebende_->replace(l);
    geburten_->replace(g);
    tode_->replace(t);
    periode_->replace(periode > 0 ? p : QList<QPointF>());
    const double von = reihe.groesse() ? reihe[0].generation : 0;
    const double bis = reihe.groesse() ? reihe[reihe.groesse() - 1].generation : 1;
    achseX_->setRange(von, std::max(bis, von + 1));
    achseY_->setRange(0, hoechste * 1.05);
    achseY_->applyNiceNumbers();
    diagramm_->setTitle(QString::fromStdString(history::befundText(modell_.befund())));
}

void frmVerlauf::speichern() {
    const QString titel = QStringLiteral("Verlauf speichern");
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), dateiName_.isEmpty() ? QStringLiteral("Verlauf.csv") : dateiName_,
        QStringLiteral("CSV-Tabellen (*.csv);;Alle Dateien (*)"));
    if (!pfad) return;
    dateiName_ = *pfad;
    const werkbank::Meldung m = modell_.speichereVerlauf(QFile::encodeName(*pfad).toStdString());
    if (m) dialoge_.warnung(this, titel, QString::fromStdString(m.text));
}

}  // namespace ui
