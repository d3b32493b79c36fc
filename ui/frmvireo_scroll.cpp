// Scrolling: the arrows that repeat while held, the "1" buttons and the two wheels.
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <utility>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/frmvireo.h"

namespace ui {

namespace {

// Longer than this between two passes of a held arrow.
constexpr qint64 kPauseNs = 10'000'000;

// Reports the real press and release of a button: a QPushButton's own signals also fire when the
// pointer leaves and re-enters it while the button is held.
class KnopfMaus : public QObject {
public:
    KnopfMaus(QObject* eltern, std::function<void()> runter, std::function<void()> hoch)
        : QObject(eltern), runter_(std::move(runter)), hoch_(std::move(hoch)) {}

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) runter_();
        if (e->type() == QEvent::MouseButtonRelease) hoch_();
        return false;
    }

private:
    std::function<void()> runter_;
    std::function<void()> hoch_;
};


QWidget* linie(QWidget* eltern, const QString& name, QRect ort, QColor farbe) {
    auto* l = new QWidget(eltern);
    l->setObjectName(name);
    l->setGeometry(ort);
    faerbe(l, farbe);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

}  // namespace

void frmVireo::baueScroll() {
    // Arrows (left, top, width, height per direction), then the "1" buttons.
    const int pfeil[4][4] = {{3120, 0, 375, 255}, {9840, 3540, 255, 375}, {6660, 0, 375, 255}, {9840, 6540, 255, 375}};
    const int eins[4][4] = {{2940, 0, 195, 255}, {9840, 3360, 255, 195}, {7020, 0, 195, 255}, {9840, 6900, 255, 195}};
    QFont klein = font();
    klein.setPixelSize(10);
    klein.setBold(true);
    for (int r = 0; r < 4; ++r) {
        cmdScroll[r] = knopf(client_, indexName("cmdScroll", r), QString(), pfeil[r][0], pfeil[r][1], pfeil[r][2],
                             pfeil[r][3]);
        cmdScroll[r]->setIcon(bildScrollPfeil(r, cmdScroll[r]->size() - QSize(4, 4)));
        cmdScroll[r]->setIconSize(cmdScroll[r]->size() - QSize(4, 4));
        cmdScroll[r]->installEventFilter(
            new KnopfMaus(cmdScroll[r], [this, r] { cmdScroll_MouseDown(r); }, [this] { cmdScroll_MouseUp(); }));

        cmdScroll1[r] = knopf(client_, indexName("cmdScroll1", r), QStringLiteral("1"), eins[r][0], eins[r][1],
                              eins[r][2], eins[r][3]);
        cmdScroll1[r]->setFont(klein);
        faerbe(cmdScroll1[r], QColor(255, 255, 0), Qt::black);
        connect(cmdScroll1[r], &QPushButton::clicked, this, [this, r] { cmdScroll1_Click(r); });
    }

    auto rad = [this](const char* name, std::unique_ptr<QtZeichenflaeche>& flaeche, int links, int oben, int breite,
                      int hoehe) {
        const QSize pixel(tw(links + breite) - tw(links), tw(oben + hoehe) - tw(oben));
        flaeche = std::make_unique<QtZeichenflaeche>(pixel.width(), pixel.height(), edit::kRadGrund);
        auto* bild = new FeldBild(*flaeche, client_);
        bild->setObjectName(QString::fromLatin1(name));
        platziere(bild, links, oben, breite, hoehe);
        return bild;
    };
    Picture7 = rad("Picture7", rad7_, 3540, 0, 3075, 255);
    Picture11 = rad("Picture11", rad11_, 9840, 3960, 255, 2535);
    connect(Picture7, &FeldBild::mausRunter, this, [this](int, double x, double) { Picture7_MouseDown(float(x)); });
    connect(Picture7, &FeldBild::mausBewegt, this, [this](int, double x, double) { Picture7_MouseMove(float(x)); });
    connect(Picture7, &FeldBild::mausHoch, this, [this] { Picture7_MouseUp(); });
    connect(Picture11, &FeldBild::mausRunter, this, [this](int, double, double y) { Picture11_MouseDown(float(y)); });
    connect(Picture11, &FeldBild::mausBewegt, this, [this](int, double, double y) { Picture11_MouseMove(float(y)); });
    connect(Picture11, &FeldBild::mausHoch, this, [this] { Picture11_MouseUp(); });

    // Light above and shadow below along the long edges; they stay when a wheel is cleared.
    const QColor hell(255, 150, 150), dunkel(90, 0, 0);
    const int b7 = Picture7->width(), h7 = Picture7->height();
    linie(Picture7, QStringLiteral("Line8"), QRect(0, 0, b7, 1), hell);
    linie(Picture7, QStringLiteral("Line9"), QRect(0, h7 - 1, b7, 1), dunkel);
    const int b11 = Picture11->width(), h11 = Picture11->height();
    linie(Picture11, QStringLiteral("Line10"), QRect(0, 0, 1, h11), hell);
    linie(Picture11, QStringLiteral("Line11"), QRect(b11 - 1, 0, 1, h11), dunkel);
    linie(Picture11, QStringLiteral("Line12"), QRect(b11 - 2, 0, 1, h11), QColor(140, 0, 0));

    // End caps over the wheels' ends, numbered like the directions.
    const int kappe[4][4] = {{3540, 0, 75, 255}, {9840, 3960, 255, 75}, {6540, 0, 75, 255}, {9840, 6420, 255, 75}};
    for (int k = 0; k < 4; ++k) {
        Picture12[k] = new QWidget(client_);
        Picture12[k]->setObjectName(indexName("Picture12", k));
        platziere(Picture12[k], kappe[k][0], kappe[k][1], kappe[k][2], kappe[k][3]);
        faerbe(Picture12[k], QColor(96, 96, 104));
    }

    hilfeAusgabe_ = std::make_unique<QtTextFeld>(txthilfe);
    scrollen_ = std::make_unique<edit::Scrollen>(*welt_, *rad7_, *rad11_, *hilfeAusgabe_,
                                                 [this] {
                                                     neuerLauf();
                                                     zeichneFeld(welt_->feldGroesse);
                                                 });

    scrollUhr_ = new QTimer(this);
    scrollUhr_->setSingleShot(true);
    scrollUhr_->setTimerType(Qt::PreciseTimer);
    connect(scrollUhr_, &QTimer::timeout, this, &frmVireo::scrollTakt);
}

void frmVireo::zeigeRaeder() {
    Picture7->update();
    Picture11->update();
}

void frmVireo::zeichneRaederStart() {
    scrollen_->raederStart();
    zeigeRaeder();
}

void frmVireo::cmdScroll1_Click(int index) {
    scrollen_->einzelSchritt(index);
    zeigeRaeder();
}

void frmVireo::cmdScroll_MouseDown(int index) {
    // A pass still owed to a press that was already released is made first.
    if (scrollUhr_->isActive()) {
        scrollUhr_->stop();
        scrollen_->wiederholSchritt(scrollRichtung_);
        zeigeRaeder();
    }
    scrollRichtung_ = index;
    scrollen_->scrollGedrueckt = true;
    scrollPause_.start();
    scrollUhr_->start(11);
}

void frmVireo::scrollTakt() {
    const qint64 vergangen = scrollPause_.nsecsElapsed();
    if (vergangen <= kPauseNs) {
        scrollUhr_->start(int((kPauseNs - vergangen) / 1'000'000) + 1);
        return;
    }
    scrollen_->wiederholSchritt(scrollRichtung_);
    zeigeRaeder();
    if (scrollen_->scrollGedrueckt) {
        scrollPause_.start();
        scrollUhr_->start(11);
    }
}

void frmVireo::cmdScroll_MouseUp() { scrollen_->losgelassen(); }

void frmVireo::Picture7_MouseDown(float x) { scrollen_->radWaagerechtRunter(x); }

void frmVireo::Picture7_MouseMove(float x) {
    scrollen_->radWaagerechtBewegt(x);
    zeigeRaeder();
}

void frmVireo::Picture7_MouseUp() { scrollen_->losgelassen(); }

void frmVireo::Picture11_MouseDown(float y) { scrollen_->radSenkrechtRunter(y); }

void frmVireo::Picture11_MouseMove(float y) {
    scrollen_->radSenkrechtBewegt(y);
    zeigeRaeder();
}

void frmVireo::Picture11_MouseUp() { scrollen_->losgelassen(); }

}  // namespace ui
