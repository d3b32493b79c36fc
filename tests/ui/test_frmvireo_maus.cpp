#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

using fensterhilfe::zeigerAuf;
using fensterhilfe::zellPixel;

class TestMaus : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }
    std::vector<std::string> lies(int links, int oben, int breite, int hoehe) {
        return testhilfe::lies(f->welt(), links, oben, breite, hoehe);
    }
    void links(int i, int j) { QTest::mouseClick(feld, Qt::LeftButton, {}, zeigerAuf(feld, 30, i, j)); }

private slots:
    void init() { QVERIFY(oeffne()); }
    void cleanup() { schliesse(); }

    void controlsOfMouseEditingAreWhereDesigned() {
        auto* balken = finde<QLabel>("Label19");
        QCOMPARE(balken->text(), QStringLiteral("Funktion rechte Maustaste"));
        QCOMPARE(balken->palette().color(QPalette::Window), QColor(64, 64, 64));
        QVERIFY(!finde<QPushButton>("Command1")->icon().isNull());
    }

    void pointerIsAPencilWithTheTipLowerLeftAndTheEraserUpperRight() {
        const QCursor zeiger = feld->cursor();
        QCOMPARE(zeiger.shape(), Qt::BitmapCursor);
        QCOMPARE(zeiger.hotSpot(), QPoint(16, 16));
        const QImage bild = zeiger.pixmap().toImage();
        QCOMPARE(bild.size(), QSize(32, 32));
        QVERIFY(qAlpha(bild.pixel(16, 16)) > 0);
        QVERIFY(qAlpha(bild.pixel(4, 28)) > 0);             // tip, 12 pixels from the centre
        QCOMPARE(qAlpha(bild.pixel(3, 3)), 0);
        QCOMPARE(qAlpha(bild.pixel(28, 28)), 0);
        QVERIFY(qRed(bild.pixel(27, 5)) > qBlue(bild.pixel(27, 5)));  // pink eraser
        QVERIFY(qRed(bild.pixel(5, 27)) < 100);                       // dark lead
    }

    void leftClickTogglesAndRedraws() {
        links(2, 3);
        QCOMPARE(f->welt().zelle[47][48], 2);
        QCOMPARE(zellPixel(feld, 30, 2, 3), 0xFF0000u);
        links(2, 3);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
        QCOMPARE(zellPixel(feld, 30, 2, 3), 0xFFFFFFu);
        testhilfe::zeichne(f->welt(), 0, 0, {"13"});
        links(0, 0);
        links(1, 0);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
    }

    void clickNearTheLeftEdgeReachesTheCellOutsideTheField() {
        const QImage vorher = feld->grab().toImage();
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(3, 324));
        QCOMPARE(f->welt().zelle[engine::speicherIndex(-16)][engine::speicherIndex(0)], 2);
        QCOMPARE(feld->grab().toImage(), vorher);
        f->cmd90_Click();
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(1, 324));  // column -47 before the limit
        QCOMPARE(f->welt().zelle[0][engine::speicherIndex(1)], 2);
        QCOMPARE(testhilfe::lebende(f->welt()), 2);
    }

    void rightPressAndReleaseChangesNothing() {
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 0, 0));
        QVERIFY(f->maus().linieAktiv);
        QTest::mouseRelease(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 0, 0));
        QVERIFY(!f->maus().linieAktiv);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
    }

    void leftDragChangesOnlyThePressedCellAndShowsTheTip() {
        QTest::mousePress(feld, Qt::LeftButton, {}, zeigerAuf(feld, 30, 0, 0));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 3, 0));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 5, -7));
        QTest::mouseRelease(feld, Qt::LeftButton, {}, zeigerAuf(feld, 30, 5, -7));
        QCOMPARE(testhilfe::lebende(f->welt()), 1);
        QCOMPARE(f->welt().zelle[45][45], 2);
        QCOMPARE(text("Text2"), QStringLiteral(" 5"));
        QCOMPARE(text("Text3"), QStringLiteral("-7"));
        QCOMPARE(text("txthilfe"),
                 QStringLiteral("Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie"));
    }

    void rightDragPaintsTheCellsUnderTheTipWithoutAFullRedraw() {
        f->welt().zelle[40][40] = 2;  // set behind the view's back: a full redraw would show it
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 1, 1));
        QCOMPARE(zellPixel(feld, 30, 1, 1), 0xFFFFFFu);
        for (int i = 1; i <= 3; ++i) QTest::mouseMove(feld, zeigerAuf(feld, 30, i, 1));
        QTest::mouseRelease(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 3, 1));
        QCOMPARE(lies(0, 1, 5, 1), std::vector<std::string>{".222."});
        for (int i = 1; i <= 3; ++i) QCOMPARE(zellPixel(feld, 30, i, 1), 0xFF0000u);
        QCOMPARE(zellPixel(feld, 30, -5, -5), 0xFFFFFFu);
        // The outline is the grid-on colour, not the grid colour of the "Raster" field.
        QCOMPARE(fensterhilfe::pixel(feld, 30, 2.5, 1.0), 0xDCDCFFu);
        QCOMPARE(fensterhilfe::pixel(feld, 30, 1.0, 1.5), 0xDCDCFFu);
        QCOMPARE(fensterhilfe::pixel(feld, 30, 1.0, 4.5), 0xE0E0E0u);
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 6, 6));  // released: paints no more
        QCOMPARE(testhilfe::lebende(f->welt()), 4);
    }

    void eraserEmptiesTheCellsUpAndRightWhileTheBoxesShowTheTip() {
        QTest::mouseClick(finde<QPushButton>("Command10_1"), Qt::LeftButton);
        QCOMPARE(f->maus().zeichenModus, 1);
        QCOMPARE(finde<QFrame>("Shape4")->geometry(), QRect(16, 452, 40, 40));
        testhilfe::zeichne(f->welt(), -2, -2, {"3333", "3333", "3333"});
        f->zeichneFeld(30);
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, -2, -1, true));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, -1, -1, true));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 0, -1, true));
        QTest::mouseRelease(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 0, -1, true));
        QCOMPARE(lies(-2, -2, 4, 3), (std::vector<std::string>{"3333", "3..3", "3333"}));
        QCOMPARE(zellPixel(feld, 30, 0, -1), 0xFFFFFFu);
        QCOMPARE(zellPixel(feld, 30, 1, -1), 0x000000u);
        QCOMPARE(text("Text2"), QStringLiteral("-1"));  // the tip, 2.4 cells left of and below the eraser
        QCOMPARE(text("Text3"), QStringLiteral(" 0"));

        QTest::mouseClick(finde<QPushButton>("Command10_0"), Qt::LeftButton);
        QCOMPARE(f->maus().zeichenModus, 0);
        QCOMPARE(finde<QFrame>("Shape4")->geometry(), QRect(100, 452, 40, 40));
        links(-2, -2);  // a left click toggles in either mode
        QCOMPARE(f->welt().zelle[43][43], 0);
    }

    void leftClickDuringARightDragTogglesAndTheDragGoesOn() {
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 0, 0));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 0, 0));
        QTest::mousePress(feld, Qt::LeftButton, {}, zeigerAuf(feld, 30, 0, 0));
        QCOMPARE(f->welt().zelle[45][45], 0);
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0xFFFFFFu);
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 1, 0));
        QCOMPARE(lies(0, 0, 2, 1), std::vector<std::string>{".2"});
        QTest::mouseRelease(feld, Qt::LeftButton, {}, zeigerAuf(feld, 30, 1, 0));
        QTest::mouseMove(feld, zeigerAuf(feld, 30, 2, 0));  // any release ends the line
        QTest::mouseRelease(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 2, 0));
        QCOMPARE(testhilfe::lebende(f->welt()), 1);
    }

    void dragBeyondTheViewPaintsUpToTheLargestFieldsEdge() {
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(feld, 30, 0, 0));
        QTest::mouseMove(feld, QPoint(-2000, 300));
        QTest::mouseMove(feld, QPoint(300, 3000));
        QTest::mouseRelease(feld, Qt::RightButton, {}, QPoint(300, 3000));
        QCOMPARE(f->welt().zelle[0][engine::speicherIndex(-1)], 2);
        QCOMPARE(f->welt().zelle[engine::speicherIndex(-2)][89], 2);
        QCOMPARE(testhilfe::lebende(f->welt()), 2);
        QCOMPARE(text("Text3"), QStringLiteral(" 124"));
        f->cmdEinzelschritt_Click();
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
    }

    void clearButtonEmptiesTheWorldAndKeepsTheRest() {
        f->cmd50_Click();
        testhilfe::zeichne(f->welt(), -30, 0, {"2", "3"});
        f->zeichneFeld(60);
        QTest::mouseClick(finde<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
        QCOMPARE(zellPixel(feld, 60, -30, 0), 0xFFFFFFu);
        QCOMPARE(f->welt().feldGroesse, 60);
        QCOMPARE(text("Text12"), QStringLiteral(" 60 x 60"));
    }
};

QTEST_MAIN(TestMaus)
#include "test_frmvireo_maus.moc"
