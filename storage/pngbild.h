#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace storage {

/// A PNG file of breite × hoehe pixels 0x??RRGGBB, row by row (8-bit RGB, compressed with zlib);
/// nothing when the size is not one PNG knows or compression failed.
std::optional<std::string> pngBild(int breite, int hoehe, const std::uint32_t* pixel);

}  // namespace storage
