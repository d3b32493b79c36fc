#include <QLineEdit>
#include <QtTest>

#include "fensterhilfe.h"
#include "ui/hilfetexte.h"

/// Every control of the help table explains itself in the help line when the pointer moves over it.
class TestHilfezeile : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QLineEdit* hilfe() { return finde<QLineEdit>("txthilfe"); }

    /// Moves the pointer over w at a point where none of w's own controls lies.
    static void ueber(QWidget* w) {
        QPoint p = w->rect().center();
        for (int y = 1; y < w->height() && w->childAt(p); y += 3)
            for (int x = 1; x < w->width(); x += 3)
                if (!w->childAt(QPoint(x, y))) {
                    p = QPoint(x, y);
                    break;
                }
        QTest::mouseMove(w, p);
    }

private slots:
    void init() { QVERIFY(oeffne()); }
    void cleanup() { schliesse(); }

    void hoveringEveryListedControlWritesItsText() {
        int geprueft = 0;
        for (const ui::HilfeText& h : ui::hilfeTexte()) {
            if (h.klick) continue;
            int gefunden = 0;
            for (QWidget* w : f->findChildren<QWidget*>()) {
                if (!ui::passt(w->objectName(), h.name) || !w->isVisible()) continue;
                ++gefunden;
                hilfe()->setText(QStringLiteral("vorher"));
                QTest::mouseMove(f.get(), QPoint(1, 1));
                ueber(w);
                QCOMPARE(hilfe()->text(), QString::fromUtf8(h.text));
                ++geprueft;
            }
            QVERIFY2(gefunden > 0, h.name);
        }
        QVERIFY(geprueft > 60);
    }

    void labelAndItsColourFieldHaveDifferentTexts() {
        ueber(finde<QWidget>("Label17"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Farbe der neu hinzugekommenden Zellen"));
        ueber(finde<QWidget>("Picture9"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Farbe der hinzugekommenen Zellen"));
    }

    void headingsOfTheFirstFivePatternsKeepTheText() {
        ueber(finde<QWidget>("Label11_5"));
        const QString vorher = hilfe()->text();
        QVERIFY(!vorher.isEmpty());
        for (int k = 0; k <= 4; ++k) {
            ueber(finde<QWidget>(QStringLiteral("Label11_%1").arg(k).toLatin1()));
            QCOMPARE(hilfe()->text(), vorher);
        }
    }

    void patternPicturesArePartOfTheirPanel() {
        ueber(finde<QWidget>("musterBild_3"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Besondere Beispielobjekte in ausgewählten Welten"));
    }

    void onlyTheControlPanelItselfEmptiesTheLine() {
        ueber(finde<QWidget>("Label2"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Übergangsregeln festlegen"));
        ueber(finde<QWidget>("Picture1"));
        QCOMPARE(hilfe()->text(), QString());
    }

    void aClickOnTheColourHeadingReplacesItsHoverText() {
        auto* farbe = finde<QWidget>("Label5");
        ueber(farbe);
        QCOMPARE(hilfe()->text(), QStringLiteral("Zum Wählen der Farbe eines der Felder anklicken"));
        QTest::mouseClick(farbe, Qt::LeftButton, {}, farbe->rect().center());
        QCOMPARE(hilfe()->text(), QStringLiteral("Zum Ändern der Farbe anklicken!"));
        QTest::mouseMove(farbe, farbe->rect().center() + QPoint(3, 0));
        QCOMPARE(hilfe()->text(), QStringLiteral("Zum Wählen der Farbe eines der Felder anklicken"));
    }

    void handlersWithLargerWorkWriteTheirTexts() {
        ueber(finde<QWidget>("picAusgabe"));
        QCOMPARE(hilfe()->text(),
                 QStringLiteral("Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie"));
        ueber(finde<QWidget>("Picture7"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Scrollrad"));
        hilfe()->clear();
        ueber(finde<QWidget>("Picture11"));
        QCOMPARE(hilfe()->text(), QStringLiteral("Scrollrad"));
    }
};

QTEST_MAIN(TestHilfezeile)
#include "test_hilfezeile.moc"
