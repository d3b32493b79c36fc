#pragma once

#include <functional>

#include "engine/welt.h"
#include "view/farbe.h"
#include "view/zeichenflaeche.h"

namespace edit {

/// Scroll directions, numbered as the arrow and "1" buttons: the cells move towards
/// smaller x, smaller y, larger x, larger y.
enum Richtung : int { kLinks = 0, kHoch = 1, kRechts = 2, kRunter = 3 };

/// Shifts the visible field cyclically by one cell in direction 0..3; what leaves at one edge
/// comes back at the opposite one, whatever the edge mode. Uses zelleNeu inside the field as
/// scratch; positions outside the field are neither read nor written. Other directions do nothing.
void schiebeFeld(engine::Welt& welt, int richtung);

/// Colours of the wheels: the background and the ridges.
inline constexpr view::Farbe kRadGrund = view::rgb(192, 0, 0);
inline constexpr view::Farbe kRadRippe = view::rgb(255, 255, 0);

/// Draws the visible ridges of the vertical wheel turned by `winkel` degrees, without clearing.
void zeichneRippenSenkrecht(view::Zeichenflaeche& flaeche, double winkel);
/// The same for the horizontal wheel, with the axes swapped.
void zeichneRippenWaagerecht(view::Zeichenflaeche& flaeche, double winkel);

/// Clears the vertical wheel, draws it turned by radWinkel + d and adds d to radWinkel.
void zeichneRadSenkrecht(view::Zeichenflaeche& flaeche, double& radWinkel, double d);
/// Clears the horizontal wheel, draws it turned by radWinkel + d and adds d to radWinkel.
void zeichneRadWaagerecht(view::Zeichenflaeche& flaeche, double& radWinkel, double d);

/// The arrows, "1" buttons and wheels: their shared state and what each event does to the world
/// and to the wheel pictures. The field redraw is left to the caller's `zeichneFeld`.
class Scrollen {
public:
    Scrollen(engine::Welt& welt, view::Zeichenflaeche& radWaagerecht, view::Zeichenflaeche& radSenkrecht,
             view::TextFeld& hilfe, std::function<void()> zeichneFeld);

    /// True while a button is held on an arrow or a wheel; one flag for all of them.
    bool scrollGedrueckt = false;
    /// Rotation of both wheels in degrees.
    double radWinkel = 0;
    /// Pointer x on the horizontal wheel at its last mouse event.
    double radLetztesX = 0;
    /// Pointer y on the vertical wheel at its last mouse event.
    float radLetztesY = 0;

    /// Sets both wheels' coordinate systems and draws them at angle 0, leaving radWinkel alone.
    void raederStart();
    /// One step: turns the axis' wheel by 2 degrees, shifts and redraws.
    void einzelSchritt(int richtung);
    /// One pass of a held arrow: turns the axis' wheel by 1 degree, shifts and redraws.
    void wiederholSchritt(int richtung);

    /// A press on the horizontal wheel at x.
    void radWaagerechtRunter(float x);
    /// A pointer move over the horizontal wheel: one step towards the pointer if held and x changed.
    void radWaagerechtBewegt(float x);
    /// A press on the vertical wheel at y.
    void radSenkrechtRunter(float y);
    /// A pointer move over the vertical wheel: one step towards the pointer if held and y changed.
    void radSenkrechtBewegt(float y);
    /// A release on an arrow or a wheel.
    void losgelassen() { scrollGedrueckt = false; }

private:
    using RadZeichnen = void (*)(view::Zeichenflaeche&, double&, double);
    void drehe(int richtung, double grad);
    // A drag step: towards smaller coordinates scroll first, then turn; towards larger the reverse.
    void zug(bool zurueck, bool vor, int richtungZurueck, int richtungVor, RadZeichnen zeichneRad,
             view::Zeichenflaeche& rad);

    engine::Welt& welt_;
    view::Zeichenflaeche& radWaagerecht_;
    view::Zeichenflaeche& radSenkrecht_;
    view::TextFeld& hilfe_;
    std::function<void()> zeichneFeld_;
};

}  // namespace edit
