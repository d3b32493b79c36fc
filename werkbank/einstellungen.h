#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/schritt.h"
#include "view/feldansicht.h"

namespace werkbank {

/// Box states by neighbour count: 0 clear, 1 ticked, 2 partly ticked (only a file sets 2; it does not count).
using Kaesten = std::array<std::uint8_t, 9>;

/// Everything besides the cells that undo gives back: what the user sees and works with.
struct Einstellungen {
    Kaesten ueberleben{};
    Kaesten geburt{};
    std::uint8_t maske = 255;
    engine::Rand rand = engine::Rand::Torus;
    int feldGroesse = 30;
    int groessenHaken = 0;
    view::Anzeige anzeige;
    std::string zaehlerText;
    int rueckblickWert = 99;
    std::string tiefeText;
    /// The window's caption, which names the file of a loaded or saved world.
    std::string titel;
    friend bool operator==(const Einstellungen&, const Einstellungen&) = default;
};

}  // namespace werkbank
