#pragma once

#include <QWidget>
#include <cstdint>

namespace werkbank {
class Werkbank;
}

namespace ui {

/// A panel: a part of a designed area (the control panel, the window's client area) that owns
/// its controls, forwards what the user does with them to the model and shows its share of
/// the model. Its controls are placed in the area's design coordinates.
class Tafel : public QWidget {
    Q_OBJECT
public:
    /// Covers the twips rectangle (links, oben, breite, hoehe) of the area `bereich`.
    Tafel(werkbank::Werkbank& modell, QWidget* bereich, const char* name, int links, int oben, int breite,
          int hoehe);
    /// Shows what changed in the model (werkbank::Aenderung bits).
    virtual void zeige(std::uint32_t was) = 0;

signals:
    /// A text for the help line that is not the hovered control's own.
    void hilfe(const QString& text);

protected:
    werkbank::Werkbank& modell_;
};

}  // namespace ui
