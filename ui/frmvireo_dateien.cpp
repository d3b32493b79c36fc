// The file menu's dialogs and the clipboard; what files hold is the model's business.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "ui/dialoge.h"
#include "ui/frmvireo.h"
#include "ui/fusszeile.h"
#include "ui/sprache.h"
#include "ui/widgets.h"

namespace ui {

namespace {

// The file dialogs' filters, as German source texts of the catalogue.
constexpr const char* kWelten = QT_TRANSLATE_NOOP("MorLix", "Welten (*.vir);;Alle Dateien (*)");
constexpr const char* kMuster =
    QT_TRANSLATE_NOOP("MorLix", "Muster (*.rle *.cells *.lif *.life *.txt *.mcl *.mc *.gz);;Alle Dateien (*)");
constexpr const char* kMusterExport =
    QT_TRANSLATE_NOOP("MorLix", "RLE (*.rle);;Plaintext (*.cells);;Life 1.06 (*.lif *.life);;Alle Dateien (*)");
constexpr const char* kPng = QT_TRANSLATE_NOOP("MorLix", "PNG-Bilder (*.png);;Alle Dateien (*)");
constexpr const char* kGif = QT_TRANSLATE_NOOP("MorLix", "GIF-Animationen (*.gif);;Alle Dateien (*)");

std::filesystem::path pfadVon(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

}  // namespace

void frmVireo::melde(const QString& titel, const werkbank::Meldung& meldung) {
    const QString text = QString::fromStdString(meldung.text(modell_.sprache()));
    if (meldung.art == werkbank::Meldung::Art::warnung) dialoge_.warnung(this, titel, text);
    if (meldung.art == werkbank::Meldung::Art::hinweis) dialoge_.information(this, titel, text);
    if (const std::string hilfe = meldung.hilfe(modell_.sprache()); !hilfe.empty())
        fusszeile_->zeigeHilfe(QString::fromStdString(hilfe));
}

void frmVireo::oeffnen() {
    if (!darfVerwerfen()) return;
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Welt öffnen"));
    const std::optional<QString> pfad = dialoge_.dateiOeffnen(this, titel, QDir::currentPath(), uebersetze(kWelten));
    if (!pfad) return;
    weltName_ = *pfad;
    melde(titel, modell_.ladeWelt(pfadVon(*pfad)));
}

void frmVireo::speichern() { speichereWelt(); }

bool frmVireo::speichereWelt() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Welt speichern"));
    const std::optional<QString> pfad =
        dialoge_.dateiSpeichern(this, titel, QDir::currentPath(), weltName_, uebersetze(kWelten));
    if (!pfad) return false;
    weltName_ = *pfad;
    const werkbank::Meldung meldung = modell_.speichereWelt(pfadVon(*pfad));
    melde(titel, meldung);
    return !meldung;
}

void frmVireo::importieren() {
    // An import replaces the world, as opening one does.
    if (!darfVerwerfen()) return;
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Muster importieren"));
    const std::optional<QString> pfad = dialoge_.dateiOeffnen(this, titel, QDir::currentPath(), uebersetze(kMuster));
    if (pfad) melde(titel, modell_.importiereMuster(pfadVon(*pfad)));
}

void frmVireo::exportieren() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Muster exportieren"));
    const std::optional<QString> pfad =
        dialoge_.dateiSpeichern(this, titel, QDir::currentPath(), musterName_, uebersetze(kMusterExport));
    if (!pfad) return;
    musterName_ = *pfad;
    melde(titel, modell_.exportiereMuster(pfadVon(*pfad)));
}

void frmVireo::kopieren() { QGuiApplication::clipboard()->setText(QString::fromStdString(modell_.musterText())); }

void frmVireo::einfuegen() {
    melde(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Muster einfügen")),
          modell_.fuegeMusterEin(QGuiApplication::clipboard()->text().toStdString()));
}

void frmVireo::bildSpeichern() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Bild speichern"));
    const std::optional<QString> pfad =
        dialoge_.dateiSpeichern(this, titel, QDir::currentPath(),
                                bildName_.isEmpty() ? QStringLiteral("MorLix.png") : bildName_, uebersetze(kPng));
    if (!pfad) return;
    bildName_ = *pfad;
    melde(titel, modell_.speichereBild(pfadVon(*pfad), systemfarben()));
}

void frmVireo::animationSpeichern() {
    const QString titel = uebersetze(QT_TRANSLATE_NOOP("MorLix", "Animation speichern"));
    if (modell_.animationsBilder() < 2 &&
        dialoge_.frage(this, titel,
                       uebersetze(QT_TRANSLATE_NOOP("MorLix",
                                                    "Das Gedächtnis hält noch keine Generation: die Animation "
                                                    "bestünde nur aus dem jetzigen Bild. Trotzdem speichern?")),
                       {uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Speichern")),
                        uebersetze(QT_TRANSLATE_NOOP("MorLix", "&Abbrechen"))}) != 0)
        return;
    const std::optional<QString> pfad = dialoge_.dateiSpeichern(
        this, titel, QDir::currentPath(), animationName_.isEmpty() ? QStringLiteral("MorLix.gif") : animationName_,
        uebersetze(kGif));
    if (!pfad) return;
    animationName_ = *pfad;
    melde(titel, modell_.speichereAnimation(pfadVon(*pfad), systemfarben()));
}

void frmVireo::oeffneDatei(const QString& pfad) {
    if (!darfVerwerfen()) return;
    const std::filesystem::path p = pfadVon(pfad);
    const bool welt = werkbank::Werkbank::istWeltName(p);
    melde(welt ? uebersetze(QT_TRANSLATE_NOOP("MorLix", "Welt öffnen"))
               : uebersetze(QT_TRANSLATE_NOOP("MorLix", "Muster öffnen")),
          modell_.oeffne(p));
}

}  // namespace ui
