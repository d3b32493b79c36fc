#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace ui {

class FeldBild;

/// Lets screen readers see the cells of every field view that has them as a table of cells
/// ("lebend, neu", …); called before the first field view is made, any number of times.
void richteZugangEin();

/// Gives every control of the window `fenster` (not those of its second windows) its accessible
/// name and description in the chosen language: its own from the table of names, else its
/// caption, the label that names it or its help text; the description from the table, the help
/// line's text (also that of its label) or its tooltip.
void benenne(QWidget* fenster);

/// Chains the controls below `bereiche` that Tab reaches: area by area in the given order, and
/// inside an area from top to bottom, on one line from left to right.
void ordneTabFolge(const QList<QWidget*>& bereiche);

/// Tells screen readers that the cell under the keyboard's cursor of `feld` has the focus;
/// nothing while the cursor is not shown.
void meldeZeiger(FeldBild* feld);

/// A cell's state in the chosen language: "leer", "lebend, neu", "lebend, 1 Generation alt", …
QString zustandText(int zustand);

/// The shortcut letter (lower case) that a "&" marks in a caption; a null character when none.
QChar kuerzel(const QString& text);

/// `text` as a caption with a "&" before its first letter or digit that `belegt` does not hold
/// yet, which then holds it too; a "&" of the text itself stays a sign.
QString mitKuerzel(const QString& text, QString& belegt);

}  // namespace ui
