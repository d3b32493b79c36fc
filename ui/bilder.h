#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>

namespace ui {

// The program's pictures are SVG files in the resource ":/bilder"; here they become pixmaps.

/// Every picture of the program.
enum class Bild {
    Einzelschritt,  ///< the digit 1 in a disc: one generation
    Stoppuhr,       ///< a stopwatch: start and stop the clock
    HaltKreuz,      ///< a white cross on a red disc: stop the clock and reset the counter
    Pfeil,          ///< a yellow arrow pointing right: "becomes"
    ScrollPfeil,    ///< a blue arrow pointing right: scroll the world
    PanelZu,        ///< a double chevron pointing right: the example panel goes away
    PanelAuf,       ///< a glider beside a double chevron pointing left: bring the examples in
    Einfuegen,      ///< an arrow dropping onto a line: insert this pattern
    Bleistift,      ///< a pencil lying diagonally, writing tip lower left, eraser upper right
    Radierer,       ///< an eraser block
    Kreuz,          ///< a black cross: clear
    Torus,          ///< a shaded torus, the one of the edge-mode illustration
    Randoptionen,   ///< the illustration of the three edge modes "Torus", "Quadrat", "Spiegel"
};

/// Picture `was` filling `groesse`; the torus keeps its proportions and is centred.
QPixmap bild(Bild was, QSize groesse);
/// The scroll arrow for direction 0..3 (left, up, right, down) filling `groesse`.
QPixmap bildScrollPfeil(int richtung, QSize groesse);
/// The field view's pointer: the 32 x 32 pencil with its hot spot in the centre, so that the tip
/// and the eraser lie about 13 pixels from it on each axis.
QCursor zeigerBleistift();

}  // namespace ui
