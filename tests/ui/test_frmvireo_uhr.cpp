#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>
#include <cstring>

#include "fensterhilfe.h"
#include "run/uhr.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

namespace {

using fensterhilfe::zellPixel;

using testhilfe::gleich;

bool zellenGleich(const engine::Welt& a, const engine::Welt& b) {
    return std::memcmp(a.zelle, b.zelle, sizeof a.zelle) == 0;
}

/// The thumb's rectangle as the style draws it.
QRect daumen(QScrollBar* s) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.sliderValue = s->value();
    opt.singleStep = s->singleStep();
    opt.pageStep = s->pageStep();
    opt.subControls = QStyle::SC_All;
    return s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, s);
}

}  // namespace

class TestFrmVireoUhr : public QObject, fensterhilfe::Hauptfenster {
    Q_OBJECT
    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }
    QString tag() { return finde<QPushButton>("cmdLauf")->property("Tag").toString(); }
    void klick(const char* name) { QTest::mouseClick(finde<QPushButton>(name), Qt::LeftButton); }
    void tippe(const char* name, const QString& neu) {
        auto* t = finde<QLineEdit>(name);
        t->selectAll();
        QTest::keyClicks(t, neu);
    }
    void blinker() {
        testhilfe::zeichne(f->welt(), -1, 0, {"222"});
        f->zeichneFeld(30);
    }
    void rueckblende(int v) { finde<QScrollBar>("HScroll2")->setValue(v); }

private slots:
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void startSectionAsDesigned() {
        QCOMPARE(text("txtSchritt"), QStringLiteral("0"));
        QCOMPARE(text("Text4"), QStringLiteral("1"));
        QCOMPARE(text("Text5"), QStringLiteral("75"));
        QCOMPARE(text("Text6"), QStringLiteral("0"));
        QCOMPARE(finde<QLabel>("Label8")->text(), QStringLiteral("überspringen"));
        QCOMPARE(finde<QLabel>("Label21")->text(), QStringLiteral("schnell"));
        QCOMPARE(finde<QLabel>("Label20")->text(), QStringLiteral(" Rückblende bis -99"));
        QCOMPARE(finde<QPushButton>("Command11")->text(), QStringLiteral("x"));
        // The clear button stands over the label's right end; the caption ends before it.
        auto* label20 = finde<QLabel>("Label20");
        QVERIFY(label20->fontMetrics().horizontalAdvance(label20->text()) <=
                finde<QPushButton>("Command11")->x() - label20->x());
        QCOMPARE(finde<QPushButton>("Command8")->text(), QStringLiteral("+1"));
        QCOMPARE(finde<QPushButton>("Command9")->text(), QStringLiteral("-1"));
        QCOMPARE(tag(), QStringLiteral("0"));
        QVERIFY(!finde<QPushButton>("cmdLauf")->icon().isNull());
        QVERIFY(!finde<QPushButton>("Command2")->icon().isNull());
        QCOMPARE(f->uhr()->interval(), 1000);
        QVERIFY(f->uhr()->isActive());
        QCOMPARE(finde<QScrollBar>("HScroll2")->value(), 99);
    }

    void runningTickAdvancesCounterAndWorldByN() {
        blinker();
        auto referenz = std::make_unique<engine::Welt>(f->welt());
        for (int k = 0; k < 5; ++k) engine::schritt(*referenz, engine::Regel::standard(), engine::Rand::Torus);
        tippe("Text4", QStringLiteral("5"));
        klick("cmdLauf");
        QCOMPARE(tag(), QStringLiteral("1"));
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 5"));
        QVERIFY(gleich(f->welt(), *referenz));
        // Shown is the fifth generation: the blinker stands upright, the middle cell is old.
        auto* feld = finde<QWidget>("picAusgabe");
        QCOMPARE(zellPixel(feld, 30, 0, -1), 0xFF0000u);
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000000u);
        QCOMPARE(zellPixel(feld, 30, -1, 0), 0xFFFFFFu);
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 10"));
    }

    void noTickWithoutRunFlagOrWithoutAPositiveN() {
        blinker();
        auto vorher = std::make_unique<engine::Welt>(f->welt());
        f->Timer1_Timer();  // stopped
        klick("cmdLauf");
        for (const char* n : {"0", "abc", "0.5", "-2"}) {
            tippe("Text4", QString::fromLatin1(n));
            f->Timer1_Timer();
        }
        QCOMPARE(text("txtSchritt"), QStringLiteral("0"));
        QVERIFY(gleich(f->welt(), *vorher));
        tippe("Text4", QStringLiteral("2.5"));  // halves go to the even neighbour
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 2"));
    }

    void theRealTimerTicksWhileRunning() {
        finde<QScrollBar>("HScroll1")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f->uhr()->interval(), 10);
        klick("cmdLauf");
        QVERIFY(QTest::qWaitFor([&] { return text("txtSchritt").trimmed().toInt() >= 3; }, 2000));
    }

    void plusAndMinusStopAtTheirBounds() {
        klick("Command8");
        QCOMPARE(text("Text4"), QStringLiteral(" 2"));
        klick("Command9");
        QCOMPARE(text("Text4"), QStringLiteral(" 1"));
        klick("Command9");
        QCOMPARE(text("Text4"), QStringLiteral(" 1"));
        tippe("Text4", QStringLiteral("998"));
        klick("Command8");
        QCOMPARE(text("Text4"), QStringLiteral(" 999"));
        klick("Command8");
        QCOMPARE(text("Text4"), QStringLiteral(" 999"));
    }

    void command2StopsTheClockAndResetsTheCounter() {
        blinker();
        klick("cmdLauf");
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 1"));
        auto vorher = std::make_unique<engine::Welt>(f->welt());
        klick("Command2");
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 0"));
        QCOMPARE(tag(), QStringLiteral("0"));
        QVERIFY(gleich(f->welt(), *vorher));
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 0"));
        klick("cmdEinzelschritt");
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 1"));
    }

    void twoClicksOnTheStartButtonRestoreTheState() {
        blinker();
        auto vorher = std::make_unique<engine::Welt>(f->welt());
        klick("cmdLauf");
        klick("cmdLauf");
        QCOMPARE(tag(), QStringLiteral("0"));
        QVERIFY(gleich(f->welt(), *vorher));
        klick("cmdLauf");
        klick("cmdLauf");
        klick("cmdLauf");
        QCOMPARE(tag(), QStringLiteral("1"));
    }

    void intervalSliderSlowAtTheLeftFastAtTheRight() {
        auto* s = finde<QScrollBar>("HScroll1");
        const QRect start = daumen(s);
        // The right arrow sits at the right end of the bar.
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
        QCOMPARE(f->uhr()->interval(), 240);
        QCOMPARE(text("Text5"), QStringLiteral("77"));
        QCOMPARE(text("txthilfe"), QStringLiteral("dt"));
        // A page click left of the thumb slows down.
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(daumen(s).left() - 3, s->height() / 2));
        QVERIFY(f->uhr()->interval() > 240);
        s->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f->uhr()->interval(), 10);
        QCOMPARE(text("Text5"), QStringLiteral("100"));
        QVERIFY(daumen(s).center().x() > start.center().x());
        s->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(f->uhr()->interval(), 1000);
        QCOMPARE(text("Text5"), QStringLiteral("1"));
        QVERIFY(daumen(s).center().x() < start.center().x());
        QVERIFY(daumen(s).left() < s->width() / 3);
    }

    void draggingTheThumbFollowsLive() {
        auto* s = finde<QScrollBar>("HScroll1");
        const QPoint mitte = daumen(s).center();
        QTest::mousePress(s, Qt::LeftButton, {}, mitte);
        QTest::mouseMove(s, QPoint(s->width() - 2, mitte.y()));
        QVERIFY(s->isSliderDown());
        QCOMPARE(f->uhr()->interval(), 10);
        QCOMPARE(text("Text5"), QStringLiteral("100"));
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(s->width() - 2, mitte.y()));
    }

    void aHugeNKeepsTheWindowResponsiveAndCanBeStopped() {
        blinker();
        tippe("Text4", QStringLiteral("1000000000"));
        klick("cmdLauf");
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 1000"));
        QVERIFY(QTest::qWaitFor([&] { return text("txtSchritt") != QStringLiteral(" 1000"); }, 2000));
        f->Timer1_Timer();  // a tick while the long one is at work starts nothing new
        klick("cmdLauf");
        const QString gestoppt = text("txtSchritt");
        QTest::qWait(50);
        QCOMPARE(text("txtSchritt"), gestoppt);
        // A blinker has period two: every slice ends in the lying phase.
        QCOMPARE(testhilfe::lies(f->welt(), -1, 0, 3, 1), (std::vector<std::string>{"232"}));
    }

    // The exact worlds of the look-back are checked in the history library; here what the user sees.
    void lookBackShowsThePastAndTheStepContinuesFromIt() {
        blinker();
        for (int k = 0; k < 3; ++k) klick("cmdEinzelschritt");
        auto letzter = std::make_unique<engine::Welt>(f->welt());
        testhilfe::zeichne(f->welt(), 8, 8, {"222"});
        auto* feld = finde<QWidget>("picAusgabe");
        rueckblende(97);
        QCOMPARE(text("Text6"), QStringLiteral("-2"));
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000096u);  // survived once, one step in
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 3"));
        rueckblende(90);  // before the first step: nothing recorded
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0xFFFFFFu);
        QCOMPARE(text("Text6"), QStringLiteral("-9"));
        rueckblende(99);  // the last stepped state, the later edit gone
        QCOMPARE(text("Text6"), QStringLiteral(" 0"));
        QVERIFY(zellenGleich(f->welt(), *letzter));

        rueckblende(97);
        klick("cmdEinzelschritt");
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000000u);  // two steps in: the middle cell is old
        QCOMPARE(finde<QScrollBar>("HScroll2")->value(), 97);
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 4"));
    }

    void whileTheClockRunsTheSliderJumpsBackAndNothingChanges() {
        blinker();
        klick("cmdEinzelschritt");
        klick("cmdLauf");
        auto vorher = std::make_unique<engine::Welt>(f->welt());
        auto* s = finde<QScrollBar>("HScroll2");
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(3, s->height() / 2));  // left arrow
        QCOMPARE(s->value(), 99);
        rueckblende(50);
        QCOMPARE(s->value(), 99);
        QCOMPARE(text("Text6"), QStringLiteral("0"));
        QVERIFY(gleich(f->welt(), *vorher));
        klick("Command11");  // clearing the memory while running leaves the world
        QVERIFY(zellenGleich(f->welt(), *vorher));
    }

    void clearingTheMemoryKeepsThePresentAndEmptiesAPastView() {
        blinker();
        klick("cmdEinzelschritt");
        klick("cmdEinzelschritt");
        auto jetzt = std::make_unique<engine::Welt>(f->welt());
        klick("Command11");
        QVERIFY(zellenGleich(f->welt(), *jetzt));
        QCOMPARE(f->welt().gedIndex, 2);
        rueckblende(98);  // the cleared ring holds nothing
        QCOMPARE(testhilfe::lebende(f->welt()), 0);

        rueckblende(99);  // the cleared present: still empty
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
        blinker();
        klick("cmdEinzelschritt");
        klick("cmdEinzelschritt");
        rueckblende(98);
        QVERIFY(testhilfe::lebende(f->welt()) > 0);
        klick("Command11");
        QCOMPARE(finde<QScrollBar>("HScroll2")->value(), 99);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
        QCOMPARE(text("Text6"), QStringLiteral(" 0"));
        QCOMPARE(zellPixel(finde<QWidget>("picAusgabe"), 30, 0, 0), 0xFFFFFFu);
    }
};

QTEST_MAIN(TestFrmVireoUhr)
#include "test_frmvireo_uhr.moc"
