#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "view/zeichenflaeche.h"

namespace view {

/// Platform colours by system colour number 0..31, as 0xRRGGBB.
using Systemfarben = std::array<std::uint32_t, 32>;

/// The system colours of a light desktop; the window replaces them by its palette's.
Systemfarben standardSystemfarben();

/// A colour value as 0xRRGGBB: RGB values directly, system colours from the table.
std::uint32_t rgbVon(Farbe farbe, const Systemfarben& system);

/// A drawing surface on a kept image of 0xFFRRGGBB pixels, row by row, allocated once; writes
/// pixels directly, so a full redraw stays cheap. The pixels can be shown without copying.
class Pixelflaeche : public Zeichenflaeche {
public:
    Pixelflaeche(int breite, int hoehe, Farbe hintergrund);

    /// Every pixel in the background colour.
    void leeren() override;
    /// User coordinates from now on: (x1, y1) at the picture's top-left corner, (x2, y2) at its bottom-right.
    void setzeKoordinaten(double x1, double y1, double x2, double y2) override;
    /// The pen, resolved to a pixel value now.
    void setzeStift(Farbe farbe) override;
    /// Pixels from end to end, both included, clipped to the picture.
    void linie(double x1, double y1, double x2, double y2) override;
    /// All pixels between the rounded corners, both included.
    void rechteck(double x1, double y1, double x2, double y2) override;
    /// The outline of such a rectangle.
    void rahmen(double x1, double y1, double x2, double y2) override;
    /// The colour value leeren() paints, system colours unresolved.
    Farbe hintergrund() const override { return hintergrund_; }
    /// Takes effect at the next leeren().
    void setzeHintergrund(Farbe farbe) override { hintergrund_ = farbe; }

    /// How system colours are painted from now on.
    void setzeSystemfarben(const Systemfarben& system) { system_ = system; }
    const Systemfarben& systemfarben() const { return system_; }

    /// Width of the picture in pixels.
    int breite() const { return breite_; }
    /// Height of the picture in pixels.
    int hoehe() const { return hoehe_; }
    /// breite() x hoehe() pixels, row after row.
    const std::uint32_t* pixel() const { return pixel_.data(); }

    /// Pixel column of user x, rounded to the nearest pixel.
    int spalte(double x) const { return gerundet((x - x0_) * sx_); }
    /// Pixel row of user y, rounded to the nearest pixel.
    int zeile(double y) const { return gerundet((y - y0_) * sy_); }
    /// User x of pixel column px (fractions allowed).
    double nutzerX(double px) const { return x0_ + px / sx_; }
    /// User y of pixel row py (fractions allowed).
    double nutzerY(double py) const { return y0_ + py / sy_; }

private:
    /// Halves round upward. Shifting into positive numbers lets a plain truncation do it, far
    /// cheaper than std::floor; pixel positions stay well within a million of the area.
    static int gerundet(double v) {
        constexpr double kVersatz = 1048576.0;
        return static_cast<int>(v + (kVersatz + 0.5)) - static_cast<int>(kVersatz);
    }
    void spanne(int y, int x1, int x2);
    void senkrecht(int x, int y1, int y2);
    void punkt(int x, int y);

    int breite_;
    int hoehe_;
    std::vector<std::uint32_t> pixel_;
    Systemfarben system_;
    Farbe hintergrund_;
    std::uint32_t stift_ = 0xFF000000;
    double x0_ = 0, y0_ = 0, sx_ = 1, sy_ = 1;
};

}  // namespace view
