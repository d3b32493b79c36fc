#include "ui/frmzensus.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/dialoge.h"
#include "ui/sprache.h"
#include "ui/zugang.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

enum Spalte { kBild, kObjekt, kArt, kAnzahl, kJeSuppe, kSpalten };
constexpr int kBildSeite = 40;  // pixels of an object's picture, at most
constexpr int kFortschrittStufen = 1000;
constexpr int kSpracheRolle = Qt::UserRole + 1;  // of an object's name and kind as shown

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

/// A label of the form whose caption follows the language, naming `feld` if any.
QLabel* zeile(QWidget* eltern, const char* quelle, QWidget* feld) {
    auto* l = new QLabel(eltern);
    beschrifte(l, quelle);
    l->setBuddy(feld);
    return l;
}

/// "0:42" or "1:02:03".
QString dauerText(double sekunden) {
    const long long s = std::llround(sekunden);
    const QString ms = QStringLiteral("%1:%2").arg(s / 60 % 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return s < 3600 ? ms : QStringLiteral("%1:%2").arg(s / 3600).arg(ms.rightJustified(5, QLatin1Char('0')));
}

}  // namespace

frmZensus::frmZensus(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* eltern)
    : QWidget(eltern, Qt::Window), modell_(modell), dialoge_(dialoge) {
    setObjectName(QStringLiteral("frmZensus"));
    beschrifte(this, QT_TRANSLATE_NOOP("MorLix", "Zensus"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 620);

    regel_ = new QLabel(this);
    regel_->setObjectName(QStringLiteral("lblZensusRegel"));
    regel_->setWordWrap(true);
    suppen_ = new QSpinBox(this);
    suppen_->setObjectName(QStringLiteral("txtZensusSuppen"));
    suppen_->setRange(1, 1'000'000'000);
    suppen_->setValue(10'000);
    suppen_->setGroupSeparatorShown(true);
    wurzel_ = new QLineEdit(this);
    wurzel_->setObjectName(QStringLiteral("txtZensusWurzel"));
    start_ = new QPushButton(this);
    beschrifte(start_, QT_TRANSLATE_NOOP("MorLix", "&Start"));
    start_->setObjectName(QStringLiteral("cmdZensusStart"));
    stopp_ = new QPushButton(this);
    beschrifte(stopp_, QT_TRANSLATE_NOOP("MorLix", "St&opp"));
    stopp_->setObjectName(QStringLiteral("cmdZensusStopp"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(start_);
    knoepfe->addWidget(stopp_);
    knoepfe->addStretch();
    auto* form = new QFormLayout;
    form->addRow(zeile(this, QT_TRANSLATE_NOOP("MorLix", "Es gilt:"), nullptr), regel_);
    form->addRow(zeile(this, QT_TRANSLATE_NOOP("MorLix", "Su&ppen:"), suppen_), suppen_);
    form->addRow(zeile(this, QT_TRANSLATE_NOOP("MorLix", "&Wurzel:"), wurzel_), wurzel_);
    form->addRow(knoepfe);

    kopf_ = new QLabel(this);
    kopf_->setObjectName(QStringLiteral("lblZensusKopf"));
    kopf_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("prgZensus"));
    fortschritt_->setRange(0, kFortschrittStufen);
    fortschritt_->setValue(0);
    tempo_ = new QLabel(this);
    tempo_->setObjectName(QStringLiteral("lblZensusTempo"));

    tabelle_ = new QTableWidget(0, kSpalten, this);
    tabelle_->setObjectName(QStringLiteral("tblZensus"));
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setIconSize(QSize(kBildSeite, kBildSeite));
    tabelle_->verticalHeader()->setDefaultSectionSize(kBildSeite + 6);
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setSectionResizeMode(kObjekt, QHeaderView::Stretch);
    tabelle_->setColumnWidth(kBild, kBildSeite + 12);

    suppe_ = new QPushButton(this);
    suppe_->setObjectName(QStringLiteral("cmdSuppeZeigen"));
    beschrifte(suppe_, QT_TRANSLATE_NOOP("MorLix", "Suppe &zeigen"));
    auto* speichern = new QPushButton(this);
    speichern->setObjectName(QStringLiteral("cmdZensusSpeichern"));
    beschrifte(speichern, QT_TRANSLATE_NOOP("MorLix", "Zensus sp&eichern…"));
    beschrifteUebrige();
    auto* unten = new QHBoxLayout;
    unten->addWidget(suppe_);
    unten->addStretch();
    unten->addWidget(speichern);

    auto* anordnung = new QVBoxLayout(this);
    anordnung->addLayout(form);
    anordnung->addWidget(kopf_);
    anordnung->addWidget(fortschritt_);
    anordnung->addWidget(tempo_);
    anordnung->addWidget(tabelle_, 1);
    anordnung->addLayout(unten);

    connect(start_, &QPushButton::clicked, this, &frmZensus::starten);
    connect(stopp_, &QPushButton::clicked, this, &frmZensus::anhalten);
    // A double click, or Return on the chosen line.
    connect(tabelle_, &QTableWidget::activated, this, [this](const QModelIndex& i) { objektEinfuegen(i.row()); });
    connect(suppe_, &QPushButton::clicked, this, &frmZensus::suppeZeigen);
    connect(speichern, &QPushButton::clicked, this, &frmZensus::speichern);
    takt_ = new QTimer(this);
    takt_->setInterval(250);
    connect(takt_, &QTimer::timeout, this, &frmZensus::aktualisiere);
    zeige(werkbank::kRegel);
    aktualisiere();
    benenne(this);
}

void frmZensus::zeige(std::uint32_t was) {
    if (was & (werkbank::kRegel | werkbank::kMaske | werkbank::kSprache))
        regel_->setText(QString::fromStdString(modell_.regelBeschreibung(modell_.sprache())));
}

void frmZensus::beschrifteUebrige() {
    wurzel_->setPlaceholderText(uebersetze(QT_TRANSLATE_NOOP("MorLix", "leer: eine neue Wurzel")));
    tabelle_->setHorizontalHeaderLabels({QString(), uebersetze(QT_TRANSLATE_NOOP("MorLix", "Objekt")),
                                         uebersetze(QT_TRANSLATE_NOOP("MorLix", "Art")),
                                         uebersetze(QT_TRANSLATE_NOOP("MorLix", "Anzahl")),
                                         uebersetze(QT_TRANSLATE_NOOP("MorLix", "je Suppe"))});
    tabelle_->setToolTip(uebersetze(
        QT_TRANSLATE_NOOP("MorLix", "Doppelklick oder Eingabetaste fügt das Objekt in die Mitte des Feldes ein")));
    suppe_->setToolTip(uebersetze(
        QT_TRANSLATE_NOOP("MorLix", "Die erste Suppe, die das gewählte Objekt brachte, in die Mitte des leeren Feldes")));
}

void frmZensus::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() != QEvent::LanguageChange) return;
    beschrifteUebrige();
    benenne(this);
    aktualisiere();
}

void frmZensus::showEvent(QShowEvent*) { aktualisiere(); }

void frmZensus::hideEvent(QHideEvent*) { takt_->stop(); }

void frmZensus::melde(const QString& titel, const werkbank::Meldung& meldung) {
    if (meldung) dialoge_.warnung(this, titel, QString::fromStdString(meldung.text(modell_.sprache())));
}

void frmZensus::starten() {
    const werkbank::Meldung m =
        modell_.zensusStarten(static_cast<std::uint64_t>(suppen_->value()), wurzel_->text().trimmed().toStdString());
    melde(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zensus")), m);
    aktualisiere();
}

void frmZensus::anhalten() {
    modell_.zensusAnhalten();
    aktualisiere();
}

void frmZensus::aktualisiere() {
    const std::optional<werkbank::ZensusBericht> b = modell_.zensus();
    const bool laeuft = b && b->laeuft;
    start_->setEnabled(!laeuft);
    stopp_->setEnabled(laeuft);
    if (laeuft && !takt_->isActive()) takt_->start();
    if (!laeuft) takt_->stop();
    if (!b) {
        kopf_->setText(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Noch kein Zensus.")));
        tempo_->clear();
        return;
    }
    const QLocale ort;  // the chosen language's
    const zensus::Stand& s = b->stand;
    const std::uint64_t gesamt = b->auftrag.bis - b->auftrag.von;
    kopf_->setText(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zensus %1, Wurzel %2: %3 von %4 Suppen, %5 Objekte"))
                       .arg(QString::fromStdString(zensus::regelName(b->auftrag.regel, b->auftrag.nachbarMaske)),
                            QString::fromStdString(b->auftrag.wurzel), ort.toString(qulonglong(s.suppen)),
                            ort.toString(qulonglong(gesamt)), ort.toString(qulonglong(s.tabelle.objekte()))));
    fortschritt_->setValue(int(double(s.suppen) / double(gesamt) * kFortschrittStufen));
    QString tempo = uebersetze(QT_TRANSLATE_NOOP("MorLix", "%1 Suppen je Sekunde")).arg(ort.toString(b->suppenJeSekunde, 'f', 0));
    if (b->restSekunden) tempo += uebersetze(QT_TRANSLATE_NOOP("MorLix", ", noch %1")).arg(dauerText(*b->restSekunden));
    else if (!laeuft)
        tempo += uebersetze(s.suppen == gesamt ? QT_TRANSLATE_NOOP("MorLix", ", fertig")
                                               : QT_TRANSLATE_NOOP("MorLix", ", angehalten"));
    tempo_->setText(tempo);

    const QString gewaehlt = gewaehlterCode();
    const auto zeilen = s.tabelle.nachHaeufigkeit();
    tabelle_->setRowCount(static_cast<int>(zeilen.size()));
    auto zelle = [this](int reihe, int spalte) {
        QTableWidgetItem* z = tabelle_->item(reihe, spalte);
        if (!z) {
            z = new QTableWidgetItem;
            if (spalte >= kAnzahl) z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabelle_->setItem(reihe, spalte, z);
        }
        return z;
    };
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const auto& [code, zeile] = zeilen[static_cast<std::size_t>(r)];
        const QString qcode = QString::fromStdString(code);
        QTableWidgetItem* objekt = zelle(r, kObjekt);
        const texte::Sprache sprache = modell_.sprache();
        // Made anew for another object in the row, or in another language.
        if (objekt->data(Qt::UserRole).toString() != qcode || objekt->data(kSpracheRolle).toInt() != int(sprache)) {
            objekt->setData(Qt::UserRole, qcode);
            objekt->setData(kSpracheRolle, int(sprache));
            const std::string name = werkbank::Werkbank::objektName(code, sprache);
            objekt->setText(name.empty() ? qcode : QStringLiteral("%1 (%2)").arg(utf8(name), qcode));
            zelle(r, kBild)->setData(Qt::DecorationRole, bild(qcode));
            const auto m = s.merkmale.find(code);
            zelle(r, kArt)->setText(m == s.merkmale.end() ? QString()
                                                          : QString::fromStdString(werkbank::Werkbank::artText(m->second, sprache)));
        }
        zelle(r, kAnzahl)->setText(ort.toString(qulonglong(zeile.anzahl)));
        zelle(r, kJeSuppe)->setText(s.suppen ? ort.toString(double(zeile.anzahl) / double(s.suppen), 'f', 4) : QString());
        if (qcode == gewaehlt && tabelle_->currentRow() != r) tabelle_->selectRow(r);
    }
}

QString frmZensus::gewaehlterCode() const {
    const QTableWidgetItem* z = tabelle_->item(tabelle_->currentRow(), kObjekt);
    return z && z->isSelected() ? z->data(Qt::UserRole).toString() : QString();
}

QPixmap frmZensus::bild(const QString& code) {
    if (const auto gefunden = bilder_.constFind(code); gefunden != bilder_.constEnd()) return *gefunden;
    QPixmap p;
    if (const auto objekt = zensus::entschluessele(code.toStdString())) {
        int breite = 1, hoehe = 1;
        for (const zensus::Punkt& z : objekt->zellen) {
            breite = std::max(breite, z.x + 1);
            hoehe = std::max(hoehe, z.y + 1);
        }
        const int d = std::clamp(kBildSeite / std::max(breite, hoehe), 1, 8);
        p = QPixmap(breite * d, hoehe * d);
        p.fill(Qt::white);
        QPainter maler(&p);
        for (const zensus::Punkt& z : objekt->zellen) maler.fillRect(z.x * d, z.y * d, d, d, Qt::black);
    }
    bilder_.insert(code, p);
    return p;
}

void frmZensus::objektEinfuegen(int reihe) {
    if (const QTableWidgetItem* z = tabelle_->item(reihe, kObjekt))
        melde(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Objekt einfügen")),
              modell_.objektEinfuegen(z->data(Qt::UserRole).toString().toStdString()));
}

void frmZensus::suppeZeigen() {
    if (const QString code = gewaehlterCode(); !code.isEmpty())
        melde(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Suppe zeigen")), modell_.suppeZeigen(code.toStdString()));
}

void frmZensus::speichern() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zensus speichern"));
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), dateiName_.isEmpty() ? QStringLiteral("Zensus.txt") : dateiName_,
        uebersetze(QT_TRANSLATE_NOOP("MorLix", "Zensustext (*.txt);;CSV-Tabellen (*.csv);;Alle Dateien (*)")));
    if (!pfad) return;
    dateiName_ = *pfad;
    melde(titel, modell_.speichereZensus(QFile::encodeName(*pfad).toStdString()));
}

}  // namespace ui
