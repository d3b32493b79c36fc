#include "ui/mausbilder.h"

#include "ui/bilder.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace ui {

QPixmap bildBleistift(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = groesse / 32.0;
    // Tip at (3, 29) and eraser end at (29, 3) of a 32-pixel picture; drawn along the x axis.
    p.translate(3 * s, 29 * s);
    p.rotate(-45);
    p.scale(s, s);
    const qreal laenge = 26 * std::sqrt(2.0), halb = 3.2;
    const QPen rand(QColor(30, 30, 30), 1.0);
    p.setPen(rand);
    QPainterPath holz;
    holz.moveTo(0, 0);
    holz.lineTo(8, -halb);
    holz.lineTo(8, halb);
    holz.closeSubpath();
    p.setBrush(QColor(235, 200, 150));
    p.drawPath(holz);
    QPainterPath mine;
    mine.moveTo(0, 0);
    mine.lineTo(3, -1.2);
    mine.lineTo(3, 1.2);
    mine.closeSubpath();
    p.setBrush(QColor(40, 40, 40));
    p.drawPath(mine);
    p.setBrush(QColor(255, 200, 0));
    p.drawRect(QRectF(8, -halb, laenge - 17, 2 * halb));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(laenge - 9, -halb, 3, 2 * halb));
    p.setBrush(QColor(240, 120, 140));
    p.drawRoundedRect(QRectF(laenge - 6, -halb, 6, 2 * halb), 1.5, 1.5);
    return bild;
}

QPixmap bildRadierer(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = groesse / 32.0;
    p.scale(s, s);
    p.translate(16, 16);
    p.rotate(-30);
    p.setPen(QPen(QColor(30, 30, 30), 1.0));
    p.setBrush(QColor(240, 120, 140));
    p.drawRoundedRect(QRectF(-12, -6, 10, 12), 2, 2);
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(QRectF(-2, -6, 14, 12), 2, 2);
    return bild;
}

QPixmap bildKreuz(int breite, int hoehe) {
    QPixmap bild = leeresBild(QSize(breite, hoehe));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal k = std::min(breite, hoehe) * 0.6;
    const QRectF r((breite - k) / 2, (hoehe - k) / 2, k, k);
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    return bild;
}

QCursor zeigerBleistift() { return QCursor(bildBleistift(32), 16, 16); }

}  // namespace ui
