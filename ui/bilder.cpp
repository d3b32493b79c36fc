#include "ui/bilder.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>
#include <iterator>

namespace ui {

namespace {

// Where a picture lies: a file of the resource and, for a part of a larger picture, its element.
struct Quelle {
    const char* datei;
    const char* element;
};

// In the order of Bild.
constexpr Quelle kQuellen[] = {
    {"einzelschritt.svg", nullptr}, {"stoppuhr.svg", nullptr}, {"haltkreuz.svg", nullptr},
    {"pfeil.svg", nullptr},         {"scrollpfeil.svg", nullptr}, {"panelzu.svg", nullptr},
    {"panelauf.svg", nullptr},      {"einfuegen.svg", nullptr},   {"bleistift.svg", nullptr},
    {"radierer.svg", nullptr},      {"kreuz.svg", nullptr},       {"randoptionen.svg", "torus"},
    {"randoptionen.svg", nullptr},
};
static_assert(std::size(kQuellen) == static_cast<std::size_t>(Bild::Randoptionen) + 1);

}  // namespace

QPixmap bild(Bild was, QSize groesse) {
    const Quelle& quelle = kQuellen[static_cast<int>(was)];
    QSvgRenderer svg(QStringLiteral(":/bilder/") + QLatin1String(quelle.datei));
    QPixmap ergebnis(groesse);
    ergebnis.fill(Qt::transparent);
    QPainter p(&ergebnis);
    if (!quelle.element) {
        svg.render(&p);
        return ergebnis;
    }
    const QString id = QLatin1String(quelle.element);
    const QSizeF teil = svg.boundsOnElement(id).size().scaled(QSizeF(groesse), Qt::KeepAspectRatio);
    svg.render(&p, id, QRectF(QPointF(groesse.width() - teil.width(), groesse.height() - teil.height()) / 2, teil));
    return ergebnis;
}

QPixmap bildScrollPfeil(int richtung, QSize groesse) {
    // The arrow points right; up and down are drawn lying, then turned. Only turns of 90, 180 and
    // 270 degrees keep the pixmap's size exactly.
    const QPixmap rechts = bild(Bild::ScrollPfeil, richtung % 2 == 0 ? groesse : groesse.transposed());
    return rechts.transformed(QTransform().rotate(90 * ((richtung + 2) % 4)));
}

QCursor zeigerBleistift() { return QCursor(bild(Bild::Bleistift, QSize(32, 32)), 16, 16); }

}  // namespace ui
