#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

/// The whole program: the command line, then the job.
int hauptprogramm(std::span<const std::string_view> argumente, std::ostream& aus, std::ostream& fehler);

}  // namespace stapel
