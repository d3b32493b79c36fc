#pragma once

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <functional>
#include <memory>

#include "fakedialoge.h"
#include "ui/frmvireo.h"

namespace fensterhilfe {

/// The control of a window with the given objectName; a missing control ends the test run.
template <typename T>
T* finde(QObject* fenster, const QString& name) {
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
        return fensterhilfe::finde<T>(f.get(), QString::fromLatin1(name));
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

}  // namespace fensterhilfe
