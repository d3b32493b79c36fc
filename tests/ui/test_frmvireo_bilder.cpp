#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "fensterhilfe.h"
#include "testhilfe/dateigrenze.h"
#include "testhilfe/gifleser.h"
#include "ui/bausteine.h"
#include "ui/frmvireo.h"
#include "ui/hilfetexte.h"

using fensterhilfe::zeigerAuf;

class TestFrmVireoBilder : public QObject {
    Q_OBJECT

    fensterhilfe::Fenster fenster;
    std::unique_ptr<QTemporaryDir> ordner;

    template <typename T>
    T* finde(const char* name) { return fenster.finde<T>(name); }
    QString befund() { return finde<QLineEdit>("txtBefund")->text(); }
    void klick(const char* name) { QTest::mouseClick(finde<QPushButton>(name), Qt::LeftButton); }
    void setze(int i, int j) { QTest::mouseClick(fenster.feld, Qt::LeftButton, {}, zeigerAuf(fenster.feld, 30, i, j)); }
    void blinker() {
        for (int i = -1; i <= 1; ++i) setze(i, 0);
    }
    void tippe(const char* name, const QString& neu) {
        auto* t = finde<QLineEdit>(name);
        t->selectAll();
        QTest::keyClicks(t, neu);
    }
    QString pfad(const QString& name) const { return ordner->filePath(name); }
    void speichere(const char* aktion, const QString& antwort) {
        fenster.dialoge.pfade.push_back(antwort);
        finde<QAction>(aktion)->trigger();
    }
    static QImage rgb(const QImage& bild) { return bild.convertToFormat(QImage::Format_RGB32); }
    static QImage alsBild(const std::vector<std::uint32_t>& pixel, int breite, int hoehe) {
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x) bild.setPixel(x, y, 0xFF000000u | pixel[y * breite + x]);
        return bild;
    }

private slots:
    void init() {
        QVERIFY(fenster.oeffne());
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
    }
    void cleanup() { fenster.schliesse(); }

    void dasKaestchenStehtInDerUnterenZeileNebenText12() {
        auto* box = finde<QLineEdit>("txtBefund");
        auto* text12 = finde<QLineEdit>("Text12");
        auto* hilfe = finde<QLineEdit>("txthilfe");
        QVERIFY(box->isReadOnly());
        QVERIFY(box->isVisible());
        QCOMPARE(box->y(), text12->y());
        QVERIFY(box->x() > text12->geometry().right());
        QVERIFY(!box->geometry().intersects(hilfe->geometry()));
        QVERIFY(!box->geometry().intersects(finde<QPushButton>("Command7")->geometry()));
        // The longest finding fits, and so does every help text that fitted the help line before.
        QVERIFY(box->fontMetrics().horizontalAdvance(QStringLiteral("8100 Zellen")) < box->width() - 8);
        const int frueher = ui::tw(8580) - 8;
        for (const ui::HilfeText& h : ui::hilfeTexte()) {
            const int breite = hilfe->fontMetrics().horizontalAdvance(QString::fromUtf8(h.text));
            QVERIFY2(breite > frueher || breite < hilfe->width() - 8, h.text);
        }
    }

    void klickUndSchritteZeigenPeriodeUndBestand() {
        blinker();
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("Periode 2"));

        // An edit between the steps starts the count again.
        setze(8, 8);
        QCOMPARE(befund(), QStringLiteral("4 Zellen"));
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("Periode 2"));

        // So do a new rule and the look-back.
        QTest::mouseClick(finde<QCheckBox>("Check1_1"), Qt::LeftButton);
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));
        QTest::mouseClick(finde<QCheckBox>("Check1_1"), Qt::LeftButton);
        klick("cmdEinzelschritt");
        klick("cmdEinzelschritt");
        QCOMPARE(befund(), QStringLiteral("Periode 2"));
        finde<QScrollBar>("HScroll2")->setValue(98);
        QCOMPARE(befund(), QStringLiteral("3 Zellen"));

        klick("Command1");  // clears the field
        QCOMPARE(befund(), QStringLiteral("leer"));
    }

    void derZeitrafferSiehtJedenSchritt() {
        blinker();
        tippe("Text4", QStringLiteral("2"));
        klick("cmdLauf");
        fenster.f->Timer1_Timer();
        QCOMPARE(finde<QLineEdit>("txtSchritt")->text(), QStringLiteral(" 2"));
        QCOMPARE(befund(), QStringLiteral("Periode 2"));
        QCOMPARE(fenster.f->periodensuche().staende(), 3);
    }

    void dasBildIstDasFeldPixelFuerPixel() {
        blinker();
        klick("cmdEinzelschritt");
        speichere("cmdBild", pfad(QStringLiteral("feld")));
        QVERIFY(fenster.dialoge.meldungen.isEmpty());
        const QImage gelesen(pfad(QStringLiteral("feld.png")));
        QVERIFY(!gelesen.isNull());
        QCOMPARE(rgb(gelesen), rgb(fenster.f->flaeche().bild()));
        QCOMPARE(gelesen.size(), fenster.feld->size());
    }

    void dieAnimationZeigtDenLaufMitDtUndFarben() {
        blinker();
        const QImage anfang = fenster.f->flaeche().bild().copy();
        for (int k = 0; k < 3; ++k) klick("cmdEinzelschritt");
        finde<QScrollBar>("HScroll1")->setValue(run::reglerPosition(7));  // dt = 70 ms
        speichere("cmdAnimation", pfad(QStringLiteral("lauf.gif")));
        QVERIFY(fenster.dialoge.meldungen.isEmpty());

        const testhilfe::GifInhalt gif = testhilfe::liesGif(pfad(QStringLiteral("lauf.gif")).toStdString());
        QVERIFY(gif.gelesen);
        QCOMPARE(gif.version, std::string("GIF89a"));
        QCOMPARE(gif.breite, fenster.f->flaeche().bild().width());
        QCOMPARE(gif.hoehe, fenster.f->flaeche().bild().height());
        QVERIFY(gif.endlos);
        QCOMPARE(gif.bilder.size(), std::size_t{4});
        QCOMPARE(gif.verzoegerungen, std::vector<int>(4, 7));
        QCOMPARE(alsBild(gif.bilder.front(), gif.breite, gif.hoehe), rgb(anfang));
        QCOMPARE(alsBild(gif.bilder.back(), gif.breite, gif.hoehe), rgb(fenster.f->flaeche().bild()));
        // The second generation: the blinker upright, its middle cell one step old, in the current colours.
        const QImage zweites = alsBild(gif.bilder[1], gif.breite, gif.hoehe);
        auto mitte = [&](int i, int j) {
            return zweites.pixel((2 * i + 31) * gif.breite / 60, (2 * j + 31) * gif.hoehe / 60) & 0xFFFFFF;
        };
        QCOMPARE(mitte(0, -1), 0xFF0000u);
        QCOMPARE(mitte(0, 0), 0x000096u);
        QCOMPARE(mitte(-1, 0), 0xFFFFFFu);
    }

    void mehrAlsHundertGenerationenGebenHundertBilder() {
        blinker();
        tippe("Text4", QStringLiteral("150"));
        klick("cmdLauf");
        fenster.f->Timer1_Timer();
        klick("cmdLauf");
        speichere("cmdAnimation", pfad(QStringLiteral("lang.gif")));
        const testhilfe::GifInhalt gif = testhilfe::liesGif(pfad(QStringLiteral("lang.gif")).toStdString());
        QCOMPARE(gif.bilder.size(), std::size_t{100});
        QCOMPARE(alsBild(gif.bilder.back(), gif.breite, gif.hoehe), rgb(fenster.f->flaeche().bild()));
    }

    void ohneSchrittIstDieAnimationDieGegenwart() {
        blinker();
        speichere("cmdAnimation", pfad(QStringLiteral("eins")));
        const testhilfe::GifInhalt gif = testhilfe::liesGif(pfad(QStringLiteral("eins.gif")).toStdString());
        QCOMPARE(gif.bilder.size(), std::size_t{1});
        QCOMPARE(alsBild(gif.bilder[0], gif.breite, gif.hoehe), rgb(fenster.f->flaeche().bild()));
    }

    void einFehlerMeldetSichUndLaesstDieAlteDateiStehen() {
        blinker();
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("ordner.png")));
        speichere("cmdBild", pfad(QStringLiteral("ordner.png")));
        QCOMPARE(fenster.dialoge.meldungen.size(), 1);
        QVERIFY(fenster.dialoge.meldungen[0].startsWith(QStringLiteral("Bild speichern|Die Datei „")));

        // A full disk: the old file stays whole.
        QFile alt(pfad(QStringLiteral("alt.gif")));
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
        alt.close();
        for (int k = 0; k < 3; ++k) klick("cmdEinzelschritt");
        QVERIFY(testhilfe::mitDateiGrenze(500, [&] { speichere("cmdAnimation", pfad(QStringLiteral("alt.gif"))); }));
        QCOMPARE(fenster.dialoge.meldungen.size(), 2);
        QVERIFY(fenster.dialoge.meldungen[1].startsWith(QStringLiteral("Animation speichern|")));
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alt"));
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("alt.gif")});
    }

    void abbrechenSchreibtNichts() {
        blinker();
        speichere("cmdBild", QString());
        speichere("cmdAnimation", QString());
        QVERIFY(QDir(ordner->path()).isEmpty());
        QVERIFY(fenster.dialoge.meldungen.isEmpty());
    }
};

QTEST_MAIN(TestFrmVireoBilder)
#include "test_frmvireo_bilder.moc"
