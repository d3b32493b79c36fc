#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "fakedialoge.h"
#include "feldpixel.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

class TestFrmVireo : public QObject {
    Q_OBJECT

    FakeDialoge dialoge;
    std::unique_ptr<ui::frmVireo> f;

    template <typename T>
    T* finde(const char* name) {
        T* w = f->findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("control %s missing", name);
        return w;
    }

private slots:
    void init() {
        f = std::make_unique<ui::frmVireo>(dialoge);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void startsWithCaptionEmptyFieldAndDesignRule() {
        QCOMPARE(f->windowTitle(), QStringLiteral("MorLix 2.2"));
        QCOMPARE(finde<QLineEdit>("Text12")->text(), QStringLiteral(" 30 x 30"));
        QVERIFY(finde<QCheckBox>("Check1_2")->isChecked());
        QVERIFY(finde<QCheckBox>("Check1_3")->isChecked());
        QVERIFY(finde<QCheckBox>("Check2_3")->isChecked());
        QVERIFY(!finde<QCheckBox>("Check2_2")->isChecked());
        QVERIFY(finde<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(finde<QRadioButton>("Option1_1")->text(), QStringLiteral("Quadrat "));
    }

    void singleStepAdvancesCounterAndShowsTheNewGenerationInItsColours() {
        testhilfe::zeichne(f->welt(), -1, 0, {"222"});
        f->zeichneFeld(30);
        auto* feld = finde<QWidget>("picAusgabe");
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 1"));
        QCOMPARE(zellPixel(feld, 30, 0, -1), 0xFF0000u);  // born: red
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000096u);   // survived once: RGB(0, 0, 150)
        QCOMPARE(zellPixel(feld, 30, -1, 0), 0xFFFFFFu);  // died: background
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 2"));
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000000u);  // older: black
    }

    void counterWithoutNumberRestartsAtOne() {
        finde<QLineEdit>("txtSchritt")->setText(QStringLiteral("abc"));
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 1"));
        finde<QLineEdit>("txtSchritt")->setText(QStringLiteral("41"));
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 42"));
    }

    void boxesAndEdgeModeAreReadAtEveryStep() {
        finde<QCheckBox>("Check1_2")->setChecked(false);
        testhilfe::zeichne(f->welt(), -1, 0, {"OOO"});
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);

        finde<QCheckBox>("Check1_2")->setCheckState(Qt::PartiallyChecked);  // counts as clear
        QCOMPARE(f->regel().ueberlebt(2), false);
        QTest::mouseClick(finde<QRadioButton>("Option1_2"), Qt::LeftButton);
        QCOMPARE(f->rand(), engine::Rand::Spiegel);
    }

    void gridToggleHidesAndShowsTheGrid() {
        auto* feld = finde<QWidget>("picAusgabe");
        auto gitterPixel = [&] {
            const QImage bild = feld->grab().toImage();
            return bild.pixel(static_cast<int>(bild.width() / 30.0 + 0.5), 100) & 0xFFFFFF;
        };
        QCOMPARE(gitterPixel(), 0xE0E0E0u);
        auto* raster = f->findChild<QAction*>(QStringLiteral("cmdRea"));
        QVERIFY(raster);
        QCOMPARE(raster->text(), QStringLiteral("Raster ein/aus"));
        raster->trigger();
        QCOMPARE(gitterPixel(), 0xFFFFFFu);
        raster->trigger();
        QCOMPARE(gitterPixel(), 0xE0E0E0u);
    }
};

QTEST_MAIN(TestFrmVireo)
#include "test_frmvireo.moc"
