#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/frmvireo.h"

using fensterhilfe::zellPixel;

/// The window as the program starts it: pattern 3 in the world, the clock running.
class TestStart : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }

private slots:
    void init() { QVERIFY(oeffneWieGestartet()); }
    void cleanup() { schliesse(); }

    void startsWithPattern3AndTheClockRunning() {
        QCOMPARE(f->windowTitle(), QStringLiteral("MorLix 2.2"));
        QCOMPARE(text("Text12"), QStringLiteral(" 30 x 30"));
        QCOMPARE(text("txtSchritt"), QStringLiteral("0"));
        QCOMPARE(f->welt().nachbarMaske, 255);
        QCOMPARE(f->welt().gedIndex, 0);
        QCOMPARE(testhilfe::lies(f->welt(), -2, -2, 5, 5),
                 (std::vector<std::string>{"11...", "1.1..", ".....", "..1.1", "...11"}));
        QCOMPARE(testhilfe::lebende(f->welt()), 8);
        auto* feld = finde<QWidget>("picAusgabe");
        QCOMPARE(zellPixel(feld, 30, -2, -2), 0x000096u);  // state 1 is drawn RGB(0, 0, 150)
        QCOMPARE(finde<ui::Farbfeld>("Picture4_0")->farbe(), view::rgb(0, 0, 255));  // its swatch is not
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0xFFFFFFu);
        QCOMPARE(finde<QPushButton>("cmdLauf")->property("Tag").toString(), QStringLiteral("1"));

        // One second later the clock has made the first generation without any user action.
        QTest::qWait(500);
        QCOMPARE(text("txtSchritt"), QStringLiteral("0"));
        QTRY_COMPARE_WITH_TIMEOUT(text("txtSchritt"), QStringLiteral(" 1"), 1500);
    }

    void menusCarryTheirCaptionsAndMarks() {
        const struct {
            const char* name;
            const char* text;
        } eintraege[] = {{"cmdNeu", "neu"},         {"cmdLaden", "öffnen"}, {"cmdSpeichern", "speichern"},
                         {"cmdEnde", "beenden"},    {"cmd30", "30 x 30"},   {"cmd50", "60 x 60 "},
                         {"cmd90", "90 x 90 "},     {"cmdfrei", "frei"},    {"cmdRea", "Raster ein/aus"},
                         {"cmdMatrixdef", "Nachbarmatrix"}};
        for (const auto& e : eintraege)
            QCOMPARE(finde<QAction>(e.name)->text(), QString::fromUtf8(e.text));
        QVERIFY(finde<QAction>("cmd30")->isChecked());
        QVERIFY(!finde<QAction>("cmd50")->isChecked());
        QVERIFY(!finde<QAction>("cmd90")->isChecked());
        QVERIFY(!finde<QAction>("cmdfrei")->isCheckable());

        QVERIFY(!finde<QAction>("cmdRea")->menu());
        QVERIFY(!finde<QAction>("cmdMatrixdef")->menu());
    }

    void everyNamedControlExists() {
        QStringList namen{"picAusgabe", "Command1", "Picture7", "Picture11", "Text2", "Text3", "Text12",
                          "txthilfe", "Command7", "Picture1", "Label3", "cmdEinzelschritt", "cmdLauf", "Command2",
                          "txtSchritt", "HScroll1", "Text5", "Label21", "Text4", "Command8", "Command9", "Label8",
                          "Command5", "Text6", "HScroll2", "Label20", "Command11", "Label2", "Label19", "Shape4",
                          "Label5", "Picture9", "Label17", "Picture4_0", "Label6", "Picture10", "Label18",
                          "Picture5_0", "Label7", "Picture13", "Label22", "Label4", "Command4", "Picture8",
                          "Label14", "Label15", "Label9", "Label10", "Label16", "Label12", "Label13", "Command6",
                          "Picture6", "Command3", "Picture3"};
        auto reihe = [&](const char* name, int von, int bis) {
            for (int k = von; k <= bis; ++k) namen << QStringLiteral("%1_%2").arg(name).arg(k);
        };
        reihe("cmdScroll", 0, 3);
        reihe("cmdScroll1", 0, 3);
        reihe("Picture12", 0, 3);
        reihe("Check1", 0, 8);
        reihe("Check2", 0, 8);
        reihe("Label1", 1, 6);
        reihe("Text1", 0, 5);
        reihe("Command10", 0, 1);
        reihe("Option1", 0, 2);
        reihe("cmdEinf", 0, 16);
        reihe("Label11", 0, 6);
        reihe("Picture2", 0, 2);
        reihe("Image1", 0, 1);
        QStringList fehlend;
        for (const QString& n : namen)
            if (!f->findChild<QWidget*>(n)) fehlend << n;
        QCOMPARE(fehlend, QStringList());
        QCOMPARE(f->objectName(), QStringLiteral("frmVireo"));
    }

    void newEmptiesTheFieldWhileTheCounterGoesOn() {
        finde<QLineEdit>("txtSchritt")->setText(QStringLiteral(" 41"));
        finde<QAction>("cmdNeu")->trigger();
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
        QCOMPARE(f->windowTitle(), QStringLiteral("Morlix 1.0"));
        QCOMPARE(zellPixel(finde<QWidget>("picAusgabe"), 30, -2, -2), 0xFFFFFFu);
        QCOMPARE(finde<QPushButton>("cmdLauf")->property("Tag").toString(), QStringLiteral("1"));
        f->Timer1_Timer();
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 42"));
    }

    void creditsShowOneInformationBox() {
        auto* info = finde<QPushButton>("Command7");
        QVERIFY(!info->text().contains(' '));
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(dialoge.meldungen.size(), 1);
        QVERIFY(dialoge.meldungen.first().contains(QStringLiteral("MorLix")));
    }

    // Ending the program leaves no event loop running in this process, so it comes last;
    // the close box is tested in a process of its own.
    void beendenEndsAtOnceAlsoWhileTheClockRuns() {
        QVERIFY(fensterhilfe::endetBei([this] { finde<QAction>("cmdEnde")->trigger(); }));
    }
};

QTEST_MAIN(TestStart)
#include "test_frmvireo_start.moc"
