#include "ui/regeltafel.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/widgets.h"
#include "werkbank/werkbank.h"

namespace ui {

RegelTafel::RegelTafel(werkbank::Werkbank& modell, QWidget* bedienfeld)
    : Tafel(modell, bedienfeld, "regelTafel", 0, 2880, 2412, 3600) {
    balken(this, QStringLiteral("Label2"), QT_TRANSLATE_NOOP("MorLix", "Wahl der Welt"), 0, 2880, 2412, 252,
           QColor(0, 0, 128));
    // Two small sentences in pictures: a living cell stays alive; an empty cell comes alive.
    auto quadrat = [this](const char* name, int links, int oben, QColor farbe) {
        auto* q = new QWidget(this);
        q->setObjectName(QString::fromLatin1(name));
        platziere(q, links, oben, 132, 132);
        faerbe(q, farbe);
    };
    auto pfeil = [this](const char* name, int oben) {
        beschriftung(this, QString::fromLatin1(name), nullptr, 540, oben, 384, 384)
            ->setPixmap(bild(Bild::Pfeil, {tw(384), tw(384)}));
    };
    quadrat("Picture2_0", 120, 3300, QColor(0, 0, 255));
    pfeil("Image1_0", 3180);
    quadrat("Picture2_1", 1080, 3300, QColor(0, 0, 255));
    quadrat("Picture3", 120, 4920, qFarbe(view::kFensterHintergrund));  // an empty cell
    pfeil("Image1_1", 4800);
    quadrat("Picture2_2", 1080, 4920, QColor(0, 0, 255));

    const std::pair<const char*, const char*> saetze[] = {
        {"Label1_4", QT_TRANSLATE_NOOP("MorLix", "Zelle lebt &weiter, wenn sie")},
        {"Label1_1", QT_TRANSLATE_NOOP("MorLix", "lebende Nachbarn hat,")},
        {"Label1_5", QT_TRANSLATE_NOOP("MorLix", "sonst stirbt sie.")},
        {"Label1_6", QT_TRANSLATE_NOOP("MorLix", "Zelle wird be&lebt, wenn sie")},
        {"Label1_2", QT_TRANSLATE_NOOP("MorLix", "lebende Nachbarn hat,")},
        {"Label1_3", QT_TRANSLATE_NOOP("MorLix", "sonst bleibt sie unbelebt.")}};
    const int oben[] = {3480, 4320, 4560, 5160, 6000, 6240};
    QLabel* zeilen[6];
    for (int k = 0; k < 6; ++k)
        zeilen[k] = beschriftung(this, QString::fromLatin1(saetze[k].first), saetze[k].second, 120, oben[k], 2280,
                                 k == 5 ? 240 : 252);

    // Digit rows over the boxes, in a fixed-pitch font so the digits stand over their boxes.
    QFont fest(QStringLiteral("DejaVu Sans Mono"));
    fest.setStyleHint(QFont::Monospace);
    fest.setPixelSize(13);
    const char* ziffern[3] = {"0 1 2 ", "3 4 5  ", "6 7 8"};
    const int ziffernLinks[3] = {120, 900, 1680};
    const int ueberIndex[3] = {1, 2, 3};
    const int geburtIndex[3] = {0, 4, 5};
    for (int k = 0; k < 3; ++k)
        for (int zeile = 0; zeile < 2; ++zeile)
            beschriftung(this, indexName("Text1", zeile == 0 ? ueberIndex[k] : geburtIndex[k]),
                         ziffern[k], ziffernLinks[k], zeile == 0 ? 3780 : 5460, 780, 240)
                ->setFont(fest);

    const int kastenLinks[9] = {60, 300, 540, 840, 1080, 1320, 1620, 1860, 2100};
    for (int k = 0; k < 9; ++k) {
        ueberleben_[k] = kaestchen(this, indexName("Check1", k), kastenLinks[k], 3960, 240, 288);
        geburt_[k] = kaestchen(this, indexName("Check2", k), kastenLinks[k], 5700, 240, 288);
        connect(ueberleben_[k], &QCheckBox::clicked, this,
                [this, k] { modell_.kastenGeklickt(werkbank::Reihe::Ueberleben, k); });
        connect(geburt_[k], &QCheckBox::clicked, this,
                [this, k] { modell_.kastenGeklickt(werkbank::Reihe::Geburt, k); });
    }
    // The sentence before a row of boxes leads the keyboard to its first box.
    zeilen[0]->setBuddy(ueberleben_[0]);
    zeilen[3]->setBuddy(geburt_[0]);
    zeige(werkbank::kRegel);
}

void RegelTafel::zeige(std::uint32_t was) {
    if (!(was & werkbank::kRegel)) return;
    auto setze = [](QCheckBox* kasten, std::uint8_t zustand) {
        const QSignalBlocker ruhe(kasten);
        // Only a file makes a box partly ticked; a click leaves that state for good.
        kasten->setTristate(zustand == 2);
        kasten->setCheckState(zustand == 2 ? Qt::PartiallyChecked : zustand == 1 ? Qt::Checked : Qt::Unchecked);
    };
    for (int k = 0; k < 9; ++k) {
        setze(ueberleben_[k], modell_.kaesten(werkbank::Reihe::Ueberleben)[k]);
        setze(geburt_[k], modell_.kaesten(werkbank::Reihe::Geburt)[k]);
    }
}

}  // namespace ui
