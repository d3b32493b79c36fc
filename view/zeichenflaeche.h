#pragma once

#include "view/farbe.h"

namespace view {

/// A drawing area with a user coordinate system, a pen and a background colour.
/// Every operation is one pixel wide and unsmoothed; rectangles include both corner points.
class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;
    /// Fills the whole area with the background colour.
    virtual void leeren() = 0;
    /// Maps (x1, y1) to the top-left and (x2, y2) to the bottom-right corner of the area.
    virtual void setzeKoordinaten(double x1, double y1, double x2, double y2) = 0;
    virtual void setzeStift(Farbe farbe) = 0;
    /// A straight line in the pen colour.
    virtual void linie(double x1, double y1, double x2, double y2) = 0;
    /// A rectangle filled and outlined in the pen colour.
    virtual void rechteck(double x1, double y1, double x2, double y2) = 0;
    /// Only the outline of such a rectangle.
    virtual void rahmen(double x1, double y1, double x2, double y2) = 0;
    virtual Farbe hintergrund() const = 0;
    /// Sets the background colour; the picture changes only at the next leeren().
    virtual void setzeHintergrund(Farbe farbe) = 0;
};

}  // namespace view
