#pragma once

#include <string>

#include "storage/weltdatei.h"

namespace testhilfe {

/// True when a world file value keeps the world's invariants: cells 0..3, size even 2..90,
/// boxes 0..2, colours RGB or system colours.
inline bool haeltInvarianten(const storage::WeltDatei& w) {
    for (const auto& spalte : w.zelle)
        for (auto z : spalte)
            if (z < 0 || z > 3) return false;
    if (w.feldGroesse < 2 || w.feldGroesse > 90 || w.feldGroesse % 2 != 0) return false;
    for (int k = 0; k < 9; ++k)
        if (w.ueberleben[k] < 0 || w.ueberleben[k] > 2 || w.geburt[k] < 0 || w.geburt[k] > 2) return false;
    if (!w.farben) return true;
    for (view::Farbe f : {w.farben->alt1, w.farben->neu, w.farben->alt2, w.farben->schirm})
        if (f > 0xFFFFFF) return false;
    return true;
}

/// The bytes of the world with the start-up settings (size 30, survival 2 and 3, birth 3,
/// "Torus", the start colours) whose only living cells are a row of three state-1 cells at
/// field (-1, 0) to (1, 0), written out line by line from the format's description.
inline std::string beispielText() {
    std::string t;
    for (int n = 1; n <= 10201; ++n) t += (n == 4490 || n == 4591 || n == 4692) ? " 1 \r\n" : " 0 \r\n";
    t += " 30 \r\n";
    for (const char* b : {"0", "0", "0", "0", "1", "0", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"})
        t += std::string(" ") + b + " \r\n";
    return t + "True\r\nFalse\r\nFalse\r\n 9830400 \r\n 255 \r\n 0 \r\n-2147483643 \r\n";
}

}  // namespace testhilfe
