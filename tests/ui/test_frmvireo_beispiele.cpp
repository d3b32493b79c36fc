#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

class TestFrmVireoBeispiele : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QRgb zellPixel(int i, int j) { return fensterhilfe::zellPixel(feld, 30, i, j); }

private slots:
    void init() { QVERIFY(oeffne()); }
    void cleanup() { schliesse(); }

    void panelShowsItsHeadingsAndSeventeenButtons() {
        auto* panel = finde<QWidget>(QStringLiteral("Picture8"));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(192, 192, 192));
        const std::pair<const char*, const char*> texte[] = {
            {"Label14", "Beispiele"},       {"Label15", "Vireos Welt:"},   {"Label9", "2-3 / 3 Welt"},
            {"Label10", "statisch"},        {"Label16", "weitere Welten"}, {"Label12", "1-3 / 3 Welt"},
            {"Label13", "3-5 / 3 Welt"},    {"Label11_0", "Blinker"},      {"Label11_2", "symmetrische Verläufe"},
            {"Label11_3", "erzeugt Krabblerwelten"}, {"Label11_4", "4-Phasen Blinker"},
            {"Label11_5", "Tintenfisch"},   {"Label11_6", "Krabbler"}};
        for (const auto& [name, text] : texte) {
            auto* l = finde<QLabel>(QString::fromLatin1(name));
            QCOMPARE(l->text(), QString::fromUtf8(text));
            QVERIFY(l->isVisibleTo(panel));
        }
        for (int i = 0; i < 17; ++i) QCOMPARE(finde<QPushButton>(QStringLiteral("cmdEinf_%1").arg(i))->parentWidget(), panel);
    }

    void patternPicturesShowTheirCellsOnWhite() {
        // Pattern 5 is a 2 x 2 block: four dark squares on a white tile.
        const QImage bild = finde<QLabel>(QStringLiteral("musterBild_5"))->grab().toImage();
        QCOMPARE(bild.pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(bild.pixel(bild.width() / 2 - 2, bild.height() / 2 - 2) & 0xFFFFFF, 0x000096u);
        QCOMPARE(bild.pixel(bild.width() / 2 + 2, bild.height() / 2 + 2) & 0xFFFFFF, 0x000096u);
    }

    void anInsertButtonAddsItsPatternInStateOne() {
        f->welt().zelle[30][30] = 2;
        QTest::mouseClick(finde<QPushButton>(QStringLiteral("cmdEinf_13")), Qt::LeftButton);
        QCOMPARE(testhilfe::lies(f->welt(), 0, 0, 5, 2), (std::vector<std::string>{"1...1", ".111."}));
        QCOMPARE(f->welt().zelle[30][30], 2);
        QCOMPARE(testhilfe::lebende(f->welt()), 6);
        QCOMPARE(zellPixel(0, 0), 0x000096u);  // drawn at once, in the colour of state 1
        QCOMPARE(zellPixel(4, 0), 0x000096u);
        QCOMPARE(zellPixel(1, 0), 0xFFFFFFu);
    }

    void panelButtonsSetTheOuterWidth() {
        QTest::mouseClick(finde<QPushButton>(QStringLiteral("Command6")), Qt::LeftButton);
        QTRY_COMPARE(f->frameGeometry().width(), 842);  // 12624 twips: the panel is cut off
        auto* panel = finde<QWidget>(QStringLiteral("Picture8"));
        // Without a window frame at most the 84 twips between 12540 and 12624 stay visible.
        QVERIFY(f->width() - panel->mapTo(f.get(), QPoint(0, 0)).x() <= 6);
        auto* zeigen = finde<QPushButton>(QStringLiteral("Command5"));
        QCOMPARE(zeigen->parentWidget()->objectName(), QStringLiteral("Picture1"));
        QTest::mouseClick(zeigen, Qt::LeftButton);
        QTRY_COMPARE(f->frameGeometry().width(), 997);  // 14960 twips: the panel shows whole
        QVERIFY(panel->mapTo(f.get(), QPoint(panel->width(), 0)).x() <= f->width());
    }

    void edgePictureOpensOverTheFieldAndCloses() {
        auto* bild = finde<QWidget>(QStringLiteral("Picture6"));
        QVERIFY(!bild->isVisible());
        QTest::mouseClick(finde<QPushButton>(QStringLiteral("Command4")), Qt::LeftButton);
        QVERIFY(bild->isVisible());
        // It lies over the field: the field's centre shows the picture, not the grid.
        QCOMPARE(f->childAt(feld->mapTo(f.get(), feld->rect().center())) == feld, false);
        auto* zu = finde<QPushButton>(QStringLiteral("Command3"));
        QCOMPARE(zu->text(), QStringLiteral("x"));
        QCOMPARE(zu->geometry().topRight(), bild->rect().topRight());
        QTest::mouseClick(zu, Qt::LeftButton);
        QVERIFY(!bild->isVisible());
    }
};

QTEST_MAIN(TestFrmVireoBeispiele)
#include "test_frmvireo_beispiele.moc"
