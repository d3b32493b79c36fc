// The file menu's dialogs and the clipboard; what files hold is the model's business.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "ui/dialoge.h"
#include "ui/frmvireo.h"
#include "ui/fusszeile.h"
#include "ui/widgets.h"

namespace ui {

namespace {

const QString kWelten = QStringLiteral("Welten (*.vir);;Alle Dateien (*)");
const QString kMuster =
    QStringLiteral("Muster (*.rle *.cells *.lif *.life *.txt *.mcl *.mc *.gz);;Alle Dateien (*)");
const QString kMusterExport =
    QStringLiteral("RLE (*.rle);;Plaintext (*.cells);;Life 1.06 (*.lif *.life);;Alle Dateien (*)");
const QString kPng = QStringLiteral("PNG-Bilder (*.png);;Alle Dateien (*)");
const QString kGif = QStringLiteral("GIF-Animationen (*.gif);;Alle Dateien (*)");

std::filesystem::path pfadVon(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

}  // namespace

void frmVireo::melde(const QString& titel, const werkbank::Meldung& meldung) {
    const QString text = QString::fromStdString(meldung.text);
    if (meldung.art == werkbank::Meldung::Art::warnung) dialoge_.warnung(this, titel, text);
    if (meldung.art == werkbank::Meldung::Art::hinweis) dialoge_.information(this, titel, text);
    if (!meldung.hilfe.empty()) fusszeile_->zeigeHilfe(QString::fromStdString(meldung.hilfe));
}

void frmVireo::oeffnen() {
    if (!darfVerwerfen()) return;
    const QString titel = QStringLiteral("Welt öffnen");
    const std::optional<QString> pfad = dialoge_.dateiOeffnen(this, titel, QDir::currentPath(), kWelten);
    if (!pfad) return;
    weltName_ = *pfad;
    melde(titel, modell_.ladeWelt(pfadVon(*pfad)));
}

void frmVireo::speichern() { speichereWelt(); }

bool frmVireo::speichereWelt() {
    const QString titel = QStringLiteral("Welt speichern");
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(this, titel, QDir::currentPath(), weltName_, kWelten);
    if (!pfad) return false;
    weltName_ = *pfad;
    const werkbank::Meldung meldung = modell_.speichereWelt(pfadVon(*pfad));
    melde(titel, meldung);
    return !meldung;
}

void frmVireo::importieren() {
    // An import replaces the world, as opening one does.
    if (!darfVerwerfen()) return;
    const QString titel = QStringLiteral("Muster importieren");
    const std::optional<QString> pfad = dialoge_.dateiOeffnen(this, titel, QDir::currentPath(), kMuster);
    if (pfad) melde(titel, modell_.importiereMuster(pfadVon(*pfad)));
}

void frmVireo::exportieren() {
    const QString titel = QStringLiteral("Muster exportieren");
    const std::optional<QString> pfad =
        dialoge_.dateiSpeichern(this, titel, QDir::currentPath(), musterName_, kMusterExport);
    if (!pfad) return;
    musterName_ = *pfad;
    melde(titel, modell_.exportiereMuster(pfadVon(*pfad)));
}

void frmVireo::kopieren() { QGuiApplication::clipboard()->setText(QString::fromStdString(modell_.musterText())); }

void frmVireo::einfuegen() {
    melde(QStringLiteral("Muster einfügen"),
          modell_.fuegeMusterEin(QGuiApplication::clipboard()->text().toStdString(), "der Zwischenablage"));
}

void frmVireo::bildSpeichern() {
    const QString titel = QStringLiteral("Bild speichern");
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), bildName_.isEmpty() ? QStringLiteral("MorLix.png") : bildName_, kPng);
    if (!pfad) return;
    bildName_ = *pfad;
    melde(titel, modell_.speichereBild(pfadVon(*pfad), systemfarben()));
}

void frmVireo::animationSpeichern() {
    const QString titel = QStringLiteral("Animation speichern");
    if (modell_.animationsBilder() < 2 &&
        dialoge_.frage(this, titel,
                       QStringLiteral("Das Gedächtnis hält noch keine Generation: die Animation bestünde nur aus "
                                      "dem jetzigen Bild. Trotzdem speichern?"),
                       {QStringLiteral("Speichern"), QStringLiteral("Abbrechen")}) != 0)
        return;
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), animationName_.isEmpty() ? QStringLiteral("MorLix.gif") : animationName_,
        kGif);
    if (!pfad) return;
    animationName_ = *pfad;
    melde(titel, modell_.speichereAnimation(pfadVon(*pfad), systemfarben()));
}

void frmVireo::oeffneDatei(const QString& pfad) {
    if (!darfVerwerfen()) return;
    const std::filesystem::path p = pfadVon(pfad);
    const bool welt = werkbank::Werkbank::istWeltName(p);
    melde(welt ? QStringLiteral("Welt öffnen") : QStringLiteral("Muster öffnen"), modell_.oeffne(p));
}

}  // namespace ui
