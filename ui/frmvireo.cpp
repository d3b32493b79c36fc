#include "ui/frmvireo.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "engine/zahltext.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"

namespace ui {

namespace {

// Design size of the client area, in twips.
constexpr int kClientBreite = 14868;
constexpr int kClientHoehe = 10464;
constexpr int kPanelBreite = 2412;

const QColor kGrauPanel(224, 224, 224);
const QColor kBalkenGrau(64, 64, 64);
const QColor kBalkenBlau(0, 0, 128);
const QColor kBalkenRot(200, 0, 0);

}  // namespace

frmVireo::frmVireo(Dialoge& dialoge, QWidget* eltern)
    : QMainWindow(eltern),
      dialoge_(dialoge),
      welt_(std::make_unique<engine::Welt>()),
      flaeche_(tw(9660), tw(9720), view::kFensterHintergrund) {
    setObjectName(QStringLiteral("frmVireo"));
    setWindowTitle(QStringLiteral("MorLix 2.2"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(tw(kClientBreite), tw(kClientHoehe));
    // Small captions as on the designed panels; logical pixels scale with the screen's dpi.
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    client_->setFont(schrift);
    setCentralWidget(client_);

    Picture1 = new QWidget(client_);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    platziere(Picture1, 10080, 240, kPanelBreite, 9735);
    faerbe(Picture1, kGrauPanel);

    baueMenue();
    baueFeld();
    baueHilfe();
    baueStart();
    baueUhr();
    baueRueckblende();
    baueWahl();
    baueFarbe();
    baueRand();
    baueMaus();
    baueAnzeige();
    baueScroll();
    baueBeispiele();
    baueRandBild();
    baueMatrix();
    baueDateien();
    baueShell();
    baueMuster();
    baueBilder();
    hilfeEinrichten();
    Form_Load();
}

frmVireo::~frmVireo() = default;

void frmVireo::baueMenue() {
    auto eintrag = [this](QMenu* menue, const char* name, const QString& text) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    cmdDatei = menuBar()->addMenu(QStringLiteral("Datei"));
    cmdDatei->setObjectName(QStringLiteral("cmdDatei"));
    cmdNeu = eintrag(cmdDatei, "cmdNeu", QStringLiteral("neu"));
    cmdLaden = eintrag(cmdDatei, "cmdLaden", QStringLiteral("öffnen"));
    cmdSpeichern = eintrag(cmdDatei, "cmdSpeichern", QStringLiteral("speichern"));
    cmdEnde = eintrag(cmdDatei, "cmdEnde", QStringLiteral("beenden"));

    cmdRaster = menuBar()->addMenu(QStringLiteral("Raster einstellen"));
    cmdRaster->setObjectName(QStringLiteral("cmdRaster"));
    cmd30 = eintrag(cmdRaster, "cmd30", QStringLiteral("30 x 30"));
    cmd50 = eintrag(cmdRaster, "cmd50", QStringLiteral("60 x 60 "));
    cmd90 = eintrag(cmdRaster, "cmd90", QStringLiteral("90 x 90 "));
    cmdfrei = eintrag(cmdRaster, "cmdfrei", QStringLiteral("frei"));
    for (QAction* a : {cmd30, cmd50, cmd90}) a->setCheckable(true);
    cmd30->setChecked(true);

    cmdRea = menuBar()->addAction(QStringLiteral("Raster ein/aus"));
    cmdRea->setObjectName(QStringLiteral("cmdRea"));
    connect(cmdRea, &QAction::triggered, this, &frmVireo::cmdRea_Click);
    cmdMatrixdef = menuBar()->addAction(QStringLiteral("Nachbarmatrix"));
    cmdMatrixdef->setObjectName(QStringLiteral("cmdMatrixdef"));
}

void frmVireo::baueFeld() {
    picAusgabe = new FeldBild(flaeche_, client_);
    picAusgabe->setObjectName(QStringLiteral("picAusgabe"));
    platziere(picAusgabe, 180, 240, 9660, 9720);
    Text12 = textfeld(client_, QStringLiteral("Text12"), QString(), 1440, 10020, 915, 360);
    Text12->setReadOnly(true);
    text12Ausgabe_ = std::make_unique<QtTextFeld>(Text12);
}

void frmVireo::baueStart() {
    balken(Picture1, QStringLiteral("Label3"), QStringLiteral("Start"), 0, 0, kPanelBreite, 252, kBalkenRot);
    cmdEinzelschritt = knopf(Picture1, QStringLiteral("cmdEinzelschritt"), QString(), 120, 360, 552, 552);
    faerbe(cmdEinzelschritt, QColor(255, 0, 0));
    cmdEinzelschritt->setIcon(bild(Bild::Einzelschritt, {64, 64}));
    cmdEinzelschritt->setIconSize(QSize(tw(552) - 8, tw(552) - 8));
    connect(cmdEinzelschritt, &QPushButton::clicked, this, &frmVireo::cmdEinzelschritt_Click);
    txtSchritt = textfeld(Picture1, QStringLiteral("txtSchritt"), QStringLiteral("0"), 120, 960, 732, 384);
}

void frmVireo::baueWahl() {
    balken(Picture1, QStringLiteral("Label2"), QStringLiteral("Wahl der Welt"), 0, 2880, kPanelBreite, 252,
           kBalkenBlau);
    // Two small sentences in pictures: a living cell stays alive; an empty cell comes alive.
    auto quadrat = [this](const QString& name, int links, int oben, QColor farbe) {
        auto* q = new QWidget(Picture1);
        q->setObjectName(name);
        platziere(q, links, oben, 132, 132);
        faerbe(q, farbe);
    };
    auto pfeil = [this](const QString& name, int oben) {
        QLabel* l = beschriftung(Picture1, name, QString(), 540, oben, 384, 384);
        l->setPixmap(bild(Bild::Pfeil, {tw(384), tw(384)}));
    };
    quadrat(QStringLiteral("Picture2_0"), 120, 3300, QColor(0, 0, 255));
    pfeil(QStringLiteral("Image1_0"), 3180);
    quadrat(QStringLiteral("Picture2_1"), 1080, 3300, QColor(0, 0, 255));
    quadrat(QStringLiteral("Picture3"), 120, 4920, palette().color(QPalette::Base));
    pfeil(QStringLiteral("Image1_1"), 4800);
    quadrat(QStringLiteral("Picture2_2"), 1080, 4920, QColor(0, 0, 255));

    beschriftung(Picture1, QStringLiteral("Label1_4"), QStringLiteral("Zelle lebt weiter, wenn sie"), 120, 3480,
                 2280, 300);
    beschriftung(Picture1, QStringLiteral("Label1_1"), QStringLiteral("lebende Nachbarn hat,"), 120, 4320, 2280, 252);
    beschriftung(Picture1, QStringLiteral("Label1_5"), QStringLiteral("sonst stirbt sie."), 120, 4560, 2280, 252);
    beschriftung(Picture1, QStringLiteral("Label1_6"), QStringLiteral("Zelle wird belebt, wenn sie"), 120, 5160,
                 2280, 300);
    beschriftung(Picture1, QStringLiteral("Label1_2"), QStringLiteral("lebende Nachbarn hat,"), 120, 6000, 2280, 252);
    beschriftung(Picture1, QStringLiteral("Label1_3"), QStringLiteral("sonst bleibt sie unbelebt."), 120, 6240, 2280,
                 252);

    // Digit rows over the boxes, in a fixed-pitch font so the digits stand over their boxes.
    QFont fest(QStringLiteral("DejaVu Sans Mono"));
    fest.setStyleHint(QFont::Monospace);
    fest.setPixelSize(13);
    const char* ziffern[3] = {"0 1 2 ", "3 4 5  ", "6 7 8"};
    const int ziffernLinks[3] = {120, 900, 1680};
    const int ueberIndex[3] = {1, 2, 3};
    const int geburtIndex[3] = {0, 4, 5};
    for (int k = 0; k < 3; ++k) {
        for (int zeile = 0; zeile < 2; ++zeile) {
            const int index = zeile == 0 ? ueberIndex[k] : geburtIndex[k];
            QLabel* t = beschriftung(Picture1, indexName("Text1", index), QString::fromLatin1(ziffern[k]),
                                     ziffernLinks[k], zeile == 0 ? 3780 : 5460, 780, 240);
            t->setFont(fest);
        }
    }

    const int kastenLinks[9] = {60, 300, 540, 840, 1080, 1320, 1620, 1860, 2100};
    for (int k = 0; k < 9; ++k) {
        Check1[k] = kaestchen(Picture1, indexName("Check1", k), kastenLinks[k], 3960, 240, 288);
        Check2[k] = kaestchen(Picture1, indexName("Check2", k), kastenLinks[k], 5700, 240, 288);
    }
    Check1[2]->setChecked(true);
    Check1[3]->setChecked(true);
    Check2[3]->setChecked(true);
}

void frmVireo::baueFarbe() {
    balken(Picture1, QStringLiteral("Label5"), QStringLiteral("Farbe"), 0, 7440, kPanelBreite, 252, kBalkenGrau);
    auto feld = [this](const char* name, const char* label, const QString& text, int links, int oben,
                       int labelBreite, view::Farbe farbe) {
        auto* f = new Farbfeld(Picture1);
        f->setObjectName(QString::fromLatin1(name));
        platziere(f, links, oben, 255, 255);
        f->setzeFarbe(farbe);
        // Captions of the right column may use the room up to the panel's edge, so none is cut off.
        const int breite = links > 600 ? std::max(labelBreite, kPanelBreite - links - 330) : labelBreite;
        beschriftung(Picture1, QString::fromLatin1(label), text, links + 300, oben, breite, 252);
        return f;
    };
    Picture5 = feld("Picture5_0", "Label7", QStringLiteral("Schirm"), 120, 7920, 672, view::rgb(255, 255, 255));
    Picture13 = feld("Picture13", "Label22", QStringLiteral("Raster"), 120, 8220, 672, view::rgb(224, 224, 224));
    Picture9 = feld("Picture9", "Label17", QStringLiteral("Zelle neu"), 1200, 7788, 732, view::rgb(255, 0, 0));
    Picture4 = feld("Picture4_0", "Label6", QStringLiteral("Zelle alt 1"), 1200, 8064, 792, view::rgb(0, 0, 255));
    Picture10 = feld("Picture10", "Label18", QStringLiteral("Zelle alt 2"), 1200, 8340, 732, view::rgb(0, 0, 0));
}

void frmVireo::baueRand() {
    balken(Picture1, QStringLiteral("Label4"), QStringLiteral("Randoptionen"), 0, 8640, kPanelBreite, 252,
           kBalkenGrau);
    auto* gruppe = new QButtonGroup(this);
    const QString texte[3] = {QStringLiteral("Torus"), QStringLiteral("Quadrat "), QStringLiteral("Spiegel")};
    for (int k = 0; k < 3; ++k) {
        Option1[k] = optionsfeld(Picture1, indexName("Option1", k), texte[k], 120, 8940 + 255 * k, 1300, 255);
        gruppe->addButton(Option1[k], k);
    }
    Option1[0]->setChecked(true);
}

engine::Regel frmVireo::regel() const {
    engine::Regel r;
    for (int k = 0; k < 9; ++k) {
        if (Check1[k]->checkState() == Qt::Checked) r.ueberleben |= 1u << k;
        if (Check2[k]->checkState() == Qt::Checked) r.geburt |= 1u << k;
    }
    return r;
}

engine::Rand frmVireo::rand() const {
    if (Option1[1]->isChecked()) return engine::Rand::Quadrat;
    if (Option1[2]->isChecked()) return engine::Rand::Spiegel;
    return engine::Rand::Torus;
}

void frmVireo::zeichneFeld(int n) {
    view::zeichneFeld(flaeche_, *text12Ausgabe_, *welt_, anzeige_, Picture13->farbe(), n);
    picAusgabe->update();
}

void frmVireo::Form_Load() {
    welt_->nachbarMaske = 255;
    welt_->gedIndex = 0;
    welt_->loescheZellen();
    anzeige_.rasterFarbe = view::kRasterEin;
    anzeige_.zellFarbe[2] = view::rgb(255, 0, 0);
    anzeige_.zellFarbe[1] = view::rgb(0, 0, 150);
    anzeige_.zellFarbe[3] = Picture10->farbe();
    welt_->feldGroesse = 30;
    zeichneFeld(30);
    zeichneRaederStart();
    cmdEinf_Click(3);
    cmdLauf_Click();
}

void frmVireo::cmdEinzelschritt_Click() {
    const double zaehler = engine::leseZahl(txtSchritt->text().toStdString());
    txtSchritt->setText(QString::fromStdString(engine::zahlText(zaehler + 1)));
    engine::schritt(*welt_, regel(), rand());
    schrittGesehen();
    zeichneFeld(welt_->feldGroesse);
}

void frmVireo::cmdRea_Click() {
    view::rasterUmschalten(anzeige_, flaeche_.hintergrund());
    zeichneFeld(welt_->feldGroesse);
}

}  // namespace ui
