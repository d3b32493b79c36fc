#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/bausteine.h"
#include "ui/frmvireo.h"
#include "ui/hilfetexte.h"

namespace ui {

void frmVireo::baueHilfe() {
    // Starts right of the finding box beside Text12; every help text that fitted before still fits.
    txthilfe = textfeld(client_, QStringLiteral("txthilfe"), QString(), 3720, 10020, 7320, 360);
    txthilfe->setReadOnly(true);
    txthilfe->setFocusPolicy(Qt::NoFocus);
    faerbe(txthilfe, QColor(255, 255, 192), Qt::black);
}

void frmVireo::hilfeEinrichten() {
    for (QWidget* w : client_->findChildren<QWidget*>()) {
        for (const HilfeText& h : hilfeTexte()) {
            if (!passt(w->objectName(), h.name)) continue;
            w->setMouseTracking(true);
            w->installEventFilter(this);
            break;
        }
    }
}

void frmVireo::zeigeHilfe(const QString& text) { txthilfe->setText(text); }

bool frmVireo::eventFilter(QObject* objekt, QEvent* ereignis) {
    const bool bewegung = ereignis->type() == QEvent::MouseMove;
    const bool klick = ereignis->type() == QEvent::MouseButtonPress;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!(bewegung || klick) || !w) return QMainWindow::eventFilter(objekt, ereignis);
    // A panel explains itself only where no control of its own lies under the pointer;
    // a move over such a control reaches the panel too when the control ignores it.
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    const bool traeger = w == Picture1 || w->objectName() == QLatin1String("Picture8");
    if (!traeger || !w->childAt(maus->position().toPoint())) {
        for (const HilfeText& h : hilfeTexte()) {
            if (h.klick == klick && passt(w->objectName(), h.name)) {
                zeigeHilfe(QString::fromUtf8(h.text));
                break;
            }
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

}  // namespace ui
