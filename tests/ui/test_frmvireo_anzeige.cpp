#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"
#include "ui/widgets.h"

using fensterhilfe::zellPixel;

class TestAnzeige : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QAction* menue(const char* name) { return finde<QAction>(name); }
    // The captions of the fixed size items that carry a check mark, joined by "|".
    QString haken() {
        QStringList r;
        for (const char* name : {"cmd30", "cmd50", "cmd90"})
            if (menue(name)->isChecked()) r << menue(name)->text();
        return r.join('|');
    }
    QRgb gitterPixel(int n) { return fensterhilfe::pixel(feld, n, -5.0, -7.5); }

private slots:
    void init() { QVERIFY(oeffne()); }
    void cleanup() { schliesse(); }

    void fixedSizesMoveTheCheckMark() {
        QCOMPARE(haken(), QStringLiteral("30 x 30"));
        menue("cmd90")->trigger();
        QCOMPARE(f->welt().feldGroesse, 90);
        QCOMPARE(finde<QLineEdit>("Text12")->text(), QStringLiteral(" 90 x 90"));
        QCOMPARE(haken(), QStringLiteral("90 x 90 "));
        menue("cmd50")->trigger();
        QCOMPARE(f->welt().feldGroesse, 60);
        QCOMPARE(haken(), QStringLiteral("60 x 60 "));
        menue("cmd50")->trigger();  // choosing the marked item again keeps its mark
        QCOMPARE(haken(), QStringLiteral("60 x 60 "));
        menue("cmd30")->trigger();
        QCOMPARE(finde<QLineEdit>("Text12")->text(), QStringLiteral(" 30 x 30"));
        QCOMPARE(haken(), QStringLiteral("30 x 30"));
    }

    void hiddenCellsSurviveASizeChangeUntilTheNextStep() {
        testhilfe::zeichne(f->welt(), -40, 30, {"3"});
        testhilfe::zeichne(f->welt(), 0, 0, {"22", "22"});  // a block, stable under the rule
        menue("cmd90")->trigger();
        QCOMPARE(zellPixel(feld, 90, -40, 30), 0x000000u);
        menue("cmd30")->trigger();
        QCOMPARE(f->welt().zelle[5][75], 3);
        menue("cmd90")->trigger();
        QCOMPARE(zellPixel(feld, 90, -40, 30), 0x000000u);
        QCOMPARE(zellPixel(feld, 90, 0, 0), 0xFF0000u);
        menue("cmd30")->trigger();
        f->cmdEinzelschritt_Click();
        menue("cmd90")->trigger();
        QCOMPARE(zellPixel(feld, 90, -40, 30), 0xFFFFFFu);
        QCOMPARE(testhilfe::lies(f->welt(), 0, 0, 2, 2), (std::vector<std::string>{"11", "11"}));
    }

    // Every entry rule is checked in the view library; here one of each kind through the menu.
    void freeSize_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("haken");
        QTest::newRow("41") << "41" << 40 << "";
        QTest::newRow("89.5") << "89.5" << 88 << "";
        QTest::newRow("default 60") << "60" << 60 << "";
        QTest::newRow("91") << "91" << 60 << "60 x 60 ";
        QTest::newRow("no number") << "sechzig" << 90 << "";
        QTest::newRow("cancel") << QString() << 90 << "";
    }

    void freeSize() {
        QFETCH(QString, eingabe);
        QFETCH(int, n);
        QFETCH(QString, haken);
        menue("cmd90")->trigger();
        testhilfe::zeichne(f->welt(), 0, 0, {"2"});
        finde<QLineEdit>("Text12")->clear();
        dialoge.eingaben.push_back(eingabe);
        menue("cmdfrei")->trigger();
        QCOMPARE(dialoge.aufrufe.last(), QStringLiteral("eingabe|Feldgröße wählen|gerade Zahl bis 90|60|7,7"));
        QCOMPARE(f->welt().feldGroesse, n);
        QCOMPARE(this->haken(), haken);
        QCOMPARE(finde<QLineEdit>("Text12")->text(), QString::fromStdString(view::groessenText(n)));
        QCOMPARE(zellPixel(feld, n, 0, 0), 0xFF0000u);
        QCOMPARE(testhilfe::lebende(f->welt()), 1);
    }

    void colourField_data() {
        QTest::addColumn<QString>("steuer");
        QTest::addColumn<QString>("farbfeld");
        QTest::addColumn<int>("zustand");  // cell state whose colour changes; 0 the background
        for (auto [label, bild, zustand] : {std::tuple{"Label17", "Picture9", 2}, {"Label6", "Picture4_0", 1},
                                            {"Label18", "Picture10", 3}, {"Label7", "Picture5_0", 0}}) {
            QTest::newRow(label) << label << bild << zustand;
            QTest::newRow(bild) << bild << bild << zustand;
        }
    }

    void colourField() {
        QFETCH(QString, steuer);
        QFETCH(QString, farbfeld);
        QFETCH(int, zustand);
        testhilfe::zeichne(f->welt(), 0, 0, {".123"});
        f->zeichneFeld(30);
        const QRgb vorher[4] = {zellPixel(feld, 30, 0, 0), zellPixel(feld, 30, 1, 0), zellPixel(feld, 30, 2, 0),
                                zellPixel(feld, 30, 3, 0)};
        dialoge.farben.push_back(QColor(0, 255, 0));
        QTest::mouseClick(f->findChild<QWidget*>(steuer), Qt::LeftButton);
        QCOMPARE(dialoge.aufrufe, QStringList{"farbe"});
        auto* swatch = f->findChild<ui::Farbfeld*>(farbfeld);
        QCOMPARE(swatch->farbe(), view::rgb(0, 255, 0));
        QCOMPARE(swatch->grab().toImage().pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
        for (int k = 0; k < 4; ++k) QCOMPARE(zellPixel(feld, 30, k, 0), k == zustand ? 0x00FF00u : vorher[k]);
        QCOMPARE(zellPixel(feld, 30, -7, -7), zustand == 0 ? 0x00FF00u : 0xFFFFFFu);
        QCOMPARE(gitterPixel(30), 0xE0E0E0u);

        // Cancel leaves the field and what it stands for.
        const QImage bild = feld->grab().toImage();
        dialoge.farben.push_back(QColor());
        QTest::mouseClick(f->findChild<QWidget*>(steuer), Qt::LeftButton);
        QCOMPARE(dialoge.aufrufe.size(), 2);
        QCOMPARE(swatch->farbe(), view::rgb(0, 255, 0));
        f->zeichneFeld(30);
        QCOMPARE(feld->grab().toImage(), bild);
    }

    void gridColourShowsOnlyWhileTheGridIsOn_data() {
        QTest::addColumn<QString>("steuer");
        QTest::newRow("Label22") << "Label22";
        QTest::newRow("Picture13") << "Picture13";
    }

    void gridColourShowsOnlyWhileTheGridIsOn() {
        QFETCH(QString, steuer);
        dialoge.farben.push_back(QColor(0, 0, 255));
        QTest::mouseClick(f->findChild<QWidget*>(steuer), Qt::LeftButton);
        QCOMPARE(gitterPixel(30), 0x0000FFu);
        menue("cmdRea")->trigger();
        const QImage aus = feld->grab().toImage();
        dialoge.farben.push_back(QColor(255, 0, 255));
        QTest::mouseClick(f->findChild<QWidget*>(steuer), Qt::LeftButton);
        QCOMPARE(f->findChild<ui::Farbfeld*>("Picture13")->farbe(), view::rgb(255, 0, 255));
        QCOMPARE(feld->grab().toImage(), aus);
        QCOMPARE(f->anzeige().rasterAus, 1);
        menue("cmdRea")->trigger();
        QCOMPARE(gitterPixel(30), 0xFF00FFu);
    }

    void newBackgroundWithTheGridOffShowsTheGridAgain() {
        menue("cmdRea")->trigger();
        QCOMPARE(gitterPixel(30), 0xFFFFFFu);
        dialoge.farben.push_back(QColor(255, 255, 0));
        QTest::mouseClick(finde<QLabel>("Label7"), Qt::LeftButton);
        QCOMPARE(gitterPixel(30), 0xE0E0E0u);
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0xFFFF00u);
        menue("cmdRea")->trigger();  // the toggle goes to "on": no visible change
        QCOMPARE(gitterPixel(30), 0xE0E0E0u);
        menue("cmdRea")->trigger();
        QCOMPARE(gitterPixel(30), 0xFFFF00u);
    }
};

QTEST_MAIN(TestAnzeige)
#include "test_frmvireo_anzeige.moc"
