#pragma once

#include <QString>
#include <span>

namespace ui {

/// One line of the help table: hovering (or, with klick, clicking) the control writes text.
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

}  // namespace ui
