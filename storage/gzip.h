#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "storage/ablehnung.h"

namespace storage {

/// True when the bytes start with the gzip magic number 1f 8b.
bool istGzip(std::string_view daten);

/// Unpacked bytes, or an empty text and the reason why not.
struct Entpackt {
    std::string text;
    Ablehnung fehler;
};

/// Unpacks the first gzip member of `daten`; more than `grenze` unpacked bytes are refused as
/// soon as they appear, so the work and memory stay bounded whatever the input claims.
Entpackt entpackeGzip(std::string_view daten, std::size_t grenze);

}  // namespace storage
