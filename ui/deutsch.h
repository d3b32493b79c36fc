#pragma once

class QCoreApplication;
class QTranslator;

namespace ui {

/// Installs Qt's German texts for its standard dialogs and buttons when the translation is
/// installed; false, and nothing changed, when it is not.
bool ladeQtDeutsch(QCoreApplication& app, QTranslator& uebersetzer);

}  // namespace ui
