#include "ui/deutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool ladeQtDeutsch(QCoreApplication& app, QTranslator& uebersetzer) {
    // The program speaks German whatever the session's language is: dates, sizes and the
    // texts of Qt's own dialogs too.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    if (!uebersetzer.load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&uebersetzer);
}

}  // namespace ui
