#pragma once

#include <array>

#include "ui/tafel.h"

class QCheckBox;

namespace ui {

/// Section "Wahl der Welt": the survival and birth boxes for 0 to 8 living neighbours.
class RegelTafel : public Tafel {
    Q_OBJECT
public:
    /// The section "Wahl der Welt" of the control panel `bedienfeld`.
    RegelTafel(werkbank::Werkbank& modell, QWidget* bedienfeld);
    /// The boxes as the model has them, partly ticked ones as such.
    void zeige(std::uint32_t was) override;

private:
    std::array<QCheckBox*, 9> ueberleben_{};
    std::array<QCheckBox*, 9> geburt_{};
};

}  // namespace ui
