#include "ui/klick.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace ui {

namespace {

class Klickfilter : public QObject {
public:
    Klickfilter(QObject* eltern, std::function<void()> handler) : QObject(eltern), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            handler_();
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void beiKlick(QWidget* w, std::function<void()> handler) {
    w->installEventFilter(new Klickfilter(w, std::move(handler)));
}

}  // namespace ui
