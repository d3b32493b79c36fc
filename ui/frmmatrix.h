#pragma once

#include <QWidget>
#include <array>

class QCheckBox;

namespace werkbank {
class Werkbank;
}

namespace ui {

/// A shape: a rectangle filled with a colour and an optional black hatch, with a black border.
class Figur : public QWidget {
public:
    explicit Figur(QWidget* eltern) : QWidget(eltern) {}
    /// Fills it with a colour and, unless solid, a black hatch over it.
    void setzeFuellung(QColor farbe, Qt::BrushStyle muster = Qt::SolidPattern);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor farbe_ = Qt::white;
    Qt::BrushStyle muster_ = Qt::SolidPattern;
};

/// The neighbour-matrix window: eight boxes round the cell choose the counted neighbour
/// directions; "ok" hands them to the model as the neighbour mask. Made once, then hidden and shown.
class frmMatrix : public QWidget {
    Q_OBJECT
public:
    frmMatrix(werkbank::Werkbank& modell, QWidget* eltern);

    /// Shows the window modal with the boxes of the mask in force; the clock keeps running.
    void zeige();

protected:
    /// Return is "ok", Escape leaves without it.
    void keyPressEvent(QKeyEvent* e) override;
    /// Names the controls for screen readers in the chosen language.
    void changeEvent(QEvent* e) override;

private:
    void faerbe(int element);
    void ok();

    werkbank::Werkbank& modell_;
    bool schonGezeigt_ = false;
    std::array<Figur*, 9> felder_{};    // 0 the cell itself
    std::array<QCheckBox*, 9> boxen_{};  // elements 1..8
};

}  // namespace ui
