#pragma once

#include <QWidget>

#include "view/farbe.h"
#include "view/zeichenflaeche.h"

namespace ui {

class QtZeichenflaeche;

/// Shows a kept image and reports mouse events in the surface's user coordinates.
/// Buttons are reported as bits: 1 left, 2 right, 4 middle.
class FeldBild : public QWidget {
    Q_OBJECT
public:
    FeldBild(QtZeichenflaeche& flaeche, QWidget* eltern);

signals:
    void mausRunter(int knopf, double x, double y);
    void mausBewegt(int knopf, double x, double y);
    void mausHoch(int knopf, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QtZeichenflaeche& flaeche_;
};

/// A colour field: a small area showing a colour value; clicks are reported.
class Farbfeld : public QWidget {
    Q_OBJECT
public:
    explicit Farbfeld(QWidget* eltern);
    view::Farbe farbe() const { return farbe_; }
    void setzeFarbe(view::Farbe farbe);

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    view::Farbe farbe_ = 0;
};

/// Mouse button bits of a set of Qt buttons: 1 left, 2 right, 4 middle.
int knopfBits(Qt::MouseButtons knoepfe);

}  // namespace ui

class QLineEdit;

namespace ui {

/// A text box as a text output of the toolkit-free layers.
class QtTextFeld : public view::TextFeld {
public:
    explicit QtTextFeld(QLineEdit* feld) : feld_(feld) {}
    void setzeText(const std::string& text) override;

private:
    QLineEdit* feld_;
};

}  // namespace ui
