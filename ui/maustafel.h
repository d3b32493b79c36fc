#pragma once

#include "ui/tafel.h"

namespace ui {

/// Section "Funktion rechte Maustaste": whether a drag with the right button draws or erases.
class MausTafel : public Tafel {
    Q_OBJECT
public:
    /// The section "Funktion rechte Maustaste" of the control panel `bedienfeld`.
    MausTafel(werkbank::Werkbank& modell, QWidget* bedienfeld);
    /// The frame around the chosen button; it moves when the mode changes or is chosen.
    void zeige(std::uint32_t was) override;

private:
    /// Moves the frame round the button of `modus`.
    void rahmenUm(int modus);

    QWidget* rahmen_;      // around the chosen button
    int rahmenModus_ = 0;  // the mode the frame marks
};

}  // namespace ui
