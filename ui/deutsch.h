#pragma once

class QCoreApplication;
class QTranslator;

namespace ui {

/// Makes German the default locale and installs Qt's German texts for its standard dialogs and
/// buttons; false when that translation is not installed.
bool ladeQtDeutsch(QCoreApplication& app, QTranslator& uebersetzer);

}  // namespace ui
