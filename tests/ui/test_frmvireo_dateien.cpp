#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "storage/weltdatei.h"
#include "storage/weltdatei_hilfe.h"
#include "testhilfe/bild.h"
#include "testhilfe/dateigrenze.h"
#include "ui/frmvireo.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/widgets.h"

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const std::string& text) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
}

// A world file value as the storage layer reads it back from disk.
std::unique_ptr<storage::WeltDatei> gelesen(const QString& pfad) {
    std::ifstream ein(QFile::encodeName(pfad).toStdString(), std::ios::binary);
    return storage::liesWeltDatei(ein).welt;
}

}  // namespace

using fensterhilfe::zellPixel;

class TestFrmVireoDateien : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;

    QString pfad(const QString& name) const { return ordner->filePath(name); }
    void speichern(const QString& antwort) {
        dialoge.pfade.push_back(antwort);
        finde<QAction>("cmdSpeichern")->trigger();
    }
    void laden(const QString& antwort) {
        dialoge.pfade.push_back(antwort);
        finde<QAction>("cmdLaden")->trigger();
    }
    // Everything a failed load or save must leave as it was.
    struct Zustand {
        QString titel;
        std::vector<std::string> zellen;
        int groesse;
        QList<int> kaesten;
        int rand;
        QList<view::Farbe> farben;
    };
    Zustand zustand() {
        Zustand z{f->windowTitle(), testhilfe::lies(f->welt(), -45, -45, 101, 101), f->welt().feldGroesse, {}, 0, {}};
        for (int k = 0; k < 9; ++k) {
            z.kaesten << finde<QCheckBox>(QStringLiteral("Check1_%1").arg(k))->checkState();
            z.kaesten << finde<QCheckBox>(QStringLiteral("Check2_%1").arg(k))->checkState();
        }
        for (int k = 0; k < 3; ++k)
            if (finde<QRadioButton>(QStringLiteral("Option1_%1").arg(k))->isChecked()) z.rand = k;
        z.farben << f->anzeige().zellFarbe[1] << f->anzeige().zellFarbe[2] << f->anzeige().zellFarbe[3]
                 << f->flaeche().hintergrund();
        for (const char* n : {"Picture4_0", "Picture9", "Picture10", "Picture5_0"})
            z.farben << finde<ui::Farbfeld>(QString::fromLatin1(n))->farbe();
        return z;
    }
    void vergleiche(const Zustand& a, const Zustand& b) {
        QCOMPARE(a.titel, b.titel);
        QVERIFY(a.zellen == b.zellen);
        QCOMPARE(a.groesse, b.groesse);
        QCOMPARE(a.kaesten, b.kaesten);
        QCOMPARE(a.rand, b.rand);
        QCOMPARE(a.farben, b.farben);
    }

private slots:
    void init() {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(oeffne());
    }
    void cleanup() { schliesse(); }

    void savingWritesTheExactFileAndShowsItsPath() {
        testhilfe::zeichne(f->welt(), -1, 0, {"111"});
        speichern(pfad("beispiel"));
        QCOMPARE(dialoge.aufrufe, QStringList{"speichern|" + QDir::currentPath() + "|"});
        QVERIFY(inhalt(pfad("beispiel.vir")) == QByteArray::fromStdString(testhilfe::beispielText()));
        QCOMPARE(f->windowTitle(), "MorLix 2.2  " + pfad("beispiel.vir"));
        QVERIFY(dialoge.meldungen.isEmpty());
    }

    void namesGetExactlyOneLowerCaseVirAndTheDialogKeepsTheLastName() {
        speichern(pfad("Welt.VIR"));
        speichern(pfad("a.txt"));
        speichern(pfad("b.vir"));
        QVERIFY(QFile::exists(pfad("Welt.VIR.vir")));
        QVERIFY(QFile::exists(pfad("a.txt.vir")));
        QVERIFY(QFile::exists(pfad("b.vir")));
        QVERIFY(!QFile::exists(pfad("b.vir.vir")));
        QCOMPARE(dialoge.aufrufe.last(), "speichern|" + QDir::currentPath() + "|" + pfad("a.txt"));

        // A capital extension is refused on loading, silently.
        QFile::copy(pfad("b.vir"), pfad("c.VIR"));
        const Zustand vorher = zustand();
        laden(pfad("c.VIR"));
        vergleiche(zustand(), vorher);
        QVERIFY(dialoge.meldungen.isEmpty());
        QCOMPARE(dialoge.aufrufe.last(), "oeffnen|" + QDir::currentPath() + "|*vir");
    }

    void cancellingEitherDialogChangesNothing() {
        speichern(pfad("erst.vir"));
        testhilfe::zeichne(f->welt(), 0, 0, {"23"});
        const Zustand vorher = zustand();
        laden(QString());
        speichern(QString());
        vergleiche(zustand(), vorher);
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList{"erst.vir"});
        // After a cancelled load the save dialog shows the pattern.
        QCOMPARE(dialoge.aufrufe.last(), "speichern|" + QDir::currentPath() + "|*vir");
    }

    void roundTripBringsBackEveryCellBoxModeAndColour() {
        auto& w = f->welt();
        for (int x = 0; x < engine::kDim; ++x)
            for (int y = 0; y < engine::kDim; ++y) w.zelle[x][y] = (x * 7 + y * 3) % 4;
        w.feldGroesse = 44;
        for (int k = 0; k < 9; ++k) {
            finde<QCheckBox>(QStringLiteral("Check1_%1").arg(k))->setCheckState(Qt::CheckState(k % 3));
            finde<QCheckBox>(QStringLiteral("Check2_%1").arg(k))->setCheckState(Qt::CheckState((k + 1) % 3));
        }
        QTest::mouseClick(finde<QRadioButton>("Option1_2"), Qt::LeftButton);
        f->anzeige().zellFarbe[1] = view::rgb(1, 2, 3);
        f->anzeige().zellFarbe[2] = static_cast<view::Farbe>(0x80000012u);
        f->anzeige().zellFarbe[3] = view::rgb(0, 200, 0);
        f->flaeche().setzeHintergrund(view::rgb(255, 255, 0));
        speichern(pfad("alles.vir"));
        const Zustand gespeichert = zustand();

        QVERIFY(oeffne());
        laden(pfad("alles.vir"));
        Zustand geladen = zustand();
        QCOMPARE(geladen.farben.mid(0, 4), gespeichert.farben.mid(0, 4));
        QCOMPARE(geladen.farben.mid(4), gespeichert.farben.mid(0, 4));  // the swatches show the loaded colours
        geladen.farben = gespeichert.farben;
        vergleiche(geladen, gespeichert);
        QCOMPARE(f->welt().zelle[100][98], 2);  // outside the field too
        QCOMPARE(finde<QLineEdit>("Text12")->text(), QStringLiteral(" 44 x 44"));
        // The field shows the loaded world: a state-3 cell in green, an empty one in yellow.
        QCOMPARE(f->welt().zelle[44][45], 3);
        QCOMPARE(zellPixel(feld, 44, -1, 0), 0x00C800u);
        QCOMPARE(f->welt().zelle[47][45], 0);
        QCOMPARE(zellPixel(feld, 44, 2, 0), 0xFFFF00u);
    }

    void loadingClearsSizeMarksAndLeavesMaskGridCounterAndMemory() {
        schreibe(pfad("beispiel.vir"), testhilfe::beispielText());
        auto& w = f->welt();
        w.nachbarMaske = 17;
        w.gedIndex = 7;
        w.gedaechtnis(1, 2, 5) = 3;
        finde<QLineEdit>("txtSchritt")->setText(QStringLiteral(" 42"));
        f->anzeige().rasterFarbe = view::rgb(9, 9, 9);
        const view::Farbe raster = finde<ui::Farbfeld>("Picture13")->farbe();
        QVERIFY(finde<QAction>("cmd30")->isChecked());

        laden(pfad("beispiel.vir"));
        QCOMPARE(f->windowTitle(), "MorLix 2.2  " + pfad("beispiel.vir"));
        for (const char* n : {"cmd30", "cmd50", "cmd90"}) QVERIFY(!finde<QAction>(n)->isChecked());
        QCOMPARE(testhilfe::lies(w, -2, 0, 5, 1), std::vector<std::string>{".111."});
        QCOMPARE(int(w.nachbarMaske), 17);
        QCOMPARE(w.gedIndex, 7);
        QCOMPARE(int(w.gedaechtnis(1, 2, 5)), 3);
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 42"));
        QCOMPARE(f->anzeige().rasterFarbe, view::rgb(9, 9, 9));
        QCOMPARE(finde<ui::Farbfeld>("Picture13")->farbe(), raster);
    }

    void partlyTickedBoxesCountAsClearAndClickBetweenTwoStates() {
        auto d = std::make_unique<storage::WeltDatei>();
        d->ueberleben[2] = 2;
        d->geburt[3] = 1;
        d->rand[1] = true;
        schreibe(pfad("teil.vir"), storage::weltDateiText(*d));
        laden(pfad("teil.vir"));
        auto* kasten = finde<QCheckBox>("Check1_2");
        QCOMPARE(kasten->checkState(), Qt::PartiallyChecked);
        QCOMPARE(f->regel().ueberleben, 0u);
        QCOMPARE(f->regel().geburt, 1u << 3);
        QVERIFY(finde<QRadioButton>("Option1_1")->isChecked());
        QTest::mouseClick(kasten, Qt::LeftButton);
        QCOMPARE(kasten->checkState(), Qt::Checked);
        QTest::mouseClick(kasten, Qt::LeftButton);
        QCOMPARE(kasten->checkState(), Qt::Unchecked);
        QTest::mouseClick(kasten, Qt::LeftButton);
        QCOMPARE(kasten->checkState(), Qt::Checked);
        // Saved as it shows.
        finde<QCheckBox>("Check2_5")->setCheckState(Qt::PartiallyChecked);
        speichern(pfad("teil.vir"));
        const auto zurueck = gelesen(pfad("teil.vir"));
        QVERIFY(zurueck);
        QCOMPARE(zurueck->ueberleben[2], 1);
        QCOMPARE(zurueck->geburt[5], 2);
    }

    void olderLayoutKeepsColoursAndCanBeSavedAgain() {
        auto d = std::make_unique<storage::WeltDatei>();
        d->zelle[45][45] = 3;
        d->rand[0] = true;
        schreibe(pfad("alt.vir"), storage::weltDateiText(*d));
        f->anzeige().zellFarbe[3] = view::rgb(0, 0, 255);
        f->flaeche().setzeHintergrund(view::rgb(0, 255, 0));
        finde<ui::Farbfeld>("Picture5_0")->setzeFarbe(view::rgb(0, 255, 0));
        const Zustand vorher = zustand();
        laden(pfad("alt.vir"));
        QCOMPARE(zustand().farben, vorher.farben);
        QCOMPARE(zellPixel(feld, 30, 0, 0), 0x0000FFu);
        QCOMPARE(zellPixel(feld, 30, 1, 0), 0x00FF00u);
        speichern(pfad("alt.vir"));
        const auto neu = gelesen(pfad("alt.vir"));
        QVERIFY(neu && neu->farben);
        QCOMPARE(neu->farben->schirm, view::rgb(0, 255, 0));
        QCOMPARE(neu->zelle[45][45], 3);
    }

    void fileWithoutEdgeModeKeepsTheSelectedOne() {
        auto d = std::make_unique<storage::WeltDatei>();
        schreibe(pfad("ohne.vir"), storage::weltDateiText(*d));
        QTest::mouseClick(finde<QRadioButton>("Option1_2"), Qt::LeftButton);
        laden(pfad("ohne.vir"));
        QVERIFY(finde<QRadioButton>("Option1_2")->isChecked());
        QCOMPARE(f->rand(), engine::Rand::Spiegel);
        QCOMPARE(f->windowTitle(), "MorLix 2.2  " + pfad("ohne.vir"));
    }

    void everyFailedLoadLeavesWorldAndCaptionAndSaysWhy() {
        speichern(pfad("gut.vir"));
        testhilfe::zeichne(f->welt(), 3, 3, {"2"});
        const std::string gut = inhalt(pfad("gut.vir")).toStdString();
        std::string groesse = gut;
        groesse.replace(10201 * 5, 4, " 31 ");
        schreibe(pfad("groesse.vir"), groesse);
        schreibe(pfad("kurz.vir"), gut.substr(0, 5000 * 5));
        schreibe(pfad("zelle.vir"), " 7 \r\n" + gut.substr(5));
        schreibe(pfad("binaer.vir"), std::string("\x7f" "ELF\0\0\x01\xff\r\n", 10) + std::string(100000, '\0'));
        QDir(ordner->path()).mkdir(QStringLiteral("ordner.vir"));
        const Zustand vorher = zustand();

        const QStringList erwartet = {
            "groesse.vir|enthält in Zeile 10202 keine gültige Feldgröße (gerade, 2 bis 90)",
            "kurz.vir|endet vorzeitig nach Zeile 5000",
            "zelle.vir|enthält in Zeile 1 keinen gültigen Zellzustand (0 bis 3)",
            "binaer.vir|enthält in Zeile 1 keinen gültigen Zellzustand (0 bis 3)",
            "ordner.vir|ist ein Ordner und keine Datei",
            "fehlt.vir|ist nicht vorhanden",
        };
        for (const QString& fall : erwartet) {
            const QString name = fall.section('|', 0, 0);
            laden(pfad(name));
            vergleiche(zustand(), vorher);
            QCOMPARE(dialoge.meldungen.size(), 1);
            QCOMPARE(dialoge.meldungen.takeFirst(), QStringLiteral("Welt öffnen|Die Datei „%1“ %2. Die Welt bleibt, wie sie war.")
                                                        .arg(pfad(name), fall.section('|', 1)));
        }
    }

    void everyFailedSaveLeavesOldFileAndCaptionAndSaysWhy() {
        speichern(pfad("alt.vir"));
        const QByteArray alt = inhalt(pfad("alt.vir"));
        testhilfe::zeichne(f->welt(), 0, 0, {"333"});
        const Zustand vorher = zustand();

        QDir(ordner->path()).mkdir(QStringLiteral("ordner.vir"));
        speichern(pfad("ordner.vir"));
        schreibe(pfad("datei"), "x");
        speichern(pfad("datei/welt.vir"));
        // A write breaking off half-way, as on a full disk.
        QVERIFY(testhilfe::mitDateiGrenze(8192, [&] { speichern(pfad("alt.vir")); }));

        vergleiche(zustand(), vorher);
        QVERIFY(inhalt(pfad("alt.vir")) == alt);
        QCOMPARE(QDir(ordner->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"alt.vir", "datei", "ordner.vir"}));
        const QString kopf = QStringLiteral("Welt speichern|Die Welt lässt sich nicht als „%1“ speichern: %2.");
        QCOMPARE(dialoge.meldungen,
                 (QStringList{kopf.arg(pfad("ordner.vir"), "unter diesem Namen gibt es schon einen Ordner"),
                              kopf.arg(pfad("datei/welt.vir"), "im Ordner lässt sich keine Datei anlegen"),
                              kopf.arg(pfad("alt.vir"),
                                       "beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)")}));
    }
};

QTEST_MAIN(TestFrmVireoDateien)
#include "test_frmvireo_dateien.moc"
