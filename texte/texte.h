#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "history/periode.h"

// The program's sentences, German and English, made from what the layers below report.
namespace texte {

enum class Sprache { deutsch, englisch };

/// The language of a code "de" or "en"; nothing for any other.
std::optional<Sprache> spracheAus(std::string_view kuerzel);
/// The code of a language: "de" or "en".
const char* kuerzel(Sprache sprache);

/// A finding: "leer", "statisch", "Periode 2", "Periode 4, wandert (1, 1)", "123 Zellen" (one: "1 Zelle").
std::string befund(Sprache sprache, const history::Befund& befund);
/// A finding in at most 11 characters: "leer", "statisch", "P2", "P4 ↘1" (the arrow points where
/// the shape goes), "P12 ↗2,1", "123 Zellen".
std::string befundKurz(Sprache sprache, const history::Befund& befund);

/// What an undoable step of the user did.
enum class Schritt {
    keiner, zelleAendern, linieZeichnen, linieRadieren, zellenLoeschen, neu, musterEinfuegen, musterImportieren,
    weltOeffnen, scrollen, feldgroesse, farbe, randoption, regel, nachbarmatrix, rasterEinAus, gedaechtnisLoeschen,
    rueckblende, lauf
};
/// A step of the history as data: its kind and, for a run, its generations.
struct Schrittname {
    Schritt art = Schritt::keiner;
    long long generationen = 0;
};
/// A step as the undo menu names it, a run by its generations ("120 Generationen"); "" for keiner.
std::string schritt(Sprache sprache, Schrittname name);

/// What the batch program's command line could not take.
struct Aufruffehler {
    enum class Art {
        keineDatei, zweiteDatei, unbekannteOption, ohneWert, mitWert, generationen, maske, rand, groesse,
        grossVir, endung, bildrate, sprache, regel
    };
    Art art;
    /// The argument or value meant; for regel the reader's own sentence.
    std::string wert;
    /// The upper bound where a number was out of range.
    long long grenze = 0;
    /// The endings that would do, for endung.
    std::string endungen;
};
/// One sentence naming what a command line lacks.
std::string aufruffehler(Sprache sprache, const Aufruffehler& fehler);
/// The batch program's help: usage, every option, an example.
std::string stapelHilfe(Sprache sprache);
/// The batch program's version lines.
std::string stapelVersion(Sprache sprache);
/// The closing line: "Generation 57: 12 lebende Zellen, Periode 2".
std::string schlusszeile(Sprache sprache, long long generation, const history::Befund& befund);
/// The head of the course: "Generation;Lebend;Befund".
std::string verlaufKopf(Sprache sprache);
/// Standard output could not be written.
std::string ausgabeVoll(Sprache sprache);

}  // namespace texte
