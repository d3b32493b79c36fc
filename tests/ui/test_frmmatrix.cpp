#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "engine/schritt.h"
#include "engine/zahltext.h"
#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/bausteine.h"
#include "ui/frmvireo.h"

namespace {

constexpr QRgb kGelb = 0xFFFF00;
constexpr QRgb kWeiss = 0xFFFFFF;

QRgb pixel(const QImage& bild, int x, int y) { return bild.pixel(x, y) & 0xFFFFFF; }

/// Twips corner of square n in the 3 x 3 picture.
QPoint quadratEcke(int n) {
    const engine::Richtung r = n == 0 ? engine::Richtung{0, 0} : engine::kNachbarn[n - 1];
    return {1080 + 600 * r.dx, 840 + 600 * r.dy};
}

}  // namespace

class TestFrmMatrix : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    template <typename T>
    T* finde(QObject* in, const QString& name) {
        return fensterhilfe::finde<T>(in, name);
    }
    QCheckBox* box(QWidget* m, int n) { return finde<QCheckBox>(m, QStringLiteral("chkMat_%1").arg(n)); }
    QLineEdit* zaehler() { return finde<QLineEdit>(f.get(), QStringLiteral("txtSchritt")); }

    /// Opens the matrix from the menu, as the user does.
    QWidget* oeffne() {
        finde<QAction>(f.get(), QStringLiteral("cmdMatrixdef"))->trigger();
        auto* m = finde<QWidget>(f.get(), QStringLiteral("frmMatrix"));
        if (!QTest::qWaitForWindowExposed(m)) qFatal("matrix window not shown");
        return m;
    }
    void ok(QWidget* m) { QTest::mouseClick(finde<QPushButton>(m, QStringLiteral("Command1")), Qt::LeftButton); }
    /// Clicks exactly the boxes whose tick differs from `soll` (element n at index n - 1).
    void setze(QWidget* m, const std::array<bool, 8>& soll) {
        for (int n = 1; n <= 8; ++n)
            if (box(m, n)->isChecked() != soll[n - 1]) QTest::mouseClick(box(m, n), Qt::LeftButton);
    }
    std::array<bool, 8> haken(QWidget* m) {
        std::array<bool, 8> h{};
        for (int n = 1; n <= 8; ++n) h[n - 1] = box(m, n)->isChecked();
        return h;
    }
    /// Colour of square n where no box covers it, and of the box's own background.
    std::pair<QRgb, QRgb> farben(QWidget* m, int n) {
        const QImage bild = m->grab().toImage();
        const QPoint e = quadratEcke(n);
        const QImage kasten = box(m, n)->grab().toImage();
        return {pixel(bild, ui::tw(e.x() + 520), ui::tw(e.y() + 560)), pixel(kasten, kasten.width() - 1, 0)};
    }
    /// A click that goes through the window system, where modality applies.
    void systemKlick(QWidget* ziel) {
        QWindow* fenster = f->windowHandle();
        QTest::mouseClick(fenster, Qt::LeftButton, {}, ziel->mapTo(f.get(), ziel->rect().center()));
    }

private slots:
    void init() { QVERIFY(Fenster::oeffne()); }
    void cleanup() { schliesse(); }

    void firstOpeningShowsEveryBoxTickedAndYellowAroundTheGreyCell() {
        QCOMPARE(f->findChild<QWidget*>(QStringLiteral("frmMatrix")), nullptr);
        QCOMPARE(finde<QAction>(f.get(), QStringLiteral("cmdMatrixdef"))->text(), QStringLiteral("Nachbarmatrix"));
        QWidget* m = oeffne();
        QCOMPARE(m->windowTitle(), QStringLiteral("Nachbarmatrix"));
        QVERIFY(m->isWindow());
        QVERIFY(m->width() >= ui::tw(2760) && m->height() >= ui::tw(2895));
        for (int n = 1; n <= 8; ++n) {
            QVERIFY(box(m, n)->isChecked());
            QVERIFY(box(m, n)->text().isEmpty());
            QCOMPARE(farben(m, n), std::make_pair(kGelb, kGelb));
        }

        // The cell itself: grey with a dark hatch, never yellow.
        const QImage mitte = finde<QWidget>(m, QStringLiteral("shpNachbarn_0"))->grab().toImage();
        int grau = 0, dunkel = 0;
        for (int y = 2; y < mitte.height() - 2; ++y)
            for (int x = 2; x < mitte.width() - 2; ++x) {
                const QRgb p = pixel(mitte, x, y);
                grau += p == 0x808080;
                dunkel += p == 0x000000;
            }
        QVERIFY2(grau > dunkel && dunkel > 20, qPrintable(QStringLiteral("%1 grey, %2 dark").arg(grau).arg(dunkel)));

        // The grid lines run past the squares; the window itself is white.
        const QImage bild = m->grab().toImage();
        QCOMPARE(pixel(bild, ui::tw(480), ui::tw(120)), 0x000000u);
        QCOMPARE(pixel(bild, ui::tw(2600), ui::tw(1440)), 0x000000u);
        QCOMPARE(pixel(bild, ui::tw(300), ui::tw(300)), kWeiss);

        auto* knopf = finde<QPushButton>(m, QStringLiteral("Command1"));
        QCOMPARE(knopf->text(), QStringLiteral("ok"));
        const QColor k = knopf->grab().toImage().pixelColor(10, knopf->height() / 2);
        QVERIFY2(k.red() > 200 && k.green() > 200 && k.blue() < 100, qPrintable(k.name()));
    }

    void untickingRecoloursAtOnceButOnlyOkChangesTheMask() {
        QWidget* m = oeffne();
        QTest::mouseClick(box(m, 3), Qt::LeftButton);
        QCOMPARE(farben(m, 3), std::make_pair(kWeiss, kWeiss));
        QCOMPARE(farben(m, 4), std::make_pair(kGelb, kGelb));
        QCOMPARE(f->welt().nachbarMaske, 255);
        ok(m);
        QVERIFY(!m->isVisible());
        QCOMPARE(f->welt().nachbarMaske, 251);

        // Without the cell above counted, the middle of a vertical row of three sees only one neighbour.
        testhilfe::zeichne(f->welt(), 0, -1, {"O", "O", "O"});
        auto* schritt = finde<QPushButton>(f.get(), QStringLiteral("cmdEinzelschritt"));
        QTest::mouseClick(schritt, Qt::LeftButton);
        QTest::mouseClick(schritt, Qt::LeftButton);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);

        QTest::mouseClick(box(oeffne(), 3), Qt::LeftButton);
        QCOMPARE(farben(m, 3), std::make_pair(kGelb, kGelb));
    }

    void okWritesTheMaskOfTheTickedBoxes_data() {
        QTest::addColumn<QList<int>>("elemente");
        QTest::addColumn<int>("maske");
        QTest::newRow("left, above, right, below") << QList<int>{1, 3, 5, 7} << 85;
        QTest::newRow("diagonals") << QList<int>{2, 4, 6, 8} << 170;
        QTest::newRow("none") << QList<int>{} << 0;
        QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 255;
    }
    void okWritesTheMaskOfTheTickedBoxes() {
        QFETCH(QList<int>, elemente);
        QFETCH(int, maske);
        std::array<bool, 8> soll{};
        for (int n : elemente) soll[n - 1] = true;
        QWidget* m = oeffne();
        setze(m, soll);
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(farben(m, n).first, soll[n - 1] ? kGelb : kWeiss);
        ok(m);
        QCOMPARE(int(f->welt().nachbarMaske), maske);

        // Reopening shows the same boxes in the same colours, in the one window made at the first opening.
        QCOMPARE(oeffne(), m);
        QCOMPARE(f->findChildren<QWidget*>(QStringLiteral("frmMatrix")).size(), 1);
        QCOMPARE(haken(m), soll);
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(farben(m, n), soll[n - 1] ? std::make_pair(kGelb, kGelb) : std::make_pair(kWeiss, kWeiss));
    }

    void okWithoutChangesWritesTheSameMaskAndNothingElse() {
        QWidget* m = oeffne();
        setze(m, {true, false, true, false, true, false, true, false});
        ok(m);
        testhilfe::zeichne(f->welt(), -1, 0, {"222"});
        f->zeichneFeld(30);
        QTest::mouseClick(finde<QPushButton>(f.get(), QStringLiteral("cmdEinzelschritt")), Qt::LeftButton);
        const auto vorher = std::make_unique<engine::Welt>(f->welt());
        const QImage feld = finde<QWidget>(f.get(), QStringLiteral("picAusgabe"))->grab().toImage();
        ok(oeffne());
        QCOMPARE(f->welt().nachbarMaske, 85);
        QVERIFY(testhilfe::gleich(f->welt(), *vorher));
        QCOMPARE(zaehler()->text(), QStringLiteral(" 1"));
        QCOMPARE(finde<QWidget>(f.get(), QStringLiteral("picAusgabe"))->grab().toImage(), feld);
    }

    void leavingWithoutOkKeepsTheMaskAndTheNextOpeningShowsItsBoxes() {
        QWidget* m = oeffne();
        setze(m, {});
        m->close();  // never "ok": all ticked again
        QCOMPARE(f->welt().nachbarMaske, 255);
        QCOMPARE(haken(oeffne()), (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
        setze(m, {true, false, true, false, true, false, true, false});
        ok(m);
        const std::array<bool, 8> inKraft = haken(oeffne());

        setze(m, {false, true, false, true, false, true, false, true});
        m->close();  // the close box
        QVERIFY(!m->isVisible());
        QCOMPARE(f->welt().nachbarMaske, 85);
        QCOMPARE(oeffne(), m);
        QCOMPARE(haken(m), inKraft);
        QCOMPARE(farben(m, 2), std::make_pair(kWeiss, kWeiss));
        QCOMPARE(farben(m, 3), std::make_pair(kGelb, kGelb));

        // Escape leaves the same way, Return is "ok".
        QTest::mouseClick(box(m, 1), Qt::LeftButton);
        QTest::keyClick(m, Qt::Key_Escape);
        QVERIFY(!m->isVisible());
        QCOMPARE(f->welt().nachbarMaske, 85);
        QTest::mouseClick(box(oeffne(), 1), Qt::LeftButton);
        QTest::keyClick(m, Qt::Key_Return);
        QVERIFY(!m->isVisible());
        QCOMPARE(f->welt().nachbarMaske, 84);
    }

    void mainWindowTakesNoInputWhileTheClockStillStepsWithTheOldMask() {
        auto* schritt = finde<QPushButton>(f.get(), QStringLiteral("cmdEinzelschritt"));
        systemKlick(schritt);
        QCOMPARE(zaehler()->text(), QStringLiteral(" 1"));

        QWidget* m = oeffne();
        QCOMPARE(QApplication::activeModalWidget(), m);
        systemKlick(schritt);
        QCOMPARE(zaehler()->text(), QStringLiteral(" 1"));

        // A running clock: a row of three keeps blinking while the unticked box is not yet in force.
        testhilfe::zeichne(f->welt(), 0, -1, {"O", "O", "O"});
        QTest::mouseClick(box(m, 3), Qt::LeftButton);
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, f.get(), &ui::frmVireo::cmdEinzelschritt_Click);
        uhr.start(5);
        QTRY_VERIFY(engine::leseZahl(zaehler()->text().toStdString()) >= 6);
        QVERIFY(m->isVisible());
        QCOMPARE(testhilfe::lebende(f->welt()), 3);

        ok(m);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_COMPARE(testhilfe::lebende(f->welt()), 0);
        uhr.stop();
        const QString stand = zaehler()->text();
        systemKlick(schritt);
        QVERIFY(zaehler()->text() != stand);
    }
};

QTEST_MAIN(TestFrmMatrix)
#include "test_frmmatrix.moc"
