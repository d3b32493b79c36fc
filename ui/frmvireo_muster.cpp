#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "storage/dateizugriff.h"
#include "storage/muster.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

const QString kMusterFilter =
    QStringLiteral("Muster (*.rle *.cells *.lif *.life *.txt);;Alle Dateien (*)");
const QString kRleEndung = QStringLiteral(".rle");

std::filesystem::path dateiPfadVon(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

QString herkunftDatei(const QString& pfad) {
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(pfad));
}

}  // namespace

void frmVireo::baueMuster() {
    auto eintrag = [this](QMenu* menue, QAction*& ziel, const char* name, const QString& text, auto handler) {
        ziel = menue->addAction(text);
        ziel->setObjectName(QString::fromLatin1(name));
        connect(ziel, &QAction::triggered, this, handler);
    };
    cmdDatei->addSeparator();
    eintrag(cmdDatei, cmdImport, "cmdImport", QStringLiteral("Muster importieren…"), &frmVireo::cmdImport_Click);
    eintrag(cmdDatei, cmdExport, "cmdExport", QStringLiteral("Muster exportieren…"), &frmVireo::cmdExport_Click);

    cmdBearbeiten = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    cmdBearbeiten->setObjectName(QStringLiteral("cmdBearbeiten"));
    eintrag(cmdBearbeiten, cmdKopieren, "cmdKopieren", QStringLiteral("Muster kopieren"), &frmVireo::cmdKopieren_Click);
    eintrag(cmdBearbeiten, cmdEinfuegen, "cmdEinfuegen", QStringLiteral("Muster einfügen"),
            &frmVireo::cmdEinfuegen_Click);
    // A focused text box keeps its own copy and paste: it claims these keys first.
    cmdKopieren->setShortcut(QKeySequence::Copy);
    cmdEinfuegen->setShortcut(QKeySequence::Paste);

    cmdNeu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    cmdLaden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    cmdSpeichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    cmdEnde->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Start with the keys free for the field rather than in the step counter's box.
    cmdEinzelschritt->setFocus();
}

// Return runs or stops the clock, Space steps. Keys reach the window only when the focused
// control leaves them: a text box being typed in keeps both, a check box or option button its Space.
void frmVireo::keyPressEvent(QKeyEvent* ereignis) {
    const bool imText = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (!imText && !ereignis->isAutoRepeat()) {
        if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) return cmdLauf_Click();
        if (ereignis->key() == Qt::Key_Space) return cmdEinzelschritt_Click();
    }
    QMainWindow::keyPressEvent(ereignis);
}

bool frmVireo::fuegeMusterEin(const std::string& text, const QString& titel, const QString& herkunft, bool leeren) {
    const storage::MusterGelesen gelesen = storage::liesMuster(text);
    auto ablehnen = [&](const std::string& grund) {
        dialoge_.warnung(this, titel,
                         QStringLiteral("Das Muster aus %1 lässt sich nicht einfügen. %2 Die Welt bleibt, wie sie war.")
                             .arg(herkunft, QString::fromStdString(grund)));
        return false;
    };
    if (!gelesen.muster) return ablehnen(gelesen.fehler);
    const storage::Muster& muster = *gelesen.muster;
    const int n = muster.rand ? muster.feldGroesse : welt_->feldGroesse;
    std::string grund;
    const std::optional<storage::Platz> platz = storage::platzFuer(muster, n, grund);
    if (!platz) return ablehnen(grund);

    if (muster.regel) {
        for (int k = 0; k < 9; ++k) {
            Check1[k]->setTristate(false);
            Check1[k]->setChecked(muster.regel->regel.ueberlebt(k));
            Check2[k]->setTristate(false);
            Check2[k]->setChecked(muster.regel->regel.geboren(k));
        }
        welt_->nachbarMaske = muster.regel->maske;
    }
    if (muster.rand) Option1[static_cast<int>(*muster.rand)]->setChecked(true);
    if (leeren) welt_->loescheZellen();
    storage::setzeEin(*welt_, muster, *platz);
    if (n != welt_->feldGroesse) {
        view::Groessenwahl wahl{n, -1};
        for (int k = 0; k < 3; ++k)
            if (view::kFesteGroessen[k] == n) wahl.haken = k;
        waehleGroesse(wahl);
    } else {
        zeichneFeld(n);
    }
    neuerLauf();
    if (const std::string hinweis = storage::hinweisNichtUebernommen(muster); !hinweis.empty())
        dialoge_.information(this, titel, QString::fromStdString(hinweis));
    return true;
}

void frmVireo::importiereDatei(const QString& pfad, const QString& titel, bool leeren) {
    const storage::MusterText datei = storage::ladeMusterText(dateiPfadVon(pfad));
    if (!datei.fehler.empty()) {
        dialoge_.warnung(this, titel,
                         QStringLiteral("Die Datei %1 %2. Die Welt bleibt, wie sie war.")
                             .arg(herkunftDatei(pfad), QString::fromStdString(datei.fehler)));
        return;
    }
    fuegeMusterEin(datei.text, titel, herkunftDatei(pfad), leeren);
}

void frmVireo::cmdImport_Click() {
    const std::optional<QString> gewaehlt = dialoge_.dateiOeffnen(this, QDir::currentPath(), kMusterFilter);
    if (gewaehlt) importiereDatei(*gewaehlt, QStringLiteral("Muster importieren"), false);
}

void frmVireo::cmdExport_Click() {
    const std::optional<QString> gewaehlt = dialoge_.dateiSpeichern(this, QDir::currentPath(), exportName_);
    if (!gewaehlt) return;
    exportName_ = *gewaehlt;
    QString pfad = *gewaehlt;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += kRleEndung;
    const std::string rle =
        storage::rleText(*welt_, regel(), rand(), QFileInfo(pfad).completeBaseName().toStdString());
    const std::string fehler = storage::speichereSicher(dateiPfadVon(pfad), rle);
    if (!fehler.empty())
        dialoge_.warnung(this, QStringLiteral("Muster exportieren"),
                         QStringLiteral("Das Muster lässt sich nicht als „%1“ speichern: %2.")
                             .arg(QDir::toNativeSeparators(pfad), QString::fromStdString(fehler)));
}

void frmVireo::cmdKopieren_Click() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(storage::rleText(*welt_, regel(), rand(), "")));
}

void frmVireo::cmdEinfuegen_Click() {
    fuegeMusterEin(QGuiApplication::clipboard()->text().toStdString(), QStringLiteral("Muster einfügen"),
                   QStringLiteral("der Zwischenablage"), false);
}

void frmVireo::oeffneDatei(const QString& pfad) {
    if (pfad.endsWith(QStringLiteral(".vir"), Qt::CaseInsensitive)) {
        ladeWelt(pfad);
        return;
    }
    importiereDatei(pfad, QStringLiteral("Muster öffnen"), true);
}

}  // namespace ui
