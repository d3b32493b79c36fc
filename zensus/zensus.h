#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/schritt.h"
#include "zensus/apgcode.h"
#include "zensus/tabelle.h"

namespace zensus {

/// What a census runs: soups von..bis-1 of a root, under a rule and neighbour mask.
struct Auftrag {
    std::string wurzel;
    /// Any rule without birth on 0 neighbours.
    engine::Regel regel = engine::Regel::standard();
    std::uint8_t nachbarMaske = 255;
    std::uint64_t von = 0;
    std::uint64_t bis = 0;
};

/// Why a census cannot run.
enum class Einwand : std::uint8_t { keiner, geburtBeiNull, keineSuppen };
/// What stands against running `auftrag`, if anything.
Einwand pruefe(const Auftrag& auftrag);

/// The rule as a census names it: lower-case "b3s23", and "_m" with the mask in decimal for
/// any mask but the full one ("b3s23_m85"); censuses merge only under the same name.
std::string regelName(const engine::Regel& regel, std::uint8_t nachbarMaske);

/// The rule and mask a name made by regelName stands for; nothing for any other text.
std::optional<std::pair<engine::Regel, std::uint8_t>> ausRegelName(std::string_view name);

/// What the census knows of a code beyond its count: kind, period and, for a spaceship, its
/// displacement per period (0, 0 otherwise). A soup that does not settle within the stated caps
/// is counted once as "zz_LINEAR" (growth without end at a steady pace) or "zz_EXPLOSIVE"
/// (anything else), of kind Objektart::Wachstum.
struct Merkmale {
    Objektart art = Objektart::Stillleben;
    int periode = 1;
    int dx = 0;
    int dy = 0;
};

/// Caps of one soup's run: a soup not settled within this many generations, or grown beyond this
/// many living cells or this side of its living cells' rectangle, counts as growth.
inline constexpr int kMaxGenerationen = 30000;
inline constexpr std::uint64_t kMaxLebende = 20000;
inline constexpr int kMaxSeite = 2048;
/// The longest period of an object the census recognises.
inline constexpr int kMaxPeriode = 128;

/// One object a soup left.
struct Fund {
    std::string code;
    Merkmale merkmale;
};

/// A worker's buffers, so that soup after soup allocates almost nothing anew.
class Labor {
public:
    Labor();
    ~Labor();
    Labor(const Labor&) = delete;
    Labor& operator=(const Labor&) = delete;
    /// The objects soup `nummer` of the order leaves, valid until the next call.
    const std::vector<Fund>& untersuche(const Auftrag& auftrag, std::uint64_t nummer);
    /// The objects the cells leave under the order's rule and mask (any pattern, not only a soup).
    const std::vector<Fund>& untersuche(const Auftrag& auftrag, const Zellen& start);

private:
    struct Puffer;
    std::unique_ptr<Puffer> p_;
};

/// Runs one soup on the unbounded plane until it settles and counts each object it leaves in
/// `tabelle` under soup number `nummer`; `merkmale` learns each new code's facts.
void untersucheSuppe(const Auftrag& auftrag, std::uint64_t nummer, Tabelle& tabelle,
                     std::map<std::string, Merkmale, std::less<>>& merkmale);

/// The facts of a code found under the rule and mask, worked out by running its object alone.
Merkmale merkmaleVon(std::string_view code, const engine::Regel& regel, std::uint8_t nachbarMaske);

/// The census as CSV: the line "Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen", then one line per
/// code, most frequent first: count, count per soup, kind in German, period, displacement and the
/// sample soup numbers separated by blanks. Codes without facts get them from merkmaleVon.
std::string csvText(const Kopf& kopf, const Tabelle& tabelle,
                    const std::map<std::string, Merkmale, std::less<>>& merkmale);

/// How far a running census has come.
struct Stand {
    std::uint64_t suppen = 0;  ///< soups finished
    Tabelle tabelle;
    std::map<std::string, Merkmale, std::less<>> merkmale;
    bool fertig = false;
};

/// A census in worker threads. The table depends only on the soups, never on the number of
/// threads or the order in which they finish. Stops and joins its threads when destroyed.
class Zensus {
public:
    /// Starts `threads` workers (at least 1) on a checked order.
    Zensus(Auftrag auftrag, int threads);
    ~Zensus();
    Zensus(const Zensus&) = delete;
    Zensus& operator=(const Zensus&) = delete;

    /// Asks the workers to stop after their current soup; returns at once.
    void anhalten();
    /// Waits until every worker has ended.
    void warte();
    /// A copy of what has been found so far; safe to call from any thread at any time.
    Stand stand() const;

private:
    struct Geteilt;
    std::shared_ptr<Geteilt> geteilt_;
    std::vector<std::thread> arbeiter_;
};

}  // namespace zensus
