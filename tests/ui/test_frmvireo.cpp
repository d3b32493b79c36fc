// The main window's wiring, its dialogs, menus, help line and second windows: what the user does
// reaches the model, and the model's changes reach the screen. The model's own rules are tested
// with the model. Runs under a German locale, as users do.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QSettings>
#include <QXmlStreamReader>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <clocale>

#include "ui/dialoge.h"
#include "ui/frmvireo.h"
#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/hilfe.h"
#include "ui/sprache.h"
#include "ui/tafel.h"

namespace {

/// Dialogs answered by the test: each call takes the next prepared answer (cancel when none).
class FakeDialoge : public ui::Dialoge {
public:
    // Prepared answers; a null QString or an invalid QColor answers "cancel".
    std::deque<QString> pfade;
    std::deque<QColor> farben;
    std::deque<QString> eingaben;
    std::deque<int> antworten;  // button indices for questions
    std::deque<std::optional<ui::Anteil>> anteile;
    QStringList meldungen;      // "titel|text" of every message box shown
    QStringList aufrufe;        // what was asked, with its arguments

    std::optional<QString> dateiOeffnen(QWidget*, const QString& titel, const QString&, const QString& filter) override {
        aufrufe << "oeffnen|" + titel + "|" + filter;
        return naechste(pfade);
    }
    std::optional<QString> dateiSpeichern(QWidget*, const QString& titel, const QString&, const QString& vorschlag,
                                          const QString& filter) override {
        aufrufe << "speichern|" + titel + "|" + vorschlag + "|" + filter;
        return naechste(pfade);
    }
    std::optional<QColor> farbe(QWidget*) override {
        aufrufe << "farbe";
        return naechste(farben);
    }
    std::optional<QString> eingabe(QWidget*, const QString& titel, const QString& frage, const QString& vorgabe,
                                   QPoint) override {
        aufrufe << "eingabe|" + titel + "|" + frage + "|" + vorgabe;
        return naechste(eingaben);
    }
    std::optional<ui::Anteil> anteil(QWidget*, const QString& titel, const QString&, ui::Anteil vorgabe,
                                     const QString& haken) override {
        aufrufe << QStringLiteral("anteil|%1|%2|%3|%4").arg(titel).arg(vorgabe.prozent).arg(vorgabe.haken).arg(haken);
        if (anteile.empty()) return std::nullopt;
        const std::optional<ui::Anteil> a = anteile.front();
        anteile.pop_front();
        return a;
    }
    void information(QWidget*, const QString& titel, const QString& text) override { meldungen << titel + "|" + text; }
    void warnung(QWidget*, const QString& titel, const QString& text) override { meldungen << titel + "|" + text; }
    int frage(QWidget*, const QString& titel, const QString& text, const QStringList& knoepfe) override {
        aufrufe << "frage|" + titel + "|" + text + "|" + knoepfe.join(',');
        const int a = antworten.empty() ? static_cast<int>(knoepfe.size()) - 1 : antworten.front();
        if (!antworten.empty()) antworten.pop_front();
        return a;
    }

private:
    static bool abgebrochen(const QString& s) { return s.isNull(); }
    static bool abgebrochen(const QColor& c) { return !c.isValid(); }
    template <typename T>
    static std::optional<T> naechste(std::deque<T>& q) {
        if (q.empty()) return std::nullopt;
        const T a = q.front();
        q.pop_front();
        return abgebrochen(a) ? std::nullopt : std::optional<T>(a);
    }
};

/// The control of a window with the given objectName; a missing control ends the test run.
template <typename T>
T* findeIn(QObject* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (!w) qFatal("control %s missing", qPrintable(name));
    return w;
}

/// The main window of one test function, its dialogs answered by the test.
struct Fenster {
    FakeDialoge dialoge;
    std::unique_ptr<ui::frmVireo> f;

    /// Opens a fresh window; `ruhig` stops the clock and empties the world, so a test starts
    /// from a known field. False when it is never shown.
    bool oeffne(bool ruhig = true) {
        dialoge = FakeDialoge();
        f = std::make_unique<ui::frmVireo>(dialoge);
        if (ruhig) {
            f->modell().laufUmschalten();
            f->modell().zellenLoeschen();
        }
        f->show();
        return QTest::qWaitForWindowExposed(f.get());
    }
    void schliesse() { f.reset(); }
    werkbank::Werkbank& m() { return f->modell(); }
    template <typename T>
    T* finde(const char* name) {
        return findeIn<T>(f.get(), QString::fromLatin1(name));
    }
    /// Centre of a field cell (i, j) as the user sees it, on the field view.
    QRgb zellPixel(int i, int j) {
        QWidget* feld = finde<QWidget>("picAusgabe");
        const int n = m().feldGroesse();
        const QImage bild = feld->grab().toImage();
        return bild.pixel(static_cast<int>((i + 0.5 + n / 2.0) * bild.width() / n),
                          static_cast<int>((j + 0.5 + n / 2.0) * bild.height() / n)) & 0xFFFFFF;
    }
    /// Widget position of the pointer whose pencil tip lies in the middle of cell (i, j).
    QPoint zeigerAuf(int i, int j) {
        QWidget* feld = finde<QWidget>("picAusgabe");
        const int n = m().feldGroesse();
        const double d = 0.02 * n;
        return {static_cast<int>((i + 0.5 + d + n / 2.0) * feld->width() / n),
                static_cast<int>((j + 0.5 - d + n / 2.0) * feld->height() / n)};
    }
};

/// Runs an event loop until the program asks to end; false when it does not within two seconds.
inline bool endetBei(const std::function<void()>& ausloeser) {
    QEventLoop schleife;
    QTimer::singleShot(0, ausloeser);
    QTimer::singleShot(2000, &schleife, [&] { schleife.exit(99); });
    return schleife.exec() == 0;
}

}  // namespace

class TestFrmVireo : public QObject, Fenster {
    Q_OBJECT
    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }
    void klick(const char* name) { QTest::mouseClick(finde<QWidget>(name), Qt::LeftButton); }
    /// A key as the user types it: to whatever has the keyboard.
    void taste(Qt::Key k, Qt::KeyboardModifiers mit = {}) {
        QWidget* ziel = QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : f.get(), k, mit);
    }

    void menue(const char* name) { finde<QAction>(name)->trigger(); }
    QString hilfe() { return text("txthilfe"); }
    /// A pointer move over a control, at a point of it (its middle by default).
    void ueber(QWidget* w, QPoint p = QPoint(-1, -1)) {
        QMouseEvent e(QEvent::MouseMove, p.x() < 0 ? w->rect().center() : p, QPointF(), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    /// The English catalogue: German source -> English; every entry must have its English.
    void lies(QMap<QString, QString>& katalog) {
        QFile ts(QStringLiteral(MORLIX_TS));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QString quelle;
        for (QXmlStreamReader xml(&ts); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) quelle = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable("no English yet: " + quelle));
            katalog.insert(quelle, xml.readElementText());
        }
        QVERIFY(katalog.size() > 100);
    }

private slots:
    void cleanup() { schliesse(); }

    void startsAsTheModelStartsAndTheClockTicks() {
        QVERIFY(oeffne(false));
        QCOMPARE(f->windowTitle(), QStringLiteral("MorLix 2.2[*]"));
        QVERIFY(!f->isWindowModified());
        QCOMPARE(text("Text12"), QStringLiteral(" 30 x 30"));
        QVERIFY(finde<QAction>("cmd30")->isChecked());
        QStringList menues;  // the designed ones first
        for (const QAction* a : f->menuBar()->actions()) menues << a->text().remove('&');  // shortcut letters aside
        QCOMPARE(menues, QStringList({"Datei", "Raster einstellen", "Raster ein/aus", "Nachbarmatrix", "Bearbeiten",
                                      "Regel", "Ansicht", "Sprache"}));
        QVERIFY(finde<QCheckBox>("Check1_2")->isChecked() && !finde<QCheckBox>("Check2_2")->isChecked());
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
        klick("Command9");
        QCOMPARE(text("Text4"), QStringLiteral(" 24"));
        klick("Check2_6");
        QCOMPARE(m().kaesten(werkbank::Reihe::Geburt)[6], 1);
        klick("Option1_2");
        QCOMPARE(m().rand(), engine::Rand::Spiegel);
        finde<QScrollBar>("HScroll1")->setValue(100);  // the right end: fast
        QCOMPARE(text("Text5"), QStringLiteral("100"));
        QCOMPARE(f->uhr()->interval(), 10);
        QCOMPARE(text("txthilfe"), QStringLiteral("dt"));

        klick("cmdEinf_5");
        klick("cmdScroll1_2");
        QCOMPARE(zellPixel(2, 1), 0x000096u);
        klick("Command1");
        QCOMPARE(zellPixel(2, 1), 0xFFFFFFu);

        finde<QAction>("cmd90")->trigger();
        QCOMPARE(text("Text12"), QStringLiteral(" 90 x 90"));
        QVERIFY(finde<QAction>("cmd90")->isChecked() && !finde<QAction>("cmd30")->isChecked());
        dialoge.eingaben = {QStringLiteral("41")};
        finde<QAction>("cmdfrei")->trigger();
        QCOMPARE(dialoge.aufrufe.last(), QStringLiteral("eingabe|Feldgröße wählen|gerade Zahl bis 90|60"));
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
        auto rahmen = [this] { return finde<QWidget>("Shape4")->mapTo(finde<QWidget>("Picture1"), QPoint()); };
        QCOMPARE(rahmen(), QPoint(100, 450));  // designed; it moves only when a mode is chosen
        klick("Command10_1");
        QCOMPARE(m().zeichenModus(), 1);
        QCOMPARE(rahmen(), QPoint(16, 452));
        klick("Command10_0");
        QCOMPARE(rahmen(), QPoint(100, 452));
    }

    void keysReachTheWorldUnlessTheyHaveAUseInATextBox() {
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
        finde<QLineEdit>("txtSchritt")->setFocus();
        taste(Qt::Key_Space);  // typed, no step
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 2 "));

        klick("cmdEinf_5");
        taste(Qt::Key_Z, Qt::ControlModifier);  // the box's own typing first
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 2"));
        QCOMPARE(zellPixel(0, 0), 0x000096u);
        taste(Qt::Key_Z, Qt::ControlModifier);  // then the world's history
        QCOMPARE(zellPixel(0, 0), 0xFFFFFFu);
        finde<QLineEdit>("Text4")->setFocus();
        taste(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(zellPixel(0, 0), 0x000096u);
        QTest::mouseClick(finde<QWidget>("picAusgabe"), Qt::LeftButton, {}, zeigerAuf(3, 4));  // takes the keys
        taste(Qt::Key_Space);
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 3"));
    }

    void aGliderIsDrawnAndRunWithTheKeyboardAlone() {
        QVERIFY(oeffne());
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto lebt = [this](int i, int j) {
            return m().welt().zelle(engine::speicherIndex(i), engine::speicherIndex(j)) != 0;
        };
        taste(Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), finde<QWidget>("picAusgabe"));
        // From the middle: .O. / ..O / OOO
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_X, Qt::Key_Right, Qt::Key_Down, Qt::Key_X, Qt::Key_Down, Qt::Key_X,
                          Qt::Key_Left, Qt::Key_X, Qt::Key_Left, Qt::Key_X})
            taste(k);
        QCOMPARE(text("Text2") + "|" + text("Text3"), QStringLiteral(" 0| 2"));
        for (int k = 0; k < 4; ++k) taste(Qt::Key_Space);
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 4"));
        int lebende = 0;
        for (int i = -15; i < 15; ++i)
            for (int j = -15; j < 15; ++j) lebende += lebt(i, j);
        QCOMPARE(lebende, 5);
        for (auto [i, j] : {std::pair{2, 1}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}) QVERIFY(lebt(i, j));

        // Shift and an arrow draw as the right button does, one stroke one undo step.
        taste(Qt::Key_Up);
        taste(Qt::Key_Right, Qt::ShiftModifier);
        taste(Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyRelease(finde<QWidget>("picAusgabe"), Qt::Key_Shift);
        QVERIFY(lebt(0, 1) && lebt(1, 1) && lebt(2, 1));
        taste(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!lebt(0, 1) && !lebt(1, 1));
        QVERIFY(lebt(2, 1));
        taste(Qt::Key_Escape);
        QVERIFY(!m().zeiger());
        QVERIFY(QApplication::focusWidget() != finde<QWidget>("picAusgabe"));
    }

    void numbersReadAndWriteAlikeUnderTheGermanLocaleTheTestRunsIn() {
        QVERIFY2(QByteArray(std::setlocale(LC_NUMERIC, nullptr)).startsWith("de_DE"), "de_DE.UTF-8 fehlt");
        QVERIFY(oeffne());
        auto* zaehler = finde<QLineEdit>("txtSchritt");
        zaehler->selectAll();
        QTest::keyClicks(zaehler, QStringLiteral("2.5"));
        klick("cmdEinzelschritt");
        QCOMPARE(text("txtSchritt"), QStringLiteral(" 3.5"));
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
        QCOMPARE(zurueck->text(), QStringLiteral("&Rückgängig: Scrollen"));
        QVERIFY(!vor->isEnabled());
        QVERIFY(f->isWindowModified());
        taste(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zellPixel(0, 0), 0x000096u);  // the block back where it was inserted
        zurueck->trigger();
        QCOMPARE(zellPixel(0, 0), 0xFFFFFFu);
        QCOMPARE(vor->text(), QStringLiteral("&Wiederholen: Muster einfügen"));
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
    }

    void colourFieldsAndTheirCaptionsOpenTheColourDialog() {
        QVERIFY(oeffne());
        dialoge.farben = {QColor(0, 255, 0), QColor(), QColor(1, 2, 3)};
        klick("Picture9");
        QCOMPARE(m().anzeige().zellFarbe[2], view::rgb(0, 255, 0));
        klick("Label17");  // cancelled: nothing changes
        QCOMPARE(m().anzeige().zellFarbe[2], view::rgb(0, 255, 0));
        klick("Label7");
        QCOMPARE(m().anzeige().hintergrund, view::rgb(1, 2, 3));
        QCOMPARE(zellPixel(0, 0) & 0xFFFFFF, 0x010203u);
    }

    void everyFileDialogOffersItsFilterFirstAndSaveNeverProposesAPattern() {
        QVERIFY(oeffne());
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
    }

    void anAnimationWithoutMemoryAsksFirstAndAPictureIsSaved() {
        QVERIFY(oeffne());
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
        QVERIFY(oeffne());
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
        QVERIFY(dialoge.aufrufe.last().startsWith(QStringLiteral(
            "frage|MorLix|Die Welt wurde geändert. Änderungen speichern?|&Speichern,&Verwerfen,&Abbrechen")));
    }

    void theHelpLineExplainsWhatThePointerIsOverFromItsFirstCharacter() {
        QVERIFY(oeffne());
        ueber(finde<QWidget>("Check2_4"));
        QCOMPARE(hilfe(), QStringLiteral("Bedingung für das Entstehen einer neuen lebenden Zelle"));
        ueber(finde<QWidget>("Label11_2"));  // no text of its own: the line keeps the last
        QCOMPARE(hilfe(), QStringLiteral("Bedingung für das Entstehen einer neuen lebenden Zelle"));
        ueber(finde<QWidget>("regelTafel"), QPoint(4, 60));  // the panel where no control lies
        QCOMPARE(hilfe(), QString());
        ueber(finde<QWidget>("Picture8"), QPoint(4, 140));
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
        QVERIFY(oeffne());
        const QSize mit = f->size();
        QCOMPARE(f->minimumSize(), f->maximumSize());  // the window manager offers no resize
        QWidget* client = f->centralWidget();
        QCOMPARE(client->width(), 991);  // 14868 twips
        QCOMPARE(finde<QWidget>("Picture8")->geometry(), QRect(836, 16, 149, 649));
        klick("Command6");
        QCOMPARE(client->width(), ui::tw(12540));  // ends where the panel begins
        klick("Command5");
        klick("Command5");
        QCOMPARE(f->size(), mit);
        klick("Command4");
        QVERIFY(finde<QWidget>("Picture6")->isVisible());
        klick("Command3");
        QVERIFY(!finde<QWidget>("Picture6")->isVisible());
    }

    void theMatrixWindowSetsTheMaskOnlyWithOk() {
        QVERIFY(oeffne());
        menue("cmdMatrixdef");
        auto* matrix = qobject_cast<QWidget*>(QApplication::activeModalWidget());
        QVERIFY(matrix);
        QCOMPARE(matrix->objectName(), QStringLiteral("frmMatrix"));
        QVERIFY(matrix->width() >= matrix->fontMetrics().horizontalAdvance(matrix->windowTitle()) + 120);
        // Where they were designed, in pixels of 15 twips.
        QCOMPARE(findeIn<QWidget>(matrix, QStringLiteral("shpNachbarn_2"))->geometry(), QRect(32, 16, 41, 41));
        QCOMPARE(findeIn<QWidget>(matrix, QStringLiteral("chkMat_1"))->pos(), QPoint(44, 64));
        QTest::mouseClick(findeIn<QCheckBox>(matrix, QStringLiteral("chkMat_3")), Qt::LeftButton);
        QCOMPARE(m().maske(), 255);  // not before "ok"
        QTest::mouseClick(findeIn<QPushButton>(matrix, QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(m().maske(), 251);
        QVERIFY(!matrix->isVisible());
        menue("cmdMatrixdef");
        QVERIFY(!findeIn<QCheckBox>(matrix, QStringLiteral("chkMat_3"))->isChecked());
        QTest::mouseClick(findeIn<QCheckBox>(matrix, QStringLiteral("chkMat_1")), Qt::LeftButton);
        QTest::keyClick(matrix, Qt::Key_Escape);
        QCOMPARE(m().maske(), 251);
    }

    void theRuleMenuAndTheChartWindowFollowTheModel() {
        QVERIFY(oeffne());
        auto* regel = finde<QMenu>("cmdRegel");
        QAction* highlife = nullptr;
        for (QAction* a : regel->actions())
            if (a->text().remove('&').startsWith(QStringLiteral("HighLife\t"))) highlife = a;
        QVERIFY(highlife);
        highlife->trigger();
        QCOMPARE(m().regel().geburt, (1 << 3) | (1 << 6));
        QCOMPARE(hilfe(), QStringLiteral("Übernommen: Regel B36/S23 (HighLife)."));
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
        auto* verlauf = findeIn<QWidget>(f.get(), QStringLiteral("frmVerlauf"));
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

    void diceAndTheCensusWindowReachTheModel() {
        QVERIFY(oeffne());
        dialoge.anteile = {ui::Anteil{100, true}, ui::Anteil{100, false}, std::nullopt};
        menue("cmdZufallsregel");
        QCOMPARE(m().regel().geburt, 0x1FF);
        menue("cmdZufallsfeld");
        QCOMPARE(zellPixel(-15, 14), 0x000096u);
        menue("cmdZufallsfeld");  // cancelled
        QCOMPARE(m().rueckgaengigName().art, texte::Schritt::zufallsfeld);

        m().setzeRegelText("B3/S23");
        m().zellenLoeschen();
        menue("cmdZensus");
        auto* zensus = findeIn<QWidget>(f.get(), QStringLiteral("frmZensus"));
        QVERIFY(QTest::qWaitForWindowExposed(zensus));
        findeIn<QSpinBox>(zensus, QStringLiteral("txtZensusSuppen"))->setValue(1'000'000);
        QTest::mouseClick(findeIn<QPushButton>(zensus, QStringLiteral("cmdZensusStart")), Qt::LeftButton);
        QVERIFY(m().zensus() && m().zensus()->laeuft);
        auto* tabelle = findeIn<QTableWidget>(zensus, QStringLiteral("tblZensus"));
        QTRY_VERIFY(tabelle->rowCount() > 0);  // while it runs
        QTest::mouseClick(findeIn<QPushButton>(zensus, QStringLiteral("cmdZensusStopp")), Qt::LeftButton);
        QVERIFY(!m().zensus()->laeuft);
        const QPoint zeile = tabelle->visualItemRect(tabelle->item(0, 1)).center();
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, zeile);  // a double click's first press
        QTest::mouseDClick(tabelle->viewport(), Qt::LeftButton, {}, zeile);
        QCOMPARE(m().rueckgaengigName().art, texte::Schritt::objektEinfuegen);
    }

    void theLanguageSwitchesAtRunTimeInEveryWindowAndIsRemembered() {
        const QTemporaryDir ordner;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
        QMap<QString, QString> katalog;
        lies(katalog);
        if (QTest::currentTestFailed()) return;
        QVERIFY(oeffne());
        menue("cmdVerlauf");
        menue("cmdZensus");
        auto gezeigt = [this] {  // every caption of the main window and its second windows
            QStringList t;
            for (auto* l : f->findChildren<QLabel*>()) t << l->text();
            for (auto* k : f->findChildren<QAbstractButton*>()) t << k->text();
            for (auto* a : f->findChildren<QAction*>()) t << a->text();
            for (auto* m : f->findChildren<QMenu*>()) t << m->title();
            for (auto* w : f->findChildren<QWidget*>()) t << (w->isWindow() ? w->windowTitle() : QString());
            return t;
        };
        menue("mnuEnglisch");
        QCoreApplication::processEvents();  // the translator's LanguageChange events are posted
        for (const QString& t : gezeigt())
            QVERIFY2(!katalog.contains(t) || katalog.value(t) == t, qPrintable("still German: " + t));
        QCOMPARE(finde<QWidget>("frmVerlauf")->windowTitle(), katalog.value("Verlauf"));
        QCOMPARE(text("txtBefund"), QStringLiteral("empty"));
        ueber(finde<QWidget>("Label2"));
        QCOMPARE(hilfe(), katalog.value("Übergangsregeln festlegen"));
        QCOMPARE(ui::startSprache({}), texte::Sprache::englisch);  // remembered
        QCOMPARE(ui::startSprache({"--sprache=de"}), texte::Sprache::deutsch);

        menue("mnuDeutsch");
        QCoreApplication::processEvents();
        QSet<QString> englisch;
        for (auto i = katalog.cbegin(); i != katalog.cend(); ++i)
            if (i.key() != i.value()) englisch.insert(i.value());
        for (const QString& t : gezeigt()) QVERIFY2(!englisch.contains(t), qPrintable("still English: " + t));
        for (const auto& [name, text] : {std::pair{"Label2", "Wahl der Welt"}, {"Label20", " Rückblende bis -99"},
                                         {"Label1_3", "sonst bleibt sie unbelebt."}, {"Label18", "Zelle alt 2"}})
            QCOMPARE(finde<QLabel>(name)->text().remove('&'), QString::fromUtf8(text));
        QCOMPARE(finde<QRadioButton>("Option1_1")->text().remove('&'), QStringLiteral("Quadrat "));
        QCOMPARE(finde<QMenu>("cmdRaster")->title().remove('&'), QStringLiteral("Raster einstellen"));
        QCOMPARE(text("txtBefund"), QStringLiteral("leer"));
    }

    void dialogsSpeakGermanWhateverTheSystemLocale() {
        QLocale::setDefault(QLocale::c());
        ui::Uebersetzer uebersetzer;
        uebersetzer.setze(texte::Sprache::deutsch);
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void theCloseBoxAsksForAChangedWorldAndEndsTheProgramAlsoAfterTheMatrixWindowWasOpen() {
        QVERIFY(oeffne());
        QVERIFY(f->isWindowModified());  // the test emptied the world
        menue("cmdMatrixdef");
        QApplication::activeModalWidget()->close();
        dialoge.antworten = {2, 1};  // cancel, then discard
        QVERIFY(!endetBei([this] { f->close(); }));
        QVERIFY(endetBei([this] { f->close(); }));
    }

    void tabAndShiftTabReachEveryControlOnceInReadingOrder() {
        QVERIFY(oeffne());
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QList<QWidget*> weg;
        for (taste(Qt::Key_Tab); weg.size() < 300 && !weg.contains(QApplication::focusWidget()); taste(Qt::Key_Tab))
            weg << QApplication::focusWidget();
        QCOMPARE(QApplication::focusWidget(), weg.front());  // round and back, each once
        // Every button (of a group of options the chosen one), box, slider and the like; the help
        // line repeats what the controls' descriptions say.
        QSet<QWidget*> alle;
        for (QWidget* w : f->findChildren<QWidget*>()) {
            auto* option = qobject_cast<QRadioButton*>(w);
            const bool bedienbar = option ? option->isChecked()
                                          : qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                                                qobject_cast<QLineEdit*>(w) || w->focusPolicy() != Qt::NoFocus;
            if (bedienbar && w->isVisible() && w->isEnabled() && w->objectName() != "txthilfe") alle << w;
        }
        QCOMPARE(QSet<QWidget*>(weg.begin(), weg.end()), alle);

        auto tafel = [](QWidget* w) {
            while (w && !qobject_cast<ui::Tafel*>(w)) w = w->parentWidget();
            return w ? w->objectName() : QString();
        };
        // The field, the control panel from its top, the examples, the bottom line.
        while (tafel(weg.front()) != "feldTafel" || tafel(weg.back()) == "feldTafel") weg.move(0, weg.size() - 1);
        QStringList tafeln;
        for (qsizetype k = 0; k < weg.size(); ++k) {
            const QString t = tafel(weg[k]);
            if (tafeln.isEmpty() || tafeln.back() != t) tafeln << t;
            if (k == 0 || tafel(weg[k - 1]) != t) continue;
            const QPoint a = weg[k - 1]->mapTo(f.get(), QPoint()), b = weg[k]->mapTo(f.get(), QPoint());
            QVERIFY2(std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()), qPrintable(weg[k]->objectName()));
        }
        QCOMPARE(tafeln, QStringList({"feldTafel", "startTafel", "regelTafel", "mausTafel", "farbTafel", "randTafel",
                                      "Picture8", "fusszeile"}));
        weg.front()->setFocus(Qt::TabFocusReason);
        for (qsizetype k = weg.size() - 1; k >= 0; --k) {
            taste(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), weg[k]);
        }
    }

    void everyControlIsNamedForScreenReadersAndNoShortcutLetterClashesInEitherLanguage() {
        QVERIFY(oeffne());
        menue("cmdMatrixdef");
        menue("cmdVerlauf");
        menue("cmdZensus");
        const QList<QWidget*> fenster = {f.get(), finde<QWidget>("frmMatrix"), finde<QWidget>("frmVerlauf"),
                                         finde<QWidget>("frmZensus")};
        // Every caption of a scope, its shortcut letter required where it names something in words.
        auto pruefeKuerzel = [](const QString& bereich, const QList<std::pair<QString, bool>>& texte) {
            QSet<int> belegt;
            for (const auto& [text, noetig] : texte) {
                const QKeySequence k = QKeySequence::mnemonic(text);
                QVERIFY2(!noetig || !k.isEmpty(), qPrintable(bereich + ": no letter in " + text));
                QVERIFY2(k.isEmpty() || !belegt.contains(k[0].toCombined()),
                         qPrintable(bereich + ": clash at " + text));
                if (!k.isEmpty()) belegt << k[0].toCombined();
            }
        };
        auto worte = [](const QString& t) {
            return std::count_if(t.begin(), t.end(), [](QChar c) { return c.isLetter(); }) >= 2;
        };
        QMap<QString, QString> katalog;
        lies(katalog);
        if (QTest::currentTestFailed()) return;
        auto vorgelesen = [](QString t) { return t.remove('&').trimmed().remove(QRegularExpression(":$")); };
        QSet<QString> deutsch;  // what a screen reader must not read out in English
        for (auto i = katalog.cbegin(); i != katalog.cend(); ++i)
            if (vorgelesen(i.key()) != vorgelesen(i.value())) deutsch << vorgelesen(i.key());
        for (const auto sprache : {texte::Sprache::deutsch, texte::Sprache::englisch}) {
            m().setzeSprache(sprache);
            QCoreApplication::processEvents();
            for (QWidget* w : fenster) {
                QList<QAccessibleInterface*> offen = {QAccessible::queryAccessibleInterface(w)};
                int geprueft = 0;
                while (!offen.isEmpty()) {
                    QAccessibleInterface* i = offen.takeLast();
                    QVERIFY(i && i->isValid());
                    for (int k = 0; k < i->childCount(); ++k) offen << i->child(k);
                    if (!i->state().focusable) continue;
                    const QString wer =
                        (i->object() ? i->object()->objectName() : i->text(QAccessible::Description)) + " in " +
                        w->objectName();
                    QVERIFY2(!i->text(QAccessible::Name).trimmed().isEmpty(), qPrintable("no name: " + wer));
                    QVERIFY2(!i->text(QAccessible::Description).isEmpty(), qPrintable("no description: " + wer));
                    for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Description})
                        QVERIFY2(sprache == texte::Sprache::deutsch || !deutsch.contains(i->text(t)),
                                 qPrintable("still German: " + i->text(t)));
                    ++geprueft;
                }
                QVERIFY2(geprueft >= 2, qPrintable(w->objectName()));

                QList<std::pair<QString, bool>> texte;
                if (auto* leiste = w->findChild<QMenuBar*>())
                    for (const QAction* a : leiste->actions()) texte.append({a->text(), true});
                for (const QAbstractButton* k : w->findChildren<QAbstractButton*>())
                    if (k->window() == w) texte.append({k->text(), worte(k->text())});
                for (const QLabel* l : w->findChildren<QLabel*>())
                    if (l->window() == w && l->buddy()) texte.append({l->text(), true});
                pruefeKuerzel(w->objectName(), texte);
                for (const QMenu* menue : w->findChildren<QMenu*>()) {
                    texte.clear();
                    for (const QAction* a : menue->actions())
                        if (!a->isSeparator()) texte.append({a->text(), a->isEnabled()});
                    pruefeKuerzel(menue->objectName(), texte);
                }
            }
            // An example's button says which world it belongs to; a label read out follows its text.
            auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
            QVERIFY(name(finde<QWidget>("cmdEinf_14")).endsWith(vorgelesen(finde<QLabel>("Label13")->text())));
            QVERIFY(name(finde<QWidget>("cmdEinf_13")).endsWith(vorgelesen(finde<QLabel>("Label12")->text())));
            auto* kopf = finde<QLabel>("lblZensusKopf");
            kopf->setText(kopf->text() + " …");
            QCOMPARE(name(kopf), kopf->text());
        }
        m().setzeSprache(texte::Sprache::deutsch);
    }

    void theFieldShowsScreenReadersItsCellsAndTheCursorsCell() {
        QVERIFY(oeffne());
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(finde<QWidget>("picAusgabe"));
        QVERIFY(zugang && zugang->tableInterface());
        QAccessibleTableInterface* tabelle = zugang->tableInterface();
        QCOMPARE(tabelle->rowCount(), 30);
        QCOMPARE(tabelle->columnCount(), 30);
        QCOMPARE(zugang->childCount(), 900);
        auto zelle = [&](int i, int j) { return tabelle->cellAt(j + 15, i + 15)->text(QAccessible::Name); };
        auto fokus = [&] {  // row and column of the cell a screen reader finds focused
            QAccessibleInterface* z = zugang->focusChild();
            if (!z || !z->state().focused || zugang->indexOfChild(z) != z->tableCellInterface()->rowIndex() * 30 +
                                                                             z->tableCellInterface()->columnIndex())
                return QPoint(-1, -1);
            return QPoint(z->tableCellInterface()->columnIndex(), z->tableCellInterface()->rowIndex());
        };
        QCOMPARE(fokus(), QPoint(-1, -1));
        // What a screen reader is told: Qt passes events on only while its accessibility is on.
        static QList<std::pair<QObject*, int>> gemeldet;
        gemeldet.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            if (e->type() == QAccessible::Focus) gemeldet.append({e->object(), e->child()});
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        const auto aus = qScopeGuard([] {
            QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
            QAccessible::installUpdateHandler(nullptr);
        });
        QObject* feld = finde<QWidget>("picAusgabe");
        // A block of four, which stays: new, then one generation old, then older.
        taste(Qt::Key_F6);
        QCOMPARE(fokus(), QPoint(15, 15));
        QVERIFY(!gemeldet.isEmpty());
        QCOMPARE(gemeldet.last(), std::pair(feld, 15 * 30 + 15));
        for (Qt::Key k : {Qt::Key_X, Qt::Key_Right, Qt::Key_X, Qt::Key_Down, Qt::Key_X, Qt::Key_Left, Qt::Key_X})
            taste(k);
        QCOMPARE(fokus(), QPoint(15, 16));
        QCOMPARE(gemeldet.last(), std::pair(feld, 16 * 30 + 15));
        QCOMPARE(zelle(0, 1), QStringLiteral("lebend, neu"));
        QCOMPARE(tabelle->cellAt(16, 15)->text(QAccessible::Description), QStringLiteral("Spalte 0, Zeile 1"));
        taste(Qt::Key_Space);
        QCOMPARE(zelle(1, 1), QStringLiteral("lebend, 1 Generation alt"));
        taste(Qt::Key_Space);
        QCOMPARE(zelle(1, 0), QStringLiteral("lebend, 2 oder mehr Generationen alt"));
        QCOMPARE(zelle(2, 0), QStringLiteral("leer"));
        m().setzeSprache(texte::Sprache::englisch);
        QCoreApplication::processEvents();
        QCOMPARE(zelle(0, 0), QStringLiteral("alive, 2 or more generations old"));
        m().setzeSprache(texte::Sprache::deutsch);
        taste(Qt::Key_Escape);
        QCOMPARE(fokus(), QPoint(-1, -1));
    }

    void everyPictureDrawsAndTheScrollArrowsPointTheirWay() {
        auto deckend = [](const QImage& bild, QRect teil) {  // pixels more opaque than not
            int n = 0;
            for (int y = teil.top(); y <= teil.bottom(); ++y)
                for (int x = teil.left(); x <= teil.right(); ++x) n += qAlpha(bild.pixel(x, y)) > 128;
            return n;
        };
        for (int i = 0; i <= static_cast<int>(ui::Bild::Randoptionen); ++i) {
            const QImage bild = ui::bild(static_cast<ui::Bild>(i), QSize(40, 30)).toImage();
            QVERIFY2(deckend(bild, bild.rect()) > 40, qPrintable(QString::number(i)));
        }
        // The head is wider than the shaft, so the half an arrow points to is the fuller one.
        for (int r = 0; r < 4; ++r) {
            const QImage b = ui::bildScrollPfeil(r, r % 2 == 0 ? QSize(21, 13) : QSize(13, 21)).toImage();
            const int w = b.width(), h = b.height();
            const QRect haelfte[4] = {{0, 0, w / 2, h}, {0, 0, w, h / 2}, {w - w / 2, 0, w / 2, h}, {0, h - h / 2, w, h / 2}};
            QVERIFY2(deckend(b, haelfte[r]) > deckend(b, haelfte[(r + 2) % 4]), qPrintable(QString::number(r)));
        }
    }
};

QTEST_MAIN(TestFrmVireo)
#include "test_frmvireo.moc"
