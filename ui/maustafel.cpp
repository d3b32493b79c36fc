#include "ui/maustafel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

constexpr int kWahlLinks[2] = {1560, 300};
constexpr int kWahlOben = 6840;
constexpr int kWahlSeite = 480;
constexpr int kRahmenSeite = 600;

}  // namespace

MausTafel::MausTafel(werkbank::Werkbank& modell, QWidget* bedienfeld)
    : Tafel(modell, bedienfeld, "mausTafel", 0, 6480, 2412, 960) {
    QLabel* titel = balken(this, QStringLiteral("Label19"), QT_TRANSLATE_NOOP("MorLix", "Funktion rechte Maustaste"), 0,
                           6480, 2412, 252, QColor(64, 64, 64));
    // The longest heading of the panel.
    passeEin(titel, titel->width() - 4);

    auto* rahmen = new QFrame(this);
    rahmen->setObjectName(QStringLiteral("Shape4"));
    rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
    rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    platziere(rahmen, 1500, 6756, kRahmenSeite, kRahmenSeite);
    rahmen_ = rahmen;

    const QPixmap bilder[2] = {bild(Bild::Bleistift, {tw(kWahlSeite), tw(kWahlSeite)}),
                               bild(Bild::Radierer, {tw(kWahlSeite), tw(kWahlSeite)})};
    for (int k = 0; k < 2; ++k) {
        QPushButton* wahl =
            knopf(this, indexName("Command10", k), nullptr, kWahlLinks[k], kWahlOben, kWahlSeite, kWahlSeite);
        wahl->setIcon(bilder[k]);
        wahl->setIconSize(QSize(tw(kWahlSeite) - 4, tw(kWahlSeite) - 4));
        connect(wahl, &QPushButton::clicked, this, [this, k] {
            modell_.waehleZeichenModus(k);
            rahmenUm(modell_.zeichenModus());
        });
    }
    rahmen_->lower();
}

void MausTafel::zeige(std::uint32_t was) {
    // The frame keeps its designed place until a mode is chosen.
    if ((was & werkbank::kZeichenModus) && modell_.zeichenModus() != rahmenModus_) rahmenUm(modell_.zeichenModus());
}

void MausTafel::rahmenUm(int modus) {
    // Centred on the button, 60 twips outside it on every side.
    const int rand = (kRahmenSeite - kWahlSeite) / 2;
    platziere(rahmen_, kWahlLinks[modus] - rand, kWahlOben - rand, kRahmenSeite, kRahmenSeite);
    rahmenModus_ = modus;
}

}  // namespace ui
