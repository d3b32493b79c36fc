// The main window's dialogs, menus, help line, panels and the neighbour-matrix window.
#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QMenu>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "fensterhilfe.h"
#include "ui/bausteine.h"
#include "ui/deutsch.h"
#include "ui/hilfe.h"

class TestDialoge : public QObject, fensterhilfe::Fenster {
    Q_OBJECT
    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }
    void klick(const char* name) { QTest::mouseClick(finde<QWidget>(name), Qt::LeftButton); }
    void menue(const char* name) { finde<QAction>(name)->trigger(); }
    QString hilfe() { return text("txthilfe"); }
    /// A pointer move over a control, at a point of it (its middle by default).
    void ueber(QWidget* w, QPoint p = QPoint(-1, -1)) {
        QMouseEvent e(QEvent::MouseMove, p.x() < 0 ? w->rect().center() : p, QPointF(), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void init() { QVERIFY(oeffne()); }
    void cleanup() { schliesse(); }

    void everyFileDialogOffersItsFilterFirstAndSaveNeverProposesAPattern() {
        QTemporaryDir ordner;
        const QString welt = ordner.filePath(QStringLiteral("welt.vir"));
        dialoge.pfade = {welt};
        menue("cmdSpeichern");
        QVERIFY(QFile::exists(welt));
        QCOMPARE(f->windowTitle(), "MorLix 2.2  " + welt + "[*]");
        QVERIFY(!f->isWindowModified());
        dialoge.pfade = {welt};
        menue("cmdLaden");
        dialoge.pfade = {QString()};
        menue("cmdSpeichern");
        const QStringList a = dialoge.aufrufe;
        QCOMPARE(a[0], QStringLiteral("speichern|Welt speichern||Welten (*.vir);;Alle Dateien (*)"));
        QCOMPARE(a[1], QStringLiteral("oeffnen|Welt öffnen|Welten (*.vir);;Alle Dateien (*)"));
        QCOMPARE(a[2], "speichern|Welt speichern|" + welt + "|Welten (*.vir);;Alle Dateien (*)");
        menue("cmdImport");
        menue("cmdExport");
        menue("cmdBild");
        for (const QString& filter : {QStringLiteral("|Muster ("), QStringLiteral("|RLE (*.rle);;"),
                                      QStringLiteral("|PNG-Bilder (*.png);;Alle Dateien (*)")})
            QVERIFY2(dialoge.aufrufe.join('\n').contains(filter), qPrintable(filter));

        dialoge.pfade = {ordner.filePath(QStringLiteral("*vir"))};
        menue("cmdSpeichern");
        QCOMPARE(dialoge.meldungen.size(), 1);
        QVERIFY(dialoge.meldungen[0].startsWith(QStringLiteral("Welt speichern|")));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("*vir.vir"))));
    }

    void anAnimationWithoutMemoryAsksFirstAndAPictureIsSaved() {
        QTemporaryDir ordner;
        menue("cmdAnimation");
        QVERIFY(dialoge.aufrufe.last().startsWith(QStringLiteral("frage|Animation speichern|")));
        QCOMPARE(dialoge.aufrufe.size(), 1);  // cancelled: no file dialog
        dialoge.pfade = {ordner.filePath(QStringLiteral("feld"))};
        menue("cmdBild");
        QImage bild(ordner.filePath(QStringLiteral("feld.png")));
        QCOMPARE(bild.size(), QSize(view::kBildBreite, view::kBildHoehe));
    }

    void aPatternNamedOnTheCommandLineOpensOnAClearedField() {
        QTemporaryDir ordner;
        QFile datei(ordner.filePath(QStringLiteral("gleiter.rle")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("x = 3, y = 3\nbo$2bo$3o!\n");
        datei.close();
        klick("cmdEinf_8");
        f->oeffneDatei(datei.fileName());  // the changed world stays: the question was cancelled
        QCOMPARE(m().befund().lebende, 17);
        dialoge.antworten = {1};
        f->oeffneDatei(datei.fileName());
        QCOMPARE(m().befund().lebende, 5);
        QVERIFY(dialoge.aufrufe.last().startsWith(
            QStringLiteral("frage|MorLix|Die Welt wurde geändert. Änderungen speichern?|Speichern,Verwerfen,Abbrechen")));
        f->oeffneDatei(ordner.filePath(QStringLiteral("welt.VIR")));
        QCOMPARE(dialoge.meldungen.size(), 1);
        QVERIFY(dialoge.meldungen[0].contains(QStringLiteral("„.vir“")));
    }

    void theHelpLineExplainsWhatThePointerIsOverFromItsFirstCharacter() {
        ueber(finde<QWidget>("Check2_4"));
        QCOMPARE(hilfe(), QStringLiteral("Bedingung für das Entstehen einer neuen lebenden Zelle"));
        ueber(finde<QWidget>("Label11_2"));  // no text of its own: the line keeps the last
        QCOMPARE(hilfe(), QStringLiteral("Bedingung für das Entstehen einer neuen lebenden Zelle"));
        ueber(finde<QWidget>("regelTafel"), QPoint(4, 60));  // the panel where no control lies
        QCOMPARE(hilfe(), QString());
        ueber(finde<QWidget>("Picture8"), QPoint(4, 140));
        QCOMPARE(hilfe(), QStringLiteral("Besondere Beispielobjekte in ausgewählten Welten"));
        QTest::mouseClick(finde<QWidget>("Label5"), Qt::RightButton);
        QCOMPARE(hilfe(), QStringLiteral("Besondere Beispielobjekte in ausgewählten Welten"));
        klick("Label5");
        QCOMPARE(hilfe(), QStringLiteral("Zum Ändern der Farbe anklicken!"));

        // Every text is read from its start, and each fits the line.
        auto* zeile = finde<QLineEdit>("txthilfe");
        for (const ui::HilfeText& h : ui::hilfeTexte()) {
            const QString t = QString::fromUtf8(h.text);
            QVERIFY2(zeile->fontMetrics().horizontalAdvance(t) <= zeile->width() - 6, h.name);
        }
        ueber(finde<QWidget>("Label15"));
        QCOMPARE(zeile->cursorPosition(), 0);
    }

    void theExamplePanelGoesAndComesBackExactlyAndTheWindowKeepsItsSize() {
        const QSize mit = f->size();
        QCOMPARE(f->minimumSize(), f->maximumSize());  // the window manager offers no resize
        QWidget* client = f->centralWidget();
        klick("Command6");
        QCOMPARE(client->width(), ui::tw(12540));  // ends where the panel begins
        QVERIFY(finde<QWidget>("Picture8")->x() >= client->width());
        klick("Command5");
        klick("Command5");
        QCOMPARE(f->size(), mit);
        klick("Command4");
        QVERIFY(finde<QWidget>("Picture6")->isVisible());
        klick("Command3");
        QVERIFY(!finde<QWidget>("Picture6")->isVisible());
    }

    void theMatrixWindowSetsTheMaskOnlyWithOk() {
        menue("cmdMatrixdef");
        auto* matrix = qobject_cast<QWidget*>(QApplication::activeModalWidget());
        QVERIFY(matrix);
        QCOMPARE(matrix->objectName(), QStringLiteral("frmMatrix"));
        QVERIFY(matrix->width() >= matrix->fontMetrics().horizontalAdvance(matrix->windowTitle()) + 120);
        QTest::mouseClick(fensterhilfe::finde<QCheckBox>(matrix, QStringLiteral("chkMat_3")), Qt::LeftButton);
        QCOMPARE(m().maske(), 255);  // not before "ok"
        QTest::mouseClick(fensterhilfe::finde<QPushButton>(matrix, QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(m().maske(), 251);
        QVERIFY(!matrix->isVisible());
        menue("cmdMatrixdef");
        QVERIFY(!fensterhilfe::finde<QCheckBox>(matrix, QStringLiteral("chkMat_3"))->isChecked());
        QTest::mouseClick(fensterhilfe::finde<QCheckBox>(matrix, QStringLiteral("chkMat_1")), Qt::LeftButton);
        QTest::keyClick(matrix, Qt::Key_Escape);
        QCOMPARE(m().maske(), 251);
    }

    void theRuleMenuAndTheChartWindowFollowTheModel() {
        auto* regel = finde<QMenu>("cmdRegel");
        QAction* highlife = nullptr;
        for (QAction* a : regel->actions())
            if (a->text().startsWith(QStringLiteral("HighLife\t"))) highlife = a;
        QVERIFY(highlife);
        highlife->trigger();
        QCOMPARE(m().regel().geburt, (1 << 3) | (1 << 6));
        QVERIFY(highlife->isChecked());
        QVERIFY(finde<QLineEdit>("txtBefund")->toolTip().contains(QStringLiteral("B36/S23 (HighLife)")));
        dialoge.eingaben = {QStringLiteral("S23/B3")};
        menue("cmdRegelEingeben");
        QVERIFY(!highlife->isChecked());
        dialoge.eingaben = {QStringLiteral("Lief")};
        menue("cmdRegelEingeben");
        QVERIFY(dialoge.meldungen.last().startsWith(QStringLiteral("Regel eingeben|")));

        klick("cmdEinf_2");
        klick("cmdEinzelschritt");
        menue("cmdVerlauf");
        auto* verlauf = fensterhilfe::finde<QWidget>(f.get(), QStringLiteral("frmVerlauf"));
        QVERIFY(QTest::qWaitForWindowExposed(verlauf));
        auto* chart = verlauf->findChild<QChartView*>();
        QVERIFY(chart);
        auto* lebend = qobject_cast<QLineSeries*>(chart->chart()->series().front());
        QVERIFY(lebend);
        QCOMPARE(lebend->count(), 2);
        klick("cmdEinzelschritt");
        QTRY_COMPARE(lebend->count(), 3);  // at its own pace
        QCOMPARE(lebend->at(2), QPointF(2, 3));
    }

    void dialogsSpeakGermanWhateverTheSystemLocale() {
        QTranslator uebersetzer;
        QVERIFY(ui::ladeQtDeutsch(*qApp, uebersetzer));
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void theCloseBoxAsksForAChangedWorldAndEndsTheProgramAlsoAfterTheMatrixWindowWasOpen() {
        QVERIFY(f->isWindowModified());  // the test emptied the world
        menue("cmdMatrixdef");
        QApplication::activeModalWidget()->close();
        dialoge.antworten = {2, 1};  // cancel, then discard
        QVERIFY(!fensterhilfe::endetBei([this] { f->close(); }));
        QVERIFY(fensterhilfe::endetBei([this] { f->close(); }));
    }
};

QTEST_MAIN(TestDialoge)
#include "test_frmvireo_dialoge.moc"
