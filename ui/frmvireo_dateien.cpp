#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <cstring>

#include "storage/dateizugriff.h"
#include "storage/weltdatei.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

const QString kMuster = QStringLiteral("*vir");
const QString kEndung = QStringLiteral(".vir");

std::filesystem::path dateiPfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

QString titelMit(const QString& pfad) {
    return QStringLiteral("MorLix 2.2  ") + QFileInfo(pfad).absoluteFilePath();
}

// Box states of a file: 0 clear, 1 ticked, 2 partly ticked.
int kastenZustand(const QCheckBox* kasten) {
    switch (kasten->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

// Only a file makes a box partly ticked; a click leaves that state for good.
void setzeKastenZustand(QCheckBox* kasten, int zustand) {
    kasten->setTristate(zustand == 2);
    kasten->setCheckState(zustand == 2 ? Qt::PartiallyChecked : zustand == 1 ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

void frmVireo::baueDateien() {
    connect(cmdLaden, &QAction::triggered, this, &frmVireo::cmdLaden_Click);
    connect(cmdSpeichern, &QAction::triggered, this, &frmVireo::cmdSpeichern_Click);
    for (QCheckBox* kasten : Check1) connect(kasten, &QCheckBox::clicked, kasten, [kasten] { kasten->setTristate(false); });
    for (QCheckBox* kasten : Check2) connect(kasten, &QCheckBox::clicked, kasten, [kasten] { kasten->setTristate(false); });
}

std::unique_ptr<storage::WeltDatei> frmVireo::alsWeltDatei() const {
    auto datei = std::make_unique<storage::WeltDatei>();
    std::memcpy(datei->zelle, welt_->zelle, sizeof datei->zelle);
    datei->feldGroesse = welt_->feldGroesse;
    for (int k = 0; k < 9; ++k) {
        datei->ueberleben[k] = kastenZustand(Check1[k]);
        datei->geburt[k] = kastenZustand(Check2[k]);
    }
    for (int k = 0; k < 3; ++k) datei->rand[k] = Option1[k]->isChecked();
    datei->farben = storage::Farben{anzeige_.zellFarbe[1], anzeige_.zellFarbe[2], anzeige_.zellFarbe[3],
                                    flaeche_.hintergrund()};
    return datei;
}

void frmVireo::uebernimm(const storage::WeltDatei& datei) {
    std::memcpy(welt_->zelle, datei.zelle, sizeof datei.zelle);
    welt_->feldGroesse = datei.feldGroesse;
    for (QAction* a : {cmd30, cmd50, cmd90}) a->setChecked(false);
    for (int k = 0; k < 9; ++k) {
        setzeKastenZustand(Check1[k], datei.ueberleben[k]);
        setzeKastenZustand(Check2[k], datei.geburt[k]);
    }
    // A file without a selected edge mode keeps the one in use.
    if (const int rand = storage::gewaehlterRand(datei); rand >= 0) Option1[rand]->setChecked(true);
    if (datei.farben) {
        anzeige_.zellFarbe[1] = datei.farben->alt1;
        anzeige_.zellFarbe[2] = datei.farben->neu;
        anzeige_.zellFarbe[3] = datei.farben->alt2;
        flaeche_.setzeHintergrund(datei.farben->schirm);
        Picture4->setzeFarbe(datei.farben->alt1);
        Picture9->setzeFarbe(datei.farben->neu);
        Picture10->setzeFarbe(datei.farben->alt2);
        Picture5->setzeFarbe(datei.farben->schirm);
    }
    neuerLauf();
    zeichneFeld(welt_->feldGroesse);
}

void frmVireo::cmdLaden_Click() {
    cdlDateiName_ = kMuster;
    const std::optional<QString> gewaehlt = dialoge_.dateiOeffnen(this, QDir::currentPath(), kMuster);
    if (!gewaehlt) return;
    cdlDateiName_ = *gewaehlt;
    if (!gewaehlt->endsWith(kEndung, Qt::CaseSensitive)) return;
    ladeWelt(*gewaehlt);
}

void frmVireo::ladeWelt(const QString& pfad) {
    const storage::Gelesen gelesen = storage::ladeWeltDatei(dateiPfad(pfad));
    if (!gelesen.welt) {
        dialoge_.warnung(this, QStringLiteral("Welt öffnen"),
                         QStringLiteral("Die Datei „%1“ %2. Die Welt bleibt, wie sie war.")
                             .arg(QDir::toNativeSeparators(pfad), QString::fromStdString(gelesen.fehler.grund)));
        return;
    }
    uebernimm(*gelesen.welt);
    setWindowTitle(titelMit(pfad));
}

void frmVireo::cmdSpeichern_Click() {
    const std::optional<QString> gewaehlt = dialoge_.dateiSpeichern(this, QDir::currentPath(), cdlDateiName_);
    if (!gewaehlt) return;
    cdlDateiName_ = *gewaehlt;
    QString pfad = *gewaehlt;
    if (!pfad.endsWith(kEndung, Qt::CaseSensitive)) pfad += kEndung;

    const std::string fehler = storage::speichereSicher(dateiPfad(pfad), storage::weltDateiText(*alsWeltDatei()));
    if (!fehler.empty()) {
        dialoge_.warnung(this, QStringLiteral("Welt speichern"),
                         QStringLiteral("Die Welt lässt sich nicht als „%1“ speichern: %2.")
                             .arg(QDir::toNativeSeparators(pfad), QString::fromStdString(fehler)));
        return;
    }
    setWindowTitle(titelMit(pfad));
}

}  // namespace ui
