#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "view/farbe.h"
#include "view/pixelflaeche.h"

class QMouseEvent;

namespace ui {

/// The platform's system colours, from the application palette.
view::Systemfarben systemfarben();
/// The platform colour of a colour value.
QColor qFarbe(view::Farbe farbe);
/// The colour value of a platform colour (never a system colour).
view::Farbe alsFarbe(QColor farbe);
/// Mouse button bits of a set of Qt buttons: 1 left, 2 right, 4 middle.
int knopfBits(Qt::MouseButtons knoepfe);

/// What a screen reader may learn of the cells a picture shows, in field coordinates i, j
/// (-seite/2 .. seite/2 - 1); empty for a picture without cells.
struct ZellAuskunft {
    std::function<int()> seite;
    /// The state of cell (i, j): 0 empty, 2 new, 1 survived once, 3 older.
    std::function<int(int i, int j)> zustand;
    /// The keyboard's cell cursor, if shown.
    std::function<std::optional<QPoint>()> zeiger;
};

/// Shows a kept picture and reports mouse events in the picture's user coordinates.
/// Buttons are reported as bits: 1 left, 2 right, 4 middle.
class FeldBild : public QWidget {
    Q_OBJECT
public:
    /// A picture of `flaeche`; with `zellen` set it shows cells to screen readers.
    FeldBild(view::Pixelflaeche& flaeche, QWidget* eltern, ZellAuskunft zellen = {});
    /// Pixels covered by the rectangle of the user coordinates (x1, y1)-(x2, y2).
    QRect pixelVon(const QRectF& nutzer) const;
    /// User coordinates of a pixel position.
    QPointF nutzerVon(QPointF pixel) const;
    const ZellAuskunft& zellen() const { return zellen_; }
    /// Frames the rectangle of the user coordinates (x1, y1)-(x2, y2) over the picture, the
    /// keyboard's cell cursor; nothing when empty.
    void setzeMarke(std::optional<QRectF> marke);

    /// A key pressed while the field has the keyboard; true when it was used.
    std::function<bool(int taste, bool umschalt)> beiTaste;
    /// Shift released while the field has the keyboard.
    std::function<void()> beiUmschaltLos;
    /// The keyboard reached the field by Tab or left it.
    std::function<void(bool hinein)> beiFokus;

signals:
    /// A button pressed at (x, y) in user coordinates.
    void mausRunter(int knopf, double x, double y);
    /// The pointer moved to (x, y), with the buttons held.
    void mausBewegt(int knopf, double x, double y);
    /// A button released at (x, y).
    void mausHoch(int knopf, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    view::Pixelflaeche& flaeche_;
    ZellAuskunft zellen_;
    std::optional<QRectF> marke_;
};

/// A colour field: a small area showing a colour value; left clicks and Space are reported.
class Farbfeld : public QWidget {
    Q_OBJECT
public:
    explicit Farbfeld(QWidget* eltern);
    /// Shows a colour value, system colours resolved by the palette.
    void setzeFarbe(view::Farbe farbe);

signals:
    /// A press of the left button on it.
    void geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    view::Farbe farbe_ = 0;
};

/// Calls `handler` with every event of the given types that reaches w, before w sees it; for
/// controls without signals of their own (labels) or whose signals say too much (a button's
/// pressed() also fires when the pointer comes back over it). Lives as long as w.
void beiEreignis(QWidget* w, std::initializer_list<int> arten, std::function<void(QEvent*)> handler);

}  // namespace ui
