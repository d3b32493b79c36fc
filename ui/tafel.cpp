#include "ui/tafel.h"

#include "ui/bausteine.h"

namespace ui {

Tafel::Tafel(werkbank::Werkbank& modell, QWidget* bereich, const char* name, int links, int oben, int breite,
             int hoehe)
    : QWidget(bereich), modell_(modell) {
    setObjectName(QString::fromLatin1(name));
    platziere(this, links, oben, breite, hoehe);
    setzeUrsprung(this, links, oben);
    // A pointer move over a part without a control goes on to the area, which may explain itself.
    setMouseTracking(true);
}

}  // namespace ui
