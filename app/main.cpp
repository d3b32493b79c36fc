#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include "ui/deutsch.h"
#include "ui/dialoge.h"
#include "ui/frmvireo.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTranslator qtDeutsch;
    ui::ladeQtDeutsch(app, qtDeutsch);
    ui::QtDialoge dialoge;
    ui::frmVireo fenster(dialoge);
    fenster.show();
    // A file named on the command line (as the desktop opens one) is opened once the window shows.
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() > 1)
        QTimer::singleShot(0, &fenster, [&fenster, pfad = argumente.at(1)] { fenster.oeffneDatei(pfad); });
    return app.exec();
}
