#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "storage/muster.h"
#include "storage/weltdatei.h"

namespace storage {

/// Reads the world file at `pfad`, all or nothing; a folder or an unreadable file is refused
/// with line 0 and the file system's reason.
Gelesen ladeWeltDatei(const std::filesystem::path& pfad);

/// The bytes of a pattern file, or an empty text and the reason.
struct MusterText {
    std::string text;
    Dateigrund fehler = Dateigrund::keiner;
};

/// Reads at most kMaxMusterText bytes of the pattern file at `pfad`; a longer file is refused.
/// The bytes are handed on as they are: liesMuster() unpacks gzip.
MusterText ladeMusterText(const std::filesystem::path& pfad);

/// The system calls where a save can fail late; tests put failing ones in.
struct Systemaufrufe {
    ssize_t (*write)(int fd, const void* daten, std::size_t anzahl) = ::write;
    int (*fsync)(int fd) = ::fsync;
};

/// Replaces the file at `ziel` by `inhalt` so that it is always either the old file or the
/// complete new one: writes a locked temporary file ".name.123456.tmp" of mode 0600 in the same
/// folder, syncs it, gives it the old file's owner, group and mode where permitted (a new file:
/// 0666 less the umask), renames it over the target and syncs the folder. Through a link, even a
/// dangling one, the linked file is written, except a link in a sticky folder everyone may write
/// that belongs neither to the folder's owner nor to the user. A folder, a device, a pipe, a
/// socket or a write-protected file is refused and stays as it was. Temporary files of the same
/// target that no running save holds are removed. Dateigrund::keiner on success, otherwise the
/// reason; no temporary file stays.
Dateigrund speichereSicher(const std::filesystem::path& ziel, const std::string& inhalt,
                            const Systemaufrufe& system = {});

}  // namespace storage
