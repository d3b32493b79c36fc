#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/welt.h"
#include "texte/texte.h"
#include "werkbank/einstellungen.h"

namespace werkbank {

/// How a verb enters the history of the user's work.
enum class Art : std::uint8_t {
    keine,        ///< not a step of the history (clock switch, speed, typing, choosing draw or erase)
    Bearbeitung,  ///< one step of its own
    Lauf,         ///< generations: a run of the clock or single steps, one step until stopped or edited
    Strich,       ///< one stroke of the right button, from press to release
    Scrollen,     ///< one held arrow or one wheel drag, until released
    Rueckblende,  ///< moving the look-back slider, until something else happens; an edit only when
                  ///< generations go on from a past that differs from the world it replaced
};

/// One cell's change: storage index 101 * x + y, state before and after.
struct ZellAenderung {
    std::uint16_t index;
    std::int8_t alt;
    std::int8_t neu;
};

/// One step of the history: what changed, not copies of the world.
struct Eintrag {
    texte::Schritt schritt = texte::Schritt::keiner;
    bool lauf = false;
    /// An edit of the world: not generations, not a mere look at the past.
    bool bearbeitung = true;
    Einstellungen vorher;
    Einstellungen nachher;
    std::vector<ZellAenderung> zellen;
    /// Generations of a run.
    long long generationen = 0;
    /// The memory ring a step cannot be undone or redone without: for a run the ring after it,
    /// kept while the run is undone; for any other step the ring before it.
    std::optional<engine::GedaechtnisAbzug> gedaechtnis;
    /// Memory the step holds, about.
    std::size_t bytes() const;
};

/// The history of the user's work for undo and redo: at least kMinSchritte steps, never much more
/// than kMaxBytes. Knows whether an edit happened since the world was last saved or loaded.
class Chronik {
public:
    static constexpr std::size_t kMinSchritte = 1000;
    static constexpr std::size_t kMaxBytes = 64u << 20;

    /// The cells as they are; the next step's changes are taken against them.
    void setzeReferenz(const engine::Welt& welt);
    /// The open step, if any, and its kind.
    Art offen() const { return offen_ ? offen_->art : Art::keine; }
    /// Opens a step of kind `art` (not keine) with the settings before it.
    void oeffne(Art art, texte::Schritt schritt, const Einstellungen& vorher);
    /// Adds generations to an open run, for its name.
    void generationen(long long anzahl);
    /// Keeps the memory ring as it is before the open step, which replaces it.
    void merkeGedaechtnisVorher(engine::GedaechtnisAbzug ring);
    /// Keeps the memory ring after the run just undone, for its redo.
    void merkeGedaechtnisNachLauf(engine::GedaechtnisAbzug ring);
    /// Lets go of the ring kept for the run just redone.
    void vergissGedaechtnisNachLauf();
    /// Closes the open step with the cells and settings after it; a step that changed nothing
    /// is dropped. `weiter`: generations continue from its end, so a look-back that changed the
    /// cells replaced the world. True when a step was recorded.
    bool schliesse(const engine::Welt& welt, const Einstellungen& nachher, bool weiter = false);

    /// The step undo would take back, or nothing; the open step must be closed first.
    const Eintrag* zurueck();
    /// The step redo would make again, or nothing.
    const Eintrag* vor();
    /// What undo and redo would do; Schritt::keiner when nothing. An open step counts.
    texte::Schrittname rueckgaengigName() const;
    texte::Schrittname wiederholenName() const;

    /// The world was saved or loaded now.
    void sauber() {
        sauber_ = position_;
        ++stand_;
    }
    /// Whether an edit (not generations, not a look-back alone) lies between the last save or
    /// load and now.
    bool veraendert() const;
    /// Changes whenever a step is opened, closed, undone or redone, and at every save or load:
    /// what undo and redo would do and veraendert() are as before while it stays.
    long long stand() const { return stand_; }

    std::size_t schritte() const { return eintraege_.size(); }
    std::size_t bytes() const { return bytes_; }

private:
    struct Offen {
        Art art;
        texte::Schritt schritt;
        long long generationen = 0;
        Einstellungen vorher;
        std::optional<engine::GedaechtnisAbzug> gedaechtnis;
    };
    /// The cells that differ from the reference, which takes them over.
    void aenderungen(const engine::Welt& welt, std::vector<ZellAenderung>& zellen);

    std::int8_t referenz_[engine::kDim * engine::kDim] = {};
    std::optional<Offen> offen_;
    std::deque<Eintrag> eintraege_;
    std::size_t bytes_ = 0;
    long long basis_ = 0;     // absolute number of the first kept step
    long long position_ = 0;  // absolute number of steps done
    long long sauber_ = 0;    // position at the last save or load; -1 when no longer reachable
    long long stand_ = 0;
};

}  // namespace werkbank
