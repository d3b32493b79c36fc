#include "ui/bilder.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

QPixmap leeresBild(int groesse) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    return bild;
}

}  // namespace

QPixmap bildEinzelschritt(int groesse) {
    QPixmap bild = leeresBild(groesse);
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

QPixmap bildPfeil(int groesse) {
    QPixmap bild = leeresBild(groesse);
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
