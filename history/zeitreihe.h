#pragma once

#include <cstdint>
#include <string>

#include "engine/welt.h"
#include "history/periode.h"

namespace history {

/// Generations a time series keeps.
inline constexpr int kZeitreihenLaenge = 10000;

/// One generation of a run as a chart sees it.
struct Messpunkt {
    /// The generation counter after the step.
    double generation = 0;
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

/// The last kZeitreihenLaenge generations of the current run. Fixed size (about 240 kB, so
/// allocate it once), allocates nothing. A run calls beginne() where it starts, erfasse() after
/// every step, a few stores even inside a time-lapse tick, and mitBefund() after the steps the
/// period search watches, once its nachSchritt() has run.
class Zeitreihe {
public:
    /// Forgets every generation; for a new run.
    void leeren() { anfang_ = groesse_ = 0; }
    /// Starts a new run at the present field as generation `generation`, no births or deaths.
    void beginne(double generation, const engine::Welt& w);
    /// Appends generation `generation` with what the step that built it counted (w.bilanz);
    /// beyond kZeitreihenLaenge the oldest goes.
    void erfasse(double generation, const engine::Welt& w);
    /// Gives the newest generation the period search's finding for it; nothing while empty.
    void mitBefund(const Befund& befund);

    /// Generations held, at most kZeitreihenLaenge.
    int groesse() const { return groesse_; }
    /// The i-th generation held, 0 the oldest; valid for i below groesse().
    const Messpunkt& operator[](int i) const { return punkte_[(anfang_ + i) % kZeitreihenLaenge]; }

    /// The series for a spreadsheet: UTF-8, ';' between fields, CR LF after each line, the
    /// header "Generation;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y", then one line a
    /// generation, oldest first, numbers without blanks; the last three fields are empty where
    /// the period search did not look, periode 0 where it found none.
    std::string csv() const;

private:
    Messpunkt& neuerPunkt(double generation);

    Messpunkt punkte_[kZeitreihenLaenge] = {};
    int anfang_ = 0;
    int groesse_ = 0;
};

}  // namespace history
