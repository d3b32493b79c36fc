// The main window's wiring: what the user does reaches the model, and the model's changes
// reach the screen. The model's own rules are tested with the model.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <clocale>

#include "fensterhilfe.h"
#include "ui/bausteine.h"

class TestFrmVireo : public QObject, fensterhilfe::Fenster {
    Q_OBJECT
    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }
    void klick(const char* name) { QTest::mouseClick(finde<QWidget>(name), Qt::LeftButton); }
    /// A key as the user types it: to whatever has the keyboard.
    void taste(Qt::Key k, Qt::KeyboardModifiers mit = {}) {
        QWidget* ziel = QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : f.get(), k, mit);
    }

private slots:
    void cleanup() { schliesse(); }

    void startsAsTheModelStartsAndTheClockTicks() {
        QVERIFY(oeffne(false));
        QCOMPARE(f->windowTitle(), QStringLiteral("MorLix 2.2[*]"));
        QVERIFY(!f->isWindowModified());
        QCOMPARE(text("txtSchritt"), QStringLiteral("0"));
        QCOMPARE(text("Text5"), QStringLiteral("75"));
        QCOMPARE(text("Text12"), QStringLiteral(" 30 x 30"));
        QVERIFY(finde<QAction>("cmd30")->isChecked());
        QVERIFY(finde<QCheckBox>("Check1_2")->isChecked() && finde<QCheckBox>("Check2_3")->isChecked());
        QVERIFY(!finde<QCheckBox>("Check2_2")->isChecked());
        QVERIFY(finde<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(zellPixel(-2, -2), 0x000096u);  // pattern 3 in the colour of state 1
        QCOMPARE(zellPixel(-1, -1), 0xFFFFFFu);
        QCOMPARE(f->uhr()->interval(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(text("txtSchritt"), QStringLiteral(" 1"), 3000);
    }

    void controlsReachTheModelAndTheModelReachesTheControls() {
        QVERIFY(oeffne());
        klick("cmdEinzelschritt");
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 1"));
        klick("cmdLauf");
        QVERIFY(m().laeuft());
        klick("Command2");
        QVERIFY(!m().laeuft());
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 0"));
        klick("Command8");
        QCOMPARE(text("Text4"), QStringLiteral(" 2"));
        QTest::keyClicks(finde<QLineEdit>("Text4"), QStringLiteral("5"));
        QCOMPARE(m().generationenText(), std::string(" 25"));
        klick("Check2_6");
        QCOMPARE(m().kaesten(werkbank::Reihe::Geburt)[6], 1);
        klick("Option1_2");
        QCOMPARE(m().rand(), engine::Rand::Spiegel);
        finde<QScrollBar>("HScroll1")->setValue(100);  // the right end: fast
        QCOMPARE(text("Text5"), QStringLiteral("100"));
        QCOMPARE(f->uhr()->interval(), 10);
        QCOMPARE(text("txthilfe"), QStringLiteral("dt"));

        klick("cmdEinf_5");
        QCOMPARE(zellPixel(0, 0), 0x000096u);
        klick("cmdScroll1_2");
        QCOMPARE(zellPixel(2, 1), 0x000096u);
        QCOMPARE(zellPixel(0, 0), 0xFFFFFFu);
        klick("Command1");
        QCOMPARE(zellPixel(2, 1), 0xFFFFFFu);

        finde<QAction>("cmd90")->trigger();
        QCOMPARE(text("Text12"), QStringLiteral(" 90 x 90"));
        QVERIFY(finde<QAction>("cmd90")->isChecked() && !finde<QAction>("cmd30")->isChecked());
        dialoge.eingaben = {QStringLiteral("41")};
        finde<QAction>("cmdfrei")->trigger();
        QCOMPARE(dialoge.aufrufe.last(), QStringLiteral("eingabe|Feldgröße wählen|gerade Zahl bis 90|60"));
        QCOMPARE(m().feldGroesse(), 40);
        QVERIFY(!finde<QAction>("cmd90")->isChecked());
        dialoge.antworten = {1};  // the world was changed: discard it
        finde<QAction>("cmdNeu")->trigger();
        QCOMPARE(f->windowTitle(), QStringLiteral("Morlix 1.0[*]"));
    }

    void theFieldTogglesAndPaintsUnderThePencilAndShowsWhere() {
        QVERIFY(oeffne());
        QWidget* feld = finde<QWidget>("picAusgabe");
        QTest::mouseClick(feld, Qt::LeftButton, {}, zeigerAuf(3, 4));
        QCOMPARE(zellPixel(3, 4), 0xFF0000u);
        QTest::mouseMove(feld, zeigerAuf(-2, 5));
        QCOMPARE(text("Text2"), QStringLiteral("-2"));
        QCOMPARE(text("Text3"), QStringLiteral(" 5"));
        QCOMPARE(text("txthilfe"),
                 QStringLiteral("Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie"));
        QTest::mousePress(feld, Qt::RightButton, {}, zeigerAuf(6, 6));
        for (int i = 6; i <= 8; ++i) {
            QMouseEvent zug(QEvent::MouseMove, zeigerAuf(i, 6), feld->mapToGlobal(zeigerAuf(i, 6)), Qt::NoButton,
                            Qt::RightButton, Qt::NoModifier);
            QApplication::sendEvent(feld, &zug);
        }
        QTest::mouseRelease(feld, Qt::RightButton, {}, zeigerAuf(8, 6));
        for (int i = 6; i <= 8; ++i) QCOMPARE(zellPixel(i, 6), 0xFF0000u);
        klick("Command10_1");
        QCOMPARE(m().zeichenModus(), 1);
    }

    void aClickOnABoxKeepsSpaceAndReturnForTheWindow() {
        QVERIFY(oeffne());
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        for (const char* name : {"Check1_3", "Option1_1"}) {
            klick(name);
            const auto regel = m().regel();
            const auto rand = m().rand();
            taste(Qt::Key_Space);
            QCOMPARE(m().regel().ueberleben, regel.ueberleben);
            QCOMPARE(m().rand(), rand);
            taste(Qt::Key_Return);
            QVERIFY(m().laeuft());
            taste(Qt::Key_Return);
        }
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 2"));
        QCOMPARE(finde<QCheckBox>("Check1_3")->focusPolicy(), Qt::TabFocus);  // tabbing in still works
        finde<QLineEdit>("txtSchritt")->setFocus();
        QTest::keyClick(finde<QLineEdit>("txtSchritt"), Qt::Key_Space);  // typed, no step
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 2 "));
    }

    void numbersReadAndWriteAlikeUnderTheGermanLocaleTheTestRunsIn() {
        QVERIFY2(QByteArray(std::setlocale(LC_NUMERIC, nullptr)).startsWith("de_DE"), "de_DE.UTF-8 fehlt");
        QVERIFY(oeffne());
        auto* zaehler = finde<QLineEdit>("txtSchritt");
        zaehler->selectAll();
        QTest::keyClicks(zaehler, QStringLiteral("2.5"));
        klick("cmdEinzelschritt");
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 3.5"));
        m().setzeGenerationenText("3.5");
        klick("cmdLauf");
        QMetaObject::invokeMethod(finde<QObject>("startTafel"), "takt", Qt::DirectConnection);
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 7.5"));  // halves go to the even neighbour: 4
    }

    void drawingInsertingAndScrollingAreUndoneThroughTheMenuAndTheKeys() {
        QVERIFY(oeffne());
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto* zurueck = finde<QAction>("cmdRueckgaengig");
        auto* vor = finde<QAction>("cmdWiederholen");
        QTest::mouseClick(finde<QWidget>("picAusgabe"), Qt::LeftButton, {}, zeigerAuf(3, 4));
        klick("cmdEinf_5");
        klick("cmdScroll1_2");
        QCOMPARE(zurueck->text(), QStringLiteral("Rückgängig: Scrollen"));
        QVERIFY(!vor->isEnabled());
        QVERIFY(f->isWindowModified());
        taste(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zellPixel(0, 0), 0x000096u);  // the block back where it was inserted
        zurueck->trigger();
        QCOMPARE(zellPixel(0, 0), 0xFFFFFFu);
        QCOMPARE(vor->text(), QStringLiteral("Wiederholen: Muster einfügen"));
        taste(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zellPixel(3, 4), 0xFFFFFFu);
        taste(Qt::Key_Y, Qt::ControlModifier);
        taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(zellPixel(3, 4), 0xFF0000u);
        QCOMPARE(zellPixel(0, 0), 0x000096u);
    }

    void theLookBackSliderShowsThePast() {
        QVERIFY(oeffne());
        klick("cmdEinf_2");
        klick("cmdEinzelschritt");
        finde<QScrollBar>("HScroll2")->setValue(98);
        QCOMPARE(text("Text6"), QStringLiteral("-1"));
        QCOMPARE(zellPixel(0, -1), 0x000096u);
        klick("cmdLauf");
        finde<QScrollBar>("HScroll2")->setValue(10);
        QCOMPARE(finde<QScrollBar>("HScroll2")->value(), 99);  // jumps back while the clock runs
    }

    void colourFieldsAndTheirCaptionsOpenTheColourDialog() {
        QVERIFY(oeffne());
        dialoge.farben = {QColor(0, 255, 0), QColor(), QColor(1, 2, 3)};
        klick("Picture9");
        QCOMPARE(m().anzeige().zellFarbe[2], view::rgb(0, 255, 0));
        klick("Label17");  // cancelled: nothing changes
        QCOMPARE(m().anzeige().zellFarbe[2], view::rgb(0, 255, 0));
        QTest::mouseClick(finde<QWidget>("Label7"), Qt::RightButton);  // only the left button chooses
        QCOMPARE(dialoge.aufrufe.size(), 2);
        klick("Label7");
        QCOMPARE(m().anzeige().hintergrund, view::rgb(1, 2, 3));
        QCOMPARE(zellPixel(0, 0) & 0xFFFFFF, 0x010203u);
    }
};

QTEST_MAIN(TestFrmVireo)
#include "test_frmvireo.moc"
