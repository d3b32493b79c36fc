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
    int zustand1 = 0;  // pixels in RGB(0, 0, 150)
    int gitter = 0;    // pixels in RGB(224, 224, 224)
    QRect muster;      // where the state-1 pixels lie
    QRect fenster;     // everything that is not the empty screen
};

/// Counts only left of column bisX, where the field lies (the panels use the same colours).
Befund pruefe(const QImage& bild, int bisX) {
    Befund b;
    int x0 = bild.width(), y0 = bild.height(), x1 = -1, y1 = -1;
    int fx0 = bild.width(), fy0 = bild.height(), fx1 = -1, fy1 = -1;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = zeile[x] & 0xFFFFFF;
            if (p != 0) fx0 = std::min(fx0, x), fy0 = std::min(fy0, y), fx1 = std::max(fx1, x), fy1 = std::max(fy1, y);
            if (x >= bisX) continue;
            if (p == 0x000096) {
                ++b.zustand1;
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
            if (p == 0xE0E0E0) ++b.gitter;
        }
    }
    if (x1 >= 0) b.muster = QRect(QPoint(x0, y0), QPoint(x1, y1));
    if (fx1 >= 0) b.fenster = QRect(QPoint(fx0, fy0), QPoint(fx1, fy1));
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
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bildschirmpruefer <morlix> [bild.png]\n");
        return 2;
    }
    QProcess programm;
    programm.start(QString::fromLocal8Bit(argv[1]), {});
    if (!programm.waitForStarted(5000)) {
        std::fprintf(stderr, "Programm startet nicht\n");
        return 1;
    }
    QScreen* schirm = QGuiApplication::primaryScreen();
    bool gesehen = false;
    QImage letztes;
    for (int versuch = 0; versuch < 200 && !gesehen; ++versuch) {
        QThread::msleep(50);
        letztes = schirm->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const Befund ganz = pruefe(letztes, letztes.width());
        // The field takes the window's first 664 pixels; the control panel follows.
        const Befund b = pruefe(letztes, ganz.fenster.left() + 664);
        gesehen = zeigtMuster3(b);
        if (gesehen && argc > 2) letztes.copy(ganz.fenster).save(QString::fromLocal8Bit(argv[2]));
    }
    programm.kill();
    programm.waitForFinished(3000);
    if (!gesehen) {
        const Befund b = pruefe(letztes, pruefe(letztes, letztes.width()).fenster.left() + 664);
        std::fprintf(stderr, "Muster 3 nicht gesehen: %d Pixel Zustand 1 in %dx%d, %d Gitterpixel\n", b.zustand1,
                     b.muster.width(), b.muster.height(), b.gitter);
        letztes.save(QStringLiteral("bildschirm-fehlschlag.png"));
        return 1;
    }
    std::printf("Muster 3 auf dem Raster gesehen\n");
    return 0;
}
