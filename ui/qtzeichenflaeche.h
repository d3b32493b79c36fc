#pragma once

#include <QImage>
#include <QRgb>

#include "view/zeichenflaeche.h"

namespace ui {

/// The platform colour of a colour value: RGB values directly, system colours from the palette.
QRgb aufloesen(view::Farbe farbe);
/// The colour value of a platform colour (never a system colour).
view::Farbe alsFarbe(QRgb farbe);

/// A drawing surface on a kept image; writes pixels directly, so a full redraw stays cheap.
class QtZeichenflaeche : public view::Zeichenflaeche {
public:
    QtZeichenflaeche(int breite, int hoehe, view::Farbe hintergrund);

    void leeren() override;
    void setzeKoordinaten(double x1, double y1, double x2, double y2) override;
    void setzeStift(view::Farbe farbe) override;
    void linie(double x1, double y1, double x2, double y2) override;
    void rechteck(double x1, double y1, double x2, double y2) override;
    void rahmen(double x1, double y1, double x2, double y2) override;
    view::Farbe hintergrund() const override { return hintergrund_; }
    void setzeHintergrund(view::Farbe farbe) override { hintergrund_ = farbe; }

    /// The kept image.
    const QImage& bild() const { return bild_; }
    /// Pixel column of user x and pixel row of user y, rounded to the nearest pixel.
    int spalte(double x) const { return gerundet((x - x0_) * sx_); }
    int zeile(double y) const { return gerundet((y - y0_) * sy_); }
    /// User x of pixel column px and user y of pixel row py (fractions allowed).
    double nutzerX(double px) const { return x0_ + px / sx_; }
    double nutzerY(double py) const { return y0_ + py / sy_; }

private:
    /// Halves round upward; cheaper than std::floor, which is a library call here.
    static int gerundet(double v) {
        v += 0.5;
        const int t = static_cast<int>(v);
        return t > v ? t - 1 : t;
    }
    /// Detaches the image if it is shared and caches its pixels; every drawing operation starts here.
    void pixelHolen();
    void spanne(int y, int x1, int x2);
    void senkrecht(int x, int y1, int y2);
    void punkt(int x, int y);

    QImage bild_;
    int breite_;
    int hoehe_;
    QRgb* pixel_ = nullptr;
    qsizetype zeilenLaenge_ = 0;  // pixels from one row to the next
    view::Farbe hintergrund_;
    QRgb stift_ = 0xFF000000;
    double x0_ = 0, y0_ = 0, sx_ = 1, sy_ = 1;
};

}  // namespace ui
