#include "ui/frmmatrix.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "engine/nachbarmaske.h"
#include "ui/bausteine.h"
#include "ui/sprache.h"
#include "ui/zugang.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

// The designed client is 2880 x 3060 twips; the window is wider so that a window manager shows
// its whole title, the extra width on the right of the design.
constexpr int kBreite = 4200;
constexpr int kHoehe = 3060;

// The 3 x 3 squares, in twips: the middle square's corner, side and pitch.
constexpr int kMitteLinks = 1080;
constexpr int kMitteOben = 840;
constexpr int kSeite = 615;
constexpr int kRaster = 600;

const QColor kAngekreuzt(255, 255, 0);
const QColor kFrei(255, 255, 255);

}  // namespace

void Figur::setzeFuellung(QColor farbe, Qt::BrushStyle muster) {
    farbe_ = farbe;
    muster_ = muster;
    update();
}

void Figur::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), farbe_);
    if (muster_ != Qt::SolidPattern) p.fillRect(rect(), QBrush(Qt::black, muster_));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmMatrix::frmMatrix(werkbank::Werkbank& modell, QWidget* eltern) : QWidget(eltern, Qt::Dialog), modell_(modell) {
    setObjectName(QStringLiteral("frmMatrix"));
    beschrifte(this, QT_TRANSLATE_NOOP("MorLix", "Nachbarmatrix"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(tw(kBreite), tw(kHoehe));
    ui::faerbe(this, Qt::white);

    auto quadrat = [this](int n, engine::Richtung r) {
        felder_[n] = new Figur(this);
        felder_[n]->setObjectName(indexName("shpNachbarn", n));
        platziere(felder_[n], kMitteLinks + kRaster * r.dx, kMitteOben + kRaster * r.dy, kSeite, kSeite);
    };
    quadrat(0, {0, 0});
    felder_[0]->setzeFuellung(QColor(128, 128, 128), Qt::DiagCrossPattern);
    for (int n = 1; n <= engine::kElemente; ++n) quadrat(n, engine::richtungVon(n));

    // Lines past the squares, so that they look like a cut-out of the cell grid.
    for (int k = 0; k < 8; ++k) {
        auto* linie = new QWidget(this);
        linie->setObjectName(indexName("Line1", k));
        if (k < 4)
            platziere(linie, 480 + kRaster * k, 60, 15, 2340);
        else
            platziere(linie, 120, 240 + kRaster * (k - 4), 2640, 15);
        ui::faerbe(linie, Qt::black);
    }

    for (int n = 1; n <= engine::kElemente; ++n) {
        const engine::Richtung r = engine::richtungVon(n);
        boxen_[n] = kaestchen(this, indexName("chkMat", n), kMitteLinks + kRaster * r.dx + 180,
                              kMitteOben + kRaster * r.dy + 120, 255, 375);
        boxen_[n]->setAutoFillBackground(true);
        connect(boxen_[n], &QCheckBox::toggled, this, [this, n] { faerbe(n); });
        boxen_[n]->setChecked(true);
    }

    QPushButton* okKnopf =
        knopf(this, QStringLiteral("Command1"), QT_TRANSLATE_NOOP("MorLix", "&ok"), 480, 2520, 1815, 375);
    ui::faerbe(okKnopf, kAngekreuzt, Qt::black);
    connect(okKnopf, &QPushButton::clicked, this, &frmMatrix::ok);
    ordneTabFolge({this});
    benenne(this);
}

void frmMatrix::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) benenne(this);
}

void frmMatrix::zeige() {
    // Left without "ok" last time: the boxes go back to the mask in force.
    const engine::Ankreuzungen a = engine::ankreuzungenAus(modell_.maske());
    for (int n = 1; n <= engine::kElemente; ++n) boxen_[n]->setChecked(a[n - 1]);
    if (!schonGezeigt_ && parentWidget()) move(parentWidget()->window()->frameGeometry().center() - rect().center());
    schonGezeigt_ = true;
    show();
    raise();
    activateWindow();
}

void frmMatrix::faerbe(int element) {
    const QColor farbe = boxen_[element]->isChecked() ? kAngekreuzt : kFrei;
    felder_[element]->setzeFuellung(farbe);
    // The box paints its background in the button role; its tick square keeps its own colour.
    QPalette p = boxen_[element]->palette();
    p.setColor(QPalette::Window, farbe);
    p.setColor(QPalette::Button, farbe);
    boxen_[element]->setPalette(p);
}

void frmMatrix::ok() {
    engine::Ankreuzungen a{};
    for (int n = 1; n <= engine::kElemente; ++n) a[n - 1] = boxen_[n]->isChecked();
    modell_.setzeMaske(engine::maskeAus(a));
    hide();
}

void frmMatrix::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: ok(); return;
        case Qt::Key_Escape: close(); return;
        default: QWidget::keyPressEvent(e);
    }
}

}  // namespace ui
