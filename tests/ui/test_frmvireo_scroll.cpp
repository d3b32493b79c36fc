#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

using Bild = std::vector<std::string>;

class TestFrmVireoScroll : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    Bild oberkante() { return testhilfe::lies(f->welt(), -15, -15, 30, 1); }

private slots:
    void init() {
        QVERIFY(oeffne());
        testhilfe::zeichne(f->welt(), -15, -15, {"2.3"});
    }
    void cleanup() { schliesse(); }

    void controlsShowTheirColours() {
        auto* eins = finde<QPushButton>(QStringLiteral("cmdScroll1_2"));
        QCOMPARE(eins->text(), QStringLiteral("1"));
        QCOMPARE(eins->palette().color(QPalette::Button), QColor(255, 255, 0));
        for (int k = 0; k < 4; ++k) {
            const QSize s = finde<QWidget>(QStringLiteral("Picture12_%1").arg(k))->size();
            QCOMPARE(std::min(s.width(), s.height()), 5);
        }
        // The horizontal wheel at start: red ground, a yellow ridge at its middle (angle 0).
        const QImage rad = finde<QWidget>(QStringLiteral("Picture7"))->grab().toImage();
        QCOMPARE(rad.pixel(3, rad.height() / 2) & 0xFFFFFF, 0xC00000u);
        QCOMPARE(rad.pixel(rad.width() / 2, rad.height() / 2) & 0xFFFFFF, 0xFFFF00u);
        for (const char* name : {"Line8", "Line9", "Line10", "Line11", "Line12"}) finde<QWidget>(QString::fromLatin1(name));
    }

    void shortClickOnAnArrowScrollsExactlyOneCell() {
        auto* links = finde<QPushButton>(QStringLiteral("cmdScroll_0"));
        QTest::mouseClick(links, Qt::LeftButton);
        QTRY_COMPARE(oberkante()[0], std::string(".3") + std::string(27, '.') + "2");
        QTest::qWait(60);
        QCOMPARE(oberkante()[0], std::string(".3") + std::string(27, '.') + "2");
        QCOMPARE(f->scrollen().scrollGedrueckt, false);
        QCOMPARE(f->scrollen().radWinkel, -1.0);
    }

    void holdingAnArrowRepeatsUntilRelease() {
        auto* rechts = finde<QPushButton>(QStringLiteral("cmdScroll_2"));
        QElapsedTimer uhr;
        uhr.start();
        QTest::mousePress(rechts, Qt::LeftButton);
        QTest::qWait(120);
        QTest::mouseRelease(rechts, Qt::LeftButton);
        const qint64 gehalten = uhr.elapsed();
        QTest::qWait(40);
        // One pass at most every 10 ms, plus the one still owed at release.
        const int schritte = int(f->scrollen().radWinkel);
        QVERIFY2(schritte >= 2 && schritte <= gehalten / 10 + 1, qPrintable(QString::number(schritte)));
        QCOMPARE(f->welt().zelle[engine::speicherIndex(-15 + schritte)][30], 2);
        QTest::qWait(40);
        QCOMPARE(int(f->scrollen().radWinkel), schritte);  // stopped
    }

    void oneButtonsScrollOneCellAndWrapInEveryEdgeMode() {
        for (int modus = 0; modus < 3; ++modus) {
            QTest::mouseClick(finde<QRadioButton>(QStringLiteral("Option1_%1").arg(modus)), Qt::LeftButton);
            QTest::mouseClick(finde<QPushButton>(QStringLiteral("cmdScroll1_0")), Qt::LeftButton);
        }
        QCOMPARE(oberkante()[0], std::string(27, '.') + "2.3");
        QCOMPARE(f->scrollen().radWinkel, -6.0);
        QTest::mouseClick(finde<QPushButton>(QStringLiteral("cmdScroll1_3")), Qt::LeftButton);
        QCOMPARE(testhilfe::lies(f->welt(), 12, -14, 3, 1)[0], "2.3");
    }

    void draggingAWheelScrollsWithThePointerAndWritesTheHelp() {
        auto* rad = finde<QWidget>(QStringLiteral("Picture7"));
        QTest::mousePress(rad, Qt::LeftButton, {}, QPoint(100, 8));
        QMouseEvent zug(QEvent::MouseMove, QPointF(90, 8), rad->mapToGlobal(QPointF(90, 8)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rad, &zug);
        QCOMPARE(oberkante()[0], std::string(".3") + std::string(27, '.') + "2");
        QCOMPARE(f->scrollen().radWinkel, -3.0);
        QCOMPARE(finde<QLineEdit>(QStringLiteral("txthilfe"))->text(), QStringLiteral("Scrollrad"));
        QTest::mouseRelease(rad, Qt::LeftButton, {}, QPoint(90, 8));
        QMouseEvent schweben(QEvent::MouseMove, QPointF(150, 8), rad->mapToGlobal(QPointF(150, 8)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(rad, &schweben);
        QCOMPARE(oberkante()[0], std::string(".3") + std::string(27, '.') + "2");
        QCOMPARE(f->scrollen().radWinkel, -3.0);
    }
};

QTEST_MAIN(TestFrmVireoScroll)
#include "test_frmvireo_scroll.moc"
