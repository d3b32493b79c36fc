#include <QImage>
#include <QtTest>

#include "ui/bilder.h"

/// Every picture comes out of the resource, and the scroll arrows point where their buttons sit.
class TestBilder : public QObject {
    Q_OBJECT

    /// Pixels of `teil` that are more opaque than not.
    static int deckend(const QImage& bild, QRect teil) {
        int n = 0;
        for (int y = teil.top(); y <= teil.bottom(); ++y)
            for (int x = teil.left(); x <= teil.right(); ++x) n += qAlpha(bild.pixel(x, y)) > 128;
        return n;
    }

private slots:
    void everyPictureDrawsSomething() {
        for (int i = 0; i <= static_cast<int>(ui::Bild::Randoptionen); ++i) {
            const QImage bild = ui::bild(static_cast<ui::Bild>(i), QSize(40, 30)).toImage();
            QVERIFY2(deckend(bild, bild.rect()) > 40, qPrintable(QStringLiteral("Bild %1").arg(i)));
        }
    }

    void scrollArrowsPointLeftUpRightDown() {
        // The head is wider than the shaft, so the half an arrow points to is the fuller one.
        for (int richtung = 0; richtung < 4; ++richtung) {
            const QSize groesse = richtung % 2 == 0 ? QSize(21, 13) : QSize(13, 21);
            const QImage b = ui::bildScrollPfeil(richtung, groesse).toImage();
            QCOMPARE(b.size(), groesse);
            const int w = b.width(), h = b.height();
            const QRect haelfte[4] = {{0, 0, w / 2, h}, {0, 0, w, h / 2}, {w - w / 2, 0, w / 2, h}, {0, h - h / 2, w, h / 2}};
            QVERIFY2(deckend(b, haelfte[richtung]) > deckend(b, haelfte[(richtung + 2) % 4]),
                     qPrintable(QStringLiteral("Richtung %1").arg(richtung)));
        }
    }
};

QTEST_MAIN(TestBilder)
#include "test_bilder.moc"
