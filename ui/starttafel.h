#pragma once

#include "ui/tafel.h"

class QLineEdit;
class QScrollBar;
class QTimer;

namespace ui {

/// Section "Start" of the control panel: single step, the clock with its speed and generations
/// per tick, the generation counter, and the look-back into the generation memory.
class StartTafel : public Tafel {
    Q_OBJECT
public:
    /// The section at the top of the control panel `bedienfeld`; the clock starts ticking.
    StartTafel(werkbank::Werkbank& modell, QWidget* bedienfeld);
    /// Counter, speed, generations per tick and look-back as the model has them; the timer's interval.
    void zeige(std::uint32_t was) override;
    /// The clock's timer; it ticks all the time, the model decides what a tick does.
    QTimer* uhr() const { return uhr_; }

signals:
    /// The button in the panel's top-right corner: show the example panel.
    void beispieleZeigen();

private slots:
    /// A tick of the timer: the model's tick, continued later when it runs in slices.
    void takt();
    /// The next slice of a long tick, once pending events have run.
    void taktWeiter();
    /// The speed slider at a position: the model's speed and the help text "dt".
    void tempoGeaendert(int position);

private:
    QLineEdit* zaehler_;
    QScrollBar* tempoRegler_;
    QLineEdit* tempoAnzeige_;
    QLineEdit* generationen_;
    QLineEdit* tiefe_;
    QScrollBar* rueckblickRegler_;
    QTimer* uhr_;
    QTimer* scheibenTakt_;  // continues a tick that runs longer than one slice
};

}  // namespace ui
