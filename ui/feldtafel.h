#pragma once

#include <QElapsedTimer>

#include "edit/wiederholung.h"
#include "ui/tafel.h"
#include "view/pixelflaeche.h"

class QPushButton;
class QTimer;

namespace edit {
struct Gemalt;
}

namespace ui {

class FeldBild;

/// The field view with its clear button, the scroll arrows, "1" buttons and wheels around it,
/// and the picture of the edge modes that can be shown over it.
class FeldTafel : public Tafel {
    Q_OBJECT
public:
    /// The left part of the window's client area: field, scroll controls and wheels.
    FeldTafel(werkbank::Werkbank& modell, QWidget* client);
    /// Draws the field anew when cells, size or colours changed, and a wheel that turned.
    void zeige(std::uint32_t was) override;
    /// Paints one cell set by a drag, without a full redraw.
    void male(const edit::Gemalt& gemalt);
    /// Shows the picture of the edge modes over the field.
    void zeigeRandBild();

private slots:
    /// The repeat's timer: the pass that is due, if any, and the next wait.
    void scrollTakt();

private:
    void baueScroll();
    void baueRandBild();
    void pfeilRunter(int richtung);
    /// Sets the repeat's timer to the pending pass, if any.
    void planeScroll();
    void zeichneFeld();

    view::Pixelflaeche feld_;
    view::Pixelflaeche radWaagerecht_;
    view::Pixelflaeche radSenkrecht_;
    FeldBild* feldBild_ = nullptr;
    FeldBild* radWaagerechtBild_ = nullptr;
    FeldBild* radSenkrechtBild_ = nullptr;
    QWidget* randBild_ = nullptr;

    // Hold-to-repeat of an arrow, on a monotonic clock.
    QTimer* scrollUhr_ = nullptr;
    QElapsedTimer scrollZeit_;
    edit::Wiederholung wiederholung_;
};

}  // namespace ui
