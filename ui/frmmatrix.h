#pragma once

#include <QWidget>
#include <array>

#include "engine/welt.h"

class QCheckBox;
class QPushButton;

namespace ui {

/// A shape: a rectangle filled with a colour and an optional black hatch, with a black border.
class Figur : public QWidget {
public:
    explicit Figur(QWidget* eltern);
    QColor fuellFarbe() const { return farbe_; }
    void setzeFuellung(QColor farbe, Qt::BrushStyle muster = Qt::SolidPattern);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor farbe_ = Qt::white;
    Qt::BrushStyle muster_ = Qt::SolidPattern;
};

/// The neighbour-matrix window: eight boxes round the cell choose the counted neighbour
/// directions; "ok" writes them as the world's neighbour mask. Made once, then hidden and shown.
class frmMatrix : public QWidget {
    Q_OBJECT
public:
    /// A window of its own above `eltern`, writing the mask of `welt`.
    frmMatrix(engine::Welt& welt, QWidget* eltern);

    /// Shows the window modal with the boxes of the present mask; the caller's clock keeps running.
    void zeige();

    /// Recolours position index (1..8) after its box changed; the mask is untouched.
    void chkMat_Click(int index);
    /// "ok": writes the mask of the ticked boxes and hides the window.
    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    engine::Welt& welt_;
    bool schonGezeigt_ = false;

    std::array<Figur*, 9> shpNachbarn{};
    std::array<QCheckBox*, 9> chkMat{};  // elements 1..8; 0 has no box
    std::array<QWidget*, 8> Line1{};     // decoration only
    QPushButton* Command1 = nullptr;
};

}  // namespace ui
