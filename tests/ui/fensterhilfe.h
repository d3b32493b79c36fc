#pragma once

#include <QImage>
#include <QObject>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "fakedialoge.h"
#include "ui/frmvireo.h"

namespace fensterhilfe {

/// Pixel of the field view as the user sees it, at the centre of field cell (i, j).
inline QRgb zellPixel(QWidget* feld, int n, int i, int j) {
    const QImage bild = feld->grab().toImage();
    const int x = static_cast<int>((i + 0.5 + n / 2.0) * bild.width() / n);
    const int y = static_cast<int>((j + 0.5 + n / 2.0) * bild.height() / n);
    return bild.pixel(x, y) & 0xFFFFFF;
}

/// The control of a window with the given objectName; a missing control ends the test run.
template <typename T>
T* finde(QObject* fenster, const char* name) {
    T* w = fenster->findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("control %s missing", name);
    return w;
}

/// A shown main window with test dialogs, opened anew for every test function.
struct Hauptfenster {
    FakeDialoge dialoge;
    std::unique_ptr<ui::frmVireo> f;

    void oeffne() {
        f = std::make_unique<ui::frmVireo>(dialoge);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void schliesse() { f.reset(); }
    template <typename T>
    T* finde(const char* name) {
        return fensterhilfe::finde<T>(f.get(), name);
    }
};

}  // namespace fensterhilfe
