#pragma once

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <memory>

#include "fakedialoge.h"
#include "ui/frmvireo.h"

namespace fensterhilfe {

/// Brings a freshly started window to rest: the clock stopped (the counter untouched) and the
/// world empty, so a test starts from a known field.
inline void beruhige(ui::frmVireo& f) {
    if (f.findChild<QObject*>(QStringLiteral("cmdLauf"))->property("Tag").toString() == QLatin1String("1"))
        f.cmdLauf_Click();
    f.welt().loescheZellen();
    f.zeichneFeld(f.welt().feldGroesse);
}

/// The main window of one test function, its dialogs answered by the test.
struct Fenster {
    FakeDialoge dialoge;
    std::unique_ptr<ui::frmVireo> f;
    QWidget* feld = nullptr;  // the field view

    /// Opens a fresh window with fresh dialogs, brought to rest; false when it is never shown.
    bool oeffne() { return oeffneWieGestartet(true); }
    /// Opens a fresh window as the program starts it (pattern 3, clock running), or brought to rest.
    bool oeffneWieGestartet(bool ruhig = false) {
        dialoge = FakeDialoge();
        f = std::make_unique<ui::frmVireo>(dialoge);
        if (ruhig) beruhige(*f);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get())) return false;
        feld = finde<QWidget>("picAusgabe");
        return true;
    }
    void schliesse() { f.reset(); }

    /// The control named name; the test ends when it is missing.
    template <typename T>
    T* finde(const QString& name);
};

/// The control of a window with the given objectName; a missing control ends the test run.
template <typename T>
T* finde(QObject* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (!w) qFatal("control %s missing", qPrintable(name));
    return w;
}

template <typename T>
T* Fenster::finde(const QString& name) {
    return fensterhilfe::finde<T>(f.get(), name);
}

using Hauptfenster = Fenster;

/// Runs an event loop until the program asks to end; false when it does not within two seconds.
/// Once the program has ended, no further event loop runs in this process.
inline bool endetBei(const std::function<void()>& ausloeser) {
    QEventLoop schleife;
    QTimer::singleShot(0, ausloeser);
    QTimer::singleShot(2000, &schleife, [&] { schleife.exit(99); });
    return schleife.exec() == 0;
}

/// Pixel of the field view as the user sees it, at the point (x, y) of a field of size n.
inline QRgb pixel(QWidget* feld, int n, double x, double y) {
    const QImage bild = feld->grab().toImage();
    return bild.pixel(static_cast<int>(std::lround((x + n / 2.0) * bild.width() / n)),
                      static_cast<int>(std::lround((y + n / 2.0) * bild.height() / n))) &
           0xFFFFFF;
}

/// Pixel at the centre of field cell (i, j).
inline QRgb zellPixel(QWidget* feld, int n, int i, int j) { return pixel(feld, n, i + 0.5, j + 0.5); }

/// Widget position of the pointer whose pencil tip (eraser = false) or eraser end lies in the
/// middle of cell (i, j).
inline QPoint zeigerAuf(QWidget* feld, int n, int i, int j, bool radierer = false) {
    const double d = radierer ? -0.02 * n : 0.02 * n;
    const double x = i + 0.5 + d + n / 2.0, y = j + 0.5 - d + n / 2.0;
    return {static_cast<int>(x * feld->width() / n), static_cast<int>(y * feld->height() / n)};
}

}  // namespace fensterhilfe
