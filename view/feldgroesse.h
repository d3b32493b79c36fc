#pragma once

#include <optional>
#include <string>

namespace view {

/// The sizes of the three fixed menu items, in menu order; the second is captioned "60 x 60 ".
inline constexpr int kFesteGroessen[3] = {30, 60, 90};

/// Size taken when a free entry is out of range.
inline constexpr int kErsatzGroesse = 60;

/// A field size choice: the new size and the fixed menu item that carries the check mark.
struct Groessenwahl {
    int n = 30;
    /// Index into kFesteGroessen, or -1 when no item carries the mark.
    int haken = -1;
    friend bool operator==(const Groessenwahl&, const Groessenwahl&) = default;
};

/// The choice of fixed item k (0..2): its size, marked.
Groessenwahl festeGroesse(int k);

/// The choice of a free entry: the largest even size not above its leading number when that lies
/// above 1 and at most 90 (2 below 2), else 60 marked on its item. Nothing when the entry holds no
/// number or was cancelled; the caller then keeps its size.
std::optional<Groessenwahl> freieGroesse(const std::optional<std::string>& eingabe);

}  // namespace view
