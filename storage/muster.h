#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/schritt.h"
#include "engine/welt.h"
#include "storage/ablehnung.h"
#include "storage/regeltext.h"

namespace storage {

/// Longest pattern text that is read at all, packed or unpacked; a longer one is refused before it is looked at.
inline constexpr std::size_t kMaxMusterText = 4u << 20;

/// What a text states besides cells: a rule and a bounded grid, each only when it names one.
struct Angaben {
    /// The rule the text names, when this program can run it.
    std::optional<MusterRegel> regel;
    /// Edge mode and field size of the text's bounded grid, when this program has them.
    std::optional<engine::Rand> rand;
    int feldGroesse = 0;
    /// Why a rule or bounded grid the text names cannot be set here; none when there is none.
    Ablehnung fremdeRegel;
    Ablehnung fremderRand;
};

/// A pattern read from one of the common exchange formats; it always fits the largest field.
struct Muster : Angaben {
    int breite = 0;
    int hoehe = 0;
    /// Living cells by column and row of the pattern's box, top-left first.
    bool lebt[engine::kMaxFeld][engine::kMaxFeld] = {};
    /// Field coordinates of the box's top-left cell, when the file gives them.
    std::optional<std::array<std::int64_t, 2>> position;
};

/// A rule as the user types it: a rule text as liesRegel() reads it, optionally followed by a
/// bounded grid (":T30,30", ":P40,40"), blanks anywhere. Nothing, with the reason, when the rule
/// or the grid cannot be set here.
std::optional<Angaben> liesRegelEingabe(std::string_view text, Ablehnung& fehler);

/// The name of an edge mode as the window shows it, without trailing blanks: "Torus", "Quadrat", "Spiegel".
std::string_view randName(engine::Rand rand);

/// A reader's answer: a pattern, or nothing and the reason.
struct MusterGelesen {
    std::unique_ptr<Muster> muster;
    Ablehnung fehler;
};

/// Reads RLE, plaintext (.cells), Life 1.06, MCell or macrocell, whichever the text is, also
/// packed with gzip. Takes any bytes; a text with no cell data at all (only comments or
/// headers) is refused, while an RLE whose cell data is just "!" is an empty pattern. The work
/// is linear in the text and nothing larger than the largest field or kMaxMusterText is allocated.
MusterGelesen liesMuster(std::string_view text);
/// RLE: "#" lines, the header "x = m, y = n, rule = ..." with an optional bounded grid, the cell data.
MusterGelesen liesRle(std::string_view text);
/// Plaintext: "!" comment lines and rows of "." and "O" (or "*").
MusterGelesen liesPlaintext(std::string_view text);
/// Life 1.06: "#" lines and one "x y" pair of field coordinates a living cell.
MusterGelesen liesLife106(std::string_view text);
/// Life 1.05: "#D" comments, "#N" (the common rule) or "#R" with a rule, and blocks of rows of
/// "." and "*" each after a "#P x y" line that gives its top-left cell's field coordinates.
MusterGelesen liesLife105(std::string_view text);
/// MCell of the game "Life" with two states; the board becomes a bounded grid where this program has it.
MusterGelesen liesMCell(std::string_view text);
/// Most nodes a macrocell text may have; far more than any pattern that fits the largest field needs.
inline constexpr int kMaxKnoten = 10000;
/// Macrocell "[M2]" with two states whose living cells fit the largest field; at most kMaxKnoten nodes.
MusterGelesen liesMakrozellen(std::string_view text);

/// The smallest even field size, at least n, that holds the pattern's box; larger than the
/// largest field when none does.
int groesseFuer(const Muster& muster, int n);

/// Field coordinates of the pattern's top-left cell on a field of size n.
struct Platz {
    int i = 0;
    int j = 0;
};

/// Where the pattern goes on a field of size n: at the file's position when it lies wholly inside
/// the field there, otherwise centred. Nothing, with the reason, when it is larger than the field.
std::optional<Platz> platzFuer(const Muster& muster, int n, Ablehnung& fehler);

/// Writes state 1 at every living cell of the pattern placed at `platz`; every other cell keeps its state.
void setzeEin(engine::Welt& welt, const Muster& muster, Platz platz);

/// The formats a pattern is written in.
enum class MusterFormat { rle, plaintext, life106 };

/// The format a file name asks for by its ending, in any letter case: ".rle", ".cells", ".lif"
/// or ".life"; nothing for any other ending, so the caller chooses and appends endungFuer().
std::optional<MusterFormat> formatFuerName(std::string_view dateiname);

/// The usual file ending of the format: ".rle", ".cells" or ".lif".
std::string_view endungFuer(MusterFormat format);

/// The living cells of the visible field in the format, named `name` where the format has a
/// name (line breaks become blanks, at most 67 bytes). RLE as rleText(); plaintext with the name,
/// the rule and the edge in "!" lines and rows of "." and "O" (a single "." for an empty field);
/// Life 1.06 with field coordinates, for an empty field only its first line, which the readers
/// refuse as holding no cells.
std::string musterText(MusterFormat format, const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand,
                       std::string_view name);

/// RLE of the living cells of the visible field: "#CXRLE Pos=" first, then the name, comments,
/// the header with the rule and the edge as bounded grid (or a comment for "Spiegel"); lines of
/// at most 70 characters except a MAP header.
std::string rleText(const engine::Welt& welt, const engine::Regel& regel, engine::Rand rand,
                    std::string_view name);

}  // namespace storage
