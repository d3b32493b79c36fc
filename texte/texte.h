#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/schritt.h"
#include "history/periode.h"
#include "storage/ablehnung.h"
#include "storage/dateigrund.h"
#include "storage/weltdatei.h"

// The program's sentences, German and English, made from what the layers below report.
namespace texte {

/// The languages the program speaks; German is its own and the default.
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
    rueckblende, zufallsregel, zufallsfeld, objektEinfuegen, suppeZeigen, lauf
};
/// A step of the history as data: its kind and, for a run, its generations.
struct Schrittname {
    Schritt art = Schritt::keiner;
    long long generationen = 0;
};
/// A step as the undo menu names it, a run by its generations ("120 Generationen"); "" for keiner.
std::string schritt(Sprache sprache, Schrittname name);

/// What went wrong in a file or rule verb of the workbench, as data.
struct Problem {
    enum class Fall {
        keiner,
        keineWelt,               ///< a world file's name does not end in ".vir"
        nichtGelesen,            ///< the file `name` could not be read: datei or welt
        suchmuster,              ///< a name to save under holds "*" or "?"
        weltNichtGespeichert,    ///< the world could not be written as `name`: datei
        musterAbgelehnt,         ///< the pattern from `name` (empty: the clipboard) was refused: grund
        keinMusterformat,        ///< the ending `name` names no pattern format
        musterNichtGespeichert,  ///< the pattern could not be written as `name`: datei
        nichtGespeichert,        ///< the file `name` could not be written: datei or grund
        nichtKodierbar,          ///< the picture for the file `name` could not be encoded
        eigenerSatz,             ///< the reader's sentence for grund alone, then for dazu
        geburtBeiNull,           ///< a census was asked for under a rule with birth on 0 neighbours
        keineSuppen,             ///< a census was asked for with no soups
        zensusAbgelehnt,         ///< a pattern from the census was refused: grund
        keinObjekt,              ///< the census code `name` names no object
        keineSuppeMit,           ///< no soup of the census brought the code `name`
        keinZensus,              ///< there is no census yet to save
    };
    Fall fall = Fall::keiner;
    /// A file name, ending or pattern origin, unquoted.
    std::string name{};
    /// The reader's reason, where a pattern, rule or GIF writer gave it.
    storage::Ablehnung grund{};
    /// The file system's reason, where it gave one.
    storage::Dateigrund datei = storage::Dateigrund::keiner;
    /// What is wrong inside a world file, where that was the reason.
    storage::Lesefehler welt{};
    /// A second reason told after grund: the grid a pattern named besides a rule that cannot be set.
    storage::Ablehnung dazu{};
};
/// The reader's sentence for a refusal or for what a text names that cannot be set here
/// ("Zeile 2 enthält das unerwartete Zeichen „q“."); for the GIF writer's kinds the clause that
/// follows "lässt sich nicht speichern:"; "" for none.
std::string ablehnung(Sprache sprache, const storage::Ablehnung& grund);
/// What is wrong inside a world file, a predicate: "enthält in Zeile 17 keinen gültigen Zellzustand (0 bis 3)".
std::string lesefehler(Sprache sprache, const storage::Lesefehler& fehler);
/// The file system's reason: a predicate for reading ("ist nicht vorhanden"), a clause for writing.
std::string dateigrund(Sprache sprache, storage::Dateigrund grund);
/// The problem for a message box: what went wrong and what follows for the world.
std::string problemText(Sprache sprache, const Problem& problem);
/// The sentence that names the problem alone.
std::string problemGrund(Sprache sprache, const Problem& problem);

/// What a rule, pattern or import took over or changed besides what was asked, as data.
struct Uebernahme {
    /// The notation of a rule taken, its name where it has one; empty when no rule was taken.
    std::string regel;
    std::string regelName;
    /// The neighbour mask, where the rule named the neighbours.
    std::optional<int> maske;
    /// The edge mode and field size of a grid taken.
    std::optional<engine::Rand> rand;
    int feld = 0;
    /// A paste whose pattern named a rule or edge, which were kept.
    bool eingefuegt = false;
    /// The size the field grew to for a pattern of breite × hoehe; 0 when it did not grow.
    int vergroessert = 0;
    int breite = 0;
    int hoehe = 0;
};
/// "Übernommen: Regel B3/S23 (Life), Rand Torus, Feld 40 × 40." and the like; "" for nothing.
std::string uebernahme(Sprache sprache, const Uebernahme& uebernahme);

/// "Regel B36/S23 (HighLife), gezählt 4 von 8 Nachbarn (Maske 85)": the rule in force.
std::string regelBeschreibung(Sprache sprache, const std::string& regel, const std::string& name, int maske);
/// The name of an edge mode: "Torus", "Quadrat", "Spiegel".
std::string randName(Sprache sprache, engine::Rand rand);

/// What the batch program's command line could not take.
struct Aufruffehler {
    enum class Art {
        keineDatei, zweiteDatei, unbekannteOption, ohneWert, mitWert, generationen, maske, rand, groesse,
        grossVir, endung, bildrate, sprache, regel, suppen, wurzel, threads, teil, zensusUndZusammen,
        keineZensusdateien, zensusMitDatei, zensusB0, nurZensus
    };
    Art art;
    /// The argument or value meant.
    std::string wert;
    /// The upper bound where a number was out of range.
    long long grenze = 0;
    /// The endings that would do, for endung.
    std::string endungen;
    /// Why the rule cannot be set, for regel.
    storage::Ablehnung regel{};
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

/// What went wrong in the batch program's census or merge of census files.
struct Zensusfehler {
    enum class Art { nichtGeschrieben, nichtGelesen, keineZensusdatei, passtNicht };
    Art art;
    /// The file meant.
    std::string datei{};
    /// keineZensusdatei: the line at fault; 0 when none is known.
    long long zeile = 0;
    /// passtNicht: root and rule of `datei`, and the first file with its root and rule.
    std::string wurzel{}, regel{}, ersteDatei{}, ersteWurzel{}, ersteRegel{};
};
/// One sentence naming what went wrong.
std::string zensusfehler(Sprache sprache, const Zensusfehler& fehler);
/// "Wurzel k3Xa9": the root drawn for a census.
std::string zensusWurzel(Sprache sprache, const std::string& wurzel);
/// "1200 von 10000 Suppen, 400 je Sekunde": a census's progress.
std::string zensusFortschritt(Sprache sprache, long long suppen, long long gesamt, long long jeSekunde);

}  // namespace texte
