// Mouse editing of the field view: toggling and painting cells, the draw/erase choice, clearing.
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

// Command10(0) pencil and (1) eraser in the control panel, and the frame around the chosen one.
constexpr int kWahlLinks[2] = {1560, 300};
constexpr int kWahlOben = 6840;
constexpr int kWahlSeite = 480;
constexpr int kRahmenSeite = 600;

}  // namespace

void frmVireo::baueMaus() {
    Label19 = balken(Picture1, QStringLiteral("Label19"), QStringLiteral("Funktion rechte Maustaste"), 0, 6480, 2412,
                     252, QColor(64, 64, 64));
    // The longest heading of the panel: as small as needed to fit the bar.
    QFont schrift = Label19->font();
    while (schrift.pixelSize() > 8 && QFontMetrics(schrift).horizontalAdvance(Label19->text()) > Label19->width() - 4)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    Label19->setFont(schrift);

    auto* rahmen = new QFrame(Picture1);
    rahmen->setObjectName(QStringLiteral("Shape4"));
    rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
    rahmen->setLineWidth(1);
    rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The design position; every later choice centres it on its button.
    platziere(rahmen, 1500, 6756, kRahmenSeite, kRahmenSeite);
    Shape4 = rahmen;

    const QPixmap bilder[2] = {bild(Bild::Bleistift, {tw(kWahlSeite), tw(kWahlSeite)}),
                               bild(Bild::Radierer, {tw(kWahlSeite), tw(kWahlSeite)})};
    for (int k = 0; k < 2; ++k) {
        Command10[k] = knopf(Picture1, QStringLiteral("Command10_%1").arg(k), QString(), kWahlLinks[k], kWahlOben,
                             kWahlSeite, kWahlSeite);
        Command10[k]->setIcon(bilder[k]);
        Command10[k]->setIconSize(QSize(tw(kWahlSeite) - 4, tw(kWahlSeite) - 4));
        connect(Command10[k], &QPushButton::clicked, this, [this, k] { Command10_Click(k); });
    }
    Shape4->lower();

    Command1 = knopf(client_, QStringLiteral("Command1"), QString(), 9840, 0, 255, 240);
    Command1->setIcon(bild(Bild::Kreuz, {tw(255), tw(240)}));
    Command1->setIconSize(QSize(tw(255), tw(240)));
    connect(Command1, &QPushButton::clicked, this, &frmVireo::Command1_Click);

    Text2 = textfeld(client_, QStringLiteral("Text2"), QString(), 180, 10020, 555, 360);
    Text3 = textfeld(client_, QStringLiteral("Text3"), QString(), 780, 10020, 555, 360);
    for (QLineEdit* t : {Text2, Text3}) t->setReadOnly(true);
    text2Ausgabe_ = std::make_unique<QtTextFeld>(Text2);
    text3Ausgabe_ = std::make_unique<QtTextFeld>(Text3);

    picAusgabe->setCursor(zeigerBleistift());
    connect(picAusgabe, &FeldBild::mausRunter, this, &frmVireo::picAusgabe_MouseDown);
    connect(picAusgabe, &FeldBild::mausBewegt, this, &frmVireo::picAusgabe_MouseMove);
    connect(picAusgabe, &FeldBild::mausHoch, this, &frmVireo::picAusgabe_MouseUp);
}

void frmVireo::picAusgabe_MouseDown(int knopf, double x, double y) {
    if (maus_.runter(*welt_, knopf, x, y)) zeichneFeld(welt_->feldGroesse);
    neuerLauf();
}

void frmVireo::picAusgabe_MouseMove(int, double x, double y) {
    maus_.bewegt(*welt_, flaeche_, anzeige_, *text2Ausgabe_, *text3Ausgabe_, x, y);
    if (maus_.linieAktiv) picAusgabe->update();
    zeigeHilfe(QStringLiteral("Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie"));
}

void frmVireo::picAusgabe_MouseUp(int, double, double) {
    maus_.hoch();
    neuerLauf();
}

void frmVireo::Command10_Click(int index) {
    maus_.zeichenModus = index;
    const int rand = (kRahmenSeite - kWahlSeite) / 2;
    platziere(Shape4, kWahlLinks[index] - rand, kWahlOben - rand, kRahmenSeite, kRahmenSeite);
}

void frmVireo::Command1_Click() {
    welt_->loescheZellen();
    neuerLauf();
    zeichneFeld(welt_->feldGroesse);
}

}  // namespace ui
