#pragma once

#include <filesystem>
#include <string>

#include "storage/muster.h"
#include "storage/weltdatei.h"

namespace storage {

/// Reads the world file at `pfad`, all or nothing; a folder or an unreadable file is refused
/// with line 0 and a German reason.
Gelesen ladeWeltDatei(const std::filesystem::path& pfad);

/// The bytes of a pattern file, or an empty text and a German reason that follows the file's name.
struct MusterText {
    std::string text;
    std::string fehler;
};

/// Reads at most kMaxMusterText bytes of the pattern file at `pfad`; a longer file is refused.
MusterText ladeMusterText(const std::filesystem::path& pfad);

/// Replaces the file at `ziel` by `inhalt` so that it is always either the old file or the
/// complete new one: writes a temporary file in the same folder, flushes it and renames it
/// over the target. Empty on success, otherwise a German reason; the temporary file is gone.
std::string speichereSicher(const std::filesystem::path& ziel, const std::string& inhalt);

}  // namespace storage
