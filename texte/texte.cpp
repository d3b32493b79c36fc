#include "texte/texte.h"

#include <bit>
#include <cassert>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "storage/lesehilfe.h"
#include "storage/muster.h"

namespace texte {

namespace {

using engine::ziffernText;

bool de(Sprache s) { return s == Sprache::deutsch; }

/// A quoted name: „name“ in German, “name” in English, cut as storage::zitat cuts it.
std::string zitat(Sprache s, std::string_view wert, bool ende = false) {
    std::string text = storage::zitat(wert, ende);
    if (de(s)) return text;
    // „ and “ are three bytes each in UTF-8.
    return "“" + text.substr(3, text.size() - 6) + "”";
}

/// "1 Zelle", "2 Zellen": a counted noun in its singular or plural.
std::string anzahl(long long n, const char* einzahl, const char* mehrzahl) {
    return ziffernText(n) + " " + (n == 1 ? einzahl : mehrzahl);
}

struct Paar {
    const char* deutsch;
    const char* englisch;
};

// Indexed by Schritt.
constexpr Paar kSchritte[] = {
    {"", ""},
    {"Zelle ändern", "Change cell"},
    {"Linie zeichnen", "Draw line"},
    {"Linie radieren", "Erase line"},
    {"Zellen löschen", "Clear cells"},
    {"neu", "New"},
    {"Muster einfügen", "Paste pattern"},
    {"Muster importieren", "Import pattern"},
    {"Welt öffnen", "Open world"},
    {"Scrollen", "Scroll"},
    {"Feldgröße", "Field size"},
    {"Farbe", "Colour"},
    {"Randoption", "Edge option"},
    {"Regel", "Rule"},
    {"Nachbarmatrix", "Neighbour matrix"},
    {"Raster ein/aus", "Grid on/off"},
    {"Gedächtnis löschen", "Clear memory"},
    {"Rückblende", "Look back"},
    {"Zufallsregel", "Random rule"},
    {"Zufallsfeld", "Random field"},
    {"Objekt einfügen", "Insert object"},
    {"Suppe zeigen", "Show soup"},
    {"", ""},
};
static_assert(std::size(kSchritte) == static_cast<std::size_t>(Schritt::lauf) + 1);

/// Why a pattern from the census cannot be inserted: the reader's clause, or "„xq4_x“ ist kein Objekt.",
/// "Keine Suppe brachte „xs4_33“."
std::string zensusGrund(Sprache s, const Problem& p) {
    if (p.fall == Problem::Fall::zensusAbgelehnt) return ablehnung(s, p.grund);
    const std::string code = zitat(s, p.name);
    if (p.fall == Problem::Fall::keinObjekt) return code + (de(s) ? " ist kein Objekt." : " is no object.");
    return de(s) ? "Keine Suppe brachte " + code + "." : "No soup brought " + code + ".";
}

}  // namespace

std::optional<Sprache> spracheAus(std::string_view k) {
    if (k == "de") return Sprache::deutsch;
    if (k == "en") return Sprache::englisch;
    return std::nullopt;
}

const char* kuerzel(Sprache sprache) { return de(sprache) ? "de" : "en"; }

std::string befund(Sprache s, const history::Befund& b) {
    if (b.lebende == 0) return de(s) ? "leer" : "empty";
    if (b.periode == 0) return de(s) ? anzahl(b.lebende, "Zelle", "Zellen") : anzahl(b.lebende, "cell", "cells");
    const std::string periode = (de(s) ? "Periode " : "period ") + ziffernText(b.periode);
    if (b.dx != 0 || b.dy != 0)
        return periode + (de(s) ? ", wandert (" : ", moves (") + ziffernText(b.dx) + ", " + ziffernText(b.dy) + ")";
    if (b.periode == 1) return de(s) ? "statisch" : "still";
    return periode;
}

std::string befundKurz(Sprache s, const history::Befund& b) {
    const bool steht = b.dx == 0 && b.dy == 0;
    if (b.lebende == 0 || b.periode == 0 || (steht && b.periode == 1)) return befund(s, b);
    // Appended piece by piece: g++ 12 at -O3 warns falsely about "literal" + string.
    std::string text = "P";
    text += ziffernText(b.periode);
    if (steht) return text;
    static constexpr const char* kPfeile[3][3] = {{"↖", "↑", "↗"}, {"←", "", "→"}, {"↙", "↓", "↘"}};
    text += ' ';
    text += kPfeile[(b.dy > 0) - (b.dy < 0) + 1][(b.dx > 0) - (b.dx < 0) + 1];
    const int ax = b.dx < 0 ? -b.dx : b.dx, ay = b.dy < 0 ? -b.dy : b.dy;
    if (ax == 0 || ay == 0 || ax == ay) return text + ziffernText(ax > ay ? ax : ay);
    return text + ziffernText(ax) + "," + ziffernText(ay);
}

std::string schritt(Sprache s, Schrittname name) {
    if (name.art == Schritt::lauf)
        return de(s) ? anzahl(name.generationen, "Generation", "Generationen")
                     : anzahl(name.generationen, "generation", "generations");
    const Paar& p = kSchritte[static_cast<std::size_t>(name.art)];
    return de(s) ? p.deutsch : p.englisch;
}

std::string dateigrund(Sprache s, storage::Dateigrund g) {
    using G = storage::Dateigrund;
    // Indexed by Dateigrund.
    static constexpr Paar kGruende[] = {
        {"", ""},
        {"lässt sich mangels Zugriffsrechten nicht lesen", "cannot be read for lack of permission"},
        {"ist nicht vorhanden", "does not exist"},
        {"ist ein Ordner und keine Datei", "is a folder, not a file"},
        {"ist keine gewöhnliche Datei", "is not a regular file"},
        {"lässt sich nicht öffnen", "cannot be opened"},
        {"lässt sich nicht lesen", "cannot be read"},
        {"", ""},
        {"der Verweis unter diesem Namen liegt in einem Ordner, in den alle schreiben dürfen, und gehört weder dem "
         "Ordner noch Ihnen",
         "the link under this name lies in a folder everyone may write to and belongs neither to the folder's owner "
         "nor to you"},
        {"der Verweis unter diesem Namen führt im Kreis", "the links under this name lead in a circle"},
        {"unter diesem Namen gibt es schon einen Ordner", "a folder has this name already"},
        {"unter diesem Namen steht eine benannte Pipe, keine gewöhnliche Datei",
         "this name belongs to a named pipe, not to a regular file"},
        {"unter diesem Namen steht ein Socket, keine gewöhnliche Datei",
         "this name belongs to a socket, not to a regular file"},
        {"unter diesem Namen steht ein Gerät, keine gewöhnliche Datei",
         "this name belongs to a device, not to a regular file"},
        {"die Datei ist schreibgeschützt", "the file is write-protected"},
        {"im Ordner lässt sich keine Datei anlegen", "no file can be made in the folder"},
        {"beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)",
         "an error occurred while writing (is the disk full?)"},
        {"die neue Datei lässt sich nicht an die Stelle der alten setzen",
         "the new file cannot take the place of the old one"},
    };
    static_assert(std::size(kGruende) == static_cast<std::size_t>(G::nichtErsetzen) + 1);
    if (g == G::zuGross) {
        const std::string mb = ziffernText(static_cast<long long>(storage::kMaxMusterText >> 20));
        return de(s) ? "ist zu groß für eine Musterdatei (mehr als " + mb + " MB)"
                     : "is too large for a pattern file (more than " + mb + " MB)";
    }
    const Paar& p = kGruende[static_cast<std::size_t>(g)];
    return de(s) ? p.deutsch : p.englisch;
}

std::string lesefehler(Sprache s, const storage::Lesefehler& f) {
    using L = storage::Lesegrund;
    // Indexed by Lesegrund: what an invalid line holds not.
    static constexpr Paar kWerte[] = {
        {"", ""},
        {"keinen gültigen Zellzustand (0 bis 3)", "no valid cell state (0 to 3)"},
        {"keine gültige Feldgröße (gerade, 2 bis 90)", "no valid field size (even, 2 to 90)"},
        {"keinen gültigen Kästchenwert (0 bis 2)", "no valid box value (0 to 2)"},
        {"keinen gültigen Wahrheitswert für die Randoption", "no valid truth value for the edge option"},
        {"keine gültige Farbe", "no valid colour"},
    };
    const std::string z = ziffernText(f.zeile);
    switch (f.grund) {
        case L::keiner: return f.datei != storage::Dateigrund::keiner ? dateigrund(s, f.datei) : std::string();
        case L::nurLf:
            return de(s) ? "hat Zeilenenden ohne Wagenrücklauf (LF statt CR LF)"
                         : "has line ends without carriage return (LF instead of CR LF)";
        case L::leer: return de(s) ? "ist leer" : "is empty";
        case L::vorzeitig: return (de(s) ? "endet vorzeitig nach Zeile " : "ends early after line ") + z;
        default: {
            const Paar& p = kWerte[static_cast<std::size_t>(f.grund)];
            if (!de(s)) return "has " + std::string(p.englisch) + " in line " + z;
            return "enthält in Zeile " + z + " " + p.deutsch;
        }
    }
}

namespace {

using AA = storage::Ablehnung::Art;
using K = storage::Ablehnung::Klausel;

// Indexed by Ablehnung::Art. In the templates {z} stands for the line, {1} to {3} for the numbers,
// {n} and {g} for the quoted name and part read, {c} for the character, {k} for the clause, {wo}
// for " in Zeile z" where there is a line, {r} for " (name)" where there is a name.
constexpr Paar kAblehnungen[] = {
    {"", ""},
    {"Der Text ist mit {1} MB zu lang für ein Muster.", "At {1} MB the text is too long for a pattern."},
    {"Der Inhalt ist kein Text, sondern enthält Steuerzeichen wie eine Binärdatei.",
     "The content is not text but contains control characters like a binary file."},
    {"Der Text enthält kein Muster.", "The text contains no pattern."},
    {"Der Text ist in keinem bekannten Musterformat (RLE, Plaintext .cells, Life 1.05, Life 1.06, MCell, Makrozellen "
     ".mc).",
     "The text is in no known pattern format (RLE, plaintext .cells, Life 1.05, Life 1.06, MCell, macrocell .mc)."},
    {"Der Text enthält keine Zellen, nur Kommentare oder Kopfzeilen.", "The text contains no cells, only comments or headers."},
    {"Der gepackte Inhalt lässt sich nicht entpacken.", "The packed content cannot be unpacked."},
    {"Der entpackte Inhalt ist größer als {1} MB und wird nicht gelesen.",
     "The unpacked content is larger than {1} MB and is not read."},
    {"Der gepackte Inhalt (gzip) ist unvollständig.", "The packed content (gzip) is incomplete."},
    {"Der gepackte Inhalt (gzip) ist beschädigt.", "The packed content (gzip) is damaged."},
    {"Die Kopfzeile in Zeile {z} ist fehlerhaft; erwartet wird „x = Breite, y = Höhe, rule = Regel“.",
     "The header in line {z} is faulty; it should read “x = width, y = height, rule = rule”."},
    {"Die Größe in Zeile {z} ist unsinnig groß.", "The size in line {z} is unreasonably large."},
    {"Die Koordinate in Zeile {z} ist unsinnig groß.", "The coordinate in line {z} is unreasonably large."},
    {"Zeile {z} enthält die Wiederholungszahl 0.", "Line {z} contains the run count 0."},
    {"Die Wiederholungszahl {1} in Zeile {z} ist zu groß.", "The run count {1} in line {z} is too large."},
    {"Zeile {z} enthält mit {c} Zellen eines weiteren Zustands; hier gibt es nur zwei.",
     "Line {z} contains cells of a further state, {c}; here there are only two."},
    {"Zeile {z} enthält das unerwartete Zeichen {c}.", "Line {z} contains the unexpected character {c}."},
    {"Zeile {z} enthält kein Koordinatenpaar „x y“.", "Line {z} contains no coordinate pair “x y”."},
    {"Zeile {z} enthält mehr als ein Koordinatenpaar „x y“.", "Line {z} contains more than one coordinate pair “x y”."},
    {"Zeile {z} ist weder ein Blatt aus 8 × 8 Zellen noch ein Knoten „Stufe NW NO SW SO“.",
     "Line {z} is neither a leaf of 8 × 8 cells nor a node “level NW NE SW SE”."},
    {"Zeile {z} enthält einen Knoten mit mehreren Zuständen; gelesen werden nur Muster mit zwei Zuständen.",
     "Line {z} contains a node with several states; only patterns with two states are read."},
    {"Zeile {z} enthält einen Knoten einer Stufe, die es nicht gibt (4 bis {1}).",
     "Line {z} contains a node of a level that does not exist (4 to {1})."},
    {"Zeile {z} verweist auf einen Knoten, der davor nicht mit der Stufe darunter steht.",
     "Line {z} refers to a node that does not stand before it with the level below."},
    {"Die MCell-Datei ist für das Spiel {n}; gelesen werden nur Regeln der Art „Life“ mit zwei Zuständen.",
     "The MCell file is for the game {n}; only rules of the kind “Life” with two states are read."},
    {"Die erste Zeile einer Makrozellen-Datei beginnt mit „[M2]“.", "The first line of a macrocell file starts with “[M2]”."},
    {"Die Makrozellen-Datei hat mehr als {1} Knoten, mehr als ein Muster braucht, das in das größte Feld passt.",
     "The macrocell file has more than {1} nodes, more than a pattern that fits the largest field needs."},
    {"Das Muster ist {1} × {2} Zellen groß und passt nicht in das größte Feld mit {3} × {3} Zellen.",
     "The pattern is {1} × {2} cells large and does not fit the largest field of {3} × {3} cells."},
    {"Das Muster ist {1} × {2} Zellen groß und passt nicht in das Feld von {3} × {3} Zellen.",
     "The pattern is {1} × {2} cells large and does not fit the field of {3} × {3} cells."},
    {"Die Regel {n}{wo} ist unbekannt.", "The rule {n}{wo} is unknown."},
    {"Der Rand {n}{wo} ist unbekannt.", "The edge {n}{wo} is unknown."},
    {"Es ist keine Regel angegeben.", "No rule is given."},
    {"{n} ist keine Regel: erwartet wird ein Name wie „Life“, eine Angabe wie „B3/S23“ oder „23/3“ oder eine "
     "MAP-Regel.",
     "{n} is no rule: expected a name like “Life”, a notation like “B3/S23” or “23/3”, or a MAP rule."},
    {"{n} ist keine Regel: nach {g} wird {k} erwartet.", "{n} is no rule: {g} must be followed by {k}."},
    {"Die Regel {n} lässt sich hier nicht einstellen: {k}.", "The rule {n} cannot be set here: {k}."},
    {"Der Rand {n} lässt sich hier nicht einstellen: {k}.", "The edge {n} cannot be set here: {k}."},
    {"Das Brett {n} lässt sich hier nicht einstellen: {k}.", "The torus grid {n} cannot be set here: {k}."},
    {"Das Brett {n} lässt sich hier nicht einstellen: {k}.", "The bounded grid {n} cannot be set here: {k}."},
    {"das Bild hat eine Größe oder Farbzahl, die GIF nicht kennt",
     "the picture has a size or number of colours that GIF does not know"},
    {"das GIF lässt sich nicht {k}{r}", "the GIF cannot be {k}{r}"},
};
static_assert(std::size(kAblehnungen) == static_cast<std::size_t>(AA::gifGescheitert) + 1);

// Indexed by Ablehnung::Klausel.
constexpr Paar kKlauseln[] = {
    {"", ""},
    {"sie unterscheidet die Nachbarn nach ihrer Lage, hier zählt nur ihre Zahl",
     "it tells the neighbours apart by their place, here only their number counts"},
    {"sie hat {1} Zustände, hier gibt es zwei", "it has {1} states, here there are two"},
    {"sie gilt im Sechseckgitter", "it holds on the hexagonal grid"},
    {"sie gilt für eine andere Nachbarschaft als die acht Nachbarn",
     "it holds for another neighbourhood than the eight neighbours"},
    {"sie hängt nicht allein von der Zahl lebender Nachbarn ab",
     "it does not depend on the number of living neighbours alone"},
    {"eine Kleinsche Flasche; hier gibt es Torus, Quadrat und Spiegel",
     "a Klein bottle; here there are Torus, Square and Mirror"},
    {"eine Kreuzhaube; hier gibt es Torus, Quadrat und Spiegel", "a cross-cap; here there are Torus, Square and Mirror"},
    {"eine Kugel; hier gibt es Torus, Quadrat und Spiegel", "a sphere; here there are Torus, Square and Mirror"},
    {"verschoben oder verdreht verklebte Kanten; hier gibt es Torus, Quadrat und Spiegel",
     "edges glued with a shift or twist; here there are Torus, Square and Mirror"},
    {"in einer Richtung unbegrenzt; hier ist das Feld in beiden Richtungen begrenzt",
     "unbounded in one direction; here the field is bounded in both"},
    {"ein Rechteck aus {1} × {2} Zellen; hier ist das Feld quadratisch",
     "a rectangle of {1} × {2} cells; here the field is square"},
    {"größer als das größte Feld mit {3} × {3} Zellen", "larger than the largest field of {3} × {3} cells"},
    {"eine ungerade Seitenlänge; hier ist die Feldgröße gerade", "an odd side length; here the field size is even"},
    {"keine Angabe „Breite x Höhe“", "no statement “width x height”"},
    {"„S“", "“S”"},
    {"„B“", "“B”"},
    {"eine Zahl von 0 bis 8, „/“ oder „S“", "a number from 0 to 8, “/” or “S”"},
    {"eine Zahl von 0 bis 8, „/“ oder „B“", "a number from 0 to 8, “/” or “B”"},
    {"die Zahl der Zustände (ab 2)", "the number of states (from 2)"},
    {"eine Zahl von 0 bis 8 oder das Ende", "a number from 0 to 8 or the end"},
    {"eine Zahl von 0 bis 8 oder „/“", "a number from 0 to 8 or “/”"},
    {"eine Tabelle aus 86 Zeichen Base64", "a table of 86 base64 characters"},
    {"anlegen", "created"},
    {"beginnen", "started"},
    {"schreiben", "written"},
    {"abschließen", "finished"},
};
static_assert(std::size(kKlauseln) == static_cast<std::size_t>(K::abschliessen) + 1);

// Where -1 stands for a number too large to tell.
constexpr Paar kLangeWiederholung{"Die Wiederholungszahl mit über 15 Ziffern in Zeile {z} ist zu groß.",
                                  "The run count of more than 15 digits in line {z} is too large."};
constexpr Paar kUnzaehligeZustaende{"sie hat unzählige Zustände, hier gibt es zwei",
                                    "it has countless states, here there are two"};

/// The template with its places filled from the reason.
std::string fuelleAus(Sprache s, std::string_view vorlage, const storage::Ablehnung& g) {
    std::string text;
    for (std::size_t k = 0; k < vorlage.size(); ++k) {
        const std::size_t ende = vorlage[k] == '{' ? vorlage.find('}', k) : std::string_view::npos;
        if (ende == std::string_view::npos) {
            text += vorlage[k];
            continue;
        }
        const std::string_view platz = vorlage.substr(k + 1, ende - k - 1);
        k = ende;
        if (platz == "z") text += ziffernText(g.zeile);
        else if (platz == "1") text += ziffernText(g.zahl1);
        else if (platz == "2") text += ziffernText(g.zahl2);
        else if (platz == "3") text += ziffernText(g.zahl3);
        else if (platz == "n") text += zitat(s, g.name);
        else if (platz == "g") text += zitat(s, g.gelesen);
        else if (platz == "wo" && g.zeile > 0) text += (de(s) ? " in Zeile " : " in line ") + ziffernText(g.zeile);
        else if (platz == "r" && !g.name.empty()) text += " (" + g.name + ")";
        else if (platz == "c") {
            // A printable character quoted, any other byte by its code.
            const auto c = static_cast<unsigned char>(g.zahl1);
            if (c >= 0x21 && c < 0x7F) text += zitat(s, std::string(1, static_cast<char>(c)));
            else text += (de(s) ? "mit dem Code " : "with the code ") + ziffernText(c);
        } else if (platz == "k") {
            const Paar& p = g.klausel == K::zustaende && g.zahl1 < 0 ? kUnzaehligeZustaende
                                                                     : kKlauseln[static_cast<std::size_t>(g.klausel)];
            text += fuelleAus(s, de(s) ? p.deutsch : p.englisch, g);
        }
    }
    return text;
}

}  // namespace

std::string ablehnung(Sprache s, const storage::Ablehnung& grund) {
    storage::Ablehnung g = grund;
    // German quotes the board with its wrapping.
    if (de(s) && (g.art == AA::brettMitUmbruch || g.art == AA::brettOhneUmbruch))
        g.name += g.art == AA::brettMitUmbruch ? " mit Umbruch" : " ohne Umbruch";
    const Paar& p = g.art == AA::wiederholungZuGross && g.zahl1 < 0 ? kLangeWiederholung
                                                                   : kAblehnungen[static_cast<std::size_t>(g.art)];
    return fuelleAus(s, de(s) ? p.deutsch : p.englisch, g);
}

std::string problemGrund(Sprache s, const Problem& problem) {
    using F = Problem::Fall;
    const Problem& p = problem;
    // The file system's, the world reader's or the pattern reader's reason.
    const std::string grund = p.welt.grund != storage::Lesegrund::keiner ? lesefehler(s, p.welt)
                              : p.datei != storage::Dateigrund::keiner   ? dateigrund(s, p.datei)
                                                                         : ablehnung(s, p.grund);
    const std::string n = zitat(s, p.name, true);
    switch (p.fall) {
        case F::keiner: return {};
        case F::keineWelt:
            return de(s) ? "Die Datei " + n + " ist keine Welt: Weltdateien enden auf „.vir“, kleingeschrieben."
                         : "The file " + n + " is not a world: world files end in “.vir”, in small letters.";
        case F::nichtGelesen: return (de(s) ? "Die Datei " : "The file ") + n + " " + grund + ".";
        case F::suchmuster:
            return de(s) ? "Der Name " + n +
                               " enthält „*“ oder „?“: das sind Suchmuster, keine Zeichen eines Dateinamens."
                         : "The name " + n +
                               " contains “*” or “?”: these are search patterns, not characters of a file name.";
        case F::weltNichtGespeichert:
            return de(s) ? "Die Welt lässt sich nicht als " + n + " speichern: " + grund + "."
                         : "The world cannot be saved as " + n + ": " + grund + ".";
        case F::musterAbgelehnt: {
            const std::string von = p.name.empty() ? (de(s) ? "der Zwischenablage" : "the clipboard") : n;
            return von + ": " + grund;
        }
        case F::keinMusterformat:
            return de(s) ? "Die Endung " + n + " sagt kein Musterformat; möglich sind .rle, .cells, .lif und .life."
                         : "The ending " + n + " names no pattern format; possible are .rle, .cells, .lif and .life.";
        case F::musterNichtGespeichert:
            return de(s) ? "Das Muster lässt sich nicht als " + n + " speichern: " + grund + "."
                         : "The pattern cannot be saved as " + n + ": " + grund + ".";
        case F::nichtGespeichert:
            return de(s) ? "Die Datei " + n + " lässt sich nicht speichern: " + grund + "."
                         : "The file " + n + " cannot be saved: " + grund + ".";
        case F::nichtKodierbar:
            return de(s) ? "Die Datei " + n + " lässt sich nicht speichern: das Bild lässt sich nicht kodieren."
                         : "The file " + n + " cannot be saved: the picture cannot be encoded.";
        case F::eigenerSatz: return p.dazu ? grund + " " + ablehnung(s, p.dazu) : grund;
        case F::geburtBeiNull: return de(s) ? "Geburt bei 0 Nachbarn" : "birth on 0 neighbours";
        case F::keineSuppen: return de(s) ? "keine Suppen" : "no soups";
        case F::zensusAbgelehnt:
        case F::keinObjekt:
        case F::keineSuppeMit:
            return (de(s) ? "dem Zensus: " : "the census: ") + zensusGrund(s, p);
        case F::keinZensus:
            return de(s) ? "Es gibt noch keinen Zensus zum Speichern." : "There is no census to save yet.";
    }
    assert(false);
    return grund;
}

std::string problemText(Sprache s, const Problem& p) {
    using F = Problem::Fall;
    const char* bleibt = de(s) ? " Die Welt bleibt, wie sie war." : " The world stays as it was.";
    switch (p.fall) {
        case F::keineWelt:
        case F::nichtGelesen: return problemGrund(s, p) + bleibt;
        case F::suchmuster:
            return problemGrund(s, p) + (de(s) ? " Die Welt ist nicht gespeichert." : " The world is not saved.");
        case F::musterAbgelehnt: {
            const std::string von =
                p.name.empty() ? (de(s) ? "der Zwischenablage" : "the clipboard") : zitat(s, p.name, true);
            return (de(s) ? "Das Muster aus " + von + " lässt sich nicht einfügen. "
                          : "The pattern from " + von + " cannot be inserted. ") +
                   ablehnung(s, p.grund) + bleibt;
        }
        case F::geburtBeiNull:
            return de(s) ? "Eine Regel mit Geburt bei 0 Nachbarn füllt die unbegrenzte Ebene; dafür gibt es keinen Zensus."
                         : "A rule with birth on 0 neighbours fills the unbounded plane; there is no census for it.";
        case F::keineSuppen: return de(s) ? "Ein Zensus braucht mindestens eine Suppe." : "A census needs at least one soup.";
        case F::zensusAbgelehnt:
        case F::keinObjekt:
        case F::keineSuppeMit:
            return (de(s) ? "Das Muster aus dem Zensus lässt sich nicht einfügen. "
                          : "The pattern from the census cannot be inserted. ") +
                   zensusGrund(s, p) + bleibt;
        default: return problemGrund(s, p);
    }
}

std::string randName(Sprache s, engine::Rand rand) {
    static constexpr Paar kNamen[] = {{"Torus", "Torus"}, {"Quadrat", "Square"}, {"Spiegel", "Mirror"}};
    const Paar& p = kNamen[static_cast<int>(rand)];
    return de(s) ? p.deutsch : p.englisch;
}

std::string uebernahme(Sprache s, const Uebernahme& u) {
    std::string teile;
    auto teil = [&](const std::string& t) { teile += (teile.empty() ? "" : ", ") + t; };
    if (!u.regel.empty()) {
        teil((de(s) ? "Regel " : "rule ") + u.regel + (u.regelName.empty() ? "" : " (" + u.regelName + ")"));
        if (u.maske)
            teil(*u.maske == 255 ? (de(s) ? "alle acht Nachbarn" : "all eight neighbours")
                                 : (de(s) ? "Nachbarmaske " : "neighbour mask ") + ziffernText(*u.maske));
    }
    if (u.rand) {
        teil((de(s) ? "Rand " : "edge ") + randName(s, *u.rand));
        teil((de(s) ? "Feld " : "field ") + ziffernText(u.feld) + " × " + ziffernText(u.feld));
    }
    std::string text = teile.empty() ? teile : (de(s) ? "Übernommen: " : "Taken over: ") + teile + ".";
    if (u.eingefuegt) text = de(s) ? "Eingefügt; Regel und Rand bleiben." : "Inserted; rule and edge stay.";
    if (u.vergroessert > 0) {
        if (!text.empty()) text += ' ';
        text += (de(s) ? "Feld auf " : "Field grown to ") + ziffernText(u.vergroessert) + " × " +
                ziffernText(u.vergroessert) + (de(s) ? " vergrößert (Muster " : " (pattern ") + ziffernText(u.breite) +
                " × " + ziffernText(u.hoehe) + ").";
    }
    return text;
}

std::string regelBeschreibung(Sprache s, const std::string& regel, const std::string& name, int maske) {
    std::string text = (de(s) ? "Regel " : "Rule ") + regel;
    if (!name.empty()) text += " (" + name + ")";
    const int gezaehlt = std::popcount(static_cast<unsigned>(maske));
    if (gezaehlt != 8)
        text += (de(s) ? ", gezählt " : ", counting ") + ziffernText(gezaehlt) +
                (de(s) ? " von 8 Nachbarn (Maske " : " of 8 neighbours (mask ") + ziffernText(maske) + ")";
    return text;
}

std::string aufruffehler(Sprache s, const Aufruffehler& f) {
    using A = Aufruffehler::Art;
    const std::string w =
        zitat(s, f.wert, f.art == A::zweiteDatei || f.art == A::endung || f.art == A::zensusMitDatei);
    const std::string g = ziffernText(f.grenze);
    switch (f.art) {
        case A::keineDatei:
            return de(s) ? "Es fehlt die Datei mit der Welt oder dem Muster."
                         : "The file with the world or pattern is missing.";
        case A::zweiteDatei:
            return de(s) ? "Es geht nur eine Datei auf einmal; " + w + " ist eine zweite."
                         : "Only one file at a time; " + w + " is a second one.";
        case A::unbekannteOption:
            return de(s) ? "Die Option " + w + " gibt es nicht." : "There is no option " + w + ".";
        case A::ohneWert:
            return de(s) ? "Die Option " + w + " braucht einen Wert." : "The option " + w + " needs a value.";
        case A::mitWert:
            return de(s) ? "Die Option " + w + " nimmt keinen Wert." : "The option " + w + " takes no value.";
        case A::generationen:
            return de(s) ? "Die Zahl der Generationen " + w + " ist keine ganze Zahl von 0 bis " + g + "."
                         : "The number of generations " + w + " is not a whole number from 0 to " + g + ".";
        case A::maske:
            return de(s) ? "Die Maske " + w + " ist keine ganze Zahl von 0 bis 255."
                         : "The mask " + w + " is not a whole number from 0 to 255.";
        case A::rand:
            return de(s) ? "Den Rand " + w + " gibt es nicht; möglich sind torus, quadrat und spiegel."
                         : "There is no edge " + w + "; possible are torus, quadrat and spiegel.";
        case A::groesse:
            return de(s) ? "Die Feldgröße " + w + " ist keine gerade Zahl von 2 bis " + g + "."
                         : "The field size " + w + " is not an even number from 2 to " + g + ".";
        case A::grossVir:
            return de(s) ? "Weltdateien enden auf „.vir“, kleingeschrieben, nicht auf " + w + "."
                         : "World files end in “.vir”, in small letters, not in " + w + ".";
        case A::endung: {
            if (de(s)) return "Die Endung von " + w + " sagt kein Format; möglich sind " + f.endungen + ".";
            std::string endungen = f.endungen;
            if (const auto und = endungen.rfind(" und "); und != std::string::npos) endungen.replace(und, 5, " and ");
            return "The ending of " + w + " names no format; possible are " + endungen + ".";
        }
        case A::bildrate:
            return de(s) ? "Die Bildrate " + w + " ist keine ganze Zahl von 1 bis 50."
                         : "The frame rate " + w + " is not a whole number from 1 to 50.";
        case A::sprache:
            return de(s) ? "Die Sprache " + w + " gibt es nicht; möglich sind de und en."
                         : "There is no language " + w + "; possible are de and en.";
        case A::regel: return ablehnung(s, f.regel);
        case A::suppen:
            return de(s) ? "Die Zahl der Suppen " + w + " ist keine ganze Zahl von 1 bis 10^18."
                         : "The number of soups " + w + " is not a whole number from 1 to 10^18.";
        case A::wurzel:
            return de(s) ? "Die Wurzel " + w + " ist leer oder enthält Leerraum."
                         : "The root " + w + " is empty or contains white space.";
        case A::threads:
            return de(s) ? "Die Zahl der Threads " + w + " ist keine ganze Zahl von 1 bis 1024."
                         : "The number of threads " + w + " is not a whole number from 1 to 1024.";
        case A::teil:
            return de(s) ? "Der Teil " + w + " ist nicht K/M mit 1 ≤ K ≤ M." : "The share " + w + " is not K/M with 1 ≤ K ≤ M.";
        case A::zensusUndZusammen:
            return de(s) ? "Ein Zensus und das Zusammenführen gehen nicht auf einmal."
                         : "A census and a merge cannot run at once.";
        case A::keineZensusdateien:
            return de(s) ? "Es fehlen die Zensusdateien zum Zusammenführen." : "The census files to merge are missing.";
        case A::zensusMitDatei:
            return de(s) ? "Ein Zensus liest keine Datei; " + w + " ist zu viel."
                         : "A census reads no file; " + w + " is one too many.";
        case A::zensusB0:
            return de(s) ? "Ein Zensus braucht eine Regel ohne Geburt bei 0 Nachbarn; bei „B0“ füllt sich die Ebene "
                           "ohne Ende."
                         : "A census needs a rule without birth on 0 neighbours; with “B0” the plane fills without end.";
        case A::nurZensus:
            return de(s) ? "--wurzel, -j und --teil gehören zu --zensus." : "--wurzel, -j and --teil belong to --zensus.";
    }
    assert(false);
    return f.wert;
}

std::string stapelHilfe(Sprache s) {
    if (de(s))
        return "Aufruf: morlix-stapel [OPTION]... DATEI\n"
               "   oder: morlix-stapel --zensus=N [--wurzel=TEXT] [-r REGEL] [--maske=M] [-j THREADS] [--teil=K/M]\n"
               "                       [-o DATEI]\n"
               "   oder: morlix-stapel --zusammenfuehren DATEI... [-o DATEI]\n"
               "Lässt eine Welt (.vir) oder ein Muster (RLE, Plaintext, Life 1.05, Life 1.06, MCell, Makrozellen, auch\n"
               "gzip-gepackt) ohne Fenster Generationen weiterlaufen, genau wie im Fenster, und schreibt das Ergebnis.\n"
               "\n"
               "  -n, --generationen=N   so viele Generationen rechnen (Vorgabe: 1)\n"
               "  -r, --regel=REGEL      Regel in B/S-Form („B36/S23“), alter S/B-Form („23/3“) oder mit Namen\n"
               "                         („HighLife“), auch mit Gitter („B3/S23:T30,30“)\n"
               "      --maske=M          die gezählten Nachbarn, 0 bis 255 (Bit 0 links, dann im Uhrzeigersinn;\n"
               "                         255: alle acht)\n"
               "      --rand=RAND        torus, quadrat oder spiegel\n"
               "  -g, --groesse=N        Feldgröße, gerade, 2 bis 90; ein Muster muss hineinpassen (ohne -g wächst\n"
               "                         das Feld, bis es passt)\n"
               "  -o, --ausgabe=DATEI    das Ergebnis schreiben; die Endung wählt das Format: .vir (Welt), .rle,\n"
               "                         .cells, .lif, .life (Muster), .png (Bild des Feldes), .gif (Animation der\n"
               "                         letzten bis zu 100 Generationen)\n"
               "      --bildrate=B       Bilder je Sekunde der Animation, 1 bis 50 (Vorgabe: das Tempo,\n"
               "                         mit dem der Regler der Uhr beginnt, 4 Bilder je Sekunde)\n"
               "      --verlauf          je Generation eine Zeile „Generation;Lebend;Befund“\n"
               "      --sprache=de|en    Sprache der Ausgabe: de Deutsch (Vorgabe), en Englisch\n"
               "\n"
               "Zensus: was aus Zufallssuppen entsteht\n"
               "      --zensus=N         N Suppen (16 × 16 Zellen, halb gefüllt, wie beim Zensus der Gemeinschaft)\n"
               "                         auf der unbegrenzten Ebene laufen lassen, bis sie ruhen, und ihre Objekte\n"
               "                         zählen; Regel ohne B0, jede Maske\n"
               "      --wurzel=TEXT      Wurzel der Suppen (sonst eine neue, sie steht auf der Fehlerausgabe)\n"
               "  -j, --threads=N        so viele Threads (Vorgabe: alle Prozessorkerne)\n"
               "      --teil=K/M         nur den K-ten von M gleich großen Teilen der Suppen 0 bis N-1\n"
               "      --zusammenfuehren  die Zensusdateien DATEI... genau zu einer zusammenführen\n"
               "  Mit -o DATEI.csv wird der Zensus CSV („Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen“), mit\n"
               "  jedem anderen Namen und ohne -o der Zensustext der Gemeinschaft.\n"
               "\n"
               "  -h, --help             diese Hilfe zeigen und beenden\n"
               "  -V, --version          die Version zeigen und beenden\n"
               "\n"
               "Jede Einstellung ersetzt, was die Datei sagt. Ohne --verlauf endet die Ausgabe mit einer Zeile:\n"
               "Generation, lebende Zellen und Befund.\n"
               "\n"
               "Beispiel: das Startmuster 1000 Generationen lang als Animation\n"
               "  morlix-stapel -n 1000 -o start.gif start.rle\n"
               "Beispiel: 100000 Suppen von HighLife in zwei Hälften, dann zusammengeführt\n"
               "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=1/2 -o a.txt\n"
               "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=2/2 -o b.txt\n"
               "  morlix-stapel --zusammenfuehren a.txt b.txt -o alle.txt\n"
               "\n"
               "Rückgabewert: 0 fertig, 1 eine Datei war nicht zu lesen oder zu schreiben (oder Zensusdateien\n"
               "passten nicht zusammen), 2 der Aufruf war nicht zu verstehen.\n";
    return "Usage: morlix-stapel [OPTION]... FILE\n"
           "   or: morlix-stapel --zensus=N [--wurzel=TEXT] [-r RULE] [--maske=M] [-j THREADS] [--teil=K/M]\n"
           "                     [-o FILE]\n"
           "   or: morlix-stapel --zusammenfuehren FILE... [-o FILE]\n"
           "Runs a world (.vir) or a pattern (RLE, plaintext, Life 1.05, Life 1.06, MCell, macrocell, also\n"
           "gzip-packed) for generations without a window, exactly as in the window, and writes the result.\n"
           "\n"
           "  -n, --generationen=N   compute this many generations (default: 1)\n"
           "  -r, --regel=RULE       rule in B/S form (“B36/S23”), older S/B form (“23/3”) or by name\n"
           "                         (“HighLife”), also with a grid (“B3/S23:T30,30”)\n"
           "      --maske=M          the counted neighbours, 0 to 255 (bit 0 left, then clockwise;\n"
           "                         255: all eight)\n"
           "      --rand=EDGE        torus, quadrat (bounded) or spiegel (mirror)\n"
           "  -g, --groesse=N        field size, even, 2 to 90; a pattern must fit (without -g the field\n"
           "                         grows until it fits)\n"
           "  -o, --ausgabe=FILE     write the result; the ending chooses the format: .vir (world), .rle,\n"
           "                         .cells, .lif, .life (pattern), .png (picture of the field), .gif (animation\n"
           "                         of the last up to 100 generations)\n"
           "      --bildrate=F       frames per second of the animation, 1 to 50 (default: the pace the\n"
           "                         clock's slider starts at, 4 frames per second)\n"
           "      --verlauf          one line “Generation;Living;Finding” per generation\n"
           "      --sprache=de|en    language of the output: de German (default), en English\n"
           "\n"
           "Census: what comes of random soups\n"
           "      --zensus=N         run N soups (16 × 16 cells, half filled, as in the community's census)\n"
           "                         on the unbounded plane until they settle, and count their objects;\n"
           "                         a rule without B0, any mask\n"
           "      --wurzel=TEXT      root of the soups (else a fresh one, written to standard error)\n"
           "  -j, --threads=N        this many threads (default: all processor cores)\n"
           "      --teil=K/M         only the K-th of M equal shares of the soups 0 to N-1\n"
           "      --zusammenfuehren  merge the census files FILE... into exactly one\n"
           "  With -o FILE.csv the census is CSV (“Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen”), with\n"
           "  any other name and without -o the community's census text.\n"
           "\n"
           "  -h, --help             show this help and end\n"
           "  -V, --version          show the version and end\n"
           "\n"
           "Every setting replaces what the file says. Without --verlauf the output ends with one line:\n"
           "generation, living cells and finding.\n"
           "\n"
           "Example: the start pattern for 1000 generations as an animation\n"
           "  morlix-stapel -n 1000 -o start.gif start.rle\n"
           "Example: 100000 soups of HighLife in two halves, then merged\n"
           "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=1/2 -o a.txt\n"
           "  morlix-stapel --zensus=100000 --wurzel=probe -r b36s23 --teil=2/2 -o b.txt\n"
           "  morlix-stapel --zusammenfuehren a.txt b.txt -o alle.txt\n"
           "\n"
           "Exit status: 0 done, 1 a file could not be read or written (or census files did not fit\n"
           "together), 2 the command line was not understood.\n";
}

std::string stapelVersion(Sprache s) {
    return std::string("morlix-stapel (") + engine::kProgrammName + ") " + engine::kProgrammVersion +
           (de(s) ? "\nGeschrieben vom MorLix-Team.\n" : "\nWritten by the MorLix team.\n");
}

std::string schlusszeile(Sprache s, long long generation, const history::Befund& b) {
    return "Generation " + ziffernText(generation) + ": " +
           (de(s) ? anzahl(b.lebende, "lebende Zelle", "lebende Zellen")
                  : anzahl(b.lebende, "living cell", "living cells")) +
           ", " + befund(s, b);
}

std::string verlaufKopf(Sprache s) { return de(s) ? "Generation;Lebend;Befund" : "Generation;Living;Finding"; }

std::string ausgabeVoll(Sprache s) {
    return de(s) ? "Die Standardausgabe lässt sich nicht schreiben (ist der Datenträger voll?)."
                 : "Standard output cannot be written (is the disk full?).";
}

std::string zensusfehler(Sprache s, const Zensusfehler& f) {
    using A = Zensusfehler::Art;
    const std::string d = zitat(s, f.datei, true);
    switch (f.art) {
        case A::nichtGeschrieben:
            return de(s) ? "Die Datei " + d + " ließ sich nicht schreiben." : "The file " + d + " could not be written.";
        case A::nichtGelesen:
            return de(s) ? "Die Datei " + d + " ließ sich nicht lesen." : "The file " + d + " could not be read.";
        case A::keineZensusdatei: {
            const std::string zeile = f.zeile ? (de(s) ? " (Zeile " : " (line ") + ziffernText(f.zeile) + ")" : "";
            return (de(s) ? "Die Datei " + d + " ist keine Zensusdatei" : "The file " + d + " is not a census file") +
                   zeile + ".";
        }
        case A::passtNicht: {
            const auto fuer = [s](const std::string& wurzel, const std::string& regel) {
                return (de(s) ? "Wurzel " : "root ") + zitat(s, wurzel) + (de(s) ? " und Regel " : " and rule ") +
                       zitat(s, regel);
            };
            return (de(s) ? "Die Zensusdateien passen nicht zusammen: " + d + " gilt für "
                          : "The census files do not fit together: " + d + " holds for ") +
                   fuer(f.wurzel, f.regel) + ", " + zitat(s, f.ersteDatei, true) + (de(s) ? " für " : " for ") +
                   fuer(f.ersteWurzel, f.ersteRegel) + ".";
        }
    }
    assert(false);
    return {};
}

std::string zensusWurzel(Sprache s, const std::string& wurzel) { return (de(s) ? "Wurzel " : "Root ") + wurzel; }

std::string zensusFortschritt(Sprache s, long long suppen, long long gesamt, long long jeSekunde) {
    return ziffernText(suppen) + (de(s) ? " von " : " of ") + ziffernText(gesamt) + (de(s) ? " Suppen, " : " soups, ") +
           ziffernText(jeSekunde) + (de(s) ? " je Sekunde" : " per second");
}

}  // namespace texte
