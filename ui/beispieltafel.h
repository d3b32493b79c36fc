#pragma once

#include "ui/tafel.h"

namespace ui {

/// The example panel at the window's right edge: seventeen patterns, each with a picture and a
/// button that inserts it, grouped under the rules they behave in.
class BeispielTafel : public Tafel {
    Q_OBJECT
public:
    /// The panel at the right edge of the window's client area.
    BeispielTafel(werkbank::Werkbank& modell, QWidget* client);
    /// Nothing of the panel depends on the model.
    void zeige(std::uint32_t) override {}

signals:
    /// The button in the panel's top-left corner: the panel goes away.
    void verbergen();
};

}  // namespace ui
