#pragma once

#include <QObject>
#include <functional>
#include <span>

class QWidget;

namespace ui {

/// One line of the help table: hovering (or, with klick, a left click on) the control writes text.
/// name is an objectName; it also matches every element "name_k" of a control array.
struct HilfeText {
    const char* name;
    bool klick;
    const char* text;
};

/// The help line's table, in UTF-8.
std::span<const HilfeText> hilfeTexte();

/// Whether an objectName is the named control or an element of that control array.
bool passt(const QString& objektName, const char* name);

/// Lets every control of the help table explain itself: watches the controls below a window and
/// hands their texts to `zeige`. A panel explains itself only where none of its controls lies
/// under the pointer.
class Hilfe : public QObject {
public:
    Hilfe(QWidget* fenster, std::function<void(const QString&)> zeige);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<void(const QString&)> zeige_;
};

}  // namespace ui
