#pragma once

#include <ostream>

#include "storage/ablehnung.h"

namespace storage {

/// A reason as the test output shows it: its fields in order.
inline void PrintTo(const Ablehnung& a, std::ostream* aus) {
    *aus << "{art " << int{static_cast<std::uint8_t>(a.art)} << ", klausel " << int{static_cast<std::uint8_t>(a.klausel)}
         << ", zeile " << a.zeile << ", " << a.zahl1 << ", " << a.zahl2 << ", " << a.zahl3 << ", \"" << a.name.substr(0, 60)
         << "\", \"" << a.gelesen << "\"}";
}

}  // namespace storage
