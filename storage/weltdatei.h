#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>

#include "engine/welt.h"
#include "storage/dateigrund.h"
#include "view/farbe.h"

namespace storage {

/// Lines of a world file; the older layout ends before the colour block.
inline constexpr int kZeilen = 10227;
inline constexpr int kZeilenOhneFarben = 10223;
/// Line of the field size; the cells fill the lines before it.
inline constexpr int kZeileFeldGroesse = engine::kDim * engine::kDim + 1;

/// The colour block of a world file, in file order.
struct Farben {
    view::Farbe alt1 = 0;    // state-1 cells, "Zelle alt 1"
    view::Farbe neu = 0;     // state-2 cells, "Zelle neu"
    view::Farbe alt2 = 0;    // state-3 cells, "Zelle alt 2"
    view::Farbe schirm = 0;  // field background, "Schirm"
};

/// Everything a world file holds. A value produced by the reader always keeps the world's
/// invariants: cells 0..3, size even 2..90, boxes 0..2, colours RGB or system colours.
struct WeltDatei {
    std::int32_t zelle[engine::kDim][engine::kDim] = {};
    std::int32_t feldGroesse = 30;
    /// Box states by neighbour count: 0 clear, 1 ticked, 2 partly ticked.
    int ueberleben[9] = {};
    int geburt[9] = {};
    /// The three edge-mode lines: "Torus", "Quadrat ", "Spiegel".
    bool rand[3] = {};
    /// Absent in the older layout.
    std::optional<Farben> farben;
};

/// What is wrong inside a world file: an invalid value of a kind in a line, lines ended by a
/// bare LF, no line at all, or an end before the last line.
enum class Lesegrund : std::uint8_t { keiner, zelle, groesse, kasten, rand, farbe, nurLf, leer, vorzeitig };

/// Why a file was refused: what is wrong inside it, or, for a file that could not be read at
/// all, the file system's reason; the line to blame (for vorzeitig the last one read), 0 for none.
struct Lesefehler {
    int zeile = 0;
    Lesegrund grund = Lesegrund::keiner;
    Dateigrund datei = Dateigrund::keiner;
};

/// The reader's answer: a complete world, or nothing and the reason.
struct Gelesen {
    std::unique_ptr<WeltDatei> welt;
    Lesefehler fehler;
};

/// The bytes of a world file: one value a line, each line ending in CR LF.
std::string weltDateiText(const WeltDatei& datei);

/// Reads a whole world file, all or nothing. Reads at most kZeilen lines of bounded length,
/// so neither a huge nor a binary input makes it hang or allocate without limit.
Gelesen liesWeltDatei(std::istream& ein);

/// The edge mode the file selects: the last of its "True" lines (0..2), or -1 when none is.
int gewaehlterRand(const WeltDatei& datei);

/// True when the colour value is an RGB value or a system colour.
bool gueltigeFarbe(std::int64_t wert);

}  // namespace storage
