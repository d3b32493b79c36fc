#include "ui/widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/bausteine.h"
#include "ui/qtzeichenflaeche.h"

namespace ui {

int knopfBits(Qt::MouseButtons knoepfe) {
    int bits = 0;
    if (knoepfe & Qt::LeftButton) bits |= 1;
    if (knoepfe & Qt::RightButton) bits |= 2;
    if (knoepfe & Qt::MiddleButton) bits |= 4;
    return bits;
}

FeldBild::FeldBild(QtZeichenflaeche& flaeche, QWidget* eltern) : QWidget(eltern), flaeche_(flaeche) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FeldBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, flaeche_.bild());
}

void FeldBild::mousePressEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    emit mausRunter(knopfBits(e->button()), flaeche_.nutzerX(p.x()), flaeche_.nutzerY(p.y()));
}

void FeldBild::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    emit mausBewegt(knopfBits(e->buttons()), flaeche_.nutzerX(p.x()), flaeche_.nutzerY(p.y()));
}

void FeldBild::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    emit mausHoch(knopfBits(e->button()), flaeche_.nutzerX(p.x()), flaeche_.nutzerY(p.y()));
}

Farbfeld::Farbfeld(QWidget* eltern) : QWidget(eltern) { setMouseTracking(true); }

void Farbfeld::setzeFarbe(view::Farbe farbe) {
    farbe_ = farbe;
    update();
}

void Farbfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qFarbe(farbe_));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Farbfeld::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit geklickt();
}

}  // namespace ui

#include <QLineEdit>

namespace ui {

void QtTextFeld::setzeText(const std::string& text) { feld_->setText(QString::fromStdString(text)); }

}  // namespace ui
