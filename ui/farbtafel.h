#pragma once

#include <array>

#include "ui/tafel.h"
#include "view/feldansicht.h"

namespace ui {

class Dialoge;
class Farbfeld;

/// Section "Farbe": five colour fields with their captions; a click on either opens the colour dialog.
class FarbTafel : public Tafel {
    Q_OBJECT
public:
    /// The section "Farbe" of the control panel `bedienfeld`; colours are asked through `dialoge`.
    FarbTafel(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* bedienfeld);
    /// The colour fields as the model has them.
    void zeige(std::uint32_t was) override;

private:
    void waehle(view::FarbZiel ziel);

    Dialoge& dialoge_;
    std::array<Farbfeld*, view::kFarbfelder> felder_{};  // by view::FarbZiel
};

}  // namespace ui
