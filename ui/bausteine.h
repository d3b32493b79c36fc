#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "view/farbe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

/// objectName of element `index` of a control array: "Name_Index".
QString indexName(const char* name, int index);
/// Pixels of a length in twips (15 twips to a pixel at 96 dots per inch).
int tw(int twips);
/// Places a widget at a twips rectangle of its parent; inside a panel (see setzeUrsprung) the
/// rectangle is given in the coordinates of the area the panel is a part of.
void platziere(QWidget* w, int links, int oben, int breite, int hoehe);
/// Makes a widget a panel: a part of a larger designed area whose top-left corner lies at
/// (links, oben) twips of that area, so that its controls keep the area's design coordinates.
void setzeUrsprung(QWidget* tafel, int links, int oben);
/// Sets a text box's text only when it differs, so that typing and the cursor are not disturbed.
void setzeText(QLineEdit* feld, const std::string& text);

/// Sets the background (and, if valid, the text colour) of a widget through its palette.
void faerbe(QWidget* w, QColor hintergrund, QColor text = QColor());

/// A label; name is its objectName, text a German source text of the catalogue (see beschrifte),
/// as for the other controls with a caption.
QLabel* beschriftung(QWidget* eltern, const QString& name, const char* text, int links,
                     int oben, int breite, int hoehe);
/// Makes a label's font smaller, down to 8 pixels, until its text fits in `platz` pixels.
void passeEin(QLabel* l, int platz);
/// A heading bar: white text on a coloured bar.
QLabel* balken(QWidget* eltern, const QString& name, const char* text, int links, int oben,
               int breite, int hoehe, QColor farbe);
/// A push button with a caption.
QPushButton* knopf(QWidget* eltern, const QString& name, const char* text, int links, int oben,
                   int breite, int hoehe);
/// A one-line text box; undo and redo keys it has nothing of its own for reach the window.
QLineEdit* textfeld(QWidget* eltern, const QString& name, const QString& text, int links, int oben,
                    int breite, int hoehe);
QCheckBox* kaestchen(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe);
QRadioButton* optionsfeld(QWidget* eltern, const QString& name, const char* text, int links,
                          int oben, int breite, int hoehe);

}  // namespace ui
