#include "ui/frmmatrix.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "engine/nachbarmaske.h"
#include "ui/bausteine.h"

namespace ui {

namespace {

// Client size, in twips: room for the grid lines and the button.
constexpr int kBreite = 2880;
constexpr int kHoehe = 3060;

// The 3 x 3 squares, in twips: the middle square's corner, side and pitch.
constexpr int kMitteLinks = 1080;
constexpr int kMitteOben = 840;
constexpr int kSeite = 615;
constexpr int kRaster = 600;

const QColor kAngekreuzt(255, 255, 0);
const QColor kFrei(255, 255, 255);
const QColor kZelle(128, 128, 128);

}  // namespace

Figur::Figur(QWidget* eltern) : QWidget(eltern) {}

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

frmMatrix::frmMatrix(engine::Welt& welt, QWidget* eltern)
    : QWidget(eltern, Qt::Dialog), welt_(welt) {
    setObjectName(QStringLiteral("frmMatrix"));
    setWindowTitle(QStringLiteral("Nachbarmatrix"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(tw(kBreite), tw(kHoehe));
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    auto quadrat = [this](int n, engine::Richtung r) {
        shpNachbarn[n] = new Figur(this);
        shpNachbarn[n]->setObjectName(indexName("shpNachbarn", n));
        platziere(shpNachbarn[n], kMitteLinks + kRaster * r.dx, kMitteOben + kRaster * r.dy, kSeite, kSeite);
    };
    quadrat(0, {0, 0});
    shpNachbarn[0]->setzeFuellung(kZelle, Qt::DiagCrossPattern);
    for (int n = 1; n <= engine::kElemente; ++n) quadrat(n, engine::richtungVon(n));

    // The squares look like a cut-out of the cell grid.
    for (int k = 0; k < 4; ++k) {
        Line1[k] = new QWidget(this);
        platziere(Line1[k], 480 + kRaster * k, 60, 15, 2340);
        Line1[k + 4] = new QWidget(this);
        platziere(Line1[k + 4], 120, 240 + kRaster * k, 2640, 15);
    }
    for (int k = 0; k < 8; ++k) {
        Line1[k]->setObjectName(indexName("Line1", k));
        faerbe(Line1[k], Qt::black);
    }

    for (int n = 1; n <= engine::kElemente; ++n) {
        const engine::Richtung r = engine::richtungVon(n);
        chkMat[n] = kaestchen(this, indexName("chkMat", n), kMitteLinks + kRaster * r.dx + 180,
                              kMitteOben + kRaster * r.dy + 120, 255, 375);
        chkMat[n]->setAutoFillBackground(true);
        connect(chkMat[n], &QCheckBox::toggled, this, [this, n] { chkMat_Click(n); });
        chkMat[n]->setChecked(true);
    }

    Command1 = knopf(this, QStringLiteral("Command1"), QStringLiteral("ok"), 480, 2520, 1815, 375);
    faerbe(Command1, kAngekreuzt, Qt::black);
    connect(Command1, &QPushButton::clicked, this, &frmMatrix::Command1_Click);
}

void frmMatrix::zeige() {
    // Left without "ok" last time: the boxes go back to the mask in force.
    const engine::Ankreuzungen a = engine::ankreuzungenAus(welt_.nachbarMaske);
    for (int n = 1; n <= engine::kElemente; ++n) chkMat[n]->setChecked(a[n - 1]);
    if (!schonGezeigt_ && parentWidget()) {
        const QRect ueber = parentWidget()->window()->frameGeometry();
        move(ueber.center() - rect().center());
    }
    schonGezeigt_ = true;
    show();
    raise();
    activateWindow();
}

void frmMatrix::chkMat_Click(int index) {
    const QColor farbe = chkMat[index]->isChecked() ? kAngekreuzt : kFrei;
    shpNachbarn[index]->setzeFuellung(farbe);
    // The box paints its background in the button role; its tick square keeps its own colour.
    QPalette p = chkMat[index]->palette();
    p.setColor(QPalette::Window, farbe);
    p.setColor(QPalette::Button, farbe);
    chkMat[index]->setPalette(p);
}

void frmMatrix::Command1_Click() {
    engine::Ankreuzungen a{};
    for (int n = 1; n <= engine::kElemente; ++n) a[n - 1] = chkMat[n]->isChecked();
    welt_.nachbarMaske = engine::maskeAus(a);
    hide();
}

void frmMatrix::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: Command1_Click(); return;
        case Qt::Key_Escape: close(); return;
        default: QWidget::keyPressEvent(e);
    }
}

}  // namespace ui
