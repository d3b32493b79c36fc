#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "testhilfe/bild.h"
#include "ui/deutsch.h"
#include "ui/frmvireo.h"

namespace {

const char* kGleiter = "#N Glider\r\nx = 3, y = 3, rule = B3/S23\r\nbo$2bo$3o!\r\n";

}  // namespace

class TestFrmVireoMuster : public QObject {
    Q_OBJECT

    fensterhilfe::Fenster fenster;
    ui::frmVireo* f = nullptr;
    FakeDialoge* dialoge = nullptr;
    std::unique_ptr<QTemporaryDir> ordner;

    QString schreibe(const QString& name, const QByteArray& inhalt) {
        const QString pfad = ordner->filePath(name);
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(pfad));
        datei.write(inhalt);
        return pfad;
    }
    std::vector<std::string> feld(int links, int oben, int breite, int hoehe) {
        return testhilfe::lies(f->welt(), links, oben, breite, hoehe);
    }
    bool angekreuzt(const char* name, int k) {
        return fensterhilfe::finde<QCheckBox>(f, QStringLiteral("%1_%2").arg(name).arg(k))->checkState() == Qt::Checked;
    }
    void importiere(const QString& pfad) {
        dialoge->pfade.push_back(pfad);
        fensterhilfe::finde<QAction>(f, "cmdImport")->trigger();
    }

private slots:
    void init() {
        QVERIFY(fenster.oeffne());
        f = fenster.f.get();
        dialoge = &fenster.dialoge;
        ordner = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { fenster.schliesse(); }

    void menusGetTheNewEntriesBesideTheOldOnes() {
        QStringList oben;
        for (QAction* a : f->menuBar()->actions()) oben << a->text();
        QCOMPARE(oben, (QStringList{"Datei", "Raster einstellen", "Raster ein/aus", "Nachbarmatrix", "Bearbeiten"}));
        QStringList datei;
        for (QAction* a : fensterhilfe::finde<QMenu>(f, "cmdDatei")->actions()) datei << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(datei.mid(0, 7), (QStringList{"neu", "öffnen", "speichern", "beenden", "-", "Muster importieren…",
                                               "Muster exportieren…"}));
        QStringList bearbeiten;
        for (QAction* a : fensterhilfe::finde<QMenu>(f, "cmdBearbeiten")->actions()) bearbeiten << a->text();
        QCOMPARE(bearbeiten, (QStringList{"Muster kopieren", "Muster einfügen"}));
        const std::pair<const char*, const char*> kuerzel[] = {{"cmdKopieren", "Ctrl+C"}, {"cmdEinfuegen", "Ctrl+V"},
                                                               {"cmdNeu", "Ctrl+N"},      {"cmdLaden", "Ctrl+O"},
                                                               {"cmdSpeichern", "Ctrl+S"}, {"cmdEnde", "Ctrl+Q"}};
        for (const auto& [name, taste] : kuerzel)
            QCOMPARE(fensterhilfe::finde<QAction>(f, name)->shortcut(), QKeySequence(QString::fromLatin1(taste)));
    }

    void importPlacesTheGliderCentredInStateOne() {
        testhilfe::zeichne(f->welt(), -15, -15, {"2"});
        importiere(schreibe("gleiter.rle", kGleiter));
        QCOMPARE(dialoge->aufrufe.value(0).section('|', 2),
                 QStringLiteral("Muster (*.rle *.cells *.lif *.life *.txt);;Alle Dateien (*)"));
        QCOMPARE(feld(-2, -2, 3, 3), (std::vector<std::string>{".1.", "..1", "111"}));
        QCOMPARE(feld(-15, -15, 1, 1), (std::vector<std::string>{"2"}));
        QVERIFY(dialoge->meldungen.isEmpty());
        // The user sees it: the living cell's colour at the glider's bottom-left.
        QCOMPARE(QColor(fensterhilfe::zellPixel(fenster.feld, 30, -2, 0)), QColor(0, 0, 150));
    }

    void importTakesOverRuleEdgeAndSizeOrSaysWhatItCannot() {
        importiere(schreibe("h.rle", "#CXRLE Pos=10,-20\nx = 2, y = 1, rule = B36/S23:P60,60\n2o!\n"));
        QVERIFY(angekreuzt("Check2", 6) && angekreuzt("Check2", 3) && !angekreuzt("Check2", 2));
        QVERIFY(fensterhilfe::finde<QRadioButton>(f, "Option1_1")->isChecked());
        QCOMPARE(f->welt().feldGroesse, 60);
        QVERIFY(fensterhilfe::finde<QAction>(f, "cmd50")->isChecked());
        QCOMPARE(feld(10, -20, 2, 1), (std::vector<std::string>{"11"}));

        importiere(schreibe("v.rle", "x = 1, y = 1, rule = B2/S013V\no!\n"));
        QCOMPARE(int(f->welt().nachbarMaske), 0x55);
        QVERIFY(angekreuzt("Check1", 0) && angekreuzt("Check1", 3) && !angekreuzt("Check1", 2));

        importiere(schreibe("k.rle", "x = 1, y = 1, rule = B3/S23H:K20,20\no!\n"));
        QCOMPARE(dialoge->meldungen,
                 QStringList{"Muster importieren|Nicht übernommen wurden die Regel „B3/S23H“ und der Rand „:K20,20“, "
                             "die sich hier nicht einstellen lassen; Regel, Randoption und Feldgröße bleiben, wie sie "
                             "waren."});
        QCOMPARE(f->welt().feldGroesse, 60);
        QVERIFY(fensterhilfe::finde<QRadioButton>(f, "Option1_1")->isChecked());
    }

    void refusedPatternsChangeNothing() {
        testhilfe::zeichne(f->welt(), 0, 0, {"3"});
        importiere(schreibe("gross.rle", "x = 40, y = 3\n40o!\n"));
        QCOMPARE(dialoge->meldungen.value(0),
                 QStringLiteral("Muster importieren|Das Muster aus „%1“ lässt sich nicht einfügen. Das Muster ist "
                                "40 × 3 Zellen groß und passt nicht in das Feld von 30 × 30 Zellen; das größte Feld "
                                "hat 90 × 90 Zellen. Die Welt bleibt, wie sie war.")
                     .arg(QDir::toNativeSeparators(ordner->filePath("gross.rle"))));
        importiere(schreibe("riesig.rle", "x = 1000000, y = 1000000, rule = B3/S23\no!\n"));
        importiere(schreibe("lauf.rle", "x = 3, y = 1\n1000000000000o!\n"));
        importiere(schreibe("binaer.rle", QByteArray("\x7F" "ELF\x01\x00\x00", 7)));
        importiere(ordner->filePath("fehlt.rle"));
        importiere(schreibe("regel.rle", "x = 1, y = 1, rule = Xyz\no!\n"));
        QCOMPARE(dialoge->meldungen.size(), 6);
        QVERIFY(dialoge->meldungen.value(1).contains("1000000 × 1000000"));
        QVERIFY(dialoge->meldungen.value(2).contains("Wiederholungszahl 1000000000000"));
        QVERIFY(dialoge->meldungen.value(3).contains("kein Text"));
        QVERIFY(dialoge->meldungen.value(4).endsWith("fehlt.rle“ ist nicht vorhanden. Die Welt bleibt, wie sie war."));
        QVERIFY(dialoge->meldungen.value(5).contains("Die Regel „Xyz“ in Zeile 1 ist unbekannt."));
        QCOMPARE(testhilfe::lebende(f->welt()), 1);
        QCOMPARE(f->welt().feldGroesse, 30);
        QVERIFY(angekreuzt("Check2", 3) && !angekreuzt("Check2", 6));
    }

    void exportCopyAndPasteCarryThePattern() {
        testhilfe::zeichne(f->welt(), 3, 4, {".2", "31"});
        dialoge->pfade.push_back(ordner->filePath("paar"));
        fensterhilfe::finde<QAction>(f, "cmdExport")->trigger();
        QFile datei(ordner->filePath("paar.rle"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray("#CXRLE Pos=3,4\n#N paar\n#C Aus MorLix 2.2, Feld 30 x 30.\n"
                                             "x = 2, y = 2, rule = B3/S23:T30,30\nbo$2o!\n"));

        fensterhilfe::finde<QAction>(f, "cmdKopieren")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("x = 2, y = 2, rule = B3/S23:T30,30\nbo$2o!\n"));
        f->welt().loescheZellen();
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(feld(3, 4, 2, 2), (std::vector<std::string>{".1", "11"}));

        QGuiApplication::clipboard()->setText(QStringLiteral("!Pulsar-Stück\n.O.\n..O\nOOO\n"));
        f->welt().loescheZellen();
        fensterhilfe::finde<QAction>(f, "cmdEinfuegen")->trigger();
        QCOMPARE(feld(-2, -2, 3, 3), (std::vector<std::string>{".1.", "..1", "111"}));
        QGuiApplication::clipboard()->setText(QStringLiteral("Hallo"));
        fensterhilfe::finde<QAction>(f, "cmdEinfuegen")->trigger();
        QCOMPARE(dialoge->meldungen,
                 QStringList{"Muster einfügen|Das Muster aus der Zwischenablage lässt sich nicht einfügen. Der Text "
                             "ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.06, MCell, "
                             "Makrozellen .mc). Die Welt bleibt, wie sie war."});
    }

    void commandLineOpensWorldsAndPatterns() {
        testhilfe::zeichne(f->welt(), 0, 0, {"3"});
        f->oeffneDatei(schreibe("gleiter.cells", "!Glider\n.O.\n..O\nOOO\n"));
        QCOMPARE(testhilfe::lebende(f->welt()), 5);
        QCOMPARE(feld(-2, -2, 3, 3), (std::vector<std::string>{".1.", "..1", "111"}));

        f->oeffneDatei(schreibe("kaputt.vir", "nichts\r\n"));
        QCOMPARE(dialoge->meldungen.size(), 1);
        QVERIFY(dialoge->meldungen.value(0).startsWith("Welt öffnen|"));
        QCOMPARE(testhilfe::lebende(f->welt()), 5);
    }

    void keysRunStepAndLeaveTextBoxesAlone() {
        auto* schritt = fensterhilfe::finde<QLineEdit>(f, "txtSchritt");
        auto* lauf = fensterhilfe::finde<QPushButton>(f, "cmdLauf");
        f->activateWindow();
        fensterhilfe::finde<QPushButton>(f, "cmdEinzelschritt")->setFocus();
        QTest::keyClick(f, Qt::Key_Space);
        QCOMPARE(schritt->text(), QStringLiteral(" 1"));
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(lauf->property("Tag").toString(), QStringLiteral("1"));
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(lauf->property("Tag").toString(), QStringLiteral("0"));

        auto* text4 = fensterhilfe::finde<QLineEdit>(f, "Text4");
        text4->setFocus();
        text4->selectAll();
        QTest::keyClicks(text4, "1 2");
        QTest::keyClick(text4, Qt::Key_Return);
        QCOMPARE(text4->text(), QStringLiteral("1 2"));
        QCOMPARE(schritt->text(), QStringLiteral(" 1"));
        QCOMPARE(lauf->property("Tag").toString(), QStringLiteral("0"));

        // A focused rule box takes its Space itself: it ticks, and no generation is made.
        auto* kasten = fensterhilfe::finde<QCheckBox>(f, "Check1_4");
        kasten->setFocus();
        QTest::keyClick(kasten, Qt::Key_Space);
        QVERIFY(kasten->isChecked());
        QCOMPARE(schritt->text(), QStringLiteral(" 1"));

        testhilfe::zeichne(f->welt(), 0, 0, {"1"});
        QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(testhilfe::lebende(f->welt()), 0);
    }

    void qtDialogsSpeakGerman() {
        QTranslator uebersetzer;
        if (!ui::ladeQtDeutsch(*QCoreApplication::instance(), uebersetzer))
            QSKIP("qtbase_de.qm is not installed (Debian package qt6-translations-l10n)");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Speichern unter"));
    }
};

QTEST_MAIN(TestFrmVireoMuster)
#include "test_frmvireo_muster.moc"
