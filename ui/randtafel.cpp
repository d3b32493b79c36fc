#include "ui/randtafel.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "werkbank/werkbank.h"

namespace ui {

RandTafel::RandTafel(werkbank::Werkbank& modell, QWidget* bedienfeld)
    : Tafel(modell, bedienfeld, "randTafel", 0, 8640, 2412, 1095) {
    balken(this, QStringLiteral("Label4"), QT_TRANSLATE_NOOP("MorLix", "Randoptionen"), 0, 8640, 2412, 252,
           QColor(64, 64, 64));
    auto* gruppe = new QButtonGroup(this);
    const char* texte[3] = {QT_TRANSLATE_NOOP("MorLix", "T&orus"), QT_TRANSLATE_NOOP("MorLix", "&Quadrat "),
                            QT_TRANSLATE_NOOP("MorLix", "Spie&gel")};
    for (int k = 0; k < 3; ++k) {
        knoepfe_[k] = optionsfeld(this, indexName("Option1", k), texte[k], 120, 8940 + 255 * k, 1300, 255);
        gruppe->addButton(knoepfe_[k], k);
        connect(knoepfe_[k], &QRadioButton::toggled, this, [this, k](bool an) {
            if (an) modell_.setzeRand(static_cast<engine::Rand>(k));
        });
    }
    QPushButton* erklaerung = knopf(this, QStringLiteral("Command4"), nullptr, 1740, 8940, 495, 495);
    erklaerung->setIcon(bild(Bild::Torus, {erklaerung->width() - 6, erklaerung->width() - 6}));
    erklaerung->setIconSize(erklaerung->size() - QSize(6, 6));
    connect(erklaerung, &QPushButton::clicked, this, &RandTafel::randBildZeigen);
    zeige(werkbank::kRand);
}

void RandTafel::zeige(std::uint32_t was) {
    if (!(was & werkbank::kRand)) return;
    QRadioButton* knopf = knoepfe_[static_cast<int>(modell_.rand())];
    const QSignalBlocker ruhe(knopf);
    knopf->setChecked(true);
}

}  // namespace ui
