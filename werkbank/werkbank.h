#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "edit/maus.h"
#include "edit/scrollen.h"
#include "engine/schritt.h"
#include "engine/welt.h"
#include "history/periode.h"
#include "history/zeitreihe.h"
#include "run/uhr.h"
#include "view/feldansicht.h"
#include "view/feldgroesse.h"
#include "view/pixelflaeche.h"
#include "werkbank/chronik.h"
#include "werkbank/einstellungen.h"
#include "zensus/zensus.h"

namespace storage {
struct Angaben;
struct Muster;
}

namespace werkbank {

/// What a verb changed, as bits for Beobachter::geaendert.
enum Aenderung : std::uint32_t {
    kZellen = 1u << 0,          ///< the cells: the field is drawn anew
    kGroesse = 1u << 1,         ///< the field size and the size menu's check mark
    kZaehler = 1u << 2,         ///< the generation counter's text
    kRegel = 1u << 3,           ///< the rule boxes
    kMaske = 1u << 4,           ///< the neighbour mask
    kRand = 1u << 5,            ///< the edge mode
    kFarben = 1u << 6,          ///< colours, colour fields and the grid switch
    kUhr = 1u << 7,             ///< running or not, interval and speed figure
    kGenerationen = 1u << 8,    ///< the generations-per-tick text
    kRueckblick = 1u << 9,      ///< the look-back position and its depth text
    kBefund = 1u << 10,         ///< the finding about the run
    kRadWaagerecht = 1u << 11,  ///< the horizontal wheel is drawn anew at radWinkel
    kRadSenkrecht = 1u << 12,   ///< the vertical wheel likewise
    kZeiger = 1u << 13,         ///< the coordinates of the cell under the pencil's tip
    kZeichenModus = 1u << 14,   ///< draw or erase
    kTitel = 1u << 15,          ///< the window caption
    kChronik = 1u << 16,        ///< what undo and redo would do, and whether the world was changed
    kSprache = 1u << 17,        ///< the language every text is told in
    kAlles = (1u << 18) - 1,
};

/// Receives the model's changes, so that a window shows only what changed.
class Beobachter {
public:
    virtual ~Beobachter() = default;
    /// Once at the end of every verb that changed something, with its Aenderung bits.
    virtual void geaendert(std::uint32_t was) = 0;
    /// A drag set one cell; it is painted alone, the field is not drawn anew.
    virtual void zelleGemalt(const edit::Gemalt& gemalt) = 0;
};

/// The two rows of boxes.
enum class Reihe { Ueberleben, Geburt };

/// What a file verb has to tell the user; nothing when all went well.
struct Meldung {
    enum class Art { keine, hinweis, warnung };
    Art art = Art::keine;
    /// What went wrong, or what of a file could not be taken.
    texte::Problem problem;
    /// What the verb took over or changed besides what was asked (a rule, an edge, a larger field).
    texte::Uebernahme uebernahme;
    /// One or two sentences for a message box.
    std::string text(texte::Sprache s = texte::Sprache::deutsch) const { return texte::problemText(s, problem); }
    /// The sentence that names the problem alone, without what it means for the window.
    std::string grund(texte::Sprache s = texte::Sprache::deutsch) const { return texte::problemGrund(s, problem); }
    /// What was taken over, one sentence for the help line; empty when nothing.
    std::string hilfe(texte::Sprache s = texte::Sprache::deutsch) const { return texte::uebernahme(s, uebernahme); }
    explicit operator bool() const { return art != Art::keine; }
};

/// A rule known by name, as the rule menu lists it.
struct BenannteRegel {
    std::string name;
    std::string notation;
};

/// A census as its window shows it.
struct ZensusBericht {
    /// What runs: the rule, the neighbours and the root (drawn when none was given), soups 0..bis-1.
    zensus::Auftrag auftrag;
    zensus::Stand stand;
    bool laeuft = false;
    /// Soups finished per second of the census's time so far; 0 before the first.
    double suppenJeSekunde = 0;
    /// Seconds until the last soup at that pace, while it runs and the pace is known.
    std::optional<double> restSekunden;
};

/// Everything the user can change on the workbench and every verb the user has, without a
/// toolkit: the window shows this model and forwards the user's actions to it.
class Werkbank {
public:
    /// The design state, before start().
    Werkbank();
    ~Werkbank();
    Werkbank(const Werkbank&) = delete;
    Werkbank& operator=(const Werkbank&) = delete;

    /// Adds an observer; changes reach every observer in the order of adding.
    void beobachte(Beobachter& b);
    /// Removes an observer; it hears nothing more.
    void vergiss(Beobachter& b);

    // ---- What there is to see ----
    /// The cells, the memory ring and the neighbour mask.
    const engine::Welt& welt() const { return *welt_; }
    /// N, the visible field's side: even, 2..90.
    int feldGroesse() const { return welt_->feldGroesse; }
    /// The fixed size menu item that carries the check mark (index into view::kFesteGroessen), or -1.
    int groessenHaken() const { return groessenHaken_; }
    /// The nine boxes of a row as they show, partly ticked ones included.
    const Kaesten& kaesten(Reihe r) const { return r == Reihe::Ueberleben ? ueberleben_ : geburt_; }
    /// The rule the next step uses: the ticked boxes.
    engine::Regel regel() const;
    /// Which neighbours count: bit b for direction b, left first and then clockwise.
    std::uint8_t maske() const { return welt_->nachbarMaske; }
    /// How the field's edges behave.
    engine::Rand rand() const { return rand_; }
    /// Colours, colour fields and the grid switch, as the field is drawn.
    const view::Anzeige& anzeige() const { return anzeige_; }
    /// The generation counter as shown; typed text stays until the next step.
    const std::string& zaehlerText() const { return zaehlerText_; }
    /// The generations a tick runs, as typed.
    const std::string& generationenText() const { return generationenText_; }
    /// Whether the clock runs.
    bool laeuft() const { return laeuft_; }
    /// The clock's tick: 1000 ms at start, then ten times the slider's value.
    int intervallMs() const { return intervallMs_; }
    /// The step-interval slider's value: 100 at the left (slow) end, 1 at the right.
    int tempo() const { return tempo_; }
    /// The speed figure beside the slider, "75" at start.
    const std::string& tempoText() const { return tempoText_; }
    /// The look-back slider: 99 the present, 99 - k for k generations back.
    int rueckblickWert() const { return rueckblickWert_; }
    /// The look-back depth as shown: "0" at start, " 0" for the present, "-1" to "-99".
    const std::string& tiefeText() const { return tiefeText_; }
    /// What is known about the run: living cells, period, travel.
    const history::Befund& befund() const { return periodensuche_->befund(); }
    /// The last generations of the current run, for a chart.
    const history::Zeitreihe& zeitreihe() const { return *zeitreihe_; }
    /// Held arrows and wheels, and the wheels' angle.
    const edit::Scrollen& scrollen() const { return scrollen_; }
    /// What a drag with the right button does: 0 draw, 1 erase.
    int zeichenModus() const { return maus_.zeichenModus; }
    /// Column and row of the cell under the pencil's tip, as shown below the field.
    const std::string& spalteText() const { return spalteText_; }
    const std::string& zeileText() const { return zeileText_; }
    /// The window's caption: "MorLix 2.2", "Morlix 1.0" after "neu", or with the file's path.
    const std::string& titel() const { return titel_; }
    /// Remembered generations an animation would show, oldest first: at least the present.
    int animationsBilder() const;

    // ---- Start, step and clock ----
    /// Start-up: empty world of 30, start colours, wheels, example pattern 3, clock running.
    void start();
    /// One generation by hand.
    void einzelschritt();
    /// Starts or stops the clock.
    void laufUmschalten();
    /// Stops the clock and sets the counter to " 0".
    void anhaltenUndNull();
    /// A tick of the clock: n generations, shown once. True when the tick continues in a
    /// further slice (call taktWeiter() once pending events have run).
    bool takt();
    /// The next slice of a long tick; true while more follow.
    bool taktWeiter();
    /// Watches every generation of generationen(): the counter's value after it, and the finding.
    using Zuschauer = std::function<void(double generation, const history::Befund& befund)>;
    /// n generations as one tick of the clock makes them (memory, counter, finding), whether the
    /// clock runs or not; with a watcher the finding is made after every one of them.
    void generationen(long long n, const Zuschauer& jede = {});
    /// The step-interval slider moved to `wert` (1..100).
    void setzeTempo(int wert);
    /// The generations-per-tick text as typed; read at the next tick.
    void setzeGenerationenText(std::string text);
    /// "+1" on the generations per tick; nothing from 999 on.
    void generationenPlus();
    /// "-1" on the generations per tick; nothing at 1 and below.
    void generationenMinus();
    /// The counter's text as typed; the next step reads its leading number.
    void setzeZaehlerText(std::string text);

    // ---- Rule, neighbours, edges, size, colours ----
    /// A click on a rule box: ticked becomes clear, anything else ticked.
    void kastenGeklickt(Reihe reihe, int anzahl);
    /// "ok" in the neighbour matrix; counts from the next step on.
    void setzeMaske(std::uint8_t maske);
    /// An edge mode; the run starts anew.
    void setzeRand(engine::Rand rand);
    /// A fixed size menu item (0..2).
    void festeGroesse(int item);
    /// "frei" after the input box: the entered text, or nothing when cancelled.
    void freieGroesse(const std::optional<std::string>& eingabe);
    /// A rule as typed, in B/S or S/B notation or by name, with an optional bounded grid
    /// (":T30,30"): sets the boxes, the neighbours only when the text names them, and the grid's
    /// edge and size. Anything else is refused with a sentence, and nothing changes.
    Meldung setzeRegelText(const std::string& text);
    /// The same for a rule and grid already read; one undo step, said in the help line.
    Meldung setzeAngaben(const storage::Angaben& angaben);
    /// The text "Regel eingeben…" starts with: the rule in force, so that taking it changes nothing.
    std::string regelEingabeText() const;
    /// The rules known by name, in the order of the rule menu.
    static std::vector<BenannteRegel> benannteRegeln();
    /// The rule in force as the literature writes it ("B3/S23"), with its name where it has one
    /// and the counted neighbours when not all eight count.
    std::string regelBeschreibung(texte::Sprache sprache = texte::Sprache::deutsch) const;
    /// The name of the rule in force with all eight neighbours ("HighLife"); empty when it has none.
    std::string regelName() const;
    /// A field size (even, 2..90) without the menu's check mark; other sizes are ignored.
    void setzeGroesse(int n);
    /// "Raster ein/aus".
    void rasterUmschalten();
    /// The language the program speaks to the user.
    texte::Sprache sprache() const { return sprache_; }
    /// Chooses the language; every text that shows the model's state is told anew.
    void setzeSprache(texte::Sprache sprache);
    /// A colour chosen for a colour field.
    void setzeFarbe(view::FarbZiel ziel, view::Farbe farbe);

    // ---- Editing ----
    /// A press on the field at (x, y) in field coordinates: the left button toggles the cell under the
    /// pencil's tip, any other starts a stroke.
    void mausRunter(int knopf, double x, double y);
    /// A pointer move over the field: shows the tip's cell and, during a stroke, sets one cell.
    void mausBewegt(double x, double y);
    /// Any button released: a stroke ends.
    void mausHoch();
    /// The keyboard's cell cursor appears on the field, where it last was, and its cell is shown
    /// in the coordinates.
    void zeigerAn();
    /// The cell cursor goes; a stroke it drew ends.
    void zeigerAus();
    /// Moves the cell cursor by (dx, dy), never off the field. With `malen` it sets the cells it
    /// leaves and reaches as a drag with the right button does, one stroke until strichEnde().
    void zeigerBewegen(int dx, int dy, bool malen);
    /// Toggles the cell under the cell cursor as a left click does.
    void zeigerSchalten();
    /// The stroke of the cell cursor ends (Shift released).
    void zeigerStrichEnde();
    /// The cell cursor's cell in field coordinates, or nothing while it is not shown.
    std::optional<edit::Zelle> zeiger() const {
        return zeigerSichtbar_ ? std::optional<edit::Zelle>(zeiger_) : std::nullopt;
    }
    /// 0 draw, 1 erase for drags with the right button.
    void waehleZeichenModus(int modus);
    /// "Zellen löschen".
    void zellenLoeschen();
    /// "neu": empty world, caption "Morlix 1.0"; counter, memory, rule and clock stay.
    void neu();
    /// Inserts example pattern `index` (0..16) in state 1.
    void beispielEinfuegen(int index);
    /// A rule drawn at random: each survival count and each birth count from 1 up ticked with
    /// chance `anteil` (0..1), birth on 0 only with `mitNull`; the neighbours stay.
    void zufallsregel(double anteil, bool mitNull);
    /// The visible field cleared and each of its cells set in state 1 with chance `dichte` (0..1).
    void zufallsfeld(double dichte);
    /// Makes every later draw of the dice repeat for the same seed.
    void saeZufall(std::uint64_t saat) { zufall_.seed(saat); }

    // ---- Scrolling ----
    /// A "1" button.
    void scrollSchritt(int richtung);
    /// An arrow pressed: the caller repeats scrollWiederholung() while scrollen().scrollGedrueckt.
    void scrollHalten();
    /// One pass of a held arrow.
    void scrollWiederholung(int richtung);
    /// A release on an arrow or a wheel.
    void scrollLoslassen();
    /// A press on the horizontal wheel at x: held, and its angle back to 0.
    void radWaagerechtRunter(float x);
    /// A pointer move over the horizontal wheel: one cell towards the pointer while held.
    void radWaagerechtBewegt(float x);
    /// A press on the vertical wheel at y.
    void radSenkrechtRunter(float y);
    /// A pointer move over the vertical wheel: one cell towards the pointer while held.
    void radSenkrechtBewegt(float y);

    // ---- Generation memory ----
    /// The look-back slider moved to v (0..99); while the clock runs it jumps back to 99. Looking
    /// alone leaves the world unchanged for veraendert(); going on from the past does not.
    void rueckblick(int v);
    /// "x": clears the memory; a slider in the past comes back to 99, which empties a stopped world.
    void gedaechtnisLoeschen();

    // ---- Undo ----
    /// Takes back the latest step of the user's work: cells with their ages, every setting and
    /// the caption when the step changed it; stops the clock. Undoing generations clears the
    /// memory, which held their future.
    void rueckgaengig();
    /// Makes the step undone last again.
    void wiederholen();
    /// What undo and redo would do, named by texte::schritt; Schritt::keiner when nothing.
    texte::Schrittname rueckgaengigName() const { return chronik_.rueckgaengigName(); }
    texte::Schrittname wiederholenName() const { return chronik_.wiederholenName(); }
    /// Everything besides the cells that undo gives back.
    Einstellungen einstellungen() const;
    /// Whether the world was edited since it was last saved, loaded or made new.
    bool veraendert() const { return chronik_.veraendert(); }
    const Chronik& chronik() const { return chronik_; }

    // ---- Census ----
    /// Starts a census of soups 0..suppen-1 of `wurzel` (a fresh root when empty) under the rule
    /// and neighbours in force, in a worker per core; a census still running ends first. A rule
    /// with birth on 0 neighbours or no soups is refused with a sentence, and nothing changes.
    Meldung zensusStarten(std::uint64_t suppen, const std::string& wurzel);
    /// Asks the census to stop; what it found stays.
    void zensusAnhalten();
    /// The census as far as it has come, also while its workers run; nothing before the first start.
    std::optional<ZensusBericht> zensus();
    /// Puts one phase of the object a census code names into the middle of the field, under the
    /// census's rule and neighbours; one undo step.
    Meldung objektEinfuegen(const std::string& code);
    /// Clears the field and puts the first soup that held the code into its middle, under the
    /// census's rule and neighbours; one undo step.
    Meldung suppeZeigen(const std::string& code);
    /// Saves the census as CSV when the name ends in ".csv", otherwise as census text; before the
    /// first census there is nothing to save, which is said.
    Meldung speichereZensus(const std::filesystem::path& pfad);
    /// The common name of the object a code names ("Gleiter", "glider"); empty when it has none.
    static std::string objektName(std::string_view code, texte::Sprache sprache = texte::Sprache::deutsch);
    /// The kind of an object as the table shows it: "Stillleben", "Oszillator P2", "Raumschiff c/4"
    /// ("still life", "oscillator P2", "spaceship c/4").
    static std::string artText(const zensus::Merkmale& merkmale, texte::Sprache sprache = texte::Sprache::deutsch);

    // ---- Files ----
    /// Whether a name is that of a world file: it ends in ".vir", in lower case ("X.VIR" is none).
    static bool istWeltName(const std::filesystem::path& pfad);
    /// Loads a world file completely or, with a warning, not at all.
    Meldung ladeWelt(const std::filesystem::path& pfad);
    /// Saves the world under the name (".vir" appended unless it ends so) so that the file is
    /// always the old or the complete new one.
    Meldung speichereWelt(std::filesystem::path pfad);
    /// A pattern file replaces the cells, and what it states of rule and bounded grid is taken
    /// over (the neighbours only when its rule names them); what it does not state stays. A
    /// pattern larger than the field grows it to the smallest size that holds it; with `feld`,
    /// or a grid taken over, the field has that size and a larger pattern is refused, never cut.
    /// One undo step; the help line says what was taken over, a hint what could not be.
    Meldung importiereMuster(const std::filesystem::path& pfad, std::optional<int> feld = {});
    /// Adds the living cells of a pattern text from the file named `herkunft` (empty: the
    /// clipboard) to the world; rule and grid stay, the field grows as on import. With
    /// `ersetzen`, as an import.
    Meldung fuegeMusterEin(const std::string& text, const std::string& herkunft = {}, bool ersetzen = false);
    /// A file named on the command line: a world, or a pattern imported (in a field of size
    /// `feld`, if given); either is unchanged until edited.
    Meldung oeffne(const std::filesystem::path& pfad, std::optional<int> feld = {});
    /// The living cells of the visible field as an RLE pattern.
    std::string musterText() const;
    /// Saves the living cells in the pattern format the name's ending chooses (".rle" when it has
    /// none); an ending of no pattern format is refused.
    Meldung exportiereMuster(std::filesystem::path pfad);
    /// The field as it is drawn, as a PNG file.
    Meldung speichereBild(std::filesystem::path pfad, const view::Systemfarben& system);
    /// The time series of the run as a table for a spreadsheet (CSV).
    Meldung speichereVerlauf(std::filesystem::path pfad);
    /// The remembered generations as an animated GIF, drawn with the given system colours, each
    /// shown for `bildMs` milliseconds (at least 20), by default the clock's interval.
    Meldung speichereAnimation(std::filesystem::path pfad, const view::Systemfarben& system,
                               std::optional<int> bildMs = std::nullopt);

private:
    class Vorgang;
    void uebernimm(const Einstellungen& e);
    /// Ends the open history step, recording it if it changed anything; `weiter`: generations
    /// continue from it.
    void schliesseSchritt(bool weiter = false);
    /// Undo and redo: the cells of a step as `neu` says, then the settings.
    void stelleHer(const Eintrag& e, bool neu);
    Meldung fuegeEin(const std::string& text, const std::string& herkunft, bool ersetzen, std::optional<int> feld);
    /// Takes over the rule (the neighbours only when named), edge and size `angaben` states;
    /// what was taken, as "Übernommen: Regel B3/S23 (Life), Rand Torus, Feld 40 × 40.", or nothing.
    texte::Uebernahme uebernimm(const storage::Angaben& angaben);
    /// Sets the field size, with the menu's check mark when it is a fixed size.
    void groesseMitHaken(int n);
    /// The census as census text, or as CSV; empty before the first census.
    std::string zensusText(bool csv);
    /// Puts a pattern read or made into the world as one step of kind `schritt`: replacing the cells
    /// and taking over what it states (`ersetzen`), or adding its cells; the field grows to hold
    /// it unless `feld` fixes the size. A pattern from `herkunft` (a census step: from the census)
    /// that does not fit is refused.
    Meldung setzeMusterEin(const storage::Muster& muster, const std::string& herkunft, bool ersetzen,
                           std::optional<int> feld, texte::Schritt schritt);
    /// Adds change bits to report when the outermost verb ends.
    void melde(std::uint32_t was) { anstehend_ |= was; }
    /// The cells changed outside a step: a new run starts and the field is drawn anew.
    void weltGeaendert(std::uint32_t auch = 0);
    void gescrollt(const edit::Gescrollt& g);
    void waehleGroesse(const view::Groessenwahl& wahl);
    void nachSchritten(long long anzahl);
    /// A new run of the period search and the time series starts at the present field.
    void neuerLauf();
    /// After one generation: the time series takes it, and with `suchen` the period search too.
    void nachGeneration(const engine::Welt& w, bool suchen, double generation);
    /// Whether the cells differ from the memory's present slot (edited since the last step).
    bool gegenwartBearbeitet() const;

    std::unique_ptr<engine::Welt> welt_;
    std::vector<Beobachter*> beobachter_;
    std::uint32_t anstehend_ = 0;
    int tiefe_ = 0;  // verbs running inside each other
    long long gemeldeterStand_ = 0;  // the history's stand() the observers last heard of

    Kaesten ueberleben_{0, 0, 1, 1, 0, 0, 0, 0, 0};
    Kaesten geburt_{0, 0, 0, 1, 0, 0, 0, 0, 0};
    engine::Rand rand_ = engine::Rand::Torus;
    int groessenHaken_ = 0;
    view::Anzeige anzeige_;

    std::string zaehlerText_ = "0";
    std::string generationenText_ = "1";
    bool laeuft_ = false;
    int intervallMs_ = 1000;
    int tempo_ = run::kReglerStart;
    std::string tempoText_ = "75";
    run::Zeitraffer zeitraffer_;

    int rueckblickWert_ = 99;
    std::string tiefeText_ = "0";
    int ringStaende_ = 0;  // states of the memory ring written since it was last cleared, at most 100
    std::unique_ptr<history::Periodensuche> periodensuche_;
    std::unique_ptr<history::Zeitreihe> zeitreihe_;

    edit::Maus maus_;
    edit::Zelle zeiger_;
    bool zeigerSichtbar_ = false;
    bool zeigerStrich_ = false;
    bool strichGemalt_ = false;
    std::string spalteText_;
    std::string zeileText_;
    edit::Scrollen scrollen_;

    std::string titel_;
    texte::Sprache sprache_ = texte::Sprache::deutsch;
    Chronik chronik_;
    std::mt19937_64 zufall_{std::random_device{}()};

    // The census last started, its order, and its time so far.
    std::unique_ptr<zensus::Zensus> zensus_;
    zensus::Auftrag zensusAuftrag_;
    std::chrono::steady_clock::time_point zensusBeginn_;
    std::optional<std::chrono::steady_clock::duration> zensusDauer_;  // once it has stopped
};

}  // namespace werkbank
