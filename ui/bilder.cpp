#include "ui/bilder.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

QPixmap leeresBild(QSize groesse) {
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    return bild;
}

QPixmap bildEinzelschritt(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rand = groesse * 0.08;
    const QRectF kreis(rand, rand, groesse - 2 * rand, groesse - 2 * rand);
    p.setPen(QPen(Qt::white, groesse * 0.07));
    p.setBrush(QColor(150, 0, 0));
    p.drawEllipse(kreis);
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(groesse * 0.55));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(kreis, Qt::AlignCenter, QStringLiteral("1"));
    return bild;
}

QPixmap bildStoppuhr(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal g = groesse;
    const QPointF mitte(g * 0.5, g * 0.56);
    const qreal r = g * 0.36;
    // Crown and the two side buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(g * 0.43, g * 0.06, g * 0.14, g * 0.1));
    p.drawRect(QRectF(g * 0.47, g * 0.14, g * 0.06, g * 0.08));
    p.save();
    p.translate(mitte);
    for (qreal winkel : {-45.0, 45.0}) {
        p.save();
        p.rotate(winkel);
        p.drawRect(QRectF(-g * 0.04, -r - g * 0.09, g * 0.08, g * 0.08));
        p.restore();
    }
    p.restore();
    // Case and dial.
    p.setPen(QPen(QColor(60, 60, 60), g * 0.06));
    p.setBrush(Qt::white);
    p.drawEllipse(mitte, r, r);
    p.setPen(QPen(QColor(60, 60, 60), g * 0.03, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(mitte);
        p.rotate(30.0 * k);
        p.drawLine(QPointF(0, -r * 0.82), QPointF(0, -r * (k % 3 == 0 ? 0.62 : 0.72)));
        p.restore();
    }
    // The hand.
    p.setPen(QPen(QColor(200, 0, 0), g * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mitte, mitte + QPointF(r * 0.45, -r * 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(mitte, g * 0.04, g * 0.04);
    return bild;
}

QPixmap bildHaltKreuz(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal g = groesse;
    const qreal rand = g * 0.08;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(rand, rand, g - 2 * rand, g - 2 * rand));
    p.setPen(QPen(Qt::white, g * 0.12, Qt::SolidLine, Qt::RoundCap));
    const qreal a = g * 0.32;
    const qreal b = g - a;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(a, b), QPointF(b, a));
    return bild;
}

QPixmap bildPfeil(int groesse) {
    QPixmap bild = leeresBild(QSize(groesse, groesse));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = groesse / 2.0;
    const qreal s = groesse * 0.18;
    QPainterPath pfeil;
    pfeil.moveTo(groesse * 0.12, m - s / 2);
    pfeil.lineTo(groesse * 0.55, m - s / 2);
    pfeil.lineTo(groesse * 0.55, m - s * 1.4);
    pfeil.lineTo(groesse * 0.9, m);
    pfeil.lineTo(groesse * 0.55, m + s * 1.4);
    pfeil.lineTo(groesse * 0.55, m + s / 2);
    pfeil.lineTo(groesse * 0.12, m + s / 2);
    pfeil.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(255, 200, 0));
    p.drawPath(pfeil);
    return bild;
}

}  // namespace ui
