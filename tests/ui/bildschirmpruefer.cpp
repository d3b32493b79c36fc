// Starts the real program on the X display this runs on, takes screenshots of the whole screen
// until the window shows, and checks in the pixels that the field shows start pattern 3 in the
// state-1 colour on the grid. Optionally saves the window's picture.
//
//   bildschirmpruefer <morlix> [bild.png]
//
// Exit 0 when the picture was seen, 1 when not within ten seconds.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

struct Befund {
    int zustand1 = 0;  // pixels in RGB(0, 0, 150), left of the control panel
    int gitter = 0;    // pixels in RGB(224, 224, 224), likewise
    QRect muster;      // where the state-1 pixels lie
    QRect fenster;     // everything that is not the empty screen
};

Befund pruefe(const QImage& bild) {
    Befund b;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) & 0xFFFFFF) b.fenster |= QRect(x, y, 1, 1);
    // The field takes the window's first 664 pixels; the panels use the same colours.
    for (int y = b.fenster.top(); y <= b.fenster.bottom(); ++y) {
        for (int x = b.fenster.left(); x < b.fenster.left() + 664 && x <= b.fenster.right(); ++x) {
            const QRgb p = bild.pixel(x, y) & 0xFFFFFF;
            if (p == 0x000096) ++b.zustand1, b.muster |= QRect(x, y, 1, 1);
            if (p == 0xE0E0E0) ++b.gitter;
        }
    }
    return b;
}

/// Pattern 3 at size 30: eight cells of about 21.5 pixels in a square of five cells.
bool zeigtMuster3(const Befund& b) {
    const double zelle = 644.0 / 30.0;
    const bool flaeche = b.zustand1 > 8 * (zelle - 2) * (zelle - 2) * 0.9 && b.zustand1 < 8 * (zelle + 2) * (zelle + 2);
    const bool groesse = std::abs(b.muster.width() - 5 * zelle) < 4 && std::abs(b.muster.height() - 5 * zelle) < 4;
    return flaeche && groesse && b.gitter > 10000;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return std::fprintf(stderr, "Aufruf: bildschirmpruefer <morlix> [bild.png [argument...]]\n"), 2;
    QProcess programm;
    programm.start(QString::fromLocal8Bit(argv[1]), QCoreApplication::arguments().mid(3));
    if (!programm.waitForStarted(5000)) return std::fprintf(stderr, "Programm startet nicht\n"), 1;
    Befund b;
    QImage letztes;
    for (int versuch = 0; versuch < 200 && !zeigtMuster3(b); ++versuch) {
        QThread::msleep(50);
        letztes = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        b = pruefe(letztes);
    }
    programm.kill();
    programm.waitForFinished(3000);
    if (!zeigtMuster3(b)) {
        std::fprintf(stderr, "Muster 3 nicht gesehen: %d Pixel Zustand 1 in %dx%d, %d Gitterpixel\n", b.zustand1,
                     b.muster.width(), b.muster.height(), b.gitter);
        letztes.save(QStringLiteral("bildschirm-fehlschlag.png"));
        return 1;
    }
    if (argc > 2) letztes.copy(b.fenster).save(QString::fromLocal8Bit(argv[2]));
    std::printf("Muster 3 auf dem Raster gesehen\n");
    return 0;
}
