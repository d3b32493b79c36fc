#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

using fensterhilfe::zellPixel;

class TestFrmVireo : public QObject, fensterhilfe::Hauptfenster {
    Q_OBJECT

private slots:
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void startsWithTheDesignRule() {
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
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 1"));
        QCOMPARE(zellPixel(feld, 30, 0, -1), 0xFF0000u);  // born: red
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000096u);   // survived once: RGB(0, 0, 150)
        QCOMPARE(zellPixel(feld, 30, -1, 0), 0xFFFFFFu);  // died: background
        QTest::mouseClick(finde<QPushButton>("cmdEinzelschritt"), Qt::LeftButton);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 2"));
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x000000u);  // older: black
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
        auto gitterPixel = [&] { return fensterhilfe::pixel(feld, 30, -14.0, -5.5); };
        QCOMPARE(gitterPixel(), 0xE0E0E0u);
        finde<QAction>("cmdRea")->trigger();
        QCOMPARE(gitterPixel(), 0xFFFFFFu);
        finde<QAction>("cmdRea")->trigger();
        QCOMPARE(gitterPixel(), 0xE0E0E0u);
    }
};

QTEST_MAIN(TestFrmVireo)
#include "test_frmvireo.moc"
