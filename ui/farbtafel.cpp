#include "ui/farbtafel.h"

#include <QLabel>
#include <QMouseEvent>

#include "ui/bausteine.h"
#include "ui/dialoge.h"
#include "ui/widgets.h"
#include "werkbank/werkbank.h"

namespace ui {

FarbTafel::FarbTafel(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* bedienfeld)
    : Tafel(modell, bedienfeld, "farbTafel", 0, 7440, 2412, 1200), dialoge_(dialoge) {
    balken(this, QStringLiteral("Label5"), QT_TRANSLATE_NOOP("MorLix", "Farbe"), 0, 7440, 2412, 252,
           QColor(64, 64, 64));
    struct Feld {
        view::FarbZiel ziel;
        const char* name;
        const char* beschriftung;
        const char* text;
        int links, oben, breite;
    };
    const Feld felder[] = {
        {view::FarbZiel::Schirm, "Picture5_0", "Label7", QT_TRANSLATE_NOOP("MorLix", "Sc&hirm"), 120, 7920, 672},
        {view::FarbZiel::Raster, "Picture13", "Label22", QT_TRANSLATE_NOOP("MorLix", "Ras&ter"), 120, 8220, 672},
        {view::FarbZiel::ZelleNeu, "Picture9", "Label17", QT_TRANSLATE_NOOP("MorLix", "Zelle &neu"), 1200, 7788, 732},
        {view::FarbZiel::ZelleAlt1, "Picture4_0", "Label6", QT_TRANSLATE_NOOP("MorLix", "Zelle alt &1"), 1200, 8064,
         792},
        {view::FarbZiel::ZelleAlt2, "Picture10", "Label18", QT_TRANSLATE_NOOP("MorLix", "Zelle alt &2"), 1200, 8340,
         732}};
    QList<QLabel*> beschriftungen;
    for (const Feld& f : felder) {
        auto* feld = new Farbfeld(this);
        feld->setObjectName(QString::fromLatin1(f.name));
        feld->setFocusPolicy(Qt::TabFocus);
        platziere(feld, f.links, f.oben, 255, 255);
        felder_[static_cast<int>(f.ziel)] = feld;
        connect(feld, &Farbfeld::geklickt, this, [this, z = f.ziel] { waehle(z); });
        QLabel* l = beschriftung(this, QString::fromLatin1(f.beschriftung), f.text, f.links + 300,
                                 f.oben, f.breite, 252);
        l->setBuddy(feld);
        beschriftungen << l;
        beiEreignis(l, {QEvent::MouseButtonPress}, [this, z = f.ziel](QEvent* e) {
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) waehle(z);
        });
    }
    // Never cut off, and all in the size the tightest one needs.
    QFont schrift = font();
    for (QLabel* l : beschriftungen) {
        passeEin(l, l->width());
        if (l->font().pixelSize() < schrift.pixelSize()) schrift = l->font();
    }
    for (QLabel* l : beschriftungen) l->setFont(schrift);
    zeige(werkbank::kFarben);
}

void FarbTafel::waehle(view::FarbZiel ziel) {
    // Cancel changes nothing.
    if (const std::optional<QColor> farbe = dialoge_.farbe(this)) modell_.setzeFarbe(ziel, alsFarbe(*farbe));
}

void FarbTafel::zeige(std::uint32_t was) {
    if (!(was & werkbank::kFarben)) return;
    for (int k = 0; k < view::kFarbfelder; ++k) felder_[k]->setzeFarbe(modell_.anzeige().farbfeld[k]);
}

}  // namespace ui
