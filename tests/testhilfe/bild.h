#pragma once

#include <string>
#include <vector>

#include "engine/welt.h"

namespace testhilfe {

/// Writes an ASCII picture into the world: one string per row (y), one character per column (x),
/// the first character at field coordinate (links, oben). '.' empty, 'O' state 1, a digit
/// 1..9 that state; any other character leaves the cell as it is.
void zeichne(engine::Welt& w, int links, int oben, const std::vector<std::string>& bild);

/// The same region of the world as such a picture, with '.' and the state digits.
std::vector<std::string> lies(const engine::Welt& w, int links, int oben, int breite, int hoehe);

/// Number of living cells in the whole array.
int lebende(const engine::Welt& w);

/// Whether two worlds agree in cells, ring position and every memory slot.
bool gleich(const engine::Welt& a, const engine::Welt& b);

}  // namespace testhilfe
