// The example panel with its seventeen patterns, and the picture of the edge modes.
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "examples/beispiele.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

// Panel and window widths in twips.
constexpr int kPanelBreite = 2235;
constexpr int kPanelHoehe = 9735;
constexpr int kBreiteOhnePanel = 12624;
constexpr int kBreiteMitPanel = 14960;

// Pattern pictures: squares 120 twips apart and 135 wide on a white tile with this margin.
constexpr int kRaster = 120;
constexpr int kQuadrat = 135;
constexpr int kRand = 30;

const QColor kPanelGrau(192, 192, 192);
const QColor kZellFarbe(0, 0, 150);


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

constexpr int kKnopfBreite = 375;
constexpr int kKnopfHoehe = 195;

// The pattern as a picture: its cells as small squares on a white tile; size in twips.
QPixmap musterBild(int index, bool gedreht, QSize& groesseTwips) {
    const auto zellen = examples::muster(index);
    int xMin = 100, xMax = 0, yMin = 100, yMax = 0;
    for (const auto& z : zellen) {
        xMin = std::min(xMin, z.x), xMax = std::max(xMax, z.x);
        yMin = std::min(yMin, z.y), yMax = std::max(yMax, z.y);
    }
    int spalten = xMax - xMin + 1, zeilen = yMax - yMin + 1;
    if (gedreht) std::swap(spalten, zeilen);
    groesseTwips = QSize((spalten - 1) * kRaster + kQuadrat + 2 * kRand, (zeilen - 1) * kRaster + kQuadrat + 2 * kRand);
    QPixmap bild(tw(groesseTwips.width()), tw(groesseTwips.height()));
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (const auto& z : zellen) {
        const int s = gedreht ? z.y - yMin : z.x - xMin;
        const int r = gedreht ? z.x - xMin : z.y - yMin;
        const int l = kRand + s * kRaster, o = kRand + r * kRaster;
        p.fillRect(QRect(tw(l), tw(o), tw(l + kQuadrat) - tw(l), tw(o + kQuadrat) - tw(o)), kZellFarbe);
    }
    p.setPen(QColor(128, 128, 128));
    p.drawRect(bild.rect().adjusted(0, 0, -1, -1));
    return bild;
}

}  // namespace

void frmVireo::baueBeispiele() {
    Picture8 = new QWidget(client_);
    Picture8->setObjectName(QStringLiteral("Picture8"));
    platziere(Picture8, 12540, 240, kPanelBreite, kPanelHoehe);
    faerbe(Picture8, kPanelGrau, Qt::black);

    auto text = [this](const char* name, const QString& inhalt, int links, int oben, bool fett = false) {
        QLabel* l = beschriftung(Picture8, QString::fromLatin1(name), inhalt, links, oben, kPanelBreite - links, 240);
        QFont f = l->font();
        f.setPixelSize(fett ? 11 : 10);
        f.setBold(fett);
        l->setFont(f);
        l->adjustSize();
        return l;
    };
    QLabel* titel = beschriftung(Picture8, QStringLiteral("Label14"), QStringLiteral("Beispiele"), 0, 0, kPanelBreite,
                                 300);
    titel->setAlignment(Qt::AlignCenter);
    QFont gross = titel->font();
    gross.setPixelSize(14);
    gross.setBold(true);
    titel->setFont(gross);
    text("Label15", QStringLiteral("Vireos Welt:"), 120, 420, true);
    text("Label9", QStringLiteral("2-3 / 3 Welt"), 0, 720, true);
    text("Label10", QStringLiteral("statisch"), 1080, 1920);
    const char* ueber[7] = {"Blinker", "Krabbler", "symmetrische Verläufe", "erzeugt Krabblerwelten",
                            "4-Phasen Blinker", "Tintenfisch", "Krabbler"};
    const int ueberOrt[7][2] = {{780, 2940}, {360, 3360}, {0, 4680}, {120, 5760}, {120, 7680}, {420, 8460}, {900, 9240}};
    for (int k = 0; k < 7; ++k)
        text(indexName("Label11", k).toLatin1().constData(), QString::fromUtf8(ueber[k]), ueberOrt[k][0],
             ueberOrt[k][1]);
    text("Label16", QStringLiteral("weitere Welten"), 120, 6240, true);
    text("Label12", QStringLiteral("1-3 / 3 Welt"), 0, 6540, true);
    text("Label13", QStringLiteral("3-5 / 3 Welt"), 0, 8040, true);

    const QPixmap einfuegen = bild(Bild::Einfuegen, QSize(tw(kKnopfBreite) - 6, tw(kKnopfHoehe) - 4));
    for (int i = 0; i < examples::kMusterAnzahl; ++i) {
        const Platz& pl = kPlaetze[i];
        cmdEinf[i] = knopf(Picture8, indexName("cmdEinf", i), QString(), pl.links, pl.oben, kKnopfBreite, kKnopfHoehe);
        cmdEinf[i]->setIcon(einfuegen);
        cmdEinf[i]->setIconSize(einfuegen.size());
        connect(cmdEinf[i], &QPushButton::clicked, this, [this, i] { cmdEinf_Click(i); });

        QSize g;
        const QPixmap bild = musterBild(i, pl.gedreht, g);
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
        QLabel* l = beschriftung(Picture8, indexName("musterBild", i), QString(), links, oben, g.width(), g.height());
        l->setPixmap(bild);
        l->resize(bild.size());
        // Decoration only: the pointer over it is over the panel.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Command6 = knopf(Picture8, QStringLiteral("Command6"), QString(), 30, 30, 375, 255);
    Command6->setIcon(bild(Bild::PanelZu, Command6->size() - QSize(4, 4)));
    Command6->setIconSize(Command6->size() - QSize(4, 4));
    connect(Command6, &QPushButton::clicked, this, &frmVireo::Command6_Click);

    Command5 = knopf(Picture1, QStringLiteral("Command5"), QString(), 1980, 0, 432, 252);
    Command5->setIcon(bild(Bild::PanelAuf, Command5->size() - QSize(4, 2)));
    Command5->setIconSize(Command5->size() - QSize(4, 2));
    connect(Command5, &QPushButton::clicked, this, &frmVireo::Command5_Click);

    // The window's width alone decides whether the panel shows; the height stays as designed.
    client_->setMinimumWidth(0);
    client_->setMaximumWidth(QWIDGETSIZE_MAX);
    resize(client_->width(), sizeHint().height());
}

void frmVireo::baueRandBild() {
    Picture6 = new QWidget(client_);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    platziere(Picture6, 960, 1620, 8715, 6135);
    auto* bild = new QLabel(Picture6);
    bild->setObjectName(QStringLiteral("randBild"));
    bild->setGeometry(Picture6->rect());
    bild->setPixmap(ui::bild(Bild::Randoptionen, Picture6->size()));
    Command3 = knopf(Picture6, QStringLiteral("Command3"), QStringLiteral("x"), 8715 - 375, 0, 375, 375);
    connect(Command3, &QPushButton::clicked, this, &frmVireo::Command3_Click);
    Picture6->hide();

    Command4 = knopf(Picture1, QStringLiteral("Command4"), QString(), 1740, 8940, 495, 495);
    Command4->setIcon(ui::bild(Bild::Torus, Command4->size() - QSize(6, 6)));
    Command4->setIconSize(Command4->size() - QSize(6, 6));
    connect(Command4, &QPushButton::clicked, this, &frmVireo::Command4_Click);
}

void frmVireo::cmdEinf_Click(int index) {
    examples::fuegeEin(*welt_, index);
    neuerLauf();
    zeichneFeld(welt_->feldGroesse);
}

namespace {

// Sets the window's outer width, frame included, in twips.
void setzeAussenbreite(QWidget* fenster, int twips) {
    const int rahmen = fenster->frameGeometry().width() - fenster->width();
    fenster->resize(tw(twips) - rahmen, fenster->height());
}

}  // namespace

void frmVireo::Command6_Click() { setzeAussenbreite(this, kBreiteOhnePanel); }

void frmVireo::Command5_Click() { setzeAussenbreite(this, kBreiteMitPanel); }

void frmVireo::Command4_Click() {
    Picture6->raise();
    Picture6->show();
}

void frmVireo::Command3_Click() { Picture6->hide(); }

}  // namespace ui
