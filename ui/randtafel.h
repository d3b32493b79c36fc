#pragma once

#include <array>

#include "ui/tafel.h"

class QRadioButton;

namespace ui {

/// Section "Randoptionen": how the field's edges behave, and the button that explains them.
class RandTafel : public Tafel {
    Q_OBJECT
public:
    /// The section "Randoptionen" of the control panel `bedienfeld`.
    RandTafel(werkbank::Werkbank& modell, QWidget* bedienfeld);
    /// The edge mode the model has.
    void zeige(std::uint32_t was) override;

signals:
    /// Show the picture of the three edge modes.
    void randBildZeigen();

private:
    std::array<QRadioButton*, 3> knoepfe_{};
};

}  // namespace ui
