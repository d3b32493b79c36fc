#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include "texte/texte.h"

class QObject;

namespace ui {

/// The catalogue's one context: every German source text of ui/ is looked up in it.
inline constexpr char kKontext[] = "MorLix";

/// The chosen language's text of a German source text of the catalogue.
QString uebersetze(const char* quelle);

/// Gives a label, button, action, menu or window its caption from a German source text of the
/// catalogue and keeps the source, so that beschrifteNeu tells it in the next language.
void beschrifte(QObject* o, const char* quelle);
/// The caption `o` was given through beschrifte, in the chosen language; empty when none.
QString beschriftungVon(const QObject* o);
/// A label with this property set to true is sized to its caption in every language.
inline constexpr char kPassend[] = "morlixPassend";
/// Tells every captioned object at and below `wurzel` in the chosen language.
void beschrifteNeu(QObject* wurzel);

/// The translators of one language: the program's English catalogue and Qt's own texts for its
/// standard dialogs and buttons. Installing them sends every widget a LanguageChange event.
class Uebersetzer {
public:
    /// Installs the translators of `sprache` in place of the previous ones and sets the default
    /// locale; nothing when that language is installed already.
    void setze(texte::Sprache sprache);

private:
    QTranslator programm_;
    QTranslator qt_;
    bool installiert_ = false;
    texte::Sprache sprache_ = texte::Sprache::deutsch;
};

/// The language to start in: "--sprache=de|en" among the arguments, else the one remembered,
/// else German.
texte::Sprache startSprache(const QStringList& argumente);
/// Remembers a language chosen by the user for the next start.
void merkeSprache(texte::Sprache sprache);

}  // namespace ui
