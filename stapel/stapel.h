#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/schritt.h"
#include "storage/muster.h"
#include "texte/texte.h"

namespace stapel {

/// Exit status: done; a file could not be read or written; the command line was not understood.
inline constexpr int kFertig = 0;
inline constexpr int kDateiFehler = 1;
inline constexpr int kAufrufFehler = 2;

/// What the command line asks for; every optional setting overrides what the input file says.
struct Auftrag {
    std::filesystem::path eingabe;
    long long generationen = 1;
    /// The rule as read once from the command line, with its bounded grid if it names one.
    std::optional<storage::Angaben> regel;
    std::optional<std::uint8_t> maske;
    std::optional<engine::Rand> rand;
    std::optional<int> groesse;
    std::optional<std::filesystem::path> ausgabe;
    std::optional<int> bildrate;  // frames per second of an animation
    bool verlauf = false;
    /// A soup census of this many soups instead of a run (no input file).
    std::optional<std::uint64_t> zensus;
    /// The census's root; without it a fresh one is drawn.
    std::optional<std::string> wurzel;
    /// Worker threads of the census; without it, one per processor core.
    std::optional<int> threads;
    /// The census runs share `teil.first` (1..M) of `teil.second` (M) contiguous shares.
    std::optional<std::pair<std::uint64_t, std::uint64_t>> teil;
    /// Merges the census files in `zusammen` instead of a run.
    bool zusammenfuehren = false;
    std::vector<std::filesystem::path> zusammen;
    texte::Sprache sprache = texte::Sprache::deutsch;  // of the help, the messages and the course
    bool hilfe = false;
    bool version = false;
};

/// A command line as understood: the job, or what was not, to be told in the language asked for.
struct Befehl {
    std::optional<Auftrag> auftrag;
    std::optional<texte::Aufruffehler> fehler;
    texte::Sprache sprache = texte::Sprache::deutsch;
};

/// Reads the arguments after the program's name, GNU style: long options with "=" or a separate
/// value, short ones with the value attached or separate, "--" ending the options.
Befehl liesBefehl(std::span<const std::string_view> argumente);

/// Carries out a job: reads the input, applies the settings, runs the generations and writes
/// the output and the course or the closing line to `aus`; problems go to `fehler` as one
/// sentence in the job's language. Returns the exit status.
int fuehreAus(const Auftrag& auftrag, std::ostream& aus, std::ostream& fehler);

/// Runs a soup census, or merges census files, as the job says; progress goes to `fehler` when
/// `fortschritt` is set. Returns the exit status.
int fuehreZensusAus(const Auftrag& auftrag, std::ostream& aus, std::ostream& fehler, bool fortschritt);

/// The whole program: the command line, then the job.
int hauptprogramm(std::span<const std::string_view> argumente, std::ostream& aus, std::ostream& fehler);

}  // namespace stapel
