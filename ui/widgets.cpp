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

FeldBild::FeldBild(view::Pixelflaeche& flaeche, QWidget* eltern) : QWidget(eltern), flaeche_(flaeche) {
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
    const QRect r(QPoint(flaeche_.spalte(marke_->left()), flaeche_.zeile(marke_->top())),
                  QPoint(flaeche_.spalte(marke_->right()), flaeche_.zeile(marke_->bottom())));
    maler.setPen(QPen(QColor(255, 170, 0), 2));
    maler.drawRect(r.adjusted(-1, -1, 1, 1));
    maler.setPen(QPen(Qt::black, 1));
    maler.drawRect(r.adjusted(1, 1, -1, -1));
}

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
    if (farbe == farbe_) return;
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

namespace {

class Mausfilter : public QObject {
public:
    Mausfilter(QObject* eltern, std::initializer_list<int> arten, std::function<void(QMouseEvent*)> handler)
        : QObject(eltern), arten_(arten), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (arten_.contains(e->type())) handler_(static_cast<QMouseEvent*>(e));
        return QObject::eventFilter(o, e);
    }

private:
    QList<int> arten_;
    std::function<void(QMouseEvent*)> handler_;
};

}  // namespace

void beiMaus(QWidget* w, std::initializer_list<int> arten, std::function<void(QMouseEvent*)> handler) {
    w->installEventFilter(new Mausfilter(w, arten, std::move(handler)));
}

}  // namespace ui
