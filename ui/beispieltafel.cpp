#include "ui/beispieltafel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "examples/beispiele.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/sprache.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

constexpr int kPanelBreite = 2235;

// Pattern pictures: squares 120 twips apart and 135 wide on a white tile with this margin.
constexpr int kRaster = 120;
constexpr int kQuadrat = 135;
constexpr int kRand = 30;
constexpr int kKnopfBreite = 375;
constexpr int kKnopfHoehe = 195;

enum class Seite { Oben, Rechts, Unten };

struct Platz {
    int links, oben;  // of the insert button
    Seite seite;      // where the picture stands
    bool gedreht;     // picture shown turned by a quarter
    int bildLinks;    // left of the picture; -1 centres it on the button
};

// By pattern index.
constexpr Platz kPlaetze[examples::kMusterAnzahl] = {
    {780, 3660, Seite::Rechts, false, -1}, {1500, 2880, Seite::Oben, false, -1},
    {960, 2640, Seite::Oben, false, -1},   {240, 3000, Seite::Oben, false, -1},
    {1620, 1740, Seite::Oben, false, -1},  {1080, 1380, Seite::Oben, false, -1},
    {660, 1920, Seite::Oben, false, -1},   {180, 1800, Seite::Oben, false, -1},
    {1020, 5580, Seite::Oben, false, 825}, {240, 5580, Seite::Oben, false, -1},
    {1740, 3780, Seite::Unten, false, 1785}, {960, 4440, Seite::Oben, true, 900},
    {60, 4440, Seite::Oben, true, -1},     {1140, 7440, Seite::Oben, false, -1},
    {180, 8820, Seite::Unten, false, -1},  {1440, 8940, Seite::Oben, false, -1},
    {120, 7440, Seite::Oben, false, -1}};

// Where the captions of the second and third world stand; the examples below each belong to it.
constexpr int kWelt13Oben = 6540, kWelt35Oben = 8040;

// The pattern as a picture: its cells as small squares on a white tile; size in twips, and the
// pattern's own columns and rows (before turning).
QPixmap musterBild(int index, bool gedreht, QSize& groesseTwips, QSize& ausmass) {
    const auto zellen = examples::muster(index);
    int xMin = 100, xMax = 0, yMin = 100, yMax = 0;
    for (const auto& z : zellen) {
        xMin = std::min(xMin, z.x), xMax = std::max(xMax, z.x);
        yMin = std::min(yMin, z.y), yMax = std::max(yMax, z.y);
    }
    int spalten = xMax - xMin + 1, zeilen = yMax - yMin + 1;
    ausmass = QSize(spalten, zeilen);
    if (gedreht) std::swap(spalten, zeilen);
    groesseTwips = QSize((spalten - 1) * kRaster + kQuadrat + 2 * kRand, (zeilen - 1) * kRaster + kQuadrat + 2 * kRand);
    QPixmap bild(tw(groesseTwips.width()), tw(groesseTwips.height()));
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (const auto& z : zellen) {
        const int s = gedreht ? z.y - yMin : z.x - xMin;
        const int r = gedreht ? z.x - xMin : z.y - yMin;
        const int l = kRand + s * kRaster, o = kRand + r * kRaster;
        p.fillRect(QRect(tw(l), tw(o), tw(l + kQuadrat) - tw(l), tw(o + kQuadrat) - tw(o)), QColor(0, 0, 150));
    }
    p.setPen(QColor(128, 128, 128));
    p.drawRect(bild.rect().adjusted(0, 0, -1, -1));
    return bild;
}

}  // namespace

BeispielTafel::BeispielTafel(werkbank::Werkbank& modell, QWidget* client)
    : Tafel(modell, client, "Picture8", 12540, 240, kPanelBreite, 9735) {
    setzeUrsprung(this, 0, 0);  // the layout inside the panel is given from its own corner
    faerbe(this, QColor(192, 192, 192), Qt::black);

    auto text = [this](const QString& name, const char* inhalt, int links, int oben, bool fett = false) {
        QLabel* l = beschriftung(this, name, inhalt, links, oben, kPanelBreite - links, 240);
        QFont f = l->font();
        f.setPixelSize(fett ? 11 : 10);
        f.setBold(fett);
        l->setFont(f);
        l->setProperty(kPassend, true);
        l->adjustSize();
    };
    QLabel* titel = beschriftung(this, QStringLiteral("Label14"), QT_TRANSLATE_NOOP("MorLix", "Beispiele"), 0, 0,
                                 kPanelBreite, 300);
    titel->setAlignment(Qt::AlignCenter);
    QFont gross = titel->font();
    gross.setPixelSize(14);
    gross.setBold(true);
    titel->setFont(gross);
    text(QStringLiteral("Label15"), QT_TRANSLATE_NOOP("MorLix", "Vireos Welt:"), 120, 420, true);
    text(QStringLiteral("Label9"), QT_TRANSLATE_NOOP("MorLix", "2-3 / 3 Welt"), 0, 720, true);
    text(QStringLiteral("Label10"), QT_TRANSLATE_NOOP("MorLix", "statisch"), 1080, 1920);
    const char* ueber[7] = {QT_TRANSLATE_NOOP("MorLix", "Blinker"),
                            QT_TRANSLATE_NOOP("MorLix", "Krabbler"),
                            QT_TRANSLATE_NOOP("MorLix", "symmetrische Verläufe"),
                            QT_TRANSLATE_NOOP("MorLix", "erzeugt Krabblerwelten"),
                            QT_TRANSLATE_NOOP("MorLix", "4-Phasen Blinker"),
                            QT_TRANSLATE_NOOP("MorLix", "Tintenfisch"),
                            QT_TRANSLATE_NOOP("MorLix", "Krabbler")};
    const int ueberOrt[7][2] = {{780, 2940}, {360, 3360}, {0, 4680}, {120, 5760}, {120, 7680}, {420, 8460}, {900, 9240}};
    for (int k = 0; k < 7; ++k) text(indexName("Label11", k), ueber[k], ueberOrt[k][0], ueberOrt[k][1]);
    text(QStringLiteral("Label16"), QT_TRANSLATE_NOOP("MorLix", "weitere Welten"), 120, 6240, true);
    text(QStringLiteral("Label12"), QT_TRANSLATE_NOOP("MorLix", "1-3 / 3 Welt"), 0, kWelt13Oben, true);
    text(QStringLiteral("Label13"), QT_TRANSLATE_NOOP("MorLix", "3-5 / 3 Welt"), 0, kWelt35Oben, true);

    const QPixmap einfuegen = bild(Bild::Einfuegen, QSize(tw(kKnopfBreite) - 6, tw(kKnopfHoehe) - 4));
    for (int i = 0; i < examples::kMusterAnzahl; ++i) {
        const Platz& pl = kPlaetze[i];
        QPushButton* k = knopf(this, indexName("cmdEinf", i), nullptr, pl.links, pl.oben, kKnopfBreite, kKnopfHoehe);
        k->setIcon(einfuegen);
        k->setIconSize(einfuegen.size());
        connect(k, &QPushButton::clicked, this, [this, i] { modell_.beispielEinfuegen(i); });

        QSize g, ausmass;
        const QPixmap bild = musterBild(i, pl.gedreht, g, ausmass);
        // What a screen reader says of the button (see zugang.cpp), and the world above it.
        k->setProperty("beispielGroesse", ausmass);
        k->setProperty("beispielLebend", static_cast<int>(examples::muster(i).size()));
        k->setProperty("beispielWelt", QLatin1String(pl.oben >= kWelt35Oben   ? "Label13"
                                                   : pl.oben >= kWelt13Oben ? "Label12"
                                                                            : "Label9"));
        int links = pl.links + (kKnopfBreite - g.width()) / 2;
        int oben = pl.oben - 15 - g.height();
        if (pl.seite == Seite::Rechts) {
            links = pl.links + kKnopfBreite + 45;
            oben = pl.oben + (kKnopfHoehe - g.height()) / 2;
        } else if (pl.seite == Seite::Unten) {
            oben = pl.oben + kKnopfHoehe + 15;
        }
        if (pl.bildLinks >= 0) links = pl.bildLinks;
        links = std::clamp(links, 15, kPanelBreite - 15 - g.width());
        QLabel* l = beschriftung(this, indexName("musterBild", i), nullptr, links, oben, g.width(), g.height());
        l->setPixmap(bild);
        l->resize(bild.size());
        // Decoration only: the pointer over it is over the panel.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QPushButton* zu = knopf(this, QStringLiteral("Command6"), nullptr, 30, 30, 375, 255);
    zu->setIcon(bild(Bild::PanelZu, zu->size() - QSize(4, 4)));
    zu->setIconSize(zu->size() - QSize(4, 4));
    connect(zu, &QPushButton::clicked, this, &BeispielTafel::verbergen);
}

}  // namespace ui
