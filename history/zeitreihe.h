#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/welt.h"
#include "history/periode.h"

namespace history {

/// Generations a time series keeps.
inline constexpr int kZeitreihenLaenge = 10000;

/// One generation of a run as a chart sees it.
struct Messpunkt {
    /// The run's own count: 0 where it started, then 1, 2, ...
    long long generation = 0;
    /// The generation counter's value after the step.
    double zaehler = 0;
    /// Living cells of the field.
    std::int32_t lebende = 0;
    /// Cells born in the step that built it.
    std::int32_t geburten = 0;
    /// Cells that died in that step.
    std::int32_t tode = 0;
    /// The period of the search's finding (see Befund); -1 for a generation it did not see.
    std::int8_t periode = -1;
    /// The finding's move, x to the right and y downward.
    std::int8_t dx = 0;
    std::int8_t dy = 0;
};

/// A mark on a chart's generation axis: a whole generation of the run and the counter's text
/// there as the counter shows it (" 41").
struct Achsenmarke {
    long long generation;
    std::string zaehler;
};

/// The last kZeitreihenLaenge generations of the current run. Fixed size (about 320 kB, so
/// allocate it once), allocates nothing. A run calls beginne() where it starts, erfasse() after
/// every step, a few stores even inside a time-lapse tick, and mitBefund() after the steps the
/// period search watches, once its nachSchritt() has run.
class Zeitreihe {
public:
    /// Forgets every generation; for a new run.
    void leeren() { anfang_ = groesse_ = 0; naechste_ = 0; }
    /// Starts a new run at the present field as its generation 0, the counter at `zaehler`, no
    /// births or deaths.
    void beginne(double zaehler, const engine::Welt& w);
    /// Appends the run's next generation, the counter at `zaehler`, with what the step that built
    /// it counted (w.bilanz); beyond kZeitreihenLaenge the oldest goes.
    void erfasse(double zaehler, const engine::Welt& w);
    /// Gives the newest generation the period search's finding for it; nothing while empty.
    void mitBefund(const Befund& befund);

    /// Generations held, at most kZeitreihenLaenge.
    int groesse() const { return groesse_; }
    /// The i-th generation held, 0 the oldest; valid for i below groesse().
    const Messpunkt& operator[](int i) const { return punkte_[(anfang_ + i) % kZeitreihenLaenge]; }
    /// Whether the run's first generations are no longer held.
    bool gekuerzt() const { return groesse_ > 0 && (*this)[0].generation > 0; }
    /// The generations the run has made so far (its newest generation's count).
    long long laenge() const { return naechste_ > 0 ? naechste_ - 1 : 0; }
    /// Where the period of the newest finding was first found: the index of the first generation
    /// of the newest stretch with that period; -1 while no period is known.
    int periodeGefunden() const;
    /// At most `hoechstens` (at least 2) marks for the generation axis, at whole multiples of 1, 2
    /// or 5 times a power of ten, every one a different generation; none while empty.
    std::vector<Achsenmarke> achsenMarken(int hoechstens) const;

    /// The series for a spreadsheet: UTF-8, ';' between fields, CR LF after each line, the
    /// header "Generation;Zähler;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y", then one line
    /// a generation, oldest first, numbers without blanks; the last three fields are empty where
    /// the period search did not look, periode 0 where it found none.
    std::string csv() const;

private:
    Messpunkt& neuerPunkt(double zaehler);

    Messpunkt punkte_[kZeitreihenLaenge] = {};
    int anfang_ = 0;
    int groesse_ = 0;
    long long naechste_ = 0;  // the run generation the next point gets
};

}  // namespace history
