#include "ui/knopfbilder.h"

#include "ui/bilder.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace ui {

namespace {

// Two chevrons within r, pointing right or left.
void chevrons(QPainter& p, QRectF r, bool nachLinks) {
    QPainterPath weg;
    const double b = r.width() / 2;
    for (int k = 0; k < 2; ++k) {
        const double x = r.left() + k * b;
        weg.moveTo(x, r.top());
        weg.lineTo(x + b * 0.9, r.center().y());
        weg.lineTo(x, r.bottom());
    }
    p.save();
    if (nachLinks) p.setTransform(QTransform(-1, 0, 0, 1, 2 * r.center().x(), 0));
    p.setPen(QPen(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(weg);
    p.restore();
}

}  // namespace

QPixmap bildScrollPfeil(int richtung, QSize groesse) {
    QPixmap bild = leeresBild(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const bool waagerecht = richtung % 2 == 0;
    const double lang = waagerecht ? groesse.width() : groesse.height();
    const double quer = waagerecht ? groesse.height() : groesse.width();
    // An arrow pointing right along the long side, then turned into place.
    QPainterPath pfeil;
    const double m = quer / 2, s = quer * 0.16, k = quer * 0.36;
    pfeil.moveTo(lang * 0.15, m - s);
    pfeil.lineTo(lang * 0.5, m - s);
    pfeil.lineTo(lang * 0.5, m - k);
    pfeil.lineTo(lang * 0.86, m);
    pfeil.lineTo(lang * 0.5, m + k);
    pfeil.lineTo(lang * 0.5, m + s);
    pfeil.lineTo(lang * 0.15, m + s);
    pfeil.closeSubpath();
    QTransform t;
    switch (richtung) {
        case 0: t = QTransform(-1, 0, 0, 1, lang, 0); break;
        case 1: t = QTransform(0, -1, 1, 0, 0, lang); break;
        case 3: t = QTransform(0, 1, 1, 0, 0, 0); break;
        default: break;
    }
    p.setTransform(t);
    p.setPen(QPen(QColor(20, 20, 60), 1));
    p.setBrush(QColor(40, 70, 190));
    p.drawPath(pfeil);
    return bild;
}

QPixmap bildPanelZu(QSize groesse) {
    QPixmap bild = leeresBild(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = groesse.height() * 0.55;
    chevrons(p, QRectF(groesse.width() / 2.0 - h * 0.55, (groesse.height() - h) / 2, h * 1.1, h), false);
    return bild;
}

QPixmap bildPanelAuf(QSize groesse) {
    QPixmap bild = leeresBild(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = groesse.height() * 0.55;
    chevrons(p, QRectF(groesse.width() * 0.12, (groesse.height() - h) / 2, h, h), true);
    // A glider on a white tile.
    const double z = groesse.height() / 5.0;
    const QRectF kachel(groesse.width() - 3.6 * z - 2, (groesse.height() - 3.6 * z) / 2, 3.6 * z, 3.6 * z);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(kachel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 150));
    const int zellen[5][2] = {{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    for (const auto& c : zellen)
        p.drawRect(QRectF(kachel.left() + 0.3 * z + c[0] * z, kachel.top() + 0.3 * z + c[1] * z, z * 0.9, z * 0.9));
    return bild;
}

QPixmap bildEinfuegen(QSize groesse) {
    QPixmap bild = leeresBild(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = groesse.width(), h = groesse.height();
    QPainterPath pfeil;
    pfeil.moveTo(w * 0.5 - h * 0.12, h * 0.08);
    pfeil.lineTo(w * 0.5 + h * 0.12, h * 0.08);
    pfeil.lineTo(w * 0.5 + h * 0.12, h * 0.42);
    pfeil.lineTo(w * 0.5 + h * 0.32, h * 0.42);
    pfeil.lineTo(w * 0.5, h * 0.78);
    pfeil.lineTo(w * 0.5 - h * 0.32, h * 0.42);
    pfeil.lineTo(w * 0.5 - h * 0.12, h * 0.42);
    pfeil.closeSubpath();
    p.setPen(QPen(QColor(0, 70, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    p.drawPath(pfeil);
    p.setPen(QPen(QColor(0, 0, 150), 1.5));
    p.drawLine(QPointF(w * 0.2, h * 0.9), QPointF(w * 0.8, h * 0.9));
    return bild;
}

}  // namespace ui
