#include "ui/fusszeile.h"

#include <QLineEdit>
#include <QPushButton>

#include "engine/programm.h"
#include "history/periode.h"
#include "ui/bausteine.h"
#include "ui/dialoge.h"
#include "ui/sprache.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

QLineEdit* ausgabe(QWidget* eltern, const char* name, int links, int breite) {
    QLineEdit* t = textfeld(eltern, QString::fromLatin1(name), QString(), links, 10020, breite, 360);
    t->setReadOnly(true);
    return t;
}

}  // namespace

Fusszeile::Fusszeile(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* client)
    : Tafel(modell, client, "fusszeile", 0, 10020, 14868, 375) {
    spalte_ = ausgabe(this, "Text2", 180, 555);
    zeile_ = ausgabe(this, "Text3", 780, 555);
    groesse_ = ausgabe(this, "Text12", 1440, 915);
    befund_ = ausgabe(this, "txtBefund", 2460, 1200);
    // Read by Tab; a click leaves the keys with the world.
    befund_->setFocusPolicy(Qt::TabFocus);
    befund_->setAlignment(Qt::AlignCenter);
    // Starts right of the finding, which stands beside the size.
    hilfeZeile_ = ausgabe(this, "txthilfe", 3720, 7320);
    hilfeZeile_->setFocusPolicy(Qt::NoFocus);
    faerbe(hilfeZeile_, QColor(255, 255, 192), Qt::black);

    QPushButton* info =
        knopf(this, QStringLiteral("Command7"), QT_TRANSLATE_NOOP("MorLix", "&Info"), 11100, 10020, 1320, 375);
    connect(info, &QPushButton::clicked, this, [this, &dialoge] {
        dialoge.information(
            this, uebersetze(QT_TRANSLATE_NOOP("MorLix", "Über %1")).arg(QLatin1String(engine::kProgrammName)),
            uebersetze(QT_TRANSLATE_NOOP("MorLix",
                                         "%1\n\nEine Werkbank für zellulare Automaten mit zwei "
                                         "Zuständen: Regeln, Nachbarschaften und Ränder frei "
                                         "wählbar.\n\nEntwickelt vom MorLix-Team, gebaut mit Qt."))
                .arg(QLatin1String(engine::kProgrammTitel)));
    });
    zeige(werkbank::kAlles);
}

void Fusszeile::zeige(std::uint32_t was) {
    if (was & werkbank::kZeiger) {
        setzeText(spalte_, modell_.spalteText());
        setzeText(zeile_, modell_.zeileText());
    }
    if (was & werkbank::kGroesse) setzeText(groesse_, view::groessenText(modell_.feldGroesse()));
    if (was & (werkbank::kBefund | werkbank::kSprache)) {
        // The whole finding where the narrow box has room for it, else its short form.
        const std::string ganz = texte::befund(modell_.sprache(), modell_.befund());
        const bool passt =
            befund_->fontMetrics().horizontalAdvance(QString::fromStdString(ganz)) <= befund_->width() - 8;
        setzeText(befund_, passt ? ganz : texte::befundKurz(modell_.sprache(), modell_.befund()));
    }
    // The box is narrow: the whole finding and the rule it belongs to show when the pointer rests on it.
    if (was & (werkbank::kBefund | werkbank::kRegel | werkbank::kMaske | werkbank::kSprache))
        befund_->setToolTip(QString::fromStdString(texte::befund(modell_.sprache(), modell_.befund()) + "\n" +
                                                   modell_.regelBeschreibung(modell_.sprache())));
}

void Fusszeile::zeigeHilfe(const QString& text) {
    hilfeZeile_->setText(text);
    hilfeZeile_->setCursorPosition(0);
}

}  // namespace ui
