#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace storage {

/// True when the bytes start with the gzip magic number 1f 8b.
bool istGzip(std::string_view daten);

/// Unpacked bytes, or an empty text and a German sentence saying why not.
struct Entpackt {
    std::string text;
    std::string fehler;
};

/// Unpacks the first gzip member of `daten`; more than `grenze` unpacked bytes are refused as
/// soon as they appear, so the work and memory stay bounded whatever the input claims.
Entpackt entpackeGzip(std::string_view daten, std::size_t grenze);

}  // namespace storage
