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
    /// Whoever holds a copy shares the pixels, so the next drawing detaches first.
    const QImage& bild() const {
        pixel_ = nullptr;
        return bild_;
    }
    /// Pixel column of user x and pixel row of user y, rounded to the nearest pixel.
    int spalte(double x) const { return gerundet((x - x0_) * sx_); }
    int zeile(double y) const { return gerundet((y - y0_) * sy_); }
    /// User x of pixel column px and user y of pixel row py (fractions allowed).
    double nutzerX(double px) const { return x0_ + px / sx_; }
    double nutzerY(double py) const { return y0_ + py / sy_; }

private:
    /// Halves round upward. Shifting into positive numbers lets a plain truncation do it, far
    /// cheaper than std::floor; pixel positions stay well within a million of the area.
    static int gerundet(double v) {
        constexpr double kVersatz = 1048576.0;
        return static_cast<int>(v + (kVersatz + 0.5)) - static_cast<int>(kVersatz);
    }
    /// Detaches the image if it may be shared and caches its pixels; every drawing operation starts here.
    void pixelHolen() {
        if (!pixel_) holePixel();
    }
    void holePixel();
    void spanne(int y, int x1, int x2);
    void senkrecht(int x, int y1, int y2);
    void punkt(int x, int y);

    QImage bild_;
    int breite_;
    int hoehe_;
    mutable QRgb* pixel_ = nullptr;
    qsizetype zeilenLaenge_ = 0;  // pixels from one row to the next
    view::Farbe hintergrund_;
    QRgb stift_ = 0xFF000000;
    double x0_ = 0, y0_ = 0, sx_ = 1, sy_ = 1;
};

}  // namespace ui
