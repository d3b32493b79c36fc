#include "ui/deutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool ladeQtDeutsch(QCoreApplication& app, QTranslator& uebersetzer) {
    // The program speaks German whatever the session's language is.
    if (!uebersetzer.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&uebersetzer);
}

}  // namespace ui
