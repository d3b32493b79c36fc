#include <QApplication>

#include "ui/dialoge.h"
#include "ui/frmvireo.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::QtDialoge dialoge;
    ui::frmVireo fenster(dialoge);
    fenster.show();
    return app.exec();
}
