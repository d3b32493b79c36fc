#include "ui/widgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <utility>

namespace ui {

view::Systemfarben systemfarben() {
    view::Systemfarben s = view::standardSystemfarben();
    const QPalette p = QApplication::palette();
    auto setze = [&](int nummer, QPalette::ColorRole rolle) { s[nummer] = p.color(rolle).rgb() & 0xFFFFFF; };
    for (int k = 0; k < 32; ++k) setze(k, QPalette::Window);
    setze(5, QPalette::Base);  // window background
    setze(8, QPalette::Text);  // window text
    setze(13, QPalette::Highlight);
    setze(14, QPalette::HighlightedText);
    setze(15, QPalette::Button);  // button face
    setze(16, QPalette::Dark);    // button shadow
    setze(18, QPalette::ButtonText);
    setze(20, QPalette::Light);  // button highlight
    setze(23, QPalette::ToolTipText);
    setze(24, QPalette::ToolTipBase);
    return s;
}

QColor qFarbe(view::Farbe farbe) { return QColor::fromRgb(view::rgbVon(farbe, systemfarben())); }

view::Farbe alsFarbe(QColor farbe) { return view::rgb(farbe.red(), farbe.green(), farbe.blue()); }

int knopfBits(Qt::MouseButtons knoepfe) {
    int bits = 0;
    if (knoepfe & Qt::LeftButton) bits |= 1;
    if (knoepfe & Qt::RightButton) bits |= 2;
    if (knoepfe & Qt::MiddleButton) bits |= 4;
    return bits;
}

FeldBild::FeldBild(view::Pixelflaeche& flaeche, QWidget* eltern, ZellAuskunft zellen)
    : QWidget(eltern), flaeche_(flaeche), zellen_(std::move(zellen)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FeldBild::paintEvent(QPaintEvent*) {
    // The picture is shown where it is kept, without a copy.
    const QImage bild(reinterpret_cast<const uchar*>(flaeche_.pixel()), flaeche_.breite(), flaeche_.hoehe(),
                      QImage::Format_RGB32);
    QPainter maler(this);
    maler.drawImage(0, 0, bild);
    if (!marke_) return;
    // Two frames, dark inside light, stand out on any cell colour.
    const QRect r = pixelVon(*marke_);
    maler.setPen(QPen(QColor(255, 170, 0), 2));
    maler.drawRect(r.adjusted(-1, -1, 1, 1));
    maler.setPen(QPen(Qt::black, 1));
    maler.drawRect(r.adjusted(1, 1, -1, -1));
}

QRect FeldBild::pixelVon(const QRectF& nutzer) const {
    return {QPoint(flaeche_.spalte(nutzer.left()), flaeche_.zeile(nutzer.top())),
            QPoint(flaeche_.spalte(nutzer.right()), flaeche_.zeile(nutzer.bottom()))};
}

QPointF FeldBild::nutzerVon(QPointF pixel) const { return {flaeche_.nutzerX(pixel.x()), flaeche_.nutzerY(pixel.y())}; }

void FeldBild::setzeMarke(std::optional<QRectF> marke) {
    if (marke == marke_) return;
    marke_ = marke;
    update();
}

void FeldBild::keyPressEvent(QKeyEvent* e) {
    if (beiTaste && beiTaste(e->key(), e->modifiers() & Qt::ShiftModifier)) return;
    QWidget::keyPressEvent(e);
}

void FeldBild::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Shift && !e->isAutoRepeat() && beiUmschaltLos) beiUmschaltLos();
    QWidget::keyReleaseEvent(e);
}

void FeldBild::focusInEvent(QFocusEvent* e) {
    const Qt::FocusReason grund = e->reason();
    if ((grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason || grund == Qt::ShortcutFocusReason) &&
        beiFokus)
        beiFokus(true);
    QWidget::focusInEvent(e);
}

void FeldBild::focusOutEvent(QFocusEvent* e) {
    if (beiFokus) beiFokus(false);
    QWidget::focusOutEvent(e);
}

void FeldBild::mousePressEvent(QMouseEvent* e) {
    const QPointF p = nutzerVon(e->position());
    emit mausRunter(knopfBits(e->button()), p.x(), p.y());
}

void FeldBild::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = nutzerVon(e->position());
    emit mausBewegt(knopfBits(e->buttons()), p.x(), p.y());
}

void FeldBild::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF p = nutzerVon(e->position());
    emit mausHoch(knopfBits(e->button()), p.x(), p.y());
}

Farbfeld::Farbfeld(QWidget* eltern) : QWidget(eltern) { setMouseTracking(true); }

void Farbfeld::setzeFarbe(view::Farbe farbe) {
    if (farbe == farbe_) return;
    farbe_ = farbe;
    update();
}

void Farbfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qFarbe(farbe_));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void Farbfeld::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit geklickt();
}

void Farbfeld::keyPressEvent(QKeyEvent* e) {
    // Space as on a button; Return keeps its meaning for the window.
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) return emit geklickt();
    QWidget::keyPressEvent(e);
}

namespace {

class Ereignisfilter : public QObject {
public:
    Ereignisfilter(QObject* eltern, std::initializer_list<int> arten, std::function<void(QEvent*)> handler)
        : QObject(eltern), arten_(arten), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (arten_.contains(e->type())) handler_(e);
        return QObject::eventFilter(o, e);
    }

private:
    QList<int> arten_;
    std::function<void(QEvent*)> handler_;
};

}  // namespace

void beiEreignis(QWidget* w, std::initializer_list<int> arten, std::function<void(QEvent*)> handler) {
    w->installEventFilter(new Ereignisfilter(w, arten, std::move(handler)));
}

}  // namespace ui
