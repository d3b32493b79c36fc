#include "ui/randbild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct P3 {
    double x, y, z;
};

P3 plus(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
double skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
P3 normiert(P3 a) {
    const double l = std::sqrt(skalar(a, a));
    return l > 0 ? P3{a.x / l, a.y / l, a.z / l} : a;
}

// An orthographic camera: turned about the vertical axis, then looking down by `neigung`.
struct Kamera {
    double drehung;  // degrees
    double neigung;  // degrees
    QPointF mitte;
    double mass;

    P3 gedreht(P3 p) const {
        const double d = drehung * kPi / 180, n = neigung * kPi / 180;
        const double x1 = p.x * std::cos(d) - p.y * std::sin(d);
        const double y1 = p.x * std::sin(d) + p.y * std::cos(d);
        return {x1, y1 * std::sin(n) + p.z * std::cos(n), y1 * std::cos(n) - p.z * std::sin(n)};
    }
    QPointF bild(P3 p) const {
        const P3 g = gedreht(p);
        return {mitte.x() + mass * g.x, mitte.y() - mass * g.y};
    }
    double tiefe(P3 p) const { return gedreht(p).z; }
    // The direction from the surface towards the viewer, in world coordinates.
    P3 zumBetrachter() const {
        const double d = drehung * kPi / 180, n = neigung * kPi / 180;
        const double tx = 0, ty = -std::cos(n);
        return normiert({tx * std::cos(d) + ty * std::sin(d), -tx * std::sin(d) + ty * std::cos(d), std::sin(n)});
    }
};

const P3 kLicht = normiert({-0.5, -0.7, 0.9});

QColor schattiert(QColor grund, P3 normale, const Kamera& k, double glanz = 0.5) {
    const double diffus = std::max(0.0, skalar(normale, kLicht));
    const P3 h = normiert(plus(kLicht, k.zumBetrachter()));
    const double spitze = std::pow(std::max(0.0, skalar(normale, h)), 40) * glanz;
    const double f = 0.35 + 0.65 * diffus;
    auto kanal = [&](int c) { return std::clamp(static_cast<int>(c * f + 255 * spitze), 0, 255); };
    return QColor(kanal(grund.red()), kanal(grund.green()), kanal(grund.blue()));
}

const QColor kNahtRot(210, 40, 40);
const QColor kNahtBlau(30, 90, 220);
const QColor kTinte(40, 48, 64);
const QColor kZelle(0, 0, 150);

// One surface patch of a parametric surface, with the seams that run along its edges.
struct Flicken {
    QPolygonF ecken;
    double tiefe;
    QColor farbe;
    QColor nahtUnten, nahtLinks;  // seams along edge 0-1 and edge 3-0; invalid for none
};

void zeichneFlicken(QPainter& p, std::vector<Flicken>& flicken, QColor gitter) {
    std::sort(flicken.begin(), flicken.end(), [](const Flicken& a, const Flicken& b) { return a.tiefe > b.tiefe; });
    for (const Flicken& f : flicken) {
        p.setPen(QPen(gitter, 0.8));
        p.setBrush(f.farbe);
        p.drawPolygon(f.ecken);
        if (f.nahtUnten.isValid()) {
            p.setPen(QPen(f.nahtUnten, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(f.ecken[0], f.ecken[1]);
        }
        if (f.nahtLinks.isValid()) {
            p.setPen(QPen(f.nahtLinks, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(f.ecken[3], f.ecken[0]);
        }
    }
}

void torus(QPainter& p, const Kamera& k, double gross, double klein, bool nahtZeigen) {
    const int nu = 36, nv = 16;
    auto punkt = [&](double u, double v) {
        return P3{(gross + klein * std::cos(v)) * std::cos(u), (gross + klein * std::cos(v)) * std::sin(u),
                  klein * std::sin(v)};
    };
    std::vector<Flicken> flicken;
    const P3 blick = k.zumBetrachter();
    for (int a = 0; a < nu; ++a) {
        for (int b = 0; b < nv; ++b) {
            const double u0 = 2 * kPi * a / nu, u1 = 2 * kPi * (a + 1) / nu;
            const double v0 = 2 * kPi * b / nv, v1 = 2 * kPi * (b + 1) / nv;
            const double um = (u0 + u1) / 2, vm = (v0 + v1) / 2;
            const P3 n{std::cos(vm) * std::cos(um), std::cos(vm) * std::sin(um), std::sin(vm)};
            if (skalar(n, blick) < -0.05) continue;
            Flicken f;
            // The cylinder's seam becomes a circle along the top of the ring, its rims one circle round the tube.
            f.ecken << k.bild(punkt(u0, v0)) << k.bild(punkt(u1, v0)) << k.bild(punkt(u1, v1))
                    << k.bild(punkt(u0, v1));
            f.tiefe = k.tiefe(punkt(um, vm));
            f.farbe = schattiert(QColor(120, 200, 190), n, k);
            if (nahtZeigen && b == nv / 4) f.nahtUnten = kNahtRot;
            if (nahtZeigen && a == 0) f.nahtLinks = kNahtBlau;
            flicken.push_back(f);
        }
    }
    zeichneFlicken(p, flicken, QColor(30, 90, 90, 150));
}

void zylinder(QPainter& p, const Kamera& k, double radius, double hoehe) {
    const int nv = 24, nh = 6;
    auto punkt = [&](double v, double h) { return P3{radius * std::cos(v), radius * std::sin(v), h}; };
    std::vector<Flicken> flicken;
    const P3 blick = k.zumBetrachter();
    for (int a = 0; a < nv; ++a) {
        for (int b = 0; b < nh; ++b) {
            const double v0 = 2 * kPi * a / nv - kPi / 2, v1 = 2 * kPi * (a + 1) / nv - kPi / 2;
            const double h0 = hoehe * b / nh - hoehe / 2, h1 = hoehe * (b + 1) / nh - hoehe / 2;
            const double vm = (v0 + v1) / 2;
            P3 n{std::cos(vm), std::sin(vm), 0};
            const bool innen = skalar(n, blick) < 0;
            Flicken f;
            f.ecken << k.bild(punkt(v0, h0)) << k.bild(punkt(v1, h0)) << k.bild(punkt(v1, h1)) << k.bild(punkt(v0, h1));
            f.tiefe = k.tiefe(punkt(vm, (h0 + h1) / 2)) + (innen ? 0.5 * radius : 0);
            f.farbe = innen ? schattiert(QColor(80, 150, 140), {-n.x, -n.y, 0}, k, 0.1)
                            : schattiert(QColor(120, 200, 190), n, k);
            if (a == 0) f.nahtLinks = kNahtRot;
            flicken.push_back(f);
        }
    }
    zeichneFlicken(p, flicken, QColor(30, 90, 90, 150));
    // The two rims that the torus glues together.
    for (double h : {-hoehe / 2, hoehe / 2}) {
        QPolygonF rand;
        for (int a = 0; a <= 64; ++a) rand << k.bild(punkt(2 * kPi * a / 64, h));
        p.setPen(QPen(kNahtBlau, 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(rand);
    }
}

void pfeilSpitze(QPainter& p, QPointF spitze, QPointF richtung, double groesse, QColor farbe) {
    const double l = std::hypot(richtung.x(), richtung.y());
    const QPointF d = richtung / l, q(-d.y(), d.x());
    QPolygonF dreieck;
    dreieck << spitze << spitze - d * groesse + q * groesse * 0.5 << spitze - d * groesse - q * groesse * 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(dreieck);
}

// The flat square with its identified edges: red sides glued first, blue ends second.
void flachesGitter(QPainter& p, QRectF r) {
    QLinearGradient verlauf(r.topLeft(), r.bottomRight());
    verlauf.setColorAt(0, QColor(175, 230, 220));
    verlauf.setColorAt(1, QColor(110, 190, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(r.translated(4, 4));
    p.setBrush(verlauf);
    p.drawRect(r);
    p.setPen(QPen(QColor(30, 90, 90, 150), 0.8));
    for (int k = 1; k < 6; ++k) {
        p.drawLine(QPointF(r.left() + r.width() * k / 6, r.top()), QPointF(r.left() + r.width() * k / 6, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * k / 6), QPointF(r.right(), r.top() + r.height() * k / 6));
    }
    p.setPen(QPen(kNahtRot, 3));
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QPen(kNahtBlau, 3));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    const QPointF m = r.center();
    pfeilSpitze(p, QPointF(r.left(), m.y() - 8), QPointF(0, -1), 11, kNahtRot);
    pfeilSpitze(p, QPointF(r.right(), m.y() - 8), QPointF(0, -1), 11, kNahtRot);
    pfeilSpitze(p, QPointF(m.x() + 8, r.top()), QPointF(1, 0), 11, kNahtBlau);
    pfeilSpitze(p, QPointF(m.x() + 8, r.bottom()), QPointF(1, 0), 11, kNahtBlau);
}

void bogenPfeil(QPainter& p, QPointF von, QPointF nach) {
    QPainterPath weg(von);
    const QPointF mitte = (von + nach) / 2 - QPointF(0, 22);
    weg.quadTo(mitte, nach);
    p.setPen(QPen(QColor(90, 100, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(weg);
    pfeilSpitze(p, nach + (nach - mitte) / std::hypot((nach - mitte).x(), (nach - mitte).y()) * 4, nach - mitte, 10,
                QColor(90, 100, 120));
}

void titel(QPainter& p, QPointF ort, const QString& name, const QString& zeile) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(21);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(ort + QPointF(1, 1), name);
    p.setPen(kTinte);
    p.drawText(ort, name);
    const double breite = QFontMetricsF(f).horizontalAdvance(name);
    f.setPixelSize(11);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(80, 90, 110));
    p.drawText(ort + QPointF(breite + 10, 0), zeile);
}

// A thin square plate seen from above, with a grid and a glider on it.
void platte(QPainter& p, const Kamera& k, int n, double dicke) {
    auto ecke = [&](double x, double y, double z) { return k.bild({x - n / 2.0, y - n / 2.0, z}); };
    // Shadow on the ground.
    QPolygonF schatten;
    schatten << ecke(0.6, 0.6, -dicke - 0.6) << ecke(n + 0.6, 0.6, -dicke - 0.6) << ecke(n + 0.6, n + 0.6, -dicke - 0.6)
             << ecke(0.6, n + 0.6, -dicke - 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPolygon(schatten);
    // The visible sides: front (y = 0) and right (x = n).
    QPolygonF vorn, rechts, oben;
    vorn << ecke(0, 0, 0) << ecke(n, 0, 0) << ecke(n, 0, -dicke) << ecke(0, 0, -dicke);
    rechts << ecke(n, 0, 0) << ecke(n, n, 0) << ecke(n, n, -dicke) << ecke(n, 0, -dicke);
    oben << ecke(0, 0, 0) << ecke(n, 0, 0) << ecke(n, n, 0) << ecke(0, n, 0);
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(schattiert(QColor(200, 190, 170), {0, -1, 0}, k, 0.1));
    p.drawPolygon(vorn);
    p.setBrush(schattiert(QColor(200, 190, 170), {1, 0, 0}, k, 0.1));
    p.drawPolygon(rechts);
    QLinearGradient verlauf(oben[3], oben[1]);
    verlauf.setColorAt(0, QColor(255, 255, 252));
    verlauf.setColorAt(1, QColor(228, 230, 240));
    p.setBrush(verlauf);
    p.drawPolygon(oben);
    p.setPen(QPen(QColor(170, 175, 210), 0.8));
    for (int i = 1; i < n; ++i) {
        p.drawLine(ecke(i, 0, 0), ecke(i, n, 0));
        p.drawLine(ecke(0, i, 0), ecke(n, i, 0));
    }
    // A glider heading for the edge: beyond it there is nothing.
    const int zellen[5][2] = {{5, 3}, {6, 4}, {4, 5}, {5, 5}, {6, 5}};
    p.setPen(Qt::NoPen);
    for (const auto& z : zellen) {
        const double x = z[0], y = n - 1 - z[1];
        QPolygonF q;
        q << ecke(x + 0.12, y + 0.12, 0) << ecke(x + 0.88, y + 0.12, 0) << ecke(x + 0.88, y + 0.88, 0)
          << ecke(x + 0.12, y + 0.88, 0);
        p.setBrush(kZelle);
        p.drawPolygon(q);
    }
    p.setPen(QPen(QColor(40, 40, 50), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(oben);
}

// A grid lying in front of an upright mirror that stands on its right edge; the mirror shows
// the grid again, its edge column first.
void spiegel(QPainter& p, const Kamera& k, int n, int hoehe) {
    const int tiefe = n;
    auto pt = [&](double x, double y, double z) { return k.bild({x - n / 2.0, y - tiefe / 2.0, z}); };
    auto boden = [&](double x0, double x1, QColor farbe, QColor linie) {
        QPolygonF q;
        q << pt(x0, 0, 0) << pt(x1, 0, 0) << pt(x1, tiefe, 0) << pt(x0, tiefe, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawPolygon(q);
        p.setPen(QPen(linie, 0.8));
        for (int i = 1; i < std::abs(x1 - x0); ++i) p.drawLine(pt(x0 + i, 0, 0), pt(x0 + i, tiefe, 0));
        for (int j = 1; j < tiefe; ++j) p.drawLine(pt(x0, j, 0), pt(x1, j, 0));
    };
    const int zellen[6][2] = {{n - 1, 1}, {n - 1, 2}, {n - 2, 2}, {n - 1, 4}, {n - 3, 5}, {n - 2, 5}};
    auto zelle = [&](double x, double y, QColor farbe) {
        QPolygonF q;
        q << pt(x + 0.12, y + 0.12, 0) << pt(x + 0.88, y + 0.12, 0) << pt(x + 0.88, y + 0.88, 0)
          << pt(x + 0.12, y + 0.88, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawPolygon(q);
    };
    // The real grid.
    QPolygonF schatten;
    schatten << pt(0.5, -0.5, -0.4) << pt(n, -0.5, -0.4) << pt(n, tiefe - 0.5, -0.4) << pt(0.5, tiefe - 0.5, -0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPolygon(schatten);
    boden(0, n, QColor(252, 252, 248), QColor(170, 175, 210));
    for (const auto& z : zellen) zelle(z[0], z[1], kZelle);
    p.setPen(QPen(QColor(40, 40, 50), 1.4));
    p.setBrush(Qt::NoBrush);
    QPolygonF rand;
    rand << pt(0, 0, 0) << pt(n, 0, 0) << pt(n, tiefe, 0) << pt(0, tiefe, 0);
    p.drawPolygon(rand);

    // The mirror glass, and in it the grid again.
    QPolygonF glas;
    glas << pt(n, 0, 0) << pt(n, tiefe, 0) << pt(n, tiefe, hoehe) << pt(n, 0, hoehe);
    QLinearGradient blau(glas[0], glas[2]);
    blau.setColorAt(0, QColor(190, 215, 235));
    blau.setColorAt(1, QColor(120, 160, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    p.drawPolygon(glas);
    p.save();
    QPainterPath ausschnitt;
    ausschnitt.addPolygon(glas);
    p.setClipPath(ausschnitt);
    p.setOpacity(0.55);
    boden(n, 2 * n, QColor(225, 235, 245), QColor(140, 150, 200));
    for (const auto& z : zellen) zelle(2 * n - 1 - z[0], z[1], QColor(60, 60, 170));
    p.setOpacity(1);
    // Glints on the glass.
    for (double s : {0.25, 0.38, 0.7}) {
        QPolygonF streif;
        const double b = s == 0.38 ? 0.05 : 0.1;
        streif << pt(n, tiefe * s, 0) << pt(n, tiefe * (s + b), 0) << pt(n, tiefe * (s + b + 0.35), hoehe)
               << pt(n, tiefe * (s + 0.35), hoehe);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawPolygon(streif);
    }
    p.restore();
    // Frame of the mirror.
    p.setPen(QPen(QColor(120, 95, 60), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(glas);
    p.setPen(QPen(QColor(230, 200, 140), 1));
    p.drawPolygon(glas);
}

void zeichneRandBild(QPainter& p) {
    const QRectF ganz(0, 0, kRandBildBreite, kRandBildHoehe);
    QLinearGradient himmel(0, 0, 0, kRandBildHoehe);
    himmel.setColorAt(0, QColor(250, 251, 255));
    himmel.setColorAt(1, QColor(222, 230, 242));
    p.fillRect(ganz, himmel);

    // Three cards: Torus across the top, Quadrat and Spiegel below.
    auto karte = [&](QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 40, 25));
        p.drawRoundedRect(r.translated(2, 3), 10, 10);
        p.setBrush(QColor(255, 255, 255, 170));
        p.setPen(QPen(QColor(180, 190, 210), 1));
        p.drawRoundedRect(r, 10, 10);
    };
    p.setPen(QPen(QColor(110, 120, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ganz.adjusted(0.5, 0.5, -0.5, -0.5));
    karte(QRectF(8, 8, 574, 222));
    karte(QRectF(8, 238, 283, 173));
    karte(QRectF(299, 238, 283, 173));

    titel(p, QPointF(22, 36), QStringLiteral("Torus"), QStringLiteral("gegenüberliegende Kanten verklebt"));
    flachesGitter(p, QRectF(36, 88, 96, 96));
    bogenPfeil(p, QPointF(148, 132), QPointF(196, 132));
    zylinder(p, Kamera{0, 22, QPointF(262, 135), 1}, 38, 118);
    bogenPfeil(p, QPointF(322, 132), QPointF(370, 132));
    torus(p, Kamera{-20, 38, QPointF(475, 134), 1}, 62, 28, true);
    QFont klein(QStringLiteral("DejaVu Sans"));
    klein.setPixelSize(10);
    p.setFont(klein);
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRectF(20, 196, 130, 28), Qt::AlignCenter, QStringLiteral("rot mit rot,\nblau mit blau"));

    titel(p, QPointF(22, 266), QStringLiteral("Quadrat"), QStringLiteral("hinter dem Rand ist nichts"));
    platte(p, Kamera{22, 42, QPointF(150, 336), 12.5}, 10, 0.8);

    titel(p, QPointF(313, 266), QStringLiteral("Spiegel"), QStringLiteral("der Rand sieht sich selbst"));
    spiegel(p, Kamera{55, 35, QPointF(432, 356), 10}, 8, 5);
}

}  // namespace

QImage randBild(QSize groesse) {
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse.width() / double(kRandBildBreite), groesse.height() / double(kRandBildHoehe));
    zeichneRandBild(p);
    return bild;
}

QPixmap bildTorus(int groesse) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = groesse / 2.0;
    torus(p, Kamera{-20, 40, QPointF(r, r), r / 1.45}, 1.0, 0.42, false);
    return bild;
}

}  // namespace ui
