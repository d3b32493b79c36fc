#pragma once

#include "ui/tafel.h"

class QLineEdit;

namespace ui {

class Dialoge;

/// The window's bottom line: the cell under the pencil's tip, the field size, the finding about
/// the run, the help line and the credits button.
class Fusszeile : public Tafel {
    Q_OBJECT
public:
    /// The bottom line of the window's client area; the credits are shown through `dialoge`.
    Fusszeile(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* client);
    /// The tip's cell, the size text and the finding with the rule in its tooltip.
    void zeige(std::uint32_t was) override;
    /// Writes a help text, shown from its first character.
    void zeigeHilfe(const QString& text);

private:
    QLineEdit* spalte_;
    QLineEdit* zeile_;
    QLineEdit* groesse_;
    QLineEdit* befund_;
    QLineEdit* hilfeZeile_;
};

}  // namespace ui
