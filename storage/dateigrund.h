#pragma once

#include <cstdint>

namespace storage {

/// Why a file could not be read or written, as the file system answered; the text module tells it.
enum class Dateigrund : std::uint8_t {
    keiner,
    // Reading: what follows the file's name.
    keinZugriff,   ///< no permission to read it
    nichtVorhanden,
    ordner,        ///< a folder, not a file
    keineDatei,    ///< a device, pipe or socket
    nichtOeffnen,
    nichtLesen,
    zuGross,       ///< longer than kMaxMusterText
    // Writing: why the save failed.
    verweisFremd,  ///< a link in a folder everyone may write, owned by neither the folder's owner nor the user
    verweisKreis,  ///< links that lead in a circle
    schonOrdner,   ///< a folder has the name
    pipe,
    socket,
    geraet,
    schreibgeschuetzt,
    keinAnlegen,    ///< no temporary file can be made in the folder
    schreibfehler,  ///< writing or syncing failed
    nichtErsetzen,  ///< the new file cannot be renamed over the old one
};

}  // namespace storage
