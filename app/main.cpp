#include <QApplication>
#include <QTimer>

#include "ui/dialoge.h"
#include "ui/frmvireo.h"
#include "ui/sprache.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::QtDialoge dialoge;
    ui::frmVireo fenster(dialoge);
    QStringList argumente = QApplication::arguments().mid(1);
    fenster.modell().setzeSprache(ui::startSprache(argumente));
    argumente.removeIf([](const QString& a) { return a.startsWith(QStringLiteral("--sprache=")); });
    fenster.show();
    // A file named on the command line (as the desktop opens one) is opened once the window shows.
    if (!argumente.isEmpty())
        QTimer::singleShot(0, &fenster, [&fenster, pfad = argumente.front()] { fenster.oeffneDatei(pfad); });
    return app.exec();
}
