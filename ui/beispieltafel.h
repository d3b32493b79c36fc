#pragma once

#include "ui/tafel.h"

namespace ui {

/// The example panel at the window's right edge: seventeen patterns, each with a picture and a
/// button that inserts it, grouped under the rules they behave in.
class BeispielTafel : public Tafel {
    Q_OBJECT
public:
    BeispielTafel(werkbank::Werkbank& modell, QWidget* client);
    void zeige(std::uint32_t) override {}

signals:
    /// The button in the panel's top-left corner: the panel goes away.
    void verbergen();
};

}  // namespace ui
