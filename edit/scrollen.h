#pragma once

#include "engine/welt.h"
#include "view/farbe.h"
#include "view/zeichenflaeche.h"

namespace edit {

/// Scroll directions, numbered as the arrow and "1" buttons: the cells move towards
/// smaller x, smaller y, larger x, larger y.
enum Richtung : int { kLinks = 0, kHoch = 1, kRechts = 2, kRunter = 3 };

/// Shifts the visible field cyclically by one cell in direction 0..3; what leaves at one edge
/// comes back at the opposite one, whatever the edge mode. Positions outside the field are
/// neither read nor written. Other directions do nothing.
void schiebeFeld(engine::Welt& welt, int richtung);

/// Colours of the wheels: the background and the ridges.
inline constexpr view::Farbe kRadGrund = view::rgb(192, 0, 0);
inline constexpr view::Farbe kRadRippe = view::rgb(255, 255, 0);

/// Sets a wheel's coordinate system: along the horizontal wheel x runs -10..10, y -0.5..1.5;
/// the vertical wheel has the axes swapped.
void radKoordinaten(view::Zeichenflaeche& flaeche, bool waagerecht);
/// Clears a wheel and draws its visible ridges, 10 degrees apart, turned by `winkel` degrees.
void zeichneRad(view::Zeichenflaeche& flaeche, bool waagerecht, double winkel);

/// What a scroll event changed: the cells, and which wheel is to be drawn anew at radWinkel.
struct Gescrollt {
    bool feld = false;
    bool radWaagerecht = false;
    bool radSenkrecht = false;
};

/// The arrows, "1" buttons and wheels: their shared state and what each event does to the world.
class Scrollen {
public:
    /// True while a button is held on an arrow or a wheel; one flag for all of them.
    bool scrollGedrueckt = false;
    /// Rotation of both wheels in degrees.
    double radWinkel = 0;
    /// Pointer x on the horizontal wheel at its last mouse event.
    double radLetztesX = 0;
    /// Pointer y on the vertical wheel at its last mouse event.
    float radLetztesY = 0;

    /// One step of a "1" button: turns the axis' wheel by 2 degrees and shifts.
    Gescrollt einzelSchritt(engine::Welt& welt, int richtung);
    /// One pass of a held arrow: turns the axis' wheel by 1 degree and shifts.
    Gescrollt wiederholSchritt(engine::Welt& welt, int richtung);

    /// A press on the horizontal wheel at x: held, angle back to 0, nothing drawn.
    void radWaagerechtRunter(float x);
    /// A pointer move over the horizontal wheel: one step towards the pointer if held and x changed.
    Gescrollt radWaagerechtBewegt(engine::Welt& welt, float x);
    /// A press on the vertical wheel at y.
    void radSenkrechtRunter(float y);
    /// A pointer move over the vertical wheel: one step towards the pointer if held and y changed.
    Gescrollt radSenkrechtBewegt(engine::Welt& welt, float y);
    /// A release on an arrow or a wheel.
    void losgelassen() { scrollGedrueckt = false; }

private:
    Gescrollt schritt(engine::Welt& welt, int richtung, double grad);
    /// Turns one wheel by d degrees.
    Gescrollt drehe(bool waagerecht, double d);
};

}  // namespace edit
