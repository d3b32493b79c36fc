#include "ui/feldtafel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "edit/maus.h"
#include "edit/scrollen.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/sprache.h"
#include "ui/widgets.h"
#include "ui/zugang.h"
#include "werkbank/werkbank.h"

namespace ui {

namespace {

QSize pixel(int links, int oben, int breite, int hoehe) {
    return {tw(links + breite) - tw(links), tw(oben + hoehe) - tw(oben)};
}

QWidget* linie(QWidget* eltern, const char* name, QRect ort, QColor farbe) {
    auto* l = new QWidget(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ort);
    faerbe(l, farbe);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

}  // namespace

FeldTafel::FeldTafel(werkbank::Werkbank& modell, QWidget* client)
    : Tafel(modell, client, "feldTafel", 0, 0, 10095, 9960),
      feld_(view::kBildBreite, view::kBildHoehe, view::kFensterHintergrund),
      radWaagerecht_(pixel(3540, 0, 3075, 255).width(), pixel(3540, 0, 3075, 255).height(), edit::kRadGrund),
      radSenkrecht_(pixel(9840, 3960, 255, 2535).width(), pixel(9840, 3960, 255, 2535).height(), edit::kRadGrund) {
    feld_.setzeSystemfarben(systemfarben());
    richteZugangEin();
    ZellAuskunft zellen;
    zellen.seite = [this] { return modell_.feldGroesse(); };
    zellen.zustand = [this](int i, int j) {
        return modell_.welt().zelle(engine::speicherIndex(i), engine::speicherIndex(j));
    };
    zellen.zeiger = [this] {
        const auto z = modell_.zeiger();
        return z ? std::optional<QPoint>(QPoint(z->i, z->j)) : std::nullopt;
    };
    feldBild_ = new FeldBild(feld_, this, std::move(zellen));
    feldBild_->setObjectName(QStringLiteral("picAusgabe"));
    platziere(feldBild_, 180, 240, 9660, 9720);
    feldBild_->setCursor(zeigerBleistift());
    // Tab reaches the field; a click on it takes the keyboard from a text box: keys go to the world again.
    feldBild_->setFocusPolicy(Qt::StrongFocus);
    connect(feldBild_, &FeldBild::mausRunter, this,
            [this](int knopf, double x, double y) { modell_.mausRunter(knopf, x, y); });
    connect(feldBild_, &FeldBild::mausBewegt, this, [this](int, double x, double y) {
        modell_.mausBewegt(x, y);
        emit hilfe(uebersetze(QT_TRANSLATE_NOOP(
            "MorLix", "Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie")));
    });
    connect(feldBild_, &FeldBild::mausHoch, this, [this] { modell_.mausHoch(); });
    baueTastenzeiger();

    QPushButton* leeren = knopf(this, QStringLiteral("Command1"), nullptr, 9840, 0, 255, 240);
    leeren->setIcon(ui::bild(Bild::Kreuz, {tw(255), tw(240)}));
    leeren->setIconSize(QSize(tw(255), tw(240)));
    connect(leeren, &QPushButton::clicked, this, [this] { modell_.zellenLoeschen(); });

    baueScroll();
    baueRandBild();
    zeige(werkbank::kAlles);
}

void FeldTafel::baueScroll() {
    // Arrows (left, top, width, height per direction), then the "1" buttons.
    const int pfeil[4][4] = {{3120, 0, 375, 255}, {9840, 3540, 255, 375}, {6660, 0, 375, 255}, {9840, 6540, 255, 375}};
    const int eins[4][4] = {{2940, 0, 195, 255}, {9840, 3360, 255, 195}, {7020, 0, 195, 255}, {9840, 6900, 255, 195}};
    QFont klein = font();
    klein.setPixelSize(10);
    klein.setBold(true);
    for (int r = 0; r < 4; ++r) {
        QPushButton* p = knopf(this, indexName("cmdScroll", r), nullptr, pfeil[r][0], pfeil[r][1], pfeil[r][2],
                               pfeil[r][3]);
        p->setIcon(bildScrollPfeil(r, p->size() - QSize(4, 4)));
        p->setIconSize(p->size() - QSize(4, 4));
        // The real press and release: pressed() also fires when the held pointer comes back over
        // it. Space held on the focused arrow repeats as the held mouse button does.
        beiEreignis(p,
                    {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease,
                     QEvent::KeyPress, QEvent::KeyRelease},
                    [this, r](QEvent* e) {
                        const bool taste = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
                        if (taste && (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Space ||
                                      static_cast<QKeyEvent*>(e)->isAutoRepeat()))
                            return;
                        if (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::KeyRelease)
                            modell_.scrollLoslassen();
                        else
                            pfeilRunter(r);
                    });

        QPushButton* e = knopf(this, indexName("cmdScroll1", r), "1", eins[r][0], eins[r][1],
                               eins[r][2], eins[r][3]);
        e->setFont(klein);
        faerbe(e, QColor(255, 255, 0), Qt::black);
        connect(e, &QPushButton::clicked, this, [this, r] { modell_.scrollSchritt(r); });
    }

    auto rad = [this](const char* name, view::Pixelflaeche& flaeche, bool waagerecht, int links, int oben,
                      int breite, int hoehe) {
        edit::radKoordinaten(flaeche, waagerecht);
        auto* bild = new FeldBild(flaeche, this);
        bild->setObjectName(QString::fromLatin1(name));
        platziere(bild, links, oben, breite, hoehe);
        connect(bild, &FeldBild::mausBewegt, this,
                [this] { emit hilfe(uebersetze(QT_TRANSLATE_NOOP("MorLix", "Scrollrad"))); });
        connect(bild, &FeldBild::mausHoch, this, [this] { modell_.scrollLoslassen(); });
        return bild;
    };
    radWaagerechtBild_ = rad("Picture7", radWaagerecht_, true, 3540, 0, 3075, 255);
    radSenkrechtBild_ = rad("Picture11", radSenkrecht_, false, 9840, 3960, 255, 2535);
    connect(radWaagerechtBild_, &FeldBild::mausRunter, this,
            [this](int, double x, double) { modell_.radWaagerechtRunter(static_cast<float>(x)); });
    connect(radWaagerechtBild_, &FeldBild::mausBewegt, this,
            [this](int, double x, double) { modell_.radWaagerechtBewegt(static_cast<float>(x)); });
    connect(radSenkrechtBild_, &FeldBild::mausRunter, this,
            [this](int, double, double y) { modell_.radSenkrechtRunter(static_cast<float>(y)); });
    connect(radSenkrechtBild_, &FeldBild::mausBewegt, this,
            [this](int, double, double y) { modell_.radSenkrechtBewegt(static_cast<float>(y)); });

    // Light above and shadow below along the long edges; they stay when a wheel is cleared.
    const QColor hell(255, 150, 150), dunkel(90, 0, 0);
    const int b7 = radWaagerechtBild_->width(), h7 = radWaagerechtBild_->height();
    linie(radWaagerechtBild_, "Line8", QRect(0, 0, b7, 1), hell);
    linie(radWaagerechtBild_, "Line9", QRect(0, h7 - 1, b7, 1), dunkel);
    const int b11 = radSenkrechtBild_->width(), h11 = radSenkrechtBild_->height();
    linie(radSenkrechtBild_, "Line10", QRect(0, 0, 1, h11), hell);
    linie(radSenkrechtBild_, "Line11", QRect(b11 - 1, 0, 1, h11), dunkel);
    linie(radSenkrechtBild_, "Line12", QRect(b11 - 2, 0, 1, h11), QColor(140, 0, 0));

    // End caps over the wheels' ends, numbered like the directions.
    const int kappe[4][4] = {{3540, 0, 75, 255}, {9840, 3960, 255, 75}, {6540, 0, 75, 255}, {9840, 6420, 255, 75}};
    for (int k = 0; k < 4; ++k) {
        auto* w = new QWidget(this);
        w->setObjectName(indexName("Picture12", k));
        platziere(w, kappe[k][0], kappe[k][1], kappe[k][2], kappe[k][3]);
        faerbe(w, QColor(96, 96, 104));
    }

    scrollUhr_ = new QTimer(this);
    scrollUhr_->setSingleShot(true);
    scrollUhr_->setTimerType(Qt::PreciseTimer);
    connect(scrollUhr_, &QTimer::timeout, this, &FeldTafel::scrollTakt);
    scrollZeit_.start();
}

void FeldTafel::baueRandBild() {
    randBild_ = new QWidget(this);
    randBild_->setObjectName(QStringLiteral("Picture6"));
    platziere(randBild_, 960, 1620, 8715, 6135);
    auto* bild = new QLabel(randBild_);
    bild->setObjectName(QStringLiteral("randBild"));
    bild->setGeometry(randBild_->rect());
    bild->setPixmap(ui::bild(Bild::Randoptionen, randBild_->size()));
    QPushButton* zu = knopf(randBild_, QStringLiteral("Command3"), "x", 8715 - 375, 0, 375, 375);
    connect(zu, &QPushButton::clicked, randBild_, &QWidget::hide);
    randBild_->hide();
}

void FeldTafel::zeigeRandBild() {
    randBild_->raise();
    randBild_->show();
}

void FeldTafel::pfeilRunter(int richtung) {
    if (const int geschuldet = wiederholung_.gedrueckt(richtung, scrollZeit_.nsecsElapsed()); geschuldet >= 0)
        modell_.scrollWiederholung(geschuldet);
    modell_.scrollHalten();
    planeScroll();
}

void FeldTafel::scrollTakt() {
    if (const int richtung = wiederholung_.faellig(scrollZeit_.nsecsElapsed()); richtung >= 0) {
        modell_.scrollWiederholung(richtung);
        wiederholung_.gemacht(modell_.scrollen().scrollGedrueckt, scrollZeit_.nsecsElapsed());
    }
    planeScroll();
}

void FeldTafel::baueTastenzeiger() {
    // F6 brings the keyboard to the field, where a cell cursor stands in for the pointer.
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    f6->setContext(Qt::WindowShortcut);
    connect(f6, &QShortcut::activated, this, [this] {
        feldBild_->setFocus(Qt::ShortcutFocusReason);
        modell_.zeigerAn();
        meldeZeiger(feldBild_);
    });
    feldBild_->beiFokus = [this](bool hinein) {
        hinein ? modell_.zeigerAn() : modell_.zeigerAus();
        if (hinein) meldeZeiger(feldBild_);
    };
    feldBild_->beiUmschaltLos = [this] { modell_.zeigerStrichEnde(); };
    feldBild_->beiTaste = [this](int taste, bool umschalt) {
        switch (taste) {
            case Qt::Key_Left: modell_.zeigerBewegen(-1, 0, umschalt); break;
            case Qt::Key_Right: modell_.zeigerBewegen(1, 0, umschalt); break;
            case Qt::Key_Up: modell_.zeigerBewegen(0, -1, umschalt); break;
            case Qt::Key_Down: modell_.zeigerBewegen(0, 1, umschalt); break;
            case Qt::Key_X: modell_.zeigerSchalten(); break;
            case Qt::Key_Escape: feldBild_->clearFocus(); return true;
            default: return false;  // Space, Return and the menus' keys reach the window
        }
        meldeZeiger(feldBild_);
        return true;
    };
}

void FeldTafel::planeScroll() {
    if (const int ms = wiederholung_.wartezeitMs(scrollZeit_.nsecsElapsed()); ms >= 0) scrollUhr_->start(ms);
}

void FeldTafel::zeichneFeld() {
    view::zeichneFeld(feld_, modell_.welt().zellen(), modell_.anzeige(), modell_.feldGroesse());
    feldBild_->update();
}

void FeldTafel::male(const edit::Gemalt& gemalt) {
    edit::maleZelle(feld_, modell_.anzeige(), gemalt.zelle, gemalt.wert);
    feldBild_->update();
}

void FeldTafel::zeige(std::uint32_t was) {
    if (was & (werkbank::kZellen | werkbank::kGroesse | werkbank::kFarben)) zeichneFeld();
    if (was & werkbank::kZeiger) {
        const auto z = modell_.zeiger();
        feldBild_->setzeMarke(z ? std::optional<QRectF>(QRectF(z->i, z->j, 1, 1)) : std::nullopt);
    }
    if (was & werkbank::kRadWaagerecht) {
        edit::zeichneRad(radWaagerecht_, true, modell_.scrollen().radWinkel);
        radWaagerechtBild_->update();
    }
    if (was & werkbank::kRadSenkrecht) {
        edit::zeichneRad(radSenkrecht_, false, modell_.scrollen().radWinkel);
        radSenkrechtBild_->update();
    }
}

}  // namespace ui
