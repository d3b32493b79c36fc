#pragma once

#include <array>

#include "ui/tafel.h"

class QCheckBox;

namespace ui {

/// Section "Wahl der Welt": the survival and birth boxes for 0 to 8 living neighbours.
class RegelTafel : public Tafel {
    Q_OBJECT
public:
    RegelTafel(werkbank::Werkbank& modell, QWidget* bedienfeld);
    void zeige(std::uint32_t was) override;

private:
    std::array<QCheckBox*, 9> ueberleben_{};
    std::array<QCheckBox*, 9> geburt_{};
};

}  // namespace ui
