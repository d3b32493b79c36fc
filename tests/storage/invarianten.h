#pragma once

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

}  // namespace testhilfe
